<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Tilora</source>
        <translation>Über Tilora</translation>
    </message>
    <message>
        <source>A picture puzzle by Corvanne</source>
        <translation>Ein Bilderpuzzle von Corvanne</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tilora logo</source>
        <translation>Tilora-Logo</translation>
    </message>
    <message>
        <source>Four tiles of a mountain picture at sunset, one of them out of place, above the name Tilora</source>
        <translation>Vier Teile eines Bergbildes bei Sonnenuntergang, eines davon nicht an seinem Platz, über dem Namen Tilora</translation>
    </message>
</context>
<context>
    <name>BackgroundWindow</name>
    <message>
        <source>Corvanne Installer</source>
        <translation>Corvanne-Installationsprogramm</translation>
    </message>
</context>
<context>
    <name>BoardReading</name>
    <message>
        <source>Empty</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Tile of row %1, column %2</source>
        <translation>Teil aus Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>%1, in place</source>
        <translation>%1, am richtigen Platz</translation>
    </message>
    <message>
        <source>%1, hint</source>
        <translation>%1, Tipp</translation>
    </message>
    <message>
        <source>Arrow keys slide a tile into the empty cell.</source>
        <translation>Die Pfeiltasten schieben ein Teil in das leere Feld.</translation>
    </message>
    <message>
        <source>Arrow keys move, Space or Return picks up a tile and swaps it with the next one pressed.</source>
        <translation>Die Pfeiltasten bewegen, Leertaste oder Eingabetaste nimmt ein Teil auf und tauscht es mit dem nächsten gewählten.</translation>
    </message>
</context>
<context>
    <name>BoardView</name>
    <message>
        <source>Puzzle board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Zeile %1</translation>
    </message>
</context>
<context>
    <name>CongratulationsDialog</name>
    <message>
        <source>Congratulations!</source>
        <translation>Herzlichen Glückwunsch!</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Congratulations you have achieved a place on the scoreboard. Please enter your name :</source>
        <translation>Glückwunsch, Sie haben einen Platz in der Bestenliste erreicht. Bitte geben Sie Ihren Namen ein:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>DailyResultDialog</name>
    <message>
        <source>Daily puzzle</source>
        <translation>Tagespuzzle</translation>
    </message>
    <message>
        <source>&lt;b&gt;Daily puzzle solved!&lt;/b&gt;</source>
        <translation>&lt;b&gt;Tagespuzzle gelöst!&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&amp;Result to share:</source>
        <translation>&amp;Ergebnis zum Teilen:</translation>
    </message>
    <message>
        <source>Result to share</source>
        <translation>Ergebnis zum Teilen</translation>
    </message>
    <message>
        <source>Streak: %1</source>
        <translation>Serie: %1</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the result</source>
        <translation>Ergebnis kopieren</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopiert</translation>
    </message>
</context>
<context>
    <name>DestinationDialog</name>
    <message>
        <source>Choose Destination Folder</source>
        <translation>Zielordner wählen</translation>
    </message>
    <message>
        <source>Setup will install Tilora into the folder below.</source>
        <translation>Tilora wird in den unten angegebenen Ordner installiert.</translation>
    </message>
    <message>
        <source>To install to this folder choose Next.</source>
        <translation>Klicken Sie auf Weiter, um in diesen Ordner zu installieren.</translation>
    </message>
    <message>
        <source>To install to a different folder either click Browse and select your desired folder or type in its location in the box.</source>
        <translation>Um in einen anderen Ordner zu installieren, klicken Sie auf Ändern und wählen den gewünschten Ordner, oder geben Sie seinen Pfad in das Feld ein.</translation>
    </message>
    <message>
        <source>&amp;Destination Folder</source>
        <translation>&amp;Zielordner</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Weiter &gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Ordner wählen</translation>
    </message>
    <message>
        <source>Create Folder</source>
        <translation>Ordner anlegen</translation>
    </message>
    <message>
        <source>Folder does not exist, create it?</source>
        <translation>Der Ordner existiert nicht. Soll er angelegt werden?</translation>
    </message>
