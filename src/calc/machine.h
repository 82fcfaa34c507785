#pragma once

// A hobbing machine of the shop: its index constant, its box of change gears (a count listed
// twice is two gears of that count), an optional second constant for large wheels and an
// optional clearance that a compound train must keep on the quadrant. The third section and
// the train finder work on the machine in use; the built-in one is the machine the program
// has always known (K 24 and its 32 gears). Reading and writing machines is src/store's work;
// nothing here touches a disk.

#include <QList>
#include <QLocale>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <variant>

struct LargeWheelRule {
    int above = 0;         // for Z2 greater than this
    int indexConstant = 0; // K′ replaces K

    friend bool operator==(const LargeWheelRule&, const LargeWheelRule&) = default;
};

struct Machine {
    QString name;
    int indexConstant = 24;
    QList<int> gears; // ascending
    std::optional<LargeWheelRule> largeWheel;
    // A compound train A→B, C→D fits when A + B ≥ C + k and C + D ≥ B + k.
    std::optional<int> clearance;

    friend bool operator==(const Machine&, const Machine&) = default;
};

// "Varsayılan tezgâh": K 24 and the 32 gears the program was made for; never written to a file.
const Machine& builtInMachine();
// The built-in machine's name in either language of the interface: no machine of the user's may
// take it, whichever language is in use when it is named or shown.
bool isReservedName(const QString& name);
// The name as the interface shows it: the built-in machine's in the interface's language.
QString displayName(const Machine& machine);

// The constant for a wheel of `z2` teeth: K′ above the large-wheel limit, else K.
int effectiveConstant(const Machine& machine, double z2);

// Whether `teeth` is exactly the count of a gear in the machine's box.
bool hasGear(const Machine& machine, double teeth);

// Whether the compound train A→B, C→D fits the machine's quadrant.
bool fits(const Machine& machine, int a, int b, int c, int d);

// What a machine's value is checked against, named as the file names it.
enum class MachineKey {
    Name,
    IndexConstant,
    Gears,
    LargeWheelAbove,
    LargeWheelConstant,
    Clearance
};

// A closed range of whole numbers.
struct Limits {
    int low = 0;
    int high = 0;
};

// What each of a machine's numbers may be: the one table that the rules, the file reader and
// the editor's widgets all take their limits from.
namespace MachineLimits {
inline constexpr int longestName = 60;
inline constexpr Limits indexConstant{1, 1000};
inline constexpr Limits gearCount{2, 100};
inline constexpr Limits gearTeeth{8, 400};
inline constexpr Limits largeWheelAbove{1, 100000};
inline constexpr Limits clearance{0, 400};
} // namespace MachineLimits

// The limits of a key's numbers (a gear's teeth for Gears; nothing for Name).
constexpr Limits limitsOf(MachineKey key) {
    switch (key) {
    case MachineKey::Name:
        return {1, MachineLimits::longestName};
    case MachineKey::IndexConstant:
    case MachineKey::LargeWheelConstant:
        return MachineLimits::indexConstant;
    case MachineKey::Gears:
        return MachineLimits::gearTeeth;
    case MachineKey::LargeWheelAbove:
        return MachineLimits::largeWheelAbove;
    case MachineKey::Clearance:
        return MachineLimits::clearance;
    }
    return {};
}

enum class MachineRule {
    NameLength,   // 1 to 60 characters after trimming
    NameTaken,    // another machine has it, ignoring case
    NameReserved, // the built-in machine's
    WholeNumber,  // a whole number from `low` to `high`
    GearCount,    // 2 to 100 gears
};

struct MachineFault {
    QString machine; // its name as given
    MachineKey key;
    MachineRule rule;
    int low = 0;
    int high = 0;

    friend bool operator==(const MachineFault&, const MachineFault&) = default;
};

// The first rule the machine breaks, if any.
std::optional<MachineFault> checkMachine(const Machine& machine);
// The same for every machine of a list the user keeps, then their names against each other.
std::optional<MachineFault> checkMachines(const QList<Machine>& machines);

// The gears as typed: whole numbers separated by blanks or commas, sorted.
std::variant<QList<int>, MachineFault> parseGears(const QString& machine, const QString& text,
                                                  const QLocale& locale);
// Their text as the editor shows it: "20 25 25 30".
QString gearsText(const QList<int>& gears, const QLocale& locale);

QString machineFaultMessage(const MachineFault& fault, const QLocale& locale);

// Whether two names are one once trimmed, ignoring case by the Turkish rules (I and ı, İ and
// i): no two machines, nor two lathes, may share one.
bool sameName(const QString& a, const QString& b);
// Whether `name` is a built-in entry's, named `turkishName` and `englishName` in the two
// languages of the interface.
bool isReservedIn(const QString& name, const QString& turkishName, const QString& englishName);

// The first of "name", "name (2)", "name (3)"… that is not reserved and that none of `taken`
// has, ignoring case; for machines and lathes alike.
template <typename Named>
QString unclashed(const QString& name, const QList<Named>& taken,
                  bool (*reserved)(const QString&)) {
    const auto clashes = [&taken, reserved](const QString& candidate) {
        return reserved(candidate) ||
               std::any_of(taken.begin(), taken.end(),
                           [&candidate](const Named& n) { return sameName(n.name, candidate); });
    };
    QString candidate = name.trimmed();
    for (int n = 2; clashes(candidate); ++n) {
        candidate = QStringLiteral("%1 (%2)").arg(name.trimmed()).arg(n);
    }
    return candidate;
}

// The first fault of a list the user keeps, for machines and lathes alike: an entry that breaks
// its own rules (`check`), then a name that is reserved or another entry's, as `nameFault`
// words it (true: reserved).
template <typename Named, typename Check, typename NameFault>
auto checkNamed(const QList<Named>& list, Check check, bool (*reserved)(const QString&),
                NameFault nameFault) -> decltype(check(list.front())) {
    for (qsizetype i = 0; i < list.size(); ++i) {
        const Named& entry = list[i];
        if (auto f = check(entry)) {
            return f;
        }
        if (reserved(entry.name)) {
            return nameFault(entry, true);
        }
        for (qsizetype j = 0; j < i; ++j) {
            if (sameName(list[j].name, entry.name)) {
                return nameFault(entry, false);
            }
        }
    }
    return std::nullopt;
}

// "Tezgâh B (2)" for the first name that none of `taken` has, ignoring case.
QString unclashedName(const QString& name, const QList<Machine>& taken);
