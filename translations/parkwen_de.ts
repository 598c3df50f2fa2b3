<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CarFilterModel</name>
    <message>
        <source>en_US</source>
        <extracomment>The language whose digit grouping the counts use ("3,041")</extracomment>
        <translation>de_DE</translation>
    </message>
    <message>
        <source>%1 of %2 shown</source>
        <translation>%1 von %2 gezeigt</translation>
    </message>
</context>
<context>
    <name>CarInstaller</name>
    <message>
        <source>Garage Folder</source>
        <translation>Garagenordner</translation>
    </message>
    <message>
        <source>Car Folder</source>
        <translation>Autoordner</translation>
    </message>
    <message>
        <source> GB</source>
        <translation> GB</translation>
    </message>
    <message>
        <source> MB</source>
        <translation> MB</translation>
    </message>
    <message>
        <source> bytes</source>
        <translation> Bytes</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>%1 holds two cars named %2.

Replace the first with the second, keep both (the second as %3), or skip the second?</source>
        <translation>%1 enthält zwei Autos namens %2.

Das erste durch das zweite ersetzen, beide behalten (das zweite als %3) oder das zweite überspringen?</translation>
    </message>
    <message>
        <source>The %1 already holds a car named %2.

Replace it with %3 from %4, keep both (the new car as %5), or skip %3?</source>
        <translation>Im %1 gibt es schon ein Auto namens %2.

Es durch %3 aus %4 ersetzen, beide behalten (das neue Auto als %5) oder %3 überspringen?</translation>
    </message>
    <message>
        <source>

Its disk has no trash: if it is replaced, it will be deleted for good.</source>
        <translation>

Sein Datenträger hat keinen Papierkorb: wird es ersetzt, ist es endgültig gelöscht.</translation>
    </message>
    <message>
        <source>%1 holds files for the car %2 in the %3, without a parameters.txt: a skin pack or an update for that car.</source>
        <translation>%1 enthält Dateien für das Auto %2 im %3, ohne parameters.txt: ein Skin-Paket oder ein Update für dieses Auto.</translation>
    </message>
    <message>
        <source>

New files: </source>
        <translation>

Neue Dateien: </translation>
    </message>
    <message>
        <source>
Files the car has already (you will be asked about each): </source>
        <translation>
Dateien, die das Auto schon hat (du wirst zu jeder gefragt): </translation>
    </message>
    <message>
        <source>

Add them to %1?</source>
        <translation>

Sie zu %1 hinzufügen?</translation>
    </message>
    <message>
        <source>The car %1 already has the file %2.

Replace it with the one from %3?</source>
        <translation>Das Auto %1 hat die Datei %2 schon.

Sie durch die aus %3 ersetzen?</translation>
    </message>
    <message>
        <source>No car was installed.</source>
        <translation>Es wurde kein Auto installiert.</translation>
    </message>
    <message>
        <source>kept beside %1</source>
        <translation>neben %1 behalten</translation>
    </message>
    <message>
        <source>replacing %1 of the %2, which %3</source>
        <translation>ersetzt %1 im %2, das %3</translation>
    </message>
    <message>
        <source>went to the trash</source>
        <translation>in den Papierkorb kam</translation>
    </message>
    <message>
        <source>was deleted</source>
        <translation>gelöscht wurde</translation>
    </message>
    <message>
        <source>it has no .jpg or .bmp picture, so the lists do not show it</source>
        <translation>es hat kein .jpg- oder .bmp-Bild, also zeigen die Listen es nicht</translation>
    </message>
    <message>
        <source>Installed into the %1 (%2 %3): %4.</source>
        <translation>In den %1 installiert (%2 %3): %4.</translation>
    </message>
    <message>
        <source>car</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>cars</source>
        <translation>Autos</translation>
    </message>
    <message>
        <source>Added to %1 in the %2, from %3: %4.</source>
        <translation>Zu %1 im %2 hinzugefügt, aus %3: %4.</translation>
    </message>
    <message>
        <source>Not installed (%1): %2.</source>
        <translation>Nicht installiert (%1): %2.</translation>
    </message>
    <message>
        <source>Refused in %1 as unsafe, not written: %2.</source>
        <translation>In %1 als unsicher abgelehnt, nicht geschrieben: %2.</translation>
    </message>
    <message>
        <source>Left out of %1, as not part of any car: %2.</source>
        <translation>Aus %1 weggelassen, da zu keinem Auto gehörig: %2.</translation>
    </message>
    <message>
        <source>Nothing of %1 was installed: %2.</source>
        <translation>Nichts aus %1 wurde installiert: %2.</translation>
    </message>
    <message>
        <source>

</source>
        <translation>

