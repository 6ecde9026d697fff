// Menu bars on screen: built from the framework's menu tree (mnemonics, separators,
// shortcuts, roles, hidden and disabled entries), shared actions across windows,
// the application's bar, choices by mouse and by shortcut reaching the
// application's handlers, and the standard edit entries acting on the focused field.
#include "QtTestSupport.h"
#include "ShortcutText.h"
#include "WidgetOf.h"

#include <fw/Application.h>
#include <fw/MenuItem.h>
#include <fw/Slider.h>
#include <fw/TextField.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSlider>
#include <QTest>
#include <QTimer>

namespace {

using namespace fw;
using namespace qt_test;

std::vector<std::string> handled;

template <const char* Name> bool recordingHandler(Object*)
{
    handled.emplace_back(Name);
    return true;
}
constexpr char kSave[] = "FileSave";
constexpr char kCopy[] = "EditCopy";
constexpr char kSelectAll[] = "EditSelectAll";

struct Entry {
    const char* name;
    const char* text;
    const char* shortcut = "";
    ClassRecord* (*cls)() = &MenuItem::Class;
};

Ref<MenuItem> makeEntry(const Entry& entry)
{
    auto object = RuntimeNewObject(entry.cls());
    auto item = Ref<MenuItem>::adopt(native_cast<MenuItem>(object.release()));
    item->setName(entry.name);
    item->setText(entry.text);
    item->setKeyboardShortcut(entry.shortcut);
    return item;
}

// File (Save, a separator, a hidden entry, Quit) and Edit (Undo, a disabled Redo, Cut, Copy, Paste, Select All).
Ref<MenuBar> makeBar()
{
    auto object = RuntimeNewObject(MenuBar::Class());
    auto bar = Ref<MenuBar>::adopt(native_cast<MenuBar>(object.release()));
    auto file = makeEntry({ "FileMenu", "&File" });
    for (const Entry& entry : { Entry { "FileSave", "&Save", "Cmd+S" }, Entry { "Separator", "-" },
             Entry { "FileHidden", "Hidden" }, Entry { "FileQuit", "&Quit", "Cmd+Q", &QuitMenuItem::Class } })
        file->Append(makeEntry(entry).get());
    file->entryAt(2)->setVisible(false);
    auto edit = makeEntry({ "EditMenu", "&Edit" });
    for (const Entry& entry : { Entry { "EditUndo", "&Undo", "Cmd+Z" }, Entry { "EditRedo", "&Redo", "Shift+Cmd+Z" },
             Entry { "EditCut", "Cu&t", "Cmd+X" }, Entry { "EditCopy", "&Copy", "Cmd+C" },
             Entry { "EditPaste", "&Paste", "Cmd+V" }, Entry { "EditSelectAll", "Select &All", "Cmd+A" } })
        edit->Append(makeEntry(entry).get());
    edit->entryAt(1)->setEnabled(false);
    bar->Append(file.get());
    bar->Append(edit.get());
    return bar;
}

MenuItem* entryNamed(MenuBar& bar, const char* name) { return bar.Lookup(NewString(name).get()).get(); }

QMenu* menuOf(QMenuBar* bar, int index) { return bar->actions().value(index)->menu(); }

class MenuPeerTest : public QtPeerTest {
protected:
    void SetUp() override
    {
        QtPeerTest::SetUp();
        handled.clear();
        auto object = RuntimeNewObject(Application::Class());
        application = Ref<Application>::adopt(native_cast<Application>(object.release()));
        RuntimeRegisterAppObject(application.get());
        bar = makeBar();
        application->setMenuBar(bar);
        application->AddMenuHandler(NewString(kSave).get(), &recordingHandler<kSave>);
        application->AddMenuHandler(NewString(kCopy).get(), &recordingHandler<kCopy>);
        application->AddMenuHandler(NewString(kSelectAll).get(), &recordingHandler<kSelectAll>);
    }

    // Opens a menu of the window's bar with the mouse and chooses one of its entries.
    void choose(Window& window, int menu, MenuItem* item)
    {
        QMenuBar* shown = MenuBarOf(&window);
        ASSERT_TRUE(shown);
        QTest::mouseClick(shown, Qt::LeftButton, {}, shown->actionGeometry(shown->actions()[menu]).center());
        QMenu* popup = menuOf(shown, menu);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(popup, patience::kLimitMs));
        QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(ActionOf(item)).center());
        ASSERT_TRUE(WaitFor([&] { return !popup->isVisible(); }));
    }

    Ref<Application> application;
    Ref<MenuBar> bar;
};

