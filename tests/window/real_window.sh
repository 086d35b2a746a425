#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real window on a display of its own (Xvfb) and a session bus of its own, as a desktop
# sees it:
#   - its X11 class is the StartupWMClass of the desktop entry, so that docks match the two;
#   - a screen reader reaches both results over AT-SPI, each labelled by its caption, and
#     reads their values (atspi_results.py);
#   - no image plugin is loaded: the icon is compiled in.
# Arguments: the ridi program, the desktop entry, atspi_results.py.
set -u
if [ -z "${RIDI_OWN_SESSION:-}" ]; then
    exec env RIDI_OWN_SESSION=1 dbus-run-session -- bash "$0" "$@"
fi
ridi=$1 desktop_file=$2 atspi_check=$3
failures=0
fail() {
    echo "FAIL $*"
    failures=$((failures + 1))
}

work=$(mktemp -d)
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display number itself and writes it when it is ready.
Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || { cat "$work/xvfb.log"; echo "FAIL Xvfb did not start"; exit 1; }
export DISPLAY=:$(cat "$work/display")
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_DEBUG_PLUGINS=1
export XDG_RUNTIME_DIR=$work

"$ridi" 2>"$work/ridi.log" &
pids+=($!)
# xprop finds the window as soon as it exists, and answers "not found" until its class is set:
# the wait ends on the class itself.
wm_class=
for _ in $(seq 200); do
    wm_class=$(xprop -name RI-DI WM_CLASS 2>/dev/null) && [[ $wm_class == 'WM_CLASS(STRING) = '* ]] &&
        break
    sleep 0.1
done
if [[ $wm_class != 'WM_CLASS(STRING) = '* ]]; then
    cat "$work/ridi.log"
    echo "FAIL the window RI-DI did not appear with an X11 class within 20 s (xprop: $wm_class)"
    exit 1
fi

# WM_CLASS(STRING) = "instance", "class"
class=$(sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\([^"]*\)"$/\1/p' <<<"$wm_class")
startup=$(sed -n 's/^StartupWMClass=//p' "$desktop_file")
[ -n "$class" ] && [ "$class" = "$startup" ] ||
    fail "the window's X11 class \"$class\" ($wm_class) is not the StartupWMClass \"$startup\" of $desktop_file"

/usr/bin/python3 "$atspi_check" || fail "the results over AT-SPI (above)"

plugins=$(grep -o '[^"]*/imageformats/[^"]*" loaded library' "$work/ridi.log")
[ -z "$plugins" ] || fail "image plugins loaded: $plugins"

[ "$failures" -eq 0 ] && echo "real_window: all passed"
exit "$((failures > 0))"
