#!/usr/bin/env bash
# The player's demo: KvEngine.exe from the install folder with a demo
# station list, and the graphic module through KvGUI.exe once it is built.
# On a real display it runs until the player is closed; under the run
# script's Xvfb it leaves two screenshots once the main window is up and idle:
# the spectrum's bars, then its waveform.
#   bash player/demo.sh INSTALL_DIR OUTPUT_DIR WAIT_TOOL
# WAIT_TOOL is demo_wait_window.exe (player/demo/). Expects WINEPREFIX and
# DISPLAY to be set (./run demo does that).
set -euo pipefail

INSTALL="$(cd "$1" && pwd)"
OUTPUT="$(mkdir -p "$2" && cd "$2" && pwd)"
WAIT_TOOL="$3"
WAIT_MS="${DEMO_WAIT_MS:-30000}"
ENGINE_CLASS=TavrinFMPlayerWndClass
MODULE_CLASS=QorvVarix
# Sound the spectrum is shown after, once the window is up: its bars and its
# history fill from what has played.
SOUND_SECONDS=2

# The demo keeps its settings apart from a user's own player settings.
export KVINI_ROOT='Software\Tavrin\FM Player Demo'
REG_ROOT="HKCU\\$KVINI_ROOT"

say() { printf '== demo: %s\n' "$*"; }

# Until a window of the class exists and its thread is idle, at most WAIT_MS.
wait_window() {
  wine "$WAIT_TOOL" "$1" "$WAIT_MS" || { say "gave up waiting for a window of class $1"; return 1; }
}

