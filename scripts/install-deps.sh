#!/usr/bin/env bash
# Installs, with apt, only the packages that are missing. Safe to run again.
# It never takes a package away: what it would install is simulated first,
# and if apt would remove anything, it stops, names the conflict and changes
# nothing. The JACK packages follow the JACK server the machine has, so that
# a studio machine keeps its server.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config git
  qt6-base-dev librtmidi-dev
  libfluidsynth-dev timgm6mb-soundfont
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xauth fonts-dejavu-core
  dpkg-dev help2man librsvg2-bin desktop-file-utils appstream
)

installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"
}

# The JACK server and development files that belong together. Left to
# itself, apt would satisfy librtmidi-dev with JACK 1's files and, for them,
# swap a JACK 2 server for JACK 1's; so the files of the server present are
# named, and a machine without one gets JACK 2.
jack_packages() {
  if installed jackd1 || installed libjack0; then
    echo jackd1 libjack-dev
  else
    echo jackd2 libjack-jackd2-dev
  fi
}

# The packages an `apt-get --simulate` run on standard input would remove.
removals() {
  awk '$1 == "Remv" { print $2 }' | sort -u | tr '\n' ' ' | sed 's/ $//'
}

main() {
  local missing=() package
  # shellcheck disable=SC2207
  local wanted=("${packages[@]}" $(jack_packages))
  for package in "${wanted[@]}"; do
    installed "$package" || missing+=("$package")
  done
  if [ ${#missing[@]} -eq 0 ]; then
    return 0
  fi

  local sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
  fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  local simulation removed
  if ! simulation=$(apt-get --simulate install --no-install-recommends "${missing[@]}" 2>&1); then
    echo "install-deps.sh: apt cannot install ${missing[*]}; nothing was changed:" >&2
    echo "$simulation" >&2
    return 1
  fi
  removed=$(removals <<<"$simulation")
  if [ -n "$removed" ]; then
    echo "install-deps.sh: installing ${missing[*]} would remove $removed." >&2
    echo "Nothing was changed. Resolve the conflict by hand (install the development packages" >&2
    echo "that belong to the installed package), then run this again." >&2
    return 1
  fi
  echo "Installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Sourced (by its test), it only defines the functions above.
if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  main "$@"
fi
