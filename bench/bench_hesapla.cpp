// One complete HESAPLA click on the headless model, in a comma locale, timed over many
// batches; prints the median time a click and its ratio to the 20 µs budget.

#include "flow/workflow.h"
#include "model/formstate.h"
#include "silentsink.h"

#include <QLocale>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

int main() {
    constexpr int batches = 41;
    constexpr int clicksPerBatch = 5000;
    constexpr double budgetMicros = 20.0;

    SilentSink sink;
    FormState form(QLocale(QLocale::Turkish, QLocale::Turkey), sink);
    Workflow flow(form);
    form.Form_Load();
    form.setText(FieldId::m_t, QStringLiteral("4,5"));
    form.setText(FieldId::Z2_t, QStringLiteral("41"));
    form.setText(FieldId::da1_t, QStringLiteral("66,5"));
    form.setText(FieldId::N1_t, QStringLiteral("1440"));

    std::vector<double> perClick;
    for (int b = 0; b < batches; ++b) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < clicksPerBatch; ++i) {
            flow.click(ButtonId::HESAPLA);
        }
        const std::chrono::duration<double, std::micro> took =
            std::chrono::steady_clock::now() - start;
        perClick.push_back(took.count() / clicksPerBatch);
    }
    if (sink.count != 0 || !form.isEnabled(ButtonId::Command2)) {
        std::fprintf(stderr, "the click did not run to its end\n");
        return 1;
    }
    std::sort(perClick.begin(), perClick.end());
    const double median = perClick[perClick.size() / 2];
    std::printf("HESAPLA_Click, tr_TR, %d batches of %d clicks\n", batches, clicksPerBatch);
    std::printf("  median  %.2f us a click (fastest batch %.2f, slowest %.2f)\n", median,
                perClick.front(), perClick.back());
    std::printf("  budget  %.2f us; median/budget = %.2f\n", budgetMicros, median / budgetMicros);
    return 0;
}
