// What the three tool windows should show, worked out again from their rules
// and nothing of theirs: each oracle keeps the texts its window's fields should
// show, is told what the user did to them, and applies the window's handlers
// to those texts with the framework's own number routines (fw/Numbers.h,
// fw/NumberMasks.h), so a result that a window reads back from a text it wrote
// is read back here too.
//
// The refractometer's inputs live on in module values that outlive its window:
// its oracle keeps them across openings, as the program's module does, and an
// edit stores all three from what the fields show. The bottling window shows
// whichever path ran last; its oracle keeps the texts and only a change of the
// volume or of the slider rewrites them. The boil-off window's results follow
// from its inputs alone.
#pragma once

#include <fw/NumberMasks.h>
#include <fw/Numbers.h>

#include <array>
#include <cstdint>
#include <map>
#include <numbers>
#include <string>
#include <string_view>

namespace oracle {

// Field name -> the text it should show.
using Texts = std::map<std::string, std::string, std::less<>>;

class Refractometer {
public:
    // The module values as the program starts them.
    struct Module {
        double ob = 0.0;
        double fb = 0.0;
        double wcf = 1.04;
    };

    static constexpr std::array<std::string_view, 3> kInputs { "TF_OB", "TF_FB", "TF_WCF" };
    static constexpr std::array<std::string_view, 6> kResults { "TF_OG", "TF_FG", "TF_AA", "TF_A", "TF_ABV", "TF_RE" };

    // A new window: the design texts, and no result until the first edit.
    void opened()
    {
        shown_ = Texts { { "TF_OB", "0" }, { "TF_FB", "0" }, { "TF_WCF", "1.040" } };
        for (auto result : kResults)
            shown_[std::string(result)] = "";
    }

    // The user left this text in a field (inputs and read-only results alike).
    void edited(std::string_view field, std::string_view text) { write(field, text); }

    const Texts& shown() const noexcept { return shown_; }
    const Module& module() const noexcept { return module_; }

private:
    struct Results {
        double og, fg, aa, ra, abv, re;
    };

    // One rounding per step, in the order the formulas give.
    static Results compute(double ob, double fb, double wcf)
    {
        Results r {};
        {
            double a = -0.002349 * ob;
            double b = a / wcf;
            double c = 0.006276 * fb;
            double d = c / wcf;
            double e = b + d;
            r.fg = e + 1.0;
        }
        {
            double x = ob / wcf;
            double t1 = x / 258.2;
            double t2 = t1 * 227.1;
            double t3 = 258.6 - t2;
            double q = x / t3;
            r.og = q + 1.0;
        }
        {
            double n = r.og - r.fg;
            double m = r.og - 1.0;
            r.aa = n / m;
        }
        r.ra = r.aa * 0.8192;
        {
            double d1 = r.og - r.fg;
            double p = 76.08 * d1;
            double d2 = 1.775 - r.og;
            double q = p / d2;
            double s = r.fg / 0.794;
            r.abv = q * s;
        }
        {
            double a = ob / wcf;
            double b = -0.29388 * a;
            double c = fb / wcf;
            double d = 1.27582 * c;
            r.re = b + d;
        }
        return r;
    }

    static std::string format(double value, std::string_view mask) { return fw::StringFormat(value, mask, 1); }

    // A field's text changes; a change of an input runs its handler, also when
    // a handler writes it (the factor field), which nests one handler in another.
    void write(std::string_view field, std::string_view text)
    {
        auto& current = shown_[std::string(field)];
        if (current == text)
            return;
        current = text;
        if (field == "TF_OB" || field == "TF_FB" || field == "TF_WCF")
            inputChanged();
    }

    // Every input as its field shows it, whichever was edited.
    void inputChanged()
    {
        module_.ob = fw::runCDbl(shown_.find("TF_OB")->second);
        module_.fb = fw::runCDbl(shown_.find("TF_FB")->second);
        module_.wcf = fw::runCDbl(shown_.find("TF_WCF")->second);
        results_ = compute(module_.ob, module_.fb, module_.wcf);
        write("TF_A", format(results_.ra, "#0.0/%"));
        write("TF_RE", format(results_.re, "#0.0"));
        write("TF_AA", format(results_.aa, "#0.0/%"));
        write("TF_OG", format(results_.og, "0.000"));
        write("TF_FG", format(results_.fg, "0.000"));
        write("TF_WCF", format(module_.wcf, "0.000"));
        // After a nested run, the results that run left.
        write("TF_ABV", format(results_.abv, "#0.0"));
    }

