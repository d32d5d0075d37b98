#!/usr/bin/env bash
# Start-up benchmark: how much work Quorvel does until its event loop starts, how long it takes
# until its window is mapped, and how much memory and how many libraries it holds then, against a
# bare Qt dialog with a caption, a field and a button, built with the same compiler and flags (the
# targets), and for reading the figures, against an empty dialog, which draws no text.
#
#   bench/startup/run.sh [--runs N] [--no-build] [BUILD_DIR]
#
# BUILD_DIR defaults to build/release, which is configured as a Release build if it does not
# exist yet. The programs are started in turn on a private Xvfb server with a window manager, so
# that drift in the machine's load touches all alike; the first start of each only warms the
# caches. The work is counted in instructions by callgrind, from the start to the call that runs
# the event loop: the count hardly moves from run to run, where the wall clock on a shared machine
# swings by a fifth.
set -euo pipefail

# A desktop session has a session bus; without one, every Qt start first tries to launch one.
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] && command -v dbus-run-session >/dev/null; then
    exec dbus-run-session -- "$0" "$@"
fi

repo=$(cd "$(dirname "$0")/../.." && pwd)
runs=25
build=1
build_dir=$repo/build/release
while [ $# -gt 0 ]; do
    case $1 in
        --runs) runs=$2; shift 2 ;;
        --no-build) build=0; shift ;;
        -*) echo "usage: $0 [--runs N] [--no-build] [BUILD_DIR]" >&2; exit 2 ;;
        *) build_dir=$1; shift ;;
    esac
done
if [ "$runs" -lt 20 ]; then
    echo "start-up: at least 20 runs of each are needed for a steady median" >&2
    exit 2
fi

if [ "$build" = 1 ]; then
    # A new build directory is made for Release; an existing one keeps its type but is brought up
    # to date with the tree.
    release=()
    [ -f "$build_dir/CMakeCache.txt" ] || release=(-DCMAKE_BUILD_TYPE=Release)
    cmake -S "$repo" -B "$build_dir" "${release[@]}" >/dev/null
    cmake --build "$build_dir" -j2 --target quorvel startup_baseline_dialog startup_empty_dialog \
        startup_map_probe
fi
build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:STRING=//p' "$build_dir/CMakeCache.txt")
quorvel=$build_dir/window/quorvel
baseline=$build_dir/bench/startup/startup_baseline_dialog
empty_dialog=$build_dir/bench/startup/startup_empty_dialog
probe=$build_dir/bench/startup/startup_map_probe

# shellcheck source=scripts/lib/xvfb.sh
source "$repo/scripts/lib/xvfb.sh"

work=$(mktemp -d)
on_exit rm -rf "$work"

if ! start_xvfb 1280x1024 "$work/xvfb.log"; then
    echo "start-up: Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
fi
use_private_runtime_dir "$work"

measure() { # program name -> appends "ms kB anon-kB libraries" to $work/name
    if ! "$probe" "$1" >>"$work/$2" 2>>"$work/programs.log"; then
        echo "start-up: measuring $1 failed:" >&2
        cat "$work/programs.log" >&2
        exit 1
    fi
}

# Appends to $work/name.work the instructions the program executes before the event loop starts.
count_instructions() { # program name
    local out=$work/callgrind.out pid
    rm -f "$out" "$out".*
    valgrind --tool=callgrind --dump-before='QCoreApplication::exec()' \
        --callgrind-out-file="$out" "$1" >>"$work/programs.log" 2>&1 &
    pid=$!
    stop_on_exit "$pid"
    for _ in $(seq 1200); do
        grep -qs '^totals:' "$out.1" && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    if ! grep -qs '^totals:' "$out.1"; then
        echo "start-up: counting the instructions of $1 failed:" >&2
        cat "$work/programs.log" >&2
        exit 1
    fi
    sed -n 's/^totals: //p' "$out.1" >>"$work/$2.work"
}

programs=(quorvel baseline empty_dialog)
for name in "${programs[@]}"; do
    measure "${!name}" warmup
done
for _ in $(seq "$runs"); do
    for name in "${programs[@]}"; do
        measure "${!name}" "$name"
    done
done

# Three counts of each: the count varies a little with the timing of the replies from the X
# server and the buses; the table shows how much.
if command -v valgrind >/dev/null; then
    for _ in 1 2 3; do
        for name in "${programs[@]}"; do
            count_instructions "${!name}" "$name"
        done
    done
else
    echo "start-up: valgrind is missing, so no instruction counts" >&2
    for name in "${programs[@]}"; do echo 0 >"$work/$name.work"; done
fi

median() { # column file
    cut -d ' ' -f "$1" "$2" | sort -n |
        awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

spread() { # file: the largest count less the smallest
    sort -n "$1" | sed -n '1p;$p' | paste -sd ' ' | awk '{ print $2 - $1 }'
}

row() { # name label: "label ms kB anon-kB libraries instructions spread"
    echo "$2 $(median 1 "$work/$1") $(median 2 "$work/$1") $(median 3 "$work/$1")" \
        "$(median 4 "$work/$1") $(median 1 "$work/$1.work") $(spread "$work/$1.work")"
}

{
    row quorvel quorvel
    row baseline baseline
    row empty_dialog empty
} | awk -v runs="$runs" -v type="${build_type:-unset}" '
    { ms[$1] = $2; kb[$1] = $3; anon[$1] = $4; libs[$1] = $5; ir[$1] = $6; spread[$1] = $7 }
    END {
        printf "Start-up, medians of %d runs each (instructions: of 3; build type %s)\n", runs, type
        printf "%32s %12s %9s %10s %9s %10s %9s\n", "", "instructions", "mapped", "VmRSS", "RssAnon",
               "libraries", "(spread)"
        show("quorvel", "quorvel")
        show("baseline", "bare dialog")
        show("empty", "empty dialog")
        work_ratio = ir["baseline"] > 0 ? ir["quorvel"] / ir["baseline"] : 0
        memory_ratio = kb["quorvel"] / kb["baseline"]
        ratio("quorvel / bare dialog", "baseline")
        ratio("quorvel / empty dialog", "empty")
        printf "  targets against the bare dialog: work at most 1.20 (%s), VmRSS at most 1.11 (%s)\n",
               (work_ratio == 0 ? "not counted" : work_ratio <= 1.2 ? "met" : "MISSED"),
               (memory_ratio <= 1.11 ? "met" : "MISSED")
    }
    function show(key, label) {
        printf "  %-29s %10.2f M %6.1f ms %6.1f MiB %5.1f MiB %10d %7.2f M\n", label, ir[key] / 1e6,
               ms[key], kb[key] / 1024, anon[key] / 1024, libs[key], spread[key] / 1e6
    }
    function ratio(label, key) {
        printf "  %-29s %12.3f %9.2f %10.3f %9.2f %+10d\n", label,
               (ir[key] > 0 ? ir["quorvel"] / ir[key] : 0), ms["quorvel"] / ms[key],
               kb["quorvel"] / kb[key], anon["quorvel"] / anon[key], libs["quorvel"] - libs[key]
    }'
