#!/usr/bin/env bash
# The installed program as a user gets it: the install tree and the Debian package hold every file in
# its place, the desktop data validate, the programs find their folder through the links in /usr/bin,
# and an install the user cannot write to keeps the settings in the per-user folder.
set -euo pipefail
src=$1
build=$2
work=$(mktemp -d)
sim_pid=""
cleanup() {
    [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

root=$work/root
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
program=$root/usr/lib/plu-manager
for f in usr/bin/plu-manager usr/bin/plu-cli usr/bin/scale-sim \
    usr/lib/plu-manager/plu-manager usr/lib/plu-manager/libzqslabelscale.so usr/lib/plu-manager/plu-xls-reader \
    usr/lib/plu-manager/Lang/PLU_en_US.qm usr/lib/plu-manager/Lang/PLU_zh_CN.qm \
    usr/share/doc/plu-manager/guide.md usr/share/doc/plu-manager/images/main-window.png \
    usr/lib/plu-manager/Images/PLUBtn.bmp \
    usr/share/applications/org.plumanager.PluManager.desktop \
    usr/share/metainfo/org.plumanager.PluManager.metainfo.xml \
    usr/share/mime/packages/plu-manager.xml \
    usr/share/icons/hicolor/scalable/apps/plu-manager.svg usr/share/icons/hicolor/48x48/apps/plu-manager.png \
    usr/share/man/man1/plu-cli.1 usr/share/man/man1/scale-sim.1; do
    [ -e "$root/$f" ] || fail "missing $f"
done
[ "$(readlink -f "$root/usr/bin/plu-manager")" = "$program/plu-manager" ] || fail "/usr/bin/plu-manager does not lead to the program folder"

desktop-file-validate "$root/usr/share/applications/org.plumanager.PluManager.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.plumanager.PluManager.metainfo.xml" || fail "metainfo"
grep -q 'application/x-plu-list' "$root/usr/share/applications/org.plumanager.PluManager.desktop" || fail "MIME type"
head -1 "$root/usr/share/man/man1/plu-cli.1" | grep -q "^.TH PLU-CLI 1" || fail "plu-cli manual page"

# The link library is only in the program folder: a send through /usr/bin/plu-cli reaches the
# simulator only when the program found its folder.
"$root/usr/bin/scale-sim" --tcp 127.0.0.1:0 --port-file "$work/port" --data "$work/sim.json" >/dev/null 2>&1 &
sim_pid=$!
for _ in $(seq 50); do [ -s "$work/port" ] && break; sleep 0.1; done
cp "$src/tests/data/document/all-fields/input.txp" "$work/shop.txp"
: >"$work/cli.cfg"
"$root/usr/bin/plu-cli" send "$work/shop.txp" --scale "127.0.0.1:$(cat "$work/port")" --config "$work/cli.cfg" --quiet | grep -q ': ok' ||
    fail "plu-cli through /usr/bin did not reach the scale"

# .xls files are read by the helper in the program folder, with the libraries it needs.
"$program/plu-xls-reader" "$src/tests/data/io/sample.xls" | head -c 8 | grep -q PLUXLS1 ||
    fail "the .xls reader in the program folder does not answer"

# A user who cannot write to the program folder: settings go to the per-user data folder.
home=$work/home
mkdir -p "$home"
runas=()
if [ "$(id -u)" -eq 0 ]; then
    # root may write anywhere; an ordinary user sees the installed folder as read-only.
    chmod 755 "$work"
    chown -R nobody:nogroup "$home"
    runas=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
else
    chmod -R a-w "$program"
fi
"${runas[@]}" env HOME="$home" XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home" QT_QPA_PLATFORM=offscreen \
    "$root/usr/bin/plu-manager" >/dev/null 2>&1 &
app=$!
settings="$home/data/PLU Manager/PLU Manager/SYSTEM.CFG"
for _ in $(seq 100); do [ -s "$settings" ] && break; sleep 0.1; done
kill "$app" 2>/dev/null || true
wait "$app" 2>/dev/null || true
[ "$(id -u)" -eq 0 ] || chmod -R u+w "$program"
[ -s "$settings" ] || fail "no settings in the per-user folder"
[ ! -e "$program/SYSTEM.CFG" ] || fail "settings written into the program folder"

# The package: the same files, and dependencies that name what is loaded at run time.
(cd "$build" && cpack -G DEB -B "$work/deb" >/dev/null 2>&1) || fail "cpack"
deb=$(ls "$work"/deb/plu-manager_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt5sql5-sqlite libqt5core5a libqt5widgets5 libqt5serialport5 qttranslations5-l10n; do
    grep -q "$p" <<<"$depends" || fail "package does not depend on $p: $depends"
done
dpkg-deb -c "$deb" >"$work/contents"
grep -q './usr/lib/plu-manager/libzqslabelscale.so' "$work/contents" || fail "library not in the package"
echo "package checks passed"
