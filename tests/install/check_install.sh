#!/bin/sh
# Installs the build into a temporary prefix and starts the installed program
# under a virtual X server until its window is shown.
set -eu
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

for f in bin/tessaro bin/tessaro-servo lib/tessaro/servop.gif lib/tessaro/servon.gif \
         share/applications/tessaro.desktop share/icons/hicolor/64x64/apps/tessaro.png; do
  [ -e "$prefix/$f" ] || { echo "missing after install: $f"; exit 1; }
done

cat > "$prefix/probe.sh" <<PROBE
#!/bin/sh
"$prefix/bin/tessaro" &
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
env -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$prefix" xvfb-run -a sh "$prefix/probe.sh"
