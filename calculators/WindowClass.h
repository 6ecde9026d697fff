// The one mechanism that builds every window of the program.
//
// A window class is a struct `W`, derived from `WindowClass<W>`, that states its design:
//   - `kRegisteredName`: its registered name, also the key of its implicit instance;
//   - `kWindow`: the window's stream design (a WindowDesign);
//   - `kControls`: a tuple of control rows (ControlRows.h) in creation order;
//   - `kHandlers`: its control event handlers in method order, each named once; a
//     binding names one of them by its function, which is checked when compiled;
//   - `Layout`: the window's Layout event (`ApplyWindowStream` unless the window
//     first installs a menu bar);
//   - `OtherMethods()`: the methods that follow the handlers, among them those that
//     implement events beyond Layout and CreateControls.
// From this `WindowClass<W>` derives the class declaration (Layout, CreateControls,
// the hidden _CreateControls0, one accessor per control in creation order, the
// handlers, then the other methods), the control creation sequence, the accessors
// and `ImplicitInstance`. Handlers reach a control with `Control<"TF_OB">(self)`:
// through its accessor, looked up anew on every use and tested before it is used.
#pragma once

#include "calculators/ClassDeclaration.h"
#include "calculators/ControlRows.h"
#include "calculators/EventBinding.h"
#include "calculators/StoredLiterals.h"

#include <fw/Exceptions.h>
#include <fw/PropertyStream.h>
#include <fw/Window.h>

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

namespace calculators {

namespace detail {
void ApplySetter(fw::Object* control, const Setter& setter);
} // namespace detail

// What a window class states only when it has it.
struct WindowDefaults {
    static constexpr std::tuple<> kHandlers {};
    static std::span<const MethodDeclaration> OtherMethods() { return {}; }
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
        static_assert(setsEveryKey<W>(fw::WindowProperty::kTable, W::kWindow.entries()),
            "a window stream's key that the window's class has no settable property for");
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
        constexpr std::size_t I = RowOf<Name>();
        if constexpr (I < controlCount()) { // else RowOf's check reports the name, and nothing more is to compile
            auto control = Accessor<I>(self);
            if (!control)
                fw::RaiseNilObjectException();
            return control;
        }
    }

    // The position of the control of that name in the design, when compiled.
    template <fw::FixedText Name> static consteval std::size_t RowOf()
    {
        constexpr std::size_t found = rowNamed(std::string_view(Name.chars, Name.size));
        static_assert(found < controlCount(), "no control of that name in the window's design");
        return found;
    }

    static const ClassDeclaration& Declaration()
    {
        static const ClassDeclaration declaration = [] {
            static std::vector<MethodDeclaration> methods {
                Method<&W::Layout>("Layout").Hooks(fw::WindowEvent::kLayout),
                Method<&WindowClass::CreateControls>("CreateControls").Hooks(fw::WindowEvent::kCreateControls),
                HiddenMethod<&WindowClass::CreateControls0>("_CreateControls0"),
            };
            addAccessors(methods, std::make_index_sequence<controlCount()> {});
            addHandlers(methods, std::make_index_sequence<handlerCount()> {});
            for (auto& method : W::OtherMethods())
                methods.push_back(method);
            return ClassDeclaration { .superclass = &fw::Window::Class,
                .registeredName = W::kRegisteredName,
                .hasClassScope = true,
                .classScope = Scope::Public,
                .methods = methods,
                .properties = W::Properties(),
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

    // The position of the row of that name; controlCount() when there is none.
    static constexpr std::size_t rowNamed(std::string_view name)
    {
        std::size_t found = controlCount();
        [&]<std::size_t... I>(std::index_sequence<I...>) { ((row<I>().name == name ? (found = I) : 0), ...); }
        (std::make_index_sequence<controlCount()> {});
        return found;
    }

    // Whether the function is one of the window's handlers.
    template <auto Function> static constexpr bool isHandler()
    {
        return []<std::size_t... K>(std::index_sequence<K...>)
        {
            return (kSameFunction<std::get<K>(W::kHandlers).function, Function> || ...);
        }
        (std::make_index_sequence<handlerCount()> {});
    }

    // The accessor of row I as its class registers it. A class of the program's own has no
    // C++ type: its accessor gives the control as an Object, and the signature names the class.
    template <std::size_t I> static MethodDeclaration accessorMethod()
    {
        using ProgramClass = typename std::remove_cvref_t<decltype(row<I>())>::ProgramClass;
        if constexpr (std::is_void_v<ProgramClass>)
            return Method<&WindowClass::Accessor<I>>(row<I>().name);
        else
            return Method<&WindowClass::ObjectAccessor<I>, fw::kSignatureOfCodes<fw::kObjectTypeCode<ProgramClass>>>(
                row<I>().name);
    }

    template <std::size_t I> static fw::Ref<fw::Object> ObjectAccessor(fw::Window& self) { return Accessor<I>(self); }

    template <std::size_t... I>
    static void addAccessors(std::vector<MethodDeclaration>& methods, std::index_sequence<I...>)
    {
        (methods.push_back(accessorMethod<I>()), ...);
    }

    template <std::size_t... K>
    static void addHandlers(std::vector<MethodDeclaration>& methods, std::index_sequence<K...>)
    {
        (methods.push_back(Method<std::get<K>(W::kHandlers).function>(std::get<K>(W::kHandlers).name)), ...);
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
        static_assert(isHandler<binding.handler>(), "a binding names one of the window's handlers (kHandlers)");
        BindHandler<typename std::remove_cvref_t<decltype(row<I>())>::Control, binding.event>(
            &self, lookUp<I>(self).get(), fw::EntryOf<binding.handler>());
    }

    template <std::size_t I> static void createControl(fw::Window& self)
    {
        static_assert(!row<I>().setters.overfull, "more setters than a row holds");
        static_assert(!row<I>().bindings.overfull, "more event bindings than a row holds");
        static_assert(row<I>().setsEveryKey(), "a stream's key that the control's class has no settable property for");
        using Row = std::remove_cvref_t<decltype(row<I>())>;
        static_assert(Row::kConstructible,
            "a control of a class without a no-argument constructor: a timer row names, with AllocatedAs, a class "
            "of the program's own that declares one");
        {
            fw::Ref<fw::Object> created = self.New(Row::allocatedClass());
            fw::CallSlot<void>(created.get(), Row::constructorSlot());
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
