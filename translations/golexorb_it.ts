<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>AllWords</name>
    <message>
        <source>You found %1 of %2 points</source>
        <translation>Hai trovato %1 punti su %2</translation>
    </message>
    <message>
        <source>Common words: %1 of %2 points</source>
        <translation>Parole comuni: %1 punti su %2</translation>
    </message>
    <message>
        <source>A rare word: not in a medium-sized English dictionary.</source>
        <translation>Una parola rara: non compare in un dizionario inglese di medie dimensioni.</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>non si può leggere: %1</translation>
    </message>
    <message>
        <source>it is not a library</source>
        <translation>non è una libreria</translation>
    </message>
    <message>
        <source>it is not a library for this computer</source>
        <translation>non è una libreria per questo computer</translation>
    </message>
    <message>
        <source>it is cut short: %1 bytes</source>
        <translation>è troncato: %1 byte</translation>
    </message>
    <message>
        <source>the module %1 is damaged (%2)</source>
        <translation>il modulo %1 è danneggiato (%2)</translation>
    </message>
    <message>
        <source>the module %1 lacks its entry point golexorb_progress_window</source>
        <translation>al modulo %1 manca il punto di ingresso golexorb_progress_window</translation>
    </message>
    <message>
        <source>golexorb-progress.so is not installed</source>
        <translation>golexorb-progress.so non è installato</translation>
    </message>
    <message>
        <source>Only words of letters a to z can be looked up.</source>
        <translation>Si possono cercare solo parole fatte di lettere dalla a alla z.</translation>
    </message>
    <message>
        <source>Definitions need WordNet, which is not installed. Install it with
    sudo apt install %1
and start the game again.</source>
        <translation>Per i significati serve WordNet, che non è installato. Installalo con
    sudo apt install %1
e riavvia il gioco.</translation>
    </message>
    <message>
        <source>The WordNet library could not be loaded: %1. Install it again with
    sudo apt install --reinstall %2
and start the game again.</source>
        <translation>Non è stato possibile caricare la libreria WordNet: %1. Reinstallala con
    sudo apt install --reinstall %2
e riavvia il gioco.</translation>
    </message>
    <message>
        <source>The WordNet database could not be read: %1.</source>
        <translation>Non è stato possibile leggere il database di WordNet: %1.</translation>
    </message>
    <message>
        <source>No definition of &quot;%1&quot; in WordNet.</source>
        <translation>WordNet non ha alcuna definizione di «%1».</translation>
    </message>
    <message>
        <source> (hinted)</source>
        <translation> (suggerita)</translation>
    </message>
    <message>
        <source>, found by you</source>
        <translation>, trovata da te</translation>
    </message>
    <message>
        <source>, rare</source>
        <translation>, rara</translation>
    </message>
    <message>
        <source>Code: %1</source>
        <translation>Codice: %1</translation>
    </message>
    <message>
        <source>The progress chart cannot be shown: %1.</source>
        <translation>Il grafico dei progressi non si può mostrare: %1.</translation>
    </message>
    <message>
        <source> It needs Qt Charts (sudo apt install libqt6charts6).</source>
        <translation> Serve Qt Charts (sudo apt install libqt6charts6).</translation>
    </message>
    <message>
        <source>Rare words</source>
        <translation>Parole rare</translation>
    </message>
    <message>
        <source>All words in one list: no word frequencies</source>
        <translation>Tutte le parole in un elenco: nessuna frequenza</translation>
    </message>
    <message>
        <source>Meanings come from WordNet, in English only: there are none for %1 words.</source>
        <translation>I significati vengono da WordNet, solo in inglese: non ce ne sono per le parole in %1.</translation>
    </message>
</context>
<context>
    <name>Announcer</name>
    <message>
        <source>Announcements on</source>
        <translation>Annunci attivi</translation>
    </message>
    <message>
        <source>Announcements off</source>
        <translation>Annunci disattivati</translation>
    </message>
    <message>
        <source>Round paused</source>
        <translation>Partita in pausa</translation>
    </message>
    <message>
        <source>Round resumed</source>
        <translation>Partita ripresa</translation>
    </message>
    <message>
        <source>Round started with no game time</source>
        <translation>Partita iniziata senza durata</translation>
    </message>
    <message>
        <source>%1-minute round started</source>
        <translation>Iniziata una partita da %1 minuti</translation>
    </message>
    <message>
        <source>%1, %2 points</source>
        <translation>%1, %2 punti</translation>
    </message>
    <message>
        <source>%1, not a word</source>
        <translation>%1, non è una parola</translation>
    </message>
    <message>
        <source>%1, hinted: no points</source>
        <translation>%1, suggerita: nessun punto</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) left</source>
        <translation>
            <numerusform>manca %n secondo</numerusform>
            <numerusform>mancano %n secondi</numerusform>
        </translation>
    </message>
    <message>
        <source>Round over. Your score: %1</source>
        <translation>Partita finita. Il tuo punteggio: %1</translation>
    </message>
    <message>
        <source>Round started with no game time, in %1</source>
        <translation>Partita iniziata senza durata, in %1</translation>
    </message>
    <message>
        <source>%1-minute round started, in %2</source>
        <translation>Iniziata una partita da %1 minuti, in %2</translation>
    </message>
</context>
<context>
    <name>Awards</name>
    <message>
        <source>Found a with 7 letters or more!</source>
        <translation>Una parola di 7 lettere o più!</translation>
    </message>
    <message>
        <source>Found a word 5 letters or more!</source>
        <translation>Una parola di 5 lettere o più!</translation>
    </message>
    <message>
        <source>Used a Q!</source>
        <translation>Hai usato una Q!</translation>
    </message>
    <message>
        <source>Used a Z!</source>
        <translation>Hai usato una Z!</translation>
    </message>
    <message>
        <source>Massive score over 50!</source>
        <translation>Punteggio enorme, oltre 50!</translation>
    </message>
    <message>
        <source>Nice scored over 40!</source>
        <translation>Bravo, oltre 40!</translation>
    </message>
    <message>
        <source>scored over 30!</source>
        <translation>oltre 30 punti!</translation>
    </message>
