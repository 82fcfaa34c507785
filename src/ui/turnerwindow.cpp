#include "ui/turnerwindow.h"

#include "app/keptchoices.h"

#include "model/fieldvalues.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

TurnerWindow::TurnerWindow(Workflow& flow, QSettings& settings, QWidget* parent)
    : ToolWindow(flow, {ButtonId::HESAPLA}, parent)
    , m_settings(settings) {
    setObjectName(QStringLiteral("turnerWindow"));
    const QLocale& locale = form().locale();
    m_angle = new QLineEdit(this);
    m_angle->setObjectName(QStringLiteral("profileAngle"));
    m_wire = new QLineEdit(this);
    m_wire->setObjectName(QStringLiteral("wire"));
    m_leastThinning = new QLineEdit(this);
    m_leastThinning->setObjectName(QStringLiteral("leastThinning"));
    m_mostThinning = new QLineEdit(this);
    m_mostThinning->setObjectName(QStringLiteral("mostThinning"));
    showGauge(flow.gauge(), locale);
    m_angleLabel = new QLabel(this);
    m_angleLabel->setBuddy(m_angle);
    m_wireLabel = new QLabel(this);
    m_wireLabel->setBuddy(m_wire);
    m_thinningLabel = new QLabel(this);
    m_thinningLabel->setBuddy(m_leastThinning);
    auto* thinning = new QHBoxLayout;
    thinning->addWidget(m_leastThinning);
    thinning->addWidget(m_mostThinning);
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("turnerMessage"));
    m_message->setWordWrap(true);
    m_table = new QTableWidget(0, 4, this);
    m_table->setObjectName(QStringLiteral("figures"));
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 8);
    m_warnings = new QLabel(this);
    m_warnings->setObjectName(QStringLiteral("turnerWarnings"));
    m_warnings->setWordWrap(true);

    auto* inputs = new QFormLayout;
    inputs->addRow(m_angleLabel, m_angle);
    inputs->addRow(m_wireLabel, m_wire);
    inputs->addRow(m_thinningLabel, thinning);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(inputs);
    layout->addWidget(staleLine());
    layout->addWidget(m_message);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_warnings);
    setOpeningSize({720, 480});
    setFigures(m_table);
    retranslate();

    // A job opened brings its own gauge.
    connect(&flow, &Workflow::choicesChanged, this, [this] {
        if (!m_gauge || !(*m_gauge == this->flow().gauge())) {
            showGauge(this->flow().gauge(), form().locale());
        }
    });
    connect(m_angle, &QLineEdit::textChanged, this, &TurnerWindow::takeGauge);
    connect(m_wire, &QLineEdit::textChanged, this, &TurnerWindow::takeGauge);
    connect(m_leastThinning, &QLineEdit::textChanged, this, &TurnerWindow::takeGauge);
    connect(m_mostThinning, &QLineEdit::textChanged, this, &TurnerWindow::takeGauge);
    takeGauge();
}

void TurnerWindow::retranslate() {
    m_angleLabel->setText(tr("PROFİL AÇISI (α, derece)"));
    m_wireLabel->setText(tr("TEL ÇAPI (mm; boşsa en uygun tel)"));
    m_thinningLabel->setText(tr("DİŞ İNCELTMESİ sx (µm; en az, en çok)"));
    m_leastThinning->setAccessibleName(tr("Diş kalınlığının en az inceltmesi (µm)"));
    m_mostThinning->setAccessibleName(tr("Diş kalınlığının en çok inceltmesi (µm)"));
    m_table->setHorizontalHeaderLabels({tr("Ölçü"), tr("Değer"), tr("Birim"), tr("Kural")});
    // A refused input's message is worded again.
    if (!m_gauge || !m_thinningMessage.isEmpty()) {
        takeGauge();
    }
}

// Reads the two inputs; a gauge that reads is kept in the settings for the sheet and the next
// start.
void TurnerWindow::showGauge(const WireGauge& gauge, const QLocale& locale) {
    m_angle->setText(FieldValues::writeNumber(gauge.profileAngle, locale));
    m_wire->setText(gauge.wire ? FieldValues::writeNumber(*gauge.wire, locale) : QString());
    m_leastThinning->setText(FieldValues::writeNumber(gauge.leastThinning, locale));
    m_mostThinning->setText(FieldValues::writeNumber(gauge.mostThinning, locale));
}

