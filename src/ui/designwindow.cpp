#include "ui/designwindow.h"

#include "app/keptchoices.h"
#include "calc/jobsheet.h"
#include "calc/standardworms.h"
#include "calc/wormdrive.h"
#include "model/fieldvalues.h"
#include "model/formstate.h"
#include "store/machinestore.h"
#include "ui/keyeditem.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace {

enum Column {
    ModuleColumn,
    StartsColumn,
    TeethColumn,
    RatioColumn,
    ErrorColumn,
    D1Column,
    Da1Column,
    QColumn,
    ShiftColumn,
    LeadAngleColumn,
    FactorColumn,
    EfficiencyColumn,
    RatedTorqueColumn,
    WarningsColumn,
    RulesColumn,
    HobColumn,
    ColumnCount
};

// The row's index in the design, kept on its first cell, so that a sorted table still finds it.
constexpr int rowRole = KeyedItem::keyRole + 1;

} // namespace

DesignWindow::DesignWindow(Workflow& flow, const MachineStore& store, QSettings& settings,
                           QWidget* parent)
    : ToolWindow(flow, {}, parent)
    , m_store(store)
    , m_settings(settings) {
    setObjectName(QStringLiteral("designWindow"));
    const QLocale& locale = form().locale();
    const auto edit = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QLatin1String(name));
        return e;
    };
    m_centreDistance = new QComboBox(this);
    m_centreDistance->setObjectName(QStringLiteral("centreDistance"));
    m_centreDistance->setEditable(true);
    m_centreDistance->setInsertPolicy(QComboBox::NoInsert);
    for (const double a : housingSeries()) {
        m_centreDistance->addItem(FieldValues::writeNumber(a, locale));
        if (bracketedHousing(a)) {
            m_centreDistance->setItemData(
                m_centreDistance->count() - 1,
                tr("GB/T 10085-2018 bu mesafeyi parantez içinde verir: olabildiğince kaçının."),
                Qt::ToolTipRole);
        }
    }
    m_centreDistance->setCurrentText(FieldValues::writeNumber(DesignAsk{}.centreDistance, locale));
    m_ratioGiven = new QComboBox(this);
    m_ratioGiven->setObjectName(QStringLiteral("ratioGiven"));
    m_ratioGiven->addItems({QString(), QString()});
    m_ratio = edit("ratio");
    m_ratio->setText(FieldValues::writeNumber(DesignAsk{}.ratio, locale));
    const DesignAsk kept = KeptChoices::designAsk(m_settings, !store.book().hobs.isEmpty());
    m_inputSpeed = edit("inputSpeed");
    m_inputSpeed->setText(kept.n1 ? FieldValues::writeNumber(*kept.n1, locale) : QString());
    m_tolerance = edit("tolerance");
    m_tolerance->setText(FieldValues::writeNumber(kept.tolerance, locale));
    auto* starts = new QHBoxLayout;

    for (int z1 = 1; z1 <= int(m_starts.size()); ++z1) {
        auto* box = new QCheckBox(locale.toString(z1), this);
        box->setObjectName(QStringLiteral("starts%1").arg(z1));
        box->setChecked(kept.starts.contains(z1));
        m_starts.at(std::size_t(z1 - 1)) = box;
        starts->addWidget(box);
    }
    starts->addStretch();
    m_modules = edit("modules");
    m_modules->setText(FieldValues::writeNumbers(kept.modules, locale));
    m_qLow = edit("qLow");
    m_qLow->setText(FieldValues::writeNumber(kept.qLow, locale));
    m_qHigh = edit("qHigh");
    m_qHigh->setText(FieldValues::writeNumber(kept.qHigh, locale));
    auto* qRange = new QHBoxLayout;
    qRange->addWidget(m_qLow);
    qRange->addWidget(m_qHigh);
    m_x2Low = edit("x2Low");
    m_x2Low->setText(FieldValues::writeNumber(kept.shiftRange.low, locale));
    m_x2High = edit("x2High");
    m_x2High->setText(FieldValues::writeNumber(kept.shiftRange.high, locale));
    auto* x2Range = new QHBoxLayout;
    x2Range->addWidget(m_x2Low);
    x2Range->addWidget(m_x2High);
    m_worms = new QComboBox(this);
    m_worms->setObjectName(QStringLiteral("worms"));
    m_worms->addItems({QString(), QString(), QString()});
    m_worms->setCurrentIndex(int(kept.worms));
    m_showAll = new QCheckBox(this);
    m_showAll->setObjectName(QStringLiteral("showRuleBreakers"));

    m_inputs = new QFormLayout;
    m_inputs->addRow(new QLabel(this), m_centreDistance);
    m_inputs->addRow(m_ratioGiven, m_ratio);
    m_inputs->addRow(new QLabel(this), m_inputSpeed);
    m_inputs->addRow(new QLabel(this), m_tolerance);
    m_inputs->addRow(new QLabel(this), starts);
    m_inputs->addRow(new QLabel(this), m_modules);
    m_inputs->addRow(new QLabel(this), qRange);
    m_inputs->addRow(new QLabel(this), m_worms);
    m_inputs->addRow(new QLabel(this), x2Range);
    m_inputs->addRow(m_showAll);
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("designMessage"));
    m_message->setWordWrap(true);
    m_table = new QTableWidget(0, ColumnCount, this);
    m_table->setObjectName(QStringLiteral("designs"));
    makeSortableRows(*m_table);
    m_use = new QPushButton(this);
    m_use->setObjectName(QStringLiteral("useDesign"));
    m_use->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_use);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(m_inputs);
    layout->addWidget(m_message);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);
    setOpeningSize({1000, 720});
    retranslate();

    for (QLineEdit* e :
         {m_ratio, m_inputSpeed, m_tolerance, m_modules, m_qLow, m_qHigh, m_x2Low, m_x2High}) {
        connect(e, &QLineEdit::textChanged, this, &DesignWindow::refreshIfShown);
    }
    connect(m_centreDistance, &QComboBox::currentTextChanged, this, &DesignWindow::refreshIfShown);
    connect(m_ratioGiven, &QComboBox::currentIndexChanged, this, &DesignWindow::switchRatioGiven);
    for (QCheckBox* box : m_starts) {
        connect(box, &QCheckBox::toggled, this, &DesignWindow::refreshIfShown);
    }
    connect(m_worms, &QComboBox::currentIndexChanged, this, &DesignWindow::refreshIfShown);
    connect(m_showAll, &QCheckBox::toggled, this, [this] { showDesign(m_design); });
    connect(m_table, &QTableWidget::itemSelectionChanged, this,
            [this] { m_use->setEnabled(!m_table->selectedItems().isEmpty()); });
    connect(m_table, &QTableWidget::cellDoubleClicked, this, &DesignWindow::useChosen);
    connect(m_use, &QPushButton::clicked, this, &DesignWindow::useChosen);
    // The efficiency follows the turner's profile angle.
    connect(&flow, &Workflow::choicesChanged, this, [this] {
        if (m_ask && m_ask->profileAngle != this->flow().gauge().profileAngle) {
            refreshIfShown();
        }
    });
    connect(&flow, &Workflow::choicesChanged, this, &DesignWindow::showDesignedFor);
    showDesignedFor();
}

