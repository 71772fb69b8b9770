#!/bin/sh
# Starts Korvel自动选号器 from a program folder of the player's own.
#
# The program keeps its catalogue and its banner next to its program file,
# so the installed folder (read-only, shared) is copied once into the
# player's data folder and started from there. A newer installation
# replaces the program files but keeps the player's catalogue and files.
set -e
# Installed as usr/bin/korvel beside usr/lib/korvel below the same prefix.
installed=$(cd "$(dirname "$0")/../lib/korvel" && pwd)
home=${XDG_DATA_HOME:-$HOME/.local/share}/korvel
if [ ! -f "$home/version" ] || ! cmp -s "$installed/version" "$home/version"; then
  mkdir -p "$home"
  for item in "$installed"/*; do
    name=$(basename "$item")
    case "$name" in
      数据库|附属)
        # The player's own data: only what is missing is added.
        mkdir -p "$home/$name"
        cp -R -n "$item"/. "$home/$name"/ ;;
      *) rm -rf "$home/$name"; cp -R "$item" "$home/$name" ;;
    esac
  done
fi
exec "$home/korvel" "$@"
