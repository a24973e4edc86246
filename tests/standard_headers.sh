#!/bin/sh
# The core, and the seam's headers, are standard C++ alone: they include only the standard
# library's headers (and the compiler's vector intrinsics, which the block search asks for) and
# their own, never Qt, a system header or the Qt program's, so that every system builds them.
# usage: standard_headers.sh SOURCE_FOLDER
cd "$1" || exit 2
found=$(grep -n '^#include' core/*/*.h core/*/*.cpp system/*.h |
  grep -v -E '#include (<([a-z_]+|immintrin\.h)>|"(core|system)/[a-z0-9_/]+\.h")$')
[ -z "$found" ] || { echo "not standard C++ alone: $found"; exit 1; }
