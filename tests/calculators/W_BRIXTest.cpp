// The refractometer window, driven as a user drives it: typing into its inputs
// and reading what its fields show.
#include "calculators/W_BRIX.h"

#include "calculators/BrixFormulas.h"

#include "ToolWindowTesting.h"

#include <fw/Numbers.h>
#include <fw/Peer.h>

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace {

const std::vector<std::string_view> kResults { "TF_OG", "TF_FG", "TF_AA", "TF_A", "TF_ABV", "TF_RE" };

class RefractometerWindow : public tool_window_testing::ToolWindowTest<W_BRIX> {
protected:
    void SetUp() override
    {
        for (auto init : BrixFormulas::kInitialisers)
            init();
        ToolWindowTest::SetUp();
    }

    std::string shown(std::string_view name) { return std::string(field(name).text()); }
    std::string nan() const { return fw::StringStrDouble(std::numeric_limits<double>::quiet_NaN()); }
};

TEST_F(RefractometerWindow, OpensWithTheDesignTextsAndNoResults)
{
    EXPECT_EQ(shown("TF_OB"), "0");
    EXPECT_EQ(shown("TF_FB"), "0");
    EXPECT_EQ(shown("TF_WCF"), "1.040");
    for (auto name : kResults) {
        EXPECT_EQ(shown(name), "") << name;
        EXPECT_TRUE(field(name).readOnly()) << name;
    }
    EXPECT_EQ(window->title(), "BRIX Tool");
    EXPECT_EQ(window->controlCount(), 20u);
}

TEST_F(RefractometerWindow, ShowsTheWorkedReadingsThroughTheirMasks)
{
    field("TF_OB").userEdited("12");
    field("TF_FB").userEdited("6");

    EXPECT_EQ(shown("TF_OG"), "1.046");
    EXPECT_EQ(shown("TF_FG"), "1.009");
    EXPECT_EQ(shown("TF_AA"), "80.4%");
    EXPECT_EQ(shown("TF_A"), "65.9%");
    EXPECT_EQ(shown("TF_ABV"), "5.0");
    EXPECT_EQ(shown("TF_RE"), "4.0");
    EXPECT_EQ(shown("TF_WCF"), "1.040");
    EXPECT_EQ(BrixFormulas::OB, 12.0);
    EXPECT_EQ(BrixFormulas::FB, 6.0);
}

TEST_F(RefractometerWindow, ShowsNonFiniteResultsLikeAnyOther)
{
    // Both readings 0: the attenuations divide 0 by 0.
    field("TF_OB").userEdited("0.0");
    EXPECT_EQ(shown("TF_AA"), nan());
    EXPECT_EQ(shown("TF_A"), nan());
    EXPECT_EQ(shown("TF_ABV"), "0.0");
    EXPECT_EQ(shown("TF_RE"), "0.0");

    // A factor of 0 with positive readings spoils every result.
    field("TF_OB").userEdited("12");
    field("TF_FB").userEdited("6");
    field("TF_WCF").userEdited("0");
    for (auto name : kResults)
        EXPECT_EQ(shown(name), nan()) << name;
    EXPECT_EQ(shown("TF_WCF"), "0.000");
}

// Sees every change of a control's text that the program makes, without a handler.
class TextWriteRecorder : public fw::PeerFactory {
public:
    std::unique_ptr<fw::Peer> makePeer(fw::Object& object) override { return std::make_unique<Peer>(*this, object); }
    std::vector<const fw::Object*> written;

private:
    struct Peer : fw::Peer {
        Peer(TextWriteRecorder& recorder, fw::Object& object)
            : recorder(recorder)
            , object(object)
        {
        }
        void update(fw::Aspect aspect) override
        {
            if (aspect == fw::Aspect::Text)
                recorder.written.push_back(&object);
        }
        TextWriteRecorder& recorder;
        fw::Object& object;
    };
};

class RefractometerWindowObserved : public RefractometerWindow {
protected:
    void SetUp() override
    {
        fw::InstallPeerFactory(&recorder);
        RefractometerWindow::SetUp();
        recorder.written.clear();
    }
    void TearDown() override
    {
        RefractometerWindow::TearDown();
        fw::InstallPeerFactory(nullptr);
    }
    std::vector<std::string_view> writtenNames()
    {
        std::vector<std::string_view> names;
        for (auto* object : recorder.written)
            for (std::size_t k = 0; k < window->controlCount(); ++k)
                if (window->controlObject(k) == object)
                    names.push_back(window->controlName(k));
        EXPECT_EQ(names.size(), recorder.written.size()) << "only the window's controls are written";
        return names;
    }

    TextWriteRecorder recorder;
};

TEST_F(RefractometerWindowObserved, WritesTheSevenFieldsInOrderAndNoLabel)
{
    // Typing "1.04" makes every one of the seven writes a change: the results
    // were empty and the factor field becomes "1.040". Its rewrite runs the
    // factor's handler once more, which finds its own text unchanged and stops.
    field("TF_WCF").userEdited("1.04");
    const std::vector<std::string_view> inOrder { "TF_A", "TF_RE", "TF_AA", "TF_OG", "TF_FG", "TF_WCF", "TF_ABV" };
    EXPECT_EQ(writtenNames(), inOrder);
    EXPECT_EQ(shown("TF_WCF"), "1.040");
}

TEST_F(RefractometerWindow, ComputesWithTheFactorItShowsNotAnEarlierWindows)
{
    // An earlier window left 1.02 in the module; this one shows "1.040".
    BrixFormulas::WCF = 1.02;
    field("TF_OB").userEdited("12");
    EXPECT_EQ(BrixFormulas::WCF, 1.04);
    EXPECT_EQ(shown("TF_WCF"), "1.040");
    EXPECT_EQ(shown("TF_OG"), "1.046");
}

TEST_F(RefractometerWindow, TypingInTheFactorKeepsItsThreePlaceReading)
{
    // The factor's own rewrite runs its handler again, which stores what it
    // reads back and ends there, since the text it writes is already shown.
    field("TF_WCF").userEdited("1.0456");
    EXPECT_EQ(shown("TF_WCF"), "1.046");
    EXPECT_EQ(BrixFormulas::WCF, 1.046);
}

TEST_F(RefractometerWindow, ReopenedShowsDesignTextsAndComputesFromThemThoughTheModuleValuesPersist)
{
    field("TF_OB").userEdited("12");
    field("TF_FB").userEdited("6");
    window->Close();
    EXPECT_FALSE(window->opened());

    window = W_BRIX::ImplicitInstance();
    EXPECT_EQ(shown("TF_OB"), "0");
    EXPECT_EQ(shown("TF_FB"), "0");
    EXPECT_EQ(shown("TF_WCF"), "1.040");
    for (auto name : kResults)
        EXPECT_EQ(shown(name), "") << name;
    EXPECT_EQ(BrixFormulas::OB, 12.0); // never reset
    EXPECT_EQ(BrixFormulas::FB, 6.0);

    // The final reading alone, retyped: the original one is the "0" its field shows.
    field("TF_FB").userEdited("6");
    EXPECT_EQ(BrixFormulas::OB, 0.0);
    EXPECT_EQ(shown("TF_OG"), "1.000");
    EXPECT_EQ(shown("TF_FG"), "1.036");
}

TEST_F(RefractometerWindow, HasOneImplicitInstance)
{
    fw::Ref<fw::Window> again = W_BRIX::ImplicitInstance();
    EXPECT_EQ(again.get(), window.get());
    EXPECT_EQ(again->controlCount(), 20u);
}

} // namespace
