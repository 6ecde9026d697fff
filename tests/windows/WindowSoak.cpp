#include "WindowSoak.h"

#include "Patience.h"
#include "SoakSettings.h"

#include "shell/menubar/MenuBar1.h"

#include <fw/TextField.h>
#include <fw/qt/Run.h>

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <utility>

namespace soak {

namespace {

// Sequences are kept short so that many fit.
constexpr int kMaxStepsPerSequence = 20;
constexpr int kCloseOneIn = 4; // the chance of a close and reopen between two sequences
const QPoint kRestingCursor(1, 1); // on the screen, away from every window's controls

qsizetype codePoints(QStringView text)
{
    qsizetype count = 0;
    for (QChar c : text)
        if (!c.isLowSurrogate())
            ++count;
    return count;
}

// The first `count` Unicode characters of a text.
QString firstCodePoints(const QString& text, qsizetype count)
{
    qsizetype units = 0;
    for (qsizetype seen = 0; units < text.size() && seen < count; ++seen)
        units += (text[units].isHighSurrogate() && units + 1 < text.size() && text[units + 1].isLowSurrogate()) ? 2 : 1;
    return text.left(units);
}

// A field with a limit keeps as much of what was just inserted as fits: past
// the limit, the end of the insertion, just before the caret, is dropped.
QString keptTo(int limit, const PlainLineEdit::Outcome& plain)
{
    const qsizetype excess = limit > 0 ? codePoints(plain.text) - limit : 0;
    if (excess <= 0)
        return plain.text;
    const QString before = plain.text.left(plain.caret);
    return firstCodePoints(before, codePoints(before) - excess) + plain.text.mid(plain.caret);
}

std::string where(const QLineEdit* edit)
{
    if (edit->hasSelectedText())
        return "over the selection " + std::to_string(edit->selectionStart()) + "+"
            + std::to_string(edit->selectionLength());
    return "at " + std::to_string(edit->cursorPosition());
}

// Qt's key codes for printable ASCII are its upper-case characters.
Qt::Key keyFor(const QString& character)
{
    if (character.size() != 1 || character[0].unicode() > 0x7e)
        return Qt::Key_unknown;
    return static_cast<Qt::Key>(character[0].toUpper().unicode());
}

// A text as a user types it: one key per character, a surrogate pair in one key.
std::vector<QString> characters(const QString& text)
{
    std::vector<QString> out;
    for (qsizetype k = 0; k < text.size();) {
        qsizetype n = (text[k].isHighSurrogate() && k + 1 < text.size()) ? 2 : 1;
        out.push_back(text.mid(k, n));
        k += n;
    }
    return out;
}

PlainLineEdit::Key keyClick(Qt::Key code, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    return [code, modifiers](QLineEdit* edit) { QTest::keyClick(edit, code, modifiers); };
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

WindowSoak::WindowSoak(std::mt19937& rng, std::vector<Field> fields)
    : in_(rng)
    , fields_(std::move(fields))
{
}

void WindowSoak::runSequence(int number)
{
    journal_.begin(number);
    const bool opening = !window_;
    if (opening)
        open();
    journal_.startedFrom(describeState());
    if (opening)
        check("the window opened");
    for (int step = in_.between(1, kMaxStepsPerSequence); step > 0; --step)
        randomStep();
    if (in_.chance(kCloseOneIn))
        close();
}

void WindowSoak::closeAll()
{
    window_ = nullptr;
    while (auto open = fw::RuntimeGetImplicitWindow(registeredName()))
        open->Close();
    MenuBar1::ReleaseImplicitInstance();
    flushDeletes();
}

void WindowSoak::check(std::string_view after)
{
    takeUserEdits({});
    ++checks_;
    std::ostringstream problems;
    for (auto& field : fields_) {
        auto* edit = widget<QLineEdit>(field.name);
        auto* model = this->model<fw::TextField>(field.name);
        if (!edit || !model) {
            problems << "  " << field.name << ": no line edit or no model\n";
            continue;
        }
        std::string onScreen = edit->text().toStdString();
        std::string held(model->text());
        const std::string& wanted = expected().find(field.name)->second;
        if (onScreen != wanted || held != wanted)
            problems << "  " << field.name << ": expected " << Quoted(wanted) << ", the screen shows "
                     << Quoted(onScreen) << ", the model holds " << Quoted(held) << "\n";
    }
    checkOtherControl(problems);
    if (!reported_.empty())
        problems << "  an exception was reported: " << std::exchange(reported_, {}) << "\n";
    if (!problems.str().empty())
        fail("went wrong after " + std::string(after), problems.str());
}

void WindowSoak::open()
{
    note("open the window");
    window_ = instance();
    window_->Show();
    QWidget* top = fw::qt::WidgetOf(window_.get());
    top->activateWindow();
    (void)QTest::qWaitForWindowActive(top, patience::kLimitMs);
    watchUserEdits();
    opened();
}

// By its close box or by the program; either way the window and its widgets go.
void WindowSoak::close()
{
    if (in_.chance(2)) {
        note("close the window (its close box)");
        fw::qt::WidgetOf(window_.get())->close();
    } else {
        note("close the window (by the program)");
    }
    if (window_->opened())
        window_->Close();
    window_ = nullptr;
    flushDeletes();
}

std::string WindowSoak::describeState() const
{
    std::ostringstream out;
    for (auto& [name, text] : expected())
        out << "  " << name << " " << Quoted(text) << "\n";
    out << describeOther();
    return out.str();
}

void WindowSoak::randomStep()
{
    if (hasOtherControl() && in_.chance(3))
        otherStep();
    else
        textStep();
}

const WindowSoak::Field& WindowSoak::anyField()
{
    int total = 0;
    for (auto& field : fields_)
        total += field.weight;
    int drawn = in_.below(total);
    std::size_t chosen = 0;
    while (drawn >= fields_[chosen].weight)
        drawn -= fields_[chosen++].weight;
    return fields_[chosen];
}

// A click gives the field the keyboard, as a user's would.
QLineEdit* WindowSoak::focused(const Field& field)
{
    auto* edit = widget<QLineEdit>(field.name);
    if (QApplication::focusWidget() != edit) {
        QPoint at(in_.between(2, std::max(3, edit->width() - 3)), std::max(2, edit->height() / 4));
        note("click into " + field.name + " at x " + std::to_string(at.x()));
        QTest::mouseClick(edit, Qt::LeftButton, {}, at);
        if (QApplication::focusWidget() != edit)
            fail("left the focus elsewhere after a click into " + field.name);
        check("the click");
    }
    return edit;
}

// Each field reports the text a user's edit leaves in it, before any handler runs.
void WindowSoak::watchUserEdits()
{
    for (auto& field : fields_) {
        auto* edit = widget<QLineEdit>(field.name);
        if (!edit)
            continue;
        QObject::connect(edit, &QLineEdit::textEdited, edit, [this, name = field.name](const QString& text) {
            userEdits_.push_back({ name, text });
        });
    }
}

// Tells the oracle, in order, what the user's edits left; gives the last text `field` took.
std::optional<QString> WindowSoak::takeUserEdits(std::string_view field)
{
    std::optional<QString> took;
    for (auto& [name, text] : std::exchange(userEdits_, {})) {
        std::string left = text.toStdString();
        amend(" -> " + Quoted(left));
        if (expected().find(name)->second != left)
            ++changes_;
        userLeft(name, left);
        if (name == field)
            took = text;
    }
    return took;
}

// One key in a field: what it leaves there is what it leaves in a plain line
// edit in the same state, kept to the field's limit.
void WindowSoak::key(QLineEdit* edit, const Field& field, const PlainLineEdit::Key& press, std::string_view what)
{
    const QString wanted = keptTo(field.limit, plain_.after(*edit, field.readOnly, press));
    const QString before = edit->text();
    press(edit);
    const QString took = takeUserEdits(field.name).value_or(before);
    if (took != wanted) {
        std::ostringstream difference;
        difference << "  " << field.name << ": a line edit leaves " << Quoted(wanted.toStdString());
        if (field.limit > 0)
            difference << " (kept to " << field.limit << " characters)";
        difference << ", the field took " << Quoted(took.toStdString()) << "\n";
        fail("went wrong at " + std::string(what), difference.str());
    }
    check(what);
}

void WindowSoak::textStep()
{
    const Field& field = anyField();
    QLineEdit* edit = focused(field);
    switch (in_.below(11)) {
    case 0: { // caret keys; with Shift they select
        static const std::vector<std::pair<Qt::Key, const char*>> moves { { Qt::Key_Home, "Home" },
            { Qt::Key_End, "End" }, { Qt::Key_Left, "Left" }, { Qt::Key_Right, "Right" } };
        std::string keys;
        std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> codes;
        for (int k = in_.between(1, 4); k > 0; --k) {
            auto& move = in_.pick(moves);
            bool shift = in_.chance(3);
            codes.emplace_back(move.first, shift ? Qt::ShiftModifier : Qt::NoModifier);
            keys += std::string(keys.empty() ? "" : ", ") + (shift ? "Shift+" : "") + move.second;
        }
        note(field.name + ": " + keys);
        for (auto [code, modifiers] : codes)
            key(edit, field, keyClick(code, modifiers), "a caret key");
        break;
    }
    case 1:
    case 2:
    case 3: { // type, now and then a character beyond ASCII
        std::string text = in_.chance(12) ? std::string(in_.chance(2) ? "\xC3\xA9" : "\xC2\xBD") : in_.typed();
        note(field.name + ": type " + Quoted(text) + " " + where(edit));
        for (const QString& character : characters(QString::fromStdString(text)))
            key(
                edit, field,
                [&character](QLineEdit* target) {
                    QTest::sendKeyEvent(QTest::Click, target, keyFor(character), character, Qt::NoModifier);
                },
                "the key " + Quoted(character.toStdString()));
        break;
    }
    case 4: {
        note(field.name + ": select all (Ctrl+A)");
        key(edit, field, keyClick(Qt::Key_A, Qt::ControlModifier), "Ctrl+A");
        if (!edit->text().isEmpty() && edit->selectedText() != edit->text())
            fail("did not select the whole text of " + field.name + " on Ctrl+A");
        break;
    }
    case 5: {
        QString clip = QString::fromStdString(in_.pasted());
        QGuiApplication::clipboard()->setText(clip);
        note(field.name + ": paste " + Quoted(clip.toStdString()) + " " + where(edit));
        key(edit, field, keyClick(Qt::Key_V, Qt::ControlModifier), "Ctrl+V");
        break;
    }
    case 6:
    case 7: {
        bool back = in_.chance(2);
        int count = in_.between(1, 4);
        note(field.name + ": " + (back ? "Backspace" : "Delete") + " x" + std::to_string(count) + " " + where(edit));
        for (int k = 0; k < count; ++k)
            key(edit, field, keyClick(back ? Qt::Key_Backspace : Qt::Key_Delete), back ? "Backspace" : "Delete");
        break;
    }
    case 8: { // a double click selects a word
        QPoint at(in_.between(2, std::max(3, edit->width() - 3)), std::max(2, edit->height() / 4));
        note(field.name + ": double click at x " + std::to_string(at.x()));
        QTest::mouseDClick(edit, Qt::LeftButton, {}, at);
        check("the double click");
        break;
    }
    case 9: {
        note(field.name + ": cut (Ctrl+X) " + where(edit));
        key(edit, field, keyClick(Qt::Key_X, Qt::ControlModifier), "Ctrl+X");
        break;
    }
    default: { // undo: what it brings back is the line edit's own history, as the field reports it
        note(field.name + ": undo (Ctrl+Z)");
        QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
        check("Ctrl+Z");
        break;
    }
    }
}

std::mt19937 SeededRandom(unsigned windowSalt)
{
    std::seed_seq seeds { Seed(), windowSalt };
    return std::mt19937(seeds);
}

void Play(std::string_view name, WindowSoak& soak)
{
    const int sequences = Sequences();
    std::cout << "[ soak     ] " << name << ": seed " << Seed() << ", " << sequences
              << " sequences (QUILLFEN_SOAK_SEED, QUILLFEN_SOAK_SEQUENCES)" << std::endl;
    soak.closeAll();
    QCursor::setPos(kRestingCursor); // where the mouse rests decides which widgets hear it come and go

    auto previous = fw::SetUnhandledExceptionReporter([&](fw::RuntimeException* exception) {
        soak.exceptionReported(exception ? std::string(exception->message()) : std::string("nil"));
    });
    try {
        for (int k = 1; k <= sequences; ++k)
            soak.runSequence(k);
    } catch (const Mismatch& mismatch) {
        ADD_FAILURE() << name << ": " << mismatch.report;
    }
    fw::SetUnhandledExceptionReporter(std::move(previous));
    soak.closeAll();
    const Counts counts = soak.counts();
    std::cout << "[ soak     ] " << name << ": " << counts.steps << " steps, " << counts.checks << " checks, "
              << counts.changes << " texts changed by the user" << std::endl;
}

} // namespace soak
