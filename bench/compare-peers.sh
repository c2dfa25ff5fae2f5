#!/usr/bin/env bash
# Times twinpics-walk against the duplicate finders fdupes, jdupes, rdfind and rmlint on one
# synthetic tree (bench/make-tree.sh), in one run, and reports wall times, ratios, the files
# each tool considers, the pairs each finds and the peak memory of each.
#
#   bench/compare-peers.sh [options]
#
# Options (defaults in brackets):
#   --entries N     entries of the synthetic tree, files and folders [100000]
#   --work DIR      where the trees and results go [/tmp/twinpics-bench-N]; a tree made
#                   there before with the same options is used again
#   --walk PATH     the twinpics-walk program [build/twinpics-walk, built when missing]
#   --runs N        timed runs of each command, after one warm-up run [3]
#   --cold          drop the page cache before every run (root only), so that every tool
#                   reads from the disk; the default is a warm cache
#   --tree-option X pass X on to make-tree.sh (repeat for each word: --tree-option
#                   --max-size --tree-option 65536)
#   --remove        remove the trees at the end [kept for another run]
#
# Two trees are made: full/, the whole synthetic tree, and jpeg-only/, the same folders with
# only the JPEG files (hard links into full/, so no extra space). twinpics-walk looks at
# JPEG files only; the peers look at every file. So each tool runs on both: on full/ the
# peers do more work than twinpics-walk (every file is a candidate), on jpeg-only/ all do the
# same work. jdupes alone can restrict itself by extension, and also runs so on full/.
set -euo pipefail
export LC_ALL=C

here=$(cd "$(dirname "$0")" && pwd)
repo=$(dirname "$here")
entries=100000 work="" walk="" runs=3 cold=0 remove=0 tree_options=()
while [ $# -gt 0 ]; do
    case "$1" in
    --entries) entries=${2:?}; shift 2 ;;
    --work) work=${2:?}; shift 2 ;;
    --walk) walk=${2:?}; shift 2 ;;
    --runs) runs=${2:?}; shift 2 ;;
    --cold) cold=1; shift ;;
    --tree-option) tree_options+=("${2:?}"); shift 2 ;;
    --remove) remove=1; shift ;;
    -h | --help) sed -n '2,/^set -euo/p' "$0" | sed '$d' | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "compare-peers.sh: unknown argument $1 (see --help)" >&2; exit 2 ;;
    esac
done
[[ $entries =~ ^[0-9]+$ && $runs =~ ^[1-9][0-9]*$ ]] ||
    { echo "compare-peers.sh: --entries and --runs take numbers" >&2; exit 2; }
work=${work:-/tmp/twinpics-bench-$entries}

note() { printf '%s\n' "$*" >&2; }

# --- the tools ---------------------------------------------------------------------------
if [ -z "$walk" ]; then
    walk=$repo/build/twinpics-walk
    if [ ! -x "$walk" ]; then
        note "Building twinpics-walk in $repo/build ..."
        cmake -S "$repo" -B "$repo/build" >/dev/null
        cmake --build "$repo/build" --target twinpics-walk -j"$(nproc)" >/dev/null
    fi
fi
walk=$(realpath "$walk")
[ -x "$walk" ] || { note "compare-peers.sh: $walk is not a program"; exit 2; }
command -v hyperfine >/dev/null ||
    { note "compare-peers.sh: needs hyperfine (apt-get install hyperfine)"; exit 2; }
time_v=/usr/bin/time
[ -x "$time_v" ] || { note "compare-peers.sh: needs $time_v (apt-get install time)"; exit 2; }
peers=()
for peer in fdupes jdupes rdfind rmlint; do
    if command -v "$peer" >/dev/null; then
        peers+=("$peer")
    else
        note "Skipping $peer: not installed (apt-get install $peer)"
    fi
done
if [ "$cold" = 1 ] && ! { sync && echo 3 >/proc/sys/vm/drop_caches; } 2>/dev/null; then
    note "compare-peers.sh: --cold needs root and a writable /proc/sys/vm/drop_caches"
    exit 2
fi

# --- the trees ---------------------------------------------------------------------------
full=$work/full
jpeg_only=$work/jpeg-only
made=$work/made.txt
tree_key="make-tree.sh --entries $entries ${tree_options[*]:-} (sum $(cksum <"$here/make-tree.sh"))"
if [ -f "$made" ] && [ "$(head -1 "$made")" = "$tree_key" ] && [ -d "$full" ] && [ -d "$jpeg_only" ]; then
    note "Using the trees made before in $work"
