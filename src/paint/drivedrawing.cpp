#include "paint/drivedrawing.h"

#include <QCoreApplication>

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

// Room around the views for dimension lines and their texts, in page points.
constexpr double labelLeft = 48;  // A, left of the front view
constexpr double labelTop = 24;   // ba, above the side view
constexpr double labelRight = 96; // the worm's diameters, right of the side view
constexpr double labelBelow = 40; // P and L, below the worm
constexpr double viewGap = 96;    // the wheel's diameters, between the two views
constexpr double mmPerPoint = 25.4 / 72;

// The largest drafting scale not above `fit`, in paper millimetres per drive millimetre:
// 10:1, 5:1, 4:1, 2:1, 1:1, 1:2, 1:2.5, 1:5, 1:10 and so on down to 1:10000; nothing below
// that, where a drawing would pile every label on one point.
std::optional<double> draftingScale(double fit) {
    static constexpr std::array<double, 4> steps = {1, 0.5, 0.4, 0.2};
    for (int decade = 1; decade >= -4; --decade) {
        for (const double step : steps) {
            const double scale = std::pow(10.0, decade) * step;
            if (scale <= fit && scale >= 1e-4) {
                return scale;
            }
        }
    }
    return std::nullopt;
}

QRectF circle(QPointF centre, double diameter) {
    return {centre.x() - diameter / 2, centre.y() - diameter / 2, diameter, diameter};
}

QString label(const char* symbol, const Measure& m) {
    return QString::fromUtf8(symbol) + QStringLiteral(" = ") + m.text;
}

void arrowHead(QPainter& p, QPointF tip, QPointF from) {
    const QPointF d = tip - from;
    const double length = std::hypot(d.x(), d.y());
    if (length <= 0) {
        return;
    }
    const QPointF u = d / length * 5.0;
    const QPointF n(-u.y() * 0.35, u.x() * 0.35);
    p.drawPolygon(QPolygonF{tip, tip - u + n, tip - u - n});
}

// A dimension line between a and b with arrows at both ends and its text at `textAt`. Where
// the two arrowheads would run together, they stand outside and point in, as on a drawing.
void dimension(QPainter& p, QPointF a, QPointF b, const QString& text, QPointF textAt) {
    const QPointF d = b - a;
    const double length = std::hypot(d.x(), d.y());
    constexpr double roomForTwoHeads = 14;
    p.drawLine(a, b);
    if (length >= roomForTwoHeads || length <= 0) {
        arrowHead(p, a, b);
        arrowHead(p, b, a);
    } else {
        const QPointF outward = d / length * 8.0;
        p.drawLine(a - outward, a);
        p.drawLine(b, b + outward);
        arrowHead(p, a, a - outward);
        arrowHead(p, b, b + outward);
    }
    p.drawText(textAt, text);
}

// Leaders from three concentric circles out to their texts, stacked to the right.
void circleLabels(QPainter& p, QPointF centre, const std::array<double, 3>& diameters,
                  const std::array<QString, 3>& texts, double textX) {
    const double outer = diameters[0] / 2;
    for (std::size_t i = 0; i < 3; ++i) {
        const double angle = (-62.0 + 20.0 * double(i)) * std::numbers::pi / 180;
        const double r = diameters.at(i) / 2;
        const QPointF onCircle = centre + QPointF(std::cos(angle), std::sin(angle)) * r;
        const QPointF elbow(textX - 4, centre.y() - outer - 6 + 11.0 * double(i));
        p.drawLine(onCircle, elbow);
        p.drawLine(elbow, QPointF(textX, elbow.y()));
        p.drawText(QPointF(textX + 2, elbow.y() + 3), texts.at(i));
    }
}

// The blank's silhouette: a face width ba, an outer cylinder de2 and, where it cuts deeper, the
// throat of radius rk about the worm's axis, on both sides of the wheel's axis as it is turned.
QPainterPath blankOutline(const DriveDimensions& d, const DrawingLayout& layout) {
    const double k = layout.pointsPerMm;
    const QPointF side = layout.sideWheelCentre;
    const double halfBa = d.ba.value / 2;
    const double outer = (d.de2 ? d.de2->value : d.da2.value) / 2;
    // The blank's radius at a point of its width, in mm from the wheel's axis.
    const auto radius = [&d, outer](double x) {
        if (!d.rk || d.rk->value * d.rk->value <= x * x) {
            return outer;
        }
        return std::min(outer, d.A.value - std::sqrt(d.rk->value * d.rk->value - x * x));
    };
    constexpr int steps = 48;
    QPolygonF upper;
    QPolygonF lower;
    for (int i = 0; i <= steps; ++i) {
        const double x = -halfBa + 2 * halfBa * i / steps;
        const double r = radius(x);
        upper.append(side + QPointF(x * k, -r * k));
        lower.prepend(side + QPointF(x * k, r * k));
    }
    QPainterPath path;
    path.addPolygon(upper + lower);
    path.closeSubpath();
    return path;
}

