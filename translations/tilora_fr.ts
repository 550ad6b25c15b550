<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Tilora</source>
        <translation>À propos de Tilora</translation>
    </message>
    <message>
        <source>A picture puzzle by Corvanne</source>
        <translation>Un puzzle d’images de Corvanne</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tilora logo</source>
        <translation>Logo de Tilora</translation>
    </message>
    <message>
        <source>Four tiles of a mountain picture at sunset, one of them out of place, above the name Tilora</source>
        <translation>Quatre pièces d’une image de montagne au coucher du soleil, dont une mal placée, au-dessus du nom Tilora</translation>
    </message>
</context>
<context>
    <name>BackgroundWindow</name>
    <message>
        <source>Corvanne Installer</source>
        <translation>Programme d’installation Corvanne</translation>
    </message>
</context>
<context>
    <name>BoardReading</name>
    <message>
        <source>Empty</source>
        <translation>Vide</translation>
    </message>
    <message>
        <source>Tile of row %1, column %2</source>
        <translation>Pièce de la ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>%1, in place</source>
        <translation>%1, bien placée</translation>
    </message>
    <message>
        <source>%1, hint</source>
        <translation>%1, indice</translation>
    </message>
    <message>
        <source>Arrow keys slide a tile into the empty cell.</source>
        <translation>Les touches fléchées font glisser une pièce dans la case vide.</translation>
    </message>
    <message>
        <source>Arrow keys move, Space or Return picks up a tile and swaps it with the next one pressed.</source>
        <translation>Les touches fléchées déplacent, Espace ou Entrée prend une pièce et l’échange avec la suivante choisie.</translation>
    </message>
</context>
<context>
    <name>BoardView</name>
    <message>
        <source>Puzzle board</source>
        <translation>Plateau du puzzle</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Ligne %1</translation>
    </message>
</context>
<context>
    <name>CongratulationsDialog</name>
    <message>
        <source>Congratulations!</source>
        <translation>Félicitations&#xa0;!</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Congratulations you have achieved a place on the scoreboard. Please enter your name :</source>
        <translation>Félicitations, vous avez gagné une place parmi les meilleurs scores. Veuillez saisir votre nom&#xa0;:</translation>
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
        <translation>Puzzle du jour</translation>
    </message>
    <message>
        <source>&lt;b&gt;Daily puzzle solved!&lt;/b&gt;</source>
        <translation>&lt;b&gt;Puzzle du jour résolu&#xa0;!&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&amp;Result to share:</source>
        <translation>&amp;Résultat à partager&#xa0;:</translation>
    </message>
    <message>
        <source>Result to share</source>
        <translation>Résultat à partager</translation>
    </message>
    <message>
        <source>Streak: %1</source>
        <translation>Série&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy the result</source>
        <translation>Copier le résultat</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copié</translation>
    </message>
