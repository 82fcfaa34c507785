#pragma once

// One page of the machine editor for a named list the shop keeps, hobbing machines, lathes or
// hobs: a list of the entries, the built-in one (where the kind has one) first and read-only, the
// fields of the one selected, and "Yeni", "Çoğalt", "Sil", "İçe Aktar…" and "Dışa Aktar…". What
// differs between the kinds (their fields, their rules, their file keys) is an EntryKind; the page
// owns what they share. Each entry keeps its texts exactly as typed, and one whose texts break a
// rule is marked in the list with the reason. The entry in use is followed by identity, never by
// its name, so that renaming any entry, a new one included, leaves the choice where it was.

#include "store/machinefile.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

class QListWidget;
class QPushButton;

// What the page needs of one kind of entry. Entries are numbered from 0 in list order; the
// built-in entry is not among them.
class EntryKind {
public:
    virtual ~EntryKind() = default;

    virtual qsizetype size() const = 0;
    virtual QString name(qsizetype i) const = 0;
    // The built-in entry's name as the interface shows it.
    virtual QString builtInName() const = 0;
    // Whether the kind has a built-in entry to list first; a kind without one (the hobs)
    // lists only the shop's.
    virtual bool hasBuiltIn() const { return true; }
    // The rule the entry's texts break, worded; empty when it keeps them all.
    virtual QString fault(qsizetype i) const = 0;
    // The first name that is reserved or another's, with its entry; after every entry's own
    // rules hold.
    virtual std::optional<std::pair<qsizetype, QString>> clash() const = 0;

    virtual void appendNew() = 0;
    // A copy of the entry, or of the built-in one, under a name no other has.
    virtual void appendCopy(std::optional<qsizetype> of) = 0;
    virtual void remove(qsizetype i) = 0;
    // Appends the book's entries of this kind, each under a name no other has; a line for each
    // one renamed.
    virtual QStringList append(const MachineBook& book) = 0;
    // Puts this kind's entries into the book.
    virtual void fill(MachineBook& book) const = 0;

    // The fields, showing the entry (the built-in one, read-only, for nothing); `take` reads
    // them back into the entry as typed.
    virtual QWidget* fields() = 0;
    virtual void show(std::optional<qsizetype> i) = 0;
    virtual void take(qsizetype i) = 0;
    // Called by the fields whenever the user changes one.
    void onEdit(std::function<void()> edited) { m_edited = std::move(edited); }

protected:
    EntryKind() = default;
    EntryKind(const EntryKind&) = default;
    EntryKind& operator=(const EntryKind&) = default;
    void edited() const {
        if (m_edited) {
            m_edited();
        }
    }

private:
    std::function<void()> m_edited;
};

class NamedListPage final : public QWidget {
    Q_OBJECT

public:
    // `chosen` is the name of the entry in use (empty: the built-in one). `listName` and
    // `infix` name the widgets: "machineList" and "new" + infix + "Button".
    NamedListPage(std::unique_ptr<EntryKind> kind, const QString& chosen, const QString& listName,
                  const QString& infix, QWidget* parent = nullptr);
    ~NamedListPage() override;

    const EntryKind& kind() const { return *m_kind; }
    // The name of the entry in use now, empty for the built-in one.
    QString chosen() const;
    bool changed() const { return m_changed; }
    // What the page shows is now what the file holds.
    void markSaved() { m_changed = false; }
    // Appends the book's entries of this kind; a line for each one renamed.
    QStringList import(const MachineBook& book);
    // Every entry at fault, worded, in list order; selects the first.
    QStringList faults();

signals:
    void importRequested();
    void exportRequested();

private:
    void showEntry(int row);
    void takeEdits();
    void refreshList(int select);
    void markFaults();
    void addNew();
    void duplicate();
    void remove();
    // The row's entry, or nothing for the built-in one (row 0) or no row.
    std::optional<qsizetype> entryAt(int row) const;
    // The row of the entry.
    int rowOf(qsizetype entry) const { return int(entry) + (m_kind->hasBuiltIn() ? 1 : 0); }

    std::unique_ptr<EntryKind> m_kind;
    QList<quint64> m_ids; // each entry's identity, in list order
    quint64 m_nextId = 1;
    std::optional<quint64> m_chosen; // nothing: the built-in entry
    bool m_changed = false;
    bool m_filling = false; // the list being made, not edited
    QListWidget* m_list = nullptr;
    QPushButton* m_duplicate = nullptr;
    QPushButton* m_remove = nullptr;
};
