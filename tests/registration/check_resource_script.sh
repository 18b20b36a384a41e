#!/bin/sh
# Compiles the generated resource script with GNU windres and with an rc in
# Visual Studio's manner (LLVM's), and checks both give the same resources:
#   check_resource_script.sh SCRIPT WINDRES RC
set -eu
script="$1"
windres="$2"
rc="$3"
work=$(mktemp -d "${TMPDIR:-/tmp}/dorvane-rc.XXXXXX")
trap 'rm -rf "$work"' EXIT

# No preprocessor: the script needs none, and none may be there. rc reads a
# word that starts with a slash as an option, so a script under /data or /ci
# would be taken for /d or /c: "--" ends the options before the path.
"$rc" /no-preprocess /FO "$work/rc.res" -- "$script"
"$windres" -i "$script" -O res -o "$work/windres.res"
# Decompiled, the two must read the same, but for the memory flags, which
# 64-bit Windows ignores and the two compilers default differently.
for compiled in rc windres; do
    "$windres" -i "$work/$compiled.res" -O rc |
        sed -E 's/ (MOVEABLE|FIXED|PURE|IMPURE|PRELOAD|LOADONCALL|DISCARDABLE)//g' >"$work/$compiled.txt"
done
if ! cmp -s "$work/rc.txt" "$work/windres.txt"; then
    echo "rc and windres make different resources from $script:"
    diff "$work/windres.txt" "$work/rc.txt" || true
    exit 1
fi
grep -q '16000 "PIPL"' "$work/rc.txt" && grep -q 'VERSIONINFO' "$work/rc.txt" ||
    { echo "the resources lack the property list or the version"; exit 1; }
echo "windres and rc agree on $script"
