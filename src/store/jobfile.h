#pragma once

// A job as a document: the strict JSON file *.zvj that keeps every field's text as it stands,
// what each section's last complete run left (so that the stale marks, the notes and the
// sheet's refusal come back as they were), whole copies of the hobbing machine and the lathe
// the job was made for, the lead chosen on the lathe, the turner's gauge and the user's title
// and note.
//
//   { "format": "zorvandi-job", "version": 3, "locale": "tr_TR",
//     "fields": { "m_t": "3", "Z2_t": "36", … },
//     "runs": { "HESAPLA": { "fields": { … }, "machine": { … } }, "Command2": null,
//               "Command1": null },
//     "machine": { "name": …, "indexConstant": …, "gears": […] },
//     "lathe": { "name": …, "leadScrew": { "mm": 6 }, "gears": […] },
//     "lead": 9.42149, "profileAngle": 20, "wire": null, "title": "", "note": "",
//     "rating": { "given": "outputTorque", "load": 450, "serviceFactor": 1,
//                 "casting": "sandCast", "faceWidth": null, "friction": null, "fan": false,
//                 "housingArea": null, "ambient": 20, "sumpLimit": null },
//     "design": { "centreDistance": 100, "ratio": 20 },
//     "thinning": { "least": 0, "most": 0 } }
//
// Version 2 added "rating" and "design" (null for a job that was typed); a version-1 file reads
// with the rating's defaults and no design. Version 3 added the field "x2_t" and "thinning" (µm
// of the thread's sx); earlier files read with x2 "0" and no thinning.
//
// "format" and "version" are written first, for the desktop's magic. Reading is as strict as
// the machine file's: any key missing, misspelt, unknown, written twice or of the wrong type, a
// value out of its range, a locale no one has, a missing or later version, or a field that is
// not a string makes the file unusable. Texts are kept as typed, with the locale they were
// typed in; opened under another, a text that reads as a number there takes this locale's
// decimal separator, and a text that does not read there never comes to read here.

#include "flow/jobdocument.h"
#include "store/machinefile.h"

#include <QByteArray>
#include <QLocale>
#include <QString>

#include <optional>
#include <variant>

std::variant<JobDocument, FileFault> parseJobFile(const QByteArray& json);
QByteArray jobFileText(const JobDocument& job);
// The words for a job file that cannot be used.
QString jobFileFaultMessage(const FileFault& fault, const QLocale& locale);

// "zorvandi-m3-z36.zvj": the sheet's name for the job's file.
QString jobFileName(const FormState& form);
