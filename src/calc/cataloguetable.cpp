#include "calc/cataloguetable.h"

#include "calc/jobsheet.h"
#include "calc/standardworms.h"
#include "model/fieldvalues.h"

#include <QCoreApplication>

namespace {

QString t(const char* text) {
    return QCoreApplication::translate("Catalogue", text);
}

} // namespace

QStringList catalogueHead(const CatalogueAsk& ask, const QLocale& locale) {
    const auto n = [&locale](double x) { return FieldValues::writeNumber(x, locale); };
    return {
        t(QT_TRANSLATE_NOOP("Catalogue", "Gövdeler (a, mm): %1"))
            .arg(FieldValues::writeNumbers(ask.housings, locale)),
        t(QT_TRANSLATE_NOOP("Catalogue", "Oranlar (i): %1"))
            .arg(FieldValues::writeNumbers(ask.ratios, locale)),
        t(QT_TRANSLATE_NOOP("Catalogue", "Giriş devirleri (d/dk): %1"))
            .arg(FieldValues::writeNumbers(ask.speeds, locale)),
        t(QT_TRANSLATE_NOOP("Catalogue", "Vida: %1; oran toleransı %2; profil açısı α = %3°"))
            .arg(wormChoiceName(ask.design.worms), percentText(ask.design.tolerance, locale),
                 n(ask.design.profileAngle)),
        t(QT_TRANSLATE_NOOP("Catalogue", "Döküm: %1; işletme katsayısı %2"))
            .arg(castingName(ask.casting), n(ask.serviceFactor)),
        (ask.fan ? t(QT_TRANSLATE_NOOP("Catalogue", "Ortam %1 °C, vida milinde fan; yağ sınırı %2 "
                                                    "°C (atölyenin ayarı, bir standardın değil)"))
                 : t(QT_TRANSLATE_NOOP("Catalogue", "Ortam %1 °C, fansız; yağ sınırı %2 °C "
                                                    "(atölyenin ayarı, bir standardın değil)")))
            .arg(n(ask.ambient), n(ask.sumpLimit)),
        ratingMethod(),
        catalogueChoiceRule(),
    };
}

QString driveText(const DesignRow& drive, const QLocale& locale) {
    return t(QT_TRANSLATE_NOOP("Catalogue", "m %1, z1 %2, Z2 %3, d1 %4, x2 %5"))
        .arg(sheetNumber(drive.module, locale), locale.toString(drive.starts),
             locale.toString(drive.teeth), sheetNumber(drive.d1, locale),
             locale.toString(shownShift(drive.x2), 'f', shownShiftPlaces));
}

QString governsText(Governs governs) {
    switch (governs) {
    case Governs::Surface:
        return t(QT_TRANSLATE_NOOP("Catalogue", "yüzey"));
    case Governs::Bending:
        return t(QT_TRANSLATE_NOOP("Catalogue", "eğilme"));
    case Governs::Deflection:
        return t(QT_TRANSLATE_NOOP("Catalogue", "sehim"));
    case Governs::Thermal:
        return t(QT_TRANSLATE_NOOP("Catalogue", "ısıl"));
    }
    return {};
}

QString wormChoiceName(WormChoice worms) {
    switch (worms) {
    case WormChoice::ShopHobs:
        return t(QT_TRANSLATE_NOOP("Catalogue", "atölyenin azdırmaları"));
    case WormChoice::StandardWorms:
        return t(QT_TRANSLATE_NOOP("Catalogue", "standart vidalar (%1)"))
            .arg(standardWormsSource());
    case WormChoice::NewDiameter:
        return t(QT_TRANSLATE_NOOP("Catalogue", "yeni vida çapı"));
    }
    return {};
}

QString catalogueRuleText(CatalogueInput input, const QString& name, const QLocale& locale) {
    const ValueRange range = catalogueRange(input);
    const QString low = FieldValues::writeNumber(range.low, locale);
    const QString high = FieldValues::writeNumber(range.high, locale);
    switch (input) {
    case CatalogueInput::Housings:
        return t(QT_TRANSLATE_NOOP("Catalogue", "%1 noktalı virgülle ayrılmış, sıfırdan büyük ve "
                                                "en çok %2 mm sayılar olmalı."))
            .arg(name, high);
    case CatalogueInput::Ratios:
        return t(QT_TRANSLATE_NOOP("Catalogue", "%1 noktalı virgülle ayrılmış, %2 ile %3 "
                                                "arasında sayılar olmalı."))
            .arg(name, low, high);
    case CatalogueInput::Speeds:
        return t(QT_TRANSLATE_NOOP("Catalogue", "%1 noktalı virgülle ayrılmış, sıfırdan büyük ve "
                                                "en çok %2 d/dk sayılar olmalı."))
            .arg(name, high);
    case CatalogueInput::ProfileAngle:
        return t(QT_TRANSLATE_NOOP("Catalogue", "%1 %2 ile %3 derece arasında olmalı."))
            .arg(name, low, high);
    case CatalogueInput::Design:
        return t(QT_TRANSLATE_NOOP("Catalogue", "%1 %2 ile %3 arasında olmalı."))
            .arg(name, percentText(range.low, locale), percentText(range.high, locale));
    case CatalogueInput::ServiceFactor:
        return t(QT_TRANSLATE_NOOP("Catalogue", "%1 en az %2, en çok %3 olmalı."))
            .arg(name, low, high);
    case CatalogueInput::Ambient:
        return t(QT_TRANSLATE_NOOP("Catalogue", "%1 %2 ile %3 °C arasında olmalı."))
            .arg(name, low, high);
    case CatalogueInput::SumpLimit:
        return t(QT_TRANSLATE_NOOP("Catalogue",
                                   "%1 %2 ile %3 °C arasında ve ortamın üstünde olmalı."))
            .arg(name, low, high);
    }
    return {};
}

