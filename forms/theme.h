#ifndef ZAREL_THEME_H
#define ZAREL_THEME_H

#include <QString>

// Registers the compiled-in images and style sheets; the static library would
// otherwise drop them at link time. Cheap to call again.
void initFormResources();

// The window-wide dark theme: #323232 background, white text, orange accents,
// read once from resources/panel.qss. Set on the main window, so it also
// reaches every dialog parented to it.
QString panelStyleSheet();

// The same theme for the settings dialogs, whose OK and Cancel buttons are
// drawn 15 px bold (resources/dialog.qss).
QString dialogStyleSheet();

#endif // ZAREL_THEME_H
