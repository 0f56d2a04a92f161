# Shared by play.sh and test.sh: installs what is missing, builds, and runs Wine on a
# display of its own. Everything lives below build/ (the Wine prefix too), and at the end
# exactly the processes started here are stopped.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# SCHAFKOPF_BUILD puts a whole build (and its Wine prefix) elsewhere, e.g. one per developer.
BUILD="${SCHAFKOPF_BUILD:-$ROOT/build}"
WIN_BUILD="$BUILD/win32"
NATIVE_BUILD="$BUILD/native"
JOBS=${JOBS:-$(nproc 2>/dev/null || echo 2)}

PACKAGES=(g++ g++-mingw-w64-i686 binutils-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
          wine wine32:i386 wine64 xvfb googletest cmake make
          fonts-liberation librsvg2-bin kdegames-card-data-kf5 imagemagick x11-utils python3)

log() { printf '== %s\n' "$*"; }

package_installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

ensure_packages() {
    local missing=() p
    for p in "${PACKAGES[@]}"; do
        package_installed "$p" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    log "installing: ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages (${missing[*]}): run this script as root once." >&2
        exit 2
    fi
    dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# The program is a 32-bit Windows program. Some kernels run no 32-bit code at all (Wine's
# 32-bit loader fails with "Exec format error"); there the same sources are also built as a
# 64-bit Windows program, which 64-bit Wine runs, and that build is the one run.
choose_run_build() {
    if /usr/lib/wine/wine --version >/dev/null 2>&1; then
        RUN_ARCH=i686
        RUN_BUILD="$WIN_BUILD"
        WINE_LOADER=wine
    else
        RUN_ARCH=x86_64
        RUN_BUILD="$BUILD/win64"
        WINE_LOADER=/usr/lib/wine/wine64
        log "this machine runs no 32-bit programs: running the 64-bit build of the same sources"
    fi
}

# build_windows ARCH BUILD_DIR [cmake --build arguments]
build_windows() {
    local arch=$1 dir=$2
    shift 2
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake -S "$ROOT" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/$arch-w64-mingw32.cmake" >/dev/null
    fi
    cmake --build "$dir" -j "$JOBS" "$@"
}

build_native() {
    if [ ! -f "$NATIVE_BUILD/CMakeCache.txt" ]; then
        cmake -S "$ROOT" -B "$NATIVE_BUILD" -DSCHAFKOPF_SANITIZE=ON >/dev/null
    fi
    cmake --build "$NATIVE_BUILD" -j "$JOBS"
}

STARTED_PIDS=()
WINE_STARTED=0

cleanup() {
    local pid
    if [ "$WINE_STARTED" -eq 1 ]; then
        wineserver -k >/dev/null 2>&1 || true
    fi
    for pid in "${STARTED_PIDS[@]}"; do
        kill "$pid" >/dev/null 2>&1 || true
        wait "$pid" 2>/dev/null || true
    done
}

# A display of our own: the first free number from 90 on.
start_display() {
    local n
    for n in $(seq 90 199); do
        if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
            Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
            STARTED_PIDS+=($!)
            export DISPLAY=":$n"
            for _ in $(seq 1 50); do
                [ -e "/tmp/.X11-unix/X$n" ] && kill -0 "$!" 2>/dev/null && return 0
                kill -0 "$!" 2>/dev/null || break  # taken meanwhile: try the next number
                sleep 0.1
            done
        fi
    done
    echo "no free display number" >&2
    return 1
}

# Wine with its own prefix and home below build/, quiet, without the Mono and Gecko offers;
# the server and its services are warmed up with their output away from the caller's pipes.
start_wine() {
    export WINEPREFIX="$BUILD/wineprefix-$RUN_ARCH"
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    export HOME="$BUILD/home"
    mkdir -p "$HOME"
    # Sound goes to ALSA's null device: playback works and lasts as long as the sample.
    [ -f "$HOME/.asoundrc" ] || printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$HOME/.asoundrc"
    WINE_STARTED=1
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        log "creating the Wine prefix"
        "$WINE_LOADER" wineboot -i </dev/null >/dev/null 2>&1 || true
        wineserver -w >/dev/null 2>&1 || true
        # Metric-compatible faces for the two fonts the program draws with.
        "$WINE_LOADER" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /t REG_SZ /d 'Liberation Sans' /f </dev/null >/dev/null 2>&1
        "$WINE_LOADER" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Courier New' /t REG_SZ /d 'Liberation Mono' /f </dev/null >/dev/null 2>&1
        wineserver -k >/dev/null 2>&1 || true
        wineserver -w >/dev/null 2>&1 || true
    fi
    wineserver -p </dev/null >/dev/null 2>&1 &
    "$WINE_LOADER" cmd /c exit </dev/null >/dev/null 2>&1 || true
}
