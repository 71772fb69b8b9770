#!/bin/sh
# The launcher's copy of the program folder in the player's data folder: a
# program file rebuilt under the same version replaces the player's copy,
# while the player's catalogue (with the draws), number files and banner
# stay as the player left them.
# Usage: test_launcher.sh LAUNCHER
set -eu
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
lib=$root/usr/lib/korvel
mkdir -p "$root/usr/bin" "$lib/数据库" "$lib/附属" "$lib/图片" "$root/tmp"
cp "$1" "$root/usr/bin/korvel"
chmod 755 "$root/usr/bin/korvel"
failures=0
expect() { # what, expected, actual
  if [ "$2" != "$3" ]; then
    echo "FAILED: $1: expected \"$2\", got \"$3\""
    failures=$((failures + 1))
  fi
}

# A stand-in program file that tells which build it is and whether it was
# given a runtime folder.
build() { # name, time
  printf '#!/bin/sh\n[ -d "${XDG_RUNTIME_DIR:-}" ] && runtime=runtime || runtime=none\necho %s "$runtime" "$@"\n' "$1" \
    > "$lib/korvel"
  chmod 755 "$lib/korvel"
  touch -d "$2" "$lib/korvel"
}
build build-1 '2024-03-01 10:00:00'
echo 2.0 > "$lib/version"
echo shipped > "$lib/数据库/彩票数据.mdb"
echo shipped > "$lib/附属/about.txt"
echo splash > "$lib/图片/flash.jpg"

export HOME="$root/home" TMPDIR="$root/tmp"
unset XDG_DATA_HOME XDG_RUNTIME_DIR
copy=$HOME/.local/share/korvel
expect "first start" "build-1 runtime 双色球" "$("$root/usr/bin/korvel" 双色球)"
expect "catalogue copied" shipped "$(cat "$copy/数据库/彩票数据.mdb")"

# The player adds draws to the catalogue, saves bets, the banner arrives.
echo "player's draws" > "$copy/数据库/彩票数据.mdb"
echo "01 02 03" > "$copy/附属/我的号码.txt"
echo banner > "$copy/图片/guanggao.gif"

# The same version rebuilt: a program file of the same size, made later,
# and a new shipped catalogue, also of the same size.
build build-2 '2024-03-02 10:00:00'
echo SHIPPED > "$lib/数据库/彩票数据.mdb"
expect "rebuilt program" "build-2 runtime" "$("$root/usr/bin/korvel")"
expect "player's catalogue" "player's draws" "$(cat "$copy/数据库/彩票数据.mdb")"
expect "player's number file" "01 02 03" "$(cat "$copy/附属/我的号码.txt")"
expect "banner" banner "$(cat "$copy/图片/guanggao.gif")"
expect "shipped files" "shipped splash" "$(cat "$copy/附属/about.txt" "$copy/图片/flash.jpg" | tr '\n' ' ' | sed 's/ $//')"

[ "$failures" -eq 0 ] && echo "launcher: all checks passed"
exit "$failures"
