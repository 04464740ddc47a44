#!/usr/bin/env bash
# Makes the three archives of a release from the staged install folder:
#   TavrinFM-companions.zip        what a user unpacks into the player's folder:
#                                  the suite's own files only, without debug information
#   TavrinFM-companions-debug.zip  the debug information of those binaries (*.debug,
#                                  found by a debugger through each binary's debug link)
#   TavrinFM-demo-kit.zip          the stand-ins of the player's own parts and a demo
#                                  script, to try the suite without the player
#   package.sh INSTALL_DIR TOOLS_DIR OUT_DIR
# Every file of the install folder must be known here as the suite's or a
# stand-in, so a new file cannot slip into the wrong archive unnoticed.
set -euo pipefail
install=$(cd "$1" && pwd) tools=$(cd "$2" && pwd)
out=$(mkdir -p "$3" && cd "$3" && pwd)
prefix=i686-w64-mingw32

SUITE_BINARIES=(Vrx.dll VrxB.dll Prismo.dll Tonal10.dll KvAux.dll KvWizard.exe)
STAND_INS=(KvEngine.exe KvGUI.exe KvIni.dll KvLang.dll KvPort.dll KvPort.bus)
is_in() { local x=$1 y; shift; for y in "$@"; do [ "${x,,}" = "${y,,}" ] && return 0; done; return 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/user" "$work/debug" "$work/demo"

# The binary stripped into DEST, its debug information into DEBUG_DIR/NAME.debug.
strip_into() {
  local file=$1 dest=$2 debug_dir=${3:-} name
  name=$(basename "$file")
  cp "$file" "$dest/$name"
  if [ -n "$debug_dir" ]; then
    $prefix-objcopy --only-keep-debug "$file" "$debug_dir/$name.debug"
  fi
  $prefix-strip --strip-debug --strip-unneeded "$dest/$name"
  if [ -n "$debug_dir" ]; then
    (cd "$debug_dir" && $prefix-objcopy --add-gnu-debuglink="$name.debug" "$dest/$name")
  fi
}

for entry in "$install"/*; do
  name=$(basename "$entry")
  if is_in "$name" "${SUITE_BINARIES[@]}"; then
    strip_into "$entry" "$work/user" "$work/debug"
  elif [ "$name" = Varix ] || [[ "${name,,}" == *.lng ]]; then
    cp -r "$entry" "$work/user/"
  elif is_in "$name" "${STAND_INS[@]}"; then
    case "${name,,}" in
      *.dll | *.exe) strip_into "$entry" "$work/demo" ;;
      *) cp "$entry" "$work/demo/" ;;
    esac
  else
    echo "package: $name in $install is neither the suite's nor a stand-in; add it to $0" >&2
    exit 1
  fi
done
strip_into "$tools/demo_wait_window.exe" "$work/demo"

# The demo kit's script: settings apart from a player's own (KVINI_ROOT),
# the default skin and both plug-ins, then the engine and the main window.
text_hex() { printf '%s\0' "$@" | od -An -tx1 | tr -d ' \n'; }
cat >"$work/demo/demo.cmd" <<CMD
@echo off
rem Unpack TavrinFM-companions.zip and this kit into one empty folder and run this script.
cd /d "%~dp0"
set KVINI_ROOT=Software\\Tavrin\\FM Player Demo
reg add "HKCU\\%KVINI_ROOT%\\Vrx" /v Skin /d Nightfall.bmp /f >nul
reg add "HKCU\\%KVINI_ROOT%\\KvFilters" /v Filters /t REG_BINARY /d $(text_hex Prismo.dll Tonal10.dll) /f >nul
start "" KvEngine.exe
demo_wait_window.exe TavrinFMPlayerWndClass
start "" KvGUI.exe p Vrx.dll
CMD
sed -i 's/$/\r/' "$work/demo/demo.cmd"

# Checks on what is about to ship: no stand-in in the user's archive (it
# would overwrite the player's own), and no debug information left in it.
for f in "$work/user"/*; do
  name=$(basename "$f")
  if is_in "$name" "${STAND_INS[@]}"; then echo "package: stand-in $name in the user archive" >&2; exit 1; fi
  if [[ "${name,,}" == *.dll || "${name,,}" == *.exe ]] && $prefix-objdump -h "$f" | grep -q '\.debug_'; then
    echo "package: $name still carries debug information" >&2; exit 1
  fi
done

rm -f "$out"/TavrinFM-companions.zip "$out"/TavrinFM-companions-debug.zip "$out"/TavrinFM-demo-kit.zip
(cd "$work/user" && zip -qr "$out/TavrinFM-companions.zip" .)
(cd "$work/debug" && zip -qr "$out/TavrinFM-companions-debug.zip" .)
(cd "$work/demo" && zip -qr "$out/TavrinFM-demo-kit.zip" .)
echo "$out/TavrinFM-companions.zip: the suite's files for the player's folder"
echo "$out/TavrinFM-companions-debug.zip: their debug information"
echo "$out/TavrinFM-demo-kit.zip: the stand-ins and demo.cmd, to try the suite without the player"
