#!/usr/bin/env bash
# Fails when a tracked C++ file is not as the checked-in .clang-format would write it.
#   tests/check-format.sh [CLANG_FORMAT]     (default: clang-format-14, as dev.sh pins it)
set -euo pipefail
cd "$(dirname "$0")/.."
clang_format=${1:-clang-format-14}
git ls-files -z -- '*.cpp' '*.h' | xargs -0 "$clang_format" --dry-run -Werror
