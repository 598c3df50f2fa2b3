# fish completion for parkwen
function __parkwen_sets
    set -l data $XDG_DATA_HOME
    test -n "$data"; or set data ~/.local/share
    for f in $data/parkwen/sets/*.pkn
        set -l name (basename $f .pkn)
        string match -qi blank -- $name; or echo $name
    end
end

complete -c parkwen -s h -l help -d 'Show the options and end'
complete -c parkwen -l version -d 'Show the version and where the data is kept'
complete -c parkwen -l list -x -a 'car garage all loaded' -d 'Print the cars of a folder'
complete -c parkwen -l load-set -x -a '(__parkwen_sets)' -d "Bring the set's cars into the Car Folder"
complete -c parkwen -l only-set -x -a '(__parkwen_sets)' -d 'Load the set and send every other car away'
complete -c parkwen -l remove-set -x -a '(__parkwen_sets)' -d "Send the set's cars to the Garage Folder"
complete -c parkwen -l move -x -a '(parkwen --list car 2>/dev/null; parkwen --list garage 2>/dev/null)' -d 'Move one car'
complete -c parkwen -l install -d 'Install the cars of archives'
complete -c parkwen -l to -x -a 'car garage pack:' -d 'Where --move and --install send cars'
complete -c parkwen -l stats -x -a '(parkwen --list car 2>/dev/null; parkwen --list garage 2>/dev/null)' -d "Print a car's statistics"
complete -c parkwen -l render -x -a '(parkwen --list car 2>/dev/null; parkwen --list garage 2>/dev/null)' -d 'Write a picture of a car'
complete -c parkwen -l skin -r -d 'The skin --render paints the car with'
complete -c parkwen -l size -x -a '64 128 256 512 1024' -d "The side of --render's picture"
complete -c parkwen -l check -d 'Look for broken cars'
complete -c parkwen -l packs -d 'Print the packs and what the packlist loads'
complete -c parkwen -l enable-pack -x -a '(parkwen --packs 2>/dev/null | cut -f1 | string replace -r " \\*\$" "")' -d 'Switch a pack on in the packlist'
complete -c parkwen -l disable-pack -x -a '(parkwen --packs 2>/dev/null | cut -f1 | string replace -r " \\*\$" "")' -d 'Switch a pack off in the packlist'
complete -c parkwen -l packlist -x -d 'The packlist the pack commands read or change'
complete -c parkwen -l play -d 'Start the game'
complete -c parkwen -l json -d 'Print --stats, --list, --check or --packs as JSON'
complete -c parkwen -s y -l yes -d 'Answer yes to the questions'
complete -c parkwen -l no-cache -d 'Start without the thumbnail cache'
