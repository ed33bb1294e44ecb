#include "catalogue/ExchangeOrder.h"

#include <algorithm>

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

// The leading group of one rank: a queue in a ring that holds the whole rank.
class RankGroup {
public:
    explicit RankGroup(int capacity) : ring_(capacity) {}

    void PushBack(int position) { ring_[Slot(size_++)] = position; }

    // Front-to-back rotation by `steps`, taking the cheaper direction.
    void Rotate(long long steps) {
        if (size_ < 2) return;
        const int left = int(steps % size_);
        if (left <= size_ / 2) {
            for (int k = 0; k < left; ++k) {
                ring_[Slot(size_)] = ring_[head_];
                head_ = Slot(1);
            }
            return;
        }
        for (int k = left; k < size_; ++k) {
            head_ = Slot(int(ring_.size()) - 1);
            ring_[head_] = ring_[Slot(size_)];
        }
    }

    void AppendTo(std::vector<int>& order) const {
        for (int k = 0; k < size_; ++k) order.push_back(ring_[Slot(k)]);
    }

private:
    int Slot(int offset) const { return int((head_ + offset) % ring_.size()); }

    std::vector<int> ring_;
    int head_ = 0;
    int size_ = 0;
};

// Order of the rows of one rank, given their input positions (ascending) and the lower-ranked rows
// already marked.
void AppendRankOrder(const int* positions, int count, const PositionCounter& lower, int lowerTotal,
                     std::vector<int>& order) {
    if (count == 1) {
        order.push_back(positions[0]);
        return;
    }
    RankGroup group(count);
    int passesSeen = 0;
    for (int k = 0; k < count; ++k) {
        const int joinPass = lower.CountBefore(positions[k]);
        group.Rotate(joinPass - passesSeen);
        passesSeen = joinPass;
        group.PushBack(positions[k]);
    }
    group.Rotate(lowerTotal - passesSeen);
    group.AppendTo(order);
}

} // namespace

std::vector<int> ExchangeSortOrder(const std::vector<int>& ranks) {
    std::vector<int> byRank(ranks.size());
    for (size_t p = 0; p < byRank.size(); ++p) byRank[p] = int(p);
    std::sort(byRank.begin(), byRank.end(),
              [&](int a, int b) { return ranks[a] != ranks[b] ? ranks[a] < ranks[b] : a < b; });
    return ExchangeSortOrder(ranks, byRank);
}

std::vector<int> ExchangeSortOrder(const std::vector<int>& ranks, const std::vector<int>& byRank) {
    const int n = static_cast<int>(byRank.size());
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
