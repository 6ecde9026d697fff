// What each kind of control shows: geometry in window coordinates (also inside a
// group box), texts, fonts and colours, field settings, popup rows, slider
// orientation and range, line end points, canvas pictures and help tags.
#include "ControlWidgets.h"
#include "PictureImage.h"
#include "QtTestSupport.h"
#include "WidgetOf.h"

#include <fw/Canvas.h>
#include <fw/FolderItem.h>
#include <fw/GroupBox.h>
#include <fw/Label.h>
#include <fw/Line.h>
#include <fw/PopupMenu.h>
#include <fw/Slider.h>
#include <fw/TextArea.h>
#include <fw/TextField.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMargins>
#include <QSlider>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>

namespace {

using namespace fw;
using namespace qt_test;

class ControlPeersTest : public QtPeerTest { };

template <class W> W* widgetOf(Window& window, std::string_view name)
{
    return qobject_cast<W*>(WidgetOf(window.findControl(name)));
}

TEST_F(ControlPeersTest, ControlsSitAtTheirWindowCoordinatesAlsoInsideAGroupBox)
{
    auto window = OpenWindow(
        [](Window& w) {
            w.setWidth(300);
            w.setHeight(200);
        },
        [](Window& w) {
            SetRect(AddControl<Label>(w, Label::Class(), "Free"), 10, 5, 100, 16);
            // Enclosed before its group box has a peer: it finds the box once the box has one.
            SetRect(AddControl<TextField>(w, TextField::Class(), "EarlyField"), 40, 100, 80, 22)
                .setInitialParent("Box");
            SetRect(AddControl<GroupBox>(w, GroupBox::Class(), "Box"), 20, 60, 200, 120).setCaption("Gravity");
            SetRect(AddControl<Label>(w, Label::Class(), "Inside"), 30, 80, 120, 16).setInitialParent("Box");
            SetRect(AddControl<Slider>(w, Slider::Class(), "Outside"), 250, 150, 100, 20);
        });
    struct Row {
        const char* name;
        QRect inWindow;
        const char* parent;
    } rows[] = {
        { "Free", QRect(10, 5, 100, 16), nullptr }, { "Box", QRect(20, 60, 200, 120), nullptr },
        { "Inside", QRect(30, 80, 120, 16), "Box" }, { "EarlyField", QRect(40, 100, 80, 22), "Box" },
        { "Outside", QRect(250, 150, 100, 20), nullptr }, // partly beyond the window's right edge
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QWidget* widget = WidgetOf(window->findControl(row.name));
        ASSERT_TRUE(widget);
        EXPECT_EQ(WindowRect(*window, widget), row.inWindow);
        EXPECT_EQ(
            widget->parentWidget(), row.parent ? WidgetOf(window->findControl(row.parent)) : ContentOf(window.get()));
        EXPECT_TRUE(widget->isVisible());
    }

    // Moving the box carries what it encloses; moving a control inside keeps window coordinates.
    auto* box = native_cast<GroupBox>(window->findControl("Box"));
    box->setLeft(30);
    auto* inside = native_cast<Label>(window->findControl("Inside"));
    EXPECT_EQ(WindowRect(*window, WidgetOf(inside)), QRect(30, 80, 120, 16));
    inside->setTop(90);
    EXPECT_EQ(WindowRect(*window, WidgetOf(inside)), QRect(30, 90, 120, 16));
    EXPECT_EQ(widgetOf<QGroupBox>(*window, "Box")->title(), "Gravity");
}

// A label makes its peer on CreatePane, before its window has one; it joins the window later.
TEST_F(ControlPeersTest, ALabelWithAPeerBeforeItsWindowJoinsTheWindow)
{
    QWidget* early = nullptr;
    auto window = OpenWindow({}, [&](Window& w) {
        auto& label = SetRect(AddControl<Label>(w, Label::Class(), "Early"), 15, 25, 90, 18);
        label.setText("early");
        label.EventCreatePane();
        early = WidgetOf(&label);
    });
    ASSERT_TRUE(early);
    EXPECT_EQ(early, WidgetOf(window->findControl("Early")));
    EXPECT_EQ(early->parentWidget(), ContentOf(window.get()));
    EXPECT_EQ(WindowRect(*window, early), QRect(15, 25, 90, 18));
    EXPECT_TRUE(early->isVisible());
}

// A group box that goes leaves the controls it enclosed where they were.
TEST_F(ControlPeersTest, ControlsOfAGroupBoxThatClosesStayInTheWindow)
{
    auto window = OpenWindow({}, [](Window& w) {
        SetRect(AddControl<GroupBox>(w, GroupBox::Class(), "Box"), 20, 20, 200, 100);
        SetRect(AddControl<Label>(w, Label::Class(), "Inside"), 30, 50, 80, 16).setInitialParent("Box");
    });
    QWidget* inside = WidgetOf(window->findControl("Inside"));
    native_cast<GroupBox>(window->findControl("Box"))->Close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(WidgetOf(window->findControl("Inside")), inside);
    EXPECT_EQ(inside->parentWidget(), ContentOf(window.get()));
    EXPECT_EQ(WindowRect(*window, inside), QRect(30, 50, 80, 16));
    EXPECT_TRUE(inside->isVisible());
}

TEST_F(ControlPeersTest, ALabelShowsItsTextColourFontAndAlignment)
{
    auto window = OpenWindow({}, [](Window& w) {
        auto& label = SetRect(AddControl<Label>(w, Label::Class(), "Result"), 10, 10, 200, 40);
        label.setText("Original gravity\rat 20 C");
        label.setTextColor(Color { 200, 10, 20 });
        label.setUnderline(true);
        label.setBold(true);
        label.setTextSize(15);
        label.setTextAlign(2);
        label.setMultiline(true);
        label.setHelpTag("What the sample gave");
    });
    auto* shown = widgetOf<QLabel>(*window, "Result");
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->text(), "Original gravity\nat 20 C");
    EXPECT_EQ(shown->textFormat(), Qt::PlainText);
    EXPECT_EQ(shown->palette().color(QPalette::Active, QPalette::WindowText), QColor(200, 10, 20));
    EXPECT_TRUE(shown->font().underline());
    EXPECT_TRUE(shown->font().bold());
    EXPECT_FALSE(shown->font().italic());
    EXPECT_EQ(shown->font().pixelSize(), 15) << "a design's text size is in pixels";
    EXPECT_EQ(shown->alignment(), Qt::AlignRight | Qt::AlignTop);
    EXPECT_TRUE(shown->wordWrap());
    EXPECT_EQ(shown->toolTip(), "What the sample gave");
    EXPECT_TRUE(shown->testAttribute(Qt::WA_OpaquePaintEvent));

