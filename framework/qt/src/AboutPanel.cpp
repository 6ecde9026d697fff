#include <fw/Application.h>
#include <fw/ObjCRuntime.h>
#include <fw/qt/AboutPanel.h>

#include <QGuiApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPointer>
#include <QString>

#include <string_view>

namespace fw {

namespace {

constexpr int kIconSize = 64;

QString fromText(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

QPointer<QMessageBox>& openPanel()
{
    static QPointer<QMessageBox> panel;
    return panel;
}

void fill(QMessageBox& panel)
{
    auto application = getAppObject();
    QString name = application && !application->name().empty() ? fromText(application->name())
                                                               : QGuiApplication::applicationDisplayName();
    QString version = application ? fromText(application->shortVersion()) : QCoreApplication::applicationVersion();
    panel.setWindowTitle(QStringLiteral("About %1").arg(name));
    QString text
        = QStringLiteral("<p><b>%1</b></p><p>Version %2</p>").arg(name.toHtmlEscaped(), version.toHtmlEscaped());
    if (application && !application->copyright().empty())
        text += QStringLiteral("<p>%1</p>").arg(fromText(application->copyright()).toHtmlEscaped());
    panel.setText(text);
    QIcon icon = QGuiApplication::windowIcon();
    if (icon.isNull())
        panel.setIcon(QMessageBox::Information);
    else
        panel.setIconPixmap(icon.pixmap(icon.actualSize(QSize(kIconSize, kIconSize))));
}

} // namespace

void ShowStandardAboutPanel()
{
    auto& panel = openPanel();
    // A closed panel is on its way out: it deletes itself once the loop runs again.
    if (!panel || !panel->isVisible()) {
        panel = new QMessageBox;
        panel->setObjectName(QStringLiteral("StandardAboutPanel"));
        panel->setAttribute(Qt::WA_DeleteOnClose);
        panel->setWindowModality(Qt::NonModal);
        panel->setStandardButtons(QMessageBox::Ok);
        panel->setTextFormat(Qt::RichText);
    }
    fill(*panel);
    panel->show();
    panel->raise();
    panel->activateWindow();
}

void InstallStandardAboutPanel() { SetAboutPanelHook(&ShowStandardAboutPanel); }

} // namespace fw
