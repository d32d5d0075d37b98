#!/usr/bin/env bash
# Start-up benchmark: how long Quorvel takes until its window is mapped, and how much memory it
# holds then, against a bare Qt dialog built with the same compiler and flags (the targets), and
# for reading the figures, against that dialog with one line of text.
#
#   bench/startup/run.sh [--runs N] [--no-build] [BUILD_DIR]
#
# BUILD_DIR defaults to build/release, which is configured as a Release build if it does not
# exist yet. The programs are started in turn on a private Xvfb server, so that drift in the
# machine's load touches all alike; the first start of each only warms the caches.
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
    cmake --build "$build_dir" -j2 --target quorvel startup_baseline_dialog startup_text_dialog \
        startup_map_probe
fi
build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:STRING=//p' "$build_dir/CMakeCache.txt")
quorvel=$build_dir/window/quorvel
baseline=$build_dir/bench/startup/startup_baseline_dialog
text_dialog=$build_dir/bench/startup/startup_text_dialog
probe=$build_dir/bench/startup/startup_map_probe

# shellcheck source=scripts/lib/xvfb.sh
source "$repo/scripts/lib/xvfb.sh"

work=$(mktemp -d)
cleanup() {
    stop_xvfb
    rm -rf "$work"
}
trap cleanup EXIT

if ! start_xvfb 1280x1024 "$work/xvfb.log"; then
    echo "start-up: Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
fi
use_private_runtime_dir "$work"

measure() { # program name -> appends "ms kB" to $work/name
    if ! "$probe" "$1" >>"$work/$2" 2>>"$work/programs.log"; then
        echo "start-up: measuring $1 failed:" >&2
        cat "$work/programs.log" >&2
        exit 1
    fi
}

programs=(quorvel baseline text_dialog)
for name in "${programs[@]}"; do
    measure "${!name}" warmup
done
for _ in $(seq "$runs"); do
    for name in "${programs[@]}"; do
        measure "${!name}" "$name"
    done
done

median() { # column file
    cut -d ' ' -f "$1" "$2" | sort -n |
        awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

row() { # name label: "label ms kB anon-kB"
    echo "$2 $(median 1 "$work/$1") $(median 2 "$work/$1") $(median 3 "$work/$1")"
}

{
    row quorvel quorvel
    row baseline baseline
    row text_dialog text
} | awk -v runs="$runs" -v type="${build_type:-unset}" '
    { ms[$1] = $2; kb[$1] = $3; anon[$1] = $4 }
    END {
        printf "Start-up, medians of %d runs each (build type %s)\n", runs, type
        printf "                                  mapped      VmRSS   RssAnon (private)\n"
        show("quorvel", "quorvel")
        show("baseline", "bare dialog")
        show("text", "dialog with a label")
        time_ratio = ms["quorvel"] / ms["baseline"]
        memory_ratio = kb["quorvel"] / kb["baseline"]
        ratio("quorvel / bare dialog", time_ratio, memory_ratio, anon["quorvel"] / anon["baseline"])
        ratio("quorvel / dialog with a label", ms["quorvel"] / ms["text"], kb["quorvel"] / kb["text"],
              anon["quorvel"] / anon["text"])
        printf "  targets (quorvel / bare dialog at most 1.20): time %s, memory %s\n",
               time_ratio <= 1.2 ? "met" : "MISSED", memory_ratio <= 1.2 ? "met" : "MISSED"
    }
    function show(key, label) {
        printf "  %-29s %5.1f ms  %5.1f MiB  %5.1f MiB\n", label, ms[key], kb[key] / 1024,
               anon[key] / 1024
    }
    function ratio(label, time, memory, private) {
        printf "  %-29s %5.2f     %5.2f      %5.2f\n", label, time, memory, private
    }'
