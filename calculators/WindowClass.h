// The one mechanism that builds every window of the program.
//
// A window class is a struct `W`, derived from `WindowClass<W>`, that states its design:
//   - `kRegisteredName`: its registered name, also the key of its implicit instance;
//   - `kWindow`: the window's stream design (a WindowDesign);
//   - `kControls`: a tuple of control rows in creation order, each the control's
//     stream design, the values set before its stream and its event bindings:
//       Row(TextFieldDesign{.name = "TF_OB", ...}).On(fw::TextEditEvent::kTextChange, &TF_OB_TextChange)
//   - `kHandlers`: its control event handlers in method order, each named once; a
//     binding names one of them by its function, which is checked when compiled;
//   - `Layout`: the window's Layout event (`ApplyWindowStream` unless the window
//     first installs a menu bar);
//   - `OtherMethods()`: the methods that follow the handlers, and `ExtraHooks()`:
//     events it implements beyond Layout and CreateControls.
// From this `WindowClass<W>` derives the class declaration (Layout, CreateControls,
// the hidden _CreateControls0, one accessor per control in creation order, the
// handlers, then the other methods), the control creation sequence, the accessors
// and `ImplicitInstance`. Handlers reach a control with `Control<"TF_OB">(self)`:
// through its accessor, looked up anew on every use and tested before it is used.
#pragma once

#include "calculators/ClassDeclaration.h"
#include "calculators/EventBinding.h"
#include "calculators/SignatureTexts.h"
#include "calculators/StreamDesigns.h"

#include <fw/Canvas.h>
#include <fw/Exceptions.h>
#include <fw/GroupBox.h>
#include <fw/Label.h>
#include <fw/Line.h>
#include <fw/Picture.h>
#include <fw/PopupMenu.h>
#include <fw/PropertyStream.h>
#include <fw/Slider.h>
#include <fw/TextArea.h>
#include <fw/TextField.h>
#include <fw/Timer.h>
#include <fw/Window.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace calculators {

// What the control creation sequence sets through a control's setters before its stream.
struct Setter {
    enum class Kind : std::uint8_t { TextUnit, TextSize, LineSpacing, Backdrop };
    Kind kind;
    double value = 0;
    fw::Ref<fw::Picture> (*picture)() = nullptr;
};

