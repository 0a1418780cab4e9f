#!/usr/bin/env bash
# Starts the built editor as a user does from a terminal, in the environments where it cannot or
# must not open its window as usual, and checks what it says and its exit status.
# Usage: editor-start.sh PROGRAM
set -uo pipefail

program=$(realpath "$1")
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT

source "$(dirname "$0")/../support/expect.sh"

said=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" 2>&1)
expect "no display exits 3" 3 $?
expect "no display is one line naming the cause" \
    "quandrel: no display to show the window on: could not connect to display" "$said"

said=$(QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$folder "$program" --slot-dir $'/missing\e[2J\u202e' 2>&1)
expect "a missing slot folder exits 2" 2 $?
expect "a missing slot folder is shown escaped" 'quandrel: No folder /missing\x1B[2J\xE2\x80\xAE' "$said"

said=$(QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$folder "$program" $'--bad\e]0;owned\a' 2>&1)
expect "an unknown option exits 1" 1 $?
expect "an unknown option is shown escaped" "quandrel: Unknown option 'bad\\x1B]0;owned\\x07'." "$said"

# Started with standard error closed, the editor has the null device there, not a file of its own.
cd "$folder" || exit 1
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$folder "$program" 2>&- &
editor=$!
# Long enough to be past the start-up, when the loader's own files are closed again.
sleep 2
expect "a closed stderr is the null device" /dev/null "$(readlink /proc/$editor/fd/2)"
kill "$editor"
wait "$editor" 2>/dev/null

[ "$failures" -eq 0 ]
