#include "app/platformsetup.h"

#include <QByteArray>

#include "app/settingslocation.h"

#ifdef Q_OS_WIN
#include <qt_windows.h>

#include <cstdio>
#endif

void skipUnusedOpenGl()
{
    // An explicit choice, even an empty one, is the operator's to make.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION")) {
        qputenv("QT_XCB_GL_INTEGRATION", QByteArray("none"));
    }
}

#ifdef Q_OS_WIN
static bool streamUsable(DWORD which)
{
    const HANDLE handle = GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

void attachToParentConsole()
{
    // A stream redirected to a file or a pipe stays where it was sent.
    const bool out = streamUsable(STD_OUTPUT_HANDLE);
    const bool err = streamUsable(STD_ERROR_HANDLE);
    if ((out && err) || !AttachConsole(ATTACH_PARENT_PROCESS)) {
        return;
    }
    if (!out) {
        static_cast<void>(std::freopen("CONOUT$", "w", stdout));
    }
    if (!err) {
        static_cast<void>(std::freopen("CONOUT$", "w", stderr));
    }
}
#else
void attachToParentConsole() { }
#endif

QStringList readArguments(int argc, char* argv[], std::vector<QByteArray>& recoded)
{
    // Qt gets the line as it was on Windows: it reads the wide one there.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << decodeArgument(argv[i]);
    }
#ifdef Q_OS_UNIX
    recoded.reserve(static_cast<size_t>(argc));
    for (int i = 0; i < argc; ++i) {
        recoded.push_back(arguments.at(i).toLocal8Bit());
        if (recoded.back() != argv[i]) {
            argv[i] = recoded.back().data();
        }
    }
#else
    Q_UNUSED(recoded)
#endif
    return arguments;
}
