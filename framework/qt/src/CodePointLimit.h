// A line edit's length limit counted in Unicode characters, as LimitText counts
// (QLineEdit's own maxLength counts UTF-16 units). An edit that goes past the
// limit keeps as much of what was just inserted as fits, like maxLength does.
#pragma once

#include <QValidator>

namespace fw::qt {

class CodePointLimit : public QValidator {
public:
    explicit CodePointLimit(QObject* parent);

    // 0 or less: no limit.
    void setLimit(int limit) noexcept { limit_ = limit; }
    int limit() const noexcept { return limit_; }

    State validate(QString& input, int& position) const override;

private:
    int limit_ = 0;
};

} // namespace fw::qt
