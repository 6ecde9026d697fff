// The three tool windows soaked with random input sequences, as a user at the
// keyboard and mouse gives them: keys and pastes at random caret places in the
// text fields, every row of the popup by key and by mouse, the slider by key,
// by a click beside its handle and by a drag. After every key, click and
// release, each field's text on the screen, the text its model holds and the
// text an oracle expects (Oracle.h) must be one and the same.
//
// QUILLFEN_SOAK_SEED picks the seed (a fixed one by default; it is printed) and
// QUILLFEN_SOAK_SEQUENCES the number of sequences per window. A mismatch
// prints the sequence's steps, the state it started from and what differed,
// and ends that window's soak.
#include "Oracle.h"

#include "calculators/BrixFormulas.h"
#include "calculators/W_BRIX.h"
#include "calculators/W_BoilCalc.h"
#include "calculators/W_Bottle.h"
#include "shell/menubar/MenuBar1.h"

#include "WidgetOf.h"

#include <fw/PopupMenu.h>
#include <fw/Run.h>
#include <fw/Slider.h>
#include <fw/TextField.h>
#include <fw/Window.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCursor>
#include <QLineEdit>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTextBoundaryFinder>

#include <gtest/gtest.h>

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// A short run by default: a few seconds a window in a normal build.
constexpr int kDefaultSequences = 1000;
// Sequences are kept short so that many fit; state still carries over, since a
// window stays open across sequences until a close between two of them.
constexpr int kMaxStepsPerSequence = 20;
constexpr int kCloseOneIn = 4; // the chance of a close and reopen between two sequences
constexpr int kPopupPatience = 2000; // milliseconds for a popup to show or hide
const QPoint kRestingCursor(1, 1); // on the screen, away from every window's controls

std::optional<unsigned long long> fromEnvironment(const char* name)
{
    const char* text = std::getenv(name);
    if (!text || !*text)
        return std::nullopt;
    char* end = nullptr;
    unsigned long long value = std::strtoull(text, &end, 10);
    if (*end)
        return std::nullopt;
    return value;
}

// A fixed seed by default, so that every run of the suite tries the same sequences.
constexpr unsigned kDefaultSeed = 20261210;

unsigned soakSeed()
{
    static const unsigned seed = [] {
        if (auto given = fromEnvironment("QUILLFEN_SOAK_SEED"))
            return static_cast<unsigned>(*given);
        return kDefaultSeed;
    }();
    return seed;
}

int soakSequences()
{
    auto given = fromEnvironment("QUILLFEN_SOAK_SEQUENCES");
    return given ? static_cast<int>(*given) : kDefaultSequences;
}

std::string inQuotes(std::string_view text)
{
    std::string out = "'";
    for (char c : text) {
        if (c == '\n')
            out += "\\n";
        else if (c == '\t')
            out += "\\t";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\'')
            out += "\\'";
        else
            out += c;
    }
    return out + "'";
}

// A mismatch ends the soak of its window; the report says everything needed to see it again.
struct Mismatch {
    std::string report;
};

// ---- What a line edit does with a key, from the text, caret and selection it had ----

struct EditState {
    QString text;
    int caret = 0;
    int selectionStart = -1;
    int selectionLength = 0;
    bool readOnly = false;
    int limit = 0; // in Unicode characters; 0: none

    static EditState of(const QLineEdit* edit, int limit)
    {
        EditState state { edit->text(), edit->cursorPosition(), edit->selectionStart(),
            static_cast<int>(edit->selectedText().size()), edit->isReadOnly(), limit };
        if (state.selectionLength == 0)
            state.selectionStart = -1;
        return state;
    }
    bool selected() const { return selectionLength > 0; }
    // The text with the selection taken out, and where the caret then stands.
    std::pair<QString, int> withoutSelection() const
    {
        if (!selected())
            return { text, caret };
        QString rest = text;
        rest.remove(selectionStart, selectionLength);
        return { rest, selectionStart };
    }
};

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

// Typing or pasting replaces the selection; a field with a limit keeps of the
// insertion as much as fits.
QString afterInsert(const EditState& before, const QString& insertion)
{
    if (before.readOnly || (insertion.isEmpty() && !before.selected()))
        return before.text;
    auto [rest, at] = before.withoutSelection();
    QString kept = insertion;
    if (before.limit > 0)
        kept = firstCodePoints(insertion, std::max<qsizetype>(0, before.limit - codePoints(rest)));
    return rest.insert(at, kept);
}

