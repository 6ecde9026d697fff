// Every tool window shows its text fields whole and its labels readable, from
// the pixels on screen: no label lies above a text field it overlaps, the window
// shows each field as the field draws itself alone, every label's text stays
// inside the label and clear of the fields, and around its text a label shows
// the background of what holds it (the window, or the inside of a group box).
#include "ToolWindows.h"

#include <fw/Label.h>
#include <fw/TextField.h>

#include <QImage>
#include <QLabel>

#include <string>
#include <utility>
#include <vector>

namespace {

using namespace tool_windows;

struct Design {
    ToolWindow tool;
    std::vector<std::pair<const char*, const char*>> typed; // control, keys: fills the results first
    int overlaps; // label and text field pairs that share pixels in the design
};

void PrintTo(const Design& row, std::ostream* out) { *out << row.tool.row; }

const Design kRows[] = {
    // LabelAA covers TF_AA's lower 9 rows; LabelA, LabelABV, LabelA2 and LabelFB1 a field's bottom rows.
    { kRefractometer, { { "TF_OB", "12" }, { "TF_FB", "6" } }, 5 },
    { kBoilOff, {}, 0 },
    { kBottling, {}, 0 },
    { kCarbonation, {}, 0 },
    { kPartiGyle, {}, 0 },
};

struct Shown {
    std::string name;
    fw::Object* control;
    QWidget* widget;
};

// Where a label lays out its text, as QLabel does for plain text.
QRect textRectOf(const QLabel& label)
{
    int flags = static_cast<int>(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0);
    return label.fontMetrics().boundingRect(label.contentsRect(), flags, label.text());
}

class ToolWindowShowsWhole : public testing::TestWithParam<Design> {
protected:
    void SetUp() override
    {
        InitialiseFormulas();
        window = GetParam().tool.open();
        ASSERT_TRUE(window);
        top = fw::qt::WidgetOf(window.get());
        ASSERT_TRUE(top);
        for (auto [control, keys] : GetParam().typed)
            TypeInto(*window, control, keys);
        QCoreApplication::processEvents();
    }
    void TearDown() override { CloseAll(); }

    // The widgets of the window's shown controls of that class.
    template <class Model> std::vector<Shown> shownOf() const
    {
        std::vector<Shown> found;
        for (std::size_t k = 0; k < window->controlCount(); ++k)
            if (auto* control = dynamic_cast<Model*>(window->controlObject(k)))
                if (auto* widget = fw::qt::WidgetOf(control); widget && widget->isVisibleTo(top))
                    found.push_back({ std::string(control->name()), control, widget });
        return found;
    }
    std::vector<Shown> labels() const { return shownOf<fw::Label>(); }
    std::vector<Shown> fields() const { return shownOf<fw::TextField>(); }
    QRect inWindow(const QWidget* widget) const { return QRect(widget->mapTo(top, QPoint(0, 0)), widget->size()); }
    QRect textInWindow(const Shown& label) const
    {
        return textRectOf(*qobject_cast<QLabel*>(label.widget)).translated(inWindow(label.widget).topLeft());
    }

    fw::Ref<fw::Window> window;
    QWidget* top = nullptr;
};

TEST_P(ToolWindowShowsWhole, NoLabelLiesAboveATextFieldItOverlaps)
{
    int overlaps = 0;
    for (const Shown& label : labels())
        for (const Shown& field : fields()) {
            if (!inWindow(label.widget).intersects(inWindow(field.widget)))
                continue;
            ++overlaps;
            SCOPED_TRACE(label.name + " over " + field.name);
            ASSERT_EQ(label.widget->parentWidget(), field.widget->parentWidget());
            const QObjectList& stack = field.widget->parentWidget()->children(); // bottom to top
            EXPECT_LT(stack.indexOf(label.widget), stack.indexOf(field.widget));
        }
    EXPECT_EQ(overlaps, GetParam().overlaps);
}

TEST_P(ToolWindowShowsWhole, EveryTextFieldShowsAsItDrawsAlone)
{
    const QImage shown = top->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    for (const Shown& field : fields()) {
        const QImage alone = fw::qt::DrawnAlone(field.control);
        const QPoint at = inWindow(field.widget).topLeft();
        int differing = 0;
        for (int y = 0; y < alone.height(); ++y)
            for (int x = 0; x < alone.width(); ++x) {
                QRgb own = alone.pixel(x, y);
                // Rounded corners let the background through; every pixel the field covers counts.
                if (qAlpha(own) == 255 && shown.pixel(at + QPoint(x, y)) != own)
                    ++differing;
            }
        EXPECT_EQ(differing, 0) << field.name << ": pixels hidden or changed by what lies above it";
    }
}

TEST_P(ToolWindowShowsWhole, EveryLabelsTextStaysInsideTheLabelAndClearOfTheFields)
{
    for (const Shown& label : labels()) {
        QRect text = textInWindow(label);
        EXPECT_TRUE(inWindow(label.widget).contains(text)) << label.name << ": the text does not fit";
        for (const Shown& field : fields())
            EXPECT_FALSE(text.intersects(inWindow(field.widget))) << label.name << "'s text under " << field.name;
    }
}

TEST_P(ToolWindowShowsWhole, AroundItsTextALabelShowsTheBackgroundOfWhatHoldsIt)
{
    for (const Shown& label : labels()) {
        const QRect area = inWindow(label.widget) & top->rect();
        if (area.isEmpty())
            continue; // lies outside the window
        const QRect text = textInWindow(label).adjusted(-2, -2, 2, 2); // antialiasing may spill over
        label.widget->hide();
        const QImage behind = top->grab(area).toImage();
        label.widget->show();
        const QImage shown = top->grab(area).toImage();
        int differing = 0;
        for (int y = 0; y < area.height(); ++y)
            for (int x = 0; x < area.width(); ++x)
                if (!text.contains(area.topLeft() + QPoint(x, y)) && shown.pixel(x, y) != behind.pixel(x, y))
                    ++differing;
        EXPECT_EQ(differing, 0) << label.name << ": pixels of another shade around the text";
    }
}

INSTANTIATE_TEST_SUITE_P(EveryTool, ToolWindowShowsWhole, testing::ValuesIn(kRows),
    [](const testing::TestParamInfo<Design>& info) { return std::string(info.param.tool.row); });

} // namespace
