#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Filora contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed program, checked without a display.
#
#   install_check.sh staging BUILD_DIR WORK_DIR
#     Installs the build into WORK_DIR the way the package does (under /usr)
#     and checks that it holds exactly the files below, that every PNG icon is
#     drawn at the size of its folder, that desktop-file-validate and
#     appstreamcli find nothing to report on the desktop entry and metainfo,
#     and that man finds the manual page in English and in Arabic.
#
#   install_check.sh package BUILD_DIR WORK_DIR
#     Builds the Debian package into WORK_DIR with CPack and checks its name,
#     that its dependencies hold the libraries the program links (found by
#     dpkg-shlibdeps) and the packages of its faces, that it holds the same
#     files, that the program in it is stripped and hardened (hardening-check
#     says yes to each of the five protections below), that its version is
#     the one of its changelog and of the metainfo's latest release, and that
#     lintian reports no error and no warning (its info and pedantic notes
#     are printed).
set -eu

mode=$1 build=$2 work=$3
cmake=${CMAKE:-cmake} cpack=${CPACK:-cpack}   # CTest passes the ones that configured the build

expected='usr/bin/filora
usr/share/applications/org.example.filora.desktop
usr/share/doc/filora/changelog.gz
usr/share/doc/filora/copyright
usr/share/icons/hicolor/128x128/apps/org.example.filora.png
usr/share/icons/hicolor/16x16/apps/org.example.filora.png
usr/share/icons/hicolor/22x22/apps/org.example.filora.png
usr/share/icons/hicolor/24x24/apps/org.example.filora.png
usr/share/icons/hicolor/256x256/apps/org.example.filora.png
usr/share/icons/hicolor/32x32/apps/org.example.filora.png
usr/share/icons/hicolor/48x48/apps/org.example.filora.png
usr/share/icons/hicolor/64x64/apps/org.example.filora.png
usr/share/icons/hicolor/72x72/apps/org.example.filora.png
usr/share/icons/hicolor/scalable/apps/org.example.filora.svg
usr/share/man/ar/man1/filora.1.gz
usr/share/man/man1/filora.1.gz
usr/share/metainfo/org.example.filora.metainfo.xml'

fail() {
    echo "FAIL: $*"
    exit 1
}

# Compares a sorted list of files (on stdin) with the expected one.
same_files() {
    LC_ALL=C sort >"$work/actual.txt"
    printf '%s\n' "$expected" >"$work/expected.txt"
    diff -u "$work/expected.txt" "$work/actual.txt" || fail "$1 holds other files than expected"
}

# Runs a validator; it must succeed and print nothing at all.
quiet() {
    out=$("$@" 2>&1) || fail "$* failed: $out"
    [ -z "$out" ] || fail "$* reported: $out"
}

# appstreamcli validate (or validate-tree) --strict. AppStream before 0.16.4
# (Debian 12 has 0.16.1) knows no developer element, which 1.0 asks for: there
# its note "unknown-tag developer" is let through, and only that.
strict_appstream() {
    out=$(appstreamcli "$1" --no-net --strict "$2" 2>&1) && return 0
    version=$(appstreamcli --version | sed -n 's/^AppStream version: //p')
    notes=$(printf '%s\n' "$out" | grep -E '^ *[EWI]: ' || true)
    if dpkg --compare-versions "$version" lt 0.16.4 && [ -n "$notes" ] &&
        ! printf '%s\n' "$notes" | grep -Evq '^ *I: org\.example\.filora:[0-9]+: unknown-tag developer$'; then
        return 0
    fi
    fail "appstreamcli $1 (AppStream $version): $out"
}

rm -rf "$work"
mkdir -p "$work"