// Backspace takes the selection, or the UTF-16 unit before the caret (both halves of a pair).
QString afterBackspace(const EditState& before)
{
    if (before.readOnly)
        return before.text;
    if (before.selected())
        return before.withoutSelection().first;
    if (before.caret == 0)
        return before.text;
    int from = before.caret - 1;
    if (from > 0 && before.text[from].isLowSurrogate() && before.text[from - 1].isHighSurrogate())
        --from;
    return QString(before.text).remove(from, before.caret - from);
}

// Delete takes the selection, or the whole character (grapheme) after the caret.
QString afterDelete(const EditState& before)
{
    if (before.readOnly)
        return before.text;
    if (before.selected())
        return before.withoutSelection().first;
    if (before.caret >= before.text.size())
        return before.text;
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, before.text);
    graphemes.setPosition(before.caret);
    qsizetype next = graphemes.toNextBoundary();
    if (next < 0)
        next = before.text.size();
    return QString(before.text).remove(before.caret, next - before.caret);
}

// ---- Random inputs ----

class Inputs {
public:
    explicit Inputs(std::mt19937& rng)
        : rng_(rng)
    {
    }

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    int between(int low, int high)
    {
        assert(low <= high && "an empty range to draw from");
        return std::uniform_int_distribution<int>(low, high)(rng_);
    }
    bool chance(int oneIn) { return below(oneIn) == 0; }
    template <class T> const T& pick(const std::vector<T>& items)
    {
        return items[static_cast<std::size_t>(below(static_cast<int>(items.size())))];
    }

    std::string digits(int count)
    {
        std::string out;
        for (int k = 0; k < count; ++k)
            out += static_cast<char>('0' + below(10));
        return out;
    }

    // What a user types: numbers in many shapes, and slips of the keyboard.
    std::string typed()
    {
        switch (below(6)) {
        case 0:
        case 1:
            return number();
        case 2:
            return digits(between(1, 3));
        case 3: {
            static const std::vector<std::string> pieces { ".", "-", "+", "e", "E", " ", "a", "x", "0", ".5", "e5",
                "-.", "1e", "e-", "+1" };
            std::string out;
            for (int k = between(1, 3); k > 0; --k)
                out += pick(pieces);
            return out;
        }
        case 4: {
            static const std::string keys = "0123456789.-+eE abcxyzQ";
            std::string out;
            for (int k = between(1, 6); k > 0; --k)
                out += keys[static_cast<std::size_t>(below(static_cast<int>(keys.size())))];
            return out;
        }
        default:
            return std::string(1, "0123456789.-+e "[below(15)]);
        }
    }

    std::string number()
    {
        std::string out;
        if (chance(4))
            out += chance(2) ? "-" : "+";
        if (chance(6))
            out += " ";
        out += digits(between(chance(5) ? 0 : 1, 4));
        if (chance(2))
            out += "." + digits(between(0, 4));
        if (chance(5)) {
            out += chance(2) ? "e" : "E";
            if (chance(2))
                out += chance(2) ? "-" : "+";
            out += digits(between(1, 3));
        }
        return out;
    }

    // What a user pastes: a number, a long run of digits, foreign characters, blanks and line ends.
    std::string pasted()
    {
        static const std::vector<std::string> foreign { "\xC3\xA9\xE2\x80\xA6", "\xC2\xBD", "\xEF\xBC\x91\xEF\xBC\x92",
            "\xD9\xA3\xD9\xAB\xD9\xA5",
            "\xF0\x9F\x8D\xBA"
            "12",
            "12\xF0\x9F\x8D\xBA", "e\xCC\x81", "\xE4\xB8\xAD\xE6\x96\x87",
            "\xC2\xA0"
            "12",
            "\xE2\x88\x92"
            "5",
            "1\xE2\x80\x89"
            "5",
            "\xF0\x9F\x8D\xBA\xF0\x9F\x8D\xBA\xF0\x9F\x8D\xBA" };
        switch (below(7)) {
        case 0:
        case 1:
            return number();
        case 2: {
            std::string out = digits(between(16, 400));
            if (chance(2))
                out.insert(static_cast<std::size_t>(below(static_cast<int>(out.size()))), ".");
            if (chance(3))
                out += "e" + digits(between(1, 3));
            return out;
        }
        case 3:
            return pick(foreign);
        case 4:
            return number() + pick(foreign);
        case 5:
            return std::string(chance(2) ? "\t" : "  ") + number() + (chance(2) ? "\n" : " 7");
        default:
            return pick(foreign) + number();
        }
    }

private:
    std::mt19937& rng_;
};

// ---- Drives one window and checks it after every event ----

