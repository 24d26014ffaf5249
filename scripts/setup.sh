# Shared by ./run and ./test: installs what is missing and builds.
# Sourced, not run: it sets TOLVERN_ROOT and defines the functions below.

TOLVERN_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Installs the Debian packages given that are not yet installed
# (APT_OPTIONS, e.g. --no-install-recommends, goes to apt-get install).
ensure_packages() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}" >&2
  local sudo=""
  [ "$(id -u)" -ne 0 ] && command -v sudo >/dev/null && sudo="sudo"
  $sudo apt-get update -qq
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq ${APT_OPTIONS:-} "${missing[@]}" >&2
}

ensure_build_tools() {
  ensure_packages g++ cmake make libgtest-dev libbenchmark-dev libexpat1-dev \
    qt6-base-dev qt6-base-private-dev libqscintilla2-qt6-dev qt6-svg-dev libgl-dev fonts-dejavu-core poppler-utils
}

# build_tree DIR [cmake options...]: configures (once) and builds DIR.
build_tree() {
  local dir="$1"; shift
  cmake -S "$TOLVERN_ROOT" -B "$TOLVERN_ROOT/$dir" "$@" >/dev/null
  cmake --build "$TOLVERN_ROOT/$dir" -j "$(nproc)" >&2
}
