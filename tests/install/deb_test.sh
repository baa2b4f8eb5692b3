#!/usr/bin/env bash
# Builds the Debian package with CPack and checks its contents and control fields.
# Usage: deb_test.sh <build folder>
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/out" >/dev/null) || fail "cpack"
deb=$(ls "$work"/out/toetsrace_*_*.deb)
[ "$(dpkg-deb -f "$deb" Package)" = toetsrace ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = 1.0.27 ] || fail "version"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libicu qt6-qpa-plugins fonts-freefont-ttf; do
    grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
dpkg-deb -x "$deb" "$work/root"
for f in usr/bin/toetsrace usr/libexec/toetsrace/toetsrace usr/share/toetsrace/woordenlijst.txt \
         usr/share/toetsrace/bonuslijst.txt usr/share/applications/nl.toetsrace.Toetsrace.desktop \
         usr/share/metainfo/nl.toetsrace.Toetsrace.metainfo.xml \
         usr/share/icons/hicolor/48x48/apps/nl.toetsrace.Toetsrace.png \
         usr/share/doc/toetsrace/copyright; do
    [ -f "$work/root/$f" ] || fail "$f is not in the package"
done
grep -q '/libexec/toetsrace/toetsrace' "$work/root/usr/bin/toetsrace" || fail "launcher paths"
desktop-file-validate "$work/root/usr/share/applications/nl.toetsrace.Toetsrace.desktop" ||
    fail "desktop-file-validate"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/nl.toetsrace.Toetsrace.metainfo.xml" ||
    fail "appstreamcli validate"
echo "deb: ok"