struct FieldInfo {
    std::string name;
    int limit = 0;
    int weight = 1; // how often a step goes to this field, relative to the others
};

struct Counts {
    long steps = 0;
    long checks = 0;
    long changes = 0; // user edits that changed a text
};

class WindowSoak {
public:
    WindowSoak(std::mt19937& rng, std::vector<FieldInfo> fields)
        : in_(rng)
        , fields_(std::move(fields))
    {
    }
    virtual ~WindowSoak() = default;

    // The window stays open from the last sequence unless that one closed it.
    void runSequence(int number)
    {
        sequence_ = number;
        steps_.clear();
        if (!window_)
            open();
        start_ = describeState();
        for (int step = in_.between(1, kMaxStepsPerSequence); step > 0; --step)
            randomStep();
        if (in_.chance(kCloseOneIn))
            close();
    }

    void closeAll()
    {
        window_ = nullptr;
        while (auto open = fw::RuntimeGetImplicitWindow(registeredName()))
            open->Close();
        MenuBar1::ReleaseImplicitInstance();
        flushDeletes();
    }

    void exceptionReported(std::string message) { reported_ = std::move(message); }
    const Counts& counts() const noexcept { return counts_; }

protected:
    virtual fw::Ref<fw::Window> instance() = 0;
    virtual fw::String* registeredName() = 0;
    virtual void opened() = 0; // the oracle sees a new window
    virtual const oracle::Texts& expected() const = 0;
    virtual void userLeft(const std::string& field, const std::string& text) = 0;
    virtual bool hasOtherControl() const { return false; }
    virtual void otherStep() { } // the popup or the slider
    virtual void checkOtherControl(std::ostringstream&) { }
    virtual std::string describeOther() const { return ""; }

    void note(std::string step)
    {
        steps_.push_back(std::move(step));
        ++counts_.steps;
    }

    template <class Widget> Widget* widget(std::string_view name) const
    {
        return qobject_cast<Widget*>(fw::qt::WidgetOf(window_->findControl(name)));
    }
    template <class Model> Model* model(std::string_view name) const
    {
        return fw::native_cast<Model>(window_->findControl(name));
    }

    // Every field, after every event: the oracle's text, the screen's and the model's.
    void check(std::string_view after)
    {
        ++counts_.checks;
        std::ostringstream problems;
        for (auto& info : fields_) {
            auto* edit = widget<QLineEdit>(info.name);
            auto* field = model<fw::TextField>(info.name);
            if (!edit || !field) {
                problems << "  " << info.name << ": no line edit or no model\n";
                continue;
            }
            std::string onScreen = edit->text().toStdString();
            std::string held(field->text());
            const std::string& wanted = expected().find(info.name)->second;
            if (onScreen != wanted || held != wanted)
                problems << "  " << info.name << ": expected " << inQuotes(wanted) << ", the screen shows "
                         << inQuotes(onScreen) << ", the model holds " << inQuotes(held) << "\n";
        }
        checkOtherControl(problems);
        if (!reported_.empty())
            problems << "  an exception was reported: " << std::exchange(reported_, {}) << "\n";
        if (!problems.str().empty())
            fail("went wrong after " + std::string(after), problems.str());
    }

    [[noreturn]] void fail(const std::string& what, const std::string& differences = {})
    {
        std::ostringstream report;
        report << "sequence " << sequence_ << " " << what << ".\nRepeat it with QUILLFEN_SOAK_SEED=" << soakSeed()
               << " QUILLFEN_SOAK_SEQUENCES=" << sequence_ << ". It started from:\n"
               << start_ << "Steps:\n";
        for (std::size_t k = 0; k < steps_.size(); ++k)
            report << "  " << k + 1 << ". " << steps_[k] << "\n";
        if (!differences.empty())
            report << "Differences:\n" << differences;
        throw Mismatch { report.str() };
    }

    Inputs in_;
    fw::Ref<fw::Window> window_;

private:
    void open()
    {
        note("open the window");
        window_ = instance();
        window_->Show();
        QWidget* top = fw::qt::WidgetOf(window_.get());
        top->activateWindow();
        (void)QTest::qWaitForWindowActive(top);
        opened();
        start_ = describeState();
        check("the window opened");
    }

    // By its close box or by the program; either way the window and its widgets go.
    void close()
    {
        if (in_.chance(2)) {
            note("close the window (its close box)");
            fw::qt::WidgetOf(window_.get())->close();
        } else {
            note("close the window (by the program)");
        }
        if (window_->isOpen())
            window_->Close();
        window_ = nullptr;
        flushDeletes();
    }

