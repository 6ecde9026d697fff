#include "RandomInput.h"

#include <cassert>

namespace soak {

int RandomInput::below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

int RandomInput::between(int low, int high)
{
    assert(low <= high && "an empty range to draw from");
    return std::uniform_int_distribution<int>(low, high)(rng_);
}

std::string RandomInput::digits(int count)
{
    std::string out;
    for (int k = 0; k < count; ++k)
        out += static_cast<char>('0' + below(10));
    return out;
}

std::string RandomInput::number()
{
    std::string out;
    if (chance(4))
        out += chance(2) ? "-" : "+";
    if (chance(6))
        out += " ";
    out += digits(between(chance(5) ? 0 : 1, 4));
    if (chance(2))
        out += "." + digits(between(0, 4));
    if (chance(5)) {
        out += chance(2) ? "e" : "E";
        if (chance(2))
            out += chance(2) ? "-" : "+";
        out += digits(between(1, 3));
    }
    return out;
}

std::string RandomInput::typed()
{
    switch (below(6)) {
    case 0:
    case 1:
        return number();
    case 2:
        return digits(between(1, 3));
    case 3: {
        static const std::vector<std::string> pieces { ".", "-", "+", "e", "E", " ", "a", "x", "0", ".5", "e5", "-.",
            "1e", "e-", "+1" };
        std::string out;
        for (int k = between(1, 3); k > 0; --k)
            out += pick(pieces);
        return out;
    }
    case 4: {
        static const std::string keys = "0123456789.-+eE abcxyzQ";
        std::string out;
        for (int k = between(1, 6); k > 0; --k)
            out += keys[static_cast<std::size_t>(below(static_cast<int>(keys.size())))];
        return out;
    }
    default:
        return std::string(1, "0123456789.-+e "[below(15)]);
    }
}

std::string RandomInput::pasted()
{
    // Accents, fractions, full-width and Arabic-Indic digits, surrogate pairs, a
    // combining mark, ideographs, a no-break space, a minus sign and a thin space.
    static const std::vector<std::string> foreign { "\xC3\xA9\xE2\x80\xA6", "\xC2\xBD", "\xEF\xBC\x91\xEF\xBC\x92",
        "\xD9\xA3\xD9\xAB\xD9\xA5",
        "\xF0\x9F\x8D\xBA"
        "12",
        "12\xF0\x9F\x8D\xBA", "e\xCC\x81", "\xE4\xB8\xAD\xE6\x96\x87",
        "\xC2\xA0"
        "12",
        "\xE2\x88\x92"
        "5",
        "1\xE2\x80\x89"
        "5",
        "\xF0\x9F\x8D\xBA\xF0\x9F\x8D\xBA\xF0\x9F\x8D\xBA" };
    switch (below(7)) {
    case 0:
    case 1:
        return number();
    case 2: {
        std::string out = digits(between(16, 400));
        if (chance(2))
            out.insert(static_cast<std::size_t>(below(static_cast<int>(out.size()))), ".");
        if (chance(3))
            out += "e" + digits(between(1, 3));
        return out;
    }
    case 3:
        return pick(foreign);
    case 4:
        return number() + pick(foreign);
    case 5:
        return std::string(chance(2) ? "\t" : "  ") + number() + (chance(2) ? "\n" : " 7");
    default:
        return pick(foreign) + number();
    }
}

} // namespace soak
