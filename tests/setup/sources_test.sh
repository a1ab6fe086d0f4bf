#!/usr/bin/env bash
# The set-up takes its mirror and keyring from the machine's apt sources and switches only the
# suites. Fake source files, read through apt's own configuration, stand in for the machine's.
set -uo pipefail
tests=$(cd "$(dirname "$0")/.." && pwd)
source "$tests/../scripts/setup"
set +e
source "$tests/wine_checks.sh"

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
export APT_CONFIG="$dir/apt.conf"
printf 'Dir::Etc::SourceList "%s/sources.list";\nDir::Etc::SourceParts "%s/parts";\n' "$dir" "$dir" > "$APT_CONFIG"

# sources CASE: fills the fake sources.list and parts folder for one case.
sources() {
  rm -rf "$dir/sources.list" "$dir/parts"
  mkdir -p "$dir/parts"
  case $1 in
  one_line)
    cat > "$dir/sources.list" <<'END'
# a comment
deb [arch=amd64,i386 signed-by=/k/one.gpg] http://mirror.example/debian-security bookworm-security main
deb-src http://src.example/debian bookworm main
  deb [ signed-by=/k/one.gpg arch=amd64 ] http://mirror.example/debian bookworm main contrib # note
END
    ;;
  deb822)
    cat > "$dir/parts/off.sources" <<'END'
Types: deb
URIs: http://off.example/debian
Suites: bookworm
Components: main
Enabled: no
END
    cat > "$dir/parts/other.sources" <<'END'
Types: deb-src
URIs: http://src.example/debian
Suites: bookworm
Components: main

# the archive
Types: deb deb-src
URIs: http://one.example/debian http://two.example/debian
suites: bookworm-updates bookworm
Components: main non-free-firmware
Signed-By: /k/two.gpg
END
    echo 'deb http://farm.example/debian bookworm main' > "$dir/parts/a.list.disabled"
    ;;
  inline_key)
    printf '%s\n' 'Types: deb' 'URIs: http://key.example/debian' 'Suites: trixie' \
      'Components: main' 'Signed-By:' ' -----BEGIN PGP PUBLIC KEY BLOCK-----' ' .' ' mQINBGP' \
      ' -----END PGP PUBLIC KEY BLOCK-----' > "$dir/parts/key.sources"
    ;;
  no_key)
    echo 'deb http://plain.example/debian trixie main' > "$dir/parts/plain.list"
    ;;
  esac
}

while read -r case release suites expected; do
  sources "$case"
  got=$(archive_stanza "$release" ${suites//,/ } 2> /dev/null | paste -sd'|')
  check "$case: the entry for $release with $suites" "$expected" "$got"
done <<'END'
one_line bookworm bookworm Types: deb|URIs: http://mirror.example/debian|Suites: bookworm|Components: main contrib|Signed-By: /k/one.gpg
deb822 bookworm bookworm,bookworm-updates Types: deb|URIs: http://one.example/debian|Suites: bookworm bookworm-updates|Components: main non-free-firmware|Signed-By: /k/two.gpg
inline_key trixie forky Types: deb|URIs: http://key.example/debian|Suites: forky|Components: main|Signed-By: | -----BEGIN PGP PUBLIC KEY BLOCK-----| .| mQINBGP| -----END PGP PUBLIC KEY BLOCK-----
no_key trixie trixie Types: deb|URIs: http://plain.example/debian|Suites: trixie|Components: main
END

sources deb822
(archive_stanza sid sid > /dev/null 2>&1)
check "a release without an entry stops the set-up" 1 $?

for pair in bullseye:trixie bookworm:trixie trixie:trixie forky:forky; do
  check "the emulator for ${pair%:*} comes from ${pair#*:}" "${pair#*:}" "$(emulator_release "${pair%:*}")"
done
report
