#ifndef ZAREL_LABELWRAP_H
#define ZAREL_LABELWRAP_H

#include <QString>

class QHostInfo;

// Small text rules used when the settings file is applied to the panel.

// Breaks a caption so it fits a panel button: without a line feed of its own
// (one at position 0 does not count) a caption is cut after 5 and again after
// 11 characters; after the caption's last own line feed, the line is cut once
// after 6 characters. Only inserts line feeds, never removes characters.
//   "ANTENNA 1"   -> "ANTEN\nNA 1"
//   "AB\nCDEFGHIJ" -> "AB\nCDEFG\nHIJ"
QString wrapLabelText(const QString& text);

// The configured host without a leading "http://" (operators paste URLs).
QString hostFromSetting(const QString& setting);

// The address text of a finished lookup, or "error" when it failed or found
// no address at all.
QString addressFromLookup(const QHostInfo& info);

#endif // ZAREL_LABELWRAP_H
