#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Het Toetsrace-team
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the source and binary packages from a copy of the source tree with
# dpkg-buildpackage, as a distribution would, and checks them: lintian without errors or
# warnings on both, a source tarball that unpacks to the tree without its build folders,
# the control fields, what the package installs where, and a hardened, stripped executable.
# The suite has just run, so this build skips it (nocheck), which also leaves the tests
# and benchmarks unbuilt: the packages cost one build of the game and a lintian run.
# Usage: deb_test.sh
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in dpkg-buildpackage dpkg-source dh lintian; do
    command -v "$tool" >/dev/null || fail "$tool is missing: run scripts/deps.sh build test"
done

"$source_dir/scripts/copy-tree.sh" "$work/src"
# Build folders as a developer's tree has them, which the source tarball leaves out.
for folder in build build-asan obj-x86_64-linux-gnu; do
    mkdir -p "$work/src/$folder" && echo stale >"$work/src/$folder/CMakeCache.txt"
done
jobs=$(nproc); [ "$jobs" -le 2 ] || jobs=2
(cd "$work/src" && DEB_BUILD_OPTIONS="nocheck parallel=$jobs" dpkg-buildpackage -us -uc) \
    >"$work/build.log" 2>&1 || { tail -n 40 "$work/build.log"; fail "dpkg-buildpackage"; }
deb=$(ls "$work"/toetsrace_*.deb)
dsc=$(ls "$work"/toetsrace_*.dsc)

# The .changes names the .dsc and the .deb: lintian checks the source package and the binary.
lintian --fail-on error,warning --display-info "$work"/toetsrace_*.changes >"$work/lintian.log" 2>&1 ||
    { cat "$work/lintian.log"; fail "lintian found errors or warnings"; }
sed 's/^/lintian: /' "$work/lintian.log"

# The source package unpacks to the tree as git keeps it, without the build folders.
dpkg-source -x "$dsc" "$work/unpacked" >/dev/null
"$source_dir/scripts/copy-tree.sh" "$work/tree"
diff -r "$work/tree" "$work/unpacked" >"$work/source.diff" ||
    { head -n 20 "$work/source.diff"; fail "the source package is not the tree"; }

version=$(sed -n 's/^project(toetsrace VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = toetsrace ] || fail "package name"
[ "${version:-none}" = "$(field Version | sed 's/-[^-]*$//')" ] ||
    fail "the package's version $(field Version) is not the project's $version"
[ "$(field Section)" = games ] || fail "section $(field Section)"
grep -q '@' <<<"$(field Maintainer)" || fail "the Maintainer has no address"
depends=$(field Depends)
for needed in libqt6widgets6 libicu qt6-qpa-plugins fonts-freefont-ttf qt6-translations-l10n \
              libqt6sql6-sqlite; do
    grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done

root="$work/root"
dpkg-deb -x "$deb" "$root"
for f in usr/games/toetsrace usr/share/games/toetsrace/woordenlijst.txt \
         usr/share/games/toetsrace/bonuslijst.txt \
         usr/share/applications/nl.toetsrace.Toetsrace.desktop \
         usr/share/metainfo/nl.toetsrace.Toetsrace.metainfo.xml \
         usr/share/icons/hicolor/256x256/apps/nl.toetsrace.Toetsrace.png \
         usr/share/icons/hicolor/scalable/apps/nl.toetsrace.Toetsrace.svg \
         usr/share/man/man6/toetsrace.6.gz usr/share/man/nl/man6/toetsrace.6.gz; do
    [ -f "$root/$f" ] || fail "$f is not in the package"
done
[ ! -e "$root/usr/bin" ] && [ ! -e "$root/usr/libexec" ] || fail "a launcher or second copy is packaged"
cmp -s "$source_dir/debian/copyright" "$root/usr/share/doc/toetsrace/copyright" ||
    fail "the package's copyright file is not debian/copyright"

game="$root/usr/games/toetsrace"
# Each read whole first: grep -q stops early, and a reader cut off would fail the pipe.
header=$(readelf -W -h "$game"); dynamic=$(readelf -W -d "$game"); segments=$(readelf -W -l "$game")
symbols=$(readelf -W --dyn-syms "$game"); sections=$(readelf -W -S "$game")
grep -q 'Type:.*DYN' <<<"$header" || fail "the executable is not position-independent"
grep -q 'FLAGS.*\bNOW\b' <<<"$dynamic" || fail "the executable is not linked with bind-now"
grep -q GNU_RELRO <<<"$segments" || fail "the executable has no RELRO"
grep -q __stack_chk_fail <<<"$symbols" || fail "no stack protector"
! grep -Eq '\.symtab|\.debug_info' <<<"$sections" || fail "the executable is not stripped"
echo "deb: ok ($(du -k "$deb" | cut -f1) KiB)"
