#!/usr/bin/env bash
# The Debian package, from build/ as ./run builds it.
#   scripts/package.sh          make build/tolvern_VERSION_ARCH.deb (CPack)
#   scripts/package.sh --check  then check it as a ringer's machine would meet
#                               it: lintian, the AppStream and desktop-entry
#                               validators, the manual pages, and, as root, an
#                               install with apt-get (the programs, file type,
#                               menu entry, manual and completion at work) and
#                               a removal that must leave nothing behind.
# --check installs the package on this machine for a moment and removes it
# again: run it where tolvern is not otherwise installed.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
cd "$TOLVERN_ROOT"

version="$(build/tolvern --version)"
version="${version#tolvern }"
deb="$TOLVERN_ROOT/build/tolvern_${version}_$(dpkg --print-architecture).deb"
echo "Packaging build/" >&2
rm -f "$deb"
logged build/package.log cpack --config build/CPackConfig.cmake -B build
echo "${deb#"$TOLVERN_ROOT/"}"
[ "${1:-}" = --check ] || exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "package --check installs the package: run it as root" >&2
  exit 3
fi
ensure_packages lintian appstream desktop-file-utils man-db bash-completion
# Another apt-get on the machine is waited for, not failed on.
apt_get() { DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 -y -qq "$@"; }

passed=0 failed=0
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
check() {  # check WHAT COMMAND...: one line saying whether COMMAND succeeded; its output if not
  local what="$1"; shift
  if "$@" >"$scratch/output" 2>&1; then
    passed=$((passed + 1)); echo "ok      $what"
  else
    failed=$((failed + 1)); echo "FAILED  $what"
    sed 's/^/        /' "$scratch/output"
  fi
}

# The package as it is, unpacked. Every lintian tag is shown, the overridden
# ones too (for which lintian's status is 2); only an error fails here.
if lintian --display-info --show-overrides "$deb" >"$scratch/lintian" 2>&1; then lintian=0; else lintian=$?; fi
grep -v '^running with root privileges' "$scratch/lintian" | sed 's/^/        /'
check "lintian ran and reports no error (its tags above)" \
  sh -c '[ "$1" -ne 1 ] && ! grep -q "^E: " "$2"' _ "$lintian" "$scratch/lintian"
dpkg-deb -x "$deb" "$scratch/root"
share="$scratch/root/usr/share"
check "appstreamcli validate" appstreamcli validate --no-net "$share/metainfo/io.github.tolvern.Tolvern.metainfo.xml"
check "desktop-file-validate" desktop-file-validate "$share/applications/tolvern.desktop"
man_quiet() { [ -z "$(MANWIDTH=80 man --warnings -l "$1" 2>&1 >/dev/null)" ]; }
for page in "$share"/man/man1/*.1.gz; do
  check "man --warnings -l $(basename "$page") says nothing" man_quiet "$page"
done

# What is on the machine before, the package's libraries included.
apt_get purge tolvern >/dev/null 2>&1 || true
apt_get update
installed() { dpkg-query -W -f '${db:Status-Abbrev} ${Package}\n' | sed -n 's/^ii  *//p' | sort; }
installed >"$scratch/packages"
apt_get satisfy "$(dpkg-deb -f "$deb" Depends)" >/dev/null
new="$(installed | comm -13 "$scratch/packages" - | tr "\n" " ")"
echo "        packages installed for it: ${new:-none}"
snapshot() { find /usr /etc -xdev | sort >"$1"; }
snapshot "$scratch/before"

check "apt-get install ./$(basename "$deb")" apt_get install "$deb"
examples=/usr/share/doc/tolvern/examples
check "tolvern --version is $version" test "$(/usr/bin/tolvern --version 2>/dev/null)" = "tolvern $version"
check "tolvern-gui --version is $version" test "$(QT_QPA_PLATFORM=offscreen /usr/bin/tolvern-gui --version 2>/dev/null)" = "TOLVERN $version"
check "tolvern prove proves an example" /usr/bin/tolvern prove --no-music --progress /dev/null "$examples/plain-bob-minor.min"
check "tolvern draw draws it (tolvern-draw, Qt)" /usr/bin/tolvern draw "$examples/plain-bob-minor.min" -o "$scratch/rows.png"
check "the programs find every library" sh -c '! ldd /usr/bin/tolvern-gui /usr/bin/tolvern-draw | grep "not found"'
in_mime_database() {
  local ext
  for ext in dou min tri maj cat roy cin max sex fou sep six sir; do
    grep -q "^[0-9]*:text/x-siril-composition:\*\.$ext\$" /usr/share/mime/globs2 || return 1
  done
}
check "the thirteen extensions are the composition type" in_mime_database
check "the type opens with the menu entry" grep -q '^text/x-siril-composition=.*tolvern\.desktop' \
  /usr/share/applications/mimeinfo.cache
check "man finds tolvern(1), tolvern-gui(1) and tolvern-draw(1)" man -w tolvern tolvern-gui tolvern-draw
check "the software centre's catalogue lists it" sh -c \
  'appstreamcli refresh-cache --force >/dev/null 2>&1; appstreamcli get io.github.tolvern.Tolvern | grep -q "^Name: TOLVERN"'

# Completion as bash-completion loads it on first use.
mkdir -p "$scratch/songs/sub"
touch "$scratch/songs/a.maj" "$scratch/songs/B.MIN" "$scratch/songs/notes.txt"
completes() {  # completes LINE EXPECTED: the words offered for the end of LINE
  local got
  got="$(cd "$scratch" && bash -c '
    source /usr/share/bash-completion/bash_completion
    _completion_loader tolvern
    COMP_LINE="$1" COMP_POINT=${#1}
    read -ra COMP_WORDS <<<"$1"
    [[ $1 == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    _tolvern tolvern "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf "%s\n" "${COMPREPLY[@]}" | LC_ALL=C sort | tr "\n" " "' _ "$1")"
  [ "$got" = "$2 " ] || { echo "        '$1' offers '$got', not '$2'"; return 1; }
}
while IFS='|' read -r line expected; do
  check "completion: '$line'" completes "$line" "$expected"
done <<'EOF'
tolvern |--help --version check draw methods prove
tolvern pr|prove
tolvern prove --no|--no-music --no-work
tolvern prove --debug parse,sy|parse,symtab
tolvern prove songs/|songs/B.MIN songs/a.maj songs/sub
tolvern check --json --max-|--max-bells --max-changes
tolvern draw songs/a.maj --v|--view
tolvern methods --stage ma|major maximus
EOF

# Removed: nothing left, and the caches forget it.
check "apt-get purge tolvern" apt_get purge tolvern
appstreamcli refresh-cache --force >/dev/null 2>&1 || true
snapshot "$scratch/after"
check "no file left behind" diff "$scratch/before" "$scratch/after"
check "the mime database forgets the type" sh -c '! grep -q text/x-siril-composition /usr/share/mime/globs2'
check "the desktop database forgets the entry" sh -c '! grep -q tolvern /usr/share/applications/mimeinfo.cache'

echo "package --check: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
