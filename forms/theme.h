#ifndef ZAREL_THEME_H
#define ZAREL_THEME_H

#include <QString>

// The window-wide dark theme: #323232 background, white text, orange accents.
// Set on the main window, so it also reaches every dialog parented to it.
QString panelStyleSheet();

// The same theme for the settings dialogs, whose OK and Cancel buttons are
// drawn 15 px bold.
QString dialogStyleSheet();

#endif // ZAREL_THEME_H
