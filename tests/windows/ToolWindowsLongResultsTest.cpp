// A result wider than its field shows its leading digits, in the tool windows
// whose results outgrow their fields (the boil-off window's results, seven
// significant digits at most, fit its wider fields); the field the user types in
// keeps its caret.
#include "ToolWindows.h"

#include <QLineEdit>

#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace tool_windows;

struct LongResults {
    ToolWindow tool;
    const char* input;
    const char* typed;
    std::vector<const char*> results; // wider than their fields
};

void PrintTo(const LongResults& row, std::ostream* out) { *out << row.tool.row; }

const LongResults kRows[] = {
    { kRefractometer, "TF_OB", "1e308", { "TF_FG", "TF_AA", "TF_A", "TF_RE" } },
    { kBottling, "Gal_Btl", "1e300", { "TF_Reg_Btl", "TF_Lrg_Btl", "TF_LftOver" } }, // 1.066667e+301 ...
};

class ToolWindowLongResults : public testing::TestWithParam<LongResults> {
protected:
    void SetUp() override { InitialiseFormulas(); }
    void TearDown() override { CloseAll(); }
};

TEST_P(ToolWindowLongResults, ShowTheirLeadingDigits)
{
    const LongResults& row = GetParam();
    fw::Ref<fw::Window> window = row.tool.open();
    ASSERT_TRUE(window);
    TypeInto(*window, row.input, row.typed);
    for (const char* result : row.results) {
        auto* edit = WidgetOf<QLineEdit>(*window, result);
        ASSERT_TRUE(edit) << result;
        EXPECT_TRUE(DrawsTheStartOfItsText(*edit)) << result;
    }
    EXPECT_EQ(WidgetOf<QLineEdit>(*window, row.input)->cursorPosition(), static_cast<int>(std::strlen(row.typed)))
        << "the caret where the typing left it";
}

INSTANTIATE_TEST_SUITE_P(EveryTool, ToolWindowLongResults, testing::ValuesIn(kRows),
    [](const testing::TestParamInfo<LongResults>& info) { return std::string(info.param.tool.row); });

} // namespace
