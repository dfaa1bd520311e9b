#!/usr/bin/env bash
# Refuses an include that climbs the layers of src/. Each folder of src/ is
# one layer and may include only itself and the folders below it:
#   errorcore < platform < host < common < model < script < tools < dialogs
#   < editor < hostkit
# script/vbscript includes nothing of ours outside itself, and below dialogs
# only platform/ui may include a widget header.
# Usage: check-layers.sh [REPO_ROOT]; prints each violation, exits 1 if any.
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root/src"

layers=(errorcore platform host common model script tools dialogs editor hostkit)
declare -A rank
for i in "${!layers[@]}"; do rank[${layers[$i]}]=$i; done
widget_headers='QWidget|QDialog|QMessageBox|QLabel|QPushButton|QLineEdit|QTextEdit|QPlainTextEdit|QComboBox|QCheckBox|QTabWidget|QToolBar|QMenu|QApplication|QFileDialog|QTableWidget|QVBoxLayout|QHBoxLayout|QtWidgets'

status=0
while IFS= read -r file; do
  folder=${file%%/*}
  from=${rank[$folder]:-}
  if [ -z "$from" ]; then
    echo "check-layers: $file: folder '$folder' is not in the layer list"; status=1; continue
  fi
  while IFS=: read -r line text; do
    target=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+)".*/\1/' <<<"$text")
    top=${target%%/*}
    [ "$top" = "$target" ] && continue           # a file of the same folder
    to=${rank[$top]:-}
    [ -z "$to" ] && continue                     # not one of ours
    if [[ $file == script/vbscript/* && $target != script/vbscript/* ]]; then
      echo "check-layers: $file:$line: the VBScript engine includes $target"; status=1
    elif [ "$to" -gt "$from" ]; then
      echo "check-layers: $file:$line: $folder includes $target from the higher layer $top"; status=1
    fi
  done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" || true)
  if [ "$from" -lt "${rank[dialogs]}" ] && [[ $file != platform/ui/* ]]; then
    while IFS=: read -r line text; do
      echo "check-layers: $file:$line: widget header below the dialogs: $text"; status=1
    done < <(grep -nE "^[[:space:]]*#[[:space:]]*include[[:space:]]*<($widget_headers)[>/]" "$file" || true)
  fi
done < <(find . -name '*.h' -o -name '*.cpp' | sed 's#^\./##' | sort)

[ $status -eq 0 ] && echo "check-layers: ${#layers[@]} layers, every include goes down"
exit $status
