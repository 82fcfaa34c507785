#include "ui/formview.h"

#include "ui_formview.h"

FormView::FormView(Workflow& flow, QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::FormView>()) {
    applyFormFont();
    m_ui->setupUi(this);

    // In FieldId order.
    m_fields = {m_ui->m_t,     m_ui->Z2_t, m_ui->da1_t, m_ui->N1_t, m_ui->da2_t, m_ui->d2_t,
                m_ui->df2_t,   m_ui->h2_t, m_ui->ba_t,  m_ui->d1_t, m_ui->df1_t, m_ui->h1_t,
                m_ui->L_t,     m_ui->P_t,  m_ui->A_t,   m_ui->N2_t, m_ui->AÇI_t, m_ui->AASAĞ_t,
                m_ui->AASOL_t, m_ui->GD_t, m_ui->ÇD_t,  m_ui->KS_t};
    m_buttons = {m_ui->HESAPLA, m_ui->Command2, m_ui->Command1};
    applyOutputFont();

    FormState& form = flow.form();
    // textChanged, not textEdited: a text that reaches a field by any route (typed, pasted,
    // set by an accessibility client) is the text the calculation reads.
    for (const FieldId id : allFields) {
        connect(field(id), &QLineEdit::textChanged, this,
                [&form, id](const QString& text) { form.setText(id, text); });
    }
    for (const ButtonId id : allButtons) {
        connect(button(id), &QPushButton::clicked, this, [&flow, id] { flow.click(id); });
    }
    connect(&form, &FormState::textChanged, this, &FormView::showText);
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
}

void FormView::showEnabled(ButtonId id, bool enabled) const {
    button(id)->setEnabled(enabled);
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

void FormView::applyOutputFont() {
    QFont output = font();
    output.setBold(true);
    for (const FieldId id : allFields) {
        if (!isInputField(id)) {
            field(id)->setFont(output);
        }
    }
}
