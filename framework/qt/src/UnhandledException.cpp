#include <fw/ClassRecord.h>
#include <fw/Thread.h>
#include <fw/qt/Run.h>

#include "RunStatus.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QString>

#include <cstdio>
#include <exception>
#include <mutex>
#include <string>

namespace fw {

namespace {

std::string className(const RuntimeException& exception)
{
    auto* cls = exception.classRecord();
    return cls ? std::string(cls->registeredName) : std::string("RuntimeException");
}

bool canShowMessageBox()
{
    return OnUIThread() && qobject_cast<QApplication*>(QCoreApplication::instance())
        && QGuiApplication::primaryScreen();
}

void showMessageBox(RuntimeException* exception)
{
    if (!canShowMessageBox())
        return;
    QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationDisplayName(),
        QString::fromStdString("An exception of class " + className(*exception) + " was not handled.\n\n"
            + std::string(exception->message())),
        QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.setObjectName(QStringLiteral("UnhandledExceptionBox"));
    box.exec();
}

std::mutex reporterMutex;

UnhandledExceptionReporter& reporter()
{
    static UnhandledExceptionReporter installed = &showMessageBox;
    return installed;
}

Ref<RuntimeException> newException(ClassRecord* cls, const char* message)
{
    auto object = RuntimeNewObject(cls);
    auto exception = Ref<RuntimeException>::retain(native_cast<RuntimeException>(object.get()));
    exception->setMessage(message);
    return exception;
}

// A failure that carries no framework exception, reported as a RuntimeException with that
// message; when even that cannot be made (memory has run out), as its line alone, and
// the exit status still tells that it escaped.
void reportForeign(const char* what) noexcept
{
    try {
        RuntimeUnhandledException(newException(RuntimeException::Class(), what ? what : "").get());
    } catch (...) {
        NoteReportOutsideRun();
        std::fprintf(stderr, "Unhandled RuntimeException: %s\n", what ? what : "");
    }
}

} // namespace

void RuntimeUnhandledException(RuntimeException* exception) noexcept
{
    NoteReportOutsideRun();
    try {
        Ref<RuntimeException> reported = Ref<RuntimeException>::retain(exception);
        if (!reported)
            reported = newException(NilObjectException::Class(), "the exception to report was nil");
        std::string line = "Unhandled " + className(*reported);
        if (!reported->message().empty())
            line += ": " + std::string(reported->message());
        line += '\n';
        std::fputs(line.c_str(), stderr);
        std::fflush(stderr);
        UnhandledExceptionReporter report;
        {
            std::lock_guard lock(reporterMutex);
            report = reporter();
        }
        if (report)
            report(reported.get());
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "Reporting an unhandled exception failed: %s\n", failure.what());
    } catch (...) {
        std::fputs("Reporting an unhandled exception failed\n", stderr);
    }
}

UnhandledExceptionReporter SetUnhandledExceptionReporter(UnhandledExceptionReporter replacement)
{
    std::lock_guard lock(reporterMutex);
    return std::exchange(reporter(), std::move(replacement));
}

void ReportCaughtException() noexcept
{
    try {
        throw;
    } catch (const Raised& raised) {
        RuntimeUnhandledException(raised.exception());
    } catch (const std::exception& failure) {
        reportForeign(failure.what());
    } catch (...) {
        reportForeign("an exception of unknown type");
    }
}

} // namespace fw
