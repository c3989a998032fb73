#!/usr/bin/env bash
# Whole-process comparison of velmora-cli with find and fd on one folder tree:
# wall time (hyperfine), peak memory of a scan, and a check that the scan lists
# the same files as an equivalent find.
#
#   bench/compare_scan.sh BUILD_DIR TREE_DIR
#
# TREE_DIR is generated with BUILD_DIR/bench/velmora-make-tree when it does not
# exist. The hyperfine results are also written to BUILD_DIR/compare_scan.json.
set -euo pipefail

die() {
  echo "compare_scan: $*" >&2
  exit 1
}

[[ $# -eq 2 ]] || { echo "usage: $0 BUILD_DIR TREE_DIR" >&2; exit 2; }
build=$1
tree=$2
# velmora-cli and find both echo the folder as given; a trailing slash would
# make their paths differ from each other's only in form.
while [[ $tree == */ && $tree != / ]]; do tree=${tree%/}; done

cli=$build/app/velmora-cli
maker=$build/bench/velmora-make-tree
json=$build/compare_scan.json

[[ -x $cli ]] || die "$cli not found; build it first"
for prog in hyperfine fdfind find jq /usr/bin/time; do
  command -v "$prog" > /dev/null || die "$prog is needed"
done

if [[ ! -e $tree ]]; then
  [[ -x $maker ]] || die "$maker not found; configure with -DVELMORA_BENCH=ON and build"
  /usr/bin/time -f "generated in %e s (user %U s, system %S s)" "$maker" "$tree"
fi
[[ -d $tree ]] || die "$tree is not a folder"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

files=$(find "$tree" -type f -print0 | tr -cd '\0' | wc -c)
echo "tree: $tree ($files files)"

# --- Same files? -------------------------------------------------------------
# velmora-cli does not enter folders named ".*" but lists files named ".*".
# -mindepth 1 keeps the tree's own folder from being pruned should its name
# start with a dot. NUL-separated so any byte in a name compares safely.
"$cli" -0 scan "$tree" | LC_ALL=C sort -z > "$work/scan"
find "$tree" -mindepth 1 -name '.*' -type d -prune -o -type f -print0 | LC_ALL=C sort -z > "$work/find"
if cmp -s "$work/scan" "$work/find"; then
  echo "file sets match ($(tr -cd '\0' < "$work/scan" | wc -c) files outside .* folders)"
else
  echo "file sets differ: scan $(tr -cd '\0' < "$work/scan" | wc -c), find $(tr -cd '\0' < "$work/find" | wc -c)" >&2
  echo "first differences (< only in scan, > only in find):" >&2
  LC_ALL=C comm -3 <(tr '\0' '\n' < "$work/scan") <(tr '\0' '\n' < "$work/find") |
    head -n 20 | sed -e 's/^\t/> /' -e 't' -e 's/^/< /' >&2
  exit 1
fi

# --- Wall time -----------------------------------------------------------------
q_tree=$(printf '%q' "$tree")
q_cli=$(printf '%q' "$cli")
names=(find fd scan tags)
commands=(
  "find $q_tree -type f > /dev/null"
  "fdfind -u -t f . $q_tree > /dev/null"
  "$q_cli scan $q_tree > /dev/null"
  "$q_cli tags --folder $q_tree > /dev/null"
)

# One untimed run each, so the first timed command does not pay for a cold cache.
for c in "${commands[@]}"; do bash -c "$c"; done

args=()
for i in "${!names[@]}"; do args+=(-n "${names[$i]}" "${commands[$i]}"); done
hyperfine --warmup 2 --runs 10 --export-json "$json" "${args[@]}"

mean() { jq -r --arg n "$1" '.results[] | select(.command == $n) | .mean' "$json"; }
echo
printf '%-6s %10s %10s\n' command "mean s" "stddev s"
jq -r '.results[] | [.command, .mean, .stddev] | @tsv' "$json" |
  while IFS=$'\t' read -r name m s; do printf '%-6s %10.3f %10.3f\n' "$name" "$m" "$s"; done

t_find=$(mean find)
t_fd=$(mean fd)
t_scan=$(mean scan)
t_tags=$(mean tags)
echo
awk -v f="$t_find" -v d="$t_fd" -v s="$t_scan" -v t="$t_tags" 'BEGIN {
  printf "scan/find %6.2f  (goal <= 0.90)\n", s / f
  printf "scan/fd   %6.2f  (goal <= 1.00)\n", s / d
  printf "tags/scan %6.2f  (goal <= 1.30)\n", t / s
}'

# --- Peak memory -----------------------------------------------------------------
/usr/bin/time -f '%M' -o "$work/rss" "$cli" scan "$tree" > /dev/null
rss_kib=$(tail -n 1 "$work/rss")
echo
awk -v k="$rss_kib" -v n="$files" 'BEGIN {
  printf "scan peak RSS %.1f MiB, %.0f bytes per file\n", k / 1024, (n > 0 ? k * 1024 / n : 0)
}'
