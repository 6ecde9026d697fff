// The bottling window, driven as a user drives it: typing a volume, moving the
// slider and reading the three result fields.
#include "calculators/W_Bottle.h"

#include "ToolWindowTesting.h"

#include <fw/Fields.h>

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace {

using tool_window_testing::Retype;

struct Counts {
    std::string_view small, large, leftOver; // 12 oz bottles, 22 oz bottles, ounces
};

struct Split {
    std::string_view name;
    std::string_view gallons;
    std::int32_t slider;
    Counts volumePath; // after an edit of the volume
    Counts sliderPath; // after a move of the slider
};

// clang-format off
const Split kSplits[] = {
    {"5 gal at 0",   "5",   0,   {"53", "0", "4"},   {"53", "0", "4"}},
    {"5 gal at 20",  "5",   20,  {"42", "6", "4"},   {"44", "5", "2"}},
    {"5 gal at 25",  "5",   25,  {"40", "7", "6"},   {"40", "7", "6"}},
    {"5 gal at 50",  "5",   50,  {"26", "14", "20"}, {"27", "14", "8"}},
    {"5 gal at 75",  "5",   75,  {"13", "22", "0"},  {"14", "21", "10"}},
    {"5 gal at 100", "5",   100, {"0", "29", "2"},   {"0", "29", "2"}},
    {"1 gal at 100", "1",   100, {"0", "5", "18"},   {"1", "5", "6"}},
    {"3 gal at 0",   "3",   0,   {"32", "0", "0"},   {"32", "0", "0"}},
    {"2.5 gal at 0", "2.5", 0,   {"26", "0", "8"},   {"26", "0", "8"}},
    {"0 gal at 60",  "0",   60,  {"0", "0", "0"},    {"0", "0", "0"}},
    // Counts go toward minus infinity; the slider path's 22 oz count is -0 there.
    {"-1 gal at 0",  "-1",  0,   {"-11", "0", "4"},  {"-11", "0", "4"}},
    // A volume past the Doubles: the second count re-reads the first as shown, and
    // infinity less infinity (or infinity times a share of 0) is no number.
    {"1e999 gal at 0",  "1e999", 0,  {"Infinity", "NaN", "NaN"}, {"NaN", "NaN", "NaN"}},
    {"1e999 gal at 50", "1e999", 50, {"Infinity", "NaN", "NaN"}, {"NaN", "Infinity", "NaN"}},
};
// clang-format on

class BottlingWindow : public tool_window_testing::ToolWindowTest<W_Bottle> {
protected:
    fw::Slider& slider() { return *fw::native_cast<fw::Slider>(window->findControl("S_Split")); }

    // The user lets go of the slider at that value, coming from a neighbouring one.
    void moveSlider(std::int32_t value)
    {
        if (slider().value() == value)
            slider().userMoved(value == 0 ? 1 : value - 1);
        slider().userMoved(value);
    }

    void expectCounts(const Counts& counts)
    {
        EXPECT_EQ(field("TF_Reg_Btl").text(), counts.small);
        EXPECT_EQ(field("TF_Lrg_Btl").text(), counts.large);
        EXPECT_EQ(field("TF_LftOver").text(), counts.leftOver);
    }
};

TEST_F(BottlingWindow, OpensWithTheCountsOfTheDesignVolume)
{
    EXPECT_EQ(field("Gal_Btl").text(), "5");
    EXPECT_EQ(slider().value(), 0);
    expectCounts({ "53", "0", "4" });
    EXPECT_EQ(window->title(), "Bottle Tool");
}

TEST_F(BottlingWindow, VolumePathCountsSmallBottlesFirst)
{
    for (const Split& split : kSplits) {
        SCOPED_TRACE(split.name);
        moveSlider(split.slider);
        Retype(field("Gal_Btl"), split.gallons);
        expectCounts(split.volumePath);
    }
}

TEST_F(BottlingWindow, SliderPathCountsLargeBottlesFirst)
{
    for (const Split& split : kSplits) {
        SCOPED_TRACE(split.name);
        Retype(field("Gal_Btl"), split.gallons);
        moveSlider(split.slider);
        expectCounts(split.sliderPath);
    }
}

TEST_F(BottlingWindow, LeavesAFractionOfAnOunceUnfloored)
{
    Retype(field("Gal_Btl"), "1.01");
    expectCounts({ "10", "0", "9.28" });
}

TEST_F(BottlingWindow, EditingAResultChangesNothingUntilTheNextInput)
{
    field("TF_Reg_Btl").userEdited("99");
    field("TF_Lrg_Btl").userEdited("7");
    EXPECT_EQ(field("TF_LftOver").text(), "4");
    EXPECT_EQ(field("Gal_Btl").text(), "5");

    // The next move overwrites the edited counts before it reads them.
    moveSlider(20);
    expectCounts({ "44", "5", "2" });
}

TEST_F(BottlingWindow, HasOneImplicitInstanceAndIsRebuiltFromItsDesign)
{
    EXPECT_EQ(W_Bottle::ImplicitInstance().get(), window.get());

    Retype(field("Gal_Btl"), "3");
    moveSlider(50);
    window->Close();
    window = W_Bottle::ImplicitInstance();
    ASSERT_TRUE(window->opened());
    EXPECT_EQ(field("Gal_Btl").text(), "5");
    EXPECT_EQ(slider().value(), 0);
    expectCounts({ "53", "0", "4" });
}

TEST_F(BottlingWindow, StartsItsOwnFieldsAtZero)
{
    const fw::ClassRecord* cls = W_Bottle::Class();
    for (std::string_view name : { "regBtls", "BigBtls", "LftOver" }) {
        const fw::PropertyRecord* property = fw::FindProperty(cls, name);
        ASSERT_TRUE(property) << name;
        EXPECT_EQ(fw::Int32FieldGet(window.get(), property->fieldOffset), 0) << name;
    }
}

static_assert(calculators::streamLength(W_Bottle::kWindow) == 296, "the window's stream is 296 bytes long");

} // namespace
