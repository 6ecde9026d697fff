// The property tables of the framework's classes whose properties a property
// stream sets: the window, the timer and the controls. Each class's registration
// makes its property records from its table's rows, and a stream's design checks
// its keys against the table of the class it is applied to when compiled
// (PropertyRows.h). The tables are kept apart from the class headers, since an
// object property's row needs its value's class complete.
#pragma once

#include <fw/Canvas.h>
#include <fw/Control.h>
#include <fw/GroupBox.h>
#include <fw/Label.h>
#include <fw/Line.h>
#include <fw/MenuItem.h>
#include <fw/PopupMenu.h>
#include <fw/PropertyRows.h>
#include <fw/RectControl.h>
#include <fw/Slider.h>
#include <fw/TextArea.h>
#include <fw/TextEdit.h>
#include <fw/TextField.h>
#include <fw/Timer.h>
#include <fw/Window.h>

namespace fw {

namespace ControlProperty {
inline constexpr detail::NativeProperty kRows[] = {
    detail::Property<"Name", &Control::name, &Control::setName>(),
    detail::Property<"Index", &Control::index, &Control::setIndex>(),
    detail::Property<"Window", &Control::windowProperty>(),
    detail::Property<"Handle", &Control::handle>(),
    detail::Property<"Opened", &Control::opened>(),
};
inline constexpr auto kTable = PropertiesOf<Control>(kObjectProperties, kRows);
} // namespace ControlProperty

// The font rows of a control that shows text, which each class below TextFontControl
// joins last to its own rows: TextFontControl has no class record of its own.
namespace TextFontControlProperty {
inline constexpr std::array kRows {
    detail::Property<"TextFont", &TextFontControl::textFont, &TextFontControl::setTextFont>(),
    detail::Property<"Bold", &TextFontControl::bold, &TextFontControl::setBold>(),
    detail::Property<"Italic", &TextFontControl::italic, &TextFontControl::setItalic>(),
    detail::Property<"Underline", &TextFontControl::underline, &TextFontControl::setUnderline>(),
    detail::Property<"TextUnit", &TextFontControl::textUnit, &TextFontControl::setTextUnit>(),
    detail::Property<"TextSize", &TextFontControl::textSize, &TextFontControl::setTextSize>(),
};
} // namespace TextFontControlProperty

namespace RectControlProperty {
inline constexpr detail::NativeProperty kRows[] = {
    detail::Property<"Left", &RectControl::left, &RectControl::setLeft>(),
    detail::Property<"Top", &RectControl::top, &RectControl::setTop>(),
    detail::Property<"Width", &RectControl::width, &RectControl::setWidth>(),
    detail::Property<"Height", &RectControl::height, &RectControl::setHeight>(),
    detail::Property<"LockLeft", &RectControl::lockLeft, &RectControl::setLockLeft>(),
    detail::Property<"LockTop", &RectControl::lockTop, &RectControl::setLockTop>(),
    detail::Property<"LockRight", &RectControl::lockRight, &RectControl::setLockRight>(),
    detail::Property<"LockBottom", &RectControl::lockBottom, &RectControl::setLockBottom>(),
    detail::Property<"TabPanelIndex", &RectControl::tabPanelIndex, &RectControl::setTabPanelIndex>(),
    detail::Property<"TabIndex", &RectControl::tabIndex, &RectControl::setTabIndex>(),
    detail::Property<"TabStop", &RectControl::tabStop, &RectControl::setTabStop>(),
    detail::Property<"Enabled", &RectControl::enabled, &RectControl::setEnabled>(),
    detail::Property<"Visible", &RectControl::visible, &RectControl::setVisible>(),
    detail::Property<"HelpTag", &RectControl::helpTag, &RectControl::setHelpTag>(),
    detail::Property<"AutoDeactivate", &RectControl::autoDeactivate, &RectControl::setAutoDeactivate>(),
    detail::Property<"InitialParent", &RectControl::initialParent, &RectControl::setInitialParent>(),
    detail::Property<"DataSource", &RectControl::dataSource, &RectControl::setDataSource>(),
    detail::Property<"DataField", &RectControl::dataField, &RectControl::setDataField>(),
    detail::Property<"Parent", &RectControl::parentProperty>(),
    detail::Property<"HasFocus", &RectControl::hasFocus>(),
    detail::Property<"MouseX", &RectControl::mouseX>(),
    detail::Property<"MouseY", &RectControl::mouseY>(),
    detail::Property<"Right", &RectControl::right>(),
    detail::Property<"Bottom", &RectControl::bottom>(),
    detail::Property<"Active", &RectControl::active>(),
    detail::Property<"AcceptsDrops", &RectControl::acceptsDrops>(),
    detail::Property<"Invalidated", &RectControl::invalidated>(),
    detail::Property<"ZOrder", &RectControl::zOrder>(),
    detail::Property<"ScaleFactor", &RectControl::scaleFactor>(),
    detail::Property<"Hovered", &RectControl::hovered>(),
};
inline constexpr auto kTable = PropertiesOf<RectControl>(ControlProperty::kTable, kRows);
} // namespace RectControlProperty

namespace TextEditProperty {
inline constexpr auto kRows = Joined(
    std::array {
        detail::Property<"Text", &TextEdit::text, &TextEdit::setText>(),
        detail::Property<"LimitText", &TextEdit::limitText, &TextEdit::setLimitText>(),
        detail::Property<"ReadOnly", &TextEdit::readOnly, &TextEdit::setReadOnly>(),
        detail::Property<"Alignment", &TextEdit::alignment, &TextEdit::setAlignment>(),
        detail::Property<"Border", &TextEdit::border, &TextEdit::setBorder>(),
        detail::Property<"UseFocusRing", &TextEdit::useFocusRing, &TextEdit::setUseFocusRing>(),
        detail::Property<"TextColor", &TextEdit::textColor, &TextEdit::setTextColor>(),
        detail::Property<"BackColor", &TextEdit::backColor, &TextEdit::setBackColor>(),
        detail::Property<"Format", &TextEdit::format, &TextEdit::setFormat>(),
        detail::Property<"Mask", &TextEdit::mask, &TextEdit::setMask>(),
        detail::Property<"AcceptTabs", &TextEdit::acceptTabs, &TextEdit::setAcceptTabs>(),
        detail::Property<"AutomaticallyCheckSpelling", &TextEdit::automaticallyCheckSpelling,
            &TextEdit::setAutomaticallyCheckSpelling>(),
    },
    TextFontControlProperty::kRows);
inline constexpr auto kTable = PropertiesOf<TextEdit>(RectControlProperty::kTable, kRows);
} // namespace TextEditProperty

namespace TextFieldProperty {
inline constexpr detail::NativeProperty kRows[] = {
    detail::Property<"Password", &TextField::password, &TextField::setPassword>(),
    detail::Property<"CueText", &TextField::cueText, &TextField::setCueText>(),
};
inline constexpr auto kTable = PropertiesOf<TextField>(TextEditProperty::kTable, kRows);
} // namespace TextFieldProperty

namespace TextAreaProperty {
inline constexpr detail::NativeProperty kRows[] = {
    detail::Property<"Multiline", &TextArea::multiline, &TextArea::setMultiline>(),
    detail::Property<"Styled", &TextArea::styled, &TextArea::setStyled>(),
    detail::Property<"HideSelection", &TextArea::hideSelection, &TextArea::setHideSelection>(),
    detail::Property<"ScrollbarVertical", &TextArea::scrollbarVertical, &TextArea::setScrollbarVertical>(),
    detail::Property<"ScrollbarHorizontal", &TextArea::scrollbarHorizontal, &TextArea::setScrollbarHorizontal>(),
    detail::Property<"LineSpacing", &TextArea::lineSpacing, &TextArea::setLineSpacing>(),
};
inline constexpr auto kTable = PropertiesOf<TextArea>(TextEditProperty::kTable, kRows);
} // namespace TextAreaProperty

namespace LabelProperty {
inline constexpr auto kRows = Joined(
    std::array {
        detail::Property<"Text", &Label::text, &Label::setText>(),
        detail::Property<"TextAlign", &Label::textAlign, &Label::setTextAlign>(),
        detail::Property<"TextColor", &Label::textColor, &Label::setTextColor>(),
        detail::Property<"Multiline", &Label::multiline, &Label::setMultiline>(),
        detail::Property<"Selectable", &Label::selectable, &Label::setSelectable>(),
        detail::Property<"Transparent", &Label::transparent, &Label::setTransparent>(),
    },
    TextFontControlProperty::kRows);
inline constexpr auto kTable = PropertiesOf<Label>(RectControlProperty::kTable, kRows);
} // namespace LabelProperty

namespace GroupBoxProperty {
inline constexpr auto kRows
    = Joined(std::array { detail::Property<"Caption", &GroupBox::caption, &GroupBox::setCaption>() },
        TextFontControlProperty::kRows);
inline constexpr auto kTable = PropertiesOf<GroupBox>(RectControlProperty::kTable, kRows);
} // namespace GroupBoxProperty

namespace PopupMenuProperty {
inline constexpr auto kRows = Joined(
    std::array {
        detail::Property<"InitialValue", &PopupMenu::initialValue, &PopupMenu::setInitialValue>(),
        detail::Property<"ListIndex", &PopupMenu::listIndex, &PopupMenu::setListIndex>(),
        detail::Property<"ListCount", &PopupMenu::listCount>(),
        detail::Property<"Text", &PopupMenu::text>(),
    },
    TextFontControlProperty::kRows);
inline constexpr auto kTable = PropertiesOf<PopupMenu>(RectControlProperty::kTable, kRows);
} // namespace PopupMenuProperty

namespace LineProperty {
inline constexpr detail::NativeProperty kRows[] = {
    detail::Property<"X1", &Line::x1, &Line::setX1>(),
    detail::Property<"Y1", &Line::y1, &Line::setY1>(),
    detail::Property<"X2", &Line::x2, &Line::setX2>(),
    detail::Property<"Y2", &Line::y2, &Line::setY2>(),
    detail::Property<"BorderWidth", &Line::borderWidth, &Line::setBorderWidth>(),
    detail::Property<"LineColor", &Line::lineColor, &Line::setLineColor>(),
};
inline constexpr auto kTable = PropertiesOf<Line>(RectControlProperty::kTable, kRows);
} // namespace LineProperty

namespace SliderProperty {
inline constexpr detail::NativeProperty kRows[] = {
    detail::Property<"Minimum", &Slider::minimum, &Slider::setMinimum>(),
    detail::Property<"Maximum", &Slider::maximum, &Slider::setMaximum>(),
    detail::Property<"Value", &Slider::value, &Slider::setValue>(),
    detail::Property<"LineStep", &Slider::lineStep, &Slider::setLineStep>(),
    detail::Property<"PageStep", &Slider::pageStep, &Slider::setPageStep>(),
    detail::Property<"LiveScroll", &Slider::liveScroll, &Slider::setLiveScroll>(),
    detail::Property<"TickStyle", &Slider::tickStyle, &Slider::setTickStyle>(),
};
inline constexpr auto kTable = PropertiesOf<Slider>(RectControlProperty::kTable, kRows);
} // namespace SliderProperty

namespace CanvasProperty {
inline constexpr detail::NativeProperty kRows[] = {
    detail::Property<"Backdrop", &Canvas::backdrop, &Canvas::setBackdrop>(),
    detail::Property<"Transparent", &Canvas::transparent, &Canvas::setTransparent>(),
    detail::Property<"EraseBackground", &Canvas::eraseBackground, &Canvas::setEraseBackground>(),
    detail::Property<"DoubleBuffer", &Canvas::doubleBuffer, &Canvas::setDoubleBuffer>(),
    detail::Property<"AcceptTabs", &Canvas::acceptTabs, &Canvas::setAcceptTabs>(),
    detail::Property<"AcceptFocus", &Canvas::acceptFocus, &Canvas::setAcceptFocus>(),
    detail::Property<"UseFocusRing", &Canvas::useFocusRing, &Canvas::setUseFocusRing>(),
};
inline constexpr auto kTable = PropertiesOf<Canvas>(RectControlProperty::kTable, kRows);
} // namespace CanvasProperty

namespace TimerProperty {
inline constexpr detail::NativeProperty kRows[] = {
    detail::Property<"Mode", &Timer::mode, &Timer::setMode>(),
    detail::Property<"Period", &Timer::period, &Timer::setPeriod>(),
    detail::Property<"Enabled", &Timer::enabled, &Timer::setEnabled>(),
    detail::Property<"Tolerance", &Timer::tolerance, &Timer::setTolerance>(),
};
inline constexpr auto kTable = PropertiesOf<Timer>(kObjectProperties, kRows);
} // namespace TimerProperty

namespace WindowProperty {
inline constexpr detail::NativeProperty kRows[] = {
    detail::Property<"Placement", &Window::placement, &Window::setPlacement>(),
    detail::Property<"Width", &Window::width, &Window::setWidth>(),
    detail::Property<"Height", &Window::height, &Window::setHeight>(),
    detail::Property<"MinWidth", &Window::minWidth, &Window::setMinWidth>(),
    detail::Property<"MinHeight", &Window::minHeight, &Window::setMinHeight>(),
    detail::Property<"MaxWidth", &Window::maxWidth, &Window::setMaxWidth>(),
    detail::Property<"MaxHeight", &Window::maxHeight, &Window::setMaxHeight>(),
    detail::Property<"Frame", &Window::frame, &Window::setFrame>(),
    detail::Property<"Composite", &Window::composite, &Window::setComposite>(),
    detail::Property<"HasBackColor", &Window::hasBackColor, &Window::setHasBackColor>(),
    detail::Property<"BackColor", &Window::backColor, &Window::setBackColor>(),
    detail::Property<"Title", &Window::title, &Window::setTitle>(),
    detail::Property<"Visible", &Window::visible, &Window::setVisible>(),
    detail::Property<"FullScreen", &Window::fullScreen, &Window::setFullScreen>(),
    detail::Property<"MenuBarVisible", &Window::menuBarVisible, &Window::setMenuBarVisible>(),
    detail::Property<"CloseButton", &Window::closeButton, &Window::setCloseButton>(),
    detail::Property<"Resizeable", &Window::resizeable, &Window::setResizeable>(),
    detail::Property<"LiveResize", &Window::liveResize, &Window::setLiveResize>(),
    detail::Property<"MaximizeButton", &Window::maximizeButton, &Window::setMaximizeButton>(),
    detail::Property<"MinimizeButton", &Window::minimizeButton, &Window::setMinimizeButton>(),
    detail::Property<"FullScreenButton", &Window::fullScreenButton, &Window::setFullScreenButton>(),
    detail::Property<"MacProcID", &Window::macProcID, &Window::setMacProcID>(),
    detail::Property<"Left", &Window::left, &Window::setLeft>(),
    detail::Property<"Top", &Window::top, &Window::setTop>(),
    detail::Property<"MenuBar", &Window::menuBar, &Window::setMenuBar>(),
    detail::Property<"ControlCount", &Window::controlCountProperty>(),
    detail::Property<"Focus", &Window::focusProperty>(),
    detail::Property<"Handle", &Window::handle>(),
    detail::Property<"Modal", &Window::modal>(),
    detail::Property<"MouseX", &Window::mouseX>(),
    detail::Property<"MouseY", &Window::mouseY>(),
    detail::Property<"ScaleFactor", &Window::scaleFactor>(),
    detail::Property<"Opened", &Window::opened>(),
    detail::Property<"Closed", &Window::closed>(),
    detail::Property<"Active", &Window::active>(),
    detail::Property<"Minimized", &Window::minimized>(),
    detail::Property<"Maximized", &Window::maximized>(),
    detail::Property<"Right", &Window::right>(),
    detail::Property<"Bottom", &Window::bottom>(),
    detail::Property<"ImplicitInstance", &Window::implicitInstance>(),
    detail::Property<"Key", &Window::key>(),
    detail::Property<"Screen", &Window::screen>(),
    detail::Property<"ContentWidth", &Window::contentWidth>(),
    detail::Property<"ContentHeight", &Window::contentHeight>(),
    detail::Property<"Invalidated", &Window::invalidated>(),
    detail::Property<"ParentWindow", &Window::parentWindowProperty>(),
    detail::Property<"Hovered", &Window::hovered>(),
};
inline constexpr auto kTable = PropertiesOf<Window>(kObjectProperties, kRows);
} // namespace WindowProperty

} // namespace fw
