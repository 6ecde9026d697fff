// The windows' tests run on real Qt widgets: the platform, and with it the
// QApplication, is in place before the first test. CTest picks the offscreen
// platform for the runs; listing the tests, as test discovery does, has no
// display either, so offscreen is also the default here.
#include <fw/qt/Platform.h>

#include <gtest/gtest.h>

#include <QString>
#include <QtGlobal>

#include <cstdlib>

namespace {

// The offscreen platform cannot raise windows and says so every time; nothing else is hidden.
QtMessageHandler defaultHandler = nullptr;
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message == QLatin1String("This plugin does not support raise()"))
        return;
    defaultHandler(type, context, message);
}

} // namespace

// For a sanitizer build: the system's font configuration library keeps a cache
// it never frees, whoever loads a font; nothing of ours is hidden.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    defaultHandler = qInstallMessageHandler(&quietHandler);
    testing::InitGoogleTest(&argc, argv);
    fw::InstallQtPlatform();
    return RUN_ALL_TESTS();
}
