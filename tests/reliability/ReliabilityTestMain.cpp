// The reliability tests run the real program's pieces on Qt's offscreen
// platform. Test discovery lists the tests without a display, so offscreen is
// the default here too; the platform itself is installed by each test's
// RuntimeInit, as the program installs it.
#include <gtest/gtest.h>

#include <QString>
#include <QtGlobal>

#include <cstdlib>

namespace {

// The offscreen platform cannot raise windows and says so on every show, and a
// test machine need not have a runtime directory; nothing else is hidden.
QtMessageHandler defaultHandler = nullptr;
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support"))
        || message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    defaultHandler(type, context, message);
}

} // namespace

// For a sanitizer build: the system's font configuration library keeps a cache
// that it never frees, whoever loads a font first; nothing of ours is hidden.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    defaultHandler = qInstallMessageHandler(&quietHandler);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