</context>
<context>
    <name>DestinationDialog</name>
    <message>
        <source>Choose Destination Folder</source>
        <translation>Choisir le dossier de destination</translation>
    </message>
    <message>
        <source>Setup will install Tilora into the folder below.</source>
        <translation>Tilora sera installé dans le dossier ci-dessous.</translation>
    </message>
    <message>
        <source>To install to this folder choose Next.</source>
        <translation>Pour l’installer dans ce dossier, cliquez sur Suivant.</translation>
    </message>
    <message>
        <source>To install to a different folder either click Browse and select your desired folder or type in its location in the box.</source>
        <translation>Pour l’installer dans un autre dossier, cliquez sur Parcourir et choisissez le dossier voulu, ou tapez son emplacement dans la zone.</translation>
    </message>
    <message>
        <source>&amp;Destination Folder</source>
        <translation>&amp;Dossier de destination</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Suivant &gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>Create Folder</source>
        <translation>Créer le dossier</translation>
    </message>
    <message>
        <source>Folder does not exist, create it?</source>
        <translation>Ce dossier n’existe pas. Voulez-vous le créer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>FewestMovesNote</name>
    <message numerus="yes">
        <source>Solved: %n tiles moved; the fewest possible was %1.</source>
        <translation>
            <numerusform>Résolu&#xa0;: %n pièce déplacée&#xa0;; minimum %1.</numerusform>
            <numerusform>Résolu&#xa0;: %n pièces déplacées&#xa0;; minimum %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Solved: %n swaps; the fewest possible was %1.</source>
        <translation>
            <numerusform>Résolu&#xa0;: %n échange&#xa0;; minimum %1.</numerusform>
            <numerusform>Résolu&#xa0;: %n échanges&#xa0;; minimum %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FinishDialog</name>
    <message>
        <source>Setup complete!</source>
        <translation>Installation terminée&#xa0;!</translation>
    </message>
    <message>
        <source>Setup has finished.</source>
        <translation>L’installation est terminée.</translation>
    </message>
    <message>
        <source>Create program group in the Start menu.</source>
        <translation>Créer un groupe dans le menu des applications.</translation>
    </message>
    <message>
        <source>Create shortcut on the desktop.</source>
        <translation>Créer un raccourci sur le bureau.</translation>
    </message>
    <message>
        <source>Run the program now.</source>
        <translation>Lancer le programme maintenant.</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Terminer</translation>
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
        <translation>Puzzle d’images</translation>
    </message>
    <message>
        <source>Put a jumbled picture back together, tile by tile</source>
        <translation>Reconstituer une image mélangée, pièce par pièce</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Désinstaller</translation>
    </message>
    <message>
        <source>Remove Tilora from this computer</source>
        <translation>Supprimer Tilora de cet ordinateur</translation>
    </message>
</context>
<context>
    <name>GameMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Grid colour</source>
        <translation>Couleur de la grille</translation>
    </message>
    <message>
        <source>Selection colour</source>
        <translation>Couleur de la sélection</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Puzzle size</source>
        <translation>Taille du puzzle</translation>
    </message>
    <message>
        <source>Puzzle mode</source>
        <translation>Mode de jeu</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
</context>
<context>
    <name>GameReport</name>
    <message>
        <source>Puzzle difficulty : %1 x %1 (%2) (with hints)</source>
        <translation>Difficulté&#xa0;: %1 x %1 (%2) (avec indices)</translation>
    </message>
    <message>
        <source>Puzzle difficulty : %1 x %1 (%2)</source>
        <translation>Difficulté&#xa0;: %1 x %1 (%2)</translation>
    </message>
    <message>
        <source>Time taken : %1</source>
        <translation>Temps mis&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>Moves made : %n</source>
        <translation>
            <numerusform>Coup joué&#xa0;: %n</numerusform>
            <numerusform>Coups joués&#xa0;: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Joueur 1</translation>
    </message>
</context>
<context>
    <name>GameStatusBar</name>
    <message numerus="yes">
        <source>Moves: %n</source>
        <translation>
            <numerusform>Coups&#xa0;: %n</numerusform>
            <numerusform>Coups&#xa0;: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Slider puzzle</source>
        <translation>Taquin</translation>
    </message>
    <message>
        <source>Tile swap</source>
        <translation>Échange</translation>
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
        <translation>Depuis ce ZIP</translation>
    </message>
    <message>
        <source>New puzzle!</source>
        <translation>Nouveau puzzle&#xa0;!</translation>
    </message>
    <message>
        <source>Open picture</source>
        <translation>Ouvrir une image</translation>
    </message>
    <message>
        <source>Jumble!</source>
        <translation>Mélanger&#xa0;!</translation>
    </message>
    <message>
        <source>Show solution</source>
        <translation>Afficher la solution</translation>
    </message>
    <message>
        <source>Solve for me!</source>
        <translation>Résoudre pour moi&#xa0;!</translation>
    </message>
    <message>
        <source>Puzzle difficulty</source>
        <translation>Difficulté du puzzle</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>More toolbar buttons</source>
        <translation>Autres boutons de la barre d’outils</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>The help book Tilora.html could not be found. Tilora looked for it here:

%1</source>
        <translation>Le manuel d’aide Tilora.html est introuvable. Tilora l’a cherché ici&#xa0;:

%1</translation>
    </message>
    <message>
        <source>The help book %1 could not be opened.</source>
        <translation>Impossible d’ouvrir le manuel d’aide %1.</translation>
    </message>
