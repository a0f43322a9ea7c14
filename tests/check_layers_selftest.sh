#!/usr/bin/env bash
# Proves that check_layers.sh catches each kind of violation, on small made-up trees.
# Usage: check_layers_selftest.sh <check_layers.sh> <binary without Qt> <binary with Qt>
set -uo pipefail

check=${1:?check script}
clean_binary=${2:?binary without Qt}
qt_binary=${3:?binary with Qt}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

# A tree holding one file with `content` at `path`, checked against `binary`; `expect` is
# pass or fail.
expect() {
  local expect=$1 path=$2 content=$3 binary=$4 tree
  tree=$(mktemp -d "$work/tree.XXXXXX")
  mkdir -p "$tree/src/common" "$(dirname "$tree/$path")"
  printf '%s\n' "$content" >"$tree/$path"
  if bash "$check" "$tree" "$binary" >/dev/null 2>&1; then result=pass; else result=fail; fi
  if [ "$result" != "$expect" ]; then
    echo "selftest: $path with '$content' should $expect, did $result" >&2
    failed=1
  fi
}

expect pass src/common/Clean.cpp '#include <string>' "$clean_binary"
expect pass src/app/TFWindow.cpp '#include <QWidget>' "$clean_binary"
expect pass src/widgets/Helper.h '#include <QtWidgets/QLabel>' "$clean_binary"
expect pass src/app/main.cpp '#include <QApplication>' "$clean_binary"
expect pass src/platform/posix/AtomicFileWriter.cpp 'int fd = ::open(p, O_WRONLY | O_CREAT);' "$clean_binary"
expect pass src/common/Reader.cpp 'std::ifstream in(file);' "$clean_binary"
expect fail src/common/Settings.cpp '#include <QString>' "$clean_binary"
expect fail src/lang/Strings.h '  #  include "QtCore/qstring.h"' "$clean_binary"
expect fail src/common/Model.h 'class M { Q_OBJECT };' "$clean_binary"
expect fail tests/core/logic_test.cpp '#include <QTest>' "$clean_binary"
expect pass bench/ui/window_bench.cpp '#include <QApplication>' "$clean_binary"
expect fail bench/logic_bench.cpp '#include <QString>' "$clean_binary"
expect fail src/common/Clean.cpp '#include <string>' "$qt_binary"
expect fail src/common/Writer.cpp 'std::ofstream out(file);' "$clean_binary"
expect fail src/common/Writer.cpp 'FILE* f = fopen(name, "w");' "$clean_binary"
expect fail src/common/Writer.cpp 'int fd = open(name, O_CREAT | O_WRONLY, 0666);' "$clean_binary"
expect fail src/app/TFWindow.cpp 'QSaveFile file(name);' "$clean_binary"
expect fail src/app/TFWindow.cpp 'file.open(QIODevice::WriteOnly);' "$clean_binary"
expect fail src/nmea/Copy.cpp 'std::filesystem::copy_file(a, b);' "$clean_binary"

exit "$failed"