    std::string describeState() const
    {
        std::ostringstream out;
        for (auto& [name, text] : expected())
            out << "  " << name << " " << inQuotes(text) << "\n";
        out << describeOther();
        return out.str();
    }

    void randomStep()
    {
        if (hasOtherControl() && in_.chance(3))
            otherStep();
        else
            textStep();
    }

    const FieldInfo& anyField()
    {
        int total = 0;
        for (auto& info : fields_)
            total += info.weight;
        int drawn = in_.below(total);
        std::size_t chosen = 0;
        while (drawn >= fields_[chosen].weight)
            drawn -= fields_[chosen++].weight;
        return fields_[chosen];
    }

    // A click gives the field the keyboard, as a user's would.
    QLineEdit* focused(const FieldInfo& info)
    {
        auto* edit = widget<QLineEdit>(info.name);
        if (QApplication::focusWidget() != edit) {
            QPoint at(in_.between(2, std::max(3, edit->width() - 3)), std::max(2, edit->height() / 4));
            note("click into " + info.name + " at x " + std::to_string(at.x()));
            QTest::mouseClick(edit, Qt::LeftButton, {}, at);
            if (QApplication::focusWidget() != edit)
                fail("left the focus elsewhere after a click into " + info.name);
            check("the click");
        }
        return edit;
    }

    void changed(const std::string& field, const QString& text)
    {
        ++counts_.changes;
        userLeft(field, text.toStdString());
    }

    static std::string where(const EditState& state)
    {
        if (state.selected())
            return "over the selection " + std::to_string(state.selectionStart) + "+"
                + std::to_string(state.selectionLength);
        return "at " + std::to_string(state.caret);
    }

    using Effect = std::function<QString(const EditState&)>;
    static QString unchanged(const EditState& state) { return state.text; }

    // One key; what it leaves in the field is known before it is pressed.
    void key(QLineEdit* edit, const FieldInfo& info, Qt::Key code, Qt::KeyboardModifiers modifiers,
        const Effect& effect, std::string_view what)
    {
        EditState before = EditState::of(edit, info.limit);
        QString after = effect(before);
        QTest::keyClick(edit, code, modifiers);
        if (after != before.text)
            changed(info.name, after);
        check(what);
    }

    void typeCharacter(QLineEdit* edit, const FieldInfo& info, const QString& character)
    {
        EditState before = EditState::of(edit, info.limit);
        QString after = afterInsert(before, character);
        QTest::sendKeyEvent(QTest::Click, edit, keyFor(character), character, Qt::NoModifier);
        if (after != before.text)
            changed(info.name, after);
        check("the key " + inQuotes(character.toStdString()));
    }

    // Qt's key codes for printable ASCII are its upper-case characters.
    static Qt::Key keyFor(const QString& character)
    {
        if (character.size() != 1 || character[0].unicode() > 0x7e)
            return Qt::Key_unknown;
        return static_cast<Qt::Key>(character[0].toUpper().unicode());
    }

    static std::vector<QString> splitCharacters(const QString& text)
    {
        std::vector<QString> out;
        for (qsizetype k = 0; k < text.size();) {
            qsizetype n = (text[k].isHighSurrogate() && k + 1 < text.size()) ? 2 : 1;
            out.push_back(text.mid(k, n));
            k += n;
        }
        return out;
    }