</context>
<context>
    <name>HintFlow</name>
    <message numerus="yes">
        <source>Best: %n swaps to go</source>
        <translation>
            <numerusform>Au mieux&#xa0;: %n échange</numerusform>
            <numerusform>Au mieux&#xa0;: %n échanges</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best: %n tile moves to go</source>
        <translation>
            <numerusform>Au mieux&#xa0;: %n coup</numerusform>
            <numerusform>Au mieux&#xa0;: %n coups</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HyperlinkLabel</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Le système d’exploitation manque
de mémoire ou de ressources.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Le fichier indiqué est introuvable.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Le chemin indiqué est introuvable.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Le système d’exploitation a refusé
l’accès au fichier indiqué.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>La mémoire était insuffisante pour terminer l’opération.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Le fichier .EXE n’est pas valide
(.EXE non Win32 ou erreur dans l’image .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Une violation de partage s’est produite. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>L’association du nom de fichier est
incomplète ou non valide.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>La transaction DDE n’a pas pu
être terminée, car la demande a expiré.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transaction DDE a échoué.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>La transaction DDE n’a pas pu
être terminée, car d’autres transactions DDE
étaient en cours de traitement.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Aucune application n’est associée
à cette extension de fichier.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>La bibliothèque de liens dynamiques indiquée est introuvable.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Une erreur inconnue (%1) s’est produite.</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>Impossible d’ouvrir le lien&#xa0;:

%1</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Nouveau	Ctrl+N</translation>
    </message>
    <message>
        <source>From folder</source>
        <translation>Depuis le dossier</translation>
    </message>
    <message>
        <source>From Zip archive</source>
        <translation>Depuis l’archive ZIP</translation>
    </message>
    <message>
        <source>&amp;Open	Ctrl+O</source>
        <translation>&amp;Ouvrir	Ctrl+O</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Annuler	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>&amp;Rétablir	Ctrl+Y</translation>
    </message>
    <message>
        <source>&amp;Jumble	Ctrl+J</source>
        <translation>&amp;Mélanger	Ctrl+J</translation>
    </message>
    <message>
        <source>&amp;Grid	Ctrl+G</source>
        <translation>&amp;Grille	Ctrl+G</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>&amp;Show solution	Ctrl+S</source>
        <translation>Afficher la &amp;solution	Ctrl+S</translation>
    </message>
    <message>
        <source>Sol&amp;ve for me</source>
        <translation>&amp;Résoudre pour moi</translation>
    </message>
    <message>
        <source>&amp;Hint	Ctrl+H</source>
        <translation>&amp;Indice	Ctrl+H</translation>
    </message>
    <message>
        <source>Scoreboard</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d’outils</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barre d’état</translation>
    </message>
    <message>
        <source>%1 x %1</source>
        <translation>%1 x %1</translation>
    </message>
    <message>
        <source>Tile swap</source>
        <translation>Échange de pièces</translation>
    </message>
    <message>
        <source>Slider puzzle</source>
        <translation>Taquin</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>There is only 1 picture in this zip file!</source>
        <translation>Ce fichier ZIP ne contient qu’une seule image&#xa0;!</translation>
    </message>
    <message>
        <source>St&amp;atistics…</source>
        <translation>St&amp;atistiques…</translation>
    </message>
    <message>
        <source>&amp;Daily puzzle</source>
        <translation>&amp;Puzzle du jour</translation>
    </message>
</context>
<context>
    <name>OpenPictureDialog</name>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Preview picture</source>
        <translation>Image d’aperçu</translation>
    </message>
    <message>
        <source>Previous picture</source>
        <translation>Image précédente</translation>
    </message>
    <message>
        <source>Next picture</source>
        <translation>Image suivante</translation>
    </message>
    <message>
        <source>No picture</source>
        <translation>Aucune image</translation>
    </message>
    <message>
        <source>%1, picture %2 of %3</source>
        <translation>%1, image %2 sur %3</translation>
    </message>
    <message>
        <source>Supported files (%1)</source>
        <translation>Fichiers pris en charge (%1)</translation>
    </message>
</context>
<context>
    <name>PageLayout</name>
    <message>
        <source>Setup picture</source>
        <translation>Image de l’installation</translation>
    </message>
    <message>
        <source>A computer, a disc and floppy disks, each showing tiles of a picture</source>
        <translation>Un ordinateur, un disque et des disquettes, chacun montrant des pièces d’une image</translation>
    </message>
</context>
<context>
    <name>PicturePreview</name>
    <message>
        <source>0 images</source>
        <translation>0 image</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t select the previous image</source>
        <translation>Impossible de sélectionner l’image précédente</translation>
    </message>
    <message>
        <source>Couldn&apos;t select the next image</source>
        <translation>Impossible de sélectionner l’image suivante</translation>
    </message>
</context>
<context>
    <name>PlayerProgress</name>
    <message>
        <source>Daily puzzle of %1</source>
        <translation>Puzzle du jour du %1</translation>
    </message>
    <message>
        <source>This game could not be added to your history (%1).</source>
        <translation>Cette partie n’a pas pu être ajoutée à votre historique (%1).</translation>
    </message>
    <message numerus="yes">
        <source>Daily puzzle of %1: the fewest possible is %n tile move(s).</source>
        <translation>
            <numerusform>Puzzle du jour du %1&#xa0;: %n coup au minimum.</numerusform>
            <numerusform>Puzzle du jour du %1&#xa0;: %n coups au minimum.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressText</name>
    <message>
        <source>%1 × %1 slider</source>
        <translation>%1 × %1 taquin</translation>
    </message>
    <message>
        <source>%1 × %1 tile swap</source>
        <translation>%1 × %1 échange</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation>Puzzle</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Meilleur temps</translation>
    </message>
    <message>
        <source>Best moves</source>
        <translation>Moins de coups</translation>
    </message>
    <message>
        <source>Mean of last 5</source>
        <translation>Moy. 5 dern.</translation>
    </message>
    <message>
        <source>Mean of last 12</source>
        <translation>Moy. 12 dern.</translation>
    </message>
    <message>
        <source>Tiles moved / fewest</source>
        <translation>Pièces / min.</translation>
    </message>
    <message>
        <source>%1 ×</source>
        <translation>%1 ×</translation>
    </message>
    <message numerus="yes">
        <source>Tilora daily %1: %2 × %2, %n tiles moved, %3</source>
        <translation>
            <numerusform>Tilora du jour %1&#xa0;: %2 × %2, %n pièce déplacée, %3</numerusform>
            <numerusform>Tilora du jour %1&#xa0;: %2 × %2, %n pièces déplacées, %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tilora daily %1: %2 × %2, %n tiles moved (fewest %3), %4</source>
        <translation>
            <numerusform>Tilora du jour %1&#xa0;: %2 × %2, %n pièce déplacée (minimum %3), %4</numerusform>
            <numerusform>Tilora du jour %1&#xa0;: %2 × %2, %n pièces déplacées (minimum %3), %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) in a row</source>
        <translation>
            <numerusform>%n jour d’affilée</numerusform>
            <numerusform>%n jours d’affilée</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Lecteur</translation>
    </message>
</context>
<context>
    <name>ScoreboardRows</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Difficulté</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Coups</translation>
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
        <translation>Taquin &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Tile Swap scores &gt;&gt;&gt;</source>
        <translation>Échange de pièces &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Scoreboards</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Tile swap</source>
        <translation>Échange de pièces</translation>
    </message>
    <message>
        <source>Reset scores</source>
        <translation>Effacer les scores</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Tile Swap</source>
        <translation>Échange de pièces</translation>
    </message>
    <message>
        <source>Slider Puzzle</source>
        <translation>Taquin</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Êtes-vous sûr&#xa0;?</translation>
    </message>
    <message>
        <source>Tile swap scores</source>
        <translation>Meilleurs scores de l’échange de pièces</translation>
    </message>
    <message>
        <source>Slider scores</source>
        <translation>Meilleurs scores du taquin</translation>
    </message>
</context>
<context>
    <name>SetupFrame</name>
    <message>
        <source>Tilora Setup</source>
        <translation>Installation de Tilora</translation>
    </message>
</context>
<context>
    <name>SetupMessages</name>
    <message>
        <source>Cannot find %1 in this file.</source>
        <translation>Impossible de trouver %1 dans ce fichier.</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>Menu entries cannot start a program in %1 because the folder name holds a line break, another control character or a % sign. Please choose another folder.</source>
        <translation>Les entrées de menu ne peuvent pas lancer un programme situé dans %1, car le nom du dossier contient un saut de ligne, un autre caractère de contrôle ou le signe %. Veuillez choisir un autre dossier.</translation>
    </message>
    <message>
        <source>Setup could not write all of its files into %1. Tilora is not installed completely; no menu entries were made.</source>
        <translation>L’installation n’a pas pu écrire tous ses fichiers dans %1. Tilora n’est pas entièrement installé&#xa0;; aucune entrée de menu n’a été créée.</translation>
    </message>
    <message>
        <source>Exit Setup</source>
        <translation>Quitter l’installation</translation>
    </message>
    <message>
        <source>Setup is not yet done, are you sure you want to exit?</source>
        <translation>L’installation n’est pas terminée. Voulez-vous vraiment quitter&#xa0;?</translation>
    </message>
    <message>
        <source>The setup file is damaged.</source>
        <translation>Le fichier d’installation est endommagé.</translation>
    </message>
    <message>
        <source>Error unpacking files</source>
        <translation>Erreur lors de l’extraction des fichiers</translation>
    </message>
    <message>
        <source>Please choose a folder to install into.</source>
        <translation>Veuillez choisir le dossier d’installation.</translation>
    </message>
    <message>
        <source>Invalid folder.</source>
        <translation>Dossier non valide.</translation>
    </message>
    <message>
        <source>Another user can change what is in %1, so Tilora would not be safe there. Please choose a folder of your own.</source>
        <translation>Un autre utilisateur peut modifier le contenu de %1&#xa0;; Tilora n’y serait donc pas en sécurité. Veuillez choisir un dossier qui vous appartient.</translation>
    </message>
</context>
<context>
    <name>SolutionWindow</name>
    <message>
        <source>Solution</source>
        <translation>Solution</translation>
    </message>
    <message>
        <source>The whole picture as it looks with every tile in place</source>
        <translation>L’image entière, telle qu’elle apparaît avec chaque pièce à sa place</translation>
    </message>
    <message>
        <source>Solved picture</source>
        <translation>Image résolue</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Figures for each size and mode</source>
        <translation>Chiffres pour chaque taille et mode</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exporter…</translation>
    </message>
    <message>
        <source>Export the history as CSV</source>
        <translation>Exporter l’historique en CSV</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>No finished games yet. Every game you finish yourself is added here.</source>
        <translation>Aucune partie terminée pour l’instant. Chaque partie que vous terminez vous-même s’ajoute ici.</translation>
    </message>
    <message numerus="yes">
        <source>%n game(s) in your history.</source>
        <translation>
            <numerusform>%n partie dans votre historique.</numerusform>
            <numerusform>%n parties dans votre historique.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only the latest part of a very long history was read.</source>
        <translation>Seule la partie la plus récente d’un très long historique a été lue.</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) of the history could not be read; they are left in the file as they are.</source>
        <translation>
            <numerusform>%n ligne de l’historique n’a pas pu être lue&#xa0;; elle reste telle quelle dans le fichier.</numerusform>
            <numerusform>%n lignes de l’historique n’ont pas pu être lues&#xa0;; elles restent telles quelles dans le fichier.</numerusform>
        </translation>
    </message>
    <message>
        <source>Times of the latest games</source>
        <translation>Temps des dernières parties</translation>
    </message>
    <message numerus="yes">
        <source>Times of the last %n game(s) of %1</source>
        <translation>
            <numerusform>Temps de la dernière partie de %1</numerusform>
            <numerusform>Temps des %n dernières parties de %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Export history</source>
        <translation>Exporter l’historique</translation>
    </message>
    <message>
        <source>Tilora history.csv</source>
        <translation>Historique Tilora.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The history could not be written to %1.</source>
        <translation>Impossible d’écrire l’historique dans %1.</translation>
    </message>
