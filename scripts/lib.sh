# Shared by the scripts: paths, logging and the Wine prefixes.
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$top/build"
log() { printf '[kxfix] %s\n' "$*" >&2; }
die() { log "error: $*"; exit 1; }

export WINEDEBUG=-all
# No Mono or Gecko installers: nothing here needs them, and their prompts would hang a run.
# No debugger either: a crashing test should fail at once, not wait for its timeout.
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"

# Boots one template prefix per architecture; tests copy it instead of booting again.
make_template_prefix() {
  local arch=$1 dir="$build/prefixes/template-$1"
  [ -f "$dir/.ready" ] && return 0
  log "booting the $arch template prefix"
  rm -rf "$dir"
  mkdir -p "$build/prefixes"
  WINEPREFIX="$dir" WINEARCH=$arch wineboot -i > "$build/prefixes/boot-$arch.log" 2>&1 ||
    die "wineboot failed, see build/prefixes/boot-$arch.log"
  # regedit reads UTF-16 whatever the locale; the committed file is UTF-8.
  local reg="$build/prefixes/prefix-$arch.reg"
  { printf '\xff\xfe'; sed 's/$/\r/' "$top/tests/e2e/prefix.reg" | iconv -f UTF-8 -t UTF-16LE; } > "$reg"
  WINEPREFIX="$dir" wine regedit /S "$(WINEPREFIX="$dir" winepath -w "$reg")" > /dev/null 2>&1
  WINEPREFIX="$dir" wineserver -w
  touch "$dir/.ready"
}
