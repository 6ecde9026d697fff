// The one mechanism that builds every window of the program.
//
// A window class is a struct `W` that states its design:
//   - `kRegisteredName`: its registered name, also the key of its implicit instance;
//   - `kWindow`: the window's stream design (a WindowDesign);
//   - `kControls`: a tuple of control rows in creation order, each the control's
//     stream design, the values set before its stream, and its event bindings;
//   - `Layout`: the window's Layout event (`ApplyWindowStream<W>` unless the window
//     first installs a menu bar);
//   - `OwnMethods()`: the methods that follow the control accessors (handlers and
//     the rest), and `ExtraHooks()`: events it implements beyond Layout and
//     CreateControls.
// From this `WindowClass<W>` derives the class declaration (Layout, CreateControls,
// the hidden _CreateControls0, one accessor per control in creation order, then
// the window's own methods), the control creation sequence, the accessors and
// `ImplicitInstance`. Handlers reach a control through its accessor with
// `WindowClass<W>::Control<"TF_OB">(self)`, looked up anew on every use.
#pragma once

#include "calculators/ClassDeclaration.h"
#include "calculators/EventBinding.h"
#include "calculators/StreamDesigns.h"

#include <fw/Canvas.h>
#include <fw/Exceptions.h>
#include <fw/Line.h>
#include <fw/Picture.h>
#include <fw/PropertyStream.h>
#include <fw/TextArea.h>
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

constexpr Setter TextUnit(std::uint8_t unit) { return {Setter::Kind::TextUnit, double(unit)}; }
constexpr Setter TextSize(float size) { return {Setter::Kind::TextSize, size}; }
constexpr Setter LineSpacing(double spacing) { return {Setter::Kind::LineSpacing, spacing}; }
constexpr Setter Backdrop(fw::Ref<fw::Picture> (*loader)()) { return {Setter::Kind::Backdrop, 0, loader}; }

template <class T, std::size_t Capacity>
struct SmallList {
    std::array<T, Capacity> items{};
    std::size_t count = 0;

    constexpr SmallList() = default;
    constexpr SmallList(std::initializer_list<T> list)
    {
        for (const T& item : list)
            items[count++] = item;
    }
    constexpr const T* begin() const { return items.data(); }
    constexpr const T* end() const { return items.data() + count; }
};

using Setters = SmallList<Setter, 3>;

enum class BoundEvent : std::uint8_t { Open, TextChange, Change, ValueChanged, Action };

struct Binding {
    BoundEvent event;
    std::string_view handler; // the name of one of the window's own methods
};

using Bindings = SmallList<Binding, 2>;

// The framework class of each kind of design, its accessor's signature and the
// setters every control of the kind gets.
template <class Design>
struct ControlKind;

template <>
struct ControlKind<TextFieldDesign> {
    using Control = fw::TextField;
    static constexpr std::string_view kAccessorSignature = "%o<TextField>%";
    static constexpr Setters kSetters{TextUnit(0)};
};
template <>
struct ControlKind<LabelDesign> {
    using Control = fw::Label;
    static constexpr std::string_view kAccessorSignature = "%o<Label>%";
    static constexpr Setters kSetters{TextUnit(0)};
};
template <>
struct ControlKind<GroupBoxDesign> {
    using Control = fw::GroupBox;
    static constexpr std::string_view kAccessorSignature = "%o<GroupBox>%";
    static constexpr Setters kSetters{TextUnit(0)};
};
template <>
struct ControlKind<PopupMenuDesign> {
    using Control = fw::PopupMenu;
    static constexpr std::string_view kAccessorSignature = "%o<PopupMenu>%";
    static constexpr Setters kSetters{TextUnit(0)};
};
template <>
struct ControlKind<LineDesign> {
    using Control = fw::Line;
    static constexpr std::string_view kAccessorSignature = "%o<Line>%";
    static constexpr Setters kSetters{};
};
template <>
struct ControlKind<SliderDesign> {
    using Control = fw::Slider;
    static constexpr std::string_view kAccessorSignature = "%o<Slider>%";
    static constexpr Setters kSetters{};
};
template <>
struct ControlKind<CanvasDesign> {
    using Control = fw::Canvas;
    static constexpr std::string_view kAccessorSignature = "%o<Canvas>%";
    static constexpr Setters kSetters{};
};
template <>
struct ControlKind<TextAreaDesign> {
    using Control = fw::TextArea;
    static constexpr std::string_view kAccessorSignature = "%o<TextArea>%";
    static constexpr Setters kSetters{TextUnit(0)};
};
template <>
struct ControlKind<TimerDesign> {
    using Control = fw::Timer;
    static constexpr std::string_view kAccessorSignature = "%o<Timer>%";
    static constexpr Setters kSetters{};
};

