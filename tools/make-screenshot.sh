#!/usr/bin/env bash
# Remakes the README's picture of the main window: the program on a copy of the demo catalogue, with
# fresh settings, under Xvfb.
# Usage: tools/make-screenshot.sh [--screen] [BUILD_DIR] [OUT.png] [KEY ...]
#   BUILD_DIR defaults to build (the program must be built), OUT.png to docs/main-window.png. Each KEY
#   (an xdotool key name such as F10 or Down) is pressed before the picture is taken; without keys the
#   table goes down to "The Dark Side of the Moon", a disc with a description and a cover. --screen
#   takes the whole screen instead of the window, so that an opened menu shows too.
set -euo pipefail
cd "$(dirname "$0")/.."
area=window
if [ "${1:-}" = --screen ]; then
    area=root
    shift
fi
build=${1:-build}
out=${2:-docs/main-window.png}
shift $(($# < 2 ? $# : 2))
[ $# -gt 0 ] || set -- Down Down Down Down Down Down Down Down
program=$(realpath "$build/mirvane-cdbase")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp examples/demo.cbf examples/*.jpg "$work/"
mkdir -p "$work/config/mirvane-cdbase"
# No update check at start-up: its window would cover the main window.
printf '[Setup]\r\nNoUpdating=1\r\n' >"$work/config/mirvane-cdbase/MirvaneCDB.ini"

cat >"$work/take" <<'SCRIPT'
#!/usr/bin/env bash
set -euo pipefail
program=$1 catalogue=$2 shot=$3 area=$4
shift 4
"$program" "$catalogue" >"$catalogue.out" 2>&1 &
started=$!
window=""
for _ in $(seq 60); do
    window=$(xdotool search --name "Mirvane CD Base" 2>/dev/null | head -1 || true)
    [ -n "$window" ] && break
    sleep 0.5
done
[ -n "$window" ] || { echo "the main window did not come up" >&2; cat "$catalogue.out" >&2; exit 1; }
sleep 2 # pictures of the information panel are decoded after the window shows
xdotool windowfocus --sync "$window"
for key in "$@"; do
    xdotool key "$key"
    sleep 1
done
[ "$area" = root ] || area=$window
import -window "$area" "$shot"
kill "$started"
SCRIPT
chmod +x "$work/take"

XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" HOME="$work" \
    xvfb-run -a -s "-screen 0 1280x960x24" "$work/take" "$program" "$work/demo.cbf" "$work/shot.png" "$area" "$@"
mkdir -p "$(dirname "$out")"
convert "$work/shot.png" -strip "$out" # no time stamps: the same picture gives the same file
echo "$out"
