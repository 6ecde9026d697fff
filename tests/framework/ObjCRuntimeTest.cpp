// The platform stand-in of the About road: libraries found by name, selectors,
// messages, the shared application's About panel, and the exception frames.
#include <fw/Exceptions.h>
#include <fw/Libraries.h>
#include <fw/ObjCExceptionFrames.h>
#include <fw/ObjCRuntime.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using namespace fw;

constinit objc::CFConstString applicationName = objc::MakeConstString("NSApplication");

objc::id send(objc::id receiver, const char* selector)
{
    return reinterpret_cast<objc::MessageFunction>(objc_msgSend)(receiver, sel_registerName(selector), nullptr);
}

// The About menu handler's road, with its two frames, as the program writes it.
void orderFrontAboutPanel()
{
    ObjCExceptionData first {}, second {};
    objc::id application = nullptr;
    objc_exception_try_enter(&first);
    if (objc_exception_setjmp(&first, [&] {
            objc::SEL sharedApplication = sel_registerName("sharedApplication");
            void* entry = LoadFunctionPointerFromLibrary(Literal<"NSClassFromString">(), Literal<"Cocoa">());
            if (!entry) {
                objc_exception_try_exit(&first);
                RuntimeRaiseFunctionNotFoundException(Literal<"NSClassFromString">(), Literal<"Cocoa">());
            }
            objc::Class cls = reinterpret_cast<objc::ClassFromStringFunction>(entry)(&applicationName);
            application = reinterpret_cast<objc::MessageFunction>(objc_msgSend)(cls, sharedApplication, nullptr);
        }))
        RaiseObjCException(objc_exception_extract(&first));
    objc_exception_try_exit(&first);

    objc_exception_try_enter(&second);
    if (objc_exception_setjmp(&second, [&] {
            objc::SEL orderFront = sel_registerName("orderFrontStandardAboutPanel:");
            reinterpret_cast<objc::MessageFunction>(objc_msgSend)(application, orderFront, nullptr);
        }))
        RaiseObjCException(objc_exception_extract(&second));
    objc_exception_try_exit(&second);
}

class AboutRoad : public testing::Test {
protected:
    void SetUp() override
    {
        previous = SetAboutPanelHook([this] {
            ++panels;
            if (panelFailure)
                panelFailure();
        });
    }
    void TearDown() override { SetAboutPanelHook(std::move(previous)); }

    // The Raised exception the road ends in; fails the test when it ends normally.
    Raised roadFailure()
    {
        try {
            orderFrontAboutPanel();
        } catch (const Raised& raised) {
            return raised;
        }
        ADD_FAILURE() << "the road raised nothing";
        return Raised(nullptr);
    }

    int panels = 0;
    std::function<void()> panelFailure;
    std::function<void()> previous;
};

TEST(ObjCSelectors, AreInternedByName)
{
    std::string built = std::string("shared") + "Application";
    objc::SEL shared = sel_registerName("sharedApplication");
    EXPECT_EQ(sel_registerName(built.c_str()), shared) << "the same name, from another text, is the same selector";
    EXPECT_NE(sel_registerName("orderFrontStandardAboutPanel:"), shared);
    EXPECT_STREQ(shared->name, "sharedApplication");
}

