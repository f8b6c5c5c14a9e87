#!/bin/sh
# Builds the Debian package, unpacks it into a temporary root and starts the
# unpacked programs as a user would: the command line, and the window from
# its desktop entry's command, offscreen, keeping its home in the user's data folder.
# Usage: package-test.sh BUILD_DIR CPACK VERSION
set -eu
build=$1
cpack=$2
version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" > "$work/cpack.log" 2>&1 \
  || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/out/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for lib in libqt6widgets6 libqt6charts6 libqt6gui6 libqt6core6 libstdc++6 libc6; do
  echo "$depends" | grep -q "$lib" || fail "Depends lacks $lib"
done

root="$work/root"
dpkg-deb -x "$deb" "$root"
app=io.github.tallyhand.Tallyhand
for f in usr/bin/tallyhand usr/bin/tallyhand-cli "usr/share/applications/$app.desktop" \
         "usr/share/metainfo/$app.metainfo.xml" "usr/share/icons/hicolor/scalable/apps/$app.svg"; do
  [ -f "$root/$f" ] || fail "missing $f"
done
if command -v appstreamcli > /dev/null; then
  appstreamcli validate --no-net "$root/usr/share/metainfo/$app.metainfo.xml" || fail "metainfo"
fi

out=$("$root/usr/bin/tallyhand-cli" --version)
[ "$out" = "tallyhand-cli $version" ] || fail "tallyhand-cli --version printed '$out'"

export HOME="$work/home" XDG_DATA_HOME="$work/home/.local/share" XDG_CONFIG_HOME="$work/home/.config"
export XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=offscreen
mkdir -p "$XDG_DATA_HOME/Tallyhand" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
printf '[USER]\r\nusername=Hero\r\n' > "$XDG_DATA_HOME/Tallyhand/Tallyhand.ini"
command=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/$app.desktop")
timeout 60 "$root/usr/bin/$command" --screenshot "$work/shot.png" > "$work/window.log" 2>&1 \
  || { cat "$work/window.log"; fail "window"; }
[ -s "$work/shot.png" ] || fail "no screenshot"
[ -d "$XDG_DATA_HOME/Tallyhand/data" ] || fail "home not in the user's data folder"
[ ! -e "$root/usr/bin/data" ] || fail "data written beside the installed program"
if [ -n "${TALLYHAND_PACKAGE_SHOT:-}" ]; then cp "$work/shot.png" "$TALLYHAND_PACKAGE_SHOT"; fi
echo "package ok: $(basename "$deb")"
