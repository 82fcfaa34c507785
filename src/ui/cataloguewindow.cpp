#include "ui/cataloguewindow.h"

#include "app/cataloguebatch.h"
#include "app/keptchoices.h"
#include "calc/jobsheet.h"
#include "calc/selection.h"
#include "model/fieldvalues.h"
#include "store/machinestore.h"
#include "ui/frozencolumns.h"
#include "ui/keyeditem.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The cell's index in the catalogue, kept on its first cell, so that a sorted table finds it.
constexpr int cellRole = KeyedItem::keyRole + 1;
// a, i, the real ratio, the drive: the sheet's columns up to its drive's.
constexpr int driveColumn = CatalogueTable::driveColumn;
constexpr int fixedColumns = driveColumn + 1;
constexpr int speedColumns = 7; // n2, η, T2, P1, P1,th, mechanical T2, governs
// The choices stand in pairs of columns, so that they leave the table most of a small screen.
constexpr int choiceColumns = 3;

} // namespace

CatalogueWindow::CatalogueWindow(Workflow& flow, const MachineStore& store, QSettings& settings,
                                 QWidget* parent)
    : ToolWindow(flow, {}, parent)
    , m_store(store)
    , m_settings(settings) {
    setObjectName(QStringLiteral("catalogueWindow"));
    const QLocale& locale = form().locale();
    const CatalogueAsk kept = KeptChoices::catalogueAsk(settings, !store.book().hobs.isEmpty());
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
    // The standard's long name would set the width of every column of choices.
    m_worms->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_worms->setMinimumContentsLength(16);
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
    m_profileAngle = edit("catalogueProfileAngle", n(kept.design.profileAngle));
    const SelectionAsk selection = KeptChoices::selectionAsk(settings);
    m_motors =
        edit("catalogueMotors", FieldValues::writeNumbers(motorPowers(selection.motors), locale));
    m_leastFactor = edit("catalogueLeastFactor", n(selection.leastFactor));
    m_poles = new QComboBox(this);
    m_poles->setObjectName(QStringLiteral("cataloguePoles"));
    for (const int poles : motorPoles) {
        m_poles->addItem(QString(), poles);
    }
    m_poles->setCurrentIndex(m_poles->findData(selection.motors.constFirst().poles));
    m_layout = new QComboBox(this);
    m_layout->setObjectName(QStringLiteral("catalogueLayout"));
    m_layout->addItems({QString(), QString(), QString()});
    // Their longest items would widen a column of choices beyond a small screen.
    for (const auto& [box, length] : {std::pair{m_poles, 8}, std::pair{m_layout, 18}}) {
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(length);
    }

    m_inputs = new QGridLayout;
    const std::initializer_list<QWidget*> inputs = {
        m_housings, m_ratios,       m_speeds,        m_worms,   m_tolerance,
        m_casting,  m_profileAngle, m_serviceFactor, m_ambient, m_sumpLimit,
        m_motors,   m_poles,        m_leastFactor};
    int at = 0;
    for (QWidget* input : inputs) {
        auto* label = new QLabel(this);
        label->setBuddy(input);
        m_labels.append(label);
        m_inputs->addWidget(label, at / choiceColumns, 2 * (at % choiceColumns));
        m_inputs->addWidget(input, at / choiceColumns, 2 * (at % choiceColumns) + 1);
        ++at;
    }
    m_inputs->addWidget(m_fan, at / choiceColumns, 2 * (at % choiceColumns), 1, 2);
    for (int c = 0; c < choiceColumns; ++c) {
        m_inputs->setColumnStretch(2 * c + 1, 1);
    }
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("catalogueMessage"));
    m_message->setWordWrap(true);
    m_table = new QTableWidget(0, fixedColumns, this);
    m_table->setObjectName(QStringLiteral("catalogue"));
    makeSortableRows(*m_table);
    // The housing, ratio and drive stay in view while the speeds scroll past them.
    m_frozen = new FrozenColumns(*m_table, fixedColumns);
    m_print = new QPushButton(this);
    m_print->setObjectName(QStringLiteral("cataloguePrint"));
    m_preview = new QPushButton(this);
    m_preview->setObjectName(QStringLiteral("cataloguePreview"));
    m_pdf = new QPushButton(this);
    m_pdf->setObjectName(QStringLiteral("cataloguePdf"));
    m_copy = new QPushButton(this);
    m_copy->setObjectName(QStringLiteral("catalogueCopy"));
    // The rule the drives were chosen by shares its line with the buttons, leaving the rows
    // the height.
    // The layout is chosen beside what is done with it: copied, previewed, printed, saved.
    m_layoutLabel = new QLabel(this);
    m_layoutLabel->setBuddy(m_layout);
    auto* foot = new QHBoxLayout;
    foot->addWidget(m_layoutLabel);
    foot->addWidget(m_layout);
    foot->addWidget(m_copy);
    foot->addWidget(m_message, 1);
    foot->addWidget(m_preview);
    foot->addWidget(m_print);
    foot->addWidget(m_pdf);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(m_inputs);
    layout->addWidget(m_table, 1);
    layout->addLayout(foot);
    setOpeningSize({1200, 760});
    retranslate();

    for (QLineEdit* e : {m_housings, m_ratios, m_speeds, m_tolerance, m_profileAngle,
                         m_serviceFactor, m_ambient, m_sumpLimit, m_motors, m_leastFactor}) {
        connect(e, &QLineEdit::textChanged, this, &CatalogueWindow::refreshIfShown);
    }
    for (QComboBox* box : {m_worms, m_casting, m_poles, m_layout}) {
        connect(box, &QComboBox::currentIndexChanged, this, &CatalogueWindow::refreshIfShown);
    }
    connect(m_fan, &QCheckBox::toggled, this, &CatalogueWindow::refreshIfShown);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, &CatalogueWindow::openChosen);
    connect(m_frozen->view(), &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { openChosen(index.row()); });
    connect(m_print, &QPushButton::clicked, this, [this] { ask(&CatalogueWindow::printAsked); });
    connect(m_preview, &QPushButton::clicked, this,
            [this] { ask(&CatalogueWindow::previewAsked); });
    connect(m_pdf, &QPushButton::clicked, this, [this] { ask(&CatalogueWindow::pdfAsked); });
    connect(m_copy, &QPushButton::clicked, this, &CatalogueWindow::copyTable);
}

