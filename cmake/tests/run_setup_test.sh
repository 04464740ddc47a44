#!/usr/bin/env bash
# ./run setup stops at the first failing step and names it. The machine's
# apt-get, dpkg and id are replaced by stand-ins on PATH, so nothing is
# installed; each row makes one step fail.
set -uo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
fail() { echo "FAIL: $*"; status=1; }

mkdir -p "$work/bin"
cat >"$work/bin/apt-get" <<'SH'
#!/bin/sh
# Fails when one of its arguments is the word in FAIL_ON; logs every call.
echo "$*" >>"$CALLS"
for a in "$@"; do [ "$a" = "$FAIL_ON" ] && exit 100; done
exit 0
SH
printf '#!/bin/sh\nexit 1\n' >"$work/bin/dpkg-query"                 # nothing installed
printf '#!/bin/sh\necho i386\n' >"$work/bin/dpkg"                      # i386 already added
printf '#!/bin/sh\necho 0\n' >"$work/bin/id"                           # as root
chmod +x "$work/bin/"*

# failing word | the step the message must name | a call that must not follow
while IFS='|' read -r word step_name later; do
  calls="$work/calls-$word"
  : >"$calls"
  out=$(CALLS="$calls" FAIL_ON="$word" TAVRIN_CACHE="$work/cache-$word" PATH="$work/bin:$PATH" \
        bash "$root/run" setup 2>&1); rc=$?
  [ "$rc" -ne 0 ] || fail "$word: setup succeeded"
  grep -qF "setup failed at step \"$step_name" <<<"$out" || fail "$word: no message naming \"$step_name\":"$'\n'"$out"
  if [ -n "$later" ] && grep -q -- "$later" "$calls"; then fail "$word: went on to '$later'"; fi
done <<'ROWS'
update|apt-get update|install
install|apt-get install|source
source|download the FFTW source package|
none|find fftw3_|
ROWS
[ $status -eq 0 ] && echo "run setup: every failing step named"
exit $status
