#pragma once

// Design from a housing: the question the first section answers, turned round. Given the
// housing's centre distance a and the ratio wanted, every worm drive that fits: for each worm
// considered and each whole tooth count Z2 whose ratio Z2 ÷ z1 is within the tolerance, the
// drive that meets a exactly. The worm is one the shop has a hob for, or one of the standard
// worms, and the wheel's profile shift meets a, x2 = (a − (d1 + Z2·m) ÷ 2) ÷ m, kept within its
// range; or it is a new worm, whose pitch diameter meets a unshifted, d1 = 2a − Z2·m. A drive
// is kept when the diameter quotient q = d1 ÷ m is in its range. Each comes with what the form
// would show of it: the lead angle, the hunting-tooth rule, the efficiency by the rating's AGMA
// friction, the turner's warnings, the rules of making it breaks (makingrules.h; those that
// break one sort last) and the shop's hob that cuts it. When nothing fits, the limit that
// excluded the most and the drive that came nearest say why. The window words all of it.

#include "calc/hob.h"
#include "calc/makingrules.h"
#include "calc/rating.h"
#include "calc/turnerfigures.h"

#include <QList>
#include <QLocale>
#include <QString>

#include <optional>

class FormState;

// The housings' centre distances, mm, the standard's series (GB/T 10085-2018, §4), and whether
// the standard brackets a size as one to avoid where possible.
QList<double> housingSeries();
bool bracketedHousing(double a);
// The modules a shop considers unless it keeps its own list, mm.
QList<double> defaultModules();

// Which worm a drive may have.
enum class WormChoice {
    ShopHobs,      // one the shop has a hob for, the wheel shifted to meet the housing
    StandardWorms, // one of the standard worms (standardworms.h), likewise
    NewDiameter,   // a new one, d1 = 2a − Z2·m, for a shop that will make its hob
};

struct DesignAsk {
    double centreDistance = 100; // a, mm
    double ratio = 20;           // i
    double tolerance = 3;        // on the ratio, %
    QList<int> starts = {1, 2, 3, 4, 5, 6};
    QList<double> modules = defaultModules();
    double qLow = 6;
    double qHigh = 20;
    std::optional<double> n1; // d/dk, for the efficiency; nothing: none is worked
    double profileAngle = 20; // the turner's αx, degrees
    WormChoice worms = WormChoice::NewDiameter;
    ValueRange shiftRange = defaultShiftRange; // x2 of a shifted wheel
};

// The fields a design types into the form: the drive it chose.
inline const QList<FieldId> designedFields = {FieldId::m_t, FieldId::Z2_t, FieldId::da1_t,
                                              FieldId::z1_t, FieldId::x2_t};

// The housing and the ratio a job was designed for, which the job keeps and its sheet names.
struct DesignedFor {
    double centreDistance = 0; // mm
    double ratio = 0;

    friend bool operator==(const DesignedFor&, const DesignedFor&) = default;
};

enum class DesignInput {
    CentreDistance,
    Ratio,
    Tolerance,
    Starts,
    Modules,
    QRange,
    InputSpeed,
    ShiftRange
};

// The housing and the ratio a design may ask, for the design and for a job that keeps them.
inline constexpr ValueRange centreDistanceRange{0, 10000, false};
inline constexpr ValueRange ratioRange{1, 1000};
// The ratio's tolerance, %.
inline constexpr ValueRange toleranceRange{0, 50};

// The first input out of its range, for the window to name.
std::optional<DesignInput> firstInvalid(const DesignAsk& ask);

struct DesignRow {
    double module = 0;
    int starts = 1;
    int teeth = 0;                    // Z2
    double ratio = 0;                 // Z2 ÷ z1
    double error = 0;                 // of the ratio against the one asked, %
    double d1 = 0;                    // the worm's, or 2a − Z2·m for a new one
    double da1 = 0;                   // d1 + 2m
    double q = 0;                     // d1 ÷ m
    double x2 = 0;                    // the wheel's profile shift, in modules
    int leadAngle = 0;                // γ = atan(z1·m ÷ d1), in whole minutes of arc
    int commonFactor = 1;             // of Z2 and z1; above 1 the hunting-tooth rule fails
    std::optional<double> efficiency; // η with the worm driving, %; nothing without N1
    QList<BlankWarning> warnings;
    QList<RuleBreak> rules; // of making, which it breaks
    // Rules a worm of the standard's table or the shop's hob is marked for but not held to: its
    // size against AGMA's proportion, which the table and the hob carry their own of.
    QList<RuleBreak> marks;
    std::optional<double> ratedTorque; // the rating's least limit at N1, N·m; nothing without N1
    std::optional<qsizetype> hob;      // into the shop's hobs

    bool coprime() const { return commonFactor == 1; }
    bool keepsTheRules() const { return rules.isEmpty(); }

    friend bool operator==(const DesignRow&, const DesignRow&) = default;
};

// The wheel's shift as a row shows it, to four places as standards print it.
double shownShift(double x2);
inline constexpr int shownShiftPlaces = 4;

// The drive as the rating sees it, as the design has it: the housing's a, ba as the form rounds
// it.
DriveGeometry designedGeometry(const DesignRow& row, double centreDistance, double n1,
                               double profileAngle);

// The angle marked on the row's hob, which Kullan types into AÇI; nothing without a hob, or
// where the hobs have changed since the design was made and the row's index is past their end.
std::optional<double> rowHobAngle(const DesignRow& row, const QList<Hob>& hobs);

// Types the drive into the form as Kullan does: m, Z2, da1, z1, and N1 when given; x2 to the
// fewest places, four at least, with which HESAPLA's A is the housing `centreDistance` as the
// form writes it.
void typeDrive(FormState& form, const DesignRow& row, double centreDistance,
               const std::optional<double>& n1);

// The lead angle in the form's degrees-and-minutes notation, 11.19 for 11° 19′.
double leadAngleNotation(const DesignRow& row);

enum class DesignLimit {
    Tolerance,
    DiameterQuotient,
    Modules,
    Hobs,
    ProfileShift,
    StandardWorms,
    Housing, // the wheel alone fills the housing: no worm diameter is left at this ratio
};

// Why nothing fits: the limit that alone excluded the most of the drives nearest to fitting
// (for the tolerance, the whole tooth counts just outside it on either side; for q, those
// within the tolerance; for x2, those within both that the wheel's shift cannot reach; for the
// modules, new worms that fit with a module of the default list not asked), and the one of
// them that misses least, never a drive with no worm (d1 ≤ 0). Asked for the shop's hobs where
// the shop has none of the modules and starts asked, the hobs are the limit, with no drive
// named; likewise the standard worms where the table has none of the modules asked.
struct NoFit {
    DesignLimit limit = DesignLimit::Tolerance;
    int excluded = 0;
    std::optional<DesignRow> nearest;
    // By how much it misses: points of % beyond the tolerance, q or x2 beyond its range, the
    // worm's diameter left (not above zero) in a housing too small; nothing where no measure
    // applies.
    std::optional<double> miss;
};

struct Design {
    // Those that keep the rules of making first; then by the ratio's error, then coprime
    // first, then the efficiency.
    QList<DesignRow> rows;
    std::optional<NoFit> noFit; // when there are no rows
};

Design designDrives(const DesignAsk& ask, const QList<Hob>& hobs);

// Why nothing fits, in one sentence naming the limit, the nearest drive and its miss.
QString noFitText(const NoFit& why, const QLocale& locale);