// One control of a window's design, in creation order.
template <class Design>
struct ControlRow {
    using Kind = ControlKind<Design>;
    using Control = typename Kind::Control;

    std::string_view name;
    Design design;
    Setters setters = Kind::kSetters;
    Bindings bindings{};
    // The class the control is allocated as, when it is not the kind's framework class
    // (the About window's timer, the link label); casts still go to `Control`.
    fw::ClassRecord* (*allocatedClass)() = nullptr;
    std::string_view accessorSignature = Kind::kAccessorSignature;
};

template <class Design>
constexpr ControlRow<Design> Row(const Design& design, Setters setters = ControlKind<Design>::kSetters,
                                 Bindings bindings = {})
{
    return {design.name, design, setters, bindings};
}

// The literal record of a String known at compile time through a constexpr object.
template <const auto& Bytes, std::uint32_t Length>
inline constinit fw::String kLiteralOf = fw::LiteralRecord(Bytes.data(), Length);

template <const std::string_view& Text>
inline constexpr auto kTextBytes = [] {
    std::array<std::uint8_t, Text.size() + 2> bytes{};
    bytes[0] = fw::LengthByte(Text.size());
    for (std::size_t i = 0; i < Text.size(); ++i)
        bytes[i + 1] = static_cast<std::uint8_t>(Text[i]);
    return bytes;
}();

template <const std::string_view& Text>
fw::String* TextLiteral() noexcept
{
    return &kLiteralOf<kTextBytes<Text>, static_cast<std::uint32_t>(Text.size())>;
}

// The stored stream of a design, as a String literal.
template <const auto& Design>
fw::String* StreamLiteral() noexcept
{
    constexpr auto& bytes = kStoredStream<Design>;
    return &kLiteralOf<bytes, static_cast<std::uint32_t>(bytes.size() - 2)>;
}

namespace detail {
fw::EventThunk ThunkFor(BoundEvent event) noexcept;
std::int32_t IndexFor(BoundEvent event) noexcept;
void ApplySetter(fw::Object* control, const Setter& setter);
fw::MethodEntry OwnMethodEntry(const fw::ClassRecord* cls, std::string_view name);
// The position of the class's no-argument constructor in its method table.
std::int32_t ConstructorSlot(const fw::ClassRecord* cls);
} // namespace detail

// What a window class states only when it has it.
struct WindowDefaults {
    static std::span<const MethodDeclaration> OwnMethods() { return {}; }
    static std::span<const EventHook> ExtraHooks() { return {}; }
    static std::span<const PropertyDeclaration> Properties() { return {}; }
    static constexpr fw::InstanceHook kInitHook = nullptr;
};

template <class W>
struct WindowClass {
    static constexpr std::size_t kControlCount = std::tuple_size_v<decltype(W::kControls)>;
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

    static void ApplyWindowStream(fw::Window& self) { fw::RuntimeMassPropertySetter(&self, StreamLiteral<W::kWindow>()); }

    static void CreateControls(fw::Window& self) { fw::CallSlot<void>(&self, kCreateControlsSlot); }

    static void CreateControls0(fw::Window& self)
    {
        [&]<std::size_t... I>(std::index_sequence<I...>) { (createControl<I>(self), ...); }
        (std::make_index_sequence<kControlCount>{});
    }

    // The control of row I, through its accessor.
    template <std::size_t I>
    static auto Accessor(fw::Window& self)
    {
        using Control = typename std::tuple_element_t<I, std::remove_cv_t<decltype(W::kControls)>>::Control;
        fw::Ref<fw::Object> found = self.ControlByName(nameLiteral<I>());
        fw::Ref<fw::Object> cast = fw::RuntimeCheckCast(found.get(), Control::Class());
        return fw::Ref<Control>::retain(fw::native_cast<Control>(cast.get()));
    }

