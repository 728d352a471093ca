#!/usr/bin/env bash
# Fails, naming the files, when a C++ source differs from what .clang-format makes of it.
# scripts/check-format.sh --fix rewrites them instead.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(find src tests tools bench fuzz -name '*.cpp' -o -name '*.h' | sort)
if [ "${1:-}" = "--fix" ]; then
    clang-format -i "${files[@]}"
    exit 0
fi
bad=()
for f in "${files[@]}"; do
    clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || bad+=("$f")
done
if [ ${#bad[@]} -gt 0 ]; then
    echo "Not formatted as .clang-format says (scripts/check-format.sh --fix mends them):" >&2
    printf '  %s\n' "${bad[@]}" >&2
    exit 1
fi
echo "Formatting: ${#files[@]} files as .clang-format says."
