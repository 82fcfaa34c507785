#include "ui/cataloguewindow.h"

#include "calc/jobsheet.h"
#include "model/fieldvalues.h"
#include "store/machinestore.h"
#include "ui/cataloguebatch.h"
#include "ui/keyeditem.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The cell's index in the catalogue, kept on its first cell, so that a sorted table finds it.
constexpr int cellRole = KeyedItem::keyRole + 1;
constexpr int fixedColumns = 3; // a, i, the drive
constexpr int speedColumns = 7; // n2, η, T2, P1, P1,th, allowed, governs

} // namespace

CatalogueWindow::CatalogueWindow(Workflow& flow, const MachineStore& store, QSettings& settings,
                                 QWidget* parent)
    : ToolWindow(flow, {}, parent)
    , m_store(store)
    , m_settings(settings) {
    setObjectName(QStringLiteral("catalogueWindow"));
    const QLocale& locale = form().locale();
    const CatalogueAsk kept = savedCatalogueAsk(settings);
    const auto edit = [this](const char* name, const QString& text) {
        auto* e = new QLineEdit(text, this);
        e->setObjectName(QLatin1String(name));
        return e;
    };
    const auto n = [&locale](double x) { return FieldValues::writeNumber(x, locale); };
    m_housings = edit("housings", FieldValues::writeNumbers(kept.housings, locale));
    m_ratios = edit("ratios", FieldValues::writeNumbers(kept.ratios, locale));
    m_speeds = edit("speeds", FieldValues::writeNumbers(kept.speeds, locale));
    m_worms = new QComboBox(this);
    m_worms->setObjectName(QStringLiteral("catalogueWorms"));
    m_worms->addItems({QString(), QString(), QString()});
    m_worms->setCurrentIndex(int(kept.design.worms));
    m_tolerance = edit("catalogueTolerance", n(kept.design.tolerance));
    m_casting = new QComboBox(this);
    m_casting->setObjectName(QStringLiteral("catalogueCasting"));
    m_casting->addItems({QString(), QString(), QString()});
    m_casting->setCurrentIndex(int(kept.casting));
    m_serviceFactor = edit("catalogueServiceFactor", n(kept.serviceFactor));
    m_ambient = edit("catalogueAmbient", n(kept.ambient));
    m_fan = new QCheckBox(this);
    m_fan->setObjectName(QStringLiteral("catalogueFan"));
    m_fan->setChecked(kept.fan);
    m_sumpLimit = edit("catalogueSumpLimit", n(kept.sumpLimit));

    m_inputs = new QFormLayout;
    for (QWidget* input :
         std::initializer_list<QWidget*>{m_housings, m_ratios, m_speeds, m_worms, m_tolerance,
                                         m_casting, m_serviceFactor, m_ambient, m_sumpLimit}) {
        m_inputs->addRow(new QLabel(this), input);
    }
    m_inputs->addRow(m_fan);
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("catalogueMessage"));
    m_message->setWordWrap(true);
    m_table = new QTableWidget(0, fixedColumns, this);
    m_table->setObjectName(QStringLiteral("catalogue"));
    makeSortableRows(*m_table);
    m_print = new QPushButton(this);
    m_print->setObjectName(QStringLiteral("cataloguePrint"));
    m_preview = new QPushButton(this);
    m_preview->setObjectName(QStringLiteral("cataloguePreview"));
    m_pdf = new QPushButton(this);
    m_pdf->setObjectName(QStringLiteral("cataloguePdf"));
    m_copy = new QPushButton(this);
    m_copy->setObjectName(QStringLiteral("catalogueCopy"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_copy);
    buttons->addStretch();
    buttons->addWidget(m_preview);
    buttons->addWidget(m_print);
    buttons->addWidget(m_pdf);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(m_inputs);
    layout->addWidget(m_message);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);
    setOpeningSize({1200, 760});
    retranslate();

    for (QLineEdit* e :
         {m_housings, m_ratios, m_speeds, m_tolerance, m_serviceFactor, m_ambient, m_sumpLimit}) {
        connect(e, &QLineEdit::textChanged, this, &CatalogueWindow::refreshIfShown);
    }
    for (QComboBox* box : {m_worms, m_casting}) {
        connect(box, &QComboBox::currentIndexChanged, this, &CatalogueWindow::refreshIfShown);
    }
    connect(m_fan, &QCheckBox::toggled, this, &CatalogueWindow::refreshIfShown);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, &CatalogueWindow::openChosen);
    connect(m_print, &QPushButton::clicked, this, [this] { ask(&CatalogueWindow::printAsked); });
    connect(m_preview, &QPushButton::clicked, this,
            [this] { ask(&CatalogueWindow::previewAsked); });
    connect(m_pdf, &QPushButton::clicked, this, [this] { ask(&CatalogueWindow::pdfAsked); });
    connect(m_copy, &QPushButton::clicked, this, &CatalogueWindow::copyTable);
}

