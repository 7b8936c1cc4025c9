// Child processes for tests of what two programs do at once, and of a program killed mid-way.
#pragma once
#include <csignal>
#include <functional>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

// A pipe between a test and its child: one character at a time.
class Pipe {
public:
    Pipe() {
        if (::pipe(fd_) != 0)
            fd_[0] = fd_[1] = -1;
    }
    ~Pipe() {
        ::close(fd_[0]);
        ::close(fd_[1]);
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;
    void send(char c) const { (void)!::write(fd_[1], &c, 1); }
    // The next character sent; '\0' when none can come.
    char receive() const {
        char c = 0;
        return ::read(fd_[0], &c, 1) == 1 ? c : '\0';
    }

private:
    int fd_[2];
};

// Runs work in a child process and returns its wait status (the child ends with exit code 0 after work).
inline int runInChild(const std::function<void()>& work) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        work();
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return status;
}

// A child that runs start, sends its result back and then stays until it is killed (a program that
// keeps running); its pid once the result is in `reported`.
inline pid_t childThatStays(const std::function<char()>& start, char& reported) {
    Pipe ready;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ready.send(start());
        for (;;)
            ::pause();
    }
    reported = ready.receive();
    return pid;
}

// Ends a child as a power cut or kill -9 ends a program, and reaps it.
inline void killChild(pid_t pid) {
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
}

} // namespace testsupport
