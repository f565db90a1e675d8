#include "AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "rtl/Exceptions.h"

namespace {

namespace fs = std::filesystem;

[[noreturn]] void Fail(const fs::path& path, const char* what, int error) {
  throw Exception(FromUtf8(std::string(what) + " " + path.string() + ": " + std::strerror(error)));
}

// The file a chain of symbolic links ends at (a link to nothing ends at its target's name).
fs::path LinkTarget(const fs::path& path) {
  constexpr int kMaxLinks = 40;  // as the kernel allows, so that a loop ends
  fs::path target = path;
  for (int i = 0; i < kMaxLinks; ++i) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(target, error))) return target;
    const fs::path next = fs::read_symlink(target, error);
    if (error) Fail(path, "Cannot follow the link", error.value());
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
  Fail(path, "Cannot follow the link", ELOOP);
}

// A new text written and flushed beside its target, not yet in its place.
struct TStaged {
  fs::path Target;
  std::string Temp;
};

void Discard(const std::vector<TStaged>& staged) {
  for (const TStaged& s : staged) unlink(s.Temp.c_str());
}

TStaged Stage(const fs::path& path, std::string_view bytes) {
  const fs::path target = LinkTarget(path);
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::string temp = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
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
  if (stat(target.c_str(), &existing) == 0) {
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
  return {target, temp};
}

}  // namespace

void WriteFileAtomically(const fs::path& path, std::string_view bytes) {
  WriteFilesAtomically({{path, bytes}});
}

void WriteFilesAtomically(const std::vector<std::pair<fs::path, std::string_view>>& files) {
  std::vector<TStaged> staged;
  try {
    for (const auto& [path, bytes] : files) staged.push_back(Stage(path, bytes));
  } catch (...) {
    Discard(staged);
    throw;
  }
  for (size_t i = 0; i < staged.size(); ++i) {
    if (rename(staged[i].Temp.c_str(), staged[i].Target.c_str()) != 0) {
      const int error = errno;
      Discard({staged.begin() + static_cast<ptrdiff_t>(i), staged.end()});
      Fail(files[i].first, "Cannot replace", error);
    }
  }
}

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return std::move(bytes).str();
}
