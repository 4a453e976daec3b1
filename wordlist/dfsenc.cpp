#include "dfsenc.h"

namespace dfsenc {

std::string decodeline(std::string_view line)
{
    std::string out(line);
    decodeline(out.data(), out.size());
    return out;
}

void decodeline(char* line, std::size_t size)
{
    for (std::size_t i = 0; i < size; ++i) {
        const auto c = static_cast<unsigned char>(line[i]);
        line[i] = static_cast<char>(c >= 10 ? c - 10 : c);
    }
}

std::string encodeline(std::string_view line)
{
    std::string out(line.size(), '\0');
    for (std::size_t i = 0; i < line.size(); ++i) {
        const auto c = static_cast<unsigned char>(line[i]);
        out[i] = static_cast<char>(static_cast<unsigned char>(c + 10));
    }
    return out;
}

} // namespace dfsenc
