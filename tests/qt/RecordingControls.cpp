#include "RecordingControls.h"

#include "QtTestSupport.h"

#include <fw/Label.h>
#include <fw/NumberMasks.h>
#include <fw/Numbers.h>
#include <fw/PopupMenu.h>
#include <fw/Slider.h>
#include <fw/TextField.h>
#include <fw/Timer.h>

#include <string>

namespace qt_test {

using namespace fw;

bool labelPressAnswer = false;

namespace {
constexpr std::string_view kThreeDecimals = "0.000";
constexpr std::int32_t kFormatFlag = 1;

std::string at(std::int32_t x, std::int32_t y) { return std::to_string(x) + "," + std::to_string(y); }

bool labelDown(Object*, std::int32_t x, std::int32_t y)
{
    Journal().push_back("down " + at(x, y));
    return labelPressAnswer;
}
void labelDrag(Object*, std::int32_t x, std::int32_t y) { Journal().push_back("drag " + at(x, y)); }
void labelUp(Object*, std::int32_t x, std::int32_t y) { Journal().push_back("up " + at(x, y)); }
void entered(Object*) { Journal().push_back("enter"); }
void exited(Object*) { Journal().push_back("exit"); }

void reformat(Object* self)
{
    auto* field = native_cast<TextField>(self);
    Journal().push_back("change " + std::string(field->text()));
    field->setText(StringFormat(runCDbl(field->text()), kThreeDecimals, kFormatFlag));
}

void countChange(Object* self) { Journal().push_back("change " + std::string(native_cast<TextField>(self)->text())); }

void popupChanged(Object* self)
{
    Journal().push_back("change " + std::to_string(native_cast<PopupMenu>(self)->listIndex()));
}

void sliderMoved(Object* self) { Journal().push_back("value " + std::to_string(native_cast<Slider>(self)->value())); }

void timerAction(Object*) { Journal().push_back("action"); }
} // namespace

ClassRecord* RecordingLabelClass()
{
    static ClassRecord* cls = Subclass(Label::Class(), "QtTestWindow.RecordingLabel",
        { { LabelEvent::kMouseDown, AsEntry(&labelDown) }, { LabelEvent::kMouseDrag, AsEntry(&labelDrag) },
            { LabelEvent::kMouseUp, AsEntry(&labelUp) }, { RectControlEvent::kMouseEnter, AsEntry(&entered) },
            { RectControlEvent::kMouseExit, AsEntry(&exited) } });
    return cls;
}

ClassRecord* ReformattingFieldClass()
{
    static ClassRecord* cls = Subclass(
        TextField::Class(), "QtTestWindow.ReformattingField", { { TextEditEvent::kTextChange, AsEntry(&reformat) } });
    return cls;
}

ClassRecord* CountingFieldClass()
{
    static ClassRecord* cls = Subclass(
        TextField::Class(), "QtTestWindow.CountingField", { { TextEditEvent::kTextChange, AsEntry(&countChange) } });
    return cls;
}

ClassRecord* RecordingPopupClass()
{
    static ClassRecord* cls = Subclass(
        PopupMenu::Class(), "QtTestWindow.RecordingPopup", { { PopupMenuEvent::kChange, AsEntry(&popupChanged) } });
    return cls;
}

ClassRecord* RecordingSliderClass()
{
    static ClassRecord* cls = Subclass(
        Slider::Class(), "QtTestWindow.RecordingSlider", { { SliderEvent::kValueChanged, AsEntry(&sliderMoved) } });
    return cls;
}

ClassRecord* RecordingTimerClass()
{
    static ClassRecord* cls
        = Subclass(Timer::Class(), "QtTestWindow.RecordingTimer", { { TimerEvent::kAction, AsEntry(&timerAction) } });
    return cls;
}

} // namespace qt_test
