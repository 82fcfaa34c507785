#pragma once

// "Tezgâhlar": the modal editor of the shop's machines, hobbing machines in one tab and lathes
// (LathesPage) in the other. A list of the machines, the built-in one first and read-only, and
// the fields of the one selected; "Yeni", "Çoğalt", "Sil", and import and export of machine
// files. It edits a copy and never changes what the user typed:
// each machine keeps its own texts, and a machine whose texts break a rule is marked in the
// list with the reason. OK and export check every machine and name each one at fault; OK then
// hands the copy to the window, which saves it, and stays open with the edits if that fails.
// Cancel or Esc after a change asks before the changes are dropped.

#include "store/machinefile.h"

#include <QDialog>

#include <functional>
#include <optional>

class LathesPage;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

class MachinesDialog final : public QDialog {
    Q_OBJECT

public:
    // Saves the machines and lathes and the names of the ones in use; the reason when it could
    // not.
    using Save = std::function<std::optional<QString>(
        const MachineBook& book, const QString& chosen, const QString& chosenLathe)>;

    MachinesDialog(const MachineBook& book, QString chosen, const QString& chosenLathe,
                   const QLocale& locale, Save save, QWidget* parent = nullptr);

    void accept() override;
    void reject() override;

private:
    // A machine as edited: its values, and the texts as typed, which may not read yet.
    struct Entry {
        Machine machine;
        QString gearsText;
        QString gearsFault; // the gear list as typed does not read
    };

    void showMachine(int row);
    void takeEdits();
    void refreshList(int select);
    void markFaults();
    // The reason of every machine at fault, in list order, with the first one's row.
    QStringList faults(int* firstRow);
    bool refuseFaults(const QString& intro);
    void addNew();
    void duplicate();
    void remove();
    void importFile();
    void exportFile();
    void message(const QString& text);
    // The row's entry, or nothing for the built-in machine (row 0).
    Entry* editable(int row);
    QList<Machine> machines() const;

    QList<Entry> m_entries;
    QString m_chosen;
    QLocale m_locale;
    Save m_save;
    bool m_showing = false; // fields being filled, not edited
    bool m_changed = false;
    QListWidget* m_list = nullptr;
    QLineEdit* m_name = nullptr;
    QSpinBox* m_constant = nullptr;
    QPlainTextEdit* m_gears = nullptr;
    QCheckBox* m_hasLargeWheel = nullptr;
    QSpinBox* m_above = nullptr;
    QSpinBox* m_largeConstant = nullptr;
    QCheckBox* m_hasClearance = nullptr;
    QSpinBox* m_clearance = nullptr;
    QPushButton* m_duplicate = nullptr;
    QPushButton* m_remove = nullptr;
    LathesPage* m_lathes = nullptr;
};
