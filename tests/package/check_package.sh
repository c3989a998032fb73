#!/usr/bin/env bash
# Validates the desktop entry and the AppStream metainfo, builds the .deb, checks what it
# holds and needs, and starts the program from the unpacked package as a user would.
# Usage: check_package.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
work=$(mktemp -d)
chmod 0755 "$work"  # reachable by the unprivileged user below
trap 'chmod -R u+rwX "$work"; rm -rf "$work"' EXIT
fail() { echo "$*"; exit 1; }

desktop-file-validate "$1/data/org.velmora.Velmora.desktop"
appstreamcli validate --no-net "$1/data/org.velmora.Velmora.metainfo.xml"

cpack --config "$2/CPackConfig.cmake" -B "$work/out" >/dev/null
deb=$(ls "$work"/out/velmora_*.deb)
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' > "$work/files"
id=org.velmora.Velmora
for expected in /usr/bin/velmora{,-cli} /usr/share/{applications/$id.desktop,metainfo/$id.metainfo.xml} \
    /usr/share/icons/hicolor/{scalable/apps/$id.svg,{16x16,32x32,48x48,256x256}/apps/$id.png} \
    /usr/share/doc/velmora/README.md; do
  grep -qx "$expected" "$work/files" || fail "missing from the package: $expected"
done
depends=$(dpkg-deb -f "$deb" Depends)
for needed in xdg-utils qt6-qpa-plugins fonts-liberation2 libqt6widgets6 libicu72 libglib2.0-0; do
  [[ $depends == *"$needed"* ]] || fail "the package does not depend on $needed: $depends"
done

# Unpacked where the user cannot write, the program keeps its list in the user's config folder.
dpkg-deb -x "$deb" "$work/root"
chmod -R a+rX,a-w "$work/root"
mkdir -m 0777 "$work/home"
run=()
[[ $(id -u) == 0 ]] && run=(setpriv --reuid=65534 --regid=65534 --clear-groups)
[[ $("${run[@]}" "$work/root/usr/bin/velmora-cli" tags HolidayPhotos2009_Beach.JPG) == "holiday photos beach jpg" ]]
status=$(HOME="$work/home" XDG_CONFIG_HOME= QT_QPA_PLATFORM=offscreen timeout 3 "${run[@]}" \
  "$work/root/usr/bin/velmora" >/dev/null 2>&1; echo $?)
[[ $status == 124 ]] || fail "the window program ended by itself ($status) instead of running"
[[ -d $work/home/.config/velmora ]] || fail "no ~/.config/velmora was made"
echo "package checked: $(basename "$deb"), $(wc -l < "$work/files") entries"