ValueRange DesignWindow::keptShiftRange(const QSettings& settings) {
    return KeptChoices::designAsk(settings, false).shiftRange;
}

void DesignWindow::showDesignedFor() {
    const auto& asked = flow().designedFor();
    if (!asked) {
        return;
    }
    const QLocale& locale = form().locale();
    const QString a = FieldValues::writeNumber(asked->centreDistance, locale);
    const QString i = FieldValues::writeNumber(asked->ratio, locale);
    if (m_centreDistance->currentText() != a) {
        m_centreDistance->setCurrentText(a);
    }
    if (m_ratioGiven->currentIndex() != 0) {
        m_ratioGiven->setCurrentIndex(0);
    }
    if (m_ratio->text() != i) {
        m_ratio->setText(i);
    }
}

void DesignWindow::switchRatioGiven(int given) {
    if (given != m_ratioGivenShown) {
        const QLocale& locale = form().locale();
        const auto n1 = FieldValues::readNumber(m_inputSpeed->text().trimmed(), locale);
        const auto x = FieldValues::readNumber(m_ratio->text().trimmed(), locale);
        // i = N1 ÷ N2 and N2 = N1 ÷ i: the same division either way.
        m_ratio->setText(n1 && x && *n1 > 0 && *x > 0 ? FieldValues::writeNumber(*n1 / *x, locale)
                                                      : QString());
        m_ratioGivenShown = given;
    }
    m_ratio->setAccessibleName(m_ratioGiven->currentText());
    refreshIfShown();
}

