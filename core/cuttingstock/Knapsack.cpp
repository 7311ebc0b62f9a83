#include "core/cuttingstock/Knapsack.h"

#include <algorithm>
#include <numeric>

namespace cutstock {
namespace {

class BranchAndBound {
public:
    BranchAndBound(const std::vector<KnapsackItem>& items, const std::vector<int>& order,
                   long nodeLimit)
        : m_items(items), m_order(order), m_limit(nodeLimit), m_current(order.size(), 0),
          m_best(order.size(), 0) {}

    bool run(int capacity) {
        search(0, capacity, 0.0);
        return !m_aborted;
    }
    double bestValue() const { return m_bestValue; }
    // Counts per position of the order.
    const std::vector<int>& best() const { return m_best; }

private:
    // Dantzig's bound: greedy by value per weight, the first item that does not fit
    // taken fractionally.
    double upperBound(size_t from, int capacity, double value) const {
        for (size_t k = from; k < m_order.size(); ++k) {
            const KnapsackItem& it = m_items[static_cast<size_t>(m_order[k])];
            const int take = std::min(it.bound, capacity / it.weight);
            value += take * it.value;
            capacity -= take * it.weight;
            if (take < it.bound) {
                value += capacity * it.value / it.weight;
                break;
            }
        }
        return value;
    }

    void search(size_t j, int capacity, double value) {
        if (++m_nodes > m_limit) {
            m_aborted = true;
            return;
        }
        if (value > m_bestValue) {
            m_bestValue = value;
            m_best = m_current;
        }
        if (j == m_order.size() || capacity <= 0)
            return;
        if (upperBound(j, capacity, value) <= m_bestValue * (1 + 1e-12) + 1e-12)
            return;
        const KnapsackItem& it = m_items[static_cast<size_t>(m_order[j])];
        const int most = std::min(it.bound, capacity / it.weight);
        for (int t = most; t >= 0 && !m_aborted; --t) {
            m_current[j] = t;
            search(j + 1, capacity - t * it.weight, value + t * it.value);
        }
        m_current[j] = 0;
    }

    const std::vector<KnapsackItem>& m_items;
    const std::vector<int>& m_order;
    long m_limit;
    long m_nodes = 0;
    bool m_aborted = false;
    std::vector<int> m_current;
    std::vector<int> m_best;
    double m_bestValue = 0;
};

// Unbounded knapsack by dynamic programming; the counts are then cut back to the bounds
// (which can only lower the value, so the result is a valid, if weaker, pattern).
KnapsackResult dynamicProgramme(const std::vector<KnapsackItem>& items, int capacity) {
    std::vector<double> best(static_cast<size_t>(capacity) + 1, 0.0);
    std::vector<int> choice(static_cast<size_t>(capacity) + 1, -1);
    for (int c = 1; c <= capacity; ++c) {
        best[static_cast<size_t>(c)] = best[static_cast<size_t>(c - 1)];
        choice[static_cast<size_t>(c)] = -1;
        for (size_t i = 0; i < items.size(); ++i) {
            const int w = items[i].weight;
            if (w <= c && items[i].bound > 0) {
                const double v = best[static_cast<size_t>(c - w)] + items[i].value;
                if (v > best[static_cast<size_t>(c)]) {
                    best[static_cast<size_t>(c)] = v;
                    choice[static_cast<size_t>(c)] = static_cast<int>(i);
                }
            }
        }
    }
    KnapsackResult result;
    result.counts.assign(items.size(), 0);
    int c = capacity;
    while (c > 0) {
        const int i = choice[static_cast<size_t>(c)];
        if (i < 0) {
            --c;
            continue;
        }
        ++result.counts[static_cast<size_t>(i)];
        c -= items[static_cast<size_t>(i)].weight;
    }
    result.upper = best[static_cast<size_t>(capacity)];
    for (size_t i = 0; i < items.size(); ++i) {
        result.counts[i] = std::min(result.counts[i], items[i].bound);
        result.value += result.counts[i] * items[i].value;
    }
    return result;
}

} // namespace

KnapsackResult solveKnapsack(const std::vector<KnapsackItem>& items, int capacity, long nodeLimit) {
    KnapsackResult result;
    result.counts.assign(items.size(), 0);
    if (capacity <= 0 || items.empty())
        return result;
    std::vector<int> order(items.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const KnapsackItem& x = items[static_cast<size_t>(a)];
        const KnapsackItem& y = items[static_cast<size_t>(b)];
        return x.value * y.weight > y.value * x.weight;
    });
    BranchAndBound search(items, order, nodeLimit);
    if (search.run(capacity)) {
        for (size_t k = 0; k < order.size(); ++k)
            result.counts[static_cast<size_t>(order[k])] = search.best()[k];
        result.value = search.bestValue();
        result.upper = result.value;
        return result;
    }
    return dynamicProgramme(items, capacity);
}

} // namespace cutstock
