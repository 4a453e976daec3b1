<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AllWords</name>
    <message>
        <source>You found %1 of %2 points</source>
        <translation>Has encontrado %1 de %2 puntos</translation>
    </message>
    <message>
        <source>Common words: %1 of %2 points</source>
        <translation>Palabras comunes: %1 de %2 puntos</translation>
    </message>
    <message>
        <source>A rare word: not in a medium-sized English dictionary.</source>
        <translation>Una palabra rara: no aparece en un diccionario inglés de tamaño medio.</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>it is not a library</source>
        <translation>no es una biblioteca</translation>
    </message>
    <message>
        <source>it is not a library for this computer</source>
        <translation>no es una biblioteca para este ordenador</translation>
    </message>
    <message>
        <source>it is cut short: %1 bytes</source>
        <translation>está incompleto: %1 bytes</translation>
    </message>
    <message>
        <source>the module %1 is damaged (%2)</source>
        <translation>el módulo %1 está dañado (%2)</translation>
    </message>
    <message>
        <source>the module %1 lacks its entry point golexorb_progress_window</source>
        <translation>al módulo %1 le falta su punto de entrada golexorb_progress_window</translation>
    </message>
    <message>
        <source>golexorb-progress.so is not installed</source>
        <translation>golexorb-progress.so no está instalado</translation>
    </message>
    <message>
        <source>Only words of letters a to z can be looked up.</source>
        <translation>Solo se pueden buscar palabras con letras de la a a la z.</translation>
    </message>
    <message>
        <source>Definitions need WordNet, which is not installed. Install it with
    sudo apt install %1
and start the game again.</source>
        <translation>Las definiciones necesitan WordNet, que no está instalado. Instálalo con
    sudo apt install %1
y vuelve a abrir el juego.</translation>
    </message>
    <message>
        <source>The WordNet library could not be loaded: %1. Install it again with
    sudo apt install --reinstall %2
and start the game again.</source>
        <translation>No se pudo cargar la biblioteca de WordNet: %1. Vuelve a instalarla con
    sudo apt install --reinstall %2
y vuelve a abrir el juego.</translation>
    </message>
    <message>
        <source>The WordNet database could not be read: %1.</source>
        <translation>No se pudo leer la base de datos de WordNet: %1.</translation>
    </message>
    <message>
        <source>No definition of &quot;%1&quot; in WordNet.</source>
        <translation>WordNet no tiene ninguna definición de «%1».</translation>
    </message>
    <message>
        <source> (hinted)</source>
        <translation> (pista)</translation>
    </message>
    <message>
        <source>, found by you</source>
        <translation>, encontrada por ti</translation>
    </message>
    <message>
        <source>, rare</source>
        <translation>, rara</translation>
    </message>
    <message>
        <source>Code: %1</source>
        <translation>Código: %1</translation>
    </message>
    <message>
        <source>The progress chart cannot be shown: %1.</source>
        <translation>No se puede mostrar el gráfico de progreso: %1.</translation>
    </message>
    <message>
        <source> It needs Qt Charts (sudo apt install libqt6charts6).</source>
        <translation> Necesita Qt Charts (sudo apt install libqt6charts6).</translation>
    </message>
    <message>
        <source>Rare words</source>
        <translation>Palabras raras</translation>
    </message>
    <message>
        <source>All words in one list: no word frequencies</source>
        <translation>Todas las palabras en una lista: sin frecuencias</translation>
    </message>
    <message>
        <source>Meanings come from WordNet, in English only: there are none for %1 words.</source>
        <translation>Los significados vienen de WordNet, solo en inglés: no los hay para palabras en %1.</translation>
    </message>
</context>
<context>
    <name>Announcer</name>
    <message>
        <source>Announcements on</source>
        <translation>Avisos activados</translation>
    </message>
    <message>
        <source>Announcements off</source>
        <translation>Avisos desactivados</translation>
    </message>
    <message>
        <source>Round paused</source>
        <translation>Partida en pausa</translation>
    </message>
    <message>
        <source>Round resumed</source>
        <translation>Partida reanudada</translation>
    </message>
    <message>
        <source>Round started with no game time</source>
        <translation>Partida empezada sin tiempo de juego</translation>
    </message>
    <message>
        <source>%1-minute round started</source>
        <translation>Empieza una partida de %1 minutos</translation>
    </message>
    <message>
        <source>%1, %2 points</source>
        <translation>%1, %2 puntos</translation>
    </message>
    <message>
        <source>%1, not a word</source>
        <translation>%1, no es una palabra</translation>
    </message>
    <message>
        <source>%1, hinted: no points</source>
        <translation>%1, con pista: sin puntos</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) left</source>
        <translation>
            <numerusform>queda %n segundo</numerusform>
            <numerusform>quedan %n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>Round over. Your score: %1</source>
        <translation>Partida terminada. Tu puntuación: %1</translation>
    </message>
    <message>
        <source>Round started with no game time, in %1</source>
        <translation>Partida empezada sin tiempo de juego, en %1</translation>
    </message>
    <message>
        <source>%1-minute round started, in %2</source>
        <translation>Empieza una partida de %1 minutos, en %2</translation>
    </message>
</context>
<context>
    <name>Awards</name>
    <message>
        <source>Found a with 7 letters or more!</source>
        <translation>¡Una palabra de 7 letras o más!</translation>
    </message>
    <message>
        <source>Found a word 5 letters or more!</source>
        <translation>¡Una palabra de 5 letras o más!</translation>
    </message>
    <message>
        <source>Used a Q!</source>
        <translation>¡Has usado una Q!</translation>
    </message>
    <message>
        <source>Used a Z!</source>
        <translation>¡Has usado una Z!</translation>
    </message>
    <message>
        <source>Massive score over 50!</source>
        <translation>¡Puntuación enorme, más de 50!</translation>
    </message>
    <message>
        <source>Nice scored over 40!</source>
        <translation>¡Muy bien, más de 40!</translation>
    </message>
    <message>
        <source>scored over 30!</source>
        <translation>¡más de 30 puntos!</translation>
    </message>
