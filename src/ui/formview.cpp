#include "ui/formview.h"

#include "calc/jobsheet.h"
#include "calc/rating.h"
#include "model/fieldvalues.h"

#include "ui_formview.h"

#include <QEvent>
#include <QLabel>

FormView::FormView(Workflow& flow, QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::FormView>())
    , m_flow(flow) {
    applyFormFont();
    m_ui->setupUi(this);

    for (const FieldId id : allFields) {
        m_fields.at(indexOf(id)) = findChild<QLineEdit*>(fieldName(id));
        Q_ASSERT(m_fields.at(indexOf(id)) != nullptr);
    }
    for (const ButtonId id : allButtons) {
        m_buttons.at(indexOf(id)) = findChild<QPushButton*>(buttonName(id));
        Q_ASSERT(m_buttons.at(indexOf(id)) != nullptr);
    }
    applyOutputFont();
    showCaptions();
    for (const FieldId id : allFields) {
        m_freshPalettes.at(indexOf(id)) = field(id)->palette();
    }

    FormState& form = flow.form();
    // textChanged, not textEdited: a text that reaches a field by any route (typed, pasted,
    // set by an accessibility client) is the text the calculation reads.
    for (const FieldId id : allFields) {
        connect(field(id), &QLineEdit::textChanged, this,
                [&form, id](const QString& text) { form.setText(id, text); });
    }
    for (const FieldId id : allFields) {
        if (isInputField(id)) {
            connect(field(id), &QLineEdit::returnPressed, this,
                    [this, id] { returnPressedIn(id); });
        }
    }
    for (const ButtonId id : allButtons) {
        connect(button(id), &QPushButton::clicked, this, [&flow, id] { flow.click(id); });
    }
    for (const FieldId id : allFields) {
        showText(id, form.getText(id));
    }
    connect(&form, &FormState::textChanged, this, &FormView::showText);
    connect(&flow, &Workflow::sectionStateChanged, this, &FormView::showSectionState);
    connect(&form, &FormState::enabledChanged, this, &FormView::showEnabled);
    for (const ButtonId id : allButtons) {
        showEnabled(id, form.isEnabled(id));
    }
}

FormView::~FormView() = default;

void FormView::showText(FieldId id, const QString& text) const {
    QLineEdit* edit = field(id);
    if (edit->text() != text) {
        edit->setText(text);
    }
    if (id == FieldId::d1_t || id == FieldId::A_t) {
        explainWormSize();
    }
}

// d1's tooltip says where it stands in AGMA's proportion to the centre distance.
void FormView::explainWormSize() const {
    const FormState& form = m_flow.form();
    field(FieldId::d1_t)->setToolTip(wormSizeNote(form.texts(), form.locale()));
}

void FormView::showEnabled(ButtonId id, bool enabled) const {
    button(id)->setEnabled(enabled);
}

// The texts stay, as the user may still want to read them; their colour says that they no
// longer belong to the inputs on the screen (or, for the gears, to the machine in use).
void FormView::showSectionState(ButtonId section, SectionState state) {
    const bool stale = isStale(state);
    for (const FieldInfo& info : fieldTable) {
        bool& shown = m_shownStale.at(indexOf(info.id));
        if (info.section != section || info.role != FieldRole::Output || shown == stale) {
            continue;
        }
        shown = stale;
        QPalette palette = m_freshPalettes.at(indexOf(info.id));
        if (stale) {
            const QColor grey = palette.color(QPalette::Disabled, QPalette::Text);
            palette.setColor(QPalette::Active, QPalette::Text, grey);
            palette.setColor(QPalette::Inactive, QPalette::Text, grey);
        }
        field(info.id)->setPalette(palette);
    }
}

// Return moves on to the section's next input; in its last, it presses the section's button,
// which does nothing while the button is disabled.
void FormView::returnPressedIn(FieldId id) const {
    if (const std::optional<FieldId> next = nextInputInSection(id)) {
        field(*next)->setFocus(Qt::TabFocusReason);
        return;
    }
    button(fieldInfo(id).section)->click();
}

// The form is laid out in pixels, so its fonts are sized in pixels too: a caption then fits
// its label at any screen resolution (Designer only knows point sizes, hence this is code).
// It is set before the controls are made, so they are born with it and start-up matches and
// loads no font but this one and its bold face.
QFont FormView::formFont() {
    QFont form(QStringLiteral("Liberation Sans"));
    form.setPixelSize(10);
    return form;
}

void FormView::applyFormFont() {
    setFont(formFont());
}

void FormView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        showCaptions();
    }
    QWidget::changeEvent(event);
}

// The labels' captions come from the field table, in the interface's language; a label is
// found as the buddy of its field, so that its caption is also the field's accessible name.
void FormView::showCaptions() {
    for (QLabel* label : findChildren<QLabel*>()) {
        const auto* buddy = qobject_cast<QLineEdit*>(label->buddy());
        if (const auto id = buddy != nullptr ? fieldNamed(buddy->objectName()) : std::nullopt) {
            label->setText(fieldCaption(*id));
        }
    }
    explainAngleNotation();
    explainWormSize();
}

// 0,08 is 0° 08′, which a new user would read as a decimal.
void FormView::explainAngleNotation() {
    const QLocale& locale = m_flow.form().locale();
    const QString tip =
        tr("Derece ve dakika: %1 = 0° 08′, %2 = 3° 35′ "
           "(ondalık derece değil).")
            .arg(FieldValues::writeNumber(0.08, locale), FieldValues::writeNumber(3.35, locale));
    for (const FieldInfo& info : fieldTable) {
        if (info.unit == FieldUnit::DegreesAndMinutes) {
            field(info.id)->setToolTip(tip);
        }
    }
}

void FormView::applyOutputFont() {
    QFont output = font();
    output.setBold(true);
    for (const FieldId id : allFields) {
        if (!isInputField(id)) {
            field(id)->setFont(output);
        }
    }
}