void DesignWindow::retranslate() {
    setWindowTitle(tr("Gövdeden Tasarım"));
    m_ratioGiven->setItemText(0, tr("ORAN (i)"));
    m_ratioGiven->setItemText(1, tr("ÇIKIŞ DEVRİ (N2, d/dk)"));
    // A screen reader hears what the field beside the box holds, and what the box does.
    m_ratioGiven->setAccessibleDescription(
        tr("Yanındaki alanın oran mı, çıkış devri mi olduğunu seçer."));
    m_ratio->setAccessibleName(m_ratioGiven->currentText());
    m_qLow->setAccessibleName(tr("q aralığının alt ucu"));
    m_qHigh->setAccessibleName(tr("q aralığının üst ucu"));
    m_x2Low->setAccessibleName(tr("x2 aralığının alt ucu"));
    m_x2High->setAccessibleName(tr("x2 aralığının üst ucu"));
    m_worms->setItemText(int(WormChoice::ShopHobs), tr("Atölyenin azdırmaları"));
    m_worms->setItemText(int(WormChoice::StandardWorms),
                         tr("Standart vidalar (%1)").arg(standardWormsSource()));
    m_worms->setItemText(int(WormChoice::NewDiameter), tr("Yeni vida çapı"));
    const QStringList labels = {
        tr("EKSEN MESAFESİ (a, mm)"),
        QString(),
        tr("GİRİŞ DEVRİ (N1, d/dk; boşsa verim yok)"),
        tr("ORAN TOLERANSI (%)"),
        tr("VİDA AĞIZ SAYILARI (z1)"),
        tr("MODÜLLER (mm; noktalı virgülle)"),
        tr("ÇAP ORANI q = d1 ÷ m (en az, en çok)"),
        tr("VİDA"),
        tr("PROFİL KAYDIRMA x2 (en az, en çok)"),
    };
    for (int i = 0; i < labels.size(); ++i) {
        if (auto* label =
                qobject_cast<QLabel*>(m_inputs->itemAt(i, QFormLayout::LabelRole)->widget())) {
            label->setText(labels.at(i));
            if (QLayoutItem* field = m_inputs->itemAt(i, QFormLayout::FieldRole);
                field->widget() != nullptr) {
                label->setBuddy(field->widget());
            }
        }
    }
    m_showAll->setText(tr("Kurallara uymayanları da göster"));
    m_table->setHorizontalHeaderLabels(
        {tr("m"), tr("z1"), tr("Z2"), tr("i"), tr("Oran hatası (%)"), tr("d1 (mm)"), tr("da1 (mm)"),
         tr("q"), tr("x2"), tr("γ"), tr("Z2 ile z1"), tr("Verim η (%)"), tr("Taşınabilen T2 (N·m)"),
         tr("Tornacı uyarıları"), tr("Kurallar"), tr("Azdırma")});
    // A heading cut short to fit its column is read whole from its tooltip.
    for (int column = 0; column < m_table->columnCount(); ++column) {
        QTableWidgetItem* heading = m_table->horizontalHeaderItem(column);
        heading->setToolTip(heading->text());
    }
    m_use->setText(tr("&Kullan"));
}

