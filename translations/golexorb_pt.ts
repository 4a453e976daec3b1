<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="en">
<context>
    <name>AllWords</name>
    <message>
        <source>You found %1 of %2 points</source>
        <translation>Você encontrou %1 de %2 pontos</translation>
    </message>
    <message>
        <source>Common words: %1 of %2 points</source>
        <translation>Palavras comuns: %1 de %2 pontos</translation>
    </message>
    <message>
        <source>A rare word: not in a medium-sized English dictionary.</source>
        <translation>Uma palavra rara: não está num dicionário de inglês de tamanho médio.</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>não pode ser lido: %1</translation>
    </message>
    <message>
        <source>it is not a library</source>
        <translation>não é uma biblioteca</translation>
    </message>
    <message>
        <source>it is not a library for this computer</source>
        <translation>não é uma biblioteca para este computador</translation>
    </message>
    <message>
        <source>it is cut short: %1 bytes</source>
        <translation>está truncado: %1 bytes</translation>
    </message>
    <message>
        <source>the module %1 is damaged (%2)</source>
        <translation>o módulo %1 está danificado (%2)</translation>
    </message>
    <message>
        <source>the module %1 lacks its entry point golexorb_progress_window</source>
        <translation>falta ao módulo %1 o ponto de entrada golexorb_progress_window</translation>
    </message>
    <message>
        <source>golexorb-progress.so is not installed</source>
        <translation>golexorb-progress.so não está instalado</translation>
    </message>
    <message>
        <source>Only words of letters a to z can be looked up.</source>
        <translation>Só dá para procurar palavras com as letras de a a z.</translation>
    </message>
    <message>
        <source>Definitions need WordNet, which is not installed. Install it with
    sudo apt install %1
and start the game again.</source>
        <translation>As definições precisam do WordNet, que não está instalado. Instale-o com
    sudo apt install %1
e abra o jogo de novo.</translation>
    </message>
    <message>
        <source>The WordNet library could not be loaded: %1. Install it again with
    sudo apt install --reinstall %2
and start the game again.</source>
        <translation>Não foi possível carregar a biblioteca do WordNet: %1. Reinstale-a com
    sudo apt install --reinstall %2
e abra o jogo de novo.</translation>
    </message>
    <message>
        <source>The WordNet database could not be read: %1.</source>
        <translation>Não foi possível ler a base de dados do WordNet: %1.</translation>
    </message>
    <message>
        <source>No definition of &quot;%1&quot; in WordNet.</source>
        <translation>O WordNet não tem definição de “%1”.</translation>
    </message>
    <message>
        <source> (hinted)</source>
        <translation> (dica)</translation>
    </message>
    <message>
        <source>, found by you</source>
        <translation>, encontrada por você</translation>
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
        <translation>O gráfico de progresso não pode ser mostrado: %1.</translation>
    </message>
    <message>
        <source> It needs Qt Charts (sudo apt install libqt6charts6).</source>
        <translation> Ele precisa do Qt Charts (sudo apt install libqt6charts6).</translation>
    </message>
    <message>
        <source>Rare words</source>
        <translation>Palavras raras</translation>
    </message>
    <message>
        <source>All words in one list: no word frequencies</source>
        <translation>Todas as palavras numa lista: sem frequências</translation>
    </message>
    <message>
        <source>Meanings come from WordNet, in English only: there are none for %1 words.</source>
        <translation>Os significados vêm do WordNet, só em inglês: não há nenhum para palavras em %1.</translation>
    </message>
</context>
<context>
    <name>Announcer</name>
    <message>
        <source>Announcements on</source>
        <translation>Avisos ligados</translation>
    </message>
    <message>
        <source>Announcements off</source>
        <translation>Avisos desligados</translation>
    </message>
    <message>
        <source>Round paused</source>
        <translation>Partida pausada</translation>
    </message>
    <message>
        <source>Round resumed</source>
        <translation>Partida retomada</translation>
    </message>
    <message>
        <source>Round started with no game time</source>
        <translation>Partida iniciada sem tempo de jogo</translation>
    </message>
    <message>
        <source>%1-minute round started</source>
        <translation>Partida de %1 minutos iniciada</translation>
    </message>
    <message>
        <source>%1, %2 points</source>
        <translation>%1, %2 pontos</translation>
    </message>
    <message>
        <source>%1, not a word</source>
        <translation>%1, não é uma palavra</translation>
    </message>
    <message>
        <source>%1, hinted: no points</source>
        <translation>%1, com dica: sem pontos</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) left</source>
        <translation>
            <numerusform>falta %n segundo</numerusform>
            <numerusform>faltam %n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>Round over. Your score: %1</source>
        <translation>Fim da partida. Sua pontuação: %1</translation>
    </message>
    <message>
        <source>Round started with no game time, in %1</source>
        <translation>Partida iniciada sem tempo de jogo, em %1</translation>
    </message>
    <message>
        <source>%1-minute round started, in %2</source>
        <translation>Partida de %1 minutos iniciada, em %2</translation>
    </message>
</context>
<context>
    <name>Awards</name>
    <message>
        <source>Found a with 7 letters or more!</source>
        <translation>Uma palavra de 7 letras ou mais!</translation>
    </message>
    <message>
        <source>Found a word 5 letters or more!</source>
        <translation>Uma palavra de 5 letras ou mais!</translation>
    </message>
    <message>
        <source>Used a Q!</source>
        <translation>Usou um Q!</translation>
    </message>
    <message>
        <source>Used a Z!</source>
        <translation>Usou um Z!</translation>
    </message>
    <message>
        <source>Massive score over 50!</source>
        <translation>Pontuação enorme, mais de 50!</translation>
    </message>
    <message>
        <source>Nice scored over 40!</source>
        <translation>Muito bem, mais de 40!</translation>
    </message>
    <message>
        <source>scored over 30!</source>
        <translation>mais de 30 pontos!</translation>
    </message>
