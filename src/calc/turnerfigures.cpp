#include "calc/turnerfigures.h"

#include "calc/wormstarts.h"
#include "model/formstate.h"

#include <QCoreApplication>

#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr double radiansPerDegree = std::numbers::pi / 180;

} // namespace

double TurnerFigures::value(FigureId id) const {
    for (const Figure& f : figures) {
        if (f.id == id) {
            return f.value;
        }
    }
    return 0;
}

std::variant<TurnerFigures, Fault> turnerFigures(const FormState& form, const WireGauge& gauge) {
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
    const double b2 = (starts <= 3 ? 0.75 : 0.67) * da1;
    const double b1 = (starts <= 2 ? 11 + 0.06 * z2 : 12.5 + 0.09 * z2) * m;
    const double px = std::numbers::pi * m;
    const double sx = px / 2;
    // The lead angle as the sheet has it, tan γ = z1 × m ÷ d1.
    const double gamma = std::atan(starts * m / d1);
    const double alpha = gauge.profileAngle * radiansPerDegree;
    const double best = px / (2 * std::cos(alpha));
    const double w = gauge.wire.value_or(best);
    const double tanGamma = std::tan(gamma);
    const double overWires = d1 - sx / std::tan(alpha) + w * (1 + 1 / std::sin(alpha)) +
                             w / 2 * tanGamma * tanGamma * std::cos(alpha) / std::tan(alpha);
    const double sinPart = sx * std::sin(gamma);
    t.figures = {
        {FigureId::ThroatRadius, rk},
        {FigureId::OuterDiameter, de2},
        {FigureId::FaceWidth, b2},
        {FigureId::WormLength, b1},
        {FigureId::AxialPitch, px},
        {FigureId::AxialThickness, sx},
        {FigureId::ChordalThickness, sx * std::cos(gamma)},
        {FigureId::ChordalHeight, m + sinPart * sinPart / (4 * d1)},
        {FigureId::BestWire, best},
        {FigureId::OverWires, overWires},
    };
    t.wire = w;
    t.bestWire = !gauge.wire;
    t.evenStarts = starts % 2 == 0;
    t.starts = starts;
    if (ba > b2) {
        t.warnings.append({WarningKind::FaceWidthAboveLimit, ba, b2});
    }
    if (length < b1) {
        t.warnings.append({WarningKind::WormShorterThanLimit, length, b1});
    }
    if (rk <= 0) {
        t.warnings.append({WarningKind::NoThroat, rk, 0});
    }
    if (const double wheel = a - da1 / 2 - df2 / 2; wheel <= 0) {
        t.warnings.append({WarningKind::WheelBottomClearance, wheel, 0});
    }
    if (const double worm = a - da2 / 2 - df1 / 2; worm <= 0) {
        t.warnings.append({WarningKind::WormBottomClearance, worm, 0});
    }
    return t;
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
    }
    return {};
}

QString figureRule(FigureId id, int starts, const QLocale& locale) {
    const auto number = [&locale](double x) { return locale.toString(x, 'g', 6); };
    switch (id) {
    case FigureId::ThroatRadius:
        return QStringLiteral("rk = A − da2 ÷ 2");
    case FigureId::OuterDiameter:
        return QStringLiteral("de2 ≤ da2 + 6m ÷ (z1 + 2)");
    case FigureId::FaceWidth:
        return QStringLiteral("b2 ≤ %1 × da1").arg(number(starts <= 3 ? 0.75 : 0.67));
    case FigureId::WormLength:
        return starts <= 2
                   ? QStringLiteral("b1 ≥ (11 + %1 × Z2) × m").arg(number(0.06))
                   : QStringLiteral("b1 ≥ (%1 + %2 × Z2) × m").arg(number(12.5), number(0.09));
    case FigureId::AxialPitch:
        return QStringLiteral("px = π × m");
    case FigureId::AxialThickness:
        return QStringLiteral("sx = px ÷ 2");
    case FigureId::ChordalThickness:
        return QStringLiteral("s̄ = sx × cos γ");
    case FigureId::ChordalHeight:
        return QStringLiteral("h̄a = m + (sx × sin γ)² ÷ (4 × d1)");
    case FigureId::BestWire:
        return QStringLiteral("W = px ÷ (2 cos α)");
    case FigureId::OverWires:
        return QStringLiteral("M = d1 − (px ÷ 2) cot α + W (1 + 1 ÷ sin α) + "
                              "W ÷ 2 × tan²γ × cos α × cot α");
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
