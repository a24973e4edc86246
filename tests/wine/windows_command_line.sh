#!/bin/sh
# quobbin-cli.exe under Wine as a user runs it from a console: --update writes byte for byte the
# index that the Linux program writes of the same library (both see Wine's drive c:), and
# --lookup and --check answer with the Linux program's texts and exit statuses; hidden and system
# files, which Windows alone has, are left out.
# usage: windows_command_line.sh PREFIX QUOBBIN-CLI.EXE LINUX_QUOBBIN
prefix=$1 windows=$2 linux=$3
[ -x "$linux" ] || { echo "no Linux program at $linux: build it first"; exit 77; }
c=$prefix/drive_c
library="$c/Poser Test/Runtime"
fail() { echo "FAILED: $*"; exit 1; }
scratch=$(mktemp)
trap 'rm -f "$scratch"' EXIT
wine() {
    WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" /usr/lib/wine/wine64 "$@"
}
windows() {  # its output without the CR that a console program writes before each LF
    wine "$windows" "$@" >"$scratch"
    code=$?
    tr -d '\r' <"$scratch"
    return $code
}
expect() {  # STATUS OUTPUT COMMAND...: the exit status and the whole output
    status=$1 output=$2
    shift 2
    got=$("$@")
    code=$?
    [ "$code" = "$status" ] && [ "$got" = "$output" ] || fail "$*: status $code: $got"
}

rm -rf "$c/ol" "$c/Poser Test"
mkdir -p "$c/ol" "$library/Geometries/Ünï" "$library/Libraries/Character" "$library/Textures"
touch "$library/Geometries/Ünï/Figure.obj" "$library/Libraries/Character/Çödé.cr2" \
    "$library/Libraries/Character/Çödé.png" "$library/Libraries/Character/notes.txt" \
    "$library/Textures/skin.JPG"
# A path past Windows' old limit of 260 characters, device names, links into a loop (Wine
# shows the host's links) and a link that is entered
long="$library/Textures/$(printf '%0120d' 0 | tr 0 L)/$(printf '%0120d' 0 | tr 0 M)"
mkdir -p "$long" && touch "$long/long.jpg" "$library/Textures/COM1.jpg" "$library/Textures/nul.obj"
ln -s .. "$library/Textures/up" && ln -s ../Textures "$library/Geometries/textures"
printf 'C:\\Poser Test\r\n' >"$c/ol/zz"
printf '{\r\nfigureResFile :Runtime:Geometries:Figure.obj\r\n}\r\n' >"$c/scene.pz3"

windows --update >/dev/null || fail "--update"
cp "$c/ol/oz" "$c/ol/oz.windows"
WINEPREFIX=$prefix "$linux" --update >/dev/null || fail "the Linux --update"
cmp "$c/ol/oz.windows" "$c/ol/oz" || fail "the indexes differ"

expect 0 'c:\poser test\runtime\geometries\ünï\figure.obj' windows --lookup FIGURE.obj
expect 0 1 windows --lookup çödé --count  # its thumbnail left out
expect 1 '' windows --lookup none.obj
expect 1 'C:\scene.pz3:2: figureResFile: :Runtime:Geometries:Figure.obj
  (1) C:\Poser Test\Runtime\Geometries\Ünï\Figure.obj
1 references, 1 missing, 0 without a candidate' windows --check 'C:\scene.pz3'

# Hidden and system files and folders are out of sight on Windows; a temporary index that a
# killed copy left is removed.
wine attrib +h 'C:\Poser Test\Runtime\Textures\skin.JPG' && echo >"$c/ol/oz.new"
wine attrib +s 'C:\Poser Test\Runtime\Libraries'
windows --update >/dev/null || fail "--update with hidden files"
expect 1 '' windows --lookup skin.jpg
expect 1 '' windows --lookup Çödé.cr2
[ ! -e "$c/ol/oz.new" ] || fail "the temporary index stays"

rm -rf "$c/ol" "$c/Poser Test" "$c/scene.pz3"
