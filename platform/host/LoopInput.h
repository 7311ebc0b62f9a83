#pragma once
// LoopInputBuf: the host's prompt read from the main loop. When its buffer is empty it
// lets the live backend run (windows, input, timers) until the descriptor has data, and
// only then reads, so modeless dialogs keep working while the prompt waits. Without a
// live backend it reads as any stream does.

#include <array>
#include <streambuf>

namespace host {

class LoopInputBuf : public std::streambuf {
public:
    explicit LoopInputBuf(int fd);
    ~LoopInputBuf() override;
    LoopInputBuf(const LoopInputBuf&) = delete;
    LoopInputBuf& operator=(const LoopInputBuf&) = delete;

    // A whole line is already in the buffer.
    bool hasBufferedLine() const;

protected:
    int_type underflow() override;

private:
    int m_fd;
    std::array<char, 4096> m_buffer{};
};

} // namespace host
