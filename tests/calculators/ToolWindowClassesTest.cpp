// The three tool windows' class registrations: every count, position, size and
// hook that follows from their declared facts, one named row per window.
#include "calculators/W_BRIX.h"
#include "calculators/W_BoilCalc.h"
#include "calculators/W_Bottle.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// The instance offset of the class's own field k, after Window's instance.
constexpr std::int32_t ownField(std::int32_t k) { return fw::Window::kInstanceSize + k * fw::kFieldBytes; }

struct OwnField {
    std::string_view name;
    std::int32_t offset;
};

struct RegistrationFacts {
    const char* row;
    fw::ClassRecord* (*cls)();
    std::string_view registeredName;
    // RuntimeNewClass's counts after the superclass that differ between the windows.
    std::int32_t methodRecords, propertyRecords;
    std::int32_t instanceSize;
    std::int32_t tableEntries;
    bool hasInitHook;
    // Window events the class implements, with the implementing own method.
    std::vector<std::pair<std::int32_t, std::string_view>> eventHooks;
    std::vector<std::string_view> ownMethods; // in method order
    std::vector<std::string_view> protectedMethods;
    std::vector<OwnField> protectedInt32Fields; // in declaration order
};

// clang-format off
const RegistrationFacts kWindows[] = {
    {.row = "Refractometer", .cls = &W_BRIX::Class, .registeredName = "W_BRIX.W_BRIX",
     .methodRecords = 134, .propertyRecords = 47, .instanceSize = fw::Window::kInstanceSize, .tableEntries = 62, .hasInitHook = false,
     .eventHooks = {{7, "CreateControls"}, {16, "Layout"}, {27, "Event_Open"}},
     .ownMethods = {"Layout", "CreateControls", "_CreateControls0", "Label1", "LabelOB", "TF_OB", "LabelFB", "TF_FB",
                    "TF_OG", "LabelOG", "LabelFG", "TF_FG", "TF_AA", "LabelAA", "LabelA", "TF_A", "TF_ABV", "LabelABV",
                    "TF_WCF", "LabelFB1", "Label2", "TF_RE", "LabelA2", "TF_OB_TextChange", "TF_FB_TextChange",
                    "TF_WCF_TextChange", "Event_Open"}},
    {.row = "BoilOff", .cls = &W_BoilCalc::Class, .registeredName = "W_BoilCalc.W_BoilCalc",
     .methodRecords = 144, .propertyRecords = 47, .instanceSize = fw::Window::kInstanceSize, .tableEntries = 72, .hasInitHook = false,
     .eventHooks = {{7, "CreateControls"}, {16, "Layout"}},
     .ownMethods = {"Layout", "CreateControls", "_CreateControls0", "GB_main", "TE_Gallons", "Line1", "TF_GalPerHr",
                    "TE_Diameter", "PM_Boil", "Label1", "Label2", "Label3", "TF_BO_Percent", "Gallons", "GB_main_Open",
                    "TE_Gallons_TextChange", "TE_Diameter_TextChange", "PM_Boil_Change", "M_Tools", "M_Bottles",
                    "M_Carb", "M_Boil_Calc", "M_Parti_Gyle", "M_BRIX", "EditMenu", "About_Quillfen", "EditSelectAll",
                    "UntitledMenu0", "EditClear", "EditPaste", "EditCopy", "EditCut", "UntitledMenu1", "EditUndo",
                    "FileMenu", "FileQuit", "Boil_Off"},
     .protectedMethods = {"Boil_Off"}},
    {.row = "Bottling", .cls = &W_Bottle::Class, .registeredName = "W_Bottle.W_Bottle",
     .methodRecords = 124, .propertyRecords = 50, .instanceSize = ownField(3), .tableEntries = 52, .hasInitHook = true,
     .eventHooks = {{7, "CreateControls"}, {16, "Layout"}},
     .ownMethods = {"Layout", "CreateControls", "_CreateControls0", "Gal_Btl", "TF_Reg_Btl", "TF_Lrg_Btl",
                    "TF_LftOver", "S_Split", "Label1", "Label2", "Label3", "Label4", "Label5", "Label6",
                    "Gal_Btl_TextChange", "Gal_Btl_Open", "S_Split_ValueChanged"},
     .protectedInt32Fields = {{"regBtls", ownField(0)}, {"BigBtls", ownField(1)}, {"LftOver", ownField(2)}}},
};
// clang-format on

