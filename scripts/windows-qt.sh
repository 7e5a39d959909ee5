# Qt 5 for Windows, cross-built once from Debian's own source packages and
# kept outside the clone: OpenSSL, and qtbase linked to it, in one prefix.
# Sourced by build-windows.sh and test-windows.sh.
#
# The cache is keyed by the source versions, the configure lines and the
# MinGW compiler's version: change any of them and it is built again.

WIN_TRIPLET=x86_64-w64-mingw32
WIN_CACHE="${ZAREL_WIN_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zarel-windows}"

# Only what the panel uses. Debian's "+dfsg" source has neither the wintab
# headers nor its own sqlite: tablet events are off, and the journal's SQLite
# driver links a static SQLite built from Debian's sqlite3 source package.
QT_WIN_CONFIGURE=(-release -shared -opensource -confirm-license -nomake examples -nomake tests
    -no-opengl -no-dbus -no-icu -openssl-linked -no-vulkan -no-direct2d -qt-zlib -qt-libpng
    -no-libjpeg -qt-pcre -qt-freetype -qt-harfbuzz -no-feature-tabletevent
    -sql-sqlite -system-sqlite -no-sql-odbc -no-sql-psql -no-sql-mysql -no-sql-db2 -no-sql-ibase
    -no-sql-oci -no-sql-tds -no-sql-sqlite2
    -no-feature-xml -no-feature-concurrent -no-feature-printer)

# OpenSSL for the panel's HTTPS and WebSocket server and its self-signed
# certificate: the libraries alone (no openssl.exe, no tests), no legacy
# provider, no loadable modules. No configuration file is read unless the
# program asks for one: the built-in OPENSSLDIR is a path of this machine, on
# Windows a folder any user could create on the current drive.
OPENSSL_WIN_CONFIGURE=(mingw64 shared no-tests no-legacy no-module no-autoload-config)
# Bumped when the way the prefix is put together changes.
WIN_CACHE_RECIPE=2

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

# The version of Debian's source package $2 that the Qt for Windows in $1 was
# built from (recorded when it was built).
windows_source_of() {
    awk -v p="$2" '$1 == p { print $2 }' "$1/share/zarel/sources.txt"
}

# The source package file name apt-get source would fetch for $1.
windows_source_dsc() {
    apt-get source --print-uris "$1" 2>/dev/null | grep -o "$1_[^ ']*\.dsc" | head -1
}

windows_qt_key() {
    local gccversion
    gccversion="$("$WIN_TRIPLET-g++-posix" -dumpfullversion 2>/dev/null || echo unknown)"
    printf '%s\n' "$WIN_CACHE_RECIPE" "$(windows_source_dsc qtbase-opensource-src)" "$(windows_source_dsc sqlite3)" \
        "$(windows_source_dsc openssl)" "$gccversion" \
        "${QT_WIN_CONFIGURE[@]}" "$SQLITE_WIN_FLAGS" "${OPENSSL_WIN_CONFIGURE[@]}" |
        sha256sum | cut -c1-16
}

