# bash completion for quandrel-pass

_quandrel_pass()
{
    local cur prev words cword
    _init_completion || return

    local subcommands="encode decode check fix explain diff help"
    local subcommand="" i
    for ((i = 1; i < cword; i++)); do
        if [[ " $subcommands " == *" ${words[i]} "* ]]; then
            subcommand=${words[i]}
            break
        fi
    done

    case $subcommand in
        "")
            if [[ $cur == -* ]]; then
                COMPREPLY=($(compgen -W '--help --version' -- "$cur"))
            else
                COMPREPLY=($(compgen -W "$subcommands" -- "$cur"))
            fi
            ;;
        help)
            COMPREPLY=($(compgen -W "${subcommands% help}" -- "$cur"))
            ;;
        decode)
            if [[ $cur == -* ]]; then
                COMPREPLY=($(compgen -W '--lenient --keep-lines --help' -- "$cur"))
            fi
            ;;
        encode)
            if [[ $cur == -* ]]; then
                COMPREPLY=($(compgen -W '--keep-lines --help' -- "$cur"))
            else
                _filedir
            fi
            ;;
        diff)
            if [[ $cur == -* ]]; then
                COMPREPLY=($(compgen -W '--help' -- "$cur"))
            else
                _filedir
            fi
            ;;
        *)
            if [[ $cur == -* ]]; then
                COMPREPLY=($(compgen -W '--help' -- "$cur"))
            fi
            ;;
    esac
}
complete -F _quandrel_pass quandrel-pass
