// Applying property streams to objects through their classes' property records.
#include <fw/ClassRecord.h>
#include <fw/Exceptions.h>
#include <fw/Fields.h>
#include <fw/PropertyStream.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using namespace fw;

// A class that declares two properties of its own.
ClassRecord* targetClass()
{
    static ClassRecord* cls = [] {
        ClassRecord* super = RuntimeException::Class();
        auto inherited = static_cast<std::int32_t>(super->properties.size());
        auto* c = RuntimeNewClass(super, static_cast<std::int32_t>(super->methods.size()), 0,
            static_cast<std::int32_t>(super->events.size()), 0, inherited + 2, 0);
        c->registeredName = "StreamTarget";
        c->instanceSize = super->instanceSize + 8;
        c->methodTableCount = super->methodTableCount;
        c->methodTable = RuntimeNewVtable(c->methodTableCount);
        struct Field {
            const char* name;
            std::string_view type;
            FieldAccessors accessors;
        };
        const Field fields[] = {
            { "Left", Convention<std::int32_t>::code, FieldAccessorsOf<std::int32_t>() },
            { "URL", Convention<String*>::code, FieldAccessorsOf<String*>() },
        };
        for (int k = 0; k < 2; ++k) {
            auto& record = c->properties[static_cast<std::size_t>(inherited + k)];
            record.name = fields[k].name;
            record.typeCode = fields[k].type;
            record.fieldOffset = super->instanceSize + kFieldBytes * k;
            record.getInvoker = fields[k].accessors.getInvoker;
            record.setInvoker = fields[k].accessors.setInvoker;
        }
        return c;
    }();
    return cls;
}

// Stream bytes with their literal record, built by hand so the test does not trust the writer.
struct Stream {
    std::vector<std::uint8_t> bytes { 0 }; // the length byte, set by literal()
    String record {};

    Stream& key(std::string_view name)
    {
        bytes.insert(bytes.end(), name.begin(), name.end());
        bytes.push_back(' ');
        return *this;
    }
    Stream& int32(std::int32_t value)
    {
        auto u = static_cast<std::uint32_t>(value);
        for (int shift = 24; shift >= 0; shift -= 8)
            bytes.push_back(static_cast<std::uint8_t>(u >> shift));
        return *this;
    }
    Stream& text(std::string_view value)
    {
        int32(static_cast<std::int32_t>(value.size()));
        bytes.insert(bytes.end(), value.begin(), value.end());
        return *this;
    }
    Stream& raw(std::initializer_list<std::uint8_t> values)
    {
        bytes.insert(bytes.end(), values);
        return *this;
    }
    String* literal()
    {
        auto length = static_cast<std::uint32_t>(bytes.size() - 1);
        bytes[0] = LengthByte(length);
        bytes.push_back(0);
        record = LiteralRecord(bytes.data(), length);
        return &record;
    }
};

std::int32_t leftOf(Object* object) { return Int32FieldGet(object, RuntimeException::Class()->instanceSize); }
std::string urlOf(Object* object)
{
    return std::string(Text(StringFieldGet(object, RuntimeException::Class()->instanceSize + kFieldBytes)));
}

TEST(MassPropertySetter, SetsFrameworkAndDeclaredPropertiesInAnyOrder)
{
    auto target = RuntimeNewObject(targetClass());
    Stream forward;
    forward.key("Left").int32(-258).key("URL").text("https://example.org/caf\xC3\xA9");
    RuntimeMassPropertySetter(target.get(), forward.literal());
    EXPECT_EQ(leftOf(target.get()), -258);
    EXPECT_EQ(urlOf(target.get()), "https://example.org/caf\xC3\xA9");

    Stream reversed;
    reversed.key("URL").text("").key("Left").int32(7);
    RuntimeMassPropertySetter(target.get(), reversed.literal());
    EXPECT_EQ(leftOf(target.get()), 7);
    EXPECT_EQ(urlOf(target.get()), "");

    Stream partial;
    partial.key("Left").int32(9);
    RuntimeMassPropertySetter(target.get(), partial.literal());
    EXPECT_EQ(leftOf(target.get()), 9);
    EXPECT_EQ(urlOf(target.get()), "") << "keys not in the stream stay as they were";
}

TEST(MassPropertySetter, RefusesABadStreamWholeAndSaysWhereAndWhy)
{
    struct Case {
        const char* name;
        Stream stream;
        const char* expected; // a part of the message
    };
    std::vector<Case> cases;
    cases.push_back({ "unknown key", Stream().key("Left").int32(1).key("Bogus").int32(2), "\"Bogus\" at offset 9" });
    cases.push_back({ "key of no property of the class", Stream().key("Left").int32(1).key("Period").int32(2),
        "no settable property \"Period\" at offset 9" });
    cases.push_back({ "value cut short", Stream().key("Left").raw({ 0, 0 }), "offset 0" });
    cases.push_back({ "string longer than the stream", Stream().key("URL").int32(50).raw({ 'a' }), "offset 0" });
    cases.push_back({ "boolean byte", Stream().key("Left").int32(1).key("Visible").raw({ 2 }), "offset 9" });

    for (auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto target = RuntimeNewObject(targetClass());
        try {
            RuntimeMassPropertySetter(target.get(), c.stream.literal());
            ADD_FAILURE() << "expected PropertyStreamException";
        } catch (const Raised& raised) {
            EXPECT_TRUE(RuntimeObjectIsa(raised.exception(), PropertyStreamException::Class()));
            EXPECT_NE(std::string(raised.exception()->message()).find(c.expected), std::string::npos)
                << raised.exception()->message();
        }
        EXPECT_EQ(leftOf(target.get()), 0) << "nothing of a refused stream is applied";
    }
}

TEST(MassPropertySetter, RefusesNil)
{
    Stream empty;
    String* literal = empty.literal();
    EXPECT_THROW(RuntimeMassPropertySetter(nullptr, literal), Raised);
    auto target = RuntimeNewObject(targetClass());
    EXPECT_THROW(RuntimeMassPropertySetter(target.get(), nullptr), Raised);
    RuntimeMassPropertySetter(target.get(), literal); // an empty stream sets nothing
}

} // namespace
