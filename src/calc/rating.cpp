#include "calc/rating.h"
#include "calc/angles.h"

#include "calc/wormstarts.h"
#include "model/checkednumber.h"
#include "model/formstate.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

// The one place where the program's SI units meet the fits' US units.
namespace Us {
constexpr double mmPerInch = 25.4;
constexpr double ftPerMinPerMps = 60 / 0.3048;
// 1 ft·lbf/(min·in²·°F) in W/(m²·°C)
constexpr double heatTransferSi = 1.3558179483 / 60 / (0.0254 * 0.0254) * 1.8;
constexpr double squareMetresPerSquareInch = 0.0254 * 0.0254;
constexpr double newtonsPerPound = 4.4482216152605;
} // namespace Us

// Steel's modulus of elasticity, N/mm²: 207 GPa for plain carbon and low-alloy steels (1020,
// 1040, 4140, 4340) in Callister, Materials Science and Engineering, Table B.2.
constexpr double steelModulus = 207000;

// The worm shaft's deflection, after Autodesk Inventor's guide to worm-gear strength ("Deflection
// check of worm shaft"): a worm mounted symmetrically between its bearings at a span of 2,5 × its
// threaded length b1, and allowed 0,004·m with a hardened worm, 0,01·m with a heat-treated one.
constexpr double spanPerWormLength = 2.5;
constexpr double hardenedDeflection = 0.004;
constexpr double heatTreatedDeflection = 0.01;

// Lewis's form factor y for worm-wheel teeth by the normal pressure angle, Shigley's table for
// the worm-gear adaptation of the Lewis equation (the 20° value, 0,125, is also Mott's, Table
// 10-4); the row at or below αn is taken, the weaker tooth.
constexpr std::array<std::pair<double, double>, 4> lewisFactors = {
    {{14.5, 0.100}, {20, 0.125}, {25, 0.150}, {30, 0.175}}};

std::optional<double> lewisFactor(double alphaNDegrees) {
    std::optional<double> y;
    for (const auto& [angle, factor] : lewisFactors) {
        if (alphaNDegrees >= angle - 1e-9) {
            y = factor;
        }
    }
    return y;
}

} // namespace

ValueRange wormSizeWindow(double centreDistance) {
    const double c = std::pow(centreDistance / Us::mmPerInch, 0.875);
    return {c / 3 * Us::mmPerInch, c / 1.6 * Us::mmPerInch};
}

ValueRange ratingRange(RatingInput input) {
    switch (input) {
    case RatingInput::ServiceFactor:
        return {lowestServiceFactor, highestServiceFactor};
    case RatingInput::Friction:
        return {0, 1, true, false};
    case RatingInput::Ambient:
        return {-50, 100};
    case RatingInput::SumpLimit:
        return {-50, 300};
    case RatingInput::Load:
    case RatingInput::FaceWidth:
    case RatingInput::HousingArea:
    case RatingInput::BearingSpan:
    case RatingInput::BendingAllowable:
        break;
    }
    return aboveZero;
}

std::optional<RatingInput> firstInvalid(const RatingInputs& in) {
    const std::array<std::pair<RatingInput, std::optional<double>>, 9> values = {{
        {RatingInput::Load, in.load},
        {RatingInput::ServiceFactor, in.serviceFactor},
        {RatingInput::FaceWidth, in.faceWidth},
        {RatingInput::Friction, in.friction},
        {RatingInput::HousingArea, in.housingArea},
        {RatingInput::Ambient, in.ambient},
        {RatingInput::SumpLimit, in.sumpLimit},
        {RatingInput::BearingSpan, in.bearingSpan},
        {RatingInput::BendingAllowable, in.bendingAllowable},
    }};
    for (const auto& [input, value] : values) {
        if (value && !ratingRange(input).holds(*value)) {
            return input;
        }
    }
    return std::nullopt;
}

namespace {

using F = FieldId;
// The fields a drive is read from, in the order driveGeometry reads them.
constexpr std::array<FieldId, 9> driveFields = {F::m_t,  F::Z2_t, F::d1_t,  F::d2_t, F::A_t,
                                                F::ba_t, F::N1_t, F::df1_t, F::L_t};

} // namespace

