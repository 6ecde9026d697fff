// Every window of the program opened and closed many times over, as a user does
// through the Tools menu and the close box: nothing may pile up, neither the
// framework's objects nor Qt's widgets, and every new window shows its design.
#include "RunningProgram.h"

#include "about/AquaAboutBoxLarge.h"

#include <fw/Canvas.h>
#include <fw/Object.h>

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace reliability;

constexpr int kCycles = 200;

struct Tool {
    const char* row;
    const char* item; // the Tools menu entry that opens it
    const char* title;
    std::vector<std::pair<const char*, const char*>> shows; // control, text on screen
};

void PrintTo(const Tool& tool, std::ostream* out) { *out << tool.row; }

const Tool kTools[] = {
    { "Refractometer", "M_BRIX", "BRIX Tool",
        { { "TF_OB", "0" }, { "TF_WCF", "1.040" }, { "TF_OG", "" }, { "LabelOB", "Orig. BRIX" } } },
    { "BoilOff", "M_Boil_Calc", "Boil Calc",
        { { "TE_Diameter", "15" }, { "TE_Gallons", "5" }, { "TF_GalPerHr", "1.178097" },
            { "Label1", "Diameter of Brewpot in Inches" } } },
    { "Bottling", "M_Bottles", "Bottle Tool",
        { { "Gal_Btl", "5" }, { "TF_Reg_Btl", "53" }, { "Label2", "12 Oz Bottles" } } },
    { "Carbonation", "M_Carb", "Carbonation Tool", { { "Label1", "Future home of the new Carbonation tool" } } },
    { "PartiGyle", "M_Parti_Gyle", "Parti Gyle Tool", { { "Label1", "Future home of the new Parti Gyle tool" } } },
};

// The two ways a user closes a window: the close box as Qt delivers it, or as the peer reports it.
void CloseLikeAUser(fw::Window& window, int cycle)
{
    if (cycle % 2 == 0) {
        QWidget* widget = WindowWidgetOf(window);
        ASSERT_TRUE(widget);
        EXPECT_TRUE(widget->close());
    } else {
        window.userClose();
    }
}

// What is alive between two cycles, once the closed window and its widgets have gone.
struct Census {
    std::int64_t objects = fw::LiveObjectCount();
    qsizetype widgets = QApplication::allWidgets().size();
    qsizetype topLevels = QApplication::topLevelWidgets().size();
};

void ExpectNoGrowth(const Census& baseline, int cycle)
{
    Census now;
    EXPECT_EQ(now.objects, baseline.objects) << "framework objects after cycle " << cycle;
    EXPECT_EQ(now.widgets, baseline.widgets) << "widgets after cycle " << cycle;
    EXPECT_EQ(now.topLevels, baseline.topLevels) << "top-level widgets after cycle " << cycle;
}

class ToolWindowCycles : public RunningProgram, public testing::WithParamInterface<Tool> { };

TEST_P(ToolWindowCycles, OpenFromTheMenuAndCloseAgainWithoutGrowth)
{
    const Tool& tool = GetParam();
    std::int32_t previousHandle = 0;
    Census baseline;
    for (int cycle = 0; cycle < kCycles && !HasFailure(); ++cycle) {
        SCOPED_TRACE("cycle " + std::to_string(cycle));
        {
            bool handled = true;
            ASSERT_TRUE(fw::DispatchMenuChoice(Item(tool.item).get(), &handled));
            EXPECT_FALSE(handled);
            fw::Ref<fw::Window> window = OpenWindowTitled(tool.title);
            ASSERT_TRUE(window) << "the menu item opened no window";
            EXPECT_NE(window->handle(), previousHandle) << "a new window every time";
            previousHandle = window->handle();
            QWidget* widget = WindowWidgetOf(*window);
            ASSERT_TRUE(widget);
            EXPECT_TRUE(widget->isVisible());
            EXPECT_EQ(widget->windowTitle().toStdString(), tool.title);
            for (auto [control, text] : tool.shows)
                EXPECT_EQ(Showing(*window, control), text) << control;

            CloseLikeAUser(*window, cycle);
            EXPECT_TRUE(window->closed());
            EXPECT_EQ(OpenWindowTitled(tool.title), nullptr);
        }
        Settle();
        if (cycle == 0)
            baseline = Census();
        else
            ExpectNoGrowth(baseline, cycle);
    }
    EXPECT_TRUE(reports.empty()) << reports.front().className << ": " << reports.front().message;
}

INSTANTIATE_TEST_SUITE_P(EveryTool, ToolWindowCycles, testing::ValuesIn(kTools),
    [](const testing::TestParamInfo<Tool>& info) { return std::string(info.param.row); });

using AboutBoxCycles = RunningProgram;

TEST_F(AboutBoxCycles, BuildThroughTheImplicitInstanceAndCloseWithoutGrowth)
{
    const std::string version(ApplicationInstance()->shortVersion());
    std::int32_t previousHandle = 0;
    Census baseline;
    for (int cycle = 0; cycle < kCycles && !HasFailure(); ++cycle) {
        SCOPED_TRACE("cycle " + std::to_string(cycle));
        {
            fw::Ref<fw::Window> window = AquaAboutBoxLarge::ImplicitInstance();
            ASSERT_TRUE(window);
            EXPECT_TRUE(window->isOpen());
            EXPECT_NE(window->handle(), previousHandle) << "a new window every time";
            previousHandle = window->handle();
            EXPECT_EQ(Showing(*window, "stName"), "Quillfen");
            EXPECT_EQ(Showing(*window, "stVersion"), version);
            EXPECT_EQ(Showing(*window, "StHomePage"), "Velmora Studios");
            EXPECT_NE(fw::native_cast<fw::Canvas>(window->findControl("cnvIcon"))->backdrop(), nullptr);

            CloseLikeAUser(*window, cycle);
            EXPECT_TRUE(window->closed());
            EXPECT_EQ(fw::RuntimeGetImplicitWindow(fw::Literal<"AquaAboutBoxLarge.AquaAboutBoxLarge">()), nullptr);
        }
        Settle();
        if (cycle == 0)
            baseline = Census();
        else
            ExpectNoGrowth(baseline, cycle);
    }
    EXPECT_TRUE(reports.empty()) << reports.front().className << ": " << reports.front().message;
}

} // namespace
