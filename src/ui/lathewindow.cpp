#include "ui/lathewindow.h"

#include "calc/wormdrive.h"
#include "calc/wormstarts.h"
#include "model/fieldvalues.h"
#include "store/machinestore.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include <numbers>

LatheWindow::LatheWindow(Workflow& flow, MachineStore& store, QWidget* parent)
    : ToolWindow(flow, {ButtonId::HESAPLA}, parent)
    , m_store(store) {
    setObjectName(QStringLiteral("latheWindow"));
    m_lathe = new QComboBox(this);
    m_lathe->setObjectName(QStringLiteral("latheChoice"));
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("latheMessage"));
    m_message->setWordWrap(true);
    m_table = new QTableWidget(0, 0, this);
    m_table->setObjectName(QStringLiteral("leads"));
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 8);
    m_indexing = new QLabel(this);
    m_indexing->setObjectName(QStringLiteral("indexLine"));
    m_indexing->setWordWrap(true);

    auto* choice = new QHBoxLayout;
    m_latheLabel = new QLabel(this);
    m_latheLabel->setObjectName(QStringLiteral("latheLabel"));
    m_latheLabel->setBuddy(m_lathe);
    choice->addWidget(m_latheLabel);
    choice->addWidget(m_lathe, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addWidget(staleLine());
    layout->addWidget(m_message);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_indexing);
    setOpeningSize({640, 520});
    setFigures(m_table);
    retranslate();

    connect(m_lathe, &QComboBox::activated, this, &LatheWindow::chooseLathe);
    connect(m_table, &QTableWidget::itemSelectionChanged, this, &LatheWindow::showIndexing);
    followLathes();
}

void LatheWindow::retranslate() {
    m_latheLabel->setText(tr("Torna:"));
    followLathes();
}

bool LatheWindow::follows(FieldId field) const {
    return field == FieldId::z1_t || field == FieldId::L_t ||
           std::find(unmakeableJobFields.begin(), unmakeableJobFields.end(), field) !=
               unmakeableJobFields.end();
}

void LatheWindow::followLathes() {
    m_lathe->clear();
    QList<Lathe> lathes = {builtInLathe()};
    lathes += m_store.lathes();
    for (const Lathe& l : lathes) {
        m_lathe->addItem(displayName(l), l.name);
        if (l == m_store.latheInUse()) {
            m_lathe->setCurrentIndex(m_lathe->count() - 1);
        }
    }
    if (!m_finder || !(m_finder->lathe() == m_store.latheInUse())) {
        m_finder.reset();
    }
    refreshIfShown();
}

void LatheWindow::chooseLathe(int index) {
    m_store.chooseLathe(m_lathe->itemData(index).toString());
    followLathes();
}

