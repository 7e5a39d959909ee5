#ifndef ZAREL_TESTS_WINE_H
#define ZAREL_TESTS_WINE_H

// The Windows build's tests also run under Wine, where a few things differ
// from Windows itself. A test meeting one skips with Wine's fault named.
#include <QTest>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace wine {

inline bool running()
{
#ifdef Q_OS_WIN
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
#else
    return false;
#endif
}

} // namespace wine

#define SKIP_UNDER_WINE(fault)                                                                                         \
    do {                                                                                                               \
        if (wine::running()) {                                                                                         \
            QSKIP("Wine, not the program: " fault);                                                                    \
        }                                                                                                              \
    } while (false)

#endif // ZAREL_TESTS_WINE_H