</context>
<context>
    <name>TimeChart</name>
    <message>
        <source>Times of the latest games</source>
        <translation>Temps des dernières parties</translation>
    </message>
    <message>
        <source>No finished games yet.</source>
        <translation>Aucune partie terminée pour l’instant.</translation>
    </message>
    <message>
        <source>No games of %1 yet.</source>
        <translation>Aucune partie de %1 pour l’instant.</translation>
    </message>
    <message numerus="yes">
        <source>Last %n game(s) of %1: fastest %2, slowest %3, mean %4, latest %5.</source>
        <translation>
            <numerusform>Dernière partie de %1&#xa0;: plus rapide %2, plus lente %3, moyenne %4, dernière %5.</numerusform>
            <numerusform>%n dernières parties de %1&#xa0;: plus rapide %2, plus lente %3, moyenne %4, dernière %5.</numerusform>
        </translation>
    </message>
    <message>
        <source>best %1</source>
        <translation>meilleur %1</translation>
    </message>
    <message>
        <source>earlier</source>
        <translation>avant</translation>
    </message>
    <message>
        <source>latest</source>
        <translation>dernière</translation>
    </message>
    <message>
        <source>mean %1</source>
        <translation>moyenne %1</translation>
    </message>
</context>
<context>
    <name>TimeText</name>
    <message>
        <source>%1 hrs, %2 mins, %3 secs</source>
        <translation>%1 h, %2 min, %3 s</translation>
    </message>
    <message>
        <source>%1 mins, %2 secs</source>
        <translation>%1 min, %2 s</translation>
    </message>
    <message>
        <source>%1 secs</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 hrs %2 mins %3 secs</source>
        <translation>%1 h %2 min %3 s</translation>
    </message>
    <message>
        <source>%1 mins %2 secs</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Débutant</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>Novice</translation>
    </message>
    <message>
        <source>Amateur</source>
        <translation>Amateur</translation>
    </message>
    <message>
        <source>Seasoned</source>
        <translation>Confirmé</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Pro</source>
        <translation>Pro</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Grandmaster</source>
        <translation>Grand maître</translation>
    </message>