void CatalogueWindow::retranslate() {
    setWindowTitle(tr("Katalog"));
    const QStringList labels = {
        tr("GÖVDELER (a, mm; noktalı virgülle)"),
        tr("ORANLAR (i)"),
        tr("GİRİŞ DEVİRLERİ (d/dk; ilki tahriki seçer)"),
        tr("VİDA"),
        tr("ORAN TOLERANSI (%)"),
        tr("DÖKÜM"),
        tr("İŞLETME KATSAYISI"),
        tr("ORTAM (°C)"),
        tr("YAĞ SINIRI (°C; atölyenin ayarı)"),
    };
    for (int i = 0; i < labels.size(); ++i) {
        auto* label = qobject_cast<QLabel*>(m_inputs->itemAt(i, QFormLayout::LabelRole)->widget());
        label->setText(labels.at(i));
        label->setBuddy(m_inputs->itemAt(i, QFormLayout::FieldRole)->widget());
    }
    for (const WormChoice worms :
         {WormChoice::ShopHobs, WormChoice::StandardWorms, WormChoice::NewDiameter}) {
        m_worms->setItemText(int(worms), wormChoiceName(worms));
    }
    for (const Casting casting :
         {Casting::SandCast, Casting::StaticChillCast, Casting::CentrifugallyCast}) {
        m_casting->setItemText(int(casting), castingName(casting));
    }
    m_fan->setText(tr("Vida milinde fan"));
    m_print->setText(tr("Yazdır…"));
    m_preview->setText(tr("Önizleme…"));
    m_pdf->setText(tr("PDF Olarak Kaydet…"));
    m_copy->setText(tr("Kopyala"));
    if (m_ask) {
        showCatalogue();
    }
}

std::variant<CatalogueAsk, QString> CatalogueWindow::takeAsk() const {
    const QLocale& locale = form().locale();
    CatalogueAsk ask;
    for (const auto& [input, into, caption] :
         {std::tuple{m_housings, &ask.housings, tr("GÖVDELER")},
          std::tuple{m_ratios, &ask.ratios, tr("ORANLAR")},
          std::tuple{m_speeds, &ask.speeds, tr("GİRİŞ DEVİRLERİ")}}) {
        const auto values = readNumberList(input->text(), locale);
        if (!values) {
            return tr("«%1» noktalı virgülle ayrılmış sayılar olmalı.").arg(caption);
        }
        *into = *values;
    }
    for (const auto& [input, into, caption] :
         {std::tuple{m_tolerance, &ask.design.tolerance, tr("ORAN TOLERANSI")},
          std::tuple{m_serviceFactor, &ask.serviceFactor, tr("İŞLETME KATSAYISI")},
          std::tuple{m_ambient, &ask.ambient, tr("ORTAM")},
          std::tuple{m_sumpLimit, &ask.sumpLimit, tr("YAĞ SINIRI")}}) {
        const auto value = FieldValues::readNumber(input->text().trimmed(), locale);
        if (!value) {
            return tr("«%1» bir sayı olmalı.").arg(caption);
        }
        *into = *value;
    }
    ask.design.worms = WormChoice(m_worms->currentIndex());
    ask.design.profileAngle = flow().gauge().profileAngle;
    ask.casting = Casting(m_casting->currentIndex());
    ask.fan = m_fan->isChecked();
    if (firstInvalid(ask)) {
        return tr("Bir seçim aralığının dışında: gövdeler ve oranlar sıfırdan büyük, devirler "
                  "sıfırdan büyük, işletme katsayısı en az 1, yağ sınırı ortamın üstünde olmalı.");
    }
    return ask;
}

