#include "calc/lathetrains.h"

#include "calc/wormstarts.h"
#include "model/formstate.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>
#include <numeric>
#include <set>
#include <tuple>
#include <vector>

namespace {

// A candidate lead while the search runs: ordered nearest first, then by lead and position.
struct Candidate {
    double error = 0; // |lead − wanted|
    double lead = 0;
    int position = 0;
    std::int64_t numerator = 1;
    std::int64_t denominator = 1;

    auto key() const { return std::tuple(error, lead, position, numerator, denominator); }
    bool operator<(const Candidate& other) const { return key() < other.key(); }
};

// The lead of a ratio at a position, from the ratio in lowest terms, so that every route to the
// same lead gives the same double.
Candidate candidate(int position, double scale, double wanted, std::int64_t num, std::int64_t den) {
    const std::int64_t g = std::gcd(num, den);
    num /= g;
    den /= g;
    const double lead = scale * double(num) / double(den);
    return {std::abs(lead - wanted), lead, position, num, den};
}

} // namespace

// Whether two leads are one: equal to twelve digits, so that the same lead reached through two
// gearbox ratios is not told apart by its last bit.
bool sameLead(double x, double y) {
    return std::abs(x - y) <= 1e-12 * std::max(std::abs(x), std::abs(y));
}

// The best `count` distinct leads met so far, and the error beyond which none can enter. Each
// lead keeps every position that gives it, with that position's ratio.
class LatheTrainFinder::Best {
public:
    struct Lead {
        Candidate first; // the first position that gives it
        std::map<int, Candidate> byPosition;
    };

    explicit Best(qsizetype count)
        : m_count(count) {}

    double bound() const {
        return qsizetype(m_leads.size()) < m_count ? std::numeric_limits<double>::infinity()
                                                   : m_leads.back().first.error;
    }

    void offer(const Candidate& c) {
        for (Lead& l : m_leads) {
            if (sameLead(l.first.lead, c.lead)) {
                l.byPosition.emplace(c.position, c);
                l.first = l.byPosition.begin()->second;
                return;
            }
        }
        if (c.error > bound()) {
            return;
        }
        const auto order = [](const Lead& x, const Candidate& y) {
            return std::tuple(x.first.error, x.first.lead) < std::tuple(y.error, y.lead);
        };
        m_leads.insert(std::lower_bound(m_leads.begin(), m_leads.end(), c, order),
                       Lead{c, {{c.position, c}}});
        if (qsizetype(m_leads.size()) > m_count) {
            m_leads.pop_back();
        }
    }

    const std::vector<Lead>& all() const { return m_leads; }
    qsizetype count() const { return m_count; }

private:
    qsizetype m_count;
    std::vector<Lead> m_leads; // nearest first
};

double wormLead(double module, int starts) {
    return starts * std::numbers::pi * module;
}

std::variant<LatheWorm, Fault> latheWorm(const FormState& form) {
    const CheckedNumber m = form.number(FieldId::m_t);
    if (const auto fault = m.faultFor(FieldId::m_t)) {
        return *fault;
    }
    if (!(m.value() > 0)) {
        return Fault{FieldId::m_t, FaultKind::NotPositive};
    }
    const auto z1 = wormStarts(form.getText(FieldId::z1_t), form.locale());
    if (const auto* fault = std::get_if<Fault>(&z1)) {
        return *fault;
    }
    const int starts = std::get<int>(z1);
    const double lead = wormLead(m.value(), starts);
    // A lead so small that a lathe's miss on it, per 100 mm, is no number (m 1e-320) is as far
    // out of scale as one that overflows: no row could say how far a train misses it.
    constexpr double longestLatheLead = 1e6; // mm: no lathe cuts a lead of a kilometre
    if (!std::isfinite(lead) || !std::isfinite(longestLatheLead / lead * 100 * 1000)) {
        return Fault{FieldId::m_t, FaultKind::OutOfScale};
    }
    return LatheWorm{m.value(), starts, lead};
}

LatheTrainFinder::LatheTrainFinder(Lathe lathe)
    : m_lathe(std::move(lathe)) {
    for (const int g : m_lathe.gears) {
        ++m_counts[g];
    }
    for (const auto& [teeth, n] : m_counts) {
        m_teeth.append(teeth);
    }
    // Each pair of counts once: two gears of a count give the same pair twice.
    for (qsizetype i = 0; i < m_teeth.size(); ++i) {
        for (qsizetype j = i; j < m_teeth.size(); ++j) {
            if (i == j && m_counts.at(m_teeth[i]) < 2) {
                continue;
            }
            m_pairs.append({std::int64_t{m_teeth[i]} * m_teeth[j], m_teeth[i], m_teeth[j]});
        }
    }
    std::sort(m_pairs.begin(), m_pairs.end(), [](const Pair& x, const Pair& y) {
        return std::tie(x.product, x.low, x.high) < std::tie(y.product, y.low, y.high);
    });
}

