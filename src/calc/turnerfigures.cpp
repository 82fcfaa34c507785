#include "calc/turnerfigures.h"
#include "calc/angles.h"

#include "calc/wormstarts.h"
#include "model/formstate.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

// The b1 and b2 rules are tabled for up to four starts; more take the four-start rule.
constexpr int tabledStarts = 4;

// The largest value of a function with one peak on [lo, hi], and where it is.
template <typename Fn> std::pair<double, double> goldenMax(Fn fn, double lo, double hi) {
    const double g = (std::sqrt(5.0) - 1) / 2;
    double c = hi - g * (hi - lo);
    double d = lo + g * (hi - lo);
    double fc = fn(c);
    double fd = fn(d);
    // Enough to bring any bracket here below a nanometre; a bracket narrower than the doubles
    // around it can tell apart stops sooner, as nothing shown would change.
    constexpr int steps = 80;
    constexpr double narrowest = 1e-10;
    for (int i = 0; i < steps && hi - lo > narrowest * std::max(1.0, std::abs(lo) + std::abs(hi));
         ++i) {
        if (fc > fd) {
            hi = d;
            d = c;
            fd = fc;
            c = hi - g * (hi - lo);
            fc = fn(c);
        } else {
            lo = c;
            c = d;
            fc = fd;
            d = lo + g * (hi - lo);
            fd = fn(d);
        }
    }
    const double x = (lo + hi) / 2;
    return {fn(x), x};
}

// The blank's limits, which the figures show and the warnings hold the form's sizes against.
double faceWidthLimit(int starts, double da1) {
    return (starts <= 3 ? 0.75 : 0.67) * da1;
}
double wormLengthLimit(int starts, double z2, double m) {
    return (starts <= 2 ? 11 + 0.06 * z2 : 12.5 + 0.09 * z2) * m;
}

} // namespace

// The worm's axis is z, the measuring direction x. A flank point at radius r and angle θ lies at
// z = ex ÷ 2 + (r − r1) tan α + lead × θ ÷ 2π, the groove's half-width ex ÷ 2 = px ÷ 4 at the
// pitch radius. The wire's axis passes through (X, 0, 0) along (0, cos β, sin β), β the lead
// angle at d1. A flank point keeps the wire out while X < x + √(ρ² − e²), e being its offset
// from the axis along the wire's cross-section; the wire comes to rest at the largest such X,
// and by symmetry touches the other flank at the mirror point.
WireContact wireContact(double module, double lead, double d1, double alpha, double wire,
                        double df1, double da1, double thinning) {
    const double r1 = d1 / 2;
    const double rho = wire / 2;
    const double halfGroove = std::numbers::pi * module / 4 + thinning / 2;
    const double beta = std::atan(lead / (std::numbers::pi * d1));
    const double sinB = std::sin(beta);
    const double cosB = std::cos(beta);
    const double tanA = std::tan(alpha);
    const auto keepsOut = [&](double r, double theta) {
        const double z = halfGroove + (r - r1) * tanA + lead * theta / (2 * std::numbers::pi);
        const double e = r * std::sin(theta) * sinB - z * cosB;
        // Beyond the wire's reach the point does not bear on it; the slope keeps one peak.
        if (std::abs(e) >= rho) {
            return r * std::cos(theta) - 10 * (std::abs(e) - rho);
        }
        return r * std::cos(theta) + std::sqrt(rho * rho - e * e);
    };
    constexpr double turn = 0.8; // radians either side, short of the next start's groove
    const auto heldAt = [&](double radius) {
        return goldenMax([&](double theta) { return keepsOut(radius, theta); }, -turn, turn).first;
    };
    // Only the flank between root and tip holds the wire out. The search comes close to an edge
    // but never onto it, so each edge is weighed on its own: a wire held out furthest there
    // rests on that edge.
    const double root = std::max(df1 / 2, 0.0);
    const double tip = da1 / 2;
    auto [x, r] = goldenMax(heldAt, root, tip);
    WireContact::Rest rest = WireContact::Rest::Flanks;
    for (const auto& [edge, on] : {std::pair{tip, WireContact::Rest::TipEdge},
                                   std::pair{root, WireContact::Rest::RootEdge}}) {
        if (const double held = heldAt(edge); held >= x) {
            x = held;
            r = edge;
            rest = on;
        }
    }
    return {2 * x + wire, 2 * r, rest};
}