else
    rm -rf "$full" "$jpeg_only" "$made"
    mkdir -p "$work"
    note "Making a tree of $entries entries in $full (and $jpeg_only) ..."
    started=$(date +%s)
    summary=$("$here/make-tree.sh" --entries "$entries" ${tree_options[@]+"${tree_options[@]}"} \
        --image-twin "$jpeg_only" "$full")
    { echo "$tree_key"; echo "$summary"; } >"$made"
    note "  made in $(($(date +%s) - started)) s"
fi
made_value() { sed -n "s/^$1=//p" "$made"; }
jpeg_pairs=$(made_value jpeg_pairs)
all_pairs=$(made_value all_pairs)
results=$work/results
rm -rf "$results"
mkdir -p "$results"
cd "$results" # rmlint and rdfind write nothing elsewhere, but be sure

count() { find "$@" | wc -l; }
full_entries=$(($(count "$full") - 1))
full_files=$(count "$full" -type f)
jpeg_files=$(count "$jpeg_only" -type f)
jpeg_only_entries=$(($(count "$jpeg_only") - 1))

# --- the commands ------------------------------------------------------------------------
# Each case: a name, its tree, the files it considers, the pairs it must find, and the
# command, which writes its findings to $results/NAME.out.
names=() trees=() considered=() expected=() commands=()
add_case() {
    names+=("$1") trees+=("$2") considered+=("$3") expected+=("$4") commands+=("$5")
}
q() { printf '%q' "$1"; }
for tree_name in full jpeg-only; do
    tree=$work/$tree_name
    if [ "$tree_name" = full ]; then files=$full_files pairs=$all_pairs; else files=$jpeg_files pairs=$jpeg_pairs; fi
    out() { q "$results/$1@$tree_name.out"; }
    add_case twinpics-walk "$tree_name" "$jpeg_files" "$jpeg_pairs" \
        "$(q "$walk") $(q "$tree") >$(out twinpics-walk) 2>$(out twinpics-walk).err"
    for peer in ${peers[@]+"${peers[@]}"}; do
        case $peer in
        fdupes) command="fdupes -r -q $(q "$tree") >$(out fdupes)" ;;
        jdupes) command="jdupes -r -q $(q "$tree") >$(out jdupes)" ;;
        rdfind) command="rdfind -dryrun true -outputname $(out rdfind) $(q "$tree") >/dev/null" ;;
        rmlint) command="rmlint -T df -o fdupes:$(out rmlint) $(q "$tree")" ;;
        esac
        add_case "$peer" "$tree_name" "$files" "$pairs" "$command"
        if [ "$peer" = jdupes ] && [ "$tree_name" = full ]; then
            add_case "jdupes -X onlyext" full "$jpeg_files" "$jpeg_pairs" \
                "jdupes -r -q -X onlyext:jpg,jpeg $(q "$tree") >$(out jdupes-jpeg)"
        fi
    done
done

# The pairs a tool found, from its output file.
pairs_found() {
    local name=$1 file=$2
    case $name in
    twinpics-walk) wc -l <"$file" ;;
    rdfind) awk '!/^#/ { id = $2 < 0 ? -$2 : $2; n[id]++ }
                 END { p = 0; for (i in n) p += n[i] * (n[i] - 1) / 2; print p }' "$file" ;;
    *) awk 'BEGIN { RS = ""; FS = "\n"; p = 0 } { p += NF * (NF - 1) / 2 } END { print p }' "$file" ;;
    esac
}
out_file() {
    local name=$1 tree=$2
    case $name in "jdupes -X onlyext") name=jdupes-jpeg ;; esac
    echo "$results/$name@$tree.out"
}

# --- a checked run of each, with its peak memory --------------------------------------------
note "Checking each tool's findings and peak memory (/usr/bin/time -v) ..."
rss=() checked=()
for k in "${!names[@]}"; do
    "$time_v" -v -o "$results/time-$k.txt" bash -c "${commands[k]}" ||
        note "  ${names[k]} on ${trees[k]} exited with $?"
    rss+=("$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$results/time-$k.txt")")
    found=$(pairs_found "${names[k]}" "$(out_file "${names[k]}" "${trees[k]}")")
    if [ "$found" = "${expected[k]}" ]; then checked+=("$found"); else checked+=("$found (expected ${expected[k]}!)"); fi
done
cp "$results/twinpics-walk@full.out.err" "$results/walk-phases-full.txt"
cp "$results/twinpics-walk@jpeg-only.out.err" "$results/walk-phases-jpeg-only.txt"

