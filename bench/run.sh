#!/bin/sh
# Usage: bench/run.sh <build-dir> [tarvo-bench options, e.g. --runs 21]
# Prints the start-up, memory and content timings as a Markdown table, then the Find timings.
# The programs run on the offscreen platform unless QT_QPA_PLATFORM says otherwise; for the
# X11 path use
#   QT_QPA_PLATFORM=xcb xvfb-run -a bench/run.sh <build-dir>
set -eu
if [ $# -lt 1 ]; then
    echo "usage: $0 <build-dir> [tarvo-bench options]" >&2
    exit 2
fi
build=$(cd "$1" && pwd)
shift
cmake --build "$build" --target tarvo-yoga tarvo-bench tarvo-bench-bare tarvo-bench-bare-text \
    tarvo-bench-content tarvo_bench_probe tarvo-bench-search >&2
"$build/bench/tarvo-bench" \
    --program "$build/src/app/tarvo-yoga" \
    --bare "$build/bench/tarvo-bench-bare" \
    --bare-text "$build/bench/tarvo-bench-bare-text" \
    --probe "$build/bench/libtarvo_bench_probe.so" \
    --content "$build/bench/tarvo-bench-content" \
    "$@"
echo
"$build/bench/tarvo-bench-search"
