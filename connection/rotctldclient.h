#ifndef ZAREL_ROTCTLDCLIENT_H
#define ZAREL_ROTCTLDCLIENT_H

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

#include "connection/hamlibclient.h"

// A client of Hamlib's rotctld, the daemon through which programs share a
// rotator: reads where it points once a second, four times a second while
// watching a turn, and turns or stops it. Extended questions, as with
// rigctld, so no answer can be taken for the next question's:
//
//   +p\n  get_pos:           +P 135.0 0.0\n  set_pos: 135.0 0.0   +S\n  stop:
//         Azimuth: 45.00                     RPRT 0                    RPRT 0
//         Elevation: 0.00
//         RPRT 0                             +_\n  get_info:
//                                                  Info: Dummy rotator
//                                                  RPRT 0
//
// rotctld refuses a position it cannot read with a bare "RPRT -n": taken
// as the answer to the oldest command outstanding.
class RotctldClient : public HamlibClient
{
    Q_OBJECT

public:
    static constexpr int pollMs = 1000;
    static constexpr int watchPollMs = 250;
    // The azimuths a rotator may report: rotctld's own range reaches past
    // a turn (-180..540 on some controllers).
    static constexpr double lowestAzimuth = -360;
    static constexpr double highestAzimuth = 720;

    enum class Command { Turn, Stop };

    explicit RotctldClient(QObject* parent = nullptr);

    // Polls every watchPollMs instead of pollMs while on.
    void watchClosely(bool on);
    // False when there is no connection to give it to. The elevation kept
    // is the last one read.
    bool turnTo(double azimuth);
    bool halt();
    // What the daemon calls its rotator ("Dummy rotator"); empty until told.
    QString model() const { return modelName; }

Q_SIGNALS:
    // After every answered read of the position, in degrees as rotctld
    // tells them.
    void position(double azimuth, double elevation);
    // A turn or a stop answered: `ok`, or refused with `code` ("RPRT -1").
    void commandAnswered(RotctldClient::Command command, bool ok, const QByteArray& code);
    void modelRead(const QString& model);

private:
    enum class Question { Position, Info, Turn, Stop };
    void poll() override;
    void matched(const HamlibAnswer& answer) override;
    void stray(const QByteArray& text) override;
    void forget() override;
    void ask(const QByteArray& question, Question asked);
    void answered(Question question, const HamlibAnswer* answer);

    QList<Question> awaited; // asked and not answered yet, in order
    std::optional<double> elevation;
    bool positionRead = false; // on this connection
    QString modelName;
};

#endif // ZAREL_ROTCTLDCLIENT_H