</context>
<context>
    <name>UninstallDialog</name>
    <message>
        <source>Uninstall ?</source>
        <translation>Désinstaller&#xa0;?</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Désinstaller</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>This program will uninstall Tilora, are you sure?</source>
        <translation>Ce programme va désinstaller Tilora. Êtes-vous sûr&#xa0;?</translation>
    </message>
</context>
<context>
    <name>UninstallPhases</name>
    <message>
        <source>Tilora is still running. Close it, then choose Uninstall again.</source>
        <translation>Tilora est encore ouvert. Fermez-le, puis choisissez de nouveau Désinstaller.</translation>
    </message>
</context>
<context>
    <name>Uninstaller</name>
    <message>
        <source>Tilora Uninstall</source>
        <translation>Désinstallation de Tilora</translation>
    </message>
</context>
<context>
    <name>WelcomePage</name>
    <message>
        <source>Welcome!</source>
        <translation>Bienvenue&#xa0;!</translation>
    </message>
    <message>
        <source>This program will install Tilora on your computer.</source>
        <translation>Ce programme va installer Tilora sur votre ordinateur.</translation>
    </message>
    <message>
        <source>It is strongly recommended that you exit all Windows programs before running this Setup.</source>
        <translation>Il est vivement recommandé de quitter tous les autres programmes avant de lancer l’installation.</translation>
    </message>
    <message>
        <source>Click Next to continue.</source>
        <translation>Cliquez sur Suivant pour continuer.</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Suivant &gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ZipPictureArchive</name>
    <message>
        <source>Couldnt create image buffer</source>
        <translation>Impossible de créer le tampon de l’image</translation>
    </message>
    <message>
        <source>Buffer Error</source>
        <translation>Erreur de tampon</translation>
    </message>
    <message>
        <source>Cant Create Picture</source>
        <translation>Impossible de créer l’image</translation>
    </message>
</context>
</TS>
