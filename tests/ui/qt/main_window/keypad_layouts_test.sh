#!/usr/bin/env bash
# The real program on a virtual X display, typed on with real key events under real keyboard
# layouts: the keypad's decimal key is the point key whatever it types ("," on a German layout),
# and the main keyboard's "," is no key. The display is read back through Ctrl+C.
# Usage (under xvfb-run): keypad_layouts_test.sh PROGRAM
set -uo pipefail
program=$1
failures=0

# Number Lock on, so that the keypad types digits and its decimal character.
xdotool key Num_Lock

check() {
    local layout=$1 keys=$2 want=$3
    setxkbmap "$layout"
    "$program" &
    local pid=$!
    local window
    window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Sumora v1\.0$' | head -1)
    # With no window manager to activate it, the window is given the keyboard directly.
    xdotool windowfocus --sync "$window"
    # shellcheck disable=SC2086 # one key name per word
    xdotool key --delay 50 $keys ctrl+c
    # The copy is served once the program has taken every key; a loaded machine may take a while.
    local got="" tries
    for ((tries = 0; tries < 50; ++tries)); do
        got=$(timeout 5 xclip -selection clipboard -target UTF8_STRING -o 2>/dev/null) && break
        sleep 0.1
    done
    kill "$pid"
    wait "$pid" 2>/dev/null
    if [[ $got == "$want" ]]; then
        echo "ok: $layout: $keys -> $got"
    else
        echo "FAILED: $layout: $keys -> '$got', want '$want'"
        failures=$((failures + 1))
    fi
}

check us "KP_1 KP_Decimal KP_5" "1.5"
check de "KP_1 KP_Separator KP_5" "1.5"
check de "1 comma 5" "15"
exit $((failures > 0))