    auto* label = native_cast<Label>(window->findControl("Result"));
    label->setEnabled(false);
    label->setTextAlign(1);
    label->setTextSize(0);
    label->setTransparent(true);
    EXPECT_FALSE(shown->testAttribute(Qt::WA_OpaquePaintEvent)); // the background behind shows through
    EXPECT_FALSE(shown->isEnabled());
    EXPECT_NE(shown->palette().color(QPalette::Disabled, QPalette::WindowText), QColor(200, 10, 20)); // greyed
    EXPECT_EQ(shown->alignment(), Qt::AlignHCenter | Qt::AlignTop);
    EXPECT_DOUBLE_EQ(shown->font().pointSizeF(), QApplication::font(shown).pointSizeF());
}

// An opaque label shows what holds it (the window's colour, a group box's inside)
// and hides what lies below it; a transparent one lets that show.
TEST_F(ControlPeersTest, AnOpaqueLabelShowsItsParentsBackgroundAndHidesWhatLiesBelow)
{
    QImage red(40, 40, QImage::Format_RGB32);
    red.fill(QColor(255, 0, 0));
    auto picture = fw::qt::PictureOf(red);
    const char* inBox = "Box";
    struct Row {
        const char* name;
        const char* parent;
        QPoint at; // the canvas's top-left; the label covers its left half
        bool transparent;
    } rows[] = {
        { "OpaqueOnTheWindow", nullptr, { 220, 20 }, false },
        { "ClearOnTheWindow", nullptr, { 220, 90 }, true },
        { "OpaqueInABox", inBox, { 40, 60 }, false },
        { "ClearInABox", inBox, { 100, 60 }, true },
    };
    auto window = OpenWindow(WhiteWindow(300, 200), [&](Window& w) {
        SetRect(AddControl<GroupBox>(w, GroupBox::Class(), inBox), 10, 10, 200, 150).setCaption("Box");
        for (const auto& row : rows) {
            auto& canvas = SetRect(AddControl<Canvas>(w, Canvas::Class(), std::string(row.name) + "Canvas"), row.at.x(),
                row.at.y(), 40, 40);
            canvas.setBackdrop(picture);
            auto& label = SetRect(AddControl<Label>(w, Label::Class(), row.name), row.at.x(), row.at.y(), 20, 40);
            label.setTransparent(row.transparent);
            if (row.parent) {
                canvas.setInitialParent(row.parent);
                label.setInitialParent(row.parent);
            }
        }
    });
    const QImage shown = WidgetOf(window.get())->grab().toImage();
    // What the window shows with neither canvases nor labels: the parents' own backgrounds.
    for (const auto& row : rows) {
        native_cast<Canvas>(window->findControl(std::string(row.name) + "Canvas"))->setVisible(false);
        native_cast<Label>(window->findControl(row.name))->setVisible(false);
    }
    const QImage parents = WidgetOf(window.get())->grab().toImage();
    const QPoint content = ContentOf(window.get())->pos();
    for (const auto& row : rows) {
        const QPoint underLabel = content + row.at + QPoint(10, 20);
        const QPoint besideLabel = underLabel + QPoint(20, 0);
        EXPECT_EQ(shown.pixelColor(besideLabel), QColor(255, 0, 0)) << row.name << ": the canvas";
        EXPECT_EQ(shown.pixelColor(underLabel), row.transparent ? QColor(255, 0, 0) : parents.pixelColor(underLabel))
            << row.name;
    }
    const QPoint boxInside = content + QPoint(45, 80);
    EXPECT_NE(parents.pixelColor(boxInside), QColor(255, 255, 255)) << "a group box's inside has a shade of its own";
}