void TurnerWindow::takeGauge() {
    const QLocale& locale = form().locale();
    const std::optional<double> angle = FieldValues::readNumber(m_angle->text(), locale);
    const QString wireText = m_wire->text().trimmed();
    const std::optional<double> wire = FieldValues::readNumber(wireText, locale);
    // An allowance left empty is none.
    const auto allowance = [&locale](const QLineEdit* e) {
        const QString text = e->text().trimmed();
        return text.isEmpty() ? std::optional<double>(0) : FieldValues::readNumber(text, locale);
    };
    const std::optional<double> least = allowance(m_leastThinning);
    const std::optional<double> most = allowance(m_mostThinning);
    m_gauge.reset();
    m_thinningMessage.clear();
    if (!angle || *angle < smallestProfileAngle || *angle > largestProfileAngle) {
        m_message->setText(tr("«PROFİL AÇISI (α)» %1 ile %2 derece arasında bir sayı olmalı.")
                               .arg(FieldValues::writeNumber(smallestProfileAngle, locale),
                                    FieldValues::writeNumber(largestProfileAngle, locale)));
    } else if (!wireText.isEmpty() && !(wire && *wire > 0)) {
        m_message->setText(tr("«TEL ÇAPI» boş ya da sıfırdan büyük bir sayı olmalı."));
    } else {
        m_gauge = WireGauge{*angle, wireText.isEmpty() ? std::nullopt : wire,
                            flow().gauge().leastThinning, flow().gauge().mostThinning};
        // A thinning that does not read costs only M's limits (refresh leaves them out); the
        // job keeps its last good one.
        if (least && most && thinningRange.holds(*least) && thinningRange.holds(*most) &&
            *least <= *most) {
            m_gauge->leastThinning = *least;
            m_gauge->mostThinning = *most;
        } else {
            m_thinningMessage = tr("«DİŞ İNCELTMESİ» iki ucu da sıfır ya da sıfırdan büyük bir "
                                   "sayı olmalı ve en az, en çoktan büyük olmamalı; M'nin "
                                   "sınırları verilmedi.");
        }
        // The job keeps it, and the settings for the next job.
        flow().setGauge(*m_gauge);
        KeptChoices::keep(m_settings, *m_gauge);
    }
    refreshIfShown();
}

void TurnerWindow::refresh() {
    const QLocale& locale = form().locale();
    if (!beginFigures(tr("TASLAK VE KONTROL"), *m_table, *m_warnings, *m_message) || !m_gauge) {
        return; // the message names the job's fault, or the input
    }
    WireGauge gauge = *m_gauge;
    if (!m_thinningMessage.isEmpty()) {
        gauge.leastThinning = gauge.mostThinning = 0;
    }
    const auto made = turnerFigures(shown(), gauge);
    if (const auto* fault = std::get_if<Fault>(&made)) {
        m_message->setText(faultMessage(*fault, locale));
        return;
    }
    const auto& t = std::get<TurnerFigures>(made);
    m_message->setText(t.bestWire ? tr("En uygun tel: %1 mm.").arg(micrometerText(t.wire, locale))
                                  : tr("Tel: %1 mm.").arg(micrometerText(t.wire, locale)));
    QList<QStringList> rows;
    for (const Figure& f : t.figures) {
        const QString shown = f.id == FigureId::OverWires ? overWiresText(t, locale)
                                                          : micrometerText(f.value, locale);
        rows.append({figureCaption(f.id), shown, tr("mm"), figureRule(f.id, t.starts, locale)});
    }
    showFigureRows(*m_table, rows);
    QStringList notes;
    if (t.wireRefused) {
        notes.append(wireRefusalText(*t.wireRefused, locale));
    }
    if (!m_thinningMessage.isEmpty()) {
        notes.append(m_thinningMessage);
    } else if (t.thinningBeyond) {
        notes.append(thinningBeyondText(*t.thinningBeyond, locale));
    }
    if (t.evenStarts) {
        notes.append(evenStartsNote());
    }
    for (const BlankWarning& w : t.warnings) {
        notes.append(tr("Uyarı: %1").arg(warningText(w, locale)));
    }
    m_warnings->setText(notes.join(QLatin1Char('\n')));
}