namespace {

// Grouped digits or a point that could be either get the form's sentence, which names both
// readings; any other text the input's own words.
QString refusal(const QString& text, const QString& caption, const QString& otherwise,
                const QLocale& locale) {
    const CheckedNumber n = checkedNumber(FieldId::m_t, text.trimmed(), locale);
    const auto fault = n.faultFor(FieldId::m_t);
    return fault && (fault->kind == FaultKind::GroupSeparator ||
                     fault->kind == FaultKind::AmbiguousPoint)
               ? faultMessage(*fault, caption, locale)
               : otherwise;
}

// The modules typed, split at semicolons and spaces; why not, for the first that does not read.
std::optional<QString> readModules(const QString& typed, const QLocale& locale,
                                   QList<double>& modules) {
    auto read = FieldValues::readNumbers(typed, locale);
    if (const auto* text = std::get_if<QString>(&read)) {
        modules.clear();
        return refusal(*text, DesignWindow::tr("MODÜLLER"),
                       DesignWindow::tr("«%1» bir modül olarak okunmuyor.").arg(*text), locale);
    }
    modules = std::get<QList<double>>(std::move(read));
    return std::nullopt;
}

// A range's two ends, or why not, for the first that does not read.
std::variant<ValueRange, QString> readRange(const QLineEdit& low, const QLineEdit& high,
                                            const QString& caption, const QString& otherwise,
                                            const QLocale& locale) {
    const auto a = FieldValues::readNumber(low.text().trimmed(), locale);
    const auto b = FieldValues::readNumber(high.text().trimmed(), locale);
    if (!a || !b) {
        return refusal(a ? high.text() : low.text(), caption, otherwise, locale);
    }
    return ValueRange{*a, *b};
}

} // namespace

std::variant<DesignAsk, QString> DesignWindow::takeAsk() const {
    const QLocale& locale = form().locale();
    const auto read = [&locale](const QString& text) {
        return FieldValues::readNumber(text.trimmed(), locale);
    };
    const auto refuse = [&locale](const QString& text, const QString& caption,
                                  const QString& otherwise) {
        return refusal(text, caption, otherwise, locale);
    };
    DesignAsk ask;
    ask.profileAngle = flow().gauge().profileAngle;
    const auto a = read(m_centreDistance->currentText());
    if (!a) {
        return refuse(m_centreDistance->currentText(), tr("EKSEN MESAFESİ"),
                      tr("Eksen mesafesi a için bir sayı girin."));
    }
    ask.centreDistance = *a;
    if (!m_inputSpeed->text().trimmed().isEmpty()) {
        ask.n1 = read(m_inputSpeed->text());
        if (!ask.n1) {
            return refuse(m_inputSpeed->text(), tr("GİRİŞ DEVRİ"),
                          tr("Giriş devri N1 için bir sayı girin ya da boş bırakın."));
        }
    }
    const auto ratio = read(m_ratio->text());
    if (m_ratioGiven->currentIndex() == 1) {
        if (!ask.n1) {
            return tr("Oran devirlerden bulunsun diye giriş devri N1'i girin.");
        }
        if (!ratio || !(*ratio > 0)) {
            return refuse(m_ratio->text(), m_ratioGiven->currentText(),
                          tr("Çıkış devri N2 için sıfırdan büyük bir sayı girin."));
        }
        ask.ratio = *ask.n1 / *ratio;
    } else {
        if (!ratio) {
            return refuse(m_ratio->text(), m_ratioGiven->currentText(),
                          tr("Oran i için bir sayı girin."));
        }
        ask.ratio = *ratio;
    }
    const auto tolerance = read(m_tolerance->text());
    if (!tolerance) {
        return refuse(m_tolerance->text(), tr("ORAN TOLERANSI"),
                      tr("Oran toleransı için bir sayı girin."));
    }
    ask.tolerance = *tolerance;
    ask.starts.clear();
    for (int z1 = 1; z1 <= int(m_starts.size()); ++z1) {
        if (m_starts.at(std::size_t(z1 - 1))->isChecked()) {
            ask.starts.append(z1);
        }
    }
    if (const auto refused = readModules(m_modules->text(), locale, ask.modules)) {
        return *refused;
    }
    const auto q = readRange(*m_qLow, *m_qHigh, tr("ÇAP ORANI q"),
                             tr("q aralığının iki ucu için birer sayı girin."), locale);
    if (const auto* refused = std::get_if<QString>(&q)) {
        return *refused;
    }
    ask.qLow = std::get<ValueRange>(q).low;
    ask.qHigh = std::get<ValueRange>(q).high;
    ask.worms = WormChoice(m_worms->currentIndex());
    const auto x2 = readRange(*m_x2Low, *m_x2High, tr("PROFİL KAYDIRMA x2"),
                              tr("x2 aralığının iki ucu için birer sayı girin."), locale);
    if (const auto* refused = std::get_if<QString>(&x2)) {
        return *refused;
    }
    ask.shiftRange = std::get<ValueRange>(x2);
    if (const auto bad = firstInvalid(ask)) {
        return askFaultText(*bad, locale);
    }
    return ask;
}

