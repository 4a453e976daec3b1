#pragma once
// The embedded resources the round's logic reads whole (the word list and
// how common its words are), as bytes: read where they lie in the program,
// or inflated once when a build compresses them; and let go of once read,
// so that the list's pages leave the process.

#include <QByteArray>
#include <QString>

#include <map>
#include <string_view>

namespace golexorb {

class ResourceData {
public:
    // The bytes of ":/TYPE/NAME", valid until released; throws
    // std::runtime_error when there is no such resource.
    std::string_view load(std::string_view type, std::string_view name);
    // Bytes that load() gave and that are no longer needed.
    void release(std::string_view bytes);

private:
    // Resources embedded compressed, inflated once each, by path; a second
    // one must not free the first's bytes, which stay in use.
    std::map<QString, QByteArray> inflated_;
};

} // namespace golexorb
