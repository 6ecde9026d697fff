// The boil-off window, driven as a user drives it: typing the pot's diameter and
// the gallons, choosing the vigour, and reading the two results.
#include "calculators/W_BoilCalc.h"

#include "ToolWindowTesting.h"

#include "shell/menubar/MenuBar1.h"

#include <fw/Abi.h>
#include <fw/Numbers.h>

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <string_view>

namespace {

using tool_window_testing::Retype;

struct Vigour {
    std::string_view name;
    std::int32_t row;
    std::string_view gallonsPerHour; // 15 inches
    std::string_view percent; // of 5 gallons
};

// The percent is the displayed gallons per hour over the gallons, x 100: the
// factor enters once, through the gallons per hour.
// clang-format off
const Vigour kVigours[] = {
    {"Just boiling", 0, "1.178097", "23.56194"},
    {"Rolling Boil", 1, "1.413717", "28.27434"},
    {"Vigorus Boil", 2, "1.531526", "30.63052"},
    {"Maximum Boil", 3, "1.649336", "32.98672"},
    {"Forced Boil",  4, "1.767146", "35.34292"},
};
// clang-format on

class BoilOffWindow : public tool_window_testing::ToolWindowTest<W_BoilCalc> {
protected:
    void TearDown() override
    {
        ToolWindowTest::TearDown();
        // As at the program's exit: the shared bar goes before the classes do.
        MenuBar1::ReleaseImplicitInstance();
    }

    fw::PopupMenu& vigour() { return *fw::native_cast<fw::PopupMenu>(window->findControl("PM_Boil")); }
    std::string perHour() { return std::string(field("TF_GalPerHr").text()); }
    std::string percent() { return std::string(field("TF_BO_Percent").text()); }
};

TEST_F(BoilOffWindow, OpensWithTheResultsOfItsDesignValues)
{
    EXPECT_EQ(field("TE_Diameter").text(), "15");
    EXPECT_EQ(field("TE_Gallons").text(), "5");
    EXPECT_EQ(vigour().listIndex(), 0);
    EXPECT_EQ(perHour(), "1.178097");
    EXPECT_EQ(percent(), "23.56194");
    EXPECT_EQ(window->title(), "Boil Calc");
    for (auto name : { "TF_GalPerHr", "TF_BO_Percent" }) {
        EXPECT_TRUE(field(name).readOnly()) << name;
        EXPECT_FALSE(field(name).tabStop()) << name;
    }
}

TEST_F(BoilOffWindow, AppliesTheVigourFactorOnce)
{
    for (const Vigour& row : kVigours) {
        SCOPED_TRACE(row.name);
        vigour().userSelected(row.row == 0 ? 1 : 0);
        vigour().userSelected(row.row);
        EXPECT_EQ(vigour().text(), row.name);
        EXPECT_EQ(perHour(), row.gallonsPerHour);
        EXPECT_EQ(percent(), row.percent);
        EXPECT_DOUBLE_EQ(fw::runCDbl(percent()), fw::runCDbl(perHour()) / 5.0 * 100.0);
    }
}

TEST_F(BoilOffWindow, TreatsARowOutsideTheMenuAsAJustBoil)
{
    for (std::int32_t row : { -1, 5, 99, std::numeric_limits<std::int32_t>::min() }) {
        SCOPED_TRACE(row);
        vigour().userSelected(4);
        vigour().setListIndex(row);
        EXPECT_EQ(perHour(), "1.178097");
        EXPECT_EQ(percent(), "23.56194");
    }
}

TEST_F(BoilOffWindow, ComputesFromTheShownInputs)
{
    const std::string infinity = fw::StringStrDouble(std::numeric_limits<double>::infinity());
    const std::string nan = fw::StringStrDouble(std::numeric_limits<double>::quiet_NaN());
    struct Case {
        std::string_view name, diameter, gallons, perHour, percent;
    };
    // clang-format off
    const Case cases[] = {
        {"a negative diameter squares away", "-15", "5",  "1.178097", "23.56194"},
        {"no diameter, no boil-off",         "0",   "5",  "0",        "0"},
        {"no water",                         "15",  "0",  "1.178097", infinity},
        {"no diameter and no water",         "0",   "0",  "0",        nan},
        {"a negative volume",                "15",  "-5", "1.178097", "-23.56194"},
        {"text that reads as no number",     "abc", "5",  "0",        "0"},
        // The percent re-reads the infinite rate it shows.
        {"a pot too wide for a Double",      "1e200", "5", infinity,  infinity},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Retype(field("TE_Diameter"), c.diameter);
        Retype(field("TE_Gallons"), c.gallons);
        EXPECT_EQ(perHour(), c.perHour);
        EXPECT_EQ(percent(), c.percent);
    }
}

TEST_F(BoilOffWindow, KeepsTheGallonsToFiveCharacters)
{
    field("TE_Gallons").userEdited("1234567");
    EXPECT_EQ(field("TE_Gallons").text(), "12345");
    EXPECT_EQ(percent(), "0.009543111");

    field("TE_Diameter").userEdited("1234567");
    EXPECT_EQ(field("TE_Diameter").text(), "1234567");
}

TEST_F(BoilOffWindow, CarriesTheSharedMenuBar)
{
    EXPECT_EQ(window->menuBar().get(), MenuBar1::ImplicitInstance().get());

    // Its menu-item accessors reach the bar's entries through the window's own methods.
    const std::int32_t slot = fw::MethodTableSlot(W_BoilCalc::Class(), "FileQuit", "%o<QuitMenuItem>%");
    ASSERT_GE(slot, 0);
    fw::Ref<fw::Object> quit = fw::CallSlot<fw::Ref<fw::Object>>(window.get(), slot);
    EXPECT_TRUE(fw::RuntimeObjectIsa(quit.get(), fw::QuitMenuItem::Class()));
}

TEST_F(BoilOffWindow, HasOneImplicitInstanceAndIsRebuiltFromItsDesign)
{
    EXPECT_EQ(W_BoilCalc::ImplicitInstance().get(), window.get());

    Retype(field("TE_Diameter"), "20");
    vigour().userSelected(4);
    window->Close();
    window = W_BoilCalc::ImplicitInstance();
    ASSERT_TRUE(window->opened());
    EXPECT_EQ(field("TE_Diameter").text(), "15");
    EXPECT_EQ(vigour().listIndex(), 0);
    EXPECT_EQ(perHour(), "1.178097");
    EXPECT_EQ(percent(), "23.56194");
}

// The rule's stream is the one short enough for its length byte.
static_assert(
    calculators::streamLength(std::get<2>(W_BoilCalc::kControls).design) == 193, "the rule's stream is 193 bytes long");

} // namespace
