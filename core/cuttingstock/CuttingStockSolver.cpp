#include "core/cuttingstock/CuttingStockSolver.h"

#include "core/cuttingstock/Knapsack.h"

#include <glpk.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

namespace cutstock {
namespace {

constexpr double kStockWeight = 0.001;
constexpr long kNodeLimit = 2000;
constexpr int kColumnsPerRound = 8;
constexpr double kTolerance = 1e-9;

struct Column {
    int barType = 0;
    std::vector<int> counts; // per piece
};

struct GlpDeleter {
    void operator()(glp_prob* p) const { glp_delete_prob(p); }
};

// The restricted master problem and its columns. Rows 1..m are the pieces (at least the
// demand), then one row per bar type of limited count (at most that count).
class Master {
public:
    Master(const std::vector<int>& weights, const std::vector<int>& capacities,
           const std::vector<double>& costs, const std::vector<int>& limits)
        : m_weights(weights), m_capacities(capacities), m_costs(costs), m_limits(limits),
          m_lp(glp_create_prob()) {
        glp_set_obj_dir(m_lp.get(), GLP_MIN);
        const int m = static_cast<int>(weights.size());
        glp_add_rows(m_lp.get(), m);
        for (size_t k = 0; k < limits.size(); ++k)
            if (limits[k] >= 0)
                m_limitRow[static_cast<int>(k)] = glp_add_rows(m_lp.get(), 1);
        // An artificial column per piece keeps every restricted problem feasible; its
        // cost is above any bar's, so it is used only for pieces no bar can take.
        double highest = 1;
        for (double c : costs)
            highest = std::max(highest, c);
        m_artificialCost = 10 * highest + 1;
        for (int i = 1; i <= m; ++i) {
            const int j = glp_add_cols(m_lp.get(), 1);
            glp_set_col_bnds(m_lp.get(), j, GLP_LO, 0, 0);
            glp_set_obj_coef(m_lp.get(), j, m_artificialCost);
            int ind[2] = {0, i};
            double val[2] = {0, 1};
            glp_set_mat_col(m_lp.get(), j, 1, ind, val);
        }
        glp_init_smcp(&m_params);
        m_params.msg_lev = GLP_MSG_OFF;
        m_params.presolve = GLP_OFF;
    }

    void setDemand(const std::vector<int>& demand, const std::vector<int>& limits) {
        for (size_t i = 0; i < demand.size(); ++i)
            glp_set_row_bnds(m_lp.get(), static_cast<int>(i) + 1, GLP_LO, demand[i], 0);
        for (const auto& [k, row] : m_limitRow)
            glp_set_row_bnds(m_lp.get(), row, GLP_UP, 0, limits[static_cast<size_t>(k)]);
    }

    void addColumn(Column column) {
        const int j = glp_add_cols(m_lp.get(), 1);
        glp_set_col_bnds(m_lp.get(), j, GLP_LO, 0, 0);
        glp_set_obj_coef(m_lp.get(), j, m_costs[static_cast<size_t>(column.barType)]);
        std::vector<int> ind{0};
        std::vector<double> val{0};
        for (size_t i = 0; i < column.counts.size(); ++i)
            if (column.counts[i] > 0) {
                ind.push_back(static_cast<int>(i) + 1);
                val.push_back(column.counts[i]);
            }
        if (auto it = m_limitRow.find(column.barType); it != m_limitRow.end()) {
            ind.push_back(it->second);
            val.push_back(1);
        }
        glp_set_mat_col(m_lp.get(), j, static_cast<int>(ind.size()) - 1, ind.data(), val.data());
        m_columns.push_back(std::move(column));
    }