</context>
<context>
    <name>FewestMovesNote</name>
    <message numerus="yes">
        <source>Solved: %n tiles moved; the fewest possible was %1.</source>
        <translation>
            <numerusform>Gelöst: %n Teil bewegt; Minimum %1.</numerusform>
            <numerusform>Gelöst: %n Teile bewegt; Minimum %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Solved: %n swaps; the fewest possible was %1.</source>
        <translation>
            <numerusform>Gelöst: %n Tauschzug; Minimum %1.</numerusform>
            <numerusform>Gelöst: %n Tauschzüge; Minimum %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FinishDialog</name>
    <message>
        <source>Setup complete!</source>
        <translation>Installation abgeschlossen!</translation>
    </message>
    <message>
        <source>Setup has finished.</source>
        <translation>Die Installation ist beendet.</translation>
    </message>
    <message>
        <source>Create program group in the Start menu.</source>
        <translation>Programmgruppe im Anwendungsmenü anlegen.</translation>
    </message>
    <message>
        <source>Create shortcut on the desktop.</source>
        <translation>Verknüpfung auf dem Schreibtisch anlegen.</translation>
    </message>
    <message>
        <source>Run the program now.</source>
        <translation>Programm jetzt starten.</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Fertig stellen</translation>
    </message>
</context>
<context>
    <name>FinishInstall</name>
    <message>
        <source>Tilora</source>
        <translation>Tilora</translation>
    </message>
    <message>
        <source>Picture Puzzle</source>
        <translation>Bilderpuzzle</translation>
    </message>
    <message>
        <source>Put a jumbled picture back together, tile by tile</source>
        <translation>Ein durcheinandergewürfeltes Bild Teil für Teil wieder zusammensetzen</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Deinstallieren</translation>
    </message>
    <message>
        <source>Remove Tilora from this computer</source>
        <translation>Tilora von diesem Computer entfernen</translation>
    </message>
</context>
<context>
    <name>GameMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Grid colour</source>
        <translation>Gitterfarbe</translation>
    </message>
    <message>
        <source>Selection colour</source>
        <translation>Auswahlfarbe</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Puzzle size</source>
        <translation>Puzzlegröße</translation>
    </message>
    <message>
        <source>Puzzle mode</source>
        <translation>Spielart</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
</context>
<context>
    <name>GameReport</name>
    <message>
        <source>Puzzle difficulty : %1 x %1 (%2) (with hints)</source>
        <translation>Schwierigkeit: %1 x %1 (%2) (mit Tipps)</translation>
    </message>
    <message>
        <source>Puzzle difficulty : %1 x %1 (%2)</source>
        <translation>Schwierigkeit: %1 x %1 (%2)</translation>
    </message>
    <message>
        <source>Time taken : %1</source>
        <translation>Benötigte Zeit: %1</translation>
    </message>
    <message numerus="yes">
        <source>Moves made : %n</source>
        <translation>
            <numerusform>Benötigte Züge: %n</numerusform>
            <numerusform>Benötigte Züge: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Spieler 1</translation>
    </message>
</context>
<context>
    <name>GameStatusBar</name>
    <message numerus="yes">
        <source>Moves: %n</source>
        <translation>
            <numerusform>Züge: %n</numerusform>
            <numerusform>Züge: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Slider puzzle</source>
        <translation>Schiebepuzzle</translation>
    </message>
    <message>
        <source>Tile swap</source>
        <translation>Teiletausch</translation>
    </message>
    <message>
        <source>%1 x %1 %2</source>
        <translation>%1 x %1 %2</translation>
    </message>
</context>
<context>
    <name>GameToolbar</name>
    <message>
        <source>From this Zip</source>
        <translation>Aus diesem ZIP-Archiv</translation>
    </message>
    <message>
        <source>New puzzle!</source>
        <translation>Neues Puzzle!</translation>
    </message>
    <message>
        <source>Open picture</source>
        <translation>Bild öffnen</translation>
    </message>
    <message>
        <source>Jumble!</source>
        <translation>Mischen!</translation>
    </message>
    <message>
        <source>Show solution</source>
        <translation>Lösung zeigen</translation>
    </message>
    <message>
        <source>Solve for me!</source>
        <translation>Für mich lösen!</translation>
    </message>
    <message>
        <source>Puzzle difficulty</source>
        <translation>Schwierigkeitsgrad</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Gitter</translation>
    </message>
    <message>
        <source>More toolbar buttons</source>
        <translation>Weitere Schaltflächen</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>The help book Tilora.html could not be found. Tilora looked for it here:

