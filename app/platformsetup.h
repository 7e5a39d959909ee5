#ifndef ZAREL_PLATFORMSETUP_H
#define ZAREL_PLATFORMSETUP_H

#include <QByteArray>
#include <QStringList>

#include <vector>

// Choices about the platform made before the application object exists.

// The panel draws with widgets only, yet Qt's X11 platform loads an OpenGL
// implementation (tens of megabytes of software rasteriser on most desktops)
// as soon as it starts. Unless the operator's environment names a GL
// integration itself, none is loaded.
void skipUnusedOpenGl();

// A Windows program built for the desktop starts without a console, so what
// --help and --version print would go nowhere: writes to a standard stream
// that was not redirected go to the console of the program that started it,
// if any. Does nothing elsewhere.
void attachToParentConsole();

// The command line as text (decodeArgument). On Unix Qt would read an
// argument not in the system's encoding as replacement characters, and two
// such profiles would share one file: argv gets the argument as read here,
// from `recoded`, which must outlive the application object.
QStringList readArguments(int argc, char* argv[], std::vector<QByteArray>& recoded);

#endif // ZAREL_PLATFORMSETUP_H