</context>
<context>
    <name>Challenge</name>
    <message>
        <source>A challenge code is 17 letters and digits, like ABCD-EFGH-JKMN-PQRS-T.</source>
        <translation>Um código de desafio tem 17 letras e algarismos, como ABCD-EFGH-JKMN-PQRS-T.</translation>
    </message>
    <message>
        <source>That challenge code has a mistake in it: check it against the one you were given.</source>
        <translation>Esse código de desafio tem um erro: compare-o com o que você recebeu.</translation>
    </message>
    <message>
        <source>That challenge code holds no round of 1 to 10 minutes.</source>
        <translation>Esse código de desafio não contém uma partida de 1 a 10 minutos.</translation>
    </message>
    <message>
        <source>A challenge code of a board in another language than English is 19 letters and digits, like ABCD-EFGH-JKMN-PQRS-TUV.</source>
        <translation>O código de um tabuleiro num idioma que não seja o inglês tem 19 letras e algarismos, como ABCD-EFGH-JKMN-PQRS-TUV.</translation>
    </message>
    <message>
        <source>That challenge code names a language this version of the game does not know.</source>
        <translation>Esse código de desafio indica um idioma que esta versão do jogo não conhece.</translation>
    </message>
    <message>
        <source>That challenge code holds no board of its language.</source>
        <translation>Esse código de desafio não contém um tabuleiro do seu idioma.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Go LEXORB: spell words on a board of letters against the clock.</source>
        <translation>Go LEXORB: forme palavras num tabuleiro de letras contra o relógio.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ajuda e sair.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostrar a versão e sair.</translation>
    </message>
    <message>
        <source>Join a room: [mqtt[s]://][USER@]HOST[:PORT]/ROOM, with --name.</source>
        <translation>Entrar numa sala: [mqtt[s]://][USUÁRIO@]SERVIDOR[:PORTA]/SALA, com --name.</translation>
    </message>
    <message>
        <source>address</source>
        <translation>endereço</translation>
    </message>
    <message>
        <source>Your name in the room (1 to 20 characters).</source>
        <translation>Seu nome na sala (de 1 a 20 caracteres).</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nome</translation>
    </message>
    <message>
        <source>Open the Play Together window.</source>
        <translation>Abrir a janela “Jogar juntos”.</translation>
    </message>
    <message>
        <source>Play the board of a challenge code a friend gave you.</source>
        <translation>Jogar o tabuleiro de um código de desafio que um amigo lhe deu.</translation>
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
Experimente “%1 --help” para mais informações.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>argumento inesperado “%1”.</translation>
    </message>
    <message>
        <source>--join and --name go together.</source>
        <translation>--join e --name andam juntos.</translation>
    </message>
    <message>
        <source>--join %1: %2.</source>
        <translation>--join %1: %2.</translation>
    </message>
    <message>
        <source>--name: a name is 1 to 20 characters, no / + or #, no space at either end.</source>
        <translation>--name: um nome tem de 1 a 20 caracteres, sem / + ou #, sem espaço no início ou no fim.</translation>
    </message>
    <message>
        <source>--ui-language: no windows in &apos;%1&apos;; there are: %2.</source>
        <translation>--ui-language: não há janelas em “%1”; há: %2.</translation>
    </message>
    <message>
        <source>no display to open the window on (%1 and %2 are not set); without a screen, run it under xvfb-run</source>
        <translation>nenhuma tela onde abrir a janela (%1 e %2 não estão definidas); sem tela, execute-o com xvfb-run</translation>
    </message>
    <message>
        <source>no display to open the window on (%1 is not set); without a screen, run it under xvfb-run</source>
        <translation>nenhuma tela onde abrir a janela (%1 não está definida); sem tela, execute-o com xvfb-run</translation>
    </message>
    <message>
        <source>The language of the windows (%1); otherwise the system&apos;s.</source>
        <translation>O idioma das janelas (%1); senão, o do sistema.</translation>
    </message>
    <message>
        <source>Play boards and words in this language for this run: %1.</source>
        <translation>Jogar tabuleiros e palavras neste idioma nesta sessão: %1.</translation>
    </message>
    <message>
        <source>--challenge: %1</source>
        <translation>--challenge: %1</translation>
    </message>
    <message>
        <source>--language %1: not a board language; the codes are %2.</source>
        <translation>--language %1: não é um idioma de tabuleiro; os códigos são %2.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>%1 at row %2, column %3</source>
        <translation>%1 na linha %2, coluna %3</translation>
    </message>
    <message>
        <source>Common words: %1 of %2 found. All words: %3 of %4 found.</source>
        <translation>Palavras comuns: %1 de %2 encontradas. Todas as palavras: %3 de %4 encontradas.</translation>
    </message>
    <message>
        <source>%1 letters: %2 of %3 common, %4 of %5 in all.</source>
        <translation>%1 letras: %2 de %3 comuns, %4 de %5 no total.</translation>
    </message>
    <message>
        <source>A start: %1, then %2.</source>
        <translation>Um começo: %1, depois %2.</translation>
    </message>
    <message>
        <source>Hints are given during a round.</source>
        <translation>As dicas são dadas durante uma partida.</translation>
    </message>
    <message>
        <source>The round is paused.</source>
        <translation>A partida está pausada.</translation>
    </message>
    <message>
        <source>This round allows no hints.</source>
        <translation>Esta partida não permite dicas.</translation>
    </message>
    <message>
        <source>You have found every common word.</source>
        <translation>Você encontrou todas as palavras comuns.</translation>
    </message>
    <message>
        <source>No round yet: the counts show once a round starts.</source>
        <translation>Ainda não há partida: as contagens aparecem quando uma começar.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>This round&apos;s board: the words you found of those it holds.</source>
        <translation>O tabuleiro desta partida: as palavras que você encontrou entre as que ele tem.</translation>
    </message>
    <message>
        <source>The round is over: its board&apos;s words, as All Words counts them.</source>
        <translation>A partida acabou: as palavras do tabuleiro, contadas como em “Todas as palavras”.</translation>
    </message>
    <message>
        <source>In all</source>
        <translation>No total</translation>
    </message>
    <message>
        <source>Lights the first two letters of a common word you have not found. That word then scores nothing, and the round sets no record.</source>
        <translation>Acende as duas primeiras letras de uma palavra comum que você não encontrou. Essa palavra então não vale pontos, e a partida não bate recorde.</translation>
    </message>
</context>
<context>
    <name>Languages</name>
    <message>
        <source>tiles A to Z</source>
        <translation>peças de A a Z</translation>
    </message>
    <message>
        <source>tiles A to Z, %1</source>
        <translation>peças de A a Z, %1</translation>
    </message>
    <message>
        <source>, not installed</source>
        <translation>, não instalado</translation>
    </message>
    <message>
        <source>, playing now</source>
        <translation>, em jogo agora</translation>
    </message>
    <message>
        <source>Boards are in %1 now.</source>
        <translation>Os tabuleiros estão agora em %1.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>The game&apos;s own word list.</source>
        <translation>A lista de palavras do próprio jogo.</translation>
    </message>
    <message>
        <source>Words from %1 (%2).</source>
        <translation>Palavras de %1 (%2).</translation>
    </message>
    <message>
        <source>No block list: its words are all there.</source>
        <translation>Sem lista de bloqueio: todas as suas palavras estão lá.</translation>
    </message>
    <message>
        <source>Not installed. Its words come with %1:
%2</source>
        <translation>Não instalado. As palavras vêm com %1:
%2</translation>
    </message>
    <message>
        <source>%1 needs its word list, which is not installed:
%2</source>
        <translation>%1 precisa da sua lista de palavras, que não está instalada:
%2</translation>
    </message>
    <message>
        <source>The words of %1 could not be read: %2</source>
        <translation>Não foi possível ler as palavras de %1: %2</translation>
    </message>
    <message>
        <source>That challenge is in %1, whose word list is not installed:
%2</source>
        <translation>Esse desafio está em %1, cuja lista de palavras não está instalada:
%2</translation>
    </message>
    <message>
        <source>English</source>
        <translation>inglês</translation>
    </message>
    <message>
        <source>Catalan</source>
        <translation>catalão</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>dinamarquês</translation>
    </message>
    <message>
        <source>German</source>
        <translation>alemão</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>espanhol</translation>
    </message>
    <message>
        <source>French</source>
        <translation>francês</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>italiano</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>holandês</translation>
    </message>
    <message>
        <source>Norwegian Bokmål</source>
        <translation>norueguês bokmål</translation>
    </message>
    <message>
        <source>Norwegian Nynorsk</source>
        <translation>norueguês nynorsk</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>polonês</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>português</translation>
    </message>
    <message>
        <source>Brazilian Portuguese</source>
        <translation>português do Brasil</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>sueco</translation>
    </message>
    <message>
        <source>The smallest list, about 106,000 words: rarer verb forms are missing.</source>
        <translation>A menor lista, cerca de 106.000 palavras: faltam as formas verbais mais raras.</translation>
    </message>
    <message>
        <source>About 113,000 words: compounds beyond the common ones are missing.</source>
        <translation>Cerca de 113.000 palavras: faltam os compostos menos comuns.</translation>
    </message>
</context>
<context>
    <name>PlayTogether</name>
    <message>
        <source>No free port from %1 to %2.</source>
        <translation>Nenhuma porta livre de %1 a %2.</translation>
    </message>
    <message>
        <source>As root, the broker runs as the user mosquitto or nobody, and this computer has neither.</source>
        <translation>Como root, o broker roda como o usuário mosquitto ou nobody, e este computador não tem nenhum dos dois.</translation>
    </message>
    <message>
        <source>The broker&apos;s settings cannot be made: %1</source>
        <translation>Não é possível criar as configurações do broker: %1</translation>
    </message>
    <message>
        <source>%1 cannot be started: %2</source>
        <translation>Não é possível iniciar %1: %2</translation>
    </message>
    <message>
        <source>The broker stopped: %1</source>
        <translation>O broker parou: %1</translation>
    </message>
    <message>
        <source>The broker did not start within 5 seconds: %1</source>
        <translation>O broker não iniciou em 5 segundos: %1</translation>
    </message>
    <message>
        <source>Play a Challenge</source>
        <translation>Jogar um desafio</translation>
    </message>
    <message>
        <source>The challenge code a friend gave you:</source>
        <translation>O código de desafio que um amigo lhe deu:</translation>
    </message>
    <message>
        <source>A round is under way: play the challenge when it is over.</source>
        <translation>Há uma partida em andamento: jogue o desafio quando ela acabar.</translation>
    </message>
    <message>
        <source>%1 (install the libmosquitto1 package)</source>
        <translation>%1 (instale o pacote libmosquitto1)</translation>
    </message>
    <message>
        <source>%1 lacks the functions this game uses</source>
        <translation>faltam a %1 as funções que este jogo usa</translation>
    </message>
    <message>
        <source>Not in a room: you play alone.</source>
        <translation>Fora de sala: você joga sozinho.</translation>
    </message>
    <message>
        <source>Hosting on port %1, but this computer is on no network friends could reach.</source>
        <translation>Hospedando na porta %1, mas este computador não está em nenhuma rede que os amigos alcancem.</translation>
    </message>
    <message>
        <source>Hosting. Friends on your network join with:
%1</source>
        <translation>Hospedando. Os amigos na sua rede entram com:
%1</translation>
    </message>
    <message>
        <source>the network library could not make a client</source>
        <translation>a biblioteca de rede não conseguiu criar um cliente</translation>
    </message>
    <message>
        <source>TLS cannot be set up: %1</source>
        <translation>Não é possível configurar o TLS: %1</translation>
    </message>
    <message>
        <source>Hosting needs Debian&apos;s MQTT broker: install the mosquitto package (sudo apt install mosquitto).</source>
        <translation>Para hospedar é preciso o broker MQTT do Debian: instale o pacote mosquitto (sudo apt install mosquitto).</translation>
    </message>
    <message>
        <source>%1 (you): playing</source>
        <translation>%1 (você): jogando</translation>
    </message>
    <message>
        <source>%1: playing</source>
        <translation>%1: jogando</translation>
    </message>
    <message>
        <source>%1 (you): finished</source>
        <translation>%1 (você): terminou</translation>
    </message>
    <message>
        <source>%1: finished</source>
        <translation>%1: terminou</translation>
    </message>
    <message>
        <source>%1 (you): watching</source>
        <translation>%1 (você): assistindo</translation>
    </message>
    <message>
        <source>%1: watching</source>
        <translation>%1: assistindo</translation>
    </message>
    <message>
        <source>%1 (you): playing, %2 last round</source>
        <translation>%1 (você): jogando, %2 na última partida</translation>
    </message>
    <message>
        <source>%1: playing, %2 last round</source>
        <translation>%1: jogando, %2 na última partida</translation>
    </message>
    <message>
        <source>%1 (you): finished, %2 last round</source>
        <translation>%1 (você): terminou, %2 na última partida</translation>
    </message>
    <message>
        <source>%1: finished, %2 last round</source>
        <translation>%1: terminou, %2 na última partida</translation>
    </message>
    <message>
        <source>%1 (you): watching, %2 last round</source>
        <translation>%1 (você): assistindo, %2 na última partida</translation>
    </message>
    <message>
        <source>%1: watching, %2 last round</source>
        <translation>%1: assistindo, %2 na última partida</translation>
    </message>
    <message>
        <source>Play again (waiting)</source>
        <translation>De novo (aguardando)</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Jogar de novo</translation>
    </message>
    <message>
        <source>The address is on the clipboard: give it to your friends.</source>
        <translation>O endereço está na área de transferência: passe-o aos seus amigos.</translation>
    </message>
    <message>
        <source>Hosting on port %1. Type a room&apos;s name to see the address to give friends.</source>
        <translation>Hospedando na porta %1. Digite o nome de uma sala para ver o endereço a passar aos amigos.</translation>
    </message>
    <message>
        <source>%1 (install the libsodium23 package)</source>
        <translation>%1 (instale o pacote libsodium23)</translation>
    </message>
    <message>
        <source>%1 lacks the signing functions</source>
        <translation>%1 não tem as funções de assinatura</translation>
    </message>
    <message>
        <source>%1 could not start</source>
        <translation>%1 não conseguiu iniciar</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>, best</source>
        <translation>, melhor</translation>
    </message>
    <message>
        <source>, with hints</source>
        <translation>, com dicas</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Melhor</translation>
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
        <translation>Seus pontos em partidas de %1</translation>
    </message>
    <message>
        <source>No rounds of %1 recorded yet.</source>
        <translation>Nenhuma partida de %1 registrada ainda.</translation>
    </message>
    <message>
        <source>Best: %1 in round %2 of %3, on %4.</source>
        <translation>Melhor: %1 na partida %2 de %3, em %4.</translation>
    </message>
    <message>
        <source>No best yet: every round had hints.</source>
        <translation>Ainda sem melhor: todas as partidas tiveram dicas.</translation>
    </message>
    <message>
        <source>Last round: %1 of %2 words found, with hints.</source>
        <translation>Última partida: %1 de %2 palavras encontradas, com dicas.</translation>
    </message>
    <message>
        <source>Last round: %1 of %2 words found.</source>
        <translation>Última partida: %1 de %2 palavras encontradas.</translation>
    </message>
    <message>
        <source>Rounds without a game time are not recorded.</source>
        <translation>Partidas sem tempo de jogo não são registradas.</translation>
    </message>
    <message>
        <source>Your records could not be read or saved this time.</source>
        <translation>Desta vez não foi possível ler ou salvar seus recordes.</translation>
    </message>
    <message>
        <source>With hints: no record. No record yet for %1.</source>
        <translation>Com dicas: sem recorde. Ainda sem recorde para %1.</translation>
    </message>
    <message>
        <source>No record yet for %1.</source>
        <translation>Ainda sem recorde para %1.</translation>
    </message>
    <message>
        <source>New record for %1: %2!</source>
        <translation>Novo recorde para %1: %2!</translation>
    </message>
    <message>
        <source>With hints: no record. Record for %1: %2 on %3.</source>
        <translation>Com dicas: sem recorde. Recorde para %1: %2 em %3.</translation>
    </message>
    <message>
        <source>Record for %1: %2 on %3.</source>
        <translation>Recorde para %1: %2 em %3.</translation>
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
        <translation>A sala envia mais do que dá para mostrar: algumas linhas ficam de fora.</translation>
    </message>
    <message>
        <source>%1 is here.</source>
        <translation>%1 está aqui.</translation>
    </message>
    <message>
        <source>%1 joined the room.</source>
        <translation>%1 entrou na sala.</translation>
    </message>
    <message>
        <source>%1 left the room.</source>
        <translation>%1 saiu da sala.</translation>
    </message>
    <message>
        <source>Your %2 is under way (%3 left): you play the next one.</source>
        <translation>Sua %2 está em andamento (faltam %3): você joga a próxima.</translation>
    </message>
    <message>
        <source>%1&apos;s %2 is under way (%3 left): you play the next one.</source>
        <translation>A %2 de %1 está em andamento (faltam %3): você joga a próxima.</translation>
    </message>
    <message>
        <source>You started a %2; yours is under way: you play the next one.</source>
        <translation>Você iniciou uma %2; a sua está em andamento: você joga a próxima.</translation>
    </message>
    <message>
        <source>%1 started a %2; yours is under way: you play the next one.</source>
        <translation>%1 iniciou uma %2; a sua está em andamento: você joga a próxima.</translation>
    </message>
    <message>
        <source>You started a %2.</source>
        <translation>Você iniciou uma %2.</translation>
    </message>
    <message>
        <source>%1 started a %2.</source>
        <translation>%1 iniciou uma %2.</translation>
    </message>
    <message>
        <source>You start a %1.</source>
        <translation>Você inicia uma %1.</translation>
    </message>
    <message>
        <source>Standings (a word two or more found scores nothing in the room score):</source>
        <translation>Classificação (uma palavra que dois ou mais encontraram não vale nada na pontuação da sala):</translation>
    </message>
    <message numerus="yes">
        <source>%1. %2: score %3, room score %4, %n word(s) only %2 found</source>
        <translation>
            <numerusform>%1. %2: pontos %3, pontos da sala %4, %n palavra que só %2 encontrou</numerusform>
            <numerusform>%1. %2: pontos %3, pontos da sala %4, %n palavras que só %2 encontrou</numerusform>
        </translation>
    </message>
    <message>
        <source>A name is 1 to 20 characters, no / + or #, no space at either end, nothing invisible.</source>
        <translation>Um nome tem de 1 a 20 caracteres, sem / + ou #, sem espaço no início ou no fim, nada invisível.</translation>
    </message>
    <message>
        <source>Rooms need the MQTT library: %1</source>
        <translation>As salas precisam da biblioteca MQTT: %1</translation>
    </message>
    <message>
        <source>Joining room %1 on %2 as %3...</source>
        <translation>Entrando na sala %1 em %2 como %3...</translation>
    </message>
    <message>
        <source>In room %1 on %2 as %3.</source>
        <translation>Na sala %1 em %2 como %3.</translation>
    </message>
    <message>
        <source>In room %1 on %2 as %3 (not connected: trying again).</source>
        <translation>Na sala %1 em %2 como %3 (sem conexão: tentando de novo).</translation>
    </message>
    <message>
        <source>Not connected: the line was not sent.</source>
        <translation>Sem conexão: a linha não foi enviada.</translation>
    </message>
    <message>
        <source>Pick a Game Time first: a room&apos;s round lasts 1 to 10 minutes.</source>
        <translation>Escolha antes um tempo de jogo: uma partida na sala dura de 1 a 10 minutos.</translation>
    </message>
    <message>
        <source>Not connected: the round cannot reach the room.</source>
        <translation>Sem conexão: a partida não chega à sala.</translation>
    </message>
    <message>
        <source>Connected to %1 again.</source>
        <translation>Conectado de novo a %1.</translation>
    </message>
    <message>
        <source>Lost the connection to %1: %2. Playing on alone; trying again.</source>
        <translation>A conexão com %1 caiu: %2. Você continua sozinho; tentando de novo.</translation>
    </message>
    <message>
        <source>Cannot reach %1: %2. Playing on alone; trying again.</source>
        <translation>Não foi possível alcançar %1: %2. Você continua sozinho; tentando de novo.</translation>
    </message>
    <message>
        <source>Someone in this room already goes by %1: choose another name, then Join.</source>
        <translation>Alguém nesta sala já se chama %1: escolha outro nome e clique em “Entrar”.</translation>
    </message>
    <message>
        <source>The standings of a round in %1 need its word list (%2).</source>
        <translation>A classificação de uma partida em %1 precisa da sua lista de palavras (%2).</translation>
    </message>
    <message numerus="yes">
        <source>Scored by you from %n result(s).</source>
        <translation>
            <numerusform>Pontuado por você a partir de %n resultado.</numerusform>
            <numerusform>Pontuado por você a partir de %n resultados.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Scored by %1 from %n result(s).</source>
        <translation>
            <numerusform>Pontuado por %1 a partir de %n resultado.</numerusform>
            <numerusform>Pontuado por %1 a partir de %n resultados.</numerusform>
        </translation>
    </message>
    <message>
        <source>These standings are not what your words make (score %1, not %2; room score %3, not %4): the message was forged or broken on the way.</source>
        <translation>Esta classificação não é a que as suas palavras dão (pontuação %1, não %2; pontuação da sala %3, não %4): a mensagem foi forjada ou danificada no caminho.</translation>
    </message>
    <message>
        <source>%1 (unverified): %2</source>
        <translation>%1 (não verificado): %2</translation>
    </message>
    <message>
        <source>You started a %2 in %3.</source>
        <translation>Você iniciou uma %2 em %3.</translation>
    </message>
    <message>
        <source>%1 started a %2 in %3.</source>
        <translation>%1 iniciou uma %2 em %3.</translation>
    </message>
    <message>
        <source>You start a %1 in %2.</source>
        <translation>Você inicia uma %1 em %2.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1 tie for the win on %2.</source>
        <translation>%1 empatam na vitória com %2.</translation>
    </message>
    <message>
        <source>%1 wins with %2.</source>
        <translation>%1 vence com %2.</translation>
    </message>
    <message>
        <source>%1 wins with %2; %3 comes next with %4.</source>
        <translation>%1 vence com %2; %3 vem a seguir com %4.</translation>
    </message>
    <message>
        <source>%1 wins with %2; %3 tie on %4.</source>
        <translation>%1 vence com %2; %3 empatam com %4.</translation>
    </message>
    <message>
        <source>%1 tie for the win on %2; %3 comes next with %4.</source>
        <translation>%1 empatam na vitória com %2; %3 vem a seguir com %4.</translation>
    </message>
    <message>
        <source>%1 tie for the win on %2; %3 tie on %4.</source>
        <translation>%1 empatam na vitória com %2; %3 empatam com %4.</translation>
    </message>
    <message>
        <source>No word was shared.</source>
        <translation>Nenhuma palavra foi compartilhada.</translation>
    </message>
    <message>
        <source>Shared words, which score nothing in the room score: %1.</source>
        <translation>Palavras compartilhadas, que não valem nada na pontuação da sala: %1.</translation>
    </message>
    <message>
        <source>Your lines go unsigned, and others&apos; are not checked: %1.</source>
        <translation>As suas linhas vão sem assinatura, e as dos outros não são verificadas: %1.</translation>
    </message>
    <message>
        <source>That round is in %1, whose word list is not installed here (%2): you watch this one.</source>
        <translation>Essa partida é em %1, cuja lista de palavras não está instalada aqui (%2): esta você assiste.</translation>
    </message>
    <message>
        <source>A shared round can&apos;t be paused: it goes on for everyone.</source>
        <translation>Uma partida compartilhada não pode ser pausada: ela continua para todos.</translation>
    </message>
    <message>
        <source>No round yet to play again: Start Game starts one.</source>
        <translation>Ainda não há partida para jogar de novo: Iniciar começa uma.</translation>
    </message>
    <message numerus="yes">
        <source>Play again: the next %n-minute round starts when every player has finished.</source>
        <translation>
            <numerusform>De novo: a próxima partida de %n minuto começa quando todos os jogadores terminarem.</numerusform>
            <numerusform>De novo: a próxima partida de %n minutos começa quando todos os jogadores terminarem.</numerusform>
        </translation>
    </message>
    <message>
        <source>A round is under way in the room: the next one starts when every player has finished it, or its time is up.</source>
        <translation>Há uma partida em curso na sala: a próxima começa quando todos os jogadores a terminarem ou o tempo dela acabar.</translation>
    </message>
    <message>
        <source>You joined room %1 on %2 as %3. Friends join with %4</source>
        <translation>Você entrou na sala %1 em %2 como %3. Os amigos entram com %4</translation>
    </message>
    <message numerus="yes">
        <source>%n player(s) here already.</source>
        <translation>
            <numerusform>%n jogador já está aqui.</numerusform>
            <numerusform>%n jogadores já estão aqui.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Shared words, which score nothing in the room score: %1; and %n more.</source>
        <translation>
            <numerusform>Palavras compartilhadas, que não valem nada na pontuação da sala: %1; e mais %n.</numerusform>
            <numerusform>Palavras compartilhadas, que não valem nada na pontuação da sala: %1; e mais %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>These standings leave out your words: the message was forged or broken on the way.</source>
        <translation>Esta classificação deixa de fora as suas palavras: a mensagem foi forjada ou danificada no caminho.</translation>
    </message>
    <message numerus="yes">
        <source>...and %n more.</source>
        <translation>
            <numerusform>...e mais %n.</numerusform>
            <numerusform>...e mais %n.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RoomAddress</name>
    <message>
        <source>only mqtt:// and mqtts:// addresses are understood</source>
        <translation>só endereços mqtt:// e mqtts:// são entendidos</translation>
    </message>
    <message>
        <source>the room is missing: write the server, then / and the room</source>
        <translation>falta a sala: escreva o servidor, depois / e a sala</translation>
    </message>
    <message>
        <source>a room&apos;s name is 1 to 40 letters, digits, - _ or .</source>
        <translation>o nome de uma sala tem de 1 a 40 letras, algarismos, - _ ou .</translation>
    </message>
    <message>
        <source>the password after the colon is at most 256 characters, none of them a control</source>
        <translation>a senha depois dos dois-pontos tem no máximo 256 caracteres, nenhum de controle</translation>
    </message>
    <message>
        <source>the user name before @ is 1 to 64 printable characters, no spaces</source>
        <translation>o nome de usuário antes de @ tem de 1 a 64 caracteres imprimíveis, sem espaços</translation>
    </message>
    <message>
        <source>an IPv6 address is written in brackets: [::1]</source>
        <translation>um endereço IPv6 se escreve entre colchetes: [::1]</translation>
    </message>
    <message>
        <source>that is not an IPv6 address</source>
        <translation>isso não é um endereço IPv6</translation>
    </message>
    <message>
        <source>a port follows the address after a colon</source>
        <translation>uma porta vem depois do endereço, após dois-pontos</translation>
    </message>
    <message>
        <source>the port is missing after the colon</source>
        <translation>falta a porta depois dos dois-pontos</translation>
    </message>
    <message>
        <source>the server&apos;s name is missing</source>
        <translation>falta o nome do servidor</translation>
    </message>
    <message>
        <source>a server&apos;s name is made of letters, digits, - and .</source>
        <translation>o nome de um servidor é feito de letras, algarismos, - e .</translation>
    </message>
    <message>
        <source>the port is a number from 1 to 65535</source>
        <translation>a porta é um número de 1 a 65535</translation>
    </message>
    <message>
        <source>the address names room %1 but Room says %2: empty the Room box, or make them agree</source>
        <translation>o endereço nomeia a sala %1 mas Sala diz %2: esvazie a caixa Sala, ou faça-os coincidir</translation>
    </message>
    <message>
        <source>the room is missing: type it into Room, or paste the whole address into Server</source>
        <translation>falta a sala: digite-a em Sala, ou cole o endereço inteiro em Servidor</translation>
    </message>
</context>
<context>
    <name>allwordsfrm</name>
    <message>
        <source>All Words</source>
        <translation>Todas as palavras</translation>
    </message>
    <message>
        <source>All Words (yours in green):</source>
        <translation>Todas as palavras (as suas em verde):</translation>
    </message>
    <message>
        <source>Pick a word, with the mouse or the arrow keys, for its path and meaning</source>
        <translation>Escolha uma palavra, com o mouse ou as setas, para ver o caminho e o significado</translation>
    </message>
    <message>
        <source>All words on the board</source>
        <translation>Todas as palavras do tabuleiro</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>Caminho:</translation>
    </message>
    <message>
        <source>Click a word to see its path on the board.</source>
        <translation>Clique numa palavra para ver o caminho dela no tabuleiro.</translation>
    </message>
    <message>
        <source>Meaning:</source>
        <translation>Significado:</translation>
    </message>
    <message>
        <source>What the word picked means, from WordNet</source>
        <translation>O que significa a palavra escolhida, segundo o WordNet</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Significado</translation>
    </message>
    <message>
        <source>Click a word to see what it means.</source>
        <translation>Clique numa palavra para ver o que ela significa.</translation>
    </message>
    <message>
        <source>A friend who types this code after Ctrl+O plays the same board</source>
        <translation>Um amigo que digitar este código depois de Ctrl+O joga o mesmo tabuleiro</translation>
    </message>
    <message>
        <source>Copy the challenge code</source>
        <translation>Copiar o código de desafio</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Your scores over time for this game time (Ctrl+G)</source>
        <translation>Seus pontos ao longo do tempo para este tempo de jogo (Ctrl+G)</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
</context>
<context>
    <name>helpfrm</name>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Words found of the board&apos;s:</source>
        <translation>Encontradas entre as do tabuleiro:</translation>
    </message>
    <message>
        <source>For each length: the words you found of those the board holds (F9 says them)</source>
        <translation>Para cada tamanho: as palavras que você encontrou entre as do tabuleiro (F9 as lê)</translation>
    </message>
    <message>
        <source>Words found by length</source>
        <translation>Palavras encontradas por tamanho</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Letras</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Comuns</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message>
        <source>Light the first two letters of a common word you have not found (F10)</source>
        <translation>Acender as duas primeiras letras de uma palavra comum que você não encontrou (F10)</translation>
    </message>
    <message>
        <source>Show a start</source>
        <translation>Ver um começo</translation>
    </message>
    <message>
        <source>Rounds you start in a room let their players take hints; each hint costs only its taker</source>
        <translation>As partidas que você inicia numa sala deixam os jogadores pedir dicas; cada dica só custa a quem a pede</translation>
    </message>
    <message>
        <source>Hints in room rounds I start</source>
        <translation>Dicas nas minhas partidas de sala</translation>
    </message>
</context>
<context>
    <name>howtoplayfrm</name>
    <message>
        <source>How to Play</source>
        <translation>Como jogar</translation>
    </message>
    <message>
        <source>Arrow keys read on; Escape closes the window</source>
        <translation>As setas avançam; Esc fecha a janela</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Como jogar</translation>
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
        <translation>**Uma partida.** Escolha um tempo de jogo de 1 a 10 minutos ao lado de *Duração* e clique em *Iniciar*. Forme palavras clicando em letras que tocam a anterior (na horizontal, na vertical ou na diagonal; cada letra uma vez por palavra) ou digitando-as. *Adicionar* confere a palavra: uma de três letras ou mais que esteja na lista vale um ponto por letra. *Cancelar* descarta a palavra. Quando o tempo acabar, ou se você clicar em *Terminar*, clique na sua pontuação para ver os resultados.

**Teclas**

- F2: Iniciar
- uma letra: acrescenta-a à palavra
- Backspace: tira a última letra
- Enter: Adicionar
- Esc: Cancelar
- F3: Terminar
- F4: os resultados, quando a pontuação aparecer
- F6 ou Pause: pausa a partida; as letras somem e o relógio para até você apertar a tecla de novo ou clicar no tabuleiro
- F7: desliga ou liga os avisos falados para leitores de tela
- Ctrl+H: a Ajuda, ao lado do tabuleiro; de novo, para ir até ela
- F9: lê as contagens da Ajuda para um leitor de tela
- F10: Ver um começo (uma dica)
- F1: esta janela
- Ctrl+L: o idioma dos tabuleiros e das palavras, entre partidas

Nos resultados, Ctrl+P imprime e F5 abre Todas as palavras; lá, Ctrl+G, ou Tab até *Progresso* e Enter, abre o Progresso.

**Todas as palavras** lista cada palavra que o tabuleiro tinha, as mais longas primeiro, as suas em verde (“encontrada por você” para um leitor de tela), com a sua parte dos pontos possíveis e o seu recorde para o tempo de jogo. Escolha uma palavra para ver o caminho dela no tabuleiro e o que ela significa.

**Ajuda** conta, para cada tamanho, as palavras que você encontrou entre as do tabuleiro, comuns e no total. *Ver um começo* acende as duas primeiras letras de uma palavra comum que você não encontrou com a linha vermelha, até você clicar ou digitar outra letra; essa palavra então não vale pontos, os resultados a marcam como dica e a partida não bate recorde.

**Progresso** mostra num gráfico seus pontos nas partidas de um mesmo tempo de jogo, o melhor em vermelho, e lista as partidas abaixo do gráfico: partida, data e pontos.

**Idiomas.** Além do inglês, tabuleiros e palavras podem estar em catalão, dinamarquês, holandês, francês, alemão, italiano, norueguês, polonês, português, espanhol ou sueco, depois que a lista de palavras do idioma estiver instalada: a janela *Idioma* diz qual pacote a traz. O tabuleiro passa a ter as letras próprias do idioma (Ä, Ñ, Å…), que você digita como são; os outros acentos voltam à sua letra (digite é para E). Os significados são só em inglês.

Um leitor de tela ouve a partida: o início (e o idioma, quando não é inglês), cada palavra adicionada, os últimos segundos e a sua pontuação; F9 e F10 leem as contagens da Ajuda e um começo.</translation>
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
        <translation>Tabuleiros e palavras em:</translation>
    </message>
    <message>
        <source>Pick a language with the mouse or the arrow keys; Return or a double-click plays it</source>
        <translation>Escolha um idioma com o mouse ou as setas; Enter ou um clique duplo o joga</translation>
    </message>
    <message>
        <source>Board languages</source>
        <translation>Idiomas dos tabuleiros</translation>
    </message>
    <message>
        <source>Play boards and words in this language from the next round on (Return)</source>
        <translation>Jogar tabuleiros e palavras neste idioma a partir da próxima partida (Enter)</translation>
    </message>
    <message>
        <source>Play it</source>
        <translation>Jogar</translation>
    </message>
    <message>
        <source>Copy the line that installs its word list</source>
        <translation>Copiar a linha que instala a lista de palavras</translation>
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
        <translation>Carregando</translation>
    </message>
    <message>
        <source>A word game by the Go LEXORB developers</source>
        <translation>Um jogo de palavras dos desenvolvedores do Go LEXORB</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Carregando...</translation>
    </message>
</context>
<context>
    <name>mainfrm</name>
    <message>
        <source>A round needs a length: pick its minutes here (arrow keys)</source>
        <translation>Uma partida precisa de uma duração: escolha os minutos aqui (setas)</translation>
    </message>
    <message>
        <source>Game time in minutes</source>
        <translation>Tempo de jogo em minutos</translation>
    </message>
    <message>
        <source>Chat message</source>
        <translation>Mensagem do chat</translation>
    </message>
    <message>
        <source>Your words</source>
        <translation>Suas palavras</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Search the word list</source>
        <translation>Buscar na lista de palavras</translation>
    </message>
    <message>
        <source>End the round now (F3)</source>
        <translation>Terminar a partida agora (F3)</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Terminar</translation>
    </message>
    <message>
        <source>Show the results (F4)</source>
        <translation>Mostrar os resultados (F4)</translation>
    </message>
    <message>
        <source>Your Score:</source>
        <translation>Sua pontuação:</translation>
    </message>
    <message>
        <source>Make the window taller, with the chat area</source>
        <translation>Deixar a janela mais alta, com a área de chat</translation>
    </message>
    <message>
        <source>multiplayer</source>
        <translation>em grupo</translation>
    </message>
    <message>
        <source>Make the window its normal height</source>
        <translation>Voltar a janela à altura normal</translation>
    </message>
    <message>
        <source>1 player</source>
        <translation>1 jogador</translation>
    </message>
    <message>
        <source>Start a round (F2)</source>
        <translation>Iniciar uma partida (F2)</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Iniciar</translation>
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
        <translation>Duração:</translation>
    </message>
    <message>
        <source>Your Word Here</source>
        <translation>Sua palavra aqui</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Add the word (Return)</source>
        <translation>Adicionar a palavra (Enter)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Drop the word (Escape)</source>
        <translation>Descartar a palavra (Esc)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Calculating Score...</source>
        <translation>Calculando pontos...</translation>
    </message>
    <message>
        <source>Your Score: %1</source>
        <translation>Sua pontuação: %1</translation>
    </message>
    <message>
        <source>The embedded word list could not be read: %1</source>
        <translation>Não foi possível ler a lista de palavras embutida: %1</translation>
    </message>
    <message>
        <source>The word list could not be written to a temporary file: %1</source>
        <translation>Não foi possível gravar a lista de palavras num arquivo temporário: %1</translation>
    </message>
    <message>
        <source>Loaded 1/2</source>
        <translation>Carregado 1/2</translation>
    </message>
    <message>
        <source>The word list could not be loaded: %1</source>
        <translation>Não foi possível carregar a lista de palavras: %1</translation>
    </message>
    <message>
        <source>You have already entered that word!</source>
        <translation>Você já digitou essa palavra!</translation>
    </message>
    <message>
        <source>Words must be bigger than 2 letters!</source>
        <translation>As palavras precisam ter mais de 2 letras!</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, linha %2, coluna %3</translation>
    </message>
    <message numerus="yes">
        <source>You host this room: closing the game ends it, and leaves %n player(s) without a room. Close anyway?</source>
        <translation>
            <numerusform>Você hospeda esta sala: fechar o jogo a encerra, e deixa %n jogador sem sala. Fechar mesmo assim?</numerusform>
            <numerusform>Você hospeda esta sala: fechar o jogo a encerra, e deixa %n jogadores sem sala. Fechar mesmo assim?</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1: %2.</source>
        <translation>Linha %1: %2.</translation>
    </message>
    <message>
        <source>No board: a round is not under way.</source>
        <translation>Sem tabuleiro: não há partida em curso.</translation>
    </message>
</context>
<context>
    <name>playtogetherfrm</name>
    <message>
        <source>Play Together</source>
        <translation>Jogar juntos</translation>
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
        <translation>Seu nome:</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Password, if the server asks for one:</source>
        <translation>Senha, se o servidor pedir uma:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Join the room (Return)</source>
        <translation>Entrar na sala (Enter)</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Entrar</translation>
    </message>
    <message>
        <source>Leave the room and play alone</source>
        <translation>Sair da sala e jogar sozinho</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Run a server on this computer for friends on your network</source>
        <translation>Rodar um servidor neste computador para os amigos da sua rede</translation>
    </message>
    <message>
        <source>Host on this computer</source>
        <translation>Hospedar neste computador</translation>
    </message>
    <message>
        <source>Hosting</source>
        <translation>Hospedagem</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Who is here:</source>
        <translation>Quem está aqui:</translation>
    </message>
    <message>
        <source>Who is here</source>
        <translation>Quem está aqui</translation>
    </message>
    <message>
        <source>Friends join with:</source>
        <translation>Os amigos entram com:</translation>
    </message>
    <message>
        <source>Address to give friends</source>
        <translation>Endereço para os amigos</translation>
    </message>
    <message>
        <source>Copy the address to the clipboard</source>
        <translation>Copiar o endereço para a área de transferência</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>A round of the same length, started when every player has finished</source>
        <translation>Uma partida da mesma duração, iniciada quando todos os jogadores terminarem</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Jogar de novo</translation>
    </message>
</context>
<context>
    <name>progressfrm</name>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Your score in each round, your best in red</source>
        <translation>Seus pontos em cada partida, o melhor em vermelho</translation>
    </message>
    <message>
        <source>Scores chart</source>
        <translation>Gráfico de pontos</translation>
    </message>
    <message>
        <source>The table below holds the same rounds</source>
        <translation>A tabela abaixo tem as mesmas partidas</translation>
    </message>
    <message>
        <source>Each round of this game time: its number, date and score</source>
        <translation>Cada partida deste tempo de jogo: número, data e pontos</translation>
    </message>
    <message>
        <source>Your rounds</source>
        <translation>Suas partidas</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontos</translation>
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
        <translation>Prêmios</translation>
    </message>
    <message>
        <source>Rejected words</source>
        <translation>Palavras recusadas</translation>
    </message>
    <message>
        <source>Accepted words</source>
        <translation>Palavras aceitas</translation>
    </message>
    <message>
        <source>Print the results (Ctrl+P)</source>
        <translation>Imprimir os resultados (Ctrl+P)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Puzzle:</source>
        <translation>Grade:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Pontos:</translation>
    </message>
    <message>
        <source>Awards:</source>
        <translation>Troféus:</translation>
    </message>
    <message>
        <source>Longest Word:</source>
        <translation>Maior palavra:</translation>
    </message>
    <message>
        <source>Letter Most Used:</source>
        <translation>Letra mais usada:</translation>
    </message>
    <message>
        <source>Rejected Words:</source>
        <translation>Recusadas:</translation>
    </message>
    <message>
        <source>Accepted Words:</source>
        <translation>Aceitas:</translation>
    </message>
    <message>
        <source> (hinted)</source>
        <translation> (dica)</translation>
    </message>
    <message>
        <source>The results below are to show how well you did Go LEXORB</source>
        <translation>Os resultados abaixo mostram como você se saiu no Go LEXORB</translation>
    </message>
    <message>
        <source>Every word this board held (F5)</source>
        <translation>Todas as palavras deste tabuleiro (F5)</translation>
    </message>
    <message>
        <source>No printer is available, so the results were not printed.</source>
        <translation>Não há impressora disponível, então os resultados não foram impressos.</translation>
    </message>
    <message>
        <source>Go LEXORB results</source>
        <translation>Resultados do Go LEXORB</translation>
    </message>
    <message>
        <source>The results could not be printed on %1.</source>
        <translation>Não foi possível imprimir os resultados em %1.</translation>
    </message>
</context>
</TS>
