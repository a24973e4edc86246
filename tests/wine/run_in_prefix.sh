#!/bin/sh
# Runs a Windows program of the build under Debian's wine64, which puts no command on the PATH,
# in the build's own Wine prefix (make_prefix.sh): ctest names this script as the emulator of
# the cross build.
# usage: run_in_prefix.sh PREFIX PROGRAM.exe [ARGUMENT...]
prefix=$1
shift
WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" exec /usr/lib/wine/wine64 "$@"
