#include "ui/toolwindow.h"

#include "calc/wormdrive.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QTableWidget>

ToolWindow::ToolWindow(Workflow& flow, QList<ButtonId> reads, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_flow(flow)
    , m_reads(std::move(reads)) {
    m_staleLine = new QLabel(this);
    m_staleLine->setObjectName(QStringLiteral("staleLine"));
    m_staleLine->setWordWrap(true);
    m_staleLine->hide();
    connect(&form(), &FormState::textChanged, this, &ToolWindow::followField);
    connect(&m_flow, &Workflow::sectionStateChanged, this, &ToolWindow::showStaleness);
}

void ToolWindow::setFigures(QWidget* figures) {
    m_figures = figures;
    showStaleness();
}

const FormState& ToolWindow::shown() const {
    return m_run ? *m_run : form();
}

void ToolWindow::nameDrive(const QString& name, bool withStarts) {
    const FormState& f = shown();
    const QString m = f.getText(FieldId::m_t).trimmed();
    const QString z2 = f.getText(FieldId::Z2_t).trimmed();
    const QString z1 = f.getText(FieldId::z1_t).trimmed();
    if (m.isEmpty() || z2.isEmpty()) {
        setWindowTitle(name);
    } else if (withStarts) {
        setWindowTitle(tr("%1 — m = %2, Z2 = %3, z1 = %4").arg(name, m, z2, z1));
    } else {
        setWindowTitle(tr("%1 — m = %2, z1 = %3").arg(name, m, z1));
    }
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
    if (!m_placed) {
        m_placed = true;
        fitScreen();
    }
}

void ToolWindow::fitScreen() {
    const QScreen* shownOn = screen();
    if (shownOn == nullptr) {
        return;
    }
    const QRect available = shownOn->availableGeometry();
    // The frame as the window system draws it, once known; a title bar's worth before.
    QSize frame = frameGeometry().size() - geometry().size();
    if (frame.isEmpty()) {
        const int edge = style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        frame = QSize(2 * edge, style()->pixelMetric(QStyle::PM_TitleBarHeight) + 2 * edge);
    }
    const QSize wanted = m_opening.isValid() ? m_opening : size();
    resize(wanted.boundedTo(available.size() - frame).expandedTo(minimumSizeHint()));
    QRect placed = frameGeometry();
    placed.moveRight(std::min(placed.right(), available.right()));
    placed.moveBottom(std::min(placed.bottom(), available.bottom()));
    placed.moveLeft(std::max(placed.left(), available.left()));
    placed.moveTop(std::max(placed.top(), available.top()));
    move(placed.topLeft());
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
    // The first stale section's last run stands for every field until the run is current.
    m_run.reset();
    for (const RefusedSection& r : refusal.sections) {
        const auto& run = m_flow.completedRuns().at(indexOf(r.button));
        if (isStale(r.state) && run) {
            m_run = std::make_unique<FormState>(form().locale(), m_quiet);
            for (const FieldId field : allFields) {
                m_run->setText(field, run->texts.at(indexOf(field)));
            }
            break;
        }
    }
    m_staleLine->setText(stale ? refusalMessage(refusal, form().locale()) : QString());
    m_staleLine->setVisible(stale);
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
    // A run completed or a section went stale: the figures now come from elsewhere.
    if (stale || m_stale) {
        m_stale = stale;
        refreshIfShown();
    }
}

bool ToolWindow::beginFigures(const QString& name, QTableWidget& table, QLabel& warnings,
                              QLabel& message) {
    nameDrive(name);
    table.setRowCount(0);
    warnings.clear();
    if (const auto job = unmakeable()) {
        message.setText(*job);
        return false;
    }
    return true;
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
