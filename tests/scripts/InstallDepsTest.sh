#!/usr/bin/env bash
# scripts/install-deps.sh against a make-believe machine: dpkg-query answers
# from a list of installed packages and apt-get from a canned simulation, so
# that nothing here is installed or removed.
set -uo pipefail
cd "$(dirname "$0")/../.."
source scripts/install-deps.sh
set +e  # the script's own -e: a failing check here is counted, not fatal

failures=0
expect() {  # what, then a command that must succeed
  local what="$1"
  shift
  if ! "$@"; then
    echo "FAILED: $what"
    failures=$((failures + 1))
  fi
}

installed_list=()
apt_answer=""
calls=()
dpkg-query() {
  local package="${*: -1}" each
  for each in "${installed_list[@]}"; do
    [ "$each" = "$package" ] && { echo "install ok installed"; return 0; }
  done
  return 1
}
apt-get() {
  calls+=("$*")
  if [ "$1" = "--simulate" ]; then echo "$apt_answer"; fi
}
sudo() { "$@"; }

log=$(mktemp)
trap 'rm -f "$log"' EXIT
run() {  # installed packages...; sets status, output, calls
  installed_list=("$@")
  calls=()
  main >"$log" 2>&1  # not in a subshell: the calls are recorded here
  status=$?
  output=$(cat "$log")
}
not() { ! "$@"; }
installs() { [[ "${calls[*]}" == *"install -y -qq --no-install-recommends"*" $1"* ]]; }
asks_for() { [[ " ${calls[*]} " == *" $1 "* ]]; }
no_apt() { [ ${#calls[@]} -eq 0 ]; }

everything=("${packages[@]}")

# A studio machine: JACK 2 and nothing to build with. librtmidi-dev comes
# with JACK 2's files, and the server stays.
apt_answer=$'Inst libjack-jackd2-dev (1.9.21)\nInst librtmidi-dev (5.0.0)'
run jackd2 libjack-jackd2-0
expect "a studio machine installs" test "$status" -eq 0
expect "it takes JACK 2's files" installs libjack-jackd2-dev
expect "it asks nothing of JACK 1" not asks_for libjack-dev
expect "it installs librtmidi-dev" installs librtmidi-dev

# A machine with JACK 1 keeps JACK 1.
run jackd1 libjack0
expect "JACK 1's files for JACK 1" installs libjack-dev
expect "no JACK 2 for it" not asks_for jackd2

# Whatever apt would take away stops everything, with the conflict named.
apt_answer=$'Remv jackd2 [1.9.21~dfsg-3]\nRemv libjack-jackd2-0 [1.9.21]\nInst jackd1 (1:0.126.0)'
run jackd2 libjack-jackd2-0
expect "a removal fails the run" test "$status" -ne 0
expect "the message names what would go" grep -q "would remove jackd2 libjack-jackd2-0" <<<"$output"
expect "nothing is installed" not installs librtmidi-dev

# A machine that has it all is left alone.
run "${everything[@]}" jackd2 libjack-jackd2-dev
expect "nothing missing, no apt" no_apt

echo "install-deps.sh: $failures failures"
[ "$failures" -eq 0 ]
