#include "SoakSettings.h"

#include <cstdlib>
#include <optional>

namespace soak {

namespace {

constexpr unsigned kDefaultSeed = 20261210;
// A few seconds a window in a normal build.
constexpr int kDefaultSequences = 1000;

std::optional<unsigned long long> fromEnvironment(const char* name)
{
    const char* text = std::getenv(name);
    if (!text || !*text)
        return std::nullopt;
    char* end = nullptr;
    unsigned long long value = std::strtoull(text, &end, 10);
    if (*end)
        return std::nullopt;
    return value;
}

} // namespace

unsigned Seed()
{
    static const unsigned seed = [] {
        if (auto given = fromEnvironment("QUILLFEN_SOAK_SEED"))
            return static_cast<unsigned>(*given);
        return kDefaultSeed;
    }();
    return seed;
}

int Sequences()
{
    auto given = fromEnvironment("QUILLFEN_SOAK_SEQUENCES");
    return given ? static_cast<int>(*given) : kDefaultSequences;
}

} // namespace soak
