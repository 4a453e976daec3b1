<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AllWords</name>
    <message>
        <source>You found %1 of %2 points</source>
        <translation>Du hast %1 von %2 Punkten gefunden</translation>
    </message>
    <message>
        <source>Common words: %1 of %2 points</source>
        <translation>Häufige Wörter: %1 von %2 Punkten</translation>
    </message>
    <message>
        <source>A rare word: not in a medium-sized English dictionary.</source>
        <translation>Ein seltenes Wort: Es steht in keinem mittelgroßen englischen Wörterbuch.</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>sie kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>it is not a library</source>
        <translation>sie ist keine Bibliothek</translation>
    </message>
    <message>
        <source>it is not a library for this computer</source>
        <translation>sie ist keine Bibliothek für diesen Rechner</translation>
    </message>
    <message>
        <source>it is cut short: %1 bytes</source>
        <translation>sie ist abgeschnitten: %1 Bytes</translation>
    </message>
    <message>
        <source>the module %1 is damaged (%2)</source>
        <translation>das Modul %1 ist beschädigt (%2)</translation>
    </message>
    <message>
        <source>the module %1 lacks its entry point golexorb_progress_window</source>
        <translation>dem Modul %1 fehlt sein Einsprungpunkt golexorb_progress_window</translation>
    </message>
    <message>
        <source>golexorb-progress.so is not installed</source>
        <translation>golexorb-progress.so ist nicht installiert</translation>
    </message>
    <message>
        <source>Only words of letters a to z can be looked up.</source>
        <translation>Nachschlagen lassen sich nur Wörter aus den Buchstaben a bis z.</translation>
    </message>
    <message>
        <source>Definitions need WordNet, which is not installed. Install it with
    sudo apt install %1
and start the game again.</source>
        <translation>Für Bedeutungen braucht es WordNet, und das ist nicht installiert. Installiere es mit
    sudo apt install %1
und starte das Spiel neu.</translation>
    </message>
    <message>
        <source>The WordNet library could not be loaded: %1. Install it again with
    sudo apt install --reinstall %2
and start the game again.</source>
        <translation>Die WordNet-Bibliothek ließ sich nicht laden: %1. Installiere sie neu mit
    sudo apt install --reinstall %2
und starte das Spiel neu.</translation>
    </message>
    <message>
        <source>The WordNet database could not be read: %1.</source>
        <translation>Die WordNet-Datenbank ließ sich nicht lesen: %1.</translation>
    </message>
    <message>
        <source>No definition of &quot;%1&quot; in WordNet.</source>
        <translation>WordNet kennt keine Bedeutung von „%1“.</translation>
    </message>
    <message>
        <source> (hinted)</source>
        <translation> (Tipp)</translation>
    </message>
    <message>
        <source>, found by you</source>
        <translation>, von dir gefunden</translation>
    </message>
    <message>
        <source>, rare</source>
        <translation>, selten</translation>
    </message>
    <message>
        <source>Code: %1</source>
        <translation>Code: %1</translation>
    </message>
    <message>
        <source>The progress chart cannot be shown: %1.</source>
        <translation>Der Verlauf kann nicht gezeigt werden: %1.</translation>
    </message>
    <message>
        <source> It needs Qt Charts (sudo apt install libqt6charts6).</source>
        <translation> Dafür braucht es Qt Charts (sudo apt install libqt6charts6).</translation>
    </message>
    <message>
        <source>Rare words</source>
        <translation>Seltene Wörter</translation>
    </message>
    <message>
        <source>All words in one list: no word frequencies</source>
        <translation>Alle Wörter in einer Liste: keine Worthäufigkeiten</translation>
    </message>
    <message>
        <source>Meanings come from WordNet, in English only: there are none for %1 words.</source>
        <translation>Bedeutungen kommen aus WordNet, nur auf Englisch: Für Wörter auf %1 gibt es keine.</translation>
    </message>
</context>
<context>
    <name>Announcer</name>
    <message>
        <source>Announcements on</source>
        <translation>Ansagen an</translation>
    </message>
    <message>
        <source>Announcements off</source>
        <translation>Ansagen aus</translation>
    </message>
    <message>
        <source>Round paused</source>
        <translation>Runde angehalten</translation>
    </message>
    <message>
        <source>Round resumed</source>
        <translation>Runde geht weiter</translation>
    </message>
    <message>
        <source>Round started with no game time</source>
        <translation>Runde ohne Spielzeit gestartet</translation>
    </message>
    <message>
        <source>%1-minute round started</source>
        <translation>%1-Minuten-Runde gestartet</translation>
    </message>
    <message>
        <source>%1, %2 points</source>
        <translation>%1, %2 Punkte</translation>
    </message>
    <message>
        <source>%1, not a word</source>
        <translation>%1, kein Wort</translation>
    </message>
    <message>
        <source>%1, hinted: no points</source>
        <translation>%1, als Tipp: keine Punkte</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) left</source>
        <translation>
            <numerusform>noch %n Sekunde</numerusform>
            <numerusform>noch %n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>Round over. Your score: %1</source>
        <translation>Runde vorbei. Deine Punkte: %1</translation>
    </message>
    <message>
        <source>Round started with no game time, in %1</source>
        <translation>Runde ohne Spielzeit gestartet, auf %1</translation>
    </message>
    <message>
        <source>%1-minute round started, in %2</source>
        <translation>%1-Minuten-Runde gestartet, auf %2</translation>
    </message>
</context>
<context>
    <name>Awards</name>
    <message>
        <source>Found a with 7 letters or more!</source>
        <translation>Ein Wort mit 7 Buchstaben oder mehr!</translation>
    </message>
    <message>
        <source>Found a word 5 letters or more!</source>
        <translation>Ein Wort mit 5 Buchstaben oder mehr!</translation>
    </message>
    <message>
        <source>Used a Q!</source>
        <translation>Ein Q benutzt!</translation>
    </message>
    <message>
        <source>Used a Z!</source>
        <translation>Ein Z benutzt!</translation>
    </message>
    <message>
        <source>Massive score over 50!</source>
        <translation>Gewaltig: über 50 Punkte!</translation>
    </message>
    <message>
        <source>Nice scored over 40!</source>
        <translation>Schön: über 40 Punkte!</translation>
    </message>
    <message>
        <source>scored over 30!</source>
        <translation>über 30 Punkte!</translation>
    </message>
