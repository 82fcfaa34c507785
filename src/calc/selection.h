#pragma once

// The maker's selection tables, made from the catalogue's drives. A buyer starts from a motor:
// for each motor of the shop's list, every housing and ratio with a drive, the output speed n2 at
// the motor's speed, the torque the motor gives through the unit, M2 = 9550·P·η ÷ n2 (η the
// unit's at that speed), and the service factor fs = the unit's mechanical rated torque (the
// least of the rating's limits) ÷ M2; listed where fs is at least the least factor asked, fastest
// first, then by housing, and marked where the motor's power is above the unit's thermal input
// power P1,th. Beside it, the page per housing: the housing's ratios across the catalogue's
// speeds, as makers print a size on one page. Both are worded as catalogue tables
// (cataloguetable.h), so the sheet, the copy and the command line take them as they take it.

#include "calc/catalogue.h"
#include "calc/cataloguetable.h"

#include <QList>
#include <QLocale>
#include <QString>

#include <array>

// A motor of the shop's list: its rated power and poles, its speed, and its IEC frame where the
// list gives one.
struct Motor {
    double power = 0; // kW
    int poles = 4;
    double speed = 1400; // d/dk
    QString frame;

    friend bool operator==(const Motor&, const Motor&) = default;
};

// The speed a motor of so many poles turns at unless the shop says otherwise: 2 poles 2800,
// 4 poles 1400, 6 poles 900 d/dk; nothing for another count.
std::optional<double> motorSpeed(int poles);
inline constexpr std::array<int, 3> motorPoles = {2, 4, 6};
inline constexpr ValueRange motorPowerRange{0, 1000, false};

// The four-pole powers of a published table, 0,37 to 15 kW, each at 1400 d/dk.
QList<Motor> defaultMotors();
// Motors of these powers at the poles' speed, each with no frame.
QList<Motor> motorsOf(const QList<double>& powers, int poles = 4);

struct SelectionAsk {
    QList<Motor> motors = defaultMotors();
    double leastFactor = 1; // fs, the least listed
};
inline constexpr ValueRange leastFactorRange{0.5, 5};

enum class SelectionInput { Motors, LeastFactor };

// The first input out of its range: a motor whose power is out of range or whose poles have no
// speed, or the least factor; for a window or a command line that names it.
std::optional<SelectionInput> firstInvalid(const SelectionAsk& ask);
// What an input must be, naming it as the caller does ("«MOTORLAR»" in the window, "--motors" on
// the command line).
QString selectionRuleText(SelectionInput input, const QString& name, const QLocale& locale);

// The motors' powers, kW, in their order: what the window shows and the settings keep.
QList<double> motorPowers(const QList<Motor>& motors);

struct SelectionRow {
    Motor motor;
    double centreDistance = 0; // the catalogue cell's housing, nominal ratio and drive
    double ratio = 0;
    DesignRow drive;
    double n2 = 0;             // d/dk
    double efficiency = 0;     // η, %
    double outputTorque = 0;   // M2, N·m
    double serviceFactor = 0;  // fs
    double thermalPower = 0;   // P1,th at the motor's speed, kW
    bool aboveThermal = false; // the motor's power above P1,th: check the unit for heat
};

// Motor by motor in the ask's order, each motor's rows fastest first, then by housing; only the
// rows whose fs reaches the least factor.
QList<SelectionRow> selectionOf(const Catalogue& catalogue, const CatalogueAsk& ask,
                                const SelectionAsk& selection);

// The selection worded: a page per motor, a row a housing and ratio.
CatalogueTable selectionTable(const QList<SelectionRow>& rows, const CatalogueAsk& ask,
                              const SelectionAsk& selection, const QLocale& locale);
// The catalogue worded a page per housing: a row a ratio, each speed's n2, T2, P1, η and what
// governs side by side.
CatalogueTable perHousingTable(const Catalogue& catalogue, const CatalogueAsk& ask,
                               const QLocale& locale);
