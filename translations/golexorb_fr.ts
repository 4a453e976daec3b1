<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AllWords</name>
    <message>
        <source>You found %1 of %2 points</source>
        <translation>Vous avez trouvé %1 points sur %2</translation>
    </message>
    <message>
        <source>Common words: %1 of %2 points</source>
        <translation>Mots courants : %1 points sur %2</translation>
    </message>
    <message>
        <source>A rare word: not in a medium-sized English dictionary.</source>
        <translation>Un mot rare : absent d’un dictionnaire anglais de taille moyenne.</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>il est illisible : %1</translation>
    </message>
    <message>
        <source>it is not a library</source>
        <translation>ce n’est pas une bibliothèque</translation>
    </message>
    <message>
        <source>it is not a library for this computer</source>
        <translation>ce n’est pas une bibliothèque pour cet ordinateur</translation>
    </message>
    <message>
        <source>it is cut short: %1 bytes</source>
        <translation>il est tronqué : %1 octets</translation>
    </message>
    <message>
        <source>the module %1 is damaged (%2)</source>
        <translation>le module %1 est endommagé (%2)</translation>
    </message>
    <message>
        <source>the module %1 lacks its entry point golexorb_progress_window</source>
        <translation>il manque au module %1 son point d’entrée golexorb_progress_window</translation>
    </message>
    <message>
        <source>golexorb-progress.so is not installed</source>
        <translation>golexorb-progress.so n’est pas installé</translation>
    </message>
    <message>
        <source>Only words of letters a to z can be looked up.</source>
        <translation>Seuls les mots faits des lettres a à z peuvent être cherchés.</translation>
    </message>
    <message>
        <source>Definitions need WordNet, which is not installed. Install it with
    sudo apt install %1
and start the game again.</source>
        <translation>Les définitions demandent WordNet, qui n’est pas installé. Installez-le avec
    sudo apt install %1
puis relancez le jeu.</translation>
    </message>
    <message>
        <source>The WordNet library could not be loaded: %1. Install it again with
    sudo apt install --reinstall %2
and start the game again.</source>
        <translation>La bibliothèque WordNet n’a pas pu être chargée : %1. Réinstallez-la avec
    sudo apt install --reinstall %2
puis relancez le jeu.</translation>
    </message>
    <message>
        <source>The WordNet database could not be read: %1.</source>
        <translation>La base de données WordNet n’a pas pu être lue : %1.</translation>
    </message>
    <message>
        <source>No definition of &quot;%1&quot; in WordNet.</source>
        <translation>Aucune définition de « %1 » dans WordNet.</translation>
    </message>
    <message>
        <source> (hinted)</source>
        <translation> (indice)</translation>
    </message>
    <message>
        <source>, found by you</source>
        <translation>, trouvé par vous</translation>
    </message>
    <message>
        <source>, rare</source>
        <translation>, rare</translation>
    </message>
    <message>
        <source>Code: %1</source>
        <translation>Code : %1</translation>
    </message>
    <message>
        <source>The progress chart cannot be shown: %1.</source>
        <translation>Le graphique de progression ne peut pas s’afficher : %1.</translation>
    </message>
    <message>
        <source> It needs Qt Charts (sudo apt install libqt6charts6).</source>
        <translation> Il demande Qt Charts (sudo apt install libqt6charts6).</translation>
    </message>
    <message>
        <source>Rare words</source>
        <translation>Mots rares</translation>
    </message>
    <message>
        <source>All words in one list: no word frequencies</source>
        <translation>Tous les mots en une liste : pas de fréquences</translation>
    </message>
    <message>
        <source>Meanings come from WordNet, in English only: there are none for %1 words.</source>
        <translation>Les définitions viennent de WordNet, en anglais seulement : il n’y en a pas pour les mots en %1.</translation>
    </message>
</context>
<context>
    <name>Announcer</name>
    <message>
        <source>Announcements on</source>
        <translation>Annonces activées</translation>
    </message>
    <message>
        <source>Announcements off</source>
        <translation>Annonces désactivées</translation>
    </message>
    <message>
        <source>Round paused</source>
        <translation>Partie en pause</translation>
    </message>
    <message>
        <source>Round resumed</source>
        <translation>Partie reprise</translation>
    </message>
    <message>
        <source>Round started with no game time</source>
        <translation>Partie lancée sans durée</translation>
    </message>
    <message>
        <source>%1-minute round started</source>
        <translation>Partie de %1 minutes lancée</translation>
    </message>
    <message>
        <source>%1, %2 points</source>
        <translation>%1, %2 points</translation>
    </message>
    <message>
        <source>%1, not a word</source>
        <translation>%1, pas un mot</translation>
    </message>
    <message>
        <source>%1, hinted: no points</source>
        <translation>%1, par indice : aucun point</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) left</source>
        <translation>
            <numerusform>plus que %n seconde</numerusform>
            <numerusform>plus que %n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>Round over. Your score: %1</source>
        <translation>Partie terminée. Votre score : %1</translation>
    </message>
    <message>
        <source>Round started with no game time, in %1</source>
        <translation>Partie lancée sans durée, en %1</translation>
    </message>
    <message>
        <source>%1-minute round started, in %2</source>
        <translation>Partie de %1 minutes lancée, en %2</translation>
    </message>
</context>
<context>
    <name>Awards</name>
    <message>
        <source>Found a with 7 letters or more!</source>
        <translation>Un mot de 7 lettres ou plus !</translation>
    </message>
    <message>
        <source>Found a word 5 letters or more!</source>
        <translation>Un mot de 5 lettres ou plus !</translation>
    </message>
    <message>
        <source>Used a Q!</source>
        <translation>Un Q utilisé !</translation>
    </message>
    <message>
        <source>Used a Z!</source>
        <translation>Un Z utilisé !</translation>
    </message>
    <message>
        <source>Massive score over 50!</source>
        <translation>Score énorme, plus de 50 !</translation>
    </message>
    <message>
        <source>Nice scored over 40!</source>
        <translation>Bravo, plus de 40 !</translation>
    </message>
    <message>
        <source>scored over 30!</source>
        <translation>plus de 30 points !</translation>
    </message>
