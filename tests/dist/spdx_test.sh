#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file git tracks (.cpp, .h, .sh, CMakeLists.txt) names its
# licence in an SPDX-License-Identifier line near its top.
#   spdx_test.sh SOURCE_DIR
set -euo pipefail
cd "$1"
git rev-parse --is-inside-work-tree >/dev/null 2>&1 || { echo "FAIL: $1 is not a git checkout" >&2; exit 1; }
missing=()
while IFS= read -r -d '' f; do
    [ -f "$f" ] || continue
    head -n 5 "$f" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' || missing+=("$f")
done < <(git ls-files -z -- '*.cpp' '*.h' '*.sh' '*CMakeLists.txt')
if [ ${#missing[@]} -gt 0 ]; then
    printf 'FAIL: no SPDX-License-Identifier: GPL-3.0-or-later line in %s\n' "${missing[@]}" >&2
    echo "${#missing[@]} files lack the line" >&2
    exit 1
fi
echo "every tracked source file names its licence"
