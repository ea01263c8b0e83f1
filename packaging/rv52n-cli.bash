# bash completion for rv52n-cli. The commands, their options and the ports come from the
# program itself (rv52n-cli --completion-words), so a new command completes as it is added.

_rv52n_cli() {
    local cur prev words cword split
    _init_completion -s || return
    local cli=${words[0]}
    if ((cword == 1)); then
        mapfile -t COMPREPLY < <(compgen -W "$("$cli" --completion-words 2>/dev/null) --help --version" -- "$cur")
        return
    fi
    local options
    options=$("$cli" --completion-words "${words[1]}" 2>/dev/null) || return
    # Options that take a value are listed with a trailing "=".
    if [[ $prev == -* ]] && grep -qxF -- "$prev=" <<<"$options"; then
        case $prev in
            --port) mapfile -t COMPREPLY < <(compgen -W "$("$cli" --completion-words --port 2>/dev/null)" -- "$cur") ;;
            --lang) mapfile -t COMPREPLY < <(compgen -W "en zh" -- "$cur") ;;
            --retries | --model | --model-type | --band | --serial | --version) ;;
            *) _filedir ;;
        esac
        return
    fi
    $split && return
    if [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "${options//=/}" -- "$cur")
        return
    fi
    _filedir
}
complete -F _rv52n_cli rv52n-cli
