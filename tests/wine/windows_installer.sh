#!/bin/sh
# The installer under Wine, run silently as an administrator would, then its uninstaller, which
# must leave the user's C:\ol; the prefix, shared with other tests, is left as found. The
# portable zip holds both programs.
# usage: windows_installer.sh PREFIX SETUP.EXE PORTABLE.ZIP VERSION
prefix=$1 setup=$2 portable=$3 version=$4
c=$prefix/drive_c
folder="$c/Program Files/Poser Quobbin"
menu="$c/ProgramData/Microsoft/Windows/Start Menu/Programs"
shortcut="$menu/Poser Quobbin.lnk" check_shortcut="$menu/Poser Quobbin - Check a scene file.lnk"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Poser Quobbin'
open_with_key='HKLM\Software\Classes\Applications\Quobbin.exe'
fail() { echo "FAILED: $*"; exit 1; }
# The uninstaller runs in place, and so is waited for, only when " _?=" and its folder stand
# unquoted, as Wine would quote an argument: a batch file gives its command line.
uninstaller=$(mktemp --suffix=.bat)
trap 'rm -rf "$uninstaller" "$folder" "$shortcut" "$check_shortcut" "$c/ol"' EXIT
printf '@"%s\\uninstall.exe" /S _?=%s\r\n' 'C:\Program Files\Poser Quobbin' \
    'C:\Program Files\Poser Quobbin' >"$uninstaller"
wine() {  # no menu entries on the Linux desktop for the shortcut
    WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" \
        /usr/lib/wine/wine64 "$@"
}
registered() {  # KEY NAME TEXT: the key holds the text value
    wine reg query "$1" | tr -d '\r' | grep -qxF "    $2    REG_SZ    $3"
}

[ "$(cmake -E tar tf "$portable" | grep -cx '[^/]*/\(Quobbin\|quobbin-cli\)\.exe')" = 2 ] ||
    fail "a program is not in the zip"

wine "$setup" /S || fail "the installer"
for f in Quobbin.exe quobbin-cli.exe uninstall.exe; do [ -f "$folder/$f" ] || fail "no $f"; done
x86_64-w64-mingw32-objdump -h "$folder/Quobbin.exe" | grep -q debug && fail "not stripped"
grep -qaF 'C:\Program Files\Poser Quobbin\Quobbin.exe' "$shortcut" || fail "no shortcut"
tr -d '\000' <"$check_shortcut" | grep -qF -- --check-window || fail "no shortcut that asks for a scene"
registered "$uninstall_key" QuietUninstallString \
    '"C:\Program Files\Poser Quobbin\uninstall.exe" /S' || fail "not in Programs and Features"
registered "$open_with_key\\shell\\open\\command" '(Default)' \
    '"C:\Program Files\Poser Quobbin\Quobbin.exe" "%1"' || fail "not in Open with"
got=$(wine "$folder/quobbin-cli.exe" --version | tr -d '\r')
[ "$got" = "quobbin $version" ] || fail "the installed command line: $got"

mkdir -p "$c/ol" && printf 'C:\\Poser\r\n' >"$c/ol/zz"
wine cmd /c "Z:$(echo "$uninstaller" | tr / '\\')" || fail "the uninstaller"
[ "$(ls "$folder")" = uninstall.exe ] || fail "left installed: $(ls "$folder")"
[ -e "$shortcut" ] || [ -e "$check_shortcut" ] && fail "a shortcut is left"
wine reg query "$uninstall_key" >/dev/null 2>&1 && fail "left in Programs and Features"
wine reg query "$open_with_key" >/dev/null 2>&1 && fail "left in Open with"
[ -f "$c/ol/zz" ] || fail "the settings are gone"
exit 0
