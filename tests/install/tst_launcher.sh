#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Lexiwren authors
# SPDX-License-Identifier: GPL-3.0-or-later

# The menu launcher, installed into a scratch prefix and run with a scratch
# HOME; the installed program is swapped for a stand-in that reports the
# folder it was started in, and another lexiwren waits first in PATH.
#   tst_launcher.sh CMAKE BUILD_DIR EXAMPLES_DIR
set -eu

cmake=$1
build=$2
examples=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

"$cmake" --install "$build" --prefix "$scratch/prefix" >/dev/null

home="$scratch/my home" # a space tests the quoting
mkdir "$scratch/on-path" "$home"
cat >"$scratch/prefix/bin/lexiwren" <<'STANDIN'
#!/bin/sh
pwd
STANDIN
cat >"$scratch/on-path/lexiwren" <<'ELSEWHERE'
#!/bin/sh
echo "the lexiwren found through PATH"
ELSEWHERE
chmod +x "$scratch/on-path/lexiwren"

launch() {
    HOME="$home" PATH="$scratch/on-path:$PATH" "$scratch/prefix/bin/lexiwren-launch"
}
folder="$home/Lexiwren"

# First start: the folder is made and holds the examples, byte for byte.
started_in=$(launch)
[ "$started_in" = "$folder" ] || fail "first start ran in '$started_in', not '$folder'"
for name in basic-words.txt daily-life.txt; do
    cmp -s "$examples/$name" "$folder/$name" || fail "$name was not copied as it is"
done

# The learner edits one file and deletes the other; a second start keeps both changes.
echo "wren レン 0 ミソサザイ" >"$folder/daily-life.txt"
rm "$folder/basic-words.txt"
started_in=$(launch)
[ "$started_in" = "$folder" ] || fail "second start ran in '$started_in', not '$folder'"
[ "$(cat "$folder/daily-life.txt")" = "wren レン 0 ミソサザイ" ] || fail "the edited file was overwritten"
[ ! -e "$folder/basic-words.txt" ] || fail "a deleted example came back"

# Started through a link elsewhere, as a menu may do, it still runs its own program.
ln -s "$scratch/prefix/bin/lexiwren-launch" "$scratch/on-path/lexiwren-launch"
started_in=$(HOME="$home" PATH="$scratch/on-path:$PATH" lexiwren-launch)
[ "$started_in" = "$folder" ] || fail "started through a link, the launcher ran '$started_in'"

echo "PASS: launcher"
