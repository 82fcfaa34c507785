#include "store/machinefile.h"
#include "model/fieldvalues.h"
#include "store/strictobject.h"

#include <QCoreApplication>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <cmath>
#include <initializer_list>

namespace {

const QString formatName = QStringLiteral("zorvandi-machines");
constexpr int formatVersion = 3;

FileFault badValue(const QString& machine, MachineKey key, MachineRule rule) {
    const Limits limits = limitsOf(key);
    return {.problem = FileProblem::BadValue,
            .machine = MachineFault{machine, key, rule, limits.low, limits.high}};
}

// One machine; nothing once `fault` holds the first thing wrong with it.
std::optional<Machine> readMachine(const QJsonObject& json, const QString& where,
                                   std::optional<FileFault>& fault) {
    StrictObject object(json, where, fault);
    if (!object.onlyKeys({"name", "indexConstant", "gears", "largeWheel", "clearance"})) {
        return std::nullopt;
    }
    Machine m;
    const auto name = object.string("name");
    if (!name) {
        return object.missingUnlessFaulty("name");
    }
    m.name = *name;
    const auto constant = object.whole(
        "indexConstant", badValue(m.name, MachineKey::IndexConstant, MachineRule::WholeNumber));
    if (!constant) {
        return object.missingUnlessFaulty("indexConstant");
    }
    m.indexConstant = *constant;
    const auto gears = object.array("gears");
    if (!gears) {
        return object.missingUnlessFaulty("gears");
    }
    for (const auto& g : *gears) {
        const auto count = object.wholeOf(
            g, "gears", badValue(m.name, MachineKey::Gears, MachineRule::WholeNumber));
        if (!count) {
            return std::nullopt;
        }
        m.gears.append(*count);
    }
    std::sort(m.gears.begin(), m.gears.end());
    if (object.has("largeWheel")) {
        const auto rule = object.object("largeWheel");
        if (!rule) {
            return std::nullopt;
        }
        StrictObject large(*rule, where, fault);
        if (!large.onlyKeys({"above", "indexConstant"})) {
            return std::nullopt;
        }
        const auto above = large.whole(
            "above", badValue(m.name, MachineKey::LargeWheelAbove, MachineRule::WholeNumber));
        if (!above) {
            return large.missingUnlessFaulty("above");
        }
        const auto k = large.whole("indexConstant", badValue(m.name, MachineKey::LargeWheelConstant,
                                                             MachineRule::WholeNumber));
        if (!k) {
            return large.missingUnlessFaulty("indexConstant");
        }
        m.largeWheel = LargeWheelRule{*above, *k};
    }
    if (object.has("clearance")) {
        const auto clearance = object.whole(
            "clearance", badValue(m.name, MachineKey::Clearance, MachineRule::WholeNumber));
        if (!clearance) {
            return std::nullopt;
        }
        m.clearance = *clearance;
    }
    return m;
}

FileFault badLathe(const QString& lathe, LatheKey key, LatheRule rule, double low = 0,
                   double high = 0) {
    return {.problem = FileProblem::BadValue,
            .inLathe = true,
            .lathe = LatheFault{lathe, key, rule, low, high}};
}

// { "mm": p } or { "tpi": t }, never both.
std::optional<LeadScrew> readLeadScrew(const QJsonObject& json, const QString& lathe,
                                       const QString& where, std::optional<FileFault>& fault) {
    StrictObject lead(json, where, fault, true);
    if (!lead.onlyKeys({"mm", "tpi"})) {
        return std::nullopt;
    }
    if (lead.has("mm") && lead.has("tpi")) {
        fault = badLathe(lathe, LatheKey::ScrewMm, LatheRule::TwoScrews);
        return std::nullopt;
    }
    const bool mm = lead.has("mm");
    const auto pitch = lead.number(mm ? "mm" : "tpi");
    if (!pitch) {
        return lead.missingUnlessFaulty("mm");
    }
    return LeadScrew{mm ? LeadScrew::Unit::Millimetre : LeadScrew::Unit::ThreadsPerInch, *pitch};
}

// The gearbox's positions, each { "name": …, "ratio": … }; false once `fault` holds why not.
bool readGearbox(const QJsonArray& box, const QString& where, std::optional<FileFault>& fault,
                 QList<GearboxPosition>& positions) {
    for (const auto& position : box) {
        StrictObject entry(position.toObject(), where, fault, true);
        if (!position.isObject()) {
            return entry.fail(FileProblem::WrongType, QStringLiteral("gearbox"));
        }
        if (!entry.onlyKeys({"name", "ratio"})) {
            return false;
        }
        const auto name = entry.string("name");
        const auto ratio = name ? entry.number("ratio") : std::nullopt;
        if (!name || !ratio) {
            entry.missing(name ? "ratio" : "name");
            return false;
        }
        positions.append({*name, *ratio});
    }
    return true;
}

std::optional<Lathe> readLathe(const QJsonObject& json, const QString& where,
                               std::optional<FileFault>& fault) {
    StrictObject object(json, where, fault, true);
    if (!object.onlyKeys({"name", "leadScrew", "gears", "gearbox", "clearance", "reach"})) {
        return std::nullopt;
    }
    Lathe l;
    const auto name = object.string("name");
    if (!name) {
        return object.missingUnlessFaulty("name");
    }
    l.name = *name;
    const auto screw = object.object("leadScrew");
    if (!screw) {
        return object.missingUnlessFaulty("leadScrew");
    }
    const auto lead = readLeadScrew(*screw, l.name, where, fault);
    if (!lead) {
        return std::nullopt;
    }
    l.screw = *lead;
    const auto gears = object.array("gears");
    if (!gears) {
        return object.missingUnlessFaulty("gears");
    }
    const Limits teeth = MachineLimits::gearTeeth;
    for (const auto& g : *gears) {
        const auto count = object.wholeOf(
            g, "gears", badLathe(l.name, LatheKey::Gears, LatheRule::Range, teeth.low, teeth.high));
        if (!count) {
            return std::nullopt;
        }
        l.gears.append(*count);
    }
    std::sort(l.gears.begin(), l.gears.end());
    if (object.has("gearbox")) {
        const auto box = object.array("gearbox");
        if (!box || !readGearbox(*box, where, fault, l.gearbox)) {
            return std::nullopt;
        }
    }
    // An optional whole number of the lathe, within its limits.
    const auto optionalWhole = [&](const char* key, LatheKey named, Limits limits,
                                   std::optional<int>& into) {
        if (!object.has(key)) {
            return true;
        }
        into =
            object.whole(key, badLathe(l.name, named, LatheRule::Range, limits.low, limits.high));
        return into.has_value();
    };
    if (!optionalWhole("clearance", LatheKey::Clearance, MachineLimits::clearance, l.clearance) ||
        !optionalWhole("reach", LatheKey::Reach, LatheLimits::reach, l.reach)) {
        return std::nullopt;
    }
    return l;
}

// One hob; nothing once `fault` holds the first thing wrong with it.
std::optional<Hob> readHob(const QJsonObject& json, const QString& where,
                           std::optional<FileFault>& fault) {
    StrictObject object(json, where, fault);
    if (!object.onlyKeys({"name", "module", "starts", "pitchDiameter", "hand", "angle"})) {
        return std::nullopt;
    }
    Hob h;
    const auto name = object.string("name");
    const auto module = object.number("module");
    const auto starts = object.number("starts");
    const auto diameter = object.number("pitchDiameter");
    const auto hand = object.string("hand");
    const auto angle = object.string("angle");
    if (!object.require({"name", "module", "starts", "pitchDiameter", "hand"})) {
        return std::nullopt;
    }
    if (*hand != QLatin1String("right") && *hand != QLatin1String("left")) {
        object.fail(FileProblem::WrongType, QStringLiteral("hand"));
        return std::nullopt;
    }
    h.name = *name;
    h.module = *module;
    h.starts = *starts == std::floor(*starts) && std::abs(*starts) < 1e6 ? int(*starts) : 0;
    h.pitchDiameter = *diameter;
    h.hand = *hand == QLatin1String("left") ? Hob::Hand::Left : Hob::Hand::Right;
    h.angle = angle.value_or(QString());
    return h;
}

QJsonObject hobObject(const Hob& h) {
    QJsonObject object{
        {QStringLiteral("name"), h.name},
        {QStringLiteral("module"), h.module},
        {QStringLiteral("starts"), h.starts},
        {QStringLiteral("pitchDiameter"), h.pitchDiameter},
        {QStringLiteral("hand"),
         h.hand == Hob::Hand::Left ? QStringLiteral("left") : QStringLiteral("right")},
    };
    if (!h.angle.trimmed().isEmpty()) {
        object.insert(QStringLiteral("angle"), h.angle);
    }
    return object;
}

QJsonObject latheObject(const Lathe& l) {
    QJsonObject object;
    object.insert(QStringLiteral("name"), l.name);
    object.insert(QStringLiteral("leadScrew"),
                  QJsonObject{{l.screw.unit == LeadScrew::Unit::Millimetre ? QStringLiteral("mm")
                                                                           : QStringLiteral("tpi"),
                               l.screw.value}});
    QJsonArray gears;
    for (const int g : l.gears) {
        gears.append(g);
    }
    object.insert(QStringLiteral("gears"), gears);
    if (!l.gearbox.isEmpty()) {
        QJsonArray box;
        for (const GearboxPosition& p : l.gearbox) {
            box.append(
                QJsonObject{{QStringLiteral("name"), p.name}, {QStringLiteral("ratio"), p.ratio}});
        }
        object.insert(QStringLiteral("gearbox"), box);
    }
    if (l.clearance) {
        object.insert(QStringLiteral("clearance"), *l.clearance);
    }
    if (l.reach) {
        object.insert(QStringLiteral("reach"), *l.reach);
    }
    return object;
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

// Where a machine stands in the file, for a message: its name, or its place when it has none.
QString machinePlace(const QJsonValue& value, qsizetype index) {
    const QJsonValue name = value.toObject().value(QStringLiteral("name"));
    if (name.isString() && !name.toString().trimmed().isEmpty()) {
        return name.toString().trimmed();
    }
    return QStringLiteral("#%1").arg(index + 1);
}

std::optional<Machine> readEntry(const QJsonObject& json, const QString& where,
                                 std::optional<FileFault>& fault, Machine* /*kind*/) {
    return readMachine(json, where, fault);
}

std::optional<Lathe> readEntry(const QJsonObject& json, const QString& where,
                               std::optional<FileFault>& fault, Lathe* /*kind*/) {
    return readLathe(json, where, fault);
}

std::optional<Hob> readEntry(const QJsonObject& json, const QString& where,
                             std::optional<FileFault>& fault, Hob* /*kind*/) {
    std::optional<Hob> hob = readHob(json, where, fault);
    if (fault) {
        fault->inHob = true;
    }
    return hob;
}

// The machines or lathes of a list; false once `fault` holds the first thing wrong.
template <typename Entry>
bool readList(const QJsonArray& list, const QString& key, bool lathes,
              std::optional<FileFault>& fault, QList<Entry>& entries) {
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QJsonValue value = list.at(i);
        const QString where = machinePlace(value, i);
        if (!value.isObject()) {
            fault = FileFault{
                .problem = FileProblem::WrongType, .key = key, .where = where, .inLathe = lathes};
            return false;
        }
        const auto entry = readEntry(value.toObject(), where, fault, static_cast<Entry*>(nullptr));
        if (!entry) {
            return false;
        }
        entries.append(*entry);
    }
    return true;
}

} // namespace

