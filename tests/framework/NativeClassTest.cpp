// How a native class's rows become its tables: interfaces by position, and the
// slot mistakes that only the superclass's records show. (The overrides that the
// framework's classes make are tested with those classes, MenuTest.cpp.)
#include "framework/core/src/NativeClass.h"

#include <fw/Exceptions.h>
#include <fw/Interfaces.h>
#include <fw/MenuItem.h>
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

} // namespace
