// Class registration: the counts, positions, offsets and hooks that follow from a
// class's declared facts, shown on classes shaped like the program's own.
#include "calculators/ClassDeclaration.h"

#include <fw/Exceptions.h>
#include <fw/Interfaces.h>
#include <fw/Label.h>
#include <fw/MenuItem.h>
#include <fw/Timer.h>
#include <fw/Window.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

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
        Override<&menuBarConstructor>("Constructor", fw::MenuItemSlot::kConstructor),
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

// The message of the RuntimeException that registering the declaration raises; empty when none.
std::string registrationFault(const ClassDeclaration& declaration)
{
    fw::ClassRecord* storage = nullptr;
    try {
        ClassInit(storage, declaration);
    } catch (const fw::Raised& raised) {
        EXPECT_TRUE(fw::RuntimeObjectIsa(raised.exception(), fw::RuntimeException::Class()));
        EXPECT_EQ(storage, nullptr) << "a class whose registration raised stays unregistered";
        return raised.what();
    }
    return {};
}

void takesAText(fw::MenuBar&, fw::String*) { }

// An override whose slot holds no inherited method of its name and signature stops the
// registration, in every build, before any record is made.
struct MisplacedOverride {
    const char* name;
    MethodDeclaration method;
};

TEST(ClassInit, AnOverrideOfAnotherInheritedMethodRaisesNamingTheClassAndTheMethod)
{
    const MisplacedOverride rows[] {
        { "slot of another method", Override<&menuBarConstructor>("Constructor", fw::MenuItemSlot::kConstructor + 1) },
        { "slot past the table", Override<&menuBarConstructor>("Constructor", 1000) },
        { "negative slot", Override<&menuBarConstructor>("Constructor", -1) },
        { "other signature", Override<&takesAText>("Constructor", fw::MenuItemSlot::kConstructor) },
        { "other name", Override<&menuBarConstructor>("Construct", fw::MenuItemSlot::kConstructor) },
    };
    for (const MisplacedOverride& row : rows) {
        SCOPED_TRACE(row.name);
        const MethodDeclaration methods[] { row.method };
        const ClassDeclaration declaration {
            .superclass = &fw::MenuBar::Class, .registeredName = "W_Wrong.MenuBar", .methods = methods
        };
        const std::string fault = registrationFault(declaration);
        EXPECT_NE(fault.find("W_Wrong.MenuBar"), std::string::npos) << fault;
        EXPECT_NE(fault.find(std::string(row.method.name)), std::string::npos) << fault;
        auto registered = fw::RegisteredClasses();
        EXPECT_TRUE(std::none_of(registered.begin(), registered.end(), [](const fw::ClassRecord* cls) {
            return cls->registeredName == "W_Wrong.MenuBar";
        })) << "no class record is made";
    }
}

// A class's own constructor takes the next new entry after those declared before it;
// an override takes none.
void tick(fw::Timer&) { }
void timerConstructor(fw::Timer&) { }

const ClassDeclaration& timerWithConstructor()
{
    static const MethodDeclaration methods[] {
        Method<&tick>("Tick"),
        Method<&tick>("Tock"),
        ConstructorMethod<&timerConstructor>(),
        Method<&tick>("After"),
    };
    static const ClassDeclaration declaration {
        .superclass = &fw::Timer::Class, .registeredName = "W_Clock._wrapper_Timer", .methods = methods
    };
    return declaration;
}

const ClassDeclaration& menuBarWithConstructorAfterAnOverride()
{
    static const MethodDeclaration methods[] {
        Override<&menuBarConstructor>("Constructor", fw::MenuItemSlot::kConstructor),
        Method<&untitled>("Untitled0"),
        ConstructorMethod<&untitled>(),
    };
    static const ClassDeclaration declaration {
        .superclass = &fw::MenuBar::Class, .registeredName = "W_Menus.MenuBar", .methods = methods
    };
    return declaration;
}