%1</source>
        <translation>Das Hilfebuch Tilora.html wurde nicht gefunden. Tilora hat an diesen Orten gesucht:

%1</translation>
    </message>
    <message>
        <source>The help book %1 could not be opened.</source>
        <translation>Das Hilfebuch %1 konnte nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>HintFlow</name>
    <message numerus="yes">
        <source>Best: %n swaps to go</source>
        <translation>
            <numerusform>Noch mind. %n Tauschzug</numerusform>
            <numerusform>Noch mind. %n Tauschzüge</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best: %n tile moves to go</source>
        <translation>
            <numerusform>Noch mind. %n Zug</numerusform>
            <numerusform>Noch mind. %n Züge</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HyperlinkLabel</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Dem Betriebssystem fehlt es
an Speicher oder Ressourcen.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Die angegebene Datei wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Der angegebene Pfad wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Das Betriebssystem hat den Zugriff
auf die angegebene Datei verweigert.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Für diesen Vorgang war nicht genügend Speicher frei.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Die .EXE-Datei ist ungültig
(keine Win32-.EXE oder Fehler im .EXE-Abbild).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Es ist eine Freigabeverletzung aufgetreten. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Die Zuordnung des Dateinamens ist
unvollständig oder ungültig.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Die DDE-Transaktion konnte nicht
abgeschlossen werden, weil die Anfrage zu lange dauerte.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>Die DDE-Transaktion ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Die DDE-Transaktion konnte nicht
abgeschlossen werden, weil gerade andere
DDE-Transaktionen verarbeitet wurden.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Der angegebenen Dateiendung
ist kein Programm zugeordnet.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>Die angegebene dynamische Bibliothek wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Unbekannter Fehler (%1) aufgetreten.</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>Der Link konnte nicht geöffnet werden:

%1</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Neu	Strg+N</translation>
    </message>
    <message>
        <source>From folder</source>
        <translation>Aus dem Ordner</translation>
    </message>
    <message>
        <source>From Zip archive</source>
        <translation>Aus dem ZIP-Archiv</translation>
    </message>
    <message>
        <source>&amp;Open	Ctrl+O</source>
        <translation>Ö&amp;ffnen	Strg+O</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Rückgängig	Strg+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>&amp;Wiederholen	Strg+Y</translation>
    </message>
    <message>
        <source>&amp;Jumble	Ctrl+J</source>
        <translation>&amp;Mischen	Strg+J</translation>
    </message>
    <message>
        <source>&amp;Grid	Ctrl+G</source>
        <translation>&amp;Gitter	Strg+G</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>&amp;Show solution	Ctrl+S</source>
        <translation>Lösung &amp;zeigen	Strg+S</translation>
    </message>
    <message>
        <source>Sol&amp;ve for me</source>
        <translation>Für mich &amp;lösen</translation>
    </message>
    <message>
        <source>&amp;Hint	Ctrl+H</source>
        <translation>&amp;Tipp	Strg+H</translation>
    </message>
    <message>
        <source>Scoreboard</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Statusleiste</translation>
    </message>
    <message>
        <source>%1 x %1</source>
        <translation>%1 x %1</translation>
    </message>
    <message>
        <source>Tile swap</source>
        <translation>Teiletausch</translation>
    </message>
    <message>
        <source>Slider puzzle</source>
        <translation>Schiebepuzzle</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>There is only 1 picture in this zip file!</source>
        <translation>Diese ZIP-Datei enthält nur 1 Bild!</translation>
    </message>
    <message>
        <source>St&amp;atistics…</source>
        <translation>St&amp;atistik…</translation>
    </message>
    <message>
        <source>&amp;Daily puzzle</source>
        <translation>Tages&amp;puzzle</translation>
    </message>
</context>
<context>
    <name>OpenPictureDialog</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Preview picture</source>
        <translation>Vorschaubild</translation>
    </message>
    <message>
        <source>Previous picture</source>
        <translation>Vorheriges Bild</translation>
    </message>
    <message>
        <source>Next picture</source>
        <translation>Nächstes Bild</translation>
    </message>
    <message>
        <source>No picture</source>
        <translation>Kein Bild</translation>
    </message>
    <message>
        <source>%1, picture %2 of %3</source>
        <translation>%1, Bild %2 von %3</translation>
    </message>
    <message>
        <source>Supported files (%1)</source>
        <translation>Unterstützte Dateien (%1)</translation>
    </message>
