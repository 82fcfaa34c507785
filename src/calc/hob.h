#pragma once

// A hob of the shop: a wheel can only be hobbed with a hob the shop has, one that copies the
// worm it meshes with, of the same module, starts and pitch diameter. Its hand and the angle
// marked on it (in the form's degrees-and-minutes notation, as AÇI takes it) come with it.
// Reading and writing hobs is src/store's work, beside the machines and the lathes.

#include <QList>
#include <QLocale>
#include <QString>

#include <optional>

struct Hob {
    enum class Hand { Right, Left };
    QString name;
    double module = 4;
    int starts = 1;
    double pitchDiameter = 40; // mm, of the worm it copies
    Hand hand = Hand::Right;
    QString angle; // as marked, "5,43" or "5.43"; empty: none marked

    friend bool operator==(const Hob&, const Hob&) = default;
};

namespace HobLimits {
inline constexpr double moduleLow = 0.1;
inline constexpr double moduleHigh = 50;
inline constexpr int startsLow = 1;
inline constexpr int startsHigh = 6;
} // namespace HobLimits

enum class HobKey { Name, Module, Starts, PitchDiameter, Angle };

enum class HobRule {
    NameLength,      // 1 to 60 characters after trimming
    NameTaken,       // another hob has it, ignoring case
    Range,           // module 0,1 to 50, starts a whole number 1 to 6
    AboveTwoModules, // the pitch diameter above 2 × module
    BadAngle,        // not a number, or 60 minutes or more
};

struct HobFault {
    QString hob; // its name as given
    HobKey key;
    HobRule rule;

    friend bool operator==(const HobFault&, const HobFault&) = default;
};

// The hob's name as the lists show it.
QString displayName(const Hob& hob);

// The angle marked, as a number in the notation, either separator; nothing when none is marked
// or it does not read as an angle.
std::optional<double> hobAngle(const Hob& hob);

std::optional<HobFault> checkHob(const Hob& hob);
// Every hob of the list, then their names against each other.
std::optional<HobFault> checkHobs(const QList<Hob>& hobs);
QString hobFaultMessage(const HobFault& fault, const QLocale& locale);

// "A-4-2 (2)" for the first name that none of `taken` has, ignoring case.
QString unclashedHobName(const QString& name, const QList<Hob>& taken);

// Whether the hob is of this module and starts, whatever its pitch diameter.
bool ofModuleAndStarts(const Hob& hob, double module, int starts);

// The hob that cuts the worm of this module, starts and pitch diameter (within 0,01 mm), if
// the shop has one.
const Hob* hobFor(const QList<Hob>& hobs, double module, int starts, double d1);
