// A group box: a captioned frame that encloses other controls (they name it as
// their InitialParent).
#pragma once

#include <fw/RectControl.h>

#include <string>
#include <string_view>

namespace fw {

class GroupBox : public TextFontControl {
public:
    static ClassRecord* Class();
    static constexpr std::string_view kClassName = "GroupBox";

    std::string_view caption() const noexcept { return caption_; }
    void setCaption(std::string_view caption);

private:
    std::string caption_;
};

} // namespace fw
