// Timers: their interface entry, when a firing raises Action, and the receivers
// told through the actionSource interface.
#include "ActionReceiver.h"

#include <fw/Delegate.h>
#include <fw/Events.h>
#include <fw/Exceptions.h>
#include <fw/FrameworkClasses.h>
#include <fw/Interfaces.h>
#include <fw/Timer.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace fw;

Ref<Timer> newTimer()
{
    auto object = RuntimeNewObject(Timer::Class());
    return Ref<Timer>::adopt(native_cast<Timer>(object.release()));
}

int actions = 0;
Ref<Timer> lastHolder; // dropped by the handler, as a window's Close drops its timer

using InvokeTimerDelegate = void (*)(Delegate*, Object* timer);

void countingInvoke(Delegate*, Object*) { ++actions; }
void releasingInvoke(Delegate*, Object*)
{
    ++actions;
    lastHolder = nullptr;
}

// The event thunk calls the delegate bound to the timer's Action.
void actionThunk(Object* timer)
{
    auto* delegate = HandlerDelegate(timer, TimerEvent::kAction);
    reinterpret_cast<InvokeTimerDelegate>(delegate->invokeFunction())(delegate, timer);
}

void bindAction(Timer& timer, InvokeTimerDelegate invoke)
{
    auto delegate = RuntimeCreateDelegate(
        reinterpret_cast<InvokeFunction>(invoke), nullptr, nullptr, "( Timer )", kDelegateKeepsObject);
    RuntimeAddEventHandler(&timer, TimerEvent::kAction, &actionThunk, delegate.get());
}

TEST(TimerClass, ImplementsActionSourceAndTheInterfacesAreKindOne)
{
    auto* timer = Timer::Class();
    ASSERT_EQ(timer->interfaces.size(), 1u);
    auto& entry = timer->interfaces[0];
    EXPECT_EQ(entry.interface, ActionSourceInterface());
    ASSERT_EQ(entry.methodCount, 2);
    EXPECT_EQ(entry.methodTable[0],
        FindMethod(timer, "addActionNotificationReceiver", "%%o<actionNotificationReceiver>")->entry);
    EXPECT_EQ(entry.methodTable[1],
        FindMethod(timer, "removeActionNotificationReceiver", "%%o<actionNotificationReceiver>")->entry);

    struct Expected {
        ClassRecord* interface;
        std::string_view name;
        std::vector<std::pair<std::string_view, std::string_view>> methods;
    };
    for (auto& expected : std::vector<Expected> {
             { ActionSourceInterface(), "actionSource",
                 { { "addActionNotificationReceiver", "%%o<actionNotificationReceiver>" },
                     { "removeActionNotificationReceiver", "%%o<actionNotificationReceiver>" } } },
             { PaneChildInterface(), "_PaneChild",
                 { { "_SetWindow", "%%o<Window>" }, { "Window", "%o<Window>%" }, { "_Index", "%i4%" },
                     { "_SetIndex", "%%i4" } } },
         }) {
        EXPECT_EQ(expected.interface->registeredName, expected.name);
        EXPECT_EQ(expected.interface->kind, kKindInterface);
        std::vector<std::pair<std::string_view, std::string_view>> methods;
        for (auto& method : expected.interface->methods)
            methods.emplace_back(method.name, method.signature);
        EXPECT_EQ(methods, expected.methods) << expected.name;
    }

    std::vector<std::string_view> table;
    for (std::int32_t slot = 0; slot < timer->methodTableCount; ++slot)
        for (auto& method : timer->methods)
            if (method.entry == timer->methodTable[slot])
                table.push_back(method.name);
    EXPECT_EQ(table,
        (std::vector<std::string_view> {
            "addActionNotificationReceiver", "removeActionNotificationReceiver", "Reset", "_CallAction" }));

    auto object = newTimer();
    EXPECT_TRUE(RuntimeObjectIsa(object.get(), ActionSourceInterface()));
    EXPECT_FALSE(RuntimeObjectIsa(object.get(), PaneChildInterface()));
}

struct Firing {
    const char* row;
    std::int32_t mode;
    bool enabled;
    int fires;
    int expectedActions;
    std::int32_t modeAfter;
};

class TimerFiring : public testing::TestWithParam<Firing> { };

TEST_P(TimerFiring, RaisesActionWhileItRuns)
{
    auto& row = GetParam();
    auto timer = newTimer();
    bindAction(*timer, &countingInvoke);
    actions = 0;
    auto* mode = FindProperty(Timer::Class(), "Mode"); // as the property stream and the program set it
    mode->setInvoker(*mode, timer.get(), Int32ToVariant(row.mode));
    timer->setEnabled(row.enabled);
    for (int k = 0; k < row.fires; ++k)
        timer->fire();
    EXPECT_EQ(actions, row.expectedActions);
    EXPECT_EQ(timer->mode(), row.modeAfter);
}

INSTANTIATE_TEST_SUITE_P(Modes, TimerFiring,
    testing::Values(Firing { "OffNeverFires", 0, true, 3, 0, 0 },
        Firing { "SingleFiresOnceThenIsOff", 1, true, 3, 1, 0 },
        Firing { "MultipleFiresEveryPeriod", 2, true, 3, 3, 2 }, Firing { "DisabledNeverFires", 2, false, 3, 0, 2 }),
    [](const testing::TestParamInfo<Firing>& info) { return info.param.row; });

TEST(Timers, SurviveAnActionThatDropsTheirLastReference)
{
    lastHolder = newTimer();
    auto* timer = lastHolder.get();
    bindAction(*timer, &releasingInvoke);
    timer->setMode(static_cast<std::int32_t>(TimerMode::Multiple));
    actions = 0;
    auto before = LiveObjectCount();
    timer->fire();
    EXPECT_EQ(actions, 1);
    EXPECT_EQ(lastHolder, nullptr);
    EXPECT_LT(LiveObjectCount(), before) << "the timer went once the firing returned";
}

TEST(Timers, RefuseSettingsOutsideTheirRange)
{
    auto timer = newTimer();
    EXPECT_THROW(timer->setMode(3), Raised);
    EXPECT_THROW(timer->setMode(-1), Raised);
    EXPECT_THROW(timer->setPeriod(-1), Raised);
    EXPECT_EQ(timer->mode(), 0);
    EXPECT_EQ(timer->period(), 1000);
}

TEST(Timers, TellTheirReceiversWithoutKeepingThemAlive)
{
    auto timer = newTimer();
    auto receiver = RuntimeNewObject(test_receiver::ReceiverClass());
    using Receiver = ObjectOf<ActionNotificationReceiver>;
    timer->addActionNotificationReceiver(Receiver::cast(receiver.get()));
    timer->addActionNotificationReceiver(Receiver::cast(receiver.get()));
    EXPECT_EQ(receiver->referenceCount(), 1);
    test_receiver::performed = 0;
    timer->CallAction();
    EXPECT_EQ(test_receiver::performed, 1) << "a receiver added twice is told once";

    receiver = nullptr;
    timer->CallAction();
    EXPECT_EQ(test_receiver::performed, 1);

    auto notAReceiver = newTimer();
    EXPECT_THROW(timer->addActionNotificationReceiver(Receiver::cast(notAReceiver.get())), Raised);
}

} // namespace
