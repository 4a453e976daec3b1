// golexorb-wordnet: looks words up in WordNet for the game, which starts it
// and talks to it over its standard input and output (wordnet.h gives the
// lines). It holds the WordNet library, so that a damaged database ends
// this program, never the game.

#include "wordnet.h"
#include "writeall.h"

#include <sys/prctl.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2 || std::strcmp(argv[1], "--serve") != 0) {
        std::fprintf(stderr, "golexorb-wordnet: the game starts this program to look words up in WordNet; "
                             "it is not for use by hand\n");
        return 2;
    }
    // Ends with the game, even in the middle of a lookup.
    const pid_t game = ::getppid();
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != game)
        return 0;

    std::string line;
    for (int c; (c = std::getchar()) != EOF;) {
        if (c != '\n') {
            if (line.size() <= wordlist::kLongestDefinedWord)
                line += char(c);
            continue;
        }
        wordlist::Meaning m;
        // The game asks for words lower-cased (define()): nothing else is looked up.
        if (wordlist::isPlainWord(line) && wordlist::madeOf(line, wordlist::asciiLower)) {
            m = wordlist::wordnet::lookUp(line);
        } else {
            m.word = line;
            m.status = wordlist::Meaning::Status::notAWord;
        }
        if (!wordlist::writeAll(STDOUT_FILENO, wordlist::wordnet::answerLines(m)))
            return 1;
        line.clear();
    }
    return 0;
}
