#include "ui/geartrainswindow.h"

#include "ui/notes.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

GearTrainsWindow::GearTrainsWindow(Workflow& flow, QWidget* parent)
    : ToolWindow(flow, {}, parent) {
    setObjectName(QStringLiteral("gearTrainsWindow"));
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("countLine"));
    m_count->setWordWrap(true);

    m_table = new QTableWidget(0, 5, this);
    m_table->setObjectName(QStringLiteral("trains"));

    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 8);

    m_use = new QPushButton(this);
    m_use->setObjectName(QStringLiteral("useButton"));
    m_hint = new QLabel(this);
    m_hint->setWordWrap(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_hint, 1);
    buttons->addWidget(m_use);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_count);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);
    setOpeningSize({460, 420});
    retranslate();

    connect(&flow, &Workflow::machineChanged, this, &GearTrainsWindow::refreshIfShown);
    connect(m_table, &QTableWidget::itemSelectionChanged, this,
            &GearTrainsWindow::selectionChanged);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, &GearTrainsWindow::useSelected);
    connect(m_use, &QPushButton::clicked, this, &GearTrainsWindow::useSelected);
}

void GearTrainsWindow::retranslate() {
    m_table->setHorizontalHeaderLabels({QStringLiteral("A"), QStringLiteral("B"),
                                        QStringLiteral("C"), QStringLiteral("D"),
                                        tr("Toplam diş")});
    m_use->setText(tr("&Kullan"));
    m_use->setToolTip(tr("Seçilen basit dizinin A dişlisini GİRİŞ DİŞLİSİ (GD) alanına yazar."));
    m_hint->setText(tr("A, B'yi döndürür; bileşik dizide C, B ile aynı milde D'yi döndürür. "
                       "Kullan yalnız basit dizide geçerlidir: A, GD alanına yazılır."));
}

bool GearTrainsWindow::follows(FieldId field) const {
    return field == FieldId::Z2_t || field == FieldId::z1_t;
}

void GearTrainsWindow::refresh() {
    const QString z2 = form().getText(FieldId::Z2_t);
    const QString z1 = form().getText(FieldId::z1_t);
    setWindowTitle(tr("DİŞLİ DİZİLERİ – Z2 = %1, z1 = %2").arg(z2.trimmed(), z1.trimmed()));
    const auto found = gearTrainsFor(z2, z1, flow().machine(), form().locale());
    m_count->setText(Notes::trainCount(found, z2, z1, form().locale()));
    const auto* search = std::get_if<TrainSearch>(&found);
    m_trains = search != nullptr ? search->trains : QList<GearTrain>{};

    m_table->clearContents();
    m_table->setRowCount(int(m_trains.size()));
    const auto cell = [this](int teeth) {
        auto* item = new QTableWidgetItem(teeth == 0 ? QString() : form().locale().toString(teeth));
        item->setTextAlignment(Qt::AlignCenter);
        return item;
    };
    for (int row = 0; row < m_trains.size(); ++row) {
        const GearTrain& t = m_trains.at(row);
        m_table->setItem(row, 0, cell(t.a));
        m_table->setItem(row, 1, cell(t.b));
        m_table->setItem(row, 2, cell(t.c));
        m_table->setItem(row, 3, cell(t.d));
        m_table->setItem(row, 4, cell(t.teeth()));
    }
    if (!m_trains.isEmpty()) {
        m_table->selectRow(0);
    }
    selectionChanged();
}

const GearTrain* GearTrainsWindow::selectedSimpleTrain() const {
    const int row = m_table->currentRow();
    if (row < 0 || row >= m_trains.size() || !m_table->item(row, 0)->isSelected() ||
        m_trains.at(row).isCompound()) {
        return nullptr;
    }
    return &m_trains.at(row);
}

void GearTrainsWindow::selectionChanged() {
    m_use->setEnabled(selectedSimpleTrain() != nullptr);
}

void GearTrainsWindow::useSelected() {
    if (const GearTrain* train = selectedSimpleTrain()) {
        form().setText(FieldId::GD_t, form().locale().toString(train->a));
    }
}
