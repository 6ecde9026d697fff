#!/usr/bin/env bash
# Fails, naming the files, when a tracked C++ file differs from the committed .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."

unformatted=()
while IFS= read -r file; do
  clang-format --dry-run --Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done < <(git ls-files '*.cpp' '*.h')

if [ ${#unformatted[@]} -ne 0 ]; then
  echo "These files differ from .clang-format (run clang-format -i on them):"
  printf '  %s\n' "${unformatted[@]}"
  exit 1
fi
echo "Every C++ file follows .clang-format."