void CatalogueWindow::retranslate() {
    setWindowTitle(tr("Katalog"));
    // Short captions keep the choices to a few lines; what they take is said in the tooltips.
    const QStringList labels = {
        tr("GÖVDELER (a, mm)"),
        tr("ORANLAR (i)"),
        tr("DEVİRLER (N1, d/dk)"),
        tr("VİDA"),
        tr("TOLERANS (%)"),
        tr("DÖKÜM"),
        tr("PROFİL AÇISI (α, °)"),
        tr("İŞLETME KATSAYISI"),
        tr("ORTAM (°C)"),
        tr("YAĞ SINIRI (°C)"),
        tr("MOTORLAR (kW)"),
        tr("KUTUP"),
        tr("EN AZ fs"),
    };
    const QStringList tips = {
        tr("Gövdelerin eksen mesafeleri, mm, noktalı virgülle ayrılmış."),
        tr("Anma oranları, noktalı virgülle ayrılmış."),
        tr("Giriş devirleri, d/dk, noktalı virgülle ayrılmış; ilki tahriki seçer."),
        tr("Tahriklerin vidaları."),
        tr("Oranın anma değerinden en çok sapması, %."),
        tr("Dişlinin bronzunun dökümü."),
        tr("Vidanın profil açısı α, derece: verim ve ısıl güç onunla hesaplanır."),
        tr("İşletme katsayısı: taşınan moment AGMA değerinin buna bölümüdür."),
        tr("Ortam sıcaklığı, °C."),
        tr("Yağın en yüksek sıcaklığı, °C: atölyenin ayarı, bir standardın değil."),
        tr("Seçim tablosunun motorlarının güçleri, kW, noktalı virgülle ayrılmış."),
        tr("Motorların kutup sayısı, devirleriyle."),
        tr("Seçim tablosunun listelediği en küçük işletme faktörü fs = taşınan moment ÷ M2."),
    };
    for (int i = 0; i < labels.size(); ++i) {
        m_labels.at(i)->setText(labels.at(i));
        m_labels.at(i)->buddy()->setToolTip(tips.at(i));
        m_labels.at(i)->buddy()->setAccessibleDescription(tips.at(i));
    }
    for (const WormChoice worms :
         {WormChoice::ShopHobs, WormChoice::StandardWorms, WormChoice::NewDiameter}) {
        m_worms->setItemText(int(worms), wormChoiceName(worms));
    }
    for (const Casting casting :
         {Casting::SandCast, Casting::StaticChillCast, Casting::CentrifugallyCast}) {
        m_casting->setItemText(int(casting), castingName(casting));
    }
    for (int i = 0; i < m_poles->count(); ++i) {
        const int poles = m_poles->itemData(i).toInt();
        m_poles->setItemText(
            i, tr("%1 kutup, %2 d/dk")
                   .arg(form().locale().toString(poles),
                        FieldValues::writeNumber(motorSpeed(poles).value_or(0), form().locale())));
    }
    m_layout->setItemText(int(Layout::Rating), tr("Taşıma tablosu"));
    m_layout->setItemText(int(Layout::Selection), tr("Motora göre seçim"));
    m_layout->setItemText(int(Layout::PerHousing), tr("Gövde sayfaları"));
    m_fan->setText(tr("Vida milinde fan"));
    m_layoutLabel->setText(tr("TABLO"));
    const QString layoutTip =
        tr("Tablonun düzeni: taşıma tablosu, motora göre seçim ya da gövde başına bir sayfa.");
    m_layout->setToolTip(layoutTip);
    m_layout->setAccessibleDescription(layoutTip);
    m_print->setText(tr("Yazdır…"));
    m_preview->setText(tr("Önizleme…"));
    m_pdf->setText(tr("PDF Olarak Kaydet…"));
    m_copy->setText(tr("Kopyala"));
    if (m_ask) {
        showCatalogue();
    }
}

