#!/usr/bin/env bash
# The desktop stage: a few tests of the program on a real X server, for what
# Qt's offscreen platform cannot show: the primary selection, the window
# manager's moves, a display that fails to open. An Xvfb of its own on a free
# display number, first bare and then with openbox, real input through
# xdotool; every wait is a poll for a state, with a deadline.
#
#   tests/desktop/run.sh path/to/orvanta [path/to/asan/orvanta]
#
# With the second, also checks that the AddressSanitizer build ends cleanly on
# a real display, with the leak suppressions its test preset uses.
# Prints one line a case and closes with "desktop: N passed, N failed"; exits
# non-zero when a case failed or the stage could not run.
set -uo pipefail

binary=$(realpath "${1:?usage: run.sh path/to/orvanta [path/to/asan/orvanta]}")
asan_binary=${2:+$(realpath "$2")}
suppressions=$(realpath "$(dirname "$0")/../lsan.supp")
# The sanitized build's runtime options, as the asan test preset has them (why:
# tests/lsan.supp).
export ASAN_OPTIONS=intercept_tls_get_addr=0
for tool in Xvfb openbox xdotool xprop xwininfo; do
    if ! command -v "$tool" >/dev/null; then
        echo "desktop: $tool is missing (bash tools/setup.sh installs it)"
        echo "desktop: 0 passed, 1 failed"
        exit 1
    fi
done

unset QT_QPA_PLATFORM WAYLAND_DISPLAY WAYLAND_SOCKET XDG_SESSION_TYPE
work=$(mktemp -d)
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
mkdir -p "$XDG_CONFIG_HOME"

passed=0
failed=0
xvfb_pid=""
wm_pid=""
app_pid=""

cleanup() {
    for pid in "$app_pid" "$wm_pid" "$xvfb_pid"; do
        if [[ -n "$pid" ]]; then
            kill "$pid" 2>/dev/null
            wait "$pid" 2>/dev/null
        fi
    done
    rm -rf "$work"
}
trap cleanup EXIT

# wait_for SECONDS COMMAND...: polls the command until it succeeds.
wait_for() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        ((SECONDS < deadline)) || return 1
        sleep 0.05
    done
}

pass() {
    echo "ok     $1"
    passed=$((passed + 1))
}

fail() {
    echo "FAILED $1: $2"
    failed=$((failed + 1))
}

# --- the program --------------------------------------------------------------

# Starts the program (or the one named) and waits for its home screen; sets
# app_pid, win, X, Y.
start_program() {
    "${1:-$binary}" >"$work/app.log" 2>&1 &
    app_pid=$!
    win=""
    local deadline=$((SECONDS + 30))
    while [[ -z "$win" ]]; do
        win=$(xdotool search --onlyvisible --name '^Orvanta Abbreviation Dictionary$' 2>/dev/null |
            head -n 1)
        if [[ -z "$win" ]]; then
            if ((SECONDS >= deadline)) || ! kill -0 "$app_pid" 2>/dev/null; then return 1; fi
            sleep 0.05
        fi
    done
    read_position "$win"
}

# Sets X and Y to the window's top left corner on the screen.
read_position() {
    eval "$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {print "X=" $4}
                                      /Absolute upper-left Y/ {print "Y=" $4}')"
}

at_position() {  # window x y
    read_position "$1" && [[ "$X" == "$2" && "$Y" == "$3" ]]
}

minimized() {
    xprop -id "$1" WM_STATE 2>/dev/null | grep -q 'window state: Iconic'
}

running() { kill -0 "$app_pid" 2>/dev/null; }

# Waits for the program to end; sets status.
wait_end() {
    status=""
    wait_for "$1" bash -c "! kill -0 $app_pid" || return 1
    wait "$app_pid"
    status=$?
    app_pid=""
}

stop_program() {
    if [[ -n "$app_pid" ]]; then
        kill "$app_pid" 2>/dev/null
        wait "$app_pid" 2>/dev/null
        app_pid=""
    fi
}

