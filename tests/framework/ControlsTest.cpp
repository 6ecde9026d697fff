// Controls: every stream key is a settable property of its type, and the change
// events (TextChange, Change, ValueChanged) fire exactly when a value changes.
#include "EventBinding.h"

#include <fw/Canvas.h>
#include <fw/GroupBox.h>
#include <fw/Label.h>
#include <fw/Line.h>
#include <fw/MenuItem.h>
#include <fw/PopupMenu.h>
#include <fw/PropertyKeys.h>
#include <fw/PropertyStream.h>
#include <fw/Slider.h>
#include <fw/TextArea.h>
#include <fw/TextField.h>
#include <fw/Window.h>

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace fw;

template <class T> Ref<T> make()
{
    auto object = RuntimeNewObject(T::Class());
    return Ref<T>::adopt(native_cast<T>(object.release()));
}

std::vector<std::string> words(std::string_view text)
{
    std::istringstream in { std::string(text) };
    std::vector<std::string> all;
    for (std::string word; in >> word;)
        all.push_back(word);
    return all;
}

// A value of the key's type that differs from every default.
Variant sampleOf(StreamType type)
{
    switch (type) {
    case StreamType::Int32:
        return Int32ToVariant(7);
    case StreamType::Boolean:
        return BooleanToVariant(true);
    case StreamType::Color:
        return ColorToVariant(Color { 1, 2, 3 });
    case StreamType::String: {
        auto text = NewString("abc");
        return StringToVariant(text.get());
    }
    }
    return {};
}

struct KeysOfTarget {
    const char* target;
    ClassRecord* (*cls)();
    std::string keys; // in the order the streams store them
};

// The keys that a text field's, group box's, popup menu's and slider's streams start with.
const std::string kVisualControlKeys
    = "Name Index Left Top Width Height LockLeft LockTop LockRight LockBottom TabPanelIndex TabIndex TabStop ";

TEST(Controls, EveryStreamKeyIsASettablePropertyOfItsType)
{
    const KeysOfTarget rows[] = {
        { "Window", &Window::Class,
            "Placement Width Height MinWidth MinHeight MaxWidth MaxHeight Frame Composite HasBackColor BackColor "
            "Title Visible FullScreen MenuBarVisible CloseButton Resizeable LiveResize MaximizeButton "
            "MinimizeButton FullScreenButton MacProcID" },
        { "TextField", &TextField::Class,
            kVisualControlKeys
                + "Border Password UseFocusRing TextColor BackColor Enabled Format Visible HelpTag AutoDeactivate "
                  "TextFont Bold Italic Underline CueText Text Mask ReadOnly LimitText AcceptTabs Alignment "
                  "AutomaticallyCheckSpelling DataSource DataField InitialParent" },
        { "Label", &Label::Class,
            "TabStop Name Index Left Top Width Height LockLeft LockTop LockRight LockBottom TabPanelIndex "
            "TabIndex Text TextAlign TextColor Multiline Enabled Visible Selectable Transparent HelpTag "
            "AutoDeactivate TextFont Bold Italic Underline DataSource DataField InitialParent" },
        { "GroupBox", &GroupBox::Class,
            kVisualControlKeys
                + "Caption Enabled Visible HelpTag AutoDeactivate TextFont Bold Italic Underline InitialParent" },
        { "Line", &Line::Class,
            "TabStop TabIndex Name Index Top Left Width Height X1 X2 Y1 Y2 TabPanelIndex Visible BorderWidth "
            "LineColor InitialParent" },
        { "PopupMenu", &PopupMenu::Class,
            kVisualControlKeys
                + "Enabled InitialValue ListIndex Visible HelpTag AutoDeactivate TextFont Bold Italic Underline "
                  "DataSource DataField InitialParent" },
        { "Slider", &Slider::Class,
            kVisualControlKeys
                + "Enabled Visible HelpTag AutoDeactivate Minimum Value Maximum LineStep PageStep LiveScroll TickStyle "
                  "InitialParent" },
        { "Canvas", &Canvas::Class,
            "InitialParent Transparent EraseBackground DoubleBuffer AcceptTabs AcceptFocus UseFocusRing Enabled "
            "AutoDeactivate HelpTag Visible TabStop TabIndex TabPanelIndex LockBottom LockRight LockTop LockLeft "
            "Height Width Top Left Index Name" },
        { "TextArea", &TextArea::Class,
            "InitialParent DataField DataSource AutomaticallyCheckSpelling Alignment AcceptTabs LimitText "
            "ReadOnly Mask Text Underline Italic Bold TextFont HideSelection AutoDeactivate HelpTag Visible "
            "Format Enabled BackColor TextColor UseFocusRing Styled ScrollbarVertical ScrollbarHorizontal "
            "Multiline Border TabStop TabIndex TabPanelIndex LockBottom LockRight LockTop LockLeft Height Width "
            "Top Left Index Name" },
    };
    for (auto& row : rows) {
        ClassRecord* cls = row.cls();
        auto target = RuntimeNewObject(cls);
        for (auto& key : words(row.keys)) {
            SCOPED_TRACE(std::string(row.target) + "." + key);
            const PropertyKey* streamKey = findPropertyKey(key);
            ASSERT_NE(streamKey, nullptr);
            const PropertyRecord* property = FindProperty(cls, key);
            ASSERT_NE(property, nullptr);
            EXPECT_EQ(property->typeCode, PropertyTypeCode(streamKey->type));
            ASSERT_NE(property->setInvoker, nullptr);
            // Set through the record, read back through the record: the same value.
            Variant value = sampleOf(streamKey->type);
            property->setInvoker(*property, target.get(), value);
            Variant read = property->getInvoker(*property, target.get());
            if (streamKey->type == StreamType::String)
                EXPECT_EQ(Text(VariantToString(read)), "abc");
            else
                EXPECT_EQ(read.value(), value.value());
        }
    }
}