std::variant<CatalogueAsk, QString> CatalogueWindow::takeAsk() const {
    using I = CatalogueInput;
    const QLocale& locale = form().locale();
    // What an input must be, named by its caption, whether it did not read or is out of range.
    const auto rule = [&locale](I input) {
        const QMap<I, QString> captions = {
            {I::Housings, tr("GÖVDELER")},      {I::Ratios, tr("ORANLAR")},
            {I::Speeds, tr("GİRİŞ DEVİRLERİ")}, {I::ProfileAngle, tr("PROFİL AÇISI")},
            {I::Design, tr("ORAN TOLERANSI")},  {I::ServiceFactor, tr("İŞLETME KATSAYISI")},
            {I::Ambient, tr("ORTAM")},          {I::SumpLimit, tr("YAĞ SINIRI")}};
        return catalogueRuleText(input, QStringLiteral("«%1»").arg(captions.value(input)), locale);
    };
    CatalogueAsk ask;
    for (const auto& [input, into, kind] : {std::tuple{m_housings, &ask.housings, I::Housings},
                                            std::tuple{m_ratios, &ask.ratios, I::Ratios},
                                            std::tuple{m_speeds, &ask.speeds, I::Speeds}}) {
        const auto values = readNumberList(input->text(), locale);
        if (!values) {
            return rule(kind);
        }
        *into = *values;
    }
    for (const auto& [input, into, kind] :
         {std::tuple{m_tolerance, &ask.design.tolerance, I::Design},
          std::tuple{m_profileAngle, &ask.design.profileAngle, I::ProfileAngle},
          std::tuple{m_serviceFactor, &ask.serviceFactor, I::ServiceFactor},
          std::tuple{m_ambient, &ask.ambient, I::Ambient},
          std::tuple{m_sumpLimit, &ask.sumpLimit, I::SumpLimit}}) {
        const auto value = FieldValues::readNumber(input->text().trimmed(), locale);
        if (!value) {
            return rule(kind);
        }
        *into = *value;
    }
    ask.design.worms = WormChoice(m_worms->currentIndex());
    ask.casting = Casting(m_casting->currentIndex());
    ask.fan = m_fan->isChecked();
    if (const auto bad = firstInvalid(ask)) {
        return rule(*bad);
    }
    return withoutRepeats(ask);
}

