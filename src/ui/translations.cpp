#include "ui/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace {
const QString languageKey = QStringLiteral("language");
} // namespace

Translations::~Translations() {
    remove();
}

void Translations::remove() {
    if (m_installed) {
        QCoreApplication::removeTranslator(&m_program);
        QCoreApplication::removeTranslator(&m_qt);
        m_installed = false;
    }
}

// Without Qt's Turkish catalogue (qt6-translations-l10n) the program still runs, with Qt's own
// texts in English.
void Translations::apply(Language language) {
    remove();
    m_language = language;
    if (language == Language::English) {
        if (m_program.load(QStringLiteral(":/i18n/zorvandi_en.qm"))) {
            QCoreApplication::installTranslator(&m_program);
        }
    } else if (m_qt.load(QStringLiteral("qtbase_tr"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&m_qt);
    }
    m_installed = true;
}

Language savedLanguage(const QSettings& settings) {
    return settings.value(languageKey).toString() == QStringLiteral("en") ? Language::English
                                                                          : Language::Turkish;
}

Language printedLanguage(const QSettings& settings, const QLocale& locale) {
    if (settings.contains(languageKey)) {
        return savedLanguage(settings);
    }
    const QLocale::Language language = locale.language();
    return language == QLocale::Turkish || language == QLocale::C ? Language::Turkish
                                                                  : Language::English;
}

void saveLanguage(QSettings& settings, Language language) {
    settings.setValue(languageKey,
                      language == Language::English ? QStringLiteral("en") : QStringLiteral("tr"));
    settings.sync();
}
