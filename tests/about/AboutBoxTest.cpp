// The About window as the start-up splash, its pictures and its link label.
#include "about/AboutPictures.h"
#include "about/AquaAboutBoxLarge.h"
#include "shell/Quillfen.h"
#include "shell/Startup.h"

#include "FreshProgram.h"
#include "Patience.h"
#include "TemporaryFolder.h"

#include <fw/Canvas.h>
#include <fw/Desktop.h>
#include <fw/Exceptions.h>
#include <fw/FolderItem.h>
#include <fw/Label.h>
#include <fw/TextArea.h>
#include <fw/qt/Run.h>

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr fw::Color kBlue { 0, 0, 255 };
constexpr fw::Color kRed { 255, 0, 0 };

class AboutBox : public program_testing::FreshProgram {
protected:
    void SetUp() override
    {
        FreshProgram::SetUp();
        InitClassesAndModules();
        CreateApplicationObject();
        previousURLHandler_ = fw::SetShowURLHandler([this](std::string_view url) { opened.emplace_back(url); });
    }
    void TearDown() override
    {
        fw::SetShowURLHandler(previousURLHandler_);
        fw::SetApplicationFilePath({});
        EXPECT_TRUE(reports.empty()) << reports.front().className << ": " << reports.front().message;
        FreshProgram::TearDown();
    }

    static fw::Ref<fw::Window> openWindow() { return AquaAboutBoxLarge::ImplicitInstance(); }

    std::vector<std::string> opened;

private:
    std::function<void(std::string_view)> previousURLHandler_;
};

template <class T> T* control(fw::Window& window, const char* name)
{
    return fw::native_cast<T>(window.findControl(name));
}

// Runs what waits until a timer of that interval, started now, has fired: every
// timer started before it with a shorter interval has fired by then, however
// loaded the machine.
void processEventsPast(int milliseconds)
{
    bool fired = false;
    QTimer past;
    past.setSingleShot(true);
    QObject::connect(&past, &QTimer::timeout, &past, [&] { fired = true; });
    past.start(milliseconds);
    EXPECT_TRUE(QTest::qWaitFor([&] { return fired; }, milliseconds + patience::kLimitMs));
}

TEST_F(AboutBox, RegistersItsThreeClassesFacts)
{
    struct Case {
        const char* name;
        fw::ClassRecord* cls;
        std::size_t methods, interfaces, events, properties, attributes;
        std::int32_t tableEntries, instanceSize;
    };
    const Case cases[] = {
        { "AquaAboutBoxLarge.AquaAboutBoxLarge", AquaAboutBoxLarge::Class(), 121, 0, 33, 49, 1, 49, 212 },
        { "AquaAboutBoxLarge._wrapper_SplashTimer", AquaAboutBoxLarge_wrapper_SplashTimer::Class(), 17, 2, 1, 6, 1, 9,
            72 },
        { "stStaticURL", stStaticURL::Class(), 104, 0, 19, 48, 0, 25, 164 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.cls->registeredName, c.name);
        EXPECT_EQ(c.cls->methods.size(), c.methods);
        EXPECT_EQ(c.cls->interfaces.size(), c.interfaces);
        EXPECT_EQ(c.cls->events.size(), c.events);
        EXPECT_EQ(c.cls->properties.size(), c.properties);
        EXPECT_EQ(c.cls->classAttributes.size(), c.attributes);
        EXPECT_EQ(c.cls->methodTableCount, c.tableEntries);
        EXPECT_EQ(c.cls->instanceSize, c.instanceSize);
    }
    fw::ClassRecord* timer = AquaAboutBoxLarge_wrapper_SplashTimer::Class();
    EXPECT_EQ(timer->classAttributes[0].value, "Private");
    EXPECT_EQ(timer->interfaces[0].methodCount, 2);
    EXPECT_EQ(timer->interfaces[1].methodCount, 4);
    EXPECT_NE(timer->exitHook, nullptr);
    EXPECT_EQ(timer->properties[4].fieldOffset, 64);
    EXPECT_EQ(timer->properties[5].fieldOffset, 68);
    EXPECT_EQ(timer->properties[5].flags, 4);
    EXPECT_EQ(timer->methods[12].attributes.size(), 2u) << "_SetWindow is Hidden";
    EXPECT_EQ(timer->methods[13].attributes.size(), 1u) << "Window is not";
    fw::ClassRecord* link = stStaticURL::Class();
    EXPECT_EQ(link->properties.back().name, "URL");
    EXPECT_EQ(link->properties.back().fieldOffset, 160);
    for (int event : { 2, 11, 12, 16, 18 })
        EXPECT_NE(link->events[static_cast<std::size_t>(event)].hook, nullptr) << event;
}

