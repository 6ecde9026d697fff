// Windows on screen: title, content size and limits, the title-bar buttons,
// placement, the close box, modal running and the keyboard order.
#include "ControlPeer.h"
#include "QtTestSupport.h"
#include "RecordingControls.h"
#include "WidgetOf.h"

#include <fw/Label.h>
#include <fw/TextField.h>
#include <fw/Timer.h>

#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace {

using namespace fw;
using namespace qt_test;

class WindowPeerTest : public QtPeerTest { };

std::string nameOf(QWidget* widget)
{
    auto* peer = fw::qt::ControlPeer::forWidget(widget);
    return peer ? std::string(peer->object().name()) : "?";
}

TEST_F(WindowPeerTest, ContentAreaHasTheWindowsSizeAndLimitsBelowTheMenuBar)
{
    auto window = OpenWindow([](Window& w) {
        w.setTitle("Brix Tool");
        w.setWidth(320);
        w.setHeight(240);
        w.setMinWidth(200);
        w.setMinHeight(150);
        w.setMaxWidth(640);
        w.setMaxHeight(480);
    });
    QWidget* top = WidgetOf(window.get());
    QWidget* content = ContentOf(window.get());
    ASSERT_TRUE(top && content);
    EXPECT_TRUE(top->isVisible());
    EXPECT_EQ(top->windowTitle(), "Brix Tool");
    EXPECT_EQ(content->size(), QSize(320, 240));
    int bar = content->y();
    EXPECT_EQ(top->minimumSize(), QSize(200, 150 + bar));
    EXPECT_EQ(top->maximumSize(), QSize(640, 480 + bar));

    window->setWidth(400);
    window->setTitle("");
    EXPECT_EQ(content->size(), QSize(400, 240));
    EXPECT_TRUE(top->windowTitle().isEmpty());
}

struct FrameRow {
    const char* name;
    bool resizeable, closeButton, minimizeButton, maximizeButton;
    bool fixedSize, closeHint, minimizeHint, maximizeHint;
};

class WindowFrames : public WindowPeerTest, public testing::WithParamInterface<FrameRow> { };

TEST_P(WindowFrames, ShowTheTitleBarButtonsAndSizingThatTheWindowAsks)
{
    const FrameRow& row = GetParam();
    auto window = OpenWindow([&](Window& w) {
        w.setWidth(300);
        w.setHeight(200);
        w.setResizeable(row.resizeable);
        w.setCloseButton(row.closeButton);
        w.setMinimizeButton(row.minimizeButton);
        w.setMaximizeButton(row.maximizeButton);
    });
    QWidget* top = WidgetOf(window.get());
    ASSERT_TRUE(top);
    EXPECT_EQ(top->minimumSize() == top->maximumSize(), row.fixedSize);
    EXPECT_EQ(ContentOf(window.get())->size(), QSize(300, 200));
    Qt::WindowFlags flags = top->windowFlags();
    EXPECT_EQ(flags.testFlag(Qt::WindowCloseButtonHint), row.closeHint);
    EXPECT_EQ(flags.testFlag(Qt::WindowMinimizeButtonHint), row.minimizeHint);
    EXPECT_EQ(flags.testFlag(Qt::WindowMaximizeButtonHint), row.maximizeHint);
    EXPECT_TRUE(top->isVisible()); // changing the flags hides a window; the peer shows it again
}

INSTANTIATE_TEST_SUITE_P(Rows, WindowFrames,
    testing::Values(FrameRow { "AllButtons", true, true, true, true, false, true, true, true },
        FrameRow { "FixedSizeHasNoMaximize", false, true, true, true, true, true, true, false },
        FrameRow { "NoButtons", true, false, false, false, false, false, false, false },
        FrameRow { "CloseOnly", false, true, false, false, true, true, false, false }),
    [](const testing::TestParamInfo<FrameRow>& info) { return info.param.name; });

