#include "store/machinestore.h"

#include <QCoreApplication>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSettings>

#include <algorithm>

namespace {

const QString chosenKey = QStringLiteral("machine");
const QString chosenLatheKey = QStringLiteral("lathe");

// machines-20261208-214501.json beside the file, or machines-20261208-214501-2.json when
// that is taken already.
QString setAsideName(const QString& path) {
    const QFileInfo info(path);
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = info.absoluteDir().filePath(
        QStringLiteral("%1-%2.%3").arg(info.completeBaseName(), stamp, info.suffix()));
    for (int n = 2; QFileInfo::exists(name); ++n) {
        name = info.absoluteDir().filePath(QStringLiteral("%1-%2-%3.%4")
                                               .arg(info.completeBaseName(), stamp)
                                               .arg(n)
                                               .arg(info.suffix()));
    }
    return name;
}

} // namespace

MachineStore::MachineStore(QString path, QSettings& settings, QObject* parent)
    : QObject(parent)
    , m_path(std::move(path))
    , m_settings(settings) {}

MachineStore::~MachineStore() = default;

QString MachineStore::pathIn(const QString& configFolder) {
    return configFolder + QStringLiteral("/zorvandi/machines.json");
}

DiskState MachineStore::readDisk(FileFault* unreadable) const {
    QFile file(m_path);
    if (!file.exists()) {
        return {};
    }
    if (!file.open(QIODevice::ReadOnly)) {
        if (unreadable != nullptr) {
            *unreadable =
                FileFault{.problem = FileProblem::Unreadable, .detail = file.errorString()};
        }
        // Unreadable bytes are never those of a copy, so a save sets the file aside.
        return {true, QByteArray("\0unreadable", 11)};
    }
    return {true, file.readAll()};
}

std::optional<FileFault> MachineStore::load() {
    FileFault unreadable{.problem = FileProblem::Unreadable};
    const DiskState disk = readDisk(&unreadable);
    m_chosen = m_settings.value(chosenKey).toString();
    m_chosenLathe = m_settings.value(chosenLatheKey).toString();
    if (!disk.exists) {
        m_known = disk;
        return std::nullopt;
    }
    if (!unreadable.detail.isEmpty()) {
        m_refused = disk;
        return unreadable;
    }
    auto book = parseMachineFile(disk.bytes);
    if (auto* fault = std::get_if<FileFault>(&book)) {
        m_refused = disk;
        return *fault;
    }
    m_known = disk;
    m_book = std::get<MachineBook>(book);
    if (!m_settings.contains(chosenKey)) {
        m_chosen = m_book.active;
    }
    m_book.active.clear();
    return std::nullopt;
}

void MachineStore::watch() {
    if (m_watcher == nullptr) {
        m_watcher = new QFileSystemWatcher(this);
        connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &MachineStore::followDisk);
        connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &MachineStore::followDisk);
    }
    rewatch();
    followDisk(); // whatever changed between the start and now
}

// A file replaced by a rename (as QSaveFile does) drops out of the watch, so the folder is
// watched too, and the file is watched again each time.
void MachineStore::rewatch() {
    const QString folder = QFileInfo(m_path).absolutePath();
    const QString watched = QFileInfo::exists(folder) ? folder : QFileInfo(folder).absolutePath();
    if (!m_watcher->directories().contains(watched)) {
        m_watcher->addPath(watched);
    }
    if (QFileInfo::exists(m_path) && !m_watcher->files().contains(m_path)) {
        m_watcher->addPath(m_path);
    }
}

void MachineStore::followDisk() {
    rewatch();
    FileFault unreadable{.problem = FileProblem::Unreadable};
    const DiskState disk = readDisk(&unreadable);
    if (disk == m_known || disk == m_refused) {
        return;
    }
    std::variant<MachineBook, FileFault> book = MachineBook{};
    if (!unreadable.detail.isEmpty()) {
        book = unreadable;
    } else if (disk.exists) {
        book = parseMachineFile(disk.bytes);
    }
    if (auto* fault = std::get_if<FileFault>(&book)) {
        m_refused = disk;
        emit fileRefused(*fault);
        return;
    }
    m_known = disk;
    m_refused = {};
    m_book = std::get<MachineBook>(book);
    m_book.active.clear();
    const WrittenGone gone = goneFrom(m_book);
    emit machinesChanged();
    if (!gone.names.isEmpty()) {
        m_written.reset(); // said once
        emit writtenGone(gone);
    }
}

WrittenGone MachineStore::goneFrom(const MachineBook& now) const {
    WrittenGone gone;
    if (!m_written) {
        return gone;
    }
    const auto& [written, bytes] = *m_written;
    const auto missing = [&gone](const auto& wrote, const auto& present) {
        for (const auto& entry : wrote) {
            if (std::none_of(present.begin(), present.end(),
                             [&entry](const auto& p) { return sameName(p.name, entry.name); })) {
                gone.names.append(entry.name);
            }
        }
    };
    missing(written.machines, now.machines);
    missing(written.lathes, now.lathes);
    missing(written.hobs, now.hobs);
    if (gone.names.isEmpty()) {
        return gone;
    }
    // The file this window wrote, if another's save set it aside beside the file.
    const QFileInfo info(m_path);
    const QDir folder = info.absoluteDir();
    const QStringList asides =
        folder.entryList({QStringLiteral("%1-*.%2").arg(info.completeBaseName(), info.suffix())},
                         QDir::Files, QDir::Time);
    for (const QString& name : asides) {
        QFile file(folder.filePath(name));
        if (file.open(QIODevice::ReadOnly) && file.readAll() == bytes) {
            gone.setAside = file.fileName();
            break;
        }
    }
    return gone;
}

const Machine& MachineStore::machineInUse() const {
    for (const Machine& m : m_book.machines) {
        if (m.name == m_chosen) {
            return m;
        }
    }
    return builtInMachine();
}

void MachineStore::choose(const QString& name) {
    m_chosen = isReservedName(name) ? QString() : name;
    m_settings.setValue(chosenKey, m_chosen);
}

const Lathe& MachineStore::latheInUse() const {
    for (const Lathe& l : m_book.lathes) {
        if (l.name == m_chosenLathe) {
            return l;
        }
    }
    return builtInLathe();
}

void MachineStore::chooseLathe(const QString& name) {
    m_chosenLathe = isReservedLatheName(name) ? QString() : name;
    m_settings.setValue(chosenLatheKey, m_chosenLathe);
}

SaveOutcome MachineStore::save(const MachineBook& book, const QString& chosen,
                               const QString& chosenLathe, const DiskState& basedOn) {
    SaveOutcome outcome;
    const DiskState disk = readDisk();
    if (disk.exists && disk != basedOn) {
        const QString aside = setAsideName(m_path);
        if (!QFile::rename(m_path, aside)) {
            outcome.error =
                QCoreApplication::translate("MachineStore", "değişmiş dosya «%1» adına taşınamadı")
                    .arg(QDir::toNativeSeparators(aside));
            return outcome;
        }
        outcome.setAside = aside;
    }
    const QByteArray bytes = machineFileText(book);
    outcome.error = writeWhole(m_path, bytes);
    if (outcome.error) {
        // What is on disk now is no copy of ours; the next save must not take it for one.
        m_known = readDisk();
        return outcome;
    }
    m_known = {true, bytes};
    m_refused = {};
    m_written = std::pair{book, bytes};
    m_book = book;
    m_book.active.clear();
    choose(chosen);
    chooseLathe(chosenLathe);
    if (m_watcher != nullptr) {
        rewatch();
    }
    return outcome;
}
