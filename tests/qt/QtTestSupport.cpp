#include "QtTestSupport.h"

#include <fw/Application.h>
#include <fw/Window.h>

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <algorithm>

namespace qt_test {

using namespace fw;

namespace {
WindowStep currentLayout;
WindowStep currentControls;

void testLayout(Object* self)
{
    if (currentLayout)
        currentLayout(*native_cast<Window>(self));
}

void testCreateControls(Object* self)
{
    if (currentControls)
        currentControls(*native_cast<Window>(self));
}

ClassRecord* TestWindowClass()
{
    static ClassRecord* cls = Subclass(Window::Class(), "QtTestWindow.QtTestWindow",
        { { WindowEvent::kLayout, AsEntry(&testLayout) },
            { WindowEvent::kCreateControls, AsEntry(&testCreateControls) } });
    return cls;
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}
} // namespace

ClassRecord* Subclass(ClassRecord* super, std::string_view name, Hooks hooks)
{
    auto own = static_cast<std::int32_t>(hooks.size());
    auto inherited = static_cast<std::int32_t>(super->methods.size());
    auto* cls = RuntimeNewClass(super, inherited + own, static_cast<std::int32_t>(super->interfaces.size()),
        static_cast<std::int32_t>(super->events.size()), 0, static_cast<std::int32_t>(super->properties.size()), 0);
    cls->registeredName = name;
    cls->instanceSize = super->instanceSize;
    cls->interfaces = super->interfaces;
    cls->methodTableCount = super->methodTableCount + own;
    cls->methodTable = RuntimeNewVtable(cls->methodTableCount);
    std::copy(super->methodTable, super->methodTable + super->methodTableCount, cls->methodTable);
    for (std::int32_t k = 0; k < own; ++k) {
        auto [event, entry] = hooks[static_cast<std::size_t>(k)];
        auto& eventRecord = cls->events[static_cast<std::size_t>(event)];
        auto& record = cls->methods[static_cast<std::size_t>(inherited + k)];
        record.name = eventRecord.name;
        record.flags = kMethodFlagPublic;
        record.signature = eventRecord.signature;
        record.entry = entry;
        cls->methodTable[super->methodTableCount + k] = entry;
        eventRecord.hook = entry;
    }
    return cls;
}

std::vector<std::string>& Journal()
{
    static std::vector<std::string> journal;
    return journal;
}

Ref<Window> OpenWindow(WindowStep layout, WindowStep createControls)
{
    currentLayout = std::move(layout);
    currentControls = std::move(createControls);
    auto object = RuntimeNewObject(TestWindowClass());
    CallSlot<void>(object.get(), WindowSlot::kConstructor);
    currentLayout = nullptr;
    currentControls = nullptr;
    return Ref<Window>::retain(native_cast<Window>(object.get()));
}

Object& AddObject(Window& window, ClassRecord* cls, std::string_view name)
{
    auto object = window.New(cls);
    if (RuntimeObjectIsa(object.get(), RectControl::Class()))
        CallSlot<void>(object.get(), RectControlSlot::kConstructor);
    window.AddControl(NewString(name).get(), object.get());
    return *object; // the window holds it now
}

Line& SetEnds(Line& line, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    line.setX1(x1);
    line.setY1(y1);
    line.setX2(x2);
    line.setY2(y2);
    return line;
}

WindowStep WhiteWindow(std::int32_t width, std::int32_t height)
{
    return [width, height](Window& window) {
        window.setWidth(width);
        window.setHeight(height);
        window.setHasBackColor(true);
        window.setBackColor(Color { 255, 255, 255 });
    };
}

QRect WindowRect(Window& window, QWidget* widget)
{
    QWidget* content = ContentOf(&window);
    return QRect(widget->mapTo(content, QPoint(0, 0)), widget->size());
}

void Activate(Window& window)
{
    QWidget* top = WidgetOf(&window);
    ASSERT_TRUE(top);
    top->show();
    top->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(top, patience::kLimitMs));
}

bool WaitFor(const std::function<bool()>& condition, int milliseconds)
{
    return QTest::qWaitFor(condition, milliseconds);
}

void QtPeerTest::SetUp() { Journal().clear(); }

void QtPeerTest::TearDown()
{
    for (auto& window : OpenWindows())
        window->Close();
    RuntimeRegisterAppObject(nullptr);
    flushDeletes();
    Journal().clear();
}

} // namespace qt_test
