#!/usr/bin/env bash
# Validates the metadata, builds the .deb, checks what it holds and needs, and starts the program
# from the unpacked package as a user would. Usage: check_package.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
work=$(mktemp -d) && chmod 0755 "$work"  # reachable by the unprivileged user below
trap 'chmod -R u+rwX "$work"; rm -rf "$work"' EXIT
fail() { echo "$*"; exit 1; }
id=org.velmora.Velmora
desktop-file-validate "$1/data/$id.desktop"
# Not a folder handler: "show in folder" from any program would register that folder.
! grep -q '^MimeType=.*inode/directory' "$1/data/$id.desktop" || fail "the entry claims folders"
appstreamcli validate --no-net "$1/data/$id.metainfo.xml"

cpack --config "$2/CPackConfig.cmake" -B "$work/out" >/dev/null
deb=$(ls "$work"/out/velmora_*.deb)
dpkg-deb -x "$deb" "$work/root" && cd "$work/root/usr"
ls bin/velmora{,-cli} share/doc/velmora/README.md >/dev/null  # ls names what is missing
ls share/{applications/$id.desktop,metainfo/$id.metainfo.xml,icons/hicolor/scalable/apps/$id.svg} \
  share/icons/hicolor/{16x16,32x32,48x48,256x256}/apps/$id.png >/dev/null
ls share/{man/man1/velmora{,-cli}.1,bash-completion/completions/velmora{,-cli}} >/dev/null
{ readelf -d -p .rodata bin/*; cat share/{applications,metainfo}/*; } | grep -F "$2" &&
  fail "a build path is baked in (run path, compiled-in text or data)"
for needed in xdg-utils qt6-qpa-plugins fonts-liberation2 libqt6widgets6 libicu72 libglib2.0-0; do
  dpkg-deb -f "$deb" Depends | grep -qF "$needed" || fail "the package does not depend on $needed"
done

# Unpacked where the user cannot write, the program keeps its list in the user's config folder.
chmod -R a+rX,a-w "$work/root" && mkdir -m 0777 "$work/home"
run=() && [[ $(id -u) != 0 ]] || run=(setpriv --reuid=65534 --regid=65534 --clear-groups)
[[ $("${run[@]}" bin/velmora-cli tags HolidayPhotos2009_Beach.JPG) == "holiday photos beach jpg" ]]
status=$(HOME="$work/home" XDG_CONFIG_HOME= QT_QPA_PLATFORM=offscreen timeout 3 "${run[@]}" \
  bin/velmora >/dev/null 2>&1; echo $?)
[[ $status == 124 ]] || fail "the window program ended by itself ($status) instead of running"
[[ -d $work/home/.config/velmora ]] || fail "no ~/.config/velmora was made"
