#pragma once
// The results report of a finished round, as the results window shows it.

#include <array>
#include <string>
#include <string_view>

namespace game {

struct Report {
    std::string acceptedtxt; // accepted words in lower case, CR LF after each
    std::string rejectedtxt; // rejected words in lower case, CR LF after each
    std::string longestwordtxt;
    std::string scoretxt;
    std::array<std::string, 16> d; // copy of the board
    std::string lettermostusedtxt; // empty when no word was accepted
    std::string desctxt;
    std::string awardstxt;
    friend bool operator==(const Report&, const Report&) = default;
};

// Award lines, each followed by CR LF, for a round's records.
std::string awardLines(std::string_view longestword, std::string_view acceptedwords, int score);

// The letter of the highest-numbered cell whose letter occurs most often in
// the accepted words, or empty when no letter of the board was used.
std::string letterMostUsed(const std::array<std::string, 16>& board, std::string_view acceptedwords);

std::string lowerCase(std::string_view s);
std::string upperCase(std::string_view s);

} // namespace game
