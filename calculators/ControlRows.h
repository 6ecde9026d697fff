// The rows of a window's design table: each control's stream design, the values
// its setters take before the stream, its event bindings and, for a control of a
// class of the program's own, that class. A row reads like the layout:
//
//     Row(TextFieldDesign{.name = "TF_OB", .left = 21, ...}).On(fw::TextEditEvent::kTextChange, &TF_OB_TextChange)
//
// A kind's class is named by its property table, so that a row can tell whether
// the class can set every key of its stream (SettableKeys.h). A window's scope
// sees the names a table is written with (DesignVocabulary) without qualification.
#pragma once

#include "calculators/SettableKeys.h"
#include "calculators/StreamForms.h"

#include <fw/Canvas.h>
#include <fw/Events.h>
#include <fw/GroupBox.h>
#include <fw/Label.h>
#include <fw/Line.h>
#include <fw/Picture.h>
#include <fw/PopupMenu.h>
#include <fw/PropertyTables.h>
#include <fw/RectControl.h>
#include <fw/Slider.h>
#include <fw/TextArea.h>
#include <fw/TextField.h>
#include <fw/Timer.h>
#include <fw/Window.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <type_traits>
#include <utility>

namespace calculators {

// What the control creation sequence sets through a control's setters before its stream.
struct Setter {
    enum class Kind : std::uint8_t { TextUnit, TextSize, LineSpacing, Backdrop };
    Kind kind;
    double value = 0;
    fw::Ref<fw::Picture> (*picture)() = nullptr;
};

// A list of at most Capacity items, built in a row's constant expression. An item beyond
// the capacity is not stored but marks the list overfull, which the window that builds
// the row's control stops with a static_assert that gives the reason.
template <class T, std::size_t Capacity> struct SmallList {
    std::array<T, Capacity> items {};
    std::size_t count = 0;
    bool overfull = false;

    constexpr SmallList() = default;
    constexpr SmallList(std::initializer_list<T> list)
    {
        for (const T& item : list)
            add(item);
    }
    constexpr void add(const T& item)
    {
        if (count == Capacity)
            overfull = true;
        else
            items[count++] = item;
    }
    constexpr const T* begin() const { return items.data(); }
    constexpr const T* end() const { return items.data() + count; }
};

using Setters = SmallList<Setter, 3>;

inline constexpr Setters kNoSetters {};
inline constexpr Setters kTextUnitZero { { Setter::Kind::TextUnit, 0 } };

// A control event handler of the window, under the name its method record carries.
template <class Control> struct Handler {
    std::string_view name;
    void (*function)(fw::Window& self, Control* sender);
};
template <class Control> Handler(std::string_view, void (*)(fw::Window&, Control*)) -> Handler<Control>;

// An event of a control, by the framework's index of it in the control's class, and its handler.
template <class Control> struct Binding {
    std::int32_t event;
    void (*handler)(fw::Window& self, Control* sender);
};

template <auto F> struct FunctionConstant {
};
// Whether two functions are the same one; functions of different types never are. The
// compiler tells it by the identity of template arguments: unlike a comparison of
// addresses, that stays a constant expression in every build, sanitizers included.
template <auto A, auto B>
inline constexpr bool kSameFunction = std::is_same_v<FunctionConstant<A>, FunctionConstant<B>>;

// The framework class of each kind of design, named by its property table, and the
// setters every control of the kind gets.
template <const auto& Properties, const Setters& DefaultSetters = kNoSetters> struct KindOf {
    using Control = typename std::remove_cvref_t<decltype(Properties)>::Class;
    static constexpr const fw::PropertyTable& kProperties = Properties;
    static constexpr const Setters& kSetters = DefaultSetters;
};
KindOf<fw::TextFieldProperty::kTable, kTextUnitZero> kindOf(const TextFieldDesign&);
KindOf<fw::LabelProperty::kTable, kTextUnitZero> kindOf(const LabelDesign&);
KindOf<fw::LabelProperty::kTable, kTextUnitZero> kindOf(const LinkLabelDesign&);
KindOf<fw::GroupBoxProperty::kTable, kTextUnitZero> kindOf(const GroupBoxDesign&);
KindOf<fw::PopupMenuProperty::kTable, kTextUnitZero> kindOf(const PopupMenuDesign&);
KindOf<fw::TextAreaProperty::kTable, kTextUnitZero> kindOf(const TextAreaDesign&);
KindOf<fw::LineProperty::kTable> kindOf(const LineDesign&);
KindOf<fw::SliderProperty::kTable> kindOf(const SliderDesign&);
KindOf<fw::CanvasProperty::kTable> kindOf(const CanvasDesign&);
KindOf<fw::TimerProperty::kTable> kindOf(const TimerDesign&);
template <class Design> using ControlKind = decltype(kindOf(std::declval<Design>()));

// A class of the program's own that a control can be allocated as in place of its
// kind's class, one that declares a no-argument constructor of its own.
template <class Class>
concept ConstructedClass = requires
{
    Class::Class();
    Class::ConstructorSlot();
};

// One control of a window's design, in creation order.
template <class Design, class Program = void, class Allocated = void> struct ControlRow {
    using Control = typename ControlKind<Design>::Control;
    // The class of the program's own that the control is made as (OfClass), void for none.
    using ProgramClass = Program;
    // The class the control is allocated as: the program's class it is made as, the
    // subclass that AllocatedAs names, or the kind's class; and the class every lookup
    // casts it to.
    using AllocatedClass = std::conditional_t<!std::is_void_v<Program>, Program,
        std::conditional_t<!std::is_void_v<Allocated>, Allocated, Control>>;
    using CastClass = std::conditional_t<!std::is_void_v<Program>, Program, Control>;

    // Whether the control has a no-argument constructor: every visual control inherits
    // one; a Timer has none, so a timer row names a class that declares one.
    static constexpr bool kConstructible
        = std::is_base_of_v<fw::RectControl, Control> || ConstructedClass<AllocatedClass>;

    std::string_view name;
    Design design;
    Setters setters = ControlKind<Design>::kSetters;
    SmallList<Binding<Control>, 2> bindings {};

    // Whether the class the control is allocated as can set every key of its stream.
    constexpr bool setsEveryKey() const
    {
        return calculators::setsEveryKey<AllocatedClass>(ControlKind<Design>::kProperties, design.entries());
    }

    static fw::ClassRecord* allocatedClass() { return AllocatedClass::Class(); }
    static fw::ClassRecord* castClass() { return CastClass::Class(); }

    // The position of the allocated class's no-argument constructor in its method table.
    static std::int32_t constructorSlot()
    {
        if constexpr (std::is_base_of_v<fw::RectControl, Control>)
            return fw::RectControlSlot::kConstructor;
        else
            return AllocatedClass::ConstructorSlot();
    }

    // The row with one more binding, made after those before it. The event is one that
    // the control's class declares or inherits: an index of another class's events
    // would name a different event of this control.
    template <class Declaring>
    constexpr ControlRow On(fw::Event<Declaring> event, void (*handler)(fw::Window&, Control*)) const
    {
        static_assert(std::is_base_of_v<Declaring, Control>,
            "the event belongs to neither the control's class nor its superclasses");
        ControlRow row = *this;
        row.bindings.add({ event, handler });
        return row;
    }

    // A control allocated as a subclass of its kind's class that constructs itself, and
    // known as the kind's class.
    template <ConstructedClass Class> constexpr ControlRow<Design, Program, Class> AllocatedAs() const
    {
        return { name, design, setters, bindings };
    }

    // A control allocated, cast to and returned as a class of the program's own.
    template <class Class> constexpr ControlRow<Design, Class, Allocated> OfClass() const
    {
        return { name, design, setters, bindings };
    }
};

// The names a window's design table is written with, found unqualified in the window's scope.
struct DesignVocabulary {
    using WindowDesign = calculators::WindowDesign;
    using TextFieldDesign = calculators::TextFieldDesign;
    using LabelDesign = calculators::LabelDesign;
    using LinkLabelDesign = calculators::LinkLabelDesign;
    using GroupBoxDesign = calculators::GroupBoxDesign;
    using LineDesign = calculators::LineDesign;
    using PopupMenuDesign = calculators::PopupMenuDesign;
    using SliderDesign = calculators::SliderDesign;
    using CanvasDesign = calculators::CanvasDesign;
    using TextAreaDesign = calculators::TextAreaDesign;
    using TimerDesign = calculators::TimerDesign;
    static constexpr KeyOrder kReversed = KeyOrder::Reversed;

    // A row with its kind's setters, or with these setters instead.
    template <StreamDesign Design>
    static constexpr ControlRow<Design> Row(
        const Design& design, const Setters& setters = ControlKind<Design>::kSetters)
    {
        return { design.name, design, setters };
    }
    // A row whose stream carries no name.
    template <StreamDesign Design>
    static constexpr ControlRow<Design> Row(
        std::string_view name, const Design& design, const Setters& setters = ControlKind<Design>::kSetters)
    {
        return { name, design, setters };
    }

    static constexpr Setter TextUnit(std::uint8_t unit) { return { Setter::Kind::TextUnit, double(unit) }; }
    static constexpr Setter TextSize(float size) { return { Setter::Kind::TextSize, size }; }
    static constexpr Setter LineSpacing(double spacing) { return { Setter::Kind::LineSpacing, spacing }; }
    static constexpr Setter Backdrop(fw::Ref<fw::Picture> (*loader)()) { return { Setter::Kind::Backdrop, 0, loader }; }
};

} // namespace calculators
