#!/usr/bin/env bash
# The installed program as a user gets it: the install tree and the Debian package hold every file in
# its place, the desktop data validate, lintian finds nothing but the tags argued away in
# tools/packaging/lintian-accepted, the programs find their folder through the links in /usr/bin,
# and running the installed program (as root, where the test runs as root) writes nothing under
# the install prefix.
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
program=$(dirname "$(readlink -f "$root/usr/bin/plu-manager")")
case "$program" in "$root"/usr/lib/*/plu-manager | "$root"/usr/lib/plu-manager) ;; *) fail "program folder $program" ;; esac
share=$root/usr/share/plu-manager
for f in usr/bin/plu-manager usr/bin/plu-cli usr/bin/scale-sim \
    usr/share/plu-manager/Lang/PLU_en_US.qm usr/share/plu-manager/Lang/PLU_zh_CN.qm \
    usr/share/plu-manager/Images/PLUBtn.bmp usr/share/plu-manager/Images/icons/plu-manager-48.png \
    usr/share/plu-manager/guide/guide.md usr/share/plu-manager/guide/images/main-window.png \
    usr/share/doc/plu-manager/copyright usr/share/doc/plu-manager/changelog.gz \
    usr/share/applications/org.plumanager.PluManager.desktop \
    usr/share/metainfo/org.plumanager.PluManager.metainfo.xml \
    usr/share/mime/packages/plu-manager.xml \
    usr/share/icons/hicolor/scalable/apps/plu-manager.svg usr/share/icons/hicolor/48x48/apps/plu-manager.png \
    usr/share/man/man1/plu-manager.1.gz usr/share/man/man1/plu-cli.1.gz usr/share/man/man1/scale-sim.1.gz \
    lib/systemd/system/plu-watch@.service usr/lib/sysusers.d/plu-watch.conf \
    usr/share/doc/plu-manager/examples/plu-watch.conf.example; do
    [ -e "$root/$f" ] || fail "missing $f"
done
for f in plu-manager plu-cli scale-sim plu-xls-reader libzqslabelscale.so; do
    [ -e "$program/$f" ] || fail "missing $f in the program folder"
done
# Only machine code in the program folder; pictures and translations are the same on every architecture.
[ -z "$(find "$program" -name '*.png' -o -name '*.qm' -o -name '*.bmp')" ] || fail "data files in $program"

desktop-file-validate "$root/usr/share/applications/org.plumanager.PluManager.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.plumanager.PluManager.metainfo.xml" || fail "metainfo"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$root/usr/share/metainfo/org.plumanager.PluManager.metainfo.xml" ||
    fail "metainfo licence"
grep -q 'application/x-plu-list' "$root/usr/share/applications/org.plumanager.PluManager.desktop" || fail "MIME type"

# --help and --version answer without a display and start no editor; an unknown option is refused.
version=$(env -u DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/plu-manager" --version) || fail "--version failed"
[ "$version" = "plu-manager $(sed -n 's/^project(PluManager VERSION \([0-9.]*\).*/\1/p' "$src/CMakeLists.txt")" ] ||
    fail "--version printed: $version"
env -u DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/plu-manager" --help | grep -q -- '--version' || fail "--help"
status=0
QT_QPA_PLATFORM=offscreen "$root/usr/bin/plu-manager" --no-such-option >/dev/null 2>"$work/refused" || status=$?
[ "$status" = 2 ] && grep -q "no-such-option" "$work/refused" || fail "unknown option not refused ($status)"

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

# Whoever runs it, root included, the installed program keeps its data in the per-user folder and
# writes nothing under the prefix, even where it could.
home=$work/home
mkdir -p "$home"
find "$root" | sort >"$work/before"
env HOME="$home" XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache" \
    XDG_RUNTIME_DIR="$home" QT_QPA_PLATFORM=offscreen "$root/usr/bin/plu-manager" >/dev/null 2>&1 &
app=$!
settings="$home/data/PLU Manager/PLU Manager/SYSTEM.CFG"
database="$home/data/PLU Manager/PLU Manager/DB/KVB2600.db"
for _ in $(seq 150); do [ -s "$settings" ] && [ -s "$database" ] && break; sleep 0.1; done
kill "$app" 2>/dev/null || true
wait "$app" 2>/dev/null || true
[ -s "$settings" ] || fail "no settings in the per-user folder"
[ -s "$database" ] || fail "no local database in the per-user folder"
find "$root" | sort >"$work/after"
diff "$work/before" "$work/after" >&2 || fail "the installed program wrote under the prefix (as $(id -un))"

# The package: the same files, dependencies that name what is loaded at run time, and lintian.
(cd "$build" && cpack -G DEB -B "$work/deb" >/dev/null 2>&1) || fail "cpack"
deb=$(ls "$work"/deb/plu-manager_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt5sql5-sqlite libqt5core5a libqt5widgets5 libqt5serialport5 qttranslations5-l10n; do
    grep -q "$p" <<<"$depends" || fail "package does not depend on $p: $depends"
done
dpkg-deb -c "$deb" >"$work/contents"
grep -q '/plu-manager/libzqslabelscale.so' "$work/contents" || fail "library not in the package"
# The link library is private to the program: no ldconfig. The one maintainer script creates the
# watcher's user.
dpkg-deb -e "$deb" "$work/control"
[ ! -e "$work/control/postrm" ] || fail "a postrm in the package"
grep -q 'systemd-sysusers plu-watch.conf' "$work/control/postinst" || fail "postinst does not create the watcher's user"
grep -q 'lib/systemd/system/plu-watch@.service' "$work/contents" || fail "service unit not in the package"
if command -v lintian >/dev/null; then
    accepted=$(awk '!/^#/ && NF {print $1}' "$src/tools/packaging/lintian-accepted" | paste -sd, -)
    lintian --pedantic --display-info --display-experimental --fail-on error,warning,info,pedantic,experimental \
        ${accepted:+--suppress-tags "$accepted"} "$deb" ||
        fail "lintian"
else
    echo "lintian is not installed (tools/deps.sh --test installs it)" >&2
    exit 1
fi
echo "package checks passed"
