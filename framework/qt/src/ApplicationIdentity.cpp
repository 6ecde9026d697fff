#include "ApplicationIdentity.h"

#include "TextConversion.h"

#include <fw/Application.h>

#include <QCoreApplication>

namespace fw::qt {

namespace {
constexpr char kApplicationName[] = "Quillfen";
}

void NameApplication()
{
    QCoreApplication::setApplicationName(QLatin1String(kApplicationName));
    if (auto application = getAppObject(); application && !application->shortVersion().empty())
        QCoreApplication::setApplicationVersion(ToQt(application->shortVersion()));
#ifdef QUILLFEN_VERSION
    else if (QCoreApplication::applicationVersion().isEmpty())
        QCoreApplication::setApplicationVersion(QStringLiteral(QUILLFEN_VERSION));
#endif
}

} // namespace fw::qt
