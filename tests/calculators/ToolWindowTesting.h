// What the tool windows' tests share: the registration facts a window class must
// show, and a user's way of retyping a field.
#pragma once

#include <fw/ClassRecord.h>
#include <fw/TextField.h>
#include <fw/Window.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>
#include <vector>

namespace tool_window_testing {

struct RegistrationFacts {
    std::string_view registeredName;
    // RuntimeNewClass's counts after the superclass, in its order.
    std::int32_t methodRecords, interfaces, events, reserved, propertyRecords, classAttributes;
    std::int32_t instanceSize;
    std::int32_t tableEntries;
    bool hasInitHook;
    // Window events the class implements, with the implementing own method.
    std::vector<std::pair<std::int32_t, std::string_view>> eventHooks;
    std::vector<std::string_view> ownMethods; // in method order
    std::vector<std::string_view> protectedMethods;
};

inline void ExpectRegistration(const fw::ClassRecord* cls, const RegistrationFacts& facts)
{
    const fw::ClassRecord* window = fw::Window::Class();
    ASSERT_EQ(cls->superclass, window);
    EXPECT_EQ(cls->registeredName, facts.registeredName);
    EXPECT_EQ(std::int32_t(cls->methods.size()), facts.methodRecords);
    EXPECT_EQ(std::int32_t(cls->interfaces.size()), facts.interfaces);
    EXPECT_EQ(std::int32_t(cls->events.size()), facts.events);
    EXPECT_EQ(cls->reserved5, facts.reserved);
    EXPECT_EQ(std::int32_t(cls->properties.size()), facts.propertyRecords);
    ASSERT_EQ(std::int32_t(cls->classAttributes.size()), facts.classAttributes);
    EXPECT_EQ(cls->classAttributes.at(0).value, "Public");
    EXPECT_EQ(cls->instanceSize, facts.instanceSize);
    EXPECT_EQ(cls->methodTableCount, facts.tableEntries);
    EXPECT_EQ(cls->initHook != nullptr, facts.hasInitHook);
    EXPECT_EQ(cls->exitHook, nullptr);

    const std::size_t firstOwn = window->methods.size();
    ASSERT_EQ(cls->methods.size() - firstOwn, facts.ownMethods.size());
    for (std::size_t k = 0; k < facts.ownMethods.size(); ++k) {
        const fw::MethodRecord& record = cls->methods[firstOwn + k];
        SCOPED_TRACE(record.name);
        EXPECT_EQ(record.name, facts.ownMethods[k]);
        bool isProtected = false;
        for (auto name : facts.protectedMethods)
            isProtected = isProtected || name == record.name;
        EXPECT_EQ(record.flags, isProtected ? 0 : fw::kMethodFlagPublic);
        ASSERT_FALSE(record.attributes.empty());
        EXPECT_EQ(record.attributes[0].value, isProtected ? "Protected" : "Public");
        // No own method overrides: each takes the next entry after Window's.
        EXPECT_EQ(cls->methodTable[window->methodTableCount + std::int32_t(k)], record.entry);
    }

    for (std::size_t event = 0; event < cls->events.size(); ++event) {
        const fw::MethodEntry inherited = window->events[event].hook;
        fw::MethodEntry expected = inherited;
        for (auto [hooked, method] : facts.eventHooks)
            if (std::size_t(hooked) == event)
                expected = fw::FindMethod(cls, method, "%%")->entry;
        EXPECT_EQ(cls->events[event].hook, expected) << "event " << event;
    }
}

// The user selects the field's text and types anew: the field goes through the
// empty text first, so even the text already there counts as a change.
inline void Retype(fw::TextField& field, std::string_view text)
{
    field.userEdited("");
    field.userEdited(text);
}

} // namespace tool_window_testing
