#include "calc/geartrains.h"

#include "calc/wormstarts.h"
#include "model/fieldvalues.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <tuple>

namespace {

bool inTeethOrder(const GearTrain& x, const GearTrain& y) {
    return std::tuple(x.teeth(), x.a, x.b, x.c, x.d) < std::tuple(y.teeth(), y.a, y.b, y.c, y.d);
}

// How many gears of each count the box holds.
std::map<int, int> countsOf(const QList<int>& gears) {
    std::map<int, int> counts;
    for (const int g : gears) {
        ++counts[g];
    }
    return counts;
}

// Whether the box holds every gear of the train as a gear of its own.
bool boxHolds(const std::map<int, int>& counts, std::initializer_list<int> train) {
    std::map<int, int> needed;
    for (const int g : train) {
        ++needed[g];
    }
    return std::all_of(needed.begin(), needed.end(), [&counts](const auto& n) {
        const auto it = counts.find(n.first);
        return it != counts.end() && it->second >= n.second;
    });
}

} // namespace

QString GearTrain::text(const QLocale& locale) const {
    QString s = QStringLiteral("%1 → %2").arg(locale.toString(a), locale.toString(b));
    if (isCompound()) {
        s += QStringLiteral(", %1 → %2").arg(locale.toString(c), locale.toString(d));
    }
    return s;
}

GearTrainFinder::GearTrainFinder(Machine machine)
    : m_machine(std::move(machine))
    , m_counts(countsOf(m_machine.gears)) {
    const QList<int>& g = m_machine.gears;
    for (qsizetype i = 0; i < g.size(); ++i) {
        for (qsizetype j = i + 1; j < g.size(); ++j) {
            m_pairs.append({std::int64_t{g[i]} * g[j], std::min(g[i], g[j]), std::max(g[i], g[j])});
        }
    }
    std::sort(m_pairs.begin(), m_pairs.end(), [](const PairProduct& x, const PairProduct& y) {
        return std::tie(x.product, x.low, x.high) < std::tie(y.product, y.low, y.high);
    });
    // Two gears of a count give the same pair twice; one is enough to find a train by.
    m_pairs.erase(std::unique(m_pairs.begin(), m_pairs.end(),
                              [](const PairProduct& x, const PairProduct& y) {
                                  return x.product == y.product && x.low == y.low;
                              }),
                  m_pairs.end());
    if (g.size() >= 2) {
        // Above this no train exists for any constant or z1: Z2 = K × z1 × B ÷ A for a simple
        // train and K × z1 × (B × D) ÷ (A × C) for a compound one, so the largest gear over
        // the smallest bounds the one and the largest pair product over the smallest the other.
        // A box of two gears has one pair and so no compound train, but its simple one counts.
        const int largestConstant =
            std::max(m_machine.indexConstant,
                     m_machine.largeWheel ? m_machine.largeWheel->indexConstant : 0);
        const std::int64_t most = std::int64_t{largestConstant} * maxWormStarts;
        const auto [smallest, largest] = std::minmax_element(g.begin(), g.end());
        m_largestZ2 = std::max(most * *largest / *smallest,
                               most * m_pairs.back().product / m_pairs.front().product);
    }
}

TrainSearch GearTrainFinder::find(std::int64_t z2, int z1) const {
    TrainSearch search;
    if (z2 < 1 || z2 > m_largestZ2 || z1 < 1 || z1 > maxWormStarts) {
        return search;
    }
    const std::map<int, int>& counts = m_counts;
    const std::int64_t ratioTeeth = std::int64_t{effectiveConstant(m_machine, double(z2))} * z1;
    // A ÷ B = K × z1 ÷ Z2, that is A × Z2 = K × z1 × B.
    for (const auto& [a, countA] : counts) {
        for (const auto& [b, countB] : counts) {
            if (a * z2 == ratioTeeth * b && (a != b || countA > 1)) {
                search.trains.append({a, b});
            }
        }
    }
    // (A × C) ÷ (B × D) = K × z1 ÷ Z2: for each driven pair, the driver product it needs.
    QList<GearTrain> compound;
    const auto byProduct = [](const PairProduct& x, const PairProduct& y) {
        return x.product < y.product;
    };
    for (const PairProduct& driven : m_pairs) {
        const std::int64_t needed = ratioTeeth * driven.product;
        if (needed % z2 != 0) {
            continue;
        }
        const auto [first, last] =
            std::equal_range(m_pairs.begin(), m_pairs.end(), PairProduct{needed / z2}, byProduct);
        for (auto drivers = first; drivers != last; ++drivers) {
            const int a = drivers->low;
            const int c = drivers->high;
            const int b = driven.low;
            const int d = driven.high;
            if (!boxHolds(counts, {a, b, c, d})) {
                continue;
            }
            // The canonical order first, then with the driven gears, the drivers, both swapped.
            const std::array<GearTrain, 4> orders = {GearTrain{a, b, c, d}, GearTrain{a, d, c, b},
                                                     GearTrain{c, b, a, d}, GearTrain{c, d, a, b}};
            const auto* fitting = std::find_if(orders.begin(), orders.end(), [this](const auto& t) {
                return fits(m_machine, t.a, t.b, t.c, t.d);
            });
            if (fitting == orders.end()) {
                ++search.unfit;
            } else {
                compound.append(*fitting);
            }
        }
    }
    std::sort(search.trains.begin(), search.trains.end(), inTeethOrder);
    std::sort(compound.begin(), compound.end(), inTeethOrder);
    search.trains += compound;
    return search;
}

std::variant<TrainSearch, Fault> gearTrainsFor(const QString& z2Text, const QString& z1Text,
                                               const Machine& machine, const QLocale& locale) {
    const std::optional<double> z2 = FieldValues::readNumber(z2Text, locale);
    if (!z2) {
        return Fault{FieldId::Z2_t,
                     FieldValues::isAmbiguousPoint(z2Text, locale) ? FaultKind::AmbiguousPoint
                                                                   : FaultKind::NotANumber,
                     z2Text};
    }
    if (*z2 < 1 || *z2 != std::floor(*z2)) {
        return Fault{FieldId::Z2_t, FaultKind::NotACount};
    }
    const auto z1 = wormStarts(z1Text, locale);
    if (const auto* fault = std::get_if<Fault>(&z1)) {
        return *fault;
    }
    // A whole number this large has no train, and would not fit the integer.
    if (*z2 > 1e15) {
        return TrainSearch{};
    }
    return GearTrainFinder(machine).find(static_cast<std::int64_t>(*z2), std::get<int>(z1));
}
