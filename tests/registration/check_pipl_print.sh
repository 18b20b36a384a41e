#!/bin/sh
# Prints a built plug-in's property list with dorvane-pipl --print and checks
# what it shows, and that a file without a list, or with a malformed one,
# is named as such:
#   check_pipl_print.sh TOOL PLUGIN LAYOUT "ENTRY_KEYS" COUNT RESOURCE_FILE
# LAYOUT is "Windows" or "macOS"; RESOURCE_FILE is a macOS resource file the
# build wrote, which the check spoils in a copy of its own.
set -u
tool="$1"
plugin="$2"
layout="$3"
entry_keys="$4"
count="$5"
resource_file="$6"
. "$(dirname "$0")/../check-helpers.sh"
contains() {
    case "$1" in *"$2"*) return 0 ;; esac
    return 1
}

out=$("$tool" --print "$plugin" 2>&1) || fail "printing $plugin: exit $?: $out"
echo "$out"
first=$(printf '%s\n' "$out" | head -n 1)
contains "$first" "$layout layout" || fail "the header does not name the $layout layout: $first"
contains "$first" "$count properties" || fail "the header does not count $count properties: $first"
for expected in "  kind  'eFKT'" '  name  "Dorvane"' '  catg  "MureloUtility"' '  ePVR  2.0' '  eSVR  13.1' \
    '  eVER  0x00080601' '  eINF  0x0000' '  eGLO  0x02000000' '  eGL2  0x00001400' '  aeFL  0x00000008'; do
    printf '%s\n' "$out" | grep -qxF "$expected" || fail "no line '$expected'"
done
for key in $entry_keys; do
    printf '%s\n' "$out" | grep -q "^  $key  \"EntryPointFunc\"" || fail "no entry point under $key"
done

# Files that hold no list, or hold one the host cannot read.
echo "not a plug-in" >"$work/junk.rsrc"
printf 'MZ and nothing a Windows library has' >"$work/junk.aex"
cp "$resource_file" "$work/windows-word.rsrc"
# The list starts after the data area's 256-byte offset and its 4-byte length:
# a Windows header word put where a macOS list has its version.
printf '\001' | dd of="$work/windows-word.rsrc" bs=1 seek=261 conv=notrunc 2>/dev/null
for case in "junk.rsrc|holds no property list" "junk.aex|not a well-formed Windows library" \
    "windows-word.rsrc|is a malformed macOS property list: not a macOS property list: it begins 00 01 00 00"; do
    file="$work/${case%%|*}"
    message="${case#*|}"
    said=$("$tool" --print "$file" 2>&1) && fail "$file: printed without complaint"
    contains "$said" "$file" || fail "$file: the message does not name the file: $said"
    contains "$said" "$message" || fail "$file: says '$said', not '$message'"
    [ "$(printf '%s\n' "$said" | wc -l)" -eq 1 ] || fail "$file: not one line: $said"
done

[ "$failures" -eq 0 ] || { echo "$failures check(s) of the printed property list failed"; exit 1; }
