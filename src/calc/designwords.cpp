#include "calc/design.h"

#include "calc/jobsheet.h"
#include "calc/standardworms.h"

#include <QCoreApplication>

// The design's words that more than one window says: why nothing fits.
QString noFitText(const NoFit& why, const QLocale& locale) {
    const auto number = [&locale](double x, int decimals = 4) {
        return sheetNumber(x, locale, decimals);
    };
    if (why.limit == DesignLimit::Hobs) {
        return QCoreApplication::translate(
            "Design", "Hiçbir tahrik sığmıyor: atölyenin azdırmaları istendi, ama atölyenin "
                      "bu modül ve ağız sayılarında azdırması yok. Azdırmalar Araçlar → "
                      "Tezgâhlar… → Azdırmalar sekmesinde eklenir.");
    }
    if (why.limit == DesignLimit::StandardWorms) {
        return QCoreApplication::translate(
                   "Design",
                   "Hiçbir tahrik sığmıyor: standart vidalar tablosunda (%1) bu modüllerde "
                   "vida yok.")
            .arg(standardWormsSource());
    }
    if (!why.nearest) {
        return QCoreApplication::translate("Design", "Hiçbir tahrik sığmıyor.");
    }
    const DesignRow& near = *why.nearest;
    const QString m = number(near.module);
    const QString z1 = locale.toString(near.starts);
    const QString z2 = locale.toString(near.teeth);
    const double miss = why.miss.value_or(0);
    switch (why.limit) {
    case DesignLimit::Tolerance:
        return QCoreApplication::translate(
                   "Design",
                   "Hiçbir tahrik sığmıyor: en çok oran toleransı eledi (%n tahrik). "
                   "En yakını m %1, z1 %2, Z2 %3: oran hatası %4, toleransı %5 "
                   "puan aşıyor.",
                   nullptr, why.excluded)
            .arg(m, z1, z2, percentText(near.error, locale), number(miss, 2));
    case DesignLimit::DiameterQuotient:
        return QCoreApplication::translate(
                   "Design",
                   "Hiçbir tahrik sığmıyor: en çok q aralığı eledi (%n tahrik). "
                   "En yakını m %1, z1 %2, Z2 %3: q = %4, aralığın %5 dışında.",
                   nullptr, why.excluded)
            .arg(m, z1, z2, number(near.q, 2), number(miss, 2));
    case DesignLimit::Modules:
        return QCoreApplication::translate(
                   "Design",
                   "Hiçbir tahrik sığmıyor: en çok modül listesi eledi; listede "
                   "olmayan modüllerle %n tahrik sığardı. En yakını m %1, z1 %2, "
                   "Z2 %3.",
                   nullptr, why.excluded)
            .arg(m, z1, z2);
    case DesignLimit::ProfileShift:
        return QCoreApplication::translate(
                   "Design",
                   "Hiçbir tahrik sığmıyor: en çok x2 aralığı eledi (%n tahrik). "
                   "En yakını m %1, z1 %2, Z2 %3, d1 %4 mm: x2 = %5, aralığın %6 dışında.",
                   nullptr, why.excluded)
            .arg(m, z1, z2, number(near.d1),
                 locale.toString(shownShift(near.x2), 'f', shownShiftPlaces),
                 locale.toString(miss, 'f', 3));
    case DesignLimit::Housing:
        return QCoreApplication::translate(
                   "Design",
                   "Hiçbir tahrik sığmıyor: gövde bu oran için küçük; dişli tek başına eksen "
                   "mesafesini dolduruyor. En yakını m %1, z1 %2, Z2 %3: vidaya d1 = %4 mm "
                   "kalıyor.")
            .arg(m, z1, z2, number(miss, 2));
    case DesignLimit::Hobs:
    case DesignLimit::StandardWorms:
        break;
    }
    return {};
}
