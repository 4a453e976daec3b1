#pragma once
// A platform whose random draws, message boxes, yields and resource the test
// controls and records.

#include "dfsenc.h"
#include "mainlogic.h"

#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

struct ScriptedPlatform : game::Platform {
    std::deque<double> draws;          // used first
    std::function<double()> fallback;  // then this; 0.5 when unset
    int randomizes = 0;
    std::vector<std::string> boxes;
    int yields = 0;
    std::function<void()> onYield;
    std::string resource;
    bool resourceMissing = false;
    std::vector<std::string> asked; // "type/name" of each resource asked for
    int beeps = 0;

    void randomize() override { ++randomizes; }
    double rnd() override
    {
        if (!draws.empty()) {
            const double r = draws.front();
            draws.pop_front();
            return r;
        }
        return fallback ? fallback() : 0.5;
    }
    void msgBox(std::string_view text) override { boxes.emplace_back(text); }
    void beep() override { ++beeps; }
    void doEvents() override
    {
        ++yields;
        if (onYield)
            onYield();
    }
    std::string_view loadResData(std::string_view type, std::string_view name) override
    {
        asked.push_back(std::string(type) + "/" + std::string(name));
        if (resourceMissing || type != "DIC" || name != "BIN")
            throw std::runtime_error("no such resource");
        return resource;
    }
    void releaseResData(std::string_view bytes) override { released = bytes; }
    std::string_view released; // what the logic gave back
};

// The framing the game ships its list in: scrambled CR LF lines.
inline std::string scrambledList(const std::vector<std::string>& words)
{
    std::string out;
    for (const auto& w : words)
        out += dfsenc::encodeline(w) + "\r\n";
    return out;
}

// Letters for each cell as draws: the fraction that lands in the middle of
// the letter's first position in the pool.
inline std::deque<double> drawsFor(const std::string& board)
{
    std::deque<double> out;
    for (char c : board) {
        const auto pos = game::kLetterPool.find(c);
        out.push_back((static_cast<double>(pos) + 1.0) / 102.0);
    }
    return out;
}
