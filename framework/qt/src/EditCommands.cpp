#include "EditCommands.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include <array>

namespace fw::qt {

namespace {
enum class Command { Undo, Cut, Copy, Paste, Clear, SelectAll };

struct NamedCommand {
    std::string_view itemName;
    Command command;
};

constexpr std::array kStandardEntries { NamedCommand { "EditUndo", Command::Undo },
    NamedCommand { "EditCut", Command::Cut }, NamedCommand { "EditCopy", Command::Copy },
    NamedCommand { "EditPaste", Command::Paste }, NamedCommand { "EditClear", Command::Clear },
    NamedCommand { "EditSelectAll", Command::SelectAll } };

bool changesText(Command command) { return command != Command::Copy && command != Command::SelectAll; }

void deleteSelection(QLineEdit& edit) { edit.del(); }

// QTextEdit and QPlainTextEdit delete a selection through their cursor.
template <class Edit> void deleteSelection(Edit& edit)
{
    QTextCursor cursor = edit.textCursor();
    cursor.removeSelectedText();
    edit.setTextCursor(cursor);
}

// QLineEdit, QTextEdit and QPlainTextEdit offer these operations without a common base that has them.
template <class Edit> void apply(Edit& edit, Command command)
{
    if (edit.isReadOnly() && changesText(command))
        return;
    switch (command) {
    case Command::Undo:
        edit.undo();
        break;
    case Command::Cut:
        edit.cut();
        break;
    case Command::Copy:
        edit.copy();
        break;
    case Command::Paste:
        edit.paste();
        break;
    case Command::Clear:
        deleteSelection(edit);
        break;
    case Command::SelectAll:
        edit.selectAll();
        break;
    }
}
} // namespace

bool ApplyEditCommand(std::string_view itemName)
{
    const NamedCommand* entry = nullptr;
    for (auto& standard : kStandardEntries)
        if (standard.itemName == itemName)
            entry = &standard;
    if (!entry)
        return false;
    QWidget* focused = QApplication::focusWidget();
    if (auto* line = qobject_cast<QLineEdit*>(focused)) {
        apply(*line, entry->command);
        return true;
    }
    if (auto* rich = qobject_cast<QTextEdit*>(focused)) {
        apply(*rich, entry->command);
        return true;
    }
    if (auto* plain = qobject_cast<QPlainTextEdit*>(focused)) {
        apply(*plain, entry->command);
        return true;
    }
    return false;
}

} // namespace fw::qt
