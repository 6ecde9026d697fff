// The class records of the menu classes: MenuItem, MenuBar and the entries with a role.
#include "NativeClass.h"

#include <fw/FrameworkClasses.h>
#include <fw/MenuItem.h>

namespace fw {

using namespace detail;

namespace {
constexpr std::int32_t kMenuItemSize = 52; // every entry class shares it: none adds fields
} // namespace

ClassRecord* MenuItem::Class()
{
    using M = MenuItem;
    static constexpr NativeMethod methods[] = {
        Routine<static_cast<void (M::*)()>(&M::Constructor)>("Constructor", MenuItemSlot::kConstructor),
        Routine<static_cast<void (M::*)(String*)>(&M::Constructor)>("Constructor"),
        Routine<static_cast<void (M::*)(String*, std::int32_t)>(&M::Constructor)>("Constructor"),
        Routine<&M::Append>("Append"),
        Routine<&M::AddSeparator>("AddSeparator"),
        Routine<&M::Insert>("Insert"),
        Routine<static_cast<void (M::*)(std::int32_t)>(&M::Remove)>("Remove"),
        Routine<static_cast<void (M::*)(MenuItem*)>(&M::Remove)>("Remove"),
        Routine<&M::RemoveAll>("RemoveAll"),
        Routine<&M::Child>("Child"),
        Routine<&M::Item>("Item"),
        Routine<&M::Count>("Count"),
        Routine<&M::IndexOf>("IndexOf"),
        Routine<&M::Parent>("Parent"),
        Routine<&M::Clone>("Clone"),
        Routine<static_cast<Ref<MenuItem> (M::*)()>(&M::Popup)>("Popup", MenuItemSlot::kPopup),
        Routine<static_cast<Ref<MenuItem> (M::*)(std::int32_t, std::int32_t)>(&M::Popup)>(
            "Popup", MenuItemSlot::kPopupAt),
        Routine<&M::Enable>("Enable"),
        Routine<&M::Disable>("Disable"),
        Routine<&M::Close>("Close"),
        Routine<&M::Refresh>("Refresh"),
        Routine<&M::Choose>("_Choose"),
        Routine<&M::EnableMenu>("_EnableMenu"),
        Routine<&M::Lookup>("_Lookup"),
        Routine<&M::DependencyList>("_DependencyList"),
    };
    static_assert(SlotsFit(methods, 0), "a row that names a slot constant sits at that position");
    static constexpr NativeProperty properties[] = {
        Property<"Name", &M::name, &M::setName>(),
        Property<"Text", &M::text, &M::setText>(),
        Property<"KeyboardShortcut", &M::keyboardShortcut, &M::setKeyboardShortcut>(),
        Property<"AutoEnable", &M::autoEnable, &M::setAutoEnable>(),
        Property<"Visible", &M::visible, &M::setVisible>(),
        Property<"Enabled", &M::enabled, &M::setEnabled>(),
        Property<"Checked", &M::checked, &M::setChecked>(),
        Property<"Tag", &M::tag, &M::setTag>(),
        Property<"HelpTag", &M::helpTag, &M::setHelpTag>(),
        Property<"Bold", &M::bold, &M::setBold>(),
        Property<"Italic", &M::italic, &M::setItalic>(),
        Property<"Underline", &M::underline, &M::setUnderline>(),
        Property<"TextFont", &M::textFont, &M::setTextFont>(kNoAccessorRecords),
        Property<"TextSize", &M::textSize, &M::setTextSize>(kNoAccessorRecords),
        Property<"ShortcutModifiers", &M::shortcutModifiers, &M::setShortcutModifiers>(kNoAccessorRecords),
        Property<"Role", &M::role>(kNoAccessorRecords),
    };
    static ClassRecord* cls = RegisterNativeClass<MenuItem>({ .superclass = &ObjectClass,
        .methods = methods,
        .events = MenuItemEvent::kTable,
        .properties = properties,
        .instanceSize = kMenuItemSize });
    return cls;
}

ClassRecord* MenuBar::Class()
{
    static constexpr NativeMethod methods[] = {
        Override<static_cast<Ref<MenuItem> (MenuBar::*)()>(&MenuBar::Popup)>("Popup", MenuItemSlot::kPopup),
        Override<static_cast<Ref<MenuItem> (MenuBar::*)(std::int32_t, std::int32_t)>(&MenuBar::Popup)>(
            "Popup", MenuItemSlot::kPopupAt),
        Routine<&MenuBar::FindShortcut>("_FindShortcut"),
    };
    static ClassRecord* cls = RegisterNativeClass<MenuBar>(
        { .superclass = &MenuItem::Class, .methods = methods, .instanceSize = kMenuItemSize });
    return cls;
}

ClassRecord* AppleMenuItem::Class()
{
    static ClassRecord* cls
        = RegisterNativeClass<AppleMenuItem>({ .superclass = &MenuItem::Class, .instanceSize = kMenuItemSize });
    return cls;
}

ClassRecord* QuitMenuItem::Class()
{
    static ClassRecord* cls
        = RegisterNativeClass<QuitMenuItem>({ .superclass = &MenuItem::Class, .instanceSize = kMenuItemSize });
    return cls;
}

} // namespace fw
