#!/usr/bin/env bash
# End-to-end test of the Teilerwerk window: runs the program on an X server of its own, types
# and clicks with real X input, and reads the result field back over AT-SPI as a screen reader
# would.
#
# Usage: end_to_end_test.sh PATH_TO_TEILERWERK SCREENSHOT_OUTPUT.png
#
# Needs: xvfb, xdotool, dbus, at-spi2-core, python3-pyatspi, imagemagick.
set -euo pipefail

if (( $# != 2 )); then
    echo "usage: $0 PATH_TO_TEILERWERK SCREENSHOT_OUTPUT.png" >&2
    exit 2
fi

here=$(cd -- "$(dirname -- "$0")" && pwd)
source "$here/private_session.sh"
require_program "$1"
enter_private_session 50 "$0" "$@"
begin_session

program=$(realpath -m -- "$1")
screenshot=$(realpath -m -- "$2")

# Xvfb picks a free display itself and writes its number once it accepts clients.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=("$!")
if ! read -r -t 10 display_number <"$work/display"; then
    echo "FAIL: Xvfb did not start" >&2
    exit 1
fi

export DISPLAY=":$display_number"
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

start_accessibility_bus
start_logged program "$program"
program_pid=$last_pid

# Polled rather than xdotool search --sync, so that a program that dies is noticed at once.
window=
for (( i = 0; i < 100; i++ )); do
    if ! kill -0 "$program_pid" 2>/dev/null; then
        echo "FAIL: $program exited before showing its window" >&2
        exit 1
    fi
    window=$(timeout 5 xdotool search --onlyvisible --name '^Teilerwerk$' 2>/dev/null | head -n 1) \
        || true
    [[ -n $window ]] && break
    sleep 0.1
done
if [[ -z $window ]]; then
    echo "FAIL: no window titled Teilerwerk within 10 s" >&2
    exit 1
fi
if ! timeout 5 xdotool windowfocus --sync "$window"; then
    echo "FAIL: could not give the window the keyboard focus" >&2
    exit 1
fi

failures=0
actual=

# Sets $actual to the result field's text; the x keeps trailing newlines that $( ) would drop.
read_result() {
    if actual=$(timeout 15 "$python" "$here/read_accessible_text.py" Ergebnis 2>"$work/read.err" \
            && printf x); then
        actual=${actual%x}
    else
        actual="<unreadable: $(tr '\n' ' ' <"$work/read.err")>"
        return 1
    fi
}

shown() {
    local text=${1//$'\n'/\\n}
    printf '[%s]' "${text//$'\t'/\\t}"
}

report() {
    local name=$1 expected=$2
    if [[ $actual == "$expected" ]]; then
        echo "PASS: $name: expected $(shown "$expected"), got $(shown "$actual")"
    else
        echo "FAIL: $name: expected $(shown "$expected"), got $(shown "$actual")"
        printf '%s' "$actual" | od -An -c | head -n 8
        failures=$(( failures + 1 ))
    fi
}

# The click is handled asynchronously, so give the field a few seconds to show the result.
expect_result() {
    local name=$1 expected=$2 deadline=$(( SECONDS + 5 ))
    while read_result && [[ $actual != "$expected" ]] && (( SECONDS < deadline )); do
        sleep 0.1
    done
    report "$name" "$expected"
}

enter_input() {
    # Text1 keeps the focus throughout: clicking Label2 does not take it.
    xdotool key ctrl+a BackSpace
    xdotool type -- "$1"
}

click_calculate() {
    # Centre of Label2 (456,8 89x25) in window coordinates.
    xdotool mousemove --window "$window" 500 20 click 1
}

# The program centres its window on the 1024x768 screen, to the pixel, at its own size.
eval "$(xdotool getwindowgeometry --shell "$window")"
off_centre=$(( (2 * X + WIDTH - 1024) / 2 )),$(( (2 * Y + HEIGHT - 768) / 2 ))
actual="${WIDTH}x$HEIGHT, $off_centre px off centre"
report "window centred" "550x103, 0,0 px off centre"

expect_result "start" $'Ergebnis\n'

enter_input 41
click_calculate
expect_result "41" 'dies ist eine Primzahl'

enter_input 2.5
read_result || true
before=$actual
xdotool key Return
# Nothing to wait for if Enter is ignored; this is ample for the key to reach the program.
sleep 0.5
read_result || true
report "Enter in Text1 leaves Text2 unchanged" "$before"
click_calculate
expect_result "2.5" 'Eingabe unzulässig'

# Last, so that the screenshot shows a factorisation.
enter_input 600
click_calculate
expect_result "600" ' 2^ 3 *  3^ 1 *  5^ 2'

mkdir -p -- "$(dirname -- "$screenshot")"
if timeout 10 import -window "$window" "$screenshot" 2>"$work/import.log"; then
    echo "screenshot: $screenshot"
else
    echo "FAIL: no screenshot written to $screenshot"
    failures=$(( failures + 1 ))
fi

if (( failures > 0 )); then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all checks passed"
