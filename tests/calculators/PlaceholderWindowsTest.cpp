// The two placeholder windows: their registration, design and note.
#include "calculators/W_Carb.h"
#include "calculators/W_Pari.h"
#include "shell/menubar/MenuBar1.h"

#include <fw/Label.h>
#include <fw/MenuItem.h>

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* name;
    fw::ClassRecord* (*cls)();
    fw::Ref<fw::Window> (*open)();
    const char* title;
    const char* note;
    std::size_t methods;
    std::int32_t tableEntries;
    bool sharedMenuBar;
};

const Case kCases[] = {
    { "carbonation", &W_Carb::Class, &W_Carb::ImplicitInstance, "Carbonation Tool",
        "Future home of the new Carbonation tool", 111, 39, false },
    { "parti-gyle", &W_Pari::Class, &W_Pari::ImplicitInstance, "Parti Gyle Tool",
        "Future home of the new Parti Gyle tool", 129, 57, true },
};

TEST(PlaceholderWindows, ShowTheirNoteAndRegisterTheirFacts)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        fw::ClassRecord* cls = c.cls();
        EXPECT_EQ(cls->methods.size(), c.methods);
        EXPECT_EQ(cls->methodTableCount, c.tableEntries);
        EXPECT_EQ(cls->events.size(), 33u);
        EXPECT_EQ(cls->properties.size(), 47u);
        EXPECT_EQ(cls->instanceSize, fw::Window::kInstanceSize);
        EXPECT_EQ(cls->methods[110].name, "Label1");
        EXPECT_EQ(cls->methods[110].signature, "%o<Label>%");

        fw::Ref<fw::Window> window = c.open();
        EXPECT_EQ(window->title(), c.title);
        EXPECT_EQ(window->width(), 600);
        EXPECT_EQ(window->height(), 400);
        EXPECT_EQ(window->controlCount(), 1u);
        auto* label = fw::native_cast<fw::Label>(window->findControl("Label1"));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), c.note);
        EXPECT_EQ(label->left(), 142);
        EXPECT_EQ(label->width(), 374);
        EXPECT_TRUE(label->transparent());
        EXPECT_EQ(label->textUnit(), 0);
        EXPECT_EQ(label->textSize(), 0.0f) << "no text size is set";

        EXPECT_EQ(c.open(), window) << "a second request finds the open window";
        EXPECT_EQ(window->menuBar() != nullptr, c.sharedMenuBar);
        if (c.sharedMenuBar) {
            EXPECT_EQ(window->menuBar(), MenuBar1::ImplicitInstance());
        }
        window->Close();
        fw::Ref<fw::Window> again = c.open();
        EXPECT_NE(again, window) << "a closed window is built anew";
        again->Close();
    }
}

TEST(PlaceholderWindows, MenuItemAccessorsFindTheSharedBarsEntries)
{
    fw::Ref<fw::Window> window = W_Pari::ImplicitInstance();
    fw::ClassRecord* cls = W_Pari::Class();
    auto& record = cls->methods[111 + 2]; // M_Carb, the third member of the family
    EXPECT_EQ(record.name, "M_Carb");
    auto entry = fw::EntryAs<fw::Ref<fw::Object> (*)(fw::Object*)>(record.entry)(window.get());
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(fw::native_cast<fw::MenuItem>(entry.get())->text(), "Carbonation Tool");
    auto quit = fw::EntryAs<fw::Ref<fw::Object> (*)(fw::Object*)>(cls->methods.back().entry)(window.get());
    EXPECT_TRUE(fw::RuntimeObjectIsa(quit.get(), fw::QuitMenuItem::Class()));
    window->Close();

    fw::Ref<fw::Window> carb = W_Carb::ImplicitInstance();
    EXPECT_THROW(fw::EntryAs<fw::Ref<fw::Object> (*)(fw::Object*)>(record.entry)(carb.get()), fw::Raised)
        << "a window without a menu bar";
    carb->Close();
}

} // namespace
