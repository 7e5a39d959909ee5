# Qt 5 for Windows, cross-built once from Debian's own qtbase source package
# and kept outside the clone. Sourced by build-windows.sh and test-windows.sh.
#
# The cache is keyed by the qtbase source version, the configure line and the
# MinGW compiler's version: change any of them and it is built again.

WIN_TRIPLET=x86_64-w64-mingw32
WIN_CACHE="${ZAREL_WIN_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zarel-windows}"

# Only what the panel uses. Debian's "+dfsg" source has neither the wintab
# headers nor its own sqlite: tablet events are off, and the journal's SQLite
# driver links a static SQLite built from Debian's sqlite3 source package.
QT_WIN_CONFIGURE=(-release -shared -opensource -confirm-license -nomake examples -nomake tests
    -no-opengl -no-dbus -no-icu -no-openssl -no-vulkan -no-direct2d -qt-zlib -qt-libpng
    -no-libjpeg -qt-pcre -qt-freetype -qt-harfbuzz -no-feature-tabletevent
    -sql-sqlite -system-sqlite -no-sql-odbc -no-sql-psql -no-sql-mysql -no-sql-db2 -no-sql-ibase
    -no-sql-oci -no-sql-tds -no-sql-sqlite2
    -no-feature-xml -no-feature-concurrent -no-feature-printer)

# Qt's configure calls the plain ${WIN_TRIPLET}-gcc names; they must be the
# POSIX-thread compilers (std::thread, std::mutex), whatever the system's
# alternatives say.
windows_toolbin() {
    local bin="$WIN_CACHE/toolbin"
    mkdir -p "$bin"
    local tool
    for tool in gcc g++ c++ cpp; do
        local posix="/usr/bin/$WIN_TRIPLET-$tool-posix"
        [ -x "$posix" ] || posix="/usr/bin/$WIN_TRIPLET-$tool"
        [ "$tool" != c++ ] || posix="/usr/bin/$WIN_TRIPLET-g++-posix"
        ln -sfn "$posix" "$bin/$WIN_TRIPLET-$tool"
    done
    echo "$bin"
}

# The folder of the MinGW runtime DLLs (libgcc, libstdc++) the programs need.
windows_gcc_runtime() {
    dirname "$("$WIN_TRIPLET-g++-posix" -print-libgcc-file-name)"
}

# Adds a deb-src entry beside each "deb" entry of the official archive, so
# apt-get source finds the exact qtbase the machine's packages come from.
windows_enable_sources() {
    if apt-get source --print-uris qtbase-opensource-src >/dev/null 2>&1; then
        return
    fi
    local list=/etc/apt/sources.list.d/zarel-deb-src.sources
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        sed -n '/^Types:/,/^$/p' /etc/apt/sources.list.d/debian.sources |
            sed 's/^Types:.*/Types: deb-src/' >"$list"
    else
        grep -h '^deb http' /etc/apt/sources.list 2>/dev/null | sed 's/^deb /deb-src /' \
            >/etc/apt/sources.list.d/zarel-deb-src.list
    fi
    apt-get update -qq
}

# The version of Debian's qtbase source package the Qt for Windows is built
# from, as apt-get source fetches it.
windows_qt_source() {
    apt-get source --print-uris qtbase-opensource-src 2>/dev/null | grep -o "qtbase-opensource-src_[^ ']*\.dsc" |
        head -1 | sed -e 's/^qtbase-opensource-src_//' -e 's/\.dsc$//' -e 's/%2[bB]/+/g' -e 's/%3[aA]/:/g'
}

