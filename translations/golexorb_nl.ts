<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>AllWords</name>
    <message>
        <source>You found %1 of %2 points</source>
        <translation>Je vond %1 van %2 punten</translation>
    </message>
    <message>
        <source>Common words: %1 of %2 points</source>
        <translation>Gewone woorden: %1 van %2 punten</translation>
    </message>
    <message>
        <source>A rare word: not in a medium-sized English dictionary.</source>
        <translation>Een zeldzaam woord: het staat niet in een middelgroot Engels woordenboek.</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>het is niet te lezen: %1</translation>
    </message>
    <message>
        <source>it is not a library</source>
        <translation>het is geen bibliotheek</translation>
    </message>
    <message>
        <source>it is not a library for this computer</source>
        <translation>het is geen bibliotheek voor deze computer</translation>
    </message>
    <message>
        <source>it is cut short: %1 bytes</source>
        <translation>het is afgekapt: %1 bytes</translation>
    </message>
    <message>
        <source>the module %1 is damaged (%2)</source>
        <translation>de module %1 is beschadigd (%2)</translation>
    </message>
    <message>
        <source>the module %1 lacks its entry point golexorb_progress_window</source>
        <translation>de module %1 mist zijn ingangspunt golexorb_progress_window</translation>
    </message>
    <message>
        <source>golexorb-progress.so is not installed</source>
        <translation>golexorb-progress.so is niet geïnstalleerd</translation>
    </message>
    <message>
        <source>Only words of letters a to z can be looked up.</source>
        <translation>Alleen woorden van de letters a tot z kun je opzoeken.</translation>
    </message>
    <message>
        <source>Definitions need WordNet, which is not installed. Install it with
    sudo apt install %1
and start the game again.</source>
        <translation>Voor betekenissen is WordNet nodig, en dat is niet geïnstalleerd. Installeer het met
    sudo apt install %1
en start het spel opnieuw.</translation>
    </message>
    <message>
        <source>The WordNet library could not be loaded: %1. Install it again with
    sudo apt install --reinstall %2
and start the game again.</source>
        <translation>De WordNet-bibliotheek kon niet worden geladen: %1. Installeer haar opnieuw met
    sudo apt install --reinstall %2
en start het spel opnieuw.</translation>
    </message>
    <message>
        <source>The WordNet database could not be read: %1.</source>
        <translation>De WordNet-database kon niet worden gelezen: %1.</translation>
    </message>
    <message>
        <source>No definition of &quot;%1&quot; in WordNet.</source>
        <translation>WordNet heeft geen betekenis van ‘%1’.</translation>
    </message>
    <message>
        <source> (hinted)</source>
        <translation> (hint)</translation>
    </message>
    <message>
        <source>, found by you</source>
        <translation>, door jou gevonden</translation>
    </message>
    <message>
        <source>, rare</source>
        <translation>, zeldzaam</translation>
    </message>
    <message>
        <source>Code: %1</source>
        <translation>Code: %1</translation>
    </message>
    <message>
        <source>The progress chart cannot be shown: %1.</source>
        <translation>De voortgangsgrafiek kan niet worden getoond: %1.</translation>
    </message>
    <message>
        <source> It needs Qt Charts (sudo apt install libqt6charts6).</source>
        <translation> Daarvoor is Qt Charts nodig (sudo apt install libqt6charts6).</translation>
    </message>
    <message>
        <source>Rare words</source>
        <translation>Zeldzame woorden</translation>
    </message>
    <message>
        <source>All words in one list: no word frequencies</source>
        <translation>Alle woorden in één lijst: geen woordfrequenties</translation>
    </message>
    <message>
        <source>Meanings come from WordNet, in English only: there are none for %1 words.</source>
        <translation>Betekenissen komen uit WordNet, alleen in het Engels: voor woorden in het %1 zijn er geen.</translation>
    </message>
</context>
<context>
    <name>Announcer</name>
    <message>
        <source>Announcements on</source>
        <translation>Meldingen aan</translation>
    </message>
    <message>
        <source>Announcements off</source>
        <translation>Meldingen uit</translation>
    </message>
    <message>
        <source>Round paused</source>
        <translation>Ronde gepauzeerd</translation>
    </message>
    <message>
        <source>Round resumed</source>
        <translation>Ronde gaat verder</translation>
    </message>
    <message>
        <source>Round started with no game time</source>
        <translation>Ronde gestart zonder speeltijd</translation>
    </message>
    <message>
        <source>%1-minute round started</source>
        <translation>Ronde van %1 minuten gestart</translation>
    </message>
    <message>
        <source>%1, %2 points</source>
        <translation>%1, %2 punten</translation>
    </message>
    <message>
        <source>%1, not a word</source>
        <translation>%1, geen woord</translation>
    </message>
    <message>
        <source>%1, hinted: no points</source>
        <translation>%1, met hint: geen punten</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) left</source>
        <translation>
            <numerusform>nog %n seconde</numerusform>
            <numerusform>nog %n seconden</numerusform>
        </translation>
    </message>
    <message>
        <source>Round over. Your score: %1</source>
        <translation>Ronde voorbij. Jouw score: %1</translation>
    </message>
    <message>
        <source>Round started with no game time, in %1</source>
        <translation>Ronde gestart zonder speeltijd, in het %1</translation>
    </message>
    <message>
        <source>%1-minute round started, in %2</source>
        <translation>Ronde van %1 minuten gestart, in het %2</translation>
    </message>
</context>
<context>
    <name>Awards</name>
    <message>
        <source>Found a with 7 letters or more!</source>
        <translation>Een woord van 7 letters of meer!</translation>
    </message>
    <message>
        <source>Found a word 5 letters or more!</source>
        <translation>Een woord van 5 letters of meer!</translation>
    </message>
    <message>
        <source>Used a Q!</source>
        <translation>Een Q gebruikt!</translation>
    </message>
    <message>
        <source>Used a Z!</source>
        <translation>Een Z gebruikt!</translation>
    </message>
    <message>
        <source>Massive score over 50!</source>
        <translation>Enorme score, meer dan 50!</translation>
    </message>
    <message>
        <source>Nice scored over 40!</source>
        <translation>Mooi, meer dan 40!</translation>
    </message>
    <message>
        <source>scored over 30!</source>
        <translation>meer dan 30 punten!</translation>
    </message>