    void textStep()
    {
        const FieldInfo& info = anyField();
        QLineEdit* edit = focused(info);
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
            note(info.name + ": " + keys);
            for (auto [code, modifiers] : codes)
                key(edit, info, code, modifiers, unchanged, "a caret key");
            break;
        }
        case 1:
        case 2:
        case 3: { // type, now and then a character beyond ASCII
            std::string text = in_.chance(12) ? std::string(in_.chance(2) ? "\xC3\xA9" : "\xC2\xBD") : in_.typed();
            note(info.name + ": type " + inQuotes(text) + " " + where(EditState::of(edit, info.limit)));
            for (const QString& character : splitCharacters(QString::fromStdString(text)))
                typeCharacter(edit, info, character);
            break;
        }
        case 4: {
            note(info.name + ": select all (Ctrl+A)");
            key(edit, info, Qt::Key_A, Qt::ControlModifier, unchanged, "Ctrl+A");
            if (!edit->text().isEmpty() && edit->selectedText() != edit->text())
                fail("did not select the whole text of " + info.name + " on Ctrl+A");
            break;
        }
        case 5: {
            QString clip = QString::fromStdString(in_.pasted());
            QGuiApplication::clipboard()->setText(clip);
            note(info.name + ": paste " + inQuotes(clip.toStdString()) + " " + where(EditState::of(edit, info.limit)));
            key(
                edit, info, Qt::Key_V, Qt::ControlModifier, [clip](const EditState& s) { return afterInsert(s, clip); },
                "Ctrl+V");
            break;
        }
        case 6:
        case 7: {
            bool back = in_.chance(2);
            int count = in_.between(1, 4);
            note(info.name + ": " + (back ? "Backspace" : "Delete") + " x" + std::to_string(count) + " "
                + where(EditState::of(edit, info.limit)));
            for (int k = 0; k < count; ++k)
                key(edit, info, back ? Qt::Key_Backspace : Qt::Key_Delete, Qt::NoModifier,
                    back ? Effect(afterBackspace) : Effect(afterDelete), back ? "Backspace" : "Delete");
            break;
        }
        case 8: { // a double click selects a word
            QPoint at(in_.between(2, std::max(3, edit->width() - 3)), std::max(2, edit->height() / 4));
            note(info.name + ": double click at x " + std::to_string(at.x()));
            QTest::mouseDClick(edit, Qt::LeftButton, {}, at);
            check("the double click");
            break;
        }
        case 9: {
            note(info.name + ": cut (Ctrl+X) " + where(EditState::of(edit, info.limit)));
            key(
                edit, info, Qt::Key_X, Qt::ControlModifier,
                [](const EditState& s) { return s.readOnly ? s.text : s.withoutSelection().first; }, "Ctrl+X");
            break;
        }
        default: { // undo: what it brings back is the line edit's own history, as it reports it
            note(info.name + ": undo (Ctrl+Z)");
            std::optional<QString> undone;
            auto watch = QObject::connect(edit, &QLineEdit::textEdited, edit, [&](const QString& text) {
                if (!undone)
                    undone = text;
            });
            QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
            QObject::disconnect(watch);
            if (undone) {
                steps_.back() += " brings back " + inQuotes(undone->toStdString());
                changed(info.name, *undone);
            }
            check("Ctrl+Z");
            break;
        }
        }
    }

    static void flushDeletes()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    std::vector<FieldInfo> fields_;
    std::vector<std::string> steps_;
    std::string start_;
    std::string reported_;
    int sequence_ = 0;
    Counts counts_;
};

// ---- The three windows ----

class RefractometerSoak : public WindowSoak {
public:
    explicit RefractometerSoak(std::mt19937& rng)
        : WindowSoak(rng,
            { { "TF_OB", 0, 4 }, { "TF_FB", 0, 4 }, { "TF_WCF", 0, 4 }, { "TF_OG" }, { "TF_FG" }, { "TF_AA" },
                { "TF_A" }, { "TF_ABV" }, { "TF_RE" } })
    {
        // The module values as at start-up, where the oracle starts them.
        for (auto init : BrixFormulas::kInitialisers)
            init();
    }

protected:
    fw::Ref<fw::Window> instance() override { return W_BRIX::ImplicitInstance(); }
    fw::String* registeredName() override { return calculators::TextLiteral<W_BRIX::kRegisteredName>(); }
    void opened() override { oracle_.opened(); }
    const oracle::Texts& expected() const override { return oracle_.shown(); }
    void userLeft(const std::string& field, const std::string& text) override { oracle_.edited(field, text); }

    std::string describeOther() const override
    {
        auto& m = oracle_.module();
        std::ostringstream out;
        out.precision(17);
        out << "  module values OB " << m.ob << ", FB " << m.fb << ", WCF " << m.wcf << "\n";
        return out.str();
    }

    void checkOtherControl(std::ostringstream& problems) override
    {
        auto& m = oracle_.module();
        auto same = [](double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); };
        if (!same(m.ob, BrixFormulas::OB) || !same(m.fb, BrixFormulas::FB) || !same(m.wcf, BrixFormulas::WCF)) {
            problems.precision(17);
            problems << "  module values: expected OB " << m.ob << ", FB " << m.fb << ", WCF " << m.wcf
                     << "; the program has OB " << BrixFormulas::OB << ", FB " << BrixFormulas::FB << ", WCF "
                     << BrixFormulas::WCF << "\n";
        }
    }

private:
    oracle::Refractometer oracle_;
};

