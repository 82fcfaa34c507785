#pragma once

// The "Vida Tornalama" tool window: the lathe's change gears that come nearest the worm's lead
// z1 × π × m, following m_t, z1_t and L_t as they are typed, with a choice of lathe at the top.
// Below the table, for a worm of more than one start, how to index the starts for the chosen
// row; the row chosen is the job's, and the sheet prints it. A lathe whose nearest lead misses
// by more than 1 % offers no row. Non-modal, made on first use; the search runs in src/calc.

#include "calc/lathetrains.h"
#include "ui/toolwindow.h"

#include <optional>

class MachineStore;
class QComboBox;
class QLabel;
class QTableWidget;

class LatheWindow final : public ToolWindow {
    Q_OBJECT

public:
    LatheWindow(Workflow& flow, MachineStore& store, QWidget* parent = nullptr);

    // The lathes or the choice among them changed.
    void followLathes();

protected:
    void retranslate() override;
    void refresh() override;
    bool follows(FieldId field) const override;

private:
    void chooseLathe(int index);
    void showIndexing();

    MachineStore& m_store;
    std::optional<LatheTrainFinder> m_finder; // for the lathe in use
    QLabel* m_latheLabel = nullptr;
    QComboBox* m_lathe = nullptr;
    QLabel* m_message = nullptr;
    QTableWidget* m_table = nullptr;
    QLabel* m_indexing = nullptr;
    QList<LeadRow> m_rows;
    int m_starts = 1;
    double m_module = 0;
};
