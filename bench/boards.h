#pragma once
// What the board benchmarks share: the embedded word list, unscrambled and
// indexed, and boards drawn from the letter pool as the game draws them.

#include "board.h"
#include "wordindex.h"

#include <QFile>

#include <array>
#include <random>
#include <string>
#include <vector>

namespace bench {

using Board = std::array<std::string, game::kCells>;

// One entry a line, each code lowered by 10; empty when the resource is missing.
inline std::vector<std::string> embeddedList()
{
    std::vector<std::string> list;
    QFile resource(QStringLiteral(":/DIC/BIN"));
    if (!resource.open(QIODevice::ReadOnly))
        return list;
    for (const QByteArray& line : resource.readAll().split('\n')) {
        std::string word;
        for (char c : line)
            if (c != '\r')
                word += static_cast<unsigned char>(c) >= 10 ? char(c - 10) : c;
        list.push_back(std::move(word));
    }
    return list;
}

// The embedded list and its index, made once for the whole program; both
// empty when the resource is missing.
struct Embedded {
    std::vector<std::string> list = embeddedList();
    wordlist::WordIndex index{list};
};

inline const Embedded& embedded()
{
    static const Embedded e;
    return e;
}

inline Board drawBoard(std::mt19937& gen)
{
    std::uniform_real_distribution<double> rnd(0.0, 1.0);
    Board board;
    for (auto& cell : board) {
        int p = 0;
        while (p == 0)
            p = game::poolPosition(rnd(gen));
        cell = std::string(1, game::kLetterPool[p - 1]);
    }
    return board;
}

} // namespace bench
