#ifndef ZAREL_THEME_H
#define ZAREL_THEME_H

#include <QIcon>
#include <QString>

class QWidget;

// Registers the compiled-in images and style sheets; the static library would
// otherwise drop them at link time. Cheap to call again.
void initFormResources();

// The window-wide dark theme: #323232 background, white text, orange accents,
// read once from resources/panel.qss. Set on the main window, so it also
// reaches every dialog parented to it.
QString panelStyleSheet();

// What the settings dialogs have on top of the window's theme: OK and Cancel
// drawn 15 px bold (resources/dialog.qss).
QString dialogStyleSheet();

// Sets a style sheet unless the widget already has it: Qt 5 re-polishes the
// widget and everything in it on every setStyleSheet, even with the same text.
void applyStyleSheet(QWidget* widget, const QString& sheet);

// The window's theme for the main window, with link colours that read on its
// dark background (the About Qt box takes them from the application palette).
void applyPanelTheme(QWidget* window);

// The dialog rules on a settings dialog. One without a themed window above it
// gets the window's theme as well.
void applyDialogTheme(QWidget* dialog);

// The program's icon in every size it is drawn at, for window managers
// that do not take it from the desktop file.
QIcon applicationIcon();

#endif // ZAREL_THEME_H
