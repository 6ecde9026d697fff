// Real key and mouse events reaching the framework's objects: typing into a field whose
// handler rewrites it, the length limit, popup and slider choices, the label's
// mouse events, and timers firing on the event loop.
#include "QtTestSupport.h"
#include "RecordingControls.h"
#include "WidgetOf.h"

#include <fw/GroupBox.h>
#include <fw/Label.h>
#include <fw/PopupMenu.h>
#include <fw/Slider.h>
#include <fw/TextArea.h>
#include <fw/TextField.h>
#include <fw/Timer.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <algorithm>

namespace {

using namespace fw;
using namespace qt_test;

class UserInputTest : public QtPeerTest { };

using Entries = std::vector<std::string>;

template <class T> T& placed(T& control, std::int32_t top, std::int32_t height = 24)
{
    control.setLeft(10);
    control.setTop(top);
    control.setWidth(160);
    control.setHeight(height);
    return control;
}

// Runs what waits until that many periods have passed, as a repeating timer of
// that period counts them: the timers under test count time alike, however
// loaded the machine.
bool periodsPass(int periods, int period)
{
    int passed = 0;
    QTimer counter;
    QObject::connect(&counter, &QTimer::timeout, &counter, [&] { ++passed; });
    counter.start(period);
    return WaitFor([&] { return passed >= periods; });
}

template <class W> W* focusedWidget(Window& window, std::string_view name)
{
    auto* widget = qobject_cast<W*>(WidgetOf(window.findControl(name)));
    if (widget) {
        Activate(window);
        widget->setFocus();
    }
    return widget;
}

TEST_F(UserInputTest, TypingIntoAFieldThatItsHandlerReformatsKeepsTheCaret)
{
    auto window
        = OpenWindow({}, [](Window& w) { placed(AddControl<TextField>(w, ReformattingFieldClass(), "TF_OG"), 10); });
    auto* edit = focusedWidget<QLineEdit>(*window, "TF_OG");
    ASSERT_TRUE(edit);
    QTest::keyClicks(edit, "1.05");
    EXPECT_EQ(edit->text(), "1.050");
    EXPECT_EQ(edit->cursorPosition(), 4);
    EXPECT_EQ(native_cast<TextField>(window->findControl("TF_OG"))->text(), "1.050");
    // Each keystroke is the user's change, and each rewrite by the handler one more (of the program's).
    EXPECT_EQ(Journal(),
        (Entries { "change 1", "change 1.000", "change 1..000", "change 1.000", "change 1.0000", "change 1.000",
            "change 1.0500", "change 1.050" }));
}

TEST_F(UserInputTest, AProgramsChangeIsShownButNeverReportedAsTheUsers)
{
    auto window
        = OpenWindow({}, [](Window& w) { placed(AddControl<TextField>(w, CountingFieldClass(), "Field"), 10); });
    auto* field = native_cast<TextField>(window->findControl("Field"));
    auto* edit = focusedWidget<QLineEdit>(*window, "Field");
    ASSERT_TRUE(edit);
    field->setText("abc");
    EXPECT_EQ(edit->text(), "abc");
    EXPECT_EQ(edit->cursorPosition(), 0);
    QTest::keyClicks(edit, "x");
    EXPECT_EQ(edit->text(), "xabc");
    field->setText("xabc!");
    EXPECT_EQ(edit->cursorPosition(), 0); // the program's text shows from its start
    EXPECT_EQ(Journal(), (Entries { "change abc", "change xabc", "change xabc!" }));
}

TEST_F(UserInputTest, TheLengthLimitCountsUnicodeCharacters)
{
    auto window = OpenWindow({}, [](Window& w) {
        auto& field = placed(AddControl<TextField>(w, TextField::Class(), "Field"), 10);
        field.setLimitText(3);
    });
    auto* field = native_cast<TextField>(window->findControl("Field"));
    auto* edit = focusedWidget<QLineEdit>(*window, "Field");
    ASSERT_TRUE(edit);
    struct Row {
        const char* name;
        QString typed;
        std::string kept;
    } rows[] = {
        { "Latin", QStringLiteral("abcd"), "abc" },
        { "Accented", QString::fromUtf8("h\xc3\xa9llo"), "h\xc3\xa9l" },
        { "OutsideTheBasicPlane", QString::fromUtf8("\xf0\x9f\x8d\xba\xf0\x9f\x8d\xba\xf0\x9f\x8d\xba\xf0\x9f\x8d\xba"),
            "\xf0\x9f\x8d\xba\xf0\x9f\x8d\xba\xf0\x9f\x8d\xba" },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        field->setText("");
        // One key event per character, a character outside the basic plane included.
        for (uint codePoint : row.typed.toUcs4()) {
            char32_t character = codePoint;
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString::fromUcs4(&character, 1), Qt::NoModifier);
        }
        EXPECT_EQ(field->text(), row.kept);
        EXPECT_EQ(edit->text().toStdString(), row.kept);
    }

