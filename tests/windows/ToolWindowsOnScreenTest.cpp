// The three tool windows on real widgets: keys typed into the line edits, the
// combo box and the slider as a user presses them, results read from what the
// widgets show.
#include "TemporaryFolder.h"
#include "ToolWindows.h"

#include <fw/Numbers.h>
#include <fw/qt/Screenshot.h>

#include <QComboBox>
#include <QSlider>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <limits>
#include <string>
#include <string_view>

namespace {

using namespace tool_windows;

template <class W> class OnScreen : public testing::Test {
protected:
    void SetUp() override
    {
        InitialiseFormulas();
        window = Open<W>();
        ASSERT_TRUE(window);
    }
    void TearDown() override { CloseAll(); }
    fw::Ref<fw::Window> window;
};

using RefractometerOnScreen = OnScreen<W_BRIX>;
using BottlingOnScreen = OnScreen<W_Bottle>;
using BoilOffOnScreen = OnScreen<W_BoilCalc>;

TEST_F(RefractometerOnScreen, FillsTheResultsAsTheReadingsAreTyped)
{
    EXPECT_EQ(Showing(*window, "TF_OG"), "");
    TypeInto(*window, "TF_OB", "12");
    TypeInto(*window, "TF_FB", "6");
    EXPECT_EQ(Showing(*window, "TF_OG"), "1.046");
    EXPECT_EQ(Showing(*window, "TF_FG"), "1.009");
    EXPECT_EQ(Showing(*window, "TF_AA"), "80.4%");
    EXPECT_EQ(Showing(*window, "TF_A"), "65.9%");
    EXPECT_EQ(Showing(*window, "TF_ABV"), "5.0");
    EXPECT_EQ(Showing(*window, "TF_RE"), "4.0");
    EXPECT_EQ(Showing(*window, "TF_WCF"), "1.040");
}

TEST_F(RefractometerOnScreen, RewritesTheFactorAsItIsTyped)
{
    TypeInto(*window, "TF_OB", "12");
    TypeInto(*window, "TF_WCF", "0");
    EXPECT_EQ(Showing(*window, "TF_WCF"), "0.000");
    EXPECT_EQ(Showing(*window, "TF_OG"), fw::StringStrDouble(std::numeric_limits<double>::quiet_NaN()));
}

TEST_F(BottlingOnScreen, CountsByVolumeAndBySlider)
{
    EXPECT_EQ(Showing(*window, "TF_Reg_Btl"), "53");
    TypeInto(*window, "Gal_Btl", "3");
    EXPECT_EQ(Showing(*window, "TF_Reg_Btl"), "32");
    EXPECT_EQ(Showing(*window, "TF_Lrg_Btl"), "0");
    EXPECT_EQ(Showing(*window, "TF_LftOver"), "0");

    TypeInto(*window, "Gal_Btl", "5");
    auto* slider = WidgetOf<QSlider>(*window, "S_Split");
    ASSERT_TRUE(slider);
    QTest::keyClick(slider, Qt::Key_PageUp); // one page step: 20 percent into 22 oz bottles
    EXPECT_EQ(slider->value(), 20);
    EXPECT_EQ(Showing(*window, "TF_Reg_Btl"), "44");
    EXPECT_EQ(Showing(*window, "TF_Lrg_Btl"), "5");
    EXPECT_EQ(Showing(*window, "TF_LftOver"), "2");
}

TEST_F(BoilOffOnScreen, RecomputesOnEveryInput)
{
    EXPECT_EQ(Showing(*window, "TF_GalPerHr"), "1.178097");
    EXPECT_EQ(Showing(*window, "TF_BO_Percent"), "23.56194");

    auto* vigour = WidgetOf<QComboBox>(*window, "PM_Boil");
    ASSERT_TRUE(vigour);
    for (int step = 0; step < 4; ++step)
        QTest::keyClick(vigour, Qt::Key_Down);
    EXPECT_EQ(vigour->currentText().toStdString(), "Forced Boil");
    EXPECT_EQ(Showing(*window, "TF_GalPerHr"), "1.767146");
    EXPECT_EQ(Showing(*window, "TF_BO_Percent"), "35.34292");

    TypeInto(*window, "TE_Gallons", "1234567");
    EXPECT_EQ(Showing(*window, "TE_Gallons"), "12345");
    TypeInto(*window, "TE_Diameter", "0");
    EXPECT_EQ(Showing(*window, "TF_GalPerHr"), "0");
    EXPECT_EQ(Showing(*window, "TF_BO_Percent"), "0");
}

// A picture of each window as it opens, into that folder.
template <class W> void expectPicture(const std::filesystem::path& folder, std::string_view name)
{
    fw::Ref<fw::Window> window = Open<W>();
    QCoreApplication::processEvents();
    const std::filesystem::path file = folder / (std::string(name) + ".png");
    EXPECT_TRUE(fw::SaveWindowImage(window.get(), file.string())) << file;
    EXPECT_GT(std::filesystem::file_size(file), 0u);
    CloseAll();
}

// QUILLFEN_SCREENSHOTS names a folder to keep the pictures in.
TEST(ToolWindowsPicture, RenderAsTheyOpen)
{
    InitialiseFormulas();
    const char* keep = std::getenv("QUILLFEN_SCREENSHOTS");
    const std::filesystem::path folder = keep ? keep : temporary_folder::NewTemporaryFolder("quillfen-pictures");
    expectPicture<W_BRIX>(folder, "W_BRIX");
    expectPicture<W_Bottle>(folder, "W_Bottle");
    expectPicture<W_BoilCalc>(folder, "W_BoilCalc");
    if (!keep)
        std::filesystem::remove_all(folder);
}

} // namespace
