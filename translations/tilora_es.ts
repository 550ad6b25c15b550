<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Tilora</source>
        <translation>Acerca de Tilora</translation>
    </message>
    <message>
        <source>A picture puzzle by Corvanne</source>
        <translation>Un puzle de imágenes de Corvanne</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Tilora logo</source>
        <translation>Logotipo de Tilora</translation>
    </message>
    <message>
        <source>Four tiles of a mountain picture at sunset, one of them out of place, above the name Tilora</source>
        <translation>Cuatro piezas de una imagen de montaña al atardecer, una de ellas fuera de su sitio, sobre el nombre Tilora</translation>
    </message>
</context>
<context>
    <name>BackgroundWindow</name>
    <message>
        <source>Corvanne Installer</source>
        <translation>Instalador de Corvanne</translation>
    </message>
</context>
<context>
    <name>BoardReading</name>
    <message>
        <source>Empty</source>
        <translation>Vacía</translation>
    </message>
    <message>
        <source>Tile of row %1, column %2</source>
        <translation>Pieza de la fila %1, columna %2</translation>
    </message>
    <message>
        <source>%1, in place</source>
        <translation>%1, en su sitio</translation>
    </message>
    <message>
        <source>%1, hint</source>
        <translation>%1, pista</translation>
    </message>
    <message>
        <source>Arrow keys slide a tile into the empty cell.</source>
        <translation>Las teclas de flecha deslizan una pieza a la casilla vacía.</translation>
    </message>
    <message>
        <source>Arrow keys move, Space or Return picks up a tile and swaps it with the next one pressed.</source>
        <translation>Las teclas de flecha mueven; Espacio o Intro toma una pieza y la intercambia con la siguiente que se pulse.</translation>
    </message>
</context>
<context>
    <name>BoardView</name>
    <message>
        <source>Puzzle board</source>
        <translation>Tablero del puzle</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Fila %1</translation>
    </message>
</context>
<context>
    <name>CongratulationsDialog</name>
    <message>
        <source>Congratulations!</source>
        <translation>¡Enhorabuena!</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Congratulations you have achieved a place on the scoreboard. Please enter your name :</source>
        <translation>Enhorabuena, ha conseguido un puesto en las puntuaciones. Escriba su nombre:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>DailyResultDialog</name>
    <message>
        <source>Daily puzzle</source>
        <translation>Puzle del día</translation>
    </message>
    <message>
        <source>&lt;b&gt;Daily puzzle solved!&lt;/b&gt;</source>
        <translation>&lt;b&gt;¡Puzle del día resuelto!&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&amp;Result to share:</source>
        <translation>&amp;Resultado para compartir:</translation>
    </message>
    <message>
        <source>Result to share</source>
        <translation>Resultado para compartir</translation>
    </message>
    <message>
        <source>Streak: %1</source>
        <translation>Racha: %1</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy the result</source>
        <translation>Copiar el resultado</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiado</translation>
    </message>
</context>
<context>
    <name>DestinationDialog</name>
    <message>
        <source>Choose Destination Folder</source>
        <translation>Elegir la carpeta de destino</translation>
    </message>
    <message>
        <source>Setup will install Tilora into the folder below.</source>
        <translation>Tilora se instalará en la carpeta indicada abajo.</translation>
    </message>
    <message>
        <source>To install to this folder choose Next.</source>
        <translation>Para instalarlo en esta carpeta, pulse Siguiente.</translation>
    </message>
    <message>
        <source>To install to a different folder either click Browse and select your desired folder or type in its location in the box.</source>
        <translation>Para instalarlo en otra carpeta, pulse Examinar y elija la carpeta que desee, o escriba su ubicación en el cuadro.</translation>
    </message>
    <message>
        <source>&amp;Destination Folder</source>
        <translation>&amp;Carpeta de destino</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Siguiente &gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Elegir carpeta</translation>
    </message>
    <message>
        <source>Create Folder</source>
        <translation>Crear carpeta</translation>
    </message>
    <message>
        <source>Folder does not exist, create it?</source>
        <translation>La carpeta no existe. ¿Desea crearla?</translation>
    </message>
