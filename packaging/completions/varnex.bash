# bash completion for varnex and varnex-diff: their options after a dash, files otherwise.
# Installed under both names, as bash-completion looks a command's file up by its name.

_varnex_options() {
    case ${1##*/} in
    varnex-diff)
        printf '%s\n' -L -C -S -1: -2: --dump -q --brief -U --context= --color=auto --color=always --color=never \
            --encoding=auto --encoding=cp1252 --encoding=utf-8 --help --version
        ;;
    *)
        printf '%s\n' -L -C -S -DL -DC -DS -J -N -H -V -0 -0: -1: -2: --help --version
        ;;
    esac
}

_varnex_files() {
    local cur=${COMP_WORDS[COMP_CWORD]}
    # bash-completion's own file completion knows quoting; plain compgen is the fallback.
    if declare -F _filedir >/dev/null; then
        _filedir
        return
    fi
    compopt -o filenames 2>/dev/null
    local IFS=$'\n'
    COMPREPLY=($(compgen -f -- "$cur"))
}

_varnex_complete() {
    # The whole word up to the cursor: bash splits words at ":" and "=", which options contain.
    local line=${COMP_LINE:0:COMP_POINT}
    local word=${line##*[[:space:]]}
    if [[ $word != -* ]]; then
        _varnex_files
        return
    fi
    local breaks= head=
    [[ $COMP_WORDBREAKS == *:* ]] && breaks+=:
    [[ $COMP_WORDBREAKS == *=* ]] && breaks+==
    [[ -n $breaks ]] && head=${word%"${word##*[$breaks]}"}
    COMPREPLY=($(compgen -W "$(_varnex_options "$1")" -- "$word"))
    [[ ${#COMPREPLY[@]} -eq 1 && ${COMPREPLY[0]} == *: ]] && compopt -o nospace 2>/dev/null
    # Each reply replaces only the piece of the word behind the last break.
    COMPREPLY=("${COMPREPLY[@]#"$head"}")
}

complete -F _varnex_complete varnex varnex-diff
