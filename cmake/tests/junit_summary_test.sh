#!/usr/bin/env bash
# junit_summary.sh over the JUnit reports of a real CTest run of a small
# project whose tests pass, fail, skip, time out, lack their program or are
# disabled; and over a run that found no test and a report that is missing.
set -uo pipefail
summary="$(cd "$(dirname "$0")/.." && pwd)/junit_summary.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
fail() { echo "FAIL: $*"; status=1; }

cat >"$work/CMakeLists.txt" <<'CMAKE'
cmake_minimum_required(VERSION 3.21)
project(reports NONE)
enable_testing()
add_test(NAME passes COMMAND true)
add_test(NAME "needs &amp; <escapes>" COMMAND true)
add_test(NAME fails COMMAND false)
add_test(NAME skips COMMAND sh -c "exit 77")
set_tests_properties(skips PROPERTIES SKIP_RETURN_CODE 77)
add_test(NAME disabled COMMAND false)
set_tests_properties(disabled PROPERTIES DISABLED ON)
add_test(NAME no_program COMMAND /nonexistent/program)
add_test(NAME times_out COMMAND sleep 30)
set_tests_properties(times_out PROPERTIES TIMEOUT 1)
CMAKE
cmake -S "$work" -B "$work/b" >/dev/null || { echo "cannot configure the sample project"; exit 1; }
(cd "$work/b" && ctest --output-junit "$work/mixed.xml" >/dev/null 2>&1)
(cd "$work/b" && ctest -R 'passes|escapes' --output-junit "$work/green.xml" >/dev/null 2>&1)
(cd "$work/b" && ctest -R no_such_test --output-junit "$work/none.xml" >/dev/null 2>&1)

# expected last line | expected exit: 0 or 1 | pattern the output must hold | reports
while IFS='|' read -r last code pattern reports; do
  out=$(eval bash "$summary" $reports 2>&1); rc=$?
  got_last=$(tail -n 1 <<<"$out")
  [ "$got_last" = "$last" ] || fail "$reports: last line '$got_last', expected '$last'"
  { [ "$code" -eq 0 ] && [ "$rc" -eq 0 ]; } || { [ "$code" -ne 0 ] && [ "$rc" -ne 0 ]; } \
    || fail "$reports: exit code $rc, expected $code"
  grep -qF -- "$pattern" <<<"$out" || fail "$reports: output lacks '$pattern':"$'\n'"$out"
done <<EOF_ROWS
2 passed, 3 failed|1|failed: fails no_program times_out|mixed=$work/mixed.xml
2 passed, 3 failed|1|mixed: 2 of 5 test programs passed, 1 skipped|mixed=$work/mixed.xml
2 passed, 0 failed|0|green: 2 of 2 test programs passed|green=$work/green.xml
2 passed, 0 failed|0|none: 0 of 0|green=$work/green.xml none=$work/none.xml
0 passed, 0 failed|1|none: 0 of 0|none=$work/none.xml
0 passed, 0 failed|1|nothing ran|gone=$work/missing.xml
4 passed, 3 failed|1|green: 2 of 2|green=$work/green.xml mixed=$work/mixed.xml
EOF_ROWS
[ $status -eq 0 ] && echo "junit_summary.sh: all rows as expected"
exit $status
