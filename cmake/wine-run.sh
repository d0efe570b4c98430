#!/bin/sh
# Runs a Windows program under wine with wine's own diagnostics silenced, so
# that what reaches standard error is the program's alone.
export WINEDEBUG=-all
prefix="${WINEPREFIX:-$HOME/.wine}"

# Wine reports on standard error while it makes a new prefix, so the prefix is
# made first, apart from the program, with that report discarded.
if [ ! -f "$prefix/system.reg" ]; then
    mkdir -p "$prefix"
    wineboot --init </dev/null >/dev/null 2>&1
    wineserver --wait
fi

# Wine's server and background services outlive a program that starts them,
# holding its output open until they stop. Start them apart from the program
# (a no-op when they run already) and keep them for a minute after use.
wineserver --persistent=60 </dev/null >/dev/null 2>&1
wine wineboot </dev/null >/dev/null 2>&1

exec wine "$@"