</context>
<context>
    <name>Challenge</name>
    <message>
        <source>A challenge code is 17 letters and digits, like ABCD-EFGH-JKMN-PQRS-T.</source>
        <translation>Un código de desafío tiene 17 letras y cifras, como ABCD-EFGH-JKMN-PQRS-T.</translation>
    </message>
    <message>
        <source>That challenge code has a mistake in it: check it against the one you were given.</source>
        <translation>Ese código de desafío tiene un error: compáralo con el que te dieron.</translation>
    </message>
    <message>
        <source>That challenge code holds no round of 1 to 10 minutes.</source>
        <translation>Ese código de desafío no contiene una partida de 1 a 10 minutos.</translation>
    </message>
    <message>
        <source>A challenge code of a board in another language than English is 19 letters and digits, like ABCD-EFGH-JKMN-PQRS-TUV.</source>
        <translation>El código de un tablero en un idioma que no sea el inglés tiene 19 letras y cifras, como ABCD-EFGH-JKMN-PQRS-TUV.</translation>
    </message>
    <message>
        <source>That challenge code names a language this version of the game does not know.</source>
        <translation>Ese código de desafío nombra un idioma que esta versión del juego no conoce.</translation>
    </message>
    <message>
        <source>That challenge code holds no board of its language.</source>
        <translation>Ese código de desafío no contiene un tablero de su idioma.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Go LEXORB: spell words on a board of letters against the clock.</source>
        <translation>Go LEXORB: forma palabras en un tablero de letras contra el reloj.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostrar la versión y salir.</translation>
    </message>
    <message>
        <source>Join a room: [mqtt[s]://][USER@]HOST[:PORT]/ROOM, with --name.</source>
        <translation>Entrar en una sala: [mqtt[s]://][USUARIO@]SERVIDOR[:PUERTO]/SALA, con --name.</translation>
    </message>
    <message>
        <source>address</source>
        <translation>dirección</translation>
    </message>
    <message>
        <source>Your name in the room (1 to 20 characters).</source>
        <translation>Tu nombre en la sala (de 1 a 20 caracteres).</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>Open the Play Together window.</source>
        <translation>Abrir la ventana «Jugar juntos».</translation>
    </message>
    <message>
        <source>Play the board of a challenge code a friend gave you.</source>
        <translation>Jugar el tablero de un código de desafío que te dio alguien.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>código</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
Prueba «%1 --help» para más información.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>--join and --name go together.</source>
        <translation>--join y --name van juntos.</translation>
    </message>
    <message>
        <source>--join %1: %2.</source>
        <translation>--join %1: %2.</translation>
    </message>
    <message>
        <source>--name: a name is 1 to 20 characters, no / + or #, no space at either end.</source>
        <translation>--name: un nombre tiene de 1 a 20 caracteres, sin / + ni #, sin espacios al principio ni al final.</translation>
    </message>
    <message>
        <source>--ui-language: no windows in &apos;%1&apos;; there are: %2.</source>
        <translation>--ui-language: no hay ventanas en «%1»; hay: %2.</translation>
    </message>
    <message>
        <source>no display to open the window on (%1 and %2 are not set); without a screen, run it under xvfb-run</source>
        <translation>no hay pantalla donde abrir la ventana (%1 y %2 no están definidas); sin pantalla, ejecútalo con xvfb-run</translation>
    </message>
    <message>
        <source>no display to open the window on (%1 is not set); without a screen, run it under xvfb-run</source>
        <translation>no hay pantalla donde abrir la ventana (%1 no está definida); sin pantalla, ejecútalo con xvfb-run</translation>
    </message>
    <message>
        <source>The language of the windows (%1); otherwise the system&apos;s.</source>
        <translation>El idioma de las ventanas (%1); si no, el del sistema.</translation>
    </message>
    <message>
        <source>Play boards and words in this language for this run: %1.</source>
        <translation>Jugar tableros y palabras en este idioma durante esta sesión: %1.</translation>
    </message>
    <message>
        <source>--challenge: %1</source>
        <translation>--challenge: %1</translation>
    </message>
    <message>
        <source>--language %1: not a board language; the codes are %2.</source>
        <translation>--language %1: no es un idioma de tablero; los códigos son %2.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>%1 at row %2, column %3</source>
        <translation>%1 en la fila %2, columna %3</translation>
    </message>
    <message>
        <source>Common words: %1 of %2 found. All words: %3 of %4 found.</source>
        <translation>Palabras comunes: %1 de %2 encontradas. Todas las palabras: %3 de %4 encontradas.</translation>
    </message>
    <message>
        <source>%1 letters: %2 of %3 common, %4 of %5 in all.</source>
        <translation>%1 letras: %2 de %3 comunes, %4 de %5 en total.</translation>
    </message>
    <message>
        <source>A start: %1, then %2.</source>
        <translation>Un comienzo: %1, luego %2.</translation>
    </message>
    <message>
        <source>Hints are given during a round.</source>
        <translation>Las pistas se dan durante una partida.</translation>
    </message>
    <message>
        <source>The round is paused.</source>
        <translation>La partida está en pausa.</translation>
    </message>
    <message>
        <source>This round allows no hints.</source>
        <translation>Esta partida no admite pistas.</translation>
    </message>
    <message>
        <source>You have found every common word.</source>
        <translation>Has encontrado todas las palabras comunes.</translation>
    </message>
    <message>
        <source>No round yet: the counts show once a round starts.</source>
        <translation>Aún no hay partida: las cifras aparecen en cuanto empieza una.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>This round&apos;s board: the words you found of those it holds.</source>
        <translation>El tablero de esta partida: las palabras que has encontrado de las que contiene.</translation>
    </message>
    <message>
        <source>The round is over: its board&apos;s words, as All Words counts them.</source>
        <translation>La partida ha terminado: las palabras de su tablero, contadas como en «Todas las palabras».</translation>
    </message>
    <message>
        <source>In all</source>
        <translation>En total</translation>
    </message>
    <message>
        <source>Lights the first two letters of a common word you have not found. That word then scores nothing, and the round sets no record.</source>
        <translation>Ilumina las dos primeras letras de una palabra común que no has encontrado. Esa palabra ya no puntúa, y la partida no establece récord.</translation>
    </message>
</context>
<context>
    <name>Languages</name>
    <message>
        <source>tiles A to Z</source>
        <translation>fichas de la A a la Z</translation>
    </message>
    <message>
        <source>tiles A to Z, %1</source>
        <translation>fichas de la A a la Z, %1</translation>
    </message>
    <message>
        <source>, not installed</source>
        <translation>, no instalado</translation>
    </message>
    <message>
        <source>, playing now</source>
        <translation>, en juego ahora</translation>
    </message>
    <message>
        <source>Boards are in %1 now.</source>
        <translation>Los tableros están ahora en %1.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>The game&apos;s own word list.</source>
        <translation>La lista de palabras propia del juego.</translation>
    </message>
    <message>
        <source>Words from %1 (%2).</source>
        <translation>Palabras de %1 (%2).</translation>
    </message>
    <message>
        <source>No block list: its words are all there.</source>
        <translation>Sin lista de bloqueo: están todas sus palabras.</translation>
    </message>
    <message>
        <source>Not installed. Its words come with %1:
%2</source>
        <translation>No instalado. Sus palabras vienen con %1:
%2</translation>
    </message>
    <message>
        <source>%1 needs its word list, which is not installed:
%2</source>
        <translation>%1 necesita su lista de palabras, que no está instalada:
%2</translation>
    </message>
    <message>
        <source>The words of %1 could not be read: %2</source>
        <translation>No se pudieron leer las palabras de %1: %2</translation>
    </message>
    <message>
        <source>That challenge is in %1, whose word list is not installed:
%2</source>
        <translation>Ese desafío está en %1, cuya lista de palabras no está instalada:
%2</translation>
    </message>
    <message>
        <source>English</source>
        <translation>inglés</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>catalán</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>danés</translation>
    </message>
    <message>
        <source>German</source>
        <translation>alemán</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>español</translation>
    </message>
    <message>
        <source>French</source>
        <translation>francés</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>italiano</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>neerlandés</translation>
    </message>
    <message>
        <source>Norwegian Bokmål</source>
        <translation>noruego bokmål</translation>
    </message>
    <message>
        <source>Norwegian Nynorsk</source>
        <translation>noruego nynorsk</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>polaco</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>portugués</translation>
    </message>
    <message>
        <source>Brazilian Portuguese</source>
        <translation>portugués de Brasil</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>sueco</translation>
    </message>
    <message>
        <source>The smallest list, about 106,000 words: rarer verb forms are missing.</source>
        <translation>La lista más pequeña, unas 106.000 palabras: faltan las formas verbales menos usadas.</translation>
    </message>
    <message>
        <source>About 113,000 words: compounds beyond the common ones are missing.</source>
        <translation>Unas 113.000 palabras: faltan los compuestos menos comunes.</translation>
    </message>
</context>
<context>
    <name>PlayTogether</name>
    <message>
        <source>No free port from %1 to %2.</source>
        <translation>No hay ningún puerto libre del %1 al %2.</translation>
    </message>
    <message>
        <source>As root, the broker runs as the user mosquitto or nobody, and this computer has neither.</source>
        <translation>Como root, el broker funciona como el usuario mosquitto o nobody, y este ordenador no tiene ninguno.</translation>
    </message>
    <message>
        <source>The broker&apos;s settings cannot be made: %1</source>
        <translation>No se puede crear la configuración del broker: %1</translation>
    </message>
    <message>
        <source>%1 cannot be started: %2</source>
        <translation>No se puede iniciar %1: %2</translation>
    </message>
    <message>
        <source>The broker stopped: %1</source>
        <translation>El broker se ha detenido: %1</translation>
    </message>
    <message>
        <source>The broker did not start within 5 seconds: %1</source>
        <translation>El broker no arrancó en 5 segundos: %1</translation>
    </message>
    <message>
        <source>Play a Challenge</source>
        <translation>Jugar un desafío</translation>
    </message>
    <message>
        <source>The challenge code a friend gave you:</source>
        <translation>El código de desafío que te dieron:</translation>
    </message>
    <message>
        <source>A round is under way: play the challenge when it is over.</source>
        <translation>Hay una partida en curso: juega el desafío cuando termine.</translation>
    </message>
    <message>
        <source>%1 (install the libmosquitto1 package)</source>
        <translation>%1 (instala el paquete libmosquitto1)</translation>
    </message>
    <message>
        <source>%1 lacks the functions this game uses</source>
        <translation>a %1 le faltan las funciones que usa este juego</translation>
    </message>
    <message>
        <source>Not in a room: you play alone.</source>
        <translation>Sin sala: juegas solo.</translation>
    </message>
    <message>
        <source>Hosting on port %1, but this computer is on no network friends could reach.</source>
        <translation>Anfitrión en el puerto %1, pero este ordenador no está en ninguna red a la que puedan llegar tus amigos.</translation>
    </message>
    <message>
        <source>Hosting. Friends on your network join with:
%1</source>
        <translation>Eres el anfitrión. Tus amigos de la red entran con:
%1</translation>
    </message>
    <message>
        <source>the network library could not make a client</source>
        <translation>la biblioteca de red no pudo crear un cliente</translation>
    </message>
    <message>
        <source>TLS cannot be set up: %1</source>
        <translation>No se puede preparar TLS: %1</translation>
    </message>
    <message>
        <source>Hosting needs Debian&apos;s MQTT broker: install the mosquitto package (sudo apt install mosquitto).</source>
        <translation>Para alojar hace falta el broker MQTT de Debian: instala el paquete mosquitto (sudo apt install mosquitto).</translation>
    </message>
    <message>
        <source>%1 (you): playing</source>
        <translation>%1 (tú): juega</translation>
    </message>
    <message>
        <source>%1: playing</source>
        <translation>%1: juega</translation>
    </message>
    <message>
        <source>%1 (you): finished</source>
        <translation>%1 (tú): ha terminado</translation>
    </message>
    <message>
        <source>%1: finished</source>
        <translation>%1: ha terminado</translation>
    </message>
    <message>
        <source>%1 (you): watching</source>
        <translation>%1 (tú): mira</translation>
    </message>
    <message>
        <source>%1: watching</source>
        <translation>%1: mira</translation>
    </message>
    <message>
        <source>%1 (you): playing, %2 last round</source>
        <translation>%1 (tú): juega, %2 en la última partida</translation>
    </message>
    <message>
        <source>%1: playing, %2 last round</source>
        <translation>%1: juega, %2 en la última partida</translation>
    </message>
    <message>
        <source>%1 (you): finished, %2 last round</source>
        <translation>%1 (tú): ha terminado, %2 en la última partida</translation>
    </message>
    <message>
        <source>%1: finished, %2 last round</source>
        <translation>%1: ha terminado, %2 en la última partida</translation>
    </message>
    <message>
        <source>%1 (you): watching, %2 last round</source>
        <translation>%1 (tú): mira, %2 en la última partida</translation>
    </message>
    <message>
        <source>%1: watching, %2 last round</source>
        <translation>%1: mira, %2 en la última partida</translation>
    </message>
    <message>
        <source>Play again (waiting)</source>
        <translation>Otra vez (esperando)</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Jugar otra vez</translation>
    </message>
    <message>
        <source>The address is on the clipboard: give it to your friends.</source>
        <translation>La dirección está en el portapapeles: dásela a tus amigos.</translation>
    </message>
    <message>
        <source>Hosting on port %1. Type a room&apos;s name to see the address to give friends.</source>
        <translation>Anfitrión en el puerto %1. Escribe el nombre de una sala para ver la dirección que dar a tus amigos.</translation>
    </message>
    <message>
        <source>%1 (install the libsodium23 package)</source>
        <translation>%1 (instala el paquete libsodium23)</translation>
    </message>
    <message>
        <source>%1 lacks the signing functions</source>
        <translation>a %1 le faltan las funciones de firma</translation>
    </message>
    <message>
        <source>%1 could not start</source>
        <translation>%1 no pudo arrancar</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>, best</source>
        <translation>, mejor</translation>
    </message>
    <message>
        <source>, with hints</source>
        <translation>, con pistas</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Mejor</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Partida</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>Your scores in rounds of %1</source>
        <translation>Tus puntos en partidas de %1</translation>
    </message>
    <message>
        <source>No rounds of %1 recorded yet.</source>
        <translation>Aún no hay partidas de %1 guardadas.</translation>
    </message>
    <message>
        <source>Best: %1 in round %2 of %3, on %4.</source>
        <translation>Mejor: %1 en la partida %2 de %3, el %4.</translation>
    </message>
    <message>
        <source>No best yet: every round had hints.</source>
        <translation>Aún no hay mejor puntuación: todas las partidas tuvieron pistas.</translation>
    </message>
    <message>
        <source>Last round: %1 of %2 words found, with hints.</source>
        <translation>Última partida: %1 de %2 palabras encontradas, con pistas.</translation>
    </message>
    <message>
        <source>Last round: %1 of %2 words found.</source>
        <translation>Última partida: %1 de %2 palabras encontradas.</translation>
    </message>
    <message>
        <source>Rounds without a game time are not recorded.</source>
        <translation>Las partidas sin tiempo de juego no se guardan.</translation>
    </message>
    <message>
        <source>Your records could not be read or saved this time.</source>
        <translation>Esta vez no se pudieron leer ni guardar tus récords.</translation>
    </message>
    <message>
        <source>With hints: no record. No record yet for %1.</source>
        <translation>Con pistas: sin récord. Aún no hay récord para %1.</translation>
    </message>
    <message>
        <source>No record yet for %1.</source>
        <translation>Aún no hay récord para %1.</translation>
    </message>
    <message>
        <source>New record for %1: %2!</source>
        <translation>¡Nuevo récord para %1: %2!</translation>
    </message>
    <message>
        <source>With hints: no record. Record for %1: %2 on %3.</source>
        <translation>Con pistas: sin récord. Récord para %1: %2 el %3.</translation>
    </message>
    <message>
        <source>Record for %1: %2 on %3.</source>
        <translation>Récord para %1: %2 el %3.</translation>
    </message>
</context>
<context>
    <name>Room</name>
    <message>
        <source>%1-minute round</source>
        <translation>partida de %1 minutos</translation>
    </message>
    <message>
        <source>The room sends more than can be shown: some lines are left out.</source>
        <translation>La sala envía más de lo que se puede mostrar: se omiten algunas líneas.</translation>
    </message>
    <message>
        <source>%1 is here.</source>
        <translation>%1 está aquí.</translation>
    </message>
    <message>
        <source>%1 joined the room.</source>
        <translation>%1 ha entrado en la sala.</translation>
    </message>
    <message>
        <source>%1 left the room.</source>
        <translation>%1 ha salido de la sala.</translation>
    </message>
    <message>
        <source>Your %2 is under way (%3 left): you play the next one.</source>
        <translation>Tu %2 está en curso (quedan %3): juegas la siguiente.</translation>
    </message>
    <message>
        <source>%1&apos;s %2 is under way (%3 left): you play the next one.</source>
        <translation>La %2 de %1 está en curso (quedan %3): juegas la siguiente.</translation>
    </message>
    <message>
        <source>You started a %2; yours is under way: you play the next one.</source>
        <translation>Has empezado una %2; la tuya está en curso: juegas la siguiente.</translation>
    </message>
    <message>
        <source>%1 started a %2; yours is under way: you play the next one.</source>
        <translation>%1 ha empezado una %2; la tuya está en curso: juegas la siguiente.</translation>
    </message>
    <message>
        <source>You started a %2.</source>
        <translation>Has empezado una %2.</translation>
    </message>
    <message>
        <source>%1 started a %2.</source>
        <translation>%1 ha empezado una %2.</translation>
    </message>
    <message>
        <source>You start a %1.</source>
        <translation>Empiezas una %1.</translation>
    </message>
    <message>
        <source>Standings (a word two or more found scores nothing in the room score):</source>
        <translation>Clasificación (una palabra que encontraron dos o más no puntúa en la sala):</translation>
    </message>
    <message numerus="yes">
        <source>%1. %2: score %3, room score %4, %n word(s) only %2 found</source>
        <translation>
            <numerusform>%1. %2: puntos %3, puntos de sala %4, %n palabra que solo encontró %2</numerusform>
            <numerusform>%1. %2: puntos %3, puntos de sala %4, %n palabras que solo encontró %2</numerusform>
        </translation>
    </message>
    <message>
        <source>A name is 1 to 20 characters, no / + or #, no space at either end, nothing invisible.</source>
        <translation>Un nombre tiene de 1 a 20 caracteres, sin / + ni #, sin espacios al principio ni al final, nada invisible.</translation>
    </message>
    <message>
        <source>Rooms need the MQTT library: %1</source>
        <translation>Las salas necesitan la biblioteca MQTT: %1</translation>
    </message>
    <message>
        <source>Joining room %1 on %2 as %3...</source>
        <translation>Entrando en la sala %1 de %2 como %3...</translation>
    </message>
    <message>
        <source>In room %1 on %2 as %3.</source>
        <translation>En la sala %1 de %2 como %3.</translation>
    </message>
    <message>
        <source>In room %1 on %2 as %3 (not connected: trying again).</source>
        <translation>En la sala %1 de %2 como %3 (sin conexión: reintentando).</translation>
    </message>
    <message>
        <source>Not connected: the line was not sent.</source>
        <translation>Sin conexión: la línea no se envió.</translation>
    </message>
    <message>
        <source>Pick a Game Time first: a room&apos;s round lasts 1 to 10 minutes.</source>
        <translation>Elige antes un tiempo de juego: una partida en sala dura de 1 a 10 minutos.</translation>
    </message>
    <message>
        <source>Not connected: the round cannot reach the room.</source>
        <translation>Sin conexión: la partida no puede llegar a la sala.</translation>
    </message>
    <message>
        <source>Connected to %1 again.</source>
        <translation>Conectado de nuevo a %1.</translation>
    </message>
    <message>
        <source>Lost the connection to %1: %2. Playing on alone; trying again.</source>
        <translation>Se perdió la conexión con %1: %2. Sigues jugando solo; reintentando.</translation>
    </message>
    <message>
        <source>Cannot reach %1: %2. Playing on alone; trying again.</source>
        <translation>No se puede llegar a %1: %2. Sigues jugando solo; reintentando.</translation>
    </message>
    <message>
        <source>Someone in this room already goes by %1: choose another name, then Join.</source>
        <translation>Alguien en esta sala ya se llama %1: elige otro nombre y pulsa «Entrar».</translation>
    </message>
    <message>
        <source>The standings of a round in %1 need its word list (%2).</source>
        <translation>La clasificación de una partida en %1 necesita su lista de palabras (%2).</translation>
    </message>
    <message numerus="yes">
        <source>Scored by you from %n result(s).</source>
        <translation>
            <numerusform>Puntuado por ti a partir de %n resultado.</numerusform>
            <numerusform>Puntuado por ti a partir de %n resultados.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Scored by %1 from %n result(s).</source>
        <translation>
            <numerusform>Puntuado por %1 a partir de %n resultado.</numerusform>
            <numerusform>Puntuado por %1 a partir de %n resultados.</numerusform>
        </translation>
    </message>
    <message>
        <source>These standings are not what your words make (score %1, not %2; room score %3, not %4): the message was forged or broken on the way.</source>
        <translation>Esta clasificación no es la que dan tus palabras (puntos %1, no %2; puntos de sala %3, no %4): el mensaje se falsificó o se dañó por el camino.</translation>
    </message>
    <message>
        <source>%1 (unverified): %2</source>
        <translation>%1 (sin verificar): %2</translation>
    </message>
    <message>
        <source>You started a %2 in %3.</source>
        <translation>Has empezado una %2 en %3.</translation>
    </message>
    <message>
        <source>%1 started a %2 in %3.</source>
        <translation>%1 ha empezado una %2 en %3.</translation>
    </message>
    <message>
        <source>You start a %1 in %2.</source>
        <translation>Empiezas una %1 en %2.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1 tie for the win on %2.</source>
        <translation>%1 empatan en cabeza con %2.</translation>
    </message>
    <message>
        <source>%1 wins with %2.</source>
        <translation>%1 gana con %2.</translation>
    </message>
    <message>
        <source>%1 wins with %2; %3 comes next with %4.</source>
        <translation>%1 gana con %2; le sigue %3 con %4.</translation>
    </message>
    <message>
        <source>%1 wins with %2; %3 tie on %4.</source>
        <translation>%1 gana con %2; %3 empatan con %4.</translation>
    </message>
    <message>
        <source>%1 tie for the win on %2; %3 comes next with %4.</source>
        <translation>%1 empatan en cabeza con %2; le sigue %3 con %4.</translation>
    </message>
    <message>
        <source>%1 tie for the win on %2; %3 tie on %4.</source>
        <translation>%1 empatan en cabeza con %2; %3 empatan con %4.</translation>
    </message>
    <message>
        <source>No word was shared.</source>
        <translation>Ninguna palabra fue compartida.</translation>
    </message>
    <message>
        <source>Shared words, which score nothing in the room score: %1.</source>
        <translation>Palabras compartidas, que no puntúan en la sala: %1.</translation>
    </message>
    <message>
        <source>Your lines go unsigned, and others&apos; are not checked: %1.</source>
        <translation>Tus líneas van sin firmar y las de los demás no se comprueban: %1.</translation>
    </message>
    <message>
        <source>That round is in %1, whose word list is not installed here (%2): you watch this one.</source>
        <translation>Esa partida es en %1, cuya lista de palabras no está instalada aquí (%2): esta la miras.</translation>
    </message>
    <message>
        <source>A shared round can&apos;t be paused: it goes on for everyone.</source>
        <translation>Una partida compartida no se puede pausar: sigue para todos.</translation>
    </message>
    <message>
        <source>No round yet to play again: Start Game starts one.</source>
        <translation>Aún no hay partida que repetir: Empezar empieza una.</translation>
    </message>
    <message numerus="yes">
        <source>Play again: the next %n-minute round starts when every player has finished.</source>
        <translation>
            <numerusform>Otra vez: la próxima partida de %n minuto empieza cuando todos los jugadores hayan terminado.</numerusform>
            <numerusform>Otra vez: la próxima partida de %n minutos empieza cuando todos los jugadores hayan terminado.</numerusform>
        </translation>
    </message>
    <message>
        <source>A round is under way in the room: the next one starts when every player has finished it, or its time is up.</source>
        <translation>Hay una partida en curso en la sala: la siguiente empieza cuando todos los jugadores la hayan terminado o se acabe su tiempo.</translation>
    </message>
    <message>
        <source>You joined room %1 on %2 as %3. Friends join with %4</source>
        <translation>Has entrado en la sala %1 de %2 como %3. Tus amigos entran con %4</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s) here already.</source>
        <translation>
            <numerusform>%n jugador ya está aquí.</numerusform>
            <numerusform>%n jugadores ya están aquí.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Shared words, which score nothing in the room score: %1; and %n more.</source>
        <translation>
            <numerusform>Palabras compartidas, que no puntúan en la sala: %1; y %n más.</numerusform>
            <numerusform>Palabras compartidas, que no puntúan en la sala: %1; y %n más.</numerusform>
        </translation>
    </message>
    <message>
        <source>These standings leave out your words: the message was forged or broken on the way.</source>
        <translation>Esta clasificación deja fuera tus palabras: el mensaje se falsificó o se dañó por el camino.</translation>
    </message>
    <message numerus="yes">
        <source>...and %n more.</source>
        <translation>
            <numerusform>...y %n más.</numerusform>
            <numerusform>...y %n más.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RoomAddress</name>
    <message>
        <source>only mqtt:// and mqtts:// addresses are understood</source>
        <translation>solo se entienden direcciones mqtt:// y mqtts://</translation>
    </message>
    <message>
        <source>the room is missing: write the server, then / and the room</source>
        <translation>falta la sala: escribe el servidor, luego / y la sala</translation>
    </message>
    <message>
        <source>a room&apos;s name is 1 to 40 letters, digits, - _ or .</source>
        <translation>el nombre de una sala tiene de 1 a 40 letras, cifras, - _ o .</translation>
    </message>
    <message>
        <source>the password after the colon is at most 256 characters, none of them a control</source>
        <translation>la contraseña tras los dos puntos tiene como mucho 256 caracteres, ninguno de control</translation>
    </message>
    <message>
        <source>the user name before @ is 1 to 64 printable characters, no spaces</source>
        <translation>el nombre de usuario antes de @ tiene de 1 a 64 caracteres imprimibles, sin espacios</translation>
    </message>
    <message>
        <source>an IPv6 address is written in brackets: [::1]</source>
        <translation>una dirección IPv6 se escribe entre corchetes: [::1]</translation>
    </message>
    <message>
        <source>that is not an IPv6 address</source>
        <translation>eso no es una dirección IPv6</translation>
    </message>
    <message>
        <source>a port follows the address after a colon</source>
        <translation>el puerto va tras la dirección, después de dos puntos</translation>
    </message>
    <message>
        <source>the port is missing after the colon</source>
        <translation>falta el puerto tras los dos puntos</translation>
    </message>
    <message>
        <source>the server&apos;s name is missing</source>
        <translation>falta el nombre del servidor</translation>
    </message>
    <message>
        <source>a server&apos;s name is made of letters, digits, - and .</source>
        <translation>el nombre de un servidor se compone de letras, cifras, - y .</translation>
    </message>
    <message>
        <source>the port is a number from 1 to 65535</source>
        <translation>el puerto es un número del 1 al 65535</translation>
    </message>
    <message>
        <source>the address names room %1 but Room says %2: empty the Room box, or make them agree</source>
        <translation>la dirección nombra la sala %1 pero Sala dice %2: vacía la casilla Sala o haz que coincidan</translation>
    </message>
    <message>
        <source>the room is missing: type it into Room, or paste the whole address into Server</source>
        <translation>falta la sala: escríbela en Sala o pega la dirección entera en Servidor</translation>
    </message>
</context>
<context>
    <name>allwordsfrm</name>
    <message>
        <source>All Words</source>
        <translation>Todas las palabras</translation>
    </message>
    <message>
        <source>All Words (yours in green):</source>
        <translation>Todas las palabras (las tuyas en verde):</translation>
    </message>
    <message>
        <source>Pick a word, with the mouse or the arrow keys, for its path and meaning</source>
        <translation>Elige una palabra, con el ratón o las flechas, para ver su recorrido y su significado</translation>
    </message>
    <message>
        <source>All words on the board</source>
        <translation>Todas las palabras del tablero</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Ruta:</translation>
    </message>
    <message>
        <source>Click a word to see its path on the board.</source>
        <translation>Haz clic en una palabra para ver su recorrido en el tablero.</translation>
    </message>
    <message>
        <source>Meaning:</source>
        <translation>Significado:</translation>
    </message>
    <message>
        <source>What the word picked means, from WordNet</source>
        <translation>Qué significa la palabra elegida, según WordNet</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Significado</translation>
    </message>
    <message>
        <source>Click a word to see what it means.</source>
        <translation>Haz clic en una palabra para ver qué significa.</translation>
    </message>
    <message>
        <source>A friend who types this code after Ctrl+O plays the same board</source>
        <translation>Quien escriba este código tras Ctrl+O juega el mismo tablero</translation>
    </message>
    <message>
        <source>Copy the challenge code</source>
        <translation>Copiar el código de desafío</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Your scores over time for this game time (Ctrl+G)</source>
        <translation>Tus puntos a lo largo del tiempo para este tiempo de juego (Ctrl+G)</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
</context>
<context>
    <name>helpfrm</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Words found of the board&apos;s:</source>
        <translation>Encontradas de las del tablero:</translation>
    </message>
    <message>
        <source>For each length: the words you found of those the board holds (F9 says them)</source>
        <translation>Para cada longitud: las palabras que encontraste de las del tablero (F9 las lee)</translation>
    </message>
    <message>
        <source>Words found by length</source>
        <translation>Palabras encontradas por longitud</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Letras</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Comunes</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message>
        <source>Light the first two letters of a common word you have not found (F10)</source>
        <translation>Iluminar las dos primeras letras de una palabra común que no has encontrado (F10)</translation>
    </message>
    <message>
        <source>Show a start</source>
        <translation>Ver un inicio</translation>
    </message>
    <message>
        <source>Rounds you start in a room let their players take hints; each hint costs only its taker</source>
        <translation>Las partidas que empiezas en una sala dejan a sus jugadores pedir pistas; cada pista solo le cuesta a quien la pide</translation>
    </message>
    <message>
        <source>Hints in room rounds I start</source>
        <translation>Pistas en mis partidas de sala</translation>
    </message>
</context>
<context>
    <name>howtoplayfrm</name>
    <message>
        <source>How to Play</source>
        <translation>Cómo jugar</translation>
    </message>
    <message>
        <source>Arrow keys read on; Escape closes the window</source>
        <translation>Las flechas avanzan; Escape cierra la ventana</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Cómo jugar</translation>
    </message>
    <message>
        <source>**A round.** Pick a game time of 1 to 10 minutes beside *Game Time*, then press *Start Game*. Spell words by pressing letters that touch the last one (across, up and down, or diagonally; each letter once in a word) or by typing them. *Add* checks the word: one of three letters or more that the word list holds scores a point for each letter. *Cancel* drops the word. When the clock runs out, or you press *End Game*, click your score for the results.

**Keys**

- F2: Start Game
- a letter: adds it to the word
- Backspace: drops the last letter
- Return: Add
- Escape: Cancel
- F3: End Game
- F4: the results, once the score shows
- F6 or Pause: pauses the round; the letters hide and the clock stops until you press the key again or click the board
- F7: turns the spoken announcements for screen readers off or on
- Ctrl+H: Help, beside the board; again, to go to it
- F9: says Help&apos;s counts to a screen reader
- F10: Show a start (a hint)
- F1: this window
- Ctrl+L: the language of boards and words, between rounds

In the results, Ctrl+P prints and F5 opens All Words; there, Ctrl+G, or Tab to *Progress* and Return, opens Progress.

**All Words** lists every word the board held, longest first, yours in green (&quot;found by you&quot; to a screen reader), with your share of the points on offer and your record for the game time. Pick a word to see its path on the board and what it means.

**Help** counts, for each word length, the words you found of those the board holds, common and in all. *Show a start* lights the first two letters of a common word you have not found with the red trail line, until you next press or type a letter; that word then scores nothing, the results mark it hinted, and the round sets no record.

**Progress** charts your scores in the rounds of one game time, your best in red, and lists the rounds below the chart: round, date and score.

**Languages.** Besides English, boards and words can be in Catalan, Danish, Dutch, French, German, Italian, Norwegian, Polish, Portuguese, Spanish or Swedish, once the word list of that language is installed: the *Language* window says which package brings it. The board then has that language&apos;s own letters (Ä, Ñ, Å…), which you type as they are; other accents fold to their letter (type é for E). Meanings are in English only.

A screen reader hears the round: its start (and its language, when not English), each word added, the last seconds and your score; F9 and F10 say Help&apos;s counts and a start.</source>
        <translation>**Una partida.** Elige un tiempo de juego de 1 a 10 minutos junto a *Tiempo* y pulsa *Empezar*. Forma palabras pulsando letras que toquen la anterior (en horizontal, en vertical o en diagonal; cada letra una vez por palabra) o escribiéndolas. *Añadir* comprueba la palabra: una de tres letras o más que esté en la lista suma un punto por letra. *Cancelar* descarta la palabra. Cuando se acabe el tiempo, o pulses *Terminar*, haz clic en tu puntuación para ver los resultados.

**Teclas**

- F2: Empezar
- una letra: la añade a la palabra
- Retroceso: quita la última letra
- Intro: Añadir
- Escape: Cancelar
- F3: Terminar
- F4: los resultados, cuando aparezca la puntuación
- F6 o Pausa: pausa la partida; las letras se ocultan y el reloj se para hasta que vuelvas a pulsar la tecla o hagas clic en el tablero
- F7: desactiva o activa los avisos hablados para lectores de pantalla
- Ctrl+H: la Ayuda, junto al tablero; otra vez, para ir a ella
- F9: lee las cifras de la Ayuda a un lector de pantalla
- F10: Ver un inicio (una pista)
- F1: esta ventana
- Ctrl+L: el idioma de tableros y palabras, entre partidas

En los resultados, Ctrl+P imprime y F5 abre Todas las palabras; allí, Ctrl+G, o Tab hasta *Progreso* e Intro, abre Progreso.

**Todas las palabras** muestra cada palabra que tenía el tablero, las más largas primero, las tuyas en verde («encontrada por ti» para un lector de pantalla), con tu parte de los puntos posibles y tu récord para ese tiempo de juego. Elige una palabra para ver su recorrido en el tablero y qué significa.

**Ayuda** cuenta, para cada longitud, las palabras que encontraste de las que tiene el tablero, comunes y en total. *Ver un inicio* ilumina las dos primeras letras de una palabra común que no has encontrado con la línea roja, hasta que vuelvas a pulsar o escribir una letra; esa palabra ya no puntúa, los resultados la marcan como pista y la partida no establece récord.

**Progreso** dibuja tus puntos en las partidas de un mismo tiempo de juego, el mejor en rojo, y lista las partidas bajo el gráfico: partida, fecha y puntos.

**Idiomas.** Además de en inglés, tableros y palabras pueden estar en catalán, danés, neerlandés, francés, alemán, italiano, noruego, polaco, portugués, español o sueco, una vez instalada la lista de palabras del idioma: la ventana *Idioma* dice qué paquete la trae. El tablero tiene entonces las letras propias del idioma (Ä, Ñ, Å…), que escribes tal cual; los demás acentos se reducen a su letra (escribe é para E). Los significados están solo en inglés.

Un lector de pantalla oye la partida: su comienzo (y su idioma, si no es el inglés), cada palabra añadida, los últimos segundos y tu puntuación; F9 y F10 leen las cifras de la Ayuda y un comienzo.</translation>
    </message>
</context>
<context>
    <name>languagefrm</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Boards and words in:</source>
        <translation>Tableros y palabras en:</translation>
    </message>
    <message>
        <source>Pick a language with the mouse or the arrow keys; Return or a double-click plays it</source>
        <translation>Elige un idioma con el ratón o las flechas; Intro o un doble clic lo juega</translation>
    </message>
    <message>
        <source>Board languages</source>
        <translation>Idiomas de tablero</translation>
    </message>
    <message>
        <source>Play boards and words in this language from the next round on (Return)</source>
        <translation>Jugar tableros y palabras en este idioma desde la próxima partida (Intro)</translation>
    </message>
    <message>
        <source>Play it</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>Copy the line that installs its word list</source>
        <translation>Copiar la línea que instala su lista de palabras</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
</context>
<context>
    <name>loadingfrm</name>
    <message>
        <source>Loading</source>
        <translation>Cargando</translation>
    </message>
    <message>
        <source>A word game by the Go LEXORB developers</source>
        <translation>Un juego de palabras de los desarrolladores de Go LEXORB</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Cargando...</translation>
    </message>
</context>
<context>
    <name>mainfrm</name>
    <message>
        <source>A round needs a length: pick its minutes here (arrow keys)</source>
        <translation>Una partida necesita una duración: elige aquí los minutos (flechas)</translation>
    </message>
    <message>
        <source>Game time in minutes</source>
        <translation>Tiempo de juego en minutos</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Mensaje del chat</translation>
    </message>
    <message>
        <source>Your words</source>
        <translation>Tus palabras</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Search the word list</source>
        <translation>Buscar en la lista de palabras</translation>
    </message>
    <message>
        <source>End the round now (F3)</source>
        <translation>Terminar la partida ahora (F3)</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Terminar</translation>
    </message>
    <message>
        <source>Show the results (F4)</source>
        <translation>Mostrar los resultados (F4)</translation>
    </message>
    <message>
        <source>Your Score:</source>
        <translation>Tu puntuación:</translation>
    </message>
    <message>
        <source>Make the window taller, with the chat area</source>
        <translation>Hacer la ventana más alta, con la zona de chat</translation>
    </message>
    <message>
        <source>multiplayer</source>
        <translation>multijugador</translation>
    </message>
    <message>
        <source>Make the window its normal height</source>
        <translation>Devolver la ventana a su altura normal</translation>
    </message>
    <message>
        <source>1 player</source>
        <translation>1 jugador</translation>
    </message>
    <message>
        <source>Start a round (F2)</source>
        <translation>Empezar una partida (F2)</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Seconds Left</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Game Time:</source>
        <translation>Tiempo:</translation>
    </message>
    <message>
        <source>Your Word Here</source>
        <translation>Tu palabra aquí</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Add the word (Return)</source>
        <translation>Añadir la palabra (Intro)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Drop the word (Escape)</source>
        <translation>Descartar la palabra (Escape)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Calculating Score...</source>
        <translation>Calculando puntos...</translation>
    </message>
    <message>
        <source>Your Score: %1</source>
        <translation>Tu puntuación: %1</translation>
    </message>
    <message>
        <source>The embedded word list could not be read: %1</source>
        <translation>No se pudo leer la lista de palabras integrada: %1</translation>
    </message>
    <message>
        <source>The word list could not be written to a temporary file: %1</source>
        <translation>No se pudo escribir la lista de palabras en un archivo temporal: %1</translation>
    </message>
    <message>
        <source>Loaded 1/2</source>
        <translation>Cargado 1/2</translation>
    </message>
    <message>
        <source>The word list could not be loaded: %1</source>
        <translation>No se pudo cargar la lista de palabras: %1</translation>
    </message>
    <message>
        <source>You have already entered that word!</source>
        <translation>¡Ya has escrito esa palabra!</translation>
    </message>
    <message>
        <source>Words must be bigger than 2 letters!</source>
        <translation>¡Las palabras deben tener más de 2 letras!</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, fila %2, columna %3</translation>
    </message>
    <message numerus="yes">
        <source>You host this room: closing the game ends it, and leaves %n player(s) without a room. Close anyway?</source>
        <translation>
            <numerusform>Eres el anfitrión de esta sala: cerrar el juego la termina y deja a %n jugador sin sala. ¿Cerrar de todos modos?</numerusform>
            <numerusform>Eres el anfitrión de esta sala: cerrar el juego la termina y deja a %n jugadores sin sala. ¿Cerrar de todos modos?</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1: %2.</source>
        <translation>Fila %1: %2.</translation>
    </message>
    <message>
        <source>No board: a round is not under way.</source>
        <translation>No hay tablero: no hay ninguna partida en curso.</translation>
    </message>
</context>
<context>
    <name>playtogetherfrm</name>
    <message>
        <source>Play Together</source>
        <translation>Jugar juntos</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Servidor:</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>Room:</source>
        <translation>Sala:</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Sala</translation>
    </message>
    <message>
        <source>family</source>
        <translation>familia</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Tu nombre:</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Password, if the server asks for one:</source>
        <translation>Contraseña, si el servidor la pide:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Join the room (Return)</source>
        <translation>Entrar en la sala (Intro)</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Entrar</translation>
    </message>
    <message>
        <source>Leave the room and play alone</source>
        <translation>Salir de la sala y jugar solo</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Run a server on this computer for friends on your network</source>
        <translation>Ejecutar un servidor en este ordenador para tus amigos de la red</translation>
    </message>
    <message>
        <source>Host on this computer</source>
        <translation>Alojar en este ordenador</translation>
    </message>
    <message>
        <source>Hosting</source>
        <translation>Anfitrión</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Who is here:</source>
        <translation>Quién está aquí:</translation>
    </message>
    <message>
        <source>Who is here</source>
        <translation>Quién está aquí</translation>
    </message>
    <message>
        <source>Friends join with:</source>
        <translation>Tus amigos entran con:</translation>
    </message>
    <message>
        <source>Address to give friends</source>
        <translation>Dirección para tus amigos</translation>
    </message>
    <message>
        <source>Copy the address to the clipboard</source>
        <translation>Copiar la dirección al portapapeles</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>A round of the same length, started when every player has finished</source>
        <translation>Una partida de la misma duración, que empieza cuando todos los jugadores han terminado</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Jugar otra vez</translation>
    </message>
</context>
<context>
    <name>progressfrm</name>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Your score in each round, your best in red</source>
        <translation>Tus puntos en cada partida, el mejor en rojo</translation>
    </message>
    <message>
        <source>Scores chart</source>
        <translation>Gráfico de puntos</translation>
    </message>
    <message>
        <source>The table below holds the same rounds</source>
        <translation>La tabla de abajo tiene las mismas partidas</translation>
    </message>
    <message>
        <source>Each round of this game time: its number, date and score</source>
        <translation>Cada partida de este tiempo de juego: número, fecha y puntos</translation>
    </message>
    <message>
        <source>Your rounds</source>
        <translation>Tus partidas</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
</context>
<context>
    <name>resultsfrm</name>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Awards</source>
        <translation>Logros</translation>
    </message>
    <message>
        <source>Rejected words</source>
        <translation>Palabras rechazadas</translation>
    </message>
    <message>
        <source>Accepted words</source>
        <translation>Palabras aceptadas</translation>
    </message>
    <message>
        <source>Print the results (Ctrl+P)</source>
        <translation>Imprimir los resultados (Ctrl+P)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Puzzle:</source>
        <translation>Tablero:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Puntos:</translation>
    </message>
    <message>
        <source>Awards:</source>
        <translation>Logros:</translation>
    </message>
    <message>
        <source>Longest Word:</source>
        <translation>Más larga:</translation>
    </message>
    <message>
        <source>Letter Most Used:</source>
        <translation>Letra más usada:</translation>
    </message>
    <message>
        <source>Rejected Words:</source>
        <translation>Rechazadas:</translation>
    </message>
    <message>
        <source>Accepted Words:</source>
        <translation>Aceptadas:</translation>
    </message>
    <message>
        <source> (hinted)</source>
        <translation> (pista)</translation>
    </message>
    <message>
        <source>The results below are to show how well you did Go LEXORB</source>
        <translation>Estos resultados muestran lo bien que has jugado a Go LEXORB</translation>
    </message>
    <message>
        <source>Every word this board held (F5)</source>
        <translation>Todas las palabras de este tablero (F5)</translation>
    </message>
    <message>
        <source>No printer is available, so the results were not printed.</source>
        <translation>No hay ninguna impresora disponible, así que los resultados no se imprimieron.</translation>
    </message>
    <message>
        <source>Go LEXORB results</source>
        <translation>Resultados de Go LEXORB</translation>
    </message>
    <message>
        <source>The results could not be printed on %1.</source>
        <translation>No se pudieron imprimir los resultados en %1.</translation>
    </message>
</context>
</TS>
