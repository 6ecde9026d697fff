// The one mechanism that builds every window of the program.
//
// A window class is a struct `W`, derived from `WindowClass<W>`, that states its design:
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
// `Control<"TF_OB">(self)`, looked up anew on every use.
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

constexpr Setter TextUnit(std::uint8_t unit) { return { Setter::Kind::TextUnit, double(unit) }; }
constexpr Setter TextSize(float size) { return { Setter::Kind::TextSize, size }; }
constexpr Setter LineSpacing(double spacing) { return { Setter::Kind::LineSpacing, spacing }; }
constexpr Setter Backdrop(fw::Ref<fw::Picture> (*loader)()) { return { Setter::Kind::Backdrop, 0, loader }; }

template <class T, std::size_t Capacity> struct SmallList {
    std::array<T, Capacity> items {};
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
template <class Design> struct ControlKind;

template <> struct ControlKind<TextFieldDesign> {
    using Control = fw::TextField;
    static constexpr std::string_view kAccessorSignature = "%o<TextField>%";
    static constexpr Setters kSetters { TextUnit(0) };
};
template <> struct ControlKind<LabelDesign> {
    using Control = fw::Label;
    static constexpr std::string_view kAccessorSignature = "%o<Label>%";
    static constexpr Setters kSetters { TextUnit(0) };
};
template <> struct ControlKind<GroupBoxDesign> {
    using Control = fw::GroupBox;
    static constexpr std::string_view kAccessorSignature = "%o<GroupBox>%";
    static constexpr Setters kSetters { TextUnit(0) };
};
template <> struct ControlKind<PopupMenuDesign> {
    using Control = fw::PopupMenu;
    static constexpr std::string_view kAccessorSignature = "%o<PopupMenu>%";
    static constexpr Setters kSetters { TextUnit(0) };
};
template <> struct ControlKind<LineDesign> {
    using Control = fw::Line;
    static constexpr std::string_view kAccessorSignature = "%o<Line>%";
    static constexpr Setters kSetters {};
};
template <> struct ControlKind<SliderDesign> {
    using Control = fw::Slider;
    static constexpr std::string_view kAccessorSignature = "%o<Slider>%";
    static constexpr Setters kSetters {};
};
template <> struct ControlKind<CanvasDesign> {
    using Control = fw::Canvas;
    static constexpr std::string_view kAccessorSignature = "%o<Canvas>%";
    static constexpr Setters kSetters {};
};
template <> struct ControlKind<TextAreaDesign> {
    using Control = fw::TextArea;
    static constexpr std::string_view kAccessorSignature = "%o<TextArea>%";
    static constexpr Setters kSetters { TextUnit(0) };
};
template <> struct ControlKind<LinkLabelDesign> {
    using Control = fw::Label;
    static constexpr std::string_view kAccessorSignature = "%o<Label>%";
    static constexpr Setters kSetters { TextUnit(0) };
};
template <> struct ControlKind<TimerDesign> {
    using Control = fw::Timer;
    static constexpr std::string_view kAccessorSignature = "%o<Timer>%";
    static constexpr Setters kSetters {};
};

// One control of a window's design, in creation order.
template <class Design> struct ControlRow {
    using Kind = ControlKind<Design>;
    using Control = typename Kind::Control;

    std::string_view name;
    Design design;
    Setters setters = Kind::kSetters;
    Bindings bindings {};
    // The class the control is allocated as and the class lookups cast to, when
    // they are not the kind's framework class (the About window's timer, the link label).
    fw::ClassRecord* (*allocatedClass)() = nullptr;
    fw::ClassRecord* (*castClass)() = nullptr;
    std::string_view accessorSignature = Kind::kAccessorSignature;

    fw::ClassRecord* allocated() const { return allocatedClass ? allocatedClass() : Control::Class(); }
    fw::ClassRecord* castTo() const { return castClass ? castClass() : Control::Class(); }
};

template <class Design>
constexpr ControlRow<Design> Row(
    const Design& design, Setters setters = ControlKind<Design>::kSetters, Bindings bindings = {})
{
    return { design.name, design, setters, bindings };
}

// A control allocated as a class of the program's own: its name (which the stream
// may not carry), its class and the accessor signature that names that class.
template <class Design>
constexpr ControlRow<Design> MemberRow(std::string_view name, const Design& design, fw::ClassRecord* (*allocated)(),
    fw::ClassRecord* (*castTo)(), std::string_view accessorSignature, Setters setters, Bindings bindings = {})
{
    return { name, design, setters, bindings, allocated, castTo, accessorSignature };
}

// The literal record of a String whose bytes are constant data.
template <const auto& Bytes, std::uint32_t Length>
inline constinit fw::String kLiteralOf = fw::LiteralRecord(Bytes.data(), Length);

// A text's literal bytes: the length byte, the text, the zero byte.
template <std::size_t N> constexpr std::array<std::uint8_t, N + 2> LiteralBytes(std::string_view text)
{
    std::array<std::uint8_t, N + 2> bytes {};
    bytes[0] = fw::LengthByte(N);
    for (std::size_t i = 0; i < N; ++i)
        bytes[i + 1] = static_cast<std::uint8_t>(text[i]);
    return bytes;
}

template <const std::string_view& Text> inline constexpr auto kTextBytes = LiteralBytes<Text.size()>(Text);

template <const std::string_view& Text> fw::String* TextLiteral() noexcept
{
    return &kLiteralOf<kTextBytes<Text>, static_cast<std::uint32_t>(Text.size())>;
}

// The stored stream of a design, as a String literal.
template <const auto& Design> fw::String* StreamLiteral() noexcept
{
    constexpr auto& bytes = kStoredStream<Design>;
    return &kLiteralOf<bytes, static_cast<std::uint32_t>(bytes.size() - 2)>;
}

// The name and the stored stream of row I of a window's controls. They are keyed by
// the window and the row's position: a row is a member of a tuple, and a template
// argument that refers into a tuple would not be told apart from its siblings.
template <class W, std::size_t I> inline constexpr std::string_view kRowName = std::get<I>(W::kControls).name;

template <class W, std::size_t I>
inline constexpr auto kRowNameBytes = LiteralBytes<kRowName<W, I>.size()>(kRowName<W, I>);

template <class W, std::size_t I>
inline constexpr auto kRowStreamBytes
    = encodeDesign<streamLength(std::get<I>(W::kControls).design)>(std::get<I>(W::kControls).design);

template <class W, std::size_t I>
inline constinit fw::String kRowNameLiteral
    = fw::LiteralRecord(kRowNameBytes<W, I>.data(), static_cast<std::uint32_t>(kRowName<W, I>.size()));

template <class W, std::size_t I>
inline constinit fw::String kRowStreamLiteral
    = fw::LiteralRecord(kRowStreamBytes<W, I>.data(), static_cast<std::uint32_t>(kRowStreamBytes<W, I>.size() - 2));

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

template <class W> struct WindowClass : WindowDefaults {
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

    // The control of row I, through its accessor.
    template <std::size_t I> static auto Accessor(fw::Window& self)
    {
        using Control = typename std::tuple_element_t<I, std::remove_cv_t<decltype(W::kControls)>>::Control;
        fw::Ref<fw::Object> found = self.ControlByName(nameLiteral<I>());
        fw::Ref<fw::Object> cast = fw::RuntimeCheckCast(found.get(), row<I>().castTo());
        return fw::Ref<Control>::retain(fw::native_cast<Control>(cast.get()));
    }

    // The control of that name, through its accessor; the name is checked when compiled.
    template <fw::FixedText Name> static auto Control(fw::Window& self)
    {
        return Accessor<indexOf(std::string_view(Name.chars, Name.size))>(self);
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
            for (auto& method : W::OwnMethods())
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

    template <std::size_t I> static constexpr const auto& row() noexcept { return std::get<I>(W::kControls); }

    template <std::size_t I> static fw::String* nameLiteral() noexcept { return &kRowNameLiteral<W, I>; }

    static consteval std::size_t indexOf(std::string_view name)
    {
        std::size_t found = controlCount();
        [&]<std::size_t... I>(std::index_sequence<I...>) { ((row<I>().name == name ? (found = I) : 0), ...); }
        (std::make_index_sequence<controlCount()> {});
        if (found == controlCount())
            throw "no control of that name in the window's design";
        return found;
    }

    template <std::size_t... I>
    static void addAccessors(std::vector<MethodDeclaration>& methods, std::index_sequence<I...>)
    {
        (methods.push_back(Method<&WindowClass::Accessor<I>>(row<I>().name, row<I>().accessorSignature)), ...);
    }

    // A fresh lookup and cast by name, as every step after the control is added makes.
    template <std::size_t I> static fw::Ref<fw::Object> lookUp(fw::Window& self)
    {
        fw::Ref<fw::Object> found = self.ControlByName(nameLiteral<I>());
        return fw::RuntimeCheckCast(found.get(), row<I>().castTo());
    }

    template <std::size_t I> static void createControl(fw::Window& self)
    {
        constexpr auto& control = row<I>();
        using Row = std::remove_cvref_t<decltype(control)>;
        using Control = typename Row::Control;

        fw::ClassRecord* cls = control.allocated();
        {
            fw::Ref<fw::Object> created = self.New(cls);
            fw::CallSlot<void>(created.get(), detail::ConstructorSlot(cls));
            self.AddControl(nameLiteral<I>(), created.get());
        }
        for (const Setter& setter : control.setters)
            detail::ApplySetter(lookUp<I>(self).get(), setter);
        fw::RuntimeMassPropertySetter(lookUp<I>(self).get(), &kRowStreamLiteral<W, I>);
        for (const Binding& binding : control.bindings)
            BindHandler<Control>(&self, lookUp<I>(self).get(), detail::IndexFor(binding.event),
                detail::ThunkFor(binding.event), detail::OwnMethodEntry(Class(), binding.handler));
    }
};

} // namespace calculators
