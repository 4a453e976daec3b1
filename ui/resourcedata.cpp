#include "resourcedata.h"

#include <QResource>

#include <cstdint>
#include <stdexcept>

#include <sys/mman.h>
#include <unistd.h>

namespace golexorb {

std::string_view ResourceData::load(std::string_view type, std::string_view name)
{
    const QString path = QStringLiteral(":/%1/%2")
                             .arg(QString::fromLatin1(type.data(), static_cast<qsizetype>(type.size())),
                                  QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    const QResource resource(path);
    if (!resource.isValid() || !resource.data())
        throw std::runtime_error("resource " + path.toStdString() + " not found");
    // The list and its sizes are embedded uncompressed, so their bytes are
    // read where they lie in the program. Should a build compress one, it is
    // inflated once and kept for the rest of the run.
    if (resource.compressionAlgorithm() == QResource::NoCompression)
        return {reinterpret_cast<const char*>(resource.data()), static_cast<std::size_t>(resource.size())};
    auto [it, added] = inflated_.try_emplace(path);
    if (added)
        it->second = resource.uncompressedData();
    return {it->second.constData(), static_cast<std::size_t>(it->second.size())};
}

void ResourceData::release(std::string_view bytes)
{
    for (auto it = inflated_.begin(); it != inflated_.end(); ++it) {
        if (bytes.data() == it->second.constData()) {
            inflated_.erase(it);
            return;
        }
    }
    // The list lies in the program's read-only data, mapped from the program
    // file: its pages leave this process for nothing, and would come back
    // from the file if read. Only the pages wholly inside the list go, so
    // nothing that shares its first or last page is touched.
    const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const auto at = reinterpret_cast<std::uintptr_t>(bytes.data());
    const std::uintptr_t begin = (at + page - 1) & ~(page - 1);
    const std::uintptr_t end = (at + bytes.size()) & ~(page - 1);
    if (end > begin)
        ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_DONTNEED);
}

} // namespace golexorb
