#pragma once

// The shop's machines on disk: the shape of zorvandi/machines.json under the user's
// configuration folder, and of the files that export and import exchange. Reading is strict:
// a key that is missing, misspelt, of the wrong type or unknown makes the whole file unusable,
// so that a typo never silently means something else and the file is never rewritten from a
// half-read copy. MachineStore (machinestore.h) owns the file itself.
//
//   { "format": "zorvandi-machines", "version": 2,
//     "machines": [ { "name": "Tezgâh B", "indexConstant": 30, "gears": [20, 25, 25, 30],
//                     "largeWheel": { "above": 150, "indexConstant": 60 },
//                     "clearance": 40 } ],
//     "lathes": [ { "name": "Torna 1", "leadScrew": { "mm": 6 },
//                   "gears": [20, 25, 30, 35, 40, 45, 50, 55, 60, 127],
//                   "gearbox": [ { "name": "A", "ratio": 1 }, { "name": "B", "ratio": 0.5 } ],
//                   "clearance": 30 } ],
//     "hobs": [ { "name": "A-4-2", "module": 4, "starts": 2, "pitchDiameter": 40,
//                 "hand": "right", "angle": "5,43" } ] }
//
// A version-1 file has no lathes, a version-2 file no hobs; the first save writes version 3.
//
// Files written before the machine in use moved to the settings may carry "active" at the top;
// it is read, and never written again.

#include "calc/hob.h"
#include "calc/lathe.h"
#include "calc/machine.h"
#include "calc/valuerange.h"

#include <QByteArray>
#include <QJsonObject>
#include <QJsonParseError>
#include <QList>
#include <QLocale>
#include <QString>

#include <optional>
#include <variant>

// What a machine file holds: the hobbing machines and lathes the user keeps (never the built-in
// ones) and, in an older file, the name of the machine that was in use.
struct MachineBook {
    QList<Machine> machines;
    QList<Lathe> lathes;
    QString active;
    QList<Hob> hobs = {};

    friend bool operator==(const MachineBook&, const MachineBook&) = default;
};

enum class FileProblem {
    NotJson,
    WrongFormat,  // "format" is not "zorvandi-machines"
    NewerVersion, // "version" above the one this program writes
    NoVersion,    // no "version", or not a whole number of 1 or more
    MissingKey,   // a key that must be there is not: `key`, in `where`
    WrongType,    // a key's value is of another type: `key`, in `where`
    UnknownKey,   // a key this version does not have, perhaps misspelt: `key`, in `where`
    DuplicateKey, // a key written twice in one object, where a reader would keep either
    OutOfRange,   // a number of the right type outside `range`: `key`
    NoLocale,     // "locale" names no locale the program knows: `detail`
    BadValue,     // a machine or a lathe breaks a rule
    Unreadable,   // the system could not read it
};

// Built with designated initializers, naming only what the fault has to say.
struct FileFault {
    FileProblem problem;
    QString detail = {};  // the parser's or the system's words, or the value refused
    QString key = {};     // the key's place from the top, as the file spells it: "rating.load"
    QString where = {};   // the machine's, lathe's or hob's name, "#2" without one; empty: the top
    bool inLathe = false; // `where` names a lathe
    bool inHob = false;   // `where` names a hob
    std::optional<MachineFault> machine = {}; // with BadValue, for a machine
    std::optional<LatheFault> lathe = {};     // with BadValue, for a lathe
    std::optional<HobFault> hob = {};         // with BadValue, for a hob
    std::optional<ValueRange> range = {};     // with OutOfRange
    qint64 offset = -1;                       // with NotJson: the byte where reading stopped
    QJsonParseError::ParseError parseError = QJsonParseError::NoError; // with NotJson

    friend bool operator==(const FileFault&, const FileFault&) = default;
};

std::variant<MachineBook, FileFault> parseMachineFile(const QByteArray& json);
QByteArray machineFileText(const MachineBook& book);
QString fileFaultMessage(const FileFault& fault, const QLocale& locale);
// "Tezgâh dosyası «…» kullanılamıyor: …": the machine file at `path` that cannot be used.
QString unusableMachineFileText(const QString& path, const FileFault& fault, const QLocale& locale);

// Writes machines for another shop or computer; the editor checks them first, as its OK does.
std::optional<QString> exportMachines(const MachineBook& book, const QString& path);
// The machines and lathes of such a file, or why it cannot be used.
std::variant<MachineBook, FileFault> importMachines(const QString& path);

// One machine or lathe as the file writes it, and read back under the file's rules, its values
// too, for a file that carries its own copy of one (a job). `where` names the object in a fault.
QJsonObject machineJson(const Machine& machine);
QJsonObject latheJson(const Lathe& lathe);
std::variant<Machine, FileFault> machineFromJson(const QJsonObject& json, const QString& where);
std::variant<Lathe, FileFault> latheFromJson(const QJsonObject& json, const QString& where);

// Writes the bytes through QSaveFile, making the folder first; the system's reason when it
// could not.
std::optional<QString> writeWhole(const QString& path, const QByteArray& bytes);
