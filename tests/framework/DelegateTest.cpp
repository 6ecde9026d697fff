// Delegates and event handlers: what a delegate keeps alive, how a bound event
// reaches its handler, and what reaches none.
#include "EventBinding.h"

#include <fw/Label.h>
#include <fw/Picture.h>
#include <fw/TextField.h>
#include <fw/Window.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using namespace fw;

std::vector<std::string> calls;

void recordCall(Object*, Object* control) { calls.push_back(std::string(native_cast<TextField>(control)->text())); }

Ref<TextField> newField()
{
    auto object = RuntimeNewObject(TextField::Class());
    return Ref<TextField>::adopt(native_cast<TextField>(object.release()));
}

bool raisedAs(const std::function<void()>& operation, ClassRecord* cls)
{
    try {
        operation();
    } catch (const Raised& raised) {
        return RuntimeObjectIsa(raised.exception(), cls);
    }
    return false;
}

TEST(Delegates, WeakBindingNeitherKeepsNorOutlivesItsObject)
{
    struct Row {
        const char* name;
        std::int32_t flag;
        bool keepsAlive;
    };
    for (auto row : { Row { "flag 1 binds weakly", kDelegateBindsWeakly, false },
             Row { "flag 0 keeps", kDelegateKeepsObject, true } }) {
        SCOPED_TRACE(row.name);
        auto window = RuntimeNewObject(Window::Class());
        Object* bound = window.get();
        auto delegate
            = RuntimeCreateDelegate(reinterpret_cast<InvokeFunction>(&calculators::InvokeDelegateOf<TextField>),
                reinterpret_cast<MethodEntry>(&recordCall), bound, "( TextField )", row.flag);
        EXPECT_EQ(delegate->referenceCount(), 1);
        EXPECT_EQ(delegate->boundObject(), bound);
        EXPECT_EQ(delegate->target(), reinterpret_cast<MethodEntry>(&recordCall));
        EXPECT_EQ(delegate->signature(), "( TextField )");
        EXPECT_EQ(bound->referenceCount(), row.keepsAlive ? 2 : 1);
        WeakRef watch(bound);
        window = nullptr;
        EXPECT_EQ(watch.get() != nullptr, row.keepsAlive);
        EXPECT_EQ(delegate->boundObject(), watch.get());
    }
}

TEST(Delegates, BoundEventReachesItsHandlerThroughThunkAndInvokeFunction)
{
    calls.clear();
    auto window = RuntimeNewObject(Window::Class());
    auto field = newField();
    auto other = newField();
    test_binding::Bind<TextEditEvent::kTextChange>(field.get(), &recordCall, window.get());
    auto* delegate = HandlerDelegate(field.get(), TextEditEvent::kTextChange);
    ASSERT_NE(delegate, nullptr);
    EXPECT_EQ(delegate->referenceCount(), 1) << "the control keeps the delegate";
    EXPECT_EQ(HandlerDelegate(field.get(), ControlEvent::kOpen), nullptr);
    field->setText("12");
    other->setText("unbound");
    EXPECT_EQ(calls, std::vector<std::string> { "12" }) << "each control keeps its own event records";
}

TEST(Delegates, InvokeFunctionRaisesWhenTheBoundObjectIsNilOrGone)
{
    struct Row {
        const char* name;
        bool bindNil;
    };
    for (auto row : { Row { "bound to nil", true }, Row { "bound to a window that is gone", false } }) {
        SCOPED_TRACE(row.name);
        calls.clear();
        auto field = newField();
        {
            auto window = RuntimeNewObject(Window::Class());
            test_binding::Bind<TextEditEvent::kTextChange>(
                field.get(), &recordCall, row.bindNil ? nullptr : window.get());
        }
        EXPECT_TRUE(raisedAs([&] { field->setText("5"); }, NilObjectException::Class()));
        EXPECT_TRUE(calls.empty()) << "the handler is not called";
        EXPECT_EQ(field->text(), "5") << "the text changed before the event";
    }
}

void noHandler(Object*, Object*) { }

