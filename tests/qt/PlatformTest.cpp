// What installing the Qt platform puts in place, and that installing it again
// changes nothing.
#include "QtTestSupport.h"

#include <fw/Application.h>
#include <fw/Desktop.h>
#include <fw/FolderItem.h>
#include <fw/Peer.h>
#include <fw/Picture.h>
#include <fw/qt/Platform.h>

#include <QApplication>

#include <array>
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

} // namespace
