#pragma once

// The owner of machines.json: the machines and lathes as last read, the machine and the lathe in
// use (kept in the settings, never in the file), a watch on the file so that the window follows
// what another window or a hand edit writes, and the one rule for every write. Just before the file
// is replaced it is read again; if its bytes are not those the copy being saved was made from, it
// is first renamed beside itself (machines-YYYYMMDD-HHMMSS.json), so that no window ever
// erases another's machines and a file that could not be read is never lost.

#include "store/machinefile.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

class QFileSystemWatcher;
class QSettings;

// What was on disk when a copy of the machines was made: the file's bytes, or no file.
struct DiskState {
    bool exists = false;
    QByteArray bytes;

    friend bool operator==(const DiskState&, const DiskState&) = default;
};

// How a save went: where an unexpected file was set aside (empty when none was), and why the
// new file was not written (nothing when it was).
struct SaveOutcome {
    QString setAside;
    std::optional<QString> error;
};

// Machines and lathes that this window wrote and that a change on disk took away, and where the
// file this window wrote was set aside, if it was (found beside the file by its bytes).
struct WrittenGone {
    QStringList names;
    QString setAside;
};
Q_DECLARE_METATYPE(WrittenGone)

class MachineStore final : public QObject {
    Q_OBJECT

public:
    // `path` is machines.json; `settings` keeps the machine in use.
    MachineStore(QString path, QSettings& settings, QObject* parent = nullptr);
    ~MachineStore() override;

    // zorvandi/machines.json in the user's configuration folder.
    static QString pathIn(const QString& configFolder);
    const QString& path() const { return m_path; }

    // Reads the file: nothing for a usable or missing one, the fault for one that is kept as it
    // is until a save sets it aside.
    std::optional<FileFault> load();
    // Starts following the file on disk. Not needed for the first frame, so the window starts
    // it after that.
    void watch();

    const QList<Machine>& machines() const { return m_book.machines; }
    const QList<Lathe>& lathes() const { return m_book.lathes; }
    const MachineBook& book() const { return m_book; }
    // The name chosen in the settings (or, before any choice, in an older file); empty for the
    // built-in machine.
    const QString& chosenName() const { return m_chosen; }
    // The machine of that name, or the built-in one when there is none.
    const Machine& machineInUse() const;
    // Keeps the choice in the settings; the file is not touched.
    void choose(const QString& name);

    // The same for the lathe in use.
    const QString& chosenLatheName() const { return m_chosenLathe; }
    const Lathe& latheInUse() const;
    void chooseLathe(const QString& name);

    // What the machines were read from, for a copy that will be saved later.
    const DiskState& known() const { return m_known; }
    // Writes the machines and lathes (and keeps the choices) through QSaveFile, after setting
    // aside a file whose bytes are not `basedOn`.
    SaveOutcome save(const MachineBook& book, const QString& chosen, const QString& chosenLathe,
                     const DiskState& basedOn);

signals:
    // The file changed on disk and could be used: the machines and lathes are the new ones.
    void machinesChanged();
    // The file changed on disk and cannot be used; said once for each content.
    void fileRefused(const FileFault& fault);
    // After machinesChanged: entries this window wrote are gone from the new file.
    void writtenGone(const WrittenGone& gone);

private:
    DiskState readDisk(FileFault* unreadable = nullptr) const;
    WrittenGone goneFrom(const MachineBook& now) const;
    void followDisk();
    void rewatch();

    QString m_path;
    QSettings& m_settings;
    MachineBook m_book; // without "active", which lives in the settings
    QString m_chosen;
    QString m_chosenLathe;
    DiskState m_known;                                           // as last read (usable) or written
    DiskState m_refused;                                         // the last unusable content said
    std::optional<std::pair<MachineBook, QByteArray>> m_written; // this window's last save
    QFileSystemWatcher* m_watcher = nullptr;
};