QPen pen(double width, Qt::PenStyle style = Qt::SolidLine) {
    QPen pen(Qt::black, width, style);
    pen.setCosmetic(false);
    return pen;
}

} // namespace

std::optional<DrawingLayout> layoutDrawing(const DriveDimensions& d, const QRectF& area) {
    const double ra2 = std::max(d.da2.value, d.de2 ? d.de2->value : 0) / 2;
    const double ra1 = d.da1.value / 2;
    const double frontWidth = std::max(d.da2.value, d.L.value);
    const double sideWidth = std::max(d.ba.value, d.da1.value);
    const double top = std::min(-ra2, d.A.value - ra1);
    const double bottom = std::max(ra2, d.A.value + ra1);
    const double roomX = area.width() - labelLeft - viewGap - labelRight;
    const double roomY = area.height() - labelTop - labelBelow;
    if (roomX <= 0 || roomY <= 0) {
        return std::nullopt;
    }
    const double fit = std::min(roomX / (frontWidth + sideWidth), roomY / (bottom - top));
    const std::optional<double> scale = draftingScale(fit * mmPerPoint);
    if (!scale) {
        return std::nullopt;
    }
    DrawingLayout layout;
    layout.paperPerMm = *scale;
    layout.pointsPerMm = layout.paperPerMm / mmPerPoint;
    const double k = layout.pointsPerMm;
    const double frontX = area.left() + labelLeft + frontWidth * k / 2;
    const double axisY = area.top() + labelTop - top * k;
    layout.wheelCentre = QPointF(frontX, axisY);
    layout.wormCentre = QPointF(frontX, axisY + d.A.value * k);
    const double sideX = frontX + frontWidth * k / 2 + viewGap + sideWidth * k / 2;
    layout.sideWheelCentre = QPointF(sideX, axisY);
    layout.sideWormCentre = QPointF(sideX, layout.wormCentre.y());
    return layout;
}

QString scaleCaption(double paperPerMm, const QLocale& locale) {
    const auto number = [&locale](double x) { return locale.toString(x, 'g', 3); };
    if (paperPerMm >= 1) {
        return QCoreApplication::translate("JobSheet", "Ölçek %1:1").arg(number(paperPerMm));
    }
    return QCoreApplication::translate("JobSheet", "Ölçek 1:%1").arg(number(1 / paperPerMm));
}

