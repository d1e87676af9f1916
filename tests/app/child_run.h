#pragma once

// Runs a program as a child without a shell, with standard output and standard error captured, a CPU
// limit as a safety net, and the processor time and peak memory the child used.

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

struct ChildRun {
    std::string output; // standard output
    std::string errors; // standard error
    int status = -1;    // exit status, -1 when the child did not exit normally
    double cpuSeconds = 0;
    long peakKilobytes = 0;
};

inline ChildRun RunChild(const std::string& program, const std::vector<std::string>& arguments,
                         const std::vector<std::string>& environment = {}, int cpuLimitSeconds = 120) {
    int out[2];
    int err[2];
    if (pipe(out) != 0 || pipe(err) != 0)
        return {};
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        const rlimit cpu{static_cast<rlim_t>(cpuLimitSeconds), static_cast<rlim_t>(cpuLimitSeconds)};
        setrlimit(RLIMIT_CPU, &cpu);
        for (const std::string& variable : environment)
            putenv(const_cast<char*>(variable.c_str()));
        dup2(out[1], STDOUT_FILENO);
        dup2(err[1], STDERR_FILENO);
        for (int fd : {out[0], out[1], err[0], err[1]})
            close(fd);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    close(out[1]);
    close(err[1]);
    ChildRun run;
    pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
    std::string* sinks[2] = {&run.output, &run.errors};
    int open = 2;
    while (open > 0 && poll(fds, 2, -1) > 0) {
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0)
                continue;
            char buffer[4096];
            const ssize_t got = read(fds[i].fd, buffer, sizeof buffer);
            if (got > 0) {
                sinks[i]->append(buffer, static_cast<size_t>(got));
            } else {
                close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
    int status = 0;
    rusage usage{};
    if (child > 0 && wait4(child, &status, 0, &usage) == child && WIFEXITED(status))
        run.status = WEXITSTATUS(status);
    run.cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                     static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    run.peakKilobytes = usage.ru_maxrss;
    return run;
}