</context>
<context>
    <name>Challenge</name>
    <message>
        <source>A challenge code is 17 letters and digits, like ABCD-EFGH-JKMN-PQRS-T.</source>
        <translation>Un code de défi compte 17 lettres et chiffres, comme ABCD-EFGH-JKMN-PQRS-T.</translation>
    </message>
    <message>
        <source>That challenge code has a mistake in it: check it against the one you were given.</source>
        <translation>Ce code de défi contient une erreur : comparez-le à celui qu’on vous a donné.</translation>
    </message>
    <message>
        <source>That challenge code holds no round of 1 to 10 minutes.</source>
        <translation>Ce code de défi ne contient pas de partie de 1 à 10 minutes.</translation>
    </message>
    <message>
        <source>A challenge code of a board in another language than English is 19 letters and digits, like ABCD-EFGH-JKMN-PQRS-TUV.</source>
        <translation>Le code d’une grille dans une autre langue que l’anglais compte 19 lettres et chiffres, comme ABCD-EFGH-JKMN-PQRS-TUV.</translation>
    </message>
    <message>
        <source>That challenge code names a language this version of the game does not know.</source>
        <translation>Ce code de défi désigne une langue que cette version du jeu ne connaît pas.</translation>
    </message>
    <message>
        <source>That challenge code holds no board of its language.</source>
        <translation>Ce code de défi ne contient pas de grille de sa langue.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Go LEXORB: spell words on a board of letters against the clock.</source>
        <translation>Go LEXORB : formez des mots sur une grille de lettres, contre la montre.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Join a room: [mqtt[s]://][USER@]HOST[:PORT]/ROOM, with --name.</source>
        <translation>Rejoindre un salon : [mqtt[s]://][UTILISATEUR@]HÔTE[:PORT]/SALON, avec --name.</translation>
    </message>
    <message>
        <source>address</source>
        <translation>adresse</translation>
    </message>
    <message>
        <source>Your name in the room (1 to 20 characters).</source>
        <translation>Votre nom dans le salon (1 à 20 caractères).</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>Open the Play Together window.</source>
        <translation>Ouvrir la fenêtre « Jouer ensemble ».</translation>
    </message>
    <message>
        <source>Play the board of a challenge code a friend gave you.</source>
        <translation>Jouer la grille d’un code de défi reçu d’un ami.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>code</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1 : %2
Essayez « %1 --help » pour en savoir plus.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>argument inattendu « %1 ».</translation>
    </message>
    <message>
        <source>--join and --name go together.</source>
        <translation>--join et --name vont ensemble.</translation>
    </message>
    <message>
        <source>--join %1: %2.</source>
        <translation>--join %1 : %2.</translation>
    </message>
    <message>
        <source>--name: a name is 1 to 20 characters, no / + or #, no space at either end.</source>
        <translation>--name : un nom compte 1 à 20 caractères, sans / + ni #, sans espace au début ni à la fin.</translation>
    </message>
    <message>
        <source>--ui-language: no windows in &apos;%1&apos;; there are: %2.</source>
        <translation>--ui-language : pas de fenêtres en « %1 » ; il y a : %2.</translation>
    </message>
    <message>
        <source>no display to open the window on (%1 and %2 are not set); without a screen, run it under xvfb-run</source>
        <translation>aucun écran où ouvrir la fenêtre (%1 et %2 ne sont pas définis) ; sans écran, lancez-le sous xvfb-run</translation>
    </message>
    <message>
        <source>no display to open the window on (%1 is not set); without a screen, run it under xvfb-run</source>
        <translation>aucun écran où ouvrir la fenêtre (%1 n’est pas défini) ; sans écran, lancez-le sous xvfb-run</translation>
    </message>
    <message>
        <source>The language of the windows (%1); otherwise the system&apos;s.</source>
        <translation>La langue des fenêtres (%1) ; sinon celle du système.</translation>
    </message>
    <message>
        <source>Play boards and words in this language for this run: %1.</source>
        <translation>Jouer grilles et mots dans cette langue pour cette fois : %1.</translation>
    </message>
    <message>
        <source>--challenge: %1</source>
        <translation>--challenge : %1</translation>
    </message>
    <message>
        <source>--language %1: not a board language; the codes are %2.</source>
        <translation>--language %1 : pas une langue de grille ; les codes sont %2.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>%1 at row %2, column %3</source>
        <translation>%1 en ligne %2, colonne %3</translation>
    </message>
    <message>
        <source>Common words: %1 of %2 found. All words: %3 of %4 found.</source>
        <translation>Mots courants : %1 trouvés sur %2. Tous les mots : %3 trouvés sur %4.</translation>
    </message>
    <message>
        <source>%1 letters: %2 of %3 common, %4 of %5 in all.</source>
        <translation>%1 lettres : %2 sur %3 courants, %4 sur %5 en tout.</translation>
    </message>
    <message>
        <source>A start: %1, then %2.</source>
        <translation>Un début : %1, puis %2.</translation>
    </message>
    <message>
        <source>Hints are given during a round.</source>
        <translation>Les indices se donnent pendant une partie.</translation>
    </message>
    <message>
        <source>The round is paused.</source>
        <translation>La partie est en pause.</translation>
    </message>
    <message>
        <source>This round allows no hints.</source>
        <translation>Cette partie n’accepte pas d’indices.</translation>
    </message>
    <message>
        <source>You have found every common word.</source>
        <translation>Vous avez trouvé tous les mots courants.</translation>
    </message>
    <message>
        <source>No round yet: the counts show once a round starts.</source>
        <translation>Pas encore de partie : les chiffres s’affichent dès qu’une partie commence.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>This round&apos;s board: the words you found of those it holds.</source>
        <translation>La grille de cette partie : les mots trouvés parmi ceux qu’elle contient.</translation>
    </message>
    <message>
        <source>The round is over: its board&apos;s words, as All Words counts them.</source>
        <translation>La partie est finie : les mots de sa grille, comptés comme dans « Tous les mots ».</translation>
    </message>
    <message>
        <source>In all</source>
        <translation>En tout</translation>
    </message>
    <message>
        <source>Lights the first two letters of a common word you have not found. That word then scores nothing, and the round sets no record.</source>
        <translation>Allume les deux premières lettres d’un mot courant que vous n’avez pas trouvé. Ce mot ne rapporte alors rien, et la partie n’établit aucun record.</translation>
    </message>
</context>
<context>
    <name>Languages</name>
    <message>
        <source>tiles A to Z</source>
        <translation>lettres de A à Z</translation>
    </message>
    <message>
        <source>tiles A to Z, %1</source>
        <translation>lettres de A à Z, %1</translation>
    </message>
    <message>
        <source>, not installed</source>
        <translation>, pas installée</translation>
    </message>
    <message>
        <source>, playing now</source>
        <translation>, en cours</translation>
    </message>
    <message>
        <source>Boards are in %1 now.</source>
        <translation>Les grilles sont maintenant en %1.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1 : %2.</translation>
    </message>
    <message>
        <source>The game&apos;s own word list.</source>
        <translation>La liste de mots du jeu lui-même.</translation>
    </message>
    <message>
        <source>Words from %1 (%2).</source>
        <translation>Mots tirés de %1 (%2).</translation>
    </message>
    <message>
        <source>No block list: its words are all there.</source>
        <translation>Pas de liste de blocage : tous ses mots y sont.</translation>
    </message>
    <message>
        <source>Not installed. Its words come with %1:
%2</source>
        <translation>Pas installée. Ses mots viennent avec %1 :
%2</translation>
    </message>
    <message>
        <source>%1 needs its word list, which is not installed:
%2</source>
        <translation>%1 a besoin de sa liste de mots, qui n’est pas installée :
%2</translation>
    </message>
    <message>
        <source>The words of %1 could not be read: %2</source>
        <translation>Les mots de %1 n’ont pas pu être lus : %2</translation>
    </message>
    <message>
        <source>That challenge is in %1, whose word list is not installed:
%2</source>
        <translation>Ce défi est en %1, dont la liste de mots n’est pas installée :
%2</translation>
    </message>
    <message>
        <source>English</source>
        <translation>anglais</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>catalan</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>danois</translation>
    </message>
    <message>
        <source>German</source>
        <translation>allemand</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>espagnol</translation>
    </message>
    <message>
        <source>French</source>
        <translation>français</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>italien</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>néerlandais</translation>
    </message>
    <message>
        <source>Norwegian Bokmål</source>
        <translation>norvégien bokmål</translation>
    </message>
    <message>
        <source>Norwegian Nynorsk</source>
        <translation>norvégien nynorsk</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>polonais</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>portugais</translation>
    </message>
    <message>
        <source>Brazilian Portuguese</source>
        <translation>portugais du Brésil</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>suédois</translation>
    </message>
    <message>
        <source>The smallest list, about 106,000 words: rarer verb forms are missing.</source>
        <translation>La plus petite liste, environ 106 000 mots : les formes verbales rares manquent.</translation>
    </message>
    <message>
        <source>About 113,000 words: compounds beyond the common ones are missing.</source>
        <translation>Environ 113 000 mots : les mots composés peu courants manquent.</translation>
    </message>
</context>
<context>
    <name>PlayTogether</name>
    <message>
        <source>No free port from %1 to %2.</source>
        <translation>Aucun port libre de %1 à %2.</translation>
    </message>
    <message>
        <source>As root, the broker runs as the user mosquitto or nobody, and this computer has neither.</source>
        <translation>En root, le broker tourne sous l’utilisateur mosquitto ou nobody, et cet ordinateur n’a ni l’un ni l’autre.</translation>
    </message>
    <message>
        <source>The broker&apos;s settings cannot be made: %1</source>
        <translation>Impossible de créer les réglages du broker : %1</translation>
    </message>
    <message>
        <source>%1 cannot be started: %2</source>
        <translation>%1 ne peut pas démarrer : %2</translation>
    </message>
    <message>
        <source>The broker stopped: %1</source>
        <translation>Le broker s’est arrêté : %1</translation>
    </message>
    <message>
        <source>The broker did not start within 5 seconds: %1</source>
        <translation>Le broker n’a pas démarré en 5 secondes : %1</translation>
    </message>
    <message>
        <source>Play a Challenge</source>
        <translation>Jouer un défi</translation>
    </message>
    <message>
        <source>The challenge code a friend gave you:</source>
        <translation>Le code de défi reçu d’un ami :</translation>
    </message>
    <message>
        <source>A round is under way: play the challenge when it is over.</source>
        <translation>Une partie est en cours : jouez le défi quand elle sera finie.</translation>
    </message>
    <message>
        <source>%1 (install the libmosquitto1 package)</source>
        <translation>%1 (installez le paquet libmosquitto1)</translation>
    </message>
    <message>
        <source>%1 lacks the functions this game uses</source>
        <translation>il manque à %1 les fonctions dont ce jeu se sert</translation>
    </message>
    <message>
        <source>Not in a room: you play alone.</source>
        <translation>Dans aucun salon : vous jouez seul.</translation>
    </message>
    <message>
        <source>Hosting on port %1, but this computer is on no network friends could reach.</source>
        <translation>Hébergement sur le port %1, mais cet ordinateur n’est sur aucun réseau accessible à vos amis.</translation>
    </message>
    <message>
        <source>Hosting. Friends on your network join with:
%1</source>
        <translation>Hébergement en cours. Vos amis sur votre réseau rejoignent avec :
%1</translation>
    </message>
    <message>
        <source>the network library could not make a client</source>
        <translation>la bibliothèque réseau n’a pas pu créer de client</translation>
    </message>
    <message>
        <source>TLS cannot be set up: %1</source>
        <translation>Impossible de mettre en place TLS : %1</translation>
    </message>
    <message>
        <source>Hosting needs Debian&apos;s MQTT broker: install the mosquitto package (sudo apt install mosquitto).</source>
        <translation>L’hébergement demande le broker MQTT de Debian : installez le paquet mosquitto (sudo apt install mosquitto).</translation>
    </message>
    <message>
        <source>%1 (you): playing</source>
        <translation>%1 (vous) : joue</translation>
    </message>
    <message>
        <source>%1: playing</source>
        <translation>%1 : joue</translation>
    </message>
    <message>
        <source>%1 (you): finished</source>
        <translation>%1 (vous) : a fini</translation>
    </message>
    <message>
        <source>%1: finished</source>
        <translation>%1 : a fini</translation>
    </message>
    <message>
        <source>%1 (you): watching</source>
        <translation>%1 (vous) : regarde</translation>
    </message>
    <message>
        <source>%1: watching</source>
        <translation>%1 : regarde</translation>
    </message>
    <message>
        <source>%1 (you): playing, %2 last round</source>
        <translation>%1 (vous) : joue, %2 à la dernière partie</translation>
    </message>
    <message>
        <source>%1: playing, %2 last round</source>
        <translation>%1 : joue, %2 à la dernière partie</translation>
    </message>
    <message>
        <source>%1 (you): finished, %2 last round</source>
        <translation>%1 (vous) : a fini, %2 à la dernière partie</translation>
    </message>
    <message>
        <source>%1: finished, %2 last round</source>
        <translation>%1 : a fini, %2 à la dernière partie</translation>
    </message>
    <message>
        <source>%1 (you): watching, %2 last round</source>
        <translation>%1 (vous) : regarde, %2 à la dernière partie</translation>
    </message>
    <message>
        <source>%1: watching, %2 last round</source>
        <translation>%1 : regarde, %2 à la dernière partie</translation>
    </message>
    <message>
        <source>Play again (waiting)</source>
        <translation>Rejouer (en attente)</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Rejouer</translation>
    </message>
    <message>
        <source>The address is on the clipboard: give it to your friends.</source>
        <translation>L’adresse est dans le presse-papiers : donnez-la à vos amis.</translation>
    </message>
    <message>
        <source>Hosting on port %1. Type a room&apos;s name to see the address to give friends.</source>
        <translation>Hébergement sur le port %1. Tapez le nom d’un salon pour voir l’adresse à donner à vos amis.</translation>
    </message>
    <message>
        <source>%1 (install the libsodium23 package)</source>
        <translation>%1 (installez le paquet libsodium23)</translation>
    </message>
    <message>
        <source>%1 lacks the signing functions</source>
        <translation>%1 n’a pas les fonctions de signature</translation>
    </message>
    <message>
        <source>%1 could not start</source>
        <translation>%1 n’a pas pu démarrer</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>, best</source>
        <translation>, meilleur</translation>
    </message>
    <message>
        <source>, with hints</source>
        <translation>, avec indices</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Meilleur</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Partie</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>Your scores in rounds of %1</source>
        <translation>Vos scores dans les parties de %1</translation>
    </message>
    <message>
        <source>No rounds of %1 recorded yet.</source>
        <translation>Aucune partie de %1 enregistrée pour l’instant.</translation>
    </message>
    <message>
        <source>Best: %1 in round %2 of %3, on %4.</source>
        <translation>Meilleur : %1 à la partie %2 sur %3, le %4.</translation>
    </message>
    <message>
        <source>No best yet: every round had hints.</source>
        <translation>Pas encore de meilleur score : chaque partie avait des indices.</translation>
    </message>
    <message>
        <source>Last round: %1 of %2 words found, with hints.</source>
        <translation>Dernière partie : %1 mots trouvés sur %2, avec indices.</translation>
    </message>
    <message>
        <source>Last round: %1 of %2 words found.</source>
        <translation>Dernière partie : %1 mots trouvés sur %2.</translation>
    </message>
    <message>
        <source>Rounds without a game time are not recorded.</source>
        <translation>Les parties sans durée ne sont pas enregistrées.</translation>
    </message>
    <message>
        <source>Your records could not be read or saved this time.</source>
        <translation>Vos records n’ont pas pu être lus ou enregistrés cette fois.</translation>
    </message>
    <message>
        <source>With hints: no record. No record yet for %1.</source>
        <translation>Avec indices : pas de record. Pas encore de record pour %1.</translation>
    </message>
    <message>
        <source>No record yet for %1.</source>
        <translation>Pas encore de record pour %1.</translation>
    </message>
    <message>
        <source>New record for %1: %2!</source>
        <translation>Nouveau record pour %1 : %2 !</translation>
    </message>
    <message>
        <source>With hints: no record. Record for %1: %2 on %3.</source>
        <translation>Avec indices : pas de record. Record pour %1 : %2 le %3.</translation>
    </message>
    <message>
        <source>Record for %1: %2 on %3.</source>
        <translation>Record pour %1 : %2 le %3.</translation>
    </message>
</context>
<context>
    <name>Room</name>
    <message>
        <source>%1-minute round</source>
        <translation>partie de %1 minutes</translation>
    </message>
    <message>
        <source>The room sends more than can be shown: some lines are left out.</source>
        <translation>Le salon envoie plus qu’on ne peut afficher : des lignes sont omises.</translation>
    </message>
    <message>
        <source>%1 is here.</source>
        <translation>%1 est là.</translation>
    </message>
    <message>
        <source>%1 joined the room.</source>
        <translation>%1 a rejoint le salon.</translation>
    </message>
    <message>
        <source>%1 left the room.</source>
        <translation>%1 a quitté le salon.</translation>
    </message>
    <message>
        <source>Your %2 is under way (%3 left): you play the next one.</source>
        <translation>Votre %2 est en cours (reste %3) : vous jouerez la suivante.</translation>
    </message>
    <message>
        <source>%1&apos;s %2 is under way (%3 left): you play the next one.</source>
        <translation>La %2 de %1 est en cours (reste %3) : vous jouerez la suivante.</translation>
    </message>
    <message>
        <source>You started a %2; yours is under way: you play the next one.</source>
        <translation>Vous avez lancé une %2 ; la vôtre est en cours : vous jouerez la suivante.</translation>
    </message>
    <message>
        <source>%1 started a %2; yours is under way: you play the next one.</source>
        <translation>%1 a lancé une %2 ; la vôtre est en cours : vous jouerez la suivante.</translation>
    </message>
    <message>
        <source>You started a %2.</source>
        <translation>Vous avez lancé une %2.</translation>
    </message>
    <message>
        <source>%1 started a %2.</source>
        <translation>%1 a lancé une %2.</translation>
    </message>
    <message>
        <source>You start a %1.</source>
        <translation>Vous lancez une %1.</translation>
    </message>
    <message>
        <source>Standings (a word two or more found scores nothing in the room score):</source>
        <translation>Classement (un mot trouvé par deux joueurs ou plus ne rapporte rien au score du salon) :</translation>
    </message>
    <message numerus="yes">
        <source>%1. %2: score %3, room score %4, %n word(s) only %2 found</source>
        <translation>
            <numerusform>%1. %2 : score %3, score du salon %4, %n mot trouvé par %2 seul</numerusform>
            <numerusform>%1. %2 : score %3, score du salon %4, %n mots trouvés par %2 seul</numerusform>
        </translation>
    </message>
    <message>
        <source>A name is 1 to 20 characters, no / + or #, no space at either end, nothing invisible.</source>
        <translation>Un nom compte 1 à 20 caractères, sans / + ni #, sans espace au début ni à la fin, rien d’invisible.</translation>
    </message>
    <message>
        <source>Rooms need the MQTT library: %1</source>
        <translation>Les salons demandent la bibliothèque MQTT : %1</translation>
    </message>
    <message>
        <source>Joining room %1 on %2 as %3...</source>
        <translation>Connexion au salon %1 sur %2 sous le nom %3...</translation>
    </message>
    <message>
        <source>In room %1 on %2 as %3.</source>
        <translation>Dans le salon %1 sur %2 sous le nom %3.</translation>
    </message>
    <message>
        <source>In room %1 on %2 as %3 (not connected: trying again).</source>
        <translation>Dans le salon %1 sur %2 sous le nom %3 (non connecté : nouvel essai).</translation>
    </message>
    <message>
        <source>Not connected: the line was not sent.</source>
        <translation>Non connecté : la ligne n’a pas été envoyée.</translation>
    </message>
    <message>
        <source>Pick a Game Time first: a room&apos;s round lasts 1 to 10 minutes.</source>
        <translation>Choisissez d’abord une durée : une partie de salon dure 1 à 10 minutes.</translation>
    </message>
    <message>
        <source>Not connected: the round cannot reach the room.</source>
        <translation>Non connecté : la partie ne peut pas atteindre le salon.</translation>
    </message>
    <message>
        <source>Connected to %1 again.</source>
        <translation>De nouveau connecté à %1.</translation>
    </message>
    <message>
        <source>Lost the connection to %1: %2. Playing on alone; trying again.</source>
        <translation>Connexion à %1 perdue : %2. Vous continuez seul ; nouvel essai.</translation>
    </message>
    <message>
        <source>Cannot reach %1: %2. Playing on alone; trying again.</source>
        <translation>Impossible de joindre %1 : %2. Vous continuez seul ; nouvel essai.</translation>
    </message>
    <message>
        <source>Someone in this room already goes by %1: choose another name, then Join.</source>
        <translation>Quelqu’un dans ce salon s’appelle déjà %1 : choisissez un autre nom, puis « Rejoindre ».</translation>
    </message>
    <message>
        <source>The standings of a round in %1 need its word list (%2).</source>
        <translation>Le classement d’une partie en %1 demande sa liste de mots (%2).</translation>
    </message>
    <message numerus="yes">
        <source>Scored by you from %n result(s).</source>
        <translation>
            <numerusform>Compté par vous à partir de %n résultat.</numerusform>
            <numerusform>Compté par vous à partir de %n résultats.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Scored by %1 from %n result(s).</source>
        <translation>
            <numerusform>Compté par %1 à partir de %n résultat.</numerusform>
            <numerusform>Compté par %1 à partir de %n résultats.</numerusform>
        </translation>
    </message>
    <message>
        <source>These standings are not what your words make (score %1, not %2; room score %3, not %4): the message was forged or broken on the way.</source>
        <translation>Ce classement ne correspond pas à vos mots (score %1, pas %2 ; score du salon %3, pas %4) : le message a été falsifié ou abîmé en route.</translation>
    </message>
    <message>
        <source>%1 (unverified): %2</source>
        <translation>%1 (non vérifié) : %2</translation>
    </message>
    <message>
        <source>You started a %2 in %3.</source>
        <translation>Vous avez lancé une %2 en %3.</translation>
    </message>
    <message>
        <source>%1 started a %2 in %3.</source>
        <translation>%1 a lancé une %2 en %3.</translation>
    </message>
    <message>
        <source>You start a %1 in %2.</source>
        <translation>Vous lancez une %1 en %2.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1 tie for the win on %2.</source>
        <translation>%1 gagnent ex æquo avec %2.</translation>
    </message>
    <message>
        <source>%1 wins with %2.</source>
        <translation>%1 gagne avec %2.</translation>
    </message>
    <message>
        <source>%1 wins with %2; %3 comes next with %4.</source>
        <translation>%1 gagne avec %2 ; %3 suit avec %4.</translation>
    </message>
    <message>
        <source>%1 wins with %2; %3 tie on %4.</source>
        <translation>%1 gagne avec %2 ; %3 suivent ex æquo avec %4.</translation>
    </message>
    <message>
        <source>%1 tie for the win on %2; %3 comes next with %4.</source>
        <translation>%1 gagnent ex æquo avec %2 ; %3 suit avec %4.</translation>
    </message>
    <message>
        <source>%1 tie for the win on %2; %3 tie on %4.</source>
        <translation>%1 gagnent ex æquo avec %2 ; %3 suivent ex æquo avec %4.</translation>
    </message>
    <message>
        <source>No word was shared.</source>
        <translation>Aucun mot n’a été trouvé par plusieurs joueurs.</translation>
    </message>
    <message>
        <source>Shared words, which score nothing in the room score: %1.</source>
        <translation>Mots partagés, qui ne rapportent rien au score du salon : %1.</translation>
    </message>
    <message>
        <source>Your lines go unsigned, and others&apos; are not checked: %1.</source>
        <translation>Vos lignes partent sans signature, et celles des autres ne sont pas vérifiées : %1.</translation>
    </message>
    <message>
        <source>That round is in %1, whose word list is not installed here (%2): you watch this one.</source>
        <translation>Cette partie est en %1, dont la liste de mots n’est pas installée ici (%2) : vous regardez celle-ci.</translation>
    </message>
    <message>
        <source>A shared round can&apos;t be paused: it goes on for everyone.</source>
        <translation>Une partie commune ne peut pas être mise en pause : elle continue pour tout le monde.</translation>
    </message>
    <message>
        <source>No round yet to play again: Start Game starts one.</source>
        <translation>Pas encore de partie à rejouer : Démarrer en lance une.</translation>
    </message>
    <message numerus="yes">
        <source>Play again: the next %n-minute round starts when every player has finished.</source>
        <translation>
            <numerusform>Rejouer : la prochaine partie de %n minute commence quand tous les joueurs ont fini.</numerusform>
            <numerusform>Rejouer : la prochaine partie de %n minutes commence quand tous les joueurs ont fini.</numerusform>
        </translation>
    </message>
    <message>
        <source>A round is under way in the room: the next one starts when every player has finished it, or its time is up.</source>
        <translation>Une partie est en cours dans le salon : la suivante commence quand tous les joueurs l’ont finie, ou quand son temps est écoulé.</translation>
    </message>
    <message>
        <source>You joined room %1 on %2 as %3. Friends join with %4</source>
        <translation>Vous avez rejoint le salon %1 sur %2 sous le nom %3. Vos amis vous rejoignent avec %4</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s) here already.</source>
        <translation>
            <numerusform>%n joueur déjà là.</numerusform>
            <numerusform>%n joueurs déjà là.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Shared words, which score nothing in the room score: %1; and %n more.</source>
        <translation>
            <numerusform>Mots partagés, qui ne rapportent rien au score du salon : %1 ; et %n autre.</numerusform>
            <numerusform>Mots partagés, qui ne rapportent rien au score du salon : %1 ; et %n autres.</numerusform>
        </translation>
    </message>
    <message>
        <source>These standings leave out your words: the message was forged or broken on the way.</source>
        <translation>Ce classement omet vos mots : le message a été falsifié ou abîmé en route.</translation>
    </message>
    <message numerus="yes">
        <source>...and %n more.</source>
        <translation>
            <numerusform>...et %n autre.</numerusform>
            <numerusform>...et %n autres.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RoomAddress</name>
    <message>
        <source>only mqtt:// and mqtts:// addresses are understood</source>
        <translation>seules les adresses mqtt:// et mqtts:// sont comprises</translation>
    </message>
    <message>
        <source>the room is missing: write the server, then / and the room</source>
        <translation>le salon manque : écrivez le serveur, puis / et le salon</translation>
    </message>
    <message>
        <source>a room&apos;s name is 1 to 40 letters, digits, - _ or .</source>
        <translation>un nom de salon compte 1 à 40 lettres, chiffres, - _ ou .</translation>
    </message>
    <message>
        <source>the password after the colon is at most 256 characters, none of them a control</source>
        <translation>le mot de passe après les deux-points compte au plus 256 caractères, aucun de contrôle</translation>
    </message>
    <message>
        <source>the user name before @ is 1 to 64 printable characters, no spaces</source>
        <translation>le nom d’utilisateur avant @ compte 1 à 64 caractères imprimables, sans espace</translation>
    </message>
    <message>
        <source>an IPv6 address is written in brackets: [::1]</source>
        <translation>une adresse IPv6 s’écrit entre crochets : [::1]</translation>
    </message>
    <message>
        <source>that is not an IPv6 address</source>
        <translation>ce n’est pas une adresse IPv6</translation>
    </message>
    <message>
        <source>a port follows the address after a colon</source>
        <translation>un port suit l’adresse après deux-points</translation>
    </message>
    <message>
        <source>the port is missing after the colon</source>
        <translation>le port manque après les deux-points</translation>
    </message>
    <message>
        <source>the server&apos;s name is missing</source>
        <translation>le nom du serveur manque</translation>
    </message>
    <message>
        <source>a server&apos;s name is made of letters, digits, - and .</source>
        <translation>un nom de serveur se compose de lettres, chiffres, - et .</translation>
    </message>
    <message>
        <source>the port is a number from 1 to 65535</source>
        <translation>le port est un nombre de 1 à 65535</translation>
    </message>
    <message>
        <source>the address names room %1 but Room says %2: empty the Room box, or make them agree</source>
        <translation>l’adresse nomme le salon %1 mais Salon indique %2 : videz la case Salon, ou mettez-les d’accord</translation>
    </message>
    <message>
        <source>the room is missing: type it into Room, or paste the whole address into Server</source>
        <translation>le salon manque : tapez-le dans Salon, ou collez l’adresse entière dans Serveur</translation>
    </message>
</context>
<context>
    <name>allwordsfrm</name>
    <message>
        <source>All Words</source>
        <translation>Tous les mots</translation>
    </message>
    <message>
        <source>All Words (yours in green):</source>
        <translation>Tous les mots (les vôtres en vert) :</translation>
    </message>
    <message>
        <source>Pick a word, with the mouse or the arrow keys, for its path and meaning</source>
        <translation>Choisissez un mot, à la souris ou aux flèches, pour voir son chemin et son sens</translation>
    </message>
    <message>
        <source>All words on the board</source>
        <translation>Tous les mots de la grille</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Chemin :</translation>
    </message>
    <message>
        <source>Click a word to see its path on the board.</source>
        <translation>Cliquez sur un mot pour voir son chemin sur la grille.</translation>
    </message>
    <message>
        <source>Meaning:</source>
        <translation>Sens :</translation>
    </message>
    <message>
        <source>What the word picked means, from WordNet</source>
        <translation>Le sens du mot choisi, selon WordNet</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Sens</translation>
    </message>
    <message>
        <source>Click a word to see what it means.</source>
        <translation>Cliquez sur un mot pour voir ce qu’il veut dire.</translation>
    </message>
    <message>
        <source>A friend who types this code after Ctrl+O plays the same board</source>
        <translation>Un ami qui tape ce code après Ctrl+O joue la même grille</translation>
    </message>
    <message>
        <source>Copy the challenge code</source>
        <translation>Copier le code de défi</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Your scores over time for this game time (Ctrl+G)</source>
        <translation>Vos scores au fil du temps pour cette durée (Ctrl+G)</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progrès</translation>
    </message>
</context>
<context>
    <name>helpfrm</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Words found of the board&apos;s:</source>
        <translation>Mots trouvés parmi ceux de la grille :</translation>
    </message>
    <message>
        <source>For each length: the words you found of those the board holds (F9 says them)</source>
        <translation>Pour chaque longueur : les mots trouvés parmi ceux de la grille (F9 les annonce)</translation>
    </message>
    <message>
        <source>Words found by length</source>
        <translation>Mots trouvés par longueur</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Lettres</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Courants</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>Light the first two letters of a common word you have not found (F10)</source>
        <translation>Allumer les deux premières lettres d’un mot courant pas encore trouvé (F10)</translation>
    </message>
    <message>
        <source>Show a start</source>
        <translation>Voir un début</translation>
    </message>
    <message>
        <source>Rounds you start in a room let their players take hints; each hint costs only its taker</source>
        <translation>Les parties que vous lancez dans un salon permettent à leurs joueurs de prendre des indices ; chaque indice ne coûte qu’à celui qui le prend</translation>
    </message>
    <message>
        <source>Hints in room rounds I start</source>
        <translation>Indices dans mes parties de salon</translation>
    </message>
</context>
<context>
    <name>howtoplayfrm</name>
    <message>
        <source>How to Play</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>Arrow keys read on; Escape closes the window</source>
        <translation>Les flèches font défiler ; Échap ferme la fenêtre</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Comment jouer</translation>
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
        <translation>**Une partie.** Choisissez une durée de 1 à 10 minutes à côté de *Durée*, puis appuyez sur *Démarrer*. Formez des mots en appuyant sur des lettres qui touchent la précédente (en ligne, en colonne ou en diagonale ; chaque lettre une fois par mot) ou en les tapant. *Ajouter* vérifie le mot : un mot de trois lettres ou plus présent dans la liste rapporte un point par lettre. *Annuler* abandonne le mot. Quand le temps est écoulé, ou si vous appuyez sur *Arrêter*, cliquez sur votre score pour voir les résultats.

**Touches**

- F2 : Démarrer
- une lettre : l’ajoute au mot
- Retour arrière : retire la dernière lettre
- Entrée : Ajouter
- Échap : Annuler
- F3 : Arrêter
- F4 : les résultats, une fois le score affiché
- F6 ou Pause : met la partie en pause ; les lettres se cachent et l’horloge s’arrête jusqu’à ce que vous appuyiez de nouveau sur la touche ou cliquiez sur la grille
- F7 : coupe ou rétablit les annonces parlées pour les lecteurs d’écran
- Ctrl+H : l’Aide, à côté de la grille ; une seconde fois, pour y aller
- F9 : lit les chiffres de l’Aide à un lecteur d’écran
- F10 : Voir un début (un indice)
- F1 : cette fenêtre
- Ctrl+L : la langue des grilles et des mots, entre deux parties

Dans les résultats, Ctrl+P imprime et F5 ouvre Tous les mots ; là, Ctrl+G, ou Tab jusqu’à *Progrès* puis Entrée, ouvre Progrès.

**Tous les mots** liste chaque mot que contenait la grille, les plus longs d’abord, les vôtres en vert (« trouvé par vous » pour un lecteur d’écran), avec votre part des points possibles et votre record pour la durée. Choisissez un mot pour voir son chemin sur la grille et son sens.

**L’Aide** compte, pour chaque longueur, les mots trouvés parmi ceux de la grille, courants et en tout. *Voir un début* allume les deux premières lettres d’un mot courant pas encore trouvé avec le trait rouge, jusqu’à votre prochaine lettre appuyée ou tapée ; ce mot ne rapporte alors rien, les résultats le marquent comme indice et la partie n’établit aucun record.

**Progrès** trace vos scores dans les parties d’une même durée, le meilleur en rouge, et liste les parties sous le graphique : partie, date et score.

**Langues.** Outre l’anglais, grilles et mots peuvent être en catalan, danois, néerlandais, français, allemand, italien, norvégien, polonais, portugais, espagnol ou suédois, une fois la liste de mots de la langue installée : la fenêtre *Langue* indique le paquet qui l’apporte. La grille a alors les lettres propres à la langue (Ä, Ñ, Å…), que vous tapez telles quelles ; les autres accents se ramènent à leur lettre (tapez é pour E). Les définitions restent en anglais.

Un lecteur d’écran entend la partie : son début (et sa langue, si ce n’est pas l’anglais), chaque mot ajouté, les dernières secondes et votre score ; F9 et F10 disent les chiffres de l’Aide et un début.</translation>
    </message>
</context>
<context>
    <name>languagefrm</name>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Boards and words in:</source>
        <translation>Grilles et mots en :</translation>
    </message>
    <message>
        <source>Pick a language with the mouse or the arrow keys; Return or a double-click plays it</source>
        <translation>Choisissez une langue à la souris ou aux flèches ; Entrée ou un double-clic la joue</translation>
    </message>
    <message>
        <source>Board languages</source>
        <translation>Langues des grilles</translation>
    </message>
    <message>
        <source>Play boards and words in this language from the next round on (Return)</source>
        <translation>Jouer grilles et mots dans cette langue dès la prochaine partie (Entrée)</translation>
    </message>
    <message>
        <source>Play it</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Copy the line that installs its word list</source>
        <translation>Copier la ligne qui installe sa liste de mots</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
</context>
<context>
    <name>loadingfrm</name>
    <message>
        <source>Loading</source>
        <translation>Chargement</translation>
    </message>
    <message>
        <source>A word game by the Go LEXORB developers</source>
        <translation>Un jeu de mots des développeurs de Go LEXORB</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Chargement...</translation>
    </message>
</context>
<context>
    <name>mainfrm</name>
    <message>
        <source>A round needs a length: pick its minutes here (arrow keys)</source>
        <translation>Une partie a besoin d’une durée : choisissez ses minutes ici (flèches)</translation>
    </message>
    <message>
        <source>Game time in minutes</source>
        <translation>Durée de la partie en minutes</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Message de discussion</translation>
    </message>
    <message>
        <source>Your words</source>
        <translation>Vos mots</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Discussion</translation>
    </message>
    <message>
        <source>Search the word list</source>
        <translation>Chercher dans la liste de mots</translation>
    </message>
    <message>
        <source>End the round now (F3)</source>
        <translation>Finir la partie maintenant (F3)</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Show the results (F4)</source>
        <translation>Afficher les résultats (F4)</translation>
    </message>
    <message>
        <source>Your Score:</source>
        <translation>Votre score :</translation>
    </message>
    <message>
        <source>Make the window taller, with the chat area</source>
        <translation>Agrandir la fenêtre, avec la zone de discussion</translation>
    </message>
    <message>
        <source>multiplayer</source>
        <translation>multijoueur</translation>
    </message>
    <message>
        <source>Make the window its normal height</source>
        <translation>Remettre la fenêtre à sa hauteur normale</translation>
    </message>
    <message>
        <source>1 player</source>
        <translation>1 joueur</translation>
    </message>
    <message>
        <source>Start a round (F2)</source>
        <translation>Lancer une partie (F2)</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Seconds Left</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Game Time:</source>
        <translation>Durée :</translation>
    </message>
    <message>
        <source>Your Word Here</source>
        <translation>Votre mot ici</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Add the word (Return)</source>
        <translation>Ajouter le mot (Entrée)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Drop the word (Escape)</source>
        <translation>Abandonner le mot (Échap)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Calculating Score...</source>
        <translation>Calcul du score...</translation>
    </message>
    <message>
        <source>Your Score: %1</source>
        <translation>Votre score : %1</translation>
    </message>
    <message>
        <source>The embedded word list could not be read: %1</source>
        <translation>La liste de mots intégrée n’a pas pu être lue : %1</translation>
    </message>
    <message>
        <source>The word list could not be written to a temporary file: %1</source>
        <translation>La liste de mots n’a pas pu être écrite dans un fichier temporaire : %1</translation>
    </message>
    <message>
        <source>Loaded 1/2</source>
        <translation>Chargé 1/2</translation>
    </message>
    <message>
        <source>The word list could not be loaded: %1</source>
        <translation>La liste de mots n’a pas pu être chargée : %1</translation>
    </message>
    <message>
        <source>You have already entered that word!</source>
        <translation>Vous avez déjà saisi ce mot !</translation>
    </message>
    <message>
        <source>Words must be bigger than 2 letters!</source>
        <translation>Les mots doivent avoir plus de 2 lettres !</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, ligne %2, colonne %3</translation>
    </message>
    <message numerus="yes">
        <source>You host this room: closing the game ends it, and leaves %n player(s) without a room. Close anyway?</source>
        <translation>
            <numerusform>Vous hébergez ce salon : fermer le jeu le termine, et laisse %n joueur sans salon. Fermer quand même ?</numerusform>
            <numerusform>Vous hébergez ce salon : fermer le jeu le termine, et laisse %n joueurs sans salon. Fermer quand même ?</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1: %2.</source>
        <translation>Rangée %1 : %2.</translation>
    </message>
    <message>
        <source>No board: a round is not under way.</source>
        <translation>Pas de grille : aucune partie n’est en cours.</translation>
    </message>
</context>
<context>
    <name>playtogetherfrm</name>
    <message>
        <source>Play Together</source>
        <translation>Jouer ensemble</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Serveur :</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serveur</translation>
    </message>
    <message>
        <source>Room:</source>
        <translation>Salon :</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Salon</translation>
    </message>
    <message>
        <source>family</source>
        <translation>famille</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Votre nom :</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Password, if the server asks for one:</source>
        <translation>Mot de passe, si le serveur le demande :</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Join the room (Return)</source>
        <translation>Rejoindre le salon (Entrée)</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Rejoindre</translation>
    </message>
    <message>
        <source>Leave the room and play alone</source>
        <translation>Quitter le salon et jouer seul</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Run a server on this computer for friends on your network</source>
        <translation>Lancer un serveur sur cet ordinateur pour les amis de votre réseau</translation>
    </message>
    <message>
        <source>Host on this computer</source>
        <translation>Héberger sur cet ordinateur</translation>
    </message>
    <message>
        <source>Hosting</source>
        <translation>Hébergement</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Who is here:</source>
        <translation>Qui est là :</translation>
    </message>
    <message>
        <source>Who is here</source>
        <translation>Qui est là</translation>
    </message>
    <message>
        <source>Friends join with:</source>
        <translation>Vos amis rejoignent avec :</translation>
    </message>
    <message>
        <source>Address to give friends</source>
        <translation>Adresse à donner à vos amis</translation>
    </message>
    <message>
        <source>Copy the address to the clipboard</source>
        <translation>Copier l’adresse dans le presse-papiers</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>A round of the same length, started when every player has finished</source>
        <translation>Une partie de même durée, lancée quand tous les joueurs ont fini</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Rejouer</translation>
    </message>
</context>
<context>
    <name>progressfrm</name>
    <message>
        <source>Progress</source>
        <translation>Progrès</translation>
    </message>
    <message>
        <source>Your score in each round, your best in red</source>
        <translation>Votre score à chaque partie, le meilleur en rouge</translation>
    </message>
    <message>
        <source>Scores chart</source>
        <translation>Graphique des scores</translation>
    </message>
    <message>
        <source>The table below holds the same rounds</source>
        <translation>Le tableau ci-dessous reprend les mêmes parties</translation>
    </message>
    <message>
        <source>Each round of this game time: its number, date and score</source>
        <translation>Chaque partie de cette durée : son numéro, sa date et son score</translation>
    </message>
    <message>
        <source>Your rounds</source>
        <translation>Vos parties</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
</context>
<context>
    <name>resultsfrm</name>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Awards</source>
        <translation>Trophées</translation>
    </message>
    <message>
        <source>Rejected words</source>
        <translation>Mots refusés</translation>
    </message>
    <message>
        <source>Accepted words</source>
        <translation>Mots acceptés</translation>
    </message>
    <message>
        <source>Print the results (Ctrl+P)</source>
        <translation>Imprimer les résultats (Ctrl+P)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Puzzle:</source>
        <translation>Grille :</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Score :</translation>
    </message>
    <message>
        <source>Awards:</source>
        <translation>Prix :</translation>
    </message>
    <message>
        <source>Longest Word:</source>
        <translation>Plus long mot :</translation>
    </message>
    <message>
        <source>Letter Most Used:</source>
        <translation>Lettre favorite :</translation>
    </message>
    <message>
        <source>Rejected Words:</source>
        <translation>Mots refusés :</translation>
    </message>
    <message>
        <source>Accepted Words:</source>
        <translation>Mots acceptés :</translation>
    </message>
    <message>
        <source> (hinted)</source>
        <translation> (indice)</translation>
    </message>
    <message>
        <source>The results below are to show how well you did Go LEXORB</source>
        <translation>Les résultats ci-dessous montrent comment vous avez joué à Go LEXORB</translation>
    </message>
    <message>
        <source>Every word this board held (F5)</source>
        <translation>Tous les mots de cette grille (F5)</translation>
    </message>
    <message>
        <source>No printer is available, so the results were not printed.</source>
        <translation>Aucune imprimante n’est disponible, les résultats n’ont donc pas été imprimés.</translation>
    </message>
    <message>
        <source>Go LEXORB results</source>
        <translation>Résultats de Go LEXORB</translation>
    </message>
    <message>
        <source>The results could not be printed on %1.</source>
        <translation>Les résultats n’ont pas pu être imprimés sur %1.</translation>
    </message>
</context>
</TS>
