#include "CaretAnchoredToPoint.h"

#include <algorithm>

namespace fw::qt {

namespace {
// The first '.', or the end of a text without one.
qsizetype pointOf(QStringView text) noexcept
{
    qsizetype at = text.indexOf(u'.');
    return at < 0 ? text.size() : at;
}
} // namespace

int CaretAnchoredToPoint(QStringView typed, int caret, QStringView rewritten) noexcept
{
    // Signed distance from the point: after it (the point itself counted), or before it.
    qsizetype fromPoint = caret - pointOf(typed);
    return static_cast<int>(std::clamp<qsizetype>(pointOf(rewritten) + fromPoint, 0, rewritten.size()));
}

} // namespace fw::qt
