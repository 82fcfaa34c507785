#pragma once

// The catalogue: a rating table for a family of housings, as reducer makers publish it. For
// each housing and nominal ratio the design (design.h) lists the drives that fit; of those that
// keep every rule of making and the worm-size proportion, the one that carries the highest output
// torque at the first speed is chosen (ties by the design's order) and kept at every speed. Each
// drive is typed into a form of its own and HESAPLA pressed, as Kullan does, and rated from that
// form by the rating (rating.h), so a cell is what the rating window shows for the same drive. Per
// speed: n2, η, the mechanical rated torque (the least of the rating's limits, over the service
// factor), the thermal input power P1,th at which the sump reaches the limit, P1,th = (t_limit −
// ta)·h·A ÷ (1 − η) with the rating's h and AGMA least housing area, the torque the unit carries
// there, T2, the lesser of the mechanical torque and the torque at P1,th, the input power P1 for
// T2, and which of the four limits governs. The window, the sheet and the command line word it.

#include "calc/design.h"
#include "calc/rating.h"

#include <QList>

#include <optional>

// The housings up to 250 mm of the program's series, the nominal ratios a catalogue lists.
QList<double> catalogueHousings();
QList<double> catalogueRatios();

struct CatalogueAsk {
    QList<double> housings = catalogueHousings(); // a, mm
    QList<double> ratios = catalogueRatios();
    QList<double> speeds = {1400}; // N1, d/dk; the first chooses the drive
    // The worms a drive may have, the tolerance and the ranges; a, i and N1 are the catalogue's.
    DesignAsk design;
    Casting casting = Casting::SandCast;
    double serviceFactor = 1;
    double ambient = 20;   // °C
    bool fan = false;      // on the worm shaft
    double sumpLimit = 90; // °C, the shop's setting, not a standard's figure
};

enum class CatalogueInput {
    Housings,
    Ratios,
    Speeds,
    ProfileAngle,
    Design,
    ServiceFactor,
    Ambient,
    SumpLimit
};

// The first input out of its range, for a window or a command line that names it.
std::optional<CatalogueInput> firstInvalid(const CatalogueAsk& ask);
// The span each value of an input must lie in (for the design, its tolerance's); the oil's limit
// must also be above the ambient.
ValueRange catalogueRange(CatalogueInput input);

// What bounds the torque a unit carries: a limit of the rating, or the oil's heat.
enum class Governs { Surface, Bending, Deflection, Thermal };

// Why a speed of a chosen drive has no figures.
enum class SpeedFault {
    NoForm,          // the drive typed into a form does not run through HESAPLA
    NoRating,        // the rating gives no rated torque at this speed
    WormCannotDrive, // the efficiency is not above zero: the worm cannot turn the wheel
    NotFinite,       // the powers are not numbers at this speed
};

struct CatalogueSpeed {
    double n1 = 0;               // d/dk
    double n2 = 0;               // d/dk
    double efficiency = 0;       // η, %
    double ratedTorque = 0;      // T2 carried: the lesser of the two torques below, N·m
    double inputPower = 0;       // P1 for T2, kW
    double thermalPower = 0;     // P1,th, kW
    double mechanicalTorque = 0; // the rating's least limit over the service factor, N·m
    double thermalTorque = 0;    // T2 at P1,th, N·m
    Governs governs = Governs::Surface;
    std::optional<SpeedFault> fault; // the figures above are not made when set
};

struct CatalogueCell {
    double centreDistance = 0;
    double ratio = 0;
    std::optional<DesignRow> drive;
    // The drive as its form gives it, for figures at a speed of another's choosing (a motor's);
    // nothing without a drive, or where the form does not run.
    std::optional<DriveGeometry> geometry;
    QList<CatalogueSpeed> speeds; // one a speed of the ask, in its order; empty without a drive
    // Without a drive: why the design has none, or how many it had that all break a rule,
    // and the rules the first of them in the design's order breaks.
    std::optional<NoFit> noFit;
    int breakingRules = 0;
    QList<RuleBreak> firstBreaks;
};

struct Catalogue {
    QList<CatalogueCell> cells; // housing by housing, each ratio in turn
};

// The rating the catalogue takes a drive's figures from, at a speed: the drive typed into a
// form and HESAPLA pressed, rated with the catalogue's choices and a load when given.
std::optional<DriveRating> catalogueRating(const DesignRow& drive, double centreDistance, double n1,
                                           const CatalogueAsk& ask,
                                           std::optional<double> outputTorque = std::nullopt);

// The figures of a drive at a speed, as a cell's speeds are made: the rating's least limit over the
// service factor, the thermal limit, the torque carried and what governs it.
CatalogueSpeed catalogueSpeed(const DriveGeometry& drive, double n1, const CatalogueAsk& ask);

// The torque a row is ranked by: what the drive as the design has it carries at the first speed,
// the least of the rating's limits over the service factor and the thermal one; and the row it
// chooses of a design's rows, among those that keep every rule and mark, ties by their order.
std::optional<double> rankingTorque(const DesignRow& row, double centreDistance,
                                    const CatalogueAsk& ask);
std::optional<DesignRow> chosenDrive(const QList<DesignRow>& rows, double centreDistance,
                                     const CatalogueAsk& ask);

// The drive's real ratio, Z2 ÷ z1, beside the nominal one it was chosen for.
double realRatio(const DesignRow& drive);

// The catalogue for the ask's housings, ratios and speeds, each repeated value taken once.
Catalogue catalogueOf(const CatalogueAsk& ask, const QList<Hob>& hobs);
// The ask with each list's repeated values taken once, in their first order.
CatalogueAsk withoutRepeats(CatalogueAsk ask);

// The rule the drive of a cell is chosen by, in one sentence.
QString catalogueChoiceRule();
// Why a cell has no drive, in one sentence.
QString noDriveText(const CatalogueCell& cell, const QLocale& locale);
// Why a speed has no figures, in one sentence.
QString speedFaultText(SpeedFault fault);
