#include "ui/ratingwindow.h"

#include "app/keptchoices.h"

#include "model/fieldvalues.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

RatingWindow::RatingWindow(Workflow& flow, QSettings& settings, QWidget* parent)
    : ToolWindow(flow, {ButtonId::HESAPLA}, parent)
    , m_settings(settings) {
    setObjectName(QStringLiteral("ratingWindow"));
    const auto edit = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QLatin1String(name));
        return e;
    };
    m_given = new QComboBox(this);
    m_given->setObjectName(QStringLiteral("loadGiven"));
    m_given->addItems({QString(), QString()});
    m_load = edit("load");
    m_serviceFactor = edit("serviceFactor");
    m_casting = new QComboBox(this);
    m_casting->setObjectName(QStringLiteral("casting"));
    m_casting->addItems({QString(), QString(), QString()});
    m_faceWidth = edit("faceWidth");
    m_friction = edit("friction");
    m_fan = new QCheckBox(this);
    m_fan->setObjectName(QStringLiteral("fan"));
    m_area = edit("housingArea");
    m_ambient = edit("ambient");
    m_limit = edit("sumpLimit");
    m_span = edit("bearingSpan");
    m_hardened = new QCheckBox(this);
    m_hardened->setObjectName(QStringLiteral("hardenedWorm"));
    m_bendingAllowable = edit("bendingAllowable");
    m_method = new QLabel(this);
    m_method->setObjectName(QStringLiteral("ratingMethod"));
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("ratingMessage"));
    m_message->setWordWrap(true);
    m_table = new QTableWidget(0, 4, this);
    m_table->setObjectName(QStringLiteral("figures"));
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 8);
    m_warnings = new QLabel(this);
    m_warnings->setObjectName(QStringLiteral("ratingWarnings"));
    m_warnings->setWordWrap(true);

    // Two columns of inputs, the load's and the heat's, so that the figures keep their height on
    // a small screen.
    m_inputs = new QFormLayout;
    m_heatInputs = new QFormLayout;
    // On a narrow screen a long caption stands over its field rather than widen the window.
    m_inputs->setRowWrapPolicy(QFormLayout::WrapLongRows);
    m_heatInputs->setRowWrapPolicy(QFormLayout::WrapLongRows);
    m_inputs->addRow(m_given);
    for (QWidget* input :
         std::initializer_list<QWidget*>{m_load, m_serviceFactor, m_casting, m_faceWidth,
                                         m_friction, m_span, m_hardened, m_bendingAllowable}) {
        m_inputs->addRow(new QLabel(this), input);
    }
    for (QWidget* input : std::initializer_list<QWidget*>{m_fan, m_area, m_ambient, m_limit}) {
        m_heatInputs->addRow(new QLabel(this), input);
    }
    auto* inputs = new QHBoxLayout;
    inputs->addLayout(m_inputs, 3);
    inputs->addLayout(m_heatInputs, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(inputs);
    layout->addWidget(m_method);
    layout->addWidget(staleLine());
    layout->addWidget(m_message);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_warnings);
    setOpeningSize({900, 760});
    setFigures(m_table);
    showInputs(flow.ratingInputs());
    retranslate();

    // A job opened brings its own inputs, and the turner's profile angle is read too.
    connect(&flow, &Workflow::choicesChanged, this, &RatingWindow::followChoices);
    for (QLineEdit* e : {m_load, m_serviceFactor, m_faceWidth, m_friction, m_area, m_ambient,
                         m_limit, m_span, m_bendingAllowable}) {
        connect(e, &QLineEdit::textChanged, this, &RatingWindow::takeInputs);
    }
    connect(m_given, &QComboBox::currentIndexChanged, this, &RatingWindow::switchLoad);
    connect(m_casting, &QComboBox::currentIndexChanged, this, &RatingWindow::takeInputs);
    connect(m_fan, &QCheckBox::toggled, this, &RatingWindow::takeInputs);
    connect(m_hardened, &QCheckBox::toggled, this, &RatingWindow::takeInputs);
    takeInputs();
}

