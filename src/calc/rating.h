#pragma once

// What the drive carries: its efficiency both ways, the forces on the shafts, the allowable
// load of a bronze wheel on a steel worm and the oil's temperature, by the AGMA method for
// cylindrical worm gearing as Shigley's Mechanical Engineering Design gives it in chapter 15;
// beside it the worm's size against the centre distance (Shigley, Eq. 15-27), the wheel's teeth
// in bending (Shigley's adaptation of the Lewis equation, y by αn) and the worm shaft's
// deflection between its bearings, with the allowable of Autodesk Inventor's worm-gear guide.
// The rated output torque is the least of the three limits, and the one that governs is named.
// The method's curve fits are published in inches, feet per minute, pound-force and
// horsepower; they are kept in those units in namespace Agma, and the conversion to the
// program's SI units is made once, in rating.cpp. Where a fit is used outside the range it was
// published for, the figure stands and a warning names the range. The rating follows the
// form's fields as they stand, as the turner's figures do, and the window and the sheet word it.

#include "calc/valuerange.h"
#include "model/fault.h"

#include <QList>
#include <QLocale>
#include <QString>

#include <optional>
#include <variant>

class FormState;

enum class LoadGiven { OutputTorque, InputPower };
enum class Casting { SandCast, StaticChillCast, CentrifugallyCast };

// What the user gives beyond the form; the job keeps it.
struct RatingInputs {
    LoadGiven given = LoadGiven::OutputTorque;
    std::optional<double> load; // T2 in N·m or P1 in kW; nothing: no load given
    double serviceFactor = 1;
    Casting casting = Casting::SandCast;
    std::optional<double> faceWidth;   // mm; nothing: ba
    std::optional<double> friction;    // a measured f; nothing: the AGMA fit
    bool fan = false;                  // a fan on the worm shaft
    std::optional<double> housingArea; // m²; nothing: the AGMA minimum
    double ambient = 20;               // °C
    std::optional<double> sumpLimit;   // °C; nothing: none is warned
    std::optional<double> bearingSpan; // l, mm; nothing: 2,5 × the worm's length L
    bool hardenedWorm = true;          // case-hardened; else through-hardened (heat-treated)
    // σ,all of the wheel's bronze in the Lewis equation, MPa; nothing: not rated in bending.
    std::optional<double> bendingAllowable;

    friend bool operator==(const RatingInputs&, const RatingInputs&) = default;
};

enum class RatingInput {
    Load,
    ServiceFactor,
    FaceWidth,
    Friction,
    HousingArea,
    Ambient,
    SumpLimit,
    BearingSpan,
    BendingAllowable
};

// The AGMA service factors start at 1, for a uniform load.
inline constexpr double lowestServiceFactor = 1;
inline constexpr double highestServiceFactor = 10;

// Each input's span, for the rating, its window and the job file alike; an input that may be
// empty is checked only when it holds a value.
ValueRange ratingRange(RatingInput input);

// The first input out of its range, for a window or a file that refuses it.
std::optional<RatingInput> firstInvalid(const RatingInputs& inputs);

// The drive as the rating sees it: the form's sizes and the turner's axial profile angle.
struct DriveGeometry {
    double module = 0; // mm
    int starts = 1;
    double teeth = 0;          // Z2
    double d1 = 0;             // mm
    double d2 = 0;             // mm
    double centreDistance = 0; // mm
    double faceWidth = 0;      // ba, mm
    double n1 = 0;             // d/dk
    double profileAngle = 20;  // αx, degrees
    double rootDiameter = 0;   // df1, mm
    double wormLength = 0;     // L, the threaded length b1, mm
};

// The drive of the field texts (the form as it stands, or a section's last complete run), or
// the fault of the first field that does not read.
std::variant<DriveGeometry, Fault> driveGeometry(const FieldTexts& texts, const QLocale& locale,
                                                 double profileAngle);
std::variant<DriveGeometry, Fault> driveGeometry(const FormState& form, double profileAngle);

enum class RatingFigureId {
    LeadAngle,            // γ = atan(z1·m ÷ d1)
    NormalPressureAngle,  // αn = atan(tan αx · cos γ)
    WormPitchLineSpeed,   // v1 = π·d1·N1 ÷ 60 000
    WheelPitchLineSpeed,  // v2 = π·d2·N2 ÷ 60 000
    SlidingSpeed,         // vs = v1 ÷ cos γ
    Friction,             // f, the AGMA fit or the user's
    FrictionAngle,        // ρ′ = atan(f ÷ cos αn)
    Efficiency,           // η, the worm driving
    BackEfficiency,       // η′, the wheel driving
    InputTorque,          // T1
    OutputTorque,         // T2
    InputPower,           // P1
    OutputPower,          // P2
    PowerLoss,            // Pv = P1 − P2
    WheelTangentialForce, // Wt2 = 2·T2 ÷ d2, the worm's axial force
    WormTangentialForce,  // the wheel's axial force
    SeparatingForce,      // Wr
    WormSizeLow,          // C^0,875 ÷ 3, C in inches, in mm
    WormSizeHigh,         // C^0,875 ÷ 1,6
    MaterialsFactor,      // Cs
    RatioFactor,          // Cm
    VelocityFactor,       // Cv
    EffectiveFaceWidth,   // Fe ≤ 0,67·d1
    AllowableLoad,        // Wt,all = Cs·Dm^0.8·Fe·Cm·Cv
    SurfaceTorque,        // T2 at Wt,all
    LewisFactor,          // y by αn
    NormalPitch,          // pn = π·m·cos γ
    BendingStress,        // σ = Wt2 ÷ (pn·Fe·y)
    BendingAllowable,     // σ,all, given
    BendingRatio,         // σ ÷ σ,all
    BendingTorque,        // T2 at σ,all
    ShaftForce,           // F = √(Wt1² + Wr²)
    BearingSpan,          // l
    SecondMoment,         // I = π·df1⁴ ÷ 64
    Deflection,           // y = F·l³ ÷ (48·E·I)
    AllowableDeflection,  // 0,004·m hardened, 0,01·m through-hardened
    DeflectionRatio,      // y ÷ y,all
    DeflectionTorque,     // T2 at y,all
    RatedTorque,          // the least of the limits' torques
    RatedPower,           // P2 at the rated torque and N1
    LoadRatio,            // rated torque ÷ T2
    HeatTransfer,         // h, by the worm's speed
    HousingArea,          // A
    SumpTemperature,      // ts = ta + Pv ÷ (h·A)
};

