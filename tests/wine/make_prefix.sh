#!/bin/sh
# Makes a fresh Wine prefix for one test run, never the user's own: about half a minute.
# usage: make_prefix.sh PREFIX
set -e
rm -rf "$1"
mkdir -p "$1"
WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" /usr/lib/wine/wine64 wineboot --init
WINEPREFIX=$1 /usr/lib/wine/wineserver -w
