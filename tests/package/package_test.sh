#!/bin/sh
# Makes the Debian package from the build tree in a scratch folder and checks
# what it holds (dpkg-deb -c) and says of itself (dpkg-deb -f), and that every
# version in it is the project's. Installing it and lintian are for
# `./run package --check`.
#   package_test.sh CPACK BUILD_DIR SOURCE_DIR
set -eu
cpack="$1" build="$2" source="$3"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
fail() { echo "package_test: $*" >&2; exit 1; }

if ! "$cpack" --config "$build/CPackConfig.cmake" -B "$scratch" >"$scratch/cpack.log" 2>&1; then
  cat "$scratch/cpack.log" >&2
  fail "cpack failed"
fi
version="$("$build/tolvern" --version)"
version="${version#tolvern }"
deb="$scratch/tolvern_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $(basename "$deb") in: $(ls "$scratch")"

# The control fields.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = tolvern ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version), tolvern --version: $version"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture: $(field Architecture)"
field Maintainer | grep -q '^TOLVERN developers <[^@ ]*@[^> ]*>$' || fail "Maintainer: $(field Maintainer)"
[ "$(field Section)" = misc ] || fail "Section: $(field Section)"
field Description | head -1 | grep -q 'change-ringing compositions' || fail "Description: $(field Description | head -1)"
[ "$(field Description | wc -l)" -ge 8 ] || fail "the description has no long part"
for library in libc6 libstdc++6 libexpat1 libqt6widgets6 libqt6svg6 libqscintilla2-qt6; do
  field Depends | grep -q "\b$library\b" || fail "Depends lacks $library: $(field Depends)"
done

# The files, exactly: nothing the desktop's caches or the build would add.
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $1, $2, $6 }' | sort -k3 >"$scratch/files"
{
  for program in tolvern tolvern-draw tolvern-gui; do echo "-rwxr-xr-x root/root ./usr/bin/$program"; done
  for file in applications/tolvern.desktop bash-completion/completions/tolvern doc/tolvern/changelog.gz \
      doc/tolvern/copyright $(cd "$source" && ls examples | sed 's|^|doc/tolvern/examples/|') \
      icons/hicolor/scalable/apps/tolvern.svg lintian/overrides/tolvern man/man1/tolvern-draw.1.gz man/man1/tolvern-gui.1.gz \
      man/man1/tolvern.1.gz metainfo/io.github.tolvern.Tolvern.metainfo.xml mime/packages/tolvern-siril.xml; do
    echo "-rw-r--r-- root/root ./usr/share/$file"
  done
} | sort -k3 >"$scratch/expected"
diff -u "$scratch/expected" "$scratch/files" >&2 || fail "the file list differs (- expected, + in the package)"

# The version of each thing that names one.
dpkg-deb -x "$deb" "$scratch/root"
share="$scratch/root/usr/share"
gzip -dc "$share/doc/tolvern/changelog.gz" | head -1 | grep -q "^tolvern ($version) " ||
  fail "the changelog's newest entry is not $version: add one (packaging/changelog)"
grep -q "<release version=\"$version\"" "$share/metainfo/io.github.tolvern.Tolvern.metainfo.xml" ||
  fail "the metainfo has no release $version (app/desktop/io.github.tolvern.Tolvern.metainfo.xml)"
for page in tolvern tolvern-gui tolvern-draw; do
  gzip -dc "$share/man/man1/$page.1.gz" | grep -q "^\.TH .*\"TOLVERN $version\"" || fail "$page(1) is not of $version"
done

# The completion offers the extensions of the file type.
globs="$(sed -n 's/.*pattern="\*\.\([a-z]*\)".*/\1/p' "$share/mime/packages/tolvern-siril.xml" | sort | tr '\n' ' ')"
offered="$(sed -n "s/^ *local compositions='\(.*\)'$/\1/p" "$share/bash-completion/completions/tolvern" | tr '|' '\n' | sort | tr '\n' ' ')"
[ "$globs" = "$offered" ] || fail "the completion offers '$offered', the file type is '$globs'"
echo "package_test: $(basename "$deb"): $(wc -l <"$scratch/files") files, Depends: $(field Depends)"