# ---- settings in their stored forms
le32() { printf '%02x%02x%02x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255)); }
text_hex() { printf '%s' "$1" | od -An -tx1 | tr -d ' \n'; printf '00'; }

station() {  # flags hertz name
  le32 "$1"; le32 "$2"; text_hex "$3"
}

# Presets 1-6 label the station buttons with their frequencies; each label
# fits a button of the default skin.
demo_stations() {
  station 1  88400000 "Tavrin Classic"
  station 1  91300000 "City Beat"
  station 1  95000000 "Morning Talk"
  station 1  98700000 "Jazz Corner"
  station 1 101700000 "Northern Lights FM"
  station 1 104500000 "Retro Hits"
  station 0 106200000 "Nightwave"
}

reg_has() { wine reg query "$REG_ROOT\\$1" /v "$2" >/dev/null 2>&1; }
reg_binary() { wine reg add "$REG_ROOT\\$1" /v "$2" /t REG_BINARY /d "$3" /f >/dev/null 2>&1; }
reg_text() { wine reg add "$REG_ROOT\\$1" /v "$2" /t REG_SZ /d "$3" /f >/dev/null 2>&1; }

# Each setting is written only when it is missing, so a user's changes stay.
if ! reg_has KvStations Stations; then
  say "writing the demo station list into $REG_ROOT"
  reg_binary KvStations Stations "$(demo_stations)"
fi
if ! reg_has KvFilters Filters; then
  filters=""
  for f in Prismo.dll Tonal10.dll; do
    [ -f "$INSTALL/$f" ] && filters+="$(text_hex "$f")"
  done
  [ -n "$filters" ] && reg_binary KvFilters Filters "$filters"
fi
if ! reg_has KvSave FileName; then
  reg_text KvSave FileName "$(winepath -w "$OUTPUT")\\Rad <year>-<mon>-<dd> <hh>-<ii>-<ss>.wav"
fi
if [ -d "$INSTALL/Varix" ] && ! reg_has Vrx Skin; then
  skin=Nightfall.bmp  # the default skin, else the first there is
  [ -f "$INSTALL/Varix/$skin" ] || skin=$(cd "$INSTALL/Varix" && ls *.bmp 2>/dev/null | head -n 1 || true)
  [ -n "$skin" ] && reg_text Vrx Skin "$skin"
fi

# Tuned to a station of the list, with the analyzer more sensitive than by
# default: the generated programmes keep most of their sound below the
# spectrum's lowest band, and their bars would hardly rise.
reg_dword() { wine reg add "$REG_ROOT\\$1" /v "$2" /t REG_DWORD /d "$3" /f >/dev/null 2>&1; }
reg_has KvEngine Frequency || reg_dword KvEngine Frequency 101700000
reg_has Prismo MSpec || reg_dword Prismo MSpec 50000

# A smile on the equalizer, lows and highs up and the middle down, so the
# band sliders show a curve; the equalizer reads it when the engine loads it.
if ! reg_has Tonal10 LFreq0; then
  band=0
  for gain in 200 120 40 -20 -40 -40 -20 40 120 200; do
    reg_dword Tonal10 "LFreq$band" $(( (gain + 4294967296) % 4294967296 ))
    reg_dword Tonal10 "RFreq$band" $(( (gain + 4294967296) % 4294967296 ))
    band=$((band + 1))
  done
fi

# ---- the waveform screenshot, headless only: the module is started anew
# with the spectrum in its waveform mode (read when the view is made).
waveform_screenshot() {
  [ "$headless" -eq 1 ] && [ -n "$GUI" ] && command -v import >/dev/null || return 0
  reg_dword Vrx SpMode 2
  wine taskkill /f /im KvGUI.exe >/dev/null 2>&1 || true
  (cd "$INSTALL" && wine KvGUI.exe p Vrx.dll >/dev/null 2>&1) &
  PIDS+=("$!")
  wait_window "$MODULE_CLASS"
  sleep "$SOUND_SECONDS"
  import -window root "$OUTPUT/demo-waveform.png" 2>/dev/null && say "screenshot: $OUTPUT/demo-waveform.png" || say "no waveform screenshot taken"
  wine reg delete "$REG_ROOT\\Vrx" /v SpMode /f >/dev/null 2>&1 || true
}

# ---- run
PIDS=()
stop_all() {
  local p
  for p in "${PIDS[@]}"; do kill "$p" 2>/dev/null || true; done
  for p in "${PIDS[@]}"; do wait "$p" 2>/dev/null || true; done
  PIDS=()
}
trap stop_all EXIT

headless=1
if ps -eo args= | grep -Eq "^Xvfb ${DISPLAY}( |$)"; then headless=1; else headless=0; fi

say "starting KvEngine.exe"
wine "$INSTALL/KvEngine.exe" >/dev/null 2>&1 &
ENGINE=$!
PIDS+=("$ENGINE")
wait_window "$ENGINE_CLASS"
GUI=""
SHOWN=$ENGINE_CLASS
if [ -f "$INSTALL/Vrx.dll" ]; then
  say "starting KvGUI.exe p Vrx.dll"
  (cd "$INSTALL" && wine KvGUI.exe p Vrx.dll >/dev/null 2>&1) &
  GUI=$!
  PIDS+=("$GUI")
  SHOWN=$MODULE_CLASS
else
  say "no Vrx.dll yet: the engine plays on its own"
fi

# The advanced functions on, so the plug-ins run and the spectrum moves.
POST="$INSTALL/../tools/EnginePost.exe"
if [ -f "$POST" ]; then
  wine "$POST" advanced 1 >/dev/null 2>&1 && say "advanced functions on" || say "could not switch the advanced functions on"
  # Distinct volumes, so each volume slider's thumb stands at its own height.
  for line_volume in volume:80 volume-rec:35 volume-wav:60 volume-fm:90 volume-rad:50 volume-all:70; do
    wine "$POST" "${line_volume%%:*}" "${line_volume#*:}" >/dev/null 2>&1 || say "could not set ${line_volume%%:*}"
  done
fi

if [ "$headless" -eq 0 ] && [ -n "$GUI" ]; then
  say "running until the player is closed"
  wait "$ENGINE" 2>/dev/null || true
elif wait_window "$SHOWN" && command -v import >/dev/null; then
  sleep "$SOUND_SECONDS"
  import -window root "$OUTPUT/demo.png" 2>/dev/null && say "screenshot: $OUTPUT/demo.png" || say "no screenshot taken"
  waveform_screenshot
fi
stop_all
trap - EXIT
say "done"
