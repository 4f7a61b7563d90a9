#!/usr/bin/env bash
# Builds the Debian package (a release build of its own) and checks it: its
# control fields and dependencies, every file it installs, that apt could
# install it here, and that the programs it carries start. The install itself
# is simulated: a fresh Debian root would have to be fetched from a mirror.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset package >/dev/null
cmake --build --preset package

version=$(sed -n 's/^project(Ravlo VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
deb="build/package/ravlo_${version}_$(dpkg --print-architecture).deb"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

passed=0
failed=0
check() {
  local what="$1"
  shift
  if "$@" >"$work/last.log" 2>&1; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED: $what"
    sed 's/^/  /' "$work/last.log"
  fi
}

field() { dpkg-deb --field "$deb" "$1"; }
field_is() { [ "$(field "$1")" = "$2" ]; }
depends_on() { field Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//' | grep -qx "$1"; }

check "the package exists" test -f "$deb"
check "Package is ravlo" field_is Package ravlo
check "Version is $version" field_is Version "$version"
check "Architecture is the machine's" field_is Architecture "$(dpkg --print-architecture)"
check "Section is sound" field_is Section sound
check "Maintainer is set" test -n "$(field Maintainer)"
check "Description is set" test -n "$(field Description)"
for package in libqt6core6 libqt6gui6 libqt6widgets6 libqt6network6 librtmidi6 libfluidsynth3 \
  libstdc++6 libc6; do
  check "Depends names $package" depends_on "$package"
done

dpkg-deb --contents "$deb" | awk '{print $6}' | sed 's|^\./|/|' >"$work/contents"
expected=(
  /usr/bin/ravlo
  /usr/bin/ravlo-cli
  /usr/share/applications/ravlo.desktop
  /usr/share/icons/hicolor/scalable/apps/ravlo.svg
  /usr/share/mime/packages/ravlo.xml
  /usr/share/metainfo/com.quorvik.Ravlo.metainfo.xml
  /usr/share/man/man1/ravlo-cli.1.gz
  /usr/share/doc/ravlo/copyright
)
sizes=(16 22 24 32 48 64 128 256)
for size in "${sizes[@]}"; do
  expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/ravlo.png")
done
for file in "${expected[@]}"; do
  check "installs $file" grep -qx "$file" "$work/contents"
done
check "installs nothing else" test "$(grep -cv '/$' "$work/contents")" -eq "${#expected[@]}"

root="$work/root"
dpkg-deb --extract "$deb" "$root"
share="$root/usr/share"
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}'; }
for size in "${sizes[@]}"; do
  check "the ${size}x${size} icon is that size" test "$(png_size "$share/icons/hicolor/${size}x${size}/apps/ravlo.png")" = "${size}x${size}"
done
check "ravlo-cli --help runs" bash -c "'$root/usr/bin/ravlo-cli' --help | grep -q '^usage: ravlo-cli'"
# Both without a display: a packaging tool or a shell over ssh asks them too.
nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
check "ravlo --version runs without a display" bash -c "${nodisplay[*]} '$root/usr/bin/ravlo' --version | grep -qx 'Ravlo $version'"
check "ravlo --help runs without a display" bash -c "${nodisplay[*]} '$root/usr/bin/ravlo' --help | grep -q 'Usage:'"
check "ravlo-cli --version is the package's" bash -c "'$root/usr/bin/ravlo-cli' --version | grep -qx 'ravlo-cli $version'"
check "the copyright file is the MIT licence" grep -q '^Copyright (c) The Ravlo developers$' "$share/doc/ravlo/copyright"
check "the AppStream metadata names the licence" grep -q '<project_license>MIT</project_license>' "$share/metainfo/com.quorvik.Ravlo.metainfo.xml"
check "the binaries find every library" bash -c "! ldd '$root/usr/bin/ravlo' '$root/usr/bin/ravlo-cli' | grep -q 'not found'"
check "the man page is the --help text" bash -c "MANWIDTH=100 man -l '$share/man/man1/ravlo-cli.1.gz' | grep -q 'convert-q3v BANK.q3v'"
check "the desktop entry is valid" desktop-file-validate "$share/applications/ravlo.desktop"
check "the desktop entry opens the three kinds" grep -qx 'MimeType=application/x-sysex;audio/midi;application/x-qs300-voice-bank;' "$share/applications/ravlo.desktop"
check "the AppStream metadata is valid" appstreamcli validate --no-net "$share/metainfo/com.quorvik.Ravlo.metainfo.xml"

# The MIME types as a file manager will see them once the database is rebuilt.
mkdir -p "$work/mime/packages"
cp /usr/share/mime/packages/freedesktop.org.xml "$share/mime/packages/ravlo.xml" "$work/mime/packages/"
check "the MIME types build" update-mime-database "$work/mime"
check ".syx is application/x-sysex" grep -q '^50:application/x-sysex:\*\.syx$' "$work/mime/globs2"
check ".q3v is application/x-qs300-voice-bank" grep -q '^50:application/x-qs300-voice-bank:\*\.q3v$' "$work/mime/globs2"
check ".mid stays audio/midi" grep -q ':audio/midi:\*\.mid$' "$work/mime/globs2"

check "apt could install it with its dependencies" apt-get install --simulate --no-install-recommends "./$deb"

echo "package check: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
