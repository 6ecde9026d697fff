// Control and timer classes whose event hooks write what happened to the journal
// (QtTestSupport.h), as a program's handlers would see it.
#pragma once

#include <fw/ClassRecord.h>

namespace qt_test {

// Label: "down x,y" (answering `labelPressAnswer`), "drag x,y", "up x,y", "enter", "exit".
fw::ClassRecord* RecordingLabelClass();
extern bool labelPressAnswer;

// TextField whose TextChange writes "change <text>" and then rewrites the field
// with three decimals, as a calculator's input field does ("1.0" becomes "1.000").
fw::ClassRecord* ReformattingFieldClass();
// TextField whose TextChange writes "change <text>".
fw::ClassRecord* CountingFieldClass();
// PopupMenu whose Change writes "change <row>".
fw::ClassRecord* RecordingPopupClass();
// Slider whose ValueChanged writes "value <value>".
fw::ClassRecord* RecordingSliderClass();
// Timer whose Action writes "action".
fw::ClassRecord* RecordingTimerClass();

} // namespace qt_test