</translation>
    </message>
    <message>
        <source>the %1 %2 is not there</source>
        <translation>der %1 %2 ist nicht da</translation>
    </message>
    <message>
        <source>Installing cars</source>
        <translation>Autos werden installiert</translation>
    </message>
    <message>
        <source>the install was cancelled before it</source>
        <translation>die Installation wurde vorher abgebrochen</translation>
    </message>
    <message>
        <source>a hidden folder name, which the lists never show</source>
        <translation>ein versteckter Ordnername, den die Listen nie zeigen</translation>
    </message>
    <message>
        <source>a stock car's name: such a car goes only into the Car Folder</source>
        <translation>der Name eines Autos des Spiels: so ein Auto kommt nur in den Autoordner</translation>
    </message>
    <message>
        <source>a car of that name is already in the %1</source>
        <translation>ein Auto dieses Namens ist schon im %1</translation>
    </message>
    <message>
        <source>replaced by a later car of the same name in the same archive</source>
        <translation>ersetzt durch ein späteres Auto gleichen Namens im selben Archiv</translation>
    </message>
    <message>
        <source>files for %1</source>
        <translation>Dateien für %1</translation>
    </message>
    <message>
        <source>you chose not to add them</source>
        <translation>du wolltest sie nicht hinzufügen</translation>
    </message>
    <message>
        <source>it cannot be read as an archive (%1)</source>
        <translation>es lässt sich nicht als Archiv lesen (%1)</translation>
    </message>
    <message>
        <source>the archive is damaged (%1)</source>
        <translation>das Archiv ist beschädigt (%1)</translation>
    </message>
    <message>
        <source>it holds more than %1 entries, more than any car needs</source>
        <translation>es enthält mehr als %1 Einträge, mehr als ein Auto braucht</translation>
    </message>
    <message>
        <source>it would unpack to more than %1</source>
        <translation>es würde zu mehr als %1 entpackt</translation>
    </message>
    <message>
        <source>the install was cancelled</source>
        <translation>die Installation wurde abgebrochen</translation>
    </message>
    <message>
        <source>it holds no car (no folder with a parameters.txt)</source>
        <translation>es enthält kein Auto (keinen Ordner mit parameters.txt)</translation>
    </message>
    <message>
        <source>no folder could be made in the %1 (%2)</source>
        <translation>im %1 ließ sich kein Ordner anlegen (%2)</translation>
    </message>
    <message>
        <source>no folder could be made beside %1 (%2)</source>
        <translation>neben %1 ließ sich kein Ordner anlegen (%2)</translation>
    </message>
    <message>
        <source>it could not be put in place: %1</source>
        <translation>es ließ sich nicht an seinen Platz bringen: %1</translation>
    </message>
    <message>
        <source>they could not be put in place: %1</source>
        <translation>sie ließen sich nicht an ihren Platz bringen: %1</translation>
    </message>
    <message>
        <source>it cannot be read again (%1)</source>
        <translation>es lässt sich nicht erneut lesen (%1)</translation>
    </message>
    <message>
        <source>Unpacking </source>
        <translation>Entpacke </translation>
    </message>
    <message>
        <source>the archive ended early</source>
        <translation>das Archiv endete zu früh</translation>
    </message>
    <message>
        <source>it changed while it was being installed</source>
        <translation>es hat sich während der Installation geändert</translation>
    </message>
    <message>
        <source>the folder %1 could not be made</source>
        <translation>der Ordner %1 ließ sich nicht anlegen</translation>
    </message>
    <message>
        <source>the link %1 could not be made (%2)</source>
        <translation>die Verknüpfung %1 ließ sich nicht anlegen (%2)</translation>
    </message>
    <message>
        <source>the file %1 could not be written</source>
        <translation>die Datei %1 ließ sich nicht schreiben</translation>
    </message>
    <message>
        <source>the file %1 could not be written (%2)</source>
        <translation>die Datei %1 ließ sich nicht schreiben (%2)</translation>
    </message>
    <message>
        <source>it unpacks to more than %1, so it was stopped</source>
        <translation>es entpackt zu mehr als %1 und wurde deshalb angehalten</translation>
    </message>
    <message>
        <source>the entry %1 unpacks to more than %2 times its packed size, so it was stopped as a possible archive bomb</source>
        <translation>der Eintrag %1 entpackt zu mehr als dem %2-fachen seiner gepackten Größe und wurde als mögliche Archivbombe angehalten</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>the car it replaced could not be removed; it was kept at %1</source>
        <translation>das ersetzte Auto ließ sich nicht entfernen; es liegt in %1</translation>
    </message>
</context>
<context>
    <name>CarLibrary</name>
    <message>
        <source>Rigwell.exe has not been run, running...</source>
        <translation>Rigwell.exe wurde noch nicht ausgeführt, wird gestartet...</translation>
    </message>
    <message>
        <source>Reading the car library</source>
        <translation>Die Autosammlung wird gelesen</translation>
    </message>
    <message>
        <source>Parkwen could not start the help viewer:
</source>
        <translation>Parkwen konnte die Hilfe nicht starten:
</translation>
    </message>
    <message>
        <source>Parkwen could not start the registry editor:
</source>
        <translation>Parkwen konnte den Registrierungs-Editor nicht starten:
</translation>
    </message>
    <message>
        <source>This system has no registry, so there is no "Selected Car" number to reset. Nothing was changed.</source>
        <translation>Dieses System hat keine Registrierung, also gibt es keine Nummer „Gewähltes Auto“ zurückzusetzen. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Please Select Something to Move. Fix, Think About It</source>
        <translation>Bitte wähle etwas zum Verschieben. Denk mal drüber nach</translation>
    </message>
    <message>
        <source>Element not found</source>
        <translation>Element nicht gefunden</translation>
    </message>
    <message>
        <source>An interrupted move or deletion could not be finished: </source>
        <translation>Ein unterbrochenes Verschieben oder Löschen konnte nicht abgeschlossen werden: </translation>
    </message>
    <message>
        <source>Sending all cars to the Car Folder</source>
        <translation>Alle Autos kommen in den Autoordner</translation>
    </message>
    <message>
        <source>Sending all cars to the Garage Folder</source>
        <translation>Alle Autos kommen in den Garagenordner</translation>
    </message>
    <message>
        <source>Please Select Something to Delete. Fix, Think About It</source>
        <translation>Bitte wähle etwas zum Löschen. Denk mal drüber nach</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the car %1 from your Car Folder</source>
        <translation>Willst du das Auto %1 wirklich aus deinem Autoordner löschen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the car %1 from your Garage Folder</source>
        <translation>Willst du das Auto %1 wirklich aus deinem Garagenordner löschen</translation>
    </message>
    <message>
        <source> (it is a link: only the link is removed; the linked folder %1 is kept)</source>
        <translation> (es ist eine Verknüpfung: nur sie wird entfernt; der verknüpfte Ordner %1 bleibt)</translation>
    </message>
    <message>
        <source> (it goes to the trash)</source>
        <translation> (es kommt in den Papierkorb)</translation>
    </message>
    <message>
        <source> (it is deleted for good)</source>
        <translation> (es wird endgültig gelöscht)</translation>
    </message>
    <message>
        <source>The car %1 could not be deleted completely. What is left of it is kept, hidden, in %2</source>
        <translation>Das Auto %1 konnte nicht ganz gelöscht werden. Was davon übrig ist, liegt versteckt in %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Keeps the Re-Volt cars you do not want loaded in a Garage Folder.
