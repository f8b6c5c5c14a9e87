#include "store/ImportLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace tallyhand {

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
