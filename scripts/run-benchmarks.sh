#!/usr/bin/env bash
# Runs every benchmark program of a build and reports each benchmark against its target.
#
# usage: scripts/run-benchmarks.sh BUILD_DIR
#
# Conventions:
#   - Every module's benchmark program is named <module>_bench and built into BUILD_DIR/bench
#     (bench/CMakeLists.txt: draftbay_add_bench). Every executable matching that name is run.
#   - A benchmark states its target in its label as "target: NAME>=VALUE NAME<=VALUE ...",
#     NAME being one of its counters (as in the JSON output), VALUE a number with an optional
#     k, M or G (10^3, 10^6, 10^9) and an optional "/s" for rate counters. A label without
#     "target:" means the benchmark has no target.
#   - A missed target prints "MISSED target ..." but does not fail the script; a program that
#     fails or a benchmark that reports an error (its own checks failed) does.
#
# Environment: BENCH_FILTER (a --benchmark_filter regex), BENCH_ARGS (more arguments for
# every program), BENCH_OUT (folder for the JSON results; a temporary one by default).
set -uo pipefail

if [ $# -ne 1 ]; then
    echo "usage: $0 BUILD_DIR" >&2
    exit 2
fi
build_dir=$1
bench_dir=$build_dir/bench
# The video module is beside the programs of the build, not beside the benchmarks.
export DRAFTBAY_MODULE_DIR=${DRAFTBAY_MODULE_DIR:-$(cd "$build_dir" && pwd)/bin}
if [ ! -d "$bench_dir" ]; then
    echo "run-benchmarks: no folder $bench_dir (configure with -DDRAFTBAY_BUILD_BENCH=ON)" >&2
    exit 1
fi
command -v python3 >/dev/null || { echo "run-benchmarks: python3 is needed" >&2; exit 1; }

mapfile -t programs < <(find "$bench_dir" -maxdepth 2 -type f -name '*_bench' -perm -u+x | sort)
if [ ${#programs[@]} -eq 0 ]; then
    echo "run-benchmarks: no *_bench program in $bench_dir" >&2
    exit 1
fi

if [ -n "${BENCH_OUT:-}" ]; then
    out_dir=$BENCH_OUT
    mkdir -p "$out_dir"
else
    out_dir=$(mktemp -d "${TMPDIR:-/tmp}/draftbay-bench.XXXXXX")
    trap 'rm -rf "$out_dir"' EXIT
fi

status=0
results=()
for program in "${programs[@]}"; do
    name=$(basename "$program")
    json=$out_dir/$name.json
    echo "=== $name"
    args=(--benchmark_counters_tabular=true --benchmark_out="$json" --benchmark_out_format=json)
    [ -n "${BENCH_FILTER:-}" ] && args+=(--benchmark_filter="$BENCH_FILTER")
    # shellcheck disable=SC2206 # BENCH_ARGS is split on purpose
    [ -n "${BENCH_ARGS:-}" ] && args+=($BENCH_ARGS)
    "$program" "${args[@]}"
    rc=$?
    if [ $rc -ne 0 ]; then
        echo "FAILED $name (exit status $rc)"
        status=1
    fi
    [ -s "$json" ] && results+=("$json")
done

echo
echo "=== Summary"
if [ ${#results[@]} -eq 0 ]; then
    echo "no results"
    exit 1
fi
python3 - "${results[@]}" <<'EOF' || status=1
import json, re, sys

SCALE = {"": 1.0, "k": 1e3, "M": 1e6, "G": 1e9}
TARGET = re.compile(r"([A-Za-z_][\w/.]*)\s*(>=|<=)\s*([0-9.]+(?:[eE][-+]?[0-9]+)?)([kMG]?)(?:/s)?")

def show(value):
    for suffix, scale in (("G", 1e9), ("M", 1e6), ("k", 1e3)):
        if abs(value) >= scale:
            return f"{value / scale:.3g}{suffix}"
    return f"{value:.3g}"

met = missed = errors = untargeted = 0
for path in sys.argv[1:]:
    with open(path) as file:
        report = json.load(file)
    for run in report.get("benchmarks", []):
        if run.get("run_type") == "aggregate" and run.get("aggregate_name") != "mean":
            continue
        name = run["name"]
        if run.get("error_occurred"):
            errors += 1
            print(f"ERROR  {name}: {run.get('error_message', '')}")
            continue
        label = run.get("label", "")
        if "target:" not in label:
            untargeted += 1
            continue
        for counter, op, number, suffix in TARGET.findall(label.split("target:", 1)[1]):
            bound = float(number) * SCALE[suffix]
            if counter not in run:
                errors += 1
                print(f"ERROR  {name}: no counter {counter} for its target")
                continue
            value = float(run[counter])
            ok = value >= bound if op == ">=" else value <= bound
            line = f"{name}: {counter} = {show(value)} (target {op} {show(bound)})"
            if ok:
                met += 1
                print(f"met    target {line}")
            else:
                missed += 1
                print(f"MISSED target {line}")

print(f"\n{met} targets met, {missed} missed, {untargeted} benchmarks without a target, "
      f"{errors} errors")
sys.exit(1 if errors else 0)
EOF
exit $status