QString evenStartsNote() {
    return QCoreApplication::translate("Turner",
                                       "Ağız sayısı çift: bir yandaki iki tel aynı "
                                       "ağzın oluklarına, bir helis adımı arayla oturur.");
}

QString wireRefusalText(const WireOutOfReach& w, const QLocale& locale) {
    const QString where =
        w.contact >= w.tip
            ? QCoreApplication::translate("Turner",
                                          "Tel yanaklara değmeden dişin üst kenarına (da1 = %1 mm) "
                                          "dayanıyor; M bir şey ölçmez.")
                  .arg(micrometerText(w.tip, locale))
            : QCoreApplication::translate("Turner",
                                          "Tel yanaklara değmeden diş dibine (df1 = %1 mm) "
                                          "dayanıyor; M bir şey ölçmez.")
                  .arg(micrometerText(w.root, locale));
    if (!w.usable) {
        return QCoreApplication::translate("Turner", "%1 Bu vidada yanaklara değen tel yok.")
            .arg(where);
    }
    return QCoreApplication::translate("Turner",
                                       "%1 Bu vida için tel çapı %2 ile %3 mm arasında olmalı.")
        .arg(where, micrometerText(w.usable->first, locale),
             micrometerText(w.usable->second, locale));
}

QString thinningBeyondText(double halfThickness, const QLocale& locale) {
    return QCoreApplication::translate("Turner",
                                       "Diş inceltmesi, dişin taşıyabileceğinden fazla: en çok "
                                       "inceltme sx ÷ 2 = %1 µm'den az olmalı. M'nin sınırları "
                                       "verilmedi.")
        .arg(locale.toString(halfThickness, 'f', 0));
}

QString overWiresText(const TurnerFigures& figures, const QLocale& locale) {
    const double m = figures.value(FigureId::OverWires);
    if (!figures.overWiresLimits) {
        return micrometerText(m, locale);
    }
    const auto deviation = [&](double limit) {
        const double d = limit - m;
        // U+2212, the minus sign a drawing's tolerance carries.
        return (d < 0 ? QStringLiteral("\u2212") : QStringLiteral("+")) +
               micrometerText(std::abs(d), locale);
    };
    return QStringLiteral("%1 (%2 / %3)")
        .arg(micrometerText(m, locale), deviation(figures.overWiresLimits->first),
             deviation(figures.overWiresLimits->second));
}

double TurnerFigures::value(FigureId id) const {
    for (const Figure& f : figures) {
        if (f.id == id) {
            return f.value;
        }
    }
    return 0;
}

