#!/bin/sh
# Installs into a scratch prefix and checks what a desktop needs to open a
# composition with a double click: the program, its menu entry and icon, and
# the thirteen extensions mapped to the composition type that entry opens.
#   install_test.sh BUILD_DIR
set -eu
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
fail() { echo "install_test: $*" >&2; exit 1; }
for file in bin/tolvern bin/tolvern-gui bin/tolvern-draw share/applications/tolvern.desktop \
            share/icons/hicolor/scalable/apps/tolvern.svg share/mime/packages/tolvern-siril.xml; do
  [ -e "$prefix/$file" ] || fail "missing $file"
done
type=$(sed -n 's/^MimeType=\(.*\);$/\1/p' "$prefix/share/applications/tolvern.desktop")
[ "$type" = "text/x-siril-composition" ] || fail "desktop entry opens '$type'"
grep -q '^Exec=tolvern-gui %f$' "$prefix/share/applications/tolvern.desktop" || fail "desktop entry does not pass the file"
for ext in dou min tri maj cat roy cin max sex fou sep six sir; do
  grep -q "pattern=\"\*\.$ext\"" "$prefix/share/mime/packages/tolvern-siril.xml" || fail "no glob for .$ext"
  if [ -f "$prefix/share/mime/globs2" ]; then
    grep -q "text/x-siril-composition:\*\.$ext$" "$prefix/share/mime/globs2" || fail ".$ext not in the mime database"
  fi
done
echo "install_test: all files in place"
