#!/usr/bin/env bash
# package.sh over the real install folder: the user's archive holds the
# suite's files and never a stand-in, its binaries carry no debug information
# but a link to their .debug file, which the debug archive holds with the
# debug information; the demo kit holds the stand-ins and its script.
#   package_test.sh INSTALL_DIR TOOLS_DIR
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
install=$1 tools=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
fail() { echo "FAIL: $*"; status=1; }
prefix=i686-w64-mingw32

bash "$here/../package.sh" "$install" "$tools" "$work/out" >/dev/null || { echo "package.sh failed"; exit 1; }
for a in companions companions-debug demo-kit; do
  mkdir -p "$work/$a" && unzip -q "$work/out/TavrinFM-$a.zip" -d "$work/$a" || fail "cannot unpack TavrinFM-$a.zip"
done

for standin in KvEngine.exe KvGUI.exe KvIni.dll KvLang.dll KvPort.dll KvPort.bus; do
  [ -e "$work/companions/$standin" ] && fail "the user archive holds the stand-in $standin"
  if [ -e "$install/$standin" ] && [ ! -e "$work/demo-kit/$standin" ]; then fail "the demo kit lacks $standin"; fi
done
for f in demo.cmd demo_wait_window.exe; do [ -e "$work/demo-kit/$f" ] || fail "the demo kit lacks $f"; done
[ -f "$work/companions/Varix/Nightfall.txt" ] || fail "the user archive lacks the default skin"

for module in Vrx.dll VrxB.dll Prismo.dll Tonal10.dll KvAux.dll KvWizard.exe; do
  [ -e "$install/$module" ] || continue
  shipped="$work/companions/$module" debug="$work/companions-debug/$module.debug"
  [ -f "$shipped" ] || { fail "the user archive lacks $module"; continue; }
  $prefix-objdump -h "$shipped" | grep -q '\.debug_' && fail "$module ships with debug information"
  rm -f "$work/link"
  $prefix-objcopy --dump-section .gnu_debuglink="$work/link" "$shipped" "$work/scratch" 2>/dev/null
  link=$(cut -d '' -f 1 "$work/link" 2>/dev/null | head -n 1)
  [ "$link" = "$module.debug" ] || fail "$module links to '$link', not $module.debug"
  [ -f "$debug" ] && $prefix-objdump -h "$debug" | grep -q '\.debug_info' || fail "$module.debug holds no debug information"
done
[ $status -eq 0 ] && echo "package: three archives as expected"
exit $status
