// The refractometer soaked: its three inputs and six read-only results. Its
// inputs live on in module values that outlive the window, so the soak also
// holds the program's module values to the oracle's.
#include "WindowSoak.h"

#include "calculators/BrixFormulas.h"
#include "calculators/W_BRIX.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class RefractometerSoak : public soak::SoakOf<W_BRIX, oracle::Refractometer> {
public:
    explicit RefractometerSoak(std::mt19937& rng)
        : SoakOf(rng,
            { { "TF_OB", 0, false, 4 }, { "TF_FB", 0, false, 4 }, { "TF_WCF", 0, false, 4 }, { "TF_OG", 0, true },
                { "TF_FG", 0, true }, { "TF_AA", 0, true }, { "TF_A", 0, true }, { "TF_ABV", 0, true },
                { "TF_RE", 0, true } })
    {
        // The module values as at start-up, where the oracle starts them.
        for (auto init : BrixFormulas::kInitialisers)
            init();
    }

protected:
    std::string describeOther() const override
    {
        auto& m = oracle_.module();
        std::ostringstream out;
        out.precision(17);
        out << "  module values OB " << m.ob << ", FB " << m.fb << ", WCF " << m.wcf << "\n";
        return out.str();
    }

    void checkOtherControl(std::ostringstream& problems) override
    {
        auto& m = oracle_.module();
        auto same = [](double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); };
        if (!same(m.ob, BrixFormulas::OB) || !same(m.fb, BrixFormulas::FB) || !same(m.wcf, BrixFormulas::WCF)) {
            problems.precision(17);
            problems << "  module values: expected OB " << m.ob << ", FB " << m.fb << ", WCF " << m.wcf
                     << "; the program has OB " << BrixFormulas::OB << ", FB " << BrixFormulas::FB << ", WCF "
                     << BrixFormulas::WCF << "\n";
        }
    }
};

TEST(SoakRefractometer, AgreesWithItsOracleThroughRandomInput) { soak::RunSoak<RefractometerSoak>("refractometer", 1); }

} // namespace