</context>
<context>
    <name>FewestMovesNote</name>
    <message numerus="yes">
        <source>Solved: %n tiles moved; the fewest possible was %1.</source>
        <translation>
            <numerusform>Resuelto: %n pieza movida; mínimo %1.</numerusform>
            <numerusform>Resuelto: %n piezas movidas; mínimo %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Solved: %n swaps; the fewest possible was %1.</source>
        <translation>
            <numerusform>Resuelto: %n intercambio; mínimo %1.</numerusform>
            <numerusform>Resuelto: %n intercambios; mínimo %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FinishDialog</name>
    <message>
        <source>Setup complete!</source>
        <translation>¡Instalación completada!</translation>
    </message>
    <message>
        <source>Setup has finished.</source>
        <translation>La instalación ha finalizado.</translation>
    </message>
    <message>
        <source>Create program group in the Start menu.</source>
        <translation>Crear un grupo en el menú de aplicaciones.</translation>
    </message>
    <message>
        <source>Create shortcut on the desktop.</source>
        <translation>Crear un acceso directo en el escritorio.</translation>
    </message>
    <message>
        <source>Run the program now.</source>
        <translation>Ejecutar el programa ahora.</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Finalizar</translation>
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
        <translation>Puzle de imágenes</translation>
    </message>
    <message>
        <source>Put a jumbled picture back together, tile by tile</source>
        <translation>Recomponer una imagen desordenada, pieza a pieza</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Desinstalar</translation>
    </message>
    <message>
        <source>Remove Tilora from this computer</source>
        <translation>Quitar Tilora de este equipo</translation>
    </message>
</context>
<context>
    <name>GameMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Grid colour</source>
        <translation>Color de la cuadrícula</translation>
    </message>
    <message>
        <source>Selection colour</source>
        <translation>Color de la selección</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Puzzle size</source>
        <translation>Tamaño del puzle</translation>
    </message>
    <message>
        <source>Puzzle mode</source>
        <translation>Modo de juego</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
</context>
<context>
    <name>GameReport</name>
    <message>
        <source>Puzzle difficulty : %1 x %1 (%2) (with hints)</source>
        <translation>Dificultad: %1 x %1 (%2) (con pistas)</translation>
    </message>
    <message>
        <source>Puzzle difficulty : %1 x %1 (%2)</source>
        <translation>Dificultad: %1 x %1 (%2)</translation>
    </message>
    <message>
        <source>Time taken : %1</source>
        <translation>Tiempo empleado: %1</translation>
    </message>
    <message numerus="yes">
        <source>Moves made : %n</source>
        <translation>
            <numerusform>Movimientos: %n</numerusform>
            <numerusform>Movimientos: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Jugador 1</translation>
    </message>
</context>
<context>
    <name>GameStatusBar</name>
    <message numerus="yes">
        <source>Moves: %n</source>
        <translation>
            <numerusform>Mov.: %n</numerusform>
            <numerusform>Mov.: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Slider puzzle</source>
        <translation>Deslizante</translation>
    </message>
    <message>
        <source>Tile swap</source>
        <translation>Intercambio</translation>
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
        <translation>De este ZIP</translation>
    </message>
    <message>
        <source>New puzzle!</source>
        <translation>¡Nuevo puzle!</translation>
    </message>
    <message>
        <source>Open picture</source>
        <translation>Abrir imagen</translation>
    </message>
    <message>
        <source>Jumble!</source>
        <translation>¡Mezclar!</translation>
    </message>
    <message>
        <source>Show solution</source>
        <translation>Ver la solución</translation>
    </message>
    <message>
        <source>Solve for me!</source>
        <translation>¡Resolver por mí!</translation>
    </message>
    <message>
        <source>Puzzle difficulty</source>
        <translation>Dificultad del puzle</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Cuadrícula</translation>
    </message>
    <message>
        <source>More toolbar buttons</source>
        <translation>Más botones de la barra de herramientas</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>The help book Tilora.html could not be found. Tilora looked for it here:

