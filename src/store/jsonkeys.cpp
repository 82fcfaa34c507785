#include "store/jsonkeys.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QList>
#include <QSet>

namespace {

struct Level {
    bool isObject = false;
    QString path;       // of this object or array
    QSet<QString> keys; // met so far, in an object
    QString child;      // the place of the value being read
    bool expectKey = false;
    int index = 1; // in an array, from 1
};

QString joined(const QString& path, const QString& name) {
    return path.isEmpty() ? name : path + QLatin1Char('.') + name;
}

// The text of one JSON string token, escapes and all, as the reader decodes it.
QString decoded(const QByteArray& token) {
    return QJsonDocument::fromJson('[' + token + ']').array().at(0).toString();
}

// The index of the quote that closes the string opened at `start`.
qsizetype closingQuote(const QByteArray& json, qsizetype start) {
    qsizetype i = start + 1;
    while (json.at(i) != '"') {
        i += json.at(i) == '\\' ? 2 : 1;
    }
    return i;
}

} // namespace

std::optional<QString> duplicateKey(const QByteArray& json) {
    QList<Level> levels;
    QString pending; // the place of the next object or array opened
    const auto open = [&](bool isObject) {
        Level level;
        level.isObject = isObject;
        level.path = pending;
        level.expectKey = isObject;
        level.child = isObject ? QString() : joined(pending, QStringLiteral("#1"));
        levels.append(level);
        pending = level.child;
    };
    const auto nextValue = [&] {
        Level& level = levels.last();
        if (level.isObject) {
            level.expectKey = true;
            return;
        }
        ++level.index;
        level.child = joined(level.path, QStringLiteral("#%1").arg(level.index));
        pending = level.child;
    };
    // A key met: its place, and whether the object had it already.
    const auto key = [&](const QByteArray& token) {
        Level& level = levels.last();
        const QString name = decoded(token);
        level.child = joined(level.path, name);
        pending = level.child;
        const bool twice = level.keys.contains(name);
        level.keys.insert(name);
        return twice;
    };
    for (qsizetype i = 0; i < json.size(); ++i) {
        switch (json.at(i)) {
        case '{':
        case '[':
            open(json.at(i) == '{');
            break;
        case '}':
        case ']':
            levels.removeLast();
            break;
        case ',':
            nextValue();
            break;
        case ':':
            levels.last().expectKey = false;
            break;
        case '"': {
            const qsizetype start = i;
            i = closingQuote(json, start);
            if (levels.last().expectKey && key(json.mid(start, i - start + 1))) {
                return levels.last().child;
            }
            break;
        }
        default:
            break;
        }
    }
    return std::nullopt;
}
