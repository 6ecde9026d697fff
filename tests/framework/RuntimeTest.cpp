// Objects, Strings, class records and exceptions of the runtime core.
#include "ActionReceiver.h"
#include "framework/core/src/NativeClass.h"

#include <fw/Abi.h>
#include <fw/Application.h>
#include <fw/ClassRecord.h>
#include <fw/Exceptions.h>
#include <fw/Fields.h>
#include <fw/FrameworkClasses.h>
#include <fw/Label.h>
#include <fw/MenuItem.h>
#include <fw/Picture.h>
#include <fw/PropertyTables.h>
#include <fw/Timer.h>
#include <fw/Window.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using namespace fw;

// A small class with two declared fields, registered the way the program's classes are.
std::vector<std::string> hookLog;

constexpr std::int32_t kFirst = 16; // the native size of RuntimeException, the superclass below
constexpr std::int32_t kSecond = kFirst + kFieldBytes;

void initFields(Object* instance) { hookLog.push_back("init " + std::to_string(instance->field(kFirst).int32)); }
void releaseFields(Object* instance)
{
    hookLog.push_back("exit");
    instance->field(kSecond).string = nullptr;
}

ClassRecord* makeTestClass()
{
    ClassRecord* super = RuntimeException::Class(); // any native class will do
    EXPECT_EQ(super->instanceSize, kFirst);
    auto* cls = RuntimeNewClass(super, static_cast<std::int32_t>(super->methods.size()), 0,
        static_cast<std::int32_t>(super->events.size()), 0, static_cast<std::int32_t>(super->properties.size()) + 2, 0);
    cls->registeredName = "Test.Fields";
    cls->instanceSize = super->instanceSize + 8;
    cls->initHook = &initFields;
    cls->exitHook = &releaseFields;
    cls->methodTableCount = super->methodTableCount;
    cls->methodTable = RuntimeNewVtable(cls->methodTableCount);
    std::copy(super->methodTable, super->methodTable + super->methodTableCount, cls->methodTable);
    return cls;
}

TEST(Objects, FieldsStartZeroedAndHooksRunOnceEachWay)
{
    hookLog.clear();
    static ClassRecord* cls = makeTestClass();
    auto before = LiveObjectCount();
    {
        Ref<Object> object = RuntimeNewObject(cls);
        EXPECT_EQ(object->referenceCount(), 1);
        EXPECT_EQ(object->classRecord(), cls);
        Int32FieldSet(object.get(), kFirst, 42);
        StringFieldSet(object.get(), kSecond, NewString("held").get());
        EXPECT_EQ(Int32FieldGet(object.get(), kFirst), 42);
        EXPECT_EQ(Text(StringFieldGet(object.get(), kSecond)), "held");
        EXPECT_EQ(LiveObjectCount(), before + 1);
    }
    EXPECT_EQ(LiveObjectCount(), before);
    EXPECT_EQ(hookLog, (std::vector<std::string> { "init 0", "exit" }));
}

TEST(Objects, CastsFollowTheSuperclassChain)
{
    auto exception = RuntimeNewObject(NilObjectException::Class());
    EXPECT_TRUE(RuntimeObjectIsa(exception.get(), RuntimeException::Class()));
    EXPECT_TRUE(RuntimeObjectIsa(exception.get(), ObjectClass()));
    EXPECT_FALSE(RuntimeObjectIsa(exception.get(), IllegalCastException::Class()));
    EXPECT_FALSE(RuntimeObjectIsa(nullptr, ObjectClass()));

    auto cast = RuntimeCheckCast(exception.get(), RuntimeException::Class());
    EXPECT_EQ(cast.get(), exception.get());
    EXPECT_EQ(exception->referenceCount(), 2) << "the cast result carries a reference of its own";
    EXPECT_EQ(RuntimeCheckCast(nullptr, ObjectClass()), nullptr);

    try {
        (void)RuntimeCheckCast(exception.get(), IllegalCastException::Class());
        FAIL() << "expected IllegalCastException";
    } catch (const Raised& raised) {
        EXPECT_TRUE(RuntimeObjectIsa(raised.exception(), IllegalCastException::Class()));
        EXPECT_NE(std::string(raised.what()).find("NilObjectException"), std::string::npos) << raised.what();
    }
}