    Module module_;
    Results results_ {};
    Texts shown_;
};

class BoilOff {
public:
    static constexpr std::int32_t kLimitGallons = 5;
    static constexpr std::int32_t kRows = 5;
    static constexpr std::array<std::string_view, kRows> kRowNames { "Just boiling", "Rolling Boil", "Vigorus Boil",
        "Maximum Boil", "Forced Boil" };

    void opened()
    {
        shown_
            = Texts { { "TE_Diameter", "15" }, { "TE_Gallons", "5" }, { "TF_GalPerHr", "" }, { "TF_BO_Percent", "" } };
        row_ = 0;
        compute(); // the group box's Open
    }

    void edited(std::string_view field, std::string_view text)
    {
        auto& current = shown_[std::string(field)];
        if (current == text)
            return;
        current = text;
        if (field == "TE_Diameter" || field == "TE_Gallons")
            compute();
    }

    void chose(std::int32_t row)
    {
        if (row == row_)
            return;
        row_ = row;
        compute();
    }

    const Texts& shown() const noexcept { return shown_; }
    std::int32_t row() const noexcept { return row_; }

private:
    static double factorOf(std::int32_t row)
    {
        constexpr std::array<double, kRows> kFactors { 1.0, 1.2, 1.3, 1.4, 1.5 };
        return row >= 0 && row < kRows ? kFactors[static_cast<std::size_t>(row)] : 1.0;
    }

    double read(std::string_view field) const { return fw::runCDbl(shown_.find(field)->second); }

    // The factor enters once, through the gallons per hour that the percent reads back.
    void compute()
    {
        double a = read("TE_Diameter") / 2.0;
        double b = read("TE_Diameter") / 2.0;
        double g = a * b;
        g = g * std::numbers::pi;
        g = g / 150.0;
        g = g * factorOf(row_);
        shown_["TF_GalPerHr"] = fw::StringStrDouble(g);
        double p = read("TF_GalPerHr") / read("TE_Gallons");
        p = p * 100.0;
        shown_["TF_BO_Percent"] = fw::StringStrDouble(p);
    }

    Texts shown_;
    std::int32_t row_ = 0;
};

class Bottling {
public:
    static constexpr std::int32_t kMinimum = 0;
    static constexpr std::int32_t kMaximum = 100;
    static constexpr std::int32_t kLineStep = 1;
    static constexpr std::int32_t kPageStep = 20;

    void opened()
    {
        shown_ = Texts { { "Gal_Btl", "5" }, { "TF_Reg_Btl", "" }, { "TF_Lrg_Btl", "" }, { "TF_LftOver", "" } };
        split_ = 0;
        volumePath(); // Gal_Btl's Open
    }

    void edited(std::string_view field, std::string_view text)
    {
        auto& current = shown_[std::string(field)];
        if (current == text)
            return;
        current = text;
        if (field == "Gal_Btl")
            volumePath();
    }

    void moved(std::int32_t split)
    {
        if (split == split_)
            return;
        split_ = split;
        sliderPath();
    }

    const Texts& shown() const noexcept { return shown_; }
    std::int32_t split() const noexcept { return split_; }

private:
    double read(std::string_view field) const { return fw::runCDbl(shown_.find(field)->second); }
    void show(std::string_view field, double value) { shown_[std::string(field)] = fw::StringStrDouble(value); }

    void leftOver()
    {
        double ounces = read("Gal_Btl") * 128.0;
        double small = read("TF_Reg_Btl");
        double large = read("TF_Lrg_Btl");
        show("TF_LftOver", ounces - ((small * 12.0) + (large * 22.0)));
    }

    void volumePath()
    {
        double share = fw::RuntimeCvtSInt32ToReal64(kMaximum - split_);
        show("TF_Reg_Btl", fw::RuntimeFloor(((read("Gal_Btl") * 128.0) / 12.0) * (share / 100.0)));
        show("TF_Lrg_Btl", fw::RuntimeFloor(((read("Gal_Btl") * 128.0) - (read("TF_Reg_Btl") * 12.0)) / 22.0));
        leftOver();
    }

    void sliderPath()
    {
        double share = fw::RuntimeCvtSInt32ToReal64(split_);
        show("TF_Lrg_Btl", fw::RuntimeFloor(((read("Gal_Btl") * 128.0) / 22.0) * (share / 100.0)));
        show("TF_Reg_Btl", fw::RuntimeFloor(((read("Gal_Btl") * 128.0) - (read("TF_Lrg_Btl") * 22.0)) / 12.0));
        leftOver();
    }

    Texts shown_;
    std::int32_t split_ = 0;
};

} // namespace oracle