TEST(Controls, ExplicitSettersHaveTheTypesTheProgramPasses)
{
    struct Row {
        const char* name;
        ClassRecord* (*cls)();
        std::string_view property, typeCode;
    };
    const Row rows[] = {
        { "TextField.TextUnit", &TextField::Class, "TextUnit", "u1" },
        { "Label.TextUnit", &Label::Class, "TextUnit", "u1" },
        { "Label.TextSize", &Label::Class, "TextSize", "f4" },
        { "GroupBox.TextUnit", &GroupBox::Class, "TextUnit", "u1" },
        { "PopupMenu.TextUnit", &PopupMenu::Class, "TextUnit", "u1" },
        { "TextArea.TextSize", &TextArea::Class, "TextSize", "f4" },
        { "TextArea.LineSpacing", &TextArea::Class, "LineSpacing", "f8" },
        { "Canvas.Backdrop", &Canvas::Class, "Backdrop", "o<Picture>" },
        { "Window.MenuBar", &Window::Class, "MenuBar", "o<MenuBar>" },
    };
    for (auto& row : rows) {
        const PropertyRecord* property = FindProperty(row.cls(), row.property);
        ASSERT_NE(property, nullptr) << row.name;
        EXPECT_EQ(property->typeCode, row.typeCode) << row.name;
        EXPECT_NE(FindMethod(row.cls(), std::string(row.property) + ".Set", "%%" + std::string(row.typeCode)), nullptr)
            << row.name;
    }
}

// Reads a property by name through its accessor record, as a call by name does.
Variant callGet(Object* target, std::string_view property, std::string_view typeCode)
{
    auto* get = FindMethod(target->classRecord(), std::string(property) + ".Get", "%" + std::string(typeCode) + "%");
    EXPECT_NE(get, nullptr) << property << ".Get";
    return get ? get->invoker(get->entry, target, nullptr) : Variant {};
}

