#include <QApplication>

#include "app/mainwindow.h"
#include "app/platformsetup.h"
#include "app/termination.h"

int main(int argc, char* argv[])
{
    skipUnusedOpenGl();
    // Design sizes are device-independent pixels: on a 150 % or 200 % screen
    // the panel is scaled up instead of drawn tiny, and at 100 % nothing changes.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);

    QApplication app(argc, argv);
    qRegisterMetaType<MainWindow*>("MainWindow*");
    catchTerminationSignals();

    int exitCode = 0;
    {
        MainWindow window;
        window.show();
        closeOnTerminationSignals(&window);
        exitCode = app.exec();
        // The threads post to the window: join them before it goes.
        MainWindow::stopThreads();
    }
    return exitCode;
}
