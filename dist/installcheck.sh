#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR and checks what a user's machine gets: the layout, the menu
# entries and metainfo, and that the installed programs keep the user's data in the user's folders and
# never write beside themselves.
# Arguments: build folder, install prefix, then the bin, helper and data folders relative to the prefix.
set -euo pipefail
build=$1 prefix=$2 bindir=$3 helperdir=$4 datadir=$5

scratch=$(mktemp -d)
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$scratch/dest" cmake --install "$build" >/dev/null
root=$scratch/dest$prefix
id=org.parkwen.Parkwen

for f in "$bindir/parkwen" "$helperdir/rigwell" "$helperdir/hovlen"; do
  [ -f "$root/$f" ] && [ -x "$root/$f" ] || fail "$f is missing or cannot be run"
done
for f in "$datadir/parkwen/blank.pkn" "$datadir/applications/$id.desktop" "$datadir/applications/$id.Setup.desktop" \
         "$datadir/icons/hicolor/scalable/apps/$id.svg" "$datadir/metainfo/$id.metainfo.xml"; do
  [ -f "$root/$f" ] || fail "$f is missing"
done
for f in "$datadir/bash-completion/completions/parkwen" "$datadir/zsh/vendor-completions/_parkwen" \
         "$datadir/fish/vendor_completions.d/parkwen.fish" "$datadir/doc/parkwen/copyright"; do
  [ -f "$root/$f" ] || fail "$f is missing"
done
grep -q "GPL-3+" "$root/$datadir/doc/parkwen/copyright" || fail "the copyright file does not give the licence"
grep -qx "StartupWMClass=Parkwen" "$root/$datadir/applications/$id.desktop" || fail "the menu entry does not name the window"
grep -q "^MimeType=.*application/zip;" "$root/$datadir/applications/$id.desktop" || fail "the menu entry takes no archives"
[ "$(basename "$bindir")" = games ] || fail "parkwen is installed in $bindir, not where Debian keeps a game's programs"
[ ! -e "$root/bin" ] || fail "the bin folder is used: the package's section is games"
zcat "$root/$datadir/man/man6/parkwen.6.gz" | head -n1 | grep -q '^\.TH PARKWEN 6 ' ||
  fail "the manual page is not in section 6 beside the program in games/"
grep -qx "Exec=$prefix/$bindir/parkwen %F" "$root/$datadir/applications/$id.desktop" ||
  fail "the menu entry does not start the installed parkwen"
for f in blank.pkn paths.mdb sets rigwell; do
  [ ! -e "$root/$bindir/$f" ] || fail "$bindir/$f: nothing but parkwen belongs in the bin folder"
done
grep -qx "Exec=$prefix/$helperdir/rigwell" "$root/$datadir/applications/$id.Setup.desktop" ||
  fail "the setup entry does not start the installed rigwell"
grep -qx "Name=Parkwen Setup" "$root/$datadir/applications/$id.Setup.desktop" || fail "the setup entry is not named Parkwen Setup"

# Another prefix chosen when installing: the setup entry follows it.
DESTDIR="$scratch/other" cmake --install "$build" --prefix /opt/pw >/dev/null
grep -qx "Exec=/opt/pw/$helperdir/rigwell" "$scratch/other/opt/pw/$datadir/applications/$id.Setup.desktop" ||
  fail "the setup entry does not follow the prefix chosen when installing"

desktop-file-validate "$root/$datadir/applications/$id.desktop" "$root/$datadir/applications/$id.Setup.desktop"
appstreamcli validate --no-net "$root/$datadir/metainfo/$id.metainfo.xml" >"$scratch/appstream.log" 2>&1 ||
  { cat "$scratch/appstream.log" >&2; fail "appstreamcli validate"; }

# A relocated copy, and one marked portable, made before the install turns read-only.
cp -a "$scratch/dest" "$scratch/moved"
cp -a "$scratch/dest" "$scratch/marked"
touch "$scratch/marked$prefix/$bindir/portable"

