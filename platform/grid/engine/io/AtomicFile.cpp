#include "platform/grid/engine/io/AtomicFile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace grid {

namespace {

AtomicFile::Stage g_fault = AtomicFile::Stage::None;

std::string folderOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

std::string errnoText(const char* what, const std::string& path) {
    return std::string(what) + " '" + path + "': " + std::strerror(errno);
}

} // namespace

AtomicFile::AtomicFile(std::string targetPath) : m_target(std::move(targetPath)) {}

AtomicFile::~AtomicFile() {
    if (!m_committed)
        discard();
}

void AtomicFile::failNextAt(Stage stage) {
    g_fault = stage;
}

bool AtomicFile::injected(Stage stage) {
    if (g_fault != stage || stage == Stage::None)
        return false;
    g_fault = Stage::None;
    errno = EIO;
    return true;
}

IoStatus AtomicFile::create() {
    if (m_target.empty())
        return {IoResult::BadArgument, "no file name given"};
    std::string pattern = m_target + ".tmp-XXXXXX";
    if (injected(Stage::Create))
        return {IoResult::WriteFailed, errnoText("cannot create a temporary file for", m_target)};
    int fd = mkstemp(pattern.data());
    if (fd < 0)
        return {IoResult::WriteFailed, errnoText("cannot create a temporary file for", m_target)};
    m_fd = fd;
    m_tempPath = pattern;
    // mkstemp makes the file private; a replaced file keeps its permissions.
    struct stat old {};
    ::fchmod(fd, ::stat(m_target.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644);
    return {};
}

IoStatus AtomicFile::write(std::string_view bytes) {
    if (m_fd < 0)
        return {IoResult::WriteFailed, "temporary file not open for " + m_target};
    if (injected(Stage::Write))
        return {IoResult::WriteFailed, errnoText("cannot write", m_tempPath)};
    const char* p = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        ssize_t n = ::write(m_fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return {IoResult::WriteFailed, errnoText("cannot write", m_tempPath)};
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    return {};
}

IoStatus AtomicFile::commit() {
    if (m_tempPath.empty())
        return {IoResult::WriteFailed, "nothing to commit for " + m_target};
    if (m_fd < 0) {
        // The caller wrote the temporary file through another handle (SQLite): reopen to sync it.
        m_fd = ::open(m_tempPath.c_str(), O_RDWR | O_CLOEXEC);
        if (m_fd < 0)
            return {IoResult::WriteFailed, errnoText("cannot reopen", m_tempPath)};
    }
    if (injected(Stage::Sync) || ::fsync(m_fd) != 0)
        return {IoResult::WriteFailed, errnoText("cannot sync", m_tempPath)};
    ::close(m_fd);
    m_fd = -1;
    if (injected(Stage::Rename) || ::rename(m_tempPath.c_str(), m_target.c_str()) != 0)
        return {IoResult::WriteFailed, errnoText("cannot replace", m_target)};
    m_committed = true;
    // Make the rename itself durable; a failure here no longer risks the old contents.
    int dir = ::open(folderOf(m_target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {};
}

void AtomicFile::discard() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_tempPath.empty() && !m_committed)
        ::unlink(m_tempPath.c_str());
}

IoStatus writeFileAtomically(const std::string& path, std::string_view bytes) {
    AtomicFile file(path);
    IoStatus status = file.create();
    if (status.ok())
        status = file.write(bytes);
    if (status.ok())
        status = file.commit();
    return status;
}

} // namespace grid