Without a command the window opens; /ACC also lists the game's own cars, and archives named alone are installed from the window.
Exit status: 0 when everything asked was done, 1 when part of it failed, 2 for a wrong command line.</source>
        <translation>Hält die Re-Volt-Autos, die das Spiel nicht laden soll, in einem Garagenordner.
Ohne Befehl öffnet sich das Fenster; /ACC zeigt auch die Autos des Spiels, und allein genannte Archive werden aus dem Fenster installiert.
Rückgabewert: 0, wenn alles Verlangte getan wurde, 1, wenn ein Teil misslang, 2 bei einer falschen Befehlszeile.</translation>
    </message>
    <message>
        <source>The archives of --install.</source>
        <translation>Die Archive für --install.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and where the settings and sets are kept, and end.</source>
        <translation>Die Version zeigen und wo die Einstellungen und Sets liegen, und beenden.</translation>
    </message>
    <message>
        <source>Print the cars of the Car Folder (car) or the Garage Folder (garage), one name a line.</source>
        <translation>Die Autos des Autoordners (car) oder des Garagenordners (garage) ausgeben, ein Name je Zeile.</translation>
    </message>
    <message>
        <source>Load set: bring the set's cars into the Car Folder.</source>
        <translation>Set laden: die Autos des Sets in den Autoordner holen.</translation>
    </message>
    <message>
        <source>Set only: load the set and send every other car to the Garage Folder.</source>
        <translation>Nur Set: das Set laden und jedes andere Auto in den Garagenordner schicken.</translation>
    </message>
    <message>
        <source>Rem. Set: send the set's cars to the Garage Folder.</source>
        <translation>Set entf.: die Autos des Sets in den Garagenordner schicken.</translation>
    </message>
    <message>
        <source>Move one car; --to says where.</source>
        <translation>Ein Auto verschieben; --to sagt, wohin.</translation>
    </message>
    <message>
        <source>Install the cars of the archives given; --to says where.</source>
        <translation>Die Autos der angegebenen Archive installieren; --to sagt, wohin.</translation>
    </message>
    <message>
        <source>Where --move and --install send cars.</source>
        <translation>Wohin --move und --install Autos schicken.</translation>
    </message>
    <message>
        <source>Print a car's statistics.</source>
        <translation>Die Werte eines Autos ausgeben.</translation>
    </message>
    <message>
        <source>Print --stats as JSON.</source>
        <translation>--stats als JSON ausgeben.</translation>
    </message>
    <message>
        <source>Answer yes to the questions a command meets; without it a command takes the safe answer and never waits.</source>
        <translation>Die Fragen eines Befehls mit Ja beantworten; ohne dies nimmt ein Befehl die sichere Antwort und wartet nie.</translation>
    </message>
    <message>
        <source>Start without the thumbnail cache: every picture is decoded again, and nothing is kept for the next start.</source>
        <translation>Ohne den Vorschaubild-Speicher starten: jedes Bild wird neu gelesen, und nichts wird für den nächsten Start behalten.</translation>
    </message>
</context>
<context>
    <name>Discard</name>
    <message>
        <source>Delete %1? It goes to the trash, from where it can be restored.</source>
        <translation>%1 löschen? Es kommt in den Papierkorb und lässt sich von dort wiederherstellen.</translation>
    </message>
    <message>
        <source>Delete %1? There is no trash for this disk: it will be deleted for good.</source>
        <translation>%1 löschen? Dieser Datenträger hat keinen Papierkorb: es wird endgültig gelöscht.</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 gibt es schon. Ersetzen?</translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>Datei existiert bereits</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Can't rename with different drive</source>
        <translation>Umbenennen auf ein anderes Laufwerk nicht möglich</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Pfad nicht gefunden</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Ungültiges Bild</translation>
    </message>
    <message>
        <source>No current record.</source>
        <translation>Kein aktueller Datensatz.</translation>
    </message>
    <message>
        <source>Could not find file '%1'.</source>
        <translation>Die Datei '%1' wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Database already exists.</source>
        <translation>Die Datenbank existiert bereits.</translation>
    </message>
    <message>
        <source>Unrecognized database format '%1'.</source>
        <translation>Nicht erkanntes Datenbankformat '%1'.</translation>
    </message>
    <message>
        <source>Index out of bounds</source>
        <translation>Index außerhalb der Grenzen</translation>
    </message>
    <message>
        <source>Key is not unique in collection</source>
        <translation>Schlüssel ist in der Sammlung nicht eindeutig</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Anwendungs- oder objektdefinierter Fehler</translation>
    </message>
    <message>
        <source>Miscellaneous Error: No. </source>
        <translation>Sonstiger Fehler: Nr. </translation>
    </message>
</context>
<context>
    <name>Imports</name>
    <message>
        <source>Not A valid Parameter Set! Please Select a valid set of Parameters.</source>
        <translation>Kein gültiger Parametersatz! Bitte wähle gültige Parameter.</translation>
    </message>
    <message>
        <source>Not a valid Skin. Please Select another Skin</source>
        <translation>Kein gültiger Skin. Bitte wähle einen anderen Skin</translation>
    </message>
    <message>
        <source>Select the filename for Imported Parameters:</source>
        <translation>Dateiname für die importierten Parameter:</translation>
    </message>
    <message>
        <source>Import Successful</source>
        <translation>Import erfolgreich</translation>
    </message>
    <message>
        <source>Select the filename for Imported Skin:</source>
        <translation>Dateiname für den importierten Skin:</translation>
    </message>