%1</source>
        <translation>No se encontró el manual de ayuda Tilora.html. Tilora lo buscó aquí:

%1</translation>
    </message>
    <message>
        <source>The help book %1 could not be opened.</source>
        <translation>No se pudo abrir el manual de ayuda %1.</translation>
    </message>
</context>
<context>
    <name>HintFlow</name>
    <message numerus="yes">
        <source>Best: %n swaps to go</source>
        <translation>
            <numerusform>Mínimo: %n intercambio</numerusform>
            <numerusform>Mínimo: %n intercambios</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Best: %n tile moves to go</source>
        <translation>
            <numerusform>Mínimo: %n movimiento</numerusform>
            <numerusform>Mínimo: %n movimientos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HyperlinkLabel</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>El sistema operativo se ha quedado
sin memoria o sin recursos.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>No se encontró el archivo indicado.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>No se encontró la ruta indicada.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>El sistema operativo denegó
el acceso al archivo indicado.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>No había memoria suficiente para completar la operación.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>El archivo .EXE no es válido
(.EXE que no es Win32 o error en la imagen .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Se produjo una infracción de uso compartido. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>La asociación del nombre de archivo
está incompleta o no es válida.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>La transacción DDE no se pudo
completar porque la solicitud agotó el tiempo de espera.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transacción DDE ha fallado.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>La transacción DDE no se pudo
completar porque se estaban procesando
otras transacciones DDE.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>No hay ninguna aplicación asociada
con la extensión de archivo indicada.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>No se encontró la biblioteca de vínculos dinámicos indicada.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Se produjo un error desconocido (%1).</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>No se pudo abrir el enlace:

%1</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Nuevo	Ctrl+N</translation>
    </message>
    <message>
        <source>From folder</source>
        <translation>De la carpeta</translation>
    </message>
    <message>
        <source>From Zip archive</source>
        <translation>Del archivo ZIP</translation>
    </message>
    <message>
        <source>&amp;Open	Ctrl+O</source>
        <translation>&amp;Abrir	Ctrl+O</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Deshacer	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>&amp;Rehacer	Ctrl+Y</translation>
    </message>
    <message>
        <source>&amp;Jumble	Ctrl+J</source>
        <translation>&amp;Mezclar	Ctrl+J</translation>
    </message>
    <message>
        <source>&amp;Grid	Ctrl+G</source>
        <translation>&amp;Cuadrícula	Ctrl+G</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>&amp;Show solution	Ctrl+S</source>
        <translation>&amp;Ver la solución	Ctrl+S</translation>
    </message>
    <message>
        <source>Sol&amp;ve for me</source>
        <translation>Re&amp;solver por mí</translation>
    </message>
    <message>
        <source>&amp;Hint	Ctrl+H</source>
        <translation>&amp;Pista	Ctrl+H</translation>
    </message>
    <message>
        <source>Scoreboard</source>
        <translation>Puntuaciones</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra de herramientas</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barra de estado</translation>
    </message>
    <message>
        <source>%1 x %1</source>
        <translation>%1 x %1</translation>
    </message>
    <message>
        <source>Tile swap</source>
        <translation>Intercambio de piezas</translation>
    </message>
    <message>
        <source>Slider puzzle</source>
        <translation>Puzle deslizante</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>There is only 1 picture in this zip file!</source>
        <translation>¡Este archivo ZIP solo contiene 1 imagen!</translation>
    </message>
    <message>
        <source>St&amp;atistics…</source>
        <translation>Est&amp;adísticas…</translation>
    </message>
    <message>
        <source>&amp;Daily puzzle</source>
        <translation>Puzle del &amp;día</translation>
    </message>
</context>
<context>
    <name>OpenPictureDialog</name>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Preview picture</source>
        <translation>Imagen de vista previa</translation>
    </message>
    <message>
        <source>Previous picture</source>
        <translation>Imagen anterior</translation>
    </message>
    <message>
        <source>Next picture</source>
        <translation>Imagen siguiente</translation>
    </message>
    <message>
        <source>No picture</source>
        <translation>Ninguna imagen</translation>
    </message>
    <message>
        <source>%1, picture %2 of %3</source>
        <translation>%1, imagen %2 de %3</translation>
    </message>
    <message>
        <source>Supported files (%1)</source>
        <translation>Archivos compatibles (%1)</translation>
    </message>
</context>
<context>
    <name>PageLayout</name>
    <message>
        <source>Setup picture</source>
        <translation>Imagen de la instalación</translation>
    </message>
    <message>
        <source>A computer, a disc and floppy disks, each showing tiles of a picture</source>
        <translation>Un ordenador, un disco y disquetes, cada uno con piezas de una imagen</translation>
    </message>
</context>
<context>
    <name>PicturePreview</name>
    <message>
        <source>0 images</source>
        <translation>0 imágenes</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t select the previous image</source>
        <translation>No se pudo seleccionar la imagen anterior</translation>
    </message>
    <message>
        <source>Couldn&apos;t select the next image</source>
        <translation>No se pudo seleccionar la imagen siguiente</translation>
    </message>
</context>
<context>
    <name>PlayerProgress</name>
    <message>
        <source>Daily puzzle of %1</source>
        <translation>Puzle del día %1</translation>
    </message>
    <message>
        <source>This game could not be added to your history (%1).</source>
        <translation>Esta partida no se pudo añadir a su historial (%1).</translation>
    </message>
    <message numerus="yes">
        <source>Daily puzzle of %1: the fewest possible is %n tile move(s).</source>
        <translation>
            <numerusform>Puzle del día %1: mínimo %n movimiento.</numerusform>
            <numerusform>Puzle del día %1: mínimo %n movimientos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressText</name>
    <message>
        <source>%1 × %1 slider</source>
        <translation>%1 × %1 deslizante</translation>
    </message>
    <message>
        <source>%1 × %1 tile swap</source>
        <translation>%1 × %1 intercambio</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation>Puzle</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Mejor tiempo</translation>
    </message>
    <message>
        <source>Best moves</source>
        <translation>Menos mov.</translation>
    </message>
    <message>
        <source>Mean of last 5</source>
        <translation>Media últ. 5</translation>
    </message>
    <message>
        <source>Mean of last 12</source>
        <translation>Media últ. 12</translation>
    </message>
    <message>
        <source>Tiles moved / fewest</source>
        <translation>Piezas / mín.</translation>
    </message>
    <message>
        <source>%1 ×</source>
        <translation>%1 ×</translation>
    </message>
    <message numerus="yes">
        <source>Tilora daily %1: %2 × %2, %n tiles moved, %3</source>
        <translation>
            <numerusform>Tilora del día %1: %2 × %2, %n pieza movida, %3</numerusform>
            <numerusform>Tilora del día %1: %2 × %2, %n piezas movidas, %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tilora daily %1: %2 × %2, %n tiles moved (fewest %3), %4</source>
        <translation>
            <numerusform>Tilora del día %1: %2 × %2, %n pieza movida (mínimo %3), %4</numerusform>
            <numerusform>Tilora del día %1: %2 × %2, %n piezas movidas (mínimo %3), %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) in a row</source>
        <translation>
            <numerusform>%n día seguido</numerusform>
            <numerusform>%n días seguidos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unidad</translation>
    </message>
