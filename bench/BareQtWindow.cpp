// The yardstick for the program's cold start: a Qt Widgets program that opens
// one empty window, as large as the refractometer window, and waits.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Qt Window")); // the cold-start benchmark waits for this title
    window.resize(505, 347);
    window.show();
    return application.exec();
}
