#ifndef ZAREL_LINKLOG_H
#define ZAREL_LINKLOG_H

#include <QLoggingCategory>

// Debug lines of the device link and of connection management; switch them
// off with QT_LOGGING_RULES="zarel.link.debug=false;zarel.connection.debug=false".
Q_DECLARE_LOGGING_CATEGORY(lcLink)
Q_DECLARE_LOGGING_CATEGORY(lcConnection)

#endif // ZAREL_LINKLOG_H
