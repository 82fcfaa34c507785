#include "windowtesting.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QSettings>
#include <QTest>
#include <QTimer>

void WindowTest::init() {
    open(point);
}

// Each test starts with no machine file and no saved language.
void WindowTest::cleanup() {
    m_window.reset();
    QVERIFY(QDir(m_config.filePath(QStringLiteral("zorvandi"))).removeRecursively());
}

void WindowTest::open(const QLocale& locale) {
    m_window = std::make_unique<MainWindow>(locale, m_config.path());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void WindowTest::type(FieldId id, const QString& text) {
    QTest::mouseClick(field(id), Qt::LeftButton);
    QTest::keyClicks(field(id), text);
}

void WindowTest::retype(FieldId id, const QString& text) {
    field(id)->clear();
    type(id, text);
}

std::optional<Box> WindowTest::clickAndCloseBox(ButtonId id) {
    std::optional<Box> seen;
    QObject guard; // cancels the timer if no box opened
    QTimer::singleShot(0, &guard, [&seen] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seen = Box{box->windowTitle(), box->text(), int(box->buttons().size())};
            box->accept();
        }
    });
    QTest::mouseClick(button(id), Qt::LeftButton);
    return seen;
}

void WindowTest::runTypicalJob(const QString& z2, const QString& gear) {
    type(FieldId::m_t, s("3"));
    type(FieldId::Z2_t, z2);
    type(FieldId::da1_t, s("66"));
    type(FieldId::N1_t, s("1440"));
    QCOMPARE(clickAndCloseBox(ButtonId::HESAPLA), std::nullopt);
    type(FieldId::AÇI_t, s("3"));
    QCOMPARE(clickAndCloseBox(ButtonId::Command2), std::nullopt);
    type(FieldId::GD_t, gear);
    QCOMPARE(clickAndCloseBox(ButtonId::Command1), std::nullopt);
}

QStringList WindowTest::answerModals(const std::function<void()>& act,
                                     QList<std::function<void(QWidget*)>> handlers) {
    QStringList opened;
    QObject guard; // ends the checks once `act` has returned
    QPointer<QWidget> last;
    std::function<void()> check = [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (handlers.isEmpty()) {
            return;
        }
        if (modal == nullptr || modal == last) { // the next one is not open yet
            QTimer::singleShot(5, &guard, check);
            return;
        }
        last = modal;
        opened.append(QString::fromLatin1(modal->metaObject()->className()));
        QTimer::singleShot(0, &guard, check); // for a window that this one leads to
        handlers.takeFirst()(modal);
    };
    QTimer::singleShot(0, &guard, check);
    act();
    return opened;
}

void WindowTest::writeMachineFile(const QByteArray& bytes) {
    QVERIFY(QDir(m_config.path()).mkpath(s("zorvandi")));
    QFile file(m_config.filePath(s("zorvandi/machines.json")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray WindowTest::machineFileBytes() const {
    QFile file(m_config.filePath(s("zorvandi/machines.json")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WindowTest::greyed(FieldId id) const {
    const QPalette palette = field(id)->palette();
    return palette.color(QPalette::Active, QPalette::Text) ==
           palette.color(QPalette::Disabled, QPalette::Text);
}

QMenu* WindowTest::machineMenu() const {
    QMenu* tools = m_window->menuBar()->actions().at(2)->menu();
    emit tools->aboutToShow();
    auto* menu = tools->findChild<QMenu*>(s("machineMenu"));
    emit menu->aboutToShow();
    return menu;
}

void WindowTest::editMachines(const std::function<void(QWidget*)>& edit, const QStringList& files) {
    m_window->setFileChooser(std::make_unique<ScriptedFiles>(files));
    auto* editor = m_window->findChild<QAction*>(s("machinesAction"));
    QVERIFY(editor);
    answerModals([editor] { editor->trigger(); }, {[&edit](QWidget* dialog) {
                     edit(dialog);
                     qobject_cast<QDialog*>(dialog)->accept();
                 }});
}

void WindowTest::pressInField(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    field(FieldId::m_t)->setFocus();
    QTest::keyClick(field(FieldId::m_t), key, modifiers);
}

bool WindowTest::marked() const {
    QEventLoop loop;
    QTimer::singleShot(0, &loop, &QEventLoop::quit);
    loop.exec();
    return m_window->isWindowModified();
}

QVariant WindowTest::setting(const QString& key) const {
    const QSettings settings(m_config.filePath(s("zorvandi/zorvandi.conf")), QSettings::IniFormat);
    return settings.value(key);
}
