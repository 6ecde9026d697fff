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
#include <functional>
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

// Opens a window with `open`, checks it with `expectOpen`, closes it as a user does and
// checks with `expectGone` that it has gone, kCycles times over: every window is a new
// one, nothing is reported, and once the first cycle has settled nothing grows.
class CycleTest : public RunningProgram {
protected:
    void CycleWithoutGrowth(const std::function<fw::Ref<fw::Window>()>& open,
        const std::function<void(const fw::Window&)>& expectOpen, const std::function<void()>& expectGone)
    {
        std::int32_t previousHandle = 0;
        Census baseline;
        for (int cycle = 0; cycle < kCycles && !HasFailure(); ++cycle) {
            SCOPED_TRACE("cycle " + std::to_string(cycle));
            {
                fw::Ref<fw::Window> window = open();
                ASSERT_TRUE(window) << "no window opened";
                EXPECT_NE(window->handle(), previousHandle) << "a new window every time";
                previousHandle = window->handle();
                expectOpen(*window);

                CloseLikeAUser(*window, cycle);
                EXPECT_TRUE(window->closed());
                expectGone();
            }
            Settle();
            if (cycle == 0)
                baseline = Census();
            else
                ExpectNoGrowth(baseline, cycle);
        }
        EXPECT_TRUE(reports.empty()) << reports.front().className << ": " << reports.front().message;
    }
};

class ToolWindowCycles : public CycleTest, public testing::WithParamInterface<Tool> { };

TEST_P(ToolWindowCycles, OpenFromTheMenuAndCloseAgainWithoutGrowth)
{
    const Tool& tool = GetParam();
    CycleWithoutGrowth(
        [&] {
            bool handled = true;
            EXPECT_TRUE(fw::DispatchMenuChoice(Item(tool.item).get(), &handled));
            EXPECT_FALSE(handled);
            return OpenWindowTitled(tool.title);
        },
        [&](const fw::Window& window) {
            QWidget* widget = WindowWidgetOf(window);
            ASSERT_TRUE(widget);
            EXPECT_TRUE(widget->isVisible());
            EXPECT_EQ(widget->windowTitle().toStdString(), tool.title);
            for (auto [control, text] : tool.shows)
                EXPECT_EQ(Showing(window, control), text) << control;
        },
        [&] { EXPECT_EQ(OpenWindowTitled(tool.title), nullptr); });
}

INSTANTIATE_TEST_SUITE_P(EveryTool, ToolWindowCycles, testing::ValuesIn(kTools),
    [](const testing::TestParamInfo<Tool>& info) { return std::string(info.param.row); });

using AboutBoxCycles = CycleTest;

TEST_F(AboutBoxCycles, BuildThroughTheImplicitInstanceAndCloseWithoutGrowth)
{
    const std::string version(ApplicationInstance()->shortVersion());
    CycleWithoutGrowth([] { return AquaAboutBoxLarge::ImplicitInstance(); },
        [&](const fw::Window& window) {
            EXPECT_TRUE(window.opened());
            EXPECT_EQ(Showing(window, "stName"), "Quillfen");
            EXPECT_EQ(Showing(window, "stVersion"), version);
            EXPECT_EQ(Showing(window, "StHomePage"), "Velmora Studios");
            EXPECT_NE(fw::native_cast<fw::Canvas>(window.findControl("cnvIcon"))->backdrop(), nullptr);
        },
        [] { EXPECT_EQ(fw::RuntimeGetImplicitWindow(fw::Literal<"AquaAboutBoxLarge.AquaAboutBoxLarge">()), nullptr); });
}

} // namespace