// A bare Timer has no no-argument constructor for a window to call; the splash timer's
// row is allocated as the class that declares one, and the interfaces' tables hold the
// methods that the interfaces' records name, in their order.
using SplashTimerRow
    = std::tuple_element_t<AquaAboutBoxLarge::RowOf<"SplashTimer">(), decltype(AquaAboutBoxLarge::kControls)>;
static_assert(SplashTimerRow::kConstructible, "the splash timer's class declares its constructor");
static_assert(!decltype(calculators::DesignVocabulary::Row("TM_Bare", calculators::TimerDesign {}))::kConstructible,
    "a bare Timer has no no-argument constructor");

TEST_F(AboutBox, TheTimersConstructorAndInterfacesFollowItsDeclaration)
{
    using SplashTimer = AquaAboutBoxLarge_wrapper_SplashTimer;
    fw::ClassRecord* timer = SplashTimer::Class();
    EXPECT_EQ(SplashTimerRow::allocatedClass(), timer);
    const std::int32_t slot = SplashTimerRow::constructorSlot();
    EXPECT_EQ(slot, fw::Timer::Class()->methodTableCount + 4) << "after _SetWindow, Window, _Index and _SetIndex";
    auto* constructor = fw::FindMethod(timer, "Constructor", "%%");
    ASSERT_NE(constructor, nullptr);
    EXPECT_EQ(timer->methodTable[slot], constructor->entry);

    for (auto& entry : timer->interfaces) {
        SCOPED_TRACE(entry.interface->registeredName);
        ASSERT_EQ(entry.methodCount, static_cast<std::int32_t>(entry.interface->methods.size()));
        for (std::size_t m = 0; m < entry.interface->methods.size(); ++m) {
            auto& wanted = entry.interface->methods[m];
            auto* implementation = fw::FindMethod(timer, wanted.name, wanted.signature);
            ASSERT_NE(implementation, nullptr) << wanted.name;
            EXPECT_EQ(entry.methodTable[m], implementation->entry) << wanted.name;
        }
    }
}

TEST_F(AboutBox, TheTimersWindowFieldHoldsOnlyAWindow)
{
    using SplashTimer = AquaAboutBoxLarge_wrapper_SplashTimer;
    auto timer = fw::RuntimeNewObject(SplashTimer::Class());
    auto& self = *fw::native_cast<fw::Timer>(timer.get());
    auto* field = fw::FindProperty(SplashTimer::Class(), "ownerWindow");
    ASSERT_NE(field, nullptr);
    auto set = [&](fw::Object* value) { field->setInvoker(*field, timer.get(), fw::ObjectToVariant(value)); };

    auto window = fw::RuntimeNewObject(fw::Window::Class());
    set(window.get());
    EXPECT_EQ(SplashTimer::Window(self).get(), window.get());
    auto label = fw::RuntimeNewObject(fw::Label::Class());
    try {
        set(label.get());
        ADD_FAILURE() << "a Label was stored where a Window is read back";
    } catch (const fw::Raised& raised) {
        EXPECT_EQ(raised.exception()->classRecord(), fw::IllegalCastException::Class()) << raised.what();
    }
    EXPECT_EQ(SplashTimer::Window(self).get(), window.get());
    set(nullptr);
    EXPECT_EQ(SplashTimer::Window(self), nullptr);
}

TEST_F(AboutBox, TheSplashIsModalUntilItsTimerClosesIt)
{
    fw::Ref<fw::Application> app = ApplicationInstance();
    bool seenModal = false;
    QTimer::singleShot(300, [&] {
        fw::Ref<fw::Window> window = fw::RuntimeGetImplicitWindow(fw::Literal<"AquaAboutBoxLarge.AquaAboutBoxLarge">());
        ASSERT_NE(window, nullptr);
        seenModal = window->modal();
        EXPECT_EQ(window->title(), "");
        EXPECT_EQ(window->width(), 284);
        EXPECT_EQ(window->height(), 340);
        EXPECT_FALSE(window->resizeable());
        EXPECT_FALSE(window->minimizeButton());
        EXPECT_EQ(control<fw::Timer>(*window, "SplashTimer")->mode(), 1);
    });
    QElapsedTimer clock;
    clock.start();
    Quillfen::Event_Open(*app);
    EXPECT_TRUE(seenModal);
    EXPECT_GE(clock.elapsed(), 900) << "Open returns only once the timer has closed the splash";
    EXPECT_EQ(fw::RuntimeGetImplicitWindow(fw::Literal<"AquaAboutBoxLarge.AquaAboutBoxLarge">()), nullptr);
}

TEST_F(AboutBox, ATimerNotSwitchedOnLeavesTheWindowOpen)
{
    fw::Ref<fw::Window> window = openWindow();
    EXPECT_EQ(openWindow(), window) << "both requests give one window";
    processEventsPast(1300); // past the timer's period
    EXPECT_TRUE(window->opened());
}

