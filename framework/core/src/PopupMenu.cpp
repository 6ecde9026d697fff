#include "NativeClass.h"

#include <fw/Exceptions.h>
#include <fw/PopupMenu.h>
#include <fw/PropertyTables.h>

#include <string>

namespace fw {

using namespace detail;

namespace {
constexpr std::int32_t kPopupMenuSize = 140;

std::vector<std::string> splitRows(std::string_view rows)
{
    std::vector<std::string> split;
    if (rows.empty())
        return split;
    for (std::size_t start = 0;;) {
        auto end = rows.find(kRowSeparator, start);
        split.emplace_back(rows.substr(start, end - start));
        if (end == std::string_view::npos)
            return split;
        start = end + 1;
    }
}
} // namespace

void PopupMenu::rowsChanged()
{
    initialValue_.clear();
    for (std::size_t k = 0; k < rows_.size(); ++k) {
        if (k > 0)
            initialValue_ += kRowSeparator;
        initialValue_ += rows_[k];
    }
    notify(Aspect::Text);
}

void PopupMenu::AddRow(String* text)
{
    RequireUIThread();
    rows_.emplace_back(Text(text));
    rowsChanged();
}

void PopupMenu::RemoveRow(std::int32_t row)
{
    RequireUIThread();
    if (row < 0 || row >= listCount())
        Raise<RuntimeException>("popup menu \"" + std::string(name()) + "\" has no row " + std::to_string(row)
            + " (it has " + std::to_string(listCount()) + ")");
    rows_.erase(rows_.begin() + row);
    rowsChanged();
}

void PopupMenu::DeleteAllRows()
{
    RequireUIThread();
    if (rows_.empty())
        return;
    rows_.clear();
    rowsChanged();
}

StringRef PopupMenu::List(std::int32_t row) const
{
    RequireUIThread();
    return NewString(
        row >= 0 && row < listCount() ? std::string_view(rows_[static_cast<std::size_t>(row)]) : std::string_view {});
}

std::string_view PopupMenu::text() const noexcept
{
    return listIndex_ >= 0 && listIndex_ < listCount() ? std::string_view(rows_[static_cast<std::size_t>(listIndex_)])
                                                       : std::string_view {};
}

void PopupMenu::setInitialValue(std::string_view rows)
{
    RequireUIThread();
    if (rows == initialValue_)
        return;
    rows_ = splitRows(rows);
    rowsChanged();
}

void PopupMenu::setListIndex(std::int32_t row)
{
    if (change(listIndex_, row, Aspect::Selection))
        RaiseEvent(*this, PopupMenuEvent::kChange);
}

void PopupMenu::userSelected(std::int32_t row)
{
    RequireUIThread();
    if (row == listIndex_)
        return;
    listIndex_ = row; // the peer shows it already
    RaiseEvent(*this, PopupMenuEvent::kChange);
}

ClassRecord* PopupMenu::Class()
{
    using P = PopupMenu;
    static constexpr NativeMethod methods[] = {
        Routine<&P::AddRow>("AddRow"),
        Routine<&P::RemoveRow>("RemoveRow"),
        Routine<&P::DeleteAllRows>("DeleteAllRows"),
        Routine<&P::List>("List"),
    };
    static ClassRecord* cls = RegisterNativeClass<PopupMenu>({ .superclass = &RectControl::Class,
        .methods = methods,
        .events = PopupMenuEvent::kTable,
        .properties = PopupMenuProperty::kTable,
        .instanceSize = kPopupMenuSize });
    return cls;
}

} // namespace fw
