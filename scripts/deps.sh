# Installs the Debian packages the build, the tests and the programs need,
# only those that are missing, so a prepared machine spends no time here.
# Sourced by scripts/run and scripts/test.

CROSS_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-serialport-dev qt6-tools-dev qt6-l10n-tools libgl-dev
  libgif-dev libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  fonts-dejavu-core fonts-liberation2 fonts-comfortaa fonts-beteckna qt6-translations-l10n
  qt6-svg-dev
  xvfb xauth imagemagick
  desktop-file-utils appstream shared-mime-info
  dpkg-dev file lintian
)

cross_install_deps() {
  local missing=()
  local p
  for p in "${CROSS_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