namespace {

// M over the thread thinned by the least and by the most allowance, µm, through the same solve.
template <typename Solve>
std::optional<std::pair<double, double>> thinnedLimits(const WireGauge& gauge, Solve solve) {
    if (gauge.leastThinning == 0 && gauge.mostThinning == 0) {
        return std::nullopt;
    }
    const WireContact upper = solve(gauge.leastThinning / 1000);
    const WireContact lower = solve(gauge.mostThinning / 1000);
    if (upper.rest != WireContact::Rest::Flanks || lower.rest != WireContact::Rest::Flanks) {
        return std::nullopt;
    }
    return std::pair{upper.overWires, lower.overWires};
}

// A wire that rests on an edge of the thread, with the wires that would touch its flanks.
WireOutOfReach wireOutOfReach(double m, double lead, double d1, double alpha,
                              WireContact::Rest rest, double df1, double da1) {
    using Rest = WireContact::Rest;
    WireOutOfReach refused{rest == Rest::TipEdge ? da1 : df1, df1, da1, std::nullopt};
    const auto restsOn = [&](double wire) {
        return wireContact(m, lead, d1, alpha, wire, df1, da1).rest;
    };
    // The rest climbs the flank as the wire grows: from the root, over the flanks, to the tip.
    const double thinnest = 0.001 * m;
    const double thickest = 4 * m;
    // The wire where the rest passes from `below` to what lies above it.
    const auto wireAt = [&](Rest below) {
        double lo = thinnest;
        double hi = thickest;
        // To a ten-thousandth of a micrometre of wire, well below the micrometre shown.
        constexpr int halvings = 40;
        constexpr double finest = 1e-7;
        for (int i = 0; i < halvings && hi - lo > finest * std::max(1.0, hi); ++i) {
            const double mid = (lo + hi) / 2;
            const Rest r = restsOn(mid);
            const bool under = below == Rest::RootEdge ? r == Rest::RootEdge : r != Rest::TipEdge;
            (under ? lo : hi) = mid;
        }
        return (lo + hi) / 2;
    };
    if (restsOn(thinnest) != Rest::TipEdge) {
        refused.usable =
            std::pair{restsOn(thinnest) == Rest::Flanks ? thinnest : wireAt(Rest::RootEdge),
                      restsOn(thickest) == Rest::Flanks ? thickest : wireAt(Rest::Flanks)};
    }
    return refused;
}

// Sizes that each read may still give figures that are not numbers (m 1e300 with Z2 1e308):
// such a drive is refused rather than shown with "inf" in a cell.
bool allFinite(const TurnerFigures& t) {
    const auto finite = [](double x) { return std::isfinite(x); };
    const bool limits = (!t.overWiresLimits ||
                         (finite(t.overWiresLimits->first) && finite(t.overWiresLimits->second))) &&
                        (!t.thinningBeyond || finite(*t.thinningBeyond));
    const bool refusal =
        !t.wireRefused || (finite(t.wireRefused->contact) && finite(t.wireRefused->root) &&
                           finite(t.wireRefused->tip) &&
                           (!t.wireRefused->usable || (finite(t.wireRefused->usable->first) &&
                                                       finite(t.wireRefused->usable->second))));
    return limits && refusal && finite(t.wire) &&
           std::all_of(t.figures.begin(), t.figures.end(),
                       [&](const Figure& f) { return finite(f.value); }) &&
           std::all_of(t.warnings.begin(), t.warnings.end(),
                       [&](const BlankWarning& w) { return finite(w.value) && finite(w.limit); });
}

} // namespace

std::variant<TurnerFigures, Fault> turnerFigures(const FormState& form, const WireGauge& gauge,
                                                 WireWork wire) {
    using F = FieldId;
    const auto z1 = wormStarts(form.getText(F::z1_t), form.locale());
    if (const auto* fault = std::get_if<Fault>(&z1)) {
        return *fault;
    }
    const int starts = std::get<int>(z1);
    // Each field in the order the figures need it; the first that does not read is named.
    std::array<double, 10> v{};
    const std::array<FieldId, 10> fields = {F::m_t,   F::Z2_t,  F::da1_t, F::d1_t, F::df1_t,
                                            F::da2_t, F::df2_t, F::ba_t,  F::L_t,  F::A_t};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const CheckedNumber n = form.number(fields.at(i));
        if (const auto fault = n.faultFor(fields.at(i))) {
            return *fault;
        }
        v.at(i) = n.value();
    }
    const auto [m, z2, da1, d1, df1, da2, df2, ba, length, a] = v;
    // A worm with no module or no pitch circle has no thread to measure.
    if (!(m > 0)) {
        return Fault{F::m_t, FaultKind::NotPositive};
    }
    if (!(d1 > 0)) {
        return Fault{F::d1_t, FaultKind::NotPositive};
    }

    TurnerFigures t;
    const double rk = a - da2 / 2;
    const double de2 = da2 + 6 * m / (starts + 2);
    const double b2 = faceWidthLimit(starts, da1);
    const double b1 = wormLengthLimit(starts, z2, m);
    const double px = std::numbers::pi * m;
    const double sx = px / 2;
    // The lead angle as the sheet has it, tan γ = z1 × m ÷ d1.
    const double gamma = std::atan(starts * m / d1);
    const double alpha = gauge.profileAngle * radiansPerDegree;
    const double best = px / (2 * std::cos(alpha));
    const double w = gauge.wire.value_or(best);
    const double lead = starts * px;
    const double chordal = sx * std::cos(gamma);
    const double sinPart = chordal * std::sin(gamma);
    t.figures = {
        {FigureId::ThroatRadius, rk},
        {FigureId::OuterDiameter, de2},
        {FigureId::FaceWidth, b2},
        {FigureId::WormLength, b1},
        {FigureId::AxialPitch, px},
        {FigureId::AxialThickness, sx},
        {FigureId::ChordalThickness, chordal},
        {FigureId::ChordalHeight, (da1 - d1) / 2 + sinPart * sinPart / (4 * d1)},
        {FigureId::BestWire, best},
    };
    // A wire that rests on the tip or the root touches no flank and measures nothing.
    if (wire == WireWork::Measure) {
        const WireContact contact = wireContact(m, lead, d1, alpha, w, df1, da1);
        if (contact.rest != WireContact::Rest::Flanks) {
            t.wireRefused = wireOutOfReach(m, lead, d1, alpha, contact.rest, df1, da1);
        } else {
            t.figures.append({FigureId::OverWires, contact.overWires});
            t.figures.append({FigureId::ContactDiameter, contact.contact});
            if (const double half = sx / 2 * 1000; gauge.mostThinning >= half) {
                t.thinningBeyond = half;
            } else {
                t.overWiresLimits = thinnedLimits(
                    gauge, [&, m = m, d1 = d1, df1 = df1, da1 = da1](double thinning) {
                        return wireContact(m, lead, d1, alpha, w, df1, da1, thinning);
                    });
            }
        }
    }
    t.wire = w;
    t.bestWire = !gauge.wire;
    t.evenStarts = starts % 2 == 0;
    t.starts = starts;
    t.warnings = blankWarnings({starts, m, z2, da1, d1, df1, da2, df2, ba, length, a});
    if (!allFinite(t)) {
        std::array<std::pair<FieldId, double>, fields.size()> inputs;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            inputs.at(i) = {fields.at(i), v.at(i)};
        }
        return outOfScale(inputs);
    }
    return t;
}

