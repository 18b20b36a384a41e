#!/bin/sh
# The shipped sources use no compiler extension. -pedantic-errors cannot
# prove it alone: __extension__ silences it, and a builtin or an attribute
# passes it. The one export macro is the only allowed exception.
set -eu
plugin_dir="$1"
# A wrong folder must fail the check, not pass it with nothing read.
[ -f "$plugin_dir/MureloPlugin.h" ] || { echo "no plug-in sources in $plugin_dir"; exit 1; }
# Read from inside the folder, so that each finding starts with a path of
# the tree's own, whatever the folder it was cloned to is called (a colon in
# it would otherwise stop the exception below from matching).
# grep's 1 is "nothing found"; anything above is a failure to read.
status=0
cd "$plugin_dir"
found=$(grep -rnE '__int128|__builtin_|__extension__|__attribute__|__declspec|__asm|\basm\b|\btypeof\b|#[[:space:]]*pragma' \
    --include='*.h' --include='*.cpp' .) || status=$?
[ "$status" -le 1 ] || { echo "cannot read the sources in $plugin_dir"; exit 1; }
found=$(printf '%s\n' "$found" |
    grep -vE '^\./MureloPlugin\.h:[0-9]+:#define DORVANE_EXPORT |:#pragma once$' || true)
if [ -n "$found" ]; then
    echo "compiler extensions in the plug-in's sources:"
    echo "$found"
    exit 1
fi
