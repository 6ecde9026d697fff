// A multi-line editable or read-only text (see TextEdit.h for how its text changes).
#pragma once

#include <fw/TextEdit.h>

#include <string_view>

namespace fw {

class TextArea : public TextEdit {
public:
    static ClassRecord* Class();
    static constexpr std::string_view kClassName = "TextArea";

    bool multiline() const noexcept { return multiline_; }
    void setMultiline(bool value);
    bool styled() const noexcept { return styled_; }
    void setStyled(bool value);
    bool hideSelection() const noexcept { return hideSelection_; }
    void setHideSelection(bool value);
    bool scrollbarVertical() const noexcept { return scrollbarVertical_; }
    void setScrollbarVertical(bool value);
    bool scrollbarHorizontal() const noexcept { return scrollbarHorizontal_; }
    void setScrollbarHorizontal(bool value);
    // A multiple of the font's line height; 0: the platform's spacing.
    double lineSpacing() const noexcept { return lineSpacing_; }
    void setLineSpacing(double spacing);

private:
    double lineSpacing_ = 0;
    bool multiline_ = true;
    bool styled_ = true;
    bool hideSelection_ = true;
    bool scrollbarVertical_ = true;
    bool scrollbarHorizontal_ = false;
};

} // namespace fw
