#include "flow/jobdocument.h"

#include "calc/wormdrive.h"
#include "flow/workflow.h"
#include "model/fieldvalues.h"
#include "model/formstate.h"

namespace {

// Each of `from`'s decimal and group separators as `to` writes it.
QString tradeSeparators(const QString& text, const QLocale& from, const QLocale& to) {
    QString traded;
    for (const QChar c : text) {
        if (QString(c) == from.decimalPoint()) {
            traded += to.decimalPoint();
        } else if (QString(c) == from.groupSeparator()) {
            traded += to.groupSeparator();
        } else {
            traded += c;
        }
    }
    return traded;
}

} // namespace

JobDocument jobNow(const Workflow& flow, const JobInfo& info) {
    return {flow.form().locale().name(),
            flow.form().texts(),
            flow.completedRuns(),
            flow.machine(),
            info.lathe,
            flow.chosenLead(),
            flow.gauge(),
            info.title,
            info.note,
            flow.ratingInputs(),
            flow.designedFor()};
}

bool isModified(const JobDocument& saved, const Workflow& flow, const JobInfo& info) {
    return !(jobNow(flow, info) == saved);
}

JobDocument inLocale(JobDocument job, const QLocale& locale) {
    const QLocale saved(job.locale);
    if (saved.decimalPoint() == locale.decimalPoint()) {
        job.locale = locale.name();
        return job;
    }
    const auto convert = [&](FieldTexts& texts) {
        for (QString& text : texts) {
            if (FieldValues::readNumber(text, saved)) {
                if (!FieldValues::isAmbiguousPoint(text, saved)) {
                    text.replace(saved.decimalPoint(), locale.decimalPoint());
                }
            } else if (FieldValues::readNumber(text, locale)) {
                text = tradeSeparators(text, saved, locale);
            }
        }
    };
    convert(job.texts);
    for (auto& run : job.runs) {
        if (run) {
            convert(run->texts);
        }
    }
    job.locale = locale.name();
    return job;
}

JobDocument withUnreadableInputsStale(JobDocument job, const QLocale& locale) {
    for (const ButtonId section : allButtons) {
        auto& run = job.runs.at(indexOf(section));
        if (!run) {
            continue;
        }
        for (const FieldId id : allFields) {
            if (sectionUses(section, id) && isInputField(id) &&
                !inputReads(id, run->texts.at(indexOf(id)), locale)) {
                // No text a field can hold: the section no longer matches the form.
                run->texts.at(indexOf(id)) = QStringLiteral("\u0000");
            }
        }
    }
    return job;
}

std::variant<JobSheet, SheetRefusal> sheetOfJob(const JobDocument& job, const QLocale& locale,
                                                const QDateTime& madeAt, const QString& fileName) {
    // A headless run shows no box: its refusals are values.
    QuietSink silent;
    const JobDocument here = withUnreadableInputsStale(inLocale(job, locale), locale);
    FormState form(locale, silent);
    Workflow flow(form);
    flow.setMachine(here.machine);
    flow.restore(here.texts, here.runs);
    return makeJobSheet(form, here.machine, flow.completedRuns(), madeAt,
                        {here.lathe, here.gauge, here.lead, here.title, here.note, here.rating,
                         here.design, fileName});
}