case $mode in
staging)
    root=$work/root
    DESTDIR=$root "$cmake" --install "$build" --prefix /usr >"$work/install.log" 2>&1 ||
        { cat "$work/install.log"; fail "cmake --install failed"; }
    (cd "$root" && find . ! -type d | sed 's|^\./||') | same_files "the staging folder"

    for png in "$root"/usr/share/icons/hicolor/*x*/apps/*.png; do
        folder=${png%/apps/*}
        folder=${folder##*/}
        drawn=$(od -An -tu1 -j16 -N8 "$png" |
            awk '{ printf "%dx%d", (($1 * 256 + $2) * 256 + $3) * 256 + $4, (($5 * 256 + $6) * 256 + $7) * 256 + $8 }')
        [ "$drawn" = "$folder" ] || fail "$png is $drawn, not $folder"
    done

    quiet desktop-file-validate "$root/usr/share/applications/org.example.filora.desktop"
    # Without the network: the metainfo's addresses are examples anyway.
    # --strict fails on infos and warnings; only pedantic hints may remain.
    strict_appstream validate "$root/usr/share/metainfo/org.example.filora.metainfo.xml"
    # The tree as a whole: the metainfo's launchable names the installed desktop entry.
    strict_appstream validate-tree "$root/usr"

    for language in en ar; do
        page=$(MANPATH=$root/usr/share/man man -L "$language" -w filora 2>&1) || fail "man -L $language: $page"
        want=$root/usr/share/man/man1/filora.1.gz
        [ "$language" = en ] || want=$root/usr/share/man/$language/man1/filora.1.gz
        [ "$page" = "$want" ] || fail "man -L $language finds $page, not $want"
    done
    ;;
package)
    "$cpack" --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
        { cat "$work/cpack.log"; fail "cpack failed"; }
    set -- "$work"/*.deb
    [ $# -eq 1 ] && [ -f "$1" ] || fail "cpack made no single .deb: $*"
    deb=$1
    [ "$(dpkg-deb -f "$deb" Package)" = filora ] || fail "package name $(dpkg-deb -f "$deb" Package)"

    depends=$(dpkg-deb -f "$deb" Depends)
    echo "Depends: $depends"
    names=$(printf '%s\n' "$depends" | tr ',' '\n' | sed 's/^ *//; s/[ (].*//')
    # A library package may carry the suffix t64: Debian 13 names Qt's core
    # library libqt6core6t64, after its move to a 64-bit time_t.
    for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
        printf '%s\n' "$names" | grep -Fqx -e "$package" -e "${package}t64" || fail "Depends lacks $package"
    done
    for package in fonts-dejavu-core fonts-liberation2 fonts-noto-ui-core qt6-translations-l10n; do
        printf '%s\n' "$names" | grep -Fqx "$package" || fail "Depends lacks $package"
    done

    dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./||' | same_files "$deb"

    dpkg-deb -x "$deb" "$work/unpacked"
    readelf -S "$work/unpacked/usr/bin/filora" | grep -q '\.debug_info' && fail "usr/bin/filora is not stripped"
    readelf -d "$work/unpacked/usr/bin/filora" | grep -Eq 'RPATH|RUNPATH' && fail "usr/bin/filora has a search path"

    # Position-independent, stack protector, fortified functions, RELRO and
    # immediate binding must each be a yes. Three items cannot be: control-flow
    # protection needs start files that Debian 12's C library does not mark,
    # stack clash probes only show in functions with a frame of a page or
    # more, which the program has none of, and branch protection, which
    # Debian 13's hardening-check asks for on every architecture, exists only
    # on AArch64.
    skip=--nocfprotection
    if [ "$(dpkg --print-architecture)" != arm64 ] &&
        hardening-check --help 2>&1 | grep -q -- --nobranchprotection; then
        skip="$skip --nobranchprotection"
    fi
    hardening=$(hardening-check $skip "$work/unpacked/usr/bin/filora" 2>&1) ||
        fail "hardening-check: $hardening"
    echo "$hardening"
    for item in 'Position Independent Executable' 'Stack protected' 'Fortify Source functions' \
        'Read-only relocations' 'Immediate binding'; do
        printf '%s\n' "$hardening" | grep -q "^ $item: yes" || fail "usr/bin/filora: $item is not a yes"
    done

    version=$(dpkg-deb -f "$deb" Version)
    changelog=$(dpkg-parsechangelog -l "$work/unpacked/usr/share/doc/filora/changelog.gz" -S Version) ||
        fail "dpkg-parsechangelog"
    release=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$work/unpacked/usr/share/metainfo/org.example.filora.metainfo.xml" | head -n 1)
    [ "$version" = "$changelog" ] && [ "$version" = "$release" ] ||
        fail "versions differ: package $version, changelog $changelog, metainfo release $release"

    # lintian objects to running as root; that line goes.
    lintian=$(lintian --fail-on error,warning --display-info --pedantic "$deb" 2>&1) ||
        fail "lintian reports errors or warnings: $lintian"
    printf '%s\n' "$lintian" | grep -v 'running with root privileges' || true
    printf '%s\n' "$lintian" | grep -E '^[EW]:' && fail "lintian reports errors or warnings"
    ;;
*)
    fail "unknown mode $mode"
    ;;
esac
echo "OK"
