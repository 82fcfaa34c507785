#pragma once

// "Tezgâhlar": the modal editor of the shop's machines. A list of the machines, the built-in
// one first and read-only, and the fields of the one selected; "Yeni", "Çoğalt", "Sil", and
// import and export of machine files. OK checks every machine and saves the file; on a fault or
// a failed save a box says why and the dialog stays open with the edits.

#include "store/machinefile.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

class MachinesDialog final : public QDialog {
    Q_OBJECT

public:
    MachinesDialog(MachineBook book, MachineFile& file, const QLocale& locale,
                   QWidget* parent = nullptr);

    // The book as saved, after the dialog was accepted.
    const MachineBook& book() const { return m_book; }

    void accept() override;

private:
    void showMachine(int row);
    void takeEdits();
    void refreshList(int select);
    void addNew();
    void duplicate();
    void remove();
    void importFile();
    void exportFile();
    void message(const QString& text);
    // The row's machine in the book, or nothing for the built-in one (row 0).
    Machine* editable(int row);

    MachineBook m_book;
    MachineFile& m_file;
    QLocale m_locale;
    bool m_showing = false; // fields being filled, not edited
    QListWidget* m_list = nullptr;
    QLineEdit* m_name = nullptr;
    QSpinBox* m_constant = nullptr;
    QLineEdit* m_gears = nullptr;
    QCheckBox* m_hasLargeWheel = nullptr;
    QSpinBox* m_above = nullptr;
    QSpinBox* m_largeConstant = nullptr;
    QCheckBox* m_hasClearance = nullptr;
    QSpinBox* m_clearance = nullptr;
    QPushButton* m_duplicate = nullptr;
    QPushButton* m_remove = nullptr;
    QString m_gearsFault; // the gear list as typed does not parse
};
