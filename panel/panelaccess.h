#ifndef ZAREL_PANELACCESS_H
#define ZAREL_PANELACCESS_H

// The panel for an operator who does not see it or has no mouse: every key
// and lamp named with its state for screen readers (panel/panelspeech.h),
// status messages announced as they appear, keys for the buttons F1 to F12
// do not reach, and a focus order that reads the panel from left to right.

#include <QPointer>
#include <QString>

#include <array>

#include "panel/panelspeech.h"

class PanelForm;
class QStatusBar;
class QWidget;

class PanelAccess
{
public:
    // Sets the keys, the descriptions and the focus order once.
    PanelAccess(PanelForm* ui, QStatusBar* statusBar);

    // Names that differ from what a screen reader was last given are set
    // again (each set posts a name-changed event).
    void speak(const PanelSpeech& speech);

    // Says `text` to the screen reader now, as a notification.
    void announce(const QString& text);

    // The operator's captions, as stored (not wrapped).
    std::array<QString, group::Antennas> antennaCaptions;
    std::array<QString, group::Gpis> gpiCaptions;
    std::array<QString, group::Gpos> gpoCaptions;

private:
    std::array<QWidget*, indicator::Count> indicators {};
    QWidget* release = nullptr;
    QWidget* power = nullptr;
    QPointer<QWidget> notice;
};

#endif // ZAREL_PANELACCESS_H
