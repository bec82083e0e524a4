# Shared by ./run, ./test and bench/run: installs what the build needs, and
# gives Wine a prefix, a sandboxed HOME and a private X display inside the build tree.
# Sourced, not run.

SCRIVLET_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
SCRIVLET_BUILD=${SCRIVLET_BUILD:-$SCRIVLET_ROOT/build}

scrivlet_say() { printf '%s\n' "$*" >&2; }

# Installs the Debian packages that are missing; silent when all are there.
scrivlet_install_deps() {
  local need=()
  command -v cmake >/dev/null || need+=(cmake)
  command -v g++ >/dev/null || need+=(g++)
  command -v make >/dev/null || need+=(make)
  command -v x86_64-w64-mingw32-g++-posix >/dev/null || need+=(g++-mingw-w64-x86-64-posix)
  command -v x86_64-w64-mingw32-windres >/dev/null || need+=(binutils-mingw-w64-x86-64)
  command -v wine >/dev/null || need+=(wine)
  [ -x /usr/lib/wine/wine64 ] || need+=(wine64)
  [ -f /usr/share/wine/fonts/tahoma.ttf ] || need+=(fonts-wine)
  command -v Xvfb >/dev/null || need+=(xvfb)
  command -v xdotool >/dev/null || need+=(xdotool)
  command -v import >/dev/null || need+=(imagemagick)
  [ -f /usr/src/googletest/CMakeLists.txt ] || need+=(googletest)
  [ -f /usr/include/gtest/gtest.h ] || need+=(libgtest-dev)
  command -v dpkg-source >/dev/null || need+=(dpkg-dev)
  command -v patch >/dev/null || need+=(patch)
  command -v clang >/dev/null || need+=(clang)
  [ -f "$(clang -print-resource-dir 2>/dev/null)/lib/linux/libclang_rt.fuzzer-x86_64.a" ] || need+=(libclang-rt-dev)
  if [ ${#need[@]} -gt 0 ]; then
    scrivlet_say "Installing: ${need[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq >/dev/null
    apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
  fi
}

# libjpeg comes from Debian's source package, fetched and built once into the
# build tree: with MinGW for the program, natively with clang's sanitizers for the fuzz.
SCRIVLET_JPEG=$SCRIVLET_BUILD/libjpeg

# A deb-src entry made from the machine's own deb entries, when it has none.
scrivlet_deb_src() {
  local lists=(/etc/apt/sources.list /etc/apt/sources.list.d/*.sources /etc/apt/sources.list.d/*.list)
  grep -sqE '^(Types:.*deb-src|deb-src )' "${lists[@]}" && return 0
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources \
      > /etc/apt/sources.list.d/scrivlet-src.sources
  else
    sed -n 's/^deb /deb-src /p' /etc/apt/sources.list > /etc/apt/sources.list.d/scrivlet-src.list
  fi
  apt-get update -qq >/dev/null
}

# Builds one static libjpeg into $SCRIVLET_JPEG/<name> (include/ and lib/).
scrivlet_build_jpeg_lib() {
  local name=$1 src=$2
  shift 2
  local out=$SCRIVLET_JPEG/$name
  [ -f "$out/lib/libjpeg.a" ] && return 0
  cmake -S "$src" -B "$out/build" -DCMAKE_BUILD_TYPE=Release -DENABLE_SHARED=OFF -DWITH_TURBOJPEG=OFF \
    -DWITH_SIMD=0 -DCMAKE_INSTALL_PREFIX="$out" "$@" >"$out.log" 2>&1 &&
    cmake --build "$out/build" --target jpeg-static -j"$(nproc)" >>"$out.log" 2>&1 || {
    cat "$out.log" >&2
    return 1
  }
  mkdir -p "$out/include" "$out/lib"
  cp "$src"/jpeglib.h "$src"/jmorecfg.h "$src"/jerror.h "$out/build/jconfig.h" "$out/include/"
  cp "$out/build/libjpeg.a" "$out/lib/"
}

scrivlet_fetch_jpeg() { (cd "$SCRIVLET_JPEG" && apt-get source -qq libjpeg-turbo >fetch.log 2>&1); }

# The MinGW library always; the fuzz target's too when asked (`scrivlet_libjpeg fuzz`).
scrivlet_libjpeg() {
  local src
  # No source yet is not a failure: it is fetched below.
  src=$(ls -d "$SCRIVLET_JPEG"/libjpeg-turbo-*/ 2>/dev/null | head -n 1 || true)
  if [ -z "$src" ] || [ ! -f "$src/jpeglib.h" ]; then
    scrivlet_say "Fetching libjpeg's source"
    scrivlet_deb_src
    mkdir -p "$SCRIVLET_JPEG"
    # Source lists that were never downloaded need one update first.
    scrivlet_fetch_jpeg || { apt-get update -qq >/dev/null 2>&1 && scrivlet_fetch_jpeg; } || {
      cat "$SCRIVLET_JPEG/fetch.log" >&2
      return 1
    }
    src=$(ls -d "$SCRIVLET_JPEG"/libjpeg-turbo-*/ | head -n 1)
  fi
  src=${src%/}
  scrivlet_build_jpeg_lib mingw "$src" -DCMAKE_TOOLCHAIN_FILE="$SCRIVLET_ROOT/cmake/mingw-w64-posix.cmake"
  [ "${1:-}" = fuzz ] || return 0
  # AddressSanitizer checks libjpeg's reads and writes in our buffers; UBSan
  # there would make this build six times longer for little gain.
  scrivlet_build_jpeg_lib fuzz "$src" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang \
    -DCMAKE_C_FLAGS="-O1 -fsanitize=address,fuzzer-no-link"
}

# Scintilla, the reader's text view, comes from Debian's source package of the
# editor that bundles it, fetched and built once into the build tree as a static
# library (Lexilla is not needed: the reader styles nothing).
SCRIVLET_SCINTILLA=$SCRIVLET_BUILD/scintilla

scrivlet_fetch_scintilla() { (cd "$SCRIVLET_SCINTILLA" && apt-get source -qq scite >fetch.log 2>&1); }

scrivlet_scintilla() {
  local out=$SCRIVLET_SCINTILLA patch=$SCRIVLET_ROOT/cmake/scintilla-wrap-around.patch sum
  # The library is built again from fresh source whenever our patch changes.
  sum=$(sha256sum <"$patch" | cut -c1-64)
  [ -f "$out/lib/libscintilla.a" ] && [ "$(cat "$out/lib/patch.sum" 2>/dev/null)" = "$sum" ] && return 0
  local src
  src=$(ls -d "$out"/scite-*/scintilla/ 2>/dev/null | head -n 1 || true)
  if [ -n "$src" ] && [ -f "$src/.scrivlet-patched" ] && [ "$(cat "$src/.scrivlet-patched")" != "$sum" ]; then
    rm -rf "$out"/scite-* "$out"/scite_* "$out/lib"
    src=
  fi
  if [ -z "$src" ] || [ ! -f "$src/win32/makefile" ]; then
    scrivlet_say "Fetching Scintilla's source"
    scrivlet_deb_src
    mkdir -p "$out"
    scrivlet_fetch_scintilla || { apt-get update -qq >/dev/null 2>&1 && scrivlet_fetch_scintilla; } || {
      cat "$out/fetch.log" >&2
      return 1
    }
    src=$(ls -d "$out"/scite-*/scintilla/ | head -n 1)
  fi
  src=${src%/}
  # Our one change to it: a caret jump far into a long wrapped text wraps the lines
  # around the caret, not all the lines before it.
  if [ ! -f "$src/.scrivlet-patched" ]; then
    patch -s -p1 -d "$src" <"$patch" && echo "$sum" >"$src/.scrivlet-patched" || return 1
  fi
  scrivlet_say "Building Scintilla"
  # Two jobs at most: it is the longest single build step and the machine is shared.
  (cd "$src/win32" && make -j2 CXX=x86_64-w64-mingw32-g++-posix AR=x86_64-w64-mingw32-ar \
    RANLIB=x86_64-w64-mingw32-ranlib ../bin/libscintilla.a) >"$out/build.log" 2>&1 || {
    cat "$out/build.log" >&2
    return 1
  }
  mkdir -p "$out/include" "$out/lib"
  cp "$src"/include/Scintilla.h "$src"/include/Sci_Position.h "$src"/include/ILoader.h \
    "$src"/include/ILexer.h "$out/include/"
  cp "$src/License.txt" "$out/License.txt"
  cp "$src/bin/libscintilla.a" "$out/lib/"
  echo "$sum" >"$out/lib/patch.sum"
}

# Configures and builds the Windows program and its tests with MinGW-w64
# (only the given target when one is named, e.g. scrivlet).
scrivlet_build_win() {
  local target=${1:-all}
  shift || true
  scrivlet_libjpeg
  scrivlet_scintilla
  cmake -S "$SCRIVLET_ROOT" -B "$SCRIVLET_BUILD/win" -DCMAKE_BUILD_TYPE=Release -DSCINTILLA_DIR="$SCRIVLET_SCINTILLA" \
    -DCMAKE_TOOLCHAIN_FILE="$SCRIVLET_ROOT/cmake/mingw-w64-posix.cmake" \
    -DJPEG_INCLUDE_DIR="$SCRIVLET_JPEG/mingw/include" -DJPEG_LIBRARY="$SCRIVLET_JPEG/mingw/lib/libjpeg.a" "$@" >/dev/null
  cmake --build "$SCRIVLET_BUILD/win" --target "$target" -j"$(nproc)" -- --no-print-directory >/dev/null
}

# The fuzz targets of every parser of outside input, natively with clang's sanitizers.
scrivlet_build_fuzz() {
  cmake -S "$SCRIVLET_ROOT/fuzz" -B "$SCRIVLET_BUILD/fuzz" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
    -DSCRIVLET_JPEG_DIR="$SCRIVLET_JPEG/fuzz" >/dev/null
  cmake --build "$SCRIVLET_BUILD/fuzz" -j"$(nproc)" -- --no-print-directory >/dev/null
}

# Wine's prefix and HOME live in the build tree, so nothing outside it is touched
# (desktop, documents and the recycle bin included). An optional name gives a prefix of
# its own: the tests and the benchmarks keep their settings out of the one ./run uses.
scrivlet_wine_env() {
  export WINEPREFIX="$SCRIVLET_BUILD/${1:-wineprefix}"
  export HOME="$SCRIVLET_BUILD/home"
  export WINEDEBUG=-all
  export WINEARCH=win64
  # No Mono or Gecko installer dialogs while the prefix is made.
  export WINEDLLOVERRIDES="mscoree=;mshtml="
  mkdir -p "$HOME"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wine cmd /c exit >/dev/null 2>&1 || true
    wineserver -w 2>/dev/null || true
    # The user's shell folders are links into $HOME; make them real folders.
    local d
    for d in "$WINEPREFIX"/drive_c/users/*/*; do
      if [ -L "$d" ]; then rm -f "$d"; mkdir -p "$d"; fi
    done
  fi
  if [ ! -f "$WINEPREFIX/.scrivlet-prefix-settings" ]; then
    # There is no window manager: Wine draws the frames itself, as Windows does,
    # and never waits for a manager that will not answer when a window is hidden.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 || true
    # A crash ends the process at once instead of waiting on the debugger's dialog.
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1 || true
    wineserver -w 2>/dev/null || true
    touch "$WINEPREFIX/.scrivlet-prefix-settings"
  fi
}

SCRIVLET_XVFB_PID=
# Starts a private X server on a free display unless one is given.
scrivlet_start_display() {
  local n=${1:-}
  if [ -z "$n" ]; then
    n=90
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  fi
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  SCRIVLET_XVFB_PID=$!
  export DISPLAY=":$n"
  local i
  for i in $(seq 1 100); do
    [ -e "/tmp/.X11-unix/X$n" ] && return 0
    sleep 0.05
  done
  scrivlet_say "Xvfb did not start on :$n"
  return 1
}

scrivlet_stop_display() {
  if [ -n "$SCRIVLET_XVFB_PID" ]; then
    kill "$SCRIVLET_XVFB_PID" 2>/dev/null || true
    wait "$SCRIVLET_XVFB_PID" 2>/dev/null || true
    SCRIVLET_XVFB_PID=
  fi
}

# A persistent wineserver, warmed up outside CTest: CTest otherwise hangs on
# the first Wine process or waits for Wine's services on every test.
scrivlet_start_wineserver() {
  wineserver -p 2>/dev/null || true
  wine cmd /c exit >/dev/null 2>&1 || true
}

scrivlet_stop_wineserver() {
  wineserver -k 2>/dev/null || true
}