// A label whose rectangle takes in part of a text field lies under the field and
// lays its text out past it, on the side where the field takes the least room.
TEST_F(ControlPeersTest, ALabelOverATextFieldLiesUnderItAndKeepsItsTextClearOfIt)
{
    auto window = OpenWindow({}, [](Window& w) {
        SetRect(AddControl<TextField>(w, TextField::Class(), "Field"), 20, 20, 80, 22);
        SetRect(AddControl<Label>(w, Label::Class(), "Below"), 20, 33, 80, 40).setText("Below");
        SetRect(AddControl<Label>(w, Label::Class(), "Beside"), 90, 20, 60, 22).setText("Beside");
        SetRect(AddControl<Label>(w, Label::Class(), "Apart"), 20, 80, 80, 20).setText("Apart");
    });
    auto* field = native_cast<TextField>(window->findControl("Field"));
    QWidget* fieldWidget = WidgetOf(field);
    struct Row {
        const char* name;
        QMargins clear;
    } rows[] = {
        { "Below", QMargins(0, 9, 0, 0) }, // its top 9 rows lie over the field
        { "Beside", QMargins(10, 0, 0, 0) }, // its left 10 columns
        { "Apart", QMargins() },
    };
    for (const auto& row : rows) {
        auto* label = widgetOf<QLabel>(*window, row.name);
        ASSERT_TRUE(label) << row.name;
        EXPECT_EQ(label->contentsMargins(), row.clear) << row.name;
        const QObjectList& stack = ContentOf(window.get())->children(); // bottom first
        if (!row.clear.isNull()) {
            EXPECT_LT(stack.indexOf(label), stack.indexOf(fieldWidget)) << row.name;
        }
    }

    // A field that moves away, or hides, leaves the labels their whole rectangles.
    field->setTop(120);
    EXPECT_EQ(widgetOf<QLabel>(*window, "Below")->contentsMargins(), QMargins());
    field->setTop(20);
    EXPECT_EQ(widgetOf<QLabel>(*window, "Below")->contentsMargins(), QMargins(0, 9, 0, 0));
    field->setVisible(false);
    EXPECT_EQ(widgetOf<QLabel>(*window, "Beside")->contentsMargins(), QMargins());
}

struct FieldRow {
    const char* name;
    std::int32_t alignment;
    bool readOnly, border, password;
    Qt::Alignment shownAlignment;
};

class TextFieldSettings : public ControlPeersTest, public testing::WithParamInterface<FieldRow> { };