class BoilOffSoak : public WindowSoak {
public:
    explicit BoilOffSoak(std::mt19937& rng)
        : WindowSoak(rng,
            { { "TE_Diameter", 0, 3 }, { "TE_Gallons", oracle::BoilOff::kLimitGallons, 3 }, { "TF_GalPerHr" },
                { "TF_BO_Percent" } })
    {
    }

protected:
    fw::Ref<fw::Window> instance() override { return W_BoilCalc::ImplicitInstance(); }
    fw::String* registeredName() override { return calculators::TextLiteral<W_BoilCalc::kRegisteredName>(); }
    void opened() override { oracle_.opened(); }
    const oracle::Texts& expected() const override { return oracle_.shown(); }
    void userLeft(const std::string& field, const std::string& text) override { oracle_.edited(field, text); }
    bool hasOtherControl() const override { return true; }

    std::string describeOther() const override { return "  PM_Boil row " + std::to_string(oracle_.row()) + "\n"; }

    void checkOtherControl(std::ostringstream& problems) override
    {
        auto* combo = widget<QComboBox>("PM_Boil");
        auto* popup = model<fw::PopupMenu>("PM_Boil");
        const int row = oracle_.row();
        const auto name = QString::fromUtf8(oracle::BoilOff::kRowNames[static_cast<std::size_t>(row)]);
        if (combo->currentIndex() != row || popup->listIndex() != row || combo->currentText() != name)
            problems << "  PM_Boil: expected row " << row << ", the screen shows row " << combo->currentIndex() << " "
                     << inQuotes(combo->currentText().toStdString()) << ", the model holds row " << popup->listIndex()
                     << "\n";
    }

    void otherStep() override
    {
        constexpr int kRows = oracle::BoilOff::kRows;
        const int row = oracle_.row();
        auto* combo = widget<QComboBox>("PM_Boil");
        switch (in_.below(4)) {
        case 0:
        case 1: { // a key on the closed popup: one row up or down, or the first or last
            struct Move {
                Qt::Key key;
                const char* name;
                int to;
            };
            const std::vector<Move> moves { { Qt::Key_Up, "Up", std::max(row - 1, 0) },
                { Qt::Key_Down, "Down", std::min(row + 1, kRows - 1) },
                { Qt::Key_PageUp, "PageUp", std::max(row - 1, 0) },
                { Qt::Key_PageDown, "PageDown", std::min(row + 1, kRows - 1) }, { Qt::Key_Home, "Home", 0 },
                { Qt::Key_End, "End", kRows - 1 } };
            const Move& move = in_.pick(moves);
            note(std::string("PM_Boil: key ") + move.name);
            QTest::keyClick(combo, move.key);
            oracle_.chose(move.to);
            check(std::string("the key ") + move.name);
            break;
        }
        case 2: {
            int to = in_.below(kRows);
            note("PM_Boil: row " + std::to_string(to) + " by mouse");
            QTest::mouseClick(combo, Qt::LeftButton, {}, QPoint(combo->width() / 2, combo->height() / 2));
            QAbstractItemView* list = combo->view();
            if (!QTest::qWaitFor([&] { return list->isVisible(); }, kPopupPatience))
                fail("did not open the popup's list on a click");
            QRect target = list->visualRect(list->model()->index(to, 0));
            // Right after it opens, the list takes a release only from a mouse that has
            // moved away from where the popup was opened; a hand on the mouse always
            // moves, and of two points two rows apart one is far enough from any other.
            int far = to < kRows / 2 ? kRows - 1 : 0;
            QTest::mouseMove(list->viewport(), list->visualRect(list->model()->index(far, 0)).center());
            QTest::mouseMove(list->viewport(), target.center());
            QTest::mousePress(list->viewport(), Qt::LeftButton, {}, target.center());
            QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, target.center());
            if (!QTest::qWaitFor([&] { return !list->isVisible(); }, kPopupPatience))
                fail("left the popup's list open after a click on row " + std::to_string(to));
            oracle_.chose(to);
            check("the click on the row");
            break;
        }
        default: {
            int to = in_.below(kRows);
            bool cancel = in_.chance(5);
            note("PM_Boil: open with Alt+Down, row " + std::to_string(to) + " by keys, "
                + (cancel ? "Escape" : "Return"));
            QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
            QAbstractItemView* list = combo->view();
            if (!QTest::qWaitFor([&] { return list->isVisible(); }, kPopupPatience))
                fail("did not open the popup's list on Alt+Down");
            check("opening the popup");
            for (int at = list->currentIndex().row(); at != to; at += (to > at ? 1 : -1)) {
                QTest::keyClick(list, to > at ? Qt::Key_Down : Qt::Key_Up);
                check("a key in the open popup");
            }
            QTest::keyClick(list, cancel ? Qt::Key_Escape : Qt::Key_Return);
            if (!QTest::qWaitFor([&] { return !list->isVisible(); }, kPopupPatience))
                fail("left the popup's list open after its key");
            if (!cancel)
                oracle_.chose(to);
            check(cancel ? "Escape" : "Return");
            break;
        }
        }
    }

