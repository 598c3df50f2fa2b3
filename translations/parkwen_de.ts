<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CarFilterModel</name>
    <message>
        <source>en_US</source>
        <extracomment>The language whose digit grouping the counts use (&quot;3,041&quot;)</extracomment>
        <translation>de_DE</translation>
    </message>
    <message>
        <source>%1 of %2 shown</source>
        <translation>%1 von %2 gezeigt</translation>
    </message>
</context>
<context>
    <name>CarHealth</name>
    <message>
        <source>a model</source>
        <translation>ein Modell</translation>
    </message>
    <message>
        <source>the skin</source>
        <translation>den Skin</translation>
    </message>
    <message>
        <source>the box picture</source>
        <translation>das Boxbild</translation>
    </message>
    <message>
        <source>the shadow</source>
        <translation>den Schatten</translation>
    </message>
    <message>
        <source>the collision hull</source>
        <translation>die Kollisionshülle</translation>
    </message>
    <message>
        <source>a sound</source>
        <translation>einen Klang</translation>
    </message>
    <message>
        <source>Names %1, &quot;%2&quot;, which is not there: the game shows the car without it, or not at all.</source>
        <translation>Nennt %1, „%2“, doch diese Datei fehlt: Das Spiel zeigt das Auto ohne sie oder gar nicht.</translation>
    </message>
    <message>
        <source>Names %1, &quot;%2&quot;, which is not there but is in the car&apos;s own folder: &quot;Fix paths&quot; points at it.</source>
        <translation>Nennt %1, „%2“, doch diese Datei fehlt dort; sie liegt aber im eigenen Ordner des Autos: „Pfade reparieren“ verweist darauf.</translation>
    </message>
    <message>
        <source>Not in Parkwen&apos;s lists: the folder has no picture (.jpg or .bmp) to show the car by, though the game offers it.</source>
        <translation>Nicht in Parkwens Listen: Der Ordner hat kein Bild (.jpg oder .bmp), mit dem das Auto gezeigt werden kann, obwohl das Spiel es anbietet.</translation>
    </message>
    <message>
        <source> Its box picture is &quot;%1&quot;: &quot;Show in the lists&quot; copies it here.</source>
        <translation> Sein Boxbild ist „%1“: „In den Listen zeigen“ kopiert es hierher.</translation>
    </message>
    <message>
        <source>A variant of &quot;%1&quot;: it has only its parameters and uses the models of that car, which is installed.</source>
        <translation>Eine Variante von „%1“: Sie hat nur ihre Parameter und nutzt die Modelle jenes Autos, das installiert ist.</translation>
    </message>
    <message>
        <source>A variant of &quot;%1&quot;: it has only its parameters and uses the models of that car, which is not installed, so the game cannot show it.</source>
        <translation>Eine Variante von „%1“: Sie hat nur ihre Parameter und nutzt die Modelle jenes Autos, das nicht installiert ist; daher kann das Spiel sie nicht zeigen.</translation>
    </message>
    <message>
        <source>Not a car: the folder has no parameters.txt.</source>
        <translation>Kein Auto: Der Ordner hat keine parameters.txt.</translation>
    </message>
    <message>
        <source>Not a car: its parameters.txt cannot be read (%1).</source>
        <translation>Kein Auto: Seine parameters.txt lässt sich nicht lesen (%1).</translation>
    </message>
    <message>
        <source>Not a car: its parameters.txt holds no car parameters.</source>
        <translation>Kein Auto: Seine parameters.txt enthält keine Autoparameter.</translation>
    </message>
    <message>
        <source>Another car is also called &quot;%1&quot; inside its parameters.txt (%2): the game shows both under one name.</source>
        <translation>Ein anderes Auto heißt in seiner parameters.txt ebenfalls „%1“ (%2): Das Spiel zeigt beide unter einem Namen.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; differs from this one only in letter case: on a system that ignores case they are one car, and one would replace the other.</source>
        <translation>Der Ordner „%1“ unterscheidet sich von diesem nur in der Groß- und Kleinschreibung: Auf einem System, das sie nicht unterscheidet, sind beide ein Auto, und eines würde das andere ersetzen.</translation>
    </message>
    <message>
        <source>A hidden leftover Parkwen kept while recovering from an interrupted change: look inside, keep what you need, then delete it.</source>
        <translation>Ein versteckter Rest, den Parkwen beim Wiederherstellen nach einer unterbrochenen Änderung behalten hat: Schau hinein, behalte, was du brauchst, und lösche ihn dann.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Broken path</source>
        <translation>Fehlender Pfad</translation>
    </message>
    <message>
        <source>Not in the lists</source>
        <translation>Nicht in den Listen</translation>
    </message>
    <message>
        <source>Variant</source>
        <translation>Variante</translation>
    </message>
    <message>
        <source>Twin name</source>
        <translation>Doppelter Name</translation>
    </message>
    <message>
        <source>Twin folder</source>
        <translation>Doppelter Ordner</translation>
    </message>
    <message>
        <source>Not a car</source>
        <translation>Kein Auto</translation>
    </message>
    <message>
        <source>Leftover</source>
        <translation>Rest</translation>
    </message>
    <message>
        <source> (+%1 more)</source>
        <translation> (+%1 weitere)</translation>
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
        <source>a stock car&apos;s name: such a car goes only into the Car Folder</source>
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
        <source>the link %1 could not be made (%2)</source>
        <translation>die Verknüpfung %1 ließ sich nicht anlegen (%2)</translation>
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
    <message>
        <source>it unpacks to more than %1 times its packed size, so it was stopped as a possible archive bomb</source>
        <translation>es entpackt sich auf mehr als das %1-Fache seiner gepackten Größe und wurde daher als mögliche Archivbombe angehalten</translation>
    </message>
    <message>
        <source>the folder %1 could not be made (%2)</source>
        <translation>der Ordner %1 ließ sich nicht anlegen (%2)</translation>
    </message>
    <message>
        <source>the link %1 leads to no file written before it</source>
        <translation>die Verknüpfung %1 führt zu keiner zuvor geschriebenen Datei</translation>
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
        <source>This system has no registry, so there is no &quot;Selected Car&quot; number to reset. Nothing was changed.</source>
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
    <message>
        <source>Also in the Garage Folder</source>
        <translation>Auch im Garagenordner</translation>
    </message>
    <message>
        <source>Also in the Car Folder</source>
        <translation>Auch im Autoordner</translation>
    </message>
    <message>
        <source>Copying the cars</source>
        <translation>Die Autos werden kopiert</translation>
    </message>
    <message>
        <source> is larger than %1 MB</source>
        <translation> ist größer als %1 MB</translation>
    </message>
    <message>
        <source>Car: </source>
        <translation>Auto: </translation>
    </message>
    <message>
        <source> is not a car or is an incomplete car, skipping to next one</source>
        <translation> ist kein Auto oder ein unvollständiges Auto, weiter mit dem nächsten</translation>
    </message>
    <message>
        <source>Reading the Car Folder</source>
        <translation>Der Autoordner wird gelesen</translation>
    </message>
    <message>
        <source>Reading the Garage Folder</source>
        <translation>Der Garagenordner wird gelesen</translation>
    </message>
    <message>
        <source>%1 is no longer in the Car Folder or the Garage Folder: another Parkwen moved or deleted it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The packlist %1 does not load the Car Folder (%2): the game does not race the cars sent there. Switch it on in Packs, or choose another packlist in Settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Car Folder %1 is not inside a game folder: Parkwen cannot tell which game to start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game would load as many cars as the Max Car Amount (%1) or more, and may break. Start it all the same?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game could not be started: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CarModel</name>
    <message>
        <source>wheel 1 (front left)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wheel 2 (front right)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wheel 3 (back left)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wheel 4 (back right)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 names no model (model %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the model &quot;%2&quot; is not there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot;: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the model &quot;%2&quot; holds no polygons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>parameters.txt: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The body</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the spinner</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CarPlan</name>
    <message>
        <source>an absolute path</source>
        <translation>ein absoluter Pfad</translation>
    </message>
    <message>
        <source>a path that climbs out with &quot;..&quot;</source>
        <translation>ein Pfad, der mit „..“ hinausführt</translation>
    </message>
    <message>
        <source>a device, pipe or socket, not a file</source>
        <translation>ein Gerät, eine Pipe oder ein Socket, keine Datei</translation>
    </message>
    <message>
        <source>a car name with control characters</source>
        <translation>ein Autoname mit Steuerzeichen</translation>
    </message>
    <message>
        <source>a path that runs through a link</source>
        <translation>ein Pfad, der durch eine Verknüpfung führt</translation>
    </message>
    <message>
        <source>a name the archive declares twice</source>
        <translation>ein Name, den das Archiv zweimal angibt</translation>
    </message>
    <message>
        <source>a link that points outside its car</source>
        <translation>eine Verknüpfung, die aus ihrem Auto hinauszeigt</translation>
    </message>
</context>
<context>
    <name>CarRenderer</name>
    <message>
        <source>OpenGL stopped working</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this system offers no OpenGL to draw cars with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OpenGL cannot build the car&apos;s shaders: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cars are drawn only with a display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a picture&apos;s side must be 1 to %1 pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OpenGL cannot draw a picture of that size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The skin &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CarTable</name>
    <message>
        <source>Folder name</source>
        <translation>Ordnername</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>In</source>
        <translation>In</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masse</translation>
    </message>
    <message>
        <source>Transmission</source>
        <translation>Antrieb</translation>
    </message>
    <message>
        <source>Skins</source>
        <translation>Skins</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Arrived</source>
        <translation>Angekommen</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Garage</source>
        <translation>Garage</translation>
    </message>
    <message>
        <source>Car Folder</source>
        <translation>Autoordner</translation>
    </message>
    <message>
        <source>The picture the lists show</source>
        <translation>Das Bild, das die Listen zeigen</translation>
    </message>
    <message>
        <source>Car Table</source>
        <translation>Autotabelle</translation>
    </message>
    <message>
        <source>Find cars</source>
        <translation>Autos suchen</translation>
    </message>
    <message>
        <source>Find by folder or name</source>
        <translation>Nach Ordner oder Name suchen</translation>
    </message>
    <message>
        <source>Shows the cars whose folder name or name contains the text</source>
        <translation>Zeigt die Autos, deren Ordnername oder Name den Text enthält</translation>
    </message>
    <message>
        <source>Any class</source>
        <translation>Jede Klasse</translation>
    </message>
    <message>
        <source>Any rating</source>
        <translation>Jede Stufe</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Both folders</source>
        <translation>Beide Ordner</translation>
    </message>
    <message>
        <source>Garage Folder</source>
        <translation>Garagenordner</translation>
    </message>
    <message>
        <source>Problems only</source>
        <translation>Nur Probleme</translation>
    </message>
    <message>
        <source>Cars shown</source>
        <translation>Gezeigte Autos</translation>
    </message>
    <message>
        <source>Cars of both folders</source>
        <translation>Autos beider Ordner</translation>
    </message>
    <message>
        <source>One row a car; a double-click opens its details, the menu key its commands</source>
        <translation>Eine Zeile je Auto; ein Doppelklick öffnet seine Details, die Menütaste seine Befehle</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Send the chosen cars to the other folder</source>
        <translation>Die gewählten Autos in den anderen Ordner schicken</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete the chosen cars</source>
        <translation>Die gewählten Autos löschen</translation>
    </message>
    <message>
        <source>Add to Set</source>
        <translation>Zum Set hinzufügen</translation>
    </message>
    <message>
        <source>Add the chosen cars to a set</source>
        <translation>Die gewählten Autos einem Set hinzufügen</translation>
    </message>
    <message>
        <source>Fix paths</source>
        <translation>Pfade reparieren</translation>
    </message>
    <message>
        <source>Point the paths of parameters.txt at the car&apos;s own folder (a backup is kept)</source>
        <translation>Die Pfade der parameters.txt auf den eigenen Ordner des Autos richten (eine Sicherung bleibt erhalten)</translation>
    </message>
    <message>
        <source>Show in the lists</source>
        <translation>In den Listen zeigen</translation>
    </message>
    <message>
        <source>Copy the box picture the car names into its folder, so the lists show it</source>
        <translation>Das Boxbild, das das Auto nennt, in seinen Ordner kopieren, damit die Listen es zeigen</translation>
    </message>
    <message>
        <source>Undo Fix</source>
        <translation>Reparatur rückgängig</translation>
    </message>
    <message>
        <source>Take back the last &quot;Fix paths&quot; or &quot;Show in the lists&quot;</source>
        <translation>Das letzte „Pfade reparieren“ oder „In den Listen zeigen“ zurücknehmen</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Open the car&apos;s details</source>
        <translation>Die Details des Autos öffnen</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Read both folders again</source>
        <translation>Beide Ordner neu lesen</translation>
    </message>
    <message>
        <source>Open Both Twins</source>
        <translation>Beide Zwillinge öffnen</translation>
    </message>
    <message>
        <source>%1 of %2 shown</source>
        <translation>%1 von %2 gezeigt</translation>
    </message>
    <message>
        <source>Point the paths in the parameters.txt of %1 at its own folder? A backup of parameters.txt is kept; the details window can set it back.</source>
        <translation>Die Pfade in der parameters.txt von %1 auf seinen eigenen Ordner richten? Eine Sicherung der parameters.txt bleibt erhalten; im Detailfenster lässt sie sich zurücksetzen.</translation>
    </message>
    <message>
        <source>Point the paths in the parameters.txt of %1 cars at their own folders? A backup of each parameters.txt is kept; the details window can set it back.</source>
        <translation>Die Pfade in den parameters.txt von %1 Autos auf ihre eigenen Ordner richten? Eine Sicherung jeder parameters.txt bleibt erhalten; im Detailfenster lässt sie sich zurücksetzen.</translation>
    </message>
    <message>
        <source>Copy the box picture each car names into its folder, so the lists show it? The pictures named stay as they are:
%1</source>
        <translation>Das Boxbild, das jedes Auto nennt, in seinen Ordner kopieren, damit die Listen es zeigen? Die genannten Bilder bleiben, wie sie sind:
%1</translation>
    </message>
    <message>
        <source>Loaded by the game</source>
        <translation>Vom Spiel geladen</translation>
    </message>
    <message>
        <source>Every car of every pack under the chosen packlist: loaded, hidden by a later pack, or in a pack that is off</source>
        <translation>Jedes Auto jedes Packs unter der gewählten Packliste: geladen, von einem späteren Pack verdeckt oder in einem ausgeschalteten Pack</translation>
    </message>
    <message>
        <source>The Car Folder %1 is not the cars folder of a game folder or of a pack, so there are no packs to show.</source>
        <translation type="unfinished">Der Autoordner %1 ist nicht der cars-Ordner eines Spielordners oder eines Packs; es gibt keine Packs zu zeigen.</translation>
    </message>
    <message>
        <source>Pack</source>
        <translation type="unfinished">Pack</translation>
    </message>
    <message>
        <source>The game&apos;s pack the car is in (default: the game folder&apos;s own); &quot;Loaded by the game&quot; shows the cars of every pack</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Keeps the Re-Volt cars you do not want loaded in a Garage Folder.
Without a command the window opens; /ACC also lists the game&apos;s own cars, and archives named alone are installed from the window.
Exit status: 0 when everything asked was done, 1 when part of it failed, 2 for a wrong command line.</source>
        <translation>Hält die Re-Volt-Autos, die das Spiel nicht laden soll, in einem Garagenordner.
Ohne Befehl öffnet sich das Fenster; /ACC zeigt auch die Autos des Spiels, und allein genannte Archive werden aus dem Fenster installiert.
Rückgabewert: 0, wenn alles Verlangte getan wurde, 1, wenn ein Teil misslang, 2 bei einer falschen Befehlszeile.</translation>
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
        <source>Load set: bring the set&apos;s cars into the Car Folder.</source>
        <translation>Set laden: die Autos des Sets in den Autoordner holen.</translation>
    </message>
    <message>
        <source>Set only: load the set and send every other car to the Garage Folder.</source>
        <translation>Nur Set: das Set laden und jedes andere Auto in den Garagenordner schicken.</translation>
    </message>
    <message>
        <source>Rem. Set: send the set&apos;s cars to the Garage Folder.</source>
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
        <source>Print a car&apos;s statistics.</source>
        <translation>Die Werte eines Autos ausgeben.</translation>
    </message>
    <message>
        <source>Answer yes to the questions a command meets; without it a command takes the safe answer and never waits.</source>
        <translation>Die Fragen eines Befehls mit Ja beantworten; ohne dies nimmt ein Befehl die sichere Antwort und wartet nie.</translation>
    </message>
    <message>
        <source>Look for broken cars in both folders; exit status 1 when any is found.</source>
        <translation>In beiden Ordnern nach kaputten Autos suchen; Exit-Status 1, wenn eines gefunden wird.</translation>
    </message>
    <message>
        <source>Start, or run a command, without the thumbnail cache: every picture is decoded again, and nothing is kept for the next start.</source>
        <translation>Ohne den Vorschaubild-Speicher starten oder einen Befehl ausführen: Jedes Bild wird neu gelesen, und nichts wird für den nächsten Start behalten.</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <translation>--%1 ist mehr als einmal angegeben.</translation>
    </message>
    <message>
        <source>One command at a time: %1.</source>
        <translation>Nur ein Befehl auf einmal: %1.</translation>
    </message>
    <message>
        <source>--%1 goes with a command.</source>
        <translation>--%1 gehört zu einem Befehl.</translation>
    </message>
    <message>
        <source>--to goes with --move or --install.</source>
        <translation>--to gehört zu --move oder --install.</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Unerwartetes Argument: %1</translation>
    </message>
    <message>
        <source>--to car or --to garage is missing.</source>
        <translation>--to car oder --to garage fehlt.</translation>
    </message>
    <message>
        <source>--to takes car or garage, not &quot;%1&quot;.</source>
        <translation>--to nimmt car oder garage, nicht „%1“.</translation>
    </message>
    <message>
        <source>--install needs at least one file.</source>
        <translation>--install braucht mindestens eine Datei.</translation>
    </message>
    <message>
        <source>%1 needs a name.</source>
        <translation>%1 braucht einen Namen.</translation>
    </message>
    <message>
        <source>Print the cars of the Car Folder (car), the Garage Folder (garage) or both (all), one name a line; with --json every folder with its statistics and health. loaded: every car the game loads under the packlist, with its pack.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where --move and --install send cars; --install also into a pack (made and switched on when new).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write a square PNG picture of the car, drawn from its models, to the file given after it; works without a display.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The skin --render paints the car with: a file of the car&apos;s folder (its current skin when left out).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The side of --render&apos;s picture in pixels, 1 to 4096 (256 when left out).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print default and the packs the packlist loads, in its order, with their state and number of cars, then the pack folders it does not load.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch a pack on in the packlist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch a pack off in the packlist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start the game in its folder, with -packlist when another packlist than default is chosen; over the Max Car Amount only with --yes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The packlist (packs/NAME.txt) that --packs, --enable-pack, --disable-pack, --list loaded and --play read or change; the one chosen in Settings unless given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print --stats, --list, --check or --packs as JSON.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The archives of --install; the picture of --render.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--json goes with --stats, --list, --check or --packs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--packlist goes with --packs, --enable-pack, --disable-pack, --list loaded or --play.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 goes with --render.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--render needs the PNG file to write after the car.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--skin needs a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--size takes a number of pixels from 1 to 4096, not &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--list takes car, garage, all or loaded, not &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>An interrupted move or deletion could not be finished: </source>
        <translation>Ein unterbrochenes Verschieben oder Löschen konnte nicht abgeschlossen werden: </translation>
    </message>
    <message>
        <source>Parkwen is not set up yet: %1 holds no settings. Start &quot;Parkwen Setup&quot; from the menu, or run %2, first.</source>
        <translation>Parkwen ist noch nicht eingerichtet: %1 enthält keine Einstellungen. Starte zuerst „Parkwen Setup“ aus dem Menü oder führe %2 aus.</translation>
    </message>
    <message>
        <source>The blank set cannot be loaded or removed.</source>
        <translation>Das leere Set kann weder geladen noch entfernt werden.</translation>
    </message>
    <message>
        <source>There is no set named &quot;%1&quot; in %2.</source>
        <translation>In %2 gibt es kein Set namens „%1“.</translation>
    </message>
    <message>
        <source>Garage Folder</source>
        <translation>Garagenordner</translation>
    </message>
    <message>
        <source>Car Folder</source>
        <translation>Autoordner</translation>
    </message>
    <message>
        <source>%1 is in the %2 already.</source>
        <translation>%1 ist schon im %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is one of the game&apos;s own cars: Parkwen leaves it in the Car Folder.</source>
        <translation>„%1“ ist eines der spieleigenen Autos: Parkwen lässt es im Autoordner.</translation>
    </message>
    <message>
        <source>There is no car named &quot;%1&quot; in the Car Folder or the Garage Folder.</source>
        <translation>Im Autoordner und im Garagenordner gibt es kein Auto namens „%1“.</translation>
    </message>
    <message>
        <source>%1 has no readable parameters.txt: %2</source>
        <translation>%1 hat keine lesbare parameters.txt: %2</translation>
    </message>
    <message>
        <source>No problems found in %1 folders.</source>
        <translation>In %1 Ordnern wurden keine Probleme gefunden.</translation>
    </message>
    <message>
        <source>%1 of %2 folders have problems.</source>
        <translation>%1 von %2 Ordnern haben Probleme.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no file of the car&apos;s folder %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The skin &quot;%1&quot; is no picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cars cannot be drawn here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be drawn: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is drawn without: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataLocations</name>
    <message>
        <source>Data: portable, kept beside the program</source>
        <translation>Daten: portabel, neben dem Programm</translation>
    </message>
    <message>
        <source>Data: per user</source>
        <translation>Daten: je Benutzer</translation>
    </message>
    <message>
        <source>Settings: </source>
        <translation>Einstellungen: </translation>
    </message>
    <message>
        <source>Sets: </source>
        <translation>Sets: </translation>
    </message>
    <message>
        <source>Programs: </source>
        <translation>Programme: </translation>
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
    <name>EntrySource</name>
    <message>
        <source>out of memory</source>
        <translation>kein Speicher mehr frei</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>kein Ordner</translation>
    </message>
    <message>
        <source>not an ordinary file</source>
        <translation>keine gewöhnliche Datei</translation>
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
        <source>Can&apos;t rename with different drive</source>
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
        <source>Could not find file &apos;%1&apos;.</source>
        <translation>Die Datei &apos;%1&apos; wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Database already exists.</source>
        <translation>Die Datenbank existiert bereits.</translation>
    </message>
    <message>
        <source>Unrecognized database format &apos;%1&apos;.</source>
        <translation>Nicht erkanntes Datenbankformat &apos;%1&apos;.</translation>
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
    <message>
        <source>The field is too small to accept the amount of data you attempted to add.</source>
        <translation>Das Feld ist zu klein für die Datenmenge, die hinzugefügt werden sollte.</translation>
    </message>
</context>
<context>
    <name>FileSystem</name>
    <message>
        <source>%1 is not an ordinary file</source>
        <translation>%1 ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB</source>
        <translation>%1 ist größer als %2 MB</translation>
    </message>
</context>
<context>
    <name>GameContent</name>
    <message>
        <source>The game loads 1 car from 1 pack.</source>
        <translation>Das Spiel lädt 1 Auto aus 1 Pack.</translation>
    </message>
    <message>
        <source>The game loads 1 car from %2 packs.</source>
        <translation>Das Spiel lädt 1 Auto aus %2 Packs.</translation>
    </message>
    <message>
        <source>The game loads %1 cars from 1 pack.</source>
        <translation>Das Spiel lädt %1 Autos aus 1 Pack.</translation>
    </message>
    <message>
        <source>The game loads %1 cars from %2 packs.</source>
        <translation>Das Spiel lädt %1 Autos aus %2 Packs.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>&lt;h1&gt;Parkwen help&lt;/h1&gt;
&lt;p&gt;Re-Volt loads every car folder in its cars folder and fails once too many add-on cars are
installed. Parkwen keeps the cars you do not want loaded in your &lt;b&gt;Garage Folder&lt;/b&gt; and moves them
back and forth for you.&lt;/p&gt;</source>
        <translation>&lt;h1&gt;Hilfe zu Parkwen&lt;/h1&gt;
&lt;p&gt;Re-Volt lädt jeden Autoordner in seinem Ordner cars und versagt, sobald zu viele zusätzliche Autos
installiert sind. Parkwen bewahrt die Autos, die du nicht laden willst, in deinem &lt;b&gt;Garagenordner&lt;/b&gt; auf
und schiebt sie für dich hin und her.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Setting up&lt;/h2&gt;
&lt;p&gt;Press &lt;b&gt;Settings&lt;/b&gt; (F1) to start Parkwen Setup (also in the menu as &quot;Parkwen Setup&quot;). Choose the
game&apos;s cars folder on the left, your Garage Folder on the right and the Max Car Amount (add-on cars
only; the game&apos;s own cars do not count), then press OK. Press &lt;b&gt;Refresh&lt;/b&gt; (F5) in Parkwen to read
the new settings. The first start of Parkwen opens Parkwen Setup by itself.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Einrichten&lt;/h2&gt;
&lt;p&gt;Drücke &lt;b&gt;Einstellungen&lt;/b&gt; (F1), um Parkwen Setup zu starten (auch im Menü als „Parkwen Setup“). Wähle
links den Ordner cars des Spiels, rechts deinen Garagenordner und die Höchstzahl an Autos (nur zusätzliche
Autos; die spieleigenen Autos zählen nicht) und drücke dann OK. Drücke in Parkwen &lt;b&gt;Aktualisieren&lt;/b&gt; (F5),
um die neuen Einstellungen zu lesen. Beim ersten Start öffnet Parkwen das Parkwen Setup von selbst.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The main window&lt;/h2&gt;
&lt;ul&gt;
&lt;li&gt;The left list shows the cars in the Car Folder, the right list the cars in the Garage Folder, each
with its picture. Click a car to see its picture; double-click it to open its details.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;&amp;gt;&amp;gt;&lt;/b&gt; (X) sends the chosen Car Folder cars to the Garage; &lt;b&gt;&amp;lt;&amp;lt;&lt;/b&gt; (Z) brings the
chosen Garage cars into the Car Folder. &lt;b&gt;All: Gar.&lt;/b&gt; and &lt;b&gt;All: Car&lt;/b&gt; move every car.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Del. Car&lt;/b&gt; deletes the chosen cars, after asking. They go to the desktop&apos;s trash where there
is one; a car folder that is a link loses only the link.&lt;/li&gt;
&lt;li&gt;The counts show how many cars each folder holds. The light flashes once the Car Folder holds as many
cars as your Max Car Amount.&lt;/li&gt;
&lt;/ul&gt;</source>
        <translation>&lt;h2&gt;Das Hauptfenster&lt;/h2&gt;
&lt;ul&gt;
&lt;li&gt;Die linke Liste zeigt die Autos im Autoordner, die rechte die Autos im Garagenordner, jedes mit seinem
Bild. Klicke ein Auto an, um sein Bild zu sehen; doppelklicke es, um seine Details zu öffnen.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;&amp;gt;&amp;gt;&lt;/b&gt; (X) schickt die gewählten Autos des Autoordners in die Garage; &lt;b&gt;&amp;lt;&amp;lt;&lt;/b&gt; (Z) holt die
gewählten Autos der Garage in den Autoordner. &lt;b&gt;Alle: Gar.&lt;/b&gt; und &lt;b&gt;Alle: Auto&lt;/b&gt; verschieben jedes Auto.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Löschen&lt;/b&gt; löscht die gewählten Autos nach einer Rückfrage. Sie kommen in den Papierkorb des Desktops,
wo es einen gibt; bei einem Autoordner, der eine Verknüpfung ist, verschwindet nur die Verknüpfung.&lt;/li&gt;
&lt;li&gt;Die Zähler zeigen, wie viele Autos jeder Ordner enthält. Das Licht blinkt, sobald der Autoordner so viele
Autos enthält, wie deine Höchstzahl an Autos erlaubt.&lt;/li&gt;
&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Many cars&lt;/h2&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Filter&lt;/b&gt;: the box above each list shows only the cars whose names contain what you type
(letter case and accents do not count); the line under the list says how many are shown. Ctrl+F moves
into the filter box of the list used last, Tab moves from a filter box to its list, Escape clears
it. The counts and the &quot;All&quot; buttons still take every car.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Choosing many&lt;/b&gt;: Ctrl+click, Shift+click, Shift+arrows and Ctrl+A choose several cars;
&amp;gt;&amp;gt;, &amp;lt;&amp;lt;, X, Z and Del. Car then act on all of them.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Dragging&lt;/b&gt;: drag chosen cars onto the other list to move them.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Undo&lt;/b&gt;: Ctrl+Z puts back the last move command, again and again, up to the last 50.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Context menu&lt;/b&gt;: right-click a list, or press the menu key or Shift+F10, for Move, Delete,
Open Details, Show in File Manager and Undo.&lt;/li&gt;
&lt;li&gt;A car whose name is in both folders carries an orange mark on its picture.&lt;/li&gt;
&lt;/ul&gt;</source>
        <translation>&lt;h2&gt;Viele Autos&lt;/h2&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Filter&lt;/b&gt;: Das Feld über jeder Liste zeigt nur die Autos, deren Namen enthalten, was du tippst
(Groß- und Kleinschreibung und Akzente zählen nicht); die Zeile unter der Liste sagt, wie viele gezeigt
werden. Strg+F führt in das Filterfeld der zuletzt benutzten Liste, Tab vom Filterfeld in seine Liste, Escape
leert es. Die Zähler und die „Alle“-Knöpfe nehmen weiterhin jedes Auto.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Mehrere wählen&lt;/b&gt;: Strg+Klick, Umschalt+Klick, Umschalt+Pfeiltasten und Strg+A wählen mehrere Autos;
&amp;gt;&amp;gt;, &amp;lt;&amp;lt;, X, Z und Löschen wirken dann auf alle.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Ziehen&lt;/b&gt;: Ziehe gewählte Autos auf die andere Liste, um sie zu verschieben.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Rückgängig&lt;/b&gt;: Strg+Z nimmt den letzten Verschiebebefehl zurück, immer wieder, bis zu den letzten 50.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Kontextmenü&lt;/b&gt;: Rechtsklick auf eine Liste, die Menütaste oder Umschalt+F10 bieten Verschieben,
Löschen, Details öffnen, In der Dateiverwaltung zeigen und Rückgängig.&lt;/li&gt;
&lt;li&gt;Ein Auto, dessen Name in beiden Ordnern vorkommt, trägt eine orange Marke auf seinem Bild.&lt;/li&gt;
&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Installing cars&lt;/h2&gt;
&lt;p&gt;&lt;b&gt;Install Cars&lt;/b&gt; (F6) installs cars from downloaded archives (zip, 7z, rar, tar, tar.gz,
tar.xz, tar.bz2): choose the archives, then the folder. Archives and car folders dragged from a file
manager onto a list install into that list&apos;s folder, and archives opened with Parkwen from a file
manager install after Parkwen asks for the folder. A car that is already there can be replaced, kept
beside the new one or skipped; unsafe entries are refused, and a summary says what went where.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Autos installieren&lt;/h2&gt;
&lt;p&gt;&lt;b&gt;Autos installieren&lt;/b&gt; (F6) installiert Autos aus heruntergeladenen Archiven (zip, 7z, rar, tar, tar.gz,
tar.xz, tar.bz2): Wähle die Archive, dann den Ordner. Archive und Autoordner, die aus einer Dateiverwaltung
auf eine Liste gezogen werden, kommen in den Ordner dieser Liste; Archive, die aus einer Dateiverwaltung mit
Parkwen geöffnet werden, werden installiert, nachdem Parkwen nach dem Ordner gefragt hat. Ein Auto, das
schon da ist, kann ersetzt, neben dem neuen behalten oder übersprungen werden; unsichere Einträge werden
abgelehnt, und eine Übersicht sagt, was wohin kam.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Sets&lt;/h2&gt;
&lt;p&gt;&lt;b&gt;Create Set&lt;/b&gt; makes a named set of cars; &lt;b&gt;Edit Set&lt;/b&gt; changes one. &lt;b&gt;Load set&lt;/b&gt; brings a
set&apos;s cars into the Car Folder, &lt;b&gt;Set only&lt;/b&gt; brings them in and sends every other car to the Garage,
and &lt;b&gt;Rem. Set&lt;/b&gt; sends a set&apos;s cars back to the Garage.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Sets&lt;/h2&gt;
&lt;p&gt;&lt;b&gt;Set erstellen&lt;/b&gt; legt ein benanntes Set von Autos an; &lt;b&gt;Set bearbeiten&lt;/b&gt; ändert eines. &lt;b&gt;Set laden&lt;/b&gt;
holt die Autos eines Sets in den Autoordner, &lt;b&gt;Nur Set&lt;/b&gt; holt sie herein und schickt jedes andere Auto in die
Garage, und &lt;b&gt;Set entf.&lt;/b&gt; schickt die Autos eines Sets zurück in die Garage.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Car details&lt;/h2&gt;
&lt;p&gt;The details window shows a car&apos;s statistics read from its parameters.txt and the stock car it was
built from. There you can back up, restore and delete parameter files (F2, F3), import parameters
(F1), and back up (F4), switch (F5), delete and import skins.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Autodetails&lt;/h2&gt;
&lt;p&gt;Das Detailfenster zeigt die Werte eines Autos aus seiner parameters.txt und das Originalauto, auf dem es
aufbaut. Dort kannst du Parameterdateien sichern, wiederherstellen und löschen (F2, F3), Parameter importieren
(F1) sowie Skins sichern (F4), wechseln (F5), löschen und importieren.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Command line&lt;/h2&gt;
&lt;p&gt;&lt;code&gt;parkwen --help&lt;/code&gt; lists the commands that work without a window: &lt;code&gt;--list&lt;/code&gt;,
&lt;code&gt;--load-set&lt;/code&gt;, &lt;code&gt;--only-set&lt;/code&gt;, &lt;code&gt;--remove-set&lt;/code&gt;, &lt;code&gt;--move&lt;/code&gt;,
&lt;code&gt;--install&lt;/code&gt;, &lt;code&gt;--stats&lt;/code&gt; (with &lt;code&gt;--json&lt;/code&gt;); &lt;code&gt;--no-cache&lt;/code&gt; (or
PARKWEN_NO_CACHE=1) starts the window without the thumbnail cache. &lt;code&gt;man parkwen&lt;/code&gt; tells
more.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Kommandozeile&lt;/h2&gt;
&lt;p&gt;&lt;code&gt;parkwen --help&lt;/code&gt; nennt die Befehle, die ohne Fenster gehen: &lt;code&gt;--list&lt;/code&gt;,
&lt;code&gt;--load-set&lt;/code&gt;, &lt;code&gt;--only-set&lt;/code&gt;, &lt;code&gt;--remove-set&lt;/code&gt;, &lt;code&gt;--move&lt;/code&gt;,
&lt;code&gt;--install&lt;/code&gt;, &lt;code&gt;--stats&lt;/code&gt; (mit &lt;code&gt;--json&lt;/code&gt;); &lt;code&gt;--no-cache&lt;/code&gt; (oder
PARKWEN_NO_CACHE=1) startet das Fenster ohne den Vorschaubild-Speicher. &lt;code&gt;man parkwen&lt;/code&gt; sagt
mehr.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Where your files are&lt;/h2&gt;
&lt;p&gt;Installed: the settings in &lt;code&gt;~/.config/parkwen/paths.mdb&lt;/code&gt; (XDG_CONFIG_HOME), the sets
in &lt;code&gt;~/.local/share/parkwen/sets/&lt;/code&gt; (XDG_DATA_HOME), the thumbnail cache in
&lt;code&gt;~/.cache/parkwen/thumbnails.sqlite&lt;/code&gt; (XDG_CACHE_HOME). A program folder you may write to,
or one holding a file named &lt;code&gt;portable&lt;/code&gt;, keeps the settings and sets beside the programs.
&lt;code&gt;parkwen --version&lt;/code&gt; tells which.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Wo deine Dateien liegen&lt;/h2&gt;
&lt;p&gt;Installiert: die Einstellungen in &lt;code&gt;~/.config/parkwen/paths.mdb&lt;/code&gt; (XDG_CONFIG_HOME), die Sets
in &lt;code&gt;~/.local/share/parkwen/sets/&lt;/code&gt; (XDG_DATA_HOME), der Vorschaubild-Speicher in
&lt;code&gt;~/.cache/parkwen/thumbnails.sqlite&lt;/code&gt; (XDG_CACHE_HOME). Ein Programmordner, in den du schreiben
darfst oder der eine Datei namens &lt;code&gt;portable&lt;/code&gt; enthält, bewahrt die Einstellungen und Sets neben den
Programmen auf. &lt;code&gt;parkwen --version&lt;/code&gt; sagt, welches gilt.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Parkwen Help</source>
        <translation>Hilfe zu Parkwen</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The car table and two Parkwens at once&lt;/h2&gt;
&lt;p&gt;&lt;b&gt;Car Table&lt;/b&gt; (F7, or the lists&apos; menu) shows every car of both folders in one table, with its
statistics, size, arrival and health. Click a heading to sort; filter by text, class, rating, folder
or &quot;Problems only&quot;. The chosen cars move, are deleted or go into a set as with the main window&apos;s
buttons. The health check finds files that parameters.txt names and that are not there, cars the
lists cannot show, parameter-only variants, twins, folders that are no car and hidden leftovers;
&quot;Fix paths&quot; and &quot;Show in the lists&quot; mend what they can, after asking, and can be undone.&lt;/p&gt;
&lt;p&gt;While one Parkwen changes the car folders, another that wants to change them waits and says
&quot;Another Parkwen is changing the car folders; waiting…&quot;; Cancel gives up. Nothing is lost when a
Parkwen is stopped: the next start finishes or undoes what it was doing.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Die Autotabelle und zwei Parkwens gleichzeitig&lt;/h2&gt;
&lt;p&gt;Die &lt;b&gt;Autotabelle&lt;/b&gt; (F7 oder das Menü der Listen) zeigt alle Autos beider Ordner in einer
Tabelle, mit ihren Werten, ihrer Größe, ihrer Ankunft und ihrem Zustand. Klicke auf eine Überschrift,
um zu sortieren; filtere nach Text, Klasse, Wertung, Ordner oder „Nur Probleme“. Die gewählten Autos
werden verschoben, gelöscht oder kommen in ein Set wie mit den Knöpfen des Hauptfensters. Die
Zustandsprüfung findet Dateien, die parameters.txt nennt und die fehlen, Autos, die die Listen nicht
zeigen können, Varianten nur aus Parametern, Zwillinge, Ordner, die kein Auto sind, und versteckte
Überreste; „Pfade reparieren“ und „In den Listen zeigen“ beheben, was sie können, nach einer
Rückfrage, und lassen sich rückgängig machen.&lt;/p&gt;
&lt;p&gt;Während ein Parkwen die Autoordner ändert, wartet ein anderes, das sie ändern will, und meldet
„Ein anderes Parkwen ändert gerade die Autoordner; warte …“; Abbrechen gibt auf. Nichts geht
verloren, wenn ein Parkwen angehalten wird: Der nächste Start beendet oder macht rückgängig, was es
gerade tat.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Main window:</source>
        <translation>Hauptfenster:</translation>
    </message>
    <message>
        <source>Car details:</source>
        <translation>Autodetails:</translation>
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
    <message>
        <source>A pack…</source>
        <translation>Ein Pack …</translation>
    </message>
    <message>
        <source>Install into which pack? (A new one is made and switched on in the packlist.)</source>
        <translation>In welches Pack installieren? (Ein neues wird angelegt und in der Packliste eingeschaltet.)</translation>
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
    <message>
        <source>	F6: Install Cars</source>
        <translation>	F6: Autos installieren</translation>
    </message>
    <message>
        <source>	F7: Car Table</source>
        <translation>	F7: Autotabelle</translation>
    </message>
    <message>
        <source>	Ctrl+F: Filter the list used last</source>
        <translation>	Strg+F: Zuletzt benutzte Liste filtern</translation>
    </message>
    <message>
        <source>	Ctrl+Z: Undo the last move</source>
        <translation>	Strg+Z: Den letzten Umzug rückgängig machen</translation>
    </message>
    <message>
        <source>Car Selection Screen: more keys</source>
        <translation>Autoauswahl: weitere Tasten</translation>
    </message>
    <message>
        <source>	F8: Packs</source>
        <translation>	F8: Packs</translation>
    </message>
    <message>
        <source>	F9: Play</source>
        <translation>	F9: Spielen</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Try &quot;parkwen --help&quot;.</source>
        <translation>Siehe „parkwen --help“.</translation>
    </message>
    <message>
        <source>Parkwen cannot create its folders in %1: %2</source>
        <translation>Parkwen kann seine Ordner in %1 nicht anlegen: %2</translation>
    </message>
    <message>
        <source>parkwen: no display to open a window on; the commands %1 work without one
</source>
        <translation>parkwen: kein Bildschirm, auf dem sich ein Fenster öffnen ließe; die Befehle %1 gehen auch ohne
</translation>
    </message>
    <message>
        <source>Usage: rigwell
Parkwen Setup: choose the Car Folder, the Garage Folder and the Max Car Amount for Parkwen.

  -h, --help  Show this help and end.
  --version   Show the version and where the settings are kept, and end.
</source>
        <translation>Aufruf: rigwell
Parkwen Setup: Autoordner, Garagenordner und Höchstzahl an Autos für Parkwen wählen.

  -h, --help  Diese Hilfe zeigen und beenden.
  --version   Die Version zeigen und wo die Einstellungen liegen, und beenden.
</translation>
    </message>
    <message>
        <source>rigwell: no display to open a window on; Parkwen Setup runs on a desktop
</source>
        <translation>rigwell: kein Bildschirm, auf dem sich ein Fenster öffnen ließe; Parkwen Setup läuft auf einem Desktop
</translation>
    </message>
    <message>
        <source>Miscellaneous Error: </source>
        <translation>Sonstiger Fehler: </translation>
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
    <name>MoveEngine</name>
    <message>
        <source>Another Parkwen is changing the car folders; waiting…</source>
        <translation>Ein anderes Parkwen ändert gerade die Autoordner; warte …</translation>
    </message>
    <message>
        <source>Another Parkwen is changing the car folders.</source>
        <translation>Ein anderes Parkwen ändert gerade die Autoordner.</translation>
    </message>
    <message>
        <source>kept hidden there, as it is not as Parkwen leaves it</source>
        <translation>dort versteckt behalten, da es nicht so ist, wie Parkwen es hinterlässt</translation>
    </message>
    <message>
        <source>kept hidden there, as %1 could not take its name back (%2)</source>
        <translation>dort versteckt behalten, da %1 seinen Namen nicht zurückbekommen konnte (%2)</translation>
    </message>
    <message>
        <source>kept hidden there (%1)</source>
        <translation>dort versteckt behalten (%1)</translation>
    </message>
</context>
<context>
    <name>Naming</name>
    <message>
        <source>A name cannot contain &quot;/&quot; or &quot;\&quot;, and cannot be &quot;.&quot; or &quot;..&quot;. Please choose another name.</source>
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
    <name>PackInstall</name>
    <message>
        <source>The Car Folder %1 is not inside a game folder, so there are no packs to install into.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>default is the game folder itself: install into the Car Folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pack %1 could not be made: %2</source>
        <translation type="unfinished"></translation>
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
    <name>PrmModel</name>
    <message>
        <source>The model file is damaged: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vertex %1 lies at no usable position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mesh %1 is cut short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mesh %1 gives a negative count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mesh %1 counts more than the file holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>polygon %1 of mesh %2 uses a vertex the mesh does not have</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds more than %1 meshes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Processes</name>
    <message>
        <source>File not found: </source>
        <translation>Datei nicht gefunden: </translation>
    </message>
    <message>
        <source>Could not start </source>
        <translation>Start nicht möglich: </translation>
    </message>
    <message>
        <source>%1 may not be run (it is not executable).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>%v of %m</source>
        <translation>%v von %m</translation>
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
    <name>SetCommands</name>
    <message>
        <source>%1 of %2 cars added to %3.</source>
        <translation>%1 von %2 Autos zu %3 hinzugefügt.</translation>
    </message>
</context>
<context>
    <name>SetEditing</name>
    <message>
        <source>No Name Specified. Name your Set:</source>
        <translation>Kein Name angegeben. Gib deinem Set einen Namen:</translation>
    </message>
    <message>
        <source>My Set&apos;s Name Is:</source>
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
        <source>There is no Set to use yet. Click &quot;Create Set&quot; to create one.</source>
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
        <source>The parameters shown name no skin file of this car&apos;s folder.</source>
        <translation>Die gezeigten Parameter nennen keine Skin-Datei aus dem Ordner dieses Autos.</translation>
    </message>
    <message>
        <source>The parameters shown name %1 as the skin, which is not a .bmp file. The skin commands change only the car&apos;s .bmp files.</source>
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
    <name>UpDown</name>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
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
    <name>parkwen::CarGlWidget</name>
    <message>
        <source>The car in 3D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag or press the arrow keys to turn it, the wheel or + and - to zoom, Space to stop or start the turning, Home to put it back.</source>
        <translation type="unfinished"></translation>
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
    <name>parkwen::CarView</name>
    <message>
        <source>The car in 3D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try on the other skin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the car wearing the other skin selected in the skin area, before you Set it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The 3D view needs OpenGL, which this display does not offer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This car cannot be shown in 3D: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wearing %1, the current skin.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trying on %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawn without %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>parkwen::Castle</name>
    <message>
        <source>Parkwen - Car Selection</source>
        <translation>Parkwen - Autoauswahl</translation>
    </message>
    <message>
        <source>Double Click to View Settings &amp; Stats for selected car. Single Click then click on the &quot;&gt;&gt;&quot; Button to send to Garage Folder</source>
        <translation>Doppelklick zeigt Einstellungen und Werte des Autos. Einfachklick, dann „&gt;&gt;“ schickt es in den Garagenordner</translation>
    </message>
    <message>
        <source>Double Click to View Settings &amp; Stats for selected car. Single Click then click on the &quot;&lt;&lt;&quot; Button to send to Car Folder</source>
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
        <source>Click to Send Car selected in &quot;Car Folder&quot; to &quot;Garage Folder.&quot;</source>
        <translation>Klicken, um das im „Autoordner“ gewählte Auto in den „Garagenordner“ zu schicken.</translation>
    </message>
    <message>
        <source>Click to Send Car selected in &quot;Garage Folder&quot; to &quot;Care Folder&quot;</source>
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
        <source>A Picture of the car last selected on both the &quot;Car Folder&quot; &amp; &quot;Garage Folder.&quot;</source>
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
        <source>Click Refresh to refresh the toolbars. Click &quot;Reset Reg.&quot; to reset the Car Number in the Registry</source>
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
        <source>Click to run &quot;Rigwell.&quot;</source>
        <translation>Klicken, um „Rigwell“ zu starten.</translation>
    </message>
    <message>
        <source>Warning light</source>
        <translation>Warnlicht</translation>
    </message>
    <message>
        <source>This light flashes when the &quot;Car Amount&quot; for &quot;Car Fol.&quot; exceeds that of the &quot;Max Car Amount.&quot;</source>
        <translation>Dieses Licht blinkt, wenn die Zahl der Autos im „Autoordner“ die „Höchstzahl an Autos“ erreicht.</translation>
    </message>
    <message>
        <source>Car Fol. Grg. Fol.</source>
        <translation>Autoordn. Garage</translation>
    </message>
    <message>
        <source>The Amount of Cars in &quot;Car Folder.&quot;</source>
        <translation>Die Zahl der Autos im „Autoordner“.</translation>
    </message>
    <message>
        <source>The Amount of Cars in &quot;Garage Folder.&quot;</source>
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
    <message>
        <source>Car Table</source>
        <translation>Autotabelle</translation>
    </message>
    <message>
        <source>Every car of both folders in one table, with statistics and health (F7)</source>
        <translation>Alle Autos beider Ordner in einer Tabelle, mit Werten und Zustand (F7)</translation>
    </message>
    <message>
        <source>To reset the &quot;Selected Car&quot; Number in the registry. Use if the last you selected in Re-Volt exceeds the amount of cars you now have in your Car Directory</source>
        <translation>Setzt die Nummer des &quot;gewählten Autos&quot; in der Registry zurück. Nötig, wenn das zuletzt in Re-Volt gewählte Auto über der Zahl der Autos liegt, die jetzt im Autoordner sind</translation>
    </message>
    <message>
        <source>Click to refresh the &quot;Car Folder&quot; &amp; &quot;Garage Folder&quot; if any subdirectory of those directories has between moved\deleted.</source>
        <translation>Klicken, um &quot;Autoordner&quot; und &quot;Garagenordner&quot; neu einzulesen, wenn dort Unterordner verschoben oder gelöscht wurden.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtern</translation>
    </message>
    <message>
        <source>Click to Load Only the selected Set into the Car Folder, all others will be removed from the Car Folder to the Garage Folder.</source>
        <translation>Klicken, um nur das gewählte Set in den Autoordner zu laden; alle anderen Autos kommen aus dem Autoordner in den Garagenordner.</translation>
    </message>
    <message>
        <source>The Car Folder %1 is not the cars folder of a game folder or of a pack, so there are no packs to show.</source>
        <translation>Der Autoordner %1 ist nicht der cars-Ordner eines Spielordners oder eines Packs; es gibt keine Packs zu zeigen.</translation>
    </message>
    <message>
        <source>This light flashes when the game loads as many cars as the &quot;Max Car Amount&quot; (%1) or more, counting every pack the packlist %2 loads.</source>
        <translation>Diese Lampe blinkt, wenn das Spiel so viele Autos wie die „Max Car Amount“ (%1) oder mehr lädt, mit allen Packs, die die Packliste %2 lädt.</translation>
    </message>
    <message>
        <source>Packs</source>
        <translation>Packs</translation>
    </message>
    <message>
        <source>The game&apos;s packs: which the chosen packlist loads, in which order, with their cars (F8)</source>
        <translation>Die Packs des Spiels: welche die gewählte Packliste lädt, in welcher Reihenfolge, mit ihren Autos (F8)</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>Start the game with the chosen packlist (F9)</source>
        <translation>Das Spiel mit der gewählten Packliste starten (F9)</translation>
    </message>
    <message>
        <source>Cars the game loads</source>
        <translation>Autos, die das Spiel lädt</translation>
    </message>
    <message>
        <source>(packlist %1)</source>
        <translation>(Packliste %1)</translation>
    </message>
    <message>
        <source>Menu key, Shift+F10</source>
        <translation>Menütaste, Umschalt+F10</translation>
    </message>
    <message>
        <source>the context menu of a list</source>
        <translation>das Kontextmenü einer Liste</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>from a filter box to its list and on</source>
        <translation>vom Filterfeld zu seiner Liste und weiter</translation>
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
    <message>
        <source>A Picture of the car last selected on both the &quot;Car Folder&quot; &amp; &quot;Garage Folder.&quot;</source>
        <translation>Ein Bild des zuletzt im „Autoordner“ oder „Garagenordner“ gewählten Autos.</translation>
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
    <message>
        <source>&amp;Game…</source>
        <translation>&amp;Spiel …</translation>
    </message>
    <message>
        <source>The game folder found, the packlist the game starts with, and the game program</source>
        <translation>Der gefundene Spielordner, die Packliste, mit der das Spiel startet, und das Spielprogramm</translation>
    </message>
    <message>
        <source>Game folder, packlist and program</source>
        <translation>Spielordner, Packliste und Programm</translation>
    </message>
</context>
<context>
    <name>parkwen::GameDialog</name>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>(the Car Folder is not a game&apos;s cars folder)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game folder</source>
        <translation>Spielordner</translation>
    </message>
    <message>
        <source>Packlist the game is started with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game program</source>
        <translation>Spielprogramm</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Durchsuchen …</translation>
    </message>
    <message>
        <source>Choose the game program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game folder:</source>
        <translation>Spielordner:</translation>
    </message>
    <message>
        <source>&amp;Packlist:</source>
        <translation>&amp;Packliste:</translation>
    </message>
    <message>
        <source>Game &amp;program:</source>
        <translation>Spiel&amp;programm:</translation>
    </message>
    <message>
        <source>Empty: the game folder&apos;s own start script.</source>
        <translation>Leer: das Startskript des Spielordners.</translation>
    </message>
</context>
<context>
    <name>parkwen::LoadedView</name>
    <message>
        <source>loaded, mixed with the files of %1</source>
        <translation>geladen, gemischt mit den Dateien von %1</translation>
    </message>
    <message>
        <source>loaded; replaces the car of pack %1</source>
        <translation>geladen; ersetzt das Auto von Pack %1</translation>
    </message>
    <message>
        <source>loaded</source>
        <translation type="unfinished">geladen</translation>
    </message>
    <message>
        <source>hidden by pack %1</source>
        <translation>verdeckt von Pack %1</translation>
    </message>
    <message>
        <source>its pack is off</source>
        <translation>sein Pack ist aus</translation>
    </message>
    <message>
        <source>Loaded by the game (packlist %1)</source>
        <translation>Vom Spiel geladen (Packliste %1)</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Pack</source>
        <translation type="unfinished">Pack</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Files from</source>
        <translation>Dateien aus</translation>
    </message>
    <message>
        <source>Filter by car, pack or state</source>
        <translation>Nach Auto, Pack oder Zustand filtern</translation>
    </message>
    <message>
        <source>Filter the cars of every pack</source>
        <translation>Die Autos aller Packs filtern</translation>
    </message>
    <message>
        <source>Every car of every pack, and what the game makes of it</source>
        <translation>Jedes Auto jedes Packs und was das Spiel daraus macht</translation>
    </message>
    <message>
        <source>No packlist: the game loads its own folder only.</source>
        <translation type="unfinished">Keine Packliste: das Spiel lädt nur seinen eigenen Ordner.</translation>
    </message>
</context>
<context>
    <name>parkwen::PacksWindow</name>
    <message>
        <source>Up</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Runter</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished">Rückgängig</translation>
    </message>
    <message>
        <source>Packs</source>
        <translation>Packs</translation>
    </message>
    <message>
        <source>Game folder: %1</source>
        <translation>Spielordner: %1</translation>
    </message>
    <message>
        <source>Game folder</source>
        <translation>Spielordner</translation>
    </message>
    <message>
        <source>What the game loads</source>
        <translation>Was das Spiel lädt</translation>
    </message>
    <message>
        <source>&amp;Packlist:</source>
        <translation>&amp;Packliste:</translation>
    </message>
    <message>
        <source>Packlist</source>
        <translation>Packliste</translation>
    </message>
    <message>
        <source>&amp;New…</source>
        <translation>&amp;Neu …</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Umbenennen …</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>New packlist, a copy of this one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename the packlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the packlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packs: tick a pack to load it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pack</source>
        <translation>Pack</translation>
    </message>
    <message>
        <source>Loaded</source>
        <translation>Geladen</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Reihenfolge</translation>
    </message>
    <message>
        <source>Cars</source>
        <translation>Autos</translation>
    </message>
    <message>
        <source>Move the pack up: loaded before the packs below it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the pack down: loaded after the packs above it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo the last change to the packlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>loaded</source>
        <translation>geladen</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>No packlist: the game loads its own folder only.</source>
        <translation>Keine Packliste: das Spiel lädt nur seinen eigenen Ordner.</translation>
    </message>
    <message>
        <source>The new packlist&apos;s name (a copy of %1):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The packlist&apos;s new name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two packs differ only in letter case (the game tells them apart): %1</source>
        <translation>Zwei Pakete unterscheiden sich nur in der Groß- und Kleinschreibung (das Spiel hält sie auseinander): %1</translation>
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
        <source>Click to BackUp &quot;Current Parameters&quot; (Parameters.Txt.)</source>
        <translation>Klicken, um die „aktuellen Parameter“ (Parameters.Txt) zu sichern.</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>Click to set the Currently Selected Parameters to &quot;Current Parameters&quot; (Parameters.Txt.)</source>
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
        <source>The Current skin: Specified in the Current &quot;Parameters.txt&quot;. To Back this up Click &quot;Backup.&quot;</source>
        <translation>Der aktuelle Skin, wie ihn die aktuelle „Parameters.txt“ nennt. Sichern sichert ihn.</translation>
    </message>
    <message>
        <source>Click to Backup the &quot;Current Skin.&quot;</source>
        <translation>Klicken, um den „aktuellen Skin“ zu sichern.</translation>
    </message>
    <message>
        <source>Other Skins</source>
        <translation>Andere Skins</translation>
    </message>
    <message>
        <source>Shows the currently selected &quot;Other Skin.&quot; Set in the Horizontal UpDown Control(!).</source>
        <translation>Zeigt den gewählten „anderen Skin“. Mit den Pfeilen wählen(!).</translation>
    </message>
    <message>
        <source>The Filename of the &quot;Other Skin.&quot;</source>
        <translation>Der Dateiname des „anderen Skins“.</translation>
    </message>
    <message>
        <source>Other skins</source>
        <translation>Andere Skins</translation>
    </message>
    <message>
        <source>Use this to Scroll Between &quot;Other Skins.&quot;</source>
        <translation>Hiermit durch die „anderen Skins“ blättern.</translation>
    </message>
    <message>
        <source>Click to Set the Current &quot;Other Skin&quot; to the &quot;Current Skin&quot;</source>
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
