#pragma once
// Which cells of the board touch, written out cell by cell rather than
// computed, so that the oracles of the tests do not share a fault with the
// game's own touching().
//
//    0  1  2  3
//    4  5  6  7
//    8  9 10 11
//   12 13 14 15

#include <algorithm>
#include <array>
#include <initializer_list>

namespace testing_board {

inline const std::array<std::initializer_list<int>, 16> kTouchingCells = {{
    {1, 4, 5},                    // 0
    {0, 2, 4, 5, 6},              // 1
    {1, 3, 5, 6, 7},              // 2
    {2, 6, 7},                    // 3
    {0, 1, 5, 8, 9},              // 4
    {0, 1, 2, 4, 6, 8, 9, 10},    // 5
    {1, 2, 3, 5, 7, 9, 10, 11},   // 6
    {2, 3, 6, 10, 11},            // 7
    {4, 5, 9, 12, 13},            // 8
    {4, 5, 6, 8, 10, 12, 13, 14}, // 9
    {5, 6, 7, 9, 11, 13, 14, 15}, // 10
    {6, 7, 10, 14, 15},           // 11
    {8, 9, 13},                   // 12
    {8, 9, 10, 12, 14},           // 13
    {9, 10, 11, 13, 15},          // 14
    {10, 11, 14},                 // 15
}};

inline bool adjacent(int a, int b)
{
    if (a < 0 || a >= 16)
        return false;
    const auto& cells = kTouchingCells[static_cast<std::size_t>(a)];
    return std::find(cells.begin(), cells.end(), b) != cells.end();
}

} // namespace testing_board
