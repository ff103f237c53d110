#!/bin/sh
# Builds the Debian package with dpkg-buildpackage from a copy of the tracked
# sources, checks it with lintian and hardening-check, installs it, tries the
# installed programs (the window under Xvfb and a headless Weston) and purges it again.
# check_install.sh SOURCE_DIR; exits 77 when it cannot run on this machine.
set -eu
src=$(realpath "$1")
[ "$(id -u)" = 0 ] || { echo "install_package: needs root to install the package; skipped"; exit 77; }
for tool in dpkg-buildpackage dh lintian hardening-check appstreamcli strace xvfb-run zsh; do
    command -v "$tool" >/dev/null || { echo "install_package: $tool is not installed; skipped"; exit 77; }
done
(cd "$src" && dpkg-checkbuilddeps) || { echo "install_package: build dependencies missing; skipped"; exit 77; }
if dpkg-query -W -f='${Status}' tessaro 2>/dev/null | grep -q installed; then
    echo "install_package: tessaro is installed on this machine already; not replacing it"
    exit 77
fi
work=$(mktemp -d)
installed= weston=
cleanup() {
    [ -z "$weston" ] || kill "$weston" 2>/dev/null || true
    [ -n "$installed" ] && apt-get purge -y -qq tessaro >/dev/null 2>&1
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "install_package: $*"; exit 1; }

# The tracked files as they are in the working tree, edits included.
mkdir "$work/tessaro"
git -C "$src" ls-files -z | (cd "$src" && tar -cf - --null -T -) | tar -xf - -C "$work/tessaro"
(cd "$work/tessaro" && dpkg-source -b . && DEB_BUILD_OPTIONS=parallel=2 dpkg-buildpackage -us -uc -b) \
    >"$work/build.log" 2>&1 || { tail -n 40 "$work/build.log"; fail "package build failed"; }
version=$(dpkg-parsechangelog -l "$work/tessaro/debian/changelog" -S Version)
deb=$work/tessaro_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] && [ -f "$work/tessaro-dbgsym_${version}_$(dpkg --print-architecture).deb" ] ||
    fail "no tessaro and tessaro-dbgsym packages for $version"

# One version: the project's, the changelog's, the metainfo's newest release.
grep -q "project(tessaro VERSION $version " "$src/CMakeLists.txt" || fail "CMakeLists.txt is not at $version"
grep -m1 '<release ' "$src/packaging/io.github.tessaro.tessaro.metainfo.xml" | grep -qF "\"$version\"" ||
    fail "metainfo's newest release is not $version"

# Every tag lintian shows is an error: the ones kept are overridden with a reason.
# It also finds unstripped programs, a program without its manual page and a missing changelog.
lintian --pedantic --display-info --fail-on error,warning,info,pedantic \
    "$work"/tessaro_"$version".dsc "$work"/tessaro_"${version}"_*.changes >"$work/lintian" 2>&1 ||
    { cat "$work/lintian"; fail "lintian"; }

for want in "Depends libqt6widgets6 qt6-qpa-plugins fonts-liberation2" "Recommends qt6-wayland" "Suggests hardinfo"; do
    set -- $want && field=$1 && shift
    for d; do dpkg-deb -f "$deb" "$field" | grep -qw "$d" || fail "$field lacks $d: $(dpkg-deb -f "$deb" "$field")"; done
done

