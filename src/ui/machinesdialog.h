#pragma once

// "Tezgâhlar": the modal editor of the shop's machines, hobbing machines in one tab and lathes
// in the other, each a NamedListPage. It edits a copy and never changes what the user typed.
// İçe Aktar… on either tab brings every machine and lathe of a file (renamed where a name is
// taken), Dışa Aktar… writes the whole book; both ask for the file through the window's
// FileChooser. OK and export check every entry of both tabs and name each one at fault; OK then
// hands the copy to the window, which saves it, and stays open with the edits if that fails.
// Cancel or Esc after a change asks before the changes are dropped.

#include "store/machinefile.h"

#include <QDialog>

#include <functional>
#include <optional>

class FileChooser;
class NamedListPage;

class MachinesDialog final : public QDialog {
    Q_OBJECT

public:
    // Saves the machines and lathes and the names of the ones in use; the reason when it could
    // not.
    using Save = std::function<std::optional<QString>(
        const MachineBook& book, const QString& chosen, const QString& chosenLathe)>;
    // What an export did: the reason it could not, or whether it wrote the shop's own file,
    // which then holds what the pages show.
    struct Exported {
        std::optional<QString> error;
        bool shopFile = false;
    };
    // Writes the book to a path the user chose, keeping the machine and lathe in use as the
    // pages track them, renamed or not.
    using Export = std::function<Exported(const MachineBook& book, const QString& path,
                                          const QString& chosen, const QString& chosenLathe)>;

    MachinesDialog(const MachineBook& book, const QString& chosen, const QString& chosenLathe,
                   const QLocale& locale, Save save, Export exportTo, FileChooser& files,
                   QWidget* parent = nullptr);

    void accept() override;
    void reject() override;

private:
    MachineBook book() const;
    // Names every entry at fault on both tabs after `intro`; false when there is none.
    bool refuseFaults(const QString& intro);
    void importFile();
    void exportFile();
    void message(const QString& text);

    QLocale m_locale;
    Save m_save;
    Export m_export;
    FileChooser& m_files;
    NamedListPage* m_machines = nullptr;
    NamedListPage* m_lathes = nullptr;
    NamedListPage* m_hobs = nullptr;
};
