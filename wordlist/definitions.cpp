#include "definitions.h"

#include "wordnet.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <system_error>
#include <utility>

extern char** environ;

namespace wordlist {

namespace {

// AddressSanitizer reserves terabytes of address space as it starts: a
// checking build's lookup program runs without the memory limit.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kLimitMemory = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kLimitMemory = false;
#else
constexpr bool kLimitMemory = true;
#endif
#else
constexpr bool kLimitMemory = true;
#endif

// An answer is a few kilobytes; a longer one is not an answer.
constexpr std::size_t kLongestAnswer = std::size_t(1) << 20;

std::string why(int err)
{
    return std::generic_category().message(err);
}

// The lookup program, started when first needed, and the socket to it (a
// socket rather than a pipe: a write to a program that is gone then fails
// instead of raising SIGPIPE in the game).
class Lookups {
public:
    ~Lookups() { stop(); }

    void setProgram(std::string path)
    {
        stop();
        program_ = std::move(path);
    }

    Meaning define(Meaning m)
    {
        if (pid_ <= 0 && !start(m))
            return m;
        const std::string request = m.word + "\n";
        const auto deadline = std::chrono::steady_clock::now() + kLookupTimeLimit;
        if (!sendAll(request)) {
            // It ended after the last lookup (killed from outside, say): once more, afresh.
            stop();
            if (!start(m))
                return m;
            if (!sendAll(request))
                return failed(m, "the lookup program could not be asked: " + why(errno));
        }
        std::string answer, note;
        Meaning reply;
        reply.word = m.word;
        for (;;) {
            for (std::size_t end; (end = answer.find('\n')) != std::string::npos;) {
                const bool done = wordnet::readAnswerLine(std::string_view(answer).substr(0, end), reply, note);
                answer.erase(0, end + 1);
                if (done) {
                    if (reply.status == Meaning::Status::unreadable) {
                        if (reply.problem.empty())
                            reply.problem = "the lookup program's answer could not be read";
                        stop(); // it may be ending: the next word starts it afresh
                    }
                    return reply;
                }
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0)
                return failed(m, withNote(note, "looking it up took longer than "
                                                    + std::to_string(kLookupTimeLimit.count() / 1000) + " seconds"));
            pollfd p{socket_, POLLIN, 0};
            const int ready = ::poll(&p, 1, int(std::max<long long>(1, left.count())));
            if (ready < 0 && errno == EINTR)
                continue;
            if (ready < 0)
                return failed(m, "the lookup program could not be heard: " + why(errno));
            if (ready == 0)
                continue;
            char buffer[16384];
            const ssize_t n = ::recv(socket_, buffer, sizeof buffer, 0);
            if (n < 0 && (errno == EINTR || errno == EAGAIN))
                continue;
            if (n <= 0)
                return failed(m, withNote(note, ended()));
            answer.append(buffer, std::size_t(n));
            if (answer.size() > kLongestAnswer)
                return failed(m, "the lookup program's answer is too long");
        }
    }

private:
    bool start(Meaning& m)
    {
        if (program_.empty() || ::access(program_.c_str(), X_OK) != 0) {
            m.status = Meaning::Status::unreadable;
            m.problem = "the lookup program " + (program_.empty() ? std::string("golexorb-wordnet") : program_)
                + " is not installed beside the game";
            return false;
        }
        int pair[2];
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0) {
            m.status = Meaning::Status::unreadable;
            m.problem = "the lookup program could not be started: " + why(errno);
            return false;
        }
        posix_spawn_file_actions_t actions;
        posix_spawnattr_t attributes;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, pair[1], STDIN_FILENO);
        posix_spawn_file_actions_adddup2(&actions, pair[1], STDOUT_FILENO);
        posix_spawnattr_init(&attributes);
        // No signal blocked or ignored that would keep it from ending.
        sigset_t none, defaults;
        sigemptyset(&none);
        sigemptyset(&defaults);
        for (int sig : {SIGPIPE, SIGTERM, SIGHUP, SIGINT})
            sigaddset(&defaults, sig);
        posix_spawnattr_setsigmask(&attributes, &none);
        posix_spawnattr_setsigdefault(&attributes, &defaults);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
        std::string program = program_, option = "--serve";
        char* argv[] = {program.data(), option.data(), nullptr};
        pid_t pid = 0;
        const int err = ::posix_spawn(&pid, program.c_str(), &actions, &attributes, argv, environ);
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
        ::close(pair[1]);
        if (err != 0) {
            ::close(pair[0]);
            m.status = Meaning::Status::unreadable;
            m.problem = "the lookup program " + program_ + " could not be started: " + why(err);
            return false;
        }
        // It reads nothing before the first word, which comes after this.
        if (kLimitMemory) {
            const rlimit limit{kLookupMemoryLimit, kLookupMemoryLimit};
            ::prlimit(pid, RLIMIT_AS, &limit, nullptr);
        }
        pid_ = pid;
        socket_ = pair[0];
        return true;
    }

