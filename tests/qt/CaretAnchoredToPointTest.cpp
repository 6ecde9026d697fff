// Where the caret lands when a handler rewrites what the user is typing: each
// row is one keystroke's text as the user left it (| the caret) and the text a
// three-place handler made of it.
#include "CaretAnchoredToPoint.h"

#include <QString>

#include <gtest/gtest.h>

namespace {

struct Rewrite {
    const char* name;
    const char* typed; // with a '|' where the caret is
    const char* rewritten; // with a '|' where the caret must land
};

void PrintTo(const Rewrite& row, std::ostream* out) { *out << row.name; }

class CaretAnchoredToPoint : public testing::TestWithParam<Rewrite> { };

TEST_P(CaretAnchoredToPoint, KeepsTheCaretsPlaceRelativeToTheDecimalPoint)
{
    const QString typed = QString::fromUtf8(GetParam().typed);
    const QString rewritten = QString::fromUtf8(GetParam().rewritten);
    const int caret = static_cast<int>(typed.indexOf(u'|'));
    const int landed
        = fw::qt::CaretAnchoredToPoint(QString(typed).remove(u'|'), caret, QString(rewritten).remove(u'|'));
    EXPECT_EQ(landed, rewritten.indexOf(u'|'));
}

INSTANTIATE_TEST_SUITE_P(Rows, CaretAnchoredToPoint,
    testing::Values(
        // Typing a factor over a selection, key by key.
        Rewrite { "AFirstDigitStaysBeforeThePoint", "1|", "1|.000" },
        Rewrite { "APointTypedBeforeTheOldPointGoesPastIt", "1.|.000", "1.|000" },
        Rewrite { "ADigitAfterThePointKeepsItsPlace", "1.05|00", "1.05|0" },
        Rewrite { "APointTypedAloneLandsAfterThePoint", ".|", "0.|000" },
        Rewrite { "TheFirstDigitAfterALonePoint", "0.9|000", "0.9|00" },
        // Other edits.
        Rewrite { "AnEmptiedFieldPutsTheCaretAtThePoint", "|", "0|.000" },
        Rewrite { "DigitsPastThePlacesShownEndAtTheEnd", "1.0456|", "1.046|" },
        Rewrite { "InsideTheWholeDigitsItKeepsItsCountBeforeThePoint", "001|2.5", "1|2.500" },
        Rewrite { "AtTheStartOfLeadingBlanksItStaysAtTheStart", "|  1.5", "|1.500" },
        Rewrite { "WithoutAPointInTheRewrittenTextAfterThePointIsTheEnd", "1.5|", "NaN|" },
        Rewrite { "WithoutAnyPointTheEndIsTheAnchor", "1e999|", "Infinity|" }),
    [](const testing::TestParamInfo<Rewrite>& info) { return std::string(info.param.name); });

} // namespace
