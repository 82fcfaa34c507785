#pragma once

// Sheets from the command line, without a window: `zorvandi --pdf OUT job.zvj…` writes each
// job's sheet as a PDF, `--tsv` prints the copy's table, and both may be asked at once. A job
// that cannot be read, or whose sections are stale, writes nothing and is named on the error
// stream with its reason; every job is tried, and the status says whether all went.

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <optional>

// What the command line asked of the batch.
struct BatchRequest {
    QStringList jobs;
    QString pdfOut; // empty: no PDF
    bool tables = false;
};

// The statuses of a batch, as a shell sees them.
enum BatchStatus {
    BatchDone = 0,      // every job gave its sheet
    BatchJobFailed = 1, // at least one job gave none
    BatchRefused = 2,   // nothing was tried: the output would destroy a file, or is no folder
};

// Why the output cannot be used, before anything is written; nothing when it can: several jobs
// need a folder, and a file that is not a PDF is never written over.
std::optional<QString> outputRefusal(const BatchRequest& request);

// OUT is a file for a single job (unless it is a folder), else a folder, made if it is missing,
// that takes one PDF a job named after it. An OUT that exists and is not a PDF is never
// written over, and in one run no PDF is written over another: a second "job.pdf" becomes
// "job (2).pdf". Every PDF written is named on `out`, one a line, before the tables, each of
// which starts with its job file's name.
int makeJobSheets(const BatchRequest& request, const QLocale& locale, QTextStream& out,
                  QTextStream& err);
