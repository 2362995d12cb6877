#!/usr/bin/env bash
# Checks manual pages as lintian does: man renders each without a warning, and lexgrog finds its
# name and summary.
# Usage: manual_page_test.sh PAGE...
set -euo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }

for page in "$@"; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man warns about $page: $warnings"
    lexgrog "$page" || fail "lexgrog finds no name line in $page"
done
echo "PASS: $# manual pages render without a warning and name themselves"
