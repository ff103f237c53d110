# bash completion for tessaro-cli
# Commands and options come from the program's own --help, and the backups for
# restore from its backups command, so the completion never falls behind it.

# Reads the help into: _tc_commands (names), _tc_usage[name] (its usage line),
# _tc_options (every long option), _tc_valued (the options that take a value),
# _tc_for[option] (the commands its description starts with, as in "set: ...").
_tessaro_cli_read_help() {
    local line section= name
    local option_line='^ +(-[a-zA-Z], )?(--[a-z][a-z-]*)( <[^>]*>)?( +(([a-z]+, )*[a-z]+):)?'
    _tc_commands=() _tc_options=() _tc_valued=() _tc_usage=() _tc_for=()
    while IFS= read -r line; do
        case $line in
        Commands:) section=commands ;;
        Options:) section=options ;;
        [![:space:]]*) section= ;;
        esac
        if [[ $section == commands && $line =~ ^\ \ ([a-z][a-z-]*)(.*)$ ]]; then
            name=${BASH_REMATCH[1]}
            _tc_commands+=("$name")
            _tc_usage[$name]=${BASH_REMATCH[2]}
        elif [[ $section == options && $line =~ $option_line ]]; then
            name=${BASH_REMATCH[2]}
            _tc_options+=("$name")
            [[ -n ${BASH_REMATCH[3]} ]] && _tc_valued+=("$name")
            _tc_for[$name]=${BASH_REMATCH[5]//,/}
        fi
    done < <(LC_ALL=C LANGUAGE= "$1" --help 2>/dev/null)
}

_tessaro_cli_has() {
    local word=$1
    shift
    local w
    for w in "$@"; do
        [[ $w == "$word" ]] && return 0
    done
    return 1
}

# Whether a usage line names the option, bare or in brackets.
_tessaro_cli_names() {
    [[ " ${2//[][]/ } " == *" $1 "* ]]
}

# Adds the words of the list that start with the current word.
_tessaro_cli_offer() {
    local w
    for w in "$@"; do
        [[ $w == "$cur"* ]] && COMPREPLY+=("$w")
    done
}

_tessaro_cli() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    local program=${COMP_WORDS[0]/#\~/$HOME}
    local -a _tc_commands _tc_options _tc_valued
    local -A _tc_usage _tc_for
    COMPREPLY=()
    _tessaro_cli_read_help "$program"
    ((${#_tc_commands[@]})) || return 0

    # The command is the first word that is neither an option nor an option's value.
    local i word command= args=0
    for ((i = 1; i < COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        if _tessaro_cli_has "$word" "${_tc_valued[@]}"; then
            ((i++))
        elif [[ $word == -* ]]; then
            :
        elif [[ -z $command ]]; then
            command=$word
        else
            ((args++))
        fi
    done

    if _tessaro_cli_has "$prev" "${_tc_valued[@]}"; then
        case $prev in
        --port-folder)
            compopt -o filenames 2>/dev/null
            mapfile -t COMPREPLY < <(compgen -d -- "$cur")
            ;;
        --port)
            _tessaro_cli_offer COM{1..21}
            if [[ $cur == /* ]]; then
                compopt -o filenames 2>/dev/null
                mapfile -t -O "${#COMPREPLY[@]}" COMPREPLY < <(compgen -f -- "$cur")
            fi
            ;;
        esac
        return 0
    fi

    if [[ $cur == -* ]]; then
        # An option no command claims is for every command; a command adds the options
        # its usage names and those whose description names it.
        local option
        local -a offered=()
        for option in "${_tc_options[@]}"; do
            if { [[ -z ${_tc_for[$option]} ]] && ! _tessaro_cli_names "$option" "${_tc_usage[*]}"; } ||
                { [[ -n $command ]] && { _tessaro_cli_names "$option" "${_tc_usage[$command]}" ||
                    _tessaro_cli_names "$command" "${_tc_for[$option]}"; }; }; then
                offered+=("$option")
            fi
        done
        _tessaro_cli_offer "${offered[@]}"
        return 0
    fi

    if [[ -z $command ]]; then
        _tessaro_cli_offer "${_tc_commands[@]}"
        return 0
    fi
    ((args == 0)) || [[ $command == diff && $args == 1 ]] || return 0
    case $command in
    write | diff | series)
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -d -- "$cur"; compgen -f -X '!*.json' -- "$cur")
        ;;
    save | report)
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
        ;;
    restore)
        # Lines are PATH  NAME  TIME; every backup's file name ends in .json.
        local line
        while IFS= read -r line; do
            [[ $line == *.json\ \ * ]] || continue
            line=${line%%.json  *}.json
            [[ $line == "$cur"* ]] && COMPREPLY+=("$line")
        done < <(LC_ALL=C LANGUAGE= "$program" backups 2>/dev/null)
        compopt -o filenames 2>/dev/null
        ((${#COMPREPLY[@]})) ||
            mapfile -t COMPREPLY < <(compgen -d -- "$cur"; compgen -f -X '!*.json' -- "$cur")
        ;;
    esac
    return 0
}
complete -F _tessaro_cli tessaro-cli
