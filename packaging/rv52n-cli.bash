# bash completion for rv52n-cli. The commands, their options, the ports, models, bands and
# setting keys come from the program itself (rv52n-cli --completion-words, rv52n-cli keys),
# so a new command or setting completes as it is added.

# Completes the current word from the words given one a line; words may hold spaces.
_rv52n_cli_words() {
    local IFS=$'\n'
    compopt -o filenames 2>/dev/null
    mapfile -t COMPREPLY < <(compgen -W "$1" -- "$cur")
}

# The number of arguments before the current word that are neither options nor their values.
_rv52n_cli_positionals() {
    local options=$1 i n=0
    for ((i = 2; i < cword; i++)); do
        if [[ ${words[i]} == -* ]]; then
            [[ ${words[i]} != *=* ]] && grep -qxF -- "${words[i]}=" <<<"$options" && ((i++))
        else
            ((n++))
        fi
    done
    echo $n
}

_rv52n_cli() {
    local cur prev words cword split
    _init_completion -s || return
    local cli=${words[0]}
    if ((cword == 1)); then
        mapfile -t COMPREPLY < <(compgen -W "$("$cli" --completion-words 2>/dev/null) --help --version --about" -- "$cur")
        return
    fi
    local command=${words[1]} options
    options=$("$cli" --completion-words "$command" 2>/dev/null) || return
    # Options that take a value are listed with a trailing "=".
    if [[ $prev == -* ]] && grep -qxF -- "$prev=" <<<"$options"; then
        case $prev in
            --port | --model | --lang)
                _rv52n_cli_words "$("$cli" --completion-words "$prev" 2>/dev/null)" ;;
            --band)
                # The bands of the model given on the line, else of every model.
                local i model=
                for ((i = 2; i < cword - 1; i++)); do
                    [[ ${words[i]} == --model ]] && model=${words[i + 1]}
                    [[ ${words[i]} == --model=* ]] && model=${words[i]#--model=}
                done
                _rv52n_cli_words "$("$cli" --completion-words --band $model 2>/dev/null)" ;;
            --ports)
                # A comma list: the word after the last comma completes, the rest stays.
                local prefix=
                [[ $cur == *,* ]] && prefix=${cur%,*},
                mapfile -t COMPREPLY < <(compgen -P "$prefix" -W "$("$cli" --completion-words --ports 2>/dev/null)" -- "${cur##*,}")
                compopt -o nospace 2>/dev/null ;;
            --retries | --model-type | --serial | --version | --count | --corrupt-write | \
                --corrupt-read | --hang-up-after | --silent-after) ;;
            --backup-dir) _filedir -d ;;
            *) _filedir ;;
        esac
        return
    fi
    $split && return
    if [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "${options//=/}" -- "$cur")
        return
    fi
    case $command in
        help)
            mapfile -t COMPREPLY < <(compgen -W "$("$cli" --completion-words 2>/dev/null)" -- "$cur")
            return ;;
        get | set)
            # FILE first, then setting keys (for set, KEY=VALUE).
            if (($(_rv52n_cli_positionals "$options") >= 1)); then
                [[ $command == set && $cur == *=* ]] && return
                local keys
                keys=$("$cli" keys 2>/dev/null | awk '{ print $1 }')
                if [[ $command == set ]]; then
                    mapfile -t COMPREPLY < <(compgen -S = -W "$keys" -- "$cur")
                    compopt -o nospace 2>/dev/null
                else
                    mapfile -t COMPREPLY < <(compgen -W "$keys" -- "$cur")
                fi
                return
            fi ;;
    esac
    _filedir
}
complete -F _rv52n_cli rv52n-cli
