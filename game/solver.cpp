#include "solver.h"

#include "wordindex.h"

#include <algorithm>
#include <unordered_set>

namespace game {

namespace {

// Each cell's touching cells, made once from touching().
struct TouchingCells {
    std::array<std::array<int, 8>, kCells> cells{};
    std::array<int, kCells> count{};
};

constexpr TouchingCells makeTouchingCells()
{
    TouchingCells n;
    for (int a = 0; a < kCells; ++a) {
        for (int b = 0; b < kCells; ++b) {
            if (touching(a, b))
                n.cells[a][n.count[a]++] = b;
        }
    }
    return n;
}

constexpr TouchingCells kTouching = makeTouchingCells();

class BoardWalk {
public:
    BoardWalk(const Board& board, const wordlist::WordIndex& index)
        : board_(board)
        , index_(index)
    {
    }

    std::vector<FoundWord> run()
    {
        for (int cell = 0; cell < kCells; ++cell)
            visit(cell);
        return std::move(found_);
    }

private:
    void visit(int cell)
    {
        const std::size_t before = word_.size();
        word_ += board_[cell];
        path_.push_back(cell);
        inPath_[cell] = true;
        // A path no entry goes on from is dropped with everything beyond it.
        if (index_.hasPrefixIgnoringCase(word_)) {
            // A cell is one tile: the path's length is the word's.
            if (path_.size() >= 3 && !seen_.contains(word_) && index_.find(word_)) {
                seen_.insert(word_);
                found_.push_back({word_, path_});
            }
            for (int i = 0; i < kTouching.count[cell]; ++i) {
                const int next = kTouching.cells[cell][i];
                if (!inPath_[next])
                    visit(next);
            }
        }
        inPath_[cell] = false;
        path_.pop_back();
        word_.resize(before);
    }

    const Board& board_;
    const wordlist::WordIndex& index_;
    std::string word_;
    std::vector<int> path_;
    std::array<bool, kCells> inPath_{};
    std::unordered_set<std::string> seen_;
    std::vector<FoundWord> found_;
};

} // namespace

std::vector<FoundWord> solveBoard(const Board& board, const wordlist::WordIndex& index)
{
    std::vector<FoundWord> words = BoardWalk(board, index).run();
    std::sort(words.begin(), words.end(), [](const FoundWord& a, const FoundWord& b) {
        return a.path.size() != b.path.size() ? a.path.size() > b.path.size() : a.word < b.word;
    });
    return words;
}

int bestScore(const std::vector<FoundWord>& words)
{
    int total = 0;
    for (const auto& w : words)
        total += static_cast<int>(w.path.size());
    return total;
}

} // namespace game
