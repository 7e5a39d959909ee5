#ifndef ZAREL_LABELWRAP_H
#define ZAREL_LABELWRAP_H

#include <QString>

// Breaks a caption so it fits a panel button: without a line feed of its own
// (one at position 0 does not count) a caption is cut after 5 and again after
// 11 characters; after the caption's last own line feed, the line is cut once
// after 6 characters. Only inserts line feeds, never removes characters.
//   "ANTENNA 1"   -> "ANTEN\nNA 1"
//   "AB\nCDEFGHIJ" -> "AB\nCDEFG\nHIJ"
QString wrapLabelText(const QString& text);

#endif // ZAREL_LABELWRAP_H
