# Shared by the shell tests: checks that print one line each, and throw-away Wine prefixes
# copied from the templates. Source scripts/lib.sh first.
passed=0 failed=0 work=

pass() { passed=$((passed + 1)); echo "ok: $*"; }
fail() { failed=$((failed + 1)); echo "FAILED: $*"; }

check() { # check WHAT EXPECTED ACTUAL
  if [ "$2" = "$3" ]; then pass "$1"; else fail "$1"$'\n'"  expected: $2"$'\n'"  actual:   $3"; fi
}

report() {
  echo "$passed passed, $failed failed"
  [ "$failed" = 0 ]
}

# Windows sees the Unix root as drive Z:.
zpath() { local p=$1; echo "Z:${p//\//\\}"; }

# new_prefix ARCH NAME: a fresh copy of the template, so no state leaks between scenarios.
new_prefix() {
  finish_prefix
  make_template_prefix "$1"
  mkdir -p "$build/tmp"
  work=$(mktemp -d "$build/tmp/$2-XXXX")
  cp -a "$build/prefixes/template-$1" "$work/prefix"
  export WINEPREFIX="$work/prefix"
}

finish_prefix() {
  [ -n "$work" ] || return 0
  wineserver -k 2> /dev/null
  rm -rf "$work"
  work=
}
trap finish_prefix EXIT
