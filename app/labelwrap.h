#ifndef ZAREL_LABELWRAP_H
#define ZAREL_LABELWRAP_H

#include <QString>

// Breaks a caption so it fits a panel button, five characters a line: without
// a line feed of its own (one at position 0 does not count) a caption is cut
// twice, the rest going on the third line; after each of its own line feeds,
// once. A cut falls after a space, so a word moves whole to the next line;
// only a word that fills its line from the start (longer than a line) is cut
// inside. Spaces at a cut stay at the
// end of the line. Only inserts line feeds, never removes characters.
//   "20M YAGI"    -> "20M \nYAGI"
//   "ANTENNA 1"   -> "ANTEN\nNA 1"
//   "20M ANTENNA" -> "20M \nANTEN\nNA"
//   "AB\nCDEFGHIJ" -> "AB\nCDEFG\nHIJ"
QString wrapLabelText(const QString& text);

#endif // ZAREL_LABELWRAP_H
