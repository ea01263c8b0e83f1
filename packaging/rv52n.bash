# bash completion for rv52n, the desktop program: its options as its own --help lists them,
# the ports as rv52n-cli finds them, data files to open.

_rv52n() {
    local cur prev words cword split
    _init_completion -s || return
    case $prev in
        --port)
            mapfile -t COMPREPLY < <(compgen -W "$(rv52n-cli --completion-words --port 2>/dev/null)" -- "$cur")
            return ;;
        --screenshot)
            _filedir png
            return ;;
        --window)
            return ;;
    esac
    $split && return
    if [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$(_parse_help "$1")" -- "$cur")
        [[ ${COMPREPLY-} == *= ]] && compopt -o nospace
        return
    fi
    _filedir dat
}
complete -F _rv52n rv52n
