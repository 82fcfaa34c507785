#pragma once

// The "Gövdeden Tasarım" tool window: the housing's centre distance and the ratio wanted (or the
// input and output speeds) in, every worm drive that fits out, a row each, sortable by any
// column, with the shop's hob that cuts it. "Kullan" types the chosen drive into the form (and
// the hob's angle into AÇI) and presses HESAPLA, as the user would, so that the form's own
// rules then hold; the job remembers the housing and ratio asked for its sheet. The modules,
// starts, tolerance and q range are kept in the settings. Non-modal, made on first use; it
// reads no section's results, so it is never grey.

#include "calc/design.h"
#include "ui/toolwindow.h"

#include <QSettings>

#include <array>

class MachineStore;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

class DesignWindow final : public ToolWindow {
    Q_OBJECT

public:
    DesignWindow(Workflow& flow, const MachineStore& store, QSettings& settings,
                 QWidget* parent = nullptr);

    // The span of x2 the shop keeps, which the form's warning holds a typed shift against too.
    static ValueRange keptShiftRange(const QSettings& settings);

    // The shop's hobs may have changed in the editor.
    void followHobs() { refreshIfShown(); }

protected:
    void retranslate() override;
    void refresh() override;
    bool follows(FieldId /*field*/) const override { return false; }

private:
    // The ask as typed, or why it cannot be: the input named, in words.
    std::variant<DesignAsk, QString> takeAsk() const;
    void showDesign(const Design& design);
    // The table's row `tableRow` for the design's row `designRow`, with its tooltips.
    void fillRow(int tableRow, int designRow, const DesignRow& row);
    // Why an input is out of its range, in words.
    static QString askFaultText(DesignInput input, const QLocale& locale);
    // A row's cells: the text shown and the key it sorts by.
    using Cells = std::array<std::pair<QString, QVariant>, 16>;
    static Cells rowCells(const DesignRow& row, const QStringList& warnings, const QString& hob,
                          const QLocale& locale);
    // How many fit, or why none does.
    static QString designText(const Design& design, const QLocale& locale);
    void useChosen();
    // The housing and ratio the job was designed for, in the inputs, once it has one.
    void showDesignedFor();
    // Between the ratio and the output speed: the one typed becomes the other through N1, or
    // the field is cleared where N1 does not read, so that no digits change their meaning.
    void switchRatioGiven(int given);

    const MachineStore& m_store;
    QSettings& m_settings;
    QComboBox* m_centreDistance = nullptr;
    QComboBox* m_ratioGiven = nullptr;
    QLineEdit* m_ratio = nullptr;
    QLineEdit* m_inputSpeed = nullptr;
    QLineEdit* m_tolerance = nullptr;
    std::array<QCheckBox*, 6> m_starts{};
    QLineEdit* m_modules = nullptr;
    QLineEdit* m_qLow = nullptr;
    QLineEdit* m_qHigh = nullptr;
    QComboBox* m_worms = nullptr; // in WormChoice order
    QLineEdit* m_x2Low = nullptr;
    QLineEdit* m_x2High = nullptr;
    QCheckBox* m_showAll = nullptr; // rows that break a rule of making too
    QFormLayout* m_inputs = nullptr;
    QLabel* m_message = nullptr;
    QTableWidget* m_table = nullptr;
    QPushButton* m_use = nullptr;
    std::optional<DesignAsk> m_ask;
    int m_ratioGivenShown = 0; // what m_ratio holds: 0 the ratio, 1 the output speed
    Design m_design;
};
