# Shared by the install tests: `check DESCRIPTION COMMAND...` runs the command, says
# ok or FAILED (with what the command wrote to stderr), and counts; `summary` prints
# the counts and returns non-zero after any failure. Sourced, not executed.
passed=0
failures=0
check_errors=$(mktemp)
trap 'rm -f "$check_errors"' EXIT

check() {
    local what=$1
    shift
    if "$@" >/dev/null 2>"$check_errors"; then
        echo "ok: $what"
        passed=$((passed + 1))
    else
        echo "FAILED: $what"
        cat "$check_errors"
        failures=$((failures + 1))
    fi
}

summary() {
    echo "$passed passed, $failures failed"
    [ "$failures" -eq 0 ]
}