QList<BlankWarning> blankWarnings(const BlankSizes& s) {
    QList<BlankWarning> warnings;
    const double b2 = faceWidthLimit(s.starts, s.da1);
    const double b1 = wormLengthLimit(s.starts, s.teeth, s.module);
    const double rk = s.centreDistance - s.da2 / 2;
    if (s.faceWidth > b2) {
        warnings.append({WarningKind::FaceWidthAboveLimit, s.faceWidth, b2});
    }
    if (s.length < b1) {
        warnings.append({WarningKind::WormShorterThanLimit, s.length, b1});
    }
    if (rk <= 0) {
        warnings.append({WarningKind::NoThroat, rk, 0});
    }
    if (const double wheel = s.centreDistance - s.da1 / 2 - s.df2 / 2; wheel <= 0) {
        warnings.append({WarningKind::WheelBottomClearance, wheel, 0});
    }
    if (const double worm = s.centreDistance - s.da2 / 2 - s.df1 / 2; worm <= 0) {
        warnings.append({WarningKind::WormBottomClearance, worm, 0});
    }
    return warnings;
}

QString figureCaption(FigureId id) {
    switch (id) {
    case FigureId::ThroatRadius:
        return QCoreApplication::translate("Turner", "BOĞAZ YARIÇAPI (rk)");
    case FigureId::OuterDiameter:
        return QCoreApplication::translate("Turner", "EN BÜYÜK DIŞ ÇAP (de2)");
    case FigureId::FaceWidth:
        return QCoreApplication::translate("Turner", "EN BÜYÜK DİŞLİ GENİŞLİĞİ (b2)");
    case FigureId::WormLength:
        return QCoreApplication::translate("Turner", "EN KISA VİDA BOYU (b1)");
    case FigureId::AxialPitch:
        return QCoreApplication::translate("Turner", "EKSENEL ADIM (px)");
    case FigureId::AxialThickness:
        return QCoreApplication::translate("Turner", "EKSENEL DİŞ KALINLIĞI (sx)");
    case FigureId::ChordalThickness:
        return QCoreApplication::translate("Turner", "NORMAL KORDAL KALINLIK (s̄)");
    case FigureId::ChordalHeight:
        return QCoreApplication::translate("Turner", "KORDAL YÜKSEKLİK (h̄a)");
    case FigureId::BestWire:
        return QCoreApplication::translate("Turner", "EN UYGUN TEL (W)");
    case FigureId::OverWires:
        return QCoreApplication::translate("Turner", "TELLER ÜZERİNDEN ÖLÇÜ (M)");
    case FigureId::ContactDiameter:
        return QCoreApplication::translate("Turner", "TELİN DEĞME ÇAPI (dc)");
    }
    return {};
}

