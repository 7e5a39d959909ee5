// merax-sim: a stand-in Merax on UDP, for training and testing without the
// hardware. See --help.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

#include "simoptions.h"
#include "simserver.h"
#include "stoprequests.h"

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("merax-sim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZAREL_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Simulates a Merax antenna switch on UDP: answers status requests (FE 01 FD) with a report and carries "
        "out antenna, split, GPO, RX and RTX commands. Prints \"listening on ADDRESS:PORT\" once bound, and a "
        "counter summary when it ends (Ctrl+C, SIGTERM, Ctrl+Break or closing its console on Windows, "
        "\"quit\" on standard input with --stdin-commands, or --quit-after)."));
    parser.addHelpOption();
    parser.addVersionOption();
    addSimOptions(parser);
    parser.process(app);

    SimOptions options;
    QString error;
    if (!readSimOptions(parser, options, error)) {
        std::fprintf(stderr, "merax-sim: %s\n", qPrintable(error));
        return 1;
    }

    SimServer server(options);
    StopRequests stopRequests(options.stdinCommands);
    QObject::connect(&stopRequests, &StopRequests::terminationRequested, &app, &QCoreApplication::quit);
    QObject::connect(&stopRequests, &StopRequests::silenceToggleRequested, &server, &SimServer::toggleSilent);
    QObject::connect(&stopRequests, &StopRequests::restartRequested, &server, &SimServer::restart);
    QObject::connect(&stopRequests, &StopRequests::busyRequested, &server, &SimServer::setBusy);
    if (!server.start(error)) {
        std::fprintf(stderr, "merax-sim: %s\n", qPrintable(error));
        return 1;
    }
    if (options.quitAfterMs >= 0) {
        QTimer::singleShot(options.quitAfterMs, &app, &QCoreApplication::quit);
    }

    const int code = app.exec();
    printLine(server.summary());
    return code;
}