std::variant<DriveGeometry, Fault> driveGeometry(const FormState& form, double profileAngle) {
    return driveGeometry(form.texts(), form.locale(), profileAngle);
}

std::variant<DriveGeometry, Fault> driveGeometry(const FieldTexts& texts, const QLocale& locale,
                                                 double profileAngle) {
    const auto z1 = wormStarts(texts.at(indexOf(F::z1_t)), locale);
    if (const auto* fault = std::get_if<Fault>(&z1)) {
        return *fault;
    }
    std::array<double, 9> v{};
    for (std::size_t i = 0; i < driveFields.size(); ++i) {
        const CheckedNumber n =
            checkedNumber(driveFields.at(i), texts.at(indexOf(driveFields.at(i))), locale);
        if (const auto fault = n.faultFor(driveFields.at(i))) {
            return *fault;
        }
        v.at(i) = n.value();
    }
    DriveGeometry g;
    g.starts = std::get<int>(z1);
    g.module = v[0];
    g.teeth = v[1];
    g.d1 = v[2];
    g.d2 = v[3];
    g.centreDistance = v[4];
    g.faceWidth = v[5];
    g.n1 = v[6];
    g.rootDiameter = v[7];
    g.wormLength = v[8];
    g.profileAngle = profileAngle;
    // A drive with no module, no teeth or no pitch circles carries nothing.
    for (const auto& [value, field] : {std::pair{g.module, F::m_t}, std::pair{g.teeth, F::Z2_t},
                                       std::pair{g.d1, F::d1_t}, std::pair{g.d2, F::d2_t}}) {
        if (!(value > 0)) {
            return Fault{field, FaultKind::NotPositive};
        }
    }
    if (g.n1 < 0) {
        return Fault{F::N1_t, FaultKind::Negative};
    }
    return g;
}

std::optional<double> DriveRating::find(RatingFigureId id) const {
    for (const RatingFigure& f : figures) {
        if (f.id == id) {
            return f.value;
        }
    }
    return std::nullopt;
}

bool DriveRating::has(RatingWarningKind kind) const {
    return std::any_of(warnings.begin(), warnings.end(),
                       [kind](const RatingWarning& w) { return w.kind == kind; });
}

namespace Agma {

double friction(double vs) {
    if (vs <= 0) {
        return 0.15;
    }
    if (vs <= 10) {
        return 0.124 * std::exp(-0.074 * std::pow(vs, 0.645));
    }
    return 0.103 * std::exp(-0.110 * std::pow(vs, 0.450)) + 0.012;
}

std::optional<double> ratioFactor(double mG) {
    if (mG <= 20) {
        const double under = -mG * mG + 40 * mG - 76;
        if (under < 0) {
            return std::nullopt;
        }
        return 0.02 * std::sqrt(under) + 0.46;
    }
    if (mG <= 76) {
        return 0.0107 * std::sqrt(-mG * mG + 56 * mG + 5145);
    }
    return 1.1483 - 0.00658 * mG;
}

double velocityFactor(double vs) {
    if (vs < 700) {
        return 0.659 * std::exp(-0.0011 * vs);
    }
    if (vs < 3000) {
        return 13.31 * std::pow(vs, -0.571);
    }
    return 65.52 * std::pow(vs, -0.774);
}

double materialsFactor(Casting casting, double c, double dG) {
    if (c <= 3) {
        return 720 + 10.37 * c * c * c;
    }
    switch (casting) {
    case Casting::SandCast:
        return dG <= 2.5 ? 1000 : 1190 - 477 * std::log10(dG);
    case Casting::StaticChillCast:
        return dG <= 8 ? 1000 : 1412 - 456 * std::log10(dG);
    case Casting::CentrifugallyCast:
        return dG <= 25 ? 1000 : 1251 - 180 * std::log10(dG);
    }
    return 1000;
}

double heatTransfer(double rpm, bool fan) {
    return rpm / (fan ? 3939.0 : 6494.0) + 0.13;
}

double minimumHousingArea(double c) {
    return 43.20 * std::pow(c, 1.7);
}

} // namespace Agma

