// A popup menu: a list of rows of which one, or none, is selected. `ListIndex`
// counts rows from 0 and takes any Int32 as given; -1 or a row the menu does not
// have shows no row. `Change` fires on every change of the index, by a setter or
// by the user (`userSelected` from the peer), never for the same index.
#pragma once

#include <fw/RectControl.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

class PopupMenu;

namespace PopupMenuEvent {
inline constexpr auto kTable = EventsOf<PopupMenu>(
    RectControlEvent::kTable, { { "Change", "%%" }, { "GotFocus", "%%" }, { "LostFocus", "%%" } });
inline constexpr auto kChange = EventNamed<kTable, "Change">();
inline constexpr auto kGotFocus = EventNamed<kTable, "GotFocus">();
inline constexpr auto kLostFocus = EventNamed<kTable, "LostFocus">();
} // namespace PopupMenuEvent

inline constexpr char kRowSeparator = '\r';

class PopupMenu : public TextFontControl {
public:
    static ClassRecord* Class();
    static constexpr std::string_view kClassName = "PopupMenu";

    void AddRow(String* text);
    // Raises RuntimeException for a row the menu does not have.
    void RemoveRow(std::int32_t row);
    void DeleteAllRows();
    // The text of a row; empty for a row the menu does not have.
    StringRef List(std::int32_t row) const;

    // From the peer: the user chose this row.
    void userSelected(std::int32_t row);

    const std::vector<std::string>& rows() const noexcept { return rows_; }
    // The rows, separated by CR.
    std::string_view initialValue() const noexcept { return initialValue_; }
    void setInitialValue(std::string_view rows);
    std::int32_t listIndex() const noexcept { return listIndex_; }
    void setListIndex(std::int32_t row);
    std::int32_t listCount() const noexcept { return static_cast<std::int32_t>(rows_.size()); }
    // The selected row's text; empty when no row is shown.
    std::string_view text() const noexcept;

private:
    void rowsChanged();

    std::vector<std::string> rows_;
    std::string initialValue_;
    std::int32_t listIndex_ = -1;
};

} // namespace fw
