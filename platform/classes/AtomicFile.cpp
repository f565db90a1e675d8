#include "AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "rtl/Exceptions.h"

namespace {

[[noreturn]] void Fail(const std::filesystem::path& path, const char* what, int error) {
  throw Exception(FromUtf8(std::string(what) + " " + path.string() + ": " + std::strerror(error)));
}

}  // namespace

void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  const std::filesystem::path folder =
      path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
  std::string temp = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
  const int fd = mkstemp(temp.data());
  if (fd < 0) Fail(path, "Cannot create a temporary file for", errno);
  auto abandon = [&](const char* what) {
    const int error = errno;
    close(fd);
    unlink(temp.c_str());
    Fail(path, what, error);
  };
  // mkstemp makes the file private; give it the old file's mode, or the usual one for new files.
  struct stat existing {};
  mode_t mode = 0;
  if (stat(path.c_str(), &existing) == 0) {
    mode = existing.st_mode & 07777;
  } else {
    const mode_t mask = umask(0);
    umask(mask);
    mode = 0666 & ~mask;
  }
  if (fchmod(fd, mode) != 0) abandon("Cannot set the permissions of");
  for (size_t done = 0; done < bytes.size();) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      abandon("Cannot write");
    }
    done += static_cast<size_t>(n);
  }
  if (fsync(fd) != 0) abandon("Cannot flush");
  if (close(fd) != 0) {
    const int error = errno;
    unlink(temp.c_str());
    Fail(path, "Cannot close", error);
  }
  if (rename(temp.c_str(), path.c_str()) != 0) {
    const int error = errno;
    unlink(temp.c_str());
    Fail(path, "Cannot replace", error);
  }
}