TEST(Objects, WeakReferenceReadsNilOnceTheObjectIsGone)
{
    WeakRef weak;
    {
        auto object = RuntimeNewObject(RuntimeException::Class());
        weak = WeakRef(object.get());
        EXPECT_EQ(weak.get(), object.get());
    }
    EXPECT_EQ(weak.get(), nullptr);
}

TEST(Strings, LiteralsAreConstantRecordsAndRuntimeStringsAreFreed)
{
    String* literal = Literal<"W_BRIX.W_BRIX">();
    EXPECT_EQ(literal->references, 1);
    EXPECT_EQ(literal->length, 13u);
    EXPECT_EQ(literal->encoding, kUTF8Encoding);
    EXPECT_EQ(literal->text[0], 13);
    EXPECT_EQ(literal->text[14], 0) << "a zero byte follows the text";
    {
        auto held = StringRef::retain(literal);
        EXPECT_EQ(literal->references, 2);
    }
    EXPECT_EQ(literal->references, 1);

    std::string longText(300, 'x');
    auto string = NewString(longText);
    EXPECT_EQ(string->text[0], 255) << "only the length word gives a long text's length";
    EXPECT_EQ(string->length, 300u);
    EXPECT_EQ(Text(string), longText);
    EXPECT_EQ(Text(static_cast<String*>(nullptr)), "");
}

TEST(Exceptions, CarryTheirClassAndMessage)
{
    try {
        RaiseNilObjectException();
    } catch (const Raised& raised) {
        EXPECT_TRUE(RuntimeObjectIsa(raised.exception(), NilObjectException::Class()));
        try {
            RuntimeReraiseException(raised.exception());
        } catch (const Raised& again) {
            EXPECT_EQ(again.exception(), raised.exception());
            return;
        }
    }
    FAIL() << "expected two raises";
}

TEST(FrameworkClasses, RegisterOnFirstUseInTheListsOrder)
{
    for (auto accessor : FrameworkClassAccessors())
        EXPECT_EQ(accessor(), accessor()) << "a class registers once";
    auto registered = RegisteredClasses();
    auto position = [&](ClassRecord* cls) { return std::find(registered.begin(), registered.end(), cls); };
    EXPECT_LT(position(ObjectClass()), position(RuntimeException::Class()));
    EXPECT_EQ(RuntimeException::Class()->superclass, ObjectClass());
    EXPECT_EQ(NilObjectException::Class()->registeredName, "NilObjectException");
}

// Event constants count from the inherited events their table follows, and a property
// table's check of a stream's keys walks the tables it follows: a table that follows
// another class's than the registered superclass's would number or find them wrong.
TEST(FrameworkClasses, RefuseATableThatFollowsAnotherSuperclass)
{
    struct Stray;
    static constexpr auto kStrayEvents = EventsOf<Stray>(ControlEvent::kTable, { { "Tick", "%%" } });
    static constexpr auto kLabelAfterRectControl = PropertiesOf<Label>(RectControlProperty::kTable, {});
    const struct {
        detail::NativeClassFacts facts;
        std::string message;
    } cases[] = {
        { { .name = "Stray", .superclass = &ObjectClass, .events = kStrayEvents },
            "the event table of Stray follows 3 inherited events, but its superclass has 0" },
        { { .name = "Stray", .superclass = &Control::Class, .properties = kLabelAfterRectControl },
            "the property table of Stray follows 35 inherited properties, but its superclass has 5" },
    };
    for (const auto& mistake : cases) {
        try {
            detail::RegisterNativeClass(mistake.facts);
            ADD_FAILURE() << "expected the registration to refuse the table: " << mistake.message;
        } catch (const Raised& raised) {
            EXPECT_EQ(raised.exception()->message(), mistake.message);
        }
    }
}

// A raise or a call by position that its class cannot serve is refused in every build,
// before anything runs.
TEST(Dispatch, RefusesAnEventOrSlotTheClassLacksNamingTheClass)
{
    auto timer = RuntimeNewObject(Timer::Class());
    auto message = [](const std::function<void()>& call) -> std::string {
        try {
            call();
        } catch (const Raised& raised) {
            EXPECT_TRUE(RuntimeObjectIsa(raised.exception(), RuntimeException::Class()));
            return std::string(raised.exception()->message());
        }
        return "nothing raised";
    };
    const auto events = static_cast<std::int32_t>(Timer::Class()->events.size());
    const auto slots = Timer::Class()->methodTableCount;
    for (std::string text : {
             message([&] { RaiseEvent(*timer, events); }),
             message([&] { RaiseEvent(*timer, -1); }),
             message([&] { RaiseEvent<bool>(*timer, TimerEvent::kAction); }),
             message([&] { CallSlot<void>(timer.get(), slots); }),
             message([&] { CallSlot<void>(timer.get(), -1); }),
         })
        EXPECT_NE(text.find(Timer::kClassName), std::string::npos) << text;
}

