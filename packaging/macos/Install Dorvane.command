#!/bin/sh
# Installs the Dorvane.plugin bundle beside this script into the host's
# shared plug-in folder, and seals it so that a host which loads only signed
# plug-ins takes it. Double-click it in Finder, or run it in Terminal:
#   sh "Install Dorvane.command" [--dest DIR] [--uninstall] [--help]
set -u

name="Dorvane.plugin"
default_dest="/Library/Application Support/Adobe/Common/Plug-ins/7.0/MediaCore"
here=$(cd "$(dirname "$0")" && pwd)

usage() {
    cat <<USAGE
Install Dorvane: puts $name into the host's shared plug-in folder,
removes the quarantine mark a download leaves on it, seals it with an ad-hoc
signature (unless it is already signed with a real identity) and verifies it.

  sh "Install Dorvane.command"               install into
                                             $default_dest
  sh "Install Dorvane.command" --dest DIR    install into DIR instead
  sh "Install Dorvane.command" --uninstall   remove the installed $name
                                             (with --dest DIR: from DIR)
  sh "Install Dorvane.command" --help        show this

The default folder belongs to the system: run it with sudo there, for example
  sudo sh "Install Dorvane.command"
An earlier copy is replaced only once the new one is complete and verified.
Needs codesign (Xcode's command line tools: xcode-select --install).
USAGE
}

# One clear line, and a non-zero exit.
fail() {
    echo "Install Dorvane: $*" >&2
    exit 1
}

# The last line a tool wrote, to say why it failed within that one line.
reason() {
    printf '%s\n' "$1" | sed '/^[[:space:]]*$/d' | tail -n 1
}

dest="$default_dest"
uninstall=no
while [ $# -gt 0 ]; do
    case "$1" in
    --dest)
        [ $# -ge 2 ] && [ -n "$2" ] || { echo "Install Dorvane: --dest needs a folder" >&2; exit 2; }
        dest="$2"
        shift 2
        ;;
    --uninstall) uninstall=yes; shift ;;
    --help | -h) usage; exit 0 ;;
    *) echo "Install Dorvane: unknown option $1 (see --help)" >&2; exit 2 ;;
    esac
done
dest="${dest%/}"
target="$dest/$name"

no_permission() {
    fail "no permission to write into $dest: run it with sudo: sudo sh \"$0\"$1"
}

if [ "$uninstall" = yes ]; then
    if [ ! -e "$target" ]; then
        echo "There is no $name in $dest: nothing to remove."
        exit 0
    fi
    [ -w "$dest" ] || no_permission " --uninstall"
    rm -rf "$target" || fail "could not remove $target"
    echo "Removed $target."
    exit 0
fi

# The bundle as the package lays it out, or beside the script.
source="$here/Plug-ins/7.0/MediaCore/$name"
[ -d "$source" ] || source="$here/$name"
[ -d "$source" ] || fail "no $name next to this script (looked in $here/Plug-ins/7.0/MediaCore and $here)"
command -v codesign >/dev/null 2>&1 ||
    fail "codesign is missing: install Xcode's command line tools (xcode-select --install) and run this again"
command -v xattr >/dev/null 2>&1 || fail "xattr is missing: this installer runs on macOS only"

mkdir -p "$dest" 2>/dev/null || no_permission ""
[ -w "$dest" ] || no_permission ""

# The new copy is made complete beside the old one under a name the host
# does not load, and takes the old one's place only by renames; whatever
# stops it half-way leaves the old copy where it was.
incoming="$dest/.$name.installing.$$"
outgoing="$dest/.$name.replaced.$$"
cleanup() {
    rm -rf "$incoming"
    if [ -e "$outgoing" ]; then
        if [ -e "$target" ]; then rm -rf "$outgoing"; else mv "$outgoing" "$target"; fi
    fi
}
trap cleanup EXIT
trap 'exit 1' HUP INT TERM

rm -rf "$incoming"
cp -R "$source" "$incoming" || fail "could not copy $name into $dest"

# A bundle unpacked from a download carries the quarantine mark; xattr
# reports failure too when there is none to remove, so only a mark left
# behind counts as one.
if ! xattr -dr com.apple.quarantine "$incoming" 2>/dev/null; then
    if xattr -r "$incoming" 2>/dev/null | grep -q "com.apple.quarantine"; then
        fail "xattr could not remove the quarantine attribute; nothing was installed"
    fi
fi

# A bundle signed with a real identity keeps its signature; anything else,
# the linker's ad-hoc signature of the code alone included, is sealed ad hoc.
kept=no
if codesign --verify --deep --strict "$incoming" >/dev/null 2>&1 &&
    codesign --display --verbose=2 "$incoming" 2>&1 | grep -q "^Authority="; then
    kept=yes
elif ! said=$(codesign --force --deep --sign - "$incoming" 2>&1); then
    fail "codesign could not seal $name ($(reason "$said")); nothing was installed"
fi
said=$(codesign --verify --deep --strict "$incoming" 2>&1) ||
    fail "$name does not verify after sealing ($(reason "$said")); nothing was installed"

replaced=no
if [ -e "$target" ]; then
    mv "$target" "$outgoing" || fail "could not move the earlier $name aside; it is unchanged"
    replaced=yes
fi
mv "$incoming" "$target" || fail "could not put $name in place; the earlier copy is unchanged"
rm -rf "$outgoing"

if [ "$kept" = yes ]; then
    sealed="kept its own signature, which verifies"
else
    sealed="sealed it with an ad-hoc signature, which verifies"
fi
if [ "$replaced" = yes ]; then
    echo "Replaced the earlier $name in $dest."
else
    echo "Installed $name into $dest."
fi
echo "Removed the quarantine attribute and $sealed."
echo "Restart the host: the effect is listed under MureloUtility."