private:
    oracle::BoilOff oracle_;
};

class BottlingSoak : public WindowSoak {
public:
    explicit BottlingSoak(std::mt19937& rng)
        : WindowSoak(rng, { { "Gal_Btl", 0, 4 }, { "TF_Reg_Btl" }, { "TF_Lrg_Btl" }, { "TF_LftOver" } })
    {
    }

protected:
    fw::Ref<fw::Window> instance() override { return W_Bottle::ImplicitInstance(); }
    fw::String* registeredName() override { return calculators::TextLiteral<W_Bottle::kRegisteredName>(); }
    void opened() override { oracle_.opened(); }
    const oracle::Texts& expected() const override { return oracle_.shown(); }
    void userLeft(const std::string& field, const std::string& text) override { oracle_.edited(field, text); }
    bool hasOtherControl() const override { return true; }

    std::string describeOther() const override { return "  S_Split at " + std::to_string(oracle_.split()) + "\n"; }

    void checkOtherControl(std::ostringstream& problems) override
    {
        auto* shown = widget<QSlider>("S_Split");
        auto* slider = model<fw::Slider>("S_Split");
        if (shown->value() != oracle_.split() || slider->value() != oracle_.split())
            problems << "  S_Split: expected " << oracle_.split() << ", the screen shows " << shown->value()
                     << ", the model holds " << slider->value() << "\n";
    }

    void otherStep() override
    {
        auto* slider = widget<QSlider>("S_Split");
        switch (in_.below(5)) {
        case 0:
        case 1:
            keyStep(slider);
            break;
        case 2:
            grooveStep(slider);
            break;
        default:
            dragStep(slider);
            break;
        }
    }

private:
    static int kept(int value) { return std::clamp(value, oracle::Bottling::kMinimum, oracle::Bottling::kMaximum); }

    void keyStep(QSlider* slider)
    {
        using B = oracle::Bottling;
        struct Move {
            Qt::Key key;
            const char* name;
            int to;
        };
        const int value = oracle_.split();
        const std::vector<Move> moves { { Qt::Key_Up, "Up", value + B::kLineStep },
            { Qt::Key_Down, "Down", value - B::kLineStep }, { Qt::Key_PageUp, "PageUp", value + B::kPageStep },
            { Qt::Key_PageDown, "PageDown", value - B::kPageStep }, { Qt::Key_Home, "Home", B::kMinimum },
            { Qt::Key_End, "End", B::kMaximum } };
        const Move& move = in_.pick(moves);
        note(std::string("S_Split: key ") + move.name);
        QTest::keyClick(slider, move.key);
        oracle_.moved(kept(move.to));
        check(std::string("the key ") + move.name);
    }

    // Where the style puts the slider's parts for what it shows now.
    struct Parts {
        QStyleOptionSlider option;
        QRect groove;
        QRect handle;
    };

