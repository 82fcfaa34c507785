#pragma once

// A job as a document, apart from any file or window: every field's text as it stands, what
// each section's last complete run left, the machine, lathe, lead, gauge, rating inputs and
// design it was made with, and the user's title and note. The job file (store/jobfile.h)
// writes and reads it; the window (ui/jobsession.h) holds one; and its sheet is made here, as
// the window would make it, for the command line.

#include "calc/design.h"
#include "calc/lathe.h"
#include "calc/machine.h"
#include "calc/rating.h"
#include "calc/turnerfigures.h"
#include "flow/runstate.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <optional>
#include <variant>

struct JobDocument {
    QString locale; // the name of the locale the texts were typed in, "tr_TR"
    FieldTexts texts;
    CompletedRuns runs;
    Machine machine = builtInMachine();
    Lathe lathe = builtInLathe();
    std::optional<double> lead; // the lead chosen on the lathe; nothing: the nearest
    WireGauge gauge;
    QString title;
    QString note;
    RatingInputs rating;
    std::optional<DesignedFor> design; // the housing and ratio asked, for a designed job

    friend bool operator==(const JobDocument&, const JobDocument&) = default;
};

class Workflow;

// What a job holds beside the workflow: the lathe in use (which the shop's store keeps), and the
// user's title and note.
struct JobInfo {
    Lathe lathe = builtInLathe();
    QString title;
    QString note;
};

// The job as it would be saved now.
JobDocument jobNow(const Workflow& flow, const JobInfo& info);
// Whether the job differs from the one last opened or saved: one comparison of the whole job,
// so that no change of a text, a run, a machine, a lathe, a choice or the title has to remember
// to mark it.
bool isModified(const JobDocument& saved, const Workflow& flow, const JobInfo& info);

// The texts and runs as `locale` reads them: a text that reads as a number in the job's own
// locale takes this one's decimal separator. The rest are kept byte for byte, save one that
// would then read here ("1,450" of en_US, 1,45 in tr_TR): its separators trade places ("1.450"),
// so that it stays unreadable and names the same two readings.
JobDocument inLocale(JobDocument job, const QLocale& locale);

// A section whose inputs do not read, as a hand edit may leave them, is stale, never current.
JobDocument withUnreadableInputsStale(JobDocument job, const QLocale& locale);

// The job's sheet as the window would make it, without a window: the job's own machine and
// lathe, its chosen lead and gauge; or why none is made (a stale section, a job no shop can
// make).
std::variant<JobSheet, SheetRefusal> sheetOfJob(const JobDocument& job, const QLocale& locale,
                                                const QDateTime& madeAt,
                                                const QString& fileName = {});