namespace {

// The mesh's angles, speeds, friction and efficiencies.
struct Mesh {
    double gamma = 0;  // radians
    double alphaN = 0; // radians
    double v1 = 0;     // m/s
    double vs = 0;     // m/s
    double vsFtPerMin = 0;
    double f = 0;
    double eta = 0;
    double etaBack = 0;
};

Mesh meshOf(const DriveGeometry& g, const std::optional<double>& friction) {
    Mesh k;
    k.gamma = std::atan(g.starts * g.module / g.d1);
    k.alphaN = std::atan(std::tan(g.profileAngle * radiansPerDegree) * std::cos(k.gamma));
    k.v1 = std::numbers::pi * g.d1 * g.n1 / 60000;
    k.vs = k.v1 / std::cos(k.gamma);
    k.vsFtPerMin = k.vs * Us::ftPerMinPerMps;
    k.f = friction.value_or(Agma::friction(k.vsFtPerMin));
    const double cosN = std::cos(k.alphaN);
    const double tanG = std::tan(k.gamma);
    k.eta = (cosN - k.f * tanG) / (cosN + k.f / tanG);
    k.etaBack = (cosN - k.f / tanG) / (cosN + k.f * tanG);
    return k;
}

// What the load, the rating and the heat are worked from: the mesh and the shafts' speeds.
struct Kinematics : Mesh {
    double omega1 = 0; // rad/s
    double omega2 = 0;
};

void add(DriveRating& r, RatingFigureId id, double value) {
    r.figures.append({id, value});
}

Kinematics addKinematics(DriveRating& r, const DriveGeometry& g, const RatingInputs& in) {
    using R = RatingFigureId;
    Kinematics k{meshOf(g, in.friction)};
    const double v2 = std::numbers::pi * g.d2 * (g.n1 / r.ratio) / 60000;
    add(r, R::LeadAngle, k.gamma / radiansPerDegree);
    add(r, R::NormalPressureAngle, k.alphaN / radiansPerDegree);
    add(r, R::WormPitchLineSpeed, k.v1);
    add(r, R::WheelPitchLineSpeed, v2);
    add(r, R::SlidingSpeed, k.vs);
    if (k.vsFtPerMin > Agma::slidingTableEnd) {
        r.warnings.append({RatingWarningKind::SlidingBeyondTable, k.vs,
                           Agma::slidingTableEnd / Us::ftPerMinPerMps});
    }

    const double cosN = std::cos(k.alphaN);
    add(r, R::Friction, k.f);
    add(r, R::FrictionAngle, std::atan(k.f / cosN) / radiansPerDegree);
    add(r, R::Efficiency, 100 * k.eta);
    add(r, R::BackEfficiency, 100 * k.etaBack);
    if (k.eta <= 0) {
        r.warnings.append({RatingWarningKind::WormCannotDrive, k.f, 0});
    }
    if (k.etaBack <= 0) {
        r.warnings.append({RatingWarningKind::WheelCannotDrive, k.f, 0});
    }
    k.omega1 = g.n1 * 2 * std::numbers::pi / 60;
    k.omega2 = k.omega1 / r.ratio;
    return k;
}

// The forces on the worm per newton of Wt2: its tangential force Wt1 and the separating force Wr;
// nothing where the worm cannot drive the wheel.
struct WormForces {
    double tangential = 0;
    double separating = 0;
};

std::optional<WormForces> wormForcesPerWt2(const Kinematics& k) {
    const double cosN = std::cos(k.alphaN);
    const double under = cosN * std::cos(k.gamma) - k.f * std::sin(k.gamma);
    if (!(under > 0)) {
        return std::nullopt;
    }
    return WormForces{(cosN * std::sin(k.gamma) + k.f * std::cos(k.gamma)) / under,
                      std::sin(k.alphaN) / under};
}

struct Load {
    double wt2 = 0;  // N
    double loss = 0; // kW
};

// The load from the torque or the power given; nothing where none follows.
std::optional<Load> addLoad(DriveRating& r, const DriveGeometry& g, const RatingInputs& in,
                            const Kinematics& k) {
    using R = RatingFigureId;
    if (!in.load || k.eta <= 0) {
        return std::nullopt;
    }
    double t1 = 0;
    double t2 = 0;
    double p1 = 0;
    double p2 = 0;
    if (in.given == LoadGiven::OutputTorque) {
        t2 = *in.load;
        t1 = t2 / (r.ratio * k.eta);
        p2 = t2 * k.omega2 / 1000;
        p1 = t1 * k.omega1 / 1000;
    } else if (k.omega1 > 0) {
        p1 = *in.load;
        p2 = k.eta * p1;
        t1 = 1000 * p1 / k.omega1;
        t2 = 1000 * p2 / k.omega2;
    } else {
        r.warnings.append({RatingWarningKind::PowerWithoutSpeed, *in.load, 0});
        return std::nullopt;
    }
    const Load load{2000 * t2 / g.d2, p1 - p2};
    add(r, R::InputTorque, t1);
    add(r, R::OutputTorque, t2);
    add(r, R::InputPower, p1);
    add(r, R::OutputPower, p2);
    add(r, R::PowerLoss, load.loss);
    add(r, R::WheelTangentialForce, load.wt2);
    if (const auto forces = wormForcesPerWt2(k)) {
        add(r, R::WormTangentialForce, load.wt2 * forces->tangential);
        add(r, R::SeparatingForce, load.wt2 * forces->separating);
    }
    return load;
}

// The output torque at which a tangential force Wt2 on the wheel stands, N·m.
double torqueAt(double wt2, const DriveGeometry& g) {
    return wt2 * g.d2 / 2000;
}

// AGMA's allowable tangential force, worked in the fits' units, and the torque at it.
std::optional<double> addSurface(DriveRating& r, const DriveGeometry& g, const RatingInputs& in,
                                 const Kinematics& k, double fe) {
    using R = RatingFigureId;
    const double cIn = g.centreDistance / Us::mmPerInch;
    const double d2In = g.d2 / Us::mmPerInch;
    const double cs = Agma::materialsFactor(in.casting, cIn, d2In);
    const auto cm = Agma::ratioFactor(r.ratio);
    const double cv = Agma::velocityFactor(k.vsFtPerMin);
    if (r.ratio <= Agma::lowestFittedRatio) {
        r.warnings.append({RatingWarningKind::RatioBelowFit, r.ratio, Agma::lowestFittedRatio});
    }
    add(r, R::MaterialsFactor, cs);
    if (cm) {
        add(r, R::RatioFactor, *cm);
    }
    add(r, R::VelocityFactor, cv);
    add(r, R::EffectiveFaceWidth, fe);
    if (!cm || !(fe > 0)) {
        return std::nullopt;
    }
    const double allowedLbf = cs * std::pow(d2In, 0.8) * (fe / Us::mmPerInch) * *cm * cv;
    const double allowed = allowedLbf * Us::newtonsPerPound;
    add(r, R::AllowableLoad, allowed);
    add(r, R::SurfaceTorque, torqueAt(allowed, g));
    return torqueAt(allowed, g);
}

// The wheel's teeth in bending, σ = Wt2 ÷ (pn·Fe·y); the torque at σ,all when one is given.
std::optional<double> addBending(DriveRating& r, const DriveGeometry& g, const RatingInputs& in,
                                 const Kinematics& k, double fe, const std::optional<Load>& load) {
    using R = RatingFigureId;
    const auto y = lewisFactor(k.alphaN / radiansPerDegree);
    if (!y || !(fe > 0)) {
        return std::nullopt;
    }
    const double pn = std::numbers::pi * g.module * std::cos(k.gamma);
    const double stressPerNewton = 1 / (pn * fe * *y);
    add(r, R::LewisFactor, *y);
    add(r, R::NormalPitch, pn);
    if (load) {
        add(r, R::BendingStress, load->wt2 * stressPerNewton);
    }
    if (!in.bendingAllowable) {
        return std::nullopt;
    }
    add(r, R::BendingAllowable, *in.bendingAllowable);
    if (load) {
        add(r, R::BendingRatio, load->wt2 * stressPerNewton / *in.bendingAllowable);
    }
    const double torque = torqueAt(*in.bendingAllowable / stressPerNewton, g);
    add(r, R::BendingTorque, torque);
    return torque;
}

// The worm shaft, simply supported at the bearing span l under the resultant of Wt1 and Wr:
// y = F·l³ ÷ (48·E·I), I = π·df1⁴ ÷ 64; the torque at which y reaches the allowable.
std::optional<double> addDeflection(DriveRating& r, const DriveGeometry& g, const RatingInputs& in,
                                    const Kinematics& k, const std::optional<Load>& load) {
    using R = RatingFigureId;
    const auto forces = wormForcesPerWt2(k);
    const double span = in.bearingSpan.value_or(spanPerWormLength * g.wormLength);
    if (!forces || !(span > 0)) {
        return std::nullopt;
    }
    const double forcePerWt2 = std::hypot(forces->tangential, forces->separating);
    const double core = std::max(g.rootDiameter, 0.0);
    const double inertia = std::numbers::pi * std::pow(core, 4) / 64;
    const double allowable =
        (in.hardenedWorm ? hardenedDeflection : heatTreatedDeflection) * g.module;
    const double stiffness = 48 * steelModulus * inertia / std::pow(span, 3); // N per mm
    if (load) {
        add(r, R::ShaftForce, load->wt2 * forcePerWt2);
    }
    add(r, R::BearingSpan, span);
    add(r, R::SecondMoment, inertia);
    if (load && inertia > 0) {
        const double deflection = load->wt2 * forcePerWt2 / stiffness;
        add(r, R::Deflection, deflection);
        add(r, R::AllowableDeflection, allowable);
        add(r, R::DeflectionRatio, deflection / allowable);
    } else {
        add(r, R::AllowableDeflection, allowable);
    }
    // A worm without a core below its threads carries nothing.
    const double torque = torqueAt(allowable * stiffness / forcePerWt2, g);
    add(r, R::DeflectionTorque, torque);
    return torque;
}

// The rated torque, the least of the limits, with the one that governs; nothing without the
// surface durability, on which the method stands.
void addRating(DriveRating& r, const DriveGeometry& g, const RatingInputs& in, const Kinematics& k,
               const std::optional<Load>& load) {
    using R = RatingFigureId;
    const ValueRange window = wormSizeWindow(g.centreDistance);
    add(r, R::WormSizeLow, window.low);
    add(r, R::WormSizeHigh, window.high);
    const double fe = std::min(in.faceWidth.value_or(g.faceWidth), 0.67 * g.d1);
    const auto surface = addSurface(r, g, in, k, fe);
    const auto bending = addBending(r, g, in, k, fe, load);
    const auto deflection = addDeflection(r, g, in, k, load);
    if (!surface) {
        return;
    }
    double rated = *surface;
    r.governs = RatedLimit::Surface;
    for (const auto& [torque, limit] :
         {std::pair{bending, RatedLimit::Bending}, std::pair{deflection, RatedLimit::Deflection}}) {
        if (torque && *torque < rated) {
            rated = *torque;
            r.governs = limit;
        }
    }
    add(r, R::RatedTorque, rated);
    add(r, R::RatedPower, rated * k.omega2 / 1000);
    if (load && load->wt2 > 0) {
        const double ratio = rated / torqueAt(load->wt2, g);
        add(r, R::LoadRatio, ratio);
        if (ratio < in.serviceFactor) {
            r.warnings.append(
                {RatingWarningKind::BelowServiceFactor, ratio, in.serviceFactor, *r.governs});
        }
    }
}

void addHeat(DriveRating& r, const DriveGeometry& g, const RatingInputs& in,
             const std::optional<Load>& load) {
    using R = RatingFigureId;
    const double h = Agma::heatTransfer(g.n1, in.fan) * Us::heatTransferSi;
    const double area = in.housingArea.value_or(
        Agma::minimumHousingArea(g.centreDistance / Us::mmPerInch) * Us::squareMetresPerSquareInch);
    add(r, R::HeatTransfer, h);
    add(r, R::HousingArea, area);
    if (load && area > 0) {
        const double ts = in.ambient + 1000 * load->loss / (h * area);
        add(r, R::SumpTemperature, ts);
        if (in.sumpLimit && ts > *in.sumpLimit) {
            r.warnings.append({RatingWarningKind::SumpAboveLimit, ts, *in.sumpLimit});
        }
    }
}

} // namespace