    static Parts partsOf(QSlider* slider)
    {
        Parts parts;
        QStyleOptionSlider& option = parts.option;
        option.initFrom(slider);
        option.subControls = QStyle::SC_None;
        option.activeSubControls = QStyle::SC_None;
        option.orientation = slider->orientation();
        option.minimum = slider->minimum();
        option.maximum = slider->maximum();
        option.tickPosition = slider->tickPosition();
        option.tickInterval = slider->tickInterval();
        option.direction = Qt::LeftToRight;
        option.upsideDown
            = slider->orientation() == Qt::Horizontal ? slider->invertedAppearance() : !slider->invertedAppearance();
        option.sliderPosition = slider->sliderPosition();
        option.sliderValue = slider->value();
        option.singleStep = slider->singleStep();
        option.pageStep = slider->pageStep();
        if (slider->orientation() == Qt::Horizontal)
            option.state |= QStyle::State_Horizontal;
        QStyle* style = slider->style();
        parts.groove = style->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, slider);
        parts.handle = style->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider);
        return parts;
    }

    // The value under the mouse at y for a handle held `grip` pixels below its top.
    static int valueAt(QSlider* slider, const Parts& parts, int y, int grip)
    {
        int top = parts.groove.top();
        int bottom = parts.groove.bottom() - parts.handle.height() + 1;
        return QStyle::sliderValueFromPosition(
            slider->minimum(), slider->maximum(), y - grip - top, bottom - top, parts.option.upsideDown);
    }

    // A click on the groove beside the handle goes one page toward the click.
    void grooveStep(QSlider* slider)
    {
        Parts parts = partsOf(slider);
        bool above = in_.chance(2);
        int low = above ? parts.groove.top() : parts.handle.bottom() + 1;
        int high = above ? parts.handle.top() - 1 : parts.groove.bottom();
        QPoint at(parts.groove.center().x(), low <= high ? in_.between(low, high) : -1);
        if (at.y() < 0
            || slider->style()->hitTestComplexControl(QStyle::CC_Slider, &parts.option, at, slider)
                != QStyle::SC_SliderGroove) {
            note(std::string("S_Split: (no groove to click ") + (above ? "above" : "below") + " the handle)");
            return;
        }
        // The value under the click, as if the handle's centre stood there.
        const int value = oracle_.split();
        int under = valueAt(slider, parts, at.y(), parts.handle.center().y() - parts.handle.top());
        int to = kept(value + (under > value ? 1 : under < value ? -1 : 0) * oracle::Bottling::kPageStep);
        note("S_Split: click the groove " + std::string(above ? "above" : "below") + " the handle at y "
            + std::to_string(at.y()) + " (slider to " + std::to_string(to) + ")");
        QTest::mousePress(slider, Qt::LeftButton, {}, at);
        oracle_.moved(to);
        check("pressing the groove");
        QTest::mouseRelease(slider, Qt::LeftButton, {}, at);
        check("releasing the groove");
    }

    // Without LiveScroll the value comes only when the handle is let go.
    void dragStep(QSlider* slider)
    {
        Parts parts = partsOf(slider);
        QPoint from = parts.handle.center();
        int grip = from.y() - parts.handle.top();
        std::vector<QPoint> path;
        for (int k = in_.between(1, 3); k > 0; --k) {
            QPoint at(from.x() + in_.between(-6, 6), in_.between(-25, slider->height() + 25));
            if (at.isNull())
                at.rx() = 1; // QTest would take a null point for the widget's centre
            path.push_back(at);
        }
        int to = valueAt(slider, parts, path.back().y(), grip);
        note("S_Split: drag the handle from y " + std::to_string(from.y()) + " in " + std::to_string(path.size())
            + " moves to y " + std::to_string(path.back().y()) + " (slider to " + std::to_string(to) + ")");
        QTest::mousePress(slider, Qt::LeftButton, {}, from);
        check("pressing the handle");
        for (const QPoint& at : path) {
            QTest::mouseMove(slider, at);
            check("a move of the held handle");
        }
        QTest::mouseRelease(slider, Qt::LeftButton, {}, path.back());
        oracle_.moved(to);
        check("letting the handle go");
    }

    oracle::Bottling oracle_;
};

// ---- The soak of one window ----

template <class Soak> void soak(const char* name, unsigned windowSalt)
{
    const unsigned seed = soakSeed();
    const int sequences = soakSequences();
    std::cout << "[ soak     ] " << name << ": seed " << seed << ", " << sequences
              << " sequences (QUILLFEN_SOAK_SEED, QUILLFEN_SOAK_SEQUENCES)" << std::endl;
    std::seed_seq seeds { seed, windowSalt };
    std::mt19937 rng(seeds);
    Soak driver(rng);
    driver.closeAll();
    QCursor::setPos(kRestingCursor); // where the mouse rests decides which widgets hear it come and go

    auto previous = fw::SetUnhandledExceptionReporter([&](fw::RuntimeException* exception) {
        driver.exceptionReported(exception ? std::string(exception->message()) : std::string("nil"));
    });
    try {
        for (int k = 1; k <= sequences; ++k)
            driver.runSequence(k);
    } catch (const Mismatch& mismatch) {
        ADD_FAILURE() << name << ": " << mismatch.report;
    }
    fw::SetUnhandledExceptionReporter(std::move(previous));
    driver.closeAll();
    const Counts& counts = driver.counts();
    std::cout << "[ soak     ] " << name << ": " << counts.steps << " steps, " << counts.checks << " checks, "
              << counts.changes << " texts changed by the user" << std::endl;
}

TEST(SoakRefractometer, AgreesWithItsOracleThroughRandomInput) { soak<RefractometerSoak>("refractometer", 1); }
TEST(SoakBoilOff, AgreesWithItsOracleThroughRandomInput) { soak<BoilOffSoak>("boil-off", 2); }
TEST(SoakBottling, AgreesWithItsOracleThroughRandomInput) { soak<BottlingSoak>("bottling", 3); }

} // namespace