</context>
<context>
    <name>PageLayout</name>
    <message>
        <source>Setup picture</source>
        <translation>Bild der Installation</translation>
    </message>
    <message>
        <source>A computer, a disc and floppy disks, each showing tiles of a picture</source>
        <translation>Ein Computer, eine CD und Disketten, jeweils mit Teilen eines Bildes</translation>
    </message>
</context>
<context>
    <name>PicturePreview</name>
    <message>
        <source>0 images</source>
        <translation>0 Bilder</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t select the previous image</source>
        <translation>Das vorige Bild lässt sich nicht wählen</translation>
    </message>
    <message>
        <source>Couldn&apos;t select the next image</source>
        <translation>Das nächste Bild lässt sich nicht wählen</translation>
    </message>
</context>
<context>
    <name>PlayerProgress</name>
    <message>
        <source>Daily puzzle of %1</source>
        <translation>Tagespuzzle vom %1</translation>
    </message>
    <message>
        <source>This game could not be added to your history (%1).</source>
        <translation>Dieses Spiel konnte nicht in Ihren Verlauf aufgenommen werden (%1).</translation>
    </message>
    <message numerus="yes">
        <source>Daily puzzle of %1: the fewest possible is %n tile move(s).</source>
        <translation>
            <numerusform>Tagespuzzle vom %1: Es geht mit %n Zug.</numerusform>
            <numerusform>Tagespuzzle vom %1: Es geht mit %n Zügen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressText</name>
    <message>
        <source>%1 × %1 slider</source>
        <translation>%1 × %1 Schiebepuzzle</translation>
    </message>
    <message>
        <source>%1 × %1 tile swap</source>
        <translation>%1 × %1 Teiletausch</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation>Puzzle</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Bestzeit</translation>
    </message>
    <message>
        <source>Best moves</source>
        <translation>Wenigste Züge</translation>
    </message>
    <message>
        <source>Mean of last 5</source>
        <translation>Ø letzte 5</translation>
    </message>
    <message>
        <source>Mean of last 12</source>
        <translation>Ø letzte 12</translation>
    </message>
    <message>
        <source>Tiles moved / fewest</source>
        <translation>Teile / Minimum</translation>
    </message>
    <message>
        <source>%1 ×</source>
        <translation>%1 ×</translation>
    </message>
    <message numerus="yes">
        <source>Tilora daily %1: %2 × %2, %n tiles moved, %3</source>
        <translation>
            <numerusform>Tilora-Tagespuzzle %1: %2 × %2, %n Teil bewegt, %3</numerusform>
            <numerusform>Tilora-Tagespuzzle %1: %2 × %2, %n Teile bewegt, %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tilora daily %1: %2 × %2, %n tiles moved (fewest %3), %4</source>
        <translation>
            <numerusform>Tilora-Tagespuzzle %1: %2 × %2, %n Teil bewegt (Minimum %3), %4</numerusform>
            <numerusform>Tilora-Tagespuzzle %1: %2 × %2, %n Teile bewegt (Minimum %3), %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) in a row</source>
        <translation>
            <numerusform>%n Tag in Folge</numerusform>
            <numerusform>%n Tage in Folge</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
</context>
<context>
    <name>ScoreboardRows</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Schwierigkeit</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>%1 x %1</source>
        <translation>%1 x %1</translation>
    </message>
</context>
<context>
    <name>ScoreboardsDialog</name>
    <message>
        <source>Slider scores &gt;&gt;&gt;</source>
        <translation>Schiebepuzzle &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Tile Swap scores &gt;&gt;&gt;</source>
        <translation>Teiletausch &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Scoreboards</source>
        <translation>Bestenlisten</translation>
    </message>
    <message>
        <source>Tile swap</source>
        <translation>Teiletausch</translation>
    </message>
    <message>
        <source>Reset scores</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Tile Swap</source>
        <translation>Teiletausch</translation>
    </message>
    <message>
        <source>Slider Puzzle</source>
        <translation>Schiebepuzzle</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Sind Sie sicher?</translation>
    </message>
    <message>
        <source>Tile swap scores</source>
        <translation>Bestenliste Teiletausch</translation>
    </message>
    <message>
        <source>Slider scores</source>
        <translation>Bestenliste Schiebepuzzle</translation>
    </message>
