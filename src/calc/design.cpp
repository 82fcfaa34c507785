#include "calc/design.h"
#include "calc/angles.h"

#include "calc/rating.h"
#include "calc/standardworms.h"
#include "calc/wormdrive.h"
#include "model/decimal15.h"
#include "model/fieldvalues.h"
#include "model/formstate.h"

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

// A worm the drive may have: its module and starts, and its pitch diameter; nothing for a new
// worm, whose diameter the housing sets.
struct Worm {
    double module = 0;
    int starts = 1;
    std::optional<double> d1;
};

bool listed(const QList<double>& modules, double m) {
    return std::any_of(modules.begin(), modules.end(),
                       [m](double asked) { return sameModule(asked, m); });
}

// The worms of the choice asked whose module is (or, with `unlisted`, is not) among `modules`,
// each once: two hobs of one worm, a right and a left one, cut the same wheel.
QList<Worm> wormsOf(const DesignAsk& ask, const QList<double>& modules, const QList<int>& starts,
                    const QList<Hob>& hobs, bool unlisted = false) {
    QList<Worm> worms;
    const auto add = [&](double m, int z1, std::optional<double> d1) {
        if (listed(modules, m) == unlisted || !starts.contains(z1)) {
            return;
        }
        const bool known = std::any_of(worms.begin(), worms.end(), [&](const Worm& w) {
            return sameModule(w.module, m) && w.starts == z1 &&
                   w.d1.has_value() == d1.has_value() && (!d1 || std::abs(*w.d1 - *d1) <= 0.01);
        });
        if (!known) {
            worms.append({m, z1, d1});
        }
    };
    switch (ask.worms) {
    case WormChoice::ShopHobs:
        for (const Hob& hob : hobs) {
            add(hob.module, hob.starts, hob.pitchDiameter);
        }
        break;
    case WormChoice::StandardWorms:
        for (const StandardWorm& worm : standardWorms()) {
            for (const int z1 : starts) {
                add(worm.module, z1, worm.d1);
            }
        }
        break;
    case WormChoice::NewDiameter:
        for (const double m : unlisted ? defaultModules() : modules) {
            for (const int z1 : starts) {
                add(m, z1, std::nullopt);
            }
        }
        break;
    }
    return worms;
}

struct Test {
    bool ratio = false;
    bool q = false;
    bool shift = false;
};

// The drive's sizes alone: what the search tests and what a drive that misses shows.
DesignRow bareRow(const DesignAsk& ask, const Worm& worm, int z2) {
    const double m = worm.module;
    DesignRow row;
    row.module = m;
    row.starts = worm.starts;
    row.teeth = z2;
    row.ratio = double(z2) / worm.starts;
    row.error = ratioError(z2, worm.starts, ask.ratio);
    if (worm.d1) {
        row.d1 = *worm.d1;
        row.x2 = (ask.centreDistance - (row.d1 + z2 * m) / 2) / m;
    } else {
        row.d1 = 2 * ask.centreDistance - z2 * m;
    }
    row.da1 = row.d1 + 2 * m;
    row.q = row.d1 / m;
    row.commonFactor = std::gcd(z2, worm.starts);
    return row;
}

Test test(const DesignAsk& ask, const DesignRow& row) {
    const ValueRange& x2 = ask.shiftRange;
    // The shop's own hobs are what it has: its q range never hides one.
    return {std::abs(row.error) <= ask.tolerance + onEnd,
            ask.worms == WormChoice::ShopHobs ||
                (row.q >= ask.qLow - onEnd && row.q <= ask.qHigh + onEnd),
            ask.worms == WormChoice::NewDiameter ||
                (row.x2 >= x2.low - onEnd && row.x2 <= x2.high + onEnd)};
}

bool fits(const Test& t) {
    return t.ratio && t.q && t.shift;
}

