#include "calc/design.h"
#include "calc/angles.h"

#include "calc/rating.h"
#include "model/fieldvalues.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <numbers>
#include <numeric>

namespace {

// A value within this of a range's end is on it.
constexpr double onEnd = 1e-9;

constexpr double largestTolerance = 50;
constexpr double largestQ = 100;
constexpr double fastestInput = 100000;

bool sameModule(double a, double b) {
    return std::abs(a - b) <= onEnd;
}

// Each once, smallest first, so that a list typed with a repeat gives no row twice.
template <typename T> QList<T> distinct(QList<T> values) {
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end(),
                             [](T a, T b) { return std::abs(double(a) - double(b)) <= onEnd; }),
                 values.end());
    return values;
}

double ratioError(int teeth, int starts, double ratio) {
    return (double(teeth) / starts - ratio) / ratio * 100;
}

// The tooth counts worth trying for the starts: a margin of one past the tolerance's ends,
// which the exact test then trims.
std::pair<int, int> teethAround(const DesignAsk& ask, int starts) {
    const double target = starts * ask.ratio;
    const double spread = (ask.tolerance + onEnd) / 100;
    const int low = std::max(1, int(std::floor(target * (1 - spread))) - 1);
    const int high = int(std::ceil(target * (1 + spread))) + 1;
    return {low, high};
}

struct Test {
    bool ratio = false;
    bool q = false;
};

// The drive's sizes alone: what the search tests and what a drive that misses shows.
DesignRow bareRow(const DesignAsk& ask, double m, int z1, int z2) {
    DesignRow row;
    row.module = m;
    row.starts = z1;
    row.teeth = z2;
    row.ratio = double(z2) / z1;
    row.error = ratioError(z2, z1, ask.ratio);
    row.d1 = 2 * ask.centreDistance - z2 * m;
    row.da1 = row.d1 + 2 * m;
    row.q = row.d1 / m;
    row.commonFactor = std::gcd(z2, z1);
    return row;
}

Test test(const DesignAsk& ask, const DesignRow& row) {
    return {std::abs(row.error) <= ask.tolerance + onEnd,
            row.q >= ask.qLow - onEnd && row.q <= ask.qHigh + onEnd};
}

// The sizes the first section gives for m, Z2 and da1, for the turner's warnings: its rules as
// wormdrive.cpp applies them, ba rounded to two places as the field shows it.
BlankSizes blankSizes(const DesignRow& row, double a) {
    const double m = row.module;
    const double z2 = row.teeth;
    const double d2 = z2 * m;
    BlankSizes s;
    s.starts = row.starts;
    s.module = m;
    s.teeth = z2;
    s.da1 = row.da1;
    s.d1 = row.d1;
    s.df1 = row.da1 - m * 26 / 6;
    s.da2 = (z2 + 2) * m;
    s.df2 = d2 - m * 2.335;
    s.length = 2 * m * (std::sqrt(z2) + 1);
    s.faceWidth = FieldValues::round2(m * 3.14 * 0.25 + row.d1 * std::sin(45 * radiansPerDegree));
    s.centreDistance = a;
    return s;
}

// The rest of what a fitting drive's row shows.
void complete(DesignRow& row, const DesignAsk& ask, const QList<Hob>& hobs) {
    const double gamma = std::atan(row.starts * row.module / row.d1);
    row.leadAngle = int(std::lround(gamma / radiansPerDegree * 60));
    const BlankSizes sizes = blankSizes(row, ask.centreDistance);
    row.warnings = blankWarnings(sizes);
    if (ask.n1) {
        DriveGeometry g;
        g.module = row.module;
        g.starts = row.starts;
        g.teeth = row.teeth;
        g.d1 = row.d1;
        g.d2 = row.teeth * row.module;
        g.centreDistance = ask.centreDistance;
        g.faceWidth = sizes.faceWidth;
        g.n1 = *ask.n1;
        g.profileAngle = ask.profileAngle;
        row.efficiency = 100 * wormDrivingEfficiency(g);
    }
    if (const Hob* hob = hobFor(hobs, row.module, row.starts, row.d1)) {
        row.hob = hob - hobs.constData();
    }
}

