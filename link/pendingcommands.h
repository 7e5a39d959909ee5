#ifndef ZAREL_PENDINGCOMMANDS_H
#define ZAREL_PENDINGCOMMANDS_H

// Commands the operator gave that the device has not confirmed yet.
//
// Every command sets a state, so what it asks for is known: Ant 4 means
// field 0 reads 3 (field 3 while split is on), GPO 2 on means bit 1 of the
// outputs, and so on. While a command waits, the panel keeps showing what was
// asked for, whatever the reports say: a report that answers a poll written
// before the command cannot show it yet (link/linkledger.h decides which
// poll a report answers). The first report that answers a later poll judges
// the command: it is confirmed when the report agrees; when it disagrees the
// command is sent again, at most twice more, and then the device's word wins
// and the operator is told. A command a newer one took over in part is not
// sent again: its bytes would undo the newer one.
//
// A switch that waits for the end of a transmission (a guarded command
// while the transmit guard is closed) is not shown as made: the device keeps
// its antenna on the panel until the command is on the wire.

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

#include "link/command.h"
#include "link/devicestate.h"

class PendingCommands
{
public:
    static constexpr int maxAttempts = 3;

    // What `command` asks the device for, given whether split is on as the
    // panel sees it; nothing for commands that ask for no state (polls,
    // unknown types).
    struct Expectation
    {
        std::optional<quint8> selectedAntenna;
        std::optional<quint8> splitActive;
        std::optional<quint8> splitRxAntenna;
        std::optional<quint8> rtxActive;
        std::optional<quint8> rxActive;
        quint8 gpoMask = 0; // outputs the command sets
        quint8 gpoValues = 0;
        QString name; // "Ant 4", "RELEASE", "SPLIT", "RX 2", "RTX", "GPO 3"

        bool isEmpty() const;
        bool agreesWith(const DeviceState& state) const;
        void applyTo(DeviceState& state) const;
        // Leaves out what `newer` asks for: the newer command decides that.
        void withdraw(const Expectation& newer);
        bool operator==(const Expectation& other) const;
    };
    static std::optional<Expectation> expectationOf(const DeviceCommand& command, bool splitOn);

    // The operator gave a command. It replaces an older one for the same
    // thing whole, and takes over what others asked for the same state.
    // Returns false for commands that ask for no state. A `waiting` command
    // is not shown until it is written.
    bool add(const DeviceCommand& command, bool splitOn, bool waiting = false);

    // Whether the same request still waits for the device's word: asked
    // again, it would only put the same bytes on the wire once more.
    bool alreadyAsked(const DeviceCommand& command, bool splitOn) const;

    // A command left with this serial number: the oldest waiting one equal
    // to it is now on the wire. Returns whether it had been held back.
    bool recordWrite(const DeviceCommand& command, quint64 serial);

    // The transmit guard closed: guarded commands not yet written wait.
    // Returns whether any did not wait before.
    bool holdGuarded();
    // Whether a held-back command asks for the same or a dependent thing:
    // `command` cannot leave before it.
    bool waitsBehind(const DeviceCommand& command) const;
    // The antenna key (0 is Ant 1) of a switch held back, if any; with
    // `heldBeforeToo` false, one that waited before it was given does not
    // count (its wait was told already).
    std::optional<int> waitingAntenna(bool heldBeforeToo = true) const;

    struct Verdicts
    {
        QList<DeviceCommand> resend; // to be sent again, in this order
        QStringList notConfirmed; // names of commands the device refused
        QStringList confirmed; // names of commands the device now shows
    };
    // A valid report was applied to `state`; `answeredSerial` is the serial
    // of the poll it answers (none: it cannot judge anything). Judges what it
    // can, then shows what is still waiting on top of the device's state.
    // Switches sent again are guarded; with `guardClosed` they wait.
    Verdicts judge(DeviceState& state, std::optional<quint64> answeredSerial, bool guardClosed = false);

    // Shows what is still waiting on top of `state`.
    void overlay(DeviceState& state) const;

    // Split as the device will have it when a command given now arrives:
    // a split command still waiting or unconfirmed decides it, else
    // `shownSplitOn`. The device reads an antenna command by it.
    bool splitOnArrival(bool shownSplitOn) const;

    int count() const { return static_cast<int>(pending.size()); }
    // Guarded commands: whether any is not yet written, and whether any is
    // not yet confirmed.
    struct Guarded
    {
        bool unwritten = false;
        bool unconfirmed = false;
    };
    Guarded guarded() const;
    // Whether a command for the same thing as `command` awaits the device's word.
    bool asks(const DeviceCommand& command) const;
    // Commands shown as made that the device has not confirmed yet.
    int shownUnconfirmed() const;
    void clear() { pending.clear(); }

private:
    struct Pending
    {
        DeviceCommand command;
        Expectation expectation;
        int attempts = 1;
        quint64 writtenSerial = 0; // 0: waiting in the queue
        // A newer command took over part of what it asked: sent again, its
        // bytes would undo the newer one, so a disagreement ends it.
        bool partial = false;
        bool waiting = false; // held back by the transmit guard, not shown
    };
    std::vector<Pending> pending;
};

#endif // ZAREL_PENDINGCOMMANDS_H
