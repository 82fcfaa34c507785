#pragma once

// A lathe of the shop, which cuts the worm: its lead screw, its box of change gears (a count
// listed twice is two gears of that count, as on a hobbing machine), the positions of its
// quick-change gearbox and an optional clearance for compound trains. The built-in lathe is
// the one a shop without a machine file has. Reading and writing lathes is src/store's work.

#include "calc/machine.h"

#include <QList>
#include <QLocale>
#include <QString>

#include <optional>
#include <variant>

struct LeadScrew {
    enum class Unit { Millimetre, ThreadsPerInch };
    Unit unit = Unit::Millimetre;
    double value = 6; // the pitch in mm, or the threads per inch

    // The pitch in mm: 25,4 ÷ t for an inch screw.
    double pitch() const { return unit == Unit::Millimetre ? value : 25.4 / value; }

    friend bool operator==(const LeadScrew&, const LeadScrew&) = default;
};

// A position of the quick-change gearbox, which multiplies the train's ratio.
struct GearboxPosition {
    QString name;
    double ratio = 1;

    friend bool operator==(const GearboxPosition&, const GearboxPosition&) = default;
};

struct Lathe {
    QString name;
    LeadScrew screw;
    QList<int> gears;               // ascending
    QList<GearboxPosition> gearbox; // empty: a single position of ratio 1
    // A compound train A→B, C→D fits when A + B ≥ C + k and C + D ≥ B + k.
    std::optional<int> clearance;
    // The banjo reaches no train whose gears add up to less: A + B of a simple train,
    // A + B + C + D of a compound one.
    std::optional<int> reach;

    // Whether the banjo reaches a train of `teeth` teeth in all.
    bool reaches(int teeth) const { return !reach || teeth >= *reach; }

    // The gearbox's positions, or the single one of ratio 1 of a lathe without a gearbox.
    QList<GearboxPosition> positions() const;

    friend bool operator==(const Lathe&, const Lathe&) = default;
};

// "Varsayılan torna": a 6 mm lead screw and the gears 20 to 100 in steps of 5, then 110, 120
// and 127; no gearbox, no clearance. Never written to a file.
const Lathe& builtInLathe();
// The built-in lathe's name in either language of the interface.
bool isReservedLatheName(const QString& name);
QString displayName(const Lathe& lathe);

// Whether the compound train A→B, C→D fits the lathe's quadrant.
bool fits(const Lathe& lathe, int a, int b, int c, int d);

enum class LatheKey { Name, ScrewMm, ScrewTpi, Gears, GearboxName, GearboxRatio, Clearance, Reach };

enum class LatheRule {
    NameLength,   // 1 to 60 characters after trimming
    NameTaken,    // another lathe has it, ignoring case
    NameReserved, // the built-in lathe's
    Range,        // a number from `low` to `high` (whole for gears and the clearance)
    GearCount,    // 2 to 100 gears
    TwoScrews,    // the lead screw given both in mm and in threads per inch
};

struct LatheFault {
    QString lathe; // its name as given
    LatheKey key;
    LatheRule rule;
    double low = 0;
    double high = 0;

    friend bool operator==(const LatheFault&, const LatheFault&) = default;
};

// What a lathe's numbers may be, beside the machines' table whose gear rules it shares.
namespace LatheLimits {
inline constexpr double screwMmLow = 0.5;
inline constexpr double screwMmHigh = 25;
inline constexpr double screwTpiLow = 1;
inline constexpr double screwTpiHigh = 40;
inline constexpr int gearboxNameLength = 20;
inline constexpr double ratioLow = 0.01;
inline constexpr double ratioHigh = 100;
inline constexpr Limits reach{0, 1600}; // four of the largest gears
} // namespace LatheLimits

std::optional<LatheFault> checkLathe(const Lathe& lathe);
// Every lathe of a list the user keeps, then their names against each other.
std::optional<LatheFault> checkLathes(const QList<Lathe>& lathes);
QString latheFaultMessage(const LatheFault& fault, const QLocale& locale);

// "Torna 1 (2)" for the first name that none of `taken` has, ignoring case.
QString unclashedLatheName(const QString& name, const QList<Lathe>& taken);

// The gearbox as the editor shows it, one position a line: "A 1", "B 0,5".
QString gearboxText(const QList<GearboxPosition>& gearbox, const QLocale& locale);
// The positions as typed, or the fault that refuses them.
std::variant<QList<GearboxPosition>, LatheFault>
parseGearbox(const QString& lathe, const QString& text, const QLocale& locale);