QString figureRule(FigureId id, int starts, const QLocale& locale) {
    const auto number = [&locale](double x) { return locale.toString(x, 'g', 6); };
    const auto beyondTable = [&](const QString& rule) {
        return starts <= tabledStarts ? rule
                                      : QCoreApplication::translate(
                                            "Turner", "%1 (z1 = %2 kuralı: tablo z1 = %2'e kadar)")
                                            .arg(rule, locale.toString(tabledStarts));
    };
    switch (id) {
    case FigureId::ThroatRadius:
        return QStringLiteral("rk = A − da2 ÷ 2");
    case FigureId::OuterDiameter:
        return QStringLiteral("de2 ≤ da2 + 6m ÷ (z1 + 2)");
    case FigureId::FaceWidth:
        return beyondTable(QStringLiteral("b2 ≤ %1 × da1").arg(number(starts <= 3 ? 0.75 : 0.67)));
    case FigureId::WormLength:
        return beyondTable(
            starts <= 2
                ? QStringLiteral("b1 ≥ (11 + %1 × Z2) × m").arg(number(0.06))
                : QStringLiteral("b1 ≥ (%1 + %2 × Z2) × m").arg(number(12.5), number(0.09)));
    case FigureId::AxialPitch:
        return QStringLiteral("px = π × m");
    case FigureId::AxialThickness:
        return QStringLiteral("sx = px ÷ 2");
    case FigureId::ChordalThickness:
        return QStringLiteral("s̄ = sx × cos γ");
    case FigureId::ChordalHeight:
        return QStringLiteral("h̄a = (da1 − d1) ÷ 2 + (s̄ × sin γ)² ÷ (4 × d1)");
    case FigureId::BestWire:
        return QStringLiteral("W = px ÷ (2 cos α)");
    case FigureId::OverWires:
        return QCoreApplication::translate(
            "Turner", "M: tel iki yanağa değer, ekseni d1'deki γ açısında (sayısal çözüm)");
    case FigureId::ContactDiameter:
        return QCoreApplication::translate("Turner", "df1 ≤ dc ≤ da1");
    }
    return {};
}

QString micrometerText(double mm, const QLocale& locale) {
    QString text = locale.toString(mm, 'f', 3);
    if (text == locale.toString(-0.0, 'f', 3)) {
        text = locale.toString(0.0, 'f', 3);
    }
    return text;
}

QString warningText(const BlankWarning& w, const QLocale& locale) {
    const QString value = micrometerText(w.value, locale);
    const QString limit = micrometerText(w.limit, locale);
    switch (w.kind) {
    case WarningKind::FaceWidthAboveLimit:
        return QCoreApplication::translate(
                   "Turner", "Dişli genişliği ba = %1 mm, en büyük b2 = %2 mm'den büyük.")
            .arg(value, limit);
    case WarningKind::WormShorterThanLimit:
        return QCoreApplication::translate("Turner",
                                           "Vida boyu L = %1 mm, en kısa b1 = %2 mm'den kısa.")
            .arg(value, limit);
    case WarningKind::NoThroat:
        return QCoreApplication::translate("Turner",
                                           "Boğaz yarıçapı rk = %1 mm, %2 mm'den büyük değil.")
            .arg(value, limit);
    case WarningKind::WheelBottomClearance:
        return QCoreApplication::translate(
                   "Turner", "Dişlinin diş dibi boşluğu A − da1 ÷ 2 − df2 ÷ 2 = %1 mm, %2 mm'den "
                             "büyük değil.")
            .arg(value, limit);
    case WarningKind::WormBottomClearance:
        return QCoreApplication::translate(
                   "Turner", "Vidanın diş dibi boşluğu A − da2 ÷ 2 − df1 ÷ 2 = %1 mm, %2 mm'den "
                             "büyük değil.")
            .arg(value, limit);
    }
    return {};
}
