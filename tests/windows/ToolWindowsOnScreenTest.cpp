// The three tool windows on real widgets: keys typed into the line edits, the
// combo box and the slider as a user presses them, results read from what the
// widgets show.
#include "calculators/BrixFormulas.h"
#include "calculators/W_BRIX.h"
#include "calculators/W_BoilCalc.h"
#include "calculators/W_Bottle.h"
#include "shell/menubar/MenuBar1.h"

#include "ControlPeer.h"

#include <fw/Numbers.h>
#include <fw/qt/Screenshot.h>

#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QString>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <limits>
#include <string>
#include <string_view>

namespace {

template <class Widget> Widget* widgetOf(const fw::Ref<fw::Window>& window, std::string_view control)
{
    auto* peer = fw::qt::ControlPeer::of(window->findControl(control));
    return peer ? qobject_cast<Widget*>(peer->widget()) : nullptr;
}

// What the user sees in a line edit.
std::string showing(const fw::Ref<fw::Window>& window, std::string_view control)
{
    auto* edit = widgetOf<QLineEdit>(window, control);
    return edit ? edit->text().toStdString() : "<no line edit>";
}

// Selects what the field shows and types over it, key by key.
void typeInto(const fw::Ref<fw::Window>& window, std::string_view control, const char* keys)
{
    auto* edit = widgetOf<QLineEdit>(window, control);
    ASSERT_TRUE(edit) << control;
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, keys);
}

template <class W> class OnScreen : public testing::Test {
protected:
    void SetUp() override
    {
        for (auto init : BrixFormulas::kInitialisers)
            init();
        window = W::ImplicitInstance();
        ASSERT_TRUE(window);
        window->Show();
    }
    void TearDown() override
    {
        while (auto open = fw::RuntimeGetImplicitWindow(calculators::TextLiteral<W::kRegisteredName>()))
            open->Close();
        MenuBar1::ReleaseImplicitInstance();
        QCoreApplication::processEvents();
    }
    fw::Ref<fw::Window> window;
};

using RefractometerOnScreen = OnScreen<W_BRIX>;
using BottlingOnScreen = OnScreen<W_Bottle>;
using BoilOffOnScreen = OnScreen<W_BoilCalc>;

TEST_F(RefractometerOnScreen, FillsTheResultsAsTheReadingsAreTyped)
{
    EXPECT_EQ(showing(window, "TF_OG"), "");
    typeInto(window, "TF_OB", "12");
    typeInto(window, "TF_FB", "6");
    EXPECT_EQ(showing(window, "TF_OG"), "1.046");
    EXPECT_EQ(showing(window, "TF_FG"), "1.009");
    EXPECT_EQ(showing(window, "TF_AA"), "80.4%");
    EXPECT_EQ(showing(window, "TF_A"), "65.9%");
    EXPECT_EQ(showing(window, "TF_ABV"), "5.0");
    EXPECT_EQ(showing(window, "TF_RE"), "4.0");
    EXPECT_EQ(showing(window, "TF_WCF"), "1.040");
}

TEST_F(RefractometerOnScreen, RewritesTheFactorAsItIsTyped)
{
    typeInto(window, "TF_OB", "12");
    typeInto(window, "TF_WCF", "0");
    EXPECT_EQ(showing(window, "TF_WCF"), "0.000");
    EXPECT_EQ(showing(window, "TF_OG"), fw::StringStrDouble(std::numeric_limits<double>::quiet_NaN()));
}

TEST_F(BottlingOnScreen, CountsByVolumeAndBySlider)
{
    EXPECT_EQ(showing(window, "TF_Reg_Btl"), "53");
    typeInto(window, "Gal_Btl", "3");
    EXPECT_EQ(showing(window, "TF_Reg_Btl"), "32");
    EXPECT_EQ(showing(window, "TF_Lrg_Btl"), "0");
    EXPECT_EQ(showing(window, "TF_LftOver"), "0");

    typeInto(window, "Gal_Btl", "5");
    auto* slider = widgetOf<QSlider>(window, "S_Split");
    ASSERT_TRUE(slider);
    QTest::keyClick(slider, Qt::Key_PageUp); // one page step: 20 percent into 22 oz bottles
    EXPECT_EQ(slider->value(), 20);
    EXPECT_EQ(showing(window, "TF_Reg_Btl"), "44");
    EXPECT_EQ(showing(window, "TF_Lrg_Btl"), "5");
    EXPECT_EQ(showing(window, "TF_LftOver"), "2");
}

TEST_F(BoilOffOnScreen, RecomputesOnEveryInput)
{
    EXPECT_EQ(showing(window, "TF_GalPerHr"), "1.178097");
    EXPECT_EQ(showing(window, "TF_BO_Percent"), "23.56194");

    auto* vigour = widgetOf<QComboBox>(window, "PM_Boil");
    ASSERT_TRUE(vigour);
    for (int step = 0; step < 4; ++step)
        QTest::keyClick(vigour, Qt::Key_Down);
    EXPECT_EQ(vigour->currentText().toStdString(), "Forced Boil");
    EXPECT_EQ(showing(window, "TF_GalPerHr"), "1.767146");
    EXPECT_EQ(showing(window, "TF_BO_Percent"), "35.34292");

    typeInto(window, "TE_Gallons", "1234567");
    EXPECT_EQ(showing(window, "TE_Gallons"), "12345");
    typeInto(window, "TE_Diameter", "0");
    EXPECT_EQ(showing(window, "TF_GalPerHr"), "0");
    EXPECT_EQ(showing(window, "TF_BO_Percent"), "0");
}

// A picture of each window as it opens; QUILLFEN_SCREENSHOTS names a folder to keep them in.
template <class W> void expectPicture(std::string_view name)
{
    fw::Ref<fw::Window> window = W::ImplicitInstance();
    window->Show();
    QCoreApplication::processEvents();
    const char* keep = std::getenv("QUILLFEN_SCREENSHOTS");
    const std::filesystem::path folder = keep ? keep : testing::TempDir();
    const std::filesystem::path file = folder / (std::string(name) + ".png");
    EXPECT_TRUE(fw::SaveWindowImage(window.get(), file.string())) << file;
    EXPECT_GT(std::filesystem::file_size(file), 0u);
    window->Close();
    MenuBar1::ReleaseImplicitInstance();
    QCoreApplication::processEvents();
}

TEST(ToolWindowsPicture, RenderAsTheyOpen)
{
    for (auto init : BrixFormulas::kInitialisers)
        init();
    expectPicture<W_BRIX>("W_BRIX");
    expectPicture<W_Bottle>("W_Bottle");
    expectPicture<W_BoilCalc>("W_BoilCalc");
}

} // namespace
