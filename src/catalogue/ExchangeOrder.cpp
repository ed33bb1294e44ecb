#include "catalogue/ExchangeOrder.h"

#include <algorithm>
#include <deque>

namespace mcb {

namespace {

// Counts of marked positions, to tell how many lower-ranked rows stand before a position.
class PositionCounter {
public:
    explicit PositionCounter(int size) : tree_(size + 1, 0) {}

    void Mark(int position) {
        for (int i = position + 1; i < int(tree_.size()); i += i & -i) ++tree_[i];
    }

    // Marked positions below `position`.
    int CountBefore(int position) const {
        int count = 0;
        for (int i = position; i > 0; i -= i & -i) count += tree_[i];
        return count;
    }

private:
    std::vector<int> tree_;
};

// Front-to-back rotation by `steps`, taking the cheaper direction.
void Rotate(std::deque<int>& queue, long long steps) {
    if (queue.size() < 2) return;
    const auto size = static_cast<long long>(queue.size());
    long long left = steps % size;
    if (left <= size / 2) {
        for (; left > 0; --left) {
            queue.push_back(queue.front());
            queue.pop_front();
        }
        return;
    }
    for (long long right = size - left; right > 0; --right) {
        queue.push_front(queue.back());
        queue.pop_back();
    }
}

// Order of the rows of one rank, given their input positions (ascending) and the lower-ranked rows
// already marked.
void AppendRankOrder(const int* positions, int count, const PositionCounter& lower, int lowerTotal,
                     std::vector<int>& order) {
    std::deque<int> group;
    int passesSeen = 0;
    for (int k = 0; k < count; ++k) {
        const int joinPass = lower.CountBefore(positions[k]);
        Rotate(group, joinPass - passesSeen);
        passesSeen = joinPass;
        group.push_back(positions[k]);
    }
    Rotate(group, lowerTotal - passesSeen);
    order.insert(order.end(), group.begin(), group.end());
}

} // namespace

std::vector<int> ExchangeSortOrder(const std::vector<int>& ranks) {
    const int n = static_cast<int>(ranks.size());
    std::vector<int> byRank(n);
    for (int p = 0; p < n; ++p) byRank[p] = p;
    std::sort(byRank.begin(), byRank.end(),
              [&](int a, int b) { return ranks[a] != ranks[b] ? ranks[a] < ranks[b] : a < b; });

    std::vector<int> order;
    order.reserve(n);
    PositionCounter lower(n);
    for (int start = 0; start < n;) {
        int end = start + 1;
        while (end < n && ranks[byRank[end]] == ranks[byRank[start]]) ++end;
        AppendRankOrder(byRank.data() + start, end - start, lower, start, order);
        for (int k = start; k < end; ++k) lower.Mark(byRank[k]);
        start = end;
    }
    return order;
}

} // namespace mcb
