// One keystroke in the refractometer window on real Qt widgets (offscreen): from
// the key event sent to the original-Brix line edit to the seventh field it
// rewrites. Painting is not part of it: the loop sends keys and nothing else.
//
// Making the Qt application installs the widget peers for every window made from
// then on, so this benchmark is registered by main after all the others: the
// headless ones run first, still without widgets.
#include "calculators/W_BRIX.h"
#include "shell/Startup.h"

#include "WidgetOf.h"

#include <fw/qt/Run.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QString>
#include <QTest>
#include <QtGlobal>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string_view>

namespace {

QLineEdit* lineEditOf(const fw::Ref<fw::Window>& window, std::string_view control)
{
    return qobject_cast<QLineEdit*>(fw::qt::WidgetOf(window->findControl(control)));
}

// The offscreen platform cannot raise windows and says so on every show; nothing else is hidden.
QtMessageHandler defaultHandler = nullptr;
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message == QLatin1String("This plugin does not support raise()"))
        return;
    defaultHandler(type, context, message);
}

void startOnce()
{
    static const bool started = [] {
        fw::RuntimeInit();
        InitClassesAndModules();
        return true;
    }();
    (void)started;
}

void BM_RefractometerKeystrokeOnScreen(benchmark::State& state)
{
    startOnce();
    fw::Ref<fw::Window> window = W_BRIX::ImplicitInstance();
    QLineEdit* input = lineEditOf(window, "TF_OB");
    QLineEdit* last = lineEditOf(window, "TF_ABV");
    if (!input || !last) {
        state.SkipWithError("the refractometer window has no line edits for TF_OB and TF_ABV");
        window->Close();
        return;
    }

    // The reading goes "1" -> "12" -> "1": every keystroke changes the text.
    input->setFocus();
    input->selectAll();
    QTest::keyClick(input, Qt::Key_1);
    const QString before = last->text();
    QTest::keyClick(input, Qt::Key_2);
    const QString after = last->text();
    if (input->text() != QLatin1String("12") || after.isEmpty() || after == before) {
        state.SkipWithError("a keystroke in TF_OB did not rewrite TF_ABV");
        window->Close();
        return;
    }
    QTest::keyClick(input, Qt::Key_Backspace);
    QCoreApplication::processEvents();

    bool typeDigit = true;
    for (auto _ : state) {
        QTest::keyClick(input, typeDigit ? Qt::Key_2 : Qt::Key_Backspace);
        typeDigit = !typeDigit;
        benchmark::DoNotOptimize(last->text().constData());
    }

    window->Close();
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char** argv)
{
    // The widgets need a platform but no screen; an explicit choice is kept.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    defaultHandler = qInstallMessageHandler(&quietHandler);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return EXIT_FAILURE;
    benchmark::RegisterBenchmark("BM_RefractometerKeystrokeOnScreen", &BM_RefractometerKeystrokeOnScreen);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return EXIT_SUCCESS;
}
