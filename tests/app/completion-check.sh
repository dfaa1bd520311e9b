#!/usr/bin/env bash
# completion-check.sh SENSOR_SCRIPT COMPLETION
#
# The bash completion offers what each command's --help lists: every option
# after "-", the commands first, and no option where an option's value goes.
# bash-completion's helpers are replaced by stand-ins that say what was asked.
set -uo pipefail
program=$1
_init_completion() { words=("${COMP_WORDS[@]}"); cword=$COMP_CWORD; cur=${words[cword]}; prev=${words[cword - 1]}; split=false; }
_filedir() { COMPREPLY=("<files ${1:-}>"); }
complete() { :; }
# shellcheck source=/dev/null
source "$2"

# complete WORD...: what completing the last word offers, one a line, sorted.
complete_words() {
  COMP_WORDS=(sensor-script "$@"); COMP_CWORD=$#; COMPREPLY=()
  _sensor_script
  printf '%s\n' "${COMPREPLY[@]}" | sort
}
failures=0
expect() { # what, offered, wanted
  [ "$2" = "$3" ] || { printf '%s:\n offered: %s\n wanted:  %s\n' "$1" "$(echo $2)" "$(echo $3)" >&2; failures=$((failures + 1)); }
}

commands=$("$program" --help | sed -n '/^commands:/,/^$/p' | awk 'NF > 1 { print $1 }')
expect "commands" "$(complete_words '')" "$(printf '%s\n' $commands -h --help -V --version | sort)"
for command in $commands; do
  help=$("$program" "$command" --help)
  options=$(grep -oE '^  (-[A-Za-z], )?--[a-z-]+' <<<"$help" | tr -d ',' | tr ' ' '\n' | grep . | sort)
  expect "$command -" "$(complete_words "$command" -)" "$options"
  for option in $(grep -oE '^  (-[A-Za-z], )?--[a-z-]+ <' <<<"$help" | tr -d ',<' | tr ' ' '\n' | grep .); do
    expect "$command $option" "$(complete_words "$command" "$option" - | grep -c '^-')" 0
  done
done
expect "evaluate --unit" "$(complete_words evaluate --unit K)" "KB"
expect "evaluate --workdir" "$(complete_words evaluate --workdir '')" "<files -d>"
[ $failures -eq 0 ] && echo "completion offers what the $(wc -w <<<"$commands") commands accept"
exit $((failures > 0))
