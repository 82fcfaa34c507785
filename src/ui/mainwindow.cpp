#include "ui/mainwindow.h"

#include "ui_mainwindow.h"

#include <QMessageBox>

MainWindow::MainWindow(const QLocale& locale, QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::MainWindow>())
    , m_form(locale, *this) {
    m_ui->setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":/zorvandi/zorvandi-32.png")));

    // In FieldId order.
    m_fields = {m_ui->m_t,     m_ui->Z2_t, m_ui->da1_t, m_ui->N1_t, m_ui->da2_t, m_ui->d2_t,
                m_ui->df2_t,   m_ui->h2_t, m_ui->ba_t,  m_ui->d1_t, m_ui->df1_t, m_ui->h1_t,
                m_ui->L_t,     m_ui->P_t,  m_ui->A_t,   m_ui->N2_t, m_ui->AÇI_t, m_ui->AASAĞ_t,
                m_ui->AASOL_t, m_ui->GD_t, m_ui->ÇD_t,  m_ui->KS_t};
    m_buttons = {m_ui->HESAPLA, m_ui->Command2, m_ui->Command1};
    applyFonts();

    // textChanged, not textEdited: a text that reaches a field by any route (typed, pasted,
    // set by an accessibility client) is the text the calculation reads.
    for (const FieldId id : allFields) {
        connect(field(id), &QLineEdit::textChanged, this,
                [this, id](const QString& text) { m_form.setText(id, text); });
    }
    for (const ButtonId id : allButtons) {
        connect(button(id), &QPushButton::clicked, this, [this, id] { m_form.click(id); });
    }
    connect(&m_form, &FormState::textChanged, this, &MainWindow::showText);
    connect(&m_form, &FormState::enabledChanged, this, &MainWindow::showEnabled);

    m_form.Form_Load();
    m_ui->m_t->setFocus();
}

MainWindow::~MainWindow() = default;

void MainWindow::showMessage(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("ZORVANDI"), text, QMessageBox::Ok, this);
    box.exec();
}

void MainWindow::showText(FieldId id, const QString& text) {
    QLineEdit* edit = field(id);
    if (edit->text() != text) {
        edit->setText(text);
    }
}

void MainWindow::showEnabled(ButtonId id, bool enabled) {
    button(id)->setEnabled(enabled);
}

// The form is laid out in pixels, so its fonts are sized in pixels too: a caption then fits
// its label at any screen resolution. Designer only knows point sizes, hence this is code.
void MainWindow::applyFonts() {
    QFont caption(QStringLiteral("Liberation Sans"));
    caption.setPixelSize(10);
    QFont input = caption;
    input.setPixelSize(11);
    QFont output = caption;
    output.setBold(true);

    for (QLabel* label : findChildren<QLabel*>()) {
        label->setFont(caption);
    }
    for (const FieldId id : allFields) {
        field(id)->setFont(isInputField(id) ? input : output);
    }
}
