// The refractometer on real widgets, typed into as a brewer types: every field
// it shows must agree with the formulas for the three inputs it shows.
#include "Patience.h"
#include "ToolWindows.h"

#include <fw/NumberMasks.h>
#include <fw/Numbers.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using namespace tool_windows;

using Texts = std::vector<std::pair<std::string, std::string>>;

// What the window must show for these inputs, the results by the formulas themselves.
// It stores the inputs in the module values: check those first.
Texts ShownFor(const std::string& ob, const std::string& fb, const std::string& wcf)
{
    using namespace BrixFormulas;
    OB = fw::runCDbl(ob);
    FB = fw::runCDbl(fb);
    WCF = fw::runCDbl(wcf);
    RecalculateAll();
    auto text = [](double value, const char* mask) { return fw::StringFormat(value, mask, 1); };
    return { { "TF_OB", ob }, { "TF_FB", fb }, { "TF_WCF", wcf }, { "TF_OG", text(OG, "0.000") },
        { "TF_FG", text(FG, "0.000") }, { "TF_AA", text(AA, "#0.0/%") }, { "TF_A", text(RA, "#0.0/%") },
        { "TF_ABV", text(ABV, "#0.0") }, { "TF_RE", text(RE, "#0.0") } };
}

class RefractometerTyped : public testing::Test {
protected:
    void SetUp() override
    {
        InitialiseFormulas();
        openActive();
    }
    void TearDown() override { CloseAll(); }

    // As the Tools menu opens it; the user types into the active window.
    void openActive()
    {
        window = Open<W_BRIX>();
        ASSERT_TRUE(window);
        QWidget* top = fw::qt::WidgetOf(window.get());
        top->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(top, patience::kLimitMs));
    }

    void expectShowing(const Texts& wanted) const
    {
        for (auto& [field, text] : wanted)
            EXPECT_EQ(Showing(*window, field), text) << field;
    }

    fw::Ref<fw::Window> window;
};

TEST_F(RefractometerTyped, ReopenedItComputesFromTheInputsItShows)
{
    TypeInto(*window, "TF_OB", "21.5");
    TypeInto(*window, "TF_FB", "21.5");
    TypeInto(*window, "TF_WCF", "1.05");
    ASSERT_EQ(Showing(*window, "TF_WCF"), "1.050");

    fw::Ref<fw::Window> boilOff = Open<W_BoilCalc>(); // another window keeps the program going
    ASSERT_TRUE(fw::qt::WidgetOf(window.get())->close()); // the close box
    ASSERT_FALSE(window->opened());
    window = nullptr;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    openActive();
    expectShowing({ { "TF_OB", "0" }, { "TF_FB", "0" }, { "TF_WCF", "1.040" }, { "TF_OG", "" } });
    TypeInto(*window, "TF_OB", "12");
    EXPECT_EQ(BrixFormulas::FB, 0.0);
    EXPECT_EQ(BrixFormulas::WCF, 1.04);
    expectShowing(ShownFor("12", "0", "1.040"));
}

struct FactorTyped {
    const char* name;
    const char* keys; // typed over the selected factor, one key each
    const char* shows;
};

void PrintTo(const FactorTyped& row, std::ostream* out) { *out << row.name; }

class FactorTyping : public RefractometerTyped, public testing::WithParamInterface<FactorTyped> { };

// The field is rewritten after every key; the next key must still go where the user is typing.
TEST_P(FactorTyping, EndsAsTypedWithTheResultsOfThatFactor)
{
    TypeInto(*window, "TF_OB", "12.5");
    TypeInto(*window, "TF_FB", "3.2");
    TypeInto(*window, "TF_WCF", GetParam().keys);
    EXPECT_EQ(BrixFormulas::WCF, fw::runCDbl(GetParam().shows));
    expectShowing(ShownFor("12.5", "3.2", GetParam().shows));
}

INSTANTIATE_TEST_SUITE_P(Rows, FactorTyping,
    testing::Values(FactorTyped { "ThreePlaces", "1.05", "1.050" }, FactorTyped { "BelowOne", "0.98", "0.980" },
        FactorTyped { "WithoutTheLeadingZero", ".98", "0.980" }, FactorTyped { "OnePlace", "1.1", "1.100" },
        FactorTyped { "Whole", "2", "2.000" }, FactorTyped { "AllThreePlacesTyped", "1.045", "1.045" },
        FactorTyped { "TheUsualFactor", "1.04", "1.040" }),
    [](const testing::TestParamInfo<FactorTyped>& info) { return std::string(info.param.name); });

} // namespace
