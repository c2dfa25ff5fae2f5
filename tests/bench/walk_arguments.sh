#!/usr/bin/env bash
# twinpics-walk turns away bad arguments with a usage message and a non-zero exit.
#
#   walk_arguments.sh WALK
set -uo pipefail
walk=${1:?usage: walk_arguments.sh WALK}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/root"
: >"$work/file.jpg"
failures=0

# expect_usage_error WHAT ARGS...: exits non-zero, prints usage and WHAT on stderr, nothing
# on stdout.
expect_usage_error() {
    local what=$1
    shift
    local status=0
    "$walk" "$@" >"$work/out" 2>"$work/err" || status=$?
    if [ "$status" -eq 0 ] || ! grep -q '^usage: twinpics-walk' "$work/err" ||
        ! grep -qF -- "$what" "$work/err" || [ -s "$work/out" ]; then
        echo "FAIL: twinpics-walk $* (status $status) should fail with '$what':" >&2
        cat "$work/err" "$work/out" >&2
        failures=$((failures + 1))
    fi
}

expect_usage_error "missing ROOT"
expect_usage_error "missing ROOT" --type png
expect_usage_error "unknown option '-x'" -x "$work/root"
expect_usage_error "unknown option '--verbose'" --verbose "$work/root"
expect_usage_error "more than one ROOT" "$work/root" "$work/root"
expect_usage_error "unknown image type 'bmp'" --type bmp "$work/root"
expect_usage_error "unknown image type 'JPEG'" --type JPEG "$work/root"
expect_usage_error "unknown image type ''" --type= "$work/root"
expect_usage_error "--type needs a value" "$work/root" --type
expect_usage_error "--type given more than once" --type png --type gif "$work/root"
expect_usage_error "is not a folder" "$work/file.jpg"
expect_usage_error "cannot read ROOT" "$work/missing"
expect_usage_error "ROOT is empty" ""

"$walk" --help >"$work/out" 2>&1 && grep -q '^usage: twinpics-walk' "$work/out" ||
    { echo "FAIL: --help" >&2; failures=$((failures + 1)); }
for type in jpeg gif png tiff; do
    "$walk" --type "$type" "$work/root" >"$work/out" 2>"$work/err" && [ ! -s "$work/out" ] &&
        grep -q "^type  *$type\$" "$work/err" ||
        { echo "FAIL: --type $type on an empty folder" >&2; cat "$work/err" >&2; failures=$((failures + 1)); }
done

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
echo "twinpics-walk turns away every bad argument"