    // Column generation until no pattern prices out; false when the simplex fails.
    bool generate(int maxRounds, int& rounds, bool& converged) {
        const int m = static_cast<int>(m_weights.size());
        converged = false;
        for (int round = 0; round < maxRounds; ++round) {
            if (glp_simplex(m_lp.get(), &m_params) != 0 || glp_get_status(m_lp.get()) != GLP_OPT)
                return false;
            ++rounds;
            std::vector<double> dual(static_cast<size_t>(m));
            for (int i = 0; i < m; ++i)
                dual[static_cast<size_t>(i)] = glp_get_row_dual(m_lp.get(), i + 1);
            bool added = false;
            for (size_t k = 0; k < m_capacities.size(); ++k) {
                if (m_limits[k] == 0)
                    continue;
                double limitDual = 0;
                if (auto it = m_limitRow.find(static_cast<int>(k)); it != m_limitRow.end())
                    limitDual = glp_get_row_dual(m_lp.get(), it->second);
                std::vector<KnapsackItem> items;
                std::vector<int> pieceOf;
                for (int i = 0; i < m; ++i) {
                    const int w = m_weights[static_cast<size_t>(i)];
                    if (dual[static_cast<size_t>(i)] > kTolerance && w <= m_capacities[k]) {
                        items.push_back(
                            {w, dual[static_cast<size_t>(i)],
                             std::min(m_bounds[static_cast<size_t>(i)], m_capacities[k] / w)});
                        pieceOf.push_back(i);
                    }
                }
                if (items.empty())
                    continue;
                // Columns that price out: their value must beat the bar's cost.
                const double needed = m_costs[k] - limitDual;
                const double scale = std::max(1.0, m_costs[k]);
                const std::vector<KnapsackResult> found = solveKnapsackColumns(
                    items, m_capacities[k], kNodeLimit, kColumnsPerRound, needed + 1e-9 * scale);
                for (const KnapsackResult& best : found) {
                    if (needed - best.value >= -1e-9 * scale)
                        continue;
                    Column c{static_cast<int>(k), std::vector<int>(static_cast<size_t>(m), 0)};
                    for (size_t t = 0; t < items.size(); ++t)
                        c.counts[static_cast<size_t>(pieceOf[t])] = best.counts[t];
                    addColumn(std::move(c));
                    added = true;
                }
            }
            if (!added) {
                converged = true;
                return true;
            }
        }
        return glp_simplex(m_lp.get(), &m_params) == 0;
    }

    void setBounds(const std::vector<int>& bounds) { m_bounds = bounds; }
    double objective() const { return glp_get_obj_val(m_lp.get()); }
    int pieceCount() const { return static_cast<int>(m_weights.size()); }
    double artificialValue() const {
        double v = 0;
        for (int i = 1; i <= pieceCount(); ++i)
            v += glp_get_col_prim(m_lp.get(), i);
        return v;
    }
    // The value of generated column `c` (0-based in m_columns).
    double value(size_t c) const {
        return glp_get_col_prim(m_lp.get(), pieceCount() + 1 + static_cast<int>(c));
    }
    const std::vector<Column>& columns() const { return m_columns; }

private:
    std::vector<int> m_weights;
    std::vector<int> m_capacities;
    std::vector<double> m_costs;
    std::vector<int> m_limits;
    std::vector<int> m_bounds;
    std::map<int, int> m_limitRow;
    std::unique_ptr<glp_prob, GlpDeleter> m_lp;
    glp_smcp m_params{};
    double m_artificialCost = 1;
    std::vector<Column> m_columns;
};

// One bar of the integer plan being built.
struct OpenBar {
    int barType = 0;
    int room = 0; // units left
    std::vector<int> pieces;
};

class Builder {
public:
    Builder(const Problem& p, const std::vector<int>& weights, const std::vector<int>& capacities)
        : m_problem(p), m_weights(weights), m_capacities(capacities) {
        for (const BarType& b : p.bars)
            m_left.push_back(b.count);
    }

    // Takes one bar of `type` cut by `counts`, trimmed to what is still needed.
    bool take(int type, const std::vector<int>& counts, std::vector<int>& demand) {
        if (m_left[static_cast<size_t>(type)] == 0)
            return false;
        OpenBar bar{type, m_capacities[static_cast<size_t>(type)], {}};
        for (size_t i = 0; i < counts.size(); ++i)
            for (int n = std::min(counts[i], demand[i]); n > 0; --n) {
                bar.pieces.push_back(static_cast<int>(i));
                bar.room -= m_weights[i];
                --demand[i];
            }
        if (bar.pieces.empty())
            return false;
        use(type);
        m_bars.push_back(std::move(bar));
        return true;
    }

    // First-fit decreasing for what is left; what no bar can take stays in `demand`.
    void firstFitDecreasing(std::vector<int>& demand) {
        std::vector<int> order;
        for (size_t i = 0; i < demand.size(); ++i)
            for (int n = 0; n < demand[i]; ++n)
                order.push_back(static_cast<int>(i));
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return m_weights[static_cast<size_t>(a)] > m_weights[static_cast<size_t>(b)];
        });
        const size_t firstNew = m_bars.size();
        for (size_t k = 0; k < order.size(); ++k) {
            const int piece = order[k];
            const int w = m_weights[static_cast<size_t>(piece)];
            bool placed = false;
            for (size_t b = firstNew; b < m_bars.size() && !placed; ++b)
                if (m_bars[b].room >= w) {
                    m_bars[b].room -= w;
                    m_bars[b].pieces.push_back(piece);
                    placed = true;
                }
            if (!placed) {
                const int type = chooseNewBar(order, k);
                if (type < 0)
                    continue;
                use(type);
                m_bars.push_back({type, m_capacities[static_cast<size_t>(type)] - w, {piece}});
            }
            --demand[static_cast<size_t>(piece)];
        }
    }

