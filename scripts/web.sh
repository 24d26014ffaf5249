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
  APT_OPTIONS=--no-install-recommends ensure_packages emscripten node-acorn nodejs
  command -v npm >/dev/null || APT_OPTIONS=--no-install-recommends ensure_packages npm
}

# npm packages as web/package-lock.json pins them, once per change of it.
ensure_npm_packages() {
  if [ ! -f web/node_modules/.package-lock.json ] || [ web/package-lock.json -nt web/node_modules/.package-lock.json ]; then
    (cd web && npm ci --no-audit --no-fund --loglevel=error >&2)
  fi
}

build_site() {
  ensure_web_tools
  ensure_npm_packages
  if [ ! -f build-web/cmake/CMakeCache.txt ]; then
    emcmake cmake -S web -B build-web/cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
  fi
  echo "Building build-web/" >&2
  logged build-web/build.log cmake --build build-web/cmake -j "$(nproc)"
  mkdir -p "$SITE"
  cp build-web/cmake/tolvern_core.mjs build-web/cmake/tolvern_core.wasm "$SITE/"
  cp web/tolvern.mjs web/worker.js web/index.html web/style.css "$SITE/"
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
