#include "app/platformsetup.h"

#include <QByteArray>

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
