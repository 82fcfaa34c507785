#include "calc/sheetsections.h"

#include <QCoreApplication>

#include "calc/changegears.h"
#include "calc/geartrains.h"
#include "calc/hobangles.h"
#include "calc/wormstarts.h"
#include "model/fieldvalues.h"

#include <cmath>
#include <numbers>

namespace SheetSections {

using F = FieldId;

double valueOf(const FormState& form, FieldId field) {
    return FieldValues::readNumber(form.getText(field), form.locale()).value_or(0.0);
}

// The worm's starts of a current section, which has read them as valid.
int wormStartsOf(const FormState& form) {
    const auto z1 = wormStarts(form.getText(F::z1_t), form.locale());
    return std::holds_alternative<int>(z1) ? std::get<int>(z1) : 1;
}

namespace {

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

// The rules a shifted wheel's sizes are made by, each with its x2 term. An unshifted wheel's
// sheet names neither the shift nor these rules, and reads as it always has.
std::optional<QString> shiftedRule(FieldId field, const QLocale& locale) {
    switch (field) {
    case F::da2_t:
        return QStringLiteral("da2 = (Z2 + 2)·m + 2·x2·m");
    case F::df2_t:
        return QStringLiteral("df2 = d2 − %1·m + 2·x2·m").arg(locale.toString(2.335));
    case F::A_t:
        return QStringLiteral("A = (d1 + d2) ÷ 2 + x2·m");
    default:
        return std::nullopt;
    }
}

QList<SheetLine> sectionFieldLines(const FormState& form, ButtonId section) {
    QList<SheetLine> lines;
    const bool shifted = valueOf(form, F::x2_t) != 0;
    for (const FieldInfo& info : fieldTable) {
        if (info.section == section) {
            if (info.id == F::x2_t && !shifted) {
                continue;
            }
            lines.append(fieldLine(form, info.id));
            if (const auto rule = shiftedRule(info.id, form.locale()); rule && shifted) {
                lines.back().rule = *rule;
            }
            // The pitch field keeps the shop's 3,14, so that 12,56 beside px 12,566 reads as the
            // rule it is, not a fault; the drawing and the turner's figures take px = π × m.
            if (info.id == F::P_t) {
                lines.back().rule = QCoreApplication::translate(
                                        "JobSheet", "P = %1 × m, atölyenin yuvarlatılmış adımı")
                                        .arg(form.locale().toString(3.14));
            }
        }
    }
    return lines;
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

} // namespace

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
                      // The thread is cut and measured to π × m, not the field's 3,14 × m.
                      measured(std::numbers::pi * valueOf(form, F::m_t)),
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
    const auto made = turnerFigures(form, {}, WireWork::Skip);
    if (const auto* blank = std::get_if<TurnerFigures>(&made)) {
        if (const double rk = blank->value(FigureId::ThroatRadius); rk > 0) {
            d.rk = measured(rk);
            d.de2 = measured(blank->value(FigureId::OuterDiameter));
        }
    }
    return d;
}

namespace {

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

} // namespace

SheetSection formSection(const FormState& form, const Machine& machine, ButtonId button,
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

} // namespace SheetSections
