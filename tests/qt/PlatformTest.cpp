// What installing the Qt platform puts in place, and that installing it again
// changes nothing; the event pump that DoEvents runs.
#include "QtTestSupport.h"

#include <fw/Application.h>
#include <fw/Desktop.h>
#include <fw/FolderItem.h>
#include <fw/Peer.h>
#include <fw/Picture.h>
#include <fw/qt/Platform.h>

#include <QApplication>
#include <QObject>

#include <array>
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

using namespace fw;
using namespace qt_test;

class PlatformTest : public QtPeerTest { };

TEST_F(PlatformTest, NamesTheApplicationAndLeavesQuittingToTheRun)
{
    EXPECT_EQ(QCoreApplication::applicationName(), "Quillfen");
    EXPECT_FALSE(QApplication::quitOnLastWindowClosed());
    EXPECT_NE(InstalledPeerFactory(), nullptr);

    auto object = RuntimeNewObject(Application::Class());
    auto application = Ref<Application>::adopt(native_cast<Application>(object.release()));
    application->setShortVersion("2.3.4");
    RuntimeRegisterAppObject(application.get());
    OpenWindow({}); // the application object usually comes after the platform, before the windows
    EXPECT_EQ(QCoreApplication::applicationVersion(), "2.3.4");
}

TEST_F(PlatformTest, InstallingAgainKeepsWhatATestInstalled)
{
    std::vector<std::string> opened;
    auto desktop = SetShowURLHandler([&](std::string_view url) { opened.emplace_back(url); });
    EXPECT_TRUE(desktop); // the desktop's own hand-off
    InstallQtPlatform();
    GlobalShowURL(NewString("https://example.org/brewing").get());
    SetShowURLHandler(std::move(desktop));
    EXPECT_EQ(opened, (std::vector<std::string> { "https://example.org/brewing" }));
}

TEST_F(PlatformTest, TheDecoderGivesNoPictureForBytesThatHoldNone)
{
    auto decoder = InstallPictureDecoder(nullptr);
    InstallPictureDecoder(decoder);
    ASSERT_TRUE(decoder);
    constexpr std::array<std::uint8_t, 6> notAnImage { 'b', 'r', 'e', 'w', 0, 1 };
    EXPECT_EQ(decoder(notAnImage), nullptr);
    EXPECT_EQ(decoder({}), nullptr);
}

// The links of a chain of posted calls, each posting the next.
constexpr int kChain = 3;
constexpr std::int32_t kLongEnough = 60000; // milliseconds: far more than a chain needs

struct PumpCase {
    const char* name;
    std::function<void(Application&)> pump;
    int handled; // at least, of the chain's links
};
void PrintTo(const PumpCase& pump, std::ostream* out) { *out << pump.name; }

class EventPumpTest : public PlatformTest, public testing::WithParamInterface<PumpCase> { };

// A posted call runs only when the program pumps: a pump given time handles what the
// calls it handles post in turn, and returns once none wait, long before its time is up.
TEST_P(EventPumpTest, HandlesTheEventsThatWait)
{
    QObject context; // takes with it what the pump left waiting
    int ran = 0;
    std::function<void()> link = [&] {
        if (++ran < kChain)
            QMetaObject::invokeMethod(&context, link, Qt::QueuedConnection);
    };
    QMetaObject::invokeMethod(&context, link, Qt::QueuedConnection);
    ASSERT_EQ(ran, 0);

    auto object = RuntimeNewObject(Application::Class());
    GetParam().pump(*native_cast<Application>(object.get()));
    EXPECT_GE(ran, GetParam().handled);
}

INSTANTIATE_TEST_SUITE_P(Pumps, EventPumpTest,
    testing::Values(PumpCase { "DoEventsWithTime", [](Application& app) { app.DoEvents(kLongEnough); }, kChain },
        PumpCase { "DoEventsNow", [](Application& app) { app.DoEvents(0); }, 1 },
        PumpCase { "DoSingleEvent", [](Application& app) { app.DoSingleEvent(); }, 1 }),
    [](const testing::TestParamInfo<PumpCase>& info) { return info.param.name; });

} // namespace