TEST_F(MenuPeerTest, AWindowShowsTheApplicationsBarBuiltFromTheMenuTree)
{
    auto window = OpenWindow([](Window& w) { w.setTitle("Menus"); });
    QMenuBar* shown = MenuBarOf(window.get());
    ASSERT_TRUE(shown);
    ASSERT_EQ(shown->actions().size(), 2);
    EXPECT_EQ(shown->actions()[0]->text(), "&File");
    EXPECT_EQ(shown->actions()[1]->text(), "&Edit");

    QMenu* file = menuOf(shown, 0);
    ASSERT_TRUE(file);
    auto actions = file->actions();
    ASSERT_EQ(actions.size(), 4);
    EXPECT_EQ(actions[0]->text(), "&Save");
    EXPECT_EQ(actions[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_TRUE(actions[1]->isSeparator());
    EXPECT_FALSE(actions[2]->isVisible());
    EXPECT_EQ(actions[3]->menuRole(), QAction::QuitRole);
    EXPECT_EQ(actions[3]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));

    QAction* redo = ActionOf(entryNamed(*bar, "EditRedo"));
    EXPECT_FALSE(redo->isEnabled());
    EXPECT_EQ(redo->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));

    // The object changes afterwards, and the bar follows.
    entryNamed(*bar, "FileSave")->setText("Save &As");
    EXPECT_EQ(actions[0]->text(), "Save &As");
    entryNamed(*bar, "FileSave")->setHelpTag("Saves the brew under another name");
    EXPECT_EQ(actions[0]->toolTip(), "Saves the brew under another name");
    auto added = makeEntry({ "FileClose", "&Close", "Cmd+W" });
    entryNamed(*bar, "FileMenu")->Insert(0, added.get());
    ASSERT_EQ(menuOf(MenuBarOf(window.get()), 0)->actions().size(), 5);
    EXPECT_EQ(menuOf(MenuBarOf(window.get()), 0)->actions()[0], ActionOf(added.get()));
}

// A separator ("-") shows only its line: the same pixels as Qt's own separator in its place.
TEST_F(MenuPeerTest, ASeparatorShowsOnlyItsLine)
{
    auto window = OpenWindow([](Window& w) { w.setTitle("Separators"); });
    QMenu* file = menuOf(MenuBarOf(window.get()), 0);
    ASSERT_TRUE(file);
    QAction* separator = ActionOf(entryNamed(*bar, "Separator"));
    ASSERT_TRUE(separator->isSeparator());
    QMenu qts;
    for (QAction* action : file->actions())
        if (action == separator)
            qts.addSeparator();
        else
            qts.addAction(action);
    auto row = [](QMenu& menu, QAction* action) {
        menu.adjustSize();
        return menu.grab(menu.actionGeometry(action)).toImage();
    };
    EXPECT_EQ(row(*file, separator), row(qts, qts.actions()[1]));
}

TEST_F(MenuPeerTest, EveryWindowBarSharesTheEntriesActionsAndAWindowsOwnBarComesFirst)
{
    auto first = OpenWindow([](Window& w) { w.setTitle("First"); });
    auto second = OpenWindow([](Window& w) { w.setTitle("Second"); });
    QAction* save = ActionOf(entryNamed(*bar, "FileSave"));
    EXPECT_EQ(menuOf(MenuBarOf(first.get()), 0)->actions()[0], save);
    EXPECT_EQ(menuOf(MenuBarOf(second.get()), 0)->actions()[0], save);
    EXPECT_NE(menuOf(MenuBarOf(first.get()), 0), menuOf(MenuBarOf(second.get()), 0));

    auto own = makeBar();
    own->entryAt(0)->setText("&Brew");
    auto third = OpenWindow([&](Window& w) { w.setMenuBar(own); });
    EXPECT_EQ(MenuBarOf(third.get())->actions()[0]->text(), "&Brew");
    third->setMenuBarVisible(false);
    EXPECT_EQ(MenuBarOf(third.get()), nullptr);
    EXPECT_EQ(ContentOf(third.get())->y(), 0);
}