    bool sendAll(std::string_view bytes)
    {
        while (!bytes.empty()) {
            const ssize_t n = ::send(socket_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false;
            bytes.remove_prefix(std::size_t(n));
        }
        return true;
    }

    // Ends the program, if any, and collects it.
    void stop()
    {
        if (socket_ >= 0)
            ::close(socket_);
        socket_ = -1;
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            while (::waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
            }
        }
        pid_ = -1;
    }

    // How the program ended, once its answer broke off.
    std::string ended()
    {
        // It closed its end: it is ending, or gone.
        int status = 0;
        pid_t gone = 0;
        for (int i = 0; i < 200 && (gone = ::waitpid(pid_, &status, WNOHANG)) == 0; ++i)
            ::usleep(1000);
        if (gone == pid_) {
            pid_ = -1;
            stop();
            if (WIFSIGNALED(status))
                return std::string("the lookup program crashed (") + ::strsignal(WTERMSIG(status)) + ")";
            return "the lookup program ended with status " + std::to_string(WEXITSTATUS(status));
        }
        stop();
        return "the lookup program stopped answering";
    }

    static std::string withNote(const std::string& note, const std::string& what)
    {
        return note.empty() ? what : note + "; " + what;
    }

    Meaning failed(Meaning m, const std::string& what)
    {
        stop();
        m.status = Meaning::Status::unreadable;
        m.senses.clear();
        m.problem = what + ", with the database in " + wordnet::databaseFolder();
        return m;
    }

    std::string program_;
    pid_t pid_ = -1;
    int socket_ = -1;
};

std::mutex g_lock; // one lookup at a time
Lookups g_lookups;

} // namespace

void setLookupProgram(std::string path)
{
    const std::lock_guard<std::mutex> hold(g_lock);
    g_lookups.setProgram(std::move(path));
}

Meaning define(std::string_view word)
{
    Meaning m;
    if (!isPlainWord(word)) {
        m.status = Meaning::Status::notAWord;
        return m;
    }
    m.word = lowerCase(word);
    const std::lock_guard<std::mutex> hold(g_lock);
    return g_lookups.define(std::move(m));
}

std::string meaningText(const Meaning& m)
{
    switch (m.status) {
    case Meaning::Status::notAWord:
        return "Only words of letters a to z can be looked up.";
    case Meaning::Status::noDatabase:
        return "Definitions need WordNet, which is not installed. Install it with\n"
               "    sudo apt install "
            + m.package + "\nand start the game again.";
    case Meaning::Status::brokenLibrary:
        return "The WordNet library could not be loaded: " + m.problem + ". Install it again with\n"
               "    sudo apt install --reinstall "
            + m.package + "\nand start the game again.";
    case Meaning::Status::unreadable:
        return "The WordNet database could not be read: " + m.problem + ".";
    case Meaning::Status::noEntry:
        return "No definition of \"" + m.word + "\" in WordNet.";
    case Meaning::Status::found:
        break;
    }
    std::string out;
    std::vector<std::string> bases;
    for (const Sense& s : m.senses) {
        if (s.lemma != m.word && std::find(bases.begin(), bases.end(), s.lemma) == bases.end())
            bases.push_back(s.lemma);
    }
    for (const std::string& base : bases)
        out += m.word + " is a form of " + base + ".\n";
    std::string heading;
    int n = 0;
    for (const Sense& s : m.senses) {
        const std::string h = s.lemma + " (" + s.partOfSpeech + ")";
        if (h != heading) {
            heading = h;
            n = 0;
            out += (out.empty() ? "" : "\n") + h + "\n";
        }
        out += std::to_string(++n) + ". " + s.gloss + "\n";
    }
    return out;
}

} // namespace wordlist
