#!/usr/bin/env bash
# Runs the built quandrel-pass as a user does, through pipes: standard input is taken byte for
# byte (CR LF lines, a Ctrl-Z in the middle), and the exit codes say what happened.
# Usage: end-to-end.sh PROGRAM [RUNNER...], for example RUNNER wine for a Windows build.
set -uo pipefail

program=$1
shift
runner=("$@")

quandrel_pass() { "${runner[@]}" "$program" "$@"; }

source "$(dirname "$0")/../support/expect.sh"

# Windows ends the lines it prints in CR LF; the checks look at the text.
password=$(echo '{}' | quandrel_pass encode | tr -d '\r')
expect "encode prints a password of 45 characters" 45 "${#password}"

quandrel_pass check "$password" >/dev/null
expect "check of a good password exits 0" 0 $?

quandrel_pass check "${password:0:44}0" >/dev/null
expect "check of a wrong checksum exits 1" 1 $?

out=$(printf '%s\r\n%s\r\n' "$password" "$password" | quandrel_pass decode)
expect "decode exits 0 on slot lines ending in CR LF" 0 $?
expect "decode prints one state per CR LF line" 2 "$(grep -c '"warrior"' <<<"$out")"

# Text-mode input would end at the Ctrl-Z and never see line 3.
out=$(printf '%s\r\n\032\r\n%s\r\n' "$password" "$password" | quandrel_pass decode 2>&1)
expect "decode exits 1 when a line does not decode" 1 $?
expect "decode reads past a Ctrl-Z" 2 "$(grep -c '"warrior"' <<<"$out")"
expect "decode names the line holding the Ctrl-Z" 1 "$(grep -c 'line 2: position 1' <<<"$out")"

# A file name outside Latin-1 (and so outside any ANSI code page but UTF-8) opens whole.
scratch=$(mktemp -d)
slot="$scratch/слот-01.txt"
printf '"%s"\r\n' "$password" >"$slot"
out=$(quandrel_pass diff "$slot" "$password" | tr -d '\r')
expect "diff opens a slot named outside Latin-1" "same game state" "$out"
echo '{}' >"$scratch/состояние.json"
out=$(quandrel_pass encode "$scratch/состояние.json" | tr -d '\r')
expect "encode opens a file named outside Latin-1" "$password" "$out"
rm -rf "$scratch"

quandrel_pass decode --no-such-option >/dev/null 2>&1
expect "an unknown option exits 2" 2 $?

echo "end-to-end: $failures failed"
[ "$failures" -eq 0 ]
