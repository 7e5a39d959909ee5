#ifndef ZAREL_LINKLOG_H
#define ZAREL_LINKLOG_H

#include <QLoggingCategory>

// Lines of the device link and of connection management. Only warnings show
// unless asked for: QT_LOGGING_RULES="zarel.*.debug=true" shows everything.
Q_DECLARE_LOGGING_CATEGORY(lcLink)
Q_DECLARE_LOGGING_CATEGORY(lcConnection)
// The radio the panel follows: rigctld and logger broadcasts.
Q_DECLARE_LOGGING_CATEGORY(lcRadio)

#endif // ZAREL_LINKLOG_H