void paintDrawing(QPainter& p, const DriveDimensions& d, const DrawingLayout& layout) {
    const double k = layout.pointsPerMm;
    const QPointF wheel = layout.wheelCentre;
    const QPointF worm = layout.wormCentre;
    const double ra2 = d.da2.value * k / 2;
    const double ra1 = d.da1.value * k / 2;
    const double r1 = d.d1.value * k / 2;
    const double rf1 = d.df1.value * k / 2;
    const double halfL = d.L.value * k / 2;
    const double halfBa = d.ba.value * k / 2;
    const QPen outline = pen(0.8);
    const QPen thin = pen(0.35);
    const QPen centreLine = pen(0.35, Qt::DashDotLine);
    p.save();
    p.setBrush(Qt::NoBrush);

    // Front view: the wheel along its axis.
    p.setPen(outline);
    p.drawEllipse(circle(wheel, d.da2.value * k));
    p.setPen(centreLine);
    p.drawEllipse(circle(wheel, d.d2.value * k));
    p.drawLine(wheel - QPointF(ra2 + 6, 0), wheel + QPointF(ra2 + 6, 0));
    p.drawLine(wheel - QPointF(0, ra2 + 6), wheel + QPointF(0, ra2 + 6));
    p.setPen(pen(0.35, Qt::DashLine));
    p.drawEllipse(circle(wheel, d.df2.value * k));

    // Front view: the worm across, its thread of axial pitch px = π × m between root and tip.
    p.setPen(outline);
    p.drawLine(worm + QPointF(-halfL, -ra1), worm + QPointF(halfL, -ra1));
    p.drawLine(worm + QPointF(-halfL, ra1), worm + QPointF(halfL, ra1));
    p.drawLine(worm + QPointF(-halfL, -ra1), worm + QPointF(-halfL, ra1));
    p.drawLine(worm + QPointF(halfL, -ra1), worm + QPointF(halfL, ra1));
    p.setPen(thin);
    p.drawLine(worm + QPointF(-halfL, -rf1), worm + QPointF(halfL, -rf1));
    p.drawLine(worm + QPointF(-halfL, rf1), worm + QPointF(halfL, rf1));
    const double pitch = d.P.value * k;
    if (pitch >= 3) {
        for (double x = -halfL + pitch / 2; x < halfL; x += pitch) {
            const double flank = std::min(pitch / 4, halfL - std::abs(x));
            for (const double side : {-1.0, 1.0}) {
                p.drawLine(worm + QPointF(x - flank, side * rf1), worm + QPointF(x, side * ra1));
                p.drawLine(worm + QPointF(x + flank, side * rf1), worm + QPointF(x, side * ra1));
            }
        }
    }
    p.setPen(centreLine);
    p.drawLine(worm + QPointF(-halfL - 8, -r1), worm + QPointF(halfL + 8, -r1));
    p.drawLine(worm + QPointF(-halfL - 8, r1), worm + QPointF(halfL + 8, r1));
    p.drawLine(worm + QPointF(-halfL - 12, 0), worm + QPointF(halfL + 12, 0));

    // Side view: the wheel blank as it is turned, the worm's circles.
    const QPointF side = layout.sideWheelCentre;
    const QPointF sideWorm = layout.sideWormCentre;
    p.setPen(outline);
    p.drawPath(blankOutline(d, layout));
    p.drawEllipse(circle(sideWorm, d.da1.value * k));
    p.setPen(centreLine);
    p.drawLine(side - QPointF(halfBa + 8, 0), side + QPointF(halfBa + 8, 0));
    p.drawEllipse(circle(sideWorm, d.d1.value * k));
    p.setPen(pen(0.35, Qt::DashLine));
    p.drawEllipse(circle(sideWorm, d.df1.value * k));

    // Dimensions.
    p.setPen(thin);
    p.setBrush(Qt::black);
    const double aX = wheel.x() - std::max(ra2, halfL) - 14;
    dimension(p, QPointF(aX, wheel.y()), QPointF(aX, worm.y()), label("A", d.A),
              QPointF(aX - 34, (wheel.y() + worm.y()) / 2 - 4));
    const double belowWorm = worm.y() + ra1;
    if (pitch >= 3) {
        const double crest = -halfL + pitch / 2;
        // The text clears the arrowheads, which stand outside a short pitch.
        const double clear = pitch >= 14 ? 4 : 12;
        dimension(p, worm + QPointF(crest, ra1 + 8), worm + QPointF(crest + pitch, ra1 + 8),
                  label("px", d.P), worm + QPointF(crest + pitch + clear, ra1 + 11));
    }
    dimension(p, QPointF(worm.x() - halfL, belowWorm + 24),
              QPointF(worm.x() + halfL, belowWorm + 24), label("L", d.L),
              QPointF(worm.x() - 18, belowWorm + 35));
    const double outer = d.de2 ? d.de2->value * k / 2 : ra2;
    dimension(p, QPointF(side.x() - halfBa, side.y() - outer - 8),
              QPointF(side.x() + halfBa, side.y() - outer - 8), label("ba", d.ba),
              QPointF(side.x() - 20, side.y() - outer - 12));
    if (d.de2 && d.rk) {
        // de2 to the left of the blank; rk from the worm's axis up to the throat.
        const double x = side.x() - halfBa - 10;
        dimension(p, QPointF(x, side.y() - outer), QPointF(x, side.y() + outer),
                  label("de2", *d.de2), QPointF(x - 50, side.y() + 3));
        const QPointF throat = sideWorm - QPointF(0, d.rk->value * k);
        p.drawLine(sideWorm, throat);
        arrowHead(p, throat, sideWorm);
        // Its text stands left of the worm's circles, clear of every line, with a leader to
        // the middle of the arrow: inside, the circles and the leaders of d1 would cross it.
        const QString rk = label("rk", *d.rk);
        const QPointF middle = sideWorm - QPointF(0, d.rk->value * k / 2);
        const double textRight = sideWorm.x() - ra1 - 6;
        p.drawLine(QPointF(textRight + 2, middle.y()), middle);
        p.drawText(QPointF(textRight - p.fontMetrics().horizontalAdvance(rk), middle.y() + 3), rk);
    }
    p.setBrush(Qt::NoBrush);
    circleLabels(p, wheel, {d.da2.value * k, d.d2.value * k, d.df2.value * k},
                 {label("da2", d.da2), label("d2", d.d2), label("df2", d.df2)},
                 wheel.x() + std::max(ra2, halfL) + 12);
    circleLabels(p, sideWorm, {d.da1.value * k, d.d1.value * k, d.df1.value * k},
                 {label("da1", d.da1), label("d1", d.d1), label("df1", d.df1)},
                 sideWorm.x() + std::max(ra1, halfBa) + 12);
    p.restore();
}