</context>
<context>
    <name>Challenge</name>
    <message>
        <source>A challenge code is 17 letters and digits, like ABCD-EFGH-JKMN-PQRS-T.</source>
        <translation>Un codice sfida ha 17 lettere e cifre, come ABCD-EFGH-JKMN-PQRS-T.</translation>
    </message>
    <message>
        <source>That challenge code has a mistake in it: check it against the one you were given.</source>
        <translation>Quel codice sfida contiene un errore: confrontalo con quello che ti hanno dato.</translation>
    </message>
    <message>
        <source>That challenge code holds no round of 1 to 10 minutes.</source>
        <translation>Quel codice sfida non contiene una partita da 1 a 10 minuti.</translation>
    </message>
    <message>
        <source>A challenge code of a board in another language than English is 19 letters and digits, like ABCD-EFGH-JKMN-PQRS-TUV.</source>
        <translation>Il codice di una griglia in una lingua diversa dall’inglese ha 19 lettere e cifre, come ABCD-EFGH-JKMN-PQRS-TUV.</translation>
    </message>
    <message>
        <source>That challenge code names a language this version of the game does not know.</source>
        <translation>Quel codice sfida indica una lingua che questa versione del gioco non conosce.</translation>
    </message>
    <message>
        <source>That challenge code holds no board of its language.</source>
        <translation>Quel codice sfida non contiene una griglia della sua lingua.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Go LEXORB: spell words on a board of letters against the clock.</source>
        <translation>Go LEXORB: componi parole su una griglia di lettere contro il tempo.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra questo aiuto ed esce.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostra la versione ed esce.</translation>
    </message>
    <message>
        <source>Join a room: [mqtt[s]://][USER@]HOST[:PORT]/ROOM, with --name.</source>
        <translation>Entra in una stanza: [mqtt[s]://][UTENTE@]HOST[:PORTA]/STANZA, con --name.</translation>
    </message>
    <message>
        <source>address</source>
        <translation>indirizzo</translation>
    </message>
    <message>
        <source>Your name in the room (1 to 20 characters).</source>
        <translation>Il tuo nome nella stanza (da 1 a 20 caratteri).</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nome</translation>
    </message>
    <message>
        <source>Open the Play Together window.</source>
        <translation>Apre la finestra «Gioca insieme».</translation>
    </message>
    <message>
        <source>Play the board of a challenge code a friend gave you.</source>
        <translation>Gioca la griglia di un codice sfida che ti ha dato un amico.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>codice</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
Prova «%1 --help» per saperne di più.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>argomento inatteso «%1».</translation>
    </message>
    <message>
        <source>--join and --name go together.</source>
        <translation>--join e --name vanno insieme.</translation>
    </message>
    <message>
        <source>--join %1: %2.</source>
        <translation>--join %1: %2.</translation>
    </message>
    <message>
        <source>--name: a name is 1 to 20 characters, no / + or #, no space at either end.</source>
        <translation>--name: un nome ha da 1 a 20 caratteri, niente / + o #, niente spazi all’inizio o alla fine.</translation>
    </message>
    <message>
        <source>--ui-language: no windows in &apos;%1&apos;; there are: %2.</source>
        <translation>--ui-language: nessuna finestra in «%1»; ci sono: %2.</translation>
    </message>
    <message>
        <source>no display to open the window on (%1 and %2 are not set); without a screen, run it under xvfb-run</source>
        <translation>nessuno schermo su cui aprire la finestra (%1 e %2 non sono impostate); senza schermo, avvialo con xvfb-run</translation>
    </message>
    <message>
        <source>no display to open the window on (%1 is not set); without a screen, run it under xvfb-run</source>
        <translation>nessuno schermo su cui aprire la finestra (%1 non è impostata); senza schermo, avvialo con xvfb-run</translation>
    </message>
    <message>
        <source>The language of the windows (%1); otherwise the system&apos;s.</source>
        <translation>La lingua delle finestre (%1); altrimenti quella del sistema.</translation>
    </message>
    <message>
        <source>Play boards and words in this language for this run: %1.</source>
        <translation>Giocare griglie e parole in questa lingua per questa volta: %1.</translation>
    </message>
    <message>
        <source>--challenge: %1</source>
        <translation>--challenge: %1</translation>
    </message>
    <message>
        <source>--language %1: not a board language; the codes are %2.</source>
        <translation>--language %1: non è una lingua di griglia; i codici sono %2.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>%1 at row %2, column %3</source>
        <translation>%1 alla riga %2, colonna %3</translation>
    </message>
    <message>
        <source>Common words: %1 of %2 found. All words: %3 of %4 found.</source>
        <translation>Parole comuni: %1 trovate su %2. Tutte le parole: %3 trovate su %4.</translation>
    </message>
    <message>
        <source>%1 letters: %2 of %3 common, %4 of %5 in all.</source>
        <translation>%1 lettere: %2 su %3 comuni, %4 su %5 in tutto.</translation>
    </message>
    <message>
        <source>A start: %1, then %2.</source>
        <translation>Un inizio: %1, poi %2.</translation>
    </message>
    <message>
        <source>Hints are given during a round.</source>
        <translation>I suggerimenti si danno durante una partita.</translation>
    </message>
    <message>
        <source>The round is paused.</source>
        <translation>La partita è in pausa.</translation>
    </message>
    <message>
        <source>This round allows no hints.</source>
        <translation>Questa partita non ammette suggerimenti.</translation>
    </message>
    <message>
        <source>You have found every common word.</source>
        <translation>Hai trovato tutte le parole comuni.</translation>
    </message>
    <message>
        <source>No round yet: the counts show once a round starts.</source>
        <translation>Nessuna partita ancora: i conteggi compaiono quando ne inizia una.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 su %2</translation>
    </message>
    <message>
        <source>This round&apos;s board: the words you found of those it holds.</source>
        <translation>La griglia di questa partita: le parole che hai trovato tra quelle che contiene.</translation>
    </message>
    <message>
        <source>The round is over: its board&apos;s words, as All Words counts them.</source>
        <translation>La partita è finita: le parole della sua griglia, contate come in «Tutte le parole».</translation>
    </message>
    <message>
        <source>In all</source>
        <translation>In tutto</translation>
    </message>
    <message>
        <source>Lights the first two letters of a common word you have not found. That word then scores nothing, and the round sets no record.</source>
        <translation>Accende le prime due lettere di una parola comune che non hai trovato. Quella parola poi non dà punti, e la partita non stabilisce record.</translation>
    </message>
</context>
<context>
    <name>Languages</name>
    <message>
        <source>tiles A to Z</source>
        <translation>tessere dalla A alla Z</translation>
    </message>
    <message>
        <source>tiles A to Z, %1</source>
        <translation>tessere dalla A alla Z, %1</translation>
    </message>
    <message>
        <source>, not installed</source>
        <translation>, non installata</translation>
    </message>
    <message>
        <source>, playing now</source>
        <translation>, in gioco ora</translation>
    </message>
    <message>
        <source>Boards are in %1 now.</source>
        <translation>Ora le griglie sono in %1.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>The game&apos;s own word list.</source>
        <translation>L’elenco di parole del gioco stesso.</translation>
    </message>
    <message>
        <source>Words from %1 (%2).</source>
        <translation>Parole da %1 (%2).</translation>
    </message>
    <message>
        <source>No block list: its words are all there.</source>
        <translation>Nessun elenco di blocco: ci sono tutte le sue parole.</translation>
    </message>
    <message>
        <source>Not installed. Its words come with %1:
%2</source>
        <translation>Non installata. Le sue parole arrivano con %1:
%2</translation>
    </message>
    <message>
        <source>%1 needs its word list, which is not installed:
%2</source>
        <translation>%1 ha bisogno del suo elenco di parole, che non è installato:
%2</translation>
    </message>
    <message>
        <source>The words of %1 could not be read: %2</source>
        <translation>Non è stato possibile leggere le parole di %1: %2</translation>
    </message>
    <message>
        <source>That challenge is in %1, whose word list is not installed:
%2</source>
        <translation>Quella sfida è in %1, il cui elenco di parole non è installato:
%2</translation>
    </message>
    <message>
        <source>English</source>
        <translation>inglese</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>catalano</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>danese</translation>
    </message>
    <message>
        <source>German</source>
        <translation>tedesco</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>spagnolo</translation>
    </message>
    <message>
        <source>French</source>
        <translation>francese</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>italiano</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>olandese</translation>
    </message>
    <message>
        <source>Norwegian Bokmål</source>
        <translation>norvegese bokmål</translation>
    </message>
    <message>
        <source>Norwegian Nynorsk</source>
        <translation>norvegese nynorsk</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>polacco</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>portoghese</translation>
    </message>
    <message>
        <source>Brazilian Portuguese</source>
        <translation>portoghese brasiliano</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>svedese</translation>
    </message>
    <message>
        <source>The smallest list, about 106,000 words: rarer verb forms are missing.</source>
        <translation>L’elenco più piccolo, circa 106.000 parole: mancano le forme verbali più rare.</translation>
    </message>
    <message>
        <source>About 113,000 words: compounds beyond the common ones are missing.</source>
        <translation>Circa 113.000 parole: mancano i composti meno comuni.</translation>
    </message>
</context>
<context>
    <name>PlayTogether</name>
    <message>
        <source>No free port from %1 to %2.</source>
        <translation>Nessuna porta libera da %1 a %2.</translation>
    </message>
    <message>
        <source>As root, the broker runs as the user mosquitto or nobody, and this computer has neither.</source>
        <translation>Come root, il broker gira come utente mosquitto o nobody, e questo computer non ha nessuno dei due.</translation>
    </message>
    <message>
        <source>The broker&apos;s settings cannot be made: %1</source>
        <translation>Non si possono creare le impostazioni del broker: %1</translation>
    </message>
    <message>
        <source>%1 cannot be started: %2</source>
        <translation>Non si può avviare %1: %2</translation>
    </message>
    <message>
        <source>The broker stopped: %1</source>
        <translation>Il broker si è fermato: %1</translation>
    </message>
    <message>
        <source>The broker did not start within 5 seconds: %1</source>
        <translation>Il broker non è partito entro 5 secondi: %1</translation>
    </message>
    <message>
        <source>Play a Challenge</source>
        <translation>Gioca una sfida</translation>
    </message>
    <message>
        <source>The challenge code a friend gave you:</source>
        <translation>Il codice sfida che ti ha dato un amico:</translation>
    </message>
    <message>
        <source>A round is under way: play the challenge when it is over.</source>
        <translation>C’è una partita in corso: gioca la sfida quando è finita.</translation>
    </message>
    <message>
        <source>%1 (install the libmosquitto1 package)</source>
        <translation>%1 (installa il pacchetto libmosquitto1)</translation>
    </message>
    <message>
        <source>%1 lacks the functions this game uses</source>
        <translation>a %1 mancano le funzioni che usa questo gioco</translation>
    </message>
    <message>
        <source>Not in a room: you play alone.</source>
        <translation>In nessuna stanza: giochi da solo.</translation>
    </message>
    <message>
        <source>Hosting on port %1, but this computer is on no network friends could reach.</source>
        <translation>Ospiti sulla porta %1, ma questo computer non è su nessuna rete raggiungibile dagli amici.</translation>
    </message>
    <message>
        <source>Hosting. Friends on your network join with:
%1</source>
        <translation>Stai ospitando. Gli amici sulla tua rete entrano con:
%1</translation>
    </message>
    <message>
        <source>the network library could not make a client</source>
        <translation>la libreria di rete non è riuscita a creare un client</translation>
    </message>
    <message>
        <source>TLS cannot be set up: %1</source>
        <translation>Non si può impostare TLS: %1</translation>
    </message>
    <message>
        <source>Hosting needs Debian&apos;s MQTT broker: install the mosquitto package (sudo apt install mosquitto).</source>
        <translation>Per ospitare serve il broker MQTT di Debian: installa il pacchetto mosquitto (sudo apt install mosquitto).</translation>
    </message>
    <message>
        <source>%1 (you): playing</source>
        <translation>%1 (tu): gioca</translation>
    </message>
    <message>
        <source>%1: playing</source>
        <translation>%1: gioca</translation>
    </message>
    <message>
        <source>%1 (you): finished</source>
        <translation>%1 (tu): ha finito</translation>
    </message>
    <message>
        <source>%1: finished</source>
        <translation>%1: ha finito</translation>
    </message>
    <message>
        <source>%1 (you): watching</source>
        <translation>%1 (tu): guarda</translation>
    </message>
    <message>
        <source>%1: watching</source>
        <translation>%1: guarda</translation>
    </message>
    <message>
        <source>%1 (you): playing, %2 last round</source>
        <translation>%1 (tu): gioca, %2 nell’ultima partita</translation>
    </message>
    <message>
        <source>%1: playing, %2 last round</source>
        <translation>%1: gioca, %2 nell’ultima partita</translation>
    </message>
    <message>
        <source>%1 (you): finished, %2 last round</source>
        <translation>%1 (tu): ha finito, %2 nell’ultima partita</translation>
    </message>
    <message>
        <source>%1: finished, %2 last round</source>
        <translation>%1: ha finito, %2 nell’ultima partita</translation>
    </message>
    <message>
        <source>%1 (you): watching, %2 last round</source>
        <translation>%1 (tu): guarda, %2 nell’ultima partita</translation>
    </message>
    <message>
        <source>%1: watching, %2 last round</source>
        <translation>%1: guarda, %2 nell’ultima partita</translation>
    </message>
    <message>
        <source>Play again (waiting)</source>
        <translation>Ancora (in attesa)</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Gioca ancora</translation>
    </message>
    <message>
        <source>The address is on the clipboard: give it to your friends.</source>
        <translation>L’indirizzo è negli appunti: dallo ai tuoi amici.</translation>
    </message>
    <message>
        <source>Hosting on port %1. Type a room&apos;s name to see the address to give friends.</source>
        <translation>Ospiti sulla porta %1. Scrivi il nome di una stanza per vedere l’indirizzo da dare agli amici.</translation>
    </message>
    <message>
        <source>%1 (install the libsodium23 package)</source>
        <translation>%1 (installa il pacchetto libsodium23)</translation>
    </message>
    <message>
        <source>%1 lacks the signing functions</source>
        <translation>%1 non ha le funzioni di firma</translation>
    </message>
    <message>
        <source>%1 could not start</source>
        <translation>%1 non è riuscito ad avviarsi</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>, best</source>
        <translation>, migliore</translation>
    </message>
    <message>
        <source>, with hints</source>
        <translation>, con suggerimenti</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Migliore</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Partita</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minuti</numerusform>
        </translation>
    </message>
    <message>
        <source>Your scores in rounds of %1</source>
        <translation>I tuoi punteggi nelle partite da %1</translation>
    </message>
    <message>
        <source>No rounds of %1 recorded yet.</source>
        <translation>Nessuna partita da %1 registrata finora.</translation>
    </message>
    <message>
        <source>Best: %1 in round %2 of %3, on %4.</source>
        <translation>Migliore: %1 nella partita %2 di %3, il %4.</translation>
    </message>
    <message>
        <source>No best yet: every round had hints.</source>
        <translation>Ancora nessun migliore: ogni partita aveva suggerimenti.</translation>
    </message>
    <message>
        <source>Last round: %1 of %2 words found, with hints.</source>
        <translation>Ultima partita: %1 parole trovate su %2, con suggerimenti.</translation>
    </message>
    <message>
        <source>Last round: %1 of %2 words found.</source>
        <translation>Ultima partita: %1 parole trovate su %2.</translation>
    </message>
    <message>
        <source>Rounds without a game time are not recorded.</source>
        <translation>Le partite senza durata non vengono registrate.</translation>
    </message>
    <message>
        <source>Your records could not be read or saved this time.</source>
        <translation>Questa volta non è stato possibile leggere o salvare i tuoi record.</translation>
    </message>
    <message>
        <source>With hints: no record. No record yet for %1.</source>
        <translation>Con suggerimenti: niente record. Ancora nessun record per %1.</translation>
    </message>
    <message>
        <source>No record yet for %1.</source>
        <translation>Ancora nessun record per %1.</translation>
    </message>
    <message>
        <source>New record for %1: %2!</source>
        <translation>Nuovo record per %1: %2!</translation>
    </message>
    <message>
        <source>With hints: no record. Record for %1: %2 on %3.</source>
        <translation>Con suggerimenti: niente record. Record per %1: %2 il %3.</translation>
    </message>
    <message>
        <source>Record for %1: %2 on %3.</source>
        <translation>Record per %1: %2 il %3.</translation>
    </message>
</context>
<context>
    <name>Room</name>
    <message>
        <source>%1-minute round</source>
        <translation>partita da %1 minuti</translation>
    </message>
    <message>
        <source>The room sends more than can be shown: some lines are left out.</source>
        <translation>La stanza invia più di quanto si possa mostrare: alcune righe vengono omesse.</translation>
    </message>
    <message>
        <source>%1 is here.</source>
        <translation>%1 è qui.</translation>
    </message>
    <message>
        <source>%1 joined the room.</source>
        <translation>%1 è entrato nella stanza.</translation>
    </message>
    <message>
        <source>%1 left the room.</source>
        <translation>%1 ha lasciato la stanza.</translation>
    </message>
    <message>
        <source>Your %2 is under way (%3 left): you play the next one.</source>
        <translation>La tua %2 è in corso (mancano %3): giochi la prossima.</translation>
    </message>
    <message>
        <source>%1&apos;s %2 is under way (%3 left): you play the next one.</source>
        <translation>La %2 di %1 è in corso (mancano %3): giochi la prossima.</translation>
    </message>
    <message>
        <source>You started a %2; yours is under way: you play the next one.</source>
        <translation>Hai iniziato una %2; la tua è in corso: giochi la prossima.</translation>
    </message>
    <message>
        <source>%1 started a %2; yours is under way: you play the next one.</source>
        <translation>%1 ha iniziato una %2; la tua è in corso: giochi la prossima.</translation>
    </message>
    <message>
        <source>You started a %2.</source>
        <translation>Hai iniziato una %2.</translation>
    </message>
    <message>
        <source>%1 started a %2.</source>
        <translation>%1 ha iniziato una %2.</translation>
    </message>
    <message>
        <source>You start a %1.</source>
        <translation>Inizi una %1.</translation>
    </message>
    <message>
        <source>Standings (a word two or more found scores nothing in the room score):</source>
        <translation>Classifica (una parola trovata da due o più giocatori non vale nulla nel punteggio della stanza):</translation>
    </message>
    <message numerus="yes">
        <source>%1. %2: score %3, room score %4, %n word(s) only %2 found</source>
        <translation>
            <numerusform>%1. %2: punti %3, punti stanza %4, %n parola trovata solo da %2</numerusform>
            <numerusform>%1. %2: punti %3, punti stanza %4, %n parole trovate solo da %2</numerusform>
        </translation>
    </message>
    <message>
        <source>A name is 1 to 20 characters, no / + or #, no space at either end, nothing invisible.</source>
        <translation>Un nome ha da 1 a 20 caratteri, niente / + o #, niente spazi all’inizio o alla fine, niente di invisibile.</translation>
    </message>
    <message>
        <source>Rooms need the MQTT library: %1</source>
        <translation>Le stanze richiedono la libreria MQTT: %1</translation>
    </message>
    <message>
        <source>Joining room %1 on %2 as %3...</source>
        <translation>Ingresso nella stanza %1 su %2 come %3...</translation>
    </message>
    <message>
        <source>In room %1 on %2 as %3.</source>
        <translation>Nella stanza %1 su %2 come %3.</translation>
    </message>
    <message>
        <source>In room %1 on %2 as %3 (not connected: trying again).</source>
        <translation>Nella stanza %1 su %2 come %3 (non connesso: nuovo tentativo).</translation>
    </message>
    <message>
        <source>Not connected: the line was not sent.</source>
        <translation>Non connesso: la riga non è stata inviata.</translation>
    </message>
    <message>
        <source>Pick a Game Time first: a room&apos;s round lasts 1 to 10 minutes.</source>
        <translation>Scegli prima una durata: una partita nella stanza dura da 1 a 10 minuti.</translation>
    </message>
    <message>
        <source>Not connected: the round cannot reach the room.</source>
        <translation>Non connesso: la partita non può raggiungere la stanza.</translation>
    </message>
    <message>
        <source>Connected to %1 again.</source>
        <translation>Di nuovo connesso a %1.</translation>
    </message>
    <message>
        <source>Lost the connection to %1: %2. Playing on alone; trying again.</source>
        <translation>Connessione a %1 persa: %2. Continui da solo; nuovo tentativo.</translation>
    </message>
    <message>
        <source>Cannot reach %1: %2. Playing on alone; trying again.</source>
        <translation>Impossibile raggiungere %1: %2. Continui da solo; nuovo tentativo.</translation>
    </message>
    <message>
        <source>Someone in this room already goes by %1: choose another name, then Join.</source>
        <translation>Qualcuno in questa stanza si chiama già %1: scegli un altro nome, poi «Entra».</translation>
    </message>
    <message>
        <source>The standings of a round in %1 need its word list (%2).</source>
        <translation>La classifica di una partita in %1 richiede il suo elenco di parole (%2).</translation>
    </message>
    <message numerus="yes">
        <source>Scored by you from %n result(s).</source>
        <translation>
            <numerusform>Calcolata da te su %n risultato.</numerusform>
            <numerusform>Calcolata da te su %n risultati.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Scored by %1 from %n result(s).</source>
        <translation>
            <numerusform>Calcolata da %1 su %n risultato.</numerusform>
            <numerusform>Calcolata da %1 su %n risultati.</numerusform>
        </translation>
    </message>
    <message>
        <source>These standings are not what your words make (score %1, not %2; room score %3, not %4): the message was forged or broken on the way.</source>
        <translation>Questa classifica non è quella delle tue parole (punteggio %1, non %2; punteggio della stanza %3, non %4): il messaggio è stato falsificato o rovinato per strada.</translation>
    </message>
    <message>
        <source>%1 (unverified): %2</source>
        <translation>%1 (non verificato): %2</translation>
    </message>
    <message>
        <source>You started a %2 in %3.</source>
        <translation>Hai iniziato una %2 in %3.</translation>
    </message>
    <message>
        <source>%1 started a %2 in %3.</source>
        <translation>%1 ha iniziato una %2 in %3.</translation>
    </message>
    <message>
        <source>You start a %1 in %2.</source>
        <translation>Inizi una %1 in %2.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1 tie for the win on %2.</source>
        <translation>%1 vincono a pari merito con %2.</translation>
    </message>
    <message>
        <source>%1 wins with %2.</source>
        <translation>%1 vince con %2.</translation>
    </message>
    <message>
        <source>%1 wins with %2; %3 comes next with %4.</source>
        <translation>%1 vince con %2; segue %3 con %4.</translation>
    </message>
    <message>
        <source>%1 wins with %2; %3 tie on %4.</source>
        <translation>%1 vince con %2; %3 sono a pari merito con %4.</translation>
    </message>
    <message>
        <source>%1 tie for the win on %2; %3 comes next with %4.</source>
        <translation>%1 vincono a pari merito con %2; segue %3 con %4.</translation>
    </message>
    <message>
        <source>%1 tie for the win on %2; %3 tie on %4.</source>
        <translation>%1 vincono a pari merito con %2; %3 sono a pari merito con %4.</translation>
    </message>
    <message>
        <source>No word was shared.</source>
        <translation>Nessuna parola è stata condivisa.</translation>
    </message>
    <message>
        <source>Shared words, which score nothing in the room score: %1.</source>
        <translation>Parole condivise, che non valgono nulla nel punteggio della stanza: %1.</translation>
    </message>
    <message>
        <source>Your lines go unsigned, and others&apos; are not checked: %1.</source>
        <translation>Le tue righe partono senza firma, e quelle degli altri non vengono controllate: %1.</translation>
    </message>
    <message>
        <source>That round is in %1, whose word list is not installed here (%2): you watch this one.</source>
        <translation>Quella partita è in %1, il cui elenco di parole qui non è installato (%2): questa la guardi.</translation>
    </message>
    <message>
        <source>A shared round can&apos;t be paused: it goes on for everyone.</source>
        <translation>Una partita condivisa non si può mettere in pausa: continua per tutti.</translation>
    </message>
    <message>
        <source>No round yet to play again: Start Game starts one.</source>
        <translation>Ancora nessuna partita da rigiocare: Inizia ne avvia una.</translation>
    </message>
    <message numerus="yes">
        <source>Play again: the next %n-minute round starts when every player has finished.</source>
        <translation>
            <numerusform>Ancora: la prossima partita da %n minuto inizia quando tutti i giocatori hanno finito.</numerusform>
            <numerusform>Ancora: la prossima partita da %n minuti inizia quando tutti i giocatori hanno finito.</numerusform>
        </translation>
    </message>
    <message>
        <source>A round is under way in the room: the next one starts when every player has finished it, or its time is up.</source>
        <translation>Nella stanza è in corso una partita: la prossima inizia quando tutti i giocatori l’hanno finita o il suo tempo è scaduto.</translation>
    </message>
    <message>
        <source>You joined room %1 on %2 as %3. Friends join with %4</source>
        <translation>Sei entrato nella stanza %1 su %2 come %3. Gli amici entrano con %4</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s) here already.</source>
        <translation>
            <numerusform>%n giocatore è già qui.</numerusform>
            <numerusform>%n giocatori sono già qui.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Shared words, which score nothing in the room score: %1; and %n more.</source>
        <translation>
            <numerusform>Parole condivise, che non valgono nulla nel punteggio della stanza: %1; e %n altra.</numerusform>
            <numerusform>Parole condivise, che non valgono nulla nel punteggio della stanza: %1; e altre %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>These standings leave out your words: the message was forged or broken on the way.</source>
        <translation>Questa classifica lascia fuori le tue parole: il messaggio è stato falsificato o rovinato per strada.</translation>
    </message>
    <message numerus="yes">
        <source>...and %n more.</source>
        <translation>
            <numerusform>...e %n altro.</numerusform>
            <numerusform>...e altri %n.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RoomAddress</name>
    <message>
        <source>only mqtt:// and mqtts:// addresses are understood</source>
        <translation>si capiscono solo indirizzi mqtt:// e mqtts://</translation>
    </message>
    <message>
        <source>the room is missing: write the server, then / and the room</source>
        <translation>manca la stanza: scrivi il server, poi / e la stanza</translation>
    </message>
    <message>
        <source>a room&apos;s name is 1 to 40 letters, digits, - _ or .</source>
        <translation>il nome di una stanza ha da 1 a 40 lettere, cifre, - _ o .</translation>
    </message>
    <message>
        <source>the password after the colon is at most 256 characters, none of them a control</source>
        <translation>la password dopo i due punti ha al massimo 256 caratteri, nessuno di controllo</translation>
    </message>
    <message>
        <source>the user name before @ is 1 to 64 printable characters, no spaces</source>
        <translation>il nome utente prima di @ ha da 1 a 64 caratteri stampabili, senza spazi</translation>
    </message>
    <message>
        <source>an IPv6 address is written in brackets: [::1]</source>
        <translation>un indirizzo IPv6 si scrive tra parentesi quadre: [::1]</translation>
    </message>
    <message>
        <source>that is not an IPv6 address</source>
        <translation>questo non è un indirizzo IPv6</translation>
    </message>
    <message>
        <source>a port follows the address after a colon</source>
        <translation>la porta segue l’indirizzo dopo i due punti</translation>
    </message>
    <message>
        <source>the port is missing after the colon</source>
        <translation>manca la porta dopo i due punti</translation>
    </message>
    <message>
        <source>the server&apos;s name is missing</source>
        <translation>manca il nome del server</translation>
    </message>
    <message>
        <source>a server&apos;s name is made of letters, digits, - and .</source>
        <translation>il nome di un server è fatto di lettere, cifre, - e .</translation>
    </message>
    <message>
        <source>the port is a number from 1 to 65535</source>
        <translation>la porta è un numero da 1 a 65535</translation>
    </message>
    <message>
        <source>the address names room %1 but Room says %2: empty the Room box, or make them agree</source>
        <translation>l’indirizzo nomina la stanza %1 ma Stanza dice %2: svuota la casella Stanza, o falli coincidere</translation>
    </message>
    <message>
        <source>the room is missing: type it into Room, or paste the whole address into Server</source>
        <translation>manca la stanza: scrivila in Stanza, o incolla l’indirizzo intero in Server</translation>
    </message>
</context>
<context>
    <name>allwordsfrm</name>
    <message>
        <source>All Words</source>
        <translation>Tutte le parole</translation>
    </message>
    <message>
        <source>All Words (yours in green):</source>
        <translation>Tutte le parole (le tue in verde):</translation>
    </message>
    <message>
        <source>Pick a word, with the mouse or the arrow keys, for its path and meaning</source>
        <translation>Scegli una parola, con il mouse o le frecce, per il suo percorso e il suo significato</translation>
    </message>
    <message>
        <source>All words on the board</source>
        <translation>Tutte le parole della griglia</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Percorso:</translation>
    </message>
    <message>
        <source>Click a word to see its path on the board.</source>
        <translation>Fai clic su una parola per vederne il percorso sulla griglia.</translation>
    </message>
    <message>
        <source>Meaning:</source>
        <translation>Significato:</translation>
    </message>
    <message>
        <source>What the word picked means, from WordNet</source>
        <translation>Che cosa significa la parola scelta, secondo WordNet</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Significato</translation>
    </message>
    <message>
        <source>Click a word to see what it means.</source>
        <translation>Fai clic su una parola per vedere che cosa significa.</translation>
    </message>
    <message>
        <source>A friend who types this code after Ctrl+O plays the same board</source>
        <translation>Un amico che digita questo codice dopo Ctrl+O gioca la stessa griglia</translation>
    </message>
    <message>
        <source>Copy the challenge code</source>
        <translation>Copia il codice sfida</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Your scores over time for this game time (Ctrl+G)</source>
        <translation>I tuoi punteggi nel tempo per questa durata (Ctrl+G)</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progressi</translation>
    </message>
</context>
<context>
    <name>helpfrm</name>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Words found of the board&apos;s:</source>
        <translation>Trovate tra quelle della griglia:</translation>
    </message>
    <message>
        <source>For each length: the words you found of those the board holds (F9 says them)</source>
        <translation>Per ogni lunghezza: le parole che hai trovato tra quelle della griglia (F9 le legge)</translation>
    </message>
    <message>
        <source>Words found by length</source>
        <translation>Parole trovate per lunghezza</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Lettere</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Comuni</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tutte</translation>
    </message>
    <message>
        <source>Light the first two letters of a common word you have not found (F10)</source>
        <translation>Accendi le prime due lettere di una parola comune non ancora trovata (F10)</translation>
    </message>
    <message>
        <source>Show a start</source>
        <translation>Mostra un inizio</translation>
    </message>
    <message>
        <source>Rounds you start in a room let their players take hints; each hint costs only its taker</source>
        <translation>Le partite che inizi in una stanza permettono ai giocatori di prendere suggerimenti; ogni suggerimento costa solo a chi lo prende</translation>
    </message>
    <message>
        <source>Hints in room rounds I start</source>
        <translation>Suggerimenti nelle mie partite</translation>
    </message>
</context>
<context>
    <name>howtoplayfrm</name>
    <message>
        <source>How to Play</source>
        <translation>Come si gioca</translation>
    </message>
    <message>
        <source>Arrow keys read on; Escape closes the window</source>
        <translation>Le frecce scorrono; Esc chiude la finestra</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Come si gioca</translation>
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
        <translation>**Una partita.** Scegli una durata da 1 a 10 minuti accanto a *Durata*, poi premi *Inizia*. Componi parole premendo lettere che toccano l’ultima (in orizzontale, in verticale o in diagonale; ogni lettera una volta per parola) oppure digitandole. *Aggiungi* controlla la parola: una di tre o più lettere presente nell’elenco vale un punto per lettera. *Annulla* scarta la parola. Quando il tempo finisce, o premi *Termina*, fai clic sul punteggio per i risultati.

**Tasti**

- F2: Inizia
- una lettera: la aggiunge alla parola
- Backspace: toglie l’ultima lettera
- Invio: Aggiungi
- Esc: Annulla
- F3: Termina
- F4: i risultati, quando compare il punteggio
- F6 o Pausa: mette in pausa la partita; le lettere si nascondono e l’orologio si ferma finché non premi di nuovo il tasto o fai clic sulla griglia
- F7: spegne o accende gli annunci vocali per i lettori di schermo
- Ctrl+H: l’Aiuto, accanto alla griglia; di nuovo, per andarci
- F9: legge i conteggi dell’Aiuto a un lettore di schermo
- F10: Mostra un inizio (un suggerimento)
- F1: questa finestra
- Ctrl+L: la lingua di griglie e parole, tra una partita e l’altra

Nei risultati, Ctrl+P stampa e F5 apre Tutte le parole; lì, Ctrl+G, oppure Tab fino a *Progressi* e Invio, apre Progressi.

**Tutte le parole** elenca ogni parola che la griglia conteneva, le più lunghe prima, le tue in verde («trovata da te» per un lettore di schermo), con la tua parte dei punti possibili e il tuo record per la durata. Scegli una parola per vederne il percorso sulla griglia e il significato.

**Aiuto** conta, per ogni lunghezza, le parole che hai trovato tra quelle della griglia, comuni e in tutto. *Mostra un inizio* accende le prime due lettere di una parola comune non ancora trovata con la linea rossa, finché non premi o digiti un’altra lettera; quella parola poi non vale punti, i risultati la segnano come suggerita e la partita non stabilisce record.

**Progressi** traccia i tuoi punteggi nelle partite di una stessa durata, il migliore in rosso, ed elenca le partite sotto il grafico: partita, data e punteggio.

**Lingue.** Oltre che in inglese, griglie e parole possono essere in catalano, danese, olandese, francese, tedesco, italiano, norvegese, polacco, portoghese, spagnolo o svedese, una volta installato l’elenco di parole della lingua: la finestra *Lingua* dice quale pacchetto lo porta. La griglia ha allora le lettere proprie della lingua (Ä, Ñ, Å…), che digiti così come sono; gli altri accenti si riducono alla loro lettera (digita é per E). I significati sono solo in inglese.

Un lettore di schermo sente la partita: l’inizio (e la lingua, se non è l’inglese), ogni parola aggiunta, gli ultimi secondi e il punteggio; F9 e F10 leggono i conteggi dell’Aiuto e un inizio.</translation>
    </message>
</context>
<context>
    <name>languagefrm</name>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Boards and words in:</source>
        <translation>Griglie e parole in:</translation>
    </message>
    <message>
        <source>Pick a language with the mouse or the arrow keys; Return or a double-click plays it</source>
        <translation>Scegli una lingua con il mouse o le frecce; Invio o un doppio clic la gioca</translation>
    </message>
    <message>
        <source>Board languages</source>
        <translation>Lingue delle griglie</translation>
    </message>
    <message>
        <source>Play boards and words in this language from the next round on (Return)</source>
        <translation>Giocare griglie e parole in questa lingua dalla prossima partita (Invio)</translation>
    </message>
    <message>
        <source>Play it</source>
        <translation>Gioca</translation>
    </message>
    <message>
        <source>Copy the line that installs its word list</source>
        <translation>Copia la riga che installa il suo elenco di parole</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
</context>
<context>
    <name>loadingfrm</name>
    <message>
        <source>Loading</source>
        <translation>Caricamento</translation>
    </message>
    <message>
        <source>A word game by the Go LEXORB developers</source>
        <translation>Un gioco di parole degli sviluppatori di Go LEXORB</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Caricamento...</translation>
    </message>
</context>
<context>
    <name>mainfrm</name>
    <message>
        <source>A round needs a length: pick its minutes here (arrow keys)</source>
        <translation>Una partita ha bisogno di una durata: scegli qui i minuti (frecce)</translation>
    </message>
    <message>
        <source>Game time in minutes</source>
        <translation>Durata in minuti</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Messaggio di chat</translation>
    </message>
    <message>
        <source>Your words</source>
        <translation>Le tue parole</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Search the word list</source>
        <translation>Cerca nell’elenco di parole</translation>
    </message>
    <message>
        <source>End the round now (F3)</source>
        <translation>Termina ora la partita (F3)</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Termina</translation>
    </message>
    <message>
        <source>Show the results (F4)</source>
        <translation>Mostra i risultati (F4)</translation>
    </message>
    <message>
        <source>Your Score:</source>
        <translation>Punteggio:</translation>
    </message>
    <message>
        <source>Make the window taller, with the chat area</source>
        <translation>Allunga la finestra, con l’area della chat</translation>
    </message>
    <message>
        <source>multiplayer</source>
        <translation>in gruppo</translation>
    </message>
    <message>
        <source>Make the window its normal height</source>
        <translation>Riporta la finestra all’altezza normale</translation>
    </message>
    <message>
        <source>1 player</source>
        <translation>1 giocatore</translation>
    </message>
    <message>
        <source>Start a round (F2)</source>
        <translation>Inizia una partita (F2)</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Inizia</translation>
    </message>
    <message>
        <source>Seconds Left</source>
        <translation>Secondi</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Game Time:</source>
        <translation>Durata:</translation>
    </message>
    <message>
        <source>Your Word Here</source>
        <translation>La tua parola</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Invia</translation>
    </message>
    <message>
        <source>Add the word (Return)</source>
        <translation>Aggiungi la parola (Invio)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Drop the word (Escape)</source>
        <translation>Scarta la parola (Esc)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Calculating Score...</source>
        <translation>Calcolo punteggio...</translation>
    </message>
    <message>
        <source>Your Score: %1</source>
        <translation>Punteggio: %1</translation>
    </message>
    <message>
        <source>The embedded word list could not be read: %1</source>
        <translation>Non è stato possibile leggere l’elenco di parole incorporato: %1</translation>
    </message>
    <message>
        <source>The word list could not be written to a temporary file: %1</source>
        <translation>Non è stato possibile scrivere l’elenco di parole in un file temporaneo: %1</translation>
    </message>
    <message>
        <source>Loaded 1/2</source>
        <translation>Caricato 1/2</translation>
    </message>
    <message>
        <source>The word list could not be loaded: %1</source>
        <translation>Non è stato possibile caricare l’elenco di parole: %1</translation>
    </message>
    <message>
        <source>You have already entered that word!</source>
        <translation>Hai già inserito quella parola!</translation>
    </message>
    <message>
        <source>Words must be bigger than 2 letters!</source>
        <translation>Le parole devono avere più di 2 lettere!</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, riga %2, colonna %3</translation>
    </message>
    <message numerus="yes">
        <source>You host this room: closing the game ends it, and leaves %n player(s) without a room. Close anyway?</source>
        <translation>
            <numerusform>Ospiti tu questa stanza: chiudere il gioco la termina, e lascia %n giocatore senza stanza. Chiudere comunque?</numerusform>
            <numerusform>Ospiti tu questa stanza: chiudere il gioco la termina, e lascia %n giocatori senza stanza. Chiudere comunque?</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1: %2.</source>
        <translation>Riga %1: %2.</translation>
    </message>
    <message>
        <source>No board: a round is not under way.</source>
        <translation>Nessuna griglia: non c’è una partita in corso.</translation>
    </message>
</context>
<context>
    <name>playtogetherfrm</name>
    <message>
        <source>Play Together</source>
        <translation>Gioca insieme</translation>
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
        <translation>Stanza:</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Stanza</translation>
    </message>
    <message>
        <source>family</source>
        <translation>famiglia</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Il tuo nome:</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Il tuo nome</translation>
    </message>
    <message>
        <source>Password, if the server asks for one:</source>
        <translation>Password, se il server la chiede:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Join the room (Return)</source>
        <translation>Entra nella stanza (Invio)</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Entra</translation>
    </message>
    <message>
        <source>Leave the room and play alone</source>
        <translation>Lascia la stanza e gioca da solo</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Run a server on this computer for friends on your network</source>
        <translation>Avvia un server su questo computer per gli amici della tua rete</translation>
    </message>
    <message>
        <source>Host on this computer</source>
        <translation>Ospita su questo computer</translation>
    </message>
    <message>
        <source>Hosting</source>
        <translation>Ospitare</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Who is here:</source>
        <translation>Chi c’è:</translation>
    </message>
    <message>
        <source>Who is here</source>
        <translation>Chi c’è</translation>
    </message>
    <message>
        <source>Friends join with:</source>
        <translation>Gli amici entrano con:</translation>
    </message>
    <message>
        <source>Address to give friends</source>
        <translation>Indirizzo da dare agli amici</translation>
    </message>
    <message>
        <source>Copy the address to the clipboard</source>
        <translation>Copia l’indirizzo negli appunti</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>A round of the same length, started when every player has finished</source>
        <translation>Una partita della stessa durata, avviata quando tutti i giocatori hanno finito</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Gioca ancora</translation>
    </message>
</context>
<context>
    <name>progressfrm</name>
    <message>
        <source>Progress</source>
        <translation>Progressi</translation>
    </message>
    <message>
        <source>Your score in each round, your best in red</source>
        <translation>Il tuo punteggio in ogni partita, il migliore in rosso</translation>
    </message>
    <message>
        <source>Scores chart</source>
        <translation>Grafico dei punteggi</translation>
    </message>
    <message>
        <source>The table below holds the same rounds</source>
        <translation>La tabella sotto contiene le stesse partite</translation>
    </message>
    <message>
        <source>Each round of this game time: its number, date and score</source>
        <translation>Ogni partita di questa durata: numero, data e punteggio</translation>
    </message>
    <message>
        <source>Your rounds</source>
        <translation>Le tue partite</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Partita</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punti</translation>
    </message>
</context>
<context>
    <name>resultsfrm</name>
    <message>
        <source>Results</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>Awards</source>
        <translation>Premi</translation>
    </message>
    <message>
        <source>Rejected words</source>
        <translation>Parole rifiutate</translation>
    </message>
    <message>
        <source>Accepted words</source>
        <translation>Parole accettate</translation>
    </message>
    <message>
        <source>Print the results (Ctrl+P)</source>
        <translation>Stampa i risultati (Ctrl+P)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Puzzle:</source>
        <translation>Griglia:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Punti:</translation>
    </message>
    <message>
        <source>Awards:</source>
        <translation>Premi:</translation>
    </message>
    <message>
        <source>Longest Word:</source>
        <translation>Più lunga:</translation>
    </message>
    <message>
        <source>Letter Most Used:</source>
        <translation>Lettera più usata:</translation>
    </message>
    <message>
        <source>Rejected Words:</source>
        <translation>Rifiutate:</translation>
    </message>
    <message>
        <source>Accepted Words:</source>
        <translation>Accettate:</translation>
    </message>
    <message>
        <source> (hinted)</source>
        <translation> (suggerita)</translation>
    </message>
    <message>
        <source>The results below are to show how well you did Go LEXORB</source>
        <translation>Questi risultati mostrano quanto bene hai giocato a Go LEXORB</translation>
    </message>
    <message>
        <source>Every word this board held (F5)</source>
        <translation>Tutte le parole di questa griglia (F5)</translation>
    </message>
    <message>
        <source>No printer is available, so the results were not printed.</source>
        <translation>Non c’è nessuna stampante disponibile, quindi i risultati non sono stati stampati.</translation>
    </message>
    <message>
        <source>Go LEXORB results</source>
        <translation>Risultati di Go LEXORB</translation>
    </message>
    <message>
        <source>The results could not be printed on %1.</source>
        <translation>Non è stato possibile stampare i risultati su %1.</translation>
    </message>
</context>
</TS>
