#include "app/settingslocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTextCodec>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <unistd.h>

#include <vector>
#endif

QString profileFileName(const QString& profile)
{
    // Separators of both systems and what Windows refuses in a name. Only
    // ASCII is replaced, so two names differing beyond it never share a file.
    static const QString unusable = QStringLiteral("/\\:*?\"<>|");
    QString name = profile;
    for (QChar& ch : name) {
        if (ch.unicode() < 0x80 && (unusable.contains(ch) || ch.category() == QChar::Other_Control)) {
            ch = QLatin1Char('_');
        }
    }
    return QStringLiteral("settings") + name + QStringLiteral(".ini");
}

bool profileFits(const QString& profile)
{
    // The longest name made of it: the lock QLockFile removes when stale.
    const QString longest = profileFileName(profile) + QStringLiteral(".lock.rmlock");
#ifdef Q_OS_WIN
    return longest.size() <= MaxFileNameLength;
#else
    return QFile::encodeName(longest).size() <= MaxFileNameLength;
#endif
}

QString decodeArgument(const QByteArray& argument)
{
    QTextCodec* codec = QTextCodec::codecForLocale();
    QTextCodec::ConverterState state;
    const QString text = codec->toUnicode(argument.constData(), argument.size(), &state);
    return state.invalidChars == 0 && state.remainingChars == 0 ? text : QString::fromLatin1(argument);
}

QString chooseSettingsPath(const QString& programDir, bool programDirWritable, const QString& configDir,
                           const QString& profile)
{
    const QString dir = programDirWritable || configDir.isEmpty() ? programDir : configDir;
    return dir + QLatin1Char('/') + profileFileName(profile);
}

bool writableByBits(QFileDevice::Permissions permissions, bool userOwns, bool userInGroup)
{
    if (userOwns) {
        return permissions.testFlag(QFileDevice::WriteOwner);
    }
    if (userInGroup) {
        return permissions.testFlag(QFileDevice::WriteGroup);
    }
    return permissions.testFlag(QFileDevice::WriteOther);
}

#ifdef Q_OS_UNIX
static bool userInGroup(uint group)
{
    if (group == ::getegid()) {
        return true;
    }
    const int count = ::getgroups(0, nullptr);
    std::vector<gid_t> groups(static_cast<size_t>(qMax(count, 0)));
    const int filled = count > 0 ? ::getgroups(count, groups.data()) : 0;
    for (int i = 0; i < filled; ++i) {
        if (groups[static_cast<size_t>(i)] == group) {
            return true;
        }
    }
    return false;
}
#endif

bool folderWritable(const QString& dir)
{
    const QFileInfo info(dir);
#ifdef Q_OS_UNIX
    // The system's answer catches read-only mounts and access lists.
    if (!info.isDir() || !info.isWritable()) {
        return false;
    }
    // Not WriteUser: Qt fills that one in by asking the system.
    return writableByBits(info.permissions(), info.ownerId() == ::geteuid(), userInGroup(info.groupId()));
#else
    // Windows answers isWritable() from the read-only attribute alone, which
    // on a folder does not stop files being made (Explorer sets it on folders
    // it customises), and not from the folder's access list: only a file made
    // there tells.
    if (!info.isDir()) {
        return false;
    }
    QTemporaryFile probe(dir + QStringLiteral("/zarel-XXXXXX.tmp"));
    return probe.open();
#endif
}

// How the system compares file paths.
#ifdef Q_OS_WIN
constexpr Qt::CaseSensitivity pathCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity pathCase = Qt::CaseSensitive;
#endif

bool isSystemFolder(const QString& dir)
{
    const QString path = QDir::cleanPath(QDir::fromNativeSeparators(dir));
#ifdef Q_OS_WIN
    QStringList roots;
    for (const char* name : {"ProgramFiles", "ProgramFiles(x86)", "ProgramW6432"}) {
        const QString root = qEnvironmentVariable(name);
        if (!root.isEmpty()) {
            roots << QDir::cleanPath(QDir::fromNativeSeparators(root));
        }
    }
    // Where a per-user install goes: its folder is the program's, and
    // uninstalling removes it.
    const QString local = qEnvironmentVariable("LOCALAPPDATA");
    if (!local.isEmpty()) {
        roots << QDir::cleanPath(QDir::fromNativeSeparators(local)) + QStringLiteral("/Programs");
    }
#else
    const QStringList roots {QStringLiteral("/usr"),  QStringLiteral("/opt"), QStringLiteral("/bin"),
                             QStringLiteral("/sbin"), QStringLiteral("/lib"), QStringLiteral("/snap")};
#endif
    return std::any_of(roots.begin(), roots.end(), [&](const QString& root) {
        return path.compare(root, pathCase) == 0 || path.startsWith(root + QLatin1Char('/'), pathCase);
    });
}

