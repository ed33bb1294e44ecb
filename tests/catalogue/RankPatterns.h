// Row rank sequences of known shapes (ties included) for checking and timing the table sort.
#pragma once

#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace mcb::test {

inline const std::vector<std::string>& RankPatternNames() {
    static const std::vector<std::string> names = {"sorted",      "reverse",  "reverse-pairs", "equal",
                                                   "alternating", "sawtooth", "two-values",    "random"};
    return names;
}

// "sawtooth" repeats 0..sqrt(n)-1, the costliest shape for the tie order.
inline std::vector<int> RankPattern(const std::string& kind, int n, unsigned seed) {
    std::mt19937 rng(seed);
    const int period = std::max(2, int(std::sqrt(double(n))));
    std::vector<int> ranks(n);
    for (int p = 0; p < n; ++p) {
        if (kind == "sorted")
            ranks[p] = p / 3;
        else if (kind == "reverse")
            ranks[p] = n - p;
        else if (kind == "reverse-pairs")
            ranks[p] = (n - p) / 2;
        else if (kind == "equal")
            ranks[p] = 4;
        else if (kind == "alternating")
            ranks[p] = p % 2;
        else if (kind == "sawtooth")
            ranks[p] = p % period;
        else if (kind == "two-values")
            ranks[p] = int(rng() % 2);
        else
            ranks[p] = int(rng() % (n / 8 + 1));
    }
    return ranks;
}

} // namespace mcb::test
