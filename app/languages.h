#ifndef ZAREL_LANGUAGES_H
#define ZAREL_LANGUAGES_H

// The languages the panel speaks besides English, which its texts are
// written in. The operator's captions are never translated.

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace languages {

// Codes of the translations compiled in: "de", "es", "fr", "it", "ja", "pt_BR".
QStringList available();

// "--lang CODE" or "--lang=CODE" anywhere on the command line, taken out of
// `arguments` so the rest reads as before. `given` without a code when the
// option ends the line.
struct Option
{
    bool given = false;
    QString code;
};
Option takeOption(QStringList& arguments);

// The translation for a code asked for ("de", "pt-BR", "en"), or else for the
// first of the system's languages (QLocale::uiLanguages(), "de-AT", "pt-PT")
// that has one; empty for English. A language without its region ("fr-CA")
// takes that language's translation.
QString choose(const QString& requested, const QStringList& systemLanguages);

// Whether a code asks for English ("en", "EN", "en-GB").
bool isEnglish(const QString& code);

// Installs the panel's translation and Qt's own texts (buttons, the colour
// dialog) for `code`, and makes it the default locale; nothing for English.
// Returns false when the panel's translation could not be loaded.
bool install(QCoreApplication& app, const QString& code);

} // namespace languages

#endif // ZAREL_LANGUAGES_H