void RatingWindow::retranslate() {
    m_given->setItemText(0, tr("ÇIKIŞ MOMENTİ T2 (N·m)"));
    m_given->setItemText(1, tr("GİRİŞ GÜCÜ P1 (kW)"));
    m_given->setAccessibleDescription(
        tr("Yanındaki yük alanının çıkış momenti mi, giriş gücü mü olduğunu seçer."));
    m_casting->setItemText(0, castingName(Casting::SandCast));
    m_casting->setItemText(1, castingName(Casting::StaticChillCast));
    m_casting->setItemText(2, castingName(Casting::CentrifugallyCast));
    const QStringList labels = {
        tr("YÜK (boşsa yalnız hızlar, verim ve taşıma değeri)"),
        tr("SERVİS FAKTÖRÜ"),
        tr("DİŞLİNİN DÖKÜMÜ"),
        tr("DİŞ GENİŞLİĞİ (mm; boşsa ba)"),
        tr("SÜRTÜNME KATSAYISI (boşsa AGMA eğrisi)"),
        tr("VİDA YATAK ARALIĞI (mm; boşsa 2,5 × L)"),
        tr("VİDA SERTLEŞTİRİLMİŞ (değilse ıslah edilmiş)"),
        tr("İZİN VERİLEN EĞİLME GERİLMESİ σall (MPa; boşsa yok)"),
        tr("VİDA MİLİNDE FAN"),
        tr("GÖVDE YAN YÜZEYİ (m²; boşsa AGMA en küçüğü)"),
        tr("ORTAM SICAKLIĞI (°C)"),
        tr("YAĞ SICAKLIĞI SINIRI (°C; boşsa yok)"),
    };
    // The load's column starts with the choice of what the load is, which has no label.
    const int loadRows = m_inputs->rowCount() - 1;
    for (int i = 0; i < labels.size(); ++i) {
        QFormLayout* column = i < loadRows ? m_inputs : m_heatInputs;
        const int row = i < loadRows ? i + 1 : i - loadRows;
        auto* label = qobject_cast<QLabel*>(column->itemAt(row, QFormLayout::LabelRole)->widget());
        label->setText(labels.at(i));
        label->setBuddy(column->itemAt(row, QFormLayout::FieldRole)->widget());
    }
    m_method->setText(ratingMethod());
    m_table->setHorizontalHeaderLabels({tr("Ölçü"), tr("Değer"), tr("Birim"), tr("Kural")});
    // A refused input's message is worded again.
    if (m_bad) {
        takeInputs();
    }
}

void RatingWindow::followChoices() {
    // Inputs this window did not give, a job's, are shown; its own, typo and all, stay.
    if (!(flow().ratingInputs() == m_sent)) {
        showInputs(flow().ratingInputs());
        takeInputs();
    }
    refreshIfShown();
}

void RatingWindow::showInputs(const RatingInputs& in) {
    const QLocale& locale = form().locale();
    const auto text = [&locale](const std::optional<double>& x) {
        return x ? FieldValues::writeNumber(*x, locale) : QString();
    };
    const QSignalBlocker a(m_given);
    const QSignalBlocker b(m_casting);
    const QSignalBlocker c(m_fan);
    const QSignalBlocker d(m_hardened);
    m_hardened->setChecked(in.hardenedWorm);
    m_span->setText(text(in.bearingSpan));
    m_bendingAllowable->setText(text(in.bendingAllowable));
    m_given->setCurrentIndex(in.given == LoadGiven::InputPower ? 1 : 0);
    m_casting->setCurrentIndex(int(in.casting));
    m_fan->setChecked(in.fan);
    m_load->setText(text(in.load));
    m_serviceFactor->setText(text(in.serviceFactor));
    m_faceWidth->setText(text(in.faceWidth));
    m_friction->setText(text(in.friction));
    m_area->setText(text(in.housingArea));
    m_ambient->setText(text(in.ambient));
    m_limit->setText(text(in.sumpLimit));
}

