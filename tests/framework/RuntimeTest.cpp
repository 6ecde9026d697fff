// Objects, Strings, class records and exceptions of the runtime core.
#include <fw/Abi.h>
#include <fw/ClassRecord.h>
#include <fw/Exceptions.h>
#include <fw/Fields.h>
#include <fw/FrameworkClasses.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace fw;

// A small class with two declared fields, registered the way the program's classes are.
std::vector<std::string> hookLog;

constexpr std::int32_t kFirst = 16; // the native size of RuntimeException, the superclass below
constexpr std::int32_t kSecond = kFirst + 4;

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

} // namespace