void CatalogueWindow::refresh() {
    auto ask = takeAsk();
    if (const auto* refused = std::get_if<QString>(&ask)) {
        m_ask.reset();
        m_catalogue = {};
        m_message->setText(*refused);
        m_table->setRowCount(0);
        return;
    }
    m_ask = std::get<CatalogueAsk>(ask);
    keepCatalogueAsk(m_settings, *m_ask);
    m_catalogue = makeCatalogue(*m_ask, m_store.book().hobs);
    showCatalogue();
}

void CatalogueWindow::showCatalogue() {
    const CatalogueTable table = catalogueTable(m_catalogue, *m_ask, form().locale());
    QStringList headings = table.headings.mid(0, fixedColumns);
    for (const double n1 : m_ask->speeds) {
        const QString speed = FieldValues::writeNumber(n1, form().locale());
        for (const QString& heading : table.headings.mid(fixedColumns)) {
            headings.append(tr("%1 @ %2").arg(heading, speed));
        }
    }
    m_table->setRowCount(0);
    m_table->setColumnCount(int(headings.size()));
    m_table->setHorizontalHeaderLabels(headings);
    m_table->setRowCount(int(m_catalogue.cells.size()));
    for (int r = 0; r < m_catalogue.cells.size(); ++r) {
        fillRow(r, m_catalogue.cells.at(r), r);
    }
    keepChosenSort(*m_table);
    m_table->resizeColumnsToContents();
    m_message->setText(table.head.mid(table.head.size() - 2).join(QLatin1Char(' ')));
}

void CatalogueWindow::fillRow(int row, const CatalogueCell& cell, int index) {
    const QLocale& locale = form().locale();
    const auto put = [this, row](int column, const QString& text, const QVariant& key) {
        auto* item = new KeyedItem(text, key);
        item->setTextAlignment(column == 2 ? Qt::AlignLeft | Qt::AlignVCenter
                                           : Qt::AlignRight | Qt::AlignVCenter);
        m_table->setItem(row, column, item);
        return item;
    };
    put(0, FieldValues::writeNumber(cell.centreDistance, locale), cell.centreDistance)
        ->setData(cellRole, index);
    put(1, FieldValues::writeNumber(cell.ratio, locale), cell.ratio);
    if (!cell.drive) {
        put(2, QStringLiteral("—"), QString())->setToolTip(noDriveText(cell, locale));
        return;
    }
    put(2, driveText(*cell.drive, locale), cell.drive->module);
    for (int s = 0; s < cell.speeds.size(); ++s) {
        const CatalogueSpeed& c = cell.speeds.at(s);
        const int at = fixedColumns + s * speedColumns;
        const auto number = [&locale](double x, int decimals) {
            return sheetNumber(x, locale, decimals);
        };
        put(at, number(c.n2, 1), c.n2);
        put(at + 1, number(c.efficiency, 1), c.efficiency);
        put(at + 2, number(c.ratedTorque, 0), c.ratedTorque);
        put(at + 3, number(c.inputPower, 2), c.inputPower);
        put(at + 4, number(c.thermalPower, 2), c.thermalPower);
        put(at + 5, number(c.allowedPower, 2), c.allowedPower);
        put(at + 6, governsText(c.governs), governsText(c.governs));
    }
}

void CatalogueWindow::openChosen(int row) {
    const QTableWidgetItem* first = m_table->item(row, 0);
    if (first == nullptr || !m_ask) {
        return;
    }
    const CatalogueCell& cell = m_catalogue.cells.at(first->data(cellRole).toInt());
    if (!cell.drive) {
        return;
    }
    DesignAsk asked = m_ask->design;
    asked.centreDistance = cell.centreDistance;
    asked.ratio = cell.ratio;
    asked.n1 = m_ask->speeds.constFirst();
    flow().useDesign(*cell.drive, asked, rowHobAngle(*cell.drive, m_store.book().hobs));
}

void CatalogueWindow::ask(void (CatalogueWindow::*signal)(const CatalogueTable&)) {
    if (m_ask) {
        emit(this->*signal)(catalogueTable(m_catalogue, *m_ask, form().locale()));
    }
}

void CatalogueWindow::copyTable() {
    if (m_ask) {
        QGuiApplication::clipboard()->setText(
            catalogueTsv(catalogueTable(m_catalogue, *m_ask, form().locale())));
    }
}
