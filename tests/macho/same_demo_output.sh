#!/bin/sh
# The demo run through a macOS bundle's x86_64 code and through the Linux
# build of the same sources must say, record and call exactly the same:
# the summary (but for the line naming the plug-in), every exported key,
# and every host call of every command.
# Usage: same_demo_output.sh DORVANE_HOST BUNDLE LINUX_LIBRARY
set -eu
host="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

run() {
    mkdir "$work/$1"
    # In a folder of its own, so that the files it names are named alike.
    (cd "$work/$1" &&
        "$host" --plugin "$2" --press 2 --undo --json camera.json --csv camera.csv --trace calls.txt >said.txt)
    grep -v '^Plug-in:' "$work/$1/said.txt" >"$work/$1/summary.txt"
}
run bundle "$2"
run linux "$3"

status=0
for file in summary.txt camera.json camera.csv calls.txt; do
    if ! cmp -s "$work/bundle/$file" "$work/linux/$file"; then
        echo "$file differs between the bundle ($2) and the Linux build ($3):"
        diff "$work/bundle/$file" "$work/linux/$file" | head -n 20
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "the bundle's code and the Linux build gave the same summary, keys and host calls"
exit "$status"