    // A caret inside the text: what is typed beyond the limit is refused, the rest stays.
    field->setText("ab");
    edit->setCursorPosition(1);
    QTest::keyClicks(edit, "XY");
    EXPECT_EQ(edit->text(), "aXb");
    EXPECT_EQ(field->text(), "aXb");
}

TEST_F(UserInputTest, AUsersChoiceInAPopupMenuReachesItsChangeEvent)
{
    auto window = OpenWindow({}, [](Window& w) {
        auto& popup = placed(AddControl<PopupMenu>(w, RecordingPopupClass(), "Units"), 10);
        popup.setInitialValue("Gallons\rLitres\rQuarts");
        popup.setListIndex(0);
    });
    Journal().clear(); // the program's own setting
    auto* popup = native_cast<PopupMenu>(window->findControl("Units"));
    auto* combo = focusedWidget<QComboBox>(*window, "Units");
    ASSERT_TRUE(combo);

    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(popup->listIndex(), 1);

    combo->showPopup();
    QAbstractItemView* list = combo->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window(), patience::kLimitMs));
    QRect quarts = list->visualRect(list->model()->index(2, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, quarts.center());
    EXPECT_TRUE(WaitFor([&] { return popup->listIndex() == 2; }));
    EXPECT_EQ(Journal(), (Entries { "change 1", "change 2" }));

    popup->setListIndex(0); // the program's change shows, and is the program's
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_EQ(Journal().back(), "change 0");
}

TEST_F(UserInputTest, SliderMovesByKeyAndByDragReachTheObject)
{
    auto window = OpenWindow({}, [](Window& w) {
        auto& slider = placed(AddControl<Slider>(w, RecordingSliderClass(), "Slider"), 10, 20);
        slider.setMaximum(100);
        slider.setValue(50);
        slider.setLineStep(1);
        slider.setPageStep(10);
        slider.setLiveScroll(false);
    });
    Journal().clear();
    auto* slider = native_cast<Slider>(window->findControl("Slider"));
    auto* shown = focusedWidget<QSlider>(*window, "Slider");
    ASSERT_TRUE(shown);
    QTest::keyClick(shown, Qt::Key_Right);
    QTest::keyClick(shown, Qt::Key_PageUp);
    EXPECT_EQ(slider->value(), 61);
    EXPECT_EQ(Journal(), (Entries { "value 51", "value 61" }));

    // Without LiveScroll a drag reports only where it ends.
    Journal().clear();
    QStyleOptionSlider option;
    option.initFrom(shown);
    option.minimum = shown->minimum();
    option.maximum = shown->maximum();
    option.sliderPosition = shown->value();
    option.sliderValue = shown->value();
    option.orientation = shown->orientation();
    QRect handle = shown->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, shown);
    QPoint from = handle.center();
    QTest::mousePress(shown, Qt::LeftButton, {}, from);
    QTest::mouseMove(shown, from - QPoint(30, 0));
    QTest::mouseMove(shown, from - QPoint(60, 0));
    EXPECT_TRUE(Journal().empty());
    EXPECT_EQ(slider->value(), 61);
    QTest::mouseRelease(shown, Qt::LeftButton, {}, from - QPoint(60, 0));
    ASSERT_EQ(Journal().size(), 1u);
    EXPECT_LT(slider->value(), 61);
    EXPECT_EQ(shown->value(), slider->value());
}

