#!/usr/bin/env bash
# Keeps the layers honest:
#  - only windows (src/*/TF*), src/widgets, src/app/main.cpp and the window benchmarks (bench/ui)
#    may include Qt or use Q_OBJECT (logic tests and logic benchmarks neither);
#  - the given binaries (the CLI, the logic tests) link no Qt library;
#  - no product source but the atomic writer writes files itself.
# Usage: check_layers.sh <source-root> <binary>...
set -uo pipefail

root=${1:?source root}
shift
binaries=()
for binary in "$@"; do
  binaries+=("$(realpath -m -- "$binary")")
done
failed=0

report() {
  echo "layering: $*" >&2
  failed=1
}

cd "$root" || exit 2
[ -d src ] || { echo "layering: no src folder under $root" >&2; exit 2; }

qt_include='^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](Q[A-Za-z0-9_]+|Qt[A-Za-z0-9_]*/[^>"]*)[>"]'
while IFS= read -r -d '' file; do
  case "$file" in
    src/widgets/*|src/app/main.cpp|src/*/TF*|bench/ui/*) continue ;;
  esac
  if grep -nE "$qt_include" "$file" >/dev/null || grep -nw 'Q_OBJECT' "$file" >/dev/null; then
    report "$file uses Qt outside the window layer:"
    grep -nE "$qt_include|\bQ_OBJECT\b" "$file" >&2
  fi
done < <(find src tests/core tests/cli bench -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.hpp' \) -print0 2>/dev/null)

for binary in "${binaries[@]}"; do
  if [ ! -x "$binary" ]; then
    report "$binary is not a built executable"
    continue
  fi
  libraries=$(ldd "$binary" 2>&1) || { report "ldd failed on $binary: $libraries"; continue; }
  if grep -qi 'libQt' <<<"$libraries"; then
    report "$binary links Qt:"
    grep -i 'libQt' <<<"$libraries" >&2
  fi
done

# Ways of writing a file other than through the atomic writer.
direct_write='ofstream|std::fstream|basic_fstream|\bfopen\b|\bfreopen\b|\bfdopen\b|\bfwrite\b|\bcreat\(|O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|'\
'QSaveFile|QFile::copy|QIODevice::WriteOnly|QIODevice::ReadWrite|QIODevice::Append|QIODevice::Truncate|'\
'QImageWriter|save_file|copy_file|filesystem::copy\b|\.save\([^)]*(QString|qs\()'
# The serial-port probe opens devices read-write to learn whether they exist; it never creates or
# writes anything, so it alone may open with O_RDWR (and nothing stronger).
probe_only='src/platform/posix/ComPortLister.cpp'
while IFS= read -r -d '' file; do
  [ "$file" = src/platform/posix/AtomicFileWriter.cpp ] && continue
  pattern=$direct_write
  [ "$file" = "$probe_only" ] && pattern=${direct_write//|O_RDWR/}
  if grep -nE "$pattern" "$file" >/dev/null; then
    report "$file writes a file directly (use the FileWriter):"
    grep -nE "$pattern" "$file" >&2
  fi
done < <(find src -type f \( -name '*.h' -o -name '*.cpp' \) -print0)

if [ "$failed" -ne 0 ]; then
  exit 1
fi
echo "layering: ok"
