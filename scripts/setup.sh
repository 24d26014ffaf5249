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

# scdoc makes the manual pages; dpkg-dev and file let cpack make the package.
ensure_build_tools() {
  ensure_packages g++ cmake make libgtest-dev libbenchmark-dev libexpat1-dev \
    qt6-base-dev qt6-base-private-dev libqscintilla2-qt6-dev qt6-svg-dev libgl-dev fonts-dejavu-core poppler-utils \
    scdoc dpkg-dev file
}

# logged LOG COMMAND...: runs COMMAND with its output in LOG, shown only
# when it fails, so that a newcomer sees the result and not the compiler.
logged() {
  local log="$1"; shift
  mkdir -p "$(dirname "$log")"
  if ! "$@" >"$log" 2>&1; then
    cat "$log" >&2
    echo "Failed: the output is above and in ${log#"$TOLVERN_ROOT/"}" >&2
    return 1
  fi
}

# build_tree DIR [cmake options...]: configures (once) and builds DIR, its
# output in DIR/build.log.
build_tree() {
  local dir="$1"; shift
  echo "Building $dir/" >&2
  logged "$TOLVERN_ROOT/$dir/build.log" configure_and_build "$TOLVERN_ROOT/$dir" "$@"
}

configure_and_build() {
  local dir="$1"; shift
  cmake -S "$TOLVERN_ROOT" -B "$dir" "$@" && cmake --build "$dir" -j "$(nproc)"
}