TEST(Controls, AccessorRecordsReadAndWriteThroughTheirInvokers)
{
    auto picture = NewPicture(nullptr, 84, 64);
    auto bar = RuntimeNewObject(MenuBar::Class());
    auto text = NewString("typed");
    struct Row {
        const char* name;
        ClassRecord* (*cls)();
        std::string_view property, typeCode;
        Variant value;
    };
    const Row rows[] = {
        { "String", &TextField::Class, "Text", "s", StringToVariant(text.get()) },
        { "Single", &Label::Class, "TextSize", "f4", DoubleToVariant(12.0) },
        { "byte", &Label::Class, "TextUnit", "u1", Int32ToVariant(3) },
        { "Double", &TextArea::Class, "LineSpacing", "f8", DoubleToVariant(1.5) },
        { "Color", &Label::Class, "TextColor", "c", ColorToVariant(Color { 0, 0, 255 }) },
        { "picture", &Canvas::Class, "Backdrop", "o<Picture>", ObjectToVariant(picture.get()) },
        { "menu bar", &Window::Class, "MenuBar", "o<MenuBar>", ObjectToVariant(bar.get()) },
    };
    for (auto& row : rows) {
        SCOPED_TRACE(row.name);
        auto target = RuntimeNewObject(row.cls());
        auto* set = FindMethod(row.cls(), std::string(row.property) + ".Set", "%%" + std::string(row.typeCode));
        ASSERT_NE(set, nullptr);
        std::vector<Variant> arguments { row.value };
        set->invoker(set->entry, target.get(), &arguments);
        Variant read = callGet(target.get(), row.property, row.typeCode);
        if (auto* string = std::get_if<StringRef>(&read.value()))
            EXPECT_EQ(Text(*string), "typed");
        else
            EXPECT_EQ(read.value(), row.value.value());
    }
    auto window = RuntimeNewObject(Window::Class());
    EXPECT_EQ(VariantToInt32(callGet(window.get(), "ControlCount", "i4")), 0);
    EXPECT_EQ(FindMethod(Window::Class(), "ControlCount.Set", "%%i4"), nullptr) << "the program cannot write it";
    std::vector<Variant> wrongClass { ObjectToVariant(picture.get()) };
    auto* setBar = FindMethod(Window::Class(), "MenuBar.Set", "%%o<MenuBar>");
    EXPECT_THROW(setBar->invoker(setBar->entry, window.get(), &wrongClass), Raised) << "a picture is no menu bar";
}

bool handleNothing(Object*) { return false; }
bool handleCopy(Object*) { return true; }

TEST(Controls, WindowsAndControlsKeepDropKindsAndMenuHandlersThroughTheirMethods)
{
    struct Row {
        const char* name;
        ClassRecord* (*cls)();
        std::function<const DropTarget&(Object*)> drops;
        std::function<const MenuHandlerList&(Object*)> handlers;
    };
    const Row rows[] = {
        { "window", &Window::Class, [](Object* o) -> const DropTarget& { return *native_cast<Window>(o); },
            [](Object* o) -> const MenuHandlerList& { return *native_cast<Window>(o); } },
        { "control", &Label::Class, [](Object* o) -> const DropTarget& { return *native_cast<Label>(o); },
            [](Object* o) -> const MenuHandlerList& { return *native_cast<Label>(o); } },
    };
    auto copy = reinterpret_cast<MethodEntry>(&handleCopy);
    for (auto& row : rows) {
        SCOPED_TRACE(row.name);
        auto target = RuntimeNewObject(row.cls());
        auto call = [&](std::string_view name, std::string_view signature, std::vector<Variant> arguments) {
            auto* method = FindMethod(row.cls(), name, signature);
            ASSERT_NE(method, nullptr) << name;
            method->invoker(method->entry, target.get(), &arguments);
        };
        auto type = NewString("TEXT");
        call("AcceptFileDrop", "%%s", { StringToVariant(type.get()) });
        call("AcceptPictureDrop", "%%", {});
        call("AcceptRawDataDrop", "%%s", { StringToVariant(type.get()) });
        call("AcceptTextDrop", "%%", {});
        call("AcceptMacDataDrop", "%%s", { StringToVariant(type.get()) });
        EXPECT_EQ(row.drops(target.get()).acceptedDrops(),
            (std::vector<std::string> { "file:TEXT", "picture", "raw:TEXT", "text", "data:TEXT" }));

        auto slot = MethodTableSlot(row.cls(), "_AddMenuHandler", "%%sp");
        ASSERT_GE(slot, 0);
        CallSlot<void, String*, MethodEntry>(
            target.get(), slot, Literal<"EditCopy">(), reinterpret_cast<MethodEntry>(&handleNothing));
        CallSlot<void, String*, MethodEntry>(target.get(), slot, Literal<"EditCopy">(), copy);
        EXPECT_EQ(row.handlers(target.get()).menuHandler("EditCopy"), copy) << "a later handler replaces";
        EXPECT_EQ(row.handlers(target.get()).menuHandler("EditCut"), nullptr);
    }
}

