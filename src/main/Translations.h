#pragma once

#include <QLocale>
#include <QStringList>
#include <QTranslator>
#include <string>

// The program's texts, and the toolkit's own (its standard buttons, the command line's messages), in the
// user's language. English is the language the program is written in and needs no file.
class Translations {
public:
    // The user's languages as the toolkit reads them (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), in order; the
    // program's translations are read from the folder given, by default the one built into the program.
    explicit Translations(const QStringList& uiLanguages = QLocale::system().uiLanguages(),
                          const QString& folder = QStringLiteral(":/i18n"));

    // Into the application running now; a later application needs it again. Where a language is loaded,
    // the engine's texts (its messages, reasons and marks) are translated through TranslateEngineText.
    void Install();
    // The language loaded, such as "de"; empty for English.
    QString Language() const { return language_; }

private:
    QString language_;
    QTranslator program_;
    QTranslator toolkit_;
};

// Of the user's languages in their order of preference, the first the program is translated into, as the
// suffix of its file ("de", "pt_BR"); empty when English comes first or nothing fits.
QString ChooseLanguage(const QStringList& uiLanguages, const QStringList& translated);

// An engine text's template in the language of the translations installed, as UTF-8: the translation
// the engine is handed. Any thread may call it.
std::string TranslateEngineText(const char* context, const char* source);
