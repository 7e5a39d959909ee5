#include "link/linklog.h"

// Warnings and worse by default: an operator's terminal is not a log file.
Q_LOGGING_CATEGORY(lcLink, "zarel.link", QtWarningMsg)
Q_LOGGING_CATEGORY(lcConnection, "zarel.connection", QtWarningMsg)
Q_LOGGING_CATEGORY(lcRadio, "zarel.radio", QtWarningMsg)
