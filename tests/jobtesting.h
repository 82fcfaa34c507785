#pragma once

// What the job tests share: a job made as the window makes one.

#include "flow/workflow.h"
#include "store/jobfile.h"

#include "formtesting.h"

// A job as the window leaves it: the three sections run on m 3, Z2 36, then `edits`
// ("field=text") typed over the results.
inline JobDocument jobOf(const QLocale& locale, const QStringList& edits, int sectionsRun) {
    RecordingSink sink;
    FormState form(locale, sink);
    Workflow flow(form);
    form.Form_Load();
    const QStringList typed = {QStringLiteral("m_t=3"),    QStringLiteral("Z2_t=36"),
                               QStringLiteral("da1_t=66"), QStringLiteral("N1_t=1440"),
                               QStringLiteral("AÇI_t=3"),  QStringLiteral("GD_t=48")};
    const QList<ButtonId> buttons = {ButtonId::HESAPLA, ButtonId::Command2, ButtonId::Command1};
    for (const QString& edit : typed) {
        form.setText(*fieldNamed(edit.section(QLatin1Char('='), 0, 0)),
                     edit.section(QLatin1Char('='), 1));
    }
    for (int i = 0; i < sectionsRun; ++i) {
        flow.click(buttons.at(i));
    }
    for (const QString& edit : edits) {
        form.setText(*fieldNamed(edit.section(QLatin1Char('='), 0, 0)),
                     edit.section(QLatin1Char('='), 1));
    }
    JobDocument job;
    job.locale = locale.name();
    job.texts = form.texts();
    job.runs = flow.completedRuns();
    job.machine = flow.machine();
    return job;
}
