#include "platform/EchoTransport.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace birch {

namespace {

std::string findPing()
{
    std::vector<std::filesystem::path> candidates = {"/usr/bin/ping", "/bin/ping", "/usr/sbin/ping", "/sbin/ping"};
    if (const char* path = std::getenv("PATH")) {
        std::string_view rest(path);
        while (!rest.empty()) {
            const auto colon = rest.find(':');
            const std::string_view folder = rest.substr(0, colon);
            if (!folder.empty())
                candidates.push_back(std::filesystem::path(folder) / "ping");
            rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
        }
    }
    for (const auto& candidate : candidates)
        if (::access(candidate.c_str(), X_OK) == 0)
            return candidate.string();
    return {};
}

// The environment of this process with LC_ALL=C, so the program's behaviour does not depend
// on the user's locale.
std::vector<std::string> childEnvironment()
{
    std::vector<std::string> entries;
    for (char** entry = environ; entry && *entry; ++entry)
        if (std::strncmp(*entry, "LC_ALL=", 7) != 0)
            entries.emplace_back(*entry);
    entries.emplace_back("LC_ALL=C");
    return entries;
}

EchoTransport::SendFailure cannotSend(std::string reason)
{
    return {EchoTransport::SendFailure::Kind::CannotSend, std::move(reason)};
}

// The program runs with LC_ALL=C, so the system's reasons come in these words.
bool namesNoRoute(std::string_view said)
{
    for (const std::string_view reason : {"Network is unreachable", "No route to host", "Network is down"})
        if (said.find(reason) != std::string_view::npos)
            return true;
    return false;
}

// The program's own complaint comes last, after any heading it printed.
std::string lastLine(std::string_view text)
{
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.remove_suffix(1);
    const auto end = text.find_last_of('\n');
    return std::string(end == std::string_view::npos ? text : text.substr(end + 1));
}

std::vector<char*> pointers(std::vector<std::string>& texts)
{
    std::vector<char*> result;
    for (auto& text : texts)
        result.push_back(text.data());
    result.push_back(nullptr);
    return result;
}

// One run of `ping -c 1` per request, judged by its exit code: 0 a reply came, 1 none came,
// anything else the program could not send.
class PingProgramEcho final : public EchoTransport {
public:
    explicit PingProgramEcho(std::string program) : program_(std::move(program)) {}
    ~PingProgramEcho() override { stop(); }
    PingProgramEcho(const PingProgramEcho&) = delete;
    PingProgramEcho& operator=(const PingProgramEcho&) = delete;

    std::optional<SendFailure> send(const Ipv4Address& address, std::string_view data) override
    {
        if (auto refused = outsideReach(address))
            return refused;
        const std::string host = toText(address);
        if (program_.empty())
            program_ = findPing();
        if (program_.empty())
            return cannotSend("ping program: not found");
        stop();

        std::vector<std::string> arguments = {
            program_, "-n", "-q", "-c", "1", "-W", "1", "-s", std::to_string(data.size()), "--", host};
        std::vector<std::string> environment = childEnvironment();
        auto argv = pointers(arguments);
        auto envp = pointers(environment);

        // The program's output goes into a pipe; what it says on failure becomes the reason.
        int output[2] = {-1, -1};
        if (::pipe2(output, O_CLOEXEC) != 0)
            return cannotSend(std::string("ping program: pipe: ") + std::strerror(errno));
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
        posix_spawn_file_actions_adddup2(&actions, output[1], STDERR_FILENO);
        posix_spawn_file_actions_addclosefrom_np(&actions, 3);
        posix_spawnattr_t attributes;
        posix_spawnattr_init(&attributes);
        sigset_t none;
        sigemptyset(&none);
        sigset_t all;
        sigfillset(&all);
        posix_spawnattr_setsigmask(&attributes, &none);
        posix_spawnattr_setsigdefault(&attributes, &all);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
        pid_t pid = -1;
        const int error = ::posix_spawn(&pid, program_.c_str(), &actions, &attributes, argv.data(), envp.data());
        posix_spawnattr_destroy(&attributes);
        posix_spawn_file_actions_destroy(&actions);
        ::close(output[1]);
        if (error != 0) {
            ::close(output[0]);
            return cannotSend("ping program " + program_ + ": " + std::strerror(error));
        }
        child_ = pid;
        output_ = output[0];
        dataSize_ = data.size();
        return std::nullopt;
    }

    Poll poll() override
    {
        if (child_ < 0)
            return {};
        int status = 0;
        const pid_t ended = ::waitpid(child_, &status, WNOHANG);
        if (ended == 0)
            return {};
        child_ = -1;
        const std::string said = takeOutput();
        if (ended < 0 || !WIFEXITED(status))
            return {Poll::Status::CannotSend, 0, "ping program ended abnormally"};
        switch (WEXITSTATUS(status)) {
        case 0:
            return {Poll::Status::Reply, dataSize_, {}};
        case 1:
            return {}; // no reply: the caller's wait runs out
        default:
            // No route to the target is the target's matter, as for the sockets: no reply.
            if (namesNoRoute(said))
                return {};
            return {Poll::Status::CannotSend, 0,
                    "ping program " + program_ + " could not send (exit status " + std::to_string(WEXITSTATUS(status)) +
                        (said.empty() ? std::string() : ": " + lastLine(said)) + ")"};
        }
    }

    // A run still waiting for its reply is ended now rather than left for the next request.
    void finish() override { stop(); }

private:
    // Ends a run still waiting for its reply; only our own child is reaped.
    void stop()
    {
        if (child_ >= 0) {
            ::kill(child_, SIGKILL);
            int status = 0;
            while (::waitpid(child_, &status, 0) < 0 && errno == EINTR) {
            }
            child_ = -1;
        }
        takeOutput();
    }

    // What the ended program wrote (little: one request, quiet mode).
    std::string takeOutput()
    {
        if (output_ < 0)
            return {};
        std::string text;
        char buffer[512];
        ssize_t got = 0;
        while (text.size() < 4096 && (got = ::read(output_, buffer, sizeof buffer)) > 0)
            text.append(buffer, static_cast<std::size_t>(got));
        ::close(output_);
        output_ = -1;
        return text;
    }

    std::string program_;
    pid_t child_ = -1;
    int output_ = -1;
    std::size_t dataSize_ = 0;
};

} // namespace

std::unique_ptr<EchoTransport> makePingProgramTransport(std::string program)
{
    return std::make_unique<PingProgramEcho>(std::move(program));
}

} // namespace birch
