// The boil-off window soaked: its two inputs (the gallons kept to five
// characters), its two read-only results, and its vigour popup, whose rows are
// chosen by key on the closed popup, by mouse in the open list, and by keys in
// the open list with Return or Escape.
#include "Patience.h"
#include "WindowSoak.h"

#include "calculators/W_BoilCalc.h"

#include <fw/PopupMenu.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class BoilOffSoak : public soak::SoakOf<W_BoilCalc, oracle::BoilOff> {
public:
    explicit BoilOffSoak(std::mt19937& rng)
        : SoakOf(rng,
            { { "TE_Diameter", 0, false, 3 }, { "TE_Gallons", oracle::BoilOff::kLimitGallons, false, 3 },
                { "TF_GalPerHr", 0, true }, { "TF_BO_Percent", 0, true } })
    {
    }

protected:
    bool hasOtherControl() const override { return true; }

    std::string describeOther() const override { return "  PM_Boil row " + std::to_string(oracle_.row()) + "\n"; }

    void checkOtherControl(std::ostringstream& problems) override
    {
        auto* combo = widget<QComboBox>("PM_Boil");
        auto* popup = model<fw::PopupMenu>("PM_Boil");
        const int row = oracle_.row();
        const auto name = QString::fromUtf8(oracle::BoilOff::kRowNames[static_cast<std::size_t>(row)]);
        if (combo->currentIndex() != row || popup->listIndex() != row || combo->currentText() != name)
            problems << "  PM_Boil: expected row " << row << ", the screen shows row " << combo->currentIndex() << " "
                     << soak::Quoted(combo->currentText().toStdString()) << ", the model holds row "
                     << popup->listIndex() << "\n";
    }

    void otherStep() override
    {
        auto* combo = widget<QComboBox>("PM_Boil");
        switch (in_.below(4)) {
        case 0:
        case 1:
            keyStep(combo);
            break;
        case 2:
            clickStep(combo);
            break;
        default:
            listKeysStep(combo);
            break;
        }
    }

private:
    static constexpr int kRows = oracle::BoilOff::kRows;

    // A key on the closed popup: one row up or down, or the first or last.
    void keyStep(QComboBox* combo)
    {
        struct Move {
            Qt::Key key;
            const char* name;
            int to;
        };
        const int row = oracle_.row();
        const std::vector<Move> moves { { Qt::Key_Up, "Up", std::max(row - 1, 0) },
            { Qt::Key_Down, "Down", std::min(row + 1, kRows - 1) }, { Qt::Key_PageUp, "PageUp", std::max(row - 1, 0) },
            { Qt::Key_PageDown, "PageDown", std::min(row + 1, kRows - 1) }, { Qt::Key_Home, "Home", 0 },
            { Qt::Key_End, "End", kRows - 1 } };
        const Move& move = in_.pick(moves);
        note(std::string("PM_Boil: key ") + move.name);
        QTest::keyClick(combo, move.key);
        oracle_.chose(move.to);
        check(std::string("the key ") + move.name);
    }

    void clickStep(QComboBox* combo)
    {
        int to = in_.below(kRows);
        note("PM_Boil: row " + std::to_string(to) + " by mouse");
        QTest::mouseClick(combo, Qt::LeftButton, {}, QPoint(combo->width() / 2, combo->height() / 2));
        QAbstractItemView* list = combo->view();
        if (!QTest::qWaitFor([&] { return list->isVisible(); }, patience::kLimitMs))
            fail("did not open the popup's list on a click");
        QRect target = list->visualRect(list->model()->index(to, 0));
        // Right after it opens, the list takes a release only from a mouse that has
        // moved away from where the popup was opened; a hand on the mouse always
        // moves, and of two points two rows apart one is far enough from any other.
        int far = to < kRows / 2 ? kRows - 1 : 0;
        QTest::mouseMove(list->viewport(), list->visualRect(list->model()->index(far, 0)).center());
        QTest::mouseMove(list->viewport(), target.center());
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, target.center());
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, target.center());
        if (!QTest::qWaitFor([&] { return !list->isVisible(); }, patience::kLimitMs))
            fail("left the popup's list open after a click on row " + std::to_string(to));
        oracle_.chose(to);
        check("the click on the row");
    }

    void listKeysStep(QComboBox* combo)
    {
        int to = in_.below(kRows);
        bool cancel = in_.chance(5);
        note("PM_Boil: open with Alt+Down, row " + std::to_string(to) + " by keys, " + (cancel ? "Escape" : "Return"));
        QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
        QAbstractItemView* list = combo->view();
        if (!QTest::qWaitFor([&] { return list->isVisible(); }, patience::kLimitMs))
            fail("did not open the popup's list on Alt+Down");
        check("opening the popup");
        for (int at = list->currentIndex().row(); at != to; at += (to > at ? 1 : -1)) {
            QTest::keyClick(list, to > at ? Qt::Key_Down : Qt::Key_Up);
            check("a key in the open popup");
        }
        QTest::keyClick(list, cancel ? Qt::Key_Escape : Qt::Key_Return);
        if (!QTest::qWaitFor([&] { return !list->isVisible(); }, patience::kLimitMs))
            fail("left the popup's list open after its key");
        if (!cancel)
            oracle_.chose(to);
        check(cancel ? "Escape" : "Return");
    }
};

TEST(SoakBoilOff, AgreesWithItsOracleThroughRandomInput) { soak::RunSoak<BoilOffSoak>("boil-off", 2); }

} // namespace