QStringList leadingHeadings() {
    return {t(QT_TRANSLATE_NOOP("Catalogue", "a (mm)")), t(QT_TRANSLATE_NOOP("Catalogue", "i")),
            t(QT_TRANSLATE_NOOP("Catalogue", "Z2 ÷ z1")),
            t(QT_TRANSLATE_NOOP("Catalogue", "Tahrik"))};
}

QStringList leadingCells(double centreDistance, double ratio, const std::optional<DesignRow>& drive,
                         const QLocale& locale) {
    QStringList cells = {FieldValues::writeNumber(centreDistance, locale),
                         FieldValues::writeNumber(ratio, locale)};
    if (drive) {
        cells << sheetNumber(realRatio(*drive), locale, 2) << driveText(*drive, locale);
    } else {
        cells << QStringLiteral("—") << QStringLiteral("—");
    }
    return cells;
}

CatalogueTable catalogueTable(const Catalogue& catalogue, const CatalogueAsk& asked,
                              const QLocale& locale) {
    const CatalogueAsk ask = withoutRepeats(asked);
    CatalogueTable table;
    table.title = t(QT_TRANSLATE_NOOP("Catalogue", "SONSUZ VİDA REDÜKTÖRLERİ KATALOĞU"));
    table.head = catalogueHead(ask, locale);
    table.headings = leadingHeadings();
    table.headings += {t(QT_TRANSLATE_NOOP("Catalogue", "n2 (d/dk)")),
                       t(QT_TRANSLATE_NOOP("Catalogue", "η (%)")),
                       t(QT_TRANSLATE_NOOP("Catalogue", "T2 (N·m)")),
                       t(QT_TRANSLATE_NOOP("Catalogue", "P1 (kW)")),
                       t(QT_TRANSLATE_NOOP("Catalogue", "P1,th (kW)")),
                       t(QT_TRANSLATE_NOOP("Catalogue", "T2 mekanik (N·m)")),
                       t(QT_TRANSLATE_NOOP("Catalogue", "Sınırlayan"))};
    const auto n = [&locale](double x, int decimals) { return sheetNumber(x, locale, decimals); };
    for (qsizetype s = 0; s < ask.speeds.size(); ++s) {
        CatalogueTable::Speed speed;
        speed.title = t(QT_TRANSLATE_NOOP("Catalogue", "N1 = %1 d/dk"))
                          .arg(FieldValues::writeNumber(ask.speeds.at(s), locale));
        for (const CatalogueCell& cell : catalogue.cells) {
            QStringList row = leadingCells(cell.centreDistance, cell.ratio, cell.drive, locale);
            const auto foot = [&](const QString& why) {
                speed.foot.append(t(QT_TRANSLATE_NOOP("Catalogue", "a %1, i %2: %3"))
                                      .arg(row.at(0), row.at(1), why));
            };
            if (!cell.drive) {
                foot(noDriveText(cell, locale));
            } else if (const CatalogueSpeed& c = cell.speeds.at(s); c.fault) {
                row << QStringLiteral("—");
                foot(speedFaultText(*c.fault));
            } else {
                row << n(c.n2, 1) << n(c.efficiency, 1) << n(c.ratedTorque, 0) << n(c.inputPower, 2)
                    << n(c.thermalPower, 2) << n(c.mechanicalTorque, 0) << governsText(c.governs);
            }
            speed.rows.append(row);
        }
        table.speeds.append(speed);
    }
    return table;
}

QString catalogueTsv(const CatalogueTable& table) {
    QStringList lines = {table.title};
    lines.append(table.head);
    for (const CatalogueTable::Speed& speed : table.speeds) {
        lines.append(QString());
        lines.append(speed.title);
        lines.append(table.headings.join(QLatin1Char('\t')));
        for (const QStringList& row : speed.rows) {
            lines.append(row.join(QLatin1Char('\t')));
        }
        lines.append(speed.foot);
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
