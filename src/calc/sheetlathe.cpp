#include "calc/sheetsections.h"

#include <QCoreApplication>

#include "calc/lathetrains.h"
#include "model/fieldvalues.h"

#include <numbers>

namespace SheetSections {

namespace {

using F = FieldId;

QString screwText(const LeadScrew& screw, const QLocale& locale) {
    if (screw.unit == LeadScrew::Unit::Millimetre) {
        return QCoreApplication::translate("JobSheet", "%1 mm")
            .arg(FieldValues::writeNumber(screw.value, locale));
    }
    return QCoreApplication::translate("JobSheet", "inçte %1 diş (%2 mm)")
        .arg(FieldValues::writeNumber(screw.value, locale), sheetNumber(screw.pitch(), locale));
}

} // namespace

// The worm on the lathe: the lead chosen in the lathe's window (the nearest until another is
// chosen), its train and its errors, and how to index the starts; or, where even the nearest
// lead misses by more than 1 %, that this lathe cannot cut the worm.
SheetSection latheSection(const FormState& form, const Lathe& lathe,
                          std::optional<double> chosenLead) {
    const QLocale& locale = form.locale();
    SheetSection s;
    s.heading = QCoreApplication::translate("JobSheet", "4. VİDA TORNALAMA");
    s.computed = true;
    s.lines.append({QCoreApplication::translate("JobSheet", "TORNA"), displayName(lathe), {}, {}});
    s.lines.append({QCoreApplication::translate("JobSheet", "VİDALI MİL"),
                    screwText(lathe.screw, locale),
                    {},
                    {}});
    const auto worm = latheWorm(form);
    if (const auto* fault = std::get_if<Fault>(&worm)) {
        s.lines.append({QString(), faultMessage(*fault, locale), {}, {}});
        return s;
    }
    const auto& [module, z1, wanted] = std::get<LatheWorm>(worm);
    const std::optional<double> length = FieldValues::readNumber(form.getText(F::L_t), locale);
    const QList<LeadRow> rows =
        LatheTrainFinder(lathe).nearest(wanted, length && *length > 0 ? length : std::nullopt);
    const QString mm = QCoreApplication::translate("JobSheet", "mm");
    const QString microns = QCoreApplication::translate("JobSheet", "µm");
    s.lines.append({QCoreApplication::translate("JobSheet", "VİDA HELİS ADIMI (pz = z1 × π × m)"),
                    locale.toString(wanted, 'f', 5),
                    mm,
                    {}});
    if (const auto miss = leadOutOfReach(rows, wanted)) {
        s.lines.append({leadOutOfReachText(rows, wanted, *miss, locale), {}, {}, {}});
        return s;
    }
    const LeadRow& r = rows.at(chosenRow(rows, chosenLead));
    const QString train = r.train.text(locale);
    s.lines.append({QCoreApplication::translate("JobSheet", "DİZİ"),
                    lathe.gearbox.isEmpty()
                        ? train
                        : QCoreApplication::translate("JobSheet", "%1, kutu %2")
                              .arg(train, positionNames(lathe, r.positions, locale)),
                    {},
                    {}});
    s.lines.append({QCoreApplication::translate("JobSheet", "KESİLEN ADIM"),
                    locale.toString(r.lead, 'f', 5),
                    mm,
                    {}});
    s.lines.append({QCoreApplication::translate("JobSheet", "HATA (100 mm'de)"),
                    signedFigure(r.micronsPer100mm, locale),
                    microns,
                    {}});
    s.lines.append(
        {QCoreApplication::translate("JobSheet", "HATA (L boyunca)"),
         r.micronsOverLength ? signedFigure(*r.micronsOverLength, locale) : QStringLiteral("—"),
         microns,
         {}});
    if (z1 > 1) {
        const QString slide = locale.toString(std::numbers::pi * module, 'f', 3);
        s.lines.append({QCoreApplication::translate("JobSheet", "AĞIZ BÖLME"),
                        r.indexable(z1)
                            ? QCoreApplication::translate(
                                  "JobSheet", "üst kızak %1 mm ya da A %2 ÷ %3 = %4 diş")
                                  .arg(slide, locale.toString(r.train.a), locale.toString(z1),
                                       locale.toString(r.train.a / z1))
                            : QCoreApplication::translate("JobSheet", "üst kızak %1 mm").arg(slide),
                        {},
                        {}});
    }
    return s;
}

} // namespace SheetSections
