#ifndef ZAREL_TXINHIBIT_H
#define ZAREL_TXINHIBIT_H

// The transmit-inhibit sequencer. A GPO of the Merax wired to the radio's
// TX-inhibit input holds the radio off the air while an automatic switch is
// made, so a switch never lands under power, whatever the keying: a sampled
// SEND input cannot tell a word space of CW from the end of a call.
//
//   guard open -> raise the inhibit -> the device confirms it and a fresh
//   report says SEND is off -> antenna and outputs leave -> the device
//   confirms them (or refuses) -> lower the inhibit
//
// Guarded commands (link/command.h) leave only through the gate: never while
// the inhibit is not confirmed. The inhibit is lowered as soon as nothing
// guarded waits for the device's word, when the link is lost and at
// Disconnect; one found on at Connect with nothing waiting (a panel that
// died holding it) is lowered too. Plain state on the caller's clock.

#include <QtGlobal>

class TxInhibit
{
public:
    enum class Phase {
        Idle, // lowered, or no inhibit output
        Raising, // asked for, not yet confirmed with SEND off
        Held, // confirmed: guarded commands may leave
    };
    // What the link holds of guarded commands and of the inhibit's own.
    struct Work
    {
        bool waiting = false; // guarded commands not yet written
        bool pending = false; // guarded commands not yet confirmed (written or not)
        bool inhibitAsked = false; // a command for the inhibit output awaits the device's word
    };
    enum class Act { None, Raise, Lower };
    struct Step
    {
        Act act = Act::None;
        bool leftOn = false; // lowered because it was found on at Connect
        bool notConfirmed = false; // the device did not take the inhibit: asked again
    };

    // 0: none; 1..8: the GPO wired to the radio's TX-inhibit input.
    void setOutput(int gpo);
    int output() const { return gpo; }
    bool enabled() const { return gpo > 0; }
    quint8 bit() const { return enabled() ? static_cast<quint8>(1u << (gpo - 1)) : 0; }
    Phase phase() const { return current; }
    // The panel holds the output now: the operator's key does not switch it.
    bool holds() const { return current != Phase::Idle; }

    // Connect: the first report is looked at for an inhibit left on.
    void start();
    // The guard is open (or not) and the link holds `work`: raise or lower.
    Step update(const Work& work, bool guardOpen);
    // A report was applied: the device's own outputs and SEND, as reported.
    Step reported(quint8 outputs, bool sending, const Work& work);
    // The link was lost, or Disconnect: whether the inhibit is to be lowered.
    bool stop();

    // From when guarded commands may leave, given the guard's own word.
    qint64 gate(qint64 guardOpenAt) const;

private:
    int gpo = 0;
    Phase current = Phase::Idle;
    bool firstReport = false;
    bool lost = false; // the link was lost: nothing is raised until the device answers
    bool refusalTold = false;
};

#endif // ZAREL_TXINHIBIT_H
