# Shared by the scripts: paths, logging and the Wine prefixes.
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$top/build"
log() { printf '[kxfix] %s\n' "$*" >&2; }
die() { log "error: $*"; exit 1; }

export WINEDEBUG=-all
# No Mono or Gecko installers: nothing here needs them, and their prompts would hang a run.
# No debugger either: a crashing test should fail at once, not wait for its timeout.
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"

# wait_for SECONDS COMMAND...: runs COMMAND five times a second until it succeeds; false once
# the time is up.
wait_for() {
  local tries=$(($1 * 5))
  shift
  until "$@"; do
    tries=$((tries - 1))
    [ $tries -gt 0 ] || return 1
    sleep 0.2
  done
}

# on_display COMMAND...: runs it on a virtual display of its own, 1280 x 1024 in true colour.
# Runs start side by side: each looks for a free display from a place of its own, so two
# seldom reach for the same number in the same instant.
on_display() { xvfb-run -a -n $((100 + $$ % 800)) -s "-screen 0 1280x1024x24" "$@"; }

# find_box TITLE [--onlyvisible]: sets box_id to the newest window whose whole name matches
# the extended regular expression TITLE. One search at a time: a window that goes while
# xdotool walks the tree ends that search with an X error, and its --sync would end with it.
find_box() {
  box_id=$(LANG=en_US.UTF-8 xdotool search ${2:-} --name "^$1\$" 2> /dev/null | tail -1)
  [ -n "$box_id" ]
}

# box_picture: the colour count and pixel signature of the box's area; nothing when its
# window is gone.
box_picture() {
  local X= Y= WIDTH= HEIGHT=
  eval "$(xdotool getwindowgeometry --shell "$box_id" 2> /dev/null | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
  [ -n "$WIDTH" ] || return 0
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage -format '%k %#' info: 2> /dev/null
}

# settle_picture TITLE: waits, at most about 15 s, until the box's area shows more than one
# colour and has not changed for a second: its picture comes after its window, in pieces on
# a busy machine, and may fade in. Wine may give the box a new X window when its picture
# comes; then the box is looked up again.
settle_picture() {
  local last= now same=0 i
  for i in $(seq 75); do
    now=$(box_picture)
    [ -n "$now" ] || find_box "$1"
    if [ -n "$now" ] && [ "$now" = "$last" ] && [ "${now%% *}" -gt 1 ]; then
      same=$((same + 1))
      [ $same -ge 4 ] && return 0
    else
      same=0
    fi
    last=$now
    sleep 0.2
  done
  return 1
}

# A prefix is ready when its mark names the registry settings it was made with, so a change
# to them reaches prefixes made before it.
prefix_stamp() { sha256sum < "$top/tests/e2e/prefix.reg" | cut -c1-16; }
prefix_ready() { [ "$(cat "$1/.ready" 2> /dev/null)" = "$(prefix_stamp)" ]; }

# managed_windows PREFIX: a copied prefix hands its windows to a window manager again. The
# platform's own message boxes then look as they always did: without a window manager Wine
# draws a caption of its own around an unmanaged one.
managed_windows() {
  sed -i 's/^"Managed"="N"$/"Managed"="Y"/' "$1/user.reg"
  grep -qx '"Managed"="Y"' "$1/user.reg"
}

# Boots one template prefix per architecture; tests copy it instead of booting again.
make_template_prefix() {
  local arch=$1 dir="$build/prefixes/template-$1"
  prefix_ready "$dir" && return 0
  mkdir -p "$build/prefixes"
  # Tests that start together must not boot the same template twice.
  exec 8> "$dir.lock"
  flock 8
  if ! prefix_ready "$dir"; then
    log "booting the $arch template prefix"
    rm -rf "$dir"
    WINEPREFIX="$dir" WINEARCH=$arch wineboot -i > "$build/prefixes/boot-$arch.log" 2>&1 ||
      die "wineboot failed, see build/prefixes/boot-$arch.log"
    # regedit reads UTF-16 whatever the locale; the committed file is UTF-8.
    local reg="$build/prefixes/prefix-$arch.reg"
    { printf '\xff\xfe'; sed 's/$/\r/' "$top/tests/e2e/prefix.reg" | iconv -f UTF-8 -t UTF-16LE; } > "$reg"
    WINEPREFIX="$dir" wine regedit /S "$(WINEPREFIX="$dir" winepath -w "$reg")" > /dev/null 2>&1
    WINEPREFIX="$dir" wineserver -w
    prefix_stamp > "$dir/.ready"
  fi
  exec 8>&-
}
