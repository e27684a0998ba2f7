#!/usr/bin/env bash
# The installed files validate, the Debian package holds them with the right
# dependencies and would install, and the packaged program starts from the
# menu entry's command.
set -uo pipefail
build=$1
. "$(dirname "$0")/../x11_helpers.sh"

id=fr.piedacoulisse.PiedACoulisse

DESTDIR="$work/stage" cmake --install "$build" --prefix /usr >/dev/null || fail "cmake --install"
share="$work/stage/usr/share"
for f in "$work/stage/usr/bin/pied-a-coulisse" "$share/applications/$id.desktop" \
         "$share/icons/hicolor/scalable/apps/$id.svg" "$share/metainfo/$id.metainfo.xml"; do
  [ -f "$f" ] || fail "non installé : $f"
done
out=$(desktop-file-validate "$share/applications/$id.desktop" 2>&1)
[ $? = 0 ] && [ -z "$out" ] || fail "desktop-file-validate : $out"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" >"$work/as" 2>&1 ||
  fail "appstreamcli : $(cat "$work/as")"

(cd "$build" && cpack -G DEB -B "$work/pkg" >"$work/cpack" 2>&1) || fail "cpack : $(cat "$work/cpack")"
deb=$(ls "$work"/pkg/pied-a-coulisse_*.deb) || fail "pas de paquet"
contents=$(dpkg-deb -c "$deb")
for f in ./usr/bin/pied-a-coulisse ./usr/share/applications/$id.desktop \
         ./usr/share/icons/hicolor/scalable/apps/$id.svg ./usr/share/metainfo/$id.metainfo.xml; do
  grep -q " $f\$" <<<"$contents" || fail "absent du paquet : $f"
done
depends=$(dpkg-deb -f "$deb" Depends)
for d in fonts-liberation2 libqt6widgets6 libqt6serialport6; do
  grep -q "$d" <<<"$depends" || fail "dépendance manquante : $d ($depends)"
done
apt-get install --simulate "$deb" >"$work/apt" 2>&1 || fail "apt-get install : $(cat "$work/apt")"

# Start the packaged program with the menu entry's own command.
dpkg-deb -x "$deb" "$work/root"
command=$(sed -n 's/^Exec=//p' "$work/root/usr/share/applications/$id.desktop")
PATH="$work/root/usr/bin:$PATH" ORPHY_SOURCE="simulation?volts=1" $command 2>"$work/err" &
pid=$!
window=$(window_named "$title") || fail "le programme installé n'ouvre pas sa fenêtre"
sleep 0.5
press_return "$window"
wait_status $pid
[ "$status" = 0 ] || fail "le programme installé ne s'est pas fermé (statut $status)"
pid=

echo "1 passed, 0 failed"
