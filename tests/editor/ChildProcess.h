#pragma once

#include <functional>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

// Runs body in a child process, which may give up its rights or mount a file system of its
// own without touching this process; returns what body returned (empty if the child died).
inline std::string InChild(const std::function<std::string()> &body)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return {};
    if (::fork() == 0) {
        const std::string out = body();
        [[maybe_unused]] const ssize_t written = ::write(fds[1], out.data(), out.size());
        ::_exit(0);
    }
    ::close(fds[1]);
    std::string out;
    char buffer[512];
    for (ssize_t got; (got = ::read(fds[0], buffer, sizeof buffer)) > 0;)
        out.append(buffer, std::size_t(got));
    ::close(fds[0]);
    ::wait(nullptr);
    return out;
}

// In a child: a user without rights to this process's files (root bypasses permissions).
inline bool DropRoot()
{
    return ::geteuid() != 0 || (::setgid(65534) == 0 && ::setuid(65534) == 0);
}
