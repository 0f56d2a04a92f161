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
          fonts-liberation librsvg2-bin kdegames-card-data-kf5 imagemagick x11-utils python3 xdotool
          espeak-ng sox pulseaudio)

log() { printf '== %s\n' "$*"; }

package_installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

missing_packages() {
    local p
    for p in "$@"; do
        package_installed "$p" || printf '%s\n' "$p"
    done
}

# install_packages PACKAGE...: installs those of them that are missing (as root).
install_packages() {
    local missing
    mapfile -t missing < <(missing_packages "$@")
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

ensure_packages() {
    install_packages "${PACKAGES[@]}"
}

# Runs a tiny i686 Windows program (tools/wine_probe.c, answering 42) under Wine, in a
# prefix of its own so that the prefixes of the test runs are set up only by start_wine.
# Prints what Wine said and answers the program's exit code.
run_wine_probe() {
    local dir="$BUILD/wine-probe"
    mkdir -p "$dir"
    if [ ! -f "$dir/probe.exe" ] || [ "$ROOT/tools/wine_probe.c" -nt "$dir/probe.exe" ]; then
        i686-w64-mingw32-gcc-posix -O2 -s -o "$dir/probe.exe" "$ROOT/tools/wine_probe.c" || return 1
    fi
    local status=0
    WINEPREFIX="$dir/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" HOME="$dir" \
        timeout 300 wine "$dir/probe.exe" </dev/null 2>&1 || status=$?
    WINEPREFIX="$dir/prefix" wineserver -k >/dev/null 2>&1 || true
    return $status
}

# The program is a 32-bit Windows program. Some kernels run no 32-bit code at all: Wine's
# 32-bit loader then fails with "Exec format error". Only there the same sources are also
# built as a 64-bit Windows program, which 64-bit Wine runs, and that build is the one run.
# Any other failure of the probe stops the script: it is no reason to leave the product.
choose_run_build() {
    # Without the 32-bit Wine the probe would fail for a reason that is easily mended.
    install_packages wine32:i386
    local seen status=0
    seen=$(run_wine_probe) || status=$?
    if [ $status -eq 42 ]; then
        RUN_ARCH=i686
        RUN_BUILD="$WIN_BUILD"
        WINE_LOADER=wine
    elif grep -q 'Exec format error' <<<"$seen"; then
        RUN_ARCH=x86_64
        RUN_BUILD="$BUILD/win64"
        WINE_LOADER=/usr/lib/wine/wine64
        log "this machine runs no 32-bit programs: running the 64-bit build of the same sources"
        log "(the 32-bit Wine said: $(grep -m1 'Exec format error' <<<"$seen"))"
    else
        echo "A 32-bit test program did not run under Wine (exit code $status):" >&2
        printf '%s\n' "$seen" >&2
        exit 2
    fi
}

# A build folder is configured whenever it holds no generated build files: a configure that
# failed or was interrupted leaves a cache but no Makefile, and would break every later
# build. Its leftovers are cleared so that values from the broken run do not stick.
# configure_build DIR [cmake arguments]
configure_build() {
    local dir=$1
    shift
    if [ -f "$dir/CMakeFiles/Makefile.cmake" ] || [ -f "$dir/build.ninja" ]; then
        return 0
    fi
    rm -rf "$dir/CMakeCache.txt" "$dir/CMakeFiles"
    cmake -S "$ROOT" -B "$dir" "$@" >/dev/null
}

# build_windows ARCH BUILD_DIR [cmake --build arguments]
build_windows() {
    local arch=$1 dir=$2
    shift 2
    configure_build "$dir" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/$arch-w64-mingw32.cmake" || return 1
    cmake --build "$dir" -j "$JOBS" "$@"
}

build_native() {
    configure_build "$NATIVE_BUILD" -DSCHAFKOPF_SANITIZE=ON || return 1
    cmake --build "$NATIVE_BUILD" -j "$JOBS"
}

STARTED_PIDS=()
WINE_STARTED=0
SOUND_DIR=""

cleanup() {
    local pid
    if [ "$WINE_STARTED" -eq 1 ]; then
        wineserver -k >/dev/null 2>&1 || true
    fi
    for pid in "${STARTED_PIDS[@]}"; do
        kill "$pid" >/dev/null 2>&1 || true
        wait "$pid" 2>/dev/null || true
    done
    [ -n "$SOUND_DIR" ] && rm -rf "$SOUND_DIR"
    return 0
}

# A display of our own: the first free number from 90 on; the argument is its size (1024x768
# unless given).
start_display() {
    local n geometry=${1:-1024x768}
    for n in $(seq 90 199); do
        if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
            Xvfb ":$n" -screen 0 "${geometry}x24" -nolisten tcp >/dev/null 2>&1 &
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

# A sound server of our own whose only output is a null sink: it plays nothing aloud but takes
# the samples at the pace of a real sound card, so a sound lasts as long as its samples (ALSA's
# null device, the fallback, swallows them as fast as they come). Wine's audio driver for
# PulseAudio finds it through PULSE_SERVER. The socket lies in a short folder of its own
# (a socket path has at most 107 bytes). Without it the sound tests that need the real pace
# skip.
start_sound_output() {
    command -v pulseaudio >/dev/null || { log "no pulseaudio: sounds play without their pace"; return 0; }
    SOUND_DIR=$(mktemp -d /tmp/schafkopf-sound.XXXXXX) || return 0
    HOME="$HOME" XDG_RUNTIME_DIR="$SOUND_DIR" PULSE_RUNTIME_PATH="$SOUND_DIR" \
        pulseaudio -n --daemonize=no --system=no --use-pid-file=no --exit-idle-time=-1 \
        --log-target=stderr \
        -L "module-native-protocol-unix socket=$SOUND_DIR/native auth-anonymous=1" \
        -L "module-null-sink sink_name=quiet" </dev/null >/dev/null 2>&1 &
    STARTED_PIDS+=($!)
    for _ in $(seq 1 50); do
        if [ -S "$SOUND_DIR/native" ]; then
            export PULSE_SERVER="unix:$SOUND_DIR/native"
            return 0
        fi
        kill -0 "$!" 2>/dev/null || break
        sleep 0.1
    done
    log "the sound server did not start: sounds play without their pace"
    return 0
}

# Wine with its own prefix and home below build/, quiet, without the Mono and Gecko offers;
# the server and its services are warmed up with their output away from the caller's pipes.
start_wine() {
    export WINEPREFIX="$BUILD/wineprefix-$RUN_ARCH"
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    export HOME="$BUILD/home"
    mkdir -p "$HOME"
    # Without the sound server Wine's sound goes to ALSA's null device: playback works, but
    # faster than the samples last.
    [ -f "$HOME/.asoundrc" ] || printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$HOME/.asoundrc"
    start_sound_output
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
