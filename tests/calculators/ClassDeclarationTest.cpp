// Class registration: the counts, positions, offsets and hooks that follow from a
// class's declared facts, shown on classes shaped like the program's own.
#include "calculators/ClassDeclaration.h"

#include <fw/Label.h>
#include <fw/MenuItem.h>
#include <fw/Window.h>

#include <gtest/gtest.h>

#include <array>

namespace {

void doNothing(fw::Window&) { }
void layout(fw::Window&) { }
void createControls(fw::Window&) { }
fw::Ref<fw::Label> label1(fw::Window&) { return nullptr; }

// The worked example: a placeholder window with one label.
const ClassDeclaration& placeholderWindow()
{
    static const MethodDeclaration methods[] {
        Method<&layout>("Layout").Hooks(fw::WindowEvent::kLayout),
        Method<&createControls>("CreateControls").Hooks(fw::WindowEvent::kCreateControls),
        HiddenMethod<&doNothing>("_CreateControls0"),
        Method<&label1>("Label1"),
    };
    static const ClassDeclaration declaration {
        .superclass = &fw::Window::Class, .registeredName = "W_Carb.W_Carb", .hasClassScope = true, .methods = methods
    };
    return declaration;
}
using PlaceholderWindow = ClassStorage<&placeholderWindow>;

TEST(ClassInit, DerivesTheWorkedExampleFromItsFacts)
{
    fw::ClassRecord* cls = PlaceholderWindow::Accessor();
    fw::ClassRecord* window = fw::Window::Class();
    EXPECT_EQ(cls->superclass, window);
    EXPECT_EQ(cls->methods.size(), 111u);
    EXPECT_EQ(cls->interfaces.size(), 0u);
    EXPECT_EQ(cls->events.size(), 33u);
    EXPECT_EQ(cls->reserved5, 0);
    EXPECT_EQ(cls->properties.size(), 47u);
    ASSERT_EQ(cls->classAttributes.size(), 1u);
    EXPECT_EQ(cls->classAttributes[0].name, "__Scope");
    EXPECT_EQ(cls->classAttributes[0].value, "Public");
    EXPECT_EQ(cls->classAttributes[0].hasValue, 1);

    EXPECT_EQ(cls->registeredName, "W_Carb.W_Carb");
    EXPECT_EQ(cls->instanceSize, fw::Window::kInstanceSize);
    EXPECT_EQ(cls->kind, 0);
    EXPECT_EQ(cls->reserved20, 0);
    EXPECT_EQ(cls->initHook, nullptr);
    EXPECT_EQ(cls->exitHook, nullptr);

    ASSERT_EQ(cls->methodTableCount, 39);
    for (int slot = 0; slot < 35; ++slot)
        EXPECT_EQ(cls->methodTable[slot], window->methodTable[slot]) << "inherited entry " << slot;
    const char* names[] = { "Layout", "CreateControls", "_CreateControls0", "Label1" };
    const char* signatures[] = { "%%", "%%", "%%", "%o<Label>%" };
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(names[k]);
        auto& record = cls->methods[static_cast<std::size_t>(107 + k)];
        EXPECT_EQ(record.name, names[k]);
        EXPECT_EQ(record.flags, 1);
        EXPECT_EQ(record.signature, signatures[k]);
        EXPECT_EQ(record.entry, cls->methodTable[35 + k]);
        EXPECT_NE(record.invoker, nullptr);
        ASSERT_EQ(record.attributes.size(), k == 2 ? 2u : 1u);
        EXPECT_EQ(record.attributes[0].name, "__Scope");
        EXPECT_EQ(record.attributes[0].value, "Public");
        EXPECT_EQ(record.attributes[0].hasValue, 1);
        if (k == 2) {
            EXPECT_EQ(record.attributes[1].name, "Hidden");
            EXPECT_EQ(record.attributes[1].value, "");
            EXPECT_EQ(record.attributes[1].hasValue, 0);
        }
    }
    EXPECT_EQ(cls->events[16].hook, cls->methodTable[35]);
    EXPECT_EQ(cls->events[7].hook, cls->methodTable[36]);
    EXPECT_EQ(cls->events[27].hook, window->events[27].hook) << "an event the class does not hook stays as it was";
}

TEST(ClassInit, RegistersOnceWhicheverComesFirst)
{
    fw::ClassRecord* first = PlaceholderWindow::Accessor();
    PlaceholderWindow::Init(); // the initialisation list reaching the class later
    EXPECT_EQ(PlaceholderWindow::Accessor(), first);
    auto registered = fw::RegisteredClasses();
    EXPECT_EQ(std::count(registered.begin(), registered.end(), first), 1);
}

// The one override: a menu bar's constructor takes the inherited no-argument constructor's entry.
int constructed = 0;
void untitled(fw::MenuBar&) { }
void menuBarConstructor(fw::MenuBar&) { ++constructed; }

const ClassDeclaration& menuBar()
{
    static const MethodDeclaration methods[] {
        Method<&untitled>("Untitled0"),
        Method<&untitled>("Untitled1"),
        Method<&untitled>("Untitled2"),
        Override<&menuBarConstructor>("Constructor"),
    };
    static const ClassDeclaration declaration { .superclass = &fw::MenuBar::Class,
        .registeredName = "MenuBar1.MenuBar1",
        .hasClassScope = true,
        .methods = methods };
    return declaration;
}

