#!/usr/bin/env bash
# Validates the desktop entry and the AppStream metainfo, builds the .deb, checks what it
# holds and needs, and starts the program from the unpacked package as a user would.
# Usage: check_package.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
src=$1
build=$2
work=$(mktemp -d)
chmod 0755 "$work"  # reachable by the unprivileged user below
trap 'chmod -R u+rwX "$work"; rm -rf "$work"' EXIT

desktop-file-validate "$src/data/org.velmora.Velmora.desktop"
appstreamcli validate --no-net "$src/data/org.velmora.Velmora.metainfo.xml"

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >/dev/null
deb=$(ls "$work"/out/velmora_*.deb)
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' > "$work/files"
for expected in /usr/bin/velmora /usr/bin/velmora-cli \
    /usr/share/applications/org.velmora.Velmora.desktop \
    /usr/share/metainfo/org.velmora.Velmora.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/org.velmora.Velmora.svg \
    /usr/share/icons/hicolor/16x16/apps/org.velmora.Velmora.png \
    /usr/share/icons/hicolor/32x32/apps/org.velmora.Velmora.png \
    /usr/share/icons/hicolor/48x48/apps/org.velmora.Velmora.png \
    /usr/share/icons/hicolor/256x256/apps/org.velmora.Velmora.png \
    /usr/share/doc/velmora/README.md; do
  grep -qx "$expected" "$work/files" || { echo "missing from the package: $expected"; exit 1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
for needed in xdg-utils qt6-qpa-plugins fonts-liberation2 libqt6widgets6 libicu72 libglib2.0-0; do
  [[ $depends == *"$needed"* ]] || { echo "the package does not depend on $needed: $depends"; exit 1; }
done

# Unpacked where the user cannot write, the program keeps its list in the user's config folder.
dpkg-deb -x "$deb" "$work/root"
chmod -R a+rX,a-w "$work/root"
mkdir -m 0777 "$work/home"
run=()
[[ $(id -u) == 0 ]] && run=(setpriv --reuid=65534 --regid=65534 --clear-groups)
[[ $("${run[@]}" "$work/root/usr/bin/velmora-cli" tags HolidayPhotos2009_Beach.JPG) == "holiday photos beach jpg" ]]
status=0
HOME="$work/home" XDG_CONFIG_HOME= QT_QPA_PLATFORM=offscreen timeout 3 "${run[@]}" "$work/root/usr/bin/velmora" \
  >/dev/null 2>&1 || status=$?
[[ $status == 124 ]] || { echo "the window program ended by itself ($status) instead of running"; exit 1; }
[[ -d $work/home/.config/velmora ]] || { echo "no ~/.config/velmora was made"; exit 1; }
echo "package checked: $(basename "$deb"), $(wc -l < "$work/files") entries"