template <class T, std::size_t Capacity> struct SmallList {
    std::array<T, Capacity> items {};
    std::size_t count = 0;

    constexpr SmallList() = default;
    constexpr SmallList(std::initializer_list<T> list)
    {
        for (const T& item : list)
            add(item);
    }
    constexpr void add(const T& item)
    {
        if (count == Capacity)
            designMistake("more items than the list holds");
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
    static constexpr std::string_view kSignature = kHandlerMethodSignature<Control>;
    std::string_view name;
    void (*function)(fw::Window& self, Control* sender);
};
template <class Control> Handler(std::string_view, void (*)(fw::Window&, Control*)) -> Handler<Control>;

// An event of a control, by the framework's index of it in the control's class, and its handler.
template <class Control> struct Binding {
    std::int32_t event;
    void (*handler)(fw::Window& self, Control* sender);
};

template <class A, class B> constexpr bool sameFunction(A a, B b)
{
    if constexpr (std::is_same_v<A, B>)
        return a == b;
    else
        return false;
}

// The framework class of each kind of design and the setters every control of the kind gets.
template <class Design> struct ControlKind;
template <class Class, const Setters& DefaultSetters = kNoSetters> struct KindOf {
    using Control = Class;
    static constexpr const Setters& kSetters = DefaultSetters;
};
template <> struct ControlKind<TextFieldDesign> : KindOf<fw::TextField, kTextUnitZero> {
};
template <> struct ControlKind<LabelDesign> : KindOf<fw::Label, kTextUnitZero> {
};
template <> struct ControlKind<LinkLabelDesign> : KindOf<fw::Label, kTextUnitZero> {
};
template <> struct ControlKind<GroupBoxDesign> : KindOf<fw::GroupBox, kTextUnitZero> {
};
template <> struct ControlKind<PopupMenuDesign> : KindOf<fw::PopupMenu, kTextUnitZero> {
};
template <> struct ControlKind<TextAreaDesign> : KindOf<fw::TextArea, kTextUnitZero> {
};
template <> struct ControlKind<LineDesign> : KindOf<fw::Line> {
};
template <> struct ControlKind<SliderDesign> : KindOf<fw::Slider> {
};
template <> struct ControlKind<CanvasDesign> : KindOf<fw::Canvas> {
};
template <> struct ControlKind<TimerDesign> : KindOf<fw::Timer> {
};

// One control of a window's design, in creation order.
template <class Design> struct ControlRow {
    using Control = typename ControlKind<Design>::Control;

    std::string_view name;
    Design design;
    Setters setters = ControlKind<Design>::kSetters;
    SmallList<Binding<Control>, 2> bindings {};
    // The class the control is allocated as, the class every lookup casts it to, and
    // the accessor's signature, which names the class it returns.
    fw::ClassRecord* (*allocatedClass)() = &Control::Class;
    fw::ClassRecord* (*castClass)() = &Control::Class;
    std::string_view accessorSignature = kAccessorSignature<Control>;

    // The row with one more binding, made after those before it.
    constexpr ControlRow On(std::int32_t event, void (*handler)(fw::Window&, Control*)) const
    {
        ControlRow row = *this;
        row.bindings.add({ event, handler });
        return row;
    }

    // A control allocated as a subclass of its kind's class, and known as the kind's class.
    constexpr ControlRow AllocatedAs(fw::ClassRecord* (*cls)()) const
    {
        ControlRow row = *this;
        row.allocatedClass = cls;
        return row;
    }

    // A control allocated, cast to and returned as a class of the program's own.
    template <class Class> constexpr ControlRow OfClass() const
    {
        ControlRow row = *this;
        row.allocatedClass = row.castClass = &Class::Class;
        row.accessorSignature = kAccessorSignature<Class>;
        return row;
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

// The literal record of a String whose bytes (length byte, text, zero byte) are constant data.
template <const auto& Bytes>
inline constinit fw::String kLiteralOf = fw::LiteralRecord(Bytes.data(), static_cast<std::uint32_t>(Bytes.size() - 2));

// A text's literal bytes: the length byte, the text, the zero byte.
template <const std::string_view& Text>
inline constexpr auto kTextBytes = [] {
    std::array<std::uint8_t, Text.size() + 2> bytes {};
    bytes[0] = fw::LengthByte(Text.size());
    for (std::size_t i = 0; i < Text.size(); ++i)
        bytes[i + 1] = static_cast<std::uint8_t>(Text[i]);
    return bytes;
}();

template <const std::string_view& Text> fw::String* TextLiteral() noexcept { return &kLiteralOf<kTextBytes<Text>>; }

// The stored stream of a design, as a String literal.
template <const auto& Design> fw::String* StreamLiteral() noexcept { return &kLiteralOf<kStoredStream<Design>>; }

// The name and the stored stream of row I of a window's controls. They are keyed by
// the window and the row's position: a row is a member of a tuple, and a template
// argument that refers into a tuple would not be told apart from its siblings.
template <class W, std::size_t I> inline constexpr std::string_view kRowName = std::get<I>(W::kControls).name;

template <class W, std::size_t I>
inline constexpr auto kRowStreamBytes
    = encodeDesign<streamLength(std::get<I>(W::kControls).design)>(std::get<I>(W::kControls).design);

namespace detail {
void ApplySetter(fw::Object* control, const Setter& setter);
// The position of the class's no-argument constructor in its method table.
std::int32_t ConstructorSlot(const fw::ClassRecord* cls);
} // namespace detail

// What a window class states only when it has it.
struct WindowDefaults {
    static constexpr std::tuple<> kHandlers {};
    static std::span<const MethodDeclaration> OtherMethods() { return {}; }
    static std::span<const EventHook> ExtraHooks() { return {}; }
    static std::span<const PropertyDeclaration> Properties() { return {}; }
    static constexpr fw::InstanceHook kInitHook = nullptr;
};

template <class W> struct WindowClass : WindowDefaults, DesignVocabulary {
    // The hidden creator's position: the window's first three own methods follow Window's entries.
    static constexpr std::int32_t kCreateControlsSlot = fw::WindowSlot::kCount + 2;

    static fw::ClassRecord* Class() { return Storage::Accessor(); }
    static void ClassInit() { Storage::Init(); }

    static fw::Ref<fw::Window> ImplicitInstance()
    {
        fw::Ref<fw::Window> current = fw::RuntimeGetImplicitWindow(TextLiteral<W::kRegisteredName>());
        if (!current) {
            fw::Ref<fw::Object> created = fw::RuntimeNewObject(Class());
            fw::CallSlot<void>(created.get(), fw::WindowSlot::kConstructor);
            current = fw::Ref<fw::Window>::retain(fw::native_cast<fw::Window>(created.get()));
        }
        fw::Ref<fw::Object> cast = fw::RuntimeCheckCast(current.get(), Class());
        return fw::Ref<fw::Window>::retain(fw::native_cast<fw::Window>(cast.get()));
    }

    static void ApplyWindowStream(fw::Window& self)
    {
        fw::RuntimeMassPropertySetter(&self, StreamLiteral<W::kWindow>());
    }

    static void CreateControls(fw::Window& self) { fw::CallSlot<void>(&self, kCreateControlsSlot); }

    static void CreateControls0(fw::Window& self)
    {
        [&]<std::size_t... I>(std::index_sequence<I...>) { (createControl<I>(self), ...); }
        (std::make_index_sequence<controlCount()> {});
    }

    // The accessor of row I: the control of its name, cast to its class; nil passes through.
    template <std::size_t I> static auto Accessor(fw::Window& self)
    {
        using Control = typename std::remove_cvref_t<decltype(row<I>())>::Control;
        fw::Ref<fw::Object> found = self.ControlByName(nameLiteral<I>());
        fw::Ref<fw::Object> cast = fw::RuntimeCheckCast(found.get(), row<I>().castClass());
        return fw::Ref<Control>::retain(fw::native_cast<Control>(cast.get()));
    }

    // The control of that name, through its accessor, tested before use: NilObjectException
    // when there is none. The name is checked when compiled.
    template <fw::FixedText Name> static auto Control(fw::Window& self)
    {
        auto control = Accessor<RowOf(std::string_view(Name.chars, Name.size))>(self);
        if (!control)
            fw::RaiseNilObjectException();
        return control;
    }

    // The position of the control of that name in the design, when compiled.
    static consteval std::size_t RowOf(std::string_view name)
    {
        std::size_t found = controlCount();
        [&]<std::size_t... I>(std::index_sequence<I...>) { ((row<I>().name == name ? (found = I) : 0), ...); }
        (std::make_index_sequence<controlCount()> {});
        if (found == controlCount())
            throw "no control of that name in the window's design";
        return found;
    }

    static const ClassDeclaration& Declaration()
    {
        static const ClassDeclaration declaration = [] {
            static std::vector<MethodDeclaration> methods {
                Method<&W::Layout>("Layout", "%%"),
                Method<&WindowClass::CreateControls>("CreateControls", "%%"),
                HiddenMethod<&WindowClass::CreateControls0>("_CreateControls0", "%%"),
            };
            addAccessors(methods, std::make_index_sequence<controlCount()> {});
            addHandlers(methods, std::make_index_sequence<handlerCount()> {});
            for (auto& method : W::OtherMethods())
                methods.push_back(method);
            static std::vector<EventHook> hooks { { fw::WindowEvent::kCreateControls, "CreateControls" },
                { fw::WindowEvent::kLayout, "Layout" } };
            for (auto& hook : W::ExtraHooks())
                hooks.push_back(hook);
            return ClassDeclaration { .superclass = &fw::Window::Class,
                .registeredName = W::kRegisteredName,
                .hasClassScope = true,
                .classScope = Scope::Public,
                .methods = methods,
                .properties = W::Properties(),
                .eventHooks = hooks,
                .initHook = W::kInitHook };
        }();
        return declaration;
    }

    static void Layout(fw::Window& self) { ApplyWindowStream(self); }

private:
    using Storage = ClassStorage<&WindowClass::Declaration>;

    static constexpr std::size_t controlCount() noexcept { return std::tuple_size_v<decltype(W::kControls)>; }
    static constexpr std::size_t handlerCount() noexcept { return std::tuple_size_v<decltype(W::kHandlers)>; }

    template <std::size_t I> static constexpr const auto& row() noexcept { return std::get<I>(W::kControls); }

    template <std::size_t I> static fw::String* nameLiteral() noexcept { return TextLiteral<kRowName<W, I>>(); }

    // Whether the function is one of the window's handlers.
    template <class Function> static constexpr bool isHandler(Function function)
    {
        return std::apply(
            [&](const auto&... handler) { return (sameFunction(handler.function, function) || ...); }, W::kHandlers);
    }

    template <std::size_t... I>
    static void addAccessors(std::vector<MethodDeclaration>& methods, std::index_sequence<I...>)
    {
        (methods.push_back(Method<&WindowClass::Accessor<I>>(row<I>().name, row<I>().accessorSignature)), ...);
    }

    template <std::size_t... K>
    static void addHandlers(std::vector<MethodDeclaration>& methods, std::index_sequence<K...>)
    {
        (methods.push_back(Method<std::get<K>(W::kHandlers).function>(
             std::get<K>(W::kHandlers).name, std::get<K>(W::kHandlers).kSignature)),
            ...);
    }

    // A fresh lookup and cast by name, as every step after the control is added makes.
    template <std::size_t I> static fw::Ref<fw::Object> lookUp(fw::Window& self)
    {
        fw::Ref<fw::Object> found = self.ControlByName(nameLiteral<I>());
        return fw::RuntimeCheckCast(found.get(), row<I>().castClass());
    }

    template <std::size_t I, std::size_t B> static void bind(fw::Window& self)
    {
        constexpr auto binding = row<I>().bindings.items[B];
        static_assert(isHandler(binding.handler), "a binding names one of the window's handlers (kHandlers)");
        BindHandler<typename std::remove_cvref_t<decltype(row<I>())>::Control, binding.event>(
            &self, lookUp<I>(self).get(), fw::EntryOf<binding.handler>());
    }

    template <std::size_t I> static void createControl(fw::Window& self)
    {
        fw::ClassRecord* cls = row<I>().allocatedClass();
        {
            fw::Ref<fw::Object> created = self.New(cls);
            fw::CallSlot<void>(created.get(), detail::ConstructorSlot(cls));
            self.AddControl(nameLiteral<I>(), created.get());
        }
        for (const Setter& setter : row<I>().setters)
            detail::ApplySetter(lookUp<I>(self).get(), setter);
        fw::RuntimeMassPropertySetter(lookUp<I>(self).get(), &kLiteralOf<kRowStreamBytes<W, I>>);
        [&]<std::size_t... B>(std::index_sequence<B...>) { (bind<I, B>(self), ...); }
        (std::make_index_sequence<row<I>().bindings.count> {});
    }
};

} // namespace calculators