// The sizes the first section gives for m, Z2, da1 and x2, for the turner's warnings: its rules
// as wormdrive.cpp applies them, ba rounded to two places as the field shows it.
BlankSizes blankSizes(const DesignRow& row, double a) {
    const double m = row.module;
    const double z2 = row.teeth;
    const double d2 = z2 * m;
    const double shift = 2 * row.x2 * m;
    BlankSizes s;
    s.starts = row.starts;
    s.module = m;
    s.teeth = z2;
    s.da1 = row.da1;
    s.d1 = row.d1;
    s.df1 = row.da1 - m * 26 / 6;
    s.da2 = (z2 + 2) * m + shift;
    s.df2 = d2 - m * 2.335 + shift;
    s.length = 2 * m * (std::sqrt(z2) + 1);
    s.faceWidth = FieldValues::round2(m * 3.14 * 0.25 + row.d1 * std::sin(45 * radiansPerDegree));
    s.centreDistance = a;
    return s;
}

// The rest of what a fitting drive's row shows.
void complete(DesignRow& row, const DesignAsk& ask, const QList<Hob>& hobs) {
    const double gamma = std::atan(row.starts * row.module / row.d1);
    row.leadAngle = int(std::lround(gamma / radiansPerDegree * 60));
    row.rules = ruleBreaks(row.teeth, gamma / radiansPerDegree, ask.profileAngle);
    if (const ValueRange window = wormSizeWindow(ask.centreDistance); !window.holds(row.d1)) {
        const RuleBreak size{MakingRule::WormSize, row.d1, window.low, 0, 0, window.high};
        (ask.worms == WormChoice::NewDiameter ? row.rules : row.marks).append(size);
    }
    const BlankSizes sizes = blankSizes(row, ask.centreDistance);
    row.warnings = blankWarnings(sizes);
    if (ask.n1) {
        const DriveGeometry g =
            designedGeometry(row, ask.centreDistance, *ask.n1, ask.profileAngle);
        const DriveRating rating = rateDrive(g, RatingInputs{});
        row.efficiency = rating.find(RatingFigureId::Efficiency);
        row.ratedTorque = rating.find(RatingFigureId::RatedTorque);
    }
    if (const Hob* hob = hobFor(hobs, row.module, row.starts, row.d1)) {
        row.hob = hob - hobs.constData();
    }
}

