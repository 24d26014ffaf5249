#!/usr/bin/env bash
# The page: the engine in WebAssembly and the site around it, in build-web/.
#   scripts/web.sh build         build build-web/site/
#   scripts/web.sh serve [PORT]  build, then serve it on http://127.0.0.1:PORT/ (default 8080)
#   scripts/web.sh test          build, then test the module against build/tolvern and the page in Chromium
#   scripts/web.sh bench         build, then time the module in Node against build/tolvern
set -euo pipefail
source "$(dirname "$0")/setup.sh"
cd "$TOLVERN_ROOT"

SITE=build-web/site
# Debian's Emscripten finds acorn for its JavaScript optimiser here.
export NODE_PATH=/usr/share/nodejs

ensure_web_tools() {
  APT_OPTIONS=--no-install-recommends ensure_packages emscripten node-acorn nodejs python3
  command -v npm >/dev/null || APT_OPTIONS=--no-install-recommends ensure_packages npm
}

# npm packages as web/package-lock.json pins them, once per change of it.
ensure_npm_packages() {
  if [ ! -f web/node_modules/.package-lock.json ] || [ web/package-lock.json -nt web/node_modules/.package-lock.json ]; then
    (cd web && npm ci --no-audit --no-fund --loglevel=error >&2)
  fi
}

# Expat's source for the module: Debian's source package, the one
# libexpat1-dev is built from, fetched once into build-web/expat. The source
# index is read from a list of our own, made from the system's Debian
# entries, so the system's apt setup is left as it is; the security suite is
# left out, whose index may name a version its pool no longer serves.
EXPAT_SOURCE=build-web/expat
ensure_expat_source() {
  [ -f "$EXPAT_SOURCE/lib/xmlparse.c" ] && return 0
  APT_OPTIONS=--no-install-recommends ensure_packages dpkg-dev
  local apt="$TOLVERN_ROOT/build-web/apt"
  rm -rf "$apt"
  mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial" "$apt/parts" "$apt/unpack"
  local parts
  parts=$(find /etc/apt/sources.list.d -name '*.sources' 2>/dev/null)
  if [ -n "$parts" ]; then
    # shellcheck disable=SC2086
    awk -v RS= -v ORS='\n\n' '/debian/ && !/Suites:[^\n]*security/ { sub(/Types:[^\n]*/, "Types: deb-src"); print }' \
      $parts >"$apt/parts/debian.sources"
  fi
  if [ -f /etc/apt/sources.list ]; then
    grep -E '^deb .*debian' /etc/apt/sources.list | grep -v security | sed 's/^deb /deb-src /' >"$apt/sources.list" || true
  else
    : >"$apt/sources.list"
  fi
  local options=(-o "Dir::Etc::SourceList=$apt/sources.list" -o "Dir::Etc::SourceParts=$apt/parts"
    -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache" -o "APT::Sandbox::User=root")
  apt-get "${options[@]}" update -qq >&2
  (cd "$apt/unpack" && apt-get "${options[@]}" source -qq expat >&2)
  local tree
  tree=$(find "$apt/unpack" -maxdepth 4 -path '*/expat/lib/xmlparse.c' | head -1)
  [ -n "$tree" ] || { echo "Expat's source was not found in Debian's source package" >&2; return 1; }
  rm -rf "$EXPAT_SOURCE"
  mv "$(dirname "$(dirname "$tree")")" "$EXPAT_SOURCE"
  rm -rf "$apt"
}

build_site() {
  ensure_web_tools
  ensure_npm_packages
  ensure_expat_source
  if [ ! -f build-web/cmake/CMakeCache.txt ]; then
    emcmake cmake -S web -B build-web/cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
  fi
  cmake --build build-web/cmake -j "$(nproc)" >&2
  mkdir -p "$SITE"
  cp build-web/cmake/tolvern_core.mjs build-web/cmake/tolvern_core.wasm "$SITE/"
  cp web/tolvern.mjs web/worker.js web/methods_worker.js web/index.html web/style.css "$SITE/"
  cp app/resources/tolvern.svg "$SITE/"
  web/node_modules/.bin/esbuild web/main.js --bundle --format=esm --minify --sourcemap \
    --loader:.maj=text --outfile="$SITE/main.js" --log-level=warning
}

case "${1:-build}" in
  build)
    build_site
    echo "built $SITE/" >&2
    ;;
  serve)
    build_site
    port="${2:-8080}"
    echo "TOLVERN at http://127.0.0.1:$port/" >&2
    exec python3 -m http.server "$port" --bind 127.0.0.1 --directory "$SITE"
    ;;
  test)
    build_site
    APT_OPTIONS=--no-install-recommends ensure_packages chromium
    exec node --test tests/web/*_test.mjs
    ;;
  bench)
    build_site
    ensure_build_tools
    build_tree build -DCMAKE_BUILD_TYPE=Release
    exec node bench/web_bench.mjs
    ;;
  *)
    echo "usage: scripts/web.sh build | serve [PORT] | test | bench" >&2
    exit 3
    ;;
esac
