# shellcheck shell=bash
# Sourced by the tests that drive the built program from outside: checks
# reported as CTest and CI read them ("N passed, N failed"), a work folder
# and background processes that go when the test ends, and waiting.

passed=0
fail() {
  echo "FAIL: $*"
  echo "$passed passed, 1 failed"
  exit 1
}
pass() {
  passed=$((passed + 1))
  echo "ok: $*"
}
# The last line of a test that got this far.
all_passed() {
  echo "$passed passed, 0 failed"
}

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Waits up to ten seconds for a command to succeed.
wait_for() {
  local deadline=$((SECONDS + 10))
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.05
  done
}