</context>
<context>
    <name>InstallCommand</name>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Keep Both</source>
        <translation>Beide behalten</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>for all</source>
        <translation>für alle</translation>
    </message>
    <message>
        <source>Give the same answer to every further clash of this install</source>
        <translation>Jedem weiteren Namenskonflikt dieser Installation dieselbe Antwort geben</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Install Cars</source>
        <translation>Autos installieren</translation>
    </message>
    <message>
        <source>Car archives (*.zip *.7z *.rar *.tar *.tar.gz *.tgz *.tar.xz *.txz *.tar.bz2)</source>
        <translation>Auto-Archive (*.zip *.7z *.rar *.tar *.tar.gz *.tgz *.tar.xz *.txz *.tar.bz2)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Install the cars of this archive into which folder?</source>
        <translation>In welchen Ordner sollen die Autos dieses Archivs?</translation>
    </message>
    <message>
        <source>Install the cars of these %1 archives into which folder?</source>
        <translation>In welchen Ordner sollen die Autos dieser %1 Archive?</translation>
    </message>
    <message>
        <source>Car Folder</source>
        <translation>Autoordner</translation>
    </message>
    <message>
        <source>Garage Folder</source>
        <translation>Garagenordner</translation>
    </message>
</context>
<context>
    <name>KeysWindow</name>
    <message>
        <source>Car Selection Screen</source>
        <translation>Autoauswahl</translation>
    </message>
    <message>
        <source>	 Z : Send to Car Folder</source>
        <translation>	 Z : In den Autoordner</translation>
    </message>
    <message>
        <source> 	 X : Send to Garage Folder</source>
        <translation> 	 X : In den Garagenordner</translation>
    </message>
    <message>
        <source>	F1 : Run Rigwell</source>
        <translation>	F1 : Rigwell starten</translation>
    </message>
    <message>
        <source>	F2: Help</source>
        <translation>	F2: Hilfe</translation>
    </message>
    <message>
        <source>	F3: Reset Registry</source>
        <translation>	F3: Registrierung zurücksetzen</translation>
    </message>
    <message>
        <source>	F5: Refresh</source>
        <translation>	F5: Aktualisieren</translation>
    </message>
    <message>
        <source>Car Settings Screen</source>
        <translation>Auto-Einstellungen</translation>
    </message>
    <message>
        <source>	F1: Import Parameters</source>
        <translation>	F1: Parameter importieren</translation>
    </message>
    <message>
        <source>	F2: Backup Parameters</source>
        <translation>	F2: Parameter sichern</translation>
    </message>
    <message>
        <source>	F3: Set Parameters</source>
        <translation>	F3: Parameter setzen</translation>
    </message>
    <message>
        <source>	F4: Backup Skin</source>
        <translation>	F4: Skin sichern</translation>
    </message>
    <message>
        <source>	F5: Set Skin!</source>
        <translation>	F5: Skin setzen!</translation>
    </message>
    <message>
        <source>Key Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
</context>
<context>
    <name>ManyMoves</name>
    <message>
        <source>%1 chosen car</source>
        <translation>%1 gewählte Auto</translation>
    </message>
    <message>
        <source>%1 chosen cars</source>
        <translation>%1 gewählten Autos</translation>
    </message>
    <message>
        <source>%1 car</source>
        <translation>%1 Auto</translation>
    </message>
    <message>
        <source>%1 cars</source>
        <translation>%1 Autos</translation>
    </message>
    <message>
        <source>Sending %1 to the Garage Folder</source>
        <translation>%1 kommen in den Garagenordner</translation>
    </message>
    <message>
        <source>Sending %1 to the Car Folder</source>
        <translation>%1 kommen in den Autoordner</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the %1 from your Car Folder</source>
        <translation>Willst du die %1 wirklich aus deinem Autoordner löschen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the %1 from your Garage Folder</source>
        <translation>Willst du die %1 wirklich aus deinem Garagenordner löschen</translation>
    </message>
    <message>
        <source>it goes to the trash</source>
        <translation>es kommt in den Papierkorb</translation>
    </message>
    <message>
        <source>they go to the trash</source>
        <translation>sie kommen in den Papierkorb</translation>
    </message>
    <message>
        <source>%1 go to the trash</source>
        <translation>%1 kommen in den Papierkorb</translation>
    </message>
    <message>
        <source>it is deleted for good</source>
        <translation>es wird endgültig gelöscht</translation>
    </message>
    <message>
        <source>they are deleted for good</source>
        <translation>sie werden endgültig gelöscht</translation>
    </message>
    <message>
        <source>%1 are deleted for good</source>
        <translation>%1 werden endgültig gelöscht</translation>
    </message>
    <message>
        <source>%1 are links: only the links are removed, the linked folders are kept</source>
        <translation>%1 sind Verknüpfungen: nur sie werden entfernt, die verknüpften Ordner bleiben</translation>
    </message>
    <message>
        <source>Deleting %1</source>
        <translation>%1 werden gelöscht</translation>
    </message>
    <message>
        <source>Moving %1 back</source>
        <translation>%1 werden zurückgeschoben</translation>
    </message>
</context>
<context>
    <name>Naming</name>
    <message>
        <source>A name cannot contain "/" or "\", and cannot be "." or "..". Please choose another name.</source>
        <translation>Ein Name darf weder „/“ noch „\“ enthalten und nicht „.“ oder „..“ sein. Bitte wähle einen anderen Namen.</translation>
    </message>
    <message>
        <source>A name cannot contain that character. Please choose another name.</source>
        <translation>Ein Name darf dieses Zeichen nicht enthalten. Bitte wähle einen anderen Namen.</translation>
    </message>
    <message>
        <source>This File already Exists, Please Choose Another Name:</source>
        <translation>Diese Datei gibt es schon, bitte wähle einen anderen Namen:</translation>
    </message>
