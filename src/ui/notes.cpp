#include "ui/notes.h"

#include "calc/jobsheet.h"
#include "model/fieldvalues.h"

#include <QCoreApplication>

#include <algorithm>

namespace Notes {

QString outputGear(const OutputGear& gear, const QString& cdText, const QString& trainsPath,
                   const QLocale& locale) {
    const std::optional<double> value = FieldValues::readNumber(cdText, locale);
    const QString cd = value ? sheetNumber(*value, locale) : cdText.trimmed();
    switch (gear.fit) {
    case OutputGearFit::InBox:
        return QCoreApplication::translate("Notes", "ÇD = %1: tezgâhın dişli takımında var.")
            .arg(cd);
    case OutputGearFit::NotInBox:
        return QCoreApplication::translate("Notes", "ÇD = %1: takımda yok. Tam diziler: %2")
            .arg(cd, trainsPath);
    case OutputGearFit::NotWhole:
        return QCoreApplication::translate("Notes", "ÇD = %1: tam sayı değil. Tam diziler: %2")
            .arg(cd, trainsPath);
    case OutputGearFit::TakenByInput:
        return QCoreApplication::translate("Notes",
                                           "ÇD = %1: takımdaki tek dişli GD'de. Tam diziler: %2")
            .arg(cd, trainsPath);
    }
    return {};
}

QString sharedFactor(const SharedFactor& shared, const QLocale& locale) {
    return QCoreApplication::translate(
               "Notes", "Z2 = %1 ve z1 = %2 ortak bölenli; aşınma için %3 ya da %4 diş daha iyi.")
        .arg(locale.toString(shared.z2), locale.toString(shared.z1), locale.toString(shared.below),
             locale.toString(shared.above));
}

QString trainCount(const std::variant<TrainSearch, Fault>& trains, const QString& z2Text,
                   const QString& z1Text, const QLocale& locale) {
    if (const auto* fault = std::get_if<Fault>(&trains)) {
        return faultMessage(*fault, locale);
    }
    const auto& search = std::get<TrainSearch>(trains);
    const QList<GearTrain>& list = search.trains;
    const auto total = int(list.size());
    const auto simple = int(std::count_if(list.begin(), list.end(),
                                          [](const GearTrain& t) { return !t.isCompound(); }));
    const QString z2 = z2Text.trimmed();
    const QString z1 = z1Text.trimmed();
    // The single-start worm is the common case, and its line names only Z2.
    const auto starts = wormStarts(z1Text, locale);
    const bool singleStart = !std::holds_alternative<int>(starts) || std::get<int>(starts) == 1;
    QString line;
    if (total == 0) {
        line =
            singleStart
                ? QCoreApplication::translate("Notes", "Z2 = %1 için tam dişli dizisi yok.").arg(z2)
                : QCoreApplication::translate("Notes",
                                              "Z2 = %1, z1 = %2 için tam dişli dizisi yok.")
                      .arg(z2, z1);
    } else if (singleStart) {
        line = QCoreApplication::translate(
                   "Notes", "Z2 = %1 için %n tam dizi: %2 basit, %3 bileşik.", nullptr, total)
                   .arg(z2, locale.toString(simple), locale.toString(total - simple));
    } else {
        line =
            QCoreApplication::translate(
                "Notes", "Z2 = %1, z1 = %2 için %n tam dizi: %3 basit, %4 bileşik.", nullptr, total)
                .arg(z2, z1, locale.toString(simple), locale.toString(total - simple));
    }
    if (search.unfit > 0) {
        line += QLatin1Char(' ') + QCoreApplication::translate(
                                       "Notes",
                                       "%n tam bileşik dizi tezgâha sığmadığı için listelenmedi.",
                                       nullptr, int(search.unfit));
    }
    return line;
}

QString blankWarning(const BlankWarning& w, const QLocale& locale) {
    // Short, for the status bar: the window and the sheet give the whole sentence.
    const QString value = micrometerText(w.value, locale);
    const QString limit = micrometerText(w.limit, locale);
    switch (w.kind) {
    case WarningKind::FaceWidthAboveLimit:
        return QCoreApplication::translate("Notes", "Uyarı: ba = %1 mm, b2 = %2 mm'den büyük.")
            .arg(value, limit);
    case WarningKind::WormShorterThanLimit:
        return QCoreApplication::translate("Notes", "Uyarı: L = %1 mm, b1 = %2 mm'den kısa.")
            .arg(value, limit);
    case WarningKind::NoThroat:
        return QCoreApplication::translate("Notes", "Uyarı: rk = %1 mm, boğaz yok.").arg(value);
    case WarningKind::WheelBottomClearance:
        return QCoreApplication::translate("Notes", "Uyarı: dişlinin dip boşluğu %1 mm.")
            .arg(value);
    case WarningKind::WormBottomClearance:
        return QCoreApplication::translate("Notes", "Uyarı: vidanın dip boşluğu %1 mm.").arg(value);
    }
    return {};
}

QString overRated(const RatingWarning& w, const QLocale& locale) {
    return QCoreApplication::translate(
               "Notes", "Uyarı: verilen yük değeri aşıyor (taşıma oranı %1, servis faktörü %2).")
        .arg(sheetNumber(w.value, locale, 2), sheetNumber(w.limit, locale, 2));
}

QString moreNotes(int count) {
    return QCoreApplication::translate("Notes", "+%n not", nullptr, count);
}

QString machineGone(const QString& name) {
    return QCoreApplication::translate("Notes",
                                       "«%1» artık dosyada yok: yerleşik tezgâh kullanılıyor.")
        .arg(name);
}

QString latheGone(const QString& name) {
    return QCoreApplication::translate("Notes",
                                       "«%1» artık dosyada yok: yerleşik torna kullanılıyor.")
        .arg(name);
}

} // namespace Notes