TEST(Delegates, AddEventHandlerRefusesWhatCannotBeBound)
{
    auto field = newField();
    auto delegate = RuntimeCreateDelegate(reinterpret_cast<InvokeFunction>(&calculators::InvokeDelegateOf<TextField>),
        reinterpret_cast<MethodEntry>(&noHandler), nullptr, "( TextField )", 0);
    auto picture = NewPicture(nullptr, 1, 1);
    auto thunk = &calculators::EventThunkFor<ControlEvent::kOpen>;
    struct Row {
        const char* name;
        std::function<void()> bind;
        ClassRecord* raised;
    };
    const Row rows[] = {
        { "nil control", [&] { RuntimeAddEventHandler(nullptr, 2, thunk, delegate.get()); },
            NilObjectException::Class() },
        { "nil delegate", [&] { RuntimeAddEventHandler(field.get(), 2, thunk, nullptr); },
            NilObjectException::Class() },
        { "index past the class's events", [&] { RuntimeAddEventHandler(field.get(), 22, thunk, delegate.get()); },
            RuntimeException::Class() },
        { "negative index", [&] { RuntimeAddEventHandler(field.get(), -1, thunk, delegate.get()); },
            RuntimeException::Class() },
        { "object without events", [&] { RuntimeAddEventHandler(picture.get(), 0, thunk, delegate.get()); },
            RuntimeException::Class() },
    };
    for (auto& row : rows)
        EXPECT_TRUE(raisedAs(row.bind, row.raised)) << row.name;
    EXPECT_EQ(delegate->referenceCount(), 1) << "nothing kept the delegate";
}

TEST(Delegates, BindingAnIndexAgainReplacesTheHandler)
{
    calls.clear();
    auto window = RuntimeNewObject(Window::Class());
    auto field = newField();
    test_binding::Bind<TextEditEvent::kTextChange>(field.get(), &noHandler, window.get());
    test_binding::Bind<TextEditEvent::kTextChange>(field.get(), &recordCall, window.get());
    field->setText("once");
    EXPECT_EQ(calls, std::vector<std::string> { "once" });
}

// A label class of the program's kind: it implements MouseDown itself.
std::vector<std::string> hooks;
bool hookMouseDown(Object*, std::int32_t x, std::int32_t y)
{
    hooks.push_back("hook " + std::to_string(x) + "," + std::to_string(y));
    return true;
}
void boundMouseDown(Object*, Object*) { hooks.push_back("handler"); }

TEST(Delegates, ClassHookComesBeforeTheBoundHandler)
{
    static ClassRecord* hooked = [] {
        ClassRecord* super = Label::Class();
        auto* cls = RuntimeNewClass(super, static_cast<std::int32_t>(super->methods.size()), 0,
            static_cast<std::int32_t>(super->events.size()), 0, static_cast<std::int32_t>(super->properties.size()), 0);
        cls->registeredName = "HookedLabel";
        cls->instanceSize = super->instanceSize;
        cls->methodTableCount = super->methodTableCount;
        cls->methodTable = super->methodTable;
        cls->events[LabelEvent::kMouseDown].hook = reinterpret_cast<MethodEntry>(&hookMouseDown);
        return cls;
    }();
    hooks.clear();
    auto window = RuntimeNewObject(Window::Class());
    auto withHook = RuntimeNewObject(hooked);
    auto plain = RuntimeNewObject(Label::Class());
    for (auto* label : { withHook.get(), plain.get() })
        test_binding::Bind<LabelEvent::kMouseDown>(label, &boundMouseDown, window.get());
    EXPECT_TRUE(native_cast<Label>(withHook.get())->mouseDown(3, 4)) << "the hook's answer";
    EXPECT_FALSE(native_cast<Label>(plain.get())->mouseDown(5, 6)) << "a handler gives no answer";
    EXPECT_EQ(hooks, (std::vector<std::string> { "hook 3,4", "handler" }));
}

TEST(Delegates, SignatureTextFollowsFromTheCalledFunctionsType)
{
    EXPECT_EQ(kDelegateSignature<void(TextField*)>, "( TextField )") << "a control event handler's";
    EXPECT_EQ(kDelegateSignature<bool()>, "(  ) as Boolean") << "a menu handler's";
    EXPECT_EQ(kDelegateSignature<void()>, "(  )");
    EXPECT_EQ(kDelegateSignature<void(void*)>, "( Ptr )");
    EXPECT_EQ(kDelegateSignature<Object*(void*, Label*)>, "( Ptr, Label ) as Object") << "any object is an Object";
}

} // namespace
