// The board solver against a plain search on boards drawn like the game's,
// with the embedded word list.

#include "board.h"
#include "solver.h"
#include "wordindex.h"
#include "../adjacency.h"

#include <QFile>
#include <QTest>

#include <random>
#include <set>

using namespace game;

using Board = std::array<std::string, kCells>;
Q_DECLARE_METATYPE(Board)

namespace {

Board boardOf(const char* letters)
{
    Board b;
    for (int k = 0; k < kCells; ++k)
        b[k] = std::string(1, letters[k]);
    return b;
}

// Sixteen draws from the letter pool, as fillboard makes them.
Board randomBoard(unsigned seed)
{
    std::mt19937 gen(seed);
    std::uniform_real_distribution<double> rnd(0.0, 1.0);
    Board b;
    for (auto& cell : b) {
        int p = 0;
        while (p == 0)
            p = poolPosition(rnd(gen));
        cell = std::string(1, kLetterPool[p - 1]);
    }
    return b;
}

// Whether `word` can be spelled from `cell` on: a walk over every path that
// spells a beginning of the word, with no word list involved.
bool spells(const Board& b, std::string_view word, int cell, std::array<bool, kCells>& used)
{
    if (used[cell] || !word.starts_with(b[cell]) || b[cell].empty())
        return false;
    const std::string_view rest = word.substr(b[cell].size());
    if (rest.empty())
        return true;
    used[cell] = true;
    bool found = false;
    for (int next = 0; next < kCells && !found; ++next)
        found = testing_board::adjacent(cell, next) && spells(b, rest, next, used);
    used[cell] = false;
    return found;
}

} // namespace

class TestSolver : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void agreesWithPlainSearch_data();
    void agreesWithPlainSearch();

private:
    std::vector<std::string> list_;
    wordlist::WordIndex index_;
    std::set<std::string> candidates_; // every entry of 3 or more, upper-cased
};

void TestSolver::initTestCase()
{
    QFile f(QStringLiteral(":/DIC/BIN"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    for (const QByteArray& line : bytes.split('\n')) {
        std::string word;
        for (char c : line)
            if (c != '\r')
                word += static_cast<unsigned char>(c) >= 10 ? char(c - 10) : c;
        list_.push_back(word);
    }
    index_ = wordlist::WordIndex(list_);
    for (const auto& w : list_) {
        if (w.size() >= 3)
            candidates_.insert(QByteArray::fromStdString(w).toUpper().toStdString());
    }
    QVERIFY(candidates_.size() > 100000);
}

void TestSolver::agreesWithPlainSearch_data()
{
    QTest::addColumn<Board>("board");
    QTest::newRow("before the first round") << Board{"?", "?", "?", "?", "?", "?", "?", "?",
                                                     "?", "?", "?", "?", "?", "?", "?", "?"};
    QTest::newRow("one letter everywhere") << boardOf("EEEEEEEEEEEEEEEE");
    QTest::newRow("diagonals and repeats") << boardOf("CATSDOGEQUIZREAD");
    QTest::newRow("rare letters") << boardOf("QXZJKVQXZJKVQXZJ");
    for (unsigned seed = 1; seed <= 300; ++seed)
        QTest::newRow(qPrintable(QString("drawn %1").arg(seed))) << randomBoard(seed);
}

void TestSolver::agreesWithPlainSearch()
{
    QFETCH(Board, board);
    const auto words = solveBoard(board, index_);

    std::set<std::string> solved;
    int total = 0;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const auto& [word, path] = words[i];
        QVERIFY2(solved.insert(word).second, word.c_str()); // each word once
        total += int(word.size());
        if (i > 0) { // longest first, then byte order
            const auto& prev = words[i - 1].word;
            QVERIFY(prev.size() > word.size() || (prev.size() == word.size() && prev < word));
        }
        // The path is a legal play that spells the word.
        std::string spelled;
        std::set<int> cells;
        for (std::size_t s = 0; s < path.size(); ++s) {
            QVERIFY(path[s] >= 0 && path[s] < kCells);
            QVERIFY2(cells.insert(path[s]).second, word.c_str());
            QVERIFY(s == 0 || testing_board::adjacent(path[s - 1], path[s]));
            spelled += board[path[s]];
        }
        QCOMPARE(spelled, word);
    }
    QCOMPARE(bestScore(words), total);

    std::set<std::string> expected;
    for (const auto& w : candidates_) {
        for (int cell = 0; cell < kCells; ++cell) {
            std::array<bool, kCells> used{};
            if (spells(board, w, cell, used)) {
                expected.insert(w);
                break;
            }
        }
    }
    QCOMPARE(solved, expected);
}

QTEST_GUILESS_MAIN(TestSolver)
#include "tst_solver.moc"