TEST_P(TextFieldSettings, AreWhatTheLineEditShows)
{
    const FieldRow& row = GetParam();
    auto window = OpenWindow({}, [&](Window& w) {
        auto& field = SetRect(AddControl<TextField>(w, TextField::Class(), "Field"), 10, 10, 120, 22);
        field.setAlignment(row.alignment);
        field.setReadOnly(row.readOnly);
        field.setBorder(row.border);
        field.setPassword(row.password);
        field.setCueText("gravity");
        field.setText("1.050");
        field.setTextColor(Color { 0, 0, 160 });
        field.setBackColor(Color { 255, 255, 200 });
    });
    auto* edit = widgetOf<QLineEdit>(*window, "Field");
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->text(), "1.050");
    EXPECT_EQ(edit->alignment(), row.shownAlignment);
    EXPECT_EQ(edit->isReadOnly(), row.readOnly);
    EXPECT_EQ(edit->hasFrame(), row.border);
    EXPECT_EQ(edit->echoMode(), row.password ? QLineEdit::Password : QLineEdit::Normal);
    EXPECT_EQ(edit->placeholderText(), "gravity");
    EXPECT_EQ(edit->palette().color(QPalette::Active, QPalette::Text), QColor(0, 0, 160));
    EXPECT_EQ(edit->palette().color(QPalette::Active, QPalette::Base), QColor(255, 255, 200));
}

INSTANTIATE_TEST_SUITE_P(Rows, TextFieldSettings,
    testing::Values(FieldRow { "DefaultIsLeft", 0, false, true, false, Qt::AlignLeft | Qt::AlignVCenter },
        FieldRow { "Left", 1, false, true, false, Qt::AlignLeft | Qt::AlignVCenter },
        FieldRow { "CentredReadOnly", 2, true, true, false, Qt::AlignHCenter | Qt::AlignVCenter },
        FieldRow { "RightWithoutBorder", 3, false, false, false, Qt::AlignRight | Qt::AlignVCenter },
        FieldRow { "Password", 0, false, true, true, Qt::AlignLeft | Qt::AlignVCenter }),
    [](const testing::TestParamInfo<FieldRow>& info) { return info.param.name; });

// Counts the tooltip changes that reach a widget.
class ToolTipChanges : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::ToolTipChange)
            ++count;
        return false;
    }
};

TEST_F(ControlPeersTest, HelpTagAndCueTextShowTheirChangesAndAWrittenTextLeavesThemAlone)
{
    auto window = OpenWindow({}, [](Window& w) {
        auto& field = SetRect(AddControl<TextField>(w, TextField::Class(), "Result"), 10, 10, 120, 22);
        field.setHelpTag("Original gravity");
        field.setCueText("gravity");
    });
    auto* field = native_cast<TextField>(window->findControl("Result"));
    auto* edit = widgetOf<QLineEdit>(*window, "Result");
    ASSERT_TRUE(edit);
    ToolTipChanges tips;
    edit->installEventFilter(&tips);

    field->setText("1.050");
    EXPECT_EQ(edit->text(), "1.050");
    EXPECT_EQ(tips.count, 0) << "a result the program writes sets the text alone";
    EXPECT_EQ(edit->toolTip(), "Original gravity");
    EXPECT_EQ(edit->placeholderText(), "gravity");

    field->setHelpTag("Specific gravity");
    field->setCueText("1.0xx");
    EXPECT_EQ(edit->toolTip(), "Specific gravity");
    EXPECT_EQ(edit->placeholderText(), "1.0xx");
    EXPECT_EQ(edit->text(), "1.050");
}

TEST_F(ControlPeersTest, ALongTextTheProgramWritesShowsItsStartFocusedOrNot)
{
    auto window = OpenWindow({}, [](Window& w) {
        SetRect(AddControl<TextField>(w, TextField::Class(), "Result"), 10, 10, 80, 22).setReadOnly(true);
        SetRect(AddControl<TextField>(w, TextField::Class(), "Input"), 10, 40, 80, 22);
    });
    Activate(*window);
    struct Row {
        const char* name;
        const char* written;
        const char* focused;
    } rows[] = {
        { "AResultElsewhere", "Result", "Input" }, { "AResultWithTheFocus", "Result", "Result" },
        { "AnInputWithTheFocus", "Input", "Input" }, // by the program, not while the user edits it
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        widgetOf<QLineEdit>(*window, row.focused)->setFocus();
        auto* field = native_cast<TextField>(window->findControl(row.written));
        auto* edit = widgetOf<QLineEdit>(*window, row.written);
        ASSERT_EQ(edit->hasFocus(), std::string_view(row.written) == row.focused);
        field->setText("1066666666666666666666666666666666666666");
        edit->end(false); // the caret, and the view, at the end of the old text
        field->setText("-225865384615384615384615384615384615.000");
        EXPECT_EQ(edit->cursorPosition(), 0);
        EXPECT_TRUE(control_widgets::DrawsTheStartOfItsText(*edit));
    }
}