bool LatheTrainFinder::holds(std::initializer_list<int> gears) const {
    std::map<int, int> needed;
    for (const int g : gears) {
        ++needed[g];
    }
    return std::all_of(needed.begin(), needed.end(), [this](const auto& n) {
        const auto it = m_counts.find(n.first);
        return it != m_counts.end() && it->second >= n.second;
    });
}

std::optional<GearTrain> LatheTrainFinder::fitting(int a, int b, int c, int d) const {
    if (!m_lathe.reaches(a + b + c + d) || !holds({a, b, c, d})) {
        return std::nullopt;
    }
    for (const GearTrain& t : {GearTrain{a, b, c, d}, GearTrain{a, d, c, b}, GearTrain{c, b, a, d},
                               GearTrain{c, d, a, b}}) {
        if (fits(m_lathe, t.a, t.b, t.c, t.d)) {
            return t;
        }
    }
    return std::nullopt;
}

void LatheTrainFinder::walkSimple(const Position& p, double wanted, Best& best) const {
    const double ratio = wanted / p.scale;
    // For each driven gear, the drivers nearest the ratio, outwards from it on both sides,
    // until `count` were found on a side or the error passed the bound.
    for (const int b : m_teeth) {
        const auto start =
            std::lower_bound(m_teeth.begin(), m_teeth.end(), ratio * b) - m_teeth.begin();
        for (const int step : {1, -1}) {
            qsizetype found = 0;
            for (qsizetype i = step > 0 ? start : start - 1;
                 i >= 0 && i < m_teeth.size() && found < best.count(); i += step) {
                const int a = m_teeth[i];
                const Candidate c = candidate(p.index, p.scale, wanted, a, b);
                if (c.error > best.bound()) {
                    break;
                }
                if ((a != b || m_counts.at(a) > 1) && m_lathe.reaches(a + b)) {
                    best.offer(c);
                    ++found;
                }
            }
        }
    }
}

void LatheTrainFinder::walkCompound(const Position& p, double wanted, Best& best) const {
    const double ratio = wanted / p.scale;
    const auto byProduct = [](const Pair& x, std::int64_t product) { return x.product < product; };
    // The same walk over the driver pairs' products, for each driven pair; a product met again
    // is the same lead.
    for (const Pair& driven : m_pairs) {
        // Beyond the largest product every pair lies below: the cast must not overflow.
        const double target =
            std::min(ratio * double(driven.product), double(m_pairs.constLast().product) + 1);
        const auto start = std::lower_bound(m_pairs.begin(), m_pairs.end(),
                                            std::int64_t(std::ceil(target)), byProduct) -
                           m_pairs.begin();
        for (const int step : {1, -1}) {
            qsizetype found = 0;
            std::int64_t lastProduct = 0;
            for (qsizetype i = step > 0 ? start : start - 1;
                 i >= 0 && i < m_pairs.size() && found < best.count(); i += step) {
                const Pair& drivers = m_pairs[i];
                const Candidate c =
                    candidate(p.index, p.scale, wanted, drivers.product, driven.product);
                if (c.error > best.bound()) {
                    break;
                }
                if (drivers.product != lastProduct &&
                    fitting(drivers.low, driven.low, drivers.high, driven.high)) {
                    best.offer(c);
                    lastProduct = drivers.product;
                    ++found;
                }
            }
        }
    }
}

LeadRow LatheTrainFinder::rowFor(int position, std::int64_t numerator, std::int64_t denominator,
                                 double lead, double wanted, std::optional<double> length) const {
    const QList<GearTrain> trains = trainsOf(numerator, denominator);
    // The simplest: fewest gears, then the largest smallest gear.
    const auto simpler = [](const GearTrain& x, const GearTrain& y) {
        const auto smallest = [](const GearTrain& t) {
            return t.isCompound() ? std::min({t.a, t.b, t.c, t.d}) : std::min(t.a, t.b);
        };
        return std::tuple(x.isCompound(), -smallest(x), x.a, x.b, x.c, x.d) <
               std::tuple(y.isCompound(), -smallest(y), y.a, y.b, y.c, y.d);
    };
    LeadRow row;
    row.position = position;
    row.numerator = numerator;
    row.denominator = denominator;
    row.train = *std::min_element(trains.begin(), trains.end(), simpler);
    row.others = trains.size() - 1;
    row.lead = lead;
    row.error = lead - wanted;
    row.micronsPer100mm = row.error / wanted * 100 * 1000;
    if (length) {
        row.micronsOverLength = row.error / wanted * *length * 1000;
    }
    return row;
}

