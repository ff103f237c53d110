#!/bin/sh
# Runs tessaro-cli's shell completion as the shells would, and checks what it offers:
# check_completion.sh BASH_FILE ZSH_FILE DIR_WITH_TESSARO_CLI
set -eu
bash_file=$(realpath "$1") bin=$(realpath "$3") zsh_file=${2:+$(realpath "$2")}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "completion: $*"; exit 1; }

# A backup in the test's own data folder, and settings files in its own folder.
export XDG_DATA_HOME="$work/data" PATH="$bin:$PATH" LC_ALL=C
mkdir -p "$XDG_DATA_HOME/tessaro/backups" "$work/set dir/sub"
backup="$XDG_DATA_HOME/tessaro/backups/OS2403A1-20261206T234409Z.json"
echo '{"format": 1, "name": "OS2403A1", "throw": 90, "speed": 100, "centre": 0, "reverse": 0, "deadband": 2, "reset": 0}' >"$backup"
touch "$work/set dir/rudder.json" "$work/set dir/notes.txt"
cd "$work"

offers() { # what bash offers for the words given, sorted, one a line
    bash -c '. "$0"; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _tessaro_cli
             printf "%s\n" "${COMPREPLY[@]}" | sort' "$bash_file" tessaro-cli "$@"
}
expect() { # expect "WANTED LINES" WORDS...
    want=$1 && shift && got=$(offers "$@") && [ "$got" = "$want" ] ||
        fail "bash, for '$*': offered '$got', expected '$want'"
}
nl='
'
expect "read${nl}report${nl}reset${nl}restore" re
expect "backups${nl}diff${nl}history${nl}ports${nl}read${nl}report${nl}reset${nl}restore${nl}save${nl}series${nl}set${nl}write" ""
expect "--dry-run${nl}--force${nl}--help${nl}--help-all${nl}--no-backup${nl}--port${nl}--port-folder${nl}--trace${nl}--verbose${nl}--version" write --
expect "--force" restore --f
expect "--deadband${nl}--dry-run" --port COM1 set --d
expect "--port${nl}--port-folder" --po
for command in read history; do expect "--json" $command --j; done
expect "set dir/rudder.json${nl}set dir/sub" diff "set dir/rudder.json" "set dir/"
expect "--count" series --c
expect "" read --f
expect "COM2${nl}COM20${nl}COM21" --port COM2
for command in write series; do expect "set dir/rudder.json${nl}set dir/sub" $command "set dir/"; done
expect "" write "set dir/rudder.json" "set"
expect "$backup" --port-folder . restore ""
expect "" --throw
XDG_DATA_HOME="$work/none" expect "set dir/rudder.json${nl}set dir/sub" restore "set dir/"

[ -z "$zsh_file" ] && exit 0
command -v zsh >/dev/null || fail "zsh is not installed"
zoffers() { # what zsh offers; the completion system's two calls print their arguments
    zsh -fc 'compadd() { [[ $1 == -f ]] && shift; if [[ $1 == -a ]]; then print -rl -- ${(P)2}; else print -rl -- "$@"; fi }
             _files() { print -r -- "files $*" }
             words=("$@"); CURRENT=$#; PREFIX=$words[CURRENT]; . "$0"' "$zsh_file" tessaro-cli "$@" | sort
}
zexpect() { want=$1 && shift && [ "$(zoffers "$@")" = "$want" ] || fail "zsh, for '$*': offered '$(zoffers "$@")'"; }
zexpect "backups${nl}diff${nl}history${nl}ports${nl}read${nl}report${nl}reset${nl}restore${nl}save${nl}series${nl}set${nl}write" ""
zexpect "$backup" restore ""
zexpect "files -g *.json" write ""
zoffers read -- | grep -qx -- --json || fail "zsh offers no --json for read"
echo "completion: bash and zsh offer commands, options, settings files and backups"
