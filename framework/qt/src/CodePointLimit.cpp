#include "CodePointLimit.h"

namespace fw::qt {

namespace {
qsizetype codePoints(QStringView text)
{
    qsizetype count = 0;
    for (qsizetype k = 0; k < text.size(); ++k)
        if (!text[k].isLowSurrogate())
            ++count;
    return count;
}
} // namespace

CodePointLimit::CodePointLimit(QObject* parent)
    : QValidator(parent)
{
}

QValidator::State CodePointLimit::validate(QString& input, int& position) const
{
    if (limit_ <= 0)
        return Acceptable;
    qsizetype excess = codePoints(input) - limit_;
    if (excess <= 0)
        return Acceptable;
    // What was inserted ends at the caret: drop its last characters.
    qsizetype end = position;
    qsizetype start = end;
    for (; excess > 0 && start > 0; --excess) {
        --start;
        if (input[start].isLowSurrogate() && start > 0 && input[start - 1].isHighSurrogate())
            --start;
    }
    if (excess > 0)
        return Invalid;
    input.remove(start, end - start);
    position = static_cast<int>(start);
    return Acceptable;
}

} // namespace fw::qt
