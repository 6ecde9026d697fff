// The bottling window soaked: the volume, its three editable results, and the
// split slider, moved by key, by a click on its groove beside the handle and by
// a drag of the handle. A key moves the slider by the design's steps; where a
// click or a drag leaves it is Qt's and is read from the slider, which must not
// move while its handle is held, since it does not scroll live.
#include "WindowSoak.h"

#include "calculators/W_Bottle.h"

#include <fw/Slider.h>

#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Where the slider's style puts its groove and handle now, to aim the mouse at them.
struct SliderParts {
    QRect groove;
    QRect handle;

    static SliderParts of(const QSlider* slider)
    {
        QStyleOptionSlider option;
        OptionsOf::fill(slider, option);
        const QStyle* style = slider->style();
        return { style->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, slider),
            style->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider) };
    }

private:
    // The slider's own style options (QSlider keeps the call protected).
    struct OptionsOf : QSlider {
        static void fill(const QSlider* slider, QStyleOptionSlider& option)
        {
            (slider->*&OptionsOf::initStyleOption)(&option);
        }
    };
};

class BottlingSoak : public soak::SoakOf<W_Bottle, oracle::Bottling> {
public:
    explicit BottlingSoak(std::mt19937& rng)
        : SoakOf(rng, { { "Gal_Btl", 0, false, 4 }, { "TF_Reg_Btl" }, { "TF_Lrg_Btl" }, { "TF_LftOver" } })
    {
    }

protected:
    bool hasOtherControl() const override { return true; }

    std::string describeOther() const override { return "  S_Split at " + std::to_string(oracle_.split()) + "\n"; }

    void checkOtherControl(std::ostringstream& problems) override
    {
        auto* shown = widget<QSlider>("S_Split");
        auto* slider = model<fw::Slider>("S_Split");
        if (shown->value() != oracle_.split() || slider->value() != oracle_.split())
            problems << "  S_Split: expected " << oracle_.split() << ", the screen shows " << shown->value()
                     << ", the model holds " << slider->value() << "\n";
        if (oracle_.split() < oracle::Bottling::kMinimum || oracle_.split() > oracle::Bottling::kMaximum)
            problems << "  S_Split: " << oracle_.split() << " lies outside " << oracle::Bottling::kMinimum << " to "
                     << oracle::Bottling::kMaximum << "\n";
    }

    void otherStep() override
    {
        auto* slider = widget<QSlider>("S_Split");
        switch (in_.below(5)) {
        case 0:
        case 1:
            keyStep(slider);
            break;
        case 2:
            grooveStep(slider);
            break;
        default:
            dragStep(slider);
            break;
        }
    }

private:
    static int kept(int value) { return std::clamp(value, oracle::Bottling::kMinimum, oracle::Bottling::kMaximum); }

    void keyStep(QSlider* slider)
    {
        using B = oracle::Bottling;
        struct Move {
            Qt::Key key;
            const char* name;
            int to;
        };
        const int value = oracle_.split();
        const std::vector<Move> moves { { Qt::Key_Up, "Up", value + B::kLineStep },
            { Qt::Key_Down, "Down", value - B::kLineStep }, { Qt::Key_PageUp, "PageUp", value + B::kPageStep },
            { Qt::Key_PageDown, "PageDown", value - B::kPageStep }, { Qt::Key_Home, "Home", B::kMinimum },
            { Qt::Key_End, "End", B::kMaximum } };
        const Move& move = in_.pick(moves);
        note(std::string("S_Split: key ") + move.name);
        QTest::keyClick(slider, move.key);
        oracle_.moved(kept(move.to));
        check(std::string("the key ") + move.name);
    }

    // After a press, move or release: a slider whose handle is not held shows
    // where the mouse left it, and the oracle is told; a held one stays put.
    void mouseDone(QSlider* slider, std::string_view what)
    {
        if (!slider->isSliderDown() && slider->value() != oracle_.split()) {
            amend(" -> " + std::to_string(slider->value()));
            oracle_.moved(slider->value());
        }
        check(what);
    }

    // A click on the groove beside the handle.
    void grooveStep(QSlider* slider)
    {
        const SliderParts parts = SliderParts::of(slider);
        bool above = in_.chance(2);
        int low = above ? parts.groove.top() : parts.handle.bottom() + 1;
        int high = above ? parts.handle.top() - 1 : parts.groove.bottom();
        if (low > high) {
            note(std::string("S_Split: (no groove to click ") + (above ? "above" : "below") + " the handle)");
            return;
        }
        QPoint at(parts.groove.center().x(), in_.between(low, high));
        note("S_Split: click the groove " + std::string(above ? "above" : "below") + " the handle at y "
            + std::to_string(at.y()));
        QTest::mousePress(slider, Qt::LeftButton, {}, at);
        mouseDone(slider, "pressing the groove");
        QTest::mouseRelease(slider, Qt::LeftButton, {}, at);
        mouseDone(slider, "releasing the groove");
    }

    void dragStep(QSlider* slider)
    {
        const QPoint from = SliderParts::of(slider).handle.center();
        std::vector<QPoint> path;
        for (int k = in_.between(1, 3); k > 0; --k) {
            QPoint at(from.x() + in_.between(-6, 6), in_.between(-25, slider->height() + 25));
            if (at.isNull())
                at.rx() = 1; // QTest would take a null point for the widget's centre
            path.push_back(at);
        }
        note("S_Split: drag the handle from y " + std::to_string(from.y()) + " in " + std::to_string(path.size())
            + " moves to y " + std::to_string(path.back().y()));
        QTest::mousePress(slider, Qt::LeftButton, {}, from);
        mouseDone(slider, "pressing the handle");
        for (const QPoint& at : path) {
            QTest::mouseMove(slider, at);
            mouseDone(slider, "a move of the held handle");
        }
        QTest::mouseRelease(slider, Qt::LeftButton, {}, path.back());
        mouseDone(slider, "letting the handle go");
    }
};

TEST(SoakBottling, AgreesWithItsOracleThroughRandomInput) { soak::RunSoak<BottlingSoak>("bottling", 3); }

} // namespace
