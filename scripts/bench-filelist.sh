#!/usr/bin/env bash
# Measures the file list against the host's own tools on a warm cache:
#   kestrom search over 100,000 files in 5,000 folders against find,
#   kestrom list of a flat folder of 100,000 files against ls -l,
#   and the peak memory of that listing against the length of its item texts.
# Usage: scripts/bench-filelist.sh [BUILD_DIR]   (default: build-release, made if missing)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-release}
lock=/tmp/kestrom-build.lock

if [[ ! -x $build/main/kestrom ]]; then
    flock "$lock" cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release \
        -DKESTROM_BUILD_TESTS=OFF >/dev/null
    flock "$lock" cmake --build "$build" --parallel 2 --target kestrom >/dev/null
fi
kestrom=$build/main/kestrom

work=$(mktemp -d /tmp/kestrom-bench-XXXXXX)
trap 'rm -rf "$work"' EXIT
echo "generating trees in $work ..."
python3 - "$work" <<'PY'
import os, sys
base = sys.argv[1]
kinds = [".ani", ".cur", ".txt", ".png", ".ico", ".bmp", ".dat", ".ini"]
# 100,000 files in 5,000 folders (50 folders of 99 sub-folders each, 20 files a folder);
# every fourth file is .ani or .cur.
tree = os.path.join(base, "tree")
n = 0
for top in range(50):
    for sub in range(100):
        folder = os.path.join(tree, f"set{top:02d}") if sub == 0 else \
            os.path.join(tree, f"set{top:02d}", f"part{sub:02d}")
        os.makedirs(folder, exist_ok=True)
        for i in range(20):
            ext = (".ani", ".cur")[n % 8 // 4] if n % 4 == 0 else kinds[2 + n % 6]
            open(os.path.join(folder, f"file{n:06d}{ext}"), "w").close()
            n += 1
flat = os.path.join(base, "flat")
os.makedirs(flat)
for i in range(100000):
    open(os.path.join(flat, f"item{i:06d}.cur"), "w").close()
PY
export KESTROM_DRIVES="C=$work:3"
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data

# seconds of the best of three runs of a command, output discarded
best() {
    local best=""
    for _ in 1 2 3; do
        local start end
        start=$(date +%s.%N)
        "$@" >/dev/null 2>&1 || true
        end=$(date +%s.%N)
        best=$(python3 -c "a='$best'; t=$end-$start; print(t if a=='' else min(float(a), t))")
    done
    printf '%.3f' "$best"
}
ratio() { python3 -c "print(f'{$1/$2:.2f}')"; }

"$kestrom" search "$work/tree" >/dev/null 2>&1 || true # warm the cache
find "$work/tree" \( -iname '*.ani' -o -iname '*.cur' \) >/dev/null
ls -l "$work/flat" >/dev/null

hits=$("$kestrom" search "$work/tree" 2>/dev/null | wc -l)
found=$(find "$work/tree" \( -iname '*.ani' -o -iname '*.cur' \) | wc -l)
t_search=$(best "$kestrom" search "$work/tree")
t_find=$(best find "$work/tree" \( -iname '*.ani' -o -iname '*.cur' \))
t_list=$(best "$kestrom" list "$work/flat")
t_ls=$(best ls -l "$work/flat")

peak_kb=$(/usr/bin/time -f '%M' "$kestrom" list "$work/flat" 2>&1 >/dev/null | tail -1)
base_kb=$(/usr/bin/time -f '%M' "$kestrom" list "$work/tree/set00/part01" 2>&1 >/dev/null | tail -1)
# Every item text: kind, 15-character key, the path "C:\flat\itemNNNNNN.cur", "|" and 31 more.
text_bytes=$(python3 -c "print(100000 * (1 + 15 + len('C:\\\\flat\\\\item000000.cur') + 32))")

printf '\n%-34s %10s %10s %8s\n' "" "kestrom" "host" "ratio"
printf '%-34s %9ss %9ss %8s   (goal <= 1.5; %s hits, find %s)\n' "search vs find" \
    "$t_search" "$t_find" "$(ratio "$t_search" "$t_find")" "$hits" "$found"
printf '%-34s %9ss %9ss %8s   (goal <= 2)\n' "list of 100,000 files vs ls -l" \
    "$t_list" "$t_ls" "$(ratio "$t_list" "$t_ls")"
printf '%-34s %8s KB %8s KB %8s   (goal <= 3; item texts %s KB, empty listing %s KB)\n' \
    "peak memory vs item texts" "$peak_kb" "$((text_bytes / 1024))" \
    "$(ratio "$peak_kb" "$((text_bytes / 1024))")" "$((text_bytes / 1024))" "$base_kb"