// A typed method adapted to the uniform convention, called through its invoker.
std::int32_t addTwice(RuntimeException&, std::int32_t a, std::int32_t b) { return 2 * (a + b); }

TEST(Invokers, ConvertArgumentsAndRefuseNil)
{
    auto entry = EntryOf<&addTwice>();
    auto invoker = InvokerOf<&addTwice>();
    auto target = RuntimeNewObject(RuntimeException::Class());
    std::vector<Variant> arguments { Int32ToVariant(3), Int32ToVariant(4) };
    EXPECT_EQ(VariantToInt32(invoker(entry, target.get(), &arguments)), 14);
    EXPECT_THROW(invoker(entry, nullptr, &arguments), Raised);
    EXPECT_THROW(invoker(entry, target.get(), nullptr), Raised);
    EXPECT_THROW(EntryAs<Entry<&addTwice>::Function>(entry)(nullptr, 1, 2), Raised) << "a nil receiver";
}

// A method of the program's kind on a timer class: it keeps the window it is given.
Ref<Object> keptWindow;
void keepWindow(Timer&, Window* window) { keptWindow = Ref<Object>::retain(window); }

// A timer class with a Window field of its own, declared as the program declares one
// (FieldProperty<fw::Window*>).
ClassRecord* timerWithWindowField()
{
    static ClassRecord* cls = [] {
        ClassRecord* super = Timer::Class();
        auto* c = RuntimeNewClass(super, static_cast<std::int32_t>(super->methods.size()), 0,
            static_cast<std::int32_t>(super->events.size()), 0, static_cast<std::int32_t>(super->properties.size()) + 1,
            0);
        c->registeredName = "Test.WindowField";
        c->instanceSize = super->instanceSize + kFieldBytes;
        c->methodTableCount = super->methodTableCount;
        c->methodTable = RuntimeNewVtable(c->methodTableCount);
        std::copy(super->methodTable, super->methodTable + super->methodTableCount, c->methodTable);
        auto accessors = FieldAccessorsOf<Window*>();
        auto& field = c->properties.back();
        field.name = "ownerWindow";
        field.typeCode = Convention<Window*>::code;
        field.fieldOffset = super->instanceSize;
        field.getInvoker = accessors.getInvoker;
        field.setInvoker = accessors.setInvoker;
        return c;
    }();
    return cls;
}

void invokeByName(Object* target, std::string_view name, std::string_view signature, std::vector<Variant> arguments)
{
    auto* method = FindMethod(target->classRecord(), name, signature);
    ASSERT_NE(method, nullptr) << name;
    method->invoker(method->entry, target, &arguments);
}

// The method kept nothing that a test can read back.
constexpr std::nullptr_t kKeepsNothingToRead = nullptr;
// No object is of the parameter's class: the framework only names it.
constexpr std::nullptr_t kNoObjectIsOne = nullptr;

