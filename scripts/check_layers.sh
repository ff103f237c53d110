#!/bin/sh
# Dependencies run one way: app -> link, settings, gauges, about -> platform.
# Prints every include that points back up, and fails if there is one.
cd "$(dirname "$0")/../src" || exit 2
bad=0
check() {
    folder=$1
    shift
    for upper in "$@"; do
        hits=$(grep -rn "#include \"$upper/" "$folder" 2>/dev/null)
        if [ -n "$hits" ]; then
            echo "$folder must not include from $upper:"
            echo "$hits"
            bad=1
        fi
    done
}
check link app gauges about platform
check settings app link gauges about platform
check gauges app link about
check about app link gauges settings
check platform app link gauges settings about
[ "$bad" = 0 ] && echo "layers: no include points back up"
exit $bad
