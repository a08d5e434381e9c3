#include "Startup.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#ifdef Q_OS_UNIX
#include <csignal>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;
#endif

namespace startup {

#ifdef Q_OS_UNIX
namespace {

class Pipe {
public:
    Pipe() { m_ok = ::pipe(m_ends) == 0; }
    ~Pipe()
    {
        closeWriteEnd();
        if (m_ok)
            ::close(m_ends[0]);
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;

    bool ok() const { return m_ok; }
    int readEnd() const { return m_ends[0]; }
    int writeEnd() const { return m_ends[1]; }
    void closeWriteEnd()
    {
        if (m_ok && m_ends[1] >= 0)
            ::close(m_ends[1]);
        m_ends[1] = -1;
    }

private:
    int m_ends[2] = {-1, -1};
    bool m_ok = false;
};

std::vector<std::string> environmentWithoutPlatform()
{
    std::vector<std::string> variables;
    for (char** variable = environ; *variable; ++variable) {
        if (!std::string_view(*variable).starts_with("QT_QPA_PLATFORM="))
            variables.emplace_back(*variable);
    }
    return variables;
}

std::vector<char*> pointersTo(std::vector<std::string>& texts)
{
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

// What the child printed, until it closes its output or the time is up.
std::string readUntilClosed(int fd, std::chrono::seconds limit)
{
    std::string output;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd watched{fd, POLLIN, 0};
        if (left.count() <= 0 || ::poll(&watched, 1, static_cast<int>(left.count())) <= 0)
            return {};
        char buffer[256];
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got <= 0)
            return output;
        output.append(buffer, static_cast<std::size_t>(got));
    }
}

} // namespace

std::optional<Run> runOnce(const QString& program, const QStringList& arguments)
{
    Pipe output;
    if (!output.ok())
        return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output.writeEnd(), STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, output.readEnd());

    std::vector<std::string> argumentTexts{program.toStdString()};
    for (const QString& argument : arguments)
        argumentTexts.push_back(argument.toStdString());
    std::vector<std::string> environment = environmentWithoutPlatform();
    std::vector<char*> argv = pointersTo(argumentTexts);
    std::vector<char*> envp = pointersTo(environment);

    pid_t child = 0;
    const auto started = std::chrono::steady_clock::now();
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    output.closeWriteEnd();
    if (spawned != 0)
        return std::nullopt;

    const std::string printed = readUntilClosed(output.readEnd(), std::chrono::seconds(30));
    if (printed.empty())
        ::kill(child, SIGKILL);
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);

    long long paintedAt = 0;
    Run run;
    if (printed.empty() || !WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
        std::sscanf(printed.c_str(), "%lld %d %d", &paintedAt, &run.width, &run.height) != 3)
        return std::nullopt;
    const auto painted = std::chrono::steady_clock::time_point(std::chrono::nanoseconds(paintedAt));
    run.milliseconds = std::chrono::duration<double, std::milli>(painted - started).count();
    run.peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
    return run;
}
#else
std::optional<Run> runOnce(const QString&, const QStringList&)
{
    // Only POSIX systems are measured so far.
    return std::nullopt;
}
#endif

Summary summarise(std::vector<double> values)
{
    if (values.empty())
        return {};
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    const double median =
        values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
    return {median, values.front(), values.back()};
}

} // namespace startup
