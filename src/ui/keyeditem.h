#pragma once

// A table cell that sorts by its key, not its text: numbers as numbers, texts as the locale
// orders them. The design's and the catalogue's tables sort by any column through it, and are
// made and refilled alike by the two functions below.

#include <QHeaderView>
#include <QTableWidget>
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

// A table of whole rows, one chosen at a time, not edited; unsorted, its rows stand in their
// own order, and a heading's click sorts by that column.
inline void makeSortableRows(QTableWidget& table) {
    table.verticalHeader()->hide();
    table.setEditTriggers(QAbstractItemView::NoEditTriggers);
    table.setSelectionBehavior(QAbstractItemView::SelectRows);
    table.setSelectionMode(QAbstractItemView::SingleSelection);
    table.verticalHeader()->setDefaultSectionSize(table.fontMetrics().height() + 8);
    table.horizontalHeader()->setSectionsClickable(true);
    table.horizontalHeader()->setSortIndicatorShown(true);
    table.horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    QObject::connect(table.horizontalHeader(), &QHeaderView::sortIndicatorChanged, &table,
                     &QTableWidget::sortItems);
}

// After the rows are filled anew: sorted again by the column the user chose, if any.
inline void keepChosenSort(QTableWidget& table) {
    if (const int column = table.horizontalHeader()->sortIndicatorSection(); column >= 0) {
        table.sortItems(column, table.horizontalHeader()->sortIndicatorOrder());
    }
}
