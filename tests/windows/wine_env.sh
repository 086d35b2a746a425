# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Wine set-up shared by the Windows tests. Sourced, not run:
#
#   source tests/windows/wine_env.sh PREFIX   # this shell's Wine runs in the prefix PREFIX
#   ridi_wine_prefix                          # makes the prefix, once (10-15 s)
#   ridi_wine_start                           # a lasting wineserver and Wine's services
#   ridi_wine PROGRAM.exe ARGS...             # every Wine call is bounded in time
#   ridi_wine_stop                            # ends the server and every Wine process
#
# Wine's services and its wineserver outlive the program that started them and inherit its
# standard streams; started from a test they would hold the test runner's pipes open, so
# ridi_wine_start starts them with every stream closed, before the tests, and they last until
# ridi_wine_stop. A program that crashes ends with its status, without winedbg's dialog.
# Wine is asked not to put menu entries for what an installer adds into the desktop's menus.

# ridi_wine_env PREFIX: the environment of every Wine call in this shell.
ridi_wine_env() {
    WINEPREFIX=$(realpath -m -- "$1")
    export WINEPREFIX
    export WINEARCH=win64
    export WINEDEBUG=-all
    # No .NET nor Gecko install prompts, and no menu entries in ~/.local for shortcuts.
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    # Arguments and file names go between Linux and Windows as UTF-8.
    export LC_ALL=C.UTF-8
    # Seconds any one Wine call may take before it is ended.
    : "${RIDI_WINE_TIMEOUT:=300}"
}

# ridi_wine PROGRAM ARGS...: runs a Windows program, ending it after RIDI_WINE_TIMEOUT seconds.
ridi_wine() {
    timeout --kill-after=10 "$RIDI_WINE_TIMEOUT" wine "$@"
}

# Runs a command with every standard stream closed to the caller: to /dev/null.
ridi_wine_quiet() {
    "$@" </dev/null >/dev/null 2>&1
}

# ridi_wine_prefix: makes the prefix when it is not there yet. Several tests may ask at once;
# one makes it while the others wait.
ridi_wine_prefix() {
    local ready="$WINEPREFIX/.ridi-ready"
    [ -e "$ready" ] && return 0
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        [ -e "$ready" ] && exit 0
        rm -rf "$WINEPREFIX"
        ridi_wine_quiet timeout --kill-after=10 120 wineboot --init || {
            echo "wine_env: could not make the Wine prefix $WINEPREFIX" >&2
            exit 1
        }
        # A crash ends the program; winedbg shows no dialog that would wait for a click.
        ridi_wine_quiet ridi_wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog \
            /t REG_DWORD /d 0 /f || {
            echo "wine_env: could not turn off the crash dialog in $WINEPREFIX" >&2
            exit 1
        }
        # The server that made the prefix ends a few seconds after its last program, having
        # saved the registry; ridi_wine_start then starts one that lasts.
        ridi_wine_quiet timeout 60 wineserver --wait
        touch "$ready"
    ) 9>"$WINEPREFIX.lock"
}

# ridi_wine_start: makes the prefix if needed, then starts a wineserver that lasts until
# ridi_wine_stop, and Wine's services, all with their streams closed.
ridi_wine_start() {
    ridi_wine_prefix || return 1
    # Exits at once, with status 2, when this prefix's server is already running.
    ridi_wine_quiet timeout 30 wineserver --persistent
    ridi_wine_quiet ridi_wine wineboot || {
        echo "wine_env: wineboot failed in $WINEPREFIX" >&2
        return 1
    }
}

# ridi_wine_stop: ends the server of the prefix and every Wine process in it.
ridi_wine_stop() {
    ridi_wine_quiet timeout 30 wineserver --kill || true
}

ridi_wine_env "${1:?usage: source wine_env.sh PREFIX}"