# Moves the pointer to (px, py) with a button held, until the window's corner
# reaches (wx, wy). A window manager's move starts a moment after the press and
# misses motion before that, so the pointer is nudged until the window follows.
drag_pointer() {  # px py window wx wy
    local deadline=$((SECONDS + 5))
    xdotool mousemove "$1" "$2"
    until at_position "$3" "$4" "$5"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
        xdotool mousemove $(($1 - 1)) "$2" mousemove "$1" "$2"
    done
}

# A dictionary window opened from the home screen, by the button at (bx, by):
# sets win, X, Y to it.
open_dictionary() {  # bx by caption
    xdotool mousemove $((X + $1)) $((Y + $2)) click 1
    local old=$win
    win=""
    local deadline=$((SECONDS + 10))
    while [[ -z "$win" || "$win" == "$old" ]]; do
        ((SECONDS < deadline)) || return 1
        win=$(xdotool search --onlyvisible --name "^$3\$" 2>/dev/null | head -n 1)
        sleep 0.05
    done
    read_position "$win"
}

# Places in every dictionary window, in pixels from its top left corner.
background=(100 480)
minimize_label=(481 13)
close_label=(535 12)
computer_button=(488 184)
bangladesh_button=(488 296)
help_button=(488 410)
search_box=(92 117)
elaboration_box=(308 181)
selected_box=(308 269)

# --- the cases ------------------------------------------------------------------

# A press of the button on the background moves the window while it is held
# and drops it on release; the next click reaches the control under the
# pointer. The third argument is that control: "minimize" or "close".
case_button_drag() {  # name button ends
    local name=$1 button=$2
    start_program || { fail "$name" "the home screen did not show"; return; }
    local x0=$X y0=$Y
    xdotool mousemove $((x0 + background[0])) $((y0 + background[1])) mousedown "$button"
    if ! drag_pointer $((x0 + background[0] + 50)) $((y0 + background[1] + 30)) \
        "$win" $((x0 + 50)) $((y0 + 30)); then
        fail "$name" "the window did not follow the held button (at $X,$Y)"
        stop_program
        return
    fi
    xdotool mouseup "$button"
    # No button held now: the pointer moves alone.
    xdotool mousemove $((x0 + 300)) $((y0 + 200))
    local x1=$((x0 + 50)) y1=$((y0 + 30))
    if [[ $3 == minimize ]]; then
        xdotool mousemove $((x1 + minimize_label[0])) $((y1 + minimize_label[1])) click 1
        if ! wait_for 5 minimized "$win"; then
            fail "$name" "a click on \"_\" after the drop did not minimize (window at $X,$Y)"
            stop_program
            return
        fi
    else
        xdotool mousemove $((x1 + close_label[0])) $((y1 + close_label[1])) click 1
        if ! wait_end 5; then
            fail "$name" "a click on \"X\" after the drop did not end the program"
            stop_program
            return
        fi
    fi
    stop_program
    pass "$name"
}

# Press and release without moving, then the pointer moves: the window stays,
# and a click on "_" minimizes it.
case_click_then_move() {  # name button
    local name=$1 button=$2
    start_program || { fail "$name" "the home screen did not show"; return; }
    local x0=$X y0=$Y
    xdotool mousemove $((x0 + background[0])) $((y0 + background[1])) click "$button"
    xdotool mousemove $((x0 + 200)) $((y0 + 150))
    xdotool mousemove $((x0 + minimize_label[0])) $((y0 + minimize_label[1])) click 1
    if ! wait_for 5 minimized "$win"; then
        read_position "$win"
        fail "$name" "\"_\" did not minimize; the window is at $X,$Y, was at $x0,$y0"
    elif ! at_position "$win" "$x0" "$y0"; then
        fail "$name" "the window moved from $x0,$y0 to $X,$Y"
    else
        pass "$name"
    fi
    stop_program
}

