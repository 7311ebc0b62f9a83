#include "platform/base/Process.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace base {

std::filesystem::path ownProgramPath() {
    char buf[PATH_MAX + 1];
    const ssize_t n = ::readlink("/proc/self/exe", buf, PATH_MAX);
    if (n <= 0)
        return {};
    return std::string(buf, static_cast<size_t>(n));
}

std::vector<std::wstring> splitCommandLine(std::wstring_view s) {
    std::vector<std::wstring> args;
    size_t i = 0;
    const size_t n = s.size();
    for (;;) {
        while (i < n && (s[i] == L' ' || s[i] == L'\t'))
            ++i;
        if (i >= n)
            break;
        std::wstring arg;
        bool quoted = false;
        while (i < n) {
            const wchar_t c = s[i];
            if (!quoted && (c == L' ' || c == L'\t'))
                break;
            if (c == L'\\') {
                size_t slashes = 0;
                while (i < n && s[i] == L'\\') {
                    ++slashes;
                    ++i;
                }
                if (i < n && s[i] == L'"') {
                    arg.append(slashes / 2, L'\\');
                    if (slashes % 2 == 1) {
                        arg += L'"';
                        ++i;
                    }
                    // An even count leaves the quote to the next turn.
                } else {
                    arg.append(slashes, L'\\');
                }
                continue;
            }
            if (c == L'"') {
                if (quoted && i + 1 < n && s[i + 1] == L'"') {
                    arg += L'"';
                    i += 2;
                    continue;
                }
                quoted = !quoted;
                ++i;
                continue;
            }
            arg += c;
            ++i;
        }
        args.push_back(std::move(arg));
    }
    return args;
}

bool startDetached(const std::filesystem::path& program, const std::vector<std::string>& args) {
    // The grandchild reports a failed exec through a close-on-exec pipe: a successful
    // exec closes it with nothing written.
    int pipefd[2];
    if (::pipe2(pipefd, O_CLOEXEC) != 0)
        return false;

    std::vector<std::string> argvText;
    argvText.push_back(program.string());
    argvText.insert(argvText.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : argvText)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    const pid_t child = ::fork();
    if (child < 0) {
        ::close(pipefd[0]);
        ::close(pipefd[1]);
        return false;
    }
    if (child == 0) {
        ::setsid();
        const pid_t grandchild = ::fork();
        if (grandchild < 0)
            ::_exit(1);
        if (grandchild > 0)
            ::_exit(0);
        ::signal(SIGPIPE, SIG_DFL);
        ::execv(argv[0], argv.data());
        const int err = errno;
        [[maybe_unused]] auto w = ::write(pipefd[1], &err, sizeof err);
        ::_exit(127);
    }
    ::close(pipefd[1]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    int err = 0;
    ssize_t got;
    while ((got = ::read(pipefd[0], &err, sizeof err)) < 0 && errno == EINTR) {
    }
    ::close(pipefd[0]);
    const bool childOk = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return childOk && got == 0;
}

} // namespace base
