#!/bin/sh
# Runs a Windows program under Wine, headless, in the project's own prefix.
set -eu
export WINEPREFIX="${DORVANE_WINEPREFIX:-${TMPDIR:-/tmp}/dorvane-wine-$(id -u)}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko installers, and no window: these are console programs.
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=$(command -v wine64 || command -v wine)
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    "$wine" wineboot --init >/dev/null 2>&1 || true
    /usr/lib/wine/wineserver -w 2>/dev/null || wineserver -w 2>/dev/null || true
fi
exec "$wine" "$@"