</context>
<context>
    <name>ScoreboardRows</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Dificultad</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Movimientos</translation>
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
        <translation>Puzle deslizante &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Tile Swap scores &gt;&gt;&gt;</source>
        <translation>Intercambio de piezas &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Scoreboards</source>
        <translation>Puntuaciones</translation>
    </message>
    <message>
        <source>Tile swap</source>
        <translation>Intercambio de piezas</translation>
    </message>
    <message>
        <source>Reset scores</source>
        <translation>Borrar puntuaciones</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Tile Swap</source>
        <translation>Intercambio de piezas</translation>
    </message>
    <message>
        <source>Slider Puzzle</source>
        <translation>Puzle deslizante</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>¿Está seguro?</translation>
    </message>
    <message>
        <source>Tile swap scores</source>
        <translation>Puntuaciones de intercambio de piezas</translation>
    </message>
    <message>
        <source>Slider scores</source>
        <translation>Puntuaciones del puzle deslizante</translation>
    </message>
</context>
<context>
    <name>SetupFrame</name>
    <message>
        <source>Tilora Setup</source>
        <translation>Instalación de Tilora</translation>
    </message>
</context>
<context>
    <name>SetupMessages</name>
    <message>
        <source>Cannot find %1 in this file.</source>
        <translation>No se encuentra %1 en este archivo.</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>No se pudo crear la carpeta %1.</translation>
    </message>
    <message>
        <source>Menu entries cannot start a program in %1 because the folder name holds a line break, another control character or a % sign. Please choose another folder.</source>
        <translation>Las entradas del menú no pueden iniciar un programa en %1 porque el nombre de la carpeta contiene un salto de línea, otro carácter de control o el signo %. Elija otra carpeta.</translation>
    </message>
    <message>
        <source>Setup could not write all of its files into %1. Tilora is not installed completely; no menu entries were made.</source>
        <translation>La instalación no pudo escribir todos sus archivos en %1. Tilora no se ha instalado por completo; no se ha creado ninguna entrada de menú.</translation>
    </message>
    <message>
        <source>Exit Setup</source>
        <translation>Salir de la instalación</translation>
    </message>
    <message>
        <source>Setup is not yet done, are you sure you want to exit?</source>
        <translation>La instalación aún no ha terminado. ¿Seguro que desea salir?</translation>
    </message>
    <message>
        <source>The setup file is damaged.</source>
        <translation>El archivo de instalación está dañado.</translation>
    </message>
    <message>
        <source>Error unpacking files</source>
        <translation>Error al descomprimir los archivos</translation>
    </message>
    <message>
        <source>Please choose a folder to install into.</source>
        <translation>Elija la carpeta en la que instalar.</translation>
    </message>
    <message>
        <source>Invalid folder.</source>
        <translation>Carpeta no válida.</translation>
    </message>
    <message>
        <source>Another user can change what is in %1, so Tilora would not be safe there. Please choose a folder of your own.</source>
        <translation>Otro usuario puede cambiar el contenido de %1, así que Tilora no estaría seguro allí. Elija una carpeta propia.</translation>
    </message>
