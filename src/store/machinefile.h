#pragma once

// The shop's machines on disk: one JSON file, zorvandi/machines.json under the user's
// configuration folder, written only through QSaveFile. Export and import use the same shape
// without "active". A file that cannot be used is never overwritten: before anything is saved
// in its place it is renamed beside itself, so that nothing the user wrote is lost.
//
//   { "format": "zorvandi-machines", "version": 1, "active": "Tezgâh B",
//     "machines": [ { "name": "Tezgâh B", "indexConstant": 30, "gears": [20, 25, 25, 30],
//                     "largeWheel": { "above": 150, "indexConstant": 60 },
//                     "clearance": 40 } ] }

#include "calc/machine.h"

#include <QByteArray>
#include <QList>
#include <QLocale>
#include <QString>

#include <optional>
#include <variant>

// The machines the user keeps (never the built-in one) and the name of the one in use.
struct MachineBook {
    QList<Machine> machines;
    QString active; // empty, or a name no machine has: the built-in machine is in use

    friend bool operator==(const MachineBook&, const MachineBook&) = default;

    // The machine in use.
    const Machine& activeMachine() const;
};

enum class FileProblem {
    NotJson,
    WrongFormat,  // "format" is not "zorvandi-machines"
    NewerVersion, // "version" above 1 (or none)
    BadValue,     // a machine breaks a rule
    Unreadable,   // the system could not read it
};

struct FileFault {
    FileProblem problem;
    QString detail;                      // the parser's or the system's words
    std::optional<MachineFault> machine; // with BadValue

    friend bool operator==(const FileFault&, const FileFault&) = default;
};

std::variant<MachineBook, FileFault> parseMachineFile(const QByteArray& json);
QByteArray machineFileText(const MachineBook& book, bool withActive);
QString fileFaultMessage(const FileFault& fault, const QLocale& locale);

class MachineFile {
public:
    explicit MachineFile(QString path);
    // zorvandi/machines.json in the user's configuration folder ($XDG_CONFIG_HOME, else
    // ~/.config, as QStandardPaths::GenericConfigLocation gives it).
    static QString pathIn(const QString& configFolder);

    const QString& path() const { return m_path; }

    // The book in the file: an empty book for a missing file, the fault for one that cannot be
    // used (which is then set aside before the next save).
    std::variant<MachineBook, FileFault> load();

    // Writes the book; the system's reason when it could not. A file that could not be used is
    // first renamed beside itself; setAsidePath() then says where it went.
    std::optional<QString> save(const MachineBook& book);
    const QString& setAsidePath() const { return m_setAside; }

private:
    QString m_path;
    bool m_unusable = false;
    QString m_setAside;
};

// Writes machines for another shop or computer, in the file's shape without "active".
std::optional<QString> exportMachines(const QList<Machine>& machines, const QString& path);
// The machines of such a file, or why it cannot be used.
std::variant<QList<Machine>, FileFault> importMachines(const QString& path);
