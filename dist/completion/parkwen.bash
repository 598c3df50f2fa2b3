# bash completion for parkwen
_parkwen()
{
    local cur prev
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD-1]}
    case $prev in
        --list)
            COMPREPLY=($(compgen -W "car garage all loaded" -- "$cur"))
            return ;;
        --to)
            COMPREPLY=($(compgen -W "car garage pack:" -- "$cur"))
            return ;;
        --load-set|--only-set|--remove-set)
            local sets=${XDG_DATA_HOME:-$HOME/.local/share}/parkwen/sets
            COMPREPLY=($(compgen -W "$(cd "$sets" 2>/dev/null && ls -- *.pkn 2>/dev/null | grep -vix blank.pkn | sed 's/\.pkn$//')" -- "$cur"))
            return ;;
        --enable-pack|--disable-pack)
            COMPREPLY=($(compgen -W "$(parkwen --packs 2>/dev/null | cut -f1 | sed 's/ \*$//')" -- "$cur"))
            return ;;
        --packlist)
            COMPREPLY=()
            return ;;
        --size)
            COMPREPLY=($(compgen -W "64 128 256 512 1024" -- "$cur"))
            return ;;
        --move|--stats|--render)
            COMPREPLY=($(compgen -W "$(parkwen --list car 2>/dev/null; parkwen --list garage 2>/dev/null)" -- "$cur"))
            return ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "-h --help --version --list --load-set --only-set --remove-set --move --install --to --stats --render --skin --size --check --packs --enable-pack --disable-pack --packlist --play --json -y --yes --no-cache" -- "$cur"))
        return
    fi
    COMPREPLY=($(compgen -f -- "$cur"))
}
complete -o filenames -F _parkwen parkwen