bool byDefaultOrder(const DesignRow& a, const DesignRow& b) {
    if (a.keepsTheRules() != b.keepsTheRules()) {
        return a.keepsTheRules();
    }
    if (std::abs(a.error) != std::abs(b.error)) {
        return std::abs(a.error) < std::abs(b.error);
    }
    if (a.coprime() != b.coprime()) {
        return a.coprime();
    }
    if (a.efficiency != b.efficiency) {
        return a.efficiency.value_or(-1) > b.efficiency.value_or(-1);
    }
    return std::tie(a.module, a.starts, a.teeth, a.d1) <
           std::tie(b.module, b.starts, b.teeth, b.d1);
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

double shiftMiss(const DesignAsk& ask, double x2) {
    return x2 < ask.shiftRange.low ? ask.shiftRange.low - x2 : x2 - ask.shiftRange.high;
}

// The limits' tallies over the drives nearest to fitting.
struct Tallies {
    Tally tolerance;
    Tally quotient;
    Tally shift;
    Tally unlisted;
};

// A worm asked for: the counts just outside the tolerance, those within it that q excludes,
// and those within both that the wheel's shift cannot reach.
void tallyListed(Tallies& tallies, const DesignAsk& ask, const Worm& worm) {
    const auto [low, high] = teethAround(ask, worm.starts);
    std::optional<DesignRow> below;
    std::optional<DesignRow> above;
    for (int z2 = low; z2 <= high; ++z2) {
        const DesignRow row = bareRow(ask, worm, z2);
        const Test t = test(ask, row);
        if (!t.ratio && row.error < 0) {
            below = row; // the last below is the nearest
        } else if (!t.ratio) {
            above = above.value_or(row); // and the first above
        } else if (!t.q) {
            const double by = qMiss(ask, row.q);
            tallies.quotient.add(row, by, by);
        } else if (!t.shift) {
            const double by = shiftMiss(ask, row.x2);
            tallies.shift.add(row, by, by);
        }
    }
    for (const auto& row : {below, above}) {
        if (const Test t = row ? test(ask, *row) : Test{}; row && t.q && t.shift) {
            const double by = std::abs(row->error) - ask.tolerance;
            tallies.tolerance.add(*row, by, by);
        }
    }
}

// A worm of a module not asked: the drives that would fit with it.
void tallyUnlisted(Tallies& tallies, const DesignAsk& ask, const Worm& worm) {
    const auto [low, high] = teethAround(ask, worm.starts);
    for (int z2 = low; z2 <= high; ++z2) {
        const DesignRow row = bareRow(ask, worm, z2);
        if (fits(test(ask, row))) {
            tallies.unlisted.add(row, std::abs(row.error), std::nullopt);
        }
    }
}

NoFit whyNothingFits(const DesignAsk& ask, const QList<Worm>& worms, const QList<double>& modules,
                     const QList<int>& starts, const QList<Hob>& hobs) {
    if (worms.isEmpty()) {
        const bool hobbed = ask.worms == WormChoice::ShopHobs;
        return NoFit{hobbed ? DesignLimit::Hobs : DesignLimit::StandardWorms, 0, std::nullopt,
                     std::nullopt};
    }
    Tallies tallies;
    for (const Worm& worm : worms) {
        tallyListed(tallies, ask, worm);
    }
    for (const Worm& worm : wormsOf(ask, modules, starts, hobs, true)) {
        tallyUnlisted(tallies, ask, worm);
    }
    NoFit why;
    // Ties go to the limit named first: the tolerance, q, x2, the modules.
    const std::array<std::pair<DesignLimit, const Tally*>, 4> order = {{
        {DesignLimit::Tolerance, &tallies.tolerance},
        {DesignLimit::DiameterQuotient, &tallies.quotient},
        {DesignLimit::ProfileShift, &tallies.shift},
        {DesignLimit::Modules, &tallies.unlisted},
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
    if (!why.nearest) {
        // Every count near the ratio leaves the worm no diameter: the housing is too small for
        // the ratio. The nearest is the drive whose worm comes closest to having one.
        for (const Worm& worm : worms) {
            const int z2 = std::max(1, int(std::lround(worm.starts * ask.ratio)));
            const DesignRow row = bareRow(ask, worm, z2);
            if (!why.nearest || row.d1 > why.nearest->d1) {
                why.limit = DesignLimit::Housing;
                why.excluded = 0;
                why.nearest = row;
                why.miss = row.d1;
            }
        }
    }
    return why;
}

} // namespace

// GB/T 10085-2018, §4: the centre distances of cylindrical worm gearing, those in brackets to be
// avoided where possible.
QList<double> housingSeries() {
    return {40, 50, 63, 80, 100, 125, 160, 180, 200, 225, 250, 280, 315, 355, 400, 450, 500};
}

bool bracketedHousing(double a) {
    return a == 180 || a == 225 || a == 280 || a == 355 || a == 450;
}

// The shop's common modules with the standard worms' series through 25, so that every housing of
// the series up to 500 mm can have its standard drive.
QList<double> defaultModules() {
    return {1, 1.25, 1.5, 1.6, 2, 2.5, 3,  3.15, 3.5, 4,  4.5,
            5, 6,    6.3, 7,   8, 10,  12, 12.5, 16,  20, 25};
}

std::optional<DesignInput> firstInvalid(const DesignAsk& ask) {
    if (!centreDistanceRange.holds(ask.centreDistance)) {
        return DesignInput::CentreDistance;
    }
    if (!ratioRange.holds(ask.ratio)) {
        return DesignInput::Ratio;
    }
    if (!toleranceRange.holds(ask.tolerance)) {
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
    if (const ValueRange& x2 = ask.shiftRange;
        !(x2.low <= x2.high && shiftBounds.holds(x2.low) && shiftBounds.holds(x2.high))) {
        return DesignInput::ShiftRange;
    }
    return std::nullopt;
}

DriveGeometry designedGeometry(const DesignRow& row, double centreDistance, double n1,
                               double profileAngle) {
    DriveGeometry g;
    g.module = row.module;
    g.starts = row.starts;
    g.teeth = row.teeth;
    g.d1 = row.d1;
    g.d2 = row.teeth * row.module;
    g.centreDistance = centreDistance;
    const BlankSizes sizes = blankSizes(row, centreDistance);
    g.faceWidth = sizes.faceWidth;
    g.rootDiameter = sizes.df1;
    g.wormLength = sizes.length;
    g.n1 = n1;
    g.profileAngle = profileAngle;
    return g;
}

std::optional<double> rowHobAngle(const DesignRow& row, const QList<Hob>& hobs) {
    return row.hob && *row.hob < hobs.size() ? hobAngle(hobs.at(*row.hob)) : std::nullopt;
}

namespace {

// The shift rounded to the fewest places, `shownShiftPlaces` at least, with which a form of m,
// Z2 and da1 makes A the housing as it writes it: the form's own run decides, so its rounding
// of d1 and d2 is met, not guessed.
double typedShift(const DesignRow& row, double centreDistance, const QLocale& locale) {
    QuietSink quiet;
    FormState trial(locale, quiet);
    const auto type = [&trial, &locale](FieldId field, double x) {
        trial.setText(field, FieldValues::writeNumber(x, locale));
    };
    type(FieldId::m_t, row.module);
    type(FieldId::Z2_t, row.teeth);
    type(FieldId::da1_t, row.da1);
    const QString housing = FieldValues::writeNumber(centreDistance, locale);
    // Past 15 significant digits a double has no more places to give.
    constexpr int mostPlaces = 15;
    for (int places = shownShiftPlaces; places <= mostPlaces; ++places) {
        const double x2 = Decimal15::fromDouble(row.x2).roundedHalfEven(places).toDouble();
        type(FieldId::x2_t, x2);
        HESAPLA_Click(trial);
        if (trial.getText(FieldId::A_t) == housing) {
            return x2;
        }
    }
    return row.x2;
}

} // namespace

void typeDrive(FormState& form, const DesignRow& row, double centreDistance,
               const std::optional<double>& n1) {
    const auto type = [&form](FieldId field, double x) {
        form.setText(field, FieldValues::writeNumber(x, form.locale()));
    };
    type(FieldId::m_t, row.module);
    type(FieldId::Z2_t, row.teeth);
    type(FieldId::da1_t, row.da1);
    type(FieldId::z1_t, row.starts);
    type(FieldId::x2_t, typedShift(row, centreDistance, form.locale()));
    if (n1) {
        type(FieldId::N1_t, *n1);
    }
}

double shownShift(double x2) {
    return Decimal15::fromDouble(x2).roundedHalfEven(shownShiftPlaces).toDouble();
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
    const QList<Worm> worms = wormsOf(ask, modules, starts, hobs);
    for (const Worm& worm : worms) {
        const auto [low, high] = teethAround(ask, worm.starts);
        for (int z2 = low; z2 <= high; ++z2) {
            DesignRow row = bareRow(ask, worm, z2);
            if (fits(test(ask, row))) {
                complete(row, ask, hobs);
                design.rows.append(row);
            }
        }
    }
    std::sort(design.rows.begin(), design.rows.end(), byDefaultOrder);
    if (design.rows.isEmpty()) {
        design.noFit = whyNothingFits(ask, worms, modules, starts, hobs);
    }
    return design;
}
