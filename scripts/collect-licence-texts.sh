#!/usr/bin/env bash
# Writes the licence texts that the Licence information screen shows into qml/view/licenses/,
# from the copyright files of the installed Debian packages (/usr/share/doc/<package>/copyright)
# and the licence texts they refer to (/usr/share/common-licenses/). Run it again after the
# program links other libraries, and keep the list of the PC's libraries in
# source/view_cpp/configure/configure_general_about_license_info_view_manager.cpp in step.
#
#   bash scripts/collect-licence-texts.sh [path of the built pc_panel]
set -euo pipefail
cd "$(dirname "$0")/.."

program=${1:-build/bin/pc_panel}
out=qml/view/licenses

# Each library the program loads (ldd) with the package that holds it, looked up once.
loaded_libraries=$(mktemp)
trap 'rm -f "$loaded_libraries"' EXIT
ldd "$program" | awk '$3 ~ /^\// {print $3}' | while read -r library; do
    real=$(readlink -f "$library")
    owner=$(dpkg -S "$real" 2>/dev/null || dpkg -S "*/$(basename "$real")" 2>/dev/null || true)
    echo "${owner%%:*} $(basename "$library")"
done >"$loaded_libraries"

# The library files of a package that the program loads.
loaded_by_package() {
    awk -v package="$1" '$1 == package {print $2}' "$loaded_libraries"
}

# <folder> <info file name> <licence file name> <title> <what the program uses it for> <packages...>
write_component() {
    local folder=$1 info_name=$2 licence_name=$3 title=$4 use=$5
    shift 5
    local dir=$out/$folder
    mkdir -p "$dir"
    local info=$dir/$info_name licence=$dir/$licence_name
    {
        echo "$title"
        echo
        echo "$use"
        echo
        echo "Debian packages on the PC this text was taken from:"
        local package
        for package in "$@"; do
            echo "  $package $(dpkg-query -W -f='${Version}' "$package")"
            local loaded
            loaded=$(loaded_by_package "$package" | tr '\n' ' ')
            if [ -n "$loaded" ]; then
                echo "    loaded by the program: $loaded"
            fi
        done
        echo
        echo "The licence text is the copyright file of these packages"
        echo "(/usr/share/doc/<package>/copyright), followed by the full texts of the"
        echo "licences it refers to (/usr/share/common-licenses/)."
    } >"$info"

    : >"$licence"
    local seen=() licences=() file sum
    for package in "$@"; do
        file=$(readlink -f "/usr/share/doc/$package/copyright")
        # Packages of one source package carry the same file: it is given once.
        sum=$(md5sum <"$file" | cut -d' ' -f1)
        if [[ " ${seen[*]-} " == *" $sum "* ]]; then
            continue
        fi
        seen+=("$sum")
        {
            echo "==== /usr/share/doc/$package/copyright"
            echo
            cat "$file"
            echo
        } >>"$licence"
        local name
        for name in $(grep -o 'common-licenses/[A-Za-z0-9.+-]*' "$file" | sed 's|.*/||; s|\.$||' |
            sort -u); do
            if [ -f "/usr/share/common-licenses/$name" ] &&
                [[ " ${licences[*]-} " != *" $name "* ]]; then
                licences+=("$name")
            fi
        done
    done
    for name in "${licences[@]}"; do
        {
            echo "==== /usr/share/common-licenses/$name"
            echo
            cat "/usr/share/common-licenses/$name"
            echo
        } >>"$licence"
    done
}

rm -rf "$out"
mkdir -p "$out"

# The components this program is built with.
write_component qt info.txt LICENSE "Qt 6" \
    "The program's user interface, its QML scene, networking and settings use the Qt 6 \
libraries; the Qt Quick modules of the scene are loaded from the same packages." \
    libqt6core6 libqt6gui6 libqt6widgets6 libqt6network6 libqt6opengl6 libqt6dbus6 \
    libqt6qml6 libqt6qmlmodels6 libqt6quick6 libqt6quickwidgets6
write_component protocol_buffers info.txt LICENSE "Protocol Buffers (lite runtime)" \
    "The messages exchanged with the sauna system are Protocol Buffers messages." \
    libprotobuf-lite32
write_component tclap info.txt COPYING "TCLAP, Templatized C++ Command Line Parser" \
    "The program reads its command line with TCLAP, which is compiled into it." \
    libtclap-dev

# The libraries of the PC that the program loads (ldd) and whose licences ask for their notice.
# Left out: the GCC runtime (libgcc-s1, libstdc++6, libgomp1; its runtime library exception asks
# nothing of programs that use it), libb2 (CC0), liblzma (public domain) and zlib (its notice is
# for source distributions only). Libraries of one upstream project share one entry.
linux() {
    local folder=$1 title=$2
    shift 2
    write_component "linux/$folder" info.txt copyright "$title" \
        "A library of this PC that the program loads." "$@"
}
linux brotli "Brotli" libbrotli1
linux dbus "D-Bus" libdbus-1-3
linux double-conversion "double-conversion" libdouble-conversion3
linux com_err "e2fsprogs com_err" libcom-err2
linux expat "Expat" libexpat1
linux fontconfig "Fontconfig" libfontconfig1
linux freetype "FreeType" libfreetype6
linux glib "GLib" libglib2.0-0
linux glibc "GNU C Library" libc6
linux gnupg "Libgcrypt and libgpg-error" libgcrypt20 libgpg-error0
linux graphite2 "Graphite2" libgraphite2-3
linux harfbuzz "HarfBuzz" libharfbuzz0b
linux icu "ICU" libicu72
linux keyutils "keyutils" libkeyutils1
linux krb5 "Kerberos (MIT krb5)" libgssapi-krb5-2 libk5crypto3 libkrb5-3 libkrb5support0
linux libbsd "libbsd" libbsd0
linux libcap "libcap" libcap2
linux libglvnd "libglvnd (EGL, GLX, OpenGL)" libglvnd0 libegl1 libglx0 libopengl0
linux libmd "libmd" libmd0
linux libpng "libpng" libpng16-16
linux libproxy "libproxy" libproxy1v5
linux libxkbcommon "libxkbcommon" libxkbcommon0
linux lz4 "LZ4" liblz4-1
linux md4c "MD4C" libmd4c0
linux pcre2 "PCRE2" libpcre2-8-0 libpcre2-16-0
linux systemd "systemd (libsystemd)" libsystemd0
linux xorg "X11 client libraries (libX11, libXau, libXdmcp, libxcb)" \
    libx11-6 libxau6 libxdmcp6 libxcb1
linux zstd "Zstandard" libzstd1

# The screen reads the files as 8-bit text: Latin-1, with what it cannot hold transliterated.
find "$out" -type f | while read -r file; do
    iconv -f UTF-8 -t LATIN1//TRANSLIT "$file" >"$file.latin1"
    mv "$file.latin1" "$file"
done