TEST(ClassInit, AnOverrideTakesTheInheritedEntry)
{
    fw::ClassRecord* cls = ClassStorage<&menuBar>::Accessor();
    fw::ClassRecord* super = fw::MenuBar::Class();
    EXPECT_EQ(cls->methods.size(), 56u);
    EXPECT_EQ(cls->methods[55].name, "Constructor") << "the override has a record of its own, the fourth";
    ASSERT_EQ(cls->methodTableCount, 29);
    auto slot = fw::MethodTableSlot(super, "Constructor", "%%");
    ASSERT_GE(slot, 0);
    EXPECT_EQ(cls->methodTable[slot], cls->methods[55].entry);
    EXPECT_EQ(cls->methodTable[26], cls->methods[52].entry);
    EXPECT_EQ(cls->instanceSize, 52);

    auto bar = fw::RuntimeNewObject(cls);
    constructed = 0;
    fw::CallSlot<void>(bar.get(), slot);
    EXPECT_EQ(constructed, 1) << "a call through the table reaches the override";
}

// A class with fields: Protected Int32 properties after the superclass's instance.
void initFields(fw::Object* instance)
{
    for (std::int32_t k = 0; k < 3; ++k)
        instance->field(fw::Window::kInstanceSize + k * fw::kFieldBytes).int32 = 0;
}
void boilOff(fw::Window&) { }

const ClassDeclaration& windowWithFields()
{
    static const MethodDeclaration methods[] { Method<&boilOff>("Boil_Off", Scope::Protected) };
    static const std::array properties {
        FieldProperty<std::int32_t>("regBtls", Scope::Protected),
        FieldProperty<std::int32_t>("BigBtls", Scope::Protected),
        FieldProperty<std::int32_t>("LftOver", Scope::Protected),
    };
    static const ClassDeclaration declaration { .superclass = &fw::Window::Class,
        .registeredName = "W_Bottle.W_Bottle",
        .hasClassScope = true,
        .methods = methods,
        .properties = properties,
        .initHook = &initFields };
    return declaration;
}

TEST(ClassInit, PlacesDeclaredFieldsAfterTheSuperclassInstance)
{
    fw::ClassRecord* cls = ClassStorage<&windowWithFields>::Accessor();
    EXPECT_EQ(cls->properties.size(), 50u);
    EXPECT_EQ(cls->instanceSize, fw::Window::kInstanceSize + 3 * fw::kFieldBytes);
    EXPECT_EQ(cls->initHook, &initFields);
    const char* names[] = { "regBtls", "BigBtls", "LftOver" };
    for (int k = 0; k < 3; ++k) {
        auto& record = cls->properties[static_cast<std::size_t>(47 + k)];
        EXPECT_EQ(record.name, names[k]);
        EXPECT_EQ(record.typeCode, "i4");
        EXPECT_EQ(record.flags, 4);
        EXPECT_EQ(record.fieldOffset, fw::Window::kInstanceSize + k * fw::kFieldBytes);
        ASSERT_EQ(record.attributes.size(), 1u);
        EXPECT_EQ(record.attributes[0].value, "Protected");
        EXPECT_NE(record.setInvoker, nullptr);
    }
    auto& method = cls->methods[107];
    EXPECT_EQ(method.flags, 0) << "a Protected method's flags stay as RuntimeNewClass left them";
    EXPECT_EQ(method.attributes[0].value, "Protected");

    auto window = fw::RuntimeNewObject(cls);
    fw::Variant seven = fw::Int32ToVariant(7);
    cls->properties[48].setInvoker(cls->properties[48], window.get(), seven);
    EXPECT_EQ(window->field(208).int32, 7);
    EXPECT_EQ(window->field(212).int32, 0);
}

// Without a class scope: a plain name and no class attribute.
void open(fw::Label&) { }
const ClassDeclaration& linkLabel()
{
    static const MethodDeclaration methods[] { Method<&open>("Event_Open").Hooks(fw::ControlEvent::kOpen) };
    static const std::array properties { FieldProperty<fw::String*>("URL") };
    static const ClassDeclaration declaration {
        .superclass = &fw::Label::Class, .registeredName = "stStaticURL", .methods = methods, .properties = properties
    };
    return declaration;
}

TEST(ClassInit, AClassWithoutScopeHasNoClassAttribute)
{
    fw::ClassRecord* cls = ClassStorage<&linkLabel>::Accessor();
    EXPECT_EQ(cls->classAttributes.size(), 0u);
    EXPECT_EQ(cls->registeredName, "stStaticURL");
    EXPECT_EQ(cls->instanceSize, 164);
    EXPECT_EQ(cls->properties.back().fieldOffset, 160);
    EXPECT_EQ(cls->properties.back().flags, 5);
    EXPECT_EQ(cls->methodTableCount, 21);
    EXPECT_EQ(cls->events[2].hook, cls->methodTable[20]);
}

} // namespace
