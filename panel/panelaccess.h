#ifndef ZAREL_PANELACCESS_H
#define ZAREL_PANELACCESS_H

// The panel for an operator who does not see it or has no mouse: every key
// and lamp named with its state for screen readers (panel/panelspeech.h),
// every change the device confirms and every status message announced, a key
// that says the whole state, keys for the buttons F1 to F12 do not reach, and
// a focus order that reads the panel from left to right.

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <array>
#include <functional>

#include "panel/panelspeech.h"

class PanelForm;
class QStatusBar;
class QWidget;

class PanelAccess
{
public:
    // Sets the keys, the descriptions and the focus order once.
    PanelAccess(PanelForm* ui, QStatusBar* statusBar);

    // The operator's captions, as stored (not wrapped).
    void setCaptions(const std::array<QString, group::Antennas>& antennas, const std::array<QString, group::Gpis>& gpis,
                     const std::array<QString, group::Gpos>& gpos);

    // Where the antennas on rotators point, as said.
    void setHeadings(const std::array<QString, group::Antennas>& headings);

    // What the panel shows of the device (`known` false: cleared; nothing is
    // known while the link is off), and
    // whether a command shown is still unconfirmed.
    void panelShown(const DeviceState& state, bool known, const PanelFlags& flags, bool confirmed);

    // The link as POWER shows it, with the measured round trip (-1: none).
    void linkShown(PanelSpeechInput::Link link, qint64 roundTripMs);

    // Says `text` to the screen reader as a notification. Texts given in one
    // pass of the event loop are said together, as one.
    void announce(const QString& text);

    // The radio's figures as the status bar shows them: a source lost or back
    // is announced.
    void radioChanged(const QString& figures);

    // The whole state, said at the operator's request.
    void sayState();

private:
    // Names that differ from what a screen reader was last given are set
    // again (each set posts a name-changed event), and what changed since the
    // operator was last told is announced. Nothing is built when nothing
    // changed.
    void follow();
    void sayPending();

    std::array<QWidget*, indicator::Count> indicators {};
    QWidget* release = nullptr;
    QWidget* power = nullptr;
    std::array<QPointer<QWidget>, 6> notices;
    std::size_t nextNotice = 0;
    QStringList pending;
    QTimer pendingTimer;
    PanelSpeechInput shown; // the panel as it is now
    bool named = false; // the names say what `shown` holds
    PanelSpeechInput told; // as the operator was last told of it
    int focusedRenamed = -1; // the focused key changed since it was told
    bool headingsOnly = false; // follow() for new headings alone
    QString radio;
};

#endif // ZAREL_PANELACCESS_H
