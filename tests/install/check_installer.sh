#!/bin/sh
# Runs the macOS package's installer here, with stand-in xattr and codesign
# first on PATH that record how they are called (and fail when told to):
#   check_installer.sh INSTALLER
# It installs from a package laid out as the archive is, into a folder of
# its own, and checks what lands there, what the tools were asked, and that
# a failure leaves the earlier copy working and nothing half-installed.
set -u
installer="$1"
. "$(dirname "$0")/../check-helpers.sh"

package="$work/package"
bundle="$package/Plug-ins/7.0/MediaCore/Dorvane.plugin"
mkdir -p "$bundle/Contents/MacOS" "$bundle/Contents/Resources"
echo new >"$bundle/Contents/MacOS/Dorvane"
echo plist >"$bundle/Contents/Info.plist"
cp "$installer" "$package/Install Dorvane.command"

# The stand-ins: each call is a line "tool args..." in $log. STANDIN_FAIL
# names the call that fails: "sign" (codesign --force), "verify", "xattr"
# (and the mark stays); STANDIN_AUTHORITY=yes shows a real identity.
tools="$work/bin"
log="$work/calls.log"
mkdir -p "$tools"
cat >"$tools/codesign" <<'STANDIN'
#!/bin/sh
echo "codesign $*" >>"$STANDIN_LOG"
case "$1" in
--force) [ "${STANDIN_FAIL:-}" = sign ] && { echo "codesign: the stand-in refuses to sign" >&2; exit 1; } ;;
--verify) [ "${STANDIN_FAIL:-}" = verify ] && { echo "a sealed resource is missing or invalid" >&2; exit 1; } ;;
--display) [ "${STANDIN_AUTHORITY:-}" = yes ] && echo "Authority=Developer ID Application: Someone (TEAM)" >&2 ;;
esac
exit 0
STANDIN
cat >"$tools/xattr" <<'STANDIN'
#!/bin/sh
echo "xattr $*" >>"$STANDIN_LOG"
if [ "${STANDIN_FAIL:-}" = xattr ]; then
    [ "$1" = -r ] && echo "$2: com.apple.quarantine"
    exit 1
fi
exit 0
STANDIN
chmod +x "$tools/codesign" "$tools/xattr"

dest="$work/MediaCore"
# Runs the installer as a user does; its output is in $out, its status in $status.
run() {
    : >"$log"
    out=$(STANDIN_LOG="$log" PATH="$tools:$PATH" sh "$package/Install Dorvane.command" "$@" 2>&1)
    status=$?
}
leftovers() { (cd "$dest" 2>/dev/null && ls -A | grep -v '^Dorvane.plugin$'); }
expect_calls() {
    expected="$1"
    found=$(sed -E 's/\.Dorvane\.plugin\.installing\.[0-9]+/INCOMING/g; s|'"$dest"'|DEST|g' "$log")
    [ "$found" = "$expected" ] || fail "$2: the tools were called so:
$found
expected:
$expected"
}

# A first install, sealed ad hoc before it takes its place.
run --dest "$dest"
[ "$status" -eq 0 ] || fail "install: exit $status: $out"
[ "$(cat "$dest/Dorvane.plugin/Contents/MacOS/Dorvane" 2>/dev/null)" = new ] || fail "install: the bundle is not in place"
[ -z "$(leftovers)" ] || fail "install: left $(leftovers) beside the bundle"
expect_calls "xattr -dr com.apple.quarantine DEST/INCOMING
codesign --verify --deep --strict DEST/INCOMING
codesign --display --verbose=2 DEST/INCOMING
codesign --force --deep --sign - DEST/INCOMING
codesign --verify --deep --strict DEST/INCOMING" "install"
case "$out" in
*"Installed Dorvane.plugin into $dest."*"quarantine"*"ad-hoc signature"*) ;;
*) fail "install does not say what it did: $out" ;;
esac

