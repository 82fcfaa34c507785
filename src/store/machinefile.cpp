#include "store/machinefile.h"

#include <QCoreApplication>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <cmath>

namespace {

const QString formatName = QStringLiteral("zorvandi-machines");
constexpr int formatVersion = 1;

// A whole number from the JSON value, or nothing (a string, a fraction, out of int range).
std::optional<int> wholeNumber(const QJsonValue& value) {
    if (!value.isDouble()) {
        return std::nullopt;
    }
    const double x = value.toDouble();
    if (x != std::floor(x) || std::abs(x) > 1e9) {
        return std::nullopt;
    }
    return static_cast<int>(x);
}

FileFault badValue(const QString& machine, MachineKey key, MachineRule rule, int low = 0,
                   int high = 0) {
    return {FileProblem::BadValue, {}, MachineFault{machine, key, rule, low, high}};
}

std::variant<Machine, FileFault> readMachine(const QJsonObject& object) {
    Machine m;
    m.name = object.value(QStringLiteral("name")).toString();
    if (!object.value(QStringLiteral("name")).isString()) {
        return badValue(m.name, MachineKey::Name, MachineRule::NameLength);
    }
    const auto constant = wholeNumber(object.value(QStringLiteral("indexConstant")));
    if (!constant) {
        return badValue(m.name, MachineKey::IndexConstant, MachineRule::WholeNumber, 1, 1000);
    }
    m.indexConstant = *constant;
    const QJsonValue gears = object.value(QStringLiteral("gears"));
    if (!gears.isArray()) {
        return badValue(m.name, MachineKey::Gears, MachineRule::GearCount, 2, 100);
    }
    for (const auto& g : gears.toArray()) {
        const auto count = wholeNumber(g);
        if (!count) {
            return badValue(m.name, MachineKey::Gears, MachineRule::WholeNumber, 8, 400);
        }
        m.gears.append(*count);
    }
    std::sort(m.gears.begin(), m.gears.end());
    if (object.contains(QStringLiteral("largeWheel"))) {
        const QJsonObject rule = object.value(QStringLiteral("largeWheel")).toObject();
        const auto above = wholeNumber(rule.value(QStringLiteral("above")));
        if (!above) {
            return badValue(m.name, MachineKey::LargeWheelAbove, MachineRule::WholeNumber, 1,
                            100000);
        }
        const auto large = wholeNumber(rule.value(QStringLiteral("indexConstant")));
        if (!large) {
            return badValue(m.name, MachineKey::LargeWheelConstant, MachineRule::WholeNumber, 1,
                            1000);
        }
        m.largeWheel = LargeWheelRule{*above, *large};
    }
    if (object.contains(QStringLiteral("clearance"))) {
        const auto clearance = wholeNumber(object.value(QStringLiteral("clearance")));
        if (!clearance) {
            return badValue(m.name, MachineKey::Clearance, MachineRule::WholeNumber, 0, 400);
        }
        m.clearance = *clearance;
    }
    return m;
}

QJsonObject machineObject(const Machine& m) {
    QJsonObject object;
    object.insert(QStringLiteral("name"), m.name);
    object.insert(QStringLiteral("indexConstant"), m.indexConstant);
    QJsonArray gears;
    for (const int g : m.gears) {
        gears.append(g);
    }
    object.insert(QStringLiteral("gears"), gears);
    if (m.largeWheel) {
        object.insert(QStringLiteral("largeWheel"),
                      QJsonObject{{QStringLiteral("above"), m.largeWheel->above},
                                  {QStringLiteral("indexConstant"), m.largeWheel->indexConstant}});
    }
    if (m.clearance) {
        object.insert(QStringLiteral("clearance"), *m.clearance);
    }
    return object;
}

std::optional<QString> writeFile(const QString& path, const QByteArray& bytes) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        return QCoreApplication::translate("MachineFile", "klasör oluşturulamadı");
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        return file.errorString();
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}

} // namespace

const Machine& MachineBook::activeMachine() const {
    for (const Machine& m : machines) {
        if (m.name == active) {
            return m;
        }
    }
    return builtInMachine();
}