apt-get install -y -qq --no-install-recommends "$deb" >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt-get install"; }
installed=yes
dpkg -L tessaro | sort >"$work/files"
has() { grep -qx "$1" "$work/files" || fail "not installed: $1"; }
# What debian/tessaro.install names, each folder with something in it.
while read -r from to; do
    f=/${to:-$from}${to:+/${from##*/}}
    has "$f"
    [ ! -d "$f" ] || grep -q "^$f/" "$work/files" || fail "nothing installed in $f"
done <"$src/debian/tessaro.install"
# The pictures the program loads, listed beside their install rule, and the desktop icons.
for p in $(sed -n 's/^set(TESSARO_PICTURES \(.*\))$/\1/p' "$src/src/CMakeLists.txt"); do has "/usr/share/tessaro/$p"; done
for i in 64x64/apps/tessaro.png scalable/apps/tessaro.svg; do has "/usr/share/icons/hicolor/$i"; done
if grep -q '^/usr/lib/' "$work/files"; then fail "files under /usr/lib: $(grep '^/usr/lib/' "$work/files")"; fi
appstreamcli validate --pedantic --no-net /usr/share/metainfo/io.github.tessaro.tessaro.metainfo.xml \
    >"$work/appstream" 2>&1 || { cat "$work/appstream"; fail "appstream"; }

# Debian 12's C start files carry no CET marking, so no program linked on it has
# control flow integrity. tessaro-cli calls memcpy and memmove only with sizes
# known at run time, which fortify cannot check: its flags are checked instead.
hardening-check --nocfprotection /usr/bin/tessaro /usr/bin/tessaro-servo || fail "hardening-check"
hardening-check --nocfprotection --nofortify /usr/bin/tessaro-cli || fail "hardening-check tessaro-cli"
grep 'tools/cli/main.cpp$' "$work/build.log" | grep -q -- '-D_FORTIFY_SOURCE=2' ||
    fail "tessaro-cli was not compiled with -D_FORTIFY_SOURCE=2"

# --help and --version answer at once, with no display at all.
for p in tessaro tessaro-servo tessaro-cli; do
    run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 10 "$p" "$1"; }
    [ "$(run --version)" = "$p $version" ] && run --help | grep -q '^Usage:' ||
        fail "$p --version or --help without a display: $(run --version)"
done

sh "$src/tests/completion/check_completion.sh" /usr/share/bash-completion/completions/tessaro-cli \
    /usr/share/zsh/vendor-completions/_tessaro-cli /usr/bin

# The window under Xvfb, then natively under a headless Weston, its ports looked
# for only in an empty folder of this test's, with nothing on standard error; it
# reads its pictures from /usr/share/tessaro and the faces from fonts-liberation2.
mkdir -m 700 "$work/ports" "$work/rt"
cat >"$work/probe.sh" <<'PROBE'
# probe.sh WORK COMMAND...: the program until COMMAND sees its window (10 s at most),
# and what it wrote on standard error one second later.
work=$1 && shift
strace -I1 -f -qq -e trace=openat -o "$work/opened" tessaro --port-folder "$work/ports" 2>"$work/stderr" &
for i in $(seq 1 100); do
    "$@" >/dev/null 2>&1 && { sleep 1; cp "$work/stderr" "$work/warnings"; kill $!; wait $!; exit 0; }
    kill -0 $! 2>/dev/null && sleep 0.1 || { echo "the program ended before showing a window"; exit 1; }
done
kill $! && echo "no window after 10 s" && exit 1
PROBE
env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY XDG_RUNTIME_DIR="$work/rt" XDG_DATA_HOME="$work/data" xvfb-run -a \
    sh "$work/probe.sh" "$work" sh -c 'xwininfo -root -tree | grep -q "\"Korvane Tessaro\""' || fail "Xvfb"
[ ! -s "$work/warnings" ] || fail "warnings under Xvfb: $(cat "$work/warnings")"
for f in /usr/share/tessaro/servop.gif /usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf \
    /usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf; do
    grep -q "openat(.*\"$f\", O_RDONLY.*) = [0-9]" "$work/opened" || fail "the program did not read $f"
done
if ! command -v weston >/dev/null || ! dpkg-query -W -f='${Status}' qt6-wayland 2>/dev/null | grep -q 'ok installed'; then
    echo "install_package: weston or qt6-wayland is not installed; the window was not tried under Wayland"
else
    wl=$work/wayland.log
    XDG_RUNTIME_DIR="$work/rt" weston --backend=headless-backend.so --socket=tessaro --idle-time=0 \
        --logger-scopes=proto --log="$wl" >"$work/weston" 2>&1 &
    weston=$!
    for i in $(seq 1 100); do [ -S "$work/rt/tessaro" ] && break || sleep 0.1; done
    env -u DISPLAY XDG_RUNTIME_DIR="$work/rt" WAYLAND_DISPLAY=tessaro QT_QPA_PLATFORM=wayland \
        XDG_DATA_HOME="$work/data" sh "$work/probe.sh" "$work" grep -q 'set_title("Korvane Tessaro")' "$wl" ||
        { cat "$work/weston"; fail "Weston"; }
    [ ! -s "$work/warnings" ] || fail "warnings under Weston: $(cat "$work/warnings")"
fi

# Purging leaves none of the package's files behind.
apt-get purge -y -qq tessaro >/dev/null
installed=
dpkg-query -W -f='${Status}' tessaro 2>/dev/null | grep -qv 'not-installed' &&
    fail "still known to dpkg after purge: $(dpkg-query -W -f='${Status}' tessaro)"
while read -r f; do
    [ -d "$f" ] && [ "$f" != /usr/share/tessaro ] && [ "$f" != /usr/share/doc/tessaro ] && continue
    [ -e "$f" ] && fail "left behind by purge: $f"
done <"$work/files"
echo "install_package: built, checked, installed, started and purged tessaro $version"
