#include <fw/Application.h>
#include <fw/Canvas.h>
#include <fw/Delegate.h>
#include <fw/Exceptions.h>
#include <fw/FolderItem.h>
#include <fw/FrameworkClasses.h>
#include <fw/GroupBox.h>
#include <fw/Interfaces.h>
#include <fw/Label.h>
#include <fw/Line.h>
#include <fw/MenuItem.h>
#include <fw/Picture.h>
#include <fw/PopupMenu.h>
#include <fw/Slider.h>
#include <fw/TextArea.h>
#include <fw/TextField.h>
#include <fw/Timer.h>
#include <fw/Window.h>

#include <array>

namespace fw {

std::span<const ClassAccessor> FrameworkClassAccessors() noexcept
{
    // Superclasses and interfaces before the classes that use them.
    static constexpr auto accessors = std::to_array<ClassAccessor>({
        &ObjectClass,
        &RuntimeException::Class,
        &NilObjectException::Class,
        &IllegalCastException::Class,
        &FunctionNotFoundException::Class,
        &ObjCException::Class,
        &ThreadAccessingUIException::Class,
        &PropertyStreamException::Class,
        &ActionSourceInterface,
        &ActionNotificationReceiverInterface,
        &PaneChildInterface,
        &Picture::Class,
        &Delegate::Class,
        &Window::Class,
        &Control::Class,
        &RectControl::Class,
        &Label::Class,
        &TextEdit::Class,
        &TextField::Class,
        &TextArea::Class,
        &PopupMenu::Class,
        &Slider::Class,
        &GroupBox::Class,
        &Line::Class,
        &Canvas::Class,
        &Application::Class,
        &MenuItem::Class,
        &MenuBar::Class,
        &AppleMenuItem::Class,
        &QuitMenuItem::Class,
        &Timer::Class,
        &FolderItem::Class,
    });
    return accessors;
}

} // namespace fw