TEST(ClassInit, AClassesOwnConstructorFollowsTheNewEntriesBeforeIt)
{
    using Clock = ClassStorage<&timerWithConstructor>;
    fw::ClassRecord* timer = fw::Timer::Class();
    const std::int32_t slot = Clock::ConstructorSlot();
    EXPECT_EQ(slot, timer->methodTableCount + 2);
    fw::ClassRecord* cls = Clock::Accessor();
    auto& record = cls->methods[timer->methods.size() + 2];
    EXPECT_EQ(record.name, "Constructor");
    EXPECT_EQ(record.signature, "%%");
    EXPECT_EQ(cls->methodTable[slot], record.entry);

    using Menus = ClassStorage<&menuBarWithConstructorAfterAnOverride>;
    EXPECT_EQ(Menus::ConstructorSlot(), fw::MenuBar::Class()->methodTableCount + 1)
        << "the override takes no new entry";
}

TEST(ClassInit, AskedForTheConstructorOfAClassThatDeclaresNoneRaisesNamingTheClass)
{
    try {
        DeclaredConstructorSlot(menuBar());
        ADD_FAILURE() << "no exception";
    } catch (const fw::Raised& raised) {
        const std::string fault = raised.what();
        EXPECT_NE(fault.find("MenuBar1.MenuBar1"), std::string::npos) << fault;
        EXPECT_NE(fault.find("Constructor"), std::string::npos) << fault;
    }
}

// An interface's implementations are the class's methods that name their interface
// method, in the interface's order; one that the class lacks stops the registration.
void setWindow(fw::Timer&, fw::Window*) { }
fw::Ref<fw::Window> window(fw::Timer&) { return nullptr; }
std::int32_t index(fw::Timer&) { return 0; }
void setIndex(fw::Timer&, std::int32_t) { }

const ClassDeclaration& paneChild(bool complete)
{
    static const MethodDeclaration all[] {
        Implementation<&setIndex, fw::PaneChild, fw::PaneChildSlot::kSetIndex>(),
        Implementation<&window, fw::PaneChild, fw::PaneChildSlot::kWindow>(),
        Implementation<&index, fw::PaneChild, fw::PaneChildSlot::kIndex>(),
        Implementation<&setWindow, fw::PaneChild, fw::PaneChildSlot::kSetWindow>(),
    };
    static const std::array interfaces { InterfaceDeclaration { &fw::PaneChildInterface } };
    static const ClassDeclaration whole {
        .superclass = &fw::Timer::Class, .registeredName = "W_Pane.Whole", .methods = all, .interfaces = interfaces
    };
    static const ClassDeclaration lacking { .superclass = &fw::Timer::Class,
        .registeredName = "W_Pane.Lacking",
        .methods = std::span(all).first(3),
        .interfaces = interfaces };
    return complete ? whole : lacking;
}
const ClassDeclaration& wholePaneChild() { return paneChild(true); }

TEST(ClassInit, AnInterfaceTakesTheMethodsItsRecordsNameInItsOrder)
{
    fw::ClassRecord* cls = ClassStorage<&wholePaneChild>::Accessor();
    ASSERT_EQ(cls->interfaces.size(), 1u);
    auto& entry = cls->interfaces[0];
    EXPECT_EQ(entry.interface, fw::PaneChildInterface());
    ASSERT_EQ(entry.methodCount, 4);
    const std::size_t own = fw::Timer::Class()->methods.size();
    EXPECT_EQ(entry.methodTable[0], cls->methods[own + 3].entry) << "_SetWindow";
    EXPECT_EQ(entry.methodTable[1], cls->methods[own + 1].entry) << "Window";
    EXPECT_EQ(entry.methodTable[2], cls->methods[own + 2].entry) << "_Index";
    EXPECT_EQ(entry.methodTable[3], cls->methods[own + 0].entry) << "_SetIndex";
}

TEST(ClassInit, AnInterfaceMethodTheClassLacksRaisesNamingTheClassAndTheMethod)
{
    const std::string fault = registrationFault(paneChild(false));
    EXPECT_NE(fault.find("W_Pane.Lacking"), std::string::npos) << fault;
    EXPECT_NE(fault.find("_SetWindow"), std::string::npos) << fault;
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
