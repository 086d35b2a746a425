#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the window driver against ridi.exe under Wine, in an X server of its own (Xvfb), with the
# Wine prefix PREFIX set to DPI dots per inch. With SHOT_DIR, the driver's screenshots are left
# there as PNG files.
#   run.sh DRIVER_EXE RIDI_EXE DPI PREFIX [SHOT_DIR]
set -euo pipefail
driver=$1 ridi=$2 dpi=$3 prefix=$(realpath -m "$4") shots=${5:+$(realpath -m "$5")}

source "$(dirname "${BASH_SOURCE[0]}")/../windows/wine_env.sh" "$prefix"
work=$(mktemp -d)
xvfb_pid=
cleanup() {
    # Wine's server and services end with the prefix's server; then the X server.
    ridi_wine_stop
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# An X server on the first free display, which it names on fd 3.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || { echo "run.sh: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"

# The prefix with this run's settings, which take effect in the server started after them.
ridi_wine_prefix
reg() { ridi_wine_quiet ridi_wine reg add "$@" /f; }
# The screen's DPI: Wine reads the user's setting, then the machine's.
reg 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi"
reg 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' /v LogPixels /t REG_DWORD /d "$dpi"
# Without a window manager Wine draws the title bar itself, as Windows does.
reg 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N
ridi_wine_stop
ridi_wine_start

shot_dir=
if [ -n "$shots" ]; then
    mkdir -p "$shots"
    shot_dir=$(winepath -w "$shots" 2>/dev/null)
fi
status=0
RIDI_WINE_TIMEOUT=300 ridi_wine "$driver" "$(winepath -w "$ridi" 2>/dev/null)" "$dpi" ${shot_dir:+"$shot_dir"} \
    </dev/null 2>"$work/stderr" | tr -d '\r' || status=$?
if [ "$status" -ne 0 ]; then
    echo "run.sh: the driver ended with status $status" >&2
    grep -v '^it looks like wine32\|^multiarch\|^execute "dpkg\|^apt-get install wine32\|^$' "$work/stderr" >&2 || true
fi
if [ -n "$shots" ]; then
    for bmp in "$shots"/*.bmp; do
        [ -e "$bmp" ] || continue
        bmptopnm "$bmp" 2>/dev/null | pnmtopng >"${bmp%.bmp}.png" && rm -f "$bmp"
    done
fi
exit "$status"
