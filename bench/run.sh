#!/bin/sh
# Usage: bench/run.sh <build-dir> [tarvo-bench options, e.g. --runs 21]
# Prints the start-up, memory and content timings as Markdown tables, the Find timings, then the
# actions timed as a user does them. Unless QT_QPA_PLATFORM names one platform, everything runs
# both offscreen and under X11: on $DISPLAY when there is one, else on a private Xvfb (xvfb-run).
set -eu
if [ $# -lt 1 ]; then
    echo "usage: $0 <build-dir> [tarvo-bench options]" >&2
    exit 2
fi
build=$(cd "$1" && pwd)
shift
cmake --build "$build" --target tarvo-yoga tarvo-bench tarvo-bench-bare tarvo-bench-bare-text \
    tarvo-bench-content tarvo_bench_probe tarvo-bench-search tarvo-bench-actions >&2

# Runs its arguments on X11, or says why it cannot.
on_x11() {
    if [ -n "${DISPLAY:-}" ]; then
        QT_QPA_PLATFORM=xcb "$@"
    elif command -v xvfb-run >/dev/null 2>&1; then
        QT_QPA_PLATFORM=xcb xvfb-run -a "$@"
    else
        echo "No X display and no xvfb-run: the X11 measures are left out." >&2
    fi
}

set -- "$build/bench/tarvo-bench" \
    --program "$build/src/app/tarvo-yoga" \
    --bare "$build/bench/tarvo-bench-bare" \
    --bare-text "$build/bench/tarvo-bench-bare-text" \
    --probe "$build/bench/libtarvo_bench_probe.so" \
    --content "$build/bench/tarvo-bench-content" \
    "$@"
if [ -n "${QT_QPA_PLATFORM:-}" ]; then
    "$@"
else
    QT_QPA_PLATFORM=offscreen "$@"
    echo
    on_x11 "$@"
fi
echo
"$build/bench/tarvo-bench-search"
echo
# The actions driver measures offscreen and, when it finds a display, under X11 in one table.
if [ -z "${QT_QPA_PLATFORM:-}" ] && [ -z "${DISPLAY:-}" ] && command -v xvfb-run >/dev/null 2>&1
then
    xvfb-run -a "$build/bench/tarvo-bench-actions"
else
    "$build/bench/tarvo-bench-actions"
fi