    // Moves each bought bar to the shortest bought length that still holds its pieces.
    void shortenPurchases() {
        for (OpenBar& bar : m_bars) {
            if (m_problem.bars[static_cast<size_t>(bar.barType)].onHand)
                continue;
            const int used = m_capacities[static_cast<size_t>(bar.barType)] - bar.room;
            int best = bar.barType;
            for (size_t t = 0; t < m_problem.bars.size(); ++t) {
                if (m_problem.bars[t].onHand || m_left[t] == 0 || m_capacities[t] < used)
                    continue;
                if (m_capacities[t] < m_capacities[static_cast<size_t>(best)])
                    best = static_cast<int>(t);
            }
            if (best != bar.barType) {
                ++m_left[static_cast<size_t>(bar.barType)];
                if (m_left[static_cast<size_t>(bar.barType)] == 0)
                    m_left[static_cast<size_t>(bar.barType)] = -1; // was unlimited
                use(best);
                bar.room = m_capacities[static_cast<size_t>(best)] - used;
                bar.barType = best;
            }
        }
    }

    const std::vector<OpenBar>& bars() const { return m_bars; }

private:
    void use(int type) {
        int& left = m_left[static_cast<size_t>(type)];
        if (left > 0)
            --left;
    }

    // A bar for pieces order[k..]: stock first (the one that leaves the least unused
    // when filled greedily), else the bought length that does so.
    int chooseNewBar(const std::vector<int>& order, size_t k) const {
        const int w = m_weights[static_cast<size_t>(order[k])];
        int best = -1;
        double bestScore = 0;
        bool bestOnHand = false;
        for (size_t t = 0; t < m_problem.bars.size(); ++t) {
            if (m_left[t] == 0 || m_capacities[t] < w)
                continue;
            const bool onHand = m_problem.bars[t].onHand;
            int room = m_capacities[t];
            for (size_t q = k; q < order.size(); ++q)
                if (m_weights[static_cast<size_t>(order[q])] <= room)
                    room -= m_weights[static_cast<size_t>(order[q])];
            const double score = static_cast<double>(room) / m_capacities[t];
            if (best < 0 || (onHand && !bestOnHand) ||
                (onHand == bestOnHand && score < bestScore)) {
                best = static_cast<int>(t);
                bestScore = score;
                bestOnHand = onHand;
            }
        }
        return best;
    }

    const Problem& m_problem;
    const std::vector<int>& m_weights;
    const std::vector<int>& m_capacities;
    std::vector<int> m_left;
    std::vector<OpenBar> m_bars;
};

// Lengths are planned in whole millimetres when every length is one, else in tenths.
double planningUnits(const Problem& p) {
    auto whole = [](double v) { return std::fabs(v - std::round(v)) < 1e-9; };
    bool allWhole = whole(p.sawCut);
    for (const Piece& piece : p.pieces)
        allWhole = allWhole && whole(piece.length);
    for (const BarType& bar : p.bars)
        allWhole = allWhole && whole(bar.length);
    return allWhole ? 1.0 : 10.0;
}

int toUnitsUp(double mm, double units) {
    return static_cast<int>(std::ceil(mm * units - 1e-6));
}
int toUnitsDown(double mm, double units) {
    return static_cast<int>(std::floor(mm * units + 1e-6));
}

} // namespace

double barCost(const BarType& type) {
    return type.onHand ? type.length * kStockWeight : type.length;
}

