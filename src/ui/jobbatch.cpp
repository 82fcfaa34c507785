#include "ui/jobbatch.h"

#include "paint/sheetpainter.h"
#include "store/jobfile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

int makeJobSheets(const QStringList& jobs, const QString& pdfOut, const QLocale& locale,
                  QTextStream& out, QTextStream& err) {
    const bool intoFolder = !pdfOut.isEmpty() && (jobs.size() > 1 || QFileInfo(pdfOut).isDir());
    if (intoFolder && !QDir().mkpath(pdfOut)) {
        err << QCoreApplication::translate("JobBatch", "%1: klasör oluşturulamadı.")
                   .arg(QDir::toNativeSeparators(pdfOut))
            << '\n';
        return 1;
    }
    int status = 0;
    const QDateTime now = QDateTime::currentDateTime();
    for (const QString& path : jobs) {
        const QString shown = QDir::toNativeSeparators(path);
        const auto fail = [&](const QString& reason) {
            err << QCoreApplication::translate("JobBatch", "%1: %2").arg(shown, reason) << '\n';
            status = 1;
        };
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            fail(file.errorString());
            continue;
        }
        const auto parsed = parseJobFile(file.readAll());
        if (const auto* fault = std::get_if<FileFault>(&parsed)) {
            fail(jobFileFaultMessage(*fault, locale));
            continue;
        }
        const auto made = sheetOfJob(std::get<JobDocument>(parsed), locale, now);
        if (const auto* refusal = std::get_if<SheetRefusal>(&made)) {
            fail(refusalMessage(*refusal, locale).replace(QLatin1Char('\n'), QLatin1Char(' ')));
            continue;
        }
        const auto& sheet = std::get<JobSheet>(made);
        if (pdfOut.isEmpty()) {
            out << toTabSeparated(sheet) << '\n';
            continue;
        }
        const QString target =
            intoFolder
                ? QDir(pdfOut).filePath(QFileInfo(path).completeBaseName() + QStringLiteral(".pdf"))
                : pdfOut;
        if (const auto error = saveSheetAsPdf(sheet, locale, target)) {
            fail(QCoreApplication::translate("JobBatch", "PDF yazılamadı: %1").arg(*error));
        }
    }
    out.flush();
    err.flush();
    return status;
}
