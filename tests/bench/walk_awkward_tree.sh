#!/usr/bin/env bash
# twinpics-walk on a tree made here with duplicates and every awkward entry the search must
# survive: it must finish, print exactly the pairs of identical files, each once, and never
# pair a file with itself.
#
#   walk_awkward_tree.sh WALK
set -euo pipefail
export LC_ALL=C
walk=${1:?usage: walk_awkward_tree.sh WALK}
case $walk in /*) ;; *) walk=$PWD/$walk ;; esac # the script changes folder
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Random bytes of a given length, as a file.
random_file() { head -c "$2" /dev/urandom >"$1"; }

mkdir -p "$root/sub/deeper" "$root/dir.jpg"
cd "$root"

# Group A: five names of one content; link-to-a.jpg is a.jpg itself.
random_file a.jpg 3000
cp a.jpg sub/b.jpg
cp a.jpg A.JPG
cp a.jpg .hidden.jpg
ln -s a.jpg link-to-a.jpg
deep=deep
for _ in $(seq 40); do deep=$deep/d; done
mkdir -p "$deep"
cp a.jpg "$deep/bottom.jpg"
# Not candidates: other spellings and types.
cp a.jpg .jpg
cp a.jpg a.Jpg
cp a.jpg a.txt
cp a.jpg a.png
# Same size as group A, different bytes: never paired.
random_file same-size-1.jpg 3000
random_file same-size-2.jpg 3000
cp a.jpg differs-at-end.jpg
printf 'Z' | dd of=differs-at-end.jpg bs=1 seek=2999 conv=notrunc status=none

# A file with a symbolic link and a hard link to it: one file under three names, no pair.
random_file solo.jpg 3001
ln -s solo.jpg solo-symlink.jpg
ln solo.jpg solo-hard.jpg

# Group C: awkward names of one content.
random_file c.bin 3002
for name in $'caf\xe9.jpg' $'new\nline.jpg' '100% sure.jpg' '-dash.jpg' $'tab\there.jpg' \
    'back\slash.jpg' '  spaces  .jpg' $'\x1b[31mred.jpg'; do
    cp c.bin "./$name"
done

# Empty files are equal; a FIFO and links to /dev/zero have size 0 too, but are no files.
: >empty-1.jpg
: >sub/empty-2.jpg
mkfifo x.jpg
ln -s /dev/zero zero.jpg
ln -s /dev/zero sub/zero.jpg
ln -s /dev/zero sub/deeper/zero.JPG

# Loops back up, a folder and a link to a folder named as images, a dangling link.
ln -s .. sub/up
ln -s . sub/self
ln -s .. sub/up.jpg
ln -s ../.. sub/deeper/top
ln -s nowhere.jpg dangling.jpg
# Two copies inside a folder named dir.jpg, of the folder's own size.
folder_size=$(stat -c %s dir.jpg)
random_file dir.jpg/p.jpg "$folder_size"
cp dir.jpg/p.jpg dir.jpg/q.jpg

# The pairs, each as its two escaped names in byte order.
expected=$work/expected
{
    group_a=(a.jpg sub/b.jpg A.JPG .hidden.jpg link-to-a.jpg "$deep/bottom.jpg")
    for ((x = 0; x < ${#group_a[@]}; ++x)); do
        for ((y = x + 1; y < ${#group_a[@]}; ++y)); do
            first=${group_a[x]} second=${group_a[y]}
            if [ "$first $second" = "a.jpg link-to-a.jpg" ]; then continue; fi
            printf '%s\t%s\n' "$first" "$second"
        done
    done
    group_c=('caf\xe9.jpg' 'new\nline.jpg' '100% sure.jpg' '-dash.jpg' 'tab\there.jpg'
        'back\\slash.jpg' '  spaces  .jpg' '\x1b[31mred.jpg')
    for ((x = 0; x < ${#group_c[@]}; ++x)); do
        for ((y = x + 1; y < ${#group_c[@]}; ++y)); do
            printf '%s\t%s\n' "${group_c[x]}" "${group_c[y]}"
        done
    done
    printf '%s\t%s\n' empty-1.jpg sub/empty-2.jpg
    printf '%s\t%s\n' dir.jpg/p.jpg dir.jpg/q.jpg
} | awk -F '\t' '{ if ($1 > $2) print $2 "\t" $1; else print }' | sort >"$expected"

# Runs the walk with a time limit; sets status, and leaves the output in $work/out, err.
run_walk() {
    status=0
    timeout 60 "$walk" "$@" >"$work/out" 2>"$work/err" || status=$?
    if [ "$status" -eq 124 ]; then
        fail "twinpics-walk $* did not finish within 60 s"
    elif [ "$status" -ne 0 ]; then
        fail "twinpics-walk $* exited with $status"
        cat "$work/err" >&2
    fi
}

cd "$work"
run_walk "$root"
awk -F '\t' 'NF != 2 || $1 == $2' out >bad-lines
[ ! -s bad-lines ] || { fail "lines that are not two different names:"; cat -A bad-lines >&2; }
awk -F '\t' '{ if ($1 > $2) print $2 "\t" $1; else print }' out | sort >actual
uniq -d actual >repeated
[ ! -s repeated ] || { fail "pairs shown more than once:"; cat repeated >&2; }
if ! diff -u expected actual >diff; then
    fail "the pairs shown differ from the tree's pairs (- expected, + shown):"
    cat diff >&2
fi
grep -q "^pairs  *$(wc -l <expected)\$" err || { fail "stderr gives another pair count:"; cat err >&2; }
grep -q '^candidates ' err || fail "stderr gives no candidate count"
for label in listing sizing sorting 'to the first pair' total; do
    grep -q "^$label  *[0-9.]* s" err || fail "stderr gives no time for $label"
done

# The same tree through the mouth of a leading-dash root, with another type.
mkdir "$work/-png"
head -c 500 /dev/urandom >"$work/-png/a.png"
cp "$work/-png/a.png" "$work/-png/b.PNG"
cp "$work/-png/a.png" "$work/-png/c.jpg"
cd "$work"
run_walk --type png -- -png
[ "$(cat out)" = "$(printf 'a.png\tb.PNG')" ] || { fail "--type png printed:"; cat out >&2; }
run_walk --type=gif "$root"
[ ! -s out ] || { fail "--type gif printed pairs:"; cat out >&2; }

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "twinpics-walk printed the $(wc -l <expected) pairs of the awkward tree, each once"
