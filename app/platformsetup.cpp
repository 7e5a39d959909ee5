#include "app/platformsetup.h"

#include <QByteArray>

void skipUnusedOpenGl()
{
    // An explicit choice, even an empty one, is the operator's to make.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION")) {
        qputenv("QT_XCB_GL_INTEGRATION", QByteArray("none"));
    }
}