chmod -R a-w "$scratch/dest" "$scratch/moved"
find "$scratch/dest" | sort >"$scratch/before"
home=$scratch/home
mkdir -p "$home"
run() { env -i HOME="$home" PATH=/usr/bin:/bin "$@"; }

version=$(run "$root/$bindir/parkwen" --version) || fail "parkwen --version failed"
echo "$version"
grep -qx "Parkwen 1.02" <<<"$version" || fail "no version line"
grep -qx "Data: per user" <<<"$version" || fail "an installed parkwen keeps its data beside itself"
grep -qx "Settings: $home/.config/parkwen/paths.mdb" <<<"$version" || fail "paths.mdb is not in XDG_CONFIG_HOME"
grep -qx "Sets: $home/.local/share/parkwen/sets" <<<"$version" || fail "the sets are not in XDG_DATA_HOME"
grep -qx "Programs: $root/$helperdir" <<<"$version" || fail "parkwen does not find rigwell"

setup=$(run "$root/$helperdir/rigwell" --version) || fail "rigwell --version failed"
[ "$(grep -v '^Parkwen' <<<"$version")" = "$(grep -v '^Parkwen' <<<"$setup")" ] ||
  fail "parkwen and rigwell disagree: $setup"

# XDG folders of the user's choosing are followed.
custom=$(env -i HOME="$home" XDG_CONFIG_HOME="$scratch/cfg" XDG_DATA_HOME="$scratch/data" "$root/$bindir/parkwen" --version)
grep -qx "Settings: $scratch/cfg/parkwen/paths.mdb" <<<"$custom" || fail "XDG_CONFIG_HOME is not followed"

# The first command creates the user's folders with the blank set; without settings it fails with 1.
status=0
run "$root/$bindir/parkwen" --list car 2>"$scratch/err" || status=$?
[ "$status" = 1 ] || fail "--list without settings ended with $status"
grep -q "not set up" "$scratch/err" || fail "--list without settings did not say why"
[ -f "$home/.local/share/parkwen/blank.pkn" ] || fail "the data folder did not get its blank set"
[ -d "$home/.config/parkwen" ] || fail "the configuration folder was not created"

# The main program's commands work on the settings in the user's folder.
"$build/bin/parkwen_makedemo" "$scratch/library" "$home/.config/parkwen" >/dev/null
cars=$(run "$root/$bindir/parkwen" --list car) || fail "--list car failed"
first=$(head -n1 <<<"$cars")
[ -n "$first" ] || fail "--list car printed no car"
run "$root/$bindir/parkwen" --move "$first" --to garage || fail "--move failed"
run "$root/$bindir/parkwen" --list garage | grep -qxF "$first" || fail "the moved car is not in the garage"
status=0
run "$root/$bindir/parkwen" --move "$first" --to attic 2>/dev/null || status=$?
[ "$status" = 2 ] || fail "a wrong command line ended with $status"

find "$scratch/dest" | sort >"$scratch/after"
cmp -s "$scratch/before" "$scratch/after" || fail "something was written into the installed tree"

moved=$(run "$scratch/moved$prefix/$bindir/parkwen" --version)
grep -qx "Programs: $scratch/moved$prefix/$helperdir" <<<"$moved" || fail "a moved install does not find rigwell"
grep -qx "Data: per user" <<<"$moved" || fail "a moved install keeps its data beside itself"

marked=$(run "$scratch/marked$prefix/$bindir/parkwen" --version)
grep -qx "Settings: $scratch/marked$prefix/$bindir/paths.mdb" <<<"$marked" || fail "a portable file is not followed"
marked_setup=$(run "$scratch/marked$prefix/$helperdir/rigwell" --version)
grep -qx "Settings: $scratch/marked$prefix/$bindir/paths.mdb" <<<"$marked_setup" || fail "rigwell ignores the portable file"
echo "install layout: all checks passed"
