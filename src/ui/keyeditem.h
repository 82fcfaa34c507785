#pragma once

// A table cell that sorts by its key, not its text: numbers as numbers, texts as the locale
// orders them. The design's and the catalogue's tables sort by any column through it.

#include <QTableWidgetItem>

class KeyedItem final : public QTableWidgetItem {
public:
    static constexpr int keyRole = Qt::UserRole;

    KeyedItem(const QString& text, const QVariant& key)
        : QTableWidgetItem(text) {
        setData(keyRole, key);
    }

    bool operator<(const QTableWidgetItem& other) const override {
        const QVariant a = data(keyRole);
        const QVariant b = other.data(keyRole);
        if (a.typeId() == QMetaType::QString || b.typeId() == QMetaType::QString) {
            return QString::localeAwareCompare(a.toString(), b.toString()) < 0;
        }
        return a.toDouble() < b.toDouble();
    }
};
