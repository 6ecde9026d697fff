// Window's class record: the method table in slot order and its properties; its events are
// the table in Window.h.
#include "NativeClass.h"

#include <fw/FrameworkClasses.h>
#include <fw/MenuItem.h>
#include <fw/RectControl.h>
#include <fw/Window.h>

namespace fw {

using namespace detail;

ClassRecord* Window::Class()
{
    using W = Window;
    static constexpr NativeMethod methods[] = {
        Routine<&W::Constructor>("Constructor", WindowSlot::kConstructor),
        Routine<&W::Close>("Close", WindowSlot::kClose),
        Routine<&W::Show>("Show", WindowSlot::kShow),
        Routine<&W::ShowModal>("ShowModal", WindowSlot::kShowModal),
        Routine<&W::ShowWithin>("ShowWithin", WindowSlot::kShowWithin),
        Routine<&W::ShowModalWithin>("ShowModalWithin", WindowSlot::kShowModalWithin),
        Routine<&W::Hide>("Hide", WindowSlot::kHide),
        Routine<&W::Maximize>("Maximize", WindowSlot::kMaximize),
        Routine<&W::Minimize>("Minimize", WindowSlot::kMinimize),
        Routine<&W::Restore>("Restore", WindowSlot::kRestore),
        Routine<&W::Refresh>("Refresh", WindowSlot::kRefresh),
        Routine<&W::RefreshRect>("RefreshRect", WindowSlot::kRefreshRect),
        Routine<&W::Invalidate>("Invalidate", WindowSlot::kInvalidate),
        Routine<&W::UpdateNow>("UpdateNow", WindowSlot::kUpdateNow),
        Routine<&W::ClearFocus>("ClearFocus", WindowSlot::kClearFocus),
        Routine<&W::FocusNext>("FocusNext", WindowSlot::kFocusNext),
        Routine<&W::FocusPrevious>("FocusPrevious", WindowSlot::kFocusPrevious),
        Routine<&W::ControlAt>("Control", WindowSlot::kControl),
        Routine<&W::TrueWindow>("TrueWindow", WindowSlot::kTrueWindow),
        Routine<&W::AcceptFileDrop>("AcceptFileDrop", WindowSlot::kAcceptFileDrop),
        Routine<&W::AcceptMacDataDrop>("AcceptMacDataDrop", WindowSlot::kAcceptMacDataDrop),
        Routine<&W::AcceptPictureDrop>("AcceptPictureDrop", WindowSlot::kAcceptPictureDrop),
        Routine<&W::AcceptRawDataDrop>("AcceptRawDataDrop", WindowSlot::kAcceptRawDataDrop),
        Routine<&W::AcceptTextDrop>("AcceptTextDrop", WindowSlot::kAcceptTextDrop),
        Routine<&W::New>("__New", WindowSlot::kNew),
        Routine<&W::AddControl>("_AddControl", WindowSlot::kAddControl),
        Routine<&W::ControlByName>("_ControlByName", WindowSlot::kControlByName),
        Routine<&W::AddMenuHandler>("_AddMenuHandler", WindowSlot::kAddMenuHandler),
        Routine<&W::userMoved>("_Move", WindowSlot::kMove),
        Routine<&W::userResized>("_Resize", WindowSlot::kResize),
        Routine<&W::userClose>("_UserClose", WindowSlot::kUserClose),
        Routine<&W::userActivated>("_SetActive", WindowSlot::kSetActive),
        Routine<&W::userMovedMouse>("_MouseMove", WindowSlot::kMouseMove),
        Routine<&W::userMouseExited>("_MouseExit", WindowSlot::kMouseExit),
        Routine<&W::userChangedState>("_SetState", WindowSlot::kSetState),
    };
    static_assert(SlotsFit(methods, 0, WindowSlot::kCount),
        "a row that names a slot constant sits at that position, and the method table holds WindowSlot::kCount");
    static constexpr NativeProperty properties[] = {
        Property<"Placement", &W::placement, &W::setPlacement>(),
        Property<"Width", &W::width, &W::setWidth>(),
        Property<"Height", &W::height, &W::setHeight>(),
        Property<"MinWidth", &W::minWidth, &W::setMinWidth>(),
        Property<"MinHeight", &W::minHeight, &W::setMinHeight>(),
        Property<"MaxWidth", &W::maxWidth, &W::setMaxWidth>(),
        Property<"MaxHeight", &W::maxHeight, &W::setMaxHeight>(),
        Property<"Frame", &W::frame, &W::setFrame>(),
        Property<"Composite", &W::composite, &W::setComposite>(),
        Property<"HasBackColor", &W::hasBackColor, &W::setHasBackColor>(),
        Property<"BackColor", &W::backColor, &W::setBackColor>(),
        Property<"Title", &W::title, &W::setTitle>(),
        Property<"Visible", &W::visible, &W::setVisible>(),
        Property<"FullScreen", &W::fullScreen, &W::setFullScreen>(),
        Property<"MenuBarVisible", &W::menuBarVisible, &W::setMenuBarVisible>(),
        Property<"CloseButton", &W::closeButton, &W::setCloseButton>(),
        Property<"Resizeable", &W::resizeable, &W::setResizeable>(),
        Property<"LiveResize", &W::liveResize, &W::setLiveResize>(),
        Property<"MaximizeButton", &W::maximizeButton, &W::setMaximizeButton>(),
        Property<"MinimizeButton", &W::minimizeButton, &W::setMinimizeButton>(),
        Property<"FullScreenButton", &W::fullScreenButton, &W::setFullScreenButton>(),
        Property<"MacProcID", &W::macProcID, &W::setMacProcID>(),
        Property<"Left", &W::left, &W::setLeft>(),
        Property<"Top", &W::top, &W::setTop>(),
        Property<"MenuBar", &W::menuBar, &W::setMenuBar>(),
        Property<"ControlCount", &W::controlCountProperty>(),
        Property<"Focus", &W::focusProperty>(),
        Property<"Handle", &W::handle>(),
        Property<"Modal", &W::modal>(),
        Property<"MouseX", &W::mouseX>(),
        Property<"MouseY", &W::mouseY>(),
        Property<"ScaleFactor", &W::scaleFactor>(),
        Property<"Opened", &W::opened>(),
        Property<"Closed", &W::closed>(),
        Property<"Active", &W::active>(),
        Property<"Minimized", &W::minimized>(),
        Property<"Maximized", &W::maximized>(),
        Property<"Right", &W::right>(),
        Property<"Bottom", &W::bottom>(),
        Property<"ImplicitInstance", &W::implicitInstance>(),
        Property<"Key", &W::key>(),
        Property<"Screen", &W::screen>(),
        Property<"ContentWidth", &W::contentWidth>(),
        Property<"ContentHeight", &W::contentHeight>(),
        Property<"Invalidated", &W::invalidated>(),
        Property<"ParentWindow", &W::parentWindowProperty>(),
        Property<"Hovered", &W::hovered>(),
    };
    static ClassRecord* cls = RegisterNativeClass<Window>({ .superclass = &ObjectClass,
        .methods = methods,
        .events = WindowEvent::kTable,
        .properties = properties,
        .instanceSize = kInstanceSize });
    return cls;
}

} // namespace fw
