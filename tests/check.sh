# SPDX-FileCopyrightText: 2026 RI-DI developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the test scripts: counts failures and says the result. Sourced.
set -u
failures=0

fail() {
    printf 'FAIL %s\n' "$*"
    failures=$((failures + 1))
}

check_equal() { # what expected actual
    if [ "$2" != "$3" ]; then
        printf 'FAIL %s\n  expected: %q\n  actual:   %q\n' "$1" "$2" "$3"
        failures=$((failures + 1))
    fi
}

finish() {
    [ "$failures" -eq 0 ] && echo "$(basename "$0" .sh): all passed"
    exit "$((failures > 0))"
}
