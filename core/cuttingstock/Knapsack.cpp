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

// Unbounded knapsack by dynamic programming over the capacity: best[c] is the most a
// filling of weight at most c is worth, choice[c] the item last taken on the way.
class DynamicProgramme {
public:
    DynamicProgramme(const std::vector<KnapsackItem>& items, int capacity)
        : m_items(items), m_best(static_cast<size_t>(capacity) + 1, 0.0),
          m_choice(static_cast<size_t>(capacity) + 1, -1) {
        for (size_t i = 0; i < items.size(); ++i) {
            const int w = items[i].weight;
            const double v = items[i].value;
            for (int c = w; c <= capacity; ++c) {
                const double candidate = m_best[static_cast<size_t>(c - w)] + v;
                if (candidate > m_best[static_cast<size_t>(c)]) {
                    m_best[static_cast<size_t>(c)] = candidate;
                    m_choice[static_cast<size_t>(c)] = static_cast<int>(i);
                }
            }
        }
    }

    double best(int c) const { return c < 0 ? -1 : m_best[static_cast<size_t>(c)]; }

    // The optimal filling of `c`, with `first` (an item index, or -1) taken first.
    KnapsackResult filling(int c, int first) const {
        KnapsackResult r;
        r.unbounded = true;
        r.counts.assign(m_items.size(), 0);
        if (first >= 0) {
            ++r.counts[static_cast<size_t>(first)];
            c -= m_items[static_cast<size_t>(first)].weight;
        }
        while (c > 0) {
            const int i = m_choice[static_cast<size_t>(c)];
            if (i < 0)
                break;
            ++r.counts[static_cast<size_t>(i)];
            c -= m_items[static_cast<size_t>(i)].weight;
        }
        for (size_t i = 0; i < m_items.size(); ++i)
            r.value += r.counts[i] * m_items[i].value;
        return r;
    }

private:
    const std::vector<KnapsackItem>& m_items;
    std::vector<double> m_best;
    std::vector<int> m_choice;
};

std::vector<int> valueOrder(const std::vector<KnapsackItem>& items) {
    std::vector<int> order(items.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const KnapsackItem& x = items[static_cast<size_t>(a)];
        const KnapsackItem& y = items[static_cast<size_t>(b)];
        return x.value * y.weight > y.value * x.weight;
    });
    return order;
}

} // namespace

KnapsackResult solveKnapsack(const std::vector<KnapsackItem>& items, int capacity, long nodeLimit) {
    std::vector<KnapsackResult> r = solveKnapsackColumns(items, capacity, nodeLimit, 1, 0);
    return r.front();
}

std::vector<KnapsackResult> solveKnapsackColumns(const std::vector<KnapsackItem>& items,
                                                 int capacity, long nodeLimit, int most,
                                                 double worthAbove) {
    std::vector<KnapsackResult> out;
    if (capacity <= 0 || items.empty()) {
        out.push_back({0, std::vector<int>(items.size(), 0), false});
        return out;
    }
    const std::vector<int> order = valueOrder(items);
    BranchAndBound search(items, order, nodeLimit);
    if (search.run(capacity)) {
        KnapsackResult r;
        r.counts.assign(items.size(), 0);
        for (size_t k = 0; k < order.size(); ++k)
            r.counts[static_cast<size_t>(order[k])] = search.best()[k];
        r.value = search.bestValue();
        out.push_back(std::move(r));
        return out;
    }
    const DynamicProgramme table(items, capacity);
    out.push_back(table.filling(capacity, -1));
    // The best filling that holds item i is worth best(capacity - w_i) + v_i.
    std::vector<std::pair<double, int>> withItem;
    for (size_t i = 0; i < items.size(); ++i) {
        const double v = table.best(capacity - items[i].weight) + items[i].value;
        if (v > worthAbove)
            withItem.emplace_back(v, static_cast<int>(i));
    }
    std::stable_sort(withItem.begin(), withItem.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    for (const auto& [value, item] : withItem) {
        if (static_cast<int>(out.size()) >= most)
            break;
        KnapsackResult r = table.filling(capacity, item);
        if (std::none_of(out.begin(), out.end(),
                         [&](const KnapsackResult& o) { return o.counts == r.counts; }))
            out.push_back(std::move(r));
    }
    return out;
}

} // namespace cutstock