TEST_F(ControlPeersTest, ATextAreaShowsLinesAsPlainTextWithItsScrollBars)
{
    auto window = OpenWindow({}, [](Window& w) {
        auto& area = SetRect(AddControl<TextArea>(w, TextArea::Class(), "Notes"), 10, 10, 200, 100);
        area.setText("Mash at 66 C\rSparge <b>slowly</b>");
        area.setReadOnly(true);
        area.setStyled(false);
        area.setTextSize(13);
        area.setLineSpacing(1.5);
        area.setScrollbarVertical(false);
        area.setScrollbarHorizontal(true);
    });
    auto* edit = widgetOf<QTextEdit>(*window, "Notes");
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->toPlainText(), "Mash at 66 C\nSparge <b>slowly</b>");
    EXPECT_EQ(edit->document()->blockCount(), 2);
    EXPECT_TRUE(edit->isReadOnly());
    EXPECT_FALSE(edit->acceptRichText());
    EXPECT_EQ(edit->font().pixelSize(), 13);
    QTextBlockFormat second = edit->document()->findBlockByNumber(1).blockFormat();
    EXPECT_EQ(second.lineHeightType(), QTextBlockFormat::ProportionalHeight);
    EXPECT_DOUBLE_EQ(second.lineHeight(), 150.0);
    EXPECT_EQ(edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(edit->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
}

TEST_F(ControlPeersTest, APopupMenuShowsItsRowsAndNoRowForAnIndexOutsideThem)
{
    auto window = OpenWindow({}, [](Window& w) {
        auto& popup = SetRect(AddControl<PopupMenu>(w, PopupMenu::Class(), "Units"), 10, 10, 120, 24);
        popup.setInitialValue("Gallons\rLitres\rQuarts");
        popup.setListIndex(1);
    });
    auto* combo = widgetOf<QComboBox>(*window, "Units");
    ASSERT_TRUE(combo);
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(0), "Gallons");
    EXPECT_EQ(combo->itemText(2), "Quarts");
    EXPECT_EQ(combo->currentText(), "Litres");

    auto* popup = native_cast<PopupMenu>(window->findControl("Units"));
    popup->setListIndex(7);
    EXPECT_EQ(combo->currentIndex(), -1);
    popup->AddRow(NewString("Barrels").get());
    EXPECT_EQ(combo->count(), 4);
    popup->setListIndex(3);
    EXPECT_EQ(combo->currentText(), "Barrels");
}

struct SliderRow {
    const char* name;
    std::int32_t width, height, tickStyle;
    Qt::Orientation orientation;
    QSlider::TickPosition ticks;
};

class SliderShapes : public ControlPeersTest, public testing::WithParamInterface<SliderRow> { };

TEST_P(SliderShapes, ShowOrientationTicksAndRange)
{
    const SliderRow& row = GetParam();
    auto window = OpenWindow({}, [&](Window& w) {
        auto& slider = SetRect(AddControl<Slider>(w, Slider::Class(), "Slider"), 10, 10, row.width, row.height);
        slider.setMinimum(-5);
        slider.setMaximum(40);
        slider.setValue(12);
        slider.setLineStep(2);
        slider.setPageStep(10);
        slider.setTickStyle(row.tickStyle);
        slider.setLiveScroll(false);
    });
    auto* shown = widgetOf<QSlider>(*window, "Slider");
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->orientation(), row.orientation);
    EXPECT_EQ(shown->tickPosition(), row.ticks);
    EXPECT_EQ(shown->minimum(), -5);
    EXPECT_EQ(shown->maximum(), 40);
    EXPECT_EQ(shown->value(), 12);
    EXPECT_EQ(shown->singleStep(), 2);
    EXPECT_EQ(shown->pageStep(), 10);
    EXPECT_FALSE(shown->hasTracking());
}

INSTANTIATE_TEST_SUITE_P(Rows, SliderShapes,
    testing::Values(SliderRow { "WideWithoutTicks", 150, 20, 0, Qt::Horizontal, QSlider::NoTicks },
        SliderRow { "WideTicksBelow", 150, 20, 1, Qt::Horizontal, QSlider::TicksBelow },
        SliderRow { "TallTicksLeft", 20, 150, 2, Qt::Vertical, QSlider::TicksLeft },
        SliderRow { "SquareIsHorizontalBothSides", 40, 40, 3, Qt::Horizontal, QSlider::TicksBothSides }),
    [](const testing::TestParamInfo<SliderRow>& info) { return info.param.name; });

