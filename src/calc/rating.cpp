#include "calc/rating.h"
#include "calc/angles.h"

#include "calc/hobangles.h"
#include "calc/jobsheet.h"
#include "calc/wormstarts.h"
#include "model/checkednumber.h"
#include "model/formstate.h"

#include <QCoreApplication>

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

} // namespace

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
        break;
    }
    return aboveZero;
}

std::optional<RatingInput> firstInvalid(const RatingInputs& in) {
    const std::array<std::pair<RatingInput, std::optional<double>>, 7> values = {{
        {RatingInput::Load, in.load},
        {RatingInput::ServiceFactor, in.serviceFactor},
        {RatingInput::FaceWidth, in.faceWidth},
        {RatingInput::Friction, in.friction},
        {RatingInput::HousingArea, in.housingArea},
        {RatingInput::Ambient, in.ambient},
        {RatingInput::SumpLimit, in.sumpLimit},
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
constexpr std::array<FieldId, 7> driveFields = {F::m_t, F::Z2_t, F::d1_t, F::d2_t,
                                                F::A_t, F::ba_t, F::N1_t};

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
    std::array<double, 7> v{};
    const auto& fields = driveFields;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const CheckedNumber n =
            checkedNumber(fields.at(i), texts.at(indexOf(fields.at(i))), locale);
        if (const auto fault = n.faultFor(fields.at(i))) {
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

// The mesh's angles, speeds, friction and efficiencies, which the rating and a bare efficiency
// share.
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
    const double cosN = std::cos(k.alphaN);
    const double under = cosN * std::cos(k.gamma) - k.f * std::sin(k.gamma);
    const Load load{2000 * t2 / g.d2, p1 - p2};
    add(r, R::InputTorque, t1);
    add(r, R::OutputTorque, t2);
    add(r, R::InputPower, p1);
    add(r, R::OutputPower, p2);
    add(r, R::PowerLoss, load.loss);
    add(r, R::WheelTangentialForce, load.wt2);
    add(r, R::WormTangentialForce,
        load.wt2 * (cosN * std::sin(k.gamma) + k.f * std::cos(k.gamma)) / under);
    add(r, R::SeparatingForce, load.wt2 * std::sin(k.alphaN) / under);
    return load;
}

// The allowable load, worked in the fits' units.
void addRating(DriveRating& r, const DriveGeometry& g, const RatingInputs& in, const Kinematics& k,
               const std::optional<Load>& load) {
    using R = RatingFigureId;
    const double cIn = g.centreDistance / Us::mmPerInch;
    const double d2In = g.d2 / Us::mmPerInch;
    const double fe = std::min(in.faceWidth.value_or(g.faceWidth), 0.67 * g.d1);
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
        return;
    }
    const double allowedLbf = cs * std::pow(d2In, 0.8) * (fe / Us::mmPerInch) * *cm * cv;
    const double allowed = allowedLbf * Us::newtonsPerPound;
    const double ratedTorque = allowed * g.d2 / 2000;
    add(r, R::AllowableLoad, allowed);
    add(r, R::RatedTorque, ratedTorque);
    add(r, R::RatedPower, ratedTorque * k.omega2 / 1000);
    if (load && load->wt2 > 0) {
        const double ratio = allowed / load->wt2;
        add(r, R::LoadRatio, ratio);
        if (ratio < in.serviceFactor) {
            r.warnings.append({RatingWarningKind::BelowServiceFactor, ratio, in.serviceFactor});
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
    const Kinematics k = addKinematics(r, g, in);
    const std::optional<Load> load = addLoad(r, g, in, k);
    addRating(r, g, in, k, load);
    addHeat(r, g, in, load);
    return r;
}

bool ratingNeeds(RatingFigureId figure, RatingInput input) {
    using R = RatingFigureId;
    const bool load = figure >= R::InputTorque && figure <= R::SeparatingForce;
    const bool rated = figure >= R::EffectiveFaceWidth && figure <= R::LoadRatio;
    switch (input) {
    case RatingInput::Load:
        return load || figure == R::LoadRatio || figure == R::SumpTemperature;
    case RatingInput::ServiceFactor:
        return figure == R::LoadRatio;
    case RatingInput::FaceWidth:
        return rated;
    case RatingInput::Friction:
        return (figure >= R::Friction && figure <= R::SeparatingForce) || figure == R::LoadRatio ||
               figure == R::SumpTemperature;
    case RatingInput::HousingArea:
        return figure == R::HousingArea || figure == R::SumpTemperature;
    case RatingInput::Ambient:
        return figure == R::SumpTemperature;
    case RatingInput::SumpLimit:
        return false;
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
    const DriveGeometry& g = std::get<DriveGeometry>(drive);
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
    const std::array<double, 7> values = {g.module,         g.teeth,     g.d1, g.d2,
                                          g.centreDistance, g.faceWidth, g.n1};
    FieldId culprit = F::m_t;
    double worst = -1;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double x = std::abs(values.at(i));
        const double scale = x > 0 ? std::abs(std::log10(x)) : 0;
        if (scale > worst) {
            worst = scale;
            culprit = driveFields.at(i);
        }
    }
    return Fault{culprit, FaultKind::OutOfScale};
}

double wormDrivingEfficiency(const DriveGeometry& g) {
    return meshOf(g, std::nullopt).eta;
}

QString ratingMethod() {
    return QCoreApplication::translate("Rating", "AGMA yöntemi (Shigley, 15. bölüm)");
}

QString castingName(Casting casting) {
    switch (casting) {
    case Casting::SandCast:
        return QCoreApplication::translate("Rating", "kum döküm");
    case Casting::StaticChillCast:
        return QCoreApplication::translate("Rating", "kokil döküm");
    case Casting::CentrifugallyCast:
        return QCoreApplication::translate("Rating", "santrifüj döküm");
    }
    return {};
}

QString ratingCaption(RatingFigureId id) {
    using R = RatingFigureId;
    const auto t = [](const char* text) { return QCoreApplication::translate("Rating", text); };
    switch (id) {
    case R::LeadAngle:
        return t(QT_TRANSLATE_NOOP("Rating", "VİDA HELİS AÇISI (γ)"));
    case R::NormalPressureAngle:
        return t(QT_TRANSLATE_NOOP("Rating", "NORMAL KAVRAMA AÇISI (αn)"));
    case R::WormPitchLineSpeed:
        return t(QT_TRANSLATE_NOOP("Rating", "VİDA ÇEVRE HIZI (v1)"));
    case R::WheelPitchLineSpeed:
        return t(QT_TRANSLATE_NOOP("Rating", "DİŞLİ ÇEVRE HIZI (v2)"));
    case R::SlidingSpeed:
        return t(QT_TRANSLATE_NOOP("Rating", "KAYMA HIZI (vs)"));
    case R::Friction:
        return t(QT_TRANSLATE_NOOP("Rating", "SÜRTÜNME KATSAYISI (f)"));
    case R::FrictionAngle:
        return t(QT_TRANSLATE_NOOP("Rating", "SÜRTÜNME AÇISI (ρ′)"));
    case R::Efficiency:
        return t(QT_TRANSLATE_NOOP("Rating", "VERİM, VİDA SÜRERKEN (η)"));
    case R::BackEfficiency:
        return t(QT_TRANSLATE_NOOP("Rating", "VERİM, DİŞLİ SÜRERKEN (η′)"));
    case R::InputTorque:
        return t(QT_TRANSLATE_NOOP("Rating", "GİRİŞ MOMENTİ (T1)"));
    case R::OutputTorque:
        return t(QT_TRANSLATE_NOOP("Rating", "ÇIKIŞ MOMENTİ (T2)"));
    case R::InputPower:
        return t(QT_TRANSLATE_NOOP("Rating", "GİRİŞ GÜCÜ (P1)"));
    case R::OutputPower:
        return t(QT_TRANSLATE_NOOP("Rating", "ÇIKIŞ GÜCÜ (P2)"));
    case R::PowerLoss:
        return t(QT_TRANSLATE_NOOP("Rating", "GÜÇ KAYBI (Pv)"));
    case R::WheelTangentialForce:
        return t(QT_TRANSLATE_NOOP("Rating", "DİŞLİ ÇEVRE KUVVETİ = VİDA EKSENEL KUVVETİ (Wt2)"));
    case R::WormTangentialForce:
        return t(QT_TRANSLATE_NOOP("Rating", "VİDA ÇEVRE KUVVETİ = DİŞLİ EKSENEL KUVVETİ (Wt1)"));
    case R::SeparatingForce:
        return t(QT_TRANSLATE_NOOP("Rating", "AYIRMA KUVVETİ (Wr)"));
    case R::MaterialsFactor:
        return t(QT_TRANSLATE_NOOP("Rating", "MALZEME FAKTÖRÜ (Cs)"));
    case R::RatioFactor:
        return t(QT_TRANSLATE_NOOP("Rating", "ORAN FAKTÖRÜ (Cm)"));
    case R::VelocityFactor:
        return t(QT_TRANSLATE_NOOP("Rating", "HIZ FAKTÖRÜ (Cv)"));
    case R::EffectiveFaceWidth:
        return t(QT_TRANSLATE_NOOP("Rating", "ETKİN DİŞ GENİŞLİĞİ (Fe)"));
    case R::AllowableLoad:
        return t(QT_TRANSLATE_NOOP("Rating", "İZİN VERİLEN ÇEVRE KUVVETİ (Wt,all)"));
    case R::RatedTorque:
        return t(QT_TRANSLATE_NOOP("Rating", "TAŞINABİLEN ÇIKIŞ MOMENTİ"));
    case R::RatedPower:
        return t(QT_TRANSLATE_NOOP("Rating", "TAŞINABİLEN ÇIKIŞ GÜCÜ (N1'de)"));
    case R::LoadRatio:
        return t(QT_TRANSLATE_NOOP("Rating", "TAŞIMA ORANI (Wt,all ÷ Wt2)"));
    case R::HeatTransfer:
        return t(QT_TRANSLATE_NOOP("Rating", "ISI GEÇİŞ KATSAYISI (h)"));
    case R::HousingArea:
        return t(QT_TRANSLATE_NOOP("Rating", "GÖVDE YAN YÜZEYİ (A)"));
    case R::SumpTemperature:
        return t(QT_TRANSLATE_NOOP("Rating", "YAĞ SICAKLIĞI (ts)"));
    }
    return {};
}

QString ratingUnit(RatingFigureId id) {
    using R = RatingFigureId;
    switch (id) {
    case R::LeadAngle: // its value carries its own degrees and minutes
        return {};
    case R::NormalPressureAngle:
    case R::FrictionAngle:
        return QStringLiteral("°");
    case R::WormPitchLineSpeed:
    case R::WheelPitchLineSpeed:
    case R::SlidingSpeed:
        return QStringLiteral("m/s");
    case R::Efficiency:
    case R::BackEfficiency: // its value carries the sign, before or after as the locale puts it
        return {};
    case R::InputTorque:
    case R::OutputTorque:
    case R::RatedTorque:
        return QStringLiteral("N·m");
    case R::InputPower:
    case R::OutputPower:
    case R::PowerLoss:
    case R::RatedPower:
        return QStringLiteral("kW");
    case R::WheelTangentialForce:
    case R::WormTangentialForce:
    case R::SeparatingForce:
    case R::AllowableLoad:
        return QStringLiteral("N");
    case R::EffectiveFaceWidth:
        return QStringLiteral("mm");
    case R::HeatTransfer:
        return QStringLiteral("W/(m²·°C)");
    case R::HousingArea:
        return QStringLiteral("m²");
    case R::SumpTemperature:
        return QStringLiteral("°C");
    case R::Friction:
    case R::MaterialsFactor:
    case R::RatioFactor:
    case R::VelocityFactor:
    case R::LoadRatio:
        return {};
    }
    return {};
}

QString ratingValue(const RatingFigure& figure, const QLocale& locale) {
    using R = RatingFigureId;
    if (figure.id == R::LeadAngle) {
        // In the notation of the form's second section, to the same minute.
        return degreesAndMinutes(leadAngle(std::tan(figure.value * radiansPerDegree)).notation);
    }
    if (figure.id == R::BackEfficiency && figure.value <= 0) {
        return QStringLiteral("—"); // the warning says why
    }
    if (figure.id == R::Efficiency || figure.id == R::BackEfficiency) {
        return percentText(figure.value, locale);
    }
    int decimals = 2;
    switch (figure.id) {
    case R::WormPitchLineSpeed:
    case R::WheelPitchLineSpeed:
    case R::SlidingSpeed:
    case R::InputPower:
    case R::OutputPower:
    case R::PowerLoss:
    case R::RatedPower:
        decimals = 3;
        break;
    case R::Friction:
    case R::RatioFactor:
    case R::VelocityFactor:
    case R::HousingArea:
        decimals = 4;
        break;
    case R::WheelTangentialForce:
    case R::WormTangentialForce:
    case R::SeparatingForce:
    case R::AllowableLoad:
    case R::MaterialsFactor:
    case R::SumpTemperature:
        decimals = 1;
        break;
    default:
        break;
    }
    return sheetNumber(figure.value, locale, decimals);
}

QString ratingRule(RatingFigureId id, const DriveRating& rating, const QLocale& locale) {
    using R = RatingFigureId;
    const auto t = [](const char* text) { return QCoreApplication::translate("Rating", text); };
    const RatingInputs& in = rating.inputs;
    switch (id) {
    case R::LeadAngle:
        return t(QT_TRANSLATE_NOOP("Rating", "atan(z1·m ÷ d1)"));
    case R::NormalPressureAngle:
        return t(QT_TRANSLATE_NOOP("Rating", "atan(tan αx · cos γ), αx profil açısı"));
    case R::WormPitchLineSpeed:
        return t(QT_TRANSLATE_NOOP("Rating", "π·d1·N1 ÷ %1")).arg(sheetNumber(60000, locale));
    case R::WheelPitchLineSpeed:
        return t(QT_TRANSLATE_NOOP("Rating", "π·d2·N2 ÷ %1")).arg(sheetNumber(60000, locale));
    case R::SlidingSpeed:
        return t(QT_TRANSLATE_NOOP("Rating", "v1 ÷ cos γ"));
    case R::Friction:
        return in.friction ? t(QT_TRANSLATE_NOOP("Rating", "kullanıcının ölçtüğü değer"))
                           : t(QT_TRANSLATE_NOOP("Rating", "AGMA eğrisi, kayma hızına göre"));
    case R::FrictionAngle:
        return t(QT_TRANSLATE_NOOP("Rating", "atan(f ÷ cos αn)"));
    case R::Efficiency:
        return t(QT_TRANSLATE_NOOP("Rating", "(cos αn − f·tan γ) ÷ (cos αn + f·cot γ); yalnız "
                                             "kavramanın verimi, yataklar ve keçeler hariç"));
    case R::BackEfficiency:
        return t(QT_TRANSLATE_NOOP("Rating", "(cos αn − f·cot γ) ÷ (cos αn + f·tan γ)"));
    case R::InputTorque:
        return in.given == LoadGiven::InputPower ? t(QT_TRANSLATE_NOOP("Rating", "verilen P1'den"))
                                                 : t(QT_TRANSLATE_NOOP("Rating", "T2 ÷ (i·η)"));
    case R::OutputTorque:
        return in.given == LoadGiven::OutputTorque ? t(QT_TRANSLATE_NOOP("Rating", "verilen"))
                                                   : t(QT_TRANSLATE_NOOP("Rating", "P2 ÷ ω2"));
    case R::InputPower:
        return in.given == LoadGiven::InputPower ? t(QT_TRANSLATE_NOOP("Rating", "verilen"))
                                                 : t(QT_TRANSLATE_NOOP("Rating", "T1·ω1"));
    case R::OutputPower:
        return in.given == LoadGiven::InputPower ? t(QT_TRANSLATE_NOOP("Rating", "η·P1"))
                                                 : t(QT_TRANSLATE_NOOP("Rating", "T2·ω2"));
    case R::PowerLoss:
        return t(QT_TRANSLATE_NOOP("Rating", "P1 − P2"));
    case R::WheelTangentialForce:
        return t(QT_TRANSLATE_NOOP("Rating", "2·T2 ÷ d2"));
    case R::WormTangentialForce:
        return t(
            QT_TRANSLATE_NOOP("Rating", "Wt2·(cos αn·sin γ + f·cos γ) ÷ (cos αn·cos γ − f·sin γ)"));
    case R::SeparatingForce:
        return t(QT_TRANSLATE_NOOP("Rating", "Wt2·sin αn ÷ (cos αn·cos γ − f·sin γ)"));
    case R::MaterialsFactor:
        return t(QT_TRANSLATE_NOOP("Rating", "bronz dişli, %1; merkez mesafesine ve d2'ye göre"))
            .arg(castingName(in.casting));
    case R::RatioFactor:
        return t(QT_TRANSLATE_NOOP("Rating", "i = %1 oranına göre"))
            .arg(sheetNumber(rating.ratio, locale, 2));
    case R::VelocityFactor:
        return t(QT_TRANSLATE_NOOP("Rating", "kayma hızına göre"));
    case R::EffectiveFaceWidth:
        return (in.faceWidth ? t(QT_TRANSLATE_NOOP("Rating", "verilen genişlik, en çok %1·d1"))
                             : t(QT_TRANSLATE_NOOP("Rating", "ba, en çok %1·d1")))
            .arg(sheetNumber(0.67, locale));
    case R::AllowableLoad:
        return t(QT_TRANSLATE_NOOP("Rating", "Cs·d2^%1·Fe·Cm·Cv (lbf, inç)"))
            .arg(sheetNumber(0.8, locale));
    case R::RatedTorque:
        return t(QT_TRANSLATE_NOOP("Rating", "Wt,all·d2 ÷ 2"));
    case R::RatedPower:
        return t(QT_TRANSLATE_NOOP("Rating", "taşınabilen moment·ω2"));
    case R::LoadRatio:
        return t(QT_TRANSLATE_NOOP("Rating", "servis faktörü %1"))
            .arg(sheetNumber(in.serviceFactor, locale, 2));
    case R::HeatTransfer:
        return in.fan ? t(QT_TRANSLATE_NOOP("Rating", "AGMA eğrisi, vida milinde fanla"))
                      : t(QT_TRANSLATE_NOOP("Rating", "AGMA eğrisi, fansız"));
    case R::HousingArea:
        return in.housingArea
                   ? t(QT_TRANSLATE_NOOP("Rating", "verilen"))
                   : t(QT_TRANSLATE_NOOP("Rating", "AGMA en küçük alanı, merkez mesafesinden"));
    case R::SumpTemperature:
        return t(QT_TRANSLATE_NOOP("Rating", "ta + Pv ÷ (h·A), ta = %1 °C"))
            .arg(sheetNumber(in.ambient, locale, 1));
    }
    return {};
}

QString ratingWarningText(const RatingWarning& w, const QLocale& locale) {
    const auto n = [&locale](double x, int decimals) { return sheetNumber(x, locale, decimals); };
    switch (w.kind) {
    case RatingWarningKind::RatioBelowFit:
        return QCoreApplication::translate(
                   "Rating", "Cm eğrisi %1'ten büyük oranlar için yayımlandı; oran %2, bu aralığın "
                             "dışında.")
            .arg(n(w.limit, 0), n(w.value, 2));
    case RatingWarningKind::SlidingBeyondTable:
        return QCoreApplication::translate(
                   "Rating", "Kayma hızı %1 m/s: f ve Cv eğrilerinin tablosu %2 m/s'de biter.")
            .arg(n(w.value, 2), n(w.limit, 2));
    case RatingWarningKind::BelowServiceFactor:
        return QCoreApplication::translate(
                   "Rating", "Verilen yük değeri aşıyor: taşıma oranı %1, servis faktörü %2.")
            .arg(n(w.value, 2), n(w.limit, 2));
    case RatingWarningKind::SumpAboveLimit:
        return QCoreApplication::translate("Rating",
                                           "Yağ sıcaklığı %1 °C, verilen sınır %2 °C'nin üstünde.")
            .arg(n(w.value, 1), n(w.limit, 1));
    case RatingWarningKind::WormCannotDrive:
        return QCoreApplication::translate(
                   "Rating", "f = %1 sürtünmede vida dişliyi döndüremez: yük hesaplanmadı.")
            .arg(n(w.value, 4));
    case RatingWarningKind::WheelCannotDrive:
        return QCoreApplication::translate(
                   "Rating", "f = %1 sürtünmede dişli sonsuz vidayı döndüremez; duruş sürtünmesi "
                             "ve titreşim bunu değiştirir.")
            .arg(n(w.value, 4));
    case RatingWarningKind::PowerWithoutSpeed:
        return QCoreApplication::translate(
            "Rating", "N1 sıfırken verilen güçten moment çıkmaz: yük hesaplanmadı.");
    }
    return {};
}
