#pragma once

// A table's first columns held in view while the rest scroll sideways: a second view over the
// same model and selection, laid over the table's left edge and showing only those columns, its
// rows scrolled with the table's and its headings sorting the table as the table's own do.

#include <QObject>

class QTableView;

class FrozenColumns final : public QObject {
    Q_OBJECT

public:
    // Made a child of `table`, on which it lies.
    FrozenColumns(QTableView& table, int columns);

    QTableView* view() const { return m_view; }
    // After the table's columns were made or sized anew.
    void follow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();
    void sortBy(int column);

    QTableView& m_table;
    QTableView* m_view = nullptr;
    int m_columns = 0;
};