# The versions of source package $1 that the archive lists, newest first.
windows_source_versions() {
    local versions=() version i
    while read -r version; do
        i=${#versions[@]}
        while [ "$i" -gt 0 ] && dpkg --compare-versions "$version" gt "${versions[i - 1]}"; do
            versions[i]=${versions[i - 1]}
            i=$((i - 1))
        done
        versions[i]=$version
    done < <(apt-cache showsrc "$1" 2>/dev/null | awk -v p="$1" '/^Package: / { ok = ($2 == p) } ok && /^Version: / { print $2 }' | sort -u)
    printf '%s\n' "${versions[@]}"
}

# Unpacks source package $1 into the current folder and prints the version it
# got. The newest is tried first; a mirror may list a security update whose
# files it does not serve yet, and then the next older one is taken.
windows_fetch_source() {
    local package=$1 version errors
    errors="$(mktemp)"
    for version in $(windows_source_versions "$package"); do
        # As root in a folder _apt cannot enter, apt warns that it downloads
        # unsandboxed: that is expected here.
        if apt-get source -qq "$package=$version" 2>"$errors" >/dev/null; then
            grep -v 'unsandboxed' "$errors" >&2 || true
            rm -f "$errors"
            echo "$version"
            return
        fi
        echo "apt-get source $package=$version failed, trying an older version:" >&2
        grep -v 'unsandboxed' "$errors" | tail -3 >&2 || true
    done
    rm -f "$errors"
    echo "windows-qt.sh: no version of $package could be fetched" >&2
    return 1
}

# SQLite's own build options for the journal: threads serialised by SQLite
# itself; no extensions loaded from files; the column metadata Qt's driver
# asks for.
SQLITE_WIN_FLAGS="-O2 -DSQLITE_THREADSAFE=1 -DSQLITE_OMIT_LOAD_EXTENSION -DSQLITE_ENABLE_COLUMN_METADATA"

# Builds a static SQLite for Windows into $1 (include/, lib/): the amalgamation
# is made on this machine from Debian's source (it needs tclsh), then
# cross-compiled. $2: the work folder; $3: the file the version is noted in.
windows_sqlite() {
    local prefix=$1 work=$2
    mkdir -p "$work/sqlite" "$prefix/include" "$prefix/lib"
    (
        cd "$work/sqlite"
        local version
        version="$(windows_fetch_source sqlite3)"
        echo "sqlite3 $version" >>"$3"
        cd sqlite3-*/
        ./configure >"$work/sqlite-configure.log" 2>&1 || { tail -20 "$work/sqlite-configure.log"; exit 1; }
        make sqlite3.c >"$work/sqlite-make.log" 2>&1 || { tail -20 "$work/sqlite-make.log"; exit 1; }
        # shellcheck disable=SC2086
        "$WIN_TRIPLET-gcc-posix" $SQLITE_WIN_FLAGS -c sqlite3.c -o sqlite3.o
        "$WIN_TRIPLET-ar" rcs "$prefix/lib/libsqlite3.a" sqlite3.o
        cp sqlite3.h sqlite3ext.h "$prefix/include/"
    )
}

# OpenSSL's DLLs, import libraries and headers into the prefix $1 (bin/, lib/,
# include/openssl), with Debian's copyright file of the source.
windows_openssl() {
    local prefix=$1 work=$2 toolbin=$3
    mkdir -p "$work/openssl"
    (
        cd "$work/openssl"
        local version
        version="$(windows_fetch_source openssl)"
        echo "openssl $version" >>"$prefix/share/zarel/sources.txt"
        cd openssl-*/
        mkdir -p "$prefix/share/doc/openssl"
        cp debian/copyright "$prefix/share/doc/openssl/copyright"
        PATH="$toolbin:$PATH" ./Configure "${OPENSSL_WIN_CONFIGURE[@]}" --cross-compile-prefix="$WIN_TRIPLET-" \
            --prefix="$prefix" --libdir=lib >"$work/openssl-configure.log" 2>&1 ||
            { tail -40 "$work/openssl-configure.log"; exit 1; }
        # The DLLs and their import libraries alone: the static libraries
        # would compile everything twice, and no programs, engines or manuals
        # are wanted.
        PATH="$toolbin:$PATH" make -j "$JOBS" build_libs LIBS= >"$work/openssl-make.log" 2>&1 ||
            { tail -60 "$work/openssl-make.log"; exit 1; }
        PATH="$toolbin:$PATH" make install_dev LIBS= INSTALL_LIBS= >"$work/openssl-install.log" 2>&1 ||
            { tail -40 "$work/openssl-install.log"; exit 1; }
    )
}

# Minutes and seconds since $1 (a value of SECONDS).
windows_elapsed() { echo "$(((SECONDS - $1) / 60)) min $(((SECONDS - $1) % 60)) s"; }

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
    mkdir -p "$work" "$QT_WIN_PREFIX/share/zarel"
    local sources="$QT_WIN_PREFIX/share/zarel/sources.txt" times="$QT_WIN_PREFIX/share/zarel/build-times.txt"
    echo "Building OpenSSL and Qt for Windows into $QT_WIN_PREFIX (about half an hour on two cores)"
    local started=$SECONDS part=$SECONDS
    windows_openssl "$QT_WIN_PREFIX" "$work" "$toolbin"
    echo "OpenSSL $(windows_elapsed "$part")" | tee -a "$times"
    part=$SECONDS
    (
        cd "$work"
        windows_sqlite "$work/sqlite-win" "$work" "$sources"
        local version
        version="$(windows_fetch_source qtbase-opensource-src)"
        echo "qtbase-opensource-src $version" >>"$sources"
        cd qtbase-opensource-src-*/
        # Linked to OpenSSL (not loaded by name at run time), from the prefix.
        PATH="$toolbin:$PATH" OPENSSL_LIBS="-lssl -lcrypto" ./configure -xplatform win32-g++ \
            -device-option CROSS_COMPILE="$WIN_TRIPLET-" -prefix "$QT_WIN_PREFIX" \
            "${QT_WIN_CONFIGURE[@]}" -I "$work/sqlite-win/include" -L "$work/sqlite-win/lib" \
            -I "$QT_WIN_PREFIX/include" -L "$QT_WIN_PREFIX/lib" \
            >"$work/configure.log" 2>&1 ||
            { tail -40 "$work/configure.log"; exit 1; }
        grep -q 'Qt directly linked to OpenSSL \.* yes' "$work/configure.log" ||
            { grep -i openssl "$work/configure.log"; echo "windows-qt.sh: Qt was not configured with OpenSSL" >&2; exit 1; }
        PATH="$toolbin:$PATH" make -j "$JOBS" >"$work/make.log" 2>&1 ||
            { tail -60 "$work/make.log"; exit 1; }
        PATH="$toolbin:$PATH" make install >"$work/install.log" 2>&1 ||
            { tail -40 "$work/install.log"; exit 1; }
    )
    echo "Qt $(windows_elapsed "$part")" | tee -a "$times"
    echo "Qt for Windows built in $(windows_elapsed "$started")" | tee -a "$times"
    touch "$QT_WIN_PREFIX/.complete"
    rm -rf "$work"
    # Builds for other keys are of no more use.
    find "$WIN_CACHE" -mindepth 1 -maxdepth 1 -name 'qt-*' ! -path "$QT_WIN_PREFIX" -exec rm -rf {} +
}
