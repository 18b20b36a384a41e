#!/bin/sh
# The shipped sources use no compiler extension. -pedantic-errors cannot
# prove it alone: __extension__ silences it, and a builtin or an attribute
# passes it. The one export macro is the only allowed exception.
set -eu
plugin_dir="$1"
found=$(grep -rnE '__int128|__builtin_|__extension__|__attribute__|__declspec|__asm|\basm\b|\btypeof\b|#[[:space:]]*pragma' \
    --include='*.h' --include='*.cpp' "$plugin_dir" |
    grep -vE '^[^:]*MureloPlugin\.h:[0-9]+:#define DORVANE_EXPORT |:#pragma once$' || true)
if [ -n "$found" ]; then
    echo "compiler extensions in the plug-in's sources:"
    echo "$found"
    exit 1
fi
