#!/usr/bin/env bash
# Runs every libFuzzer program of a fuzz build for a while and fails on anything it finds.
#
# usage: scripts/run-fuzzers.sh BUILD_DIR [SECONDS]
#        SECONDS per program: default $FUZZ_SECONDS, else 60 (FUZZ_SECONDS=300 make fuzz)
#
# Conventions:
#   - The programs are BUILD_DIR/tests/fuzz/fuzz_* (tests/fuzz/CMakeLists.txt).
#   - Each starts from a copy of its checked-in seeds, tests/fuzz/corpus/<program> (the
#     two ink readers also from tests/data/ink/corpus, the files the ink tests replay), and
#     what earlier runs kept in BUILD_DIR/fuzz-corpus/<program>, which also receives the
#     new inputs of this run.
#   - tests/fuzz/<program>.dict is passed as -dict when it exists.
#   - Each runs in a scratch folder of its own (the pen-file reader appends to nivo.log in
#     the current folder), with TMPDIR in /dev/shm when it exists for the files it writes.
#   - A crash, leak, timeout or memory blow-up fails the script; the reproducer and the log
#     are copied to BUILD_DIR/fuzz-findings/<program>/.
# Environment: FUZZ_ARGS (more libFuzzer options for every program).
set -uo pipefail

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
    echo "usage: $0 BUILD_DIR [SECONDS]" >&2
    exit 2
fi
build_dir=$(cd "$1" 2>/dev/null && pwd) || { echo "run-fuzzers: no folder $1" >&2; exit 1; }
seconds=${2:-${FUZZ_SECONDS:-60}}
root=$(cd "$(dirname "$0")/.." && pwd)
ink_corpus=$root/tests/data/ink/corpus

mapfile -t programs < <(find "$build_dir/tests/fuzz" -maxdepth 1 -type f -name 'fuzz_*' \
    -perm -u+x 2>/dev/null | sort)
if [ ${#programs[@]} -eq 0 ]; then
    echo "run-fuzzers: no fuzz_* program in $build_dir/tests/fuzz" \
        "(configure with CXX=clang++ -DDRAFTBAY_BUILD_FUZZ=ON)" >&2
    exit 1
fi

scratch=$(mktemp -d "${TMPDIR:-/tmp}/draftbay-fuzz.XXXXXX")
# The document fuzzer saves through synced files: a memory-backed folder keeps that cheap.
files_dir=$scratch
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    files_dir=$(mktemp -d /dev/shm/draftbay-fuzz.XXXXXX) || files_dir=$scratch
fi
trap 'rm -rf "$scratch" "$files_dir"' EXIT

status=0
summary=()
for program in "${programs[@]}"; do
    name=$(basename "$program")
    work=$scratch/$name
    kept=$build_dir/fuzz-corpus/$name
    mkdir -p "$work/seeds" "$work/artifacts" "$kept"
    seed_dirs=("$root/tests/fuzz/corpus/$name")
    case $name in
    fuzz_qpe_parser | fuzz_document_reader) seed_dirs+=("$ink_corpus") ;;
    esac
    for dir in "${seed_dirs[@]}"; do
        [ -d "$dir" ] && find "$dir" -maxdepth 1 -type f ! -name EXPECTED -exec cp {} "$work/seeds/" \;
    done

    case $name in
    # The pen-file reader buffers 64 KiB: longer inputs cross a refill.
    fuzz_qpe_parser) max_len=131072 ;;
    # One report of at most 64 bytes; a first byte and six answers of 33 bytes.
    fuzz_input_report) max_len=64 ;;
    fuzz_protocol_replies) max_len=256 ;;
    *) max_len=65536 ;;
    esac
    # Every input takes milliseconds; the timeout is wide because a busy machine can stall
    # a process for seconds.
    options=(-max_total_time="$seconds" -max_len="$max_len" -rss_limit_mb=2048 -timeout=25
        -close_fd_mask=2 -print_final_stats=1 -artifact_prefix="$work/artifacts/")
    dict=$root/tests/fuzz/$name.dict
    [ -f "$dict" ] && options+=(-dict="$dict")
    # shellcheck disable=SC2206 # FUZZ_ARGS is split on purpose
    [ -n "${FUZZ_ARGS:-}" ] && options+=($FUZZ_ARGS)

    echo "=== $name: ${seconds}s"
    log=$work/fuzz.log
    (cd "$work" && TMPDIR=$files_dir "$program" "${options[@]}" "$kept" "$work/seeds" >"$log" 2>&1)
    rc=$?

    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
    coverage=$(grep -o 'cov: [0-9]* ft: [0-9]* corp: [0-9]*' "$log" | tail -1)
    line="$name: ${runs:-?} runs, ${speed:-?} exec/s, ${coverage:-no coverage line}"
    if [ $rc -ne 0 ] || ls "$work/artifacts/"* >/dev/null 2>&1; then
        status=1
        findings=$build_dir/fuzz-findings/$name
        mkdir -p "$findings"
        cp "$work/artifacts/"* "$log" "$findings/" 2>/dev/null
        grep -E 'ERROR: |SUMMARY: |==[0-9]+==|Test unit written' "$log" | head -20
        tail -n 40 "$log"
        line="$line -- FOUND a problem (exit status $rc), see $findings"
    fi
    echo "$line"
    summary+=("$line")
done

echo
echo "=== Summary"
printf '%s\n' "${summary[@]}"
exit $status
