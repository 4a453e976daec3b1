#include "translate.h"

#include <atomic>

namespace game {

namespace {

// The room's thread reads it too: set once, before any window.
std::atomic<Translator> g_translator{nullptr};

} // namespace

void setTranslator(Translator translator)
{
    g_translator.store(translator);
}

std::string englishPlural(std::string text, int n)
{
    for (std::size_t at = text.find("(s)"); at != std::string::npos; at = text.find("(s)", at))
        text.replace(at, 3, n == 1 ? "" : "s");
    return text;
}

std::string translate(const char* context, const char* source, const char* /*disambiguation*/, int n)
{
    std::string out;
    if (const Translator t = g_translator.load()) {
        out = t(context, source, n);
    } else {
        out = source;
        if (n >= 0) {
            const std::string number = std::to_string(n);
            for (std::size_t at = out.find("%n"); at != std::string::npos; at = out.find("%n", at + number.size()))
                out.replace(at, 2, number);
        }
    }
    return n >= 0 ? englishPlural(std::move(out), n) : out;
}

std::string fill(std::string_view pattern, std::initializer_list<std::string_view> args)
{
    std::string out;
    out.reserve(pattern.size() + 16);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const std::size_t k = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (k < args.size()) {
                out += *(args.begin() + k);
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

} // namespace game
