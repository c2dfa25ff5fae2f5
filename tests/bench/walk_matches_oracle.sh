#!/usr/bin/env bash
# twinpics-walk on a generated tree (bench/make-tree.sh) prints exactly the pairs of
# identical JPEG files that checksums find, each once, and as many as the generator made.
#
#   walk_matches_oracle.sh WALK MAKE_TREE
set -euo pipefail
export LC_ALL=C
walk=${1:?usage: walk_matches_oracle.sh WALK MAKE_TREE}
make_tree=${2:?usage: walk_matches_oracle.sh WALK MAKE_TREE}
case $walk in /*) ;; *) walk=$PWD/$walk ;; esac # the script changes folder
case $make_tree in /*) ;; *) make_tree=$PWD/$make_tree ;; esac # the script changes folder
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

"$make_tree" --entries 4000 --files 12 --fanout 4 --copy-share 15 --near-share 10 \
    --max-size 20000 --seed 7 tree >made
made_pairs=$(sed -n 's/^jpeg_pairs=//p' made)

timeout 120 "$walk" tree >out 2>err || { echo "FAIL: twinpics-walk exited with $?" >&2; cat err >&2; exit 1; }

# The oracle: group the JPEG files by checksum; every two of a group are a pair.
(cd tree && find . -type f \( -name '*.jpg' -o -name '*.jpeg' -o -name '*.JPG' -o -name '*.JPEG' \) \
    -printf '%P\n' | xargs -d '\n' sha256sum) |
    sort | awk '{ files[$1] = files[$1] " " $2 }
        END { for (sum in files) { n = split(substr(files[sum], 2), f, " ")
            for (x = 1; x <= n; ++x) for (y = x + 1; y <= n; ++y)
                if (f[x] < f[y]) print f[x] "\t" f[y]; else print f[y] "\t" f[x] } }' |
    sort >expected

awk -F '\t' '{ if ($1 > $2) print $2 "\t" $1; else print }' out | sort >actual
status=0
if ! diff -u expected actual >diff; then
    echo "FAIL: the pairs shown differ from the checksum groups (- expected, + shown):" >&2
    head -50 diff >&2
    status=1
fi
if [ -n "$(uniq -d actual)" ]; then
    echo "FAIL: pairs shown more than once" >&2
    status=1
fi
if [ "$(wc -l <actual)" -ne "$made_pairs" ]; then
    echo "FAIL: $(wc -l <actual) pairs shown, the generator made $made_pairs" >&2
    status=1
fi
[ "$(wc -l <expected)" -gt 50 ] || { echo "FAIL: the tree has too few pairs to test" >&2; status=1; }
[ "$status" -ne 0 ] || echo "twinpics-walk printed the generated tree's $made_pairs pairs, each once"
exit "$status"
