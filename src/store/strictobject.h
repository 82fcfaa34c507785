#pragma once

// The strict reading that the program's JSON files share, the machine file and the job file:
// every key must be one the reader knows, and every value of the type its key takes; the first
// fault met is kept, and reading goes no further.

#include "store/jsonkeys.h"
#include "store/machinefile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <cmath>
#include <initializer_list>
#include <optional>

// Reads one JSON object strictly: every key must be one it knows, and every value of the type
// its key takes. The first fault met is kept, and reading goes no further.
class StrictObject {
public:
    StrictObject(QJsonObject object, QString where, std::optional<FileFault>& fault,
                 bool inLathe = false)
        : m_object(std::move(object))
        , m_where(std::move(where))
        , m_fault(fault)
        , m_inLathe(inLathe) {}

    // Refuses the first key that is not among `known`.
    bool onlyKeys(std::initializer_list<const char*> known) {
        for (auto it = m_object.begin(); it != m_object.end(); ++it) {
            const bool isKnown = std::any_of(known.begin(), known.end(), [&it](const char* k) {
                return it.key() == QLatin1String(k);
            });
            if (!isKnown) {
                return fail(FileProblem::UnknownKey, it.key());
            }
        }
        return true;
    }

    bool has(const char* key) const { return m_object.contains(QLatin1String(key)); }

    // Whether every key is there and nothing was found wrong so far; else the first key missing
    // is named, unless a fault was met before it.
    bool require(std::initializer_list<const char*> keys) {
        for (const char* key : keys) {
            if (!has(key)) {
                return missing(key);
            }
        }
        return !m_fault;
    }

    // A number of the right type outside its range.
    bool outOfRange(const char* key, const ValueRange& range) {
        if (!m_fault) {
            m_fault = FileFault{.problem = FileProblem::OutOfRange,
                                .key = QLatin1String(key),
                                .where = m_where,
                                .inLathe = m_inLathe,
                                .range = range};
        }
        return false;
    }

    std::optional<QString> string(const char* key) {
        const QJsonValue v = value(key);
        if (!v.isUndefined() && !v.isString()) {
            fail(FileProblem::WrongType, QLatin1String(key));
            return std::nullopt;
        }
        return v.isString() ? std::optional(v.toString()) : std::nullopt;
    }

    // A number: a whole one, or `notWhole` for the rule's message when it has a fraction.
    std::optional<int> whole(const char* key, const std::optional<FileFault>& notWhole) {
        return wholeOf(value(key), key, notWhole);
    }

    std::optional<QJsonArray> array(const char* key) {
        const QJsonValue v = value(key);
        if (!v.isUndefined() && !v.isArray()) {
            fail(FileProblem::WrongType, QLatin1String(key));
            return std::nullopt;
        }
        return v.isArray() ? std::optional(v.toArray()) : std::nullopt;
    }

    std::optional<QJsonObject> object(const char* key) {
        const QJsonValue v = value(key);
        if (!v.isUndefined() && !v.isObject()) {
            fail(FileProblem::WrongType, QLatin1String(key));
            return std::nullopt;
        }
        return v.isObject() ? std::optional(v.toObject()) : std::nullopt;
    }

    // Any number, for a pitch or a ratio.
    std::optional<double> number(const char* key) {
        const QJsonValue v = value(key);
        if (!v.isUndefined() && !v.isDouble()) {
            fail(FileProblem::WrongType, QLatin1String(key));
            return std::nullopt;
        }
        return v.isDouble() ? std::optional(v.toDouble()) : std::nullopt;
    }

    std::optional<int> wholeOf(const QJsonValue& v, const char* key,
                               const std::optional<FileFault>& notWhole) {
        if (v.isUndefined()) {
            return std::nullopt;
        }
        if (!v.isDouble()) {
            fail(FileProblem::WrongType, QLatin1String(key));
            return std::nullopt;
        }
        const double x = v.toDouble();
        if (x != std::floor(x) || std::abs(x) > 1e9) {
            if (!m_fault) {
                m_fault = notWhole;
            }
            return std::nullopt;
        }
        return static_cast<int>(x);
    }

    bool missing(const char* key) { return fail(FileProblem::MissingKey, QLatin1String(key)); }

    // Nothing, after naming a required key as missing unless a fault was already met in it.
    std::nullopt_t missingUnlessFaulty(const char* key) {
        missing(key);
        return std::nullopt;
    }

    bool fail(FileProblem problem, const QString& key) {
        if (!m_fault) {
            m_fault =
                FileFault{.problem = problem, .key = key, .where = m_where, .inLathe = m_inLathe};
        }
        return false;
    }

    const QString& where() const { return m_where; }

private:
    QJsonValue value(const char* key) const { return m_object.value(QLatin1String(key)); }

    QJsonObject m_object;
    QString m_where;
    std::optional<FileFault>& m_fault;
    bool m_inLathe = false;
};

// A file's top object and its version, once it is JSON of `format` in a version from 1 to
// `newest`; else the fault that refuses it. Both files of the program start so.
struct FileHeader {
    QJsonObject root;
    int version = 1;
};

inline std::variant<FileHeader, FileFault> readHeader(const QByteArray& json, const QString& format,
                                                      int newest) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        return FileFault{
            .problem = FileProblem::NotJson, .offset = error.offset, .parseError = error.error};
    }
    if (!document.isObject()) {
        return FileFault{.problem = FileProblem::NotJson};
    }
    if (const auto twice = duplicateKey(json)) {
        return FileFault{.problem = FileProblem::DuplicateKey, .key = *twice};
    }
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("format")).toString() != format) {
        return FileFault{.problem = FileProblem::WrongFormat,
                         .detail = root.value(QStringLiteral("format")).toString()};
    }
    const QJsonValue version = root.value(QStringLiteral("version"));
    const double v = version.toDouble();
    if (!version.isDouble() || v != std::floor(v) || v < 1) {
        return FileFault{.problem = FileProblem::NoVersion};
    }
    if (v > newest) {
        return FileFault{.problem = FileProblem::NewerVersion};
    }
    return FileHeader{root, static_cast<int>(v)};
}
