#pragma once

// The lathes' page of the machine editor: a list of the lathes, the built-in one first and
// read-only, and the fields of the one selected, with "Yeni", "Çoğalt", "Sil", "İçe Aktar…" and
// "Dışa Aktar…" as for the hobbing machines. It keeps every text as typed, marks a lathe whose
// texts break a rule with the reason, and hands its copy to the dialog, which saves it.

#include "calc/lathe.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

class LathesPage final : public QWidget {
    Q_OBJECT

public:
    LathesPage(const QList<Lathe>& lathes, QString chosen, const QLocale& locale,
               QWidget* parent = nullptr);

    QList<Lathe> lathes() const;
    const QString& chosen() const { return m_chosen; }
    bool changed() const { return m_changed; }
    // Names every lathe at fault in a box after `intro`, and selects the first; false when
    // there is none.
    bool refuseFaults(const QString& intro);

private:
    // A lathe as edited: its values, and the texts as typed, which may not read yet.
    struct Entry {
        Lathe lathe;
        QString screwText;
        QString gearsText;
        QString gearboxText;
        QString fault; // a text that does not read
    };

    Entry entryOf(const Lathe& lathe) const;
    void showLathe(int row);
    void takeEdits();
    void refreshList(int select);
    void markFaults();
    QString faultOf(const Entry& e) const;
    void addNew();
    void duplicate();
    void remove();
    void importFile();
    void exportFile();
    void message(const QString& text);
    Entry* editable(int row);

    QList<Entry> m_entries;
    QString m_chosen;
    QLocale m_locale;
    bool m_showing = false;
    bool m_changed = false;
    QListWidget* m_list = nullptr;
    QLineEdit* m_name = nullptr;
    QComboBox* m_screwUnit = nullptr;
    QLineEdit* m_screw = nullptr;
    QPlainTextEdit* m_gears = nullptr;
    QPlainTextEdit* m_gearbox = nullptr;
    QCheckBox* m_hasClearance = nullptr;
    QSpinBox* m_clearance = nullptr;
    QPushButton* m_duplicate = nullptr;
    QPushButton* m_remove = nullptr;
};
