#include "files/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <new>
#include <system_error>

namespace ravlo {

namespace {

// Links are followed this far, as the system follows them.
constexpr int kMaxLinkDepth = 40;

FileResult Failure(const std::string& path, int error) {
  return {false, path + ": " + std::generic_category().message(error)};
}

FileResult NotRegular(const std::string& path) {
  return {false, path + " is not a regular file."};
}

// Closes the descriptor it holds however the function that opened it ends.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int Get() const { return fd_; }
  // Closes now, for callers that must know whether closing worked.
  int Close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result;
  }

 private:
  int fd_;
};

// The file a path names once every link on the way is followed, or the path
// itself where it names nothing yet (a new file).
std::string LinkTarget(const std::string& path) {
  std::filesystem::path current = path;
  for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
    std::error_code error;
    if (!std::filesystem::is_symlink(current, error)) break;
    const std::filesystem::path next = std::filesystem::read_symlink(current, error);
    if (error) break;
    current = next.is_absolute() ? next : current.parent_path() / next;
  }
  return current.string();
}

bool WriteAll(int fd, std::span<const std::uint8_t> contents) {
  std::size_t done = 0;
  while (done < contents.size()) {
    const ssize_t written = ::write(fd, contents.data() + done, contents.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      if (written == 0) errno = EIO;
      return false;
    }
    done += static_cast<std::size_t>(written);
  }
  return true;
}

// The mode a plain new file gets from the process's umask.
mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

FileResult ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& contents,
                         std::uint64_t limit) {
  // Non-blocking, so that opening a FIFO without a writer returns at once.
  Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (file.Get() < 0) return Failure(path, errno);
  struct stat status {};
  if (::fstat(file.Get(), &status) != 0) return Failure(path, errno);
  if (!S_ISREG(status.st_mode)) return NotRegular(path);
  const auto size = static_cast<std::uint64_t>(status.st_size);
  if (size > limit) {
    return {false, path + " is too large to be read: no file of its kind has more than " +
                       std::to_string(limit / (1024 * 1024)) + " MiB."};
  }
  std::vector<std::uint8_t> read;
  try {
    read.resize(static_cast<std::size_t>(size));
  } catch (const std::bad_alloc&) {
    return {false, NoMemoryText(path)};
  }
  std::size_t done = 0;
  while (done < read.size()) {
    const ssize_t got = ::read(file.Get(), read.data() + done, read.size() - done);
    if (got < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (got < 0) return Failure(path, errno);
    // A file cut short while it was read.
    if (got == 0) return Failure(path, EIO);
    done += static_cast<std::size_t>(got);
  }
  contents = std::move(read);
  return {true, {}};
}

FileResult WriteWholeFile(const std::string& path, std::span<const std::uint8_t> contents) {
  const std::string target = LinkTarget(path);
  struct stat old {};
  const bool replacing = ::stat(target.c_str(), &old) == 0;
  if (replacing && !S_ISREG(old.st_mode)) return NotRegular(path);
  // Write permission is the user's word that the file may change; even
  // where the system would let the owner through, a file nobody may write
  // stays as it is.
  if (replacing && (::access(target.c_str(), W_OK) != 0 || (old.st_mode & 0222) == 0)) {
    return {false, path + " is write-protected; it was left as it was."};
  }
  const std::string directory = DirectoryOf(target);
  std::string temporary =
      JoinPath(directory.empty() ? "." : directory, "." + FileNameOf(target) + ".XXXXXX");
  // Exclusive creation under a fresh name: nothing planted beside the
  // target, a link least of all, can be written through.
  Descriptor file(::mkostemp(temporary.data(), O_CLOEXEC));
  if (file.Get() < 0) return Failure(path, errno);
  const auto fail = [&](int error) {
    ::unlink(temporary.c_str());
    return Failure(path, error);
  };
  if (!WriteAll(file.Get(), contents)) return fail(errno);
  if (replacing) {
    // The owner first: changing it may clear the set-id bits the mode restores.
    if (::fchown(file.Get(), old.st_uid, old.st_gid) != 0) {
      static_cast<void>(::fchown(file.Get(), static_cast<uid_t>(-1), old.st_gid));
    }
  }
  if (::fchmod(file.Get(), replacing ? old.st_mode & 07777 : NewFileMode()) != 0) {
    return fail(errno);
  }
  if (::fsync(file.Get()) != 0) return fail(errno);
  if (file.Close() != 0) return fail(errno);
  if (::rename(temporary.c_str(), target.c_str()) != 0) return fail(errno);
  // The rename itself reaches the disk with its directory.
  Descriptor folder(
      ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.Get() >= 0) ::fsync(folder.Get());
  return {true, {}};
}

std::string NoMemoryText(const std::string& path) {
  return path + " cannot be read: there is not enough memory for it.";
}

bool FileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

std::string DirectoryOf(const std::string& path) {
  return std::filesystem::path(path).parent_path().string();
}

std::string FileNameOf(const std::string& path) {
  return std::filesystem::path(path).filename().string();
}

std::string JoinPath(const std::string& directory, const std::string& name) {
  if (directory.empty()) return name;
  return (std::filesystem::path(directory) / name).string();
}

}  // namespace ravlo