case_home_centred() {
    start_program || { fail home-screen-centred "the home screen did not show"; return; }
    local size screen
    size=$(xwininfo -id "$win" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
    screen=$(xwininfo -root | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
    local want_x=$(((${screen%x*} - ${size%x*}) / 2)) want_y=$(((${screen#*x} - ${size#*x}) / 2))
    if [[ "$size" != 549x511 ]]; then
        fail home-screen-centred "the window is $size, not 549x511"
    elif ((X < want_x - 1 || X > want_x + 1 || Y < want_y - 1 || Y > want_y + 1)); then
        fail home-screen-centred "the window is at $X,$Y, not at the centre $want_x,$want_y"
    else
        pass home-screen-centred
    fi
    stop_program
}

case_minimize() {
    start_program || { fail minimize "the home screen did not show"; return; }
    xdotool mousemove $((X + minimize_label[0])) $((Y + minimize_label[1])) click 1
    if wait_for 5 minimized "$win" && running; then
        pass minimize
    else
        fail minimize "\"_\" did not minimize the window"
    fi
    stop_program
}

case_close() {
    start_program || { fail close-ends-the-program "the home screen did not show"; return; }
    if ! open_dictionary "${computer_button[@]}" 'Orvanta Computer Abbreviation'; then
        fail close-ends-the-program "the Computer window did not open"
        stop_program
        return
    fi
    xdotool mousemove $((X + close_label[0])) $((Y + close_label[1])) click 1
    if ! wait_end 5; then
        fail close-ends-the-program "the program still runs after \"X\""
        stop_program
    elif ((status != 0)); then
        fail close-ends-the-program "the program ended with status $status"
    else
        pass close-ends-the-program
    fi
}

# Whether the window is the top one of the window manager's stack.
on_top() {  # window
    local top
    top=$(xprop -root _NET_CLIENT_LIST_STACKING | awk '{print $NF}')
    [[ $top == 0x* ]] && (($1 == top))
}

# "Help" again, while the help menu is open but covered by the dictionary
# window, brings the menu to the front.
case_help_again_raises_menu() {
    local name=help-again-raises-the-menu
    start_program || { fail $name "the home screen did not show"; return; }
    xdotool mousemove $((X + help_button[0])) $((Y + help_button[1])) click 1
    local find_menu="xdotool search --onlyvisible --name '^Orvanta Help\$' | grep ."
    if ! wait_for 10 bash -c "$find_menu"; then
        fail $name "\"Help\" did not show the help menu"
        stop_program
        return
    fi
    local menu
    menu=$(bash -c "$find_menu" | head -n 1)
    # A click on the dictionary window where the menu leaves it bare.
    xdotool mousemove $((X + background[0])) $((Y + background[1])) click 1
    if ! wait_for 5 on_top "$win"; then
        fail $name "a click on the dictionary window did not bring it over the menu"
    else
        xdotool mousemove $((X + help_button[0])) $((Y + help_button[1])) click 1
        if wait_for 5 on_top "$menu"; then
            pass $name
        else
            fail $name "\"Help\" left the help menu behind the dictionary window"
        fi
    fi
    stop_program
}

# The sanitized build, started and closed with "X": status 0, so no leak or
# error was found on the way.
case_sanitized_build_ends_cleanly() {
    local name=sanitized-build-ends-cleanly
    # Qt's libraries have no frame pointers: only a full unwind shows which
    # of Qt's functions made a leak, as the suppressions name them.
    if ! ASAN_OPTIONS="$ASAN_OPTIONS:fast_unwind_on_malloc=0" \
        LSAN_OPTIONS="suppressions=$suppressions:print_suppressions=0" start_program "$asan_binary"
    then
        fail $name "the home screen did not show: $(tail -n 3 "$work/app.log" | tr '\n' ' ')"
        stop_program
        return
    fi
    xdotool mousemove $((X + close_label[0])) $((Y + close_label[1])) click 1
    if ! wait_end 30; then
        fail $name "the program still runs after \"X\""
        stop_program
    elif ((status != 0)); then
        fail $name "status $status: $(grep -m 3 -E 'ERROR|SUMMARY|leak' "$work/app.log" | tr '\n' ' ')"
    else
        pass $name
    fi
}

# Pastes from a primary selection that nobody owns and from an empty
# clipboard, into every box of the Bangladesh window.
case_paste_without_selection() {
    start_program || { fail paste-from-nothing "the home screen did not show"; return; }
    if ! open_dictionary "${bangladesh_button[@]}" 'Bangladesh Abbreviation'; then
        fail paste-from-nothing "the Bangladesh window did not open"
        stop_program
        return
    fi
    local box x y
    for box in elaboration_box search_box selected_box; do
        x="$box[0]" y="$box[1]"
        xdotool mousemove $((X + ${!x})) $((Y + ${!y})) click 2 click 1 \
            key ctrl+v shift+Insert
    done
    # The box keeps a middle press for itself: dragging from there moves no
    # window, and the release, the paste, comes back to the box.
    xdotool mousemove $((X + elaboration_box[0])) $((Y + elaboration_box[1])) mousedown 2 \
        mousemove $((X + elaboration_box[0] + 40)) $((Y + elaboration_box[1] + 30)) mouseup 2
    # Input is handled in order: once "_" has minimized the window, the
    # pastes before it have been handled.
    local x0=$X y0=$Y
    xdotool mousemove $((X + minimize_label[0])) $((Y + minimize_label[1])) click 1
    wait_for 5 minimized "$win"
    if ! running; then
        wait "$app_pid"
        local code=$?
        app_pid=""
        fail paste-from-nothing "the program ended with status $code: $(tail -n 1 "$work/app.log")"
    elif ! minimized "$win"; then
        fail paste-from-nothing "the window took no input after the pastes"
        stop_program
    elif ! at_position "$win" "$x0" "$y0"; then
        fail paste-from-nothing "a middle drag on the elaboration box moved the window"
        stop_program
    else
        pass paste-from-nothing
        stop_program
    fi
}

# A display or platform that cannot be opened: one line that names it and
# where it came from, and status 1. The line comes last, after whatever else
# Qt said meanwhile, none of it the platform's messages (which the line
# replaces). The program's arguments follow a "--".
case_cannot_open() {  # name expected-text [env...] [-- argument...]
    local name=$1 expected=$2
    shift 2
    local assignments=()
    while (($#)) && [[ $1 != -- ]]; do
        assignments+=("$1")
        shift
    done
    (($#)) && shift
    env -u DISPLAY -u QT_QPA_PLATFORM "${assignments[@]}" timeout 20 "${program:-$binary}" "$@" \
        >"$work/out.log" 2>"$work/err.log"
    local code=$?
    local line stray
    line=$(tail -n 1 "$work/err.log")
    stray=$(head -n -1 "$work/err.log" | grep -E '^orvanta: |^qt\.qpa\.|platform plugin|wl_display')
    if ((code != 1)); then
        fail "$name" "status $code, not 1: $(head -c 300 "$work/err.log" | tr '\n' ' ')"
    elif [[ -n $stray ]]; then
        fail "$name" "more than the one line: $(head -c 300 "$work/err.log" | tr '\n' ' ')"
    elif [[ $line != "orvanta: "* || $line != *"$expected"* ]]; then
        fail "$name" "the line does not name $expected: $(cat "$work/err.log")"
    else
        pass "$name"
    fi
}

# --- the stage --------------------------------------------------------------------

started=$SECONDS

# A display number that no server has.
absent=59
while [[ -e /tmp/.X11-unix/X$absent || -e /tmp/.X$absent-lock ]]; do absent=$((absent + 1)); done
case_cannot_open no-server "cannot open the X display \":$absent\" (from DISPLAY);" DISPLAY=":$absent"
case_cannot_open bad-display-name '"nohost:abc" (from DISPLAY)' DISPLAY=nohost:abc
case_cannot_open empty-display "cannot open an X display: DISPLAY is set but empty;" DISPLAY=

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
if ! wait_for 10 test -s "$work/display"; then
    echo "desktop: Xvfb did not start: $(tail -n 3 "$work/xvfb.log")"
    echo "desktop: $passed passed, $((failed + 1)) failed"
    exit 1
fi
export DISPLAY=":$(head -n 1 "$work/display")"

case_cannot_open unknown-platform '"nonsense" (from QT_QPA_PLATFORM)' DISPLAY="$DISPLAY" \
    QT_QPA_PLATFORM=nonsense
# Qt reads its options with two dashes as with one.
case_cannot_open two-dash-platform '"nonsense" (from -platform)' DISPLAY="$DISPLAY" \
    QT_QPA_PLATFORM=xcb -- --platform nonsense
# Qt's Wayland plugin (libqwayland-generic on older Qt, libqwayland on newer)
# comes in a package of its own on some releases; without it, that is what
# the line says.
plugins=$(/usr/lib/qt6/bin/qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null)
if compgen -G "${plugins:-/usr/lib/*/qt6/plugins}/platforms/libqwayland*.so" >/dev/null; then
    no_wayland='"wayland" (from QT_QPA_PLATFORM) finds no Wayland display: WAYLAND_DISPLAY is not set'
else
    no_wayland='"wayland" (from QT_QPA_PLATFORM) is not installed'
fi
case_cannot_open wayland-without-display "$no_wayland" DISPLAY="$DISPLAY" QT_QPA_PLATFORM=wayland
# The server answers, but has no such screen.
case_cannot_open missing-screen "\"$DISPLAY.5\" (from DISPLAY) has no screen 5, only 1 (\"$DISPLAY.0\");" \
    DISPLAY="$DISPLAY.5"
case_cannot_open screen-one-past-the-last "\"$DISPLAY.1\" (from DISPLAY) has no screen 1, only 1 (\"$DISPLAY.0\");" \
    DISPLAY="$DISPLAY.1"
# Qt's -display option names the display rather than DISPLAY, which works here.
case_cannot_open display-option "\":$absent\" (from -display)" DISPLAY="$DISPLAY" -- \
    -display ":$absent"
case_cannot_open two-dash-display "\":$absent\" (from -display)" DISPLAY="$DISPLAY" -- \
    --display ":$absent"
# An empty -display opens DISPLAY's display, here one with no such screen.
case_cannot_open empty-display-option "\"$DISPLAY.5\" (from DISPLAY) has no screen 5" \
    DISPLAY="$DISPLAY.5" -- -display ""
if [[ -n "$asan_binary" ]]; then
    LSAN_OPTIONS="suppressions=$suppressions:print_suppressions=0" program=$asan_binary \
        case_cannot_open sanitized-missing-screen "has no screen 5" DISPLAY="$DISPLAY.5"
fi

# Without a window manager the program moves its windows itself.
case_button_drag bare-x-right-drag 3 close

openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
if ! wait_for 10 bash -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'; then
    echo "desktop: openbox did not start: $(tail -n 3 "$work/openbox.log")"
    echo "desktop: $passed passed, $((failed + 1)) failed"
    exit 1
fi

case_home_centred
case_button_drag left-drag 1 minimize
case_button_drag right-drag 3 minimize
case_click_then_move right-click-then-move 3
case_click_then_move middle-click-then-move 2
case_click_then_move left-click-then-move 1
case_minimize
case_close
case_help_again_raises_menu
case_paste_without_selection
if [[ -n "$asan_binary" ]]; then case_sanitized_build_ends_cleanly; fi

echo "desktop: took $((SECONDS - started)) s"
echo "desktop: $passed passed, $failed failed"
((failed == 0))
