#include "app/jobbatch.h"

#include "paint/sheetpainter.h"
#include "store/jobfile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

// Only a PDF may be replaced: a job file or anything else named as the output stays.
bool isPdf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-";
}

} // namespace

std::optional<QString> outputRefusal(const BatchRequest& request) {
    const QFileInfo info(request.pdfOut);
    const QString shown = QDir::toNativeSeparators(request.pdfOut);
    if (request.jobs.size() > 1 && info.exists() && !info.isDir()) {
        return QCoreApplication::translate(
                   "JobBatch", "%1 bir klasör değil: birden çok iş için çıktı bir klasör olmalı.")
            .arg(shown);
    }
    if (info.exists() && !info.isDir() && !isPdf(request.pdfOut)) {
        return QCoreApplication::translate(
                   "JobBatch", "%1 bir PDF değil; üzerine yazılmadı. Çıktı için bir PDF adı ya "
                               "da bir klasör verin.")
            .arg(shown);
    }
    return std::nullopt;
}

namespace {

// The first of "job.pdf", "job (2).pdf", … in the folder that this run has not written and
// that is not some other kind of file.
QString freeName(const QDir& folder, const QString& base, const QSet<QString>& written) {
    for (int n = 1;; ++n) {
        const QString name = n == 1 ? QStringLiteral("%1.pdf").arg(base)
                                    : QStringLiteral("%1 (%2).pdf").arg(base).arg(n);
        QString path = QFileInfo(folder.filePath(name)).absoluteFilePath();
        if (!written.contains(path) && (!QFileInfo::exists(path) || isPdf(path))) {
            return path;
        }
    }
}

} // namespace

int makeJobSheets(const BatchRequest& request, const QLocale& locale, QTextStream& out,
                  QTextStream& err) {
    const QString& pdfOut = request.pdfOut;
    if (!pdfOut.isEmpty()) {
        if (const auto refusal = outputRefusal(request)) {
            err << *refusal << '\n';
            return BatchRefused;
        }
    }
    const bool intoFolder =
        !pdfOut.isEmpty() && (request.jobs.size() > 1 || QFileInfo(pdfOut).isDir());
    if (intoFolder && !QDir().mkpath(pdfOut)) {
        err << QCoreApplication::translate("JobBatch", "%1: klasör oluşturulamadı.")
                   .arg(QDir::toNativeSeparators(pdfOut))
            << '\n';
        return BatchJobFailed;
    }
    int status = BatchDone;
    const QDateTime now = QDateTime::currentDateTime();
    QSet<QString> written;
    QStringList tables;
    for (const QString& path : request.jobs) {
        const QString shown = QDir::toNativeSeparators(path);
        const auto fail = [&](const QString& reason) {
            err << QCoreApplication::translate("JobBatch", "%1: %2").arg(shown, reason) << '\n';
            status = BatchJobFailed;
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
        const auto made =
            sheetOfJob(std::get<JobDocument>(parsed), locale, now, QFileInfo(path).fileName());
        if (const auto* refusal = std::get_if<SheetRefusal>(&made)) {
            fail(refusalMessage(*refusal, locale).replace(QLatin1Char('\n'), QLatin1Char(' ')));
            continue;
        }
        const auto& sheet = std::get<JobSheet>(made);
        if (request.tables) {
            tables.append(shown + QLatin1Char('\n') + toTabSeparated(sheet));
        }
        if (pdfOut.isEmpty()) {
            continue;
        }
        const QString target =
            intoFolder ? freeName(QDir(pdfOut), QFileInfo(path).completeBaseName(), written)
                       : pdfOut;
        if (const auto error = saveSheetAsPdf(sheet, locale, target)) {
            fail(QCoreApplication::translate("JobBatch", "PDF yazılamadı: %1").arg(*error));
            continue;
        }
        written.insert(QFileInfo(target).absoluteFilePath());
        out << QDir::toNativeSeparators(target) << '\n';
    }
    for (const QString& table : tables) {
        out << table << '\n';
    }
    out.flush();
    err.flush();
    return status;
}
