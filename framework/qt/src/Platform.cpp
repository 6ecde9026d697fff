#include <fw/qt/Platform.h>

#include "ApplicationIdentity.h"
#include "FocusTracking.h"
#include "PictureImage.h"
#include "QtPeerFactory.h"
#include "TextConversion.h"

#include <fw/Application.h>
#include <fw/Desktop.h>
#include <fw/FolderItem.h>

#include <QApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QUrl>

#include <cassert>
#include <cstdint>

namespace fw {

namespace {
// Qt keeps argc and argv for the whole life of the application.
int argumentCount = 1;
char programName[] = "quillfen";
char* arguments[] = { programName, nullptr };

// Handles the events waiting on this thread and those they post, for at most that many
// milliseconds; it returns once none wait and never waits for more.
void pumpEvents(std::int32_t milliseconds) { QCoreApplication::processEvents(QEventLoop::AllEvents, milliseconds); }
} // namespace

void InstallQtPlatform()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;

    if (!QCoreApplication::instance())
        new QApplication(argumentCount, arguments); // lives as long as the process
    auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
    assert(application && "widgets need a QApplication, not a plain QCoreApplication");
    qt::NameApplication();
    // Ending the run when the last window closes is the run loop's decision, not Qt's.
    QApplication::setQuitOnLastWindowClosed(false);

    static qt::QtPeerFactory factory;
    InstallPeerFactory(&factory);
    InstallPictureDecoder(&qt::DecodePicture);
    SetEventPump(&pumpEvents);
    SetShowURLHandler([](std::string_view url) { QDesktopServices::openUrl(QUrl(qt::ToQt(url), QUrl::TolerantMode)); });
    qt::TrackFocus(*application);
}

} // namespace fw
