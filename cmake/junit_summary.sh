#!/usr/bin/env bash
# Summarises CTest's JUnit reports (ctest --output-junit FILE), one per tree:
# a line per tree, the failed test programs by name, and the last line
# "N passed, M failed" counting test programs. Exit code 0 only when at
# least one test program ran and none failed.
#   junit_summary.sh LABEL=FILE [LABEL=FILE...]
# A missing report counts as a tree that ran nothing. A test skipped by its
# SKIP_RETURN_CODE is neither passed nor failed; one that could not be run
# (no executable, a failed fixture) has failed. Disabled tests are left out.
set -euo pipefail

passed=0 failed=0
for arg in "$@"; do
  label=${arg%%=*} file=${arg#*=}
  counts="0 0 0"
  names=""
  if [ -f "$file" ]; then
    # One <testcase ... status="..."> per test, on its own line, followed by
    # its <skipped message="..."/> when it did not run.
    report=$(awk '
      function attr(line, key,   m) {
        if (!match(line, key "=\"[^\"]*\"")) return ""
        m = substr(line, RSTART + length(key) + 2, RLENGTH - length(key) - 3)
        gsub(/&lt;/, "<", m); gsub(/&gt;/, ">", m); gsub(/&quot;/, "\"", m); gsub(/&amp;/, "\\&", m)
        return m
      }
      function close_case() {
        if (name == "") return
        if (status == "run") p++
        else if (status == "disabled") {}
        else if (status == "notrun" && skip ~ /^SKIP_(RETURN_CODE|REGULAR_EXPRESSION)/) s++
        else { f++; bad = bad " " name }
        name = ""
      }
      /<testcase / { close_case(); name = attr($0, "name"); status = attr($0, "status"); skip = ""; next }
      /<skipped / { skip = attr($0, "message"); next }
      END { close_case(); printf "%d %d %d\n%s\n", p, f, s, bad }
    ' "$file")
    counts=$(head -n 1 <<<"$report")
    names=$(sed -n 2p <<<"$report")
  fi
  read -r p f s <<<"$counts"
  line="$label: $p of $((p + f)) test programs passed"
  [ "$s" -gt 0 ] && line+=", $s skipped"
  [ -f "$file" ] || line+=" (no report: nothing ran)"
  echo "$line"
  [ -n "$names" ] && echo "  failed:$names"
  passed=$((passed + p)) failed=$((failed + f))
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
