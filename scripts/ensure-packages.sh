# Sourced by ./test and ./run: installs the Debian packages the project needs when any
# of them is missing. Nothing is downloaded when everything is already there. tiled, the
# map editor, is the tests' reader of what tlstool export --tsx writes (run headless).
mosalind_packages=(cmake g++ make libgtest-dev libgmock-dev libbenchmark-dev
                   qt6-base-dev qt6-qpa-plugins libpng-dev libcli11-dev nlohmann-json3-dev
                   fonts-dejavu-core fonts-dejavu-extra
                   desktop-file-utils appstream man-db lintian dpkg-dev
                   clang libclang-rt-dev clang-format
                   tiled)

ensure_packages() {
  local missing=() pkg
  for pkg in "${mosalind_packages[@]}" "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
