#!/bin/sh
# Starts Korvel自动选号器 from a program folder of the player's own.
#
# The program keeps its catalogue and its banner next to its program file,
# so the installed folder (read-only, shared) is copied into the player's
# data folder and started from there. Whenever the installed files change
# (a new version, or the same version rebuilt), the program files there are
# replaced; the player's catalogue (with the draws), number files and
# anything else the player added are kept.
set -e
# Installed as usr/bin/korvel beside usr/lib/korvel below the same prefix.
installed=$(cd "$(dirname "$0")/../lib/korvel" && pwd)
home=${XDG_DATA_HOME:-$HOME/.local/share}/korvel

# Every installed file's name, size and time: a reinstalled or rebuilt
# package changes at least one of them, the player's copy none.
stamp=$(cd "$installed" && find . -printf '%p %s %T@\n' | LC_ALL=C sort)
if [ "$stamp" != "$(cat "$home/.installed" 2>/dev/null)" ]; then
  mkdir -p "$home"
  for item in "$installed"/*; do
    name=${item##*/}
    case "$name" in
      数据库|附属)
        # The player's own data: only what is missing is added.
        mkdir -p "$home/$name"
        cp -R -n "$item"/. "$home/$name"/ ;;
      *)
        if [ -d "$item" ]; then
          # File by file, so that what the program put there (the banner
          # in 图片) stays.
          mkdir -p "$home/$name"
          cp -R "$item"/. "$home/$name"/
        else
          # Removed first: a program file still running in another start
          # cannot be written over.
          rm -f "$home/$name"
          cp "$item" "$home/$name"
        fi ;;
    esac
  done
  printf '%s\n' "$stamp" > "$home/.installed.new"
  mv -f "$home/.installed.new" "$home/.installed"
fi

# Without a session manager nobody sets XDG_RUNTIME_DIR, and Qt complains at
# every start before making one itself: a private one is given here.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  XDG_RUNTIME_DIR=${TMPDIR:-/tmp}/runtime-$(id -u)
  mkdir -p "$XDG_RUNTIME_DIR" 2>/dev/null || true
  if [ -d "$XDG_RUNTIME_DIR" ] && [ -O "$XDG_RUNTIME_DIR" ] && [ ! -L "$XDG_RUNTIME_DIR" ]; then
    chmod 700 "$XDG_RUNTIME_DIR"
  else
    XDG_RUNTIME_DIR=$(mktemp -d)
  fi
  export XDG_RUNTIME_DIR
fi
exec "$home/korvel" "$@"