</context>
<context>
    <name>SolutionWindow</name>
    <message>
        <source>Solution</source>
        <translation>Solución</translation>
    </message>
    <message>
        <source>The whole picture as it looks with every tile in place</source>
        <translation>La imagen completa tal como se ve con cada pieza en su sitio</translation>
    </message>
    <message>
        <source>Solved picture</source>
        <translation>Imagen resuelta</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Figures for each size and mode</source>
        <translation>Cifras de cada tamaño y modo</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportar…</translation>
    </message>
    <message>
        <source>Export the history as CSV</source>
        <translation>Exportar el historial como CSV</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>No finished games yet. Every game you finish yourself is added here.</source>
        <translation>Aún no hay partidas terminadas. Cada partida que termine usted mismo se añade aquí.</translation>
    </message>
    <message numerus="yes">
        <source>%n game(s) in your history.</source>
        <translation>
            <numerusform>%n partida en su historial.</numerusform>
            <numerusform>%n partidas en su historial.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only the latest part of a very long history was read.</source>
        <translation>Solo se leyó la parte más reciente de un historial muy largo.</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) of the history could not be read; they are left in the file as they are.</source>
        <translation>
            <numerusform>No se pudo leer %n línea del historial; se deja tal cual en el archivo.</numerusform>
            <numerusform>No se pudieron leer %n líneas del historial; se dejan tal cual en el archivo.</numerusform>
        </translation>
    </message>
    <message>
        <source>Times of the latest games</source>
        <translation>Tiempos de las últimas partidas</translation>
    </message>
    <message numerus="yes">
        <source>Times of the last %n game(s) of %1</source>
        <translation>
            <numerusform>Tiempo de la última partida de %1</numerusform>
            <numerusform>Tiempos de las últimas %n partidas de %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Export history</source>
        <translation>Exportar el historial</translation>
    </message>
    <message>
        <source>Tilora history.csv</source>
        <translation>Historial de Tilora.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The history could not be written to %1.</source>
        <translation>No se pudo escribir el historial en %1.</translation>
    </message>