std::variant<MachineBook, FileFault> parseMachineFile(const QByteArray& json) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        return FileFault{FileProblem::NotJson,
                         error.error != QJsonParseError::NoError ? error.errorString() : QString(),
                         std::nullopt};
    }
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("format")).toString() != formatName) {
        return FileFault{FileProblem::WrongFormat, root.value(QStringLiteral("format")).toString(),
                         std::nullopt};
    }
    const auto version = wholeNumber(root.value(QStringLiteral("version")));
    if (!version || *version > formatVersion || *version < 1) {
        return FileFault{FileProblem::NewerVersion, {}, std::nullopt};
    }
    MachineBook book;
    book.active = root.value(QStringLiteral("active")).toString();
    for (const auto& value : root.value(QStringLiteral("machines")).toArray()) {
        auto machine = readMachine(value.toObject());
        if (auto* fault = std::get_if<FileFault>(&machine)) {
            return *fault;
        }
        book.machines.append(std::get<Machine>(std::move(machine)));
    }
    if (const auto fault = checkMachines(book.machines)) {
        return FileFault{FileProblem::BadValue, {}, fault};
    }
    return book;
}

QByteArray machineFileText(const MachineBook& book, bool withActive) {
    QJsonObject root;
    root.insert(QStringLiteral("format"), formatName);
    root.insert(QStringLiteral("version"), formatVersion);
    if (withActive && !book.active.isEmpty()) {
        root.insert(QStringLiteral("active"), book.active);
    }
    QJsonArray machines;
    for (const Machine& m : book.machines) {
        machines.append(machineObject(m));
    }
    root.insert(QStringLiteral("machines"), machines);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QString fileFaultMessage(const FileFault& fault, const QLocale& locale) {
    switch (fault.problem) {
    case FileProblem::NotJson:
        return QCoreApplication::translate("MachineFile", "Dosya JSON değil: %1.")
            .arg(fault.detail);
    case FileProblem::WrongFormat:
        return QCoreApplication::translate(
                   "MachineFile", "Dosya bir ZORVANDI tezgâh dosyası değil (\"format\": \"%1\").")
            .arg(fault.detail);
    case FileProblem::NewerVersion:
        return QCoreApplication::translate(
            "MachineFile", "Dosya, bu programın okuyamadığı bir sürümde (\"version\").");
    case FileProblem::BadValue:
        return fault.machine ? machineFaultMessage(*fault.machine, locale) : QString();
    case FileProblem::Unreadable:
        return QCoreApplication::translate("MachineFile", "Dosya okunamadı: %1.").arg(fault.detail);
    }
    return {};
}

MachineFile::MachineFile(QString path)
    : m_path(std::move(path)) {}

QString MachineFile::pathIn(const QString& configFolder) {
    return configFolder + QStringLiteral("/zorvandi/machines.json");
}

std::variant<MachineBook, FileFault> MachineFile::load() {
    QFile file(m_path);
    if (!file.exists()) {
        return MachineBook{};
    }
    if (!file.open(QIODevice::ReadOnly)) {
        m_unusable = true;
        return FileFault{FileProblem::Unreadable, file.errorString(), std::nullopt};
    }
    auto book = parseMachineFile(file.readAll());
    m_unusable = std::holds_alternative<FileFault>(book);
    return book;
}

std::optional<QString> MachineFile::save(const MachineBook& book) {
    if (m_unusable) {
        const QFileInfo info(m_path);
        const QString aside = info.absoluteDir().filePath(
            QStringLiteral("%1-%2.%3")
                .arg(info.completeBaseName(),
                     QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")),
                     info.suffix()));
        if (QFile::exists(m_path) && !QFile::rename(m_path, aside)) {
            return QCoreApplication::translate("MachineFile",
                                               "okunamayan dosya «%1» adına taşınamadı")
                .arg(QDir::toNativeSeparators(aside));
        }
        m_setAside = aside;
        m_unusable = false;
    }
    return writeFile(m_path, machineFileText(book, true));
}

std::optional<QString> exportMachines(const QList<Machine>& machines, const QString& path) {
    return writeFile(path, machineFileText(MachineBook{machines, {}}, false));
}

std::variant<QList<Machine>, FileFault> importMachines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return FileFault{FileProblem::Unreadable, file.errorString(), std::nullopt};
    }
    auto book = parseMachineFile(file.readAll());
    if (auto* fault = std::get_if<FileFault>(&book)) {
        return *fault;
    }
    return std::get<MachineBook>(book).machines;
}