# --- the timed runs ------------------------------------------------------------------------
note "Timing $runs runs of each after a warm-up run (hyperfine) ..."
hyperfine_options=(--runs "$runs" --warmup 1 --export-csv "$results/times.csv" --style basic)
[ "$cold" = 0 ] || hyperfine_options+=(--prepare 'sync; echo 3 >/proc/sys/vm/drop_caches')
hyperfine_names=()
for k in "${!names[@]}"; do hyperfine_names+=(--command-name "${names[k]} @ ${trees[k]}"); done
hyperfine "${hyperfine_options[@]}" "${hyperfine_names[@]}" "${commands[@]}" >"$results/hyperfine.txt" 2>&1 ||
    { note "hyperfine failed:"; cat "$results/hyperfine.txt" >&2; exit 1; }

# times.csv: command,mean,stddev,median,user,system,min,max (seconds), in the order given;
# counted from the end, should a name hold a comma.
mapfile -t means < <(awk -F, 'NR > 1 { print $(NF - 6) }' "$results/times.csv")
mapfile -t stddevs < <(awk -F, 'NR > 1 { print $(NF - 5) }' "$results/times.csv")
walk_mean() { # the mean of twinpics-walk on a tree
    for k in "${!names[@]}"; do
        [ "${names[k]}" = twinpics-walk ] && [ "${trees[k]}" = "$1" ] && { echo "${means[k]}"; return; }
    done
}

# A peer's name and version, from its own words.
peer_version() {
    "$1" --version 2>&1 | sed 's/\x1b\[[0-9;]*m//g' | awk -v name="$1" '
        { for (k = 1; k <= NF; ++k) if ($k ~ /^v?[0-9]+\.[0-9]+(\.[0-9]+)?$/) { print name " " $k; exit } }'
}

# --- the report ----------------------------------------------------------------------------
report=$work/report.md
{
    echo "# twinpics-walk and its peers on a synthetic tree of $entries entries"
    echo
    echo "- machine: $(nproc) cores, $(free -g | awk '/^Mem:/ { print $2 }') GiB; $(uname -sr)"
    echo "- page cache: $([ "$cold" = 1 ] && echo "dropped before every run (cold)" || echo "warm (one warm-up run first)")"
    echo "- tree: $(sed 1d "$made" | tr '\n' ' ')"
    echo "- full/: $full_entries entries, $full_files files, $jpeg_files of them JPEG; jpeg-only/: $jpeg_only_entries entries, $jpeg_files files"
    echo "- disk: $(du -sh "$full" | cut -f1) for full/ ($(df -h "$work" | awk 'NR == 2 { print $4 }') left on $(df -h "$work" | awk 'NR == 2 { print $6 }'))"
    echo "- versions: twinpics-walk of $(git -C "$repo" describe --always --dirty 2>/dev/null || echo '?')$(for p in ${peers[@]+"${peers[@]}"}; do printf ', %s' "$(peer_version "$p")"; done)"
    echo "- runs: $runs timed runs each, mean ± standard deviation of the wall time"
    echo
    echo "| tool | tree | files considered | pairs found | wall time (s) | ratio to twinpics-walk | max RSS (MiB) |"
    echo "|---|---|---:|---:|---:|---:|---:|"
    for k in "${!names[@]}"; do
        base=$(walk_mean "${trees[k]}")
        printf '| %s | %s | %s | %s | %.3f ± %.3f | %.2f | %.1f |\n' "${names[k]}" "${trees[k]}" \
            "${considered[k]}" "${checked[k]}" "${means[k]}" "${stddevs[k]}" \
            "$(awk -v a="${means[k]}" -v b="$base" 'BEGIN { print a / b }')" \
            "$(awk -v r="${rss[k]}" 'BEGIN { print r / 1024 }')"
    done
    echo
    echo "Pairs: every two files of one content, as twinpics-walk shows them one by one; for the"
    echo "peers, a group of k identical files counts k(k-1)/2. On full/ the peers also find the"
    echo "copies among the other files, and so their expected count is higher."
    echo
    echo "twinpics-walk's own phases on full/ (checked run):"
    echo
    echo '```'
    cat "$results/walk-phases-full.txt"
    echo '```'
    echo
    echo "Commands:"
    echo
    echo '```'
    for k in "${!names[@]}"; do echo "${commands[k]}"; done
    echo '```'
} >"$report"
cat "$report"
note "Report: $report; raw results in $results"
if [ "$remove" = 1 ]; then
    rm -rf "$full" "$jpeg_only" "$made"
fi
