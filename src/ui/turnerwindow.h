#pragma once

// The "Taslak ve Kontrol" tool window: the wheel blank's and the worm's figures for the turner
// and for whoever measures the thread, each with its rule, and the warnings where the sizes do
// not fit together. It follows the form's fields as they are typed. Its inputs: the profile
// angle α and the wire's diameter (empty: the best wire), kept in the settings, and the thread's
// thinning allowances, which bound M and are kept with the job; a text that does not read names
// its input. Non-modal, made on first use.

#include "calc/turnerfigures.h"
#include "ui/toolwindow.h"

#include <QSettings>

class QLabel;
class QLineEdit;
class QTableWidget;

class TurnerWindow final : public ToolWindow {
    Q_OBJECT

public:
    TurnerWindow(Workflow& flow, QSettings& settings, QWidget* parent = nullptr);

protected:
    void retranslate() override;
    void refresh() override;
    bool follows(FieldId /*field*/) const override { return true; }

private:
    void takeGauge();
    void showGauge(const WireGauge& gauge, const QLocale& locale);

    QSettings& m_settings;
    QLineEdit* m_angle = nullptr;
    QLineEdit* m_wire = nullptr;
    QLineEdit* m_leastThinning = nullptr; // µm of sx; the job keeps both
    QLineEdit* m_mostThinning = nullptr;
    QLabel* m_thinningLabel = nullptr;
    QLabel* m_angleLabel = nullptr;
    QLabel* m_wireLabel = nullptr;
    QLabel* m_message = nullptr;
    QTableWidget* m_table = nullptr;
    QLabel* m_warnings = nullptr;
    // What the job keeps; nothing while the angle or the wire does not read.
    std::optional<WireGauge> m_gauge;
    QString m_thinningMessage; // why the thinning typed is not used, if it is not
};