DriveRating rateDrive(const DriveGeometry& g, const RatingInputs& in) {
    DriveRating r;
    r.inputs = in;
    r.ratio = g.teeth / g.starts;
    r.wormDiameter = g.d1;
    const Kinematics k = addKinematics(r, g, in);
    const std::optional<Load> load = addLoad(r, g, in, k);
    addRating(r, g, in, k, load);
    addHeat(r, g, in, load);
    return r;
}

bool ratingNeeds(RatingFigureId figure, RatingInput input) {
    using R = RatingFigureId;
    const auto among = [figure](std::initializer_list<R> ids) {
        return std::find(ids.begin(), ids.end(), figure) != ids.end();
    };
    // Every limit's torque reaches the rated torque, its power and the load's ratio to it.
    const bool rated = among({R::RatedTorque, R::RatedPower, R::LoadRatio});
    const bool loaded = (figure >= R::InputTorque && figure <= R::SeparatingForce) ||
                        among({R::BendingStress, R::BendingRatio, R::ShaftForce, R::Deflection,
                               R::DeflectionRatio, R::LoadRatio, R::SumpTemperature});
    const bool deflection = figure >= R::ShaftForce && figure <= R::DeflectionTorque;
    switch (input) {
    case RatingInput::Load:
        return loaded;
    case RatingInput::ServiceFactor:
        return figure == R::LoadRatio;
    case RatingInput::FaceWidth:
        return (figure >= R::EffectiveFaceWidth && figure <= R::BendingTorque) || rated;
    case RatingInput::Friction:
        return (figure >= R::Friction && figure <= R::SeparatingForce) || deflection || rated ||
               figure == R::SumpTemperature;
    case RatingInput::HousingArea:
        return figure == R::HousingArea || figure == R::SumpTemperature;
    case RatingInput::Ambient:
        return figure == R::SumpTemperature;
    case RatingInput::SumpLimit:
        return false;
    case RatingInput::BearingSpan:
        return (deflection && figure != R::ShaftForce) || rated;
    case RatingInput::BendingAllowable:
        return (figure >= R::BendingAllowable && figure <= R::BendingTorque) || rated;
    }
    return true;
}

