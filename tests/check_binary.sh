#!/bin/sh
# Checks that a built plug-in exports its entry point (EntryPointFunc, or
# the name given second) and nothing else, and carries its property list:
# the Windows build as its US-English "PIPL" resource 16000, importing only
# system DLLs, with a version resource for VERSION (third, a.b.c.d) that
# names the file as it was built, and without the routines nothing calls;
# other builds as the resource file beside the library.
set -eu
plugin="$1"
entry="${2:-EntryPointFunc}"
version="${3:-}"
. "$(dirname "$0")/unreferenced-routines.sh"
case "$plugin" in
*.aex)
    dump=$(x86_64-w64-mingw32-objdump -p "$plugin")
    exports=$(printf '%s\n' "$dump" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
        sed '1d' | sed -n 's/.*\] //p')
    imports=$(printf '%s\n' "$dump" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
    # Every .aex imports kernel32.dll: none read means the list was not found.
    [ -n "$imports" ] || { echo "no imports read, not even kernel32.dll"; exit 1; }
    for dll in $imports; do
        case "$dll" in
        kernel32.dll | msvcrt.dll | user32.dll | advapi32.dll | ntdll.dll | ucrtbase.dll | api-ms-win-*) ;;
        *) echo "imports a non-system DLL: $dll"; exit 1 ;;
        esac
    done
    resources=$(x86_64-w64-mingw32-windres -i "$plugin" -O rc)
    language=$(printf '%s\n' "$resources" |
        awk '/^LANGUAGE / { language = $2 $3 } /^16000 "PIPL"/ { print language }')
    if [ "$language" != "9,1" ]; then
        echo "no US-English PIPL resource 16000 (found language: '$language')"
        exit 1
    fi
    [ -n "$version" ] || { echo "no version (a.b.c.d) given to look for"; exit 1; }
    numbers=$(echo "$version" | sed "s/\./, /g")  # as windres writes them
    for line in "FILEVERSION $numbers" "PRODUCTVERSION $numbers" "VALUE \"FileVersion\", \"$version\"" \
        "VALUE \"ProductVersion\", \"$version\"" "VALUE \"ProductName\", \"Dorvane\"" "VALUE \"FileDescription\", \"" \
        "VALUE \"OriginalFilename\", \"$(basename "$plugin")\""; do
        printf '%s\n' "$resources" | grep -qF "$line" || { echo "version resource lacks: $line"; exit 1; }
    done
    # Dropped by the link, with the messages only they hold. A file without
    # a symbol table (nm says so and succeeds) would hide them: the entry
    # point must be listed for their absence to mean anything.
    symbols=$(x86_64-w64-mingw32-nm --defined-only "$plugin" | awk '{print $3}')
    if ! printf '%s\n' "$symbols" | grep -qx "$entry"; then
        echo "no symbol table in which to look for the routines nothing calls"
        exit 1
    fi
    for routine in $unreferenced_routines; do
        if printf '%s\n' "$symbols" | grep -qx "$routine"; then
            echo "$routine is in the .aex"
            exit 1
        fi
    done
    printf '%s\n' "$unreferenced_messages" | while IFS= read -r message; do
        if grep -qaF "$message" "$plugin"; then
            echo "the message \"$message\" is in the .aex"
            exit 1
        fi
    done
    ;;
*)
    if [ ! -s "${plugin%.*}.rsrc" ]; then
        echo "no property list beside the library: ${plugin%.*}.rsrc"
        exit 1
    fi
    exports=$(nm -D --defined-only "$plugin" | awk '{print $3}')
    ;;
esac
if [ "$exports" != "$entry" ]; then
    echo "exports other than $entry:"
    printf '%s\n' "$exports"
    exit 1
fi
echo "exports: $exports"