TEST(Invokers, CastObjectArgumentsToTheParameterClassBeforeTheMethodRuns)
{
    enum class Nil { Passes, RefusedByTheMethod };
    struct Row {
        const char* name;
        ClassRecord* (*targetClass)();
        ClassRecord* (*parameterClass)(); // a class whose object the method accepts
        ClassRecord* (*otherClass)();
        std::function<void(Object* target, const Variant& argument)> invoke;
        std::function<Object*(Object* target)> kept; // what the method kept of its argument
        Nil nil = Nil::Passes;
    };
    auto menuBarOf = [](Object* target) { return static_cast<Object*>(native_cast<Window>(target)->menuBar().get()); };
    auto byName = [](std::string_view name, std::string_view signature) {
        return [=](Object* target, const Variant& argument) { invokeByName(target, name, signature, { argument }); };
    };
    auto receiverTold = [](Object* target) {
        test_receiver::lastTold = nullptr;
        native_cast<Timer>(target)->CallAction();
        return test_receiver::lastTold;
    };
    const Row rows[] = {
        { "typed function, as the program registers", &Timer::Class, &Window::Class, &Label::Class,
            [](Object* target, const Variant& argument) {
                std::vector<Variant> arguments { argument };
                InvokerOf<&keepWindow>()(EntryOf<&keepWindow>(), target, &arguments);
            },
            [](Object*) { return keptWindow.get(); } },
        { "member function of a framework class", &Window::Class, &Window::Class, &Label::Class,
            byName("ShowWithin", "%%o<Window>"),
            [](Object* target) { return static_cast<Object*>(native_cast<Window>(target)->parentWindow()); } },
        { "accessor record of a property", &Window::Class, &MenuBar::Class, &Picture::Class,
            byName("MenuBar.Set", "%%o<MenuBar>"), menuBarOf },
        { "set invoker of a property record", &Window::Class, &MenuBar::Class, &Picture::Class,
            [](Object* target, const Variant& argument) {
                auto* property = FindProperty(target->classRecord(), "MenuBar");
                property->setInvoker(*property, target, argument);
            },
            menuBarOf },
        { "set invoker of an object field, declared as the program does", &timerWithWindowField, &Window::Class,
            &Label::Class,
            [](Object* target, const Variant& argument) {
                auto* property = FindProperty(target->classRecord(), "ownerWindow");
                property->setInvoker(*property, target, argument);
            },
            [](Object* target) { return ObjectFieldGet(target, Timer::Class()->instanceSize).get(); } },
        { "an interface's class: addActionNotificationReceiver", &Timer::Class, &test_receiver::ReceiverClass,
            &Label::Class, byName("addActionNotificationReceiver", "%%o<actionNotificationReceiver>"), receiverTold,
            Nil::RefusedByTheMethod },
        { "an interface's class: removeActionNotificationReceiver", &Timer::Class, &test_receiver::ReceiverClass,
            &Label::Class, byName("removeActionNotificationReceiver", "%%o<actionNotificationReceiver>"),
            kKeepsNothingToRead },
        { "a class the framework only names: DrawInto", &Label::Class, kNoObjectIsOne, &Picture::Class,
            [](Object* target, const Variant& argument) {
                invokeByName(
                    target, "DrawInto", "%%o<Graphics>i4i4", { argument, Int32ToVariant(0), Int32ToVariant(0) });
            },
            kKeepsNothingToRead },
        { "a class the framework only names: AddTrayItem", &Application::Class, kNoObjectIsOne, &MenuItem::Class,
            byName("AddTrayItem", "%%o<TrayItem>"), kKeepsNothingToRead, Nil::RefusedByTheMethod },
        { "a class the framework only names: RemoveTrayItem", &Application::Class, kNoObjectIsOne, &MenuItem::Class,
            byName("RemoveTrayItem", "%%o<TrayItem>"), kKeepsNothingToRead },
    };
    auto raisedClass = [](const std::function<void()>& call) -> ClassRecord* {
        try {
            call();
        } catch (const Raised& raised) {
            return raised.exception()->classRecord();
        }
        return nullptr;
    };
    for (auto& row : rows) {
        SCOPED_TRACE(row.name);
        auto target = RuntimeNewObject(row.targetClass());
        Ref<Object> accepted = row.parameterClass ? RuntimeNewObject(row.parameterClass()) : nullptr;
        if (accepted) {
            row.invoke(target.get(), ObjectToVariant(accepted.get()));
            if (row.kept) {
                EXPECT_EQ(row.kept(target.get()), accepted.get());
            }
        }
        auto refused = RuntimeNewObject(row.otherClass());
        EXPECT_EQ(raisedClass([&] { row.invoke(target.get(), ObjectToVariant(refused.get())); }),
            IllegalCastException::Class())
            << "an object of another class is refused";
        if (row.kept) {
            EXPECT_EQ(row.kept(target.get()), accepted.get()) << "the method did not run";
        }
        if (row.nil == Nil::Passes) {
            row.invoke(target.get(), Variant {});
            if (row.kept) {
                EXPECT_EQ(row.kept(target.get()), nullptr) << "nil passes as nil";
            }
        } else {
            EXPECT_EQ(raisedClass([&] { row.invoke(target.get(), Variant {}); }), NilObjectException::Class())
                << "nil passes the cast and the method refuses it";
        }
    }
    keptWindow = nullptr;
}

} // namespace
