#include "ui/toolwindow.h"

#include "calc/wormdrive.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

ToolWindow::ToolWindow(Workflow& flow, QList<ButtonId> reads, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_flow(flow)
    , m_reads(std::move(reads)) {
    m_stale = new QLabel(this);
    m_stale->setObjectName(QStringLiteral("staleLine"));
    m_stale->setWordWrap(true);
    m_stale->hide();
    connect(&form(), &FormState::textChanged, this, &ToolWindow::followField);
    connect(&m_flow, &Workflow::sectionStateChanged, this, &ToolWindow::showStaleness);
}

void ToolWindow::setFigures(QWidget* figures) {
    m_figures = figures;
    showStaleness();
}

std::optional<QString> ToolWindow::unmakeable() const {
    const QList<Fault> faults = unmakeableJob(form());
    if (faults.isEmpty()) {
        return std::nullopt;
    }
    return jobFaultMessage(faults.constFirst(), form().locale());
}

void ToolWindow::refreshIfShown() {
    if (isVisible()) {
        refresh();
    }
}

void ToolWindow::showEvent(QShowEvent* event) {
    refresh();
    QWidget::showEvent(event);
}

void ToolWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        showStaleness();
        refreshIfShown();
    }
    QWidget::changeEvent(event);
}

void ToolWindow::followField(FieldId field) {
    if (follows(field)) {
        refreshIfShown();
    }
}

// The sheet's own sentence for a section to calculate again, so that the window and the sheet
// say the same.
void ToolWindow::showStaleness() {
    SheetRefusal refusal;
    const FormSnapshot now = m_flow.snapshot();
    for (const ButtonId section : m_reads) {
        const SectionState state = sectionState(section, now, m_flow.completedRuns());
        if (state != SectionState::Current) {
            refusal.sections.append({section, state});
        }
    }
    const bool stale = !refusal.sections.isEmpty();
    m_stale->setText(stale ? refusalMessage(refusal, form().locale()) : QString());
    m_stale->setVisible(stale);
    if (m_figures != nullptr) {
        QPalette palette = m_figures->parentWidget() != nullptr
                               ? m_figures->parentWidget()->palette()
                               : QPalette();
        if (stale) {
            for (const auto role : {QPalette::Text, QPalette::WindowText}) {
                palette.setColor(QPalette::Active, role, palette.color(QPalette::Disabled, role));
                palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Disabled, role));
            }
        }
        m_figures->setPalette(palette);
        m_figures->setProperty("stale", stale);
    }
}

void ToolWindow::showFigureRows(QTableWidget& table, const QList<QStringList>& rows) {
    table.setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        const QStringList& cells = rows.at(row);
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells.at(column));
            item->setTextAlignment(column == 1 ? Qt::AlignRight | Qt::AlignVCenter
                                               : Qt::AlignLeft | Qt::AlignVCenter);
            table.setItem(row, column, item);
        }
    }
    table.resizeColumnsToContents();
    table.horizontalHeader()->setStretchLastSection(true);
}