TEST_F(AboutBox, ShowsTheApplicationsVersionAndItsTexts)
{
    fw::Ref<fw::Window> window = openWindow();
    EXPECT_EQ(control<fw::Label>(*window, "stVersion")->text(), ApplicationInstance()->shortVersion());
    EXPECT_NE(control<fw::Label>(*window, "stVersion")->text(), "app.ShortVersion");
    EXPECT_EQ(control<fw::Label>(*window, "stName")->text(), "Quillfen");
    EXPECT_EQ(control<fw::Label>(*window, "stDescription")->text(), "");
    EXPECT_EQ(control<fw::TextArea>(*window, "efCredits")->text(),
        "A collection of brewing calculators.\r\rFirst Beta version");
    window->Close();

    ApplicationInstance()->setShortVersion("");
    fw::Ref<fw::Window> again = openWindow();
    EXPECT_EQ(control<fw::Label>(*again, "stVersion")->text(), "") << "an empty version leaves the label empty";
}

TEST_F(AboutBox, ShowsBothPicturesAndServesThemFromItsCache)
{
    fw::Ref<fw::Window> window = openWindow();
    fw::Ref<fw::Picture> logo = control<fw::Canvas>(*window, "cnvIcon")->backdrop();
    fw::Ref<fw::Picture> badge = control<fw::Canvas>(*window, "cnvCorvane")->backdrop();
    ASSERT_NE(logo, nullptr);
    ASSERT_NE(badge, nullptr);
    EXPECT_EQ(logo->width(), 84);
    EXPECT_EQ(badge->width(), 210);
    EXPECT_EQ(MakerLogoPicture(), logo) << "a second load is the cached picture";
}

TEST_F(AboutBox, WithoutTheResourcesFolderTheCanvasesStayEmptyAndTheLoadIsTriedAgain)
{
    auto program = fw::ApplicationFilePath();
    auto folder = temporary_folder::NewTemporaryFolder("quillfen-no-resources");
    auto elsewhere = folder / "bin";
    std::filesystem::create_directories(elsewhere);
    fw::SetApplicationFilePath(elsewhere / "quillfen");

    fw::Ref<fw::Window> window = openWindow();
    EXPECT_EQ(control<fw::Canvas>(*window, "cnvIcon")->backdrop(), nullptr);
    EXPECT_EQ(control<fw::Canvas>(*window, "cnvCorvane")->backdrop(), nullptr);

    fw::SetApplicationFilePath(program);
    EXPECT_NE(MakerLogoPicture(), nullptr) << "a failed load is tried again";
    std::filesystem::remove_all(folder);
}

TEST_F(AboutBox, TheLinkLabelFollowsThePointerAndOpensOnAReleaseInside)
{
    fw::Ref<fw::Window> window = openWindow();
    auto* link = control<fw::Label>(*window, "StHomePage");
    EXPECT_EQ(link->textColor(), kBlue) << "blue after Open, whatever its design colour";
    EXPECT_TRUE(link->underline());

    link->mouseEnter();
    EXPECT_EQ(link->textColor(), kRed);
    EXPECT_FALSE(link->mouseDown(5, 5));
    EXPECT_EQ(link->textColor(), kRed);
    link->mouseExit();
    EXPECT_EQ(link->textColor(), kBlue);
    link->mouseUp(-3, 5);
    EXPECT_EQ(link->textColor(), kBlue);
    EXPECT_TRUE(opened.empty()) << "enter, press, leave, release outside opens nothing";

    struct Release {
        const char* name;
        std::int32_t x, y;
        bool opens;
    };
    const Release releases[] = {
        { "inside", 1, 1, true },
        { "left edge", 0, 5, false },
        { "top edge", 5, 0, false },
        { "right edge", link->width(), 5, false },
        { "bottom edge", 5, link->height(), false },
        { "above", 5, -1, false },
    };
    for (const Release& release : releases) {
        SCOPED_TRACE(release.name);
        opened.clear();
        link->mouseDown(release.x, release.y);
        link->mouseUp(release.x, release.y);
        EXPECT_EQ(opened.size(), release.opens ? 1u : 0u);
        if (release.opens) {
            EXPECT_EQ(opened.front(), AquaAboutBoxLarge::kHomePage);
        }
        EXPECT_EQ(link->textColor(), kBlue);
    }

    // With no URL the label opens its own text.
    const fw::PropertyRecord* url = fw::FindProperty(stStaticURL::Class(), "URL");
    url->setInvoker(*url, link, fw::StringToVariant(fw::Literal<"">()));
    opened.clear();
    link->mouseUp(3, 3);
    EXPECT_EQ(opened, std::vector<std::string> { "Velmora Studios" });
}

} // namespace
