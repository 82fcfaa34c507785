#include "ui/frozencolumns.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

FrozenColumns::FrozenColumns(QTableView& table, int columns)
    : QObject(&table)
    , m_table(table)
    , m_view(new QTableView(&table))
    , m_columns(columns) {
    m_view->setObjectName(table.objectName() + QStringLiteral("Frozen"));
    m_view->setModel(table.model());
    m_view->setSelectionModel(table.selectionModel());
    m_view->setSelectionBehavior(table.selectionBehavior());
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setFocusPolicy(Qt::NoFocus);
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setDefaultSectionSize(table.verticalHeader()->defaultSectionSize());
    m_view->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->horizontalHeader()->setSectionsClickable(true);
    m_view->horizontalHeader()->setSortIndicatorShown(true);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->setVerticalScrollMode(table.verticalScrollMode());
    table.viewport()->stackUnder(m_view);

    connect(m_view->verticalScrollBar(), &QScrollBar::valueChanged, table.verticalScrollBar(),
            &QScrollBar::setValue);
    connect(table.verticalScrollBar(), &QScrollBar::valueChanged, m_view->verticalScrollBar(),
            &QScrollBar::setValue);
    connect(table.horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int /*old*/, int width) {
                if (column < m_columns) {
                    m_view->setColumnWidth(column, width);
                    place();
                }
            });
    connect(table.verticalHeader(), &QHeaderView::sectionResized, this,
            [this](int row, int /*old*/, int height) { m_view->setRowHeight(row, height); });
    connect(m_view->horizontalHeader(), &QHeaderView::sectionClicked, this, &FrozenColumns::sortBy);
    connect(table.horizontalHeader(), &QHeaderView::sortIndicatorChanged,
            m_view->horizontalHeader(), &QHeaderView::setSortIndicator);
    m_view->horizontalHeader()->setSortIndicator(table.horizontalHeader()->sortIndicatorSection(),
                                                 table.horizontalHeader()->sortIndicatorOrder());
    // The viewport is sized after the table itself, so its resize is the one to follow.
    table.viewport()->installEventFilter(this);
    follow();
}

void FrozenColumns::follow() {
    for (int c = 0; c < m_table.model()->columnCount(); ++c) {
        m_view->setColumnHidden(c, c >= m_columns);
        if (c < m_columns) {
            m_view->setColumnWidth(c, m_table.columnWidth(c));
        }
    }
    place();
}

bool FrozenColumns::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_table.viewport() &&
        (event->type() == QEvent::Resize || event->type() == QEvent::Show)) {
        place();
    }
    return QObject::eventFilter(watched, event);
}

void FrozenColumns::place() {
    int width = 0;
    for (int c = 0; c < m_columns && c < m_table.model()->columnCount(); ++c) {
        width += m_table.columnWidth(c);
    }
    const int frame = m_table.frameWidth();
    m_view->setGeometry(m_table.verticalHeader()->width() + frame, frame, width,
                        m_table.viewport()->height() + m_table.horizontalHeader()->height());
    m_view->setVisible(width > 0);
}

// A click on a frozen heading sorts as one on the table's own would: the same column again
// turns the order round.
void FrozenColumns::sortBy(int column) {
    QHeaderView* header = m_table.horizontalHeader();
    const bool again = header->sortIndicatorSection() == column;
    const Qt::SortOrder order = again && header->sortIndicatorOrder() == Qt::AscendingOrder
                                    ? Qt::DescendingOrder
                                    : Qt::AscendingOrder;
    header->setSortIndicator(column, order);
}
