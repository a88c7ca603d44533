#!/usr/bin/env bash
# Installs what is missing, builds, and extracts the pictures of the sample
# document with the console tool, then lists what it wrote.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

bash scripts/install-deps.sh
bash scripts/build.sh >/dev/null

output=$(mktemp -d)/sampleREC
echo "Extracting the pictures of samples/sample.doc into $output"
dist/native/velmo-extract samples/sample.doc "$output" || true
ls -l "$output" 2>/dev/null || true