// The limits the rated torque is the least of.
enum class RatedLimit { Surface, Bending, Deflection };

struct RatingFigure {
    RatingFigureId id;
    double value = 0; // in the unit ratingUnit names
};

enum class RatingWarningKind {
    RatioBelowFit,      // Cm is published for ratios above 3
    SlidingBeyondTable, // f and Cv beyond their table's highest sliding speed
    BelowServiceFactor, // the load ratio below the service factor
    SumpAboveLimit,     // ts above the user's limit
    WormCannotDrive,    // η ≤ 0: no load can be carried
    WheelCannotDrive,   // η′ ≤ 0 at this friction
    PowerWithoutSpeed,  // a power given with N1 0: no torque follows from it
};

struct RatingWarning {
    RatingWarningKind kind;
    double value = 0;
    double limit = 0;
    RatedLimit governs = RatedLimit::Surface; // for BelowServiceFactor: the limit exceeded

    friend bool operator==(const RatingWarning&, const RatingWarning&) = default;
};

struct DriveRating {
    QList<RatingFigure> figures; // in RatingFigureId order; those that cannot be made are absent
    QList<RatingWarning> warnings;
    RatingInputs inputs;
    double ratio = 0;                  // Z2 ÷ z1
    double wormDiameter = 0;           // d1, mm, which the worm-size window is read against
    std::optional<RatedLimit> governs; // the limit of the rated torque, where there is one

    std::optional<double> find(RatingFigureId id) const;
    bool has(RatingWarningKind kind) const;
};

DriveRating rateDrive(const DriveGeometry& g, const RatingInputs& in);

// Whether the figure, or the warning, is worked from the input: while one input does not read,
// a window shows every figure that does not need it.
bool ratingNeeds(RatingFigureId figure, RatingInput input);
bool ratingNeeds(RatingWarningKind warning, RatingInput input);

// The rating of the drive of the field texts, or the fault that refuses it: a field that does
// not read, or, where some figure would not be a finite number, the field whose value is
// farthest from any size a drive has (Z2 1e308, N1 1e−320), as the form refuses an overflow.
std::variant<DriveRating, Fault> rateFields(const FieldTexts& texts, const QLocale& locale,
                                            double profileAngle, const RatingInputs& in);

// The worm diameters AGMA's proportion takes for a centre distance, in mm (Shigley, Eq. 15-27:
// C^0,875 ÷ 3 ≤ d ≤ C^0,875 ÷ 1,6 with C and d in inches).
ValueRange wormSizeWindow(double centreDistance);

// The published fits in their own units and symbols: the sliding speed vs in ft/min, the ratio
// mG, the centre distance c and the wheel's diameter dG in inches, the worm's speed in rpm.
namespace Agma {

double friction(double vs);
// Nothing where the fit has no value (a ratio below 2).
std::optional<double> ratioFactor(double mG);
double velocityFactor(double vs);
double materialsFactor(Casting casting, double c, double dG);
// ft·lbf/(min·in²·°F)
double heatTransfer(double rpm, bool fan);
// in²
double minimumHousingArea(double c);

// The highest sliding speed of the tables the velocity factor's and the friction's fits
// approximate, and the ratio the ratio factor's fit starts above.
inline constexpr double slidingTableEnd = 6000;
inline constexpr double lowestFittedRatio = 3;

} // namespace Agma

// Their words, for the window and the sheet alike.
QString ratingMethod();
QString ratingCaption(RatingFigureId id);
QString ratingUnit(RatingFigureId id);
QString ratingRule(RatingFigureId id, const DriveRating& rating, const QLocale& locale);
QString ratingValue(const RatingFigure& figure, const QLocale& locale);
QString ratingWarningText(const RatingWarning& warning, const QLocale& locale);
QString castingName(Casting casting);
QString ratedLimitName(RatedLimit limit);
// AGMA's worm size for the form's centre distance and where its d1 stands, for the form to show
// beside d1 without a warning; empty where A or d1 does not read.
QString wormSizeNote(const FieldTexts& texts, const QLocale& locale);
