#include "store/jobfile.h"

#include "calc/jobsheet.h"
#include "calc/wormstarts.h"
#include "flow/workflow.h"
#include "model/fieldvalues.h"
#include "model/formstate.h"
#include "store/strictobject.h"

#include <QCoreApplication>
#include <QJsonDocument>

namespace {

const QString formatName = QStringLiteral("zorvandi-job");
constexpr int formatVersion = 2;

QJsonObject fieldsObject(const FieldTexts& texts) {
    QJsonObject fields;
    for (const FieldId id : allFields) {
        fields.insert(fieldName(id), texts.at(indexOf(id)));
    }
    return fields;
}

// Every field, each a string, and no other key.
std::optional<FieldTexts> readFields(const QJsonObject& json, std::optional<FileFault>& fault) {
    FieldTexts texts;
    for (auto it = json.begin(); it != json.end(); ++it) {
        if (!fieldNamed(it.key())) {
            fault = FileFault{FileProblem::UnknownKey, {}, std::nullopt, it.key()};
            return std::nullopt;
        }
    }
    for (const FieldId id : allFields) {
        const QJsonValue v = json.value(fieldName(id));
        if (v.isUndefined()) {
            fault = FileFault{FileProblem::MissingKey, {}, std::nullopt, fieldName(id)};
            return std::nullopt;
        }
        if (!v.isString()) {
            fault = FileFault{FileProblem::WrongType, {}, std::nullopt, fieldName(id)};
            return std::nullopt;
        }
        texts.at(indexOf(id)) = v.toString();
    }
    return texts;
}

// A section's last complete run, or null for none.
bool readRuns(const QJsonObject& json, CompletedRuns& runs, std::optional<FileFault>& fault) {
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
        if (!strict.onlyKeys({"fields", "machine"})) {
            return false;
        }
        const auto fields = strict.object("fields");
        const auto machine = strict.object("machine");
        if (!fields || !machine) {
            return strict.fail(FileProblem::MissingKey,
                               QLatin1String(fields ? "machine" : "fields"));
        }
        const auto texts = readFields(*fields, fault);
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
    };
}

