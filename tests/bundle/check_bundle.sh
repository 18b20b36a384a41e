#!/bin/sh
# Checks a built Dorvane.plugin by reading its files with LLVM's Mach-O
# tools, not by trusting the build:
#   check_bundle.sh BUNDLE ENTRY "ARCHITECTURES" MINIMUM_MACOS SEALED
# The bundle holds exactly its code, Info.plist, PkgInfo and resource file,
# and, when SEALED is ON (a build on a Mac seals it), the seal's CodeResources;
# the code is a loadable bundle (MH_BUNDLE) with a slice for each of the
# architectures and no other, each slice exporting only ENTRY, linking only
# system libraries, requiring macOS MINIMUM_MACOS, carrying the linker's
# ad-hoc signature, which names the code by the bundle's name, and keeping
# the routines nothing calls.
set -eu
bundle="$1"
entry="$2"
architectures="$3"
minimum="$4"
sealed="$5"
. "$(dirname "$0")/../unreferenced-routines.sh"

tool() {
    for name in "llvm-$1" "llvm-$1-16" "llvm-$1-15" "llvm-$1-14" "$1"; do
        command -v "$name" >/dev/null && { echo "$name"; return; }
    done
    echo "check_bundle: llvm-$1 is missing" >&2
    exit 1
}
objdump=$(tool objdump)
nm=$(tool nm)
lipo=$(tool lipo)
. "$(dirname "$0")/../check-helpers.sh"

name=$(basename "$bundle" .plugin)
code="$bundle/Contents/MacOS/$name"
layout=$(cd "$bundle" && find . -type f | LC_ALL=C sort | tr '\n' ' ')
expected="./Contents/Info.plist ./Contents/MacOS/$name ./Contents/PkgInfo ./Contents/Resources/$name.rsrc "
if [ "$sealed" = ON ]; then
    expected="$expected./Contents/_CodeSignature/CodeResources "
fi
[ "$layout" = "$expected" ] || fail "bundle holds: $layout; expected: $expected"
[ -f "$code" ] || { echo "FAIL: no code at $code"; exit 1; }

sorted() { printf '%s\n' $1 | sort | tr '\n' ' '; }
found=$("$lipo" -archs "$code")
[ "$(sorted "$found")" = "$(sorted "$architectures")" ] ||
    fail "architectures: $found; expected: $architectures"

for arch in $architectures; do
    headers=$("$objdump" --macho --private-headers --arch="$arch" "$code")
    filetype=$(printf '%s\n' "$headers" | awk '/^ *magic +cputype/ { getline; print $5; exit }')
    [ "$filetype" = "BUNDLE" ] || fail "$arch: file type $filetype, not BUNDLE"

    minos=$(printf '%s\n' "$headers" | awk '/cmd LC_BUILD_VERSION/ { found = 1 } found && $1 == "minos" { print $2; exit }')
    [ "$minos" = "$minimum" ] || fail "$arch: minimum macOS '$minos', expected $minimum"
    printf '%s\n' "$headers" | grep -q "cmd LC_CODE_SIGNATURE" || fail "$arch: not signed"
    # The signature names the code by the bundle's name, as codesign shows it.
    signature=$(printf '%s\n' "$headers" |
        awk '/cmd LC_CODE_SIGNATURE/ { found = 1 } found && $1 == "dataoff" { o = $2 } found && $1 == "datasize" { print o, $2; exit }')
    slice="$work/$arch"
    "$lipo" "$code" -thin "$arch" -output "$slice" 2>/dev/null || cp "$code" "$slice"
    # Its identifier is the one string in it: look among the printable runs.
    runs=$(dd if="$slice" bs=1 skip="${signature% *}" count="${signature#* }" 2>/dev/null |
        tr -c '[:print:]' '\n' | grep -E '^.{4,}$' || true)
    printf '%s\n' "$runs" | grep -q "$name\$" && ! printf '%s\n' "$runs" | grep -q '\.bundle$' ||
        fail "$arch: the signature names the code otherwise than $name: $(echo $runs)"

    exports=$("$nm" --arch="$arch" --extern-only --defined-only --just-symbol-name "$code")
    [ "$exports" = "_$entry" ] || fail "$arch: exports $(echo $exports), not only _$entry"

    libraries=$("$objdump" --macho --dylibs-used --arch="$arch" "$code" | sed -n 's/^[[:space:]]*\([^ ]*\) (compatibility.*/\1/p')
    [ -n "$libraries" ] || fail "$arch: links no libraries, not even libSystem"
    for library in $libraries; do
        case "$library" in
        /usr/lib/libSystem.B.dylib | /usr/lib/libc++.1.dylib) ;;
        *) fail "$arch: links $library, which is not a system library" ;;
        esac
    done

    symbols=$("$nm" --arch="$arch" --defined-only --just-symbol-name "$code")
    for routine in $unreferenced_routines; do
        printf '%s\n' "$symbols" | grep -qx "_$routine" || fail "$arch: $routine is not in the code"
    done
done
printf '%s\n' "$unreferenced_messages" | while IFS= read -r message; do
    grep -qaF "$message" "$code" || { echo "FAIL: the message \"$message\" is not in the code"; exit 1; }
done || failures=$((failures + 1))

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed for $bundle"
    exit 1
fi
echo "$bundle: $architectures bundle for macOS $minimum, exports only _$entry, links only libSystem, keeps $unreferenced_routines"
