#include "store/jobfile.h"

#include "calc/jobsheet.h"
#include "calc/wormstarts.h"
#include "model/fieldvalues.h"
#include "model/formstate.h"
#include "store/strictobject.h"

#include <QCoreApplication>
#include <QJsonDocument>

namespace {

const QString formatName = QStringLiteral("zorvandi-job");
constexpr int formatVersion = 3;
// The first version whose fields hold the wheel's profile shift and whose gauge holds the
// thread's thinning.
constexpr int shiftVersion = 3;

QJsonObject fieldsObject(const FieldTexts& texts) {
    QJsonObject fields;
    for (const FieldId id : allFields) {
        fields.insert(fieldName(id), texts.at(indexOf(id)));
    }
    return fields;
}

// A fault met inside an object of the job names its key from the top: "rating.load".
void placeUnder(std::optional<FileFault>& fault, const QString& place) {
    if (fault && fault->where.isEmpty() && !fault->key.isEmpty()) {
        fault->key = place + QLatin1Char('.') + fault->key;
    }
}

// Every field, each a string, and no other key. A job from before the profile shift has no x2
// and reads as an unshifted wheel.
std::optional<FieldTexts> readFields(const QJsonObject& json, const QString& place, int version,
                                     std::optional<FileFault>& fault) {
    FieldTexts texts;
    const bool shifted = version >= shiftVersion;
    const auto refuse = [&](FileProblem problem, const QString& key) {
        fault = FileFault{.problem = problem, .key = place + QLatin1Char('.') + key};
        return std::nullopt;
    };
    for (auto it = json.begin(); it != json.end(); ++it) {
        if (!fieldNamed(it.key()) || (!shifted && fieldNamed(it.key()) == FieldId::x2_t)) {
            return refuse(FileProblem::UnknownKey, it.key());
        }
    }
    for (const FieldId id : allFields) {
        const QJsonValue v = json.value(fieldName(id));
        if (!shifted && id == FieldId::x2_t) {
            texts.at(indexOf(id)) = QStringLiteral("0");
            continue;
        }
        if (v.isUndefined()) {
            return refuse(FileProblem::MissingKey, fieldName(id));
        }
        if (!v.isString()) {
            return refuse(FileProblem::WrongType, fieldName(id));
        }
        texts.at(indexOf(id)) = v.toString();
    }
    return texts;
}

// A section's last complete run, or null for none.
bool readRuns(const QJsonObject& json, int version, CompletedRuns& runs,
              std::optional<FileFault>& fault) {
    StrictObject object(json, {}, fault);
    if (!object.onlyKeys({"HESAPLA", "Command2", "Command1"})) {
        return false;
    }
    for (const ButtonId button : allButtons) {
        const QString key = buttonName(button);
        const QJsonValue v = json.value(key);
        if (v.isNull()) {
            continue;
        }
        if (v.isUndefined()) {
            return object.fail(FileProblem::MissingKey, key);
        }
        if (!v.isObject()) {
            return object.fail(FileProblem::WrongType, key);
        }
        const QJsonObject run = v.toObject();
        StrictObject strict(run, {}, fault);
        const auto fields = strict.object("fields");
        const auto machine = strict.object("machine");
        if (!strict.onlyKeys({"fields", "machine"}) || !strict.require({"fields", "machine"})) {
            placeUnder(fault, key);
            return false;
        }
        const auto texts = readFields(*fields, key + QStringLiteral(".fields"), version, fault);
        if (!texts) {
            return false;
        }
        auto m = machineFromJson(*machine, QStringLiteral("#1"));
        if (auto* bad = std::get_if<FileFault>(&m)) {
            fault = *bad;
            return false;
        }
        runs.at(indexOf(button)) = FormSnapshot{*texts, std::get<Machine>(m)};
    }
    return true;
}

// A number that may be null.
bool readOptional(const QJsonObject& json, const char* key, std::optional<double>& into,
                  std::optional<FileFault>& fault) {
    StrictObject object(json, {}, fault);
    const QJsonValue v = json.value(QLatin1String(key));
    if (v.isUndefined()) {
        return object.missing(key);
    }
    if (v.isNull()) {
        into.reset();
        return true;
    }
    if (!v.isDouble()) {
        return object.fail(FileProblem::WrongType, QLatin1String(key));
    }
    into = v.toDouble();
    return true;
}

QJsonValue optionalValue(const std::optional<double>& x) {
    return x ? QJsonValue(*x) : QJsonValue(QJsonValue::Null);
}

const std::array<std::pair<LoadGiven, const char*>, 2> loadNames = {
    {{LoadGiven::OutputTorque, "outputTorque"}, {LoadGiven::InputPower, "inputPower"}}};
const std::array<std::pair<Casting, const char*>, 3> castingNames = {
    {{Casting::SandCast, "sandCast"},
     {Casting::StaticChillCast, "staticChillCast"},
     {Casting::CentrifugallyCast, "centrifugallyCast"}}};

template <typename E, std::size_t N>
std::optional<E> named(const std::array<std::pair<E, const char*>, N>& names, const QString& s) {
    for (const auto& [value, name] : names) {
        if (s == QLatin1String(name)) {
            return value;
        }
    }
    return std::nullopt;
}

template <typename E, std::size_t N>
QString nameOf(const std::array<std::pair<E, const char*>, N>& names, E value) {
    for (const auto& [v, name] : names) {
        if (v == value) {
            return QLatin1String(name);
        }
    }
    return {};
}

QJsonObject ratingObject(const RatingInputs& in) {
    return {
        {QStringLiteral("given"), nameOf(loadNames, in.given)},
        {QStringLiteral("load"), optionalValue(in.load)},
        {QStringLiteral("serviceFactor"), in.serviceFactor},
        {QStringLiteral("casting"), nameOf(castingNames, in.casting)},
        {QStringLiteral("faceWidth"), optionalValue(in.faceWidth)},
        {QStringLiteral("friction"), optionalValue(in.friction)},
        {QStringLiteral("fan"), in.fan},
        {QStringLiteral("housingArea"), optionalValue(in.housingArea)},
        {QStringLiteral("ambient"), in.ambient},
        {QStringLiteral("sumpLimit"), optionalValue(in.sumpLimit)},
        {QStringLiteral("bearingSpan"), optionalValue(in.bearingSpan)},
        {QStringLiteral("hardenedWorm"), in.hardenedWorm},
        {QStringLiteral("bendingAllowable"), optionalValue(in.bendingAllowable)},
    };
}

// Every input, each in its range, and no other key.
bool readRating(const QJsonObject& json, RatingInputs& in, std::optional<FileFault>& fault) {
    StrictObject object(json, {}, fault);
    if (!object.onlyKeys({"given", "load", "serviceFactor", "casting", "faceWidth", "friction",
                          "fan", "housingArea", "ambient", "sumpLimit", "bearingSpan",
                          "hardenedWorm", "bendingAllowable"})) {
        return false;
    }
    const auto given = object.string("given");
    const auto casting = object.string("casting");
    const auto service = object.number("serviceFactor");
    const auto ambient = object.number("ambient");
    const QJsonValue fan = json.value(QStringLiteral("fan"));
    if (!fan.isUndefined() && !fan.isBool()) {
        return object.fail(FileProblem::WrongType, QStringLiteral("fan"));
    }
    // A job saved before the worm shaft was rated has a hardened worm.
    const QJsonValue hardened = json.value(QStringLiteral("hardenedWorm"));
    if (!hardened.isUndefined() && !hardened.isBool()) {
        return object.fail(FileProblem::WrongType, QStringLiteral("hardenedWorm"));
    }
    if (!object.require({"given", "casting", "serviceFactor", "ambient", "fan"})) {
        return false;
    }
    const auto load = named(loadNames, *given);
    const auto cast = named(castingNames, *casting);
    if (!load || !cast) {
        return object.fail(FileProblem::WrongType, QLatin1String(load ? "casting" : "given"));
    }
    in.given = *load;
    in.casting = *cast;
    in.serviceFactor = *service;
    in.ambient = *ambient;
    in.fan = fan.toBool();
    in.hardenedWorm = hardened.toBool(true);
    std::optional<FileFault> inner;
    if (!readOptional(json, "load", in.load, inner) ||
        !readOptional(json, "faceWidth", in.faceWidth, inner) ||
        !readOptional(json, "friction", in.friction, inner) ||
        !readOptional(json, "housingArea", in.housingArea, inner) ||
        !readOptional(json, "sumpLimit", in.sumpLimit, inner) ||
        !readOptional(json, "bearingSpan", in.bearingSpan, inner) ||
        !readOptional(json, "bendingAllowable", in.bendingAllowable, inner)) {
        return object.fail(inner->problem, inner->key);
    }
    if (const auto bad = firstInvalid(in)) {
        static constexpr std::array<const char*, 9> keys = {
            "load",    "serviceFactor", "faceWidth",   "friction",        "housingArea",
            "ambient", "sumpLimit",     "bearingSpan", "bendingAllowable"};
        return object.outOfRange(keys.at(std::size_t(*bad)), ratingRange(*bad));
    }
    return true;
}

QJsonObject thinningObject(const WireGauge& gauge) {
    return {{QStringLiteral("least"), gauge.leastThinning},
            {QStringLiteral("most"), gauge.mostThinning}};
}

// The thread's thinning, both allowances in range, and no other key.
bool readThinning(const QJsonObject& json, WireGauge& gauge, std::optional<FileFault>& fault) {
    StrictObject object(json, {}, fault);
    if (!object.onlyKeys({"least", "most"})) {
        return false;
    }
    const auto least = object.number("least");
    const auto most = object.number("most");
    if (!object.require({"least", "most"})) {
        return false;
    }
    for (const auto& [value, key] : {std::pair{*least, "least"}, std::pair{*most, "most"}}) {
        if (!thinningRange.holds(value)) {
            return object.outOfRange(key, thinningRange);
        }
    }
    // The least thinning above the most would print M's deviations the wrong way round.
    if (*least > *most) {
        return object.outOfRange("least", ValueRange{thinningRange.low, *most});
    }
    gauge.leastThinning = *least;
    gauge.mostThinning = *most;
    return true;
}

QJsonValue designValue(const std::optional<DesignedFor>& design) {
    if (!design) {
        return {QJsonValue::Null};
    }
    return QJsonObject{{QStringLiteral("centreDistance"), design->centreDistance},
                       {QStringLiteral("ratio"), design->ratio}};
}

// The housing and ratio asked, in range, and no other key.
bool readDesignObject(const QJsonObject& json, std::optional<DesignedFor>& into,
                      std::optional<FileFault>& fault) {
    StrictObject design(json, {}, fault);
    if (!design.onlyKeys({"centreDistance", "ratio"})) {
        return false;
    }
    const auto a = design.number("centreDistance");
    const auto i = design.number("ratio");
    if (!a || !i) {
        return design.missing(a ? "ratio" : "centreDistance");
    }
    if (!centreDistanceRange.holds(*a)) {
        return design.outOfRange("centreDistance", centreDistanceRange);
    }
    if (!ratioRange.holds(*i)) {
        return design.outOfRange("ratio", ratioRange);
    }
    into = DesignedFor{*a, *i};
    return true;
}

// Null for a job that was typed, or the housing and ratio it was designed for.
bool readDesign(const QJsonObject& top, std::optional<DesignedFor>& into,
                std::optional<FileFault>& fault) {
    StrictObject object(top, {}, fault);
    const QJsonValue v = top.value(QStringLiteral("design"));
    if (v.isUndefined()) {
        return object.missing("design");
    }
    if (v.isNull()) {
        into.reset();
        return true;
    }
    if (!v.isObject()) {
        return object.fail(FileProblem::WrongType, QStringLiteral("design"));
    }
    const bool read = readDesignObject(v.toObject(), into, fault);
    placeUnder(fault, QStringLiteral("design"));
    return read;
}

// The keys that came with a later version: each required from it on, unknown before it (the
// design, which may be null, is required where it is read).
bool keysOfItsVersion(StrictObject& object, int version) {
    using Since = std::pair<const char*, int>;
    for (const auto& [key, since] : {Since{"rating", 2}, Since{"thinning", shiftVersion}}) {
        if (version >= since && !object.has(key)) {
            return object.missing(key);
        }
    }
    for (const auto& [key, since] :
         {Since{"rating", 2}, Since{"design", 2}, Since{"thinning", shiftVersion}}) {
        if (version < since && object.has(key)) {
            return object.fail(FileProblem::UnknownKey, QLatin1String(key));
        }
    }
    return true;
}

// The job's body, once the format and version are known to be this program's.
std::optional<JobDocument> readJob(const QJsonObject& top, int version,
                                   std::optional<FileFault>& fault) {
    StrictObject object(top, {}, fault);
    if (!object.onlyKeys({"format", "version", "locale", "fields", "runs", "machine", "lathe",
                          "lead", "profileAngle", "wire", "title", "note", "rating", "design",
                          "thinning"})) {
        return std::nullopt;
    }
    // The rating and the design came with version 2 (a version-1 job takes the rating's
    // defaults), the thread's thinning with version 3.
    const auto rating = object.object("rating");
    const auto thinning = object.object("thinning");
    if (!keysOfItsVersion(object, version) || fault) {
        return std::nullopt;
    }
    JobDocument job;
    const auto locale = object.string("locale");
    const auto title = object.string("title");
    const auto note = object.string("note");
    const auto fields = object.object("fields");
    const auto runs = object.object("runs");
    const auto machine = object.object("machine");
    const auto lathe = object.object("lathe");
    const auto angle = object.number("profileAngle");
    if (!object.require(
            {"locale", "title", "note", "fields", "runs", "machine", "lathe", "profileAngle"})) {
        return std::nullopt;
    }
    // A name no locale has would read every number in the C locale, as the writer never meant.
    if (QLocale(*locale).name() != *locale) {
        fault = FileFault{
            .problem = FileProblem::NoLocale, .detail = *locale, .key = QStringLiteral("locale")};
        return std::nullopt;
    }
    job.locale = *locale;
    job.title = *title;
    job.note = *note;
    job.gauge.profileAngle = *angle;
    const auto texts = readFields(*fields, QStringLiteral("fields"), version, fault);
    if (!texts) {
        return std::nullopt;
    }
    if (!readRuns(*runs, version, job.runs, fault)) {
        placeUnder(fault, QStringLiteral("runs"));
        return std::nullopt;
    }
    if (!readOptional(top, "lead", job.lead, fault) ||
        !readOptional(top, "wire", job.gauge.wire, fault)) {
        return std::nullopt;
    }
    job.texts = *texts;
    if (rating && !readRating(*rating, job.rating, fault)) {
        placeUnder(fault, QStringLiteral("rating"));
        return std::nullopt;
    }
    if (version >= 2 && !readDesign(top, job.design, fault)) {
        return std::nullopt;
    }
    if (thinning && !readThinning(*thinning, job.gauge, fault)) {
        placeUnder(fault, QStringLiteral("thinning"));
        return std::nullopt;
    }
    auto m = machineFromJson(*machine, QStringLiteral("#1"));
    auto l = latheFromJson(*lathe, QStringLiteral("#1"));
    if (auto* bad = std::get_if<FileFault>(&m)) {
        fault = *bad;
        return std::nullopt;
    }
    if (auto* bad = std::get_if<FileFault>(&l)) {
        fault = *bad;
        return std::nullopt;
    }
    job.machine = std::get<Machine>(m);
    job.lathe = std::get<Lathe>(l);
    for (const auto& [value, key, range] :
         {std::tuple{std::optional(job.gauge.profileAngle), "profileAngle", profileAngleRange},
          std::tuple{job.gauge.wire, "wire", aboveZero}, std::tuple{job.lead, "lead", aboveZero}}) {
        if (value && !range.holds(*value)) {
            object.outOfRange(key, range);
            return std::nullopt;
        }
    }
    return job;
}

} // namespace

