#!/usr/bin/env bash
# The include check fails, naming the file and the line, when a rules file reaches widgets or
# a library it does not link, and when a source file belongs to no library; it passes a tree
# that keeps to its graph.
set -euo pipefail
check="$1/scripts/check-includes"
qt="$2"
tree="$(mktemp -d)"
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree/src/data" "$tree/src/ui"
printf '#pragma once\n#include <QString>\n' >"$tree/src/data/money.h"
printf '#pragma once\n#include "data/money.h"\n#include <QWidget>\n' >"$tree/src/ui/grid.h"
cat >"$tree/layer_graph.txt" <<GRAPH
library folio_data_rules Qt6::Core
library folio_ui folio_data_rules Qt6::Widgets
file folio_data_rules src/data/money.h
file folio_ui src/ui/grid.h
qtinclude $qt
GRAPH
"$check" "$tree" "$tree" >/dev/null

expect_fault() {
    if out="$("$check" "$tree" "$tree")"; then
        echo "passed a tree that breaks its layers: $1"; exit 1
    fi
    grep -qF "$1" <<<"$out" || { echo "expected '$1' in:"; echo "$out"; exit 1; }
}
printf '#pragma once\n#include <QString>\n#include <QWidget>\n' >"$tree/src/data/money.h"
expect_fault "src/data/money.h:3: folio_data_rules includes <QWidget> of QtWidgets"
printf '#pragma once\n#include "ui/grid.h"\n' >"$tree/src/data/money.h"
expect_fault "src/data/money.h:2: folio_data_rules includes \"ui/grid.h\" of folio_ui"
printf '#pragma once\n' >"$tree/src/data/money.h"
printf '#pragma once\n' >"$tree/src/data/stray.h"
expect_fault "src/data/stray.h: belongs to no library"
echo "include check: catches each planted fault"
