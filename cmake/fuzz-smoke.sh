#!/usr/bin/env bash
# A short libFuzzer run from the committed seeds; new inputs go to a scratch
# corpus, never into the source tree. FUZZ_SECONDS lengthens the run.
set -euo pipefail
fuzzer=$1 seeds=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/corpus"
[ -d "$seeds" ] && cp -r "$seeds"/. "$work/corpus/" 2>/dev/null || true
cd "$work"
exec "$fuzzer" -max_total_time="${FUZZ_SECONDS:-8}" -timeout=10 -rss_limit_mb=2048 \
  -print_final_stats=1 corpus