std::variant<JobDocument, FileFault> parseJobFile(const QByteArray& json) {
    const auto header = readHeader(json, formatName, formatVersion);
    if (const auto* refused = std::get_if<FileFault>(&header)) {
        return *refused;
    }
    const QJsonObject& top = std::get<FileHeader>(header).root;
    std::optional<FileFault> fault;
    std::optional<JobDocument> job = readJob(top, std::get<FileHeader>(header).version, fault);
    if (!job) {
        return fault.value_or(FileFault{.problem = FileProblem::NotJson});
    }
    return *job;
}

QByteArray jobFileText(const JobDocument& job) {
    QJsonObject runs;
    for (const ButtonId button : allButtons) {
        const auto& run = job.runs.at(indexOf(button));
        runs.insert(
            buttonName(button),
            run ? QJsonValue(QJsonObject{{QStringLiteral("fields"), fieldsObject(run->texts)},
                                         {QStringLiteral("machine"), machineJson(run->machine)}})
                : QJsonValue(QJsonValue::Null));
    }
    const QJsonObject body{
        {QStringLiteral("locale"), job.locale},
        {QStringLiteral("fields"), fieldsObject(job.texts)},
        {QStringLiteral("runs"), runs},
        {QStringLiteral("machine"), machineJson(job.machine)},
        {QStringLiteral("lathe"), latheJson(job.lathe)},
        {QStringLiteral("lead"), optionalValue(job.lead)},
        {QStringLiteral("profileAngle"), job.gauge.profileAngle},
        {QStringLiteral("wire"), optionalValue(job.gauge.wire)},
        {QStringLiteral("title"), job.title},
        {QStringLiteral("note"), job.note},
        {QStringLiteral("rating"), ratingObject(job.rating)},
        {QStringLiteral("design"), designValue(job.design)},
        {QStringLiteral("thinning"), thinningObject(job.gauge)},
    };
    // Qt writes keys sorted; "format" and "version" go first by hand, so that the desktop's
    // magic finds "zorvandi-job" within the file's first bytes.
    const QByteArray rest = QJsonDocument(body).toJson(QJsonDocument::Indented);
    return QByteArrayLiteral("{\n    \"format\": \"") + formatName.toUtf8() +
           QByteArrayLiteral("\",\n    \"version\": ") + QByteArray::number(formatVersion) +
           QByteArrayLiteral(",\n") + rest.mid(2);
}

QString jobFileFaultMessage(const FileFault& fault, const QLocale& locale) {
    if (fault.problem == FileProblem::WrongFormat) {
        return QCoreApplication::translate(
                   "JobFile", "Dosya bir ZORVANDI iş dosyası değil (\"format\": \"%1\").")
            .arg(fault.detail);
    }
    return fileFaultMessage(fault, locale);
}

QString jobFileName(const FormState& form) {
    QString name = sheetFileName(form);
    name.chop(QStringLiteral("pdf").size());
    return name + QStringLiteral("zvj");
}