std::variant<SelectionAsk, QString> CatalogueWindow::takeSelection() const {
    const QLocale& locale = form().locale();
    const auto rule = [&locale](SelectionInput input) {
        return selectionRuleText(
            input, input == SelectionInput::Motors ? tr("«MOTORLAR»") : tr("«EN AZ fs»"), locale);
    };
    SelectionAsk selection;
    const auto powers = readNumberList(m_motors->text(), locale);
    if (!powers) {
        return rule(SelectionInput::Motors);
    }
    selection.motors = motorsOf(*powers, m_poles->currentData().toInt());
    const auto least = FieldValues::readNumber(m_leastFactor->text().trimmed(), locale);
    if (!least) {
        return rule(SelectionInput::LeastFactor);
    }
    selection.leastFactor = *least;
    if (const auto bad = firstInvalid(selection)) {
        return rule(*bad);
    }
    return selection;
}

void CatalogueWindow::refresh() {
    auto ask = takeAsk();
    auto selection = takeSelection();
    if (const auto* refused = std::get_if<QString>(&selection);
        refused != nullptr && std::holds_alternative<CatalogueAsk>(ask)) {
        ask = *refused;
    }
    if (const auto* refused = std::get_if<QString>(&ask)) {
        m_ask.reset();
        m_catalogue = {};
        m_message->setText(*refused);
        m_table->setRowCount(0);
        return;
    }
    m_ask = std::get<CatalogueAsk>(ask);
    m_selection = std::get<SelectionAsk>(selection);
    KeptChoices::keep(m_settings, *m_ask);
    KeptChoices::keep(m_settings, m_selection);
    m_catalogue = catalogueOf(*m_ask, m_store.book().hobs);
    showCatalogue();
}

CatalogueTable CatalogueWindow::currentTable() const {
    const QLocale& locale = form().locale();
    switch (Layout(m_layout->currentIndex())) {
    case Layout::Selection:
        return selectionTable(selectionOf(m_catalogue, *m_ask, m_selection), *m_ask, m_selection,
                              locale);
    case Layout::PerHousing:
        return perHousingTable(m_catalogue, *m_ask, locale);
    case Layout::Rating:
        break;
    }
    return catalogueTable(m_catalogue, *m_ask, locale);
}

// The selection and the pages per housing, a row each of every page's rows after the page's
// title, each cell sorting by its number where it reads as one.
void CatalogueWindow::showPages(const CatalogueTable& table) {
    const QLocale& locale = form().locale();
    QStringList headings = {tr("Sayfa")};
    headings.append(table.headings);
    m_table->setRowCount(0);
    m_table->setColumnCount(int(headings.size()));
    m_table->setHorizontalHeaderLabels(headings);
    int row = 0;
    for (const CatalogueTable::Speed& page : table.speeds) {
        m_table->setRowCount(row + int(page.rows.size()));
        for (const QStringList& cells : page.rows) {
            const QStringList texts = QStringList{page.title} + cells;
            for (int c = 0; c < texts.size(); ++c) {
                const auto number = FieldValues::readNumber(texts.at(c), locale);
                auto* item =
                    new KeyedItem(texts.at(c), number ? QVariant(*number) : QVariant(texts.at(c)));
                item->setTextAlignment(number ? Qt::AlignRight | Qt::AlignVCenter
                                              : Qt::AlignLeft | Qt::AlignVCenter);
                m_table->setItem(row, c, item);
            }
            // The row's drive opens as the rating table's does, found by its housing and ratio.
            const auto a = FieldValues::readNumber(cells.value(0), locale);
            const auto i = FieldValues::readNumber(cells.value(1), locale);
            for (int index = 0; index < m_catalogue.cells.size(); ++index) {
                const CatalogueCell& cell = m_catalogue.cells.at(index);
                if (a && i && cell.centreDistance == *a && cell.ratio == *i) {
                    m_table->item(row, 0)->setData(cellRole, index);
                }
            }
            ++row;
        }
    }
    keepChosenSort(*m_table);
    m_table->resizeColumnsToContents();
    m_frozen->follow();
}