</context>
<context>
    <name>ParamFiles</name>
    <message>
        <source>Give Your Imported Parameters A title:</source>
        <translation>Gib den importierten Parametern einen Titel:</translation>
    </message>
    <message>
        <source>A title cannot contain double quotes, line breaks or characters outside the Western European alphabet. Please type another title.</source>
        <translation>Ein Titel darf keine doppelten Anführungszeichen, Zeilenumbrüche oder Zeichen außerhalb des westeuropäischen Alphabets enthalten. Bitte gib einen anderen Titel ein.</translation>
    </message>
    <message>
        <source>Back Up As:</source>
        <translation>Sichern als:</translation>
    </message>
    <message>
        <source>Parameters.txt cannot be backed up onto itself. Please choose another name.</source>
        <translation>Parameters.txt lässt sich nicht auf sich selbst sichern. Bitte wähle einen anderen Namen.</translation>
    </message>
    <message>
        <source>Parameters.txt Backed Up</source>
        <translation>Parameters.txt gesichert</translation>
    </message>
    <message>
        <source>Copying Parameters.txt to Parameters.txt is pointless. I aint doing it, OK?</source>
        <translation>Parameters.txt auf Parameters.txt zu kopieren ist sinnlos. Mach ich nicht, OK?</translation>
    </message>
    <message>
        <source>Parameters Set</source>
        <translation>Parameter gesetzt</translation>
    </message>
    <message>
        <source>No File Selected for Deletion. Fix: Select a File from the Parameters Listbox.</source>
        <translation>Keine Datei zum Löschen gewählt. Abhilfe: wähle eine Datei aus der Parameterliste.</translation>
    </message>
    <message>
        <source>Cannot Delete Parameters.txt</source>
        <translation>Parameters.txt kann nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Parameters.txt Removed</source>
        <translation>Parameters.txt entfernt</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>SetChooserWindow</name>
    <message>
        <source>Permission Denied. Blank. PKN is not to be edited, Select another Set to Edit!</source>
        <translation>Zugriff verweigert. Blank.PKN darf nicht bearbeitet werden, wähle ein anderes Set!</translation>
    </message>
    <message>
        <source>Select Set</source>
        <translation>Set wählen</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Sets</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>SetEditing</name>
    <message>
        <source>No Name Specified. Name your Set:</source>
        <translation>Kein Name angegeben. Gib deinem Set einen Namen:</translation>
    </message>
    <message>
        <source>My Set's Name Is:</source>
        <translation>Mein Set heißt:</translation>
    </message>
    <message>
        <source>Set Exists, Retry Naming Set or Cancel?</source>
        <translation>Das Set gibt es schon. Neuer Name oder Abbrechen?</translation>
    </message>
</context>
<context>
    <name>SetLoading</name>
    <message>
        <source>There is no Set to use yet. Click "Create Set" to create one.</source>
        <translation>Es gibt noch kein Set. „Set erstellen“ legt eines an.</translation>
    </message>
    <message>
        <source>No Set Selected, there is no Set to use.</source>
        <translation>Kein Set gewählt, es gibt kein Set zu verwenden.</translation>
    </message>
</context>
<context>
    <name>SetStore</name>
    <message>
        <source>Sets not Setup... Setting Up.</source>
        <translation>Sets noch nicht eingerichtet... werden eingerichtet.</translation>
    </message>
</context>
<context>
    <name>SetupSession</name>
    <message>
        <source>The Car Folder and the Garage Folder are the same folder. Please choose two different folders.</source>
        <translation>Autoordner und Garagenordner sind derselbe Ordner. Bitte wähle zwei verschiedene Ordner.</translation>
    </message>
    <message>
        <source>The Garage Folder is inside the Car Folder. Please choose two folders, neither of them inside the other.</source>
        <translation>Der Garagenordner liegt im Autoordner. Bitte wähle zwei Ordner, von denen keiner im anderen liegt.</translation>
    </message>
    <message>
        <source>The Car Folder is inside the Garage Folder. Please choose two folders, neither of them inside the other.</source>
        <translation>Der Autoordner liegt im Garagenordner. Bitte wähle zwei Ordner, von denen keiner im anderen liegt.</translation>
    </message>
    <message>
        <source>Miscellaneous Error: </source>
        <translation>Sonstiger Fehler: </translation>
    </message>
</context>
<context>
    <name>Skins</name>
    <message>
        <source>The parameters shown name no skin file of this car's folder.</source>
        <translation>Die gezeigten Parameter nennen keine Skin-Datei aus dem Ordner dieses Autos.</translation>
    </message>
    <message>
        <source>The parameters shown name %1 as the skin, which is not a .bmp file. The skin commands change only the car's .bmp files.</source>
        <translation>Die gezeigten Parameter nennen %1 als Skin, keine .bmp-Datei. Die Skin-Befehle ändern nur die .bmp-Dateien des Autos.</translation>
    </message>
    <message>
        <source>Skin Set</source>
        <translation>Skin gesetzt</translation>
    </message>
    <message>
        <source>Back Up As:</source>
        <translation>Sichern als:</translation>
    </message>
    <message>
        <source> cannot be backed up onto itself. Please choose another name.</source>
        <translation> lässt sich nicht auf sich selbst sichern. Bitte wähle einen anderen Namen.</translation>
    </message>
    <message>
        <source> Backed Up</source>
        <translation> gesichert</translation>
    </message>
    <message>
        <source> Deleted</source>
        <translation> gelöscht</translation>
    </message>
