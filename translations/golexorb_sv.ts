<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv" sourcelanguage="en">
<context>
    <name>AllWords</name>
    <message>
        <source>You found %1 of %2 points</source>
        <translation>Du hittade %1 av %2 poäng</translation>
    </message>
    <message>
        <source>Common words: %1 of %2 points</source>
        <translation>Vanliga ord: %1 av %2 poäng</translation>
    </message>
    <message>
        <source>A rare word: not in a medium-sized English dictionary.</source>
        <translation>Ett ovanligt ord: det finns inte i en medelstor engelsk ordbok.</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>den går inte att läsa: %1</translation>
    </message>
    <message>
        <source>it is not a library</source>
        <translation>den är inget bibliotek</translation>
    </message>
    <message>
        <source>it is not a library for this computer</source>
        <translation>den är inget bibliotek för den här datorn</translation>
    </message>
    <message>
        <source>it is cut short: %1 bytes</source>
        <translation>den är avkortad: %1 byte</translation>
    </message>
    <message>
        <source>the module %1 is damaged (%2)</source>
        <translation>modulen %1 är skadad (%2)</translation>
    </message>
    <message>
        <source>the module %1 lacks its entry point golexorb_progress_window</source>
        <translation>modulen %1 saknar sin ingångspunkt golexorb_progress_window</translation>
    </message>
    <message>
        <source>golexorb-progress.so is not installed</source>
        <translation>golexorb-progress.so är inte installerad</translation>
    </message>
    <message>
        <source>Only words of letters a to z can be looked up.</source>
        <translation>Bara ord av bokstäverna a till z kan slås upp.</translation>
    </message>
    <message>
        <source>Definitions need WordNet, which is not installed. Install it with
    sudo apt install %1
and start the game again.</source>
        <translation>Betydelser kräver WordNet, som inte är installerat. Installera det med
    sudo apt install %1
och starta spelet igen.</translation>
    </message>
    <message>
        <source>The WordNet library could not be loaded: %1. Install it again with
    sudo apt install --reinstall %2
and start the game again.</source>
        <translation>WordNet-biblioteket kunde inte laddas: %1. Installera om det med
    sudo apt install --reinstall %2
och starta spelet igen.</translation>
    </message>
    <message>
        <source>The WordNet database could not be read: %1.</source>
        <translation>WordNet-databasen kunde inte läsas: %1.</translation>
    </message>
    <message>
        <source>No definition of &quot;%1&quot; in WordNet.</source>
        <translation>WordNet har ingen betydelse för ”%1”.</translation>
    </message>
    <message>
        <source> (hinted)</source>
        <translation> (ledtråd)</translation>
    </message>
    <message>
        <source>, found by you</source>
        <translation>, hittat av dig</translation>
    </message>
    <message>
        <source>, rare</source>
        <translation>, ovanligt</translation>
    </message>
    <message>
        <source>Code: %1</source>
        <translation>Kod: %1</translation>
    </message>
    <message>
        <source>The progress chart cannot be shown: %1.</source>
        <translation>Utvecklingsdiagrammet kan inte visas: %1.</translation>
    </message>
    <message>
        <source> It needs Qt Charts (sudo apt install libqt6charts6).</source>
        <translation> Det kräver Qt Charts (sudo apt install libqt6charts6).</translation>
    </message>
    <message>
        <source>Rare words</source>
        <translation>Ovanliga ord</translation>
    </message>
    <message>
        <source>All words in one list: no word frequencies</source>
        <translation>Alla ord i en lista: inga ordfrekvenser</translation>
    </message>
    <message>
        <source>Meanings come from WordNet, in English only: there are none for %1 words.</source>
        <translation>Betydelser kommer från WordNet, bara på engelska: för ord på %1 finns inga.</translation>
    </message>
</context>
<context>
    <name>Announcer</name>
    <message>
        <source>Announcements on</source>
        <translation>Uppläsning på</translation>
    </message>
    <message>
        <source>Announcements off</source>
        <translation>Uppläsning av</translation>
    </message>
    <message>
        <source>Round paused</source>
        <translation>Omgången pausad</translation>
    </message>
    <message>
        <source>Round resumed</source>
        <translation>Omgången fortsätter</translation>
    </message>
    <message>
        <source>Round started with no game time</source>
        <translation>Omgång startad utan speltid</translation>
    </message>
    <message>
        <source>%1-minute round started</source>
        <translation>Omgång på %1 minuter startad</translation>
    </message>
    <message>
        <source>%1, %2 points</source>
        <translation>%1, %2 poäng</translation>
    </message>
    <message>
        <source>%1, not a word</source>
        <translation>%1, inget ord</translation>
    </message>
    <message>
        <source>%1, hinted: no points</source>
        <translation>%1, med ledtråd: inga poäng</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) left</source>
        <translation>
            <numerusform>%n sekund kvar</numerusform>
            <numerusform>%n sekunder kvar</numerusform>
        </translation>
    </message>
    <message>
        <source>Round over. Your score: %1</source>
        <translation>Omgången är slut. Dina poäng: %1</translation>
    </message>
    <message>
        <source>Round started with no game time, in %1</source>
        <translation>Omgång startad utan speltid, på %1</translation>
    </message>
    <message>
        <source>%1-minute round started, in %2</source>
        <translation>Omgång på %1 minuter startad, på %2</translation>
    </message>
</context>
<context>
    <name>Awards</name>
    <message>
        <source>Found a with 7 letters or more!</source>
        <translation>Ett ord på 7 bokstäver eller fler!</translation>
    </message>
    <message>
        <source>Found a word 5 letters or more!</source>
        <translation>Ett ord på 5 bokstäver eller fler!</translation>
    </message>
    <message>
        <source>Used a Q!</source>
        <translation>Använde ett Q!</translation>
    </message>
    <message>
        <source>Used a Z!</source>
        <translation>Använde ett Z!</translation>
    </message>
    <message>
        <source>Massive score over 50!</source>
        <translation>Jättepoäng, över 50!</translation>
    </message>
    <message>
        <source>Nice scored over 40!</source>
        <translation>Snyggt, över 40!</translation>
    </message>
    <message>
        <source>scored over 30!</source>
        <translation>över 30 poäng!</translation>
    </message>
