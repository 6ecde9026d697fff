// A picture of a whole window, menu bar included, saved into the build tree
// (test-screenshots/ beside bin/) for people to look at.
#include "PictureImage.h"
#include "QtTestSupport.h"
#include "WidgetOf.h"

#include <fw/Application.h>
#include <fw/Canvas.h>
#include <fw/GroupBox.h>
#include <fw/Label.h>
#include <fw/Line.h>
#include <fw/MenuItem.h>
#include <fw/PopupMenu.h>
#include <fw/Slider.h>
#include <fw/TextArea.h>
#include <fw/TextField.h>
#include <fw/qt/Screenshot.h>

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QWidget>

namespace {

using namespace fw;
using namespace qt_test;

class ScreenshotTest : public QtPeerTest { };

Ref<MenuItem> entry(ClassRecord* cls, const char* text, const char* shortcut = "")
{
    auto object = RuntimeNewObject(cls);
    auto item = Ref<MenuItem>::adopt(native_cast<MenuItem>(object.release()));
    item->setText(text);
    item->setKeyboardShortcut(shortcut);
    return item;
}

Ref<MenuBar> designBar()
{
    auto object = RuntimeNewObject(MenuBar::Class());
    auto bar = Ref<MenuBar>::adopt(native_cast<MenuBar>(object.release()));
    auto file = entry(MenuItem::Class(), "&File");
    file->Append(entry(QuitMenuItem::Class(), "&Quit", "Cmd+Q").get());
    auto edit = entry(MenuItem::Class(), "&Edit");
    edit->Append(entry(MenuItem::Class(), "&Copy", "Cmd+C").get());
    auto tools = entry(MenuItem::Class(), "Tools");
    tools->Append(entry(MenuItem::Class(), "Brix Tool").get());
    bar->Append(file.get());
    bar->Append(edit.get());
    bar->Append(tools.get());
    return bar;
}

Ref<Picture> amberGradient()
{
    QImage image(64, 64, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 0, 64);
    gradient.setColorAt(0, QColor(250, 200, 60));
    gradient.setColorAt(1, QColor(150, 70, 10));
    painter.fillRect(image.rect(), gradient);
    return fw::qt::PictureOf(image);
}

TEST_F(ScreenshotTest, SavesTheWholeWindowAsAPng)
{
    auto bar = designBar();
    auto window = OpenWindow(
        [&](Window& w) {
            w.setTitle("Refractometer");
            w.setWidth(360);
            w.setHeight(260);
            w.setMenuBar(bar);
        },
        [](Window& w) {
            SetRect(AddControl<GroupBox>(w, GroupBox::Class(), "Reading"), 10, 10, 250, 110).setCaption("Reading");
            auto& brixLabel = SetRect(AddControl<Label>(w, Label::Class(), "L_Brix"), 20, 40, 110, 20);
            brixLabel.setText("Original Brix:");
            brixLabel.setInitialParent("Reading");
            auto& brix = SetRect(AddControl<TextField>(w, TextField::Class(), "TF_OB"), 140, 38, 100, 24);
            brix.setText("12.5");
            brix.setAlignment(3);
            brix.setInitialParent("Reading");
            auto& gravityLabel = SetRect(AddControl<Label>(w, Label::Class(), "L_OG"), 20, 80, 110, 20);
            gravityLabel.setText("Gravity:");
            gravityLabel.setInitialParent("Reading");
            auto& gravity = SetRect(AddControl<TextField>(w, TextField::Class(), "TF_OG"), 140, 78, 100, 24);
            gravity.setText("1.050");
            gravity.setReadOnly(true);
            gravity.setBackColor(Color { 235, 235, 235 });
            gravity.setInitialParent("Reading");
            SetRect(AddControl<Canvas>(w, Canvas::Class(), "Glass"), 280, 20, 64, 64).setBackdrop(amberGradient());
            auto& units = SetRect(AddControl<PopupMenu>(w, PopupMenu::Class(), "Units"), 10, 135, 160, 26);
            units.setInitialValue("Specific gravity\rPlato");
            units.setListIndex(0);
            auto& correction = SetRect(AddControl<Slider>(w, Slider::Class(), "Correction"), 185, 135, 160, 26);
            correction.setValue(40);
            correction.setTickStyle(1);
            SetEnds(AddControl<Line>(w, Line::Class(), "Rule"), 10, 172, 350, 172)
                .setLineColor(Color { 120, 120, 120 });
            auto& note = SetRect(AddControl<Label>(w, Label::Class(), "Note"), 10, 182, 340, 70);
            note.setText("Readings are corrected for wort.\rRed, bold and underlined: a warning.");
            note.setMultiline(true);
            note.setTextColor(Color { 180, 0, 0 });
            note.setBold(true);
            note.setUnderline(true);
        });

    QDir folder(QCoreApplication::applicationDirPath() + "/../test-screenshots");
    ASSERT_TRUE(folder.mkpath("."));
    QString path = folder.filePath("qt-peers-window.png");
    ASSERT_TRUE(SaveWindowImage(window.get(), path.toStdString()));
    QImage saved(path);
    ASSERT_FALSE(saved.isNull());
    QWidget* top = WidgetOf(window.get());
    EXPECT_EQ(saved.size(), top->size() * top->devicePixelRatioF());
    EXPECT_GT(saved.height(), 260); // the menu bar above the content

    EXPECT_FALSE(SaveWindowImage(nullptr, path.toStdString()));
}

} // namespace
