#pragma once
// The game's logic as the benchmarks drive it: boards drawn by the game's
// own fill from a seeded source, and the embedded resources read where they
// lie, as the window layer reads them.

#include "mainlogic.h"

#include <QResource>

#include <random>
#include <stdexcept>
#include <string>

namespace bench {

class GamePlatform : public game::Platform {
public:
    explicit GamePlatform(unsigned seed) : gen_(seed) {}
    void randomize() override {}
    double rnd() override { return std::uniform_real_distribution<double>(0.0, 1.0)(gen_); }
    void msgBox(std::string_view) override {}
    void doEvents() override {}
    std::string_view loadResData(std::string_view type, std::string_view name) override
    {
        const QResource resource(QStringLiteral(":/%1/%2").arg(QLatin1String(type), QLatin1String(name)));
        if (!resource.isValid() || !resource.data() || resource.compressionAlgorithm() != QResource::NoCompression)
            throw std::runtime_error("no such resource, or compressed");
        return {reinterpret_cast<const char*>(resource.data()), std::size_t(resource.size())};
    }

private:
    std::mt19937 gen_;
};

// Plays a round on a board the game draws and ends it at once; its report
// is what the results and All Words windows show.
inline void drawAndEnd(game::MainLogic& logic)
{
    logic.startbtn_Click();
    logic.endbtn_Click();
}

} // namespace bench