TEST(Libraries, OfferNSClassFromStringFromCocoaOnly)
{
    struct Row {
        const char* label;
        String* function;
        String* library;
        bool found;
    };
    const Row rows[] = {
        { "the one function", Literal<"NSClassFromString">(), Literal<"Cocoa">(), true },
        { "another library", Literal<"NSClassFromString">(), Literal<"Foundation">(), false },
        { "library names are exact", Literal<"NSClassFromString">(), Literal<"cocoa">(), false },
        { "another function", Literal<"NSStringFromClass">(), Literal<"Cocoa">(), false },
        { "nil function", nullptr, Literal<"Cocoa">(), false },
        { "nil library", Literal<"NSClassFromString">(), nullptr, false },
    };
    for (const auto& row : rows) {
        void* entry = LoadFunctionPointerFromLibrary(row.function, row.library);
        EXPECT_EQ(entry, row.found ? reinterpret_cast<void*>(&NSClassFromString) : nullptr) << row.label;
    }

    void* removed = SetLibraryFunction("Cocoa", "NSClassFromString", nullptr);
    EXPECT_EQ(removed, reinterpret_cast<void*>(&NSClassFromString));
    EXPECT_EQ(LoadFunctionPointerFromLibrary(Literal<"NSClassFromString">(), Literal<"Cocoa">()), nullptr);
    EXPECT_EQ(SetLibraryFunction("Cocoa", "NSClassFromString", removed), nullptr);
    EXPECT_EQ(LoadFunctionPointerFromLibrary(Literal<"NSClassFromString">(), Literal<"Cocoa">()), removed);
}

TEST(ObjCClasses, AreFoundByConstantStringAndAnswerTheirMessages)
{
    objc::Class cls = NSClassFromString(&applicationName);
    ASSERT_NE(cls, nullptr);
    EXPECT_STREQ(cls->name, "NSApplication");

    static constinit objc::CFConstString unknown = objc::MakeConstString("NSWorkspace");
    EXPECT_EQ(NSClassFromString(&unknown), nullptr);
    EXPECT_EQ(NSClassFromString(cls), nullptr) << "a class is not a string";
    EXPECT_EQ(NSClassFromString(nullptr), nullptr);

    objc::id shared = send(cls, "sharedApplication");
    ASSERT_NE(shared, nullptr);
    EXPECT_EQ(shared->isa, cls);
    EXPECT_EQ(send(cls, "sharedApplication"), shared) << "one shared object";
    EXPECT_EQ(send(nullptr, "anything"), nullptr) << "a message to nil does nothing";
}

TEST_F(AboutRoad, OrdersTheStandardPanelFrontOnce)
{
    orderFrontAboutPanel();
    EXPECT_EQ(panels, 1);
}

TEST_F(AboutRoad, WithoutNSClassFromStringRaisesFunctionNotFoundAndSendsNothing)
{
    void* removed = SetLibraryFunction("Cocoa", "NSClassFromString", nullptr);
    auto raised = roadFailure();
    SetLibraryFunction("Cocoa", "NSClassFromString", removed);

    ASSERT_NE(raised.exception(), nullptr);
    EXPECT_EQ(raised.exception()->classRecord(), FunctionNotFoundException::Class());
    EXPECT_EQ(raised.exception()->message(), "Could not load the function NSClassFromString from the library Cocoa");
    EXPECT_EQ(panels, 0);
}

TEST_F(AboutRoad, ObjCExceptionFromThePanelBecomesObjCException)
{
    panelFailure = [] { objc_exception_throw(MakeObjCException("NSInternalInconsistencyException", "no panel")); };
    auto raised = roadFailure();
    ASSERT_NE(raised.exception(), nullptr);
    EXPECT_EQ(raised.exception()->classRecord(), ObjCException::Class());
    EXPECT_EQ(raised.exception()->message(), "NSInternalInconsistencyException: no panel");
    EXPECT_EQ(panels, 1);
}