</context>
<context>
    <name>SetupFrame</name>
    <message>
        <source>Tilora Setup</source>
        <translation>Tilora-Installation</translation>
    </message>
</context>
<context>
    <name>SetupMessages</name>
    <message>
        <source>Cannot find %1 in this file.</source>
        <translation>%1 ist in dieser Datei nicht zu finden.</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Menu entries cannot start a program in %1 because the folder name holds a line break, another control character or a % sign. Please choose another folder.</source>
        <translation>Menüeinträge können kein Programm in %1 starten, weil der Ordnername einen Zeilenumbruch, ein anderes Steuerzeichen oder ein %-Zeichen enthält. Bitte wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>Setup could not write all of its files into %1. Tilora is not installed completely; no menu entries were made.</source>
        <translation>Die Installation konnte nicht alle Dateien nach %1 schreiben. Tilora ist nicht vollständig installiert; es wurden keine Menüeinträge angelegt.</translation>
    </message>
    <message>
        <source>Exit Setup</source>
        <translation>Installation beenden</translation>
    </message>
    <message>
        <source>Setup is not yet done, are you sure you want to exit?</source>
        <translation>Die Installation ist noch nicht abgeschlossen. Wollen Sie sie wirklich beenden?</translation>
    </message>
    <message>
        <source>The setup file is damaged.</source>
        <translation>Die Installationsdatei ist beschädigt.</translation>
    </message>
    <message>
        <source>Error unpacking files</source>
        <translation>Fehler beim Entpacken der Dateien</translation>
    </message>
    <message>
        <source>Please choose a folder to install into.</source>
        <translation>Bitte wählen Sie einen Ordner für die Installation.</translation>
    </message>
    <message>
        <source>Invalid folder.</source>
        <translation>Ungültiger Ordner.</translation>
    </message>
    <message>
        <source>Another user can change what is in %1, so Tilora would not be safe there. Please choose a folder of your own.</source>
        <translation>Ein anderer Benutzer kann den Inhalt von %1 ändern, daher wäre Tilora dort nicht sicher. Bitte wählen Sie einen eigenen Ordner.</translation>
    </message>
</context>
<context>
    <name>SolutionWindow</name>
    <message>
        <source>Solution</source>
        <translation>Lösung</translation>
    </message>
    <message>
        <source>The whole picture as it looks with every tile in place</source>
        <translation>Das ganze Bild, wie es mit allen Teilen am richtigen Platz aussieht</translation>
    </message>
    <message>
        <source>Solved picture</source>
        <translation>Gelöstes Bild</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Figures for each size and mode</source>
        <translation>Zahlen für jede Größe und Spielart</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportieren…</translation>
    </message>
    <message>
        <source>Export the history as CSV</source>
        <translation>Verlauf als CSV exportieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No finished games yet. Every game you finish yourself is added here.</source>
        <translation>Noch keine beendeten Spiele. Jedes Spiel, das Sie selbst beenden, erscheint hier.</translation>
    </message>
    <message numerus="yes">
        <source>%n game(s) in your history.</source>
        <translation>
            <numerusform>%n Spiel in Ihrem Verlauf.</numerusform>
            <numerusform>%n Spiele in Ihrem Verlauf.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only the latest part of a very long history was read.</source>
        <translation>Von einem sehr langen Verlauf wurde nur der neueste Teil gelesen.</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) of the history could not be read; they are left in the file as they are.</source>
        <translation>
            <numerusform>%n Zeile des Verlaufs konnte nicht gelesen werden; sie bleibt unverändert in der Datei.</numerusform>
            <numerusform>%n Zeilen des Verlaufs konnten nicht gelesen werden; sie bleiben unverändert in der Datei.</numerusform>
        </translation>
    </message>
    <message>
        <source>Times of the latest games</source>
        <translation>Zeiten der letzten Spiele</translation>
    </message>
    <message numerus="yes">
        <source>Times of the last %n game(s) of %1</source>
        <translation>
            <numerusform>Zeit des letzten Spiels von %1</numerusform>
            <numerusform>Zeiten der letzten %n Spiele von %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Export history</source>
        <translation>Verlauf exportieren</translation>
    </message>
    <message>
        <source>Tilora history.csv</source>
        <translation>Tilora-Verlauf.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The history could not be written to %1.</source>
        <translation>Der Verlauf konnte nicht nach %1 geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>TimeChart</name>
    <message>
        <source>Times of the latest games</source>
        <translation>Zeiten der letzten Spiele</translation>
    </message>
    <message>
        <source>No finished games yet.</source>
        <translation>Noch keine beendeten Spiele.</translation>
    </message>
    <message>
        <source>No games of %1 yet.</source>
        <translation>Noch keine Spiele von %1.</translation>
    </message>
    <message numerus="yes">
        <source>Last %n game(s) of %1: fastest %2, slowest %3, mean %4, latest %5.</source>
        <translation>
            <numerusform>Letztes Spiel von %1: schnellstes %2, langsamstes %3, Schnitt %4, letztes %5.</numerusform>
            <numerusform>Letzte %n Spiele von %1: schnellstes %2, langsamstes %3, Schnitt %4, letztes %5.</numerusform>
        </translation>
    </message>
    <message>
        <source>best %1</source>
        <translation>beste %1</translation>
    </message>
    <message>
        <source>earlier</source>
        <translation>früher</translation>
    </message>
    <message>
        <source>latest</source>
        <translation>zuletzt</translation>
    </message>
    <message>
        <source>mean %1</source>
        <translation>Schnitt %1</translation>
    </message>
