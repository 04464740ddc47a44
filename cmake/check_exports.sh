#!/usr/bin/env bash
# Checks a built DLL: exactly the expected exports by undecorated name, and
# imports only from Windows system DLLs plus the suite libraries allowed.
#   check_exports.sh FILE "Export1 Export2" "KvIni.dll KvAux.dll"
set -euo pipefail
file=$1 expected=$2 allowed_ours=${3:-}
objdump=i686-w64-mingw32-objdump
system="KERNEL32.dll USER32.dll GDI32.dll ADVAPI32.dll SHELL32.dll COMCTL32.dll WINMM.dll msvcrt.dll
ole32.dll OLEAUT32.dll comdlg32.dll SHLWAPI.dll VERSION.dll"

dump=$($objdump -p "$file")
actual=$(awk '/\[Ordinal\/Name Pointer\] Table/{t=1;next} t&&/^[ \t]*\[/{print $NF;next} t{t=0}' <<<"$dump" | sort)
want=$(tr ' ' '\n' <<<"$expected" | sed '/^$/d' | sort)
if [ "$actual" != "$want" ]; then
  echo "exports of $file differ"; diff <(echo "$want") <(echo "$actual") || true; exit 1
fi
status=0
while read -r dll; do
  [ -z "$dll" ] && continue
  ok=0
  for a in $system $allowed_ours; do [ "${dll,,}" = "${a,,}" ] && ok=1; done
  [ $ok -eq 1 ] || { echo "$file imports $dll"; status=1; }
done < <(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$dump")
[ $status -eq 0 ] && echo "$file: exports and imports as expected"
exit $status
