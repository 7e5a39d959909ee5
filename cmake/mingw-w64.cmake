# Cross-building the Windows programs on Debian with MinGW-w64 (POSIX
# threads) against a Qt built for Windows: pass -DCMAKE_PREFIX_PATH=<that Qt>.
# Its prefix holds OpenSSL for Windows too (scripts/windows-qt.sh), which
# find_package(OpenSSL) is pointed to unless OPENSSL_ROOT_DIR says otherwise.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ZAREL_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZAREL_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZAREL_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${ZAREL_MINGW}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${ZAREL_MINGW})
# Qt's moc, uic and rcc are programs of this machine; its libraries are not.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
# Searched before the system paths, where the build machine's own OpenSSL
# (its headers and libcrypto.a) would be found.
if(NOT OPENSSL_ROOT_DIR AND CMAKE_PREFIX_PATH)
    list(GET CMAKE_PREFIX_PATH 0 ZAREL_WIN_QT)
    set(OPENSSL_ROOT_DIR ${ZAREL_WIN_QT} CACHE PATH "OpenSSL for Windows")
endif()