bool byDefaultOrder(const DesignRow& a, const DesignRow& b) {
    if (std::abs(a.error) != std::abs(b.error)) {
        return std::abs(a.error) < std::abs(b.error);
    }
    if (a.coprime() != b.coprime()) {
        return a.coprime();
    }
    if (a.efficiency != b.efficiency) {
        return a.efficiency.value_or(-1) > b.efficiency.value_or(-1);
    }
    return std::tie(a.module, a.starts, a.teeth) < std::tie(b.module, b.starts, b.teeth);
}

// One limit's count of the drives it alone excluded, and the one that missed least.
struct Tally {
    int excluded = 0;
    std::optional<DesignRow> nearest;
    std::optional<double> miss;
    double closeness = 0; // the smaller, the nearer

    void add(const DesignRow& row, double howClose, std::optional<double> by) {
        // A count whose worm would have no diameter is no drive, to count or to name.
        if (!(row.d1 > 0)) {
            return;
        }
        ++excluded;
        if (!nearest || howClose < closeness) {
            nearest = row;
            closeness = howClose;
            miss = by;
        }
    }
};

double qMiss(const DesignAsk& ask, double q) {
    return q < ask.qLow ? ask.qLow - q : q - ask.qHigh;
}

// How far the drive's d1 is from the pitch diameter of the nearest hob of its module and
// starts; nothing where the shop has none of them.
std::optional<double> nearestHobOff(const QList<Hob>& hobs, const DesignRow& row) {
    std::optional<double> off;
    for (const Hob& hob : hobs) {
        if (ofModuleAndStarts(hob, row.module, row.starts)) {
            const double d = std::abs(hob.pitchDiameter - row.d1);
            off = off ? std::min(*off, d) : d;
        }
    }
    return off;
}

// The limits' tallies over the drives nearest to fitting.
struct Tallies {
    Tally tolerance;
    Tally quotient;
    Tally unlisted;
    Tally unhobbed;
};

// A listed module and starts: the counts just outside the tolerance, those within it that q
// excludes, and those that fit but no hob cuts.
void tallyListed(Tallies& tallies, const DesignAsk& ask, double m, int z1, const QList<Hob>& hobs) {
    const auto [low, high] = teethAround(ask, z1);
    std::optional<DesignRow> below;
    std::optional<DesignRow> above;
    for (int z2 = low; z2 <= high; ++z2) {
        const DesignRow row = bareRow(ask, m, z1, z2);
        const Test t = test(ask, row);
        if (!t.ratio && row.error < 0) {
            below = row; // the last below is the nearest
        } else if (!t.ratio) {
            above = above.value_or(row); // and the first above
        } else if (!t.q) {
            const double by = qMiss(ask, row.q);
            tallies.quotient.add(row, by, by);
        } else {
            const std::optional<double> by = nearestHobOff(hobs, row);
            tallies.unhobbed.add(row, by.value_or(std::numeric_limits<double>::max()), by);
        }
    }
    for (const auto& row : {below, above}) {
        if (row && test(ask, *row).q) {
            const double by = std::abs(row->error) - ask.tolerance;
            tallies.tolerance.add(*row, by, by);
        }
    }
}

// A module of the default list not asked: the drives that would fit with it.
void tallyUnlisted(Tallies& tallies, const DesignAsk& ask, double m, int z1,
                   const QList<Hob>& hobs) {
    const auto [low, high] = teethAround(ask, z1);
    for (int z2 = low; z2 <= high; ++z2) {
        const DesignRow row = bareRow(ask, m, z1, z2);
        // Asked for drives the shop can hob, an unlisted module needs a hob too.
        const bool hobbed = !ask.onlyHobs || hobFor(hobs, m, z1, row.d1) != nullptr;
        if (const Test t = test(ask, row); t.ratio && t.q && hobbed) {
            tallies.unlisted.add(row, std::abs(row.error), std::nullopt);
        }
    }
}

