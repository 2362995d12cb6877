#!/usr/bin/env bash
# End-to-end test of the Teilerwerk window on Wayland: runs the program natively on a headless
# Weston of its own, with no X display, and uses it over AT-SPI alone, as a screen reader's user
# would: the input box is set through its editable text, "berechnen" is pressed through its action
# and the result box is read back. The program must print no warning.
#
# Usage: wayland_end_to_end_test.sh PATH_TO_TEILERWERK
#
# Needs: weston, qt6-wayland, dbus, at-spi2-core, python3-pyatspi.
set -euo pipefail

if (( $# != 1 )); then
    echo "usage: $0 PATH_TO_TEILERWERK" >&2
    exit 2
fi
here=$(cd -- "$(dirname -- "$0")" && pwd)
source "$here/private_session.sh"
require_program "$1"
enter_private_session 50 "$0" "$@"
begin_session

program=$(realpath -m -- "$1")

unset DISPLAY
export WAYLAND_DISPLAY=teilerwerk-wayland
start_logged weston weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0
weston_pid=$last_pid
for (( i = 0; i < 100; i++ )); do
    [[ -S $XDG_RUNTIME_DIR/$WAYLAND_DISPLAY ]] && break
    if ! kill -0 "$weston_pid" 2>/dev/null; then
        echo "FAIL: weston exited at start" >&2
        exit 1
    fi
    sleep 0.1
done
if [[ ! -S $XDG_RUNTIME_DIR/$WAYLAND_DISPLAY ]]; then
    echo "FAIL: weston opened no Wayland socket within 10 s" >&2
    exit 1
fi

start_accessibility_bus
QT_QPA_PLATFORM=wayland start_logged program "$program"
program_pid=$last_pid

"$python" "$here/drive_over_atspi.py" \
    600 ' 2^ 3 *  3^ 1 *  5^ 2' \
    41 'dies ist eine Primzahl' \
    2.5 'Eingabe unzulässig'

if ! kill -0 "$program_pid" 2>/dev/null; then
    echo "FAIL: $program ended on its own" >&2
    exit 1
fi
if [[ -s $work/program.log ]]; then
    echo "FAIL: the program printed warnings:" >&2
    cat "$work/program.log" >&2
    exit 1
fi
echo "PASS: the program printed nothing"
