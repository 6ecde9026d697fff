// What a user at the keyboard gives a field, drawn from the soak's random
// source: numbers in many shapes, slips of the keyboard, and pastes of long
// digit runs, characters beyond ASCII, blanks and line ends.
#pragma once

#include <random>
#include <string>
#include <vector>

namespace soak {

class RandomInput {
public:
    explicit RandomInput(std::mt19937& rng)
        : rng_(rng)
    {
    }

    int below(int n);
    int between(int low, int high);
    bool chance(int oneIn) { return below(oneIn) == 0; }
    template <class T> const T& pick(const std::vector<T>& items)
    {
        return items[static_cast<std::size_t>(below(static_cast<int>(items.size())))];
    }

    std::string digits(int count);
    std::string number();
    // What a user types into a field.
    std::string typed();
    // What a user pastes into a field.
    std::string pasted();

private:
    std::mt19937& rng_;
};

} // namespace soak
