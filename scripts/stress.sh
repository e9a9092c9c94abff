#!/usr/bin/env bash
# Runs the monkey for a number of seeds and events, and the quote-file fuzz loop, in a
# sanitizer build; any sanitizer report, crash or hang fails the run.
# Usage: scripts/stress.sh <build-dir> <seeds> <events per seed>
set -euo pipefail
build="$1"; seeds="$2"; events="$3"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1:halt_on_error=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$(cd "$(dirname "$0")" && pwd)/lsan.supp:print_suppressions=0"
"$build/tests/fuzz_quotefile" "$RANDOM$RANDOM" 5000
for ((i = 0; i < seeds; i++)); do
  seed=$(( (RANDOM << 15 | RANDOM) ))
  timeout 1800 "$build/stress/nixaro_monkey" --seed "$seed" --events "$events"
done
echo "stress: $seeds seeds of $events events, no fault"