</context>
<context>
    <name>TimeChart</name>
    <message>
        <source>Times of the latest games</source>
        <translation>Tiempos de las últimas partidas</translation>
    </message>
    <message>
        <source>No finished games yet.</source>
        <translation>Aún no hay partidas terminadas.</translation>
    </message>
    <message>
        <source>No games of %1 yet.</source>
        <translation>Aún no hay partidas de %1.</translation>
    </message>
    <message numerus="yes">
        <source>Last %n game(s) of %1: fastest %2, slowest %3, mean %4, latest %5.</source>
        <translation>
            <numerusform>Última partida de %1: la más rápida %2, la más lenta %3, media %4, la última %5.</numerusform>
            <numerusform>Últimas %n partidas de %1: la más rápida %2, la más lenta %3, media %4, la última %5.</numerusform>
        </translation>
    </message>
    <message>
        <source>best %1</source>
        <translation>mejor %1</translation>
    </message>
    <message>
        <source>earlier</source>
        <translation>antes</translation>
    </message>
    <message>
        <source>latest</source>
        <translation>última</translation>
    </message>
    <message>
        <source>mean %1</source>
        <translation>media %1</translation>
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
        <translation>Principiante</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>Novato</translation>
    </message>
    <message>
        <source>Amateur</source>
        <translation>Aficionado</translation>
    </message>
    <message>
        <source>Seasoned</source>
        <translation>Veterano</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experto</translation>
    </message>
    <message>
        <source>Pro</source>
        <translation>Profesional</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Grandmaster</source>
        <translation>Gran maestro</translation>
    </message>
</context>
<context>
    <name>UninstallDialog</name>
    <message>
        <source>Uninstall ?</source>
        <translation>¿Desinstalar?</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Desinstalar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>This program will uninstall Tilora, are you sure?</source>
        <translation>Este programa desinstalará Tilora. ¿Está seguro?</translation>
    </message>
</context>
<context>
    <name>UninstallPhases</name>
    <message>
        <source>Tilora is still running. Close it, then choose Uninstall again.</source>
        <translation>Tilora sigue abierto. Ciérrelo y vuelva a elegir Desinstalar.</translation>
    </message>
</context>
<context>
    <name>Uninstaller</name>
    <message>
        <source>Tilora Uninstall</source>
        <translation>Desinstalación de Tilora</translation>
    </message>
</context>
<context>
    <name>WelcomePage</name>
    <message>
        <source>Welcome!</source>
        <translation>¡Bienvenido!</translation>
    </message>
    <message>
        <source>This program will install Tilora on your computer.</source>
        <translation>Este programa instalará Tilora en su equipo.</translation>
    </message>
    <message>
        <source>It is strongly recommended that you exit all Windows programs before running this Setup.</source>
        <translation>Se recomienda encarecidamente cerrar todos los demás programas antes de iniciar la instalación.</translation>
    </message>
    <message>
        <source>Click Next to continue.</source>
        <translation>Pulse Siguiente para continuar.</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Siguiente &gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ZipPictureArchive</name>
    <message>
        <source>Couldnt create image buffer</source>
        <translation>No se pudo crear el búfer de imagen</translation>
    </message>
    <message>
        <source>Buffer Error</source>
        <translation>Error de búfer</translation>
    </message>
    <message>
        <source>Cant Create Picture</source>
        <translation>No se puede crear la imagen</translation>
    </message>
</context>
</TS>