TEST_F(UserInputTest, ALabelGetsTheMouseInItsOwnCoordinatesAndTheReleaseAfterAPressAnsweredFalse)
{
    auto window = OpenWindow({}, [](Window& w) {
        auto& label = AddControl<Label>(w, RecordingLabelClass(), "Link");
        label.setLeft(40);
        label.setTop(30);
        label.setWidth(120);
        label.setHeight(20);
        label.setText("www.example.org");
    });
    auto* shown = qobject_cast<QLabel*>(WidgetOf(window->findControl("Link")));
    ASSERT_TRUE(shown);
    Activate(*window);
    labelPressAnswer = false;
    QTest::mouseMove(shown, QPoint(5, 6));
    QTest::mousePress(shown, Qt::LeftButton, {}, QPoint(5, 6));
    QTest::mouseRelease(shown, Qt::LeftButton, {}, QPoint(7, 8));
    QTest::mouseMove(WidgetOf(window.get()), QPoint(250, 250));
    EXPECT_TRUE(WaitFor([] { return !Journal().empty() && Journal().back() == "exit"; }));
    EXPECT_EQ(Journal(), (Entries { "enter", "down 5,6", "up 7,8", "exit" }));
    auto* label = native_cast<Label>(window->findControl("Link"));
    EXPECT_EQ(label->mouseX(), 7);
    EXPECT_EQ(label->mouseY(), 8);
}

TEST_F(UserInputTest, AControlThatGoesWithTheMouseOverItHearsNothingMore)
{
    // A group box that reports the mouse, and a label inside it under the mouse.
    static ClassRecord* hoverBox = Subclass(GroupBox::Class(), "QtTestWindow.HoverBox",
        { { RectControlEvent::kMouseEnter, AsEntry(+[](Object*) { Journal().push_back("box enter"); }) },
            { RectControlEvent::kMouseExit, AsEntry(+[](Object*) { Journal().push_back("box exit"); }) } });
    auto window = OpenWindow({}, [](Window& w) {
        auto& box = placed(AddControl<GroupBox>(w, hoverBox, "Box"), 10, 120);
        box.setCaption("Gravity");
        placed(AddControl<Label>(w, RecordingLabelClass(), "Inside"), 50, 20).setInitialParent("Box");
    });
    auto* inside = WidgetOf(window->findControl("Inside"));
    ASSERT_TRUE(inside);
    Activate(*window);
    QTest::mouseMove(inside, QPoint(5, 6));
    ASSERT_TRUE(WaitFor([] { return !Journal().empty() && Journal().back() == "enter"; }));
    Journal().clear();
    window->Close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->closed());
    // The box goes first, and Qt, hiding its widget, moves the mouse onto it.
    for (const auto& entry : Journal())
        EXPECT_TRUE(entry != "box enter" && entry != "box exit") << entry << " reached the box on its way out";
}

TEST_F(UserInputTest, ATimerInModeOneFiresOnceAndModeTwoGoesOn)
{
    auto window = OpenWindow({}, [](Window& w) {
        auto& once = AddControl<Timer>(w, RecordingTimerClass(), "Once");
        once.setPeriod(10);
        once.setMode(1);
    });
    auto* once = native_cast<Timer>(window->findControl("Once"));
    EXPECT_TRUE(WaitFor([] { return !Journal().empty(); }));
    EXPECT_TRUE(periodsPass(10, 10)); // many periods: a single timer stays quiet
    EXPECT_EQ(Journal(), (Entries { "action" }));
    EXPECT_EQ(once->mode(), 0);

    once->setMode(2);
    EXPECT_TRUE(WaitFor([] { return Journal().size() >= 4; }));
    once->setMode(0);
    auto count = Journal().size();
    EXPECT_TRUE(periodsPass(5, 10));
    EXPECT_EQ(Journal().size(), count);
}

TEST_F(UserInputTest, UserEditsOfATextAreaReachTheObjectWithCRBetweenLines)
{
    auto window
        = OpenWindow({}, [](Window& w) { placed(AddControl<TextArea>(w, TextArea::Class(), "Notes"), 10, 80); });
    auto* area = native_cast<TextArea>(window->findControl("Notes"));
    auto* edit = focusedWidget<QTextEdit>(*window, "Notes");
    ASSERT_TRUE(edit);
    QTest::keyClicks(edit, "Mash");
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClicks(edit, "Boil");
    EXPECT_EQ(area->text(), "Mash\rBoil");
    area->setText("Mash\rBoil 60 min");
    EXPECT_EQ(edit->toPlainText(), "Mash\nBoil 60 min");
}

} // namespace
