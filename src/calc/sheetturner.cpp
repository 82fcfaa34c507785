#include "calc/sheetsections.h"

#include <QCoreApplication>

#include "model/fieldvalues.h"

namespace SheetSections {

// The turner's figures with their rules, the wire, and the warnings.
SheetSection turnerSection(const FormState& form, const WireGauge& gauge) {
    const QLocale& locale = form.locale();
    SheetSection s;
    s.heading = QCoreApplication::translate("JobSheet", "5. TASLAK VE KONTROL");
    s.computed = true;
    const auto made = turnerFigures(form, gauge);
    if (const auto* fault = std::get_if<Fault>(&made)) {
        s.lines.append({QString(), faultMessage(*fault, locale), {}, {}});
        return s;
    }
    const auto& t = std::get<TurnerFigures>(made);
    const QString mm = QCoreApplication::translate("JobSheet", "mm");
    for (const Figure& f : t.figures) {
        const QString shown = f.id == FigureId::OverWires ? overWiresText(t, locale)
                                                          : micrometerText(f.value, locale);
        s.lines.append({figureCaption(f.id), shown, mm, FieldValues::writeNumber(f.value, locale),
                        figureRule(f.id, t.starts, locale)});
    }
    s.lines.append({QCoreApplication::translate("JobSheet", "PROFİL AÇISI (α)"),
                    FieldValues::writeNumber(gauge.profileAngle, locale),
                    QStringLiteral("°"),
                    {}});
    if (gauge.leastThinning != 0 || gauge.mostThinning != 0) {
        s.lines.append(
            {QCoreApplication::translate("JobSheet", "DİŞ İNCELTMESİ (sx, en az / en çok)"),
             QStringLiteral("%1 / %2").arg(locale.toString(gauge.leastThinning),
                                           locale.toString(gauge.mostThinning)),
             QStringLiteral("µm"),
             {}});
    }
    s.lines.append({t.bestWire ? QCoreApplication::translate("JobSheet", "TEL ÇAPI (en uygun)")
                               : QCoreApplication::translate("JobSheet", "TEL ÇAPI"),
                    micrometerText(t.wire, locale), mm, FieldValues::writeNumber(t.wire, locale)});
    if (t.wireRefused) {
        s.lines.append({wireRefusalText(*t.wireRefused, locale), {}, {}, {}});
    }
    if (t.evenStarts) {
        s.lines.append({evenStartsNote(), {}, {}, {}});
    }
    for (const BlankWarning& w : t.warnings) {
        s.lines.append(
            {QCoreApplication::translate("JobSheet", "UYARI: %1").arg(warningText(w, locale)),
             {},
             {},
             {}});
    }
    return s;
}

} // namespace SheetSections
