#include "link/linklog.h"

Q_LOGGING_CATEGORY(lcLink, "zarel.link")
Q_LOGGING_CATEGORY(lcConnection, "zarel.connection")
