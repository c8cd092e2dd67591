# Debian 12 packages the project needs, and a function that installs the
# missing ones. Sourced by run.sh and test.sh.

QVX_BUILD_PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libavformat-dev libavcodec-dev libavfilter-dev libswscale-dev libswresample-dev libavutil-dev
  libsdl2-dev libopencore-amrnb-dev libsimpleini-dev
)
QVX_RUN_PACKAGES=(
  fonts-wqy-microhei
)
QVX_TEST_PACKAGES=(
  googletest libgtest-dev libgmock-dev nlohmann-json3-dev
  ffmpeg
)

qvx_install_missing() {
  local missing=()
  local package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
