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

} // namespace

std::optional<QString> duplicateKey(const QByteArray& json) {
    QList<Level> levels;
    QString pending; // the place of the next object or array opened
    for (qsizetype i = 0; i < json.size(); ++i) {
        const char c = json.at(i);
        switch (c) {
        case '{':
        case '[': {
            Level level;
            level.isObject = c == '{';
            level.path = pending;
            level.expectKey = level.isObject;
            level.child = level.isObject ? QString() : joined(pending, QStringLiteral("#1"));
            levels.append(level);
            pending = level.child;
            break;
        }
        case '}':
        case ']':
            levels.removeLast();
            break;
        case ',':
            if (!levels.isEmpty()) {
                Level& level = levels.last();
                if (level.isObject) {
                    level.expectKey = true;
                } else {
                    ++level.index;
                    level.child = joined(level.path, QStringLiteral("#%1").arg(level.index));
                    pending = level.child;
                }
            }
            break;
        case ':':
            levels.last().expectKey = false;
            break;
        case '"': {
            const qsizetype start = i;
            for (++i; json.at(i) != '"'; ++i) {
                if (json.at(i) == '\\') {
                    ++i;
                }
            }
            if (!levels.isEmpty() && levels.last().expectKey) {
                Level& level = levels.last();
                const QString key = decoded(json.mid(start, i - start + 1));
                level.child = joined(level.path, key);
                if (level.keys.contains(key)) {
                    return level.child;
                }
                level.keys.insert(key);
                pending = level.child;
            }
            break;
        }
        default:
            break;
        }
    }
    return std::nullopt;
}
