#!/bin/sh
# Builds the Debian package, checks its file list and control fields, then
# unpacks it and starts the program from it under a virtual X server.
set -eu
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "$*"; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/log" 2>&1 || { cat "$work/log"; exit 1; }
deb=$(echo "$work"/tessaro_*.deb)
dpkg-deb -c "$deb" | awk '{ print substr($6, 2) }' >"$work/files"
has() { grep -qx "$1" "$work/files" || fail "not in the package: $1"; }
for f in bin/tessaro bin/tessaro-servo lib/tessaro/servop.gif lib/tessaro/servon.gif \
         share/applications/tessaro.desktop share/icons/hicolor/64x64/apps/tessaro.png \
         share/icons/hicolor/scalable/apps/tessaro.svg share/doc/tessaro/copyright \
         share/metainfo/io.github.tessaro.Tessaro.metainfo.xml share/doc/tessaro/changelog.Debian.gz; do
  has "/usr/$f"
done
has /lib/udev/rules.d/60-tessaro.rules
for p in $(sed -n 's|^/usr/bin/\(..*\)|\1|p' "$work/files"); do has "/usr/share/man/man1/$p.1.gz"; done

depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 qt6-qpa-plugins; do
  echo "$depends" | grep -qw "$d" || fail "Depends lacks $d: $depends"
done
root=$work/root
dpkg-deb -x "$deb" "$root"
zcat "$root/usr/share/doc/tessaro/changelog.Debian.gz" | head -n 1 |
  grep -qF "($(dpkg-deb -f "$deb" Version))" || fail "changelog.Debian: no entry for this version on top"
for f in "$root/usr/lib/tessaro/tessaro" "$root"/usr/bin/tessaro-*; do
  if readelf -S -W "$f" | grep -qE ' \.(symtab|debug_info) '; then fail "not stripped: $f"; fi
done

# --help and --version answer at once, with no display at all.
version=$(dpkg-deb -f "$deb" Version | cut -d- -f1)
for p in tessaro tessaro-servo tessaro-cli; do
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 10 "$root/usr/bin/$p" --version) ||
    fail "$p --version failed without a display"
  [ "$out" = "$p $version" ] || fail "$p --version said: $out"
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 10 "$root/usr/bin/$p" --help |
    grep -q '^Usage:' || fail "$p --help printed no usage"
done

# Its ports are looked for only in an empty folder of this test's.
mkdir "$work/ports"
cat > "$work/probe.sh" <<PROBE
#!/bin/sh
"$root/usr/bin/tessaro" --port-folder "$work/ports" &
pid=\$!
for i in \$(seq 1 100); do
  if xwininfo -root -tree | grep -q '"Korvane Tessaro"'; then
    echo "installed program showed its window"
    kill \$pid
    exit 0
  fi
  kill -0 \$pid 2>/dev/null || { echo "installed program ended before showing a window"; exit 1; }
  sleep 0.1
done
echo "no window after 10 s"
kill \$pid
exit 1
PROBE
env -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$work" xvfb-run -a sh "$work/probe.sh"
