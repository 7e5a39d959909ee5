#ifndef ZAREL_THEME_H
#define ZAREL_THEME_H

#include <QIcon>
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

// The program's icon in every size it is drawn at, for window managers
// that do not take it from the desktop file.
QIcon applicationIcon();

#endif // ZAREL_THEME_H