void RatingWindow::switchLoad() {
    // A torque's digits are no power: the load is typed again in its new meaning.
    m_load->clear();
    takeInputs();
}

QString RatingWindow::inputName(RatingInput input) {
    switch (input) {
    case RatingInput::Load:
        return tr("YÜK");
    case RatingInput::ServiceFactor:
        return tr("SERVİS FAKTÖRÜ");
    case RatingInput::FaceWidth:
        return tr("DİŞ GENİŞLİĞİ");
    case RatingInput::Friction:
        return tr("SÜRTÜNME KATSAYISI");
    case RatingInput::HousingArea:
        return tr("GÖVDE YAN YÜZEYİ");
    case RatingInput::Ambient:
        return tr("ORTAM SICAKLIĞI");
    case RatingInput::SumpLimit:
        return tr("YAĞ SICAKLIĞI SINIRI");
    case RatingInput::BearingSpan:
        return tr("VİDA YATAK ARALIĞI");
    case RatingInput::BendingAllowable:
        return tr("İZİN VERİLEN EĞİLME GERİLMESİ");
    }
    return {};
}

QString RatingWindow::rangeMessage(RatingInput input) const {
    const QLocale& locale = form().locale();
    const auto n = [&locale](double x) { return FieldValues::writeNumber(x, locale); };
    switch (input) {
    case RatingInput::Load:
        return tr("«YÜK» boş ya da sıfırdan büyük bir sayı olmalı.");
    case RatingInput::ServiceFactor:
        return tr("«SERVİS FAKTÖRÜ» %1 ile %2 arasında olmalı.")
            .arg(n(lowestServiceFactor), n(highestServiceFactor));
    case RatingInput::FaceWidth:
        return tr("«DİŞ GENİŞLİĞİ» boş ya da sıfırdan büyük bir sayı olmalı.");
    case RatingInput::Friction:
        return tr("«SÜRTÜNME KATSAYISI» boş ya da %1 ile %2 arasında olmalı.")
            .arg(n(ratingRange(input).low), n(ratingRange(input).high));
    case RatingInput::HousingArea:
        return tr("«GÖVDE YAN YÜZEYİ» boş ya da sıfırdan büyük bir sayı olmalı.");
    case RatingInput::Ambient:
        return tr("«ORTAM SICAKLIĞI» %1 ile %2 °C arasında bir sayı olmalı.")
            .arg(n(ratingRange(input).low), n(ratingRange(input).high));
    case RatingInput::SumpLimit:
        return tr("«YAĞ SICAKLIĞI SINIRI» boş ya da %1 ile %2 °C arasında bir sayı olmalı.")
            .arg(n(ratingRange(input).low), n(ratingRange(input).high));
    case RatingInput::BearingSpan:
        return tr("«VİDA YATAK ARALIĞI» boş ya da sıfırdan büyük bir sayı olmalı.");
    case RatingInput::BendingAllowable:
        return tr("«İZİN VERİLEN EĞİLME GERİLMESİ» boş ya da sıfırdan büyük bir sayı olmalı.");
    }
    return {};
}