// Every input, each in its range, and no other key.
bool readRating(const QJsonObject& json, RatingInputs& in, std::optional<FileFault>& fault) {
    StrictObject object(json, {}, fault);
    if (!object.onlyKeys({"given", "load", "serviceFactor", "casting", "faceWidth", "friction",
                          "fan", "housingArea", "ambient", "sumpLimit"})) {
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
    for (const auto& [present, key] :
         {std::pair{given.has_value(), "given"}, std::pair{casting.has_value(), "casting"},
          std::pair{service.has_value(), "serviceFactor"},
          std::pair{ambient.has_value(), "ambient"}, std::pair{fan.isBool(), "fan"}}) {
        if (!present) {
            return object.missing(key);
        }
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
    std::optional<FileFault> inner;
    if (!readOptional(json, "load", in.load, inner) ||
        !readOptional(json, "faceWidth", in.faceWidth, inner) ||
        !readOptional(json, "friction", in.friction, inner) ||
        !readOptional(json, "housingArea", in.housingArea, inner) ||
        !readOptional(json, "sumpLimit", in.sumpLimit, inner)) {
        return object.fail(inner->problem, inner->key);
    }
    if (const auto bad = firstInvalid(in)) {
        static constexpr std::array<const char*, 7> keys = {
            "load",        "serviceFactor", "faceWidth", "friction",
            "housingArea", "ambient",       "sumpLimit"};
        return object.fail(FileProblem::WrongType, QLatin1String(keys.at(std::size_t(*bad))));
    }
    return true;
}

QJsonValue designValue(const std::optional<DesignedFor>& design) {
    if (!design) {
        return {QJsonValue::Null};
    }
    return QJsonObject{{QStringLiteral("centreDistance"), design->centreDistance},
                       {QStringLiteral("ratio"), design->ratio}};
}

// Null for a job that was typed, or the housing and ratio it was designed for, in range.
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
    StrictObject design(v.toObject(), {}, fault);
    if (!design.onlyKeys({"centreDistance", "ratio"})) {
        return false;
    }
    const auto a = design.number("centreDistance");
    const auto i = design.number("ratio");
    if (!a || !i) {
        return design.missing(a ? "ratio" : "centreDistance");
    }
    DesignAsk asked;
    asked.centreDistance = *a;
    asked.ratio = *i;
    if (const auto bad = firstInvalid(asked)) {
        return design.fail(FileProblem::WrongType,
                           QLatin1String(*bad == DesignInput::Ratio ? "ratio" : "centreDistance"));
    }
    into = DesignedFor{*a, *i};
    return true;
}

// The job's body, once the format and version are known to be this program's.
std::optional<JobDocument> readJob(const QJsonObject& top, int version,
                                   std::optional<FileFault>& fault) {
    StrictObject object(top, {}, fault);
    if (!object.onlyKeys({"format", "version", "locale", "fields", "runs", "machine", "lathe",
                          "lead", "profileAngle", "wire", "title", "note", "rating", "design"})) {
        return std::nullopt;
    }
    // The rating and the design came with version 2; a version-1 job has neither and takes the
    // rating's defaults.
    const auto rating = object.object("rating");
    if (version >= 2 && !rating) {
        return object.missingUnlessFaulty("rating");
    }
    for (const char* key : {"rating", "design"}) {
        if (version < 2 && object.has(key)) {
            object.fail(FileProblem::UnknownKey, QLatin1String(key));
            return std::nullopt;
        }
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
    for (const auto& [present, key] :
         {std::pair{locale.has_value(), "locale"}, std::pair{title.has_value(), "title"},
          std::pair{note.has_value(), "note"}, std::pair{fields.has_value(), "fields"},
          std::pair{runs.has_value(), "runs"}, std::pair{machine.has_value(), "machine"},
          std::pair{lathe.has_value(), "lathe"}, std::pair{angle.has_value(), "profileAngle"}}) {
        if (!present) {
            return object.missingUnlessFaulty(key);
        }
    }
    job.locale = *locale;
    job.title = *title;
    job.note = *note;
    job.gauge.profileAngle = *angle;
    const auto texts = readFields(*fields, fault);
    if (!texts || !readRuns(*runs, job.runs, fault) ||
        !readOptional(top, "lead", job.lead, fault) ||
        !readOptional(top, "wire", job.gauge.wire, fault)) {
        return std::nullopt;
    }
    job.texts = *texts;
    if (rating && !readRating(*rating, job.rating, fault)) {
        return std::nullopt;
    }
    if (version >= 2 && !readDesign(top, job.design, fault)) {
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
    if (!(job.gauge.profileAngle >= smallestProfileAngle &&
          job.gauge.profileAngle <= largestProfileAngle) ||
        (job.gauge.wire && !(*job.gauge.wire > 0))) {
        object.fail(
            FileProblem::WrongType,
            QLatin1String(job.gauge.wire && !(*job.gauge.wire > 0) ? "wire" : "profileAngle"));
        return std::nullopt;
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
        return fault.value_or(FileFault{FileProblem::NotJson, {}, std::nullopt});
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
    const QJsonObject top{
        {QStringLiteral("format"), formatName},
        {QStringLiteral("version"), formatVersion},
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
    };
    return QJsonDocument(top).toJson(QJsonDocument::Indented);
}

QString jobFileFaultMessage(const FileFault& fault, const QLocale& locale) {
    if (fault.problem == FileProblem::WrongFormat) {
        return QCoreApplication::translate(
                   "JobFile", "Dosya bir ZORVANDI iş dosyası değil (\"format\": \"%1\").")
            .arg(fault.detail);
    }
    return fileFaultMessage(fault, locale);
}

JobDocument inLocale(JobDocument job, const QLocale& locale) {
    const QLocale saved(job.locale);
    if (saved.decimalPoint() == locale.decimalPoint()) {
        job.locale = locale.name();
        return job;
    }
    const auto convert = [&](FieldTexts& texts) {
        for (QString& text : texts) {
            if (FieldValues::readNumber(text, saved) &&
                !FieldValues::isAmbiguousPoint(text, saved)) {
                text.replace(saved.decimalPoint(), locale.decimalPoint());
            }
        }
    };
    convert(job.texts);
    for (auto& run : job.runs) {
        if (run) {
            convert(run->texts);
        }
    }
    job.locale = locale.name();
    return job;
}

JobDocument withUnreadableInputsStale(JobDocument job, const QLocale& locale) {
    for (const ButtonId section : allButtons) {
        auto& run = job.runs.at(indexOf(section));
        if (!run) {
            continue;
        }
        for (const FieldId id : allFields) {
            const QString& text = run->texts.at(indexOf(id));
            const bool reads = id == FieldId::z1_t
                                   ? std::holds_alternative<int>(wormStarts(text, locale))
                                   : FieldValues::readNumber(text, locale).has_value();
            if (sectionUses(section, id) && isInputField(id) && !reads) {
                // No text a field can hold: the section no longer matches the form.
                run->texts.at(indexOf(id)) = QStringLiteral("\u0000");
            }
        }
    }
    return job;
}

std::variant<JobSheet, SheetRefusal> sheetOfJob(const JobDocument& job, const QLocale& locale,
                                                const QDateTime& madeAt) {
    // A headless run shows no box: its refusals are values.
    class Silent final : public MessageSink {
    public:
        void showMessage(const QString& /*text*/) override {}
    } silent;
    const JobDocument here = withUnreadableInputsStale(inLocale(job, locale), locale);
    FormState form(locale, silent);
    Workflow flow(form);
    flow.setMachine(here.machine);
    flow.restore(here.texts, here.runs);
    return makeJobSheet(
        form, here.machine, flow.completedRuns(), madeAt,
        {here.lathe, here.gauge, here.lead, here.title, here.note, here.rating, here.design});
}

QString jobFileName(const FormState& form) {
    QString name = sheetFileName(form);
    name.chop(QStringLiteral("pdf").size());
    return name + QStringLiteral("zvj");
}
