#pragma once

// The interface's language, one at a time. The Turkish texts are the source texts, so the
// Turkish interface needs no catalogue of its own; it takes Qt's own Turkish catalogue for the
// texts Qt itself shows (dialog buttons, the file and print dialogs, a field's context menu).
// English is a catalogue made from translations/zorvandi_en.ts and built into the program.
// Switching installs the other catalogues, and Qt sends every widget a LanguageChange.

#include <QLocale>
#include <QSettings>
#include <QTranslator>

enum class Language {
    Turkish,
    English,
};

class Translations {
public:
    Translations() = default;
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;
    ~Translations();

    void apply(Language language);
    Language language() const { return m_language; }

private:
    void remove();

    Language m_language = Language::Turkish;
    QTranslator m_program; // zorvandi_en, for English
    QTranslator m_qt;      // Qt's own qtbase_tr, for Turkish
    bool m_installed = false;
};

// The choice the user saved; Turkish when there is none, whatever the system's language.
Language savedLanguage(const QSettings& settings);
void saveLanguage(QSettings& settings, Language language);

// The language of what the program prints without a window (the help, a batch's messages): the
// saved choice, else the locale's: English for a locale of another language, Turkish for a
// Turkish one and for the C locale, which names no language.
Language printedLanguage(const QSettings& settings, const QLocale& locale);
