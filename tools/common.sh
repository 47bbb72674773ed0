# Shared by tools/build, tools/test and tools/run: packages, Wine prefix, X display with its window
# manager, and PDF printer.
# Source it; every function is idempotent and installs or starts only what is missing.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver

BUILD_PACKAGES="cmake ninja-build g++ googletest libgtest-dev g++-mingw-w64-x86-64-posix mingw-w64-tools
binutils-mingw-w64-x86-64"
# wine64-preloader reserves the addresses Windows programs expect before anything else maps there;
# without it, now and then the C heap of Wine's loader lies where Wine needs its shared user data, and
# the program never starts ("failed to map the shared user data", status 1, silent under WINEDEBUG=-all).
RUN_PACKAGES="wine64 wine64-preloader libcups2 libgnutls30 libdbus-1-3 libxrender1 libxrandr2 libxi6 libxcursor1
libxcomposite1 libxinerama1 libxfixes3 libxxf86vm1 fonts-liberation fonts-wine xvfb xauth xdotool imagemagick"
TEST_PACKAGES="cups cups-client printer-driver-cups-pdf poppler-utils locales openbox x11-utils python3-jsonschema"
# One major version of clang-format, so that two machines agree on the format.
FORMAT_PACKAGES="clang-format-14"
CLANG_FORMAT=clang-format-14

say() { printf '%s\n' "== $*" >&2; }

ensure_packages() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    say "installing ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# Wine never touches the user's own prefix: each job gets a private one under build/.
use_wine_prefix() {
    export WINEPREFIX="$ROOT/build/$1"
    export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8
}

display_answers() { [ -n "${DISPLAY:-}" ] && xdotool getdisplaygeometry >/dev/null 2>&1; }

# The display must be known before the first Wine command: the wineserver binds it when it starts.
XVFB_PID=""
ensure_display() {
    display_answers && return 0
    local n
    for n in $(seq 91 140); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
        XVFB_PID=$!
        export DISPLAY=":$n"
        local tries
        # A server that ended lost the number to another run starting at the same moment: that display
        # answers, but it is not ours to use.
        for tries in $(seq 1 100); do
            kill -0 "$XVFB_PID" 2>/dev/null || break
            display_answers && return 0
            sleep 0.1
        done
        kill "$XVFB_PID" 2>/dev/null
        XVFB_PID=""
    done
    say "no X display could be started"
    return 1
}

# The end-to-end tests see Plux as users run it, under a window manager: dialogs get their title bars,
# a maximised window fills the screen, and a closing window need not wait for a manager that is not
# there. openbox is light and starts in a moment; one that runs already on the display is kept.
# grep reads to the end: with -q it could stop early and, under pipefail, fail by obxprop's SIGPIPE.
window_manager_runs() { obxprop --root 2>/dev/null | grep '^_NET_SUPPORTING_WM_CHECK' >/dev/null; }

WM_PID=""
ensure_window_manager() {
    window_manager_runs && return 0
    local attempt tries
    mkdir -p "$ROOT/build"
    # A loaded machine can take a while; a manager that ended at once is started again.
    for attempt in 1 2 3; do
        openbox --sm-disable </dev/null >/dev/null 2>"$ROOT/build/openbox.log" &
        WM_PID=$!
        for tries in $(seq 1 300); do
            window_manager_runs && return 0
            kill -0 "$WM_PID" 2>/dev/null || break
            sleep 0.1
        done
        kill "$WM_PID" 2>/dev/null
        WM_PID=""
    done
    say "the window manager did not start on $DISPLAY: $(tail -n 3 "$ROOT/build/openbox.log" 2>/dev/null)"
    return 1
}

stop_window_manager() { [ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null || true; }

ensure_printer() {
    if ! lpstat -r 2>/dev/null | grep -q 'scheduler is running'; then
        say "starting the print scheduler"
        cupsd </dev/null >/dev/null 2>&1 || true
        local tries
        for tries in $(seq 1 100); do
            lpstat -r 2>/dev/null | grep -q 'scheduler is running' && break
            sleep 0.1
        done
    fi
    # The PPD file itself: a driver name is looked up by the driver daemon, which a fresh scheduler may
    # not answer in time.
    if ! lpstat -p PDF >/dev/null 2>&1; then
        lpadmin -p PDF -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd
    fi
    lpstat -d 2>/dev/null | grep -q 'destination: PDF$' || lpadmin -d PDF
    if ! lpstat -p PDF >/dev/null 2>&1 || ! lpstat -d 2>/dev/null | grep -q 'destination: PDF$'; then
        say "the PDF printer is missing or not the default: $(lpstat -p -d 2>&1 | tr '\n' ' ')"
        return 1
    fi
}

# Creates the prefix once, then keeps one persistent wineserver with its services started outside any
# pipe of ours (a service first started by a test would hold ctest's output open).
start_wine() {
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        say "creating the Wine prefix $WINEPREFIX"
        mkdir -p "$WINEPREFIX"
        $WINE wineboot -i </dev/null >/dev/null 2>&1
        $WINESERVER -w
    fi
    $WINESERVER -p </dev/null >/dev/null 2>&1 &
    $WINE wineboot </dev/null >/dev/null 2>&1
}

stop_wine() { [ -n "${WINEPREFIX:-}" ] && $WINESERVER -k >/dev/null 2>&1 || true; }

stop_display() { [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true; }

build_preset() {
    cmake --preset "$1" >/dev/null && cmake --build --preset "$1"
}
