# bash completion of vexilor-cli: its commands and options, the values of
# options that take one of a list, the systems of the catalogue for --from
# and --to, and file names.

# The catalogue vexilor-cli would read (src/refdata/data_folders.h): that of
# --data, else sys.dat beside the program when that folder may be written,
# the user's copy, sys.dat beside the program, the installed one.
_vexilor_cli_catalogue()
{
    local data=$1 program folder user
    program=${words[0]}
    [[ $program == */* ]] || program=$(type -P "$program")
    folder=${program%/*}
    if [[ $XDG_DATA_HOME == /* ]]; then
        user=$XDG_DATA_HOME/vexilor
    elif [[ $HOME ]]; then
        user=$HOME/.local/share/vexilor
    fi
    if [[ $data ]]; then
        printf '%s\n' "$data/sys.dat"
    elif [[ -f $folder/sys.dat && -w $folder ]]; then
        printf '%s\n' "$folder/sys.dat"
    else
        for data in "$user" "$folder" "$folder/../share/vexilor"; do
            [[ $data && -f $data/sys.dat ]] && printf '%s\n' "$data/sys.dat" && return
        done
    fi
}

# The codes in the closing brackets of the systems' names (the first 68
# bytes of each line, Windows-1251), one a line; a code in Cyrillic also as
# typed on a Latin keyboard, as vexilor-cli takes it: ПЗ-90.11 as PZ90.11.
_vexilor_cli_systems()
{
    local catalogue
    catalogue=$(_vexilor_cli_catalogue "$1")
    [[ -r $catalogue ]] || return
    cut -b 1-68 -- "$catalogue" | iconv -f CP1251 -t UTF-8 2>/dev/null |
        LC_ALL=C.UTF-8 sed -n 's/^.*(\([^()]*\)) *$/\1/; T; p; /[^ -~]/ { y/АВГЕЗКМНОПРСТХ/AVGEZKMNOPRSTH/; s/-//g; p }'
}

_vexilor_cli()
{
    local cur prev words cword split
    _init_completion -s || return

    local IFS=$'\n' data i
    for ((i = 1; i < cword; i++)); do
        [[ ${words[i]} == --data ]] && ((i + 1 < cword)) && data=${words[i + 1]}
        [[ ${words[i]} == --data=* ]] && data=${words[i]#--data=}
    done

    case $prev in
        --from | --to)
            COMPREPLY=($(compgen -W "$(_vexilor_cli_systems "$data")" -- "$cur"))
            return
            ;;
        --from-type | --to-type)
            COMPREPLY=($(compgen -W $'BLH\nXYZ\nxyH' -- "$cur"))
            return
            ;;
        --from-units | --to-units | --units)
            COMPREPLY=($(compgen -W $'0\n1\n2\n3' -- "$cur"))
            return
            ;;
        --combination)
            COMPREPLY=($(compgen -W $'0\n1\n2\n3\n4' -- "$cur"))
            return
            ;;
        --from-proj | --to-proj)
            COMPREPLY=($(compgen -W $'gk\nutm\nlambert' -- "$cur"))
            return
            ;;
        --heights)
            COMPREPLY=($(compgen -W $'normal\ngeodetic' -- "$cur"))
            return
            ;;
        --input-format)
            COMPREPLY=($(compgen -W $'in\ncsv' -- "$cur"))
            return
            ;;
        --output-format)
            COMPREPLY=($(compgen -W $'out\ncsv\ngeojson\ngpx' -- "$cur"))
            return
            ;;
        --delimiter)
            COMPREPLY=($(compgen -W $',\n;\ntab' -- "$cur"))
            return
            ;;
        --encoding)
            COMPREPLY=($(compgen -W 'utf-8' -- "$cur"))
            return
            ;;
        --geojson)
            _filedir geojson
            return
            ;;
        --scale)
            COMPREPLY=($(compgen -W $'1000000\n500000\n200000\n100000\n50000\n25000\n10000' -- "$cur"))
            return
            ;;
        --geoid)
            _filedir mat
            return
            ;;
        --data)
            _filedir -d
            return
            ;;
        --model)
            COMPREPLY=($(compgen -W $'7\n3' -- "$cur"))
            return
            ;;
        --zone | --jobs | --exclude)
            return
            ;;
    esac
    $split && return

    local options
    case ${words[1]} in
        sheet) options=$'--scale\n--xy\n--help' ;;
        frame) options=$'--scale\n--geojson\n--data\n--help' ;;
        grads) options=$'--to-grads\n--to-degrees\n--units\n--help' ;;
        length) options=$'--to-metres\n--to-english\n--combination\n--help' ;;
        fit) options=$'--model\n--from\n--from-type\n--from-units\n--from-proj\n--to\n--to-type\n--to-units\n--to-proj\n--heights\n--geoid\n--data\n--exclude\n--help' ;;
        *) options=$'--from\n--from-type\n--from-units\n--from-proj\n--to\n--to-type\n--to-units\n--to-proj\n--zone\n--heights\n--geoid-column\n--geoid\n--data\n--progress\n--jobs\n--keep-going\n--input-format\n--output-format\n--delimiter\n--encoding\n--help\n--version' ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        return
    fi
    ((cword == 1)) && COMPREPLY=($(compgen -W $'sheet\nframe\ngrads\nlength\nfit' -- "$cur"))
    case ${words[1]} in
        sheet | frame | grads | length) ;;
        *) _filedir ;;
    esac
} &&
    complete -F _vexilor_cli vexilor-cli