TEST_F(MenuPeerTest, AChoiceByMouseOrByShortcutReachesTheApplicationsHandler)
{
    auto window = OpenWindow([](Window& w) { w.setTitle("Choices"); });
    Activate(*window);
    choose(*window, 0, entryNamed(*bar, "FileSave"));
    EXPECT_EQ(handled, (std::vector<std::string> { kSave }));

    QTest::keyClick(WidgetOf(window.get()), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(handled, (std::vector<std::string> { kSave, kSave }));
}

TEST_F(MenuPeerTest, StandardEditEntriesActOnTheFocusedFieldAndOtherwiseOnTheHandler)
{
    auto window = OpenWindow({}, [](Window& w) {
        auto& field = AddControl<TextField>(w, TextField::Class(), "Field");
        field.setLeft(10);
        field.setTop(10);
        field.setWidth(150);
        field.setHeight(22);
        field.setText("hello");
        auto& slider = AddControl<Slider>(w, Slider::Class(), "Slider");
        slider.setLeft(10);
        slider.setTop(50);
        slider.setWidth(150);
        slider.setHeight(20);
    });
    auto* field = native_cast<TextField>(window->findControl("Field"));
    auto* edit = qobject_cast<QLineEdit*>(WidgetOf(field));
    Activate(*window);
    edit->setFocus();
    edit->deselect();

    choose(*window, 1, entryNamed(*bar, "EditSelectAll"));
    EXPECT_EQ(edit->selectedText(), "hello");
    choose(*window, 1, entryNamed(*bar, "EditCut"));
    EXPECT_EQ(QApplication::clipboard()->text(), "hello");
    EXPECT_EQ(field->text(), ""); // the cut reaches the object as the user's edit
    choose(*window, 1, entryNamed(*bar, "EditPaste"));
    choose(*window, 1, entryNamed(*bar, "EditPaste"));
    EXPECT_EQ(field->text(), "hellohello");
    choose(*window, 1, entryNamed(*bar, "EditUndo"));
    EXPECT_EQ(field->text(), "hello");
    EXPECT_TRUE(handled.empty()); // a focused text widget takes them all

    WidgetOf(window->findControl("Slider"))->setFocus();
    choose(*window, 1, entryNamed(*bar, "EditCopy"));
    EXPECT_EQ(handled, (std::vector<std::string> { kCopy }));
}

TEST_F(MenuPeerTest, AModalWindowShowsNoMenuBar)
{
    auto dialog = OpenWindow([](Window& w) { w.setVisible(false); });
    EXPECT_TRUE(MenuBarOf(dialog.get())); // until it is shown modally
    bool barWhileModal = true;
    QTimer::singleShot(10, WidgetOf(dialog.get()), [&] {
        barWhileModal = MenuBarOf(dialog.get()) != nullptr;
        dialog->Close();
    });
    dialog->ShowModal();
    EXPECT_FALSE(barWhileModal);
}

struct ShortcutRow {
    const char* name;
    const char* text;
    std::int32_t extra;
    QKeySequence expected;
};

class ShortcutTexts : public testing::TestWithParam<ShortcutRow> { };

TEST_P(ShortcutTexts, ReadCmdAsThePrimaryModifier)
{
    const ShortcutRow& row = GetParam();
    EXPECT_EQ(fw::qt::KeySequenceFor(row.text, row.extra), row.expected)
        << fw::qt::KeySequenceFor(row.text, row.extra).toString().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Rows, ShortcutTexts,
    testing::Values(ShortcutRow { "CmdQ", "Cmd+Q", 0, QKeySequence(Qt::CTRL | Qt::Key_Q) },
        ShortcutRow { "LowerCaseKey", "Cmd+q", 0, QKeySequence(Qt::CTRL | Qt::Key_Q) },
        ShortcutRow { "ShiftCmdZ", "Shift+Cmd+Z", 0, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z) },
        ShortcutRow { "OptionIsAlt", "Option+Cmd+B", 0, QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_B) },
        ShortcutRow { "ExtraShift", "Cmd+S", 1, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S) },
        ShortcutRow { "ExtraSecondary", "Cmd+K", 4, QKeySequence(Qt::CTRL | Qt::META | Qt::Key_K) },
        ShortcutRow { "PlusKey", "Cmd++", 0, QKeySequence(Qt::CTRL | Qt::Key_Plus) },
        ShortcutRow { "NamedKey", "Cmd+F5", 0, QKeySequence(Qt::CTRL | Qt::Key_F5) },
        ShortcutRow { "Empty", "", 0, QKeySequence() }, ShortcutRow { "UnknownModifier", "Hyper+Q", 0, QKeySequence() },
        ShortcutRow { "NoKey", "Cmd+", 0, QKeySequence() }),
    [](const testing::TestParamInfo<ShortcutRow>& info) { return info.param.name; });

} // namespace