</context>
<context>
    <name>Challenge</name>
    <message>
        <source>A challenge code is 17 letters and digits, like ABCD-EFGH-JKMN-PQRS-T.</source>
        <translation>Een uitdagingscode heeft 17 letters en cijfers, zoals ABCD-EFGH-JKMN-PQRS-T.</translation>
    </message>
    <message>
        <source>That challenge code has a mistake in it: check it against the one you were given.</source>
        <translation>Er zit een fout in die code: vergelijk hem met de code die je kreeg.</translation>
    </message>
    <message>
        <source>That challenge code holds no round of 1 to 10 minutes.</source>
        <translation>Die code bevat geen ronde van 1 tot 10 minuten.</translation>
    </message>
    <message>
        <source>A challenge code of a board in another language than English is 19 letters and digits, like ABCD-EFGH-JKMN-PQRS-TUV.</source>
        <translation>De code van een bord in een andere taal dan het Engels heeft 19 letters en cijfers, zoals ABCD-EFGH-JKMN-PQRS-TUV.</translation>
    </message>
    <message>
        <source>That challenge code names a language this version of the game does not know.</source>
        <translation>Die code noemt een taal die deze versie van het spel niet kent.</translation>
    </message>
    <message>
        <source>That challenge code holds no board of its language.</source>
        <translation>Die code bevat geen bord van zijn taal.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Go LEXORB: spell words on a board of letters against the clock.</source>
        <translation>Go LEXORB: maak woorden op een bord met letters, tegen de klok.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Deze hulp tonen en stoppen.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>De versie tonen en stoppen.</translation>
    </message>
    <message>
        <source>Join a room: [mqtt[s]://][USER@]HOST[:PORT]/ROOM, with --name.</source>
        <translation>Een kamer binnengaan: [mqtt[s]://][GEBRUIKER@]HOST[:POORT]/KAMER, met --name.</translation>
    </message>
    <message>
        <source>address</source>
        <translation>adres</translation>
    </message>
    <message>
        <source>Your name in the room (1 to 20 characters).</source>
        <translation>Je naam in de kamer (1 tot 20 tekens).</translation>
    </message>
    <message>
        <source>name</source>
        <translation>naam</translation>
    </message>
    <message>
        <source>Open the Play Together window.</source>
        <translation>Het venster ‘Samen spelen’ openen.</translation>
    </message>
    <message>
        <source>Play the board of a challenge code a friend gave you.</source>
        <translation>Het bord spelen van een uitdagingscode die je van iemand kreeg.</translation>
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
Probeer ‘%1 --help’ voor meer informatie.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>onverwacht argument ‘%1’.</translation>
    </message>
    <message>
        <source>--join and --name go together.</source>
        <translation>--join en --name horen bij elkaar.</translation>
    </message>
    <message>
        <source>--join %1: %2.</source>
        <translation>--join %1: %2.</translation>
    </message>
    <message>
        <source>--name: a name is 1 to 20 characters, no / + or #, no space at either end.</source>
        <translation>--name: een naam heeft 1 tot 20 tekens, geen / + of #, geen spatie aan het begin of eind.</translation>
    </message>
    <message>
        <source>--ui-language: no windows in &apos;%1&apos;; there are: %2.</source>
        <translation>--ui-language: geen vensters in ‘%1’; er zijn: %2.</translation>
    </message>
    <message>
        <source>no display to open the window on (%1 and %2 are not set); without a screen, run it under xvfb-run</source>
        <translation>geen scherm om het venster op te openen (%1 en %2 zijn niet ingesteld); zonder scherm start je het onder xvfb-run</translation>
    </message>
    <message>
        <source>no display to open the window on (%1 is not set); without a screen, run it under xvfb-run</source>
        <translation>geen scherm om het venster op te openen (%1 is niet ingesteld); zonder scherm start je het onder xvfb-run</translation>
    </message>
    <message>
        <source>The language of the windows (%1); otherwise the system&apos;s.</source>
        <translation>De taal van de vensters (%1); anders die van het systeem.</translation>
    </message>
    <message>
        <source>Play boards and words in this language for this run: %1.</source>
        <translation>Borden en woorden in deze taal spelen, voor deze keer: %1.</translation>
    </message>
    <message>
        <source>--challenge: %1</source>
        <translation>--challenge: %1</translation>
    </message>
    <message>
        <source>--language %1: not a board language; the codes are %2.</source>
        <translation>--language %1: geen taal voor borden; de codes zijn %2.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>%1 at row %2, column %3</source>
        <translation>%1 in rij %2, kolom %3</translation>
    </message>
    <message>
        <source>Common words: %1 of %2 found. All words: %3 of %4 found.</source>
        <translation>Gewone woorden: %1 van %2 gevonden. Alle woorden: %3 van %4 gevonden.</translation>
    </message>
    <message>
        <source>%1 letters: %2 of %3 common, %4 of %5 in all.</source>
        <translation>%1 letters: %2 van %3 gewone, %4 van %5 in totaal.</translation>
    </message>
    <message>
        <source>A start: %1, then %2.</source>
        <translation>Een begin: %1, dan %2.</translation>
    </message>
    <message>
        <source>Hints are given during a round.</source>
        <translation>Hints krijg je tijdens een ronde.</translation>
    </message>
    <message>
        <source>The round is paused.</source>
        <translation>De ronde is gepauzeerd.</translation>
    </message>
    <message>
        <source>This round allows no hints.</source>
        <translation>Deze ronde staat geen hints toe.</translation>
    </message>
    <message>
        <source>You have found every common word.</source>
        <translation>Je hebt alle gewone woorden gevonden.</translation>
    </message>
    <message>
        <source>No round yet: the counts show once a round starts.</source>
        <translation>Nog geen ronde: de aantallen verschijnen zodra een ronde begint.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 van %2</translation>
    </message>
    <message>
        <source>This round&apos;s board: the words you found of those it holds.</source>
        <translation>Het bord van deze ronde: de woorden die je vond van alle woorden erop.</translation>
    </message>
    <message>
        <source>The round is over: its board&apos;s words, as All Words counts them.</source>
        <translation>De ronde is voorbij: de woorden van het bord, geteld zoals in ‘Alle woorden’.</translation>
    </message>
    <message>
        <source>In all</source>
        <translation>Totaal</translation>
    </message>
    <message>
        <source>Lights the first two letters of a common word you have not found. That word then scores nothing, and the round sets no record.</source>
        <translation>Licht de eerste twee letters op van een gewoon woord dat je nog niet vond. Dat woord levert dan niets op, en de ronde zet geen record.</translation>
    </message>
</context>
<context>
    <name>Languages</name>
    <message>
        <source>tiles A to Z</source>
        <translation>stenen A tot Z</translation>
    </message>
    <message>
        <source>tiles A to Z, %1</source>
        <translation>stenen A tot Z, %1</translation>
    </message>
    <message>
        <source>, not installed</source>
        <translation>, niet geïnstalleerd</translation>
    </message>
    <message>
        <source>, playing now</source>
        <translation>, wordt nu gespeeld</translation>
    </message>
    <message>
        <source>Boards are in %1 now.</source>
        <translation>De borden zijn nu in het %1.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>The game&apos;s own word list.</source>
        <translation>De eigen woordenlijst van het spel.</translation>
    </message>
    <message>
        <source>Words from %1 (%2).</source>
        <translation>Woorden uit %1 (%2).</translation>
    </message>
    <message>
        <source>No block list: its words are all there.</source>
        <translation>Geen blokkeerlijst: al haar woorden staan erin.</translation>
    </message>
    <message>
        <source>Not installed. Its words come with %1:
%2</source>
        <translation>Niet geïnstalleerd. Haar woorden komen met %1:
%2</translation>
    </message>
    <message>
        <source>%1 needs its word list, which is not installed:
%2</source>
        <translation>%1 heeft zijn woordenlijst nodig, en die is niet geïnstalleerd:
%2</translation>
    </message>
    <message>
        <source>The words of %1 could not be read: %2</source>
        <translation>De woorden van %1 konden niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>That challenge is in %1, whose word list is not installed:
%2</source>
        <translation>Die uitdaging is in het %1, waarvan de woordenlijst niet geïnstalleerd is:
%2</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Engels</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>Catalaans</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Deens</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Duits</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spaans</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Frans</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiaans</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Nederlands</translation>
    </message>
    <message>
        <source>Norwegian Bokmål</source>
        <translation>Noors (Bokmål)</translation>
    </message>
    <message>
        <source>Norwegian Nynorsk</source>
        <translation>Noors (Nynorsk)</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Pools</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugees</translation>
    </message>
    <message>
        <source>Brazilian Portuguese</source>
        <translation>Braziliaans-Portugees</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Zweeds</translation>
    </message>
    <message>
        <source>The smallest list, about 106,000 words: rarer verb forms are missing.</source>
        <translation>De kleinste lijst, zo’n 106.000 woorden: zeldzamere werkwoordsvormen ontbreken.</translation>
    </message>
    <message>
        <source>About 113,000 words: compounds beyond the common ones are missing.</source>
        <translation>Zo’n 113.000 woorden: samenstellingen buiten de gangbare ontbreken.</translation>
    </message>
</context>
<context>
    <name>PlayTogether</name>
    <message>
        <source>No free port from %1 to %2.</source>
        <translation>Geen vrije poort van %1 tot %2.</translation>
    </message>
    <message>
        <source>As root, the broker runs as the user mosquitto or nobody, and this computer has neither.</source>
        <translation>Als root draait de broker als gebruiker mosquitto of nobody, en deze computer heeft geen van beide.</translation>
    </message>
    <message>
        <source>The broker&apos;s settings cannot be made: %1</source>
        <translation>De instellingen van de broker kunnen niet worden gemaakt: %1</translation>
    </message>
    <message>
        <source>%1 cannot be started: %2</source>
        <translation>%1 kan niet starten: %2</translation>
    </message>
    <message>
        <source>The broker stopped: %1</source>
        <translation>De broker is gestopt: %1</translation>
    </message>
    <message>
        <source>The broker did not start within 5 seconds: %1</source>
        <translation>De broker startte niet binnen 5 seconden: %1</translation>
    </message>
    <message>
        <source>Play a Challenge</source>
        <translation>Uitdaging spelen</translation>
    </message>
    <message>
        <source>The challenge code a friend gave you:</source>
        <translation>De uitdagingscode die je kreeg:</translation>
    </message>
    <message>
        <source>A round is under way: play the challenge when it is over.</source>
        <translation>Er loopt een ronde: speel de uitdaging als die voorbij is.</translation>
    </message>
    <message>
        <source>%1 (install the libmosquitto1 package)</source>
        <translation>%1 (installeer het pakket libmosquitto1)</translation>
    </message>
    <message>
        <source>%1 lacks the functions this game uses</source>
        <translation>%1 mist de functies die dit spel gebruikt</translation>
    </message>
    <message>
        <source>Not in a room: you play alone.</source>
        <translation>In geen kamer: je speelt alleen.</translation>
    </message>
    <message>
        <source>Hosting on port %1, but this computer is on no network friends could reach.</source>
        <translation>Host op poort %1, maar deze computer zit op geen netwerk dat vrienden kunnen bereiken.</translation>
    </message>
    <message>
        <source>Hosting. Friends on your network join with:
%1</source>
        <translation>Je bent host. Vrienden op je netwerk doen mee met:
%1</translation>
    </message>
    <message>
        <source>the network library could not make a client</source>
        <translation>de netwerkbibliotheek kon geen client maken</translation>
    </message>
    <message>
        <source>TLS cannot be set up: %1</source>
        <translation>TLS kan niet worden ingesteld: %1</translation>
    </message>
    <message>
        <source>Hosting needs Debian&apos;s MQTT broker: install the mosquitto package (sudo apt install mosquitto).</source>
        <translation>Hosten vraagt de MQTT-broker van Debian: installeer het pakket mosquitto (sudo apt install mosquitto).</translation>
    </message>
    <message>
        <source>%1 (you): playing</source>
        <translation>%1 (jij): speelt</translation>
    </message>
    <message>
        <source>%1: playing</source>
        <translation>%1: speelt</translation>
    </message>
    <message>
        <source>%1 (you): finished</source>
        <translation>%1 (jij): klaar</translation>
    </message>
    <message>
        <source>%1: finished</source>
        <translation>%1: klaar</translation>
    </message>
    <message>
        <source>%1 (you): watching</source>
        <translation>%1 (jij): kijkt</translation>
    </message>
    <message>
        <source>%1: watching</source>
        <translation>%1: kijkt</translation>
    </message>
    <message>
        <source>%1 (you): playing, %2 last round</source>
        <translation>%1 (jij): speelt, %2 in de vorige ronde</translation>
    </message>
    <message>
        <source>%1: playing, %2 last round</source>
        <translation>%1: speelt, %2 in de vorige ronde</translation>
    </message>
    <message>
        <source>%1 (you): finished, %2 last round</source>
        <translation>%1 (jij): klaar, %2 in de vorige ronde</translation>
    </message>
    <message>
        <source>%1: finished, %2 last round</source>
        <translation>%1: klaar, %2 in de vorige ronde</translation>
    </message>
    <message>
        <source>%1 (you): watching, %2 last round</source>
        <translation>%1 (jij): kijkt, %2 in de vorige ronde</translation>
    </message>
    <message>
        <source>%1: watching, %2 last round</source>
        <translation>%1: kijkt, %2 in de vorige ronde</translation>
    </message>
    <message>
        <source>Play again (waiting)</source>
        <translation>Nog eens (wacht)</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Nog eens</translation>
    </message>
    <message>
        <source>The address is on the clipboard: give it to your friends.</source>
        <translation>Het adres staat op het klembord: geef het aan je vrienden.</translation>
    </message>
    <message>
        <source>Hosting on port %1. Type a room&apos;s name to see the address to give friends.</source>
        <translation>Host op poort %1. Typ de naam van een kamer om het adres voor je vrienden te zien.</translation>
    </message>
    <message>
        <source>%1 (install the libsodium23 package)</source>
        <translation>%1 (installeer het pakket libsodium23)</translation>
    </message>
    <message>
        <source>%1 lacks the signing functions</source>
        <translation>%1 mist de functies om te ondertekenen</translation>
    </message>
    <message>
        <source>%1 could not start</source>
        <translation>%1 kon niet starten</translation>
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
        <translation>, met hints</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Beste</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Ronde</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minuut</numerusform>
            <numerusform>%n minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>Your scores in rounds of %1</source>
        <translation>Je scores in rondes van %1</translation>
    </message>
    <message>
        <source>No rounds of %1 recorded yet.</source>
        <translation>Nog geen rondes van %1 bewaard.</translation>
    </message>
    <message>
        <source>Best: %1 in round %2 of %3, on %4.</source>
        <translation>Beste: %1 in ronde %2 van %3, op %4.</translation>
    </message>
    <message>
        <source>No best yet: every round had hints.</source>
        <translation>Nog geen beste: elke ronde had hints.</translation>
    </message>
    <message>
        <source>Last round: %1 of %2 words found, with hints.</source>
        <translation>Laatste ronde: %1 van %2 woorden gevonden, met hints.</translation>
    </message>
    <message>
        <source>Last round: %1 of %2 words found.</source>
        <translation>Laatste ronde: %1 van %2 woorden gevonden.</translation>
    </message>
    <message>
        <source>Rounds without a game time are not recorded.</source>
        <translation>Rondes zonder speeltijd worden niet bewaard.</translation>
    </message>
    <message>
        <source>Your records could not be read or saved this time.</source>
        <translation>Je records konden deze keer niet worden gelezen of bewaard.</translation>
    </message>
    <message>
        <source>With hints: no record. No record yet for %1.</source>
        <translation>Met hints: geen record. Nog geen record voor %1.</translation>
    </message>
    <message>
        <source>No record yet for %1.</source>
        <translation>Nog geen record voor %1.</translation>
    </message>
    <message>
        <source>New record for %1: %2!</source>
        <translation>Nieuw record voor %1: %2!</translation>
    </message>
    <message>
        <source>With hints: no record. Record for %1: %2 on %3.</source>
        <translation>Met hints: geen record. Record voor %1: %2 op %3.</translation>
    </message>
    <message>
        <source>Record for %1: %2 on %3.</source>
        <translation>Record voor %1: %2 op %3.</translation>
    </message>
</context>
<context>
    <name>Room</name>
    <message>
        <source>%1-minute round</source>
        <translation>ronde van %1 minuten</translation>
    </message>
    <message>
        <source>The room sends more than can be shown: some lines are left out.</source>
        <translation>De kamer stuurt meer dan er getoond kan worden: sommige regels vallen weg.</translation>
    </message>
    <message>
        <source>%1 is here.</source>
        <translation>%1 is er.</translation>
    </message>
    <message>
        <source>%1 joined the room.</source>
        <translation>%1 kwam de kamer binnen.</translation>
    </message>
    <message>
        <source>%1 left the room.</source>
        <translation>%1 verliet de kamer.</translation>
    </message>
    <message>
        <source>Your %2 is under way (%3 left): you play the next one.</source>
        <translation>Je %2 loopt (nog %3): je speelt de volgende.</translation>
    </message>
    <message>
        <source>%1&apos;s %2 is under way (%3 left): you play the next one.</source>
        <translation>De %2 van %1 loopt (nog %3): je speelt de volgende.</translation>
    </message>
    <message>
        <source>You started a %2; yours is under way: you play the next one.</source>
        <translation>Je startte een %2; de jouwe loopt nog: je speelt de volgende.</translation>
    </message>
    <message>
        <source>%1 started a %2; yours is under way: you play the next one.</source>
        <translation>%1 startte een %2; de jouwe loopt nog: je speelt de volgende.</translation>
    </message>
    <message>
        <source>You started a %2.</source>
        <translation>Je startte een %2.</translation>
    </message>
    <message>
        <source>%1 started a %2.</source>
        <translation>%1 startte een %2.</translation>
    </message>
    <message>
        <source>You start a %1.</source>
        <translation>Je start een %1.</translation>
    </message>
    <message>
        <source>Standings (a word two or more found scores nothing in the room score):</source>
        <translation>Stand (een woord dat twee of meer spelers vonden, telt niet mee in de kamerscore):</translation>
    </message>
    <message numerus="yes">
        <source>%1. %2: score %3, room score %4, %n word(s) only %2 found</source>
        <translation>
            <numerusform>%1. %2: score %3, kamerscore %4, %n woord dat alleen %2 vond</numerusform>
            <numerusform>%1. %2: score %3, kamerscore %4, %n woorden die alleen %2 vond</numerusform>
        </translation>
    </message>
    <message>
        <source>A name is 1 to 20 characters, no / + or #, no space at either end, nothing invisible.</source>
        <translation>Een naam heeft 1 tot 20 tekens, geen / + of #, geen spatie aan het begin of eind, niets onzichtbaars.</translation>
    </message>
    <message>
        <source>Rooms need the MQTT library: %1</source>
        <translation>Kamers hebben de MQTT-bibliotheek nodig: %1</translation>
    </message>
    <message>
        <source>Joining room %1 on %2 as %3...</source>
        <translation>Kamer %1 op %2 binnengaan als %3...</translation>
    </message>
    <message>
        <source>In room %1 on %2 as %3.</source>
        <translation>In kamer %1 op %2 als %3.</translation>
    </message>
    <message>
        <source>In room %1 on %2 as %3 (not connected: trying again).</source>
        <translation>In kamer %1 op %2 als %3 (niet verbonden: opnieuw proberen).</translation>
    </message>
    <message>
        <source>Not connected: the line was not sent.</source>
        <translation>Niet verbonden: de regel is niet verstuurd.</translation>
    </message>
    <message>
        <source>Pick a Game Time first: a room&apos;s round lasts 1 to 10 minutes.</source>
        <translation>Kies eerst een speeltijd: een ronde in een kamer duurt 1 tot 10 minuten.</translation>
    </message>
    <message>
        <source>Not connected: the round cannot reach the room.</source>
        <translation>Niet verbonden: de ronde kan de kamer niet bereiken.</translation>
    </message>
    <message>
        <source>Connected to %1 again.</source>
        <translation>Weer verbonden met %1.</translation>
    </message>
    <message>
        <source>Lost the connection to %1: %2. Playing on alone; trying again.</source>
        <translation>Verbinding met %1 verloren: %2. Je speelt alleen verder; opnieuw proberen.</translation>
    </message>
    <message>
        <source>Cannot reach %1: %2. Playing on alone; trying again.</source>
        <translation>%1 is niet bereikbaar: %2. Je speelt alleen verder; opnieuw proberen.</translation>
    </message>
    <message>
        <source>Someone in this room already goes by %1: choose another name, then Join.</source>
        <translation>Iemand in deze kamer heet al %1: kies een andere naam en dan ‘Meedoen’.</translation>
    </message>
    <message>
        <source>The standings of a round in %1 need its word list (%2).</source>
        <translation>De stand van een ronde in het %1 vraagt de woordenlijst ervan (%2).</translation>
    </message>
    <message numerus="yes">
        <source>Scored by you from %n result(s).</source>
        <translation>
            <numerusform>Geteld door jou uit %n resultaat.</numerusform>
            <numerusform>Geteld door jou uit %n resultaten.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Scored by %1 from %n result(s).</source>
        <translation>
            <numerusform>Geteld door %1 uit %n resultaat.</numerusform>
            <numerusform>Geteld door %1 uit %n resultaten.</numerusform>
        </translation>
    </message>
    <message>
        <source>These standings are not what your words make (score %1, not %2; room score %3, not %4): the message was forged or broken on the way.</source>
        <translation>Deze stand klopt niet met je woorden (score %1, niet %2; kamerscore %3, niet %4): het bericht is vervalst of onderweg beschadigd.</translation>
    </message>
    <message>
        <source>%1 (unverified): %2</source>
        <translation>%1 (niet geverifieerd): %2</translation>
    </message>
    <message>
        <source>You started a %2 in %3.</source>
        <translation>Je startte een %2 in %3.</translation>
    </message>
    <message>
        <source>%1 started a %2 in %3.</source>
        <translation>%1 startte een %2 in %3.</translation>
    </message>
    <message>
        <source>You start a %1 in %2.</source>
        <translation>Je start een %1 in %2.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>%1 tie for the win on %2.</source>
        <translation>%1 winnen gelijk met %2.</translation>
    </message>
    <message>
        <source>%1 wins with %2.</source>
        <translation>%1 wint met %2.</translation>
    </message>
    <message>
        <source>%1 wins with %2; %3 comes next with %4.</source>
        <translation>%1 wint met %2; %3 volgt met %4.</translation>
    </message>
    <message>
        <source>%1 wins with %2; %3 tie on %4.</source>
        <translation>%1 wint met %2; %3 staan gelijk met %4.</translation>
    </message>
    <message>
        <source>%1 tie for the win on %2; %3 comes next with %4.</source>
        <translation>%1 winnen gelijk met %2; %3 volgt met %4.</translation>
    </message>
    <message>
        <source>%1 tie for the win on %2; %3 tie on %4.</source>
        <translation>%1 winnen gelijk met %2; %3 staan gelijk met %4.</translation>
    </message>
    <message>
        <source>No word was shared.</source>
        <translation>Geen woord werd door meer spelers gevonden.</translation>
    </message>
    <message>
        <source>Shared words, which score nothing in the room score: %1.</source>
        <translation>Gedeelde woorden, die niet meetellen in de kamerscore: %1.</translation>
    </message>
    <message>
        <source>Your lines go unsigned, and others&apos; are not checked: %1.</source>
        <translation>Je regels gaan zonder handtekening, en die van anderen worden niet gecontroleerd: %1.</translation>
    </message>
    <message>
        <source>That round is in %1, whose word list is not installed here (%2): you watch this one.</source>
        <translation>Die ronde is in %1, waarvan de woordenlijst hier niet geïnstalleerd is (%2): deze kijk je toe.</translation>
    </message>
    <message>
        <source>A shared round can&apos;t be paused: it goes on for everyone.</source>
        <translation>Een gedeelde ronde kan niet pauzeren: hij gaat door voor iedereen.</translation>
    </message>
    <message>
        <source>No round yet to play again: Start Game starts one.</source>
        <translation>Nog geen ronde om opnieuw te spelen: Start begint er een.</translation>
    </message>
    <message numerus="yes">
        <source>Play again: the next %n-minute round starts when every player has finished.</source>
        <translation>
            <numerusform>Nog eens: de volgende ronde van %n minuut begint als alle spelers klaar zijn.</numerusform>
            <numerusform>Nog eens: de volgende ronde van %n minuten begint als alle spelers klaar zijn.</numerusform>
        </translation>
    </message>
    <message>
        <source>A round is under way in the room: the next one starts when every player has finished it, or its time is up.</source>
        <translation>Er loopt een ronde in de kamer: de volgende begint als alle spelers hem uitgespeeld hebben of de tijd om is.</translation>
    </message>
    <message>
        <source>You joined room %1 on %2 as %3. Friends join with %4</source>
        <translation>Je bent kamer %1 op %2 binnengegaan als %3. Vrienden komen erbij met %4</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s) here already.</source>
        <translation>
            <numerusform>%n speler is er al.</numerusform>
            <numerusform>%n spelers zijn er al.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Shared words, which score nothing in the room score: %1; and %n more.</source>
        <translation>
            <numerusform>Gedeelde woorden, die niet meetellen in de kamerscore: %1; en nog %n.</numerusform>
            <numerusform>Gedeelde woorden, die niet meetellen in de kamerscore: %1; en nog %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>These standings leave out your words: the message was forged or broken on the way.</source>
        <translation>Deze stand laat je woorden weg: het bericht is vervalst of onderweg beschadigd.</translation>
    </message>
    <message numerus="yes">
        <source>...and %n more.</source>
        <translation>
            <numerusform>...en nog %n.</numerusform>
            <numerusform>...en nog %n.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RoomAddress</name>
    <message>
        <source>only mqtt:// and mqtts:// addresses are understood</source>
        <translation>alleen adressen met mqtt:// en mqtts:// worden begrepen</translation>
    </message>
    <message>
        <source>the room is missing: write the server, then / and the room</source>
        <translation>de kamer ontbreekt: schrijf de server, dan / en de kamer</translation>
    </message>
    <message>
        <source>a room&apos;s name is 1 to 40 letters, digits, - _ or .</source>
        <translation>een kamernaam heeft 1 tot 40 letters, cijfers, - _ of .</translation>
    </message>
    <message>
        <source>the password after the colon is at most 256 characters, none of them a control</source>
        <translation>het wachtwoord na de dubbele punt heeft hoogstens 256 tekens, geen stuurteken</translation>
    </message>
    <message>
        <source>the user name before @ is 1 to 64 printable characters, no spaces</source>
        <translation>de gebruikersnaam voor @ heeft 1 tot 64 afdrukbare tekens, geen spaties</translation>
    </message>
    <message>
        <source>an IPv6 address is written in brackets: [::1]</source>
        <translation>een IPv6-adres staat tussen blokhaken: [::1]</translation>
    </message>
    <message>
        <source>that is not an IPv6 address</source>
        <translation>dat is geen IPv6-adres</translation>
    </message>
    <message>
        <source>a port follows the address after a colon</source>
        <translation>een poort volgt het adres na een dubbele punt</translation>
    </message>
    <message>
        <source>the port is missing after the colon</source>
        <translation>de poort ontbreekt na de dubbele punt</translation>
    </message>
    <message>
        <source>the server&apos;s name is missing</source>
        <translation>de naam van de server ontbreekt</translation>
    </message>
    <message>
        <source>a server&apos;s name is made of letters, digits, - and .</source>
        <translation>een servernaam bestaat uit letters, cijfers, - en .</translation>
    </message>
    <message>
        <source>the port is a number from 1 to 65535</source>
        <translation>de poort is een getal van 1 tot 65535</translation>
    </message>
    <message>
        <source>the address names room %1 but Room says %2: empty the Room box, or make them agree</source>
        <translation>het adres noemt kamer %1 maar Kamer zegt %2: maak het vak Kamer leeg, of laat ze overeenkomen</translation>
    </message>
    <message>
        <source>the room is missing: type it into Room, or paste the whole address into Server</source>
        <translation>de kamer ontbreekt: typ hem bij Kamer, of plak het hele adres bij Server</translation>
    </message>
</context>
<context>
    <name>allwordsfrm</name>
    <message>
        <source>All Words</source>
        <translation>Alle woorden</translation>
    </message>
    <message>
        <source>All Words (yours in green):</source>
        <translation>Alle woorden (de jouwe in groen):</translation>
    </message>
    <message>
        <source>Pick a word, with the mouse or the arrow keys, for its path and meaning</source>
        <translation>Kies een woord, met de muis of de pijltjestoetsen, voor het pad en de betekenis</translation>
    </message>
    <message>
        <source>All words on the board</source>
        <translation>Alle woorden op het bord</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Pad:</translation>
    </message>
    <message>
        <source>Click a word to see its path on the board.</source>
        <translation>Klik op een woord om het pad op het bord te zien.</translation>
    </message>
    <message>
        <source>Meaning:</source>
        <translation>Betekenis:</translation>
    </message>
    <message>
        <source>What the word picked means, from WordNet</source>
        <translation>Wat het gekozen woord betekent, volgens WordNet</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Betekenis</translation>
    </message>
    <message>
        <source>Click a word to see what it means.</source>
        <translation>Klik op een woord om te zien wat het betekent.</translation>
    </message>
    <message>
        <source>A friend who types this code after Ctrl+O plays the same board</source>
        <translation>Wie deze code na Ctrl+O intypt, speelt hetzelfde bord</translation>
    </message>
    <message>
        <source>Copy the challenge code</source>
        <translation>De uitdagingscode kopiëren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Your scores over time for this game time (Ctrl+G)</source>
        <translation>Je scores door de tijd voor deze speeltijd (Ctrl+G)</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Voortgang</translation>
    </message>
</context>
<context>
    <name>helpfrm</name>
    <message>
        <source>Help</source>
        <translation>Hulp</translation>
    </message>
    <message>
        <source>Words found of the board&apos;s:</source>
        <translation>Gevonden van de woorden op het bord:</translation>
    </message>
    <message>
        <source>For each length: the words you found of those the board holds (F9 says them)</source>
        <translation>Per lengte: de woorden die je vond van alle woorden op het bord (F9 leest ze voor)</translation>
    </message>
    <message>
        <source>Words found by length</source>
        <translation>Gevonden woorden per lengte</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Letters</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Gewoon</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Light the first two letters of a common word you have not found (F10)</source>
        <translation>De eerste twee letters oplichten van een gewoon woord dat je nog niet vond (F10)</translation>
    </message>
    <message>
        <source>Show a start</source>
        <translation>Toon een begin</translation>
    </message>
    <message>
        <source>Rounds you start in a room let their players take hints; each hint costs only its taker</source>
        <translation>Rondes die je in een kamer start, laten hun spelers hints nemen; elke hint kost alleen wie hem neemt</translation>
    </message>
    <message>
        <source>Hints in room rounds I start</source>
        <translation>Hints in mijn kamerrondes</translation>
    </message>
</context>
<context>
    <name>howtoplayfrm</name>
    <message>
        <source>How to Play</source>
        <translation>Zo speel je</translation>
    </message>
    <message>
        <source>Arrow keys read on; Escape closes the window</source>
        <translation>Pijltjestoetsen lezen verder; Escape sluit het venster</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Zo speel je</translation>
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
        <translation>**Een ronde.** Kies naast *Speeltijd* een speeltijd van 1 tot 10 minuten en druk dan op *Start*. Maak woorden door letters aan te klikken die de vorige raken (horizontaal, verticaal of schuin; elke letter één keer per woord) of door ze te typen. *Voeg toe* controleert het woord: een woord van drie letters of meer dat in de woordenlijst staat, levert een punt per letter op. *Annuleer* laat het woord vallen. Als de tijd om is, of als je op *Stop* drukt, klik je op je score voor de uitslag.

**Toetsen**

- F2: Start
- een letter: voegt hem toe aan het woord
- Backspace: haalt de laatste letter weg
- Enter: Voeg toe
- Escape: Annuleer
- F3: Stop
- F4: de uitslag, zodra de score er staat
- F6 of Pause: pauzeert de ronde; de letters verdwijnen en de klok staat stil tot je de toets opnieuw indrukt of op het bord klikt
- F7: zet de gesproken meldingen voor schermlezers uit of aan
- Ctrl+H: Hulp, naast het bord; nog eens, om erheen te gaan
- F9: leest de aantallen van Hulp voor aan een schermlezer
- F10: Toon een begin (een hint)
- F1: dit venster
- Ctrl+L: de taal van borden en woorden, tussen rondes

In de uitslag drukt Ctrl+P af en opent F5 Alle woorden; daar opent Ctrl+G, of Tab naar *Voortgang* en Enter, de Voortgang.

**Alle woorden** toont elk woord dat op het bord lag, de langste eerst, de jouwe in groen (‘door jou gevonden’ voor een schermlezer), met jouw deel van de mogelijke punten en je record voor de speeltijd. Kies een woord om het pad op het bord en de betekenis te zien.

**Hulp** telt per woordlengte de woorden die je vond van alle woorden op het bord, gewone en in totaal. *Toon een begin* laat de eerste twee letters van een gewoon woord dat je nog niet vond oplichten met de rode lijn, tot je weer een letter aanklikt of typt; dat woord levert dan niets op, de uitslag markeert het als hint en de ronde zet geen record.

**Voortgang** tekent je scores in de rondes van één speeltijd, je beste in rood, en zet de rondes onder de grafiek: ronde, datum en score.

**Talen.** Behalve in het Engels kunnen borden en woorden in het Catalaans, Deens, Nederlands, Frans, Duits, Italiaans, Noors, Pools, Portugees, Spaans of Zweeds zijn, zodra de woordenlijst van die taal geïnstalleerd is: het venster *Taal* zegt welk pakket hem brengt. Het bord heeft dan de eigen letters van de taal (Ä, Ñ, Å…), die je typt zoals ze zijn; andere accenten vallen terug op hun letter (typ é voor E). Betekenissen zijn er alleen in het Engels.

Een schermlezer hoort de ronde: het begin (en de taal, als die niet Engels is), elk toegevoegd woord, de laatste seconden en je score; F9 en F10 lezen de aantallen van Hulp en een begin voor.</translation>
    </message>
</context>
<context>
    <name>languagefrm</name>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Boards and words in:</source>
        <translation>Borden en woorden in:</translation>
    </message>
    <message>
        <source>Pick a language with the mouse or the arrow keys; Return or a double-click plays it</source>
        <translation>Kies een taal met de muis of de pijltjestoetsen; Enter of dubbelklikken speelt haar</translation>
    </message>
    <message>
        <source>Board languages</source>
        <translation>Talen van de borden</translation>
    </message>
    <message>
        <source>Play boards and words in this language from the next round on (Return)</source>
        <translation>Vanaf de volgende ronde borden en woorden in deze taal spelen (Enter)</translation>
    </message>
    <message>
        <source>Play it</source>
        <translation>Speel</translation>
    </message>
    <message>
        <source>Copy the line that installs its word list</source>
        <translation>De regel kopiëren die haar woordenlijst installeert</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
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
        <translation>Een woordspel van de makers van Go LEXORB</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Laden...</translation>
    </message>
</context>
<context>
    <name>mainfrm</name>
    <message>
        <source>A round needs a length: pick its minutes here (arrow keys)</source>
        <translation>Een ronde heeft een lengte nodig: kies hier de minuten (pijltjestoetsen)</translation>
    </message>
    <message>
        <source>Game time in minutes</source>
        <translation>Speeltijd in minuten</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Chatbericht</translation>
    </message>
    <message>
        <source>Your words</source>
        <translation>Jouw woorden</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Search the word list</source>
        <translation>Zoeken in de woordenlijst</translation>
    </message>
    <message>
        <source>End the round now (F3)</source>
        <translation>De ronde nu beëindigen (F3)</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Show the results (F4)</source>
        <translation>De uitslag tonen (F4)</translation>
    </message>
    <message>
        <source>Your Score:</source>
        <translation>Jouw score:</translation>
    </message>
    <message>
        <source>Make the window taller, with the chat area</source>
        <translation>Het venster hoger maken, met het chatgedeelte</translation>
    </message>
    <message>
        <source>multiplayer</source>
        <translation>multiplayer</translation>
    </message>
    <message>
        <source>Make the window its normal height</source>
        <translation>Het venster weer normaal hoog maken</translation>
    </message>
    <message>
        <source>1 player</source>
        <translation>1 speler</translation>
    </message>
    <message>
        <source>Start a round (F2)</source>
        <translation>Een ronde starten (F2)</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Seconds Left</source>
        <translation>Seconden</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Game Time:</source>
        <translation>Speeltijd:</translation>
    </message>
    <message>
        <source>Your Word Here</source>
        <translation>Jouw woord hier</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Verstuur</translation>
    </message>
    <message>
        <source>Add the word (Return)</source>
        <translation>Het woord toevoegen (Enter)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Voeg toe</translation>
    </message>
    <message>
        <source>Drop the word (Escape)</source>
        <translation>Het woord laten vallen (Escape)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleer</translation>
    </message>
    <message>
        <source>Calculating Score...</source>
        <translation>Score berekenen...</translation>
    </message>
    <message>
        <source>Your Score: %1</source>
        <translation>Jouw score: %1</translation>
    </message>
    <message>
        <source>The embedded word list could not be read: %1</source>
        <translation>De ingebouwde woordenlijst kon niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>The word list could not be written to a temporary file: %1</source>
        <translation>De woordenlijst kon niet naar een tijdelijk bestand worden geschreven: %1</translation>
    </message>
    <message>
        <source>Loaded 1/2</source>
        <translation>Geladen 1/2</translation>
    </message>
    <message>
        <source>The word list could not be loaded: %1</source>
        <translation>De woordenlijst kon niet worden geladen: %1</translation>
    </message>
    <message>
        <source>You have already entered that word!</source>
        <translation>Dat woord heb je al ingevoerd!</translation>
    </message>
    <message>
        <source>Words must be bigger than 2 letters!</source>
        <translation>Woorden moeten meer dan 2 letters hebben!</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, rij %2, kolom %3</translation>
    </message>
    <message numerus="yes">
        <source>You host this room: closing the game ends it, and leaves %n player(s) without a room. Close anyway?</source>
        <translation>
            <numerusform>Jij host deze kamer: het spel sluiten beëindigt hem, en laat %n speler zonder kamer. Toch sluiten?</numerusform>
            <numerusform>Jij host deze kamer: het spel sluiten beëindigt hem, en laat %n spelers zonder kamer. Toch sluiten?</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1: %2.</source>
        <translation>Rij %1: %2.</translation>
    </message>
    <message>
        <source>No board: a round is not under way.</source>
        <translation>Geen bord: er loopt geen ronde.</translation>
    </message>
</context>
<context>
    <name>playtogetherfrm</name>
    <message>
        <source>Play Together</source>
        <translation>Samen spelen</translation>
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
        <translation>Kamer:</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Kamer</translation>
    </message>
    <message>
        <source>family</source>
        <translation>familie</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Je naam:</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Je naam</translation>
    </message>
    <message>
        <source>Password, if the server asks for one:</source>
        <translation>Wachtwoord, als de server erom vraagt:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>Join the room (Return)</source>
        <translation>De kamer binnengaan (Enter)</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Meedoen</translation>
    </message>
    <message>
        <source>Leave the room and play alone</source>
        <translation>De kamer verlaten en alleen spelen</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Verlaten</translation>
    </message>
    <message>
        <source>Run a server on this computer for friends on your network</source>
        <translation>Een server op deze computer draaien voor vrienden op je netwerk</translation>
    </message>
    <message>
        <source>Host on this computer</source>
        <translation>Host op deze computer</translation>
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
        <translation>Wie is er:</translation>
    </message>
    <message>
        <source>Who is here</source>
        <translation>Wie is er</translation>
    </message>
    <message>
        <source>Friends join with:</source>
        <translation>Vrienden komen erbij met:</translation>
    </message>
    <message>
        <source>Address to give friends</source>
        <translation>Adres voor vrienden</translation>
    </message>
    <message>
        <source>Copy the address to the clipboard</source>
        <translation>Het adres naar het klembord kopiëren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>A round of the same length, started when every player has finished</source>
        <translation>Een ronde van dezelfde lengte, gestart als alle spelers klaar zijn</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Nog eens</translation>
    </message>
</context>
<context>
    <name>progressfrm</name>
    <message>
        <source>Progress</source>
        <translation>Voortgang</translation>
    </message>
    <message>
        <source>Your score in each round, your best in red</source>
        <translation>Je score in elke ronde, je beste in rood</translation>
    </message>
    <message>
        <source>Scores chart</source>
        <translation>Scoregrafiek</translation>
    </message>
    <message>
        <source>The table below holds the same rounds</source>
        <translation>De tabel hieronder bevat dezelfde rondes</translation>
    </message>
    <message>
        <source>Each round of this game time: its number, date and score</source>
        <translation>Elke ronde van deze speeltijd: nummer, datum en score</translation>
    </message>
    <message>
        <source>Your rounds</source>
        <translation>Jouw rondes</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Ronde</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
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
        <translation>Uitslag</translation>
    </message>
    <message>
        <source>Awards</source>
        <translation>Prijzen</translation>
    </message>
    <message>
        <source>Rejected words</source>
        <translation>Afgewezen woorden</translation>
    </message>
    <message>
        <source>Accepted words</source>
        <translation>Goedgekeurde woorden</translation>
    </message>
    <message>
        <source>Print the results (Ctrl+P)</source>
        <translation>De uitslag afdrukken (Ctrl+P)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Puzzle:</source>
        <translation>Bord:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Score:</translation>
    </message>
    <message>
        <source>Awards:</source>
        <translation>Prijzen:</translation>
    </message>
    <message>
        <source>Longest Word:</source>
        <translation>Langste woord:</translation>
    </message>
    <message>
        <source>Letter Most Used:</source>
        <translation>Meest gebruikt:</translation>
    </message>
    <message>
        <source>Rejected Words:</source>
        <translation>Afgewezen:</translation>
    </message>
    <message>
        <source>Accepted Words:</source>
        <translation>Goedgekeurd:</translation>
    </message>
    <message>
        <source> (hinted)</source>
        <translation> (hint)</translation>
    </message>
    <message>
        <source>The results below are to show how well you did Go LEXORB</source>
        <translation>De uitslag hieronder laat zien hoe goed je Go LEXORB speelde</translation>
    </message>
    <message>
        <source>Every word this board held (F5)</source>
        <translation>Elk woord op dit bord (F5)</translation>
    </message>
    <message>
        <source>No printer is available, so the results were not printed.</source>
        <translation>Er is geen printer beschikbaar, dus de uitslag is niet afgedrukt.</translation>
    </message>
    <message>
        <source>Go LEXORB results</source>
        <translation>Uitslag van Go LEXORB</translation>
    </message>
    <message>
        <source>The results could not be printed on %1.</source>
        <translation>De uitslag kon niet worden afgedrukt op %1.</translation>
    </message>
</context>
</TS>
