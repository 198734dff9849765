#!/usr/bin/env bash
# How reading, the A4 PNG and the thumbnail grow with the size of a sketch: whole processes of
# draftbay-cli on generated sketches of 10k, 100k, 1M and 4M points, timed by /usr/bin/time.
# Prints each run, then per command the least-squares slope of seconds and of peak megabytes
# per million points, and how far the largest sketch's cost per point is from the slope
# (a growth that is linear keeps that within a few tens of per cent).
#
# usage: bench/scaling.sh BUILD_DIR   (BUILD_DIR/bin holds draftbay-cli and qpe-synth)
set -euo pipefail

if [ $# -ne 1 ]; then
    echo "usage: $0 BUILD_DIR" >&2
    exit 2
fi
bin=$(cd "$1" && pwd)/bin
for program in draftbay-cli qpe-synth; do
    [ -x "$bin/$program" ] || { echo "scaling: no $bin/$program" >&2; exit 1; }
done
[ -x /usr/bin/time ] || { echo "scaling: /usr/bin/time is needed (package time)" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/draftbay-scaling.XXXXXX")
trap 'rm -rf "$work"' EXIT
sizes=(10000 100000 1000000 4000000)
for points in "${sizes[@]}"; do
    "$bin/qpe-synth" --count 1 --points "$points" --seed 5 --prefix "s$points-" --out "$work" \
        >/dev/null
done

results=$work/results.txt
: >"$results"
measure() { # name points command...
    local name=$1 points=$2
    shift 2
    /usr/bin/time -f "%e %M" -o "$work/time.txt" "$@" >/dev/null 2>"$work/err.txt" || {
        echo "scaling: $name of $points points failed: $(cat "$work/err.txt")" >&2
        exit 1
    }
    read -r seconds kilobytes <"$work/time.txt"
    echo "$name $points $seconds $kilobytes" >>"$results"
}
for points in "${sizes[@]}"; do
    file=$work/s$points-0001.qpe
    measure info "$points" "$bin/draftbay-cli" info "$file"
    measure png "$points" "$bin/draftbay-cli" convert "$file" "$work/out.png"
    measure thumbnail "$points" "$bin/draftbay-cli" thumbnail "$file" "$work/thumb.png"
done

python3 - "$results" <<'PY'
import sys
rows = [line.split() for line in open(sys.argv[1])]
print(f"{'command':<10} {'points':>9} {'seconds':>8} {'peak MB':>8}")
for name, points, seconds, kb in rows:
    print(f"{name:<10} {int(points):>9} {float(seconds):>8.2f} {int(kb) / 1024:>8.1f}")
print()
print(f"{'command':<10} {'s per 1M':>9} {'MB per 1M':>10} {'4M off slope (time, memory)':>30}")
for name in dict.fromkeys(r[0] for r in rows):
    xs = [int(r[1]) / 1e6 for r in rows if r[0] == name]
    def fit(values):
        n = len(xs)
        mx, my = sum(xs) / n, sum(values) / n
        slope = sum((x - mx) * (y - my) for x, y in zip(xs, values)) / sum((x - mx) ** 2 for x in xs)
        return slope, my - slope * mx
    seconds = [float(r[2]) for r in rows if r[0] == name]
    megabytes = [int(r[3]) / 1024 for r in rows if r[0] == name]
    (ts, t0), (ms, m0) = fit(seconds), fit(megabytes)
    off = lambda values, slope, base: (values[-1] - base) / (slope * xs[-1]) - 1 if slope else 0
    print(f"{name:<10} {ts:>9.3f} {ms:>10.1f} {off(seconds, ts, t0):>+14.0%} {off(megabytes, ms, m0):>+14.0%}")
PY
