#!/usr/bin/env bash
# Runs the test stages one after another and ends with one line that sums
# them all up, "N passed, N failed", which CI reads. Each stage's own output
# is passed through untouched. Exits non-zero when any stage failed.
# Usage: test_summary.sh 'stage command' ['stage command' ...]
set -u

passed=0
failed=0
status=0
log=$(mktemp)
trap 'rm -f "$log"' EXIT

for stage in "$@"; do
    bash -c "$stage" 2>&1 | tee "$log"
    rc=${PIPESTATUS[0]}
    # ctest's own summary: "95% tests passed, 2 tests failed out of 40".
    counts=$(sed -n -E 's/^[0-9]+% tests passed, ([0-9]+) tests? failed out of ([0-9]+).*/\1 \2/p' "$log")
    stage_failed=0
    while read -r bad total; do
        [ -n "$bad" ] || continue
        stage_failed=$((stage_failed + bad))
        passed=$((passed + total - bad))
    done <<< "$counts"
    # A stage that failed before or beside its tests (a build error, a crash of
    # ctest itself) counts once, so the line never hides a failed stage.
    if [ "$rc" -ne 0 ]; then
        status=1
        [ "$stage_failed" -gt 0 ] || stage_failed=1
    fi
    failed=$((failed + stage_failed))
done

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] || status=1
exit "$status"
