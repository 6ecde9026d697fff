// The registration figures of the framework classes that the program's classes
// extend, counting inherited records, and their events in their numbering.
#include <fw/Application.h>
#include <fw/ClassRecord.h>
#include <fw/Label.h>
#include <fw/MenuItem.h>
#include <fw/Timer.h>
#include <fw/Window.h>

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace {

using namespace fw;

struct Figures {
    std::string_view name;
    ClassRecord* (*accessor)();
    std::size_t methods, interfaces, events, properties;
    std::int32_t tableEntries, instanceSize;
    std::vector<std::string_view> eventNames;
};

class ClassFigures : public testing::TestWithParam<Figures> { };

TEST_P(ClassFigures, MatchWhatTheProgramsClassesBuildOn)
{
    const auto& row = GetParam();
    const ClassRecord* cls = row.accessor();
    EXPECT_EQ(cls->registeredName, row.name);
    EXPECT_EQ(cls->kind, kKindClass);
    EXPECT_EQ(cls->methods.size(), row.methods);
    EXPECT_EQ(cls->interfaces.size(), row.interfaces);
    EXPECT_EQ(cls->events.size(), row.events);
    EXPECT_EQ(cls->properties.size(), row.properties);
    EXPECT_EQ(cls->methodTableCount, row.tableEntries);
    EXPECT_EQ(cls->instanceSize, row.instanceSize);
    std::vector<std::string_view> eventNames;
    for (auto& event : cls->events)
        eventNames.push_back(event.name);
    EXPECT_EQ(eventNames, row.eventNames);
    for (std::int32_t slot = 0; slot < cls->methodTableCount; ++slot)
        EXPECT_NE(cls->methodTable[slot], nullptr) << "slot " << slot;
}

INSTANTIATE_TEST_SUITE_P(Framework, ClassFigures,
    testing::Values(Figures { "Application", &Application::Class, 40, 0, 10, 18, 12, 48,
                        { "Activate", "CancelClose", "Close", "Deactivate", "EnableMenuItems", "HandleAppleEvent",
                            "NewDocument", "Open", "OpenDocument", "UnhandledException" } },
        Figures { "MenuBar", &MenuBar::Class, 52, 0, 2, 16, 26, 52, { "Action", "EnableMenu" } },
        Figures { "Timer", &Timer::Class, 12, 1, 1, 4, 4, 64, { "Action" } },
        Figures { "Window", &Window::Class, 107, 0, 33, 47, 35, 204,
            { "Activate", "AddMenuHandlers", "CancelClose", "Close", "ConstructContextualMenu", "ContentsChanged",
                "ContextualMenuAction", "CreateControls", "Deactivate", "DragEnter", "DragExit", "DragOver",
                "DropObject", "EnableMenuItems", "KeyDown", "KeyUp", "Layout", "Maximize", "Minimize", "MouseDown",
                "MouseDrag", "MouseEnter", "MouseExit", "MouseMove", "MouseUp", "MouseWheel", "Moved", "Open", "Paint",
                "Resized", "Resizing", "Restore", "SetupBindings" } },
        Figures { "Label", &Label::Class, 99, 0, 19, 47, 20, 160,
            { "Close", "CreatePane", "Open", "ConstructContextualMenu", "ContextualMenuAction", "DragEnter", "DragExit",
                "DragOver", "DropObject", "KeyDown", "KeyUp", "MouseEnter", "MouseExit", "MouseMove", "MouseWheel",
                "AcceleratorKey", "MouseDown", "MouseDrag", "MouseUp" } }),
    [](const testing::TestParamInfo<Figures>& info) { return std::string(info.param.name); });

} // namespace
