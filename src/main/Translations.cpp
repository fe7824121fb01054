#include "Translations.h"

#include "engine/text/EngineText.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

namespace {

const QString Stem = QStringLiteral("titleshaperworkshop_");

QStringList TranslatedLanguages(const QString& folder) {
    QStringList languages;
    for (const QString& file : QDir(folder).entryList({Stem + QStringLiteral("*.qm")}, QDir::Files))
        languages.append(file.mid(Stem.size()).chopped(3));
    return languages;
}

} // namespace

QString ChooseLanguage(const QStringList& uiLanguages, const QStringList& translated) {
    for (QString language : uiLanguages) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString base = language.section(QLatin1Char('_'), 0, 0);
        // A user who puts English before another language reads the program as it is written.
        if (base == QLatin1String("en") || base == QLatin1String("C"))
            return {};
        if (translated.contains(language))
            return language;
        if (translated.contains(base))
            return base;
    }
    return {};
}

Translations::Translations(const QStringList& uiLanguages, const QString& folder)
    : language_(ChooseLanguage(uiLanguages, TranslatedLanguages(folder))) {
    if (language_.isEmpty())
        return;
    if (!program_.load(Stem + language_, folder))
        language_.clear();
    // Without the toolkit's own file its buttons stay English; the program's texts are translated still.
    else
        (void)toolkit_.load(QStringLiteral("qtbase_") + language_,
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

std::string TranslateEngineText(const char* context, const char* source) {
    return QCoreApplication::translate(context, source).toStdString();
}

void Translations::Install() {
    // English needs no translation, and its texts cost the engine nothing more then.
    if (language_.isEmpty())
        return;
    engine::SetTextTranslation(&TranslateEngineText);
    QCoreApplication::installTranslator(&toolkit_);
    QCoreApplication::installTranslator(&program_);
}
