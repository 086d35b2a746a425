#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The installer under Wine, in a Wine prefix of its own, made afresh: for the current user and
# then for all users, it installs silently (/S); the shipped files are in the install folder;
# ridi-calc.exe runs from there, and so does ridi.exe, whose window appears and closes (when a
# display is there); the Start-menu entry "RI-DI" leads to the window; Apps & features lists
# RI-DI with its version, publisher, icon and uninstall commands. The quiet uninstall command
# then leaves nothing behind: no file (Windows' temporary folder aside), no Start-menu entry,
# no registry key.
#   usage: installer.sh PREFIX INSTALLER.exe STAGE VERSION WINDOW_PROBE.exe SHIPPED_FILE...
source "$(dirname "${BASH_SOURCE[0]}")/../check.sh"
source "$(dirname "${BASH_SOURCE[0]}")/wine_env.sh" "$1"
installer=$2
stage=$3
version=$4
probe=$5
shift 5
shipped=("$@")
window=false
[[ " ${shipped[*]} " == *" ridi.exe "* ]] && window=true
key='Software\Microsoft\Windows\CurrentVersion\Uninstall\RI-DI'

# A fresh prefix, ended and removed when done.
ridi_wine_stop
rm -rf "$WINEPREFIX" "$WINEPREFIX.lock"
started=$SECONDS
ridi_wine_start || exit 1
echo "a fresh Wine prefix in $((SECONDS - started)) s"
clean_up() {
    ridi_wine_stop
    [ "$failures" -eq 0 ] && rm -rf "$WINEPREFIX" "$WINEPREFIX.lock"
}
trap clean_up EXIT

# What the prefix holds, past Windows' own files, the temporary folder (where an NSIS
# uninstaller leaves its copy for Windows to delete at the next start) and the user's folder
# for programs, which Windows makes when a program is first installed there, and keeps.
snapshot() {
    (cd "$WINEPREFIX/drive_c" &&
        find . -path ./windows -prune -o -path './users/*/Temp' -prune \
            -o -path './users/*/AppData/Local/Programs' -o -print | LC_ALL=C sort)
}
# The value of a registry value, or nothing.
registry_value() { # hive value
    ridi_wine reg query "$1\\$key" /v "$2" 2>/dev/null | tr -d '\r' |
        sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
# The folder Windows names so, for example the Start menu's programs.
shell_folder() { # hive name
    ridi_wine reg query "$1\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders" \
        /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_SZ *//p"
}
unix_path() {
    ridi_wine winepath -u "$1" 2>/dev/null | tr -d '\r'
}

before=$(snapshot)
for mode in CurrentUser AllUsers; do
    echo "== for $mode"
    if [ "$mode" = CurrentUser ]; then
        hive=HKCU other=HKLM options=(/S) programs=Programs
    else
        hive=HKLM other=HKCU options=(/S /AllUsers) programs='Common Programs'
    fi
    start_menu=$(unix_path "$(shell_folder "$hive" "$programs")")
    started=$SECONDS
    ridi_wine "$installer" "${options[@]}" >/dev/null 2>&1
    status=$?
    echo "installed in $((SECONDS - started)) s, status $status"
    check_equal "the installer's exit status" 0 "$status"

    folder=$(registry_value "$hive" InstallLocation)
    [ -n "$folder" ] || { fail "no InstallLocation under $hive\\$key"; continue; }
    echo "installed to $folder"
    if [ "$mode" = CurrentUser ]; then
        [[ "$folder" == 'C:\users\'*'\AppData\Local\Programs\RI-DI' ]] ||
            fail "a per-user install in $folder, not in the user's Programs folder"
    else
        check_equal "the all-users folder" 'C:\Program Files\RI-DI' "$folder"
    fi
    [ -z "$(registry_value "$other" DisplayName)" ] || fail "$mode also wrote under $other"
    check_equal DisplayName RI-DI "$(registry_value "$hive" DisplayName)"
    check_equal DisplayVersion "$version" "$(registry_value "$hive" DisplayVersion)"
    check_equal Publisher "RI-DI developers" "$(registry_value "$hive" Publisher)"
    icon=uninstall.exe
    $window && icon=ridi.exe
    check_equal DisplayIcon "$folder\\$icon,0" "$(registry_value "$hive" DisplayIcon)"
    check_equal UninstallString "\"$folder\\uninstall.exe\" /$mode" \
        "$(registry_value "$hive" UninstallString)"
    quiet=$(registry_value "$hive" QuietUninstallString)
    check_equal QuietUninstallString "\"$folder\\uninstall.exe\" /$mode /S" "$quiet"

    directory=$(unix_path "$folder")
    check_equal "the files installed" "$(printf '%s\n' "${shipped[@]}" uninstall.exe | LC_ALL=C sort)" \
        "$(ls "$directory" | LC_ALL=C sort)"
    for file in "${shipped[@]}"; do
        cmp -s "$stage/$file" "$directory/$file" || fail "$file is not the file shipped"
    done

    check_equal "ridi-calc.exe --version from the install folder" "ridi-calc $version" \
        "$(ridi_wine "$folder\\ridi-calc.exe" --version)"
    check_equal "ridi-calc.exe from the install folder" \
        $'RI-DI Length (Metres): 0.172\nV/F Corrected (Metres): 0.114' \
        "$(ridi_wine "$folder\\ridi-calc.exe" 435.850 1 RG-58)"

    if $window; then
        [ -f "$start_menu/RI-DI.lnk" ] || fail "no Start-menu entry $start_menu/RI-DI.lnk"
        grep -qaF 'ridi.exe' "$start_menu/RI-DI.lnk" || fail "the Start-menu entry does not lead to ridi.exe"
        if [ -n "${DISPLAY:-}" ]; then
            ridi_wine "$probe" "$folder\\ridi.exe" RI-DI || fail "ridi.exe from the install folder"
        else
            echo "no display: ridi.exe's window not opened"
        fi
    else
        [ ! -e "$start_menu/RI-DI.lnk" ] || fail "a Start-menu entry without the window"
        echo "no ridi.exe in this build: its checks skipped"
    fi

    # Apps & features' quiet uninstall. The uninstaller runs on from a copy of itself, so the
    # test waits for its work to be done.
    program=${quiet#\"}
    program=${program%%\"*}
    read -r -a arguments <<<"${quiet#\"*\" }"
    started=$SECONDS
    ridi_wine "$program" "${arguments[@]}" >/dev/null 2>&1 ||
        fail "the uninstaller's exit status: $?"
    for _ in $(seq 120); do
        [ ! -e "$directory" ] && [ -z "$(registry_value "$hive" DisplayName)" ] && break
        sleep 0.5
    done
    echo "uninstalled in $((SECONDS - started)) s"
    [ ! -e "$directory" ] || fail "the uninstaller left $folder"
    [ ! -e "$start_menu/RI-DI.lnk" ] || fail "the uninstaller left the Start-menu entry"
    ridi_wine reg query "$hive\\$key" >/dev/null 2>&1 && fail "the uninstaller left $hive\\$key"
    after=$(snapshot)
    [ "$before" = "$after" ] || fail "the uninstaller left files behind: $(diff <(echo "$before") <(echo "$after"))"
done

finish
