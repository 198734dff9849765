#!/usr/bin/env bash
# Makes the screenshots of docs/screenshots from the real window under a private X server:
# the browser, a sketch opened full size, an empty folder, a folder with a damaged file and
# the About box.
#
# usage: scripts/screenshots.sh [BUILD_DIR]   (default build; needs xvfb and imagemagick)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
out=$root/docs/screenshots
work=$(mktemp -d "${TMPDIR:-/tmp}/draftbay-shots.XXXXXX")
display=:$((70 + RANDOM % 50))

Xvfb "$display" -screen 0 1200x750x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
export DISPLAY=$display
sleep 1

# A folder of sample sketches, one of them a file that is no pen file.
sheets=$work/Sketches
samples="$sheets/My Sketches"
"$build/bin/qpe-synth" --count 7 --points 0 --kind drawing --seed 11 --prefix "drawing-" \
    --out "$samples" >/dev/null
"$build/bin/qpe-synth" --count 4 --points 4000 --kind handwriting --seed 13 --prefix "notes-" \
    --out "$samples" >/dev/null
damaged=$sheets/Damaged
mkdir -p "$damaged" "$sheets/Empty"
cp "$samples"/drawing-000[1-3].qpe "$damaged/"
printf 'shopping list: milk, bread\n' >"$damaged/receiver-cut-off.qpe"

# Runs the program on its own profile (start folder, lock, log), does what STEPS says (xdotool
# commands separated by ';', a second apart) and photographs the screen.
shot() {
    local name=$1 folder=$2
    shift 2
    local profile=$work/profiles/$name
    mkdir -p "$profile/Quillo" "$work/run/$name"
    chmod 700 "$work/run/$name"
    sed "s|<directory path=\"\"/>|<directory path=\"$folder\"/>|" \
        "$root/resources/support/draftbayfactory.xml" >"$profile/Quillo/draftbayuser.xml"
    XDG_DATA_HOME=$profile XDG_RUNTIME_DIR=$work/run/$name QT_QPA_PLATFORM=xcb \
        "$build/bin/draftbay" "$@" >/dev/null 2>&1 &
    local app=$!
    # Without a window manager nothing maximises the window: size it to the screen.
    local window
    window=$(xdotool search --sync --onlyvisible --pid "$app" 2>/dev/null | head -1)
    xdotool windowmove "$window" 0 0 windowsize "$window" 1200 750
    sleep "${SHOT_WAIT:-8}"
    local step
    IFS=';' read -ra steps <<<"${STEPS:-}"
    for step in "${steps[@]}"; do
        # shellcheck disable=SC2086
        xdotool $step
        sleep 1
    done
    # SHOT_WINDOW names a window (a dialog) to photograph alone instead of the screen.
    local target=root
    if [[ -n ${SHOT_WINDOW:-} ]]; then
        target=$(xdotool search --onlyvisible --name "^${SHOT_WINDOW}\$" | head -1)
    fi
    import -window "$target" "$out/$name.png"
    kill "$app" 2>/dev/null || true
    wait "$app" 2>/dev/null || true
    echo "wrote $out/$name.png"
}

mkdir -p "$out"
shot browser "$samples"
# The layer editor with the second of three layers selected: highlighted, its strokes on the
# scrubber.
STEPS="mousemove 170 294;click 1" shot editor "$samples" "$samples/drawing-0006.qpe"
# The player halfway through the replay of the same sketch.
STEPS="mousemove 114 46;click 1;key space;sleep 2" shot player "$samples" "$samples/drawing-0006.qpe"
shot empty "$sheets/Empty"
shot placeholder "$damaged"
# The About box, opened from the Help menu, with the simulated receiver plugged in so that
# its firmware version shows (the receiver is announced ten seconds after it arrives).
SHOT_WAIT=13 DRAFTBAY_SIMULATED_RECEIVER="$sheets" \
    STEPS="mousemove 192 14;click 1;mousemove 305 138;click 1" SHOT_WINDOW="About Quillo Draftbay" \
    shot about "$samples"
