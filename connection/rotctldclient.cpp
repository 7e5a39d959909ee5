#include "connection/rotctldclient.h"

#include <QPair>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

RotctldClient::RotctldClient(QObject* parent)
    : HamlibClient("rotctld", pollMs, parent)
{
}

void RotctldClient::forget()
{
    awaited.clear();
    elevation.reset();
    positionRead = false;
}

void RotctldClient::watchClosely(bool on)
{
    const int interval = on ? watchPollMs : pollMs;
    if (pollTimer.interval() != interval) {
        pollTimer.setInterval(interval);
        if (on && state() == State::Connected) {
            poll(); // the turn's first step is seen at once
        }
    }
}

void RotctldClient::poll()
{
    // One read at a time: a slow controller must not pile them up.
    if (awaited.contains(Question::Position)) {
        return;
    }
    if (modelName.isEmpty() && !awaited.contains(Question::Info)) {
        ask("+_\n", Question::Info);
    }
    ask("+p\n", Question::Position);
    answerTimer.start();
}

void RotctldClient::ask(const QByteArray& question, Question asked)
{
    awaited.append(asked);
    write(question, asked == Question::Position);
}

bool RotctldClient::turnTo(double azimuth)
{
    if (state() != State::Connected || !std::isfinite(azimuth)) {
        return false;
    }
    ask(QByteArray("+P ") + QByteArray::number(azimuth, 'f', 1) + ' ' +
            QByteArray::number(elevation.value_or(0.0), 'f', 1) + '\n',
        Question::Turn);
    if (!answerTimer.isActive()) {
        answerTimer.start();
    }
    return true;
}

bool RotctldClient::halt()
{
    if (state() != State::Connected) {
        return false;
    }
    ask("+S\n", Question::Stop);
    if (!answerTimer.isActive()) {
        answerTimer.start();
    }
    return true;
}

namespace {

std::optional<double> degreesFrom(const std::optional<QByteArray>& text)
{
    if (!text || text->size() > 16) {
        return std::nullopt;
    }
    bool ok = false;
    const double value = text->toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < RotctldClient::lowestAzimuth || value > RotctldClient::highestAzimuth) {
        return std::nullopt;
    }
    return value;
}

} // namespace

void RotctldClient::matched(const HamlibAnswer& answer)
{
    static const QList<QPair<QByteArray, Question>> commands {
        {"get_pos", Question::Position},
        {"get_info", Question::Info},
        {"set_pos", Question::Turn},
        {"stop", Question::Stop},
    };
    if (!takeInOrder(awaited, commands, answer,
                     [this](Question question, const HamlibAnswer* given) { answered(question, given); })) {
        stray(answer.command); // nobody asked, or asked and answered already
    }
}

void RotctldClient::stray(const QByteArray& text)
{
    // A bare code is rotctld refusing a command it could not parse: the
    // oldest turn or stop outstanding.
    if (text.startsWith("RPRT ")) {
        const auto command = std::find_if(awaited.begin(), awaited.end(),
                                          [](Question q) { return q == Question::Turn || q == Question::Stop; });
        if (command != awaited.end()) {
            const Question question = *command;
            awaited.erase(command);
            HamlibAnswer refusal;
            refusal.code = text;
            answered(question, &refusal);
            return;
        }
    }
    // A daemon that never told a position and says things that are no
    // answer is not rotctld (or not one that speaks its extended form).
    if (!positionRead) {
        setTrouble(Trouble::Unreadable);
    }
}

void RotctldClient::answered(Question question, const HamlibAnswer* answer)
{
    switch (question) {
    case Question::Position: {
        const std::optional<double> azimuth = degreesFrom(answer ? answer->value("Azimuth") : std::nullopt);
        if (!azimuth) {
            if (answer && answer->refused()) {
                setTrouble(Trouble::ErrorAnswer, answer->code);
            } else {
                setTrouble(Trouble::Unreadable);
            }
            break;
        }
        elevation = degreesFrom(answer->value("Elevation")).value_or(0.0);
        positionRead = true;
        setTrouble(Trouble::None);
        answeredWell();
        Q_EMIT position(*azimuth, *elevation);
        break;
    }
    case Question::Info:
        if (answer) {
            // Printable and short: it is shown and said.
            QString name = QString::fromUtf8(answer->value("Info").value_or(QByteArray())).simplified().left(40);
            name.remove(QRegularExpression(QStringLiteral("[^\\p{L}\\p{N}\\p{P}\\p{S} ]")));
            if (!name.isEmpty() && name != modelName) {
                modelName = name;
                Q_EMIT modelRead(name);
            }
        }
        break;
    case Question::Turn:
    case Question::Stop:
        Q_EMIT commandAnswered(question == Question::Turn ? Command::Turn : Command::Stop, answer && answer->ok(),
                               answer ? answer->code : QByteArray());
        break;
    }
    if (awaited.isEmpty()) {
        answerTimer.stop();
    }
}
