#pragma once

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tallyhand {

// A failure while reading or writing a database or hand-history file; the
// message is German and names the file.
class DatabaseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One file being written. Nothing is visible under the target name until
// commit() succeeds; a sink destroyed without commit leaves the old file.
class FileSink {
public:
    virtual ~FileSink() = default;
    virtual bool write(std::string_view bytes) = 0;
    virtual bool commit() = 0;
    virtual std::string lastError() const = 0;
};

// Opens sinks; the default writes a temporary file beside the target, checks
// every write, syncs it and renames it into place.
class FileSaver {
public:
    virtual ~FileSaver() = default;
    virtual std::unique_ptr<FileSink> open(const std::filesystem::path& target) = 0;
};

class AtomicFileSaver : public FileSaver {
public:
    std::unique_ptr<FileSink> open(const std::filesystem::path& target) override;
};

// The saver used when none is given.
FileSaver& defaultFileSaver();

// Buffers output and hands it to a sink in large pieces; throws DatabaseError
// when the sink refuses a write or the commit.
class BufferedFileWriter {
public:
    BufferedFileWriter(FileSaver& saver, std::filesystem::path target);
    // Appends the bytes and CR LF.
    void line(std::string_view text);
    void line(std::int64_t number);
    void commit();

private:
    void flush();
    [[noreturn]] void fail();

    std::filesystem::path m_target;
    std::unique_ptr<FileSink> m_sink;
    std::string m_buffer;
};

// Reads a whole file; throws DatabaseError when it is missing or unreadable.
std::string readWholeFile(const std::filesystem::path& path);

// A whole file mapped read-only (read into memory where it cannot be mapped);
// throws DatabaseError when it is missing or unreadable.
class MappedFile {
public:
    explicit MappedFile(const std::filesystem::path& path);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;
    std::string_view bytes() const { return m_view; }

private:
    void* m_map = nullptr;
    std::size_t m_size = 0;
    std::string m_copy;
    std::string_view m_view;
};

// Display form of a path (UTF-8 on this platform).
std::string pathText(const std::filesystem::path& path);

} // namespace tallyhand