std::variant<MachineBook, FileFault> parseMachineFile(const QByteArray& json) {
    const auto header = readHeader(json, formatName, formatVersion);
    if (const auto* refused = std::get_if<FileFault>(&header)) {
        return *refused;
    }
    const QJsonObject& root = std::get<FileHeader>(header).root;
    const int v = std::get<FileHeader>(header).version;
    std::optional<FileFault> fault;
    StrictObject top(root, {}, fault);
    MachineBook book;
    if (v == 1) {
        top.onlyKeys({"format", "version", "active", "machines"});
    } else if (v == 2) {
        top.onlyKeys({"format", "version", "active", "machines", "lathes"});
    } else {
        top.onlyKeys({"format", "version", "active", "machines", "lathes", "hobs"});
    }
    const auto active = top.string("active");
    const auto machines = top.array("machines");
    if (!fault && !machines) {
        top.missing("machines");
    }
    const auto lathes = top.array("lathes");
    const auto hobs = top.array("hobs");
    if (fault) {
        return *fault;
    }
    book.active = active.value_or(QString());
    if (!readList(*machines, QStringLiteral("machines"), false, fault, book.machines) ||
        (lathes && !readList(*lathes, QStringLiteral("lathes"), true, fault, book.lathes)) ||
        (hobs && !readList(*hobs, QStringLiteral("hobs"), false, fault, book.hobs))) {
        return *fault;
    }
    if (const auto bad = checkMachines(book.machines)) {
        return FileFault{.problem = FileProblem::BadValue, .machine = bad};
    }
    if (const auto bad = checkLathes(book.lathes)) {
        return FileFault{.problem = FileProblem::BadValue, .inLathe = true, .lathe = bad};
    }
    if (const auto bad = checkHobs(book.hobs)) {
        return FileFault{.problem = FileProblem::BadValue, .inHob = true, .hob = bad};
    }
    return book;
}

