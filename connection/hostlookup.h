#ifndef ZAREL_HOSTLOOKUP_H
#define ZAREL_HOSTLOOKUP_H

// Asynchronous host lookups that resolveHost has started since the program
// began; for diagnostics and tests.
int hostLookupsStarted();

#endif // ZAREL_HOSTLOOKUP_H
