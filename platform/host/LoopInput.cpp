#include "platform/host/LoopInput.h"

#include "platform/ui/live/LiveBackend.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace host {

LoopInputBuf::LoopInputBuf(int fd) : m_fd(fd) {
    setg(m_buffer.data(), m_buffer.data(), m_buffer.data());
    ui::live::setPrompt(fd, [this] { return hasBufferedLine(); });
}

LoopInputBuf::~LoopInputBuf() {
    ui::live::setPrompt(-1, nullptr);
}

bool LoopInputBuf::hasBufferedLine() const {
    return gptr() < egptr() && std::memchr(gptr(), '\n', static_cast<size_t>(egptr() - gptr()));
}

LoopInputBuf::int_type LoopInputBuf::underflow() {
    if (gptr() < egptr())
        return traits_type::to_int_type(*gptr());
    ui::live::waitReadable(m_fd);
    ssize_t n;
    do {
        n = ::read(m_fd, m_buffer.data(), m_buffer.size());
    } while (n < 0 && errno == EINTR);
    if (n <= 0)
        return traits_type::eof();
    setg(m_buffer.data(), m_buffer.data(), m_buffer.data() + n);
    return traits_type::to_int_type(*gptr());
}

} // namespace host
