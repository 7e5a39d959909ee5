#ifndef ZAREL_FORMHELPERS_H
#define ZAREL_FORMHELPERS_H

#include <QRect>
#include <QString>

class QFont;
class QFrame;
class QLabel;
class QWidget;

// Small builders shared by the window's and the dialogs' forms.

// A font with only its point size (and, when asked, bold weight) set.
QFont pointFont(int points, bool bold = false);

// A raised, styled panel frame.
QFrame* makeFrame(QWidget* parent, const char* name, const QRect& geometry);

QLabel* makeLabel(QWidget* parent, const char* name, const QRect& geometry);

// "botaoTecla" and 7 give "botaoTecla7": numbered object names and settings keys.
QString numbered(const char* stem, int n);

#endif // ZAREL_FORMHELPERS_H
