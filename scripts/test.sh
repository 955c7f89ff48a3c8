#!/usr/bin/env bash
# Installs what is needed, builds from a clean folder and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build=${ORINDO_TEST_BUILD:-build-test}
rm -rf "$build"
scripts/build.sh "$build"
cd "$build"
ctest --output-on-failure -j "$(nproc)"