NoFit whyNothingFits(const DesignAsk& ask, const QList<double>& modules, const QList<int>& starts,
                     const QList<Hob>& hobs) {
    Tallies tallies;
    for (const double m : modules) {
        for (const int z1 : starts) {
            tallyListed(tallies, ask, m, z1, hobs);
        }
    }
    for (const double m : defaultModules()) {
        if (std::any_of(modules.begin(), modules.end(),
                        [m](double asked) { return sameModule(asked, m); })) {
            continue;
        }
        for (const int z1 : starts) {
            tallyUnlisted(tallies, ask, m, z1, hobs);
        }
    }
    NoFit why;
    // Ties go to the limit named first: the tolerance, q, the modules, the hobs.
    const std::array<std::pair<DesignLimit, const Tally*>, 4> order = {{
        {DesignLimit::Tolerance, &tallies.tolerance},
        {DesignLimit::DiameterQuotient, &tallies.quotient},
        {DesignLimit::Modules, &tallies.unlisted},
        {DesignLimit::Hobs, &tallies.unhobbed},
    }};
    const Tally* most = &tallies.tolerance;
    for (const auto& [limit, tally] : order) {
        if (tally->excluded > most->excluded) {
            most = tally;
            why.limit = limit;
        }
    }
    why.excluded = most->excluded;
    why.nearest = most->nearest;
    why.miss = most->miss;
    const bool anyHob = std::any_of(hobs.begin(), hobs.end(), [&](const Hob& hob) {
        return std::any_of(modules.begin(), modules.end(), [&](double m) {
            return std::any_of(starts.begin(), starts.end(),
                               [&](int z1) { return ofModuleAndStarts(hob, m, z1); });
        });
    });
    if (ask.onlyHobs && !anyHob) {
        why = NoFit{DesignLimit::Hobs, 0, std::nullopt, std::nullopt};
    }
    return why;
}

} // namespace

QList<double> housingSeries() {
    return {40, 50, 63, 80, 100, 125, 140, 160, 180, 200, 225, 250, 315, 355, 400, 450, 500};
}

QList<double> defaultModules() {
    return {1, 1.25, 1.5, 1.6, 2, 2.5, 3, 3.15, 3.5, 4, 4.5, 5, 6, 6.3, 7, 8, 10, 12, 12.5, 16};
}

std::optional<DesignInput> firstInvalid(const DesignAsk& ask) {
    if (!centreDistanceRange.holds(ask.centreDistance)) {
        return DesignInput::CentreDistance;
    }
    if (!ratioRange.holds(ask.ratio)) {
        return DesignInput::Ratio;
    }
    if (!(ask.tolerance >= 0 && ask.tolerance <= largestTolerance)) {
        return DesignInput::Tolerance;
    }
    if (ask.starts.isEmpty() || std::any_of(ask.starts.begin(), ask.starts.end(), [](int z1) {
            return z1 < HobLimits::startsLow || z1 > HobLimits::startsHigh;
        })) {
        return DesignInput::Starts;
    }
    if (ask.modules.isEmpty() || std::any_of(ask.modules.begin(), ask.modules.end(), [](double m) {
            return !(m >= HobLimits::moduleLow && m <= HobLimits::moduleHigh);
        })) {
        return DesignInput::Modules;
    }
    if (!(ask.qLow > 0 && ask.qLow <= ask.qHigh && ask.qHigh <= largestQ)) {
        return DesignInput::QRange;
    }
    if (ask.n1 && !(*ask.n1 >= 0 && *ask.n1 <= fastestInput)) {
        return DesignInput::InputSpeed;
    }
    return std::nullopt;
}

double leadAngleNotation(const DesignRow& row) {
    const auto [degrees, minutes] = std::div(row.leadAngle, 60);
    return degrees + minutes / 100.0;
}

Design designDrives(const DesignAsk& ask, const QList<Hob>& hobs) {
    Design design;
    if (firstInvalid(ask)) {
        return design;
    }
    const QList<double> modules = distinct(ask.modules);
    const QList<int> starts = distinct(ask.starts);
    for (const double m : modules) {
        for (const int z1 : starts) {
            const auto [low, high] = teethAround(ask, z1);
            for (int z2 = low; z2 <= high; ++z2) {
                DesignRow row = bareRow(ask, m, z1, z2);
                if (const Test t = test(ask, row); !t.ratio || !t.q) {
                    continue;
                }
                complete(row, ask, hobs);
                if (!ask.onlyHobs || row.hob) {
                    design.rows.append(row);
                }
            }
        }
    }
    std::sort(design.rows.begin(), design.rows.end(), byDefaultOrder);
    if (design.rows.isEmpty()) {
        design.noFit = whyNothingFits(ask, modules, starts, hobs);
    }
    return design;
}
