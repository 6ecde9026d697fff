// What the tool windows' tests share: a fixture that opens one tool window as its
// Tools menu item finds it, its text fields by name, and a user's way of retyping one.
#pragma once

#include "calculators/StoredLiterals.h"

#include <fw/TextField.h>
#include <fw/Window.h>

#include <gtest/gtest.h>

#include <string_view>

namespace tool_window_testing {

// The user selects the field's text and types anew: the field goes through the
// empty text first, so even the text already there counts as a change.
inline void Retype(fw::TextField& field, std::string_view text)
{
    field.userEdited("");
    field.userEdited(text);
}

// A test of the tool window W: its implicit instance, open from the start; every
// instance of W that is open at the end closes.
template <class W> class ToolWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        window = W::ImplicitInstance();
        ASSERT_TRUE(window);
    }
    void TearDown() override
    {
        while (auto open = fw::RuntimeGetImplicitWindow(calculators::TextLiteral<W::kRegisteredName>()))
            open->Close();
    }

    fw::TextField& field(std::string_view name) { return *fw::native_cast<fw::TextField>(window->findControl(name)); }

    fw::Ref<fw::Window> window;
};

} // namespace tool_window_testing
