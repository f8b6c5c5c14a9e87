#include "history/DatabaseCommit.h"

#include "history/DatabaseFiles.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace tallyhand {

namespace {

constexpr std::string_view kManifestVersion = "COMMIT1";

std::filesystem::path stagedPath(const std::filesystem::path& dir, const std::string& name)
{
    return dir / (name + kStagedSuffix);
}

// Makes renames in the folder durable.
void syncFolder(const std::filesystem::path& dir)
{
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

void renameInto(const std::filesystem::path& dir, const std::string& name)
{
    const auto from = stagedPath(dir, name);
    std::error_code ec;
    if (!std::filesystem::exists(from, ec))
        return; // renamed before a crash
    if (::rename(from.c_str(), (dir / name).c_str()) != 0)
        throw DatabaseError("Die neue Datei " + pathText(dir / name) + " konnte nicht übernommen werden: " +
                            std::strerror(errno));
}

void finish(const std::filesystem::path& dir, const std::vector<std::string>& names)
{
    for (const std::string& name : names)
        renameInto(dir, name);
    syncFolder(dir);
    std::error_code ec;
    std::filesystem::remove(dir / kCommitFile, ec);
    syncFolder(dir);
}

} // namespace

DatabaseCommit::DatabaseCommit(std::filesystem::path dataDir, FileSaver& saver)
    : m_dir(std::move(dataDir)), m_saver(saver)
{
}

DatabaseCommit::~DatabaseCommit()
{
    // Past the manifest the new set is complete: the next start finishes it.
    if (m_done || m_manifestWritten)
        return;
    for (const std::string& name : m_names) {
        std::error_code ec;
        std::filesystem::remove(stagedPath(m_dir, name), ec);
    }
}

std::filesystem::path DatabaseCommit::stage(const std::string& name)
{
    m_names.push_back(name);
    return stagedPath(m_dir, name);
}

void DatabaseCommit::commit()
{
    // What would stop a rename is found before the commit point, so that a
    // failure leaves the old set whole.
    for (const std::string& name : m_names) {
        std::error_code ec;
        const auto target = m_dir / name;
        if (std::filesystem::exists(target, ec) && !std::filesystem::is_regular_file(target, ec))
            throw DatabaseError(pathText(target) + " ist keine Datei und kann nicht ersetzt werden");
    }
    BufferedFileWriter manifest(m_saver, m_dir / kCommitFile);
    manifest.line(kManifestVersion);
    for (const std::string& name : m_names)
        manifest.line(name);
    manifest.commit();
    m_manifestWritten = true;
    finish(m_dir, m_names);
    m_done = true;
}

void recoverDatabaseCommit(const std::filesystem::path& dataDir)
{
    std::error_code ec;
    const auto manifestPath = dataDir / kCommitFile;
    if (std::filesystem::exists(manifestPath, ec)) {
        const std::vector<std::string> lines = loadFileNames(manifestPath);
        if (!lines.empty() && lines.front() == kManifestVersion) {
            finish(dataDir, std::vector<std::string>(lines.begin() + 1, lines.end()));
            return;
        }
        // A manifest is renamed into place whole; one that does not read is no commit.
        std::filesystem::remove(manifestPath, ec);
    }
    for (const auto& entry : std::filesystem::directory_iterator(dataDir, ec)) {
        const std::string file = entry.path().filename().string();
        if (file.ends_with(kStagedSuffix) || file.ends_with(std::string(kStagedSuffix) + ".tmp"))
            std::filesystem::remove(entry.path(), ec);
    }
}

ImportLock::ImportLock(const std::filesystem::path& dataDir)
{
    std::error_code ec;
    std::filesystem::create_directories(dataDir, ec);
    m_fd = ::open((dataDir / "import.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
}

ImportLock::~ImportLock()
{
    if (m_fd >= 0)
        ::close(m_fd); // releases the lock
}

bool ImportLock::tryLock()
{
    if (m_locked)
        return true;
    // A folder where no lock file can be made cannot be shared either; go on.
    if (m_fd < 0)
        return m_locked = true;
    m_locked = ::flock(m_fd, LOCK_EX | LOCK_NB) == 0;
    return m_locked;
}

} // namespace tallyhand