TEST(ObjCExceptionFrames, CatchAnUnrecognizedSelectorAndRunTheBodysDestructors)
{
    struct Counted {
        int* destroyed;
        ~Counted() { ++*destroyed; }
    };
    struct Row {
        const char* label;
        objc::id receiver;
        const char* message;
    };
    objc::Class cls = NSClassFromString(&applicationName);
    const Row rows[] = {
        { "instance", send(cls, "sharedApplication"),
            "NSInvalidArgumentException: -[NSApplication frobnicate:]: unrecognized selector sent to instance" },
        { "class", cls,
            "NSInvalidArgumentException: +[NSApplication frobnicate:]: unrecognized selector sent to class" },
    };
    for (const auto& row : rows) {
        int destroyed = 0;
        bool after = false;
        ObjCExceptionData frame {};
        objc_exception_try_enter(&frame);
        int thrown = objc_exception_setjmp(&frame, [&] {
            Counted held { &destroyed };
            send(row.receiver, "frobnicate:");
            after = true;
        });
        EXPECT_NE(thrown, 0) << row.label;
        EXPECT_FALSE(after) << row.label;
        EXPECT_EQ(destroyed, 1) << row.label << ": no destructor is skipped";
        EXPECT_FALSE(detail::IsEnteredFrame(&frame)) << row.label << ": the throw left the frame";

        void* exception = objc_exception_extract(&frame);
        ASSERT_NE(exception, nullptr) << row.label;
        try {
            RaiseObjCException(exception);
        } catch (const Raised& raised) {
            EXPECT_EQ(raised.exception()->classRecord(), ObjCException::Class()) << row.label;
            EXPECT_EQ(raised.exception()->message(), row.message) << row.label;
        }
    }
}

TEST(ObjCExceptionFrames, ReturnZeroAndExtractNilWhenNothingIsThrown)
{
    ObjCExceptionData frame {};
    objc_exception_try_enter(&frame);
    EXPECT_EQ(objc_exception_setjmp(&frame, [] {}), 0);
    EXPECT_TRUE(detail::IsEnteredFrame(&frame)) << "a finished body leaves the frame to its owner";
    EXPECT_EQ(objc_exception_extract(&frame), nullptr);
    objc_exception_try_exit(&frame);
    EXPECT_FALSE(detail::IsEnteredFrame(&frame));
}

TEST(ObjCExceptionFrames, AThrowGoesToTheInnermostEnteredFrame)
{
    objc::id inner = MakeObjCException("Inner", "caught inside");
    objc::id outer = MakeObjCException("Outer", "caught outside");
    ObjCExceptionData outerFrame {}, innerFrame {}, leftFrame {};
    objc_exception_try_enter(&outerFrame);
    int outerThrown = objc_exception_setjmp(&outerFrame, [&] {
        objc_exception_try_enter(&innerFrame);
        EXPECT_NE(objc_exception_setjmp(&innerFrame, [&] { objc_exception_throw(inner); }), 0);
        EXPECT_EQ(objc_exception_extract(&innerFrame), inner);

        // Thrown after its own frame was left, by the body itself: the enclosing frame takes it.
        objc_exception_try_enter(&leftFrame);
        objc_exception_setjmp(&leftFrame, [&] {
            objc_exception_try_exit(&leftFrame);
            objc_exception_throw(outer);
        });
        ADD_FAILURE() << "the throw passes the left frame";
    });
    EXPECT_NE(outerThrown, 0);
    EXPECT_EQ(objc_exception_extract(&outerFrame), outer);
    EXPECT_EQ(objc_exception_extract(&leftFrame), nullptr);
    EXPECT_FALSE(detail::IsEnteredFrame(&outerFrame));
}

TEST(ObjCExceptionFrames, AreLeftByAnyOtherExceptionPassingThrough)
{
    ObjCExceptionData frame {};
    objc_exception_try_enter(&frame);
    EXPECT_THROW(objc_exception_setjmp(&frame, [] { RaiseNilObjectException(); }), Raised);
    EXPECT_FALSE(detail::IsEnteredFrame(&frame));
}

TEST(RaiseObjCException, NamesWhatItCannotRead)
{
    struct Row {
        const char* label;
        void* exception;
        const char* message;
    };
    const Row rows[] = {
        { "nil", nullptr, "An Objective-C exception without an exception object was thrown" },
        { "not an exception", NSClassFromString(&applicationName),
            "An Objective-C object of class NSApplication was thrown" },
    };
    for (const auto& row : rows) {
        try {
            RaiseObjCException(row.exception);
        } catch (const Raised& raised) {
            EXPECT_EQ(raised.exception()->classRecord(), ObjCException::Class()) << row.label;
            EXPECT_EQ(raised.exception()->message(), row.message) << row.label;
        }
    }
}

} // namespace