TEST_F(ControlPeersTest, ALineIsDrawnBetweenItsEndPointsInWindowCoordinates)
{
    auto window = OpenWindow(WhiteWindow(200, 120), [](Window& w) {
        SetEnds(AddControl<Line>(w, Line::Class(), "Across"), 110, 30, 10, 30).setLineColor(Color { 255, 0, 0 });
        auto& down = SetEnds(AddControl<Line>(w, Line::Class(), "Down"), 150, 10, 150, 90);
        down.setBorderWidth(3);
        down.setLineColor(Color { 0, 0, 255 });
    });
    QImage shown = ContentOf(window.get())->grab().toImage();
    const QColor red(255, 0, 0), blue(0, 0, 255), white(255, 255, 255);
    struct Row {
        const char* name;
        QPoint at;
        QColor colour;
    } rows[] = {
        { "AcrossFirstEnd", { 10, 30 }, red },
        { "AcrossMiddle", { 60, 30 }, red },
        { "AcrossSecondEnd", { 110, 30 }, red },
        { "AboveAcross", { 60, 29 }, white },
        { "BelowAcross", { 60, 31 }, white },
        { "BeyondAcross", { 112, 30 }, white },
        { "DownCentre", { 150, 50 }, blue },
        { "DownLeftEdge", { 149, 50 }, blue },
        { "DownRightEdge", { 151, 50 }, blue },
        { "BesideDown", { 153, 50 }, white },
    };
    for (const auto& row : rows)
        EXPECT_EQ(shown.pixelColor(row.at), row.colour) << row.name;
}

TEST_F(ControlPeersTest, ACanvasPaintsItsBackdropUnscaledAtItsTopLeft)
{
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(QColor(0, 128, 0));
    image.setPixelColor(0, 0, QColor(255, 0, 0));
    image.setPixelColor(3, 2, QColor(0, 0, 255));
    QTemporaryDir folder;
    QString path = folder.filePath("backdrop.png");
    ASSERT_TRUE(image.save(path, "PNG"));

    // Through the installed decoder, as the program opens its pictures.
    auto picture = FolderItem::ForPath(path.toStdString())->OpenAsPicture();
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width(), 4);
    EXPECT_EQ(picture->height(), 3);

    auto window = OpenWindow(
        [](Window& w) {
            w.setHasBackColor(true);
            w.setBackColor(Color { 255, 255, 255 });
        },
        [&](Window& w) {
            SetRect(AddControl<Canvas>(w, Canvas::Class(), "Picture"), 20, 20, 10, 10).setBackdrop(picture);
            SetRect(AddControl<Canvas>(w, Canvas::Class(), "Empty"), 40, 20, 10, 10);
        });
    QImage shown = ContentOf(window.get())->grab().toImage();
    EXPECT_EQ(shown.pixelColor(20, 20), QColor(255, 0, 0));
    EXPECT_EQ(shown.pixelColor(21, 21), QColor(0, 128, 0));
    EXPECT_EQ(shown.pixelColor(23, 22), QColor(0, 0, 255));
    EXPECT_EQ(shown.pixelColor(24, 20), QColor(255, 255, 255)); // unscaled: nothing beyond the picture
    EXPECT_EQ(shown.pixelColor(45, 25), QColor(255, 255, 255)); // no picture, nothing painted

    native_cast<Canvas>(window->findControl("Empty"))->setBackdrop(picture);
    EXPECT_EQ(ContentOf(window.get())->grab().toImage().pixelColor(40, 20), QColor(255, 0, 0));
}

TEST_F(ControlPeersTest, EveryKindOfControlShowsItsHelpTagAsATooltip)
{
    struct Row {
        const char* name;
        ClassRecord* (*cls)();
    } rows[] = {
        { "Label", &Label::Class },
        { "TextField", &TextField::Class },
        { "TextArea", &TextArea::Class },
        { "PopupMenu", &PopupMenu::Class },
        { "Slider", &Slider::Class },
        { "GroupBox", &GroupBox::Class },
        { "Canvas", &Canvas::Class },
    };
    auto window = OpenWindow({}, [&](Window& w) {
        for (const auto& row : rows)
            AddControl<RectControl>(w, row.cls(), row.name).setHelpTag(std::string("Help for ") + row.name);
    });
    for (const auto& row : rows) {
        QWidget* widget = WidgetOf(window->findControl(row.name));
        ASSERT_TRUE(widget) << row.name;
        EXPECT_EQ(widget->toolTip().toStdString(), std::string("Help for ") + row.name);
    }
}

} // namespace