SettingsLocation settingsLocation(const QString& programDir, const QString& configDir, const QString& profile)
{
    SettingsLocation location;
    location.path =
        chooseSettingsPath(programDir, folderWritable(programDir) && !isSystemFolder(programDir), configDir, profile);
    const QString beside = programDir + QLatin1Char('/') + profileFileName(profile);
    // A portable copy moved under a protected folder keeps its settings.
    if (QDir::cleanPath(location.path) != QDir::cleanPath(beside) && !QFileInfo::exists(location.path) &&
        QFileInfo(beside).isFile()) {
        location.copiedFrom = beside;
    }
    return location;
}

SettingsLocation settingsLocationForProgram(const QStringList& arguments)
{
    return settingsLocation(QCoreApplication::applicationDirPath(),
                            QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation), arguments.value(1));
}

QString settingsNotice(const SettingsLocation& location, const QString& programDir)
{
    const QString folder = QDir::cleanPath(QFileInfo(location.path).absolutePath());
    if (folder.compare(QDir::cleanPath(QFileInfo(programDir).absoluteFilePath()), pathCase) == 0) {
        return QString();
    }
    const QString notice =
        QCoreApplication::translate("MainWindow", "Settings: %1").arg(QDir::toNativeSeparators(location.path));
    if (location.copiedFrom.isEmpty()) {
        return notice;
    }
    return QCoreApplication::translate("MainWindow", "%1 (copied from %2)")
        .arg(notice, QDir::toNativeSeparators(QFileInfo(location.copiedFrom).absolutePath()));
}

CommandLineRequest commandLineRequest(const QStringList& arguments)
{
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            return CommandLineRequest::Help;
        }
        if (argument == QLatin1String("--version")) {
            return CommandLineRequest::Version;
        }
    }
    const QString first = arguments.value(1);
    if (first == QLatin1String("--journal")) {
        return CommandLineRequest::Journal;
    }
    const auto accountOption = [](const QString& argument) {
        return argument == QLatin1String("--add-user") || argument == QLatin1String("--remove-user") ||
            argument == QLatin1String("--list-users");
    };
    if (accountOption(first) || (!first.startsWith(QLatin1Char('-')) && accountOption(arguments.value(2)))) {
        return CommandLineRequest::Accounts;
    }
    if (first.startsWith(QLatin1Char('-'))) {
        return CommandLineRequest::UnknownOption;
    }
    return profileFits(first) ? CommandLineRequest::Run : CommandLineRequest::ProfileTooLong;
}

QString usageText(const QString& program, const QString& summary, const QString& programDir, const QString& configDir)
{
    const SettingsLocation location = settingsLocation(programDir, configDir, QString());
    QString used = QDir::toNativeSeparators(location.path);
    if (!location.copiedFrom.isEmpty()) {
        used += QStringLiteral("\n(read from %1, and copied there at the first change)")
                    .arg(QDir::toNativeSeparators(location.copiedFrom));
    }
#ifdef Q_OS_WIN
    const QString installFolders = QStringLiteral("Program Files, %LOCALAPPDATA%\\Programs");
#else
    const QString installFolders = QStringLiteral("/usr, /opt");
#endif
    return QStringLiteral("Usage: %5 [--lang CODE] [PROFILE]\n"
                          "       %5 --journal [PROFILE] [--since DATE] [--csv]\n"
                          "       %5 [PROFILE] --add-user NAME [--viewer] | --remove-user NAME | --list-users\n"
                          "       %5 --help | --version\n"
                          "\n"
                          "%6\n"
                          "\n"
                          "  PROFILE      keep the settings in settings<PROFILE>.ini instead of settings.ini;\n"
                          "               it does not start with '-', and characters a file name cannot\n"
                          "               hold, such as '/', become '_'\n"
                          "  --lang CODE  speak this language (de, es, fr, it, ja, pt_BR, or en)\n"
                          "               instead of the system's\n"
                          "  --journal    print the station's journal (journal<PROFILE>.sqlite beside\n"
                          "               the settings file), oldest first; --since DATE from that UTC\n"
                          "               date or time on (2026-12-09, 2026-12-09T18:00), --csv as CSV\n"
                          "               with a header row\n"
                          "  --add-user NAME  add a user of the browser panel (or set a new password),\n"
                          "               an operator, or with --viewer one who sees and cannot switch;\n"
                          "               the password is read from standard input (asked twice on a\n"
                          "               terminal); kept as a salted PBKDF2 hash in users<PROFILE>.ini\n"
                          "  --remove-user NAME, --list-users  remove a user, list them\n"
                          "  -h, --help   show this text and quit\n"
                          "  --version    show the version and quit\n"
                          "\n"
                          "The settings file is kept beside the program, in %1, when that folder\n"
                          "is writable and not one programs are installed in\n"
                          "(%4), and otherwise in %2.\n"
                          "A file left beside the program is then read, and copied there at the\n"
                          "first change. Without a PROFILE the settings are in\n"
                          "%3\n")
        .arg(QDir::toNativeSeparators(programDir), QDir::toNativeSeparators(configDir), used, installFolders, program,
             summary);
}
