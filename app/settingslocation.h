#ifndef ZAREL_SETTINGSLOCATION_H
#define ZAREL_SETTINGSLOCATION_H

#include <QFileDevice>
#include <QString>
#include <QStringList>

// Where the settings file lives. Beside the program while the operator can
// write there, so a copy on a stick carries its settings along; an installed
// program keeps them in the user's configuration folder instead.

// settings.ini, or settings<profile>.ini. An ASCII character that cannot be
// part of a file name (a path separator among them) becomes '_', so no
// profile name leads out of the folder.
QString profileFileName(const QString& profile);

// The longest file name most file systems hold, in bytes (UTF-16 units on
// Windows).
constexpr int MaxFileNameLength = 255;

// Whether the profile's file, and the files made beside it while it is
// written, have names the file system can hold.
bool profileFits(const QString& profile);

// A command-line argument as text: in the system's encoding, or, where its
// bytes are not (a Latin-1 name typed into a UTF-8 terminal), as Latin-1, so
// that two such names stay two names.
QString decodeArgument(const QByteArray& argument);

QString chooseSettingsPath(const QString& programDir, bool programDirWritable, const QString& configDir,
                           const QString& profile);

// Whether the write bits grant the user's class (owner, group, others) write
// access, as they would for an ordinary user: the system says yes to root
// for any folder.
bool writableByBits(QFileDevice::Permissions permissions, bool userOwns, bool userInGroup);

// The system and the bits both let this user create a file in dir.
bool folderWritable(const QString& dir);

// A folder programs are installed in (/usr, /opt and the like; on Windows
// Program Files and the user's own %LOCALAPPDATA%\Programs): settings never
// go there, even where root or the user could write.
bool isSystemFolder(const QString& dir);

struct SettingsLocation
{
    QString path;
    // The file of the same name beside the program, when the settings go to
    // the configuration folder and have none there yet: it is read, and
    // copied at the first write.
    QString copiedFrom;
};

// Where a program in programDir keeps the profile's settings.
SettingsLocation settingsLocation(const QString& programDir, const QString& configDir, const QString& profile);

// The settings file of this run: the profile is the first argument.
SettingsLocation settingsLocationForProgram(const QStringList& arguments);

// Names the file for the operator when it is not the one beside the program,
// and the folder it is copied from.
QString settingsNotice(const SettingsLocation& location, const QString& programDir);

// What the command line asks for: --help or --version wherever it stands,
// else the first argument is the profile. A profile never starts with '-':
// an option the panel does not know is refused, rather than taken for a
// profile and given a settings file of its own; so is a profile too long to
// name a file.
// --journal first: the journal is printed (see printJournal). --add-user,
// --remove-user or --list-users first or after the profile: the browser
// panel's accounts are managed (see manageAccounts).
enum class CommandLineRequest { Run, Help, Version, UnknownOption, ProfileTooLong, Journal, Accounts };
CommandLineRequest commandLineRequest(const QStringList& arguments);

// --help of `program`: what it is (`summary`), the rule, and the file a run
// without a profile would use.
QString usageText(const QString& program, const QString& summary, const QString& programDir, const QString& configDir);

#endif // ZAREL_SETTINGSLOCATION_H