windows_qt_key() {
    local qtversion sqliteversion gccversion
    # The source packages apt-get source would fetch, by their file names.
    qtversion="$(apt-get source --print-uris qtbase-opensource-src 2>/dev/null | grep -o "qtbase-opensource-src_[^ ']*\.dsc" | head -1)"
    sqliteversion="$(apt-get source --print-uris sqlite3 2>/dev/null | grep -o "sqlite3_[^ ']*\.dsc" | head -1)"
    gccversion="$("$WIN_TRIPLET-g++-posix" -dumpfullversion 2>/dev/null || echo unknown)"
    printf '%s\n' "$qtversion" "$sqliteversion" "$gccversion" "${QT_WIN_CONFIGURE[@]}" "$SQLITE_WIN_FLAGS" |
        sha256sum | cut -c1-16
}

# SQLite's own build options for the journal: threads serialised by SQLite
# itself; no extensions loaded from files; the column metadata Qt's driver
# asks for.
SQLITE_WIN_FLAGS="-O2 -DSQLITE_THREADSAFE=1 -DSQLITE_OMIT_LOAD_EXTENSION -DSQLITE_ENABLE_COLUMN_METADATA"

# Builds a static SQLite for Windows into $1 (include/, lib/): the amalgamation
# is made on this machine from Debian's source (it needs tclsh), then
# cross-compiled.
windows_sqlite() {
    local prefix=$1 work=$2
    mkdir -p "$work/sqlite" "$prefix/include" "$prefix/lib"
    (
        cd "$work/sqlite"
        apt-get source -qq sqlite3 2> >(grep -v 'unsandboxed' >&2) >/dev/null
        cd sqlite3-*/
        ./configure >"$work/sqlite-configure.log" 2>&1 || { tail -20 "$work/sqlite-configure.log"; exit 1; }
        make sqlite3.c >"$work/sqlite-make.log" 2>&1 || { tail -20 "$work/sqlite-make.log"; exit 1; }
        # shellcheck disable=SC2086
        "$WIN_TRIPLET-gcc-posix" $SQLITE_WIN_FLAGS -c sqlite3.c -o sqlite3.o
        "$WIN_TRIPLET-ar" rcs "$prefix/lib/libsqlite3.a" sqlite3.o
        cp sqlite3.h sqlite3ext.h "$prefix/include/"
    )
}

# Sets QT_WIN_PREFIX to a ready Qt for Windows, building it when the cache has
# none for this key.
windows_qt() {
    windows_enable_sources
    local key
    key="$(windows_qt_key)"
    QT_WIN_PREFIX="$WIN_CACHE/qt-$key"
    if [ -f "$QT_WIN_PREFIX/.complete" ]; then
        echo "Qt for Windows from the cache: $QT_WIN_PREFIX"
        return
    fi
    local toolbin work
    toolbin="$(windows_toolbin)"
    work="$WIN_CACHE/build-$key"
    rm -rf "$work" "$QT_WIN_PREFIX"
    mkdir -p "$work"
    echo "Building Qt for Windows into $QT_WIN_PREFIX (about half an hour on two cores)"
    local started=$SECONDS
    (
        cd "$work"
        # As root in a folder _apt cannot enter, apt warns that it downloads
        # unsandboxed: that is expected here.
        windows_sqlite "$work/sqlite-win" "$work"
        apt-get source -qq qtbase-opensource-src 2> >(grep -v 'unsandboxed' >&2) >/dev/null
        cd qtbase-opensource-src-*/
        PATH="$toolbin:$PATH" ./configure -xplatform win32-g++ \
            -device-option CROSS_COMPILE="$WIN_TRIPLET-" -prefix "$QT_WIN_PREFIX" \
            "${QT_WIN_CONFIGURE[@]}" -I "$work/sqlite-win/include" -L "$work/sqlite-win/lib" \
            >"$work/configure.log" 2>&1 ||
            { tail -40 "$work/configure.log"; exit 1; }
        PATH="$toolbin:$PATH" make -j "$JOBS" >"$work/make.log" 2>&1 ||
            { tail -60 "$work/make.log"; exit 1; }
        PATH="$toolbin:$PATH" make install >"$work/install.log" 2>&1 ||
            { tail -40 "$work/install.log"; exit 1; }
    )
    echo "Qt for Windows built in $(((SECONDS - started) / 60)) min $(((SECONDS - started) % 60)) s"
    touch "$QT_WIN_PREFIX/.complete"
    rm -rf "$work"
    # Builds for other keys are of no more use.
    find "$WIN_CACHE" -mindepth 1 -maxdepth 1 -name 'qt-*' ! -path "$QT_WIN_PREFIX" -exec rm -rf {} +
}