</context>
<context>
    <name>TimeText</name>
    <message>
        <source>%1 hrs, %2 mins, %3 secs</source>
        <translation>%1 Std., %2 Min., %3 Sek.</translation>
    </message>
    <message>
        <source>%1 mins, %2 secs</source>
        <translation>%1 Min., %2 Sek.</translation>
    </message>
    <message>
        <source>%1 secs</source>
        <translation>%1 Sek.</translation>
    </message>
    <message>
        <source>%1 hrs %2 mins %3 secs</source>
        <translation>%1 Std. %2 Min. %3 Sek.</translation>
    </message>
    <message>
        <source>%1 mins %2 secs</source>
        <translation>%1 Min. %2 Sek.</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>Neuling</translation>
    </message>
    <message>
        <source>Amateur</source>
        <translation>Amateur</translation>
    </message>
    <message>
        <source>Seasoned</source>
        <translation>Erfahren</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>Pro</source>
        <translation>Profi</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Ass</translation>
    </message>
    <message>
        <source>Grandmaster</source>
        <translation>Großmeister</translation>
    </message>
</context>
<context>
    <name>UninstallDialog</name>
    <message>
        <source>Uninstall ?</source>
        <translation>Deinstallieren?</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Deinstallieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>This program will uninstall Tilora, are you sure?</source>
        <translation>Dieses Programm entfernt Tilora. Sind Sie sicher?</translation>
    </message>
</context>
<context>
    <name>UninstallPhases</name>
    <message>
        <source>Tilora is still running. Close it, then choose Uninstall again.</source>
        <translation>Tilora läuft noch. Beenden Sie das Spiel und wählen Sie dann erneut Deinstallieren.</translation>
    </message>
</context>
<context>
    <name>Uninstaller</name>
    <message>
        <source>Tilora Uninstall</source>
        <translation>Tilora-Deinstallation</translation>
    </message>
</context>
<context>
    <name>WelcomePage</name>
    <message>
        <source>Welcome!</source>
        <translation>Willkommen!</translation>
    </message>
    <message>
        <source>This program will install Tilora on your computer.</source>
        <translation>Dieses Programm installiert Tilora auf Ihrem Computer.</translation>
    </message>
    <message>
        <source>It is strongly recommended that you exit all Windows programs before running this Setup.</source>
        <translation>Es wird dringend empfohlen, alle anderen Programme zu beenden, bevor Sie die Installation starten.</translation>
    </message>
    <message>
        <source>Click Next to continue.</source>
        <translation>Klicken Sie auf Weiter, um fortzufahren.</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Weiter &gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ZipPictureArchive</name>
    <message>
        <source>Couldnt create image buffer</source>
        <translation>Bildpuffer konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>Buffer Error</source>
        <translation>Pufferfehler</translation>
    </message>
    <message>
        <source>Cant Create Picture</source>
        <translation>Bild kann nicht erstellt werden</translation>
    </message>
</context>
</TS>
