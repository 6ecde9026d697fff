// The main of the tests that run on Qt widgets: Qt's offscreen platform (also
// when test discovery lists the tests, which it does without a display), with
// the platform installed as a program installs it. A watchdog fails the test
// that leaves a modal window open, at its end or for longer than any wait may
// last, and closes it, so that one stuck test does not hang the whole run.
#include "Patience.h"

#include <fw/qt/Platform.h>

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <cstdlib>

namespace {

constexpr int kWatchInterval = 100; // milliseconds

void closeModal(QWidget* modal, const char* when)
{
    ADD_FAILURE() << "a modal window (\"" << modal->windowTitle().toStdString() << "\") was left open " << when;
    modal->close();
    if (modal->isVisible())
        modal->hide();
}

class ModalWatchdog : public testing::EmptyTestEventListener {
public:
    ModalWatchdog()
    {
        watch_.setInterval(kWatchInterval);
        QObject::connect(&watch_, &QTimer::timeout, &watch_, [this] { check(); });
        watch_.start();
    }

    void OnTestEnd(const testing::TestInfo&) override
    {
        if (QWidget* modal = QApplication::activeModalWidget())
            closeModal(modal, "at the end of the test");
        seen_ = nullptr;
    }

private:
    void check()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != seen_) {
            seen_ = modal;
            open_.start();
            return;
        }
        if (modal && open_.elapsed() > patience::kLimitMs) {
            closeModal(modal, "for too long");
            seen_ = nullptr;
        }
    }

    QTimer watch_;
    QPointer<QWidget> seen_;
    QElapsedTimer open_;
};

// The offscreen platform cannot raise windows or grab the keyboard and says so every
// time, and a test machine need not have a runtime directory; nothing else is hidden.
QtMessageHandler defaultHandler = nullptr;
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support"))
        || message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    defaultHandler(type, context, message);
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    defaultHandler = qInstallMessageHandler(&quietHandler);
    testing::InitGoogleTest(&argc, argv);
    fw::InstallQtPlatform();
    testing::UnitTest::GetInstance()->listeners().Append(new ModalWatchdog);
    return RUN_ALL_TESTS();
}