QString DesignWindow::askFaultText(DesignInput input, const QLocale& locale) {
    switch (input) {
    case DesignInput::CentreDistance:
        return tr("Eksen mesafesi a sıfırdan büyük, en çok %1 mm olmalı.")
            .arg(FieldValues::writeNumber(centreDistanceRange.high, locale));
    case DesignInput::Ratio:
        return tr("Oran i en az %1, en çok %2 olmalı.")
            .arg(FieldValues::writeNumber(ratioRange.low, locale),
                 FieldValues::writeNumber(ratioRange.high, locale));
    case DesignInput::Tolerance:
        return tr("Oran toleransı %1 ile %2 arasında olmalı.")
            .arg(percentText(toleranceRange.low, locale), percentText(toleranceRange.high, locale));
    case DesignInput::Starts:
        return tr("En az bir vida ağız sayısı seçin.");
    case DesignInput::Modules:
        return tr("Her modül %1 ile %2 mm arasında olmalı; en az bir modül girin.")
            .arg(FieldValues::writeNumber(HobLimits::moduleLow, locale),
                 FieldValues::writeNumber(HobLimits::moduleHigh, locale));
    case DesignInput::QRange:
        return tr("q aralığı sıfırdan büyük, en çok %1 olmalı ve ilk ucu ikincisini aşmamalı.")
            .arg(FieldValues::writeNumber(100, locale));
    case DesignInput::InputSpeed:
        return tr("Giriş devri N1 0 ile %1 d/dk arasında olmalı.")
            .arg(FieldValues::writeNumber(100000, locale));
    case DesignInput::ShiftRange:
        return tr("x2 aralığının uçları %1 ile %2 arasında olmalı ve ilk ucu ikincisini aşmamalı.")
            .arg(FieldValues::writeNumber(shiftBounds.low, locale),
                 FieldValues::writeNumber(shiftBounds.high, locale));
    }
    return {};
}

void DesignWindow::refresh() {
    auto ask = takeAsk();
    if (const auto* refused = std::get_if<QString>(&ask)) {
        m_ask.reset();
        m_design = {};
        m_message->setText(*refused);
        showDesign(m_design);
        return;
    }
    m_ask = std::get<DesignAsk>(ask);
    KeptChoices::keep(m_settings, *m_ask);
    m_design = designDrives(*m_ask, m_store.book().hobs);
    showDesign(m_design);
}

DesignWindow::Cells DesignWindow::rowCells(const DesignRow& row, const QStringList& warnings,
                                           const QString& hob, const QLocale& locale) {
    QStringList rules;
    for (const RuleBreak& rule : row.rules) {
        rules.append(ruleName(rule.rule));
    }
    // A worm held to its own table's or hob's proportion is marked, not refused.
    for (const RuleBreak& mark : row.marks) {
        rules.append(tr("(%1)").arg(ruleName(mark.rule)));
    }
    static_assert(std::tuple_size_v<Cells> == ColumnCount);
    const auto number = [&locale](double x, int decimals = 4) {
        return sheetNumber(x, locale, decimals);
    };
    return {{
        {number(row.module), row.module},
        {locale.toString(row.starts), row.starts},
        {locale.toString(row.teeth), row.teeth},
        {number(row.ratio), row.ratio},
        {number(row.error, 2), std::abs(row.error)},
        {number(row.d1), row.d1},
        {number(row.da1), row.da1},
        {number(row.q, 2), row.q},
        {locale.toString(shownShift(row.x2), 'f', shownShiftPlaces), row.x2},
        {degreesAndMinutes(leadAngleNotation(row)), row.leadAngle},
        {row.coprime() ? tr("aralarında asal")
                       : tr("ortak bölen %1").arg(locale.toString(row.commonFactor)),
         row.commonFactor},
        {row.efficiency ? number(*row.efficiency, 1) : QString(), -row.efficiency.value_or(-1)},
        {row.ratedTorque ? number(*row.ratedTorque, 0) : QString(), -row.ratedTorque.value_or(-1)},
        {warnings.isEmpty() ? QString() : tr("%n uyarı", nullptr, int(warnings.size())),
         int(warnings.size())},
        {rules.join(QStringLiteral(", ")), int(rules.size())},
        {hob, hob},
    }};
}

