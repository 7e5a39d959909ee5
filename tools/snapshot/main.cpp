// zarel-snapshot: starts the panel with a settings profile, optionally
// connects it, lets it run for a while and saves a picture of the window.
// Used by the demo on machines without a display and for the README picture.
#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QPixmap>
#include <QTimer>

#include "app/mainwindow.h"
#include "app/platformsetup.h"
#include "forms/panelform.h"

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Saves a picture of the Zarel panel."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("profile"), QStringLiteral("Settings profile (settings<profile>.ini)."),
                      QStringLiteral("name")});
    parser.addOption({QStringLiteral("connect"), QStringLiteral("Connect to the Merax first.")});
    parser.addOption({QStringLiteral("wait"), QStringLiteral("Milliseconds to run before the picture."),
                      QStringLiteral("ms"), QStringLiteral("1000")});
    parser.addOption({QStringLiteral("output"), QStringLiteral("PNG file to write."), QStringLiteral("file"),
                      QStringLiteral("zarel.png")});
    parser.addOption({QStringLiteral("band-following"),
                      QStringLiteral("Also save the Band Following dialog, opened from the File menu."),
                      QStringLiteral("file")});
    parser.process(arguments);

    // The same platform as the panel's, so pictures and measurements match it.
    skipUnusedOpenGl();
    // The window reads its profile from the first argument, as the panel does.
    QByteArray profile = parser.value(QStringLiteral("profile")).toLocal8Bit();
    char* windowArgs[] = {argv[0], profile.data(), nullptr};
    int windowArgc = profile.isEmpty() ? 1 : 2;
    QApplication app(windowArgc, windowArgs);
    qRegisterMetaType<MainWindow*>("MainWindow*");

    int exitCode = 0;
    {
        MainWindow window;
        window.show();
        if (parser.isSet(QStringLiteral("connect"))) {
            QTimer::singleShot(0, window.ui->actionConnect_to_Merax, &QAction::trigger);
        }
        const QString output = parser.value(QStringLiteral("output"));
        QTimer::singleShot(parser.value(QStringLiteral("wait")).toInt(), &window, [&] {
            if (!window.grab().save(output, "PNG")) {
                fprintf(stderr, "could not write %s\n", qPrintable(output));
                exitCode = 1;
            } else {
                printf("saved %s\n", qPrintable(output));
            }
            const QString dialogOutput = parser.value(QStringLiteral("band-following"));
            if (!dialogOutput.isEmpty()) {
                window.ui->actionBand_Following->trigger();
                QWidget* dialog = QApplication::activeModalWidget();
                for (QWidget* top : QApplication::topLevelWidgets()) {
                    if (top->isVisible() && top->windowTitle() == QLatin1String("Band Following")) {
                        dialog = top;
                    }
                }
                if (dialog == nullptr || !dialog->grab().save(dialogOutput, "PNG")) {
                    fprintf(stderr, "could not write %s\n", qPrintable(dialogOutput));
                    exitCode = 1;
                }
            }
            window.close();
        });
        app.exec();
        MainWindow::stopThreads();
    }
    return exitCode;
}
