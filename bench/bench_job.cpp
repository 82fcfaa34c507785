// A job of the default machine, all three sections run: read from its file's bytes, restored
// into a headless form, written again, over 1000 rounds (median and worst against 5 ms); then
// the command line's --pdf over 100 such jobs, the time a job.

#include "app/jobbatch.h"
#include "flow/workflow.h"
#include "model/formstate.h"
#include "silentsink.h"
#include "store/jobfile.h"

#include <QGuiApplication>
#include <QLocale>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

JobDocument typicalJob(const QLocale& locale) {
    SilentSink sink;
    FormState form(locale, sink);
    Workflow flow(form);
    form.Form_Load();
    for (const auto& [id, text] :
         {std::pair{FieldId::m_t, "3"}, std::pair{FieldId::Z2_t, "36"},
          std::pair{FieldId::da1_t, "66"}, std::pair{FieldId::N1_t, "1440"},
          std::pair{FieldId::AÇI_t, "3"}, std::pair{FieldId::GD_t, "48"}}) {
        form.setText(id, QString::fromUtf8(text));
    }
    for (const ButtonId button : allButtons) {
        flow.click(button);
    }
    JobDocument job;
    job.locale = locale.name();
    job.texts = form.texts();
    job.runs = flow.completedRuns();
    return job;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication app(argc, argv);
    const QLocale locale(QLocale::Turkish, QLocale::Turkey);
    const QByteArray bytes = jobFileText(typicalJob(locale));

    constexpr int rounds = 1000;
    constexpr double budgetMs = 5;
    std::vector<double> times;
    SilentSink sink;
    FormState form(locale, sink);
    Workflow flow(form);
    for (int i = 0; i < rounds; ++i) {
        const auto start = Clock::now();
        const auto read = parseJobFile(bytes);
        const auto* job = std::get_if<JobDocument>(&read);
        if (job == nullptr) {
            std::fprintf(stderr, "the job does not read\n");
            return 1;
        }
        flow.restore(job->texts, job->runs);
        JobDocument again = *job;
        again.texts = form.texts();
        again.runs = flow.completedRuns();
        const QByteArray written = jobFileText(again);
        times.push_back(millisecondsSince(start));
        if (written != bytes) {
            std::fprintf(stderr, "the job did not write back as it was read\n");
            return 1;
        }
    }
    std::sort(times.begin(), times.end());
    std::printf("a job read, restored and written, %d rounds\n", rounds);
    std::printf("  median  %.3f ms, worst %.3f ms\n", times[times.size() / 2], times.back());
    std::printf("  budget  %.0f ms; worst/budget = %.3f\n", budgetMs, times.back() / budgetMs);

    constexpr int jobs = 100;
    const QTemporaryDir dir;
    QStringList paths;
    for (int i = 0; i < jobs; ++i) {
        QFile file(dir.filePath(QStringLiteral("job-%1.zvj").arg(i)));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            return 1;
        }
        paths.append(file.fileName());
    }
    QString output;
    QTextStream out(&output);
    QTextStream err(stderr);
    const auto start = Clock::now();
    const int status =
        makeJobSheets({paths, dir.filePath(QStringLiteral("pdf")), false}, locale, out, err);
    const double took = millisecondsSince(start);
    std::printf("--pdf over %d jobs: %.0f ms, %.1f ms a job (status %d)\n", jobs, took, took / jobs,
                status);
    return status;
}
