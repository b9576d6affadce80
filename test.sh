#!/usr/bin/env bash
# Builds and runs every test: native with AddressSanitizer/UBSan, the
# Windows build under Wine (window tests under Xvfb), and short fuzz runs.
# Exits non-zero when anything fails; ends with ctest's summary lines.
set -uo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh || exit 1

status=0
logs=()
step() { echo "==> $*"; "$@" || { echo "FAILED: $*"; status=1; }; }
run_ctest() {
  local preset=$1 log=build/ctest-$1.log; shift
  ctest --preset "$preset" "$@" 2>&1 | tee "$log"
  [ "${PIPESTATUS[0]}" -eq 0 ] || status=1
  logs+=("$log")
}

mkdir -p build
for preset in native-asan windows fuzz; do
  if step cmake --preset "$preset" >/dev/null && step cmake --build --preset "$preset"; then
    case $preset in
      fuzz) run_ctest fuzz-smoke ;;
      *) run_ctest "$preset" ;;
    esac
  fi
done

echo
echo "==== Summary ===="
for log in "${logs[@]}"; do
  echo "$(basename "$log" .log | sed 's/^ctest-//'):"
  grep -E 'tests passed|tests failed|Total Test time|^\s+[0-9]+ - ' "$log" || echo "  (no summary)"
done
[ $status -eq 0 ] && echo "ALL PASSED" || echo "SOME STEPS FAILED"
exit $status
