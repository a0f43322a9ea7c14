#!/usr/bin/env bash
# The compiler and libFuzzer for `make fuzz` only; `make test` replays the corpora without them.
set -euo pipefail
exec bash "$(dirname "$0")/install-deps.sh" clang libclang-rt-14-dev