</context>
<context>
    <name>Challenge</name>
    <message>
        <source>A challenge code is 17 letters and digits, like ABCD-EFGH-JKMN-PQRS-T.</source>
        <translation>En utmaningskod är 17 bokstäver och siffror, som ABCD-EFGH-JKMN-PQRS-T.</translation>
    </message>
    <message>
        <source>That challenge code has a mistake in it: check it against the one you were given.</source>
        <translation>Den koden innehåller ett fel: jämför den med den du fick.</translation>
    </message>
    <message>
        <source>That challenge code holds no round of 1 to 10 minutes.</source>
        <translation>Den koden innehåller ingen omgång på 1 till 10 minuter.</translation>
    </message>
    <message>
        <source>A challenge code of a board in another language than English is 19 letters and digits, like ABCD-EFGH-JKMN-PQRS-TUV.</source>
        <translation>Koden för en bricka på ett annat språk än engelska är 19 bokstäver och siffror, som ABCD-EFGH-JKMN-PQRS-TUV.</translation>
    </message>
    <message>
        <source>That challenge code names a language this version of the game does not know.</source>
        <translation>Den koden anger ett språk som den här versionen av spelet inte känner.</translation>
    </message>
    <message>
        <source>That challenge code holds no board of its language.</source>
        <translation>Den koden innehåller ingen bricka på sitt språk.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Go LEXORB: spell words on a board of letters against the clock.</source>
        <translation>Go LEXORB: bilda ord på en bokstavsbricka mot klockan.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Visa den här hjälpen och avsluta.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Visa versionen och avsluta.</translation>
    </message>
    <message>
        <source>Join a room: [mqtt[s]://][USER@]HOST[:PORT]/ROOM, with --name.</source>
        <translation>Gå med i ett rum: [mqtt[s]://][ANVÄNDARE@]VÄRD[:PORT]/RUM, med --name.</translation>
    </message>
    <message>
        <source>address</source>
        <translation>adress</translation>
    </message>
    <message>
        <source>Your name in the room (1 to 20 characters).</source>
        <translation>Ditt namn i rummet (1 till 20 tecken).</translation>
    </message>
    <message>
        <source>name</source>
        <translation>namn</translation>
    </message>
    <message>
        <source>Open the Play Together window.</source>
        <translation>Öppna fönstret ”Spela tillsammans”.</translation>
    </message>
    <message>
        <source>Play the board of a challenge code a friend gave you.</source>
        <translation>Spela brickan i en utmaningskod som en vän gav dig.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>kod</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
Prova ”%1 --help” för mer information.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>oväntat argument ”%1”.</translation>
    </message>
    <message>
        <source>--join and --name go together.</source>
        <translation>--join och --name hör ihop.</translation>
    </message>
    <message>
        <source>--join %1: %2.</source>
        <translation>--join %1: %2.</translation>
    </message>
    <message>
        <source>--name: a name is 1 to 20 characters, no / + or #, no space at either end.</source>
        <translation>--name: ett namn är 1 till 20 tecken, inget / + eller #, inget mellanslag i början eller slutet.</translation>
    </message>
    <message>
        <source>--ui-language: no windows in &apos;%1&apos;; there are: %2.</source>
        <translation>--ui-language: inga fönster på ”%1”; det finns: %2.</translation>
    </message>
    <message>
        <source>no display to open the window on (%1 and %2 are not set); without a screen, run it under xvfb-run</source>
        <translation>ingen skärm att öppna fönstret på (%1 och %2 är inte satta); utan skärm, kör det med xvfb-run</translation>
    </message>
    <message>
        <source>no display to open the window on (%1 is not set); without a screen, run it under xvfb-run</source>
        <translation>ingen skärm att öppna fönstret på (%1 är inte satt); utan skärm, kör det med xvfb-run</translation>
    </message>
    <message>
        <source>The language of the windows (%1); otherwise the system&apos;s.</source>
        <translation>Fönstrens språk (%1); annars systemets.</translation>
    </message>
    <message>
        <source>Play boards and words in this language for this run: %1.</source>
        <translation>Spela brickor och ord på det här språket den här gången: %1.</translation>
    </message>
    <message>
        <source>--challenge: %1</source>
        <translation>--challenge: %1</translation>
    </message>
    <message>
        <source>--language %1: not a board language; the codes are %2.</source>
        <translation>--language %1: inget brickspråk; koderna är %2.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>%1 at row %2, column %3</source>
        <translation>%1 i rad %2, kolumn %3</translation>
    </message>
    <message>
        <source>Common words: %1 of %2 found. All words: %3 of %4 found.</source>
        <translation>Vanliga ord: %1 av %2 hittade. Alla ord: %3 av %4 hittade.</translation>
    </message>
    <message>
        <source>%1 letters: %2 of %3 common, %4 of %5 in all.</source>
        <translation>%1 bokstäver: %2 av %3 vanliga, %4 av %5 totalt.</translation>
    </message>
    <message>
        <source>A start: %1, then %2.</source>
        <translation>En början: %1, sedan %2.</translation>
    </message>
    <message>
        <source>Hints are given during a round.</source>
        <translation>Ledtrådar ges under en omgång.</translation>
    </message>
    <message>
        <source>The round is paused.</source>
        <translation>Omgången är pausad.</translation>
    </message>
    <message>
        <source>This round allows no hints.</source>
        <translation>Den här omgången tillåter inga ledtrådar.</translation>
    </message>
    <message>
        <source>You have found every common word.</source>
        <translation>Du har hittat alla vanliga ord.</translation>
    </message>
    <message>
        <source>No round yet: the counts show once a round starts.</source>
        <translation>Ingen omgång än: siffrorna visas när en omgång börjar.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 av %2</translation>
    </message>
    <message>
        <source>This round&apos;s board: the words you found of those it holds.</source>
        <translation>Den här omgångens bricka: orden du hittat av dem som finns på den.</translation>
    </message>
    <message>
        <source>The round is over: its board&apos;s words, as All Words counts them.</source>
        <translation>Omgången är slut: brickans ord, räknade som i ”Alla ord”.</translation>
    </message>
    <message>
        <source>In all</source>
        <translation>Totalt</translation>
    </message>
    <message>
        <source>Lights the first two letters of a common word you have not found. That word then scores nothing, and the round sets no record.</source>
        <translation>Tänder de två första bokstäverna i ett vanligt ord du inte har hittat. Ordet ger då inga poäng, och omgången sätter inget rekord.</translation>
    </message>
</context>
<context>
    <name>Languages</name>
    <message>
        <source>tiles A to Z</source>
        <translation>brickor A till Z</translation>
    </message>
    <message>
        <source>tiles A to Z, %1</source>
        <translation>brickor A till Z, %1</translation>
    </message>
    <message>
        <source>, not installed</source>
        <translation>, inte installerat</translation>
    </message>
    <message>
        <source>, playing now</source>
        <translation>, spelas nu</translation>
    </message>
    <message>
        <source>Boards are in %1 now.</source>
        <translation>Brickorna är nu på %1.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>The game&apos;s own word list.</source>
        <translation>Spelets egen ordlista.</translation>
    </message>
    <message>
        <source>Words from %1 (%2).</source>
        <translation>Ord från %1 (%2).</translation>
    </message>
    <message>
        <source>No block list: its words are all there.</source>
        <translation>Ingen spärrlista: alla dess ord finns med.</translation>
    </message>
    <message>
        <source>Not installed. Its words come with %1:
%2</source>
        <translation>Inte installerat. Orden kommer med %1:
%2</translation>
    </message>
    <message>
        <source>%1 needs its word list, which is not installed:
%2</source>
        <translation>%1 behöver sin ordlista, som inte är installerad:
%2</translation>
    </message>
    <message>
        <source>The words of %1 could not be read: %2</source>
        <translation>Orden för %1 kunde inte läsas: %2</translation>
    </message>
    <message>
        <source>That challenge is in %1, whose word list is not installed:
%2</source>
        <translation>Den utmaningen är på %1, vars ordlista inte är installerad:
%2</translation>
    </message>
    <message>
        <source>English</source>
        <translation>engelska</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>katalanska</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>danska</translation>
    </message>
    <message>
        <source>German</source>
        <translation>tyska</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>spanska</translation>
    </message>
    <message>
        <source>French</source>
        <translation>franska</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>italienska</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>nederländska</translation>
    </message>
    <message>
        <source>Norwegian Bokmål</source>
        <translation>norska (bokmål)</translation>
    </message>
    <message>
        <source>Norwegian Nynorsk</source>
        <translation>norska (nynorska)</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>polska</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>portugisiska</translation>
    </message>
    <message>
        <source>Brazilian Portuguese</source>
        <translation>brasiliansk portugisiska</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>svenska</translation>
    </message>
    <message>
        <source>The smallest list, about 106,000 words: rarer verb forms are missing.</source>
        <translation>Den minsta listan, omkring 106 000 ord: ovanligare verbformer saknas.</translation>
    </message>
    <message>
        <source>About 113,000 words: compounds beyond the common ones are missing.</source>
        <translation>Omkring 113 000 ord: sammansättningar utöver de vanliga saknas.</translation>
    </message>
</context>
<context>
    <name>PlayTogether</name>
    <message>
        <source>No free port from %1 to %2.</source>
        <translation>Ingen ledig port från %1 till %2.</translation>
    </message>
    <message>
        <source>As root, the broker runs as the user mosquitto or nobody, and this computer has neither.</source>
        <translation>Som root körs brokern som användaren mosquitto eller nobody, och den här datorn har ingen av dem.</translation>
    </message>
    <message>
        <source>The broker&apos;s settings cannot be made: %1</source>
        <translation>Brokerns inställningar kan inte skapas: %1</translation>
    </message>
    <message>
        <source>%1 cannot be started: %2</source>
        <translation>%1 kan inte startas: %2</translation>
    </message>
    <message>
        <source>The broker stopped: %1</source>
        <translation>Brokern stannade: %1</translation>
    </message>
    <message>
        <source>The broker did not start within 5 seconds: %1</source>
        <translation>Brokern startade inte inom 5 sekunder: %1</translation>
    </message>
    <message>
        <source>Play a Challenge</source>
        <translation>Spela en utmaning</translation>
    </message>
    <message>
        <source>The challenge code a friend gave you:</source>
        <translation>Utmaningskoden du fick av en vän:</translation>
    </message>
    <message>
        <source>A round is under way: play the challenge when it is over.</source>
        <translation>En omgång pågår: spela utmaningen när den är slut.</translation>
    </message>
    <message>
        <source>%1 (install the libmosquitto1 package)</source>
        <translation>%1 (installera paketet libmosquitto1)</translation>
    </message>
    <message>
        <source>%1 lacks the functions this game uses</source>
        <translation>%1 saknar funktionerna som spelet använder</translation>
    </message>
    <message>
        <source>Not in a room: you play alone.</source>
        <translation>Inte i något rum: du spelar ensam.</translation>
    </message>
    <message>
        <source>Hosting on port %1, but this computer is on no network friends could reach.</source>
        <translation>Värd på port %1, men den här datorn är inte på något nätverk som vänner når.</translation>
    </message>
    <message>
        <source>Hosting. Friends on your network join with:
%1</source>
        <translation>Du är värd. Vänner på ditt nätverk går med via:
%1</translation>
    </message>
    <message>
        <source>the network library could not make a client</source>
        <translation>nätverksbiblioteket kunde inte skapa en klient</translation>
    </message>
    <message>
        <source>TLS cannot be set up: %1</source>
        <translation>TLS kan inte ställas in: %1</translation>
    </message>
    <message>
        <source>Hosting needs Debian&apos;s MQTT broker: install the mosquitto package (sudo apt install mosquitto).</source>
        <translation>För att vara värd behövs Debians MQTT-broker: installera paketet mosquitto (sudo apt install mosquitto).</translation>
    </message>
    <message>
        <source>%1 (you): playing</source>
        <translation>%1 (du): spelar</translation>
    </message>
    <message>
        <source>%1: playing</source>
        <translation>%1: spelar</translation>
    </message>
    <message>
        <source>%1 (you): finished</source>
        <translation>%1 (du): klar</translation>
    </message>
    <message>
        <source>%1: finished</source>
        <translation>%1: klar</translation>
    </message>
    <message>
        <source>%1 (you): watching</source>
        <translation>%1 (du): tittar</translation>
    </message>
    <message>
        <source>%1: watching</source>
        <translation>%1: tittar</translation>
    </message>
    <message>
        <source>%1 (you): playing, %2 last round</source>
        <translation>%1 (du): spelar, %2 förra omgången</translation>
    </message>
    <message>
        <source>%1: playing, %2 last round</source>
        <translation>%1: spelar, %2 förra omgången</translation>
    </message>
    <message>
        <source>%1 (you): finished, %2 last round</source>
        <translation>%1 (du): klar, %2 förra omgången</translation>
    </message>
    <message>
        <source>%1: finished, %2 last round</source>
        <translation>%1: klar, %2 förra omgången</translation>
    </message>
    <message>
        <source>%1 (you): watching, %2 last round</source>
        <translation>%1 (du): tittar, %2 förra omgången</translation>
    </message>
    <message>
        <source>%1: watching, %2 last round</source>
        <translation>%1: tittar, %2 förra omgången</translation>
    </message>
    <message>
        <source>Play again (waiting)</source>
        <translation>Igen (väntar)</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Spela igen</translation>
    </message>
    <message>
        <source>The address is on the clipboard: give it to your friends.</source>
        <translation>Adressen finns i urklipp: ge den till dina vänner.</translation>
    </message>
    <message>
        <source>Hosting on port %1. Type a room&apos;s name to see the address to give friends.</source>
        <translation>Värd på port %1. Skriv ett rums namn för att se adressen att ge vänner.</translation>
    </message>
    <message>
        <source>%1 (install the libsodium23 package)</source>
        <translation>%1 (installera paketet libsodium23)</translation>
    </message>
    <message>
        <source>%1 lacks the signing functions</source>
        <translation>%1 saknar funktionerna för signering</translation>
    </message>
    <message>
        <source>%1 could not start</source>
        <translation>%1 kunde inte starta</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>, best</source>
        <translation>, bäst</translation>
    </message>
    <message>
        <source>, with hints</source>
        <translation>, med ledtrådar</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Poäng</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Bäst</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Omgång</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minut</numerusform>
            <numerusform>%n minuter</numerusform>
        </translation>
    </message>
    <message>
        <source>Your scores in rounds of %1</source>
        <translation>Dina poäng i omgångar på %1</translation>
    </message>
    <message>
        <source>No rounds of %1 recorded yet.</source>
        <translation>Inga omgångar på %1 sparade än.</translation>
    </message>
    <message>
        <source>Best: %1 in round %2 of %3, on %4.</source>
        <translation>Bäst: %1 i omgång %2 av %3, den %4.</translation>
    </message>
    <message>
        <source>No best yet: every round had hints.</source>
        <translation>Inget bästa än: varje omgång hade ledtrådar.</translation>
    </message>
    <message>
        <source>Last round: %1 of %2 words found, with hints.</source>
        <translation>Senaste omgången: %1 av %2 ord hittade, med ledtrådar.</translation>
    </message>
    <message>
        <source>Last round: %1 of %2 words found.</source>
        <translation>Senaste omgången: %1 av %2 ord hittade.</translation>
    </message>
    <message>
        <source>Rounds without a game time are not recorded.</source>
        <translation>Omgångar utan speltid sparas inte.</translation>
    </message>
    <message>
        <source>Your records could not be read or saved this time.</source>
        <translation>Dina rekord kunde inte läsas eller sparas den här gången.</translation>
    </message>
    <message>
        <source>With hints: no record. No record yet for %1.</source>
        <translation>Med ledtrådar: inget rekord. Inget rekord än för %1.</translation>
    </message>
    <message>
        <source>No record yet for %1.</source>
        <translation>Inget rekord än för %1.</translation>
    </message>
    <message>
        <source>New record for %1: %2!</source>
        <translation>Nytt rekord för %1: %2!</translation>
    </message>
    <message>
        <source>With hints: no record. Record for %1: %2 on %3.</source>
        <translation>Med ledtrådar: inget rekord. Rekord för %1: %2 den %3.</translation>
    </message>
    <message>
        <source>Record for %1: %2 on %3.</source>
        <translation>Rekord för %1: %2 den %3.</translation>
    </message>
</context>
<context>
    <name>Room</name>
    <message>
        <source>%1-minute round</source>
        <translation>omgång på %1 minuter</translation>
    </message>
    <message>
        <source>The room sends more than can be shown: some lines are left out.</source>
        <translation>Rummet skickar mer än som kan visas: vissa rader utelämnas.</translation>
    </message>
    <message>
        <source>%1 is here.</source>
        <translation>%1 är här.</translation>
    </message>
    <message>
        <source>%1 joined the room.</source>
        <translation>%1 gick med i rummet.</translation>
    </message>
    <message>
        <source>%1 left the room.</source>
        <translation>%1 lämnade rummet.</translation>
    </message>
    <message>
        <source>Your %2 is under way (%3 left): you play the next one.</source>
        <translation>Din %2 pågår (%3 kvar): du spelar nästa.</translation>
    </message>
    <message>
        <source>%1&apos;s %2 is under way (%3 left): you play the next one.</source>
        <translation>%1s %2 pågår (%3 kvar): du spelar nästa.</translation>
    </message>
    <message>
        <source>You started a %2; yours is under way: you play the next one.</source>
        <translation>Du startade en %2; din pågår: du spelar nästa.</translation>
    </message>
    <message>
        <source>%1 started a %2; yours is under way: you play the next one.</source>
        <translation>%1 startade en %2; din pågår: du spelar nästa.</translation>
    </message>
    <message>
        <source>You started a %2.</source>
        <translation>Du startade en %2.</translation>
    </message>
    <message>
        <source>%1 started a %2.</source>
        <translation>%1 startade en %2.</translation>
    </message>
    <message>
        <source>You start a %1.</source>
        <translation>Du startar en %1.</translation>
    </message>
    <message>
        <source>Standings (a word two or more found scores nothing in the room score):</source>
        <translation>Ställning (ett ord som två eller fler hittade ger inget i rummets poäng):</translation>
    </message>
    <message numerus="yes">
        <source>%1. %2: score %3, room score %4, %n word(s) only %2 found</source>
        <translation>
            <numerusform>%1. %2: poäng %3, rummets poäng %4, %n ord som bara %2 hittade</numerusform>
            <numerusform>%1. %2: poäng %3, rummets poäng %4, %n ord som bara %2 hittade</numerusform>
        </translation>
    </message>
    <message>
        <source>A name is 1 to 20 characters, no / + or #, no space at either end, nothing invisible.</source>
        <translation>Ett namn är 1 till 20 tecken, inget / + eller #, inget mellanslag i början eller slutet, inget osynligt.</translation>
    </message>
    <message>
        <source>Rooms need the MQTT library: %1</source>
        <translation>Rum kräver MQTT-biblioteket: %1</translation>
    </message>
    <message>
        <source>Joining room %1 on %2 as %3...</source>
        <translation>Går med i rummet %1 på %2 som %3...</translation>
    </message>
    <message>
        <source>In room %1 on %2 as %3.</source>
        <translation>I rummet %1 på %2 som %3.</translation>
    </message>
    <message>
        <source>In room %1 on %2 as %3 (not connected: trying again).</source>
        <translation>I rummet %1 på %2 som %3 (inte ansluten: försöker igen).</translation>
    </message>
    <message>
        <source>Not connected: the line was not sent.</source>
        <translation>Inte ansluten: raden skickades inte.</translation>
    </message>
    <message>
        <source>Pick a Game Time first: a room&apos;s round lasts 1 to 10 minutes.</source>
        <translation>Välj en speltid först: en omgång i ett rum varar 1 till 10 minuter.</translation>
    </message>
    <message>
        <source>Not connected: the round cannot reach the room.</source>
        <translation>Inte ansluten: omgången når inte rummet.</translation>
    </message>
    <message>
        <source>Connected to %1 again.</source>
        <translation>Ansluten till %1 igen.</translation>
    </message>
    <message>
        <source>Lost the connection to %1: %2. Playing on alone; trying again.</source>
        <translation>Förlorade anslutningen till %1: %2. Du spelar vidare ensam; försöker igen.</translation>
    </message>
    <message>
        <source>Cannot reach %1: %2. Playing on alone; trying again.</source>
        <translation>Når inte %1: %2. Du spelar vidare ensam; försöker igen.</translation>
    </message>
    <message>
        <source>Someone in this room already goes by %1: choose another name, then Join.</source>
        <translation>Någon i rummet heter redan %1: välj ett annat namn och sedan ”Gå med”.</translation>
    </message>
    <message>
        <source>The standings of a round in %1 need its word list (%2).</source>
        <translation>Ställningen för en omgång på %1 behöver dess ordlista (%2).</translation>
    </message>
    <message numerus="yes">
        <source>Scored by you from %n result(s).</source>
        <translation>
            <numerusform>Räknat av dig från %n resultat.</numerusform>
            <numerusform>Räknat av dig från %n resultat.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Scored by %1 from %n result(s).</source>
        <translation>
            <numerusform>Räknat av %1 från %n resultat.</numerusform>
            <numerusform>Räknat av %1 från %n resultat.</numerusform>
        </translation>
    </message>
    <message>
        <source>These standings are not what your words make (score %1, not %2; room score %3, not %4): the message was forged or broken on the way.</source>
        <translation>Den här ställningen stämmer inte med dina ord (poäng %1, inte %2; rummets poäng %3, inte %4): meddelandet förfalskades eller skadades på vägen.</translation>
    </message>
    <message>
        <source>%1 (unverified): %2</source>
        <translation>%1 (ej verifierad): %2</translation>
    </message>
    <message>
        <source>You started a %2 in %3.</source>
        <translation>Du startade en %2 på %3.</translation>
    </message>
    <message>
        <source>%1 started a %2 in %3.</source>
        <translation>%1 startade en %2 på %3.</translation>
    </message>
    <message>
        <source>You start a %1 in %2.</source>
        <translation>Du startar en %1 på %2.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 och %2</translation>
    </message>
    <message>
        <source>%1 tie for the win on %2.</source>
        <translation>%1 delar segern med %2.</translation>
    </message>
    <message>
        <source>%1 wins with %2.</source>
        <translation>%1 vinner med %2.</translation>
    </message>
    <message>
        <source>%1 wins with %2; %3 comes next with %4.</source>
        <translation>%1 vinner med %2; %3 kommer sedan med %4.</translation>
    </message>
    <message>
        <source>%1 wins with %2; %3 tie on %4.</source>
        <translation>%1 vinner med %2; %3 delar platsen med %4.</translation>
    </message>
    <message>
        <source>%1 tie for the win on %2; %3 comes next with %4.</source>
        <translation>%1 delar segern med %2; %3 kommer sedan med %4.</translation>
    </message>
    <message>
        <source>%1 tie for the win on %2; %3 tie on %4.</source>
        <translation>%1 delar segern med %2; %3 delar platsen med %4.</translation>
    </message>
    <message>
        <source>No word was shared.</source>
        <translation>Inget ord delades.</translation>
    </message>
    <message>
        <source>Shared words, which score nothing in the room score: %1.</source>
        <translation>Delade ord, som inte ger något i rummets poäng: %1.</translation>
    </message>
    <message>
        <source>Your lines go unsigned, and others&apos; are not checked: %1.</source>
        <translation>Dina rader skickas osignerade, och andras kontrolleras inte: %1.</translation>
    </message>
    <message>
        <source>That round is in %1, whose word list is not installed here (%2): you watch this one.</source>
        <translation>Den omgången är på %1, vars ordlista inte är installerad här (%2): den här tittar du på.</translation>
    </message>
    <message>
        <source>A shared round can&apos;t be paused: it goes on for everyone.</source>
        <translation>En delad omgång kan inte pausas: den fortsätter för alla.</translation>
    </message>
    <message>
        <source>No round yet to play again: Start Game starts one.</source>
        <translation>Ingen omgång än att spela igen: Starta startar en.</translation>
    </message>
    <message numerus="yes">
        <source>Play again: the next %n-minute round starts when every player has finished.</source>
        <translation>
            <numerusform>Igen: nästa omgång på %n minut startar när alla spelare är klara.</numerusform>
            <numerusform>Igen: nästa omgång på %n minuter startar när alla spelare är klara.</numerusform>
        </translation>
    </message>
    <message>
        <source>A round is under way in the room: the next one starts when every player has finished it, or its time is up.</source>
        <translation>En omgång pågår i rummet: nästa startar när alla spelare har spelat klart den eller tiden är ute.</translation>
    </message>
    <message>
        <source>You joined room %1 on %2 as %3. Friends join with %4</source>
        <translation>Du gick med i rummet %1 på %2 som %3. Vänner går med via %4</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s) here already.</source>
        <translation>
            <numerusform>%n spelare är redan här.</numerusform>
            <numerusform>%n spelare är redan här.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Shared words, which score nothing in the room score: %1; and %n more.</source>
        <translation>
            <numerusform>Delade ord, som inte ger något i rummets poäng: %1; och %n till.</numerusform>
            <numerusform>Delade ord, som inte ger något i rummets poäng: %1; och %n till.</numerusform>
        </translation>
    </message>
    <message>
        <source>These standings leave out your words: the message was forged or broken on the way.</source>
        <translation>Den här ställningen utelämnar dina ord: meddelandet förfalskades eller skadades på vägen.</translation>
    </message>
    <message numerus="yes">
        <source>...and %n more.</source>
        <translation>
            <numerusform>...och %n till.</numerusform>
            <numerusform>...och %n till.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RoomAddress</name>
    <message>
        <source>only mqtt:// and mqtts:// addresses are understood</source>
        <translation>bara adresser med mqtt:// och mqtts:// förstås</translation>
    </message>
    <message>
        <source>the room is missing: write the server, then / and the room</source>
        <translation>rummet saknas: skriv servern, sedan / och rummet</translation>
    </message>
    <message>
        <source>a room&apos;s name is 1 to 40 letters, digits, - _ or .</source>
        <translation>ett rumsnamn är 1 till 40 bokstäver, siffror, - _ eller .</translation>
    </message>
    <message>
        <source>the password after the colon is at most 256 characters, none of them a control</source>
        <translation>lösenordet efter kolonet är högst 256 tecken, inget av dem ett styrtecken</translation>
    </message>
    <message>
        <source>the user name before @ is 1 to 64 printable characters, no spaces</source>
        <translation>användarnamnet före @ är 1 till 64 skrivbara tecken, inga mellanslag</translation>
    </message>
    <message>
        <source>an IPv6 address is written in brackets: [::1]</source>
        <translation>en IPv6-adress skrivs inom hakparenteser: [::1]</translation>
    </message>
    <message>
        <source>that is not an IPv6 address</source>
        <translation>det är ingen IPv6-adress</translation>
    </message>
    <message>
        <source>a port follows the address after a colon</source>
        <translation>en port följer adressen efter ett kolon</translation>
    </message>
    <message>
        <source>the port is missing after the colon</source>
        <translation>porten saknas efter kolonet</translation>
    </message>
    <message>
        <source>the server&apos;s name is missing</source>
        <translation>serverns namn saknas</translation>
    </message>
    <message>
        <source>a server&apos;s name is made of letters, digits, - and .</source>
        <translation>ett servernamn består av bokstäver, siffror, - och .</translation>
    </message>
    <message>
        <source>the port is a number from 1 to 65535</source>
        <translation>porten är ett tal från 1 till 65535</translation>
    </message>
    <message>
        <source>the address names room %1 but Room says %2: empty the Room box, or make them agree</source>
        <translation>adressen nämner rummet %1 men Rum säger %2: töm rutan Rum, eller gör dem lika</translation>
    </message>
    <message>
        <source>the room is missing: type it into Room, or paste the whole address into Server</source>
        <translation>rummet saknas: skriv det i Rum, eller klistra in hela adressen i Server</translation>
    </message>
</context>
<context>
    <name>allwordsfrm</name>
    <message>
        <source>All Words</source>
        <translation>Alla ord</translation>
    </message>
    <message>
        <source>All Words (yours in green):</source>
        <translation>Alla ord (dina i grönt):</translation>
    </message>
    <message>
        <source>Pick a word, with the mouse or the arrow keys, for its path and meaning</source>
        <translation>Välj ett ord, med musen eller piltangenterna, för dess väg och betydelse</translation>
    </message>
    <message>
        <source>All words on the board</source>
        <translation>Alla ord på brickan</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Väg:</translation>
    </message>
    <message>
        <source>Click a word to see its path on the board.</source>
        <translation>Klicka på ett ord för att se dess väg på brickan.</translation>
    </message>
    <message>
        <source>Meaning:</source>
        <translation>Betydelse:</translation>
    </message>
    <message>
        <source>What the word picked means, from WordNet</source>
        <translation>Vad det valda ordet betyder, enligt WordNet</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Betydelse</translation>
    </message>
    <message>
        <source>Click a word to see what it means.</source>
        <translation>Klicka på ett ord för att se vad det betyder.</translation>
    </message>
    <message>
        <source>A friend who types this code after Ctrl+O plays the same board</source>
        <translation>En vän som skriver den här koden efter Ctrl+O spelar samma bricka</translation>
    </message>
    <message>
        <source>Copy the challenge code</source>
        <translation>Kopiera utmaningskoden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiera</translation>
    </message>
    <message>
        <source>Your scores over time for this game time (Ctrl+G)</source>
        <translation>Dina poäng över tid för den här speltiden (Ctrl+G)</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Utveckling</translation>
    </message>
</context>
<context>
    <name>helpfrm</name>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>Words found of the board&apos;s:</source>
        <translation>Hittade av brickans ord:</translation>
    </message>
    <message>
        <source>For each length: the words you found of those the board holds (F9 says them)</source>
        <translation>För varje längd: orden du hittat av dem på brickan (F9 läser upp dem)</translation>
    </message>
    <message>
        <source>Words found by length</source>
        <translation>Hittade ord efter längd</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Längd</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Vanliga</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alla</translation>
    </message>
    <message>
        <source>Light the first two letters of a common word you have not found (F10)</source>
        <translation>Tänd de två första bokstäverna i ett vanligt ord du inte har hittat (F10)</translation>
    </message>
    <message>
        <source>Show a start</source>
        <translation>Visa en början</translation>
    </message>
    <message>
        <source>Rounds you start in a room let their players take hints; each hint costs only its taker</source>
        <translation>Omgångar du startar i ett rum låter spelarna ta ledtrådar; varje ledtråd kostar bara den som tar den</translation>
    </message>
    <message>
        <source>Hints in room rounds I start</source>
        <translation>Ledtrådar i mina rumsomgångar</translation>
    </message>
</context>
<context>
    <name>howtoplayfrm</name>
    <message>
        <source>How to Play</source>
        <translation>Så spelar du</translation>
    </message>
    <message>
        <source>Arrow keys read on; Escape closes the window</source>
        <translation>Piltangenterna läser vidare; Esc stänger fönstret</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Så spelar du</translation>
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
        <translation>**En omgång.** Välj en speltid på 1 till 10 minuter bredvid *Speltid* och tryck sedan på *Starta*. Bilda ord genom att trycka på bokstäver som rör den förra (vågrätt, lodrätt eller diagonalt; varje bokstav en gång per ord) eller genom att skriva dem. *Lägg till* prövar ordet: ett ord på tre bokstäver eller fler som finns i ordlistan ger en poäng per bokstav. *Avbryt* släpper ordet. När tiden är slut, eller när du trycker på *Avsluta*, klickar du på dina poäng för resultatet.

**Tangenter**

- F2: Starta
- en bokstav: lägger till den i ordet
- Backsteg: tar bort den sista bokstaven
- Retur: Lägg till
- Esc: Avbryt
- F3: Avsluta
- F4: resultatet, när poängen visas
- F6 eller Pause: pausar omgången; bokstäverna döljs och klockan står still tills du trycker på tangenten igen eller klickar på brickan
- F7: stänger av eller slår på uppläsningen för skärmläsare
- Ctrl+H: Hjälp, bredvid brickan; en gång till, för att gå dit
- F9: läser upp Hjälps siffror för en skärmläsare
- F10: Visa en början (en ledtråd)
- F1: det här fönstret
- Ctrl+L: språket för brickor och ord, mellan omgångarna

I resultatet skriver Ctrl+P ut och F5 öppnar Alla ord; där öppnar Ctrl+G, eller Tab till *Utveckling* och Retur, Utveckling.

**Alla ord** listar varje ord som fanns på brickan, de längsta först, dina i grönt (”hittat av dig” för en skärmläsare), med din andel av de möjliga poängen och ditt rekord för speltiden. Välj ett ord för att se dess väg på brickan och vad det betyder.

**Hjälp** räknar, för varje ordlängd, orden du hittat av dem som finns på brickan, vanliga och totalt. *Visa en början* tänder de två första bokstäverna i ett vanligt ord du inte har hittat med det röda spåret, tills du trycker på eller skriver en bokstav igen; ordet ger då inga poäng, resultatet märker det som ledtråd och omgången sätter inget rekord.

**Utveckling** ritar dina poäng i omgångarna med en och samma speltid, ditt bästa i rött, och listar omgångarna under diagrammet: omgång, datum och poäng.

**Språk.** Utöver engelska kan brickor och ord vara på katalanska, danska, nederländska, franska, tyska, italienska, norska, polska, portugisiska, spanska eller svenska, när språkets ordlista är installerad: fönstret *Språk* säger vilket paket som har den. Brickan har då språkets egna bokstäver (Ä, Ñ, Å…), som du skriver som de är; andra accenter faller tillbaka på sin bokstav (skriv é för E). Betydelser finns bara på engelska.

En skärmläsare hör omgången: starten (och språket, när det inte är engelska), varje tillagt ord, de sista sekunderna och dina poäng; F9 och F10 läser upp Hjälps siffror och en början.</translation>
    </message>
</context>
<context>
    <name>languagefrm</name>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>Boards and words in:</source>
        <translation>Brickor och ord på:</translation>
    </message>
    <message>
        <source>Pick a language with the mouse or the arrow keys; Return or a double-click plays it</source>
        <translation>Välj ett språk med musen eller piltangenterna; Retur eller ett dubbelklick spelar det</translation>
    </message>
    <message>
        <source>Board languages</source>
        <translation>Brickornas språk</translation>
    </message>
    <message>
        <source>Play boards and words in this language from the next round on (Return)</source>
        <translation>Spela brickor och ord på det här språket från nästa omgång (Retur)</translation>
    </message>
    <message>
        <source>Play it</source>
        <translation>Spela</translation>
    </message>
    <message>
        <source>Copy the line that installs its word list</source>
        <translation>Kopiera raden som installerar ordlistan</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiera</translation>
    </message>
</context>
<context>
    <name>loadingfrm</name>
    <message>
        <source>Loading</source>
        <translation>Laddar</translation>
    </message>
    <message>
        <source>A word game by the Go LEXORB developers</source>
        <translation>Ett ordspel av utvecklarna bakom Go LEXORB</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Laddar...</translation>
    </message>
</context>
<context>
    <name>mainfrm</name>
    <message>
        <source>A round needs a length: pick its minutes here (arrow keys)</source>
        <translation>En omgång behöver en längd: välj minuter här (piltangenter)</translation>
    </message>
    <message>
        <source>Game time in minutes</source>
        <translation>Speltid i minuter</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Chattmeddelande</translation>
    </message>
    <message>
        <source>Your words</source>
        <translation>Dina ord</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Chatt</translation>
    </message>
    <message>
        <source>Search the word list</source>
        <translation>Sök i ordlistan</translation>
    </message>
    <message>
        <source>End the round now (F3)</source>
        <translation>Avsluta omgången nu (F3)</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Show the results (F4)</source>
        <translation>Visa resultatet (F4)</translation>
    </message>
    <message>
        <source>Your Score:</source>
        <translation>Dina poäng:</translation>
    </message>
    <message>
        <source>Make the window taller, with the chat area</source>
        <translation>Gör fönstret högre, med chattytan</translation>
    </message>
    <message>
        <source>multiplayer</source>
        <translation>flerspelare</translation>
    </message>
    <message>
        <source>Make the window its normal height</source>
        <translation>Ge fönstret normal höjd</translation>
    </message>
    <message>
        <source>1 player</source>
        <translation>1 spelare</translation>
    </message>
    <message>
        <source>Start a round (F2)</source>
        <translation>Starta en omgång (F2)</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Starta</translation>
    </message>
    <message>
        <source>Seconds Left</source>
        <translation>Sekunder</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Game Time:</source>
        <translation>Speltid:</translation>
    </message>
    <message>
        <source>Your Word Here</source>
        <translation>Ditt ord här</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Skicka</translation>
    </message>
    <message>
        <source>Add the word (Return)</source>
        <translation>Lägg till ordet (Retur)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Lägg till</translation>
    </message>
    <message>
        <source>Drop the word (Escape)</source>
        <translation>Släpp ordet (Esc)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Calculating Score...</source>
        <translation>Räknar poäng...</translation>
    </message>
    <message>
        <source>Your Score: %1</source>
        <translation>Dina poäng: %1</translation>
    </message>
    <message>
        <source>The embedded word list could not be read: %1</source>
        <translation>Den inbyggda ordlistan kunde inte läsas: %1</translation>
    </message>
    <message>
        <source>The word list could not be written to a temporary file: %1</source>
        <translation>Ordlistan kunde inte skrivas till en tillfällig fil: %1</translation>
    </message>
    <message>
        <source>Loaded 1/2</source>
        <translation>Laddat 1/2</translation>
    </message>
    <message>
        <source>The word list could not be loaded: %1</source>
        <translation>Ordlistan kunde inte laddas: %1</translation>
    </message>
    <message>
        <source>You have already entered that word!</source>
        <translation>Det ordet har du redan skrivit!</translation>
    </message>
    <message>
        <source>Words must be bigger than 2 letters!</source>
        <translation>Ord måste ha fler än 2 bokstäver!</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, rad %2, kolumn %3</translation>
    </message>
    <message numerus="yes">
        <source>You host this room: closing the game ends it, and leaves %n player(s) without a room. Close anyway?</source>
        <translation>
            <numerusform>Du är värd för det här rummet: att stänga spelet avslutar det och lämnar %n spelare utan rum. Stäng ändå?</numerusform>
            <numerusform>Du är värd för det här rummet: att stänga spelet avslutar det och lämnar %n spelare utan rum. Stäng ändå?</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1: %2.</source>
        <translation>Rad %1: %2.</translation>
    </message>
    <message>
        <source>No board: a round is not under way.</source>
        <translation>Ingen bricka: ingen omgång pågår.</translation>
    </message>
</context>
<context>
    <name>playtogetherfrm</name>
    <message>
        <source>Play Together</source>
        <translation>Spela tillsammans</translation>
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
        <translation>Rum:</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Rum</translation>
    </message>
    <message>
        <source>family</source>
        <translation>familjen</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Ditt namn:</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ditt namn</translation>
    </message>
    <message>
        <source>Password, if the server asks for one:</source>
        <translation>Lösenord, om servern kräver ett:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Lösenord</translation>
    </message>
    <message>
        <source>Join the room (Return)</source>
        <translation>Gå med i rummet (Retur)</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Gå med</translation>
    </message>
    <message>
        <source>Leave the room and play alone</source>
        <translation>Lämna rummet och spela ensam</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Lämna</translation>
    </message>
    <message>
        <source>Run a server on this computer for friends on your network</source>
        <translation>Kör en server på den här datorn för vänner på ditt nätverk</translation>
    </message>
    <message>
        <source>Host on this computer</source>
        <translation>Var värd på den här datorn</translation>
    </message>
    <message>
        <source>Hosting</source>
        <translation>Värd</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Who is here:</source>
        <translation>Vem är här:</translation>
    </message>
    <message>
        <source>Who is here</source>
        <translation>Vem är här</translation>
    </message>
    <message>
        <source>Friends join with:</source>
        <translation>Vänner går med via:</translation>
    </message>
    <message>
        <source>Address to give friends</source>
        <translation>Adress att ge vänner</translation>
    </message>
    <message>
        <source>Copy the address to the clipboard</source>
        <translation>Kopiera adressen till urklipp</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiera</translation>
    </message>
    <message>
        <source>A round of the same length, started when every player has finished</source>
        <translation>En omgång lika lång, startad när alla spelare är klara</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Spela igen</translation>
    </message>
</context>
<context>
    <name>progressfrm</name>
    <message>
        <source>Progress</source>
        <translation>Utveckling</translation>
    </message>
    <message>
        <source>Your score in each round, your best in red</source>
        <translation>Dina poäng i varje omgång, ditt bästa i rött</translation>
    </message>
    <message>
        <source>Scores chart</source>
        <translation>Poängdiagram</translation>
    </message>
    <message>
        <source>The table below holds the same rounds</source>
        <translation>Tabellen nedan har samma omgångar</translation>
    </message>
    <message>
        <source>Each round of this game time: its number, date and score</source>
        <translation>Varje omgång med den här speltiden: nummer, datum och poäng</translation>
    </message>
    <message>
        <source>Your rounds</source>
        <translation>Dina omgångar</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Omgång</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Poäng</translation>
    </message>
</context>
<context>
    <name>resultsfrm</name>
    <message>
        <source>Results</source>
        <translation>Resultat</translation>
    </message>
    <message>
        <source>Awards</source>
        <translation>Utmärkelser</translation>
    </message>
    <message>
        <source>Rejected words</source>
        <translation>Underkända ord</translation>
    </message>
    <message>
        <source>Accepted words</source>
        <translation>Godkända ord</translation>
    </message>
    <message>
        <source>Print the results (Ctrl+P)</source>
        <translation>Skriv ut resultatet (Ctrl+P)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Puzzle:</source>
        <translation>Bricka:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Poäng:</translation>
    </message>
    <message>
        <source>Awards:</source>
        <translation>Priser:</translation>
    </message>
    <message>
        <source>Longest Word:</source>
        <translation>Längsta ord:</translation>
    </message>
    <message>
        <source>Letter Most Used:</source>
        <translation>Mest använd:</translation>
    </message>
    <message>
        <source>Rejected Words:</source>
        <translation>Underkända:</translation>
    </message>
    <message>
        <source>Accepted Words:</source>
        <translation>Godkända:</translation>
    </message>
    <message>
        <source> (hinted)</source>
        <translation> (ledtråd)</translation>
    </message>
    <message>
        <source>The results below are to show how well you did Go LEXORB</source>
        <translation>Resultatet nedan visar hur bra du spelade Go LEXORB</translation>
    </message>
    <message>
        <source>Every word this board held (F5)</source>
        <translation>Alla ord på den här brickan (F5)</translation>
    </message>
    <message>
        <source>No printer is available, so the results were not printed.</source>
        <translation>Ingen skrivare finns, så resultatet skrevs inte ut.</translation>
    </message>
    <message>
        <source>Go LEXORB results</source>
        <translation>Resultat från Go LEXORB</translation>
    </message>
    <message>
        <source>The results could not be printed on %1.</source>
        <translation>Resultatet kunde inte skrivas ut på %1.</translation>
    </message>
</context>
</TS>
