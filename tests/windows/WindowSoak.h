// The soak of one tool window: random sequences of user events, as a user at
// the keyboard and mouse gives them (keys and pastes at random caret places in
// the text fields; the popup's rows and the slider in the windows' own soaks),
// and after every key, click and release each field's text on the screen, the
// text its model holds and the text the window's oracle (Oracle.h) expects must
// be one and the same.
//
// What an event does to a line edit is Qt's, and the soak does not work it out:
// the field reports what the user's edit left in it (QLineEdit::textEdited,
// before any handler runs), and the oracle, told that, works out what every
// field must then show. What the program decides is held to the design: a key
// must leave in a field what a plain line edit leaves (PlainLineEdit.h), kept to
// the field's limit and refused by a read-only field.
//
// A window stays open across sequences until a close between two of them, so
// state carries over. A mismatch ends the soak of its window with a report
// (Journal.h).
#pragma once

#include "Journal.h"
#include "Oracle.h"
#include "PlainLineEdit.h"
#include "RandomInput.h"

#include "calculators/WindowClass.h"

#include "WidgetOf.h"

#include <fw/Window.h>

#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace soak {

struct Counts {
    long steps = 0;
    long checks = 0;
    long changes = 0; // user edits that changed a text
};

class WindowSoak {
public:
    // A text field as the window's design gives it.
    struct Field {
        std::string name;
        int limit = 0; // in Unicode characters; 0: none
        bool readOnly = false;
        int weight = 1; // how often a step goes to this field, relative to the others
    };

    WindowSoak(std::mt19937& rng, std::vector<Field> fields);
    virtual ~WindowSoak() = default;

    void runSequence(int number);
    void closeAll();
    void exceptionReported(std::string message) { reported_ = std::move(message); }
    Counts counts() const noexcept { return { journal_.steps(), checks_, changes_ }; }

protected:
    virtual fw::Ref<fw::Window> instance() = 0;
    virtual fw::String* registeredName() = 0;
    virtual void opened() = 0; // the oracle sees a new window
    virtual const oracle::Texts& expected() const = 0;
    virtual void userLeft(const std::string& field, const std::string& text) = 0;
    // The window's control that is not a text field (the popup, the slider), if any.
    virtual bool hasOtherControl() const { return false; }
    virtual void otherStep() { }
    virtual void checkOtherControl(std::ostringstream&) { }
    virtual std::string describeOther() const { return ""; }

    template <class Widget> Widget* widget(std::string_view name) const
    {
        return qobject_cast<Widget*>(fw::qt::WidgetOf(window_->findControl(name)));
    }
    template <class Model> Model* model(std::string_view name) const
    {
        return fw::native_cast<Model>(window_->findControl(name));
    }

    void note(std::string step) { journal_.note(std::move(step)); }
    void amend(std::string_view outcome) { journal_.amend(outcome); }
    // After an event: tells the oracle what the user's edits left, then holds every
    // field and the other control on the screen and in the model to the oracle.
    void check(std::string_view after);
    [[noreturn]] void fail(std::string_view what, std::string_view differences = {}) const
    {
        journal_.fail(what, differences);
    }

    RandomInput in_;
    fw::Ref<fw::Window> window_;

private:
    struct UserEdit {
        std::string field;
        QString text;
    };

    void open();
    void close();
    std::string describeState() const;
    void randomStep();
    const Field& anyField();
    QLineEdit* focused(const Field& field);
    void watchUserEdits();
    std::optional<QString> takeUserEdits(std::string_view field);
    void key(QLineEdit* edit, const Field& field, const PlainLineEdit::Key& press, std::string_view what);
    void textStep();

    std::vector<Field> fields_;
    PlainLineEdit plain_;
    Journal journal_;
    std::vector<UserEdit> userEdits_; // reported by the fields, not yet told to the oracle
    std::string reported_; // an exception the framework reported
    long checks_ = 0;
    long changes_ = 0;
};

// The soak of a window class with its oracle.
template <class Window, class Oracle> class SoakOf : public WindowSoak {
public:
    using WindowSoak::WindowSoak;

protected:
    fw::Ref<fw::Window> instance() override { return Window::ImplicitInstance(); }
    fw::String* registeredName() override { return calculators::TextLiteral<Window::kRegisteredName>(); }
    void opened() override { oracle_.opened(); }
    const oracle::Texts& expected() const override { return oracle_.shown(); }
    void userLeft(const std::string& field, const std::string& text) override { oracle_.edited(field, text); }

    Oracle oracle_;
};

// The random source of one window's soak: the soak's seed, salted per window.
std::mt19937 SeededRandom(unsigned windowSalt);
// Plays the sequences on the window; a mismatch fails the running test.
void Play(std::string_view name, WindowSoak& soak);

template <class Soak> void RunSoak(std::string_view name, unsigned windowSalt)
{
    std::mt19937 rng = SeededRandom(windowSalt);
    Soak soak(rng);
    Play(name, soak);
}

} // namespace soak
