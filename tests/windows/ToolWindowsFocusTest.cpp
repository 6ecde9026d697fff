// A tool window opens with the keyboard in the first control of its tab order:
// the lowest TabIndex among the visible, enabled controls that take the focus,
// the order added among equals. The control's text is selected, as a Tab into it
// selects it, so what a user types at once replaces the value there.
#include "Patience.h"
#include "ToolWindows.h"

#include "ControlPeer.h"

#include <QApplication>

#include <utility>
#include <vector>

namespace {

using namespace tool_windows;

struct FirstFocus {
    ToolWindow tool;
    const char* first; // nullptr: no control of the window takes the focus
    const char* keys;
    std::vector<std::pair<const char*, const char*>> shows; // control, text on screen after typing
};

void PrintTo(const FirstFocus& row, std::ostream* out) { *out << row.tool.row; }

const FirstFocus kRows[] = {
    { kRefractometer, "TF_OB", "12", { { "TF_OB", "12" }, { "TF_FB", "0" }, { "TF_OG", "1.046" } } },
    // TF_GalPerHr has TabIndex 0 too, but it is no tab stop; TE_Gallons (2) was added before TE_Diameter (0).
    { kBoilOff, "TE_Diameter", "20",
        { { "TE_Diameter", "20" }, { "TE_Gallons", "5" }, { "TF_GalPerHr", "2.094395" } } },
    { kBottling, "Gal_Btl", "3", { { "Gal_Btl", "3" }, { "TF_Reg_Btl", "32" } } },
    // A label takes no focus: what is typed goes nowhere.
    { kCarbonation, nullptr, "7", {} },
    { kPartiGyle, nullptr, "7", {} },
};

class ToolWindowFocus : public testing::TestWithParam<FirstFocus> {
protected:
    void SetUp() override { InitialiseFormulas(); }
    void TearDown() override { CloseAll(); }
};

TEST_P(ToolWindowFocus, OpensInTheFirstControlOfTheTabOrderAndTakesWhatIsTypedThere)
{
    const FirstFocus& row = GetParam();
    fw::Ref<fw::Window> window = row.tool.open();
    ASSERT_TRUE(window);
    QWidget* top = fw::qt::WidgetOf(window.get());
    ASSERT_TRUE(top);
    ASSERT_TRUE(QTest::qWaitForWindowActive(top, patience::kLimitMs));

    fw::Object* expected = row.first ? window->findControl(row.first) : nullptr;
    auto* focused = fw::qt::ControlPeer::forWidget(QApplication::focusWidget());
    EXPECT_EQ(focused ? &focused->object() : nullptr, expected) << "the keyboard is not where the tab order starts";
    EXPECT_EQ(window->focus(), expected) << "the window's Focus";

    QTest::keyClicks(nullptr, row.keys); // wherever the keyboard is, as a user types
    for (auto [control, text] : row.shows)
        EXPECT_EQ(Showing(*window, control), text) << control;
}

INSTANTIATE_TEST_SUITE_P(EveryTool, ToolWindowFocus, testing::ValuesIn(kRows),
    [](const testing::TestParamInfo<FirstFocus>& info) { return std::string(info.param.tool.row); });

} // namespace
