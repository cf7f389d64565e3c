#!/usr/bin/env bash
# Installs every Debian package that the build, the tests, the benchmarks and the demo need.
# Idempotent: when everything is present it only asks dpkg and returns.
set -euo pipefail

packages=(
  cmake g++ make pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev qt6-charts-dev libqt6opengl6-dev
  qt6-multimedia-dev qt6-translations-l10n qt6-qpa-plugins qt6-l10n-tools libxkbcommon-dev
  libgl-dev libvulkan-dev
  libsqlitecpp-dev libsqlite3-dev libzip-dev zipcmp zipmerge ziptool libpugixml-dev zlib1g-dev
  libbenchmark-dev
  xvfb xauth imagemagick fonts-dejavu-core fonts-liberation
)
# Optional groups, named on the command line: `fuzz` adds the fuzzer's compiler and runtime.
for grupo in "$@"; do
  case "$grupo" in
    fuzz) packages+=(clang libclang-rt-14-dev) ;;
    *) echo "Unknown package group: $grupo" >&2; exit 1 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null 2>&1; then
  sudo=(sudo)
else
  echo "Missing packages (${missing[*]}) and no root rights or sudo to install them." >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