Plan solve(const Problem& problem, const SolverOptions& options) {
    Plan plan;
    const size_t m = problem.pieces.size();
    const double cut = std::max(0.0, problem.sawCut);
    std::vector<int> weights(m), capacities, limits;
    std::vector<double> costs;
    int widest = 0;
    const double units = planningUnits(problem);
    for (const BarType& b : problem.bars) {
        capacities.push_back(b.length > 0 ? toUnitsDown(b.length + cut, units) : 0);
        limits.push_back(b.count);
        costs.push_back(barCost(b));
        if (b.count != 0)
            widest = std::max(widest, capacities.back());
    }
    std::vector<int> demand(m, 0);
    for (size_t i = 0; i < m; ++i) {
        const Piece& p = problem.pieces[i];
        weights[i] = std::max(1, toUnitsUp(p.length + cut, units));
        if (p.count <= 0)
            continue;
        if (weights[i] > widest) {
            plan.tooLong.push_back(static_cast<int>(i));
            for (int n = 0; n < p.count; ++n)
                plan.uncut.push_back(static_cast<int>(i));
        } else {
            demand[i] = p.count;
        }
    }

    Builder builder(problem, weights, capacities);
    bool anyDemand = std::any_of(demand.begin(), demand.end(), [](int d) { return d > 0; });
    if (anyDemand) {
        glp_term_out(GLP_OFF);
        Master master(weights, capacities, costs, limits);
        master.setBounds(demand);
        master.setDemand(demand, limits);
        // Start from one pattern per piece and bar: as many of the piece as fit.
        for (size_t k = 0; k < capacities.size(); ++k) {
            if (limits[k] == 0)
                continue;
            for (size_t i = 0; i < m; ++i)
                if (demand[i] > 0 && weights[i] <= capacities[k]) {
                    Column c{static_cast<int>(k), std::vector<int>(m, 0)};
                    c.counts[i] = std::min(demand[i], capacities[k] / weights[i]);
                    master.addColumn(std::move(c));
                }
        }
        bool converged = false;
        if (master.generate(options.maxPricingRounds, plan.iterations, converged)) {
            plan.boundProven = converged && master.artificialValue() < 1e-7;
            plan.lowerBound = plan.boundProven ? master.objective() : 0;
            std::vector<int> left = limits;
            for (int round = 0;; ++round) {
                // Round down: every column taken as often as it is used whole.
                bool tookAny = false;
                for (size_t c = 0; c < master.columns().size(); ++c) {
                    const int times = static_cast<int>(std::floor(master.value(c) + 1e-6));
                    for (int t = 0; t < times; ++t)
                        if (builder.take(master.columns()[c].barType, master.columns()[c].counts,
                                         demand))
                            tookAny = true;
                }
                anyDemand = std::any_of(demand.begin(), demand.end(), [](int d) { return d > 0; });
                if (!anyDemand || !tookAny || round >= options.residualRounds)
                    break;
                // Solve again for what is left, with the bars that are left.
                std::fill(left.begin(), left.end(), 0);
                for (size_t k = 0; k < limits.size(); ++k)
                    left[k] = limits[k] < 0 ? -1
                                            : std::max(
                                                  0, limits[k] - [&] {
                                                      int used = 0;
                                                      for (const OpenBar& b : builder.bars())
                                                          used += b.barType == static_cast<int>(k);
                                                      return used;
                                                  }());
                master.setBounds(demand);
                master.setDemand(demand, left);
                bool again = false;
                if (!master.generate(options.maxPricingRounds, plan.iterations, again))
                    break;
            }
        }
        plan.columns = static_cast<int>(master.columns().size());
        builder.firstFitDecreasing(demand);
        builder.shortenPurchases();
    }
    for (size_t i = 0; i < m; ++i)
        for (int n = 0; n < demand[i]; ++n)
            plan.uncut.push_back(static_cast<int>(i));

    // Group equal bars: same bar type and the same pieces.
    std::map<std::pair<int, std::vector<int>>, int> index;
    for (const OpenBar& bar : builder.bars()) {
        std::vector<int> pieces = bar.pieces;
        std::sort(pieces.begin(), pieces.end(), [&](int a, int b) {
            const double la = problem.pieces[static_cast<size_t>(a)].length;
            const double lb = problem.pieces[static_cast<size_t>(b)].length;
            return la != lb ? la > lb : a < b;
        });
        auto key = std::make_pair(bar.barType, pieces);
        auto it = index.find(key);
        if (it == index.end()) {
            double used = 0;
            for (int p : pieces)
                used += problem.pieces[static_cast<size_t>(p)].length;
            used += cut * static_cast<double>(pieces.size() - 1);
            const double length = problem.bars[static_cast<size_t>(bar.barType)].length;
            index[key] = static_cast<int>(plan.patterns.size());
            plan.patterns.push_back({bar.barType, pieces, 1, std::max(0.0, length - used)});
        } else {
            ++plan.patterns[static_cast<size_t>(it->second)].count;
        }
        plan.cost += costs[static_cast<size_t>(bar.barType)];
    }
    return plan;
}

} // namespace cutstock