void CatalogueWindow::showCatalogue() {
    if (Layout(m_layout->currentIndex()) != Layout::Rating) {
        showPages(currentTable());
        return;
    }
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
    m_frozen->follow();
    // The method in short; the rule the drives were chosen by in its tooltip and on the sheet.
    const QStringList method = table.head.mid(table.head.size() - 2);
    m_message->setText(method.constFirst());
    m_message->setToolTip(method.join(QLatin1Char(' ')));
}

void CatalogueWindow::fillRow(int row, const CatalogueCell& cell, int index) {
    const QLocale& locale = form().locale();
    const auto put = [this, row](int column, const QString& text, const QVariant& key) {
        auto* item = new KeyedItem(text, key);
        item->setTextAlignment(column == driveColumn ? Qt::AlignLeft | Qt::AlignVCenter
                                                     : Qt::AlignRight | Qt::AlignVCenter);
        m_table->setItem(row, column, item);
        return item;
    };
    put(0, FieldValues::writeNumber(cell.centreDistance, locale), cell.centreDistance)
        ->setData(cellRole, index);
    put(1, FieldValues::writeNumber(cell.ratio, locale), cell.ratio);
    if (!cell.drive) {
        put(2, QStringLiteral("—"), QString());
        put(driveColumn, QStringLiteral("—"), QString())->setToolTip(noDriveText(cell, locale));
        return;
    }
    const double real = realRatio(*cell.drive);
    put(2, sheetNumber(real, locale, 2), real);
    put(driveColumn, driveText(*cell.drive, locale), cell.drive->module);
    for (int s = 0; s < cell.speeds.size(); ++s) {
        const CatalogueSpeed& c = cell.speeds.at(s);
        const int at = fixedColumns + s * speedColumns;
        if (c.fault) {
            put(at, QStringLiteral("—"), QString())->setToolTip(speedFaultText(*c.fault));
            continue;
        }
        const auto number = [&locale](double x, int decimals) {
            return sheetNumber(x, locale, decimals);
        };
        put(at, number(c.n2, 1), c.n2);
        put(at + 1, number(c.efficiency, 1), c.efficiency);
        put(at + 2, number(c.ratedTorque, 0), c.ratedTorque);
        put(at + 3, number(c.inputPower, 2), c.inputPower);
        put(at + 4, number(c.thermalPower, 2), c.thermalPower);
        put(at + 5, number(c.mechanicalTorque, 0), c.mechanicalTorque);
        put(at + 6, governsText(c.governs), governsText(c.governs));
    }
}

void CatalogueWindow::openChosen(int row) {
    const QTableWidgetItem* first = m_table->item(row, 0);
    if (first == nullptr || !m_ask || !first->data(cellRole).isValid()) {
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
    const QLocale& locale = form().locale();
    emit driveChosen(*cell.drive, asked, rowHobAngle(*cell.drive, m_store.book().hobs),
                     tr("Katalogdan: a %1 mm, i %2")
                         .arg(FieldValues::writeNumber(cell.centreDistance, locale),
                              FieldValues::writeNumber(cell.ratio, locale)));
}

void CatalogueWindow::ask(void (CatalogueWindow::*signal)(const CatalogueTable&)) {
    if (m_ask) {
        emit(this->*signal)(currentTable());
    }
}

void CatalogueWindow::copyTable() {
    if (m_ask) {
        QGuiApplication::clipboard()->setText(catalogueTsv(currentTable()));
    }
}