void DesignWindow::fillRow(int tableRow, int designRow, const DesignRow& row) {
    const QLocale& locale = form().locale();
    const QList<Hob>& hobs = m_store.book().hobs;
    QStringList warnings;
    for (const BlankWarning& w : row.warnings) {
        warnings.append(warningText(w, locale));
    }
    QStringList rules;
    for (const RuleBreak& rule : row.rules) {
        rules.append(ruleBreakText(rule, locale));
    }
    for (const RuleBreak& mark : row.marks) {
        rules.append(tr("İşaret: %1").arg(ruleBreakText(mark, locale)));
    }
    const Cells cells =
        rowCells(row, warnings, row.hob ? displayName(hobs.at(*row.hob)) : QString(), locale);
    for (int c = 0; c < ColumnCount; ++c) {
        auto* item = new KeyedItem(cells.at(std::size_t(c)).first, cells.at(std::size_t(c)).second);
        const bool text =
            c == FactorColumn || c == WarningsColumn || c == RulesColumn || c == HobColumn;
        item->setTextAlignment(text ? Qt::AlignLeft | Qt::AlignVCenter
                                    : Qt::AlignRight | Qt::AlignVCenter);
        if (c == WarningsColumn && !warnings.isEmpty()) {
            item->setToolTip(warnings.join(QLatin1Char('\n')));
        }
        if (c == RatedTorqueColumn && row.ratedTorque) {
            item->setToolTip(tr("Yüzey dayanımı ve vida mili sehiminin küçüğü, N1'de: kum döküm "
                                "dişli, sertleştirilmiş vida, yatak aralığı 2,5 × L."));
        }
        if (c == RulesColumn && !rules.isEmpty()) {
            item->setToolTip(rules.join(QLatin1Char('\n')));
        }
        if (c == ModuleColumn) {
            item->setData(rowRole, designRow);
        }
        m_table->setItem(tableRow, c, item);
    }
}

void DesignWindow::showDesign(const Design& design) {
    const QLocale& locale = form().locale();
    // The rows that break a rule of making sort after the rest; hidden, they are simply cut off.
    QList<int> shown;
    for (int r = 0; r < design.rows.size(); ++r) {
        if (m_showAll->isChecked() || design.rows.at(r).keepsTheRules()) {
            shown.append(r);
        }
    }
    m_table->setRowCount(0);
    m_table->setRowCount(int(shown.size()));
    for (int t = 0; t < shown.size(); ++t) {
        fillRow(t, shown.at(t), design.rows.at(shown.at(t)));
    }
    keepChosenSort(*m_table);
    m_table->resizeColumnsToContents();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_use->setEnabled(false);
    if (m_ask) {
        QString text = designText(design, locale);
        if (const auto hidden = design.rows.size() - shown.size(); hidden > 0) {
            text +=
                QLatin1Char(' ') + tr("Kurallara uymayan %n tahrik gizli.", nullptr, int(hidden));
        }
        m_message->setText(text);
    }
}

QString DesignWindow::designText(const Design& design, const QLocale& locale) {
    if (!design.noFit) {
        return tr("%n tahrik sığıyor.", nullptr, int(design.rows.size()));
    }
    return noFitText(*design.noFit, locale);
}

void DesignWindow::useChosen() {
    const QList<QTableWidgetItem*> chosen = m_table->selectedItems();
    if (chosen.isEmpty() || !m_ask) {
        return;
    }
    const QTableWidgetItem* first = m_table->item(chosen.constFirst()->row(), ModuleColumn);
    const DesignRow row = m_design.rows.at(first->data(rowRole).toInt());
    const std::optional<double> angle = rowHobAngle(row, m_store.book().hobs);
    flow().useDesign(row, *m_ask, angle);
    if (!angle) {
        m_message->setText(tr("Bu tahrik için atölyede azdırma yok: AÇI boş bırakıldı; "
                              "kullanılacak azdırmanın üzerindeki açıyı yazın."));
    }
}
