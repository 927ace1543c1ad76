#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the shipped media need.
# Quiet and quick when everything is already there. Arguments name more
# packages a particular command needs (`make fuzz`: clang and libFuzzer).
set -euo pipefail
packages=("$@"
  cmake ninja-build g++ pkg-config ccache
  libsdl2-dev libsdl2-image-dev libsndfile1-dev libsoxr-dev libfluidsynth-dev timgm6mb-soundfont
  libfreetype-dev libfontconfig-dev fonts-noto-cjk fonts-liberation fonts-liberation2
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth sox
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages. Install them with:" >&2
  echo "  sudo apt-get install -y --no-install-recommends ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
