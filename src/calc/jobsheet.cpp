#include "calc/jobsheet.h"

#include <QCoreApplication>

#include "calc/changegears.h"
#include "calc/geartrains.h"
#include "calc/hobangles.h"
#include "calc/lathetrains.h"
#include "calc/wormstarts.h"
#include "model/decimal15.h"
#include "model/fieldvalues.h"
#include "model/formstate.h"

#include <cmath>
#include <numbers>

namespace {

using F = FieldId;

struct SectionNames {
    const char* heading;
    const char* owner; // the section's name in the genitive, as a message starts with it
};

// In ButtonId order.
constexpr std::array<SectionNames, buttonCount> sectionNames = {{
    {QT_TRANSLATE_NOOP("JobSheet", "1. SONSUZ VİDA VE DİŞLİ ÖLÇÜLERİ"),
     QT_TRANSLATE_NOOP("JobSheet", "Birinci bölümün")},
    {QT_TRANSLATE_NOOP("JobSheet", "2. AZDIRMA AÇILARI"),
     QT_TRANSLATE_NOOP("JobSheet", "İkinci bölümün")},
    {QT_TRANSLATE_NOOP("JobSheet", "3. BÖLME DİŞLİLERİ"),
     QT_TRANSLATE_NOOP("JobSheet", "Üçüncü bölümün")},
}};

QString sectionHeading(ButtonId section) {
    return QCoreApplication::translate("JobSheet", sectionNames.at(indexOf(section)).heading);
}

QString sectionOwner(ButtonId section) {
    return QCoreApplication::translate("JobSheet", sectionNames.at(indexOf(section)).owner);
}

double valueOf(const FormState& form, FieldId field) {
    return FieldValues::readNumber(form.getText(field), form.locale()).value_or(0.0);
}

QString unitText(FieldUnit unit, double value) {
    switch (unit) {
    case FieldUnit::None:
        return {};
    case FieldUnit::Millimetre:
        return QCoreApplication::translate("JobSheet", "mm");
    case FieldUnit::RevolutionsPerMinute:
        return QCoreApplication::translate("JobSheet", "d/dk");
    case FieldUnit::Teeth:
        return QCoreApplication::translate("JobSheet", "diş");
    case FieldUnit::DegreesAndMinutes:
        return degreesAndMinutes(value);
    }
    return {};
}

// The coefficient is a ratio that the machinist sets exactly, so it keeps more places.
int sheetDecimals(FieldId field) {
    return field == F::KS_t ? 6 : 4;
}

// A number as the form writes it, whichever way it was typed ("0.5" in a comma locale is 0,5),
// rounded for the page; the copy keeps the field's whole text. A text that is no number stands
// as it is.
SheetLine fieldLine(const FormState& form, FieldId field) {
    const QString text = form.getText(field);
    const std::optional<double> value = FieldValues::readNumber(text, form.locale());
    if (!value) {
        return {fieldCaption(field), text, {}, {}};
    }
    const FieldUnit unit = fieldInfo(field).unit;
    QString shown = sheetNumber(*value, form.locale(), sheetDecimals(field));
    if (unit == FieldUnit::Teeth && *value != std::floor(*value)) {
        shown = QCoreApplication::translate("JobSheet", "%1 (tam değil)").arg(shown);
    }
    return {fieldCaption(field), shown, unitText(unit, *value),
            FieldValues::writeNumber(*value, form.locale())};
}

QList<SheetLine> sectionFieldLines(const FormState& form, ButtonId section) {
    QList<SheetLine> lines;
    for (const FieldInfo& info : fieldTable) {
        if (info.section == section) {
            lines.append(fieldLine(form, info.id));
        }
    }
    return lines;
}

// The worm's starts of a current section, which has read them as valid.
int wormStartsOf(const FormState& form) {
    const auto z1 = wormStarts(form.getText(F::z1_t), form.locale());
    return std::holds_alternative<int>(z1) ? std::get<int>(z1) : 1;
}

// The worm's lead angle that the last complete swivel run used: its z1, m and d1 are
// unchanged, since the section is current.
SheetLine leadAngleLine(const FormState& form) {
    const double tangent = wormStartsOf(form) * valueOf(form, F::m_t) / valueOf(form, F::d1_t);
    return {QCoreApplication::translate("JobSheet", "VİDA HELİS AÇISI (γ)"),
            degreesAndMinutes(leadAngle(tangent).notation),
            {},
            {}};
}

// The ratio i = Z2 ÷ z1 and the worm's lead pz, which the form does not show. The lead is what
// the lathe and the hob follow, so it takes the full π, not the 3.14 of the pitch field.
QList<SheetLine> driveRatioLines(const FormState& form) {
    const int z1 = wormStartsOf(form);
    const QLocale& locale = form.locale();
    const double ratio = valueOf(form, F::Z2_t) / z1;
    const double lead = z1 * std::numbers::pi * valueOf(form, F::m_t);
    return {
        {QCoreApplication::translate("JobSheet", "ÇEVRİM ORANI (i)"),
         sheetNumber(ratio, locale),
         {},
         FieldValues::writeNumber(ratio, locale)},
        {QCoreApplication::translate("JobSheet", "VİDA HELİS ADIMI (pz = z1 × π × m)"),
         sheetNumber(lead, locale), QCoreApplication::translate("JobSheet", "mm"),
         FieldValues::writeNumber(lead, locale)},
    };
}

std::optional<DriveDimensions> driveDimensions(const FormState& form) {
    // A label on the drawing is read from a distance: 0.01 mm is as fine as a drawing shows.
    const auto measured = [&form](double value) {
        return Measure{value, FieldValues::writeNumber(FieldValues::round2(value), form.locale())};
    };
    const auto measure = [&form, &measured](FieldId field) {
        return measured(valueOf(form, field));
    };
    DriveDimensions d{measure(F::da2_t),
                      measure(F::d2_t),
                      measure(F::df2_t),
                      measure(F::ba_t),
                      measure(F::da1_t),
                      measure(F::d1_t),
                      measure(F::df1_t),
                      measure(F::L_t),
                      measure(F::P_t),
                      measure(F::A_t),
                      {},
                      {}};
    for (const Measure* m :
         {&d.da2, &d.d2, &d.df2, &d.ba, &d.da1, &d.d1, &d.df1, &d.L, &d.P, &d.A}) {
        if (!(m->value > 0)) {
            return std::nullopt;
        }
    }
    // The blank as the turner's figures have it, so that the drawing and section 5 follow one
    // rule.
    const auto made = turnerFigures(form, {});
    if (const auto* blank = std::get_if<TurnerFigures>(&made)) {
        if (const double rk = blank->value(FigureId::ThroatRadius); rk > 0) {
            d.rk = measured(rk);
            d.de2 = measured(blank->value(FigureId::OuterDiameter));
        }
    }
    return d;
}

// The machine that the change gears are for, and the constant it used for this wheel: K′, named
// as such, where the large-wheel rule applies.
QList<SheetLine> machineLines(const FormState& form, const Machine& machine) {
    const double z2 = valueOf(form, F::Z2_t);
    const int constant = effectiveConstant(machine, z2);
    const bool large = machine.largeWheel && z2 > machine.largeWheel->above;
    const QString caption =
        large ? QCoreApplication::translate("JobSheet", "BÖLME SABİTİ (K′, Z2 > %1)")
                    .arg(form.locale().toString(machine.largeWheel->above))
              : QCoreApplication::translate("JobSheet", "BÖLME SABİTİ (K)");
    return {{QCoreApplication::translate("JobSheet", "TEZGÂH"), displayName(machine), {}, {}},
            {caption, form.locale().toString(constant), {}, {}}};
}

QString outputGearFitText(OutputGearFit fit) {
    switch (fit) {
    case OutputGearFit::InBox:
        return QCoreApplication::translate("JobSheet", "var");
    case OutputGearFit::NotWhole:
        return QCoreApplication::translate("JobSheet", "yok: tam sayı değil");
    case OutputGearFit::NotInBox:
        return QCoreApplication::translate("JobSheet", "yok");
    case OutputGearFit::TakenByInput:
        return QCoreApplication::translate("JobSheet", "yok: tek dişli GD'de kullanılıyor");
    }
    return {};
}

// Whether the output gear is in the machine's set, and the first exact trains for the wheel.
QList<SheetLine> gearTrainLines(const FormState& form, const Machine& machine) {
    constexpr qsizetype listed = 6;
    const OutputGear gear = outputGear(form.getText(F::GD_t), form.getText(F::Z2_t),
                                       wormStartsOf(form), machine, form.locale());
    QList<SheetLine> lines = {{QCoreApplication::translate("JobSheet", "ÇD makinenin takımında"),
                               outputGearFitText(gear.fit),
                               {},
                               {}}};
    const auto found =
        gearTrainsFor(form.getText(F::Z2_t), form.getText(F::z1_t), machine, form.locale());
    const auto* search = std::get_if<TrainSearch>(&found);
    const QList<GearTrain>* list = search != nullptr ? &search->trains : nullptr;
    if (list == nullptr || list->isEmpty()) {
        lines.append({QCoreApplication::translate("JobSheet", "Tam dişli dizisi"),
                      list != nullptr
                          ? QCoreApplication::translate("JobSheet", "yok")
                          : QCoreApplication::translate("JobSheet", "Z2 tam sayı değil"),
                      {},
                      {}});
        return lines;
    }
    for (qsizetype i = 0; i < std::min(listed, list->size()); ++i) {
        lines.append({QCoreApplication::translate("JobSheet", "Tam dizi %1")
                          .arg(form.locale().toString(i + 1)),
                      list->at(i).text(form.locale()),
                      {},
                      {}});
    }
    if (list->size() > listed) {
        lines.append({QString(),
                      QCoreApplication::translate("JobSheet", "ve %n dizi daha", nullptr,
                                                  int(list->size() - listed)),
                      {},
                      {}});
    }
    return lines;
}

QString screwText(const LeadScrew& screw, const QLocale& locale) {
    if (screw.unit == LeadScrew::Unit::Millimetre) {
        return QCoreApplication::translate("JobSheet", "%1 mm")
            .arg(FieldValues::writeNumber(screw.value, locale));
    }
    return QCoreApplication::translate("JobSheet", "inçte %1 diş (%2 mm)")
        .arg(FieldValues::writeNumber(screw.value, locale), sheetNumber(screw.pitch(), locale));
}

// The worm on the lathe: the nearest lead the lathe in use cuts, its train and its errors, and
// how to index the starts.
SheetSection latheSection(const FormState& form, const Lathe& lathe) {
    const QLocale& locale = form.locale();
    SheetSection s;
    s.heading = QCoreApplication::translate("JobSheet", "4. VİDA TORNALAMA");
    s.computed = true;
    s.lines.append({QCoreApplication::translate("JobSheet", "TORNA"), displayName(lathe), {}, {}});
    s.lines.append({QCoreApplication::translate("JobSheet", "VİDALI MİL"),
                    screwText(lathe.screw, locale),
                    {},
                    {}});
    const double module = valueOf(form, F::m_t);
    const int z1 = wormStartsOf(form);
    if (!(module > 0)) {
        s.lines.append({QString(),
                        QCoreApplication::translate("JobSheet", "modül sıfırdan büyük değil"),
                        {},
                        {}});
        return s;
    }
    const double wanted = wormLead(module, z1);
    const std::optional<double> length = FieldValues::readNumber(form.getText(F::L_t), locale);
    const QList<LeadRow> rows =
        LatheTrainFinder(lathe).nearest(wanted, length && *length > 0 ? length : std::nullopt, 1);
    const QString mm = QCoreApplication::translate("JobSheet", "mm");
    const QString microns = QCoreApplication::translate("JobSheet", "µm");
    s.lines.append({QCoreApplication::translate("JobSheet", "VİDA HELİS ADIMI (pz = z1 × π × m)"),
                    locale.toString(wanted, 'f', 5),
                    mm,
                    {}});
    if (rows.isEmpty()) {
        return s;
    }
    const LeadRow& r = rows.constFirst();
    const QString train = r.train.text(locale);
    s.lines.append({QCoreApplication::translate("JobSheet", "DİZİ"),
                    lathe.gearbox.isEmpty() ? train
                                            : QCoreApplication::translate("JobSheet", "%1, kutu %2")
                                                  .arg(train, lathe.gearbox.at(r.position).name),
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
        s.lines.append({figureCaption(f.id), micrometerText(f.value, locale), mm,
                        FieldValues::writeNumber(f.value, locale),
                        figureRule(f.id, t.starts, locale)});
    }
    s.lines.append({QCoreApplication::translate("JobSheet", "PROFİL AÇISI (α)"),
                    FieldValues::writeNumber(gauge.profileAngle, locale),
                    QStringLiteral("°"),
                    {}});
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

SheetSection section(const FormState& form, const Machine& machine, ButtonId button,
                     bool computed) {
    SheetSection s;
    s.button = button;
    s.heading = sectionHeading(button);
    s.computed = computed;
    if (!computed) {
        s.lines.append(
            {QString(), QCoreApplication::translate("JobSheet", "hesaplanmadı"), {}, {}});
        return s;
    }
    switch (button) {
    case ButtonId::HESAPLA:
        s.lines = sectionFieldLines(form, button) + driveRatioLines(form);
        break;
    case ButtonId::Command2:
        s.lines = {fieldLine(form, F::AÇI_t), leadAngleLine(form), fieldLine(form, F::AASAĞ_t),
                   fieldLine(form, F::AASOL_t)};
        break;
    case ButtonId::Command1:
        s.lines = machineLines(form, machine) + sectionFieldLines(form, button) +
                  gearTrainLines(form, machine);
        break;
    }
    return s;
}

} // namespace

SectionState sectionState(ButtonId section, const FormSnapshot& now, const CompletedRuns& runs) {
    const std::optional<FormSnapshot>& run = runs.at(indexOf(section));
    if (!run) {
        return SectionState::NeverRun;
    }
    for (const FieldId field : allFields) {
        if (sectionUses(section, field) &&
            run->texts.at(indexOf(field)) != now.texts.at(indexOf(field))) {
            return SectionState::Stale;
        }
    }
    if (section == ButtonId::Command1 && run->machine != now.machine) {
        return SectionState::MachineChanged;
    }
    return SectionState::Current;
}

std::variant<JobSheet, SheetRefusal> makeJobSheet(const FormState& form, const Machine& machine,
                                                  const CompletedRuns& runs,
                                                  const QDateTime& madeAt, const Lathe& lathe,
                                                  const WireGauge& gauge) {
    const FormSnapshot now{form.texts(), machine};
    JobSheet sheet;
    sheet.title = formTitle();
    sheet.madeAt = form.locale().toString(madeAt, QLocale::ShortFormat);
    SheetRefusal refusal;
    for (const ButtonId button : allButtons) {
        const SectionState state = sectionState(button, now, runs);
        const bool firstSection = button == ButtonId::HESAPLA;
        if (isStale(state) || (firstSection && state == SectionState::NeverRun)) {
            refusal.sections.append({button, state});
            continue;
        }
        sheet.sections.at(indexOf(button)) =
            section(form, machine, button, state == SectionState::Current);
    }
    if (!refusal.sections.isEmpty()) {
        return refusal;
    }
    sheet.drive = driveDimensions(form);
    sheet.more.append(latheSection(form, lathe));
    sheet.more.append(turnerSection(form, gauge));
    return sheet;
}

// One sentence a section, so that one box names every section to calculate again.
QString refusalMessage(const SheetRefusal& refusal) {
    QStringList sentences;
    for (const RefusedSection& s : refusal.sections) {
        if (s.state == SectionState::NeverRun) {
            sentences.append(
                QCoreApplication::translate(
                    "JobSheet", "%1 sonuçları henüz yok: önce bölümün HESAPLA düğmesine basın.")
                    .arg(sectionOwner(s.button)));
        } else if (s.state == SectionState::MachineChanged) {
            sentences.append(QCoreApplication::translate(
                "JobSheet",
                "Tezgâh değişti: bölme dişlileri için 3. bölümün HESAPLA düğmesine basın."));
        } else {
            sentences.append(QCoreApplication::translate(
                                 "JobSheet",
                                 "%1 sonuçları güncel değil: son hesaplamadan sonra bir alan "
                                 "değişti. Bölümün HESAPLA düğmesine yeniden basın.")
                                 .arg(sectionOwner(s.button)));
        }
    }
    return sentences.join(QLatin1Char('\n'));
}

QString sheetFileName(const FormState& form) {
    const auto part = [&form](FieldId field) {
        const QString text = form.getText(field);
        const std::optional<double> value = FieldValues::readNumber(text, form.locale());
        QString name = value ? FieldValues::writeNumber(*value, form.locale()) : text.trimmed();
        // Only what every file system takes.
        for (QChar& c : name) {
            if (!c.isLetterOrNumber() && c != QLatin1Char(',') && c != QLatin1Char('.') &&
                c != QLatin1Char('-')) {
                c = QLatin1Char('_');
            }
        }
        return name;
    };
    const auto z1 = wormStarts(form.getText(F::z1_t), form.locale());
    if (std::holds_alternative<int>(z1) && std::get<int>(z1) > 1) {
        return QStringLiteral("zorvandi-m%1-z%2-z1-%3.pdf")
            .arg(part(F::m_t), part(F::Z2_t), part(F::z1_t));
    }
    return QStringLiteral("zorvandi-m%1-z%2.pdf").arg(part(F::m_t), part(F::Z2_t));
}

QString sheetNumber(double x, const QLocale& locale, int decimals) {
    return FieldValues::writeNumber(Decimal15::fromDouble(x).roundedHalfEven(decimals).toDouble(),
                                    locale);
}

QString degreesAndMinutes(double notation) {
    const double magnitude = std::abs(notation);
    const double degrees = std::trunc(magnitude);
    const auto minutes = static_cast<int>(std::lround((magnitude - degrees) * 100));
    return QStringLiteral("%1%2° %3′")
        .arg(notation < 0 ? QStringLiteral("-") : QString())
        .arg(static_cast<long long>(degrees))
        .arg(minutes, 2, 10, QLatin1Char('0'));
}

QList<SheetSection> allSections(const JobSheet& sheet) {
    QList<SheetSection> all(sheet.sections.begin(), sheet.sections.end());
    return all + sheet.more;
}

QString toTabSeparated(const JobSheet& sheet) {
    QString text = sheet.title + QLatin1Char('\t') + sheet.madeAt + QLatin1Char('\n');
    for (const SheetSection& s : allSections(sheet)) {
        text += s.heading + QLatin1Char('\n');
        for (const SheetLine& line : s.lines) {
            text += line.copyCaption() + QLatin1Char('\t') + line.copyValue() + QLatin1Char('\t') +
                    line.unit + QLatin1Char('\n');
        }
    }
    return text;
}

QString toHtmlTable(const JobSheet& sheet) {
    const auto row = [](const QString& caption, const QString& value, const QString& unit) {
        return QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>\n")
            .arg(caption.toHtmlEscaped(), value.toHtmlEscaped(), unit.toHtmlEscaped());
    };
    QString html = QStringLiteral("<table>\n") + row(sheet.title, sheet.madeAt, {});
    for (const SheetSection& s : allSections(sheet)) {
        html +=
            QStringLiteral("<tr><th colspan=\"3\">%1</th></tr>\n").arg(s.heading.toHtmlEscaped());
        for (const SheetLine& line : s.lines) {
            html += row(line.copyCaption(), line.copyValue(), line.unit);
        }
    }
    return html + QStringLiteral("</table>\n");
}
