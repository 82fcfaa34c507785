#include "calc/geartrains.h"

#include "calc/changegears.h"
#include "calc/wormstarts.h"
#include "model/fieldvalues.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

// The index constant: the wheel turns once for 24 turns of the driving change gear's shaft
// over the driven one, for each start of the hob.
constexpr std::int64_t indexTeeth = 24;

struct PairProduct {
    std::int64_t product = 0;
    int low = 0;
    int high = 0;
};

constexpr bool byProduct(const PairProduct& x, const PairProduct& y) {
    return x.product < y.product;
}

constexpr std::size_t pairCount = changeGearSet.size() * (changeGearSet.size() - 1) / 2;

// Every pair of two different gears of the set with the product of their counts, ordered by
// the product, so that the pairs for one product are found by a binary search.
constexpr std::array<PairProduct, pairCount> pairProducts = [] {
    std::array<PairProduct, pairCount> pairs{};
    std::size_t n = 0;
    for (std::size_t i = 0; i < changeGearSet.size(); ++i) {
        for (std::size_t j = i + 1; j < changeGearSet.size(); ++j) {
            pairs.at(n++) = {std::int64_t{changeGearSet.at(i)} * changeGearSet.at(j),
                             changeGearSet.at(i), changeGearSet.at(j)};
        }
    }
    std::sort(pairs.begin(), pairs.end(), byProduct);
    return pairs;
}();

// Above this no compound train exists for any z1: the largest driven product against the
// smallest driver product. It is also far above any simple train, and it keeps every product
// below in range.
constexpr std::int64_t largestZ2 =
    indexTeeth * maxWormStarts * pairProducts.back().product / pairProducts.front().product;

bool inTeethOrder(const GearTrain& x, const GearTrain& y) {
    return std::tuple(x.teeth(), x.a, x.b, x.c, x.d) < std::tuple(y.teeth(), y.a, y.b, y.c, y.d);
}

} // namespace

QString GearTrain::text(const QLocale& locale) const {
    QString s = QStringLiteral("%1 → %2").arg(locale.toString(a), locale.toString(b));
    if (isCompound()) {
        s += QStringLiteral(", %1 → %2").arg(locale.toString(c), locale.toString(d));
    }
    return s;
}

QList<GearTrain> gearTrains(std::int64_t z2, int z1) {
    if (z2 < 1 || z2 > largestZ2 || z1 < 1 || z1 > maxWormStarts) {
        return {};
    }
    const std::int64_t ratioTeeth = indexTeeth * z1;
    // A ÷ B = 24 × z1 ÷ Z2, that is A × Z2 = 24 × z1 × B.
    QList<GearTrain> simple;
    for (const int a : changeGearSet) {
        for (const int b : changeGearSet) {
            if (a != b && a * z2 == ratioTeeth * b) {
                simple.append({a, b});
            }
        }
    }
    // (A × C) ÷ (B × D) = 24 × z1 ÷ Z2: for each driven pair, the driver product it needs.
    QList<GearTrain> compound;
    for (const PairProduct& driven : pairProducts) {
        const std::int64_t needed = ratioTeeth * driven.product;
        if (needed % z2 != 0) {
            continue;
        }
        const auto [first, last] = std::equal_range(pairProducts.begin(), pairProducts.end(),
                                                    PairProduct{needed / z2}, byProduct);
        for (const auto* drivers = first; drivers != last; ++drivers) {
            // One gear of each count: the drivers and the driven gears share none.
            if (drivers->low != driven.low && drivers->low != driven.high &&
                drivers->high != driven.low && drivers->high != driven.high) {
                compound.append({drivers->low, driven.low, drivers->high, driven.high});
            }
        }
    }
    std::sort(simple.begin(), simple.end(), inTeethOrder);
    std::sort(compound.begin(), compound.end(), inTeethOrder);
    return simple + compound;
}

std::variant<QList<GearTrain>, Fault> gearTrainsFor(const QString& z2Text, const QString& z1Text,
                                                    const QLocale& locale) {
    const std::optional<double> z2 = FieldValues::readNumber(z2Text, locale);
    if (!z2) {
        return Fault{FieldId::Z2_t,
                     FieldValues::isAmbiguousPoint(z2Text, locale) ? FaultKind::AmbiguousPoint
                                                                   : FaultKind::NotANumber,
                     z2Text};
    }
    if (*z2 < 1 || *z2 != std::floor(*z2)) {
        return Fault{FieldId::Z2_t, FaultKind::NotACount};
    }
    const auto z1 = wormStarts(z1Text, locale);
    if (const auto* fault = std::get_if<Fault>(&z1)) {
        return *fault;
    }
    // A larger whole number has no train, and would not fit the integer.
    if (*z2 > double(largestZ2)) {
        return QList<GearTrain>{};
    }
    return gearTrains(static_cast<std::int64_t>(*z2), std::get<int>(z1));
}

QString outputGearNote(const QString& cdText, bool inSet) {
    const QString gear = QStringLiteral("%1 = %2").arg(fieldCaption(FieldId::ÇD_t), cdText);
    if (inSet) {
        return QStringLiteral("%1: makinenin dişli takımında var.").arg(gear);
    }
    return QStringLiteral("%1: makinenin dişli takımında böyle bir dişli yok. "
                          "Tam dişli dizileri için: Araçlar → Dişli Dizileri…")
        .arg(gear);
}

QString trainCountLine(const std::variant<QList<GearTrain>, Fault>& trains, const QString& z2Text,
                       const QString& z1Text, const QLocale& locale) {
    if (const auto* fault = std::get_if<Fault>(&trains)) {
        return faultMessage(*fault, locale);
    }
    const auto& list = std::get<QList<GearTrain>>(trains);
    // The single-start worm is the common case, and its line names only Z2.
    const auto starts = wormStarts(z1Text, locale);
    const bool singleStart = !std::holds_alternative<int>(starts) || std::get<int>(starts) == 1;
    const QString z2 =
        singleStart
            ? QStringLiteral("Z2 = %1 için").arg(z2Text.trimmed())
            : QStringLiteral("Z2 = %1, z1 = %2 için").arg(z2Text.trimmed(), z1Text.trimmed());
    if (list.isEmpty()) {
        return QStringLiteral("%1 tam dişli dizisi yok.").arg(z2);
    }
    const auto simple =
        std::count_if(list.begin(), list.end(), [](const GearTrain& t) { return !t.isCompound(); });
    return QStringLiteral("%1 %2 tam dizi: %3 basit, %4 bileşik.")
        .arg(z2, locale.toString(list.size()), locale.toString(simple),
             locale.toString(list.size() - simple));
}
