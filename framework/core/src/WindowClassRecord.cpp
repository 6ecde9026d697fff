// Window's class record: the method table in slot order and its properties; its events are
// the table in Window.h.
#include "NativeClass.h"

#include <fw/FrameworkClasses.h>
#include <fw/MenuItem.h>
#include <fw/PropertyTables.h>
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
    static ClassRecord* cls = RegisterNativeClass<Window>({ .superclass = &ObjectClass,
        .methods = methods,
        .events = WindowEvent::kTable,
        .properties = WindowProperty::kTable,
        .instanceSize = kInstanceSize });
    return cls;
}

} // namespace fw