bool ratingNeeds(RatingWarningKind warning, RatingInput input) {
    using R = RatingFigureId;
    switch (warning) {
    case RatingWarningKind::RatioBelowFit:
        return ratingNeeds(R::RatioFactor, input);
    case RatingWarningKind::SlidingBeyondTable:
        return ratingNeeds(R::SlidingSpeed, input);
    case RatingWarningKind::BelowServiceFactor:
        return ratingNeeds(R::LoadRatio, input);
    case RatingWarningKind::SumpAboveLimit:
        return input == RatingInput::SumpLimit || ratingNeeds(R::SumpTemperature, input);
    case RatingWarningKind::WormCannotDrive:
    case RatingWarningKind::WheelCannotDrive:
        return ratingNeeds(R::Efficiency, input);
    case RatingWarningKind::PowerWithoutSpeed:
        return ratingNeeds(R::InputPower, input);
    }
    return true;
}

std::variant<DriveRating, Fault> rateFields(const FieldTexts& texts, const QLocale& locale,
                                            double profileAngle, const RatingInputs& in) {
    const auto drive = driveGeometry(texts, locale, profileAngle);
    if (const auto* fault = std::get_if<Fault>(&drive)) {
        return *fault;
    }
    const auto& g = std::get<DriveGeometry>(drive);
    DriveRating rating = rateDrive(g, in);
    const bool finite =
        std::all_of(rating.figures.begin(), rating.figures.end(),
                    [](const RatingFigure& f) { return std::isfinite(f.value); }) &&
        std::all_of(rating.warnings.begin(), rating.warnings.end(), [](const RatingWarning& w) {
            return std::isfinite(w.value) && std::isfinite(w.limit);
        });
    if (finite) {
        return rating;
    }
    // Every size was read, so the culprit is the one of the most extreme order of magnitude.
    const std::array<double, 9> values = {g.module, g.teeth,          g.d1,
                                          g.d2,     g.centreDistance, g.faceWidth,
                                          g.n1,     g.rootDiameter,   g.wormLength};
    std::array<std::pair<FieldId, double>, 9> inputs;
    for (std::size_t i = 0; i < values.size(); ++i) {
        inputs.at(i) = {driveFields.at(i), values.at(i)};
    }
    return outOfScale(inputs);
}
