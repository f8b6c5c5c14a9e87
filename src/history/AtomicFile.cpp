#include "history/AtomicFile.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tallyhand {
namespace {

class AtomicFileSink : public FileSink {
public:
    explicit AtomicFileSink(std::filesystem::path target)
        : m_target(std::move(target)), m_temp(m_target)
    {
        m_temp += ".tmp";
        m_fd = ::open(m_temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (m_fd < 0)
            m_error = std::strerror(errno);
    }

    ~AtomicFileSink() override
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_committed)
            ::unlink(m_temp.c_str());
    }

    bool write(std::string_view bytes) override
    {
        if (m_fd < 0)
            return false;
        while (!bytes.empty()) {
            const ssize_t written = ::write(m_fd, bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0) {
                m_error = written < 0 ? std::strerror(errno) : "nichts geschrieben";
                return false;
            }
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
        return true;
    }

    bool commit() override
    {
        if (m_fd < 0)
            return false;
        const int fd = m_fd;
        m_fd = -1;
        if (::fsync(fd) != 0 || ::close(fd) != 0) {
            m_error = std::strerror(errno);
            return false;
        }
        if (::rename(m_temp.c_str(), m_target.c_str()) != 0) {
            m_error = std::strerror(errno);
            return false;
        }
        m_committed = true;
        return true;
    }

    std::string lastError() const override { return m_error; }

private:
    std::filesystem::path m_target;
    std::filesystem::path m_temp;
    int m_fd = -1;
    bool m_committed = false;
    std::string m_error;
};

} // namespace

std::unique_ptr<FileSink> AtomicFileSaver::open(const std::filesystem::path& target)
{
    return std::make_unique<AtomicFileSink>(target);
}

FileSaver& defaultFileSaver()
{
    static AtomicFileSaver saver;
    return saver;
}

std::string pathText(const std::filesystem::path& path)
{
    return path.string();
}

BufferedFileWriter::BufferedFileWriter(FileSaver& saver, std::filesystem::path target)
    : m_target(std::move(target)), m_sink(saver.open(m_target))
{
    m_buffer.reserve(1 << 20);
}

void BufferedFileWriter::line(std::string_view text)
{
    m_buffer.append(text);
    m_buffer.append("\r\n");
    if (m_buffer.size() >= (1u << 20))
        flush();
}

void BufferedFileWriter::line(std::int64_t number)
{
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, number);
    line(std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)));
}

void BufferedFileWriter::flush()
{
    if (!m_sink || !m_sink->write(m_buffer))
        fail();
    m_buffer.clear();
}

void BufferedFileWriter::commit()
{
    flush();
    if (!m_sink->commit())
        fail();
}

void BufferedFileWriter::fail()
{
    const std::string reason = m_sink ? m_sink->lastError() : std::string();
    m_sink.reset(); // drops the temporary file
    throw DatabaseError("Die Datei " + pathText(m_target) + " konnte nicht geschrieben werden"
                        + (reason.empty() ? std::string() : ": " + reason));
}

MappedFile::MappedFile(const std::filesystem::path& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw DatabaseError("Die Datei " + pathText(path) + " konnte nicht gelesen werden: " + std::strerror(errno));
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
        m_size = static_cast<std::size_t>(info.st_size);
        void* map = ::mmap(nullptr, m_size, PROT_READ, MAP_PRIVATE, fd, 0);
        if (map != MAP_FAILED) {
            ::madvise(map, m_size, MADV_SEQUENTIAL);
            m_map = map;
            m_view = std::string_view(static_cast<const char*>(map), m_size);
        }
    }
    ::close(fd);
    if (!m_map) {
        m_copy = readWholeFile(path);
        m_view = m_copy;
    }
}

MappedFile::~MappedFile()
{
    if (m_map)
        ::munmap(m_map, m_size);
}

std::string readWholeFile(const std::filesystem::path& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw DatabaseError("Die Datei " + pathText(path) + " konnte nicht gelesen werden: " + std::strerror(errno));
    std::string bytes;
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (!ec)
        bytes.reserve(static_cast<std::size_t>(size));
    char chunk[1 << 16];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const std::string reason = std::strerror(errno);
            ::close(fd);
            throw DatabaseError("Die Datei " + pathText(path) + " konnte nicht gelesen werden: " + reason);
        }
        if (got == 0)
            break;
        bytes.append(chunk, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return bytes;
}

} // namespace tallyhand
