# Sourced by the end-to-end tests: a private D-Bus session with the accessibility bus, bounded in
# time, in which the real program runs. Every process started with start_logged is stopped at exit,
# newest first, and if the test fails their logs are shown. Sourcing only defines; a test calls
# enter_private_session and then begin_session.

# Stops the test unless PATH is the program to run: an executable file.
require_program() {
    if [[ ! -f $1 || ! -x $1 ]]; then
        echo "FAIL: $1 is not an executable file" >&2
        exit 1
    fi
}

# Re-runs the calling script inside a D-Bus session of its own, under a time limit; on time-out,
# timeout signals the whole run and waits for its clean-up. Returns in the re-run.
# Usage: enter_private_session SECONDS SCRIPT ARGS...
enter_private_session() {
    local seconds=$1
    shift
    if [[ -z ${TEILERWERK_E2E_SESSION-} ]]; then
        export TEILERWERK_E2E_SESSION=1
        exec dbus-run-session -- timeout --kill-after=5 "$seconds" "$BASH" "$@"
    fi
    unset TEILERWERK_E2E_SESSION
}

# The pyenv python3 first on PATH has no pyatspi.
python=/usr/bin/python3

# A work folder in $work, removed at exit, and a runtime environment of the test's own.
begin_session() {
    work=$(mktemp -d "${TMPDIR:-/tmp}/teilerwerk-e2e.XXXXXX")
    pids=()
    trap cleanup EXIT
    trap 'echo "FAIL: stopped by a signal (time limit of the run?)" >&2; exit 143' TERM INT HUP

    export LC_ALL=C.UTF-8
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    # Private runtime dir: the accessibility bus socket goes there, not into ~/.cache.
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    # The bus launcher reads GSettings; without dconf it would warn on every start.
    export GSETTINGS_BACKEND=memory
    unset AT_SPI_BUS_ADDRESS
}

stop() {
    local pid=$1 i
    kill "$pid" 2>/dev/null || return 0
    for (( i = 0; i < 30; i++ )); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

cleanup() {
    local status=$? i log
    for (( i = ${#pids[@]} - 1; i >= 0; i-- )); do
        stop "${pids[i]}"
    done
    if (( status != 0 )); then
        for log in "$work"/*.log; do
            [[ -s $log ]] || continue
            echo "---- $(basename "$log")" >&2
            tail -n 40 "$log" >&2
        done
    fi
    rm -rf -- "$work"
}
# Starts a command in the background with its output in $work/NAME.log; its pid is in $last_pid.
start_logged() {
    local name=$1
    shift
    "$@" >"$work/$name.log" 2>&1 &
    last_pid=$!
    pids+=("$last_pid")
}

# Qt connects to the accessibility bus only if org.a11y.Bus is already on the session bus when it
# starts (it does not activate it), so the launcher goes first and we wait for its name.
start_accessibility_bus() {
    local i
    start_logged at-spi /usr/libexec/at-spi-bus-launcher --launch-immediately
    for (( i = 0; i < 100; i++ )); do
        a11y_bus_up && return 0
        sleep 0.1
    done
    echo "FAIL: the AT-SPI bus did not come up" >&2
    exit 1
}

a11y_bus_up() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
}
