#!/bin/sh
# Checks that a built plug-in exports EntryPointFunc and nothing else and,
# for the Windows build, imports only system DLLs.
set -eu
plugin="$1"
case "$plugin" in
*.aex)
    dump=$(x86_64-w64-mingw32-objdump -p "$plugin")
    exports=$(printf '%s\n' "$dump" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
        sed '1d' | sed -n 's/.*\] //p')
    imports=$(printf '%s\n' "$dump" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
    for dll in $imports; do
        case "$dll" in
        kernel32.dll | msvcrt.dll | user32.dll | advapi32.dll | ntdll.dll | ucrtbase.dll | api-ms-win-*) ;;
        *) echo "imports a non-system DLL: $dll"; exit 1 ;;
        esac
    done
    ;;
*)
    exports=$(nm -D --defined-only "$plugin" | awk '{print $3}')
    ;;
esac
if [ "$exports" != "EntryPointFunc" ]; then
    echo "exports other than EntryPointFunc:"
    printf '%s\n' "$exports"
    exit 1
fi
echo "exports: $exports"
