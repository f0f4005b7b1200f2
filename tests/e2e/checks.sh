# SPDX-License-Identifier: GPL-3.0-or-later
# Pass/fail bookkeeping shared by the shell-driven tests. Source it, call check or expect
# for each step, and end with summary, whose status is the test's.
passed=0
failed=0

check() {  # check NAME ACTUAL EXPECTED
  if [ "$2" == "$3" ]; then
    passed=$((passed + 1))
    echo "ok   $1"
  else
    failed=$((failed + 1))
    echo "FAIL $1: got '$2', expected '$3'"
  fi
}

expect() {  # expect NAME COMMAND...: passes when the command succeeds
  local name=$1
  shift
  local output
  if output=$("$@" 2>&1); then
    passed=$((passed + 1))
    echo "ok   $name"
  else
    failed=$((failed + 1))
    echo "FAIL $name"
    printf '%s\n' "$output" | sed 's/^/     /'
  fi
}

summary() {
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}