# Over an earlier copy: replaced whole.
echo old >"$dest/Dorvane.plugin/Contents/MacOS/Dorvane"
echo stale >"$dest/Dorvane.plugin/Contents/Stale"
run --dest "$dest"
[ "$status" -eq 0 ] || fail "reinstall: exit $status: $out"
[ "$(cat "$dest/Dorvane.plugin/Contents/MacOS/Dorvane")" = new ] || fail "reinstall: the old code stayed"
[ ! -e "$dest/Dorvane.plugin/Contents/Stale" ] || fail "reinstall: a file of the old copy stayed"
[ -z "$(leftovers)" ] || fail "reinstall: left $(leftovers)"
case "$out" in *"Replaced the earlier Dorvane.plugin"*) ;; *) fail "reinstall does not say it replaced: $out" ;; esac

# A bundle signed with a real identity keeps its signature.
STANDIN_AUTHORITY=yes run --dest "$dest"
[ "$status" -eq 0 ] || fail "signed: exit $status: $out"
grep -q -- "--sign" "$log" && fail "signed: a real identity's signature was replaced"
case "$out" in *"kept its own signature"*) ;; *) fail "signed: does not say it kept the signature: $out" ;; esac

# Failures: one line, non-zero, the earlier copy untouched, nothing left.
for failing in sign verify xattr; do
    echo old >"$dest/Dorvane.plugin/Contents/MacOS/Dorvane"
    STANDIN_FAIL=$failing run --dest "$dest"
    [ "$status" -ne 0 ] || fail "$failing failing: the installer succeeded"
    [ "$(printf '%s\n' "$out" | wc -l)" -eq 1 ] || fail "$failing failing: not one line: $out"
    case "$out" in "Install Dorvane: "*"nothing was installed") ;; *) fail "$failing failing: says $out" ;; esac
    [ "$(cat "$dest/Dorvane.plugin/Contents/MacOS/Dorvane")" = old ] || fail "$failing failing: the earlier copy changed"
    [ -z "$(leftovers)" ] || fail "$failing failing: left $(leftovers)"
done
rm -rf "$dest"
STANDIN_FAIL=sign run --dest "$dest"
[ ! -e "$dest/Dorvane.plugin" ] || fail "sign failing: a first install left a bundle"

# No codesign at all: refused before anything is copied.
if ! command -v codesign >/dev/null 2>&1; then
    no_codesign="$work/no-codesign"
    mkdir -p "$no_codesign"
    cp "$tools/xattr" "$no_codesign/"
    out=$(STANDIN_LOG="$log" PATH="$no_codesign:$PATH" sh "$package/Install Dorvane.command" --dest "$work/elsewhere" 2>&1)
    status=$?
    [ "$status" -ne 0 ] || fail "no codesign: the installer succeeded"
    case "$out" in *"codesign is missing"*) ;; *) fail "no codesign: says $out" ;; esac
    [ ! -e "$work/elsewhere/Dorvane.plugin" ] || fail "no codesign: a bundle was installed"
fi

# A folder it may not write into: told to use sudo. Root writes anywhere.
if [ "$(id -u)" -ne 0 ]; then
    locked="$work/locked"
    mkdir -p "$locked"
    chmod a-w "$locked"
    run --dest "$locked"
    chmod u+w "$locked"
    [ "$status" -ne 0 ] || fail "no permission: the installer succeeded"
    case "$out" in *"no permission to write into $locked: run it with sudo"*) ;; *) fail "no permission: says $out" ;; esac
fi

# --uninstall, --help, and what it does not know.
run --dest "$dest" && run --dest "$dest" --uninstall
[ "$status" -eq 0 ] && [ ! -e "$dest/Dorvane.plugin" ] || fail "uninstall: exit $status, $out"
run --dest "$dest" --uninstall
[ "$status" -eq 0 ] || fail "uninstall of nothing: exit $status: $out"
case "$out" in *"nothing to remove"*) ;; *) fail "uninstall of nothing: says $out" ;; esac
run --help
[ "$status" -eq 0 ] || fail "--help: exit $status"
for option in --dest --uninstall sudo; do
    case "$out" in *"$option"*) ;; *) fail "--help does not explain $option" ;; esac
done
run --bogus
[ "$status" -eq 2 ] || fail "--bogus: exit $status, not 2"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) of the installer failed"
    exit 1
fi
echo "the installer installs, replaces, keeps a real signature, uninstalls, and fails cleanly"