QByteArray machineFileText(const MachineBook& book) {
    QJsonObject root;
    root.insert(QStringLiteral("format"), formatName);
    root.insert(QStringLiteral("version"), formatVersion);
    QJsonArray machines;
    for (const Machine& m : book.machines) {
        machines.append(machineObject(m));
    }
    root.insert(QStringLiteral("machines"), machines);
    QJsonArray lathes;
    for (const Lathe& l : book.lathes) {
        lathes.append(latheObject(l));
    }
    root.insert(QStringLiteral("lathes"), lathes);
    QJsonArray hobs;
    for (const Hob& h : book.hobs) {
        hobs.append(hobObject(h));
    }
    root.insert(QStringLiteral("hobs"), hobs);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

namespace {

// Qt's reasons, which read "illegal value" for a stray letter, in a user's words.
QString parseErrorWords(QJsonParseError::ParseError error) {
    const auto t = [](const char* text) {
        return QCoreApplication::translate("MachineFile", text);
    };
    switch (error) {
    case QJsonParseError::UnterminatedObject:
        return t(QT_TRANSLATE_NOOP("MachineFile",
                                   "bir nesne kapanmadan dosya bitiyor ya da bir virgül eksik"));
    case QJsonParseError::MissingNameSeparator:
        return t(QT_TRANSLATE_NOOP("MachineFile", "anahtardan sonra iki nokta (:) bekleniyordu"));
    case QJsonParseError::UnterminatedArray:
        return t(QT_TRANSLATE_NOOP("MachineFile",
                                   "bir liste kapanmadan dosya bitiyor ya da bir virgül eksik"));
    case QJsonParseError::MissingValueSeparator:
        return t(QT_TRANSLATE_NOOP("MachineFile", "değerden sonra bir virgül bekleniyordu"));
    case QJsonParseError::TerminationByNumber:
        return t(QT_TRANSLATE_NOOP("MachineFile", "dosya bir sayının ortasında bitiyor"));
    case QJsonParseError::IllegalEscapeSequence:
        return t(
            QT_TRANSLATE_NOOP("MachineFile", "bir metinde geçersiz bir ters bölü (\\) dizisi"));
    case QJsonParseError::IllegalUTF8String:
        return t(QT_TRANSLATE_NOOP("MachineFile", "UTF-8 olmayan bir karakter"));
    case QJsonParseError::UnterminatedString:
        return t(QT_TRANSLATE_NOOP("MachineFile", "kapanmayan bir tırnak"));
    case QJsonParseError::MissingObject:
        return t(QT_TRANSLATE_NOOP("MachineFile", "bir nesne bekleniyordu"));
    case QJsonParseError::DeepNesting:
        return t(QT_TRANSLATE_NOOP("MachineFile", "iç içe çok fazla nesne"));
    case QJsonParseError::DocumentTooLarge:
        return t(QT_TRANSLATE_NOOP("MachineFile", "dosya çok büyük"));
    case QJsonParseError::GarbageAtEnd:
        return t(QT_TRANSLATE_NOOP("MachineFile", "dosyanın sonunda fazladan karakter"));
    case QJsonParseError::IllegalNumber: // Qt's words for a stray letter as for "1.2.3"
    case QJsonParseError::IllegalValue:
    case QJsonParseError::NoError:
        break;
    }
    return t(QT_TRANSLATE_NOOP("MachineFile", "beklenmeyen karakter"));
}

// The faults of a file's bytes and values, apart from its keys: not JSON, a key written twice,
// a value out of its range, a locale no one has.
QString readingFaultMessage(const FileFault& fault, const QString& key, const QLocale& locale) {
    switch (fault.problem) {
    case FileProblem::NotJson:
        if (fault.offset < 0) {
            return QCoreApplication::translate("MachineFile",
                                               "Dosya JSON değil: bir nesne ile başlamıyor.");
        }
        return QCoreApplication::translate("MachineFile", "Dosya JSON değil: %1. baytta %2.")
            .arg(fault.offset + 1)
            .arg(parseErrorWords(fault.parseError));
    case FileProblem::DuplicateKey:
        return QCoreApplication::translate(
                   "MachineFile", "Dosyada %1 anahtarı iki kez yazılmış; hangisinin geçerli "
                                  "olduğu bilinemez.")
            .arg(key);
    case FileProblem::OutOfRange: {
        const auto n = [&locale](double x) { return FieldValues::writeNumber(x, locale); };
        const ValueRange range = fault.range.value_or(aboveZero);
        if (!range.bounded() && range.lowIncluded) {
            return QCoreApplication::translate("MachineFile",
                                               "Dosyadaki %1 değeri aralık dışında: %2 ya da "
                                               "üstünde olmalı.")
                .arg(key, n(range.low));
        }
        if (!range.bounded()) {
            return QCoreApplication::translate("MachineFile",
                                               "Dosyadaki %1 değeri aralık dışında: %2 "
                                               "üstünde olmalı.")
                .arg(key, n(range.low));
        }
        return QCoreApplication::translate("MachineFile",
                                           "Dosyadaki %1 değeri aralık dışında: %2 ile %3 "
                                           "arasında olmalı.")
            .arg(key, n(range.low), n(range.high));
    }
    case FileProblem::NoLocale:
        return QCoreApplication::translate(
                   "MachineFile", "Dosyadaki %1 değeri («%2») bilinen bir yerel ayarın adı değil.")
            .arg(key, fault.detail);
    default:
        break;
    }
    return {};
}

} // namespace

QString unusableMachineFileText(const QString& path, const FileFault& fault,
                                const QLocale& locale) {
    return QCoreApplication::translate("MachineFile", "Tezgâh dosyası «%1» kullanılamıyor: %2")
        .arg(QDir::toNativeSeparators(path), fileFaultMessage(fault, locale));
}

QString fileFaultMessage(const FileFault& fault, const QLocale& locale) {
    const QString key = QStringLiteral("\"%1\"").arg(fault.key);
    switch (fault.problem) {
    case FileProblem::NotJson:
    case FileProblem::DuplicateKey:
    case FileProblem::OutOfRange:
    case FileProblem::NoLocale:
        return readingFaultMessage(fault, key, locale);
    case FileProblem::WrongFormat:
        return QCoreApplication::translate(
                   "MachineFile", "Dosya bir ZORVANDI tezgâh dosyası değil (\"format\": \"%1\").")
            .arg(fault.detail);
    case FileProblem::NewerVersion:
        return QCoreApplication::translate(
            "MachineFile", "Dosya, bu programın okuyamadığı daha yeni bir sürümde (\"version\").");
    case FileProblem::NoVersion:
        return QCoreApplication::translate("MachineFile",
                                           "Dosyada geçerli bir sürüm (\"version\") yok.");
    case FileProblem::MissingKey:
        if (fault.inHob) {
            return QCoreApplication::translate("MachineFile", "«%1» azdırmasında %2 anahtarı yok.")
                .arg(fault.where, key);
        }
        if (fault.inLathe) {
            return QCoreApplication::translate("MachineFile", "«%1» tornasında %2 anahtarı yok.")
                .arg(fault.where, key);
        }
        return fault.where.isEmpty()
                   ? QCoreApplication::translate("MachineFile", "Dosyada %1 anahtarı yok.").arg(key)
                   : QCoreApplication::translate("MachineFile", "«%1» tezgâhında %2 anahtarı yok.")
                         .arg(fault.where, key);
    case FileProblem::WrongType:
        if (fault.inHob) {
            return QCoreApplication::translate(
                       "MachineFile", "«%1» azdırmasında %2 anahtarının değeri yanlış türde.")
                .arg(fault.where, key);
        }
        if (fault.inLathe) {
            return QCoreApplication::translate(
                       "MachineFile", "«%1» tornasında %2 anahtarının değeri yanlış türde.")
                .arg(fault.where, key);
        }
        return fault.where.isEmpty()
                   ? QCoreApplication::translate("MachineFile",
                                                 "Dosyadaki %1 anahtarının değeri yanlış türde.")
                         .arg(key)
                   : QCoreApplication::translate(
                         "MachineFile", "«%1» tezgâhında %2 anahtarının değeri yanlış türde.")
                         .arg(fault.where, key);
    case FileProblem::UnknownKey:
        if (fault.inHob) {
            return QCoreApplication::translate("MachineFile",
                                               "«%1» azdırmasında bilinmeyen bir anahtar var: %2.")
                .arg(fault.where, key);
        }
        if (fault.inLathe) {
            return QCoreApplication::translate("MachineFile",
                                               "«%1» tornasında bilinmeyen bir anahtar var: %2.")
                .arg(fault.where, key);
        }
        return fault.where.isEmpty()
                   ? QCoreApplication::translate("MachineFile",
                                                 "Dosyada bilinmeyen bir anahtar var: %1.")
                         .arg(key)
                   : QCoreApplication::translate("MachineFile",
                                                 "«%1» tezgâhında bilinmeyen bir anahtar var: %2.")
                         .arg(fault.where, key);
    case FileProblem::BadValue:
        if (fault.hob) {
            return hobFaultMessage(*fault.hob, locale);
        }
        if (fault.lathe) {
            return latheFaultMessage(*fault.lathe, locale);
        }
        return fault.machine ? machineFaultMessage(*fault.machine, locale) : QString();
    case FileProblem::Unreadable:
        return QCoreApplication::translate("MachineFile", "Dosya okunamadı: %1.").arg(fault.detail);
    }
    return {};
}

QJsonObject machineJson(const Machine& machine) {
    return machineObject(machine);
}

QJsonObject latheJson(const Lathe& lathe) {
    return latheObject(lathe);
}

std::variant<Machine, FileFault> machineFromJson(const QJsonObject& json, const QString& where) {
    std::optional<FileFault> fault;
    const std::optional<Machine> m = readMachine(json, where, fault);
    if (!m) {
        return fault.value_or(FileFault{.problem = FileProblem::MissingKey});
    }
    if (const auto bad = checkMachine(*m)) {
        return FileFault{.problem = FileProblem::BadValue, .machine = *bad};
    }
    return *m;
}

std::variant<Lathe, FileFault> latheFromJson(const QJsonObject& json, const QString& where) {
    std::optional<FileFault> fault;
    const std::optional<Lathe> l = readLathe(json, where, fault);
    if (!l) {
        return fault.value_or(FileFault{.problem = FileProblem::MissingKey});
    }
    if (const auto bad = checkLathe(*l)) {
        return FileFault{.problem = FileProblem::BadValue, .inLathe = true, .lathe = *bad};
    }
    return *l;
}

std::optional<QString> writeWhole(const QString& path, const QByteArray& bytes) {
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

std::optional<QString> exportMachines(const MachineBook& book, const QString& path) {
    return writeWhole(path, machineFileText(book));
}

std::variant<MachineBook, FileFault> importMachines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return FileFault{.problem = FileProblem::Unreadable, .detail = file.errorString()};
    }
    return parseMachineFile(file.readAll());
}