</context>
<context>
    <name>parkwen::CarDial</name>
    <message>
        <source>Skins</source>
        <translation>Skins</translation>
    </message>
    <message>
        <source>the skins</source>
        <translation>die Skins</translation>
    </message>
    <message>
        <source>Shows the currently selected skin. Set in the Horizontal UpDown Control(!).</source>
        <translation>Zeigt den gewählten Skin. Mit den Pfeilen wählen(!).</translation>
    </message>
    <message>
        <source>The Filename of the Skin.</source>
        <translation>Der Dateiname des Skins.</translation>
    </message>
    <message>
        <source>Use this to Scroll Between Skins</source>
        <translation>Hiermit durch die Skins blättern</translation>
    </message>
    <message>
        <source>Use the Horizontal Updown (!) Control to scroll through the skins. Once U have made your choice, click OK</source>
        <translation>Mit den Pfeilen (!) durch die Skins blättern. Ist die Wahl getroffen, OK klicken</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click to se the current skin to the default skin</source>
        <translation>Klicken, um den gezeigten Skin zum Standard-Skin zu machen</translation>
    </message>
</context>
<context>
    <name>parkwen::CarListView</name>
    <message>
        <source>Filter cars</source>
        <translation>Autos filtern</translation>
    </message>
    <message>
        <source>Shows only the cars whose names contain this text (Ctrl+F, Escape clears)</source>
        <translation>Zeigt nur die Autos, deren Name diesen Text enthält (Strg+F, Esc leert)</translation>
    </message>
</context>
<context>
    <name>parkwen::Castle</name>
    <message>
        <source>Parkwen - Car Selection</source>
        <translation>Parkwen - Autoauswahl</translation>
    </message>
    <message>
        <source>Double Click to View Settings &amp; Stats for selected car. Single Click then click on the "&gt;&gt;" Button to send to Garage Folder</source>
        <translation>Doppelklick zeigt Einstellungen und Werte des Autos. Einfachklick, dann „&gt;&gt;“ schickt es in den Garagenordner</translation>
    </message>
    <message>
        <source>Double Click to View Settings &amp; Stats for selected car. Single Click then click on the "&lt;&lt;" Button to send to Car Folder</source>
        <translation>Doppelklick zeigt Einstellungen und Werte des Autos. Einfachklick, dann „&lt;&lt;“ schickt es in den Autoordner</translation>
    </message>
    <message>
        <source>Car Folder</source>
        <translation>Autoordner</translation>
    </message>
    <message>
        <source>Garage Folder</source>
        <translation>Garagenordner</translation>
    </message>
    <message>
        <source>Filter the Car Folder</source>
        <translation>Autoordner filtern</translation>
    </message>
    <message>
        <source>Filter the Garage Folder</source>
        <translation>Garagenordner filtern</translation>
    </message>
    <message>
        <source>Cars of the Car Folder shown by the filter</source>
        <translation>Vom Filter gezeigte Autos des Autoordners</translation>
    </message>
    <message>
        <source>Cars of the Garage Folder shown by the filter</source>
        <translation>Vom Filter gezeigte Autos des Garagenordners</translation>
    </message>
    <message>
        <source>Menu key or Shift+F10: what to do with the chosen cars. Ctrl+F: filter the list.</source>
        <translation>Menütaste oder Umschalt+F10: was mit den gewählten Autos geschehen soll. Strg+F: die Liste filtern.</translation>
    </message>
    <message>
        <source>Click to Send Car selected in "Car Folder" to "Garage Folder."</source>
        <translation>Klicken, um das im „Autoordner“ gewählte Auto in den „Garagenordner“ zu schicken.</translation>
    </message>
    <message>
        <source>Click to Send Car selected in "Garage Folder" to "Care Folder"</source>
        <translation>Klicken, um das im „Garagenordner“ gewählte Auto in den „Autoordner“ zu schicken</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Picture of the car chosen last</source>
        <translation>Bild des zuletzt gewählten Autos</translation>
    </message>
    <message>
        <source>A Picture of the car last selected on both the "Car Folder" &amp; "Garage Folder."</source>
        <translation>Ein Bild des zuletzt im „Autoordner“ oder „Garagenordner“ gewählten Autos.</translation>
    </message>
    <message>
        <source>Toolbox</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Click Create Set to Create a set of cars for use on the buttons below &amp; Edit Set to Edit a created set</source>
        <translation>Set erstellen legt ein Set von Autos für die Knöpfe unten an, Set bearbeiten ändert ein angelegtes Set</translation>
    </message>
    <message>
        <source>Create Set</source>
        <translation>Set erstellen</translation>
    </message>
    <message>
        <source>Click to Create a Set of Cars for Quick-loading</source>
        <translation>Klicken, um ein Set von Autos zum schnellen Laden anzulegen</translation>
    </message>
    <message>
        <source>Edit Set</source>
        <translation>Set bearbeiten</translation>
    </message>
    <message>
        <source>Click to Edit a already created Set of Cars for Quick-loading</source>
        <translation>Klicken, um ein angelegtes Set von Autos zu bearbeiten</translation>
    </message>
    <message>
        <source>Load set: Loads Set. Set Only: Loads Set, remove other Cars. Rem Set: Removes Set to Garage</source>
        <translation>Set laden: lädt das Set. Nur Set: lädt das Set, andere Autos gehen. Set entf.: schickt das Set in die Garage</translation>
    </message>
    <message>
        <source>Load set</source>
        <translation>Set laden</translation>
    </message>
    <message>
        <source>Click to Load the selected Set into the Car Folder.</source>
        <translation>Klicken, um das gewählte Set in den Autoordner zu laden.</translation>
    </message>
    <message>
        <source>Set only</source>
        <translation>Nur Set</translation>
    </message>
    <message>
        <source>Rem. Set</source>
        <translation>Set entf.</translation>
    </message>
    <message>
        <source>Sends all set members not in Garage Folder, to Garage Folder</source>
        <translation>Schickt alle Autos des Sets, die nicht im Garagenordner sind, in den Garagenordner</translation>
    </message>
    <message>
        <source>Click the X to Delete the last Car. Use the other buttons to Select \ Deselect all.</source>
        <translation>Löschen löscht das zuletzt gewählte Auto. Die anderen Knöpfe verschieben alle Autos.</translation>
    </message>
    <message>
        <source>Del. Car</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Click to completely remove the last selected car.</source>
        <translation>Klicken, um das zuletzt gewählte Auto ganz zu entfernen.</translation>
    </message>
    <message>
        <source>All: Gar.</source>
        <translation>Alle: Gar.</translation>
    </message>
    <message>
        <source>Click to place all Cars into the Garage Folder</source>
        <translation>Klicken, um alle Autos in den Garagenordner zu legen</translation>
    </message>
    <message>
        <source>All: Car</source>
        <translation>Alle: Auto</translation>
    </message>
    <message>
        <source>Click to place all Cars into the Car Folder</source>
        <translation>Klicken, um alle Autos in den Autoordner zu legen</translation>
    </message>
    <message>
        <source>Install Cars</source>
        <translation>Autos installieren</translation>
    </message>
    <message>
        <source>Install cars from downloaded archives</source>
        <translation>Autos aus heruntergeladenen Archiven installieren</translation>
    </message>
    <message>
        <source>Click Keys to view the Shortcut keys. Click Help for complete Help</source>
        <translation>Tasten zeigt die Tastenkürzel, Hilfe die ganze Hilfe</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Click to view key Shortcuts</source>
        <translation>Klicken, um die Tastenkürzel zu sehen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Click to view Help for Parkwen</source>
        <translation>Klicken, um die Hilfe zu Parkwen zu sehen</translation>
    </message>
    <message>
        <source>Click Refresh to refresh the toolbars. Click "Reset Reg." to reset the Car Number in the Registry</source>
        <translation>Aktualisieren liest die Ordner neu. „Reg. zurücks.“ setzt die Autonummer in der Registrierung zurück</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Reset Reg.</source>
        <translation>Reg. zurücks.</translation>
    </message>
    <message>
        <source>Click Settings to setup your folders &amp; Max Car Amount</source>
        <translation>Einstellungen legt deine Ordner und die Höchstzahl an Autos fest</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Click to run "Rigwell."</source>
        <translation>Klicken, um „Rigwell“ zu starten.</translation>
    </message>
    <message>
        <source>Warning light</source>
        <translation>Warnlicht</translation>
    </message>
    <message>
        <source>This light flashes when the "Car Amount" for "Car Fol." exceeds that of the "Max Car Amount."</source>
        <translation>Dieses Licht blinkt, wenn die Zahl der Autos im „Autoordner“ die „Höchstzahl an Autos“ erreicht.</translation>
    </message>
    <message>
        <source>Car Fol. Grg. Fol.</source>
        <translation>Autoordn. Garage</translation>
    </message>
    <message>
        <source>The Amount of Cars in "Car Folder."</source>
        <translation>Die Zahl der Autos im „Autoordner“.</translation>
    </message>
    <message>
        <source>The Amount of Cars in "Garage Folder."</source>
        <translation>Die Zahl der Autos im „Garagenordner“.</translation>
    </message>
    <message>
        <source>Cars in the Car Folder</source>
        <translation>Autos im Autoordner</translation>
    </message>
    <message>
        <source>Cars in the Garage Folder</source>
        <translation>Autos im Garagenordner</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Open Details</source>
        <translation>Details öffnen</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <translation>In der Dateiverwaltung zeigen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
