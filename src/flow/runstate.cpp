#include "flow/runstate.h"

#include <QCoreApplication>

#include "calc/wormdrive.h"
#include "model/formstate.h"

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
                                                  const QDateTime& madeAt,
                                                  const SheetTools& tools) {
    const FormSnapshot now{form.texts(), machine};
    SheetRefusal refusal;
    std::array<bool, buttonCount> current{};
    for (const ButtonId button : allButtons) {
        const SectionState state = sectionState(button, now, runs);
        const bool firstSection = button == ButtonId::HESAPLA;
        if (isStale(state) || (firstSection && state == SectionState::NeverRun)) {
            refusal.sections.append({button, state});
        }
        current.at(indexOf(button)) = state == SectionState::Current;
    }
    refusal.job = unmakeableJob(form);
    if (!refusal.sections.isEmpty() || !refusal.job.isEmpty()) {
        return refusal;
    }
    return composeJobSheet(form, machine, current, madeAt, tools);
}

// One sentence a section, so that one box names every section to calculate again.
QString refusalMessage(const SheetRefusal& refusal, const QLocale& locale) {
    QStringList sentences;
    for (const Fault& fault : refusal.job) {
        sentences.append(jobFaultMessage(fault, locale));
    }
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