</context>
<context>
    <name>Challenge</name>
    <message>
        <source>A challenge code is 17 letters and digits, like ABCD-EFGH-JKMN-PQRS-T.</source>
        <translation>Ein Herausforderungscode hat 17 Buchstaben und Ziffern, etwa ABCD-EFGH-JKMN-PQRS-T.</translation>
    </message>
    <message>
        <source>That challenge code has a mistake in it: check it against the one you were given.</source>
        <translation>In diesem Code steckt ein Fehler: Vergleiche ihn mit dem, den du bekommen hast.</translation>
    </message>
    <message>
        <source>That challenge code holds no round of 1 to 10 minutes.</source>
        <translation>Dieser Code enthält keine Runde von 1 bis 10 Minuten.</translation>
    </message>
    <message>
        <source>A challenge code of a board in another language than English is 19 letters and digits, like ABCD-EFGH-JKMN-PQRS-TUV.</source>
        <translation>Der Code eines Felds in einer anderen Sprache als Englisch hat 19 Buchstaben und Ziffern, etwa ABCD-EFGH-JKMN-PQRS-TUV.</translation>
    </message>
    <message>
        <source>That challenge code names a language this version of the game does not know.</source>
        <translation>Dieser Code nennt eine Sprache, die diese Version des Spiels nicht kennt.</translation>
    </message>
    <message>
        <source>That challenge code holds no board of its language.</source>
        <translation>Dieser Code enthält kein Feld seiner Sprache.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Go LEXORB: spell words on a board of letters against the clock.</source>
        <translation>Go LEXORB: Wörter auf einem Buchstabenfeld legen, gegen die Uhr.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>Join a room: [mqtt[s]://][USER@]HOST[:PORT]/ROOM, with --name.</source>
        <translation>Einem Raum beitreten: [mqtt[s]://][BENUTZER@]HOST[:PORT]/RAUM, mit --name.</translation>
    </message>
    <message>
        <source>address</source>
        <translation>adresse</translation>
    </message>
    <message>
        <source>Your name in the room (1 to 20 characters).</source>
        <translation>Dein Name im Raum (1 bis 20 Zeichen).</translation>
    </message>
    <message>
        <source>name</source>
        <translation>name</translation>
    </message>
    <message>
        <source>Open the Play Together window.</source>
        <translation>Das Fenster „Zusammen spielen“ öffnen.</translation>
    </message>
    <message>
        <source>Play the board of a challenge code a friend gave you.</source>
        <translation>Das Feld eines Herausforderungscodes spielen, den dir jemand gegeben hat.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>code</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
Mehr dazu mit „%1 --help“.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>--join and --name go together.</source>
        <translation>--join und --name gehören zusammen.</translation>
    </message>
    <message>
        <source>--join %1: %2.</source>
        <translation>--join %1: %2.</translation>
    </message>
    <message>
        <source>--name: a name is 1 to 20 characters, no / + or #, no space at either end.</source>
        <translation>--name: Ein Name hat 1 bis 20 Zeichen, kein / + oder #, kein Leerzeichen am Anfang oder Ende.</translation>
    </message>
    <message>
        <source>--ui-language: no windows in &apos;%1&apos;; there are: %2.</source>
        <translation>--ui-language: keine Fenster auf „%1“; vorhanden sind: %2.</translation>
    </message>
    <message>
        <source>no display to open the window on (%1 and %2 are not set); without a screen, run it under xvfb-run</source>
        <translation>kein Bildschirm für das Fenster (%1 und %2 sind nicht gesetzt); ohne Bildschirm starte es unter xvfb-run</translation>
    </message>
    <message>
        <source>no display to open the window on (%1 is not set); without a screen, run it under xvfb-run</source>
        <translation>kein Bildschirm für das Fenster (%1 ist nicht gesetzt); ohne Bildschirm starte es unter xvfb-run</translation>
    </message>
    <message>
        <source>The language of the windows (%1); otherwise the system&apos;s.</source>
        <translation>Die Sprache der Fenster (%1); sonst die des Systems.</translation>
    </message>
    <message>
        <source>Play boards and words in this language for this run: %1.</source>
        <translation>Felder und Wörter in dieser Sprache spielen, für diesen Start: %1.</translation>
    </message>
    <message>
        <source>--challenge: %1</source>
        <translation>--challenge: %1</translation>
    </message>
    <message>
        <source>--language %1: not a board language; the codes are %2.</source>
        <translation>--language %1: keine Sprache für Felder; die Codes sind %2.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>%1 at row %2, column %3</source>
        <translation>%1 in Reihe %2, Spalte %3</translation>
    </message>
    <message>
        <source>Common words: %1 of %2 found. All words: %3 of %4 found.</source>
        <translation>Häufige Wörter: %1 von %2 gefunden. Alle Wörter: %3 von %4 gefunden.</translation>
    </message>
    <message>
        <source>%1 letters: %2 of %3 common, %4 of %5 in all.</source>
        <translation>%1 Buchstaben: %2 von %3 häufigen, %4 von %5 insgesamt.</translation>
    </message>
    <message>
        <source>A start: %1, then %2.</source>
        <translation>Ein Anfang: %1, dann %2.</translation>
    </message>
    <message>
        <source>Hints are given during a round.</source>
        <translation>Tipps gibt es während einer Runde.</translation>
    </message>
    <message>
        <source>The round is paused.</source>
        <translation>Die Runde ist angehalten.</translation>
    </message>
    <message>
        <source>This round allows no hints.</source>
        <translation>In dieser Runde gibt es keine Tipps.</translation>
    </message>
    <message>
        <source>You have found every common word.</source>
        <translation>Du hast alle häufigen Wörter gefunden.</translation>
    </message>
    <message>
        <source>No round yet: the counts show once a round starts.</source>
        <translation>Noch keine Runde: Die Zahlen erscheinen, sobald eine Runde beginnt.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>This round&apos;s board: the words you found of those it holds.</source>
        <translation>Das Feld dieser Runde: deine gefundenen Wörter von allen darauf.</translation>
    </message>
    <message>
        <source>The round is over: its board&apos;s words, as All Words counts them.</source>
        <translation>Die Runde ist vorbei: die Wörter ihres Felds, gezählt wie in „Alle Wörter“.</translation>
    </message>
    <message>
        <source>In all</source>
        <translation>Insgesamt</translation>
    </message>
    <message>
        <source>Lights the first two letters of a common word you have not found. That word then scores nothing, and the round sets no record.</source>
        <translation>Zeigt die ersten zwei Buchstaben eines häufigen Worts, das du noch nicht gefunden hast. Das Wort zählt dann keine Punkte, und die Runde stellt keinen Rekord auf.</translation>
    </message>
</context>
<context>
    <name>Languages</name>
    <message>
        <source>tiles A to Z</source>
        <translation>Steine A bis Z</translation>
    </message>
    <message>
        <source>tiles A to Z, %1</source>
        <translation>Steine A bis Z, %1</translation>
    </message>
    <message>
        <source>, not installed</source>
        <translation>, nicht installiert</translation>
    </message>
    <message>
        <source>, playing now</source>
        <translation>, wird gerade gespielt</translation>
    </message>
    <message>
        <source>Boards are in %1 now.</source>
        <translation>Die Felder sind jetzt auf %1.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>The game&apos;s own word list.</source>
        <translation>Die eigene Wortliste des Spiels.</translation>
    </message>
    <message>
        <source>Words from %1 (%2).</source>
        <translation>Wörter aus %1 (%2).</translation>
    </message>
    <message>
        <source>No block list: its words are all there.</source>
        <translation>Keine Sperrliste: Alle ihre Wörter sind dabei.</translation>
    </message>
    <message>
        <source>Not installed. Its words come with %1:
%2</source>
        <translation>Nicht installiert. Ihre Wörter kommen mit %1:
%2</translation>
    </message>
    <message>
        <source>%1 needs its word list, which is not installed:
%2</source>
        <translation>%1 braucht seine Wortliste, und die ist nicht installiert:
%2</translation>
    </message>
    <message>
        <source>The words of %1 could not be read: %2</source>
        <translation>Die Wörter von %1 ließen sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>That challenge is in %1, whose word list is not installed:
%2</source>
        <translation>Diese Herausforderung ist auf %1, und dessen Wortliste ist nicht installiert:
%2</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>Katalanisch</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Dänisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Niederländisch</translation>
    </message>
    <message>
        <source>Norwegian Bokmål</source>
        <translation>Norwegisch (Bokmål)</translation>
    </message>
    <message>
        <source>Norwegian Nynorsk</source>
        <translation>Norwegisch (Nynorsk)</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polnisch</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugiesisch</translation>
    </message>
    <message>
        <source>Brazilian Portuguese</source>
        <translation>brasilianisches Portugiesisch</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Schwedisch</translation>
    </message>
    <message>
        <source>The smallest list, about 106,000 words: rarer verb forms are missing.</source>
        <translation>Die kleinste Liste, etwa 106.000 Wörter: Seltenere Verbformen fehlen.</translation>
    </message>
    <message>
        <source>About 113,000 words: compounds beyond the common ones are missing.</source>
        <translation>Etwa 113.000 Wörter: Zusammensetzungen jenseits der gängigen fehlen.</translation>
    </message>
</context>
<context>
    <name>PlayTogether</name>
    <message>
        <source>No free port from %1 to %2.</source>
        <translation>Kein freier Port von %1 bis %2.</translation>
    </message>
    <message>
        <source>As root, the broker runs as the user mosquitto or nobody, and this computer has neither.</source>
        <translation>Als root läuft der Broker als Benutzer mosquitto oder nobody, und dieser Rechner hat keinen von beiden.</translation>
    </message>
    <message>
        <source>The broker&apos;s settings cannot be made: %1</source>
        <translation>Die Einstellungen des Brokers lassen sich nicht anlegen: %1</translation>
    </message>
    <message>
        <source>%1 cannot be started: %2</source>
        <translation>%1 lässt sich nicht starten: %2</translation>
    </message>
    <message>
        <source>The broker stopped: %1</source>
        <translation>Der Broker hat sich beendet: %1</translation>
    </message>
    <message>
        <source>The broker did not start within 5 seconds: %1</source>
        <translation>Der Broker ist nicht innerhalb von 5 Sekunden gestartet: %1</translation>
    </message>
    <message>
        <source>Play a Challenge</source>
        <translation>Herausforderung spielen</translation>
    </message>
    <message>
        <source>The challenge code a friend gave you:</source>
        <translation>Der Code, den dir jemand gegeben hat:</translation>
    </message>
    <message>
        <source>A round is under way: play the challenge when it is over.</source>
        <translation>Gerade läuft eine Runde: Spiel die Herausforderung, wenn sie vorbei ist.</translation>
    </message>
    <message>
        <source>%1 (install the libmosquitto1 package)</source>
        <translation>%1 (installiere das Paket libmosquitto1)</translation>
    </message>
    <message>
        <source>%1 lacks the functions this game uses</source>
        <translation>%1 fehlen die Funktionen, die dieses Spiel braucht</translation>
    </message>
    <message>
        <source>Not in a room: you play alone.</source>
        <translation>In keinem Raum: Du spielst allein.</translation>
    </message>
    <message>
        <source>Hosting on port %1, but this computer is on no network friends could reach.</source>
        <translation>Gastgeber auf Port %1, aber dieser Rechner ist in keinem Netz, das andere erreichen.</translation>
    </message>
    <message>
        <source>Hosting. Friends on your network join with:
%1</source>
        <translation>Du bist Gastgeber. Andere in deinem Netz treten bei mit:
%1</translation>
    </message>
    <message>
        <source>the network library could not make a client</source>
        <translation>die Netzwerkbibliothek konnte keinen Client anlegen</translation>
    </message>
    <message>
        <source>TLS cannot be set up: %1</source>
        <translation>TLS lässt sich nicht einrichten: %1</translation>
    </message>
    <message>
        <source>Hosting needs Debian&apos;s MQTT broker: install the mosquitto package (sudo apt install mosquitto).</source>
        <translation>Zum Hosten braucht es Debians MQTT-Broker: Installiere das Paket mosquitto (sudo apt install mosquitto).</translation>
    </message>
    <message>
        <source>%1 (you): playing</source>
        <translation>%1 (du): spielt</translation>
    </message>
    <message>
        <source>%1: playing</source>
        <translation>%1: spielt</translation>
    </message>
    <message>
        <source>%1 (you): finished</source>
        <translation>%1 (du): fertig</translation>
    </message>
    <message>
        <source>%1: finished</source>
        <translation>%1: fertig</translation>
    </message>
    <message>
        <source>%1 (you): watching</source>
        <translation>%1 (du): schaut zu</translation>
    </message>
    <message>
        <source>%1: watching</source>
        <translation>%1: schaut zu</translation>
    </message>
    <message>
        <source>%1 (you): playing, %2 last round</source>
        <translation>%1 (du): spielt, %2 in der letzten Runde</translation>
    </message>
    <message>
        <source>%1: playing, %2 last round</source>
        <translation>%1: spielt, %2 in der letzten Runde</translation>
    </message>
    <message>
        <source>%1 (you): finished, %2 last round</source>
        <translation>%1 (du): fertig, %2 in der letzten Runde</translation>
    </message>
    <message>
        <source>%1: finished, %2 last round</source>
        <translation>%1: fertig, %2 in der letzten Runde</translation>
    </message>
    <message>
        <source>%1 (you): watching, %2 last round</source>
        <translation>%1 (du): schaut zu, %2 in der letzten Runde</translation>
    </message>
    <message>
        <source>%1: watching, %2 last round</source>
        <translation>%1: schaut zu, %2 in der letzten Runde</translation>
    </message>
    <message>
        <source>Play again (waiting)</source>
        <translation>Nochmal (wartet)</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Nochmal spielen</translation>
    </message>
    <message>
        <source>The address is on the clipboard: give it to your friends.</source>
        <translation>Die Adresse ist in der Zwischenablage: Gib sie deinen Freunden.</translation>
    </message>
    <message>
        <source>Hosting on port %1. Type a room&apos;s name to see the address to give friends.</source>
        <translation>Gastgeber auf Port %1. Gib den Namen eines Raums ein, um die Adresse für deine Freunde zu sehen.</translation>
    </message>
    <message>
        <source>%1 (install the libsodium23 package)</source>
        <translation>%1 (installiere das Paket libsodium23)</translation>
    </message>
    <message>
        <source>%1 lacks the signing functions</source>
        <translation>%1 fehlen die Funktionen zum Signieren</translation>
    </message>
    <message>
        <source>%1 could not start</source>
        <translation>%1 konnte nicht starten</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>, best</source>
        <translation>, beste</translation>
    </message>
    <message>
        <source>, with hints</source>
        <translation>, mit Tipps</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Bestwert</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Runde</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>Your scores in rounds of %1</source>
        <translation>Deine Punkte in Runden zu %1</translation>
    </message>
    <message>
        <source>No rounds of %1 recorded yet.</source>
        <translation>Noch keine Runden zu %1 aufgezeichnet.</translation>
    </message>
    <message>
        <source>Best: %1 in round %2 of %3, on %4.</source>
        <translation>Bestwert: %1 in Runde %2 von %3, am %4.</translation>
    </message>
    <message>
        <source>No best yet: every round had hints.</source>
        <translation>Noch kein Bestwert: Jede Runde hatte Tipps.</translation>
    </message>
    <message>
        <source>Last round: %1 of %2 words found, with hints.</source>
        <translation>Letzte Runde: %1 von %2 Wörtern gefunden, mit Tipps.</translation>
    </message>
    <message>
        <source>Last round: %1 of %2 words found.</source>
        <translation>Letzte Runde: %1 von %2 Wörtern gefunden.</translation>
    </message>
    <message>
        <source>Rounds without a game time are not recorded.</source>
        <translation>Runden ohne Spielzeit werden nicht aufgezeichnet.</translation>
    </message>
    <message>
        <source>Your records could not be read or saved this time.</source>
        <translation>Deine Rekorde ließen sich diesmal nicht lesen oder speichern.</translation>
    </message>
    <message>
        <source>With hints: no record. No record yet for %1.</source>
        <translation>Mit Tipps: kein Rekord. Noch kein Rekord für %1.</translation>
    </message>
    <message>
        <source>No record yet for %1.</source>
        <translation>Noch kein Rekord für %1.</translation>
    </message>
    <message>
        <source>New record for %1: %2!</source>
        <translation>Neuer Rekord für %1: %2!</translation>
    </message>
    <message>
        <source>With hints: no record. Record for %1: %2 on %3.</source>
        <translation>Mit Tipps: kein Rekord. Rekord für %1: %2 am %3.</translation>
    </message>
    <message>
        <source>Record for %1: %2 on %3.</source>
        <translation>Rekord für %1: %2 am %3.</translation>
    </message>
</context>
<context>
    <name>Room</name>
    <message>
        <source>%1-minute round</source>
        <translation>%1-Minuten-Runde</translation>
    </message>
    <message>
        <source>The room sends more than can be shown: some lines are left out.</source>
        <translation>Der Raum sendet mehr, als sich zeigen lässt: Einige Zeilen fallen weg.</translation>
    </message>
    <message>
        <source>%1 is here.</source>
        <translation>%1 ist da.</translation>
    </message>
    <message>
        <source>%1 joined the room.</source>
        <translation>%1 ist dem Raum beigetreten.</translation>
    </message>
    <message>
        <source>%1 left the room.</source>
        <translation>%1 hat den Raum verlassen.</translation>
    </message>
    <message>
        <source>Your %2 is under way (%3 left): you play the next one.</source>
        <translation>Deine %2 läuft (noch %3): Du spielst die nächste.</translation>
    </message>
    <message>
        <source>%1&apos;s %2 is under way (%3 left): you play the next one.</source>
        <translation>Die %2 von %1 läuft (noch %3): Du spielst die nächste.</translation>
    </message>
    <message>
        <source>You started a %2; yours is under way: you play the next one.</source>
        <translation>Du hast eine %2 gestartet; deine läuft noch: Du spielst die nächste.</translation>
    </message>
    <message>
        <source>%1 started a %2; yours is under way: you play the next one.</source>
        <translation>%1 hat eine %2 gestartet; deine läuft noch: Du spielst die nächste.</translation>
    </message>
    <message>
        <source>You started a %2.</source>
        <translation>Du hast eine %2 gestartet.</translation>
    </message>
    <message>
        <source>%1 started a %2.</source>
        <translation>%1 hat eine %2 gestartet.</translation>
    </message>
    <message>
        <source>You start a %1.</source>
        <translation>Du startest eine %1.</translation>
    </message>
    <message>
        <source>Standings (a word two or more found scores nothing in the room score):</source>
        <translation>Stand (ein Wort, das zwei oder mehr gefunden haben, zählt in der Raumwertung nichts):</translation>
    </message>
    <message numerus="yes">
        <source>%1. %2: score %3, room score %4, %n word(s) only %2 found</source>
        <translation>
            <numerusform>%1. %2: Punkte %3, Raumwertung %4, %n Wort, das nur %2 fand</numerusform>
            <numerusform>%1. %2: Punkte %3, Raumwertung %4, %n Wörter, die nur %2 fand</numerusform>
        </translation>
    </message>
    <message>
        <source>A name is 1 to 20 characters, no / + or #, no space at either end, nothing invisible.</source>
        <translation>Ein Name hat 1 bis 20 Zeichen, kein / + oder #, kein Leerzeichen am Anfang oder Ende, nichts Unsichtbares.</translation>
    </message>
    <message>
        <source>Rooms need the MQTT library: %1</source>
        <translation>Räume brauchen die MQTT-Bibliothek: %1</translation>
    </message>
    <message>
        <source>Joining room %1 on %2 as %3...</source>
        <translation>Trete Raum %1 auf %2 als %3 bei …</translation>
    </message>
    <message>
        <source>In room %1 on %2 as %3.</source>
        <translation>Im Raum %1 auf %2 als %3.</translation>
    </message>
    <message>
        <source>In room %1 on %2 as %3 (not connected: trying again).</source>
        <translation>Im Raum %1 auf %2 als %3 (nicht verbunden: neuer Versuch läuft).</translation>
    </message>
    <message>
        <source>Not connected: the line was not sent.</source>
        <translation>Nicht verbunden: Die Zeile wurde nicht gesendet.</translation>
    </message>
    <message>
        <source>Pick a Game Time first: a room&apos;s round lasts 1 to 10 minutes.</source>
        <translation>Wähle zuerst eine Spielzeit: Eine Runde im Raum dauert 1 bis 10 Minuten.</translation>
    </message>
    <message>
        <source>Not connected: the round cannot reach the room.</source>
        <translation>Nicht verbunden: Die Runde erreicht den Raum nicht.</translation>
    </message>
    <message>
        <source>Connected to %1 again.</source>
        <translation>Wieder mit %1 verbunden.</translation>
    </message>
    <message>
        <source>Lost the connection to %1: %2. Playing on alone; trying again.</source>
        <translation>Verbindung zu %1 verloren: %2. Du spielst allein weiter; neuer Versuch läuft.</translation>
    </message>
    <message>
        <source>Cannot reach %1: %2. Playing on alone; trying again.</source>
        <translation>%1 ist nicht erreichbar: %2. Du spielst allein weiter; neuer Versuch läuft.</translation>
    </message>
    <message>
        <source>Someone in this room already goes by %1: choose another name, then Join.</source>
        <translation>In diesem Raum heißt schon jemand %1: Wähle einen anderen Namen, dann „Beitreten“.</translation>
    </message>
    <message>
        <source>The standings of a round in %1 need its word list (%2).</source>
        <translation>Der Stand einer Runde auf %1 braucht deren Wortliste (%2).</translation>
    </message>
    <message numerus="yes">
        <source>Scored by you from %n result(s).</source>
        <translation>
            <numerusform>Von dir gewertet aus %n Ergebnis.</numerusform>
            <numerusform>Von dir gewertet aus %n Ergebnissen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Scored by %1 from %n result(s).</source>
        <translation>
            <numerusform>Von %1 gewertet aus %n Ergebnis.</numerusform>
            <numerusform>Von %1 gewertet aus %n Ergebnissen.</numerusform>
        </translation>
    </message>
    <message>
        <source>These standings are not what your words make (score %1, not %2; room score %3, not %4): the message was forged or broken on the way.</source>
        <translation>Dieser Stand passt nicht zu deinen Wörtern (Punkte %1, nicht %2; Raumwertung %3, nicht %4): Die Nachricht wurde gefälscht oder unterwegs beschädigt.</translation>
    </message>
    <message>
        <source>%1 (unverified): %2</source>
        <translation>%1 (unbestätigt): %2</translation>
    </message>
    <message>
        <source>You started a %2 in %3.</source>
        <translation>Du hast eine %2 auf %3 gestartet.</translation>
    </message>
    <message>
        <source>%1 started a %2 in %3.</source>
        <translation>%1 hat eine %2 auf %3 gestartet.</translation>
    </message>
    <message>
        <source>You start a %1 in %2.</source>
        <translation>Du startest eine %1 auf %2.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 tie for the win on %2.</source>
        <translation>%1 teilen sich den Sieg mit %2.</translation>
    </message>
    <message>
        <source>%1 wins with %2.</source>
        <translation>%1 gewinnt mit %2.</translation>
    </message>
    <message>
        <source>%1 wins with %2; %3 comes next with %4.</source>
        <translation>%1 gewinnt mit %2; danach kommt %3 mit %4.</translation>
    </message>
    <message>
        <source>%1 wins with %2; %3 tie on %4.</source>
        <translation>%1 gewinnt mit %2; %3 folgen gleichauf mit %4.</translation>
    </message>
    <message>
        <source>%1 tie for the win on %2; %3 comes next with %4.</source>
        <translation>%1 teilen sich den Sieg mit %2; danach kommt %3 mit %4.</translation>
    </message>
    <message>
        <source>%1 tie for the win on %2; %3 tie on %4.</source>
        <translation>%1 teilen sich den Sieg mit %2; %3 folgen gleichauf mit %4.</translation>
    </message>
    <message>
        <source>No word was shared.</source>
        <translation>Kein Wort wurde mehrfach gefunden.</translation>
    </message>
    <message>
        <source>Shared words, which score nothing in the room score: %1.</source>
        <translation>Gemeinsame Wörter, die in der Raumwertung nichts zählen: %1.</translation>
    </message>
    <message>
        <source>Your lines go unsigned, and others&apos; are not checked: %1.</source>
        <translation>Deine Zeilen gehen unsigniert hinaus, und die der anderen werden nicht geprüft: %1.</translation>
    </message>
    <message>
        <source>That round is in %1, whose word list is not installed here (%2): you watch this one.</source>
        <translation>Diese Runde ist auf %1, dessen Wortliste hier nicht installiert ist (%2): Diesmal schaust du zu.</translation>
    </message>
    <message>
        <source>A shared round can&apos;t be paused: it goes on for everyone.</source>
        <translation>Eine gemeinsame Runde lässt sich nicht anhalten: Sie läuft für alle weiter.</translation>
    </message>
    <message>
        <source>No round yet to play again: Start Game starts one.</source>
        <translation>Noch keine Runde zum Wiederholen: Starten beginnt eine.</translation>
    </message>
    <message numerus="yes">
        <source>Play again: the next %n-minute round starts when every player has finished.</source>
        <translation>
            <numerusform>Nochmal: Die nächste %n-Minuten-Runde beginnt, wenn alle Spieler fertig sind.</numerusform>
            <numerusform>Nochmal: Die nächste %n-Minuten-Runde beginnt, wenn alle Spieler fertig sind.</numerusform>
        </translation>
    </message>
    <message>
        <source>A round is under way in the room: the next one starts when every player has finished it, or its time is up.</source>
        <translation>Im Raum läuft eine Runde: Die nächste beginnt, wenn alle Spieler sie beendet haben oder ihre Zeit um ist.</translation>
    </message>
    <message>
        <source>You joined room %1 on %2 as %3. Friends join with %4</source>
        <translation>Du bist Raum %1 auf %2 als %3 beigetreten. Freunde kommen dazu mit %4</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s) here already.</source>
        <translation>
            <numerusform>%n Spieler ist schon da.</numerusform>
            <numerusform>%n Spieler sind schon da.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Shared words, which score nothing in the room score: %1; and %n more.</source>
        <translation>
            <numerusform>Gemeinsame Wörter, die in der Raumwertung nichts zählen: %1; und %n weiteres.</numerusform>
            <numerusform>Gemeinsame Wörter, die in der Raumwertung nichts zählen: %1; und %n weitere.</numerusform>
        </translation>
    </message>
    <message>
        <source>These standings leave out your words: the message was forged or broken on the way.</source>
        <translation>Dieser Stand lässt deine Wörter aus: Die Nachricht wurde gefälscht oder unterwegs beschädigt.</translation>
    </message>
    <message numerus="yes">
        <source>...and %n more.</source>
        <translation>
            <numerusform>...und %n weiterer.</numerusform>
            <numerusform>...und %n weitere.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RoomAddress</name>
    <message>
        <source>only mqtt:// and mqtts:// addresses are understood</source>
        <translation>nur Adressen mit mqtt:// und mqtts:// werden verstanden</translation>
    </message>
    <message>
        <source>the room is missing: write the server, then / and the room</source>
        <translation>der Raum fehlt: Schreib den Server, dann / und den Raum</translation>
    </message>
    <message>
        <source>a room&apos;s name is 1 to 40 letters, digits, - _ or .</source>
        <translation>ein Raumname hat 1 bis 40 Buchstaben, Ziffern, - _ oder .</translation>
    </message>
    <message>
        <source>the password after the colon is at most 256 characters, none of them a control</source>
        <translation>das Passwort nach dem Doppelpunkt hat höchstens 256 Zeichen, keines davon ein Steuerzeichen</translation>
    </message>
    <message>
        <source>the user name before @ is 1 to 64 printable characters, no spaces</source>
        <translation>der Benutzername vor @ hat 1 bis 64 druckbare Zeichen, keine Leerzeichen</translation>
    </message>
    <message>
        <source>an IPv6 address is written in brackets: [::1]</source>
        <translation>eine IPv6-Adresse steht in eckigen Klammern: [::1]</translation>
    </message>
    <message>
        <source>that is not an IPv6 address</source>
        <translation>das ist keine IPv6-Adresse</translation>
    </message>
    <message>
        <source>a port follows the address after a colon</source>
        <translation>ein Port folgt der Adresse nach einem Doppelpunkt</translation>
    </message>
    <message>
        <source>the port is missing after the colon</source>
        <translation>nach dem Doppelpunkt fehlt der Port</translation>
    </message>
    <message>
        <source>the server&apos;s name is missing</source>
        <translation>der Name des Servers fehlt</translation>
    </message>
    <message>
        <source>a server&apos;s name is made of letters, digits, - and .</source>
        <translation>ein Servername besteht aus Buchstaben, Ziffern, - und .</translation>
    </message>
    <message>
        <source>the port is a number from 1 to 65535</source>
        <translation>der Port ist eine Zahl von 1 bis 65535</translation>
    </message>
    <message>
        <source>the address names room %1 but Room says %2: empty the Room box, or make them agree</source>
        <translation>die Adresse nennt Raum %1, aber Raum sagt %2: Leere das Feld Raum oder gleiche beide an</translation>
    </message>
    <message>
        <source>the room is missing: type it into Room, or paste the whole address into Server</source>
        <translation>der Raum fehlt: Gib ihn bei Raum ein oder füge die ganze Adresse bei Server ein</translation>
    </message>
</context>
<context>
    <name>allwordsfrm</name>
    <message>
        <source>All Words</source>
        <translation>Alle Wörter</translation>
    </message>
    <message>
        <source>All Words (yours in green):</source>
        <translation>Alle Wörter (deine in Grün):</translation>
    </message>
    <message>
        <source>Pick a word, with the mouse or the arrow keys, for its path and meaning</source>
        <translation>Wähle ein Wort mit der Maus oder den Pfeiltasten, um seinen Weg und seine Bedeutung zu sehen</translation>
    </message>
    <message>
        <source>All words on the board</source>
        <translation>Alle Wörter auf dem Feld</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Weg:</translation>
    </message>
    <message>
        <source>Click a word to see its path on the board.</source>
        <translation>Klicke auf ein Wort, um seinen Weg auf dem Feld zu sehen.</translation>
    </message>
    <message>
        <source>Meaning:</source>
        <translation>Bedeutung:</translation>
    </message>
    <message>
        <source>What the word picked means, from WordNet</source>
        <translation>Was das gewählte Wort bedeutet, laut WordNet</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Bedeutung</translation>
    </message>
    <message>
        <source>Click a word to see what it means.</source>
        <translation>Klicke auf ein Wort, um zu sehen, was es bedeutet.</translation>
    </message>
    <message>
        <source>A friend who types this code after Ctrl+O plays the same board</source>
        <translation>Wer diesen Code nach Strg+O eintippt, spielt dasselbe Feld</translation>
    </message>
    <message>
        <source>Copy the challenge code</source>
        <translation>Den Herausforderungscode kopieren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Your scores over time for this game time (Ctrl+G)</source>
        <translation>Deine Punkte im Lauf der Zeit für diese Spielzeit (Strg+G)</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Verlauf</translation>
    </message>
</context>
<context>
    <name>helpfrm</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Words found of the board&apos;s:</source>
        <translation>Gefunden von den Wörtern des Felds:</translation>
    </message>
    <message>
        <source>For each length: the words you found of those the board holds (F9 says them)</source>
        <translation>Für jede Länge: deine gefundenen Wörter von allen auf dem Feld (F9 sagt sie an)</translation>
    </message>
    <message>
        <source>Words found by length</source>
        <translation>Gefundene Wörter nach Länge</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Häufig</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Light the first two letters of a common word you have not found (F10)</source>
        <translation>Die ersten zwei Buchstaben eines häufigen Worts zeigen, das du noch nicht gefunden hast (F10)</translation>
    </message>
    <message>
        <source>Show a start</source>
        <translation>Anfang zeigen</translation>
    </message>
    <message>
        <source>Rounds you start in a room let their players take hints; each hint costs only its taker</source>
        <translation>Runden, die du in einem Raum startest, erlauben ihren Spielern Tipps; jeder Tipp kostet nur den, der ihn nimmt</translation>
    </message>
    <message>
        <source>Hints in room rounds I start</source>
        <translation>Tipps in meinen Raumrunden</translation>
    </message>
</context>
<context>
    <name>howtoplayfrm</name>
    <message>
        <source>How to Play</source>
        <translation>Spielanleitung</translation>
    </message>
    <message>
        <source>Arrow keys read on; Escape closes the window</source>
        <translation>Pfeiltasten blättern weiter; Escape schließt das Fenster</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>So wird gespielt</translation>
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
        <translation>**Eine Runde.** Wähle neben *Spielzeit* eine Spielzeit von 1 bis 10 Minuten und drücke dann *Starten*. Lege Wörter, indem du Buchstaben drückst, die den letzten berühren (waagrecht, senkrecht oder schräg; jeder Buchstabe einmal pro Wort), oder indem du sie tippst. *Eintragen* prüft das Wort: Eines mit drei oder mehr Buchstaben, das in der Wortliste steht, bringt einen Punkt je Buchstabe. *Abbrechen* verwirft das Wort. Wenn die Uhr abläuft oder du *Beenden* drückst, klicke auf deine Punkte für die Ergebnisse.

**Tasten**

- F2: Starten
- ein Buchstabe: hängt ihn an das Wort an
- Rücktaste: nimmt den letzten Buchstaben weg
- Eingabetaste: Eintragen
- Escape: Abbrechen
- F3: Beenden
- F4: die Ergebnisse, sobald die Punkte erscheinen
- F6 oder Pause: hält die Runde an; die Buchstaben verschwinden und die Uhr steht, bis du die Taste wieder drückst oder auf das Feld klickst
- F7: schaltet die gesprochenen Ansagen für Bildschirmleser aus oder an
- Strg+H: Hilfe, neben dem Feld; noch einmal, um dorthin zu wechseln
- F9: sagt die Zahlen der Hilfe einem Bildschirmleser an
- F10: Anfang zeigen (ein Tipp)
- F1: dieses Fenster
- Strg+L: die Sprache der Bretter und Wörter, zwischen den Runden

In den Ergebnissen druckt Strg+P, und F5 öffnet „Alle Wörter“; dort öffnet Strg+G, oder Tab bis *Verlauf* und Eingabetaste, den Verlauf.

**Alle Wörter** zeigt jedes Wort, das auf dem Feld lag, die längsten zuerst, deine in Grün (für Bildschirmleser „von dir gefunden“), mit deinem Anteil an den möglichen Punkten und deinem Rekord für die Spielzeit. Wähle ein Wort, um seinen Weg auf dem Feld und seine Bedeutung zu sehen.

**Hilfe** zählt für jede Wortlänge, wie viele der Wörter auf dem Feld du gefunden hast, häufige und insgesamt. *Anfang zeigen* leuchtet die ersten zwei Buchstaben eines häufigen Worts, das du noch nicht gefunden hast, mit der roten Spurlinie auf, bis du wieder einen Buchstaben drückst oder tippst; dieses Wort zählt dann keine Punkte, die Ergebnisse markieren es als Tipp, und die Runde stellt keinen Rekord auf.

**Verlauf** zeigt deine Punkte in den Runden einer Spielzeit als Kurve, deinen Bestwert in Rot, und listet die Runden unter der Kurve auf: Runde, Datum und Punkte.

**Sprachen.** Außer auf Englisch gibt es Felder und Wörter auf Katalanisch, Dänisch, Niederländisch, Französisch, Deutsch, Italienisch, Norwegisch, Polnisch, Portugiesisch, Spanisch und Schwedisch, sobald die Wortliste der Sprache installiert ist: Das Fenster *Sprache* nennt das Paket, das sie bringt. Das Feld hat dann die eigenen Buchstaben der Sprache (Ä, Ñ, Å…), die du so tippst, wie sie sind; andere Akzente fallen auf ihren Buchstaben zurück (tippe é für E). Bedeutungen gibt es nur auf Englisch.

Ein Bildschirmleser hört die Runde mit: ihren Start (und ihre Sprache, wenn sie nicht Englisch ist), jedes eingetragene Wort, die letzten Sekunden und deine Punkte; F9 und F10 sagen die Zahlen der Hilfe und einen Anfang an.</translation>
    </message>
</context>
<context>
    <name>languagefrm</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Boards and words in:</source>
        <translation>Felder und Wörter auf:</translation>
    </message>
    <message>
        <source>Pick a language with the mouse or the arrow keys; Return or a double-click plays it</source>
        <translation>Wähle eine Sprache mit der Maus oder den Pfeiltasten; Eingabetaste oder Doppelklick spielt sie</translation>
    </message>
    <message>
        <source>Board languages</source>
        <translation>Sprachen der Felder</translation>
    </message>
    <message>
        <source>Play boards and words in this language from the next round on (Return)</source>
        <translation>Ab der nächsten Runde Felder und Wörter in dieser Sprache spielen (Eingabetaste)</translation>
    </message>
    <message>
        <source>Play it</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>Copy the line that installs its word list</source>
        <translation>Die Zeile kopieren, die ihre Wortliste installiert</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
</context>
<context>
    <name>loadingfrm</name>
    <message>
        <source>Loading</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>A word game by the Go LEXORB developers</source>
        <translation>Ein Wortspiel der Entwickler von Go LEXORB</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Lädt...</translation>
    </message>
</context>
<context>
    <name>mainfrm</name>
    <message>
        <source>A round needs a length: pick its minutes here (arrow keys)</source>
        <translation>Eine Runde braucht eine Länge: Wähle hier die Minuten (Pfeiltasten)</translation>
    </message>
    <message>
        <source>Game time in minutes</source>
        <translation>Spielzeit in Minuten</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Chatnachricht</translation>
    </message>
    <message>
        <source>Your words</source>
        <translation>Deine Wörter</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Search the word list</source>
        <translation>Die Wortliste durchsuchen</translation>
    </message>
    <message>
        <source>End the round now (F3)</source>
        <translation>Die Runde jetzt beenden (F3)</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Show the results (F4)</source>
        <translation>Die Ergebnisse zeigen (F4)</translation>
    </message>
    <message>
        <source>Your Score:</source>
        <translation>Deine Punkte:</translation>
    </message>
    <message>
        <source>Make the window taller, with the chat area</source>
        <translation>Das Fenster höher machen, mit dem Chatbereich</translation>
    </message>
    <message>
        <source>multiplayer</source>
        <translation>Mehrspieler</translation>
    </message>
    <message>
        <source>Make the window its normal height</source>
        <translation>Das Fenster auf normale Höhe bringen</translation>
    </message>
    <message>
        <source>1 player</source>
        <translation>1 Spieler</translation>
    </message>
    <message>
        <source>Start a round (F2)</source>
        <translation>Eine Runde starten (F2)</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Seconds Left</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>min</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Game Time:</source>
        <translation>Spielzeit:</translation>
    </message>
    <message>
        <source>Your Word Here</source>
        <translation>Dein Wort hier</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Add the word (Return)</source>
        <translation>Das Wort eintragen (Eingabetaste)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Eintragen</translation>
    </message>
    <message>
        <source>Drop the word (Escape)</source>
        <translation>Das Wort verwerfen (Escape)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Calculating Score...</source>
        <translation>Punkte werden gezählt...</translation>
    </message>
    <message>
        <source>Your Score: %1</source>
        <translation>Deine Punkte: %1</translation>
    </message>
    <message>
        <source>The embedded word list could not be read: %1</source>
        <translation>Die eingebaute Wortliste ließ sich nicht lesen: %1</translation>
    </message>
    <message>
        <source>The word list could not be written to a temporary file: %1</source>
        <translation>Die Wortliste ließ sich nicht in eine temporäre Datei schreiben: %1</translation>
    </message>
    <message>
        <source>Loaded 1/2</source>
        <translation>Geladen 1/2</translation>
    </message>
    <message>
        <source>The word list could not be loaded: %1</source>
        <translation>Die Wortliste ließ sich nicht laden: %1</translation>
    </message>
    <message>
        <source>You have already entered that word!</source>
        <translation>Dieses Wort hast du schon eingetragen!</translation>
    </message>
    <message>
        <source>Words must be bigger than 2 letters!</source>
        <translation>Wörter müssen mehr als 2 Buchstaben haben!</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, Reihe %2, Spalte %3</translation>
    </message>
    <message numerus="yes">
        <source>You host this room: closing the game ends it, and leaves %n player(s) without a room. Close anyway?</source>
        <translation>
            <numerusform>Du bist Gastgeber dieses Raums: Wenn du das Spiel schließt, endet er, und %n Spieler steht ohne Raum da. Trotzdem schließen?</numerusform>
            <numerusform>Du bist Gastgeber dieses Raums: Wenn du das Spiel schließt, endet er, und %n Spieler stehen ohne Raum da. Trotzdem schließen?</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1: %2.</source>
        <translation>Reihe %1: %2.</translation>
    </message>
    <message>
        <source>No board: a round is not under way.</source>
        <translation>Kein Feld: Es läuft keine Runde.</translation>
    </message>
</context>
<context>
    <name>playtogetherfrm</name>
    <message>
        <source>Play Together</source>
        <translation>Zusammen spielen</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Room:</source>
        <translation>Raum:</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Raum</translation>
    </message>
    <message>
        <source>family</source>
        <translation>familie</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Dein Name:</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Dein Name</translation>
    </message>
    <message>
        <source>Password, if the server asks for one:</source>
        <translation>Passwort, falls der Server eines verlangt:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Join the room (Return)</source>
        <translation>Dem Raum beitreten (Eingabetaste)</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Beitreten</translation>
    </message>
    <message>
        <source>Leave the room and play alone</source>
        <translation>Den Raum verlassen und allein spielen</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Verlassen</translation>
    </message>
    <message>
        <source>Run a server on this computer for friends on your network</source>
        <translation>Einen Server auf diesem Rechner für andere in deinem Netz starten</translation>
    </message>
    <message>
        <source>Host on this computer</source>
        <translation>Auf diesem Rechner hosten</translation>
    </message>
    <message>
        <source>Hosting</source>
        <translation>Hosten</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Who is here:</source>
        <translation>Wer ist da:</translation>
    </message>
    <message>
        <source>Who is here</source>
        <translation>Wer ist da</translation>
    </message>
    <message>
        <source>Friends join with:</source>
        <translation>Freunde kommen dazu mit:</translation>
    </message>
    <message>
        <source>Address to give friends</source>
        <translation>Adresse für Freunde</translation>
    </message>
    <message>
        <source>Copy the address to the clipboard</source>
        <translation>Die Adresse in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>A round of the same length, started when every player has finished</source>
        <translation>Eine Runde gleicher Länge, gestartet, wenn alle Spieler fertig sind</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Nochmal spielen</translation>
    </message>
</context>
<context>
    <name>progressfrm</name>
    <message>
        <source>Progress</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Your score in each round, your best in red</source>
        <translation>Deine Punkte in jeder Runde, dein Bestwert in Rot</translation>
    </message>
    <message>
        <source>Scores chart</source>
        <translation>Punkteverlauf</translation>
    </message>
    <message>
        <source>The table below holds the same rounds</source>
        <translation>Die Tabelle darunter enthält dieselben Runden</translation>
    </message>
    <message>
        <source>Each round of this game time: its number, date and score</source>
        <translation>Jede Runde dieser Spielzeit: Nummer, Datum und Punkte</translation>
    </message>
    <message>
        <source>Your rounds</source>
        <translation>Deine Runden</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Runde</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
</context>
<context>
    <name>resultsfrm</name>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Awards</source>
        <translation>Auszeichnungen</translation>
    </message>
    <message>
        <source>Rejected words</source>
        <translation>Abgelehnte Wörter</translation>
    </message>
    <message>
        <source>Accepted words</source>
        <translation>Angenommene Wörter</translation>
    </message>
    <message>
        <source>Print the results (Ctrl+P)</source>
        <translation>Die Ergebnisse drucken (Strg+P)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Puzzle:</source>
        <translation>Feld:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Punkte:</translation>
    </message>
    <message>
        <source>Awards:</source>
        <translation>Lob:</translation>
    </message>
    <message>
        <source>Longest Word:</source>
        <translation>Längstes Wort:</translation>
    </message>
    <message>
        <source>Letter Most Used:</source>
        <translation>Top-Buchstabe:</translation>
    </message>
    <message>
        <source>Rejected Words:</source>
        <translation>Abgelehnt:</translation>
    </message>
    <message>
        <source>Accepted Words:</source>
        <translation>Angenommen:</translation>
    </message>
    <message>
        <source> (hinted)</source>
        <translation> (Tipp)</translation>
    </message>
    <message>
        <source>The results below are to show how well you did Go LEXORB</source>
        <translation>Die Ergebnisse unten zeigen, wie gut du Go LEXORB gespielt hast</translation>
    </message>
    <message>
        <source>Every word this board held (F5)</source>
        <translation>Jedes Wort auf diesem Feld (F5)</translation>
    </message>
    <message>
        <source>No printer is available, so the results were not printed.</source>
        <translation>Es ist kein Drucker verfügbar, daher wurden die Ergebnisse nicht gedruckt.</translation>
    </message>
    <message>
        <source>Go LEXORB results</source>
        <translation>Go-LEXORB-Ergebnisse</translation>
    </message>
    <message>
        <source>The results could not be printed on %1.</source>
        <translation>Die Ergebnisse ließen sich nicht auf %1 drucken.</translation>
    </message>
</context>
</TS>
