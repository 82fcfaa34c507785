#pragma once

// A job as a document: the strict JSON file *.zvj that keeps every field's text as it stands,
// what each section's last complete run left (so that the stale marks, the notes and the
// sheet's refusal come back as they were), whole copies of the hobbing machine and the lathe
// the job was made for, the lead chosen on the lathe, the turner's gauge and the user's title
// and note.
//
//   { "format": "zorvandi-job", "version": 1, "locale": "tr_TR",
//     "fields": { "m_t": "3", "Z2_t": "36", … },
//     "runs": { "HESAPLA": { "fields": { … }, "machine": { … } }, "Command2": null,
//               "Command1": null },
//     "machine": { "name": …, "indexConstant": …, "gears": […] },
//     "lathe": { "name": …, "leadScrew": { "mm": 6 }, "gears": […] },
//     "lead": 9.42149, "profileAngle": 20, "wire": null, "title": "", "note": "",
//     "rating": { "given": "outputTorque", "load": 450, "serviceFactor": 1,
//                 "casting": "sandCast", "faceWidth": null, "friction": null, "fan": false,
//                 "housingArea": null, "ambient": 20, "sumpLimit": null },
//     "design": { "centreDistance": 100, "ratio": 20 } }
//
// Version 2 added "rating" and "design" (null for a job that was typed); a version-1 file reads
// with the rating's defaults and no design.
//
// "format" and "version" are written first, for the desktop's magic. Reading is as strict as
// the machine file's: any key missing, misspelt, unknown, written twice or of the wrong type, a
// value out of its range, a locale no one has, a missing or later version, or a field that is
// not a string makes the file unusable. Texts are kept as typed, with the locale they were
// typed in; opened under another, a text that reads as a number there takes this locale's
// decimal separator, and a text that does not read there never comes to read here.

#include "flow/runstate.h"
#include "store/machinefile.h"

#include <QByteArray>
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

std::variant<JobDocument, FileFault> parseJobFile(const QByteArray& json);
QByteArray jobFileText(const JobDocument& job);
// The words for a job file that cannot be used.
QString jobFileFaultMessage(const FileFault& fault, const QLocale& locale);

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
                                                const QDateTime& madeAt);

// "zorvandi-m3-z36.zvj": the sheet's name for the job's file.
QString jobFileName(const FormState& form);
