# The check that the shell tests share: expect NAME EXPECTED ACTUAL prints "ok" or "FAILED" and
# counts the failures in $failures, so that a script can end on [ "$failures" -eq 0 ].
failures=0

expect() {
    if [ "$2" = "$3" ]; then
        echo "ok: $1"
    else
        echo "FAILED: $1: expected '$2', got '$3'"
        failures=$((failures + 1))
    fi
}
