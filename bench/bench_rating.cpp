// The whole rating of a drive from the form, for Z2 10..100 × z1 1..6 × N1 {500, 1450, 2900}
// at m 3 and da1 56 in a comma locale: the fields read, the figures and the warnings made. Each
// case is timed over a batch; prints the median and the slowest case a rating and the median's
// ratio to the 20 µs budget, and the same with every figure worded, as the window does on each
// keystroke.

#include "calc/rating.h"
#include "flow/workflow.h"
#include "model/formstate.h"
#include "silentsink.h"

#include <QLocale>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

struct Timing {
    double median = 0;
    double slowest = 0;
};

Timing summary(std::vector<double> perCase) {
    std::sort(perCase.begin(), perCase.end());
    return {perCase[perCase.size() / 2], perCase.back()};
}

// Microseconds a call of `work`, over `repeats` calls.
template <typename Work> double perCall(int repeats, Work work) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < repeats; ++i) {
        work();
    }
    const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
    return took.count() / repeats;
}

// Every figure and warning in words, as the window shows them.
qsizetype wordsOf(const DriveRating& r, const QLocale& locale) {
    qsizetype words = 0;
    for (const RatingFigure& f : r.figures) {
        words += ratingValue(f, locale).size() + ratingRule(f.id, r, locale).size() +
                 ratingCaption(f.id).size();
    }
    for (const RatingWarning& w : r.warnings) {
        words += ratingWarningText(w, locale).size();
    }
    return words;
}

} // namespace

int main() {
    constexpr int repeats = 200;
    constexpr double budgetMicros = 20.0;
    const QLocale locale(QLocale::Turkish, QLocale::Turkey);
    SilentSink sink;
    FormState form(locale, sink);
    Workflow flow(form);
    form.Form_Load();
    RatingInputs inputs;
    inputs.load = 300;
    inputs.sumpLimit = 90;

    std::vector<double> bare;
    std::vector<double> worded;
    qsizetype sink2 = 0;
    qsizetype words = 0;
    for (int z2 = 10; z2 <= 100; ++z2) {
        for (int z1 = 1; z1 <= 6; ++z1) {
            for (const int n1 : {500, 1450, 2900}) {
                form.setText(FieldId::m_t, QStringLiteral("3"));
                form.setText(FieldId::Z2_t, form.locale().toString(z2));
                form.setText(FieldId::da1_t, QStringLiteral("56"));
                form.setText(FieldId::z1_t, form.locale().toString(z1));
                form.setText(FieldId::N1_t, form.locale().toString(n1));
                flow.click(ButtonId::HESAPLA);
                if (!std::holds_alternative<DriveGeometry>(driveGeometry(form, 20))) {
                    std::fprintf(stderr, "Z2 %d, z1 %d, N1 %d: the form does not read (%s)\n", z2,
                                 z1, n1, qPrintable(form.getText(FieldId::d2_t)));
                    return 1;
                }
                bare.push_back(perCall(repeats, [&] {
                    const auto drive = driveGeometry(form, 20);
                    sink2 += rateDrive(std::get<DriveGeometry>(drive), inputs).figures.size();
                }));
                worded.push_back(perCall(repeats, [&] {
                    const auto drive = driveGeometry(form, 20);
                    words += wordsOf(rateDrive(std::get<DriveGeometry>(drive), inputs), locale);
                }));
            }
        }
    }
    if (sink.count != 0 || sink2 == 0 || words == 0) {
        std::fprintf(stderr, "a rating did not run\n");
        return 1;
    }
    const Timing b = summary(bare);
    const Timing w = summary(worded);
    std::printf("rating from the form, tr_TR, %zu cases × %d\n", bare.size(), repeats);
    std::printf("  figures  median %.2f us, slowest case %.2f us; median/budget = %.3f\n", b.median,
                b.slowest, b.median / budgetMicros);
    std::printf("  worded   median %.2f us, slowest case %.2f us (the window's keystroke)\n",
                w.median, w.slowest);
    return 0;
}
