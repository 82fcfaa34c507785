#pragma once

// Sheets from the command line, without a window: `zorvandi --pdf OUT job.zvj…` writes each
// job's sheet as a PDF, `--tsv` prints the copy's table. A job that cannot be read, or whose
// sections are stale, writes nothing and is named on the error stream with its reason; every
// job is tried, and the status says whether all went.

#include <QLocale>
#include <QStringList>
#include <QTextStream>

// OUT is a file for a single job (unless it is a folder), else a folder, made if it is missing,
// that takes one PDF a job named after it. An empty `pdfOut` prints the tables to `out`.
// Returns 0 when every job gave its sheet, 1 otherwise.
int makeJobSheets(const QStringList& jobs, const QString& pdfOut, const QLocale& locale,
                  QTextStream& out, QTextStream& err);