</context>
<context>
    <name>parkwen::CreateSetWindow</name>
    <message>
        <source>Edit Set</source>
        <translation>Set bearbeiten</translation>
    </message>
    <message>
        <source>Create Set</source>
        <translation>Set erstellen</translation>
    </message>
    <message>
        <source>Name of Set:</source>
        <translation>Name des Sets:</translation>
    </message>
    <message>
        <source>Tick the Files to be Included in your set.</source>
        <translation>Hake die Autos an, die ins Set sollen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>parkwen::FileChooser</name>
    <message>
        <source>Select Bitmap to Import</source>
        <translation>Bild zum Importieren wählen</translation>
    </message>
    <message>
        <source>Select Parameters to Import</source>
        <translation>Parameter zum Importieren wählen</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>(no picture)</source>
        <translation>(kein Bild)</translation>
    </message>
</context>
<context>
    <name>parkwen::Form1</name>
    <message>
        <source>Where Is Your:</source>
        <translation>Wo ist dein:</translation>
    </message>
    <message>
        <source>Car Folder?</source>
        <translation>Autoordner?</translation>
    </message>
    <message>
        <source>Garage Folder</source>
        <translation>Garagenordner</translation>
    </message>
    <message>
        <source>Set the car folder to: Re-Volt Folder\Cars</source>
        <translation>Den Autoordner auf Re-Volt-Ordner\Cars setzen</translation>
    </message>
    <message>
        <source>Car Folder</source>
        <translation>Autoordner</translation>
    </message>
    <message>
        <source>Set the garage folder to the place where U keep back-up cars</source>
        <translation>Den Garagenordner dorthin setzen, wo du deine Reserve-Autos aufbewahrst</translation>
    </message>
    <message>
        <source>My Max Car Amount is:</source>
        <translation>Meine Höchstzahl an Autos:</translation>
    </message>
    <message>
        <source>Set the Max Car Amount to The Max Amount of Cars U can have before Re-volt bombs (this does NOT include the Originals</source>
        <translation>Die Höchstzahl an Autos, die Re-Volt verträgt, bevor es abstürzt (die Originale zählen NICHT mit)</translation>
    </message>
    <message>
        <source>Max Car Amount</source>
        <translation>Höchstzahl an Autos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click to Finalise Settings</source>
        <translation>Klicken, um die Einstellungen zu übernehmen</translation>
    </message>
</context>
<context>
    <name>parkwen::Sett</name>
    <message>
        <source>Parkwen Car Settings</source>
        <translation>Parkwen Auto-Einstellungen</translation>
    </message>
    <message>
        <source>Car Name:</source>
        <translation>Autoname:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Class:</source>
        <translation>Klasse:</translation>
    </message>
    <message>
        <source>Electric, Glow, Special: The Engine Type</source>
        <translation>Elektro, Glow, Spezial: die Motorart</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Stufe:</translation>
    </message>
    <message>
        <source>Grip:</source>
        <translation>Grip:</translation>
    </message>
    <message>
        <source>Turn:</source>
        <translation>Lenkung:</translation>
    </message>
    <message>
        <source>Accel:</source>
        <translation>Beschl.:</translation>
    </message>
    <message>
        <source>Mass:</source>
        <translation>Masse:</translation>
    </message>
    <message>
        <source>Param Base:</source>
        <translation>Grundlage:</translation>
    </message>
    <message>
        <source>The Original Car that this was made from. Calculated from the checksum at the end of the parameters.</source>
        <translation>Das Original-Auto, aus dem dieses gemacht wurde. Berechnet aus der Prüfsumme am Ende der Parameter.</translation>
    </message>
    <message>
        <source>Transmission:</source>
        <translation>Antrieb:</translation>
    </message>
    <message>
        <source>4WD, FWD, RWD, &amp; others (rare): Which wheels are powered.</source>
        <translation>4WD, FWD, RWD und andere (selten): welche Räder angetrieben sind.</translation>
    </message>
    <message>
        <source>Parameters:</source>
        <translation>Parameter:</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>A list of all Parameters for this Car. Click on a Set of Parametes to view stats for that set. Click Backup to Backup the Current Parameters (Parameters.Txt) &amp; Set to Set another Set of Parameters to Parameters.txt. </source>
        <translation>Alle Parameter dieses Autos. Einen Parametersatz anklicken zeigt seine Werte. Sichern sichert die aktuellen Parameter (Parameters.Txt), Setzen macht einen anderen Satz zu Parameters.txt. </translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>Click to BackUp "Current Parameters" (Parameters.Txt.)</source>
        <translation>Klicken, um die „aktuellen Parameter“ (Parameters.Txt) zu sichern.</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>Click to set the Currently Selected Parameters to "Current Parameters" (Parameters.Txt.)</source>
        <translation>Klicken, um die gewählten Parameter zu den „aktuellen Parametern“ (Parameters.Txt) zu machen.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Click to Import Parameters from another Folder</source>
        <translation>Klicken, um Parameter aus einem anderen Ordner zu importieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Click to completely remove the last selected Parameters Set.</source>
        <translation>Klicken, um den zuletzt gewählten Parametersatz ganz zu entfernen.</translation>
    </message>
    <message>
        <source>Make Sure you have a back-up copy of parameters.txt before loading in a  new Parameters File. To Back Up Parameters.txt, Click Backup. To set the selected Parameters to Parameters.txt, Click Set. To Delete a Parameters Set click, Delete.</source>
        <translation>Sichere parameters.txt, bevor du eine neue Parameterdatei lädst: Sichern sichert sie, Setzen macht die gewählten Parameter zu Parameters.txt, Löschen löscht einen Parametersatz.</translation>
    </message>
    <message>
        <source>Skins:</source>
        <translation>Skins:</translation>
    </message>
    <message>
        <source>Current Skin</source>
        <translation>Aktueller Skin</translation>
    </message>
    <message>
        <source>The Current skin: Specified in the Current "Parameters.txt". To Back this up Click "Backup."</source>
        <translation>Der aktuelle Skin, wie ihn die aktuelle „Parameters.txt“ nennt. Sichern sichert ihn.</translation>
    </message>
    <message>
        <source>Click to Backup the "Current Skin."</source>
        <translation>Klicken, um den „aktuellen Skin“ zu sichern.</translation>
    </message>
    <message>
        <source>Other Skins</source>
        <translation>Andere Skins</translation>
    </message>
    <message>
        <source>Shows the currently selected "Other Skin." Set in the Horizontal UpDown Control(!).</source>
        <translation>Zeigt den gewählten „anderen Skin“. Mit den Pfeilen wählen(!).</translation>
    </message>
    <message>
        <source>The Filename of the "Other Skin."</source>
        <translation>Der Dateiname des „anderen Skins“.</translation>
    </message>
    <message>
        <source>Other skins</source>
        <translation>Andere Skins</translation>
    </message>
    <message>
        <source>Use this to Scroll Between "Other Skins."</source>
        <translation>Hiermit durch die „anderen Skins“ blättern.</translation>
    </message>
    <message>
        <source>Click to Set the Current "Other Skin" to the "Current Skin"</source>
        <translation>Klicken, um den gezeigten „anderen Skin“ zum „aktuellen Skin“ zu machen</translation>
    </message>
    <message>
        <source>Click to completely remove the last selected &gt;Additional&lt; Paintjob</source>
        <translation>Klicken, um die zuletzt gewählte &gt;zusätzliche&lt; Lackierung ganz zu entfernen</translation>
    </message>
    <message>
        <source>When A Car has multiple skins, make sure you have a back-up copy of the current one before loading in another one. To Back Up Current Skin Click the Up Arrow. To make the Selected Other Skin, the Current Skin, click the tick. To delete an additional Skin, select one using the Horizontal (!) Up\Down Control, then cick Delete.</source>
        <translation>Hat ein Auto mehrere Skins, sichere den aktuellen, bevor du einen anderen lädst: der Pfeil nach oben sichert ihn, der Haken macht den gewählten anderen Skin zum aktuellen. Zum Löschen eines zusätzlichen Skins ihn mit den Pfeilen (!) wählen, dann Löschen klicken.</translation>
    </message>
    <message>
        <source>Car Name: </source>
        <translation>Autoname: </translation>
    </message>
    <message>
        <source>  (this car has no readable parameters.txt)</source>
        <translation>  (dieses Auto hat keine lesbare parameters.txt)</translation>
    </message>
</context>
</TS>