TEST_F(WindowPeerTest, PlacementTwoCentresTheWindowOnTheScreen)
{
    auto window = OpenWindow([](Window& w) {
        w.setWidth(300);
        w.setHeight(200);
        w.setPlacement(2);
    });
    QWidget* top = WidgetOf(window.get());
    QPoint screenCentre = top->screen()->availableGeometry().center();
    QPoint centre = top->frameGeometry().center();
    EXPECT_LE((centre - screenCentre).manhattanLength(), 2) << centre.x() << "," << centre.y();
}

TEST_F(WindowPeerTest, TheCloseBoxClosesTheWindowObject)
{
    auto window = OpenWindow([](Window& w) { w.setTitle("Closing"); });
    QPointer<QWidget> top = WidgetOf(window.get());
    ASSERT_TRUE(top);
    top->close(); // what the window manager does with a click on the close box
    EXPECT_TRUE(window->closed());
    EXPECT_TRUE(OpenWindows().empty());
    EXPECT_FALSE(top && top->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(top); // deleted later, not inside its own close event
}

// The run ends when the last window goes, so Qt must see every close as a close.
TEST_F(WindowPeerTest, ClosingTheLastWindowEitherWayTellsTheEventLoop)
{
    struct Row {
        const char* name;
        void (*close)(Window&);
    } rows[] = {
        { "CloseBox", [](Window& w) { WidgetOf(&w)->close(); } },
        { "ObjectClose", [](Window& w) { w.Close(); } },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        auto window = OpenWindow([](Window& w) { w.setTitle("Last"); });
        int lastClosed = 0;
        QObject context;
        QObject::connect(qApp, &QGuiApplication::lastWindowClosed, &context, [&] { ++lastClosed; });
        QTimer::singleShot(0, &context, [&] { row.close(*window); });
        QTimer::singleShot(50, &context, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec(); // lastWindowClosed comes only from the application's own loop
        EXPECT_TRUE(window->closed());
        EXPECT_EQ(lastClosed, 1);
    }
}

TEST_F(WindowPeerTest, ShowModalRunsANestedLoopUntilTheWindowCloses)
{
    auto ticking = OpenWindow([](Window& w) { w.setTitle("Ticking"); },
        [](Window& w) {
            auto& timer = AddControl<Timer>(w, RecordingTimerClass(), "Ticker");
            timer.setPeriod(5);
            timer.setMode(2);
        });
    auto dialog = OpenWindow([](Window& w) {
        w.setTitle("Modal");
        w.setVisible(false);
    });
    QWidget* top = WidgetOf(dialog.get());
    bool modalWhileShown = false;
    bool menuBarWhileShown = true;
    QTimer closer;
    closer.setInterval(20);
    QObject::connect(&closer, &QTimer::timeout, &closer, [&] {
        if (Journal().size() < 3 || !top->isVisible())
            return; // the other window's timer goes on while the dialog runs
        modalWhileShown = top->isModal() && QApplication::activeModalWidget() == top;
        menuBarWhileShown = MenuBarOf(dialog.get()) != nullptr;
        closer.stop();
        top->close(); // as the close box does
    });
    closer.start();
    dialog->ShowModal();
    EXPECT_TRUE(dialog->closed());
    EXPECT_TRUE(modalWhileShown);
    EXPECT_FALSE(menuBarWhileShown);
    EXPECT_GE(Journal().size(), 3u);
    EXPECT_TRUE(ticking->opened());
}

TEST_F(WindowPeerTest, TabFollowsTabIndexThenCreationOrderAndSkipsNonTabStops)
{
    auto window = OpenWindow([](Window& w) { w.setTitle("Tabs"); },
        [](Window& w) {
            struct {
                const char* name;
                std::int32_t tabIndex;
                bool tabStop;
            } fields[] = { { "A", 2, true }, { "B", 0, true }, { "C", 1, true }, { "D", 0, true }, { "E", 0, false } };
            std::int32_t top = 10;
            for (auto& row : fields) {
                auto& field = AddControl<TextField>(w, TextField::Class(), row.name);
                field.setLeft(10);
                field.setTop(top += 30);
                field.setHeight(22);
                field.setTabIndex(row.tabIndex);
                field.setTabStop(row.tabStop);
            }
        });
    Activate(*window);
    auto widget = [&](const char* name) { return WidgetOf(window->findControl(name)); };
    widget("B")->setFocus();
    std::string visited = "B";
    for (int k = 0; k < 4; ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited += nameOf(QApplication::focusWidget());
    }
    EXPECT_EQ(visited, "BDCAB");

    // Out of the tab chain, but a click still gives it the focus, and the object's Focus follows.
    QTest::mouseClick(widget("E"), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), widget("E"));
    EXPECT_EQ(window->focus(), window->findControl("E"));

    // The program moves the focus too.
    native_cast<RectControl>(window->findControl("C"))->SetFocus();
    EXPECT_EQ(QApplication::focusWidget(), widget("C"));
}

// A window opens with the keyboard in the first control of its keyboard order that
// takes it (the lowest TabIndex among the shown, enabled tab stops that take the
// focus, the order added among equals), its text selected as a Tab selects it. A
// focus the program gave before the window opened stays.
TEST_F(WindowPeerTest, AWindowOpensWithTheKeyboardWhereItsTabOrderStarts)
{
    struct Control {
        const char* name;
        std::int32_t tabIndex;
        bool isLabel = false, tabStop = true, visible = true, enabled = true;
    };
    struct Row {
        const char* name;
        std::vector<Control> controls;
        const char* focusedByProgram;
        const char* expected; // nullptr: no control has the keyboard
    } rows[] = {
        { "LowestTabIndex", { { "A", 2 }, { "B", 1 }, { "C", 3 } }, nullptr, "B" },
        { "OrderAddedAmongEquals", { { "A", 1 }, { "B", 1 } }, nullptr, "A" },
        { "SkipsWhatTakesNoFocus",
            { { "Label", 0, true }, { "NoTabStop", 0, false, false }, { "Hidden", 0, false, true, false },
                { "Disabled", 0, false, true, true, false }, { "Field", 5 } },
            nullptr, "Field" },
        { "TheProgramsFocusStays", { { "A", 0 }, { "B", 1 } }, "B", "B" },
        { "NoneTakesIt", { { "Label", 0, true } }, nullptr, nullptr },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        auto window = OpenWindow({}, [&](Window& w) {
            std::int32_t top = 0;
            for (const auto& control : row.controls) {
                auto& added = SetRect(
                    AddControl<RectControl>(w, control.isLabel ? Label::Class() : TextField::Class(), control.name), 10,
                    top += 30, 80, 22);
                added.setTabIndex(control.tabIndex);
                added.setTabStop(control.tabStop);
                added.setVisible(control.visible);
                added.setEnabled(control.enabled);
                if (auto* field = dynamic_cast<TextField*>(&added))
                    field->setText("1.050");
            }
            if (row.focusedByProgram)
                native_cast<RectControl>(w.findControl(row.focusedByProgram))->SetFocus();
        });
        Activate(*window);
        QWidget* expected = row.expected ? WidgetOf(window->findControl(row.expected)) : nullptr;
        auto* focused = fw::qt::ControlPeer::forWidget(QApplication::focusWidget());
        EXPECT_EQ(focused ? focused->widget() : nullptr, expected);
        EXPECT_EQ(window->focus(), row.expected ? window->findControl(row.expected) : nullptr);
        if (auto* edit = qobject_cast<QLineEdit*>(expected); edit && !row.focusedByProgram) {
            EXPECT_EQ(edit->selectedText(), "1.050");
        }
        window->Close();
    }
}

} // namespace