// Every change event writes the control's state at that moment here.
std::vector<std::string> seen;

void recordText(Object*, Object* control) { seen.emplace_back(native_cast<TextField>(control)->text()); }

void writeUppercase(Object*, Object* control)
{
    auto* field = native_cast<TextField>(control);
    std::string text(field->text());
    seen.push_back(text);
    for (auto& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    field->setText(text);
}

class ChangeEvents : public testing::Test {
protected:
    void SetUp() override { seen.clear(); }

    Ref<Object> window = RuntimeNewObject(Window::Class());
    Ref<TextField> field = make<TextField>();
};

TEST_F(ChangeEvents, TextChangeFiresForEveryChangeAndNeverForTheSameText)
{
    field->setText("0"); // as a stream sets it, before any handler is bound
    test_binding::Bind<TextEditEvent::kTextChange>(field.get(), &recordText, window.get());
    EXPECT_TRUE(seen.empty());
    field->setText("0");
    field->setText("1");
    field->userEdited("12");
    field->userEdited("12");
    field->setText("");
    EXPECT_EQ(seen, (std::vector<std::string> { "1", "12", "" }));
}

TEST_F(ChangeEvents, HandlerThatRewritesItsOwnFieldEndsAfterOneNestedRun)
{
    test_binding::Bind<TextEditEvent::kTextChange>(field.get(), &writeUppercase, window.get());
    field->userEdited("abc");
    EXPECT_EQ(seen, (std::vector<std::string> { "abc", "ABC" }));
    EXPECT_EQ(field->text(), "ABC");
}

TEST_F(ChangeEvents, LimitTextKeepsWholeCharacters)
{
    struct Row {
        const char* name;
        std::int32_t limit;
        std::string_view typed, kept;
    };
    const Row rows[] = {
        { "no limit", 0, "123456", "123456" },
        { "cut to the limit", 5, "123456", "12345" },
        { "exactly the limit", 5, "12345", "12345" },
        { "two-byte characters count once", 3, "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", "\xC3\xA9\xC3\xA9\xC3\xA9" },
        { "three-byte characters count once", 2, "\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC", "\xE2\x82\xAC\xE2\x82\xAC" },
        { "four-byte character before a cut", 1,
            "\xF0\x9F\x8D\xBA"
            "x",
            "\xF0\x9F\x8D\xBA" },
    };
    for (auto& row : rows) {
        SCOPED_TRACE(row.name);
        auto typedInto = make<TextField>();
        typedInto->setLimitText(row.limit);
        typedInto->userEdited(row.typed);
        EXPECT_EQ(typedInto->text(), row.kept);
        auto setInto = make<TextField>();
        setInto->setLimitText(row.limit);
        setInto->setText(row.typed);
        EXPECT_EQ(setInto->text(), row.kept);
    }
}

TEST_F(ChangeEvents, LimitSetAfterTheTextCutsItAndSaysSo)
{
    field->setText("hello");
    test_binding::Bind<TextEditEvent::kTextChange>(field.get(), &recordText, window.get());
    field->setLimitText(3);
    field->userEdited("hello"); // the user types past the limit: the field keeps what it had
    EXPECT_EQ(field->text(), "hel");
    EXPECT_EQ(seen, std::vector<std::string> { "hel" });
}

void recordRow(Object*, Object* control)
{
    auto* popup = native_cast<PopupMenu>(control);
    seen.push_back(std::to_string(popup->listIndex()) + " " + std::string(popup->text()));
}

TEST_F(ChangeEvents, PopupChangeFiresForEveryNewIndex)
{
    auto popup = make<PopupMenu>();
    popup->setInitialValue("Just boiling\rRolling Boil\rForced Boil");
    popup->setListIndex(0);
    test_binding::Bind<PopupMenuEvent::kChange>(popup.get(), &recordRow, window.get());
    popup->setListIndex(0);
    popup->setListIndex(2);
    popup->userSelected(1);
    popup->userSelected(1);
    popup->setListIndex(-1);
    popup->setListIndex(7); // stored as given; no row shows
    EXPECT_EQ(seen, (std::vector<std::string> { "2 Forced Boil", "1 Rolling Boil", "-1 ", "7 " }));
    EXPECT_EQ(popup->listIndex(), 7);
    EXPECT_EQ(popup->listCount(), 3);
    EXPECT_EQ(Text(popup->List(1)), "Rolling Boil");
}

void recordValue(Object*, Object* control) { seen.push_back(std::to_string(native_cast<Slider>(control)->value())); }

TEST_F(ChangeEvents, SliderValueStaysInRangeAndEveryChangeFires)
{
    auto slider = make<Slider>();
    slider->setMaximum(100);
    test_binding::Bind<SliderEvent::kValueChanged>(slider.get(), &recordValue, window.get());
    slider->setValue(0); // unchanged
    slider->setValue(150); // kept at the maximum
    slider->setValue(100);
    slider->userMoved(40);
    slider->setMaximum(30); // moves the value with it
    slider->setMinimum(60); // raises the maximum and the value
    slider->userMoved(10); // below the range: stays
    EXPECT_EQ(seen, (std::vector<std::string> { "100", "40", "30", "60" }));
    EXPECT_EQ(slider->minimum(), 60);
    EXPECT_EQ(slider->maximum(), 60);
}

// A label class of the program's kind, implementing its mouse events itself.
void hookEnter(Object*) { seen.push_back("enter"); }
void hookExit(Object*) { seen.push_back("exit"); }
bool hookDown(Object*, std::int32_t x, std::int32_t y)
{
    seen.push_back("down " + std::to_string(x) + "," + std::to_string(y));
    return false;
}
void hookUp(Object*, std::int32_t x, std::int32_t y)
{
    seen.push_back("up " + std::to_string(x) + "," + std::to_string(y));
}

ClassRecord* LinkLabelClass()
{
    static ClassRecord* cls = [] {
        ClassRecord* super = Label::Class();
        auto* record = RuntimeNewClass(super, static_cast<std::int32_t>(super->methods.size()), 0,
            static_cast<std::int32_t>(super->events.size()), 0, static_cast<std::int32_t>(super->properties.size()), 0);
        record->registeredName = "LinkLabel";
        record->instanceSize = super->instanceSize;
        record->methodTableCount = super->methodTableCount;
        record->methodTable = super->methodTable;
        record->events[RectControlEvent::kMouseEnter].hook = reinterpret_cast<MethodEntry>(&hookEnter);
        record->events[RectControlEvent::kMouseExit].hook = reinterpret_cast<MethodEntry>(&hookExit);
        record->events[LabelEvent::kMouseDown].hook = reinterpret_cast<MethodEntry>(&hookDown);
        record->events[LabelEvent::kMouseUp].hook = reinterpret_cast<MethodEntry>(&hookUp);
        return record;
    }();
    return cls;
}

TEST_F(ChangeEvents, LabelMouseReportsReachTheClassOwnEvents)
{
    auto object = RuntimeNewObject(LinkLabelClass());
    auto* label = native_cast<Label>(object.get());
    label->mouseEnter();
    EXPECT_TRUE(label->hovered());
    EXPECT_FALSE(label->mouseDown(1, 2));
    label->mouseExit();
    label->mouseUp(-3, 4); // released outside, after leaving
    EXPECT_EQ(seen, (std::vector<std::string> { "enter", "down 1,2", "exit", "up -3,4" }));
    EXPECT_FALSE(label->hovered());
    EXPECT_EQ(label->mouseX(), -3);
}

TEST(Controls, EnclosingControlIsTheOneNamedAsInitialParent)
{
    auto window = make<Window>();
    auto box = window->New(GroupBox::Class());
    auto field = window->New(TextField::Class());
    window->AddControl(Literal<"GB_main">(), box.get());
    window->AddControl(Literal<"TE_Gallons">(), field.get());
    auto* inner = native_cast<TextField>(field.get());
    EXPECT_EQ(inner->enclosingControl(), nullptr) << "placed directly on the window";
    inner->setInitialParent("GB_main");
    EXPECT_EQ(inner->enclosingControl(), box.get());
    inner->setInitialParent("TE_Gallons");
    EXPECT_EQ(inner->enclosingControl(), nullptr) << "a control does not enclose itself";
    inner->setInitialParent("Missing");
    EXPECT_EQ(inner->enclosingControl(), nullptr);
}

} // namespace
