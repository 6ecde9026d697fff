// Reads the refractometer's fields from a screenshot of the running program:
// each field named on the command line must show, pixel for pixel, what the same
// field of a refractometer window of our own draws alone with the expected text.
// Run on the program's display, so that fonts and style are the program's.
//
// The window's content starts below the menu bar, whose height this does not
// know: it tries every height up to kMostMenuBar and needs one at which every
// field matches. The crops and the fields drawn alone are saved for people.
//
// usage: refractometer_on_screen SCREENSHOT WINDOW_LEFT WINDOW_TOP FOLDER FIELD=TEXT...
#include "calculators/BrixFormulas.h"
#include "calculators/W_BRIX.h"

#include "WidgetOf.h"

#include <fw/TextField.h>
#include <fw/qt/Platform.h>

#include <QImage>
#include <QString>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int kMostMenuBar = 64;

struct Field {
    std::string name;
    std::string text;
    QImage alone;
    QPoint at; // in the window's content
};

// Pixels the field paints itself that the screen shows otherwise; its clear pixels let the background through.
int differing(const QImage& screen, const Field& field, QPoint origin)
{
    int count = 0;
    for (int y = 0; y < field.alone.height(); ++y)
        for (int x = 0; x < field.alone.width(); ++x) {
            QRgb own = field.alone.pixel(x, y);
            QPoint on = origin + field.at + QPoint(x, y);
            if (qAlpha(own) == 255 && (!screen.rect().contains(on) || screen.pixel(on) != own))
                ++count;
        }
    return count;
}

int usage()
{
    std::fputs("usage: refractometer_on_screen SCREENSHOT WINDOW_LEFT WINDOW_TOP FOLDER FIELD=TEXT...\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 6)
        return usage();
    fw::InstallQtPlatform();
    const QImage screen = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_ARGB32);
    const QPoint window(std::atoi(argv[2]), std::atoi(argv[3]));
    const QString folder = QString::fromLocal8Bit(argv[4]);
    if (screen.isNull()) {
        std::fprintf(stderr, "refractometer_on_screen: cannot read %s\n", argv[1]);
        return 2;
    }

    for (auto init : BrixFormulas::kInitialisers)
        init();
    fw::Ref<fw::Window> ours = W_BRIX::ImplicitInstance();
    std::vector<Field> fields;
    for (int k = 5; k < argc; ++k) {
        std::string_view argument = argv[k];
        auto equals = argument.find('=');
        if (equals == std::string_view::npos)
            return usage();
        Field field { std::string(argument.substr(0, equals)), std::string(argument.substr(equals + 1)), {}, {} };
        auto* control = dynamic_cast<fw::TextField*>(ours->findControl(field.name));
        if (!control) {
            std::fprintf(stderr, "refractometer_on_screen: the window has no text field %s\n", field.name.c_str());
            return 2;
        }
        control->setText(field.text);
        field.alone = fw::qt::DrawnAlone(control);
        field.at = QPoint(control->left(), control->top());
        field.alone.save(folder + "/" + QString::fromStdString(field.name) + "-alone.png");
        fields.push_back(std::move(field));
    }

    int bestBar = 0;
    int bestCount = -1;
    for (int bar = 0; bar <= kMostMenuBar; ++bar) {
        int count = 0;
        for (const Field& field : fields)
            count += differing(screen, field, window + QPoint(0, bar));
        if (bestCount < 0 || count < bestCount) {
            bestCount = count;
            bestBar = bar;
        }
    }
    const QPoint content = window + QPoint(0, bestBar);
    for (const Field& field : fields) {
        screen.copy(QRect(content + field.at, field.alone.size()))
            .save(folder + "/" + QString::fromStdString(field.name) + "-on-screen.png");
        int count = differing(screen, field, content);
        std::printf("%s \"%s\": %s\n", field.name.c_str(), field.text.c_str(),
            count == 0 ? "shown whole" : (std::to_string(count) + " pixels differ").c_str());
    }
    return bestCount == 0 ? 0 : 1;
}
