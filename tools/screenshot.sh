#!/usr/bin/env bash
# Takes the README's screenshot: the window on a fresh demo folder, at 1024×768, under a
# virtual X server of its own (Xvfb), so it works on a machine without a display.
#   tools/screenshot.sh PROGRAM OUTPUT.png [SKIPS]
# SKIPS: how many pairs to skip (Alt+S, with xdotool) before the picture is taken.
# Needs Xvfb (xvfb), xauth, xdotool and ImageMagick (convert, import).
set -euo pipefail

program=$(realpath "$1")
output=$2
skips=${3:-1}
here=$(cd "$(dirname "$0")" && pwd)
for tool in Xvfb xdotool import convert; do
    command -v "$tool" >/dev/null || { echo "screenshot.sh: $tool is missing" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=
app_pid=
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf -- "$work"
}
trap cleanup EXIT

"$here/make-demo.sh" "$work/demo" >/dev/null

# A display number that is free: Xvfb picks it and writes it to the pipe.
exec {displayfd}<> <(:)
Xvfb -displayfd "$displayfd" -screen 0 1024x768x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
read -r -t 10 number <&"$displayfd" || { echo "screenshot.sh: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$number"

# A runtime folder of its own, so that a Twinpics already running elsewhere gets nothing.
mkdir -m 700 "$work/runtime"
(cd "$work" && XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb exec "$program" demo) \
    >"$work/app.log" 2>&1 &
app_pid=$!

window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Twinpics$' | head -n 1)
xdotool windowmove "$window" 0 0 windowsize "$window" 1024 768
sleep 1
for ((n = 0; n < skips; n++)); do
    xdotool windowfocus --sync "$window" key --window "$window" alt+s
    sleep 0.5
done
sleep 1
import -window root "$work/shot.png"
convert "$work/shot.png" -strip "$output"
echo "Wrote $output"
