#include "WholeFile.h"

#include <cerrno>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rt {

namespace {

std::string Reason(int error)
{
    return std::system_category().message(error);
}

// A descriptor that closes itself.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() { Reset(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }
    void Reset(int fd = -1)
    {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = fd;
    }
    // Closes now; a close that fails loses what was written.
    int Close()
    {
        const int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

private:
    int fd_;
};

// The file a save replaces: its folder, its name there and, when it is
// there already, its permissions.
struct Target {
    Descriptor folder;
    std::string name;
    bool exists = false;
    mode_t mode = 0;
};

// Follows symbolic links from the chosen name to the file they lead to.
int FindTarget(std::filesystem::path path, Target& target)
{
    for (int links = 0;; ++links) {
        const std::filesystem::path parent = path.has_parent_path() ? path.parent_path() : ".";
        target.name = path.filename().string();
        if (target.name.empty() || target.name == "." || target.name == "..")
            return EISDIR;
        target.folder.Reset(::open(parent.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
        if (target.folder.Get() < 0)
            return errno;
        struct stat status {};
        if (::fstatat(target.folder.Get(), target.name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0)
            return errno == ENOENT ? 0 : errno;
        if (S_ISLNK(status.st_mode)) {
            if (links == 40)
                return ELOOP;
            std::string link(static_cast<std::size_t>(status.st_size > 0 ? status.st_size : 4096) + 1, '\0');
            const ssize_t length = ::readlinkat(target.folder.Get(), target.name.c_str(), link.data(), link.size());
            if (length < 0)
                return errno;
            link.resize(static_cast<std::size_t>(length));
            const std::filesystem::path next(link);
            path = next.is_absolute() ? next : parent / next;
            continue;
        }
        if (S_ISDIR(status.st_mode))
            return EISDIR;
        if (::faccessat(target.folder.Get(), target.name.c_str(), W_OK, AT_EACCESS) != 0)
            return errno;
        target.exists = true;
        target.mode = status.st_mode & 07777;
        return 0;
    }
}

// Makes the file the bytes go to, under a temporary name in the target's
// folder that nothing else uses. Returns the name, or sets error.
std::string MakeTemporaryFile(const Target& target, Descriptor& file, int& error)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = ".vexorin-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        file.Reset(::openat(target.folder.Get(), name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (file.Get() >= 0)
            return name;
        if (errno != EEXIST) {
            error = errno;
            return {};
        }
    }
    error = EEXIST;
    return {};
}

int WriteAll(int fd, std::string_view bytes)
{
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        done += static_cast<std::size_t>(written);
    }
    return ::fdatasync(fd) == 0 ? 0 : errno;
}

} // namespace

std::optional<std::string> WriteWholeFile(const std::filesystem::path& path, std::string_view bytes)
{
    Target target;
    if (const int error = FindTarget(path, target))
        return Reason(error);

    Descriptor file;
    int error = 0;
    const std::string temporary = MakeTemporaryFile(target, file, error);
    if (temporary.empty())
        return Reason(error);
    const int folder = target.folder.Get();
    if (target.exists && ::fchmod(file.Get(), target.mode) != 0)
        error = errno;
    if (!error)
        error = WriteAll(file.Get(), bytes);
    if (!error && file.Close() != 0)
        error = errno;
    if (!error && ::renameat(folder, temporary.c_str(), folder, target.name.c_str()) != 0)
        error = errno;
    if (error) {
        ::unlinkat(folder, temporary.c_str(), 0);
        return Reason(error);
    }
    return std::nullopt;
}

} // namespace rt
