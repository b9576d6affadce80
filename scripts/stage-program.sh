#!/usr/bin/env bash
# Stages a program folder: Velda.exe and the files shipped beside it.
set -euo pipefail
build=$1 stage=$2
root=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$stage"
cp "$build/src/app/Velda.exe" "$stage/"
cp "$root"/data/* "$stage/" 2>/dev/null || true
