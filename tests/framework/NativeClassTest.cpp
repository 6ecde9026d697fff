// How a native class's rows become its tables: interfaces by position, and the
// slot mistakes that only the superclass's records show. (The overrides that the
// framework's classes make are tested with those classes, MenuTest.cpp.)
#include "framework/core/src/NativeClass.h"

#include <fw/Exceptions.h>
#include <fw/Interfaces.h>
#include <fw/MenuItem.h>
#include <fw/PropertyTables.h>
#include <fw/Timer.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

using namespace fw;
using namespace fw::detail;

TEST(NativeClass, AnInterfaceTakesTheRowsFromItsFirstInItsOrder)
{
    ClassRecord* timer = Timer::Class();
    ASSERT_EQ(timer->interfaces.size(), 1u);
    const InterfaceEntry& entry = timer->interfaces[0];
    EXPECT_EQ(entry.interface, ActionSourceInterface());
    ASSERT_EQ(entry.methodCount, static_cast<std::int32_t>(ActionSource::kMethods.size()));
    for (std::size_t m = 0; m < ActionSource::kMethods.size(); ++m) {
        const MethodRecord* implementation
            = FindMethod(timer, ActionSource::kMethods[m].name, ActionSource::kMethods[m].signature);
        ASSERT_NE(implementation, nullptr);
        EXPECT_EQ(entry.methodTable[m], implementation->entry) << ActionSource::kMethods[m].name;
    }
}

// The message of the RuntimeException that registering the facts raises; empty when none.
std::string registrationFault(const NativeClassFacts& facts)
{
    try {
        RegisterNativeClass(facts);
    } catch (const Raised& raised) {
        EXPECT_TRUE(RuntimeObjectIsa(raised.exception(), RuntimeException::Class()));
        return raised.what();
    }
    return {};
}

struct MisplacedRow {
    const char* what;
    NativeMethod row;
};

TEST(NativeClass, ARowAtAnotherSlotThanItsConstantRaisesNamingTheClassAndTheMethod)
{
    using B = MenuBar;
    static constexpr MisplacedRow rows[] {
        { "override of another method's slot",
            { Override<static_cast<Ref<MenuItem> (B::*)()>(&B::Popup)>("Popup", MenuItemSlot::kConstructor) } },
        { "override past the table", { Override<static_cast<Ref<MenuItem> (B::*)()>(&B::Popup)>("Popup", 1000) } },
        { "override under another name",
            { Override<static_cast<Ref<MenuItem> (B::*)()>(&B::Popup)>("PopUp", MenuItemSlot::kPopup) } },
        { "new row whose constant is an inherited slot", { Routine<&B::FindShortcut>("_FindShortcut", 3) } },
    };
    for (const MisplacedRow& misplaced : rows) {
        SCOPED_TRACE(misplaced.what);
        MenuItem::Class();
        RuntimeException::Class(); // raising registers it on first use
        const auto before = RegisteredClasses().size();
        const NativeMethod methods[] { misplaced.row };
        const std::string fault
            = registrationFault({ .name = "WrongBar", .superclass = &MenuItem::Class, .methods = methods });
        EXPECT_NE(fault.find("WrongBar"), std::string::npos) << fault;
        EXPECT_NE(fault.find(std::string(misplaced.row.name)), std::string::npos) << fault;
        EXPECT_EQ(RegisteredClasses().size(), before) << "no class record is made";
    }
}

// A table says that its class can set a property exactly when a property stream
// could: the nearest record of that name, the one FindProperty finds, has a set invoker.
TEST(NativeClass, APropertyTableSetsWhatItsClassRecordSets)
{
    const struct {
        const PropertyTable& table;
        ClassRecord* (*cls)();
    } classes[] = {
        { ControlProperty::kTable, &Control::Class },
        { RectControlProperty::kTable, &RectControl::Class },
        { TextEditProperty::kTable, &TextEdit::Class },
        { TextFieldProperty::kTable, &TextField::Class },
        { TextAreaProperty::kTable, &TextArea::Class },
        { LabelProperty::kTable, &Label::Class },
        { GroupBoxProperty::kTable, &GroupBox::Class },
        { PopupMenuProperty::kTable, &PopupMenu::Class },
        { LineProperty::kTable, &Line::Class },
        { SliderProperty::kTable, &Slider::Class },
        { CanvasProperty::kTable, &Canvas::Class },
        { TimerProperty::kTable, &Timer::Class },
        { WindowProperty::kTable, &Window::Class },
    };
    for (const auto& [table, cls] : classes) {
        const ClassRecord* record = cls();
        for (const PropertyRecord& property : record->properties)
            EXPECT_EQ(table.sets(property.name), FindProperty(record, property.name)->setInvoker != nullptr)
                << record->registeredName << "." << property.name;
        EXPECT_FALSE(table.sets("URL")) << record->registeredName << " has no URL: a link label of the program adds it";
    }
    EXPECT_FALSE(PopupMenuProperty::kTable.sets("Text")) << "a popup's Text is read-only";

    // A read-only row hides a settable one of the same name that the class inherits.
    static constexpr NativeProperty kReadOnlyText[] = { Property<"Text", &Label::text>() };
    static constexpr auto kShadowed = PropertiesOf<Label>(LabelProperty::kTable, kReadOnlyText);
    EXPECT_TRUE(LabelProperty::kTable.sets("Text"));
    EXPECT_FALSE(kShadowed.sets("Text"));
    EXPECT_TRUE(kShadowed.sets("Left")) << "inherited from RectControl, two tables up";
}

} // namespace