QList<LeadRow> LatheTrainFinder::nearest(double wanted, std::optional<double> length,
                                         qsizetype count) const {
    Best best(count);
    const QList<GearboxPosition> positions = m_lathe.positions();
    for (int index = 0; index < positions.size(); ++index) {
        const Position p{index, m_lathe.screw.pitch() * positions[index].ratio};
        walkSimple(p, wanted, best);
        walkCompound(p, wanted, best);
    }
    QList<LeadRow> rows;
    for (const Best::Lead& l : best.all()) {
        const Candidate& c = l.first;
        LeadRow row = rowFor(c.position, c.numerator, c.denominator, c.lead, wanted, length);
        for (const auto& [position, given] : l.byPosition) {
            row.positions.append(position);
        }
        rows.append(row);
    }
    return rows;
}

QList<GearTrain> LatheTrainFinder::trainsOf(std::int64_t numerator,
                                            std::int64_t denominator) const {
    QList<GearTrain> trains;
    for (const int b : m_teeth) {
        if ((b * numerator) % denominator != 0) {
            continue;
        }
        const std::int64_t a = b * numerator / denominator;
        const auto it = m_counts.find(int(a));
        if (a <= std::numeric_limits<int>::max() && it != m_counts.end() &&
            (a != b || it->second > 1) && m_lathe.reaches(int(a) + b)) {
            trains.append({int(a), b});
        }
    }
    const auto byProduct = [](const Pair& x, const Pair& y) { return x.product < y.product; };
    for (const Pair& driven : m_pairs) {
        const std::int64_t needed = driven.product * numerator;
        if (needed % denominator != 0) {
            continue;
        }
        const auto [first, last] =
            std::equal_range(m_pairs.begin(), m_pairs.end(), Pair{needed / denominator}, byProduct);
        for (auto drivers = first; drivers != last; ++drivers) {
            if (const auto t = fitting(drivers->low, driven.low, drivers->high, driven.high)) {
                trains.append(*t);
            }
        }
    }
    return trains;
}

std::optional<double> leadOutOfReach(const QList<LeadRow>& rows, double wanted) {
    if (rows.isEmpty()) {
        return std::numeric_limits<double>::infinity();
    }
    const double miss = std::abs(rows.constFirst().error) / wanted;
    return miss > largestLeadMiss ? std::optional(miss) : std::nullopt;
}

qsizetype chosenRow(const QList<LeadRow>& rows, std::optional<double> lead) {
    for (qsizetype i = 0; lead && i < rows.size(); ++i) {
        if (sameLead(rows[i].lead, *lead)) {
            return i;
        }
    }
    return 0;
}

QString positionNames(const Lathe& lathe, const QList<int>& positions, const QLocale& locale) {
    QStringList names;
    const QList<GearboxPosition> all = lathe.positions();
    for (const int p : positions) {
        names.append(all.at(p).name);
    }
    return names.join(locale.decimalPoint() == QLatin1String(",") ? QStringLiteral("; ")
                                                                  : QStringLiteral(", "));
}

QString leadOutOfReachText(const QList<LeadRow>& rows, double wanted, double miss,
                           const QLocale& locale) {
    const QString need = locale.toString(wanted, 'f', 5);
    if (rows.isEmpty()) {
        return QCoreApplication::translate(
                   "LatheTrains", "Bu torna bu vidayı kesemez: %1 mm adım için hiçbir dizisi yok.")
            .arg(need);
    }
    return QCoreApplication::translate("LatheTrains",
                                       "Bu torna bu vidayı kesemez: en yakın adım %1 mm, gereken "
                                       "%2 mm'den %3 % uzak (sınır %4 %).")
        .arg(locale.toString(rows.constFirst().lead, 'f', 5), need,
             locale.toString(miss * 100, 'f', 1), locale.toString(largestLeadMiss * 100));
}

QString signedFigure(double x, const QLocale& locale) {
    QString text = locale.toString(std::abs(x), 'f', 1);
    if (text == locale.toString(0.0, 'f', 1)) {
        return text;
    }
    return (x > 0 ? locale.positiveSign() : locale.negativeSign()) + text;
}
