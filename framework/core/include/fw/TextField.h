// A one-line editable text (see TextEdit.h for how its text changes).
#pragma once

#include <fw/TextEdit.h>

#include <string>
#include <string_view>

namespace fw {

class TextField : public TextEdit {
public:
    static ClassRecord* Class();
    static constexpr std::string_view kClassName = "TextField";

    bool password() const noexcept { return password_; }
    void setPassword(bool value);
    // Shown greyed while the field is empty.
    std::string_view cueText() const noexcept { return cueText_; }
    void setCueText(std::string_view text);

private:
    std::string cueText_;
    bool password_ = false;
};

} // namespace fw
