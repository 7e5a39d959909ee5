#include "app/languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

// Q_INIT_RESOURCE declares its function in the enclosing namespace: call it
// from the global one.
static void registerTranslations()
{
    Q_INIT_RESOURCE(translations);
}

namespace languages {

namespace {

// Qt's own texts given a shorter word in the panel's translations, so that
// update-translations keeps them.
[[maybe_unused]] const char* const shorterQtTexts[] = {QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel")};

// "pt-br", "PT_BR" -> "pt_BR"
QString normalised(const QString& code)
{
    QStringList parts = code.trimmed().split(QRegularExpression(QStringLiteral("[-_]")));
    if (parts.isEmpty() || parts.first().isEmpty()) {
        return QString();
    }
    parts[0] = parts[0].toLower();
    if (parts.size() > 1) {
        parts[1] = parts[1].toUpper();
    }
    return parts.mid(0, 2).join(QLatin1Char('_'));
}

QString match(const QString& code)
{
    const QString wanted = normalised(code);
    if (wanted.isEmpty()) {
        return QString();
    }
    const QStringList codes = available();
    if (codes.contains(wanted)) {
        return wanted;
    }
    const QString language = wanted.section(QLatin1Char('_'), 0, 0);
    for (const QString& candidate : codes) {
        if (candidate.section(QLatin1Char('_'), 0, 0) == language) {
            return candidate;
        }
    }
    return QString();
}

} // namespace

QStringList available()
{
    return {QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr"),
            QStringLiteral("it"), QStringLiteral("ja"), QStringLiteral("pt_BR")};
}

Option takeOption(QStringList& arguments)
{
    Option option;
    const QString name = QStringLiteral("--lang");
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == name) {
            option.given = true;
            option.code = arguments.value(i + 1);
            arguments.erase(arguments.begin() + i, arguments.begin() + qMin(i + 2, arguments.size()));
            return option;
        }
        if (argument.startsWith(name + QLatin1Char('='))) {
            option.given = true;
            option.code = argument.mid(name.size() + 1);
            arguments.removeAt(i);
            return option;
        }
    }
    return option;
}

bool isEnglish(const QString& code)
{
    return normalised(code).section(QLatin1Char('_'), 0, 0) == QLatin1String("en");
}

QString choose(const QString& requested, const QStringList& systemLanguages)
{
    if (!requested.isEmpty()) {
        return match(requested);
    }
    for (const QString& language : systemLanguages) {
        if (isEnglish(language)) {
            return QString();
        }
        const QString found = match(language);
        if (!found.isEmpty()) {
            return found;
        }
    }
    return QString();
}

bool install(QCoreApplication& app, const QString& code)
{
    if (code.isEmpty()) {
        return true;
    }
    registerTranslations();
    auto* panel = new QTranslator(&app);
    if (!panel->load(QStringLiteral(":/translations/zarel_%1.qm").arg(code))) {
        delete panel;
        return false;
    }
    // Qt's own texts: Debian's qttranslations, or the folder beside the
    // program that the Windows package brings.
    auto* qt = new QTranslator(&app);
    const QStringList folders {QLibraryInfo::location(QLibraryInfo::TranslationsPath),
                               QCoreApplication::applicationDirPath() + QStringLiteral("/translations")};
    bool found = false;
    for (const QString& folder : folders) {
        if (qt->load(QStringLiteral("qtbase_") + code, folder)) {
            found = true;
            break;
        }
    }
    if (found) {
        app.installTranslator(qt);
    } else {
        delete qt;
    }
    // Installed last, so it is asked first: a Qt button text too wide for
    // the panel's fixed dialogs has a shorter word here.
    app.installTranslator(panel);
    QLocale::setDefault(QLocale(code));
    return true;
}

} // namespace languages
