#!/bin/bash
# Fetches the sources of the audio codec libraries (libogg, libvorbis, flac, mpg123) from the
# Debian release's source packages, Debian's patches applied, into one folder that the build
# trees of both targets share:
#   bash scripts/get-audio-sources.sh [DEST]         (DEST defaults to $BUILD_ROOT/audio-sources)
# Apt is pointed at a private list of deb-src entries derived from this machine's own Debian
# entries (the same mirrors, suites and keys; no host is named here) with its own index folder,
# so /etc/apt and the system's indexes stay as they are. Apt checks every downloaded file against
# the signed Sources index. A DEST that already holds the packages' .dsc files and tarballs
# (fetched elsewhere: an offline build) is only unpacked.
# Result: DEST/<package>-<version>/ and DEST/versions.txt, one line "package version folder".
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
dest=${1:-${BUILD_ROOT:-$here/../build}/audio-sources}
packages=(libogg libvorbis flac mpg123)
mkdir -p "$dest"
dest=$(cd "$dest" && pwd)
codename=$(. /etc/os-release && echo "${VERSION_CODENAME:?}")

have_dsc() { compgen -G "$dest/${1}_*.dsc" >/dev/null; }
missing=()
for p in "${packages[@]}"; do have_dsc "$p" || missing+=("$p"); done

if [ ${#missing[@]} -gt 0 ]; then
  state=$dest/.apt
  mkdir -p "$state/sources.list.d" "$state/lists/partial" "$state/cache/archives/partial"
  # deb822 stanzas and one-line entries of type deb for this release's suites, as deb-src.
  shopt -s nullglob
  awk -v rel="$codename" '
    function flush() {
      if (para != "" && isdeb && keep) { sub(/\nTypes:[^\n]*/, "\nTypes: deb-src", para); print substr(para, 2) "\n" }
      para = ""; isdeb = 0; keep = 0
    }
    /^[ \t]*$/ { flush(); next }
    /^#/ { next }
    /^Types:/ { isdeb = ($0 ~ /[ \t]deb([ \t]|$)/) }
    /^Suites:/ { keep = 1; for (i = 2; i <= NF; i++) if ($i !~ "^" rel "(-[a-z]+)?$") keep = 0 }
    /^Enabled:[ \t]*no/ { isdeb = 0 }
    { para = para "\n" $0 }
    END { flush() }' /etc/apt/sources.list.d/*.sources /dev/null > "$state/sources.list.d/release-src.sources"
  awk -v rel="$codename" '
    $1 == "deb" { i = 2; if ($2 ~ /^\[/) while ($i !~ /\]$/) i++; if ($2 ~ /^\[/) i++
                  if ($(i + 1) ~ "^" rel "(-[a-z]+)?$") { $1 = "deb-src"; print } }' \
    $(ls /etc/apt/sources.list 2>/dev/null) /etc/apt/sources.list.d/*.list /dev/null > "$state/sources.list.d/release-src.list"
  shopt -u nullglob
  if [ ! -s "$state/sources.list.d/release-src.sources" ] && [ ! -s "$state/sources.list.d/release-src.list" ]; then
    echo "get-audio-sources: no apt entry for $codename found to derive deb-src entries from" >&2
    exit 1
  fi
  apt=(-o DPkg::Lock::Timeout=600 -o Dir::Etc::SourceList=/dev/null
       -o Dir::Etc::SourceParts="$state/sources.list.d" -o Dir::State::Lists="$state/lists"
       -o Dir::Cache="$state/cache" -o Acquire::Languages=none -o APT::Sandbox::User=root)
  echo "get-audio-sources: fetching ${missing[*]} ($codename source packages)"
  apt-get "${apt[@]}" update -qq || { echo "get-audio-sources: apt-get update failed" >&2; exit 1; }
  cd "$dest"
  for p in "${missing[@]}"; do
    # mpg123's patched version is published in both the release and its security suite; the
    # security suite's pool is the one that is sure to hold every file of it.
    suites=("$p")
    [ "$p" = mpg123 ] && suites=("$p/$codename-security" "$p")
    ok=
    for s in "${suites[@]}"; do
      if apt-get "${apt[@]}" source --download-only -qq "$s" >"$state/source-$p.log" 2>&1; then ok=1; break; fi
    done
    [ -n "$ok" ] || { cat "$state/source-$p.log" >&2; echo "get-audio-sources: cannot download the source of $p" >&2; exit 1; }
  done
fi

# Unpack with Debian's patches applied (dpkg-source checks the files against the .dsc).
cd "$dest"
lines=()
for p in "${packages[@]}"; do
  dsc=$(ls -1 "${p}"_*.dsc | sort -V | tail -1)
  version=$(sed -n 's/^Version: //p' "$dsc")
  dir=$p-${version#*:}
  if [ ! -f "$dir/.unpacked" ]; then
    rm -rf "$dir"
    log=$dest/.unpack-$p.log
    dpkg-source -q -x "$dsc" "$dir" >"$log" 2>&1 ||
      { cat "$log" >&2; echo "get-audio-sources: cannot unpack $dsc" >&2; exit 1; }
    rm -f "$log"
    touch "$dir/.unpacked"
  fi
  lines+=("$p $version $dir")
done
# Rewritten only when it changes: the build trees reconfigure when it does.
printf '%s\n' "${lines[@]}" > versions.txt.new
if cmp -s versions.txt.new versions.txt; then rm versions.txt.new; else mv versions.txt.new versions.txt; fi
cat versions.txt
