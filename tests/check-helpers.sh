# What the shell checks share, sourced by them: a scratch folder of their
# own, removed on exit, and fail, which reports one failure and counts it,
# so that a check goes on and says everything that is wrong at once.
work=$(mktemp -d "${TMPDIR:-/tmp}/dorvane-check.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
