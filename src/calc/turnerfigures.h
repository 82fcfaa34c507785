#pragma once

// The turner's figures: the wheel blank that is turned before it is hobbed (throat radius,
// largest outer diameter, largest face width), the worm's shortest threaded length, and what
// checks the worm's thread once it is cut (axial pitch and thickness, normal chordal thickness
// and height, three-wire measurement). They follow the fields as they stand, hand-edited
// outputs included, as the job sheet does, and each comes with the rule it was made by, so
// that a shop with other rules sees which was used. Warnings are values too; none refuses.

#include "calc/valuerange.h"
#include "model/fault.h"

#include <QList>
#include <QLocale>
#include <QString>

#include <optional>
#include <variant>

class FormState;

enum class FigureId {
    ThroatRadius,     // rk = A − da2 ÷ 2
    OuterDiameter,    // de2 ≤ da2 + 6m ÷ (z1 + 2)
    FaceWidth,        // b2 ≤ 0,75 × da1 (z1 ≤ 3), 0,67 × da1 above
    WormLength,       // b1 ≥ (11 + 0,06 × Z2) × m (z1 ≤ 2), (12,5 + 0,09 × Z2) × m above
    AxialPitch,       // px = π × m
    AxialThickness,   // sx = px ÷ 2
    ChordalThickness, // s̄ = sx × cos γ
    ChordalHeight,    // h̄a = ha + (s̄ × sin γ)² ÷ (4 × d1), ha = (da1 − d1) ÷ 2
    BestWire,         // W = px ÷ (2 cos α)
    OverWires,        // M over three wires of the diameter used, from their real contact
    ContactDiameter,  // dc, where the wire touches the flanks
};

struct Figure {
    FigureId id;
    double value = 0; // mm
};

enum class WarningKind {
    FaceWidthAboveLimit,  // ba above b2's limit
    WormShorterThanLimit, // L below b1
    NoThroat,             // rk ≤ 0
    WheelBottomClearance, // A − da1 ÷ 2 − df2 ÷ 2 ≤ 0
    WormBottomClearance,  // A − da2 ÷ 2 − df1 ÷ 2 ≤ 0
};

// A size that does not fit with another: the value and what it is held against.
struct BlankWarning {
    WarningKind kind;
    double value = 0;
    double limit = 0;

    friend bool operator==(const BlankWarning&, const BlankWarning&) = default;
};

// The first section's sizes that the blank's warnings hold against each other.
struct BlankSizes {
    int starts = 1;
    double module = 0;
    double teeth = 0; // Z2
    double da1 = 0;
    double d1 = 0;
    double df1 = 0;
    double da2 = 0;
    double df2 = 0;
    double faceWidth = 0;      // ba
    double length = 0;         // L
    double centreDistance = 0; // A
};

// Where the sizes do not fit with each other; none refuses the job.
QList<BlankWarning> blankWarnings(const BlankSizes& sizes);

// The worm's profile angle α and the wire that measures it: the best wire when none is given;
// and the thread's thickness allowance, the least and the most thinning of sx that the
// turner's M is held between. Backlash is the user's to choose: no allowance is assumed.
struct WireGauge {
    double profileAngle = 20; // degrees, 10 to 30
    std::optional<double> wire;
    double leastThinning = 0; // µm of sx
    double mostThinning = 0;  // µm of sx

    friend bool operator==(const WireGauge&, const WireGauge&) = default;
};

inline constexpr double smallestProfileAngle = 10;
inline constexpr double largestProfileAngle = 30;
inline constexpr ValueRange profileAngleRange{smallestProfileAngle, largestProfileAngle};
// A thinning of sx, µm, is not below zero; what the thread can take (less than half of sx)
// depends on its module, so the figures hold the gauge against it.
inline constexpr ValueRange thinningRange{0};

// A wire that does not touch the flanks between the worm's root and tip, which makes M
// meaningless: it rests on the thread's tip edge (contact da1) or its root (contact df1), and
// the diameters of the wires that would touch within them (nothing when no wire does).
struct WireOutOfReach {
    double contact = 0; // the diameter it rests at, mm: da1 or df1
    double root = 0;    // df1
    double tip = 0;     // da1
    std::optional<std::pair<double, double>> usable;
};

struct TurnerFigures {
    QList<Figure> figures; // in FigureId order; without M and dc when the wire is refused
    std::optional<WireOutOfReach> wireRefused;
    QList<BlankWarning> warnings;
    // M over the thread thinned by the gauge's least and most allowance: its upper and lower
    // limits; nothing when no allowance is given or a thinned thread does not hold the wire.
    std::optional<std::pair<double, double>> overWiresLimits;
    // Half of sx, µm, when the gauge's most thinning is not below it: no thread is left to
    // measure, so M has no limits.
    std::optional<double> thinningBeyond;
    double wire = 0;         // the wire used for M
    bool bestWire = true;    // it is the best wire
    bool evenStarts = false; // two wires on one side sit in grooves of one start, a lead apart
    int starts = 1;

    double value(FigureId id) const;
};

// Whether the wire is measured too: its numerical solve (and, for a refused wire, the search
// for the usable range) is the costly part, which the blank's warnings and sizes do not need.
enum class WireWork { Measure, Skip };

// The figures for the fields as they stand, or the fault of the first field that does not read.
// With WireWork::Skip there is no M, dc nor wire refusal.
std::variant<TurnerFigures, Fault> turnerFigures(const FormState& form, const WireGauge& gauge,
                                                 WireWork wire = WireWork::Measure);

// The wire on the worm's thread: an axial straight profile of half-angle α (radians) on a
// helicoid of `lead`, a groove as wide as the thread at the pitch diameter d1, and a wire of
// diameter `wire` whose axis lies square to the measuring direction at the pitch cylinder's lead
// angle. It settles where it touches both flanks: the distance M over it and its mirror, and
// the diameter of the contact. Solved numerically; exact where the handbook's series is not.
// The flanks end at the root df1 and the tip da1: beyond them is no material to hold the wire,
// and a wire that comes to rest on either edge touches no flank.
struct WireContact {
    enum class Rest { Flanks, TipEdge, RootEdge };
    double overWires = 0; // M
    double contact = 0;   // dc
    Rest rest = Rest::Flanks;
};
// A thread thinned by `thinning` (mm of sx) has its groove that much wider at d1.
WireContact wireContact(double module, double lead, double d1, double alpha, double wire,
                        double df1, double da1, double thinning = 0);

// The one sentence for an even number of starts, in the window and on the sheet alike.
QString evenStartsNote();
// Why the wire is refused, naming the diameters that would do.
QString wireRefusalText(const WireOutOfReach& w, const QLocale& locale);

// Their words, for the sheet and the window alike: the figure's name with its symbol, the rule
// it was made by (which for b2 and b1 depends on the starts), and a warning as one sentence
// naming both its numbers.
QString figureCaption(FigureId id);
QString figureRule(FigureId id, int starts, const QLocale& locale);
QString warningText(const BlankWarning& warning, const QLocale& locale);
// Why M has no limits: the thinning the thread cannot take.
QString thinningBeyondText(double halfThickness, const QLocale& locale);
// M with its limits as deviations, "66,746 (−0,027 / −0,055)"; M alone without them.
QString overWiresText(const TurnerFigures& figures, const QLocale& locale);
// A length as a micrometer reads it: to 0,001 mm.
QString micrometerText(double mm, const QLocale& locale);