class ToolWindowClass : public testing::TestWithParam<RegistrationFacts> { };

TEST_P(ToolWindowClass, RegistersItsFacts)
{
    const RegistrationFacts& facts = GetParam();
    const fw::ClassRecord* cls = facts.cls();
    const fw::ClassRecord* window = fw::Window::Class();
    ASSERT_EQ(cls->superclass, window);
    EXPECT_EQ(cls->registeredName, facts.registeredName);
    EXPECT_EQ(std::int32_t(cls->methods.size()), facts.methodRecords);
    EXPECT_EQ(std::int32_t(cls->properties.size()), facts.propertyRecords);
    // Every tool window: Window's 33 events, no interface, one class attribute (Public).
    EXPECT_EQ(cls->interfaces.size(), 0u);
    EXPECT_EQ(cls->events.size(), 33u);
    EXPECT_EQ(cls->reserved5, 0);
    ASSERT_EQ(cls->classAttributes.size(), 1u);
    EXPECT_EQ(cls->classAttributes.at(0).value, "Public");
    EXPECT_EQ(cls->instanceSize, facts.instanceSize);
    EXPECT_EQ(cls->methodTableCount, facts.tableEntries);
    EXPECT_EQ(cls->initHook != nullptr, facts.hasInitHook);
    EXPECT_EQ(cls->exitHook, nullptr);

    const std::size_t firstOwn = window->methods.size();
    ASSERT_EQ(cls->methods.size() - firstOwn, facts.ownMethods.size());
    for (std::size_t k = 0; k < facts.ownMethods.size(); ++k) {
        const fw::MethodRecord& record = cls->methods[firstOwn + k];
        SCOPED_TRACE(record.name);
        EXPECT_EQ(record.name, facts.ownMethods[k]);
        bool isProtected = false;
        for (auto name : facts.protectedMethods)
            isProtected = isProtected || name == record.name;
        EXPECT_EQ(record.flags, isProtected ? 0 : fw::kMethodFlagPublic);
        ASSERT_FALSE(record.attributes.empty());
        EXPECT_EQ(record.attributes[0].value, isProtected ? "Protected" : "Public");
        // No own method overrides: each takes the next entry after Window's.
        EXPECT_EQ(cls->methodTable[window->methodTableCount + std::int32_t(k)], record.entry);
    }

    for (std::size_t event = 0; event < cls->events.size(); ++event) {
        const fw::MethodEntry inherited = window->events[event].hook;
        fw::MethodEntry expected = inherited;
        for (auto [hooked, method] : facts.eventHooks)
            if (std::size_t(hooked) == event)
                expected = fw::FindMethod(cls, method, "%%")->entry;
        EXPECT_EQ(cls->events[event].hook, expected) << "event " << event;
    }

    const std::size_t firstOwnProperty = window->properties.size();
    ASSERT_EQ(cls->properties.size() - firstOwnProperty, facts.protectedInt32Fields.size());
    for (std::size_t k = 0; k < facts.protectedInt32Fields.size(); ++k) {
        const fw::PropertyRecord& property = cls->properties.at(firstOwnProperty + k);
        SCOPED_TRACE(facts.protectedInt32Fields[k].name);
        EXPECT_EQ(property.name, facts.protectedInt32Fields[k].name);
        EXPECT_EQ(property.typeCode, "i4");
        EXPECT_EQ(property.flags, fw::kPropertyFlagsRestricted);
        EXPECT_EQ(property.fieldOffset, facts.protectedInt32Fields[k].offset);
        ASSERT_EQ(property.attributes.size(), 1u);
        EXPECT_EQ(property.attributes[0].value, "Protected");
    }
}

INSTANTIATE_TEST_SUITE_P(ToolWindows, ToolWindowClass, testing::ValuesIn(kWindows),
    [](const testing::TestParamInfo<RegistrationFacts>& info) { return std::string(info.param.row); });

} // namespace
