#!/bin/sh
# What the package and cmake --install put in place: the program folder
# with its data beside the program files, the program files without their
# debug information, the launcher.
# Usage: test_install_tree.sh BUILD_DIR
set -eu
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
cmake --install "$1" --prefix "$root" --strip > /dev/null
lib=$root/usr/lib/korvel
failures=0
for file in korvel 软件演示 version 数据库/彩票数据.mdb 附属/about.txt 附属/flash.txt 图片/flash.jpg \
            图片/演示1.png 帮助/Korvel自动选号器帮助.chm; do
  [ -s "$lib/$file" ] || { echo "FAILED: usr/lib/korvel/$file is not installed"; failures=$((failures + 1)); }
done
[ -x "$root/usr/bin/korvel" ] || { echo "FAILED: no launcher"; failures=$((failures + 1)); }
for program in korvel 软件演示; do
  if [ -f "$lib/$program" ] && readelf -S "$lib/$program" | grep -q '\.debug_info'; then
    echo "FAILED: usr/lib/korvel/$program keeps its debug information"
    failures=$((failures + 1))
  fi
done
[ "$failures" -eq 0 ] && echo "install tree: all checks passed"
exit "$failures"
