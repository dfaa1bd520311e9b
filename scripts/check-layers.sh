#!/usr/bin/env bash
# Refuses an include that climbs the layers of src/. Each folder of src/ is
# one layer and may include only itself and the folders below it:
#   errorcore < platform < host < common < model < script < tools < dialogs
#   < editor < hostkit
# Inside script/ the same rule holds one level down, each subfolder a layer:
#   vbscript < engine < objects < bridge < vbhost, jscript < script/ itself
# (the ScriptControl façade). vbhost and jscript are peers that never include
# each other; colorizer stands apart: it includes no other folder of script/
# and none of them includes it. script/vbscript includes nothing of ours
# outside itself, and below dialogs only platform/ui may include a widget
# header.
#
# An include is looked up as the compiler does: beside the including file
# first, then from src/; "../" and "./" are followed.
# Usage: check-layers.sh [REPO_ROOT]; prints each violation, exits 1 if any.
set -euo pipefail -o noglob
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root/src"

layers=(errorcore platform host common model script tools dialogs editor hostkit)
declare -A rank
for i in "${!layers[@]}"; do rank[${layers[$i]}]=$i; done
declare -A inner=([script/vbscript]=0 [script/engine]=1 [script/objects]=2 [script/bridge]=3
                  [script/vbhost]=4 [script/jscript]=4 [script]=5 [script/colorizer]=apart)
widget_headers='QWidget|QDialog|QMessageBox|QLabel|QPushButton|QLineEdit|QTextEdit|QPlainTextEdit|QComboBox|QCheckBox|QTabWidget|QToolBar|QMenu|QApplication|QFileDialog|QTableWidget|QVBoxLayout|QHBoxLayout|QtWidgets'
include_re='^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+)"'

# The path without "." and ".." steps, in $normal.
normalize() {
  local -a out=() steps
  local step IFS=/
  steps=($1)
  for step in "${steps[@]}"; do
    case $step in
      '' | .) ;;
      ..) if [ ${#out[@]} -gt 0 ]; then unset 'out[${#out[@]}-1]'; fi ;;
      *) out+=("$step") ;;
    esac
  done
  normal="${out[*]}"

}

# The layer a path of src/ belongs to, in $layer: its top folder, or for
# script/ the subfolder ("script/bridge"; "script" for the façade's files).
layer_of() {
  local path=$1 rest
  layer=${path%%/*}
  if [ "$layer" = script ]; then
    rest=${path#script/}
    if [[ $rest == */* ]]; then layer=script/${rest%%/*}; fi
  fi
}

status=0
fail() { echo "check-layers: $1"; status=1; }

while IFS= read -r file; do
  folder=${file%%/*}
  from=${rank[$folder]:-}
  if [ -z "$from" ]; then
    fail "$file: folder '$folder' is not in the layer list"; continue
  fi
  layer_of "$file"; from_layer=$layer
  if [ "$folder" = script ] && [ -z "${inner[$from_layer]:-}" ]; then
    fail "$file: folder '$from_layer' is not in the script layer list"; continue
  fi
  dir=.
  if [[ $file == */* ]]; then dir=${file%/*}; fi
  line=0
  while IFS= read -r text || [ -n "$text" ]; do
    line=$((line + 1))
    [[ $text =~ $include_re ]] || continue
    target=${BASH_REMATCH[1]}
    if [[ $target == ./* || $target == ../* || -e $dir/$target ]]; then
      normalize "$dir/$target"
    else
      normalize "$target"
    fi
    layer_of "$normal"; to_layer=$layer
    [ "$to_layer" = "$from_layer" ] && continue
    to=${rank[${normal%%/*}]:-}
    [ -z "$to" ] && continue                     # not one of ours
    if [ "$from_layer" = script/vbscript ]; then
      fail "$file:$line: the VBScript engine includes $target"
    elif [ "$folder" = script ] && [[ $normal == script/* ]]; then
      a=${inner[$from_layer]} b=${inner[$to_layer]:-}
      if [ -z "$b" ]; then
        fail "$file:$line: $target is in '$to_layer', which is not in the script layer list"
      elif [ "$a" = apart ] || [ "$b" = apart ]; then
        fail "$file:$line: $from_layer includes $target across the colouriser's own layer"
      elif [ "$b" -ge "$a" ]; then
        fail "$file:$line: $from_layer includes $target from $to_layer, which is not below it"
      fi
    elif [ "$to" -gt "$from" ]; then
      fail "$file:$line: $folder includes $target from the higher layer ${normal%%/*}"
    fi
  done <"$file"
done < <(find . \( -name '*.h' -o -name '*.cpp' \) | sed 's#^\./##' | sort)

below=()
for folder in "${layers[@]:0:${rank[dialogs]}}"; do
  if [ -d "$folder" ]; then below+=("$folder"); fi
done
while IFS=: read -r file line text; do
  [[ $file == platform/ui/* ]] || fail "$file:$line: widget header below the dialogs: $text"
done < <(grep -rnE --include='*.h' --include='*.cpp' \
           "^[[:space:]]*#[[:space:]]*include[[:space:]]*<($widget_headers)[>/]" "${below[@]}" || true)

[ $status -eq 0 ] && echo "check-layers: ${#layers[@]} layers and ${#inner[@]} inside script, every include goes down"
exit $status