    // The control of that name, through its accessor; the name is checked when compiled.
    template <fw::FixedText Name>
    static auto Control(fw::Window& self)
    {
        return Accessor<indexOf(std::string_view(Name.chars, Name.size))>(self);
    }

    static const ClassDeclaration& Declaration()
    {
        static const ClassDeclaration declaration = [] {
            static std::vector<MethodDeclaration> methods{
                Method<&W::Layout>("Layout", "%%"),
                Method<&WindowClass::CreateControls>("CreateControls", "%%"),
                HiddenMethod<&WindowClass::CreateControls0>("_CreateControls0", "%%"),
            };
            addAccessors(methods, std::make_index_sequence<kControlCount>{});
            for (auto& method : W::OwnMethods())
                methods.push_back(method);
            static std::vector<EventHook> hooks{{fw::WindowEvent::kCreateControls, "CreateControls"},
                                                {fw::WindowEvent::kLayout, "Layout"}};
            for (auto& hook : W::ExtraHooks())
                hooks.push_back(hook);
            return ClassDeclaration{.superclass = &fw::Window::Class,
                                    .registeredName = W::kRegisteredName,
                                    .hasClassScope = true,
                                    .classScope = Scope::Public,
                                    .methods = methods,
                                    .properties = W::Properties(),
                                    .eventHooks = hooks,
                                    .initHook = W::kInitHook};
        }();
        return declaration;
    }

private:
    using Storage = ClassStorage<&WindowClass::Declaration>;

    template <std::size_t I>
    static constexpr const auto& row() noexcept
    {
        return std::get<I>(W::kControls);
    }

    template <std::size_t I>
    static fw::String* nameLiteral() noexcept
    {
        return TextLiteral<std::get<I>(W::kControls).name>();
    }

    static consteval std::size_t indexOf(std::string_view name)
    {
        std::size_t found = kControlCount;
        [&]<std::size_t... I>(std::index_sequence<I...>) { ((row<I>().name == name ? (found = I) : 0), ...); }
        (std::make_index_sequence<kControlCount>{});
        if (found == kControlCount)
            throw "no control of that name in the window's design";
        return found;
    }

    template <std::size_t... I>
    static void addAccessors(std::vector<MethodDeclaration>& methods, std::index_sequence<I...>)
    {
        (methods.push_back(Method<&WindowClass::Accessor<I>>(row<I>().name, row<I>().accessorSignature)), ...);
    }

    // A fresh lookup and cast by name, as every step after the control is added makes.
    template <std::size_t I>
    static fw::Ref<fw::Object> lookUp(fw::Window& self)
    {
        using Control = typename std::remove_cvref_t<decltype(row<I>())>::Control;
        fw::Ref<fw::Object> found = self.ControlByName(nameLiteral<I>());
        return fw::RuntimeCheckCast(found.get(), Control::Class());
    }

    template <std::size_t I>
    static void createControl(fw::Window& self)
    {
        constexpr auto& control = row<I>();
        using Row = std::remove_cvref_t<decltype(control)>;
        using Control = typename Row::Control;

        fw::ClassRecord* cls = control.allocatedClass ? control.allocatedClass() : Control::Class();
        {
            fw::Ref<fw::Object> created = self.New(cls);
            fw::CallSlot<void>(created.get(), detail::ConstructorSlot(cls));
            self.AddControl(nameLiteral<I>(), created.get());
        }
        for (const Setter& setter : control.setters)
            detail::ApplySetter(lookUp<I>(self).get(), setter);
        fw::RuntimeMassPropertySetter(lookUp<I>(self).get(), StreamLiteral<control.design>());
        for (const Binding& binding : control.bindings)
            BindHandler<Control>(&self, lookUp<I>(self).get(), detail::IndexFor(binding.event),
                                 detail::ThunkFor(binding.event),
                                 detail::OwnMethodEntry(Class(), binding.handler));
    }
};

} // namespace calculators