void RatingWindow::takeInputs() {
    const QLocale& locale = form().locale();
    RatingInputs in;
    in.given = m_given->currentIndex() == 1 ? LoadGiven::InputPower : LoadGiven::OutputTorque;
    in.casting = Casting(std::max(m_casting->currentIndex(), 0));
    in.fan = m_fan->isChecked();
    in.hardenedWorm = m_hardened->isChecked();
    m_bad.reset();
    // An empty text is no value; the first text that does not read is named as the form names
    // its fields, and stands as if it were empty, so that the figures that do not need it stay.
    const auto optional = [&](const QLineEdit* e, RatingInput input) -> std::optional<double> {
        const QString t = e->text().trimmed();
        if (t.isEmpty()) {
            return std::nullopt;
        }
        const CheckedNumber x = checkedNumber(FieldId::m_t, t, locale);
        if (const auto fault = x.faultFor(FieldId::m_t)) {
            if (!m_bad) {
                m_bad = input;
                m_badMessage = faultMessage(*fault, inputName(input), locale);
            }
            return std::nullopt;
        }
        return x.value();
    };
    in.load = optional(m_load, RatingInput::Load);
    in.serviceFactor = optional(m_serviceFactor, RatingInput::ServiceFactor)
                           .value_or(RatingInputs{}.serviceFactor);
    in.faceWidth = optional(m_faceWidth, RatingInput::FaceWidth);
    in.friction = optional(m_friction, RatingInput::Friction);
    in.housingArea = optional(m_area, RatingInput::HousingArea);
    in.ambient = optional(m_ambient, RatingInput::Ambient).value_or(RatingInputs{}.ambient);
    in.sumpLimit = optional(m_limit, RatingInput::SumpLimit);
    in.bearingSpan = optional(m_span, RatingInput::BearingSpan);
    in.bendingAllowable = optional(m_bendingAllowable, RatingInput::BendingAllowable);
    if (!m_bad) {
        if (const auto out = firstInvalid(in)) {
            m_bad = *out;
            m_badMessage = rangeMessage(*out);
        }
    }
    if (m_bad) {
        // The input refused stands at its default for the figures that do not need it.
        const RatingInputs d;
        switch (*m_bad) {
        case RatingInput::Load:
            in.load = d.load;
            break;
        case RatingInput::ServiceFactor:
            in.serviceFactor = d.serviceFactor;
            break;
        case RatingInput::FaceWidth:
            in.faceWidth = d.faceWidth;
            break;
        case RatingInput::Friction:
            in.friction = d.friction;
            break;
        case RatingInput::HousingArea:
            in.housingArea = d.housingArea;
            break;
        case RatingInput::Ambient:
            in.ambient = d.ambient;
            break;
        case RatingInput::SumpLimit:
            in.sumpLimit = d.sumpLimit;
            break;
        case RatingInput::BearingSpan:
            in.bearingSpan = d.bearingSpan;
            break;
        case RatingInput::BendingAllowable:
            in.bendingAllowable = d.bendingAllowable;
            break;
        }
    }
    m_taken = in;
    if (!m_bad) {
        // The job keeps them, and the settings for the next job.
        m_sent = in;
        flow().setRatingInputs(in);
        KeptChoices::keep(m_settings, in);
    }
    refreshIfShown();
}

void RatingWindow::refresh() {
    const QLocale& locale = form().locale();
    if (!beginFigures(tr("VERİM VE YÜK"), *m_table, *m_warnings, *m_message)) {
        return;
    }
    const auto rated = rateFields(shown().texts(), locale, flow().gauge().profileAngle,
                                  m_taken.value_or(RatingInputs{}));
    if (const auto* fault = std::get_if<Fault>(&rated)) {
        m_message->setText(faultMessage(*fault, locale));
        return;
    }
    const auto& rating = std::get<DriveRating>(rated);
    const auto kept = [this](auto id) { return !m_bad || !ratingNeeds(id, *m_bad); };
    m_message->setText(m_bad ? m_badMessage
                       : rating.inputs.load
                           ? QString()
                           : tr("Yük verilmedi: kuvvetler, güçler ve yağ sıcaklığı için T2 ya "
                                "da P1 yazın."));
    QList<QStringList> rows;
    for (const RatingFigure& f : rating.figures) {
        if (kept(f.id)) {
            rows.append({ratingCaption(f.id), ratingValue(f, locale), ratingUnit(f.id),
                         ratingRule(f.id, rating, locale)});
        }
    }
    showFigureRows(*m_table, rows);
    QStringList notes;
    for (const RatingWarning& w : rating.warnings) {
        if (kept(w.kind)) {
            notes.append(tr("Uyarı: %1").arg(ratingWarningText(w, locale)));
        }
    }
    m_warnings->setText(notes.join(QLatin1Char('\n')));
}