void LatheWindow::refresh() {
    const QLocale& locale = form().locale();
    nameDrive(tr("VİDA TORNALAMA"), false);
    const auto worm = latheWorm(shown());
    m_rows.clear();
    if (shown().isEmpty(FieldId::m_t)) {
        m_message->setText(
            QCoreApplication::translate("Calculation", "Modül için 1.5,3, 4.5 veya 6 girin "));
    } else if (const auto* fault = std::get_if<Fault>(&worm)) {
        m_message->setText(faultMessage(*fault, locale));
    } else if (const auto job = unmakeable()) {
        m_message->setText(*job);
    } else {
        const auto& w = std::get<LatheWorm>(worm);
        m_module = w.module;
        m_starts = w.starts;
        if (!m_finder) {
            m_finder.emplace(m_store.latheInUse());
        }
        const std::optional<double> length =
            FieldValues::readNumber(shown().getText(FieldId::L_t), locale);
        const double wanted = w.lead;
        m_rows = m_finder->nearest(wanted, length && *length > 0 ? length : std::nullopt);
        const LeadScrew& screw = m_finder->lathe().screw;
        m_message->setText(
            screw.unit == LeadScrew::Unit::Millimetre
                ? tr("Gereken adım pz = z1 × π × m = %1 mm; vidalı mil %2 mm.")
                      .arg(locale.toString(wanted, 'f', 5),
                           FieldValues::writeNumber(screw.value, locale))
                : tr("Gereken adım pz = z1 × π × m = %1 mm; vidalı mil inçte %2 diş.")
                      .arg(locale.toString(wanted, 'f', 5),
                           FieldValues::writeNumber(screw.value, locale)));
        // No row is offered as the way to cut a worm the lathe does not reach.
        if (const auto miss = leadOutOfReach(m_rows, wanted)) {
            m_message->setText(leadOutOfReachText(m_rows, wanted, *miss, locale));
            m_rows.clear();
        }
    }

    const bool gearbox = m_finder && !m_finder->lathe().gearbox.isEmpty();
    QStringList headers;
    if (gearbox) {
        headers << tr("Kutu");
    }
    headers << tr("Dizi") << tr("Diğer diziler") << tr("Adım (mm)") << tr("µm / 100 mm")
            << tr("µm / L") << tr("Bölme");
    const QSignalBlocker quiet(m_table); // the chosen lead is restored below, not reset
    m_table->clear();
    m_table->setColumnCount(int(headers.size()));
    m_table->setHorizontalHeaderLabels(headers);
    m_table->setRowCount(int(m_rows.size()));
    const auto cell = [](const QString& text) {
        auto* item = new QTableWidgetItem(text);
        item->setTextAlignment(Qt::AlignCenter);
        return item;
    };
    for (int row = 0; row < m_rows.size(); ++row) {
        const LeadRow& r = m_rows.at(row);
        int column = 0;
        if (gearbox) {
            m_table->setItem(row, column++,
                             cell(positionNames(m_finder->lathe(), r.positions, locale)));
        }
        m_table->setItem(row, column++, cell(r.train.text(locale)));
        m_table->setItem(row, column++, cell(locale.toString(r.others)));
        m_table->setItem(row, column++, cell(locale.toString(r.lead, 'f', 5)));
        m_table->setItem(row, column++, cell(signedFigure(r.micronsPer100mm, locale)));
        m_table->setItem(row, column++,
                         cell(r.micronsOverLength ? signedFigure(*r.micronsOverLength, locale)
                                                  : QStringLiteral("—")));
        m_table->setItem(row, column++,
                         cell(r.indexable(m_starts) ? QStringLiteral("✓") : QString()));
    }
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);
    if (!m_rows.isEmpty()) {
        m_table->selectRow(int(chosenRow(m_rows, flow().chosenLead())));
    }
    showIndexing();
}

// How to cut the next start of a worm of several: by the top slide, or, when A allows it, by
// turning the spindle with A out of mesh. The row chosen is the job's.
void LatheWindow::showIndexing() {
    const int row = m_table->currentRow();
    if (row >= 0 && row < m_rows.size() && !m_table->signalsBlocked()) {
        flow().chooseLead(m_rows.at(row).lead);
    }
    if (m_starts < 2 || row < 0 || row >= m_rows.size()) {
        m_indexing->clear();
        return;
    }
    const QLocale& locale = form().locale();
    const LeadRow& r = m_rows.at(row);
    QString text = tr("Ağızları bölmek için üst kızağı tezgâha paralel ayarlayıp bir eksenel adım "
                      "ilerletin: π × m = %1 mm.")
                       .arg(locale.toString(std::numbers::pi * m_module, 'f', 3));
    if (r.indexable(m_starts)) {
        text += QLatin1Char(' ') +
                tr("Ya da A'yı kavramadan çıkarıp mili, A %1 ÷ %2 = %3 diş dönene dek çevirin "
                   "(A'nın mille bire bir döndüğü varsayılır).")
                    .arg(locale.toString(r.train.a), locale.toString(m_starts),
                         locale.toString(r.train.a / m_starts));
    }
    m_indexing->setText(text);
}
