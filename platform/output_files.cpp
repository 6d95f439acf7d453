#include "platform/output_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <map>
#include <optional>
#include <utility>

namespace {

using FileId = std::pair<dev_t, ino_t>;

// The file an output writes into: its resolved path, and its identity once
// it exists (a standard stream held has no path, only its identity).
struct Target {
  std::string path;
  std::optional<FileId> id;
};

// The files held, by claim.
std::map<int, Target> held;
int lastclaim = 0;

// The absolute path of a name with every link and every "." and ".."
// resolved, as far as the path exists. A link to a file not made yet is
// followed too: a file written through it is made where it points.
std::string resolved(const std::string& name) {
  namespace fs = std::filesystem;
  std::error_code ec, absent;  // a file that does not exist is no error here
  fs::path p = fs::absolute(name, ec);
  for (int links = 0; links < 40 && fs::is_symlink(fs::symlink_status(p, absent)); ++links) {
    const fs::path target = fs::read_symlink(p, ec);
    if (ec) break;
    p = p.parent_path() / target;  // an absolute target replaces the whole
  }
  if (!ec) p = fs::weakly_canonical(p, ec);
  return ec ? name : p.string();
}

std::optional<FileId> identity(const std::string& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) return std::nullopt;
  return FileId{st.st_dev, st.st_ino};
}

// The file an output named so writes into; nothing when the name leads,
// through whatever links (/dev/stdout, /proc/self/fd/1 included), to a file
// that is no plain file: a device or a pipe loses nothing to a second
// writer.
std::optional<Target> plaintarget(const std::string& name) {
  struct stat st {};
  if (stat(name.c_str(), &st) != 0) return Target{resolved(name), std::nullopt};
  if (!S_ISREG(st.st_mode)) return std::nullopt;
  return Target{resolved(name), FileId{st.st_dev, st.st_ino}};
}

// Whether a name's target is a file held: by its path, by the identity it
// had when it was claimed, or by that of the file at its path now (a file
// made after its claim has one only then).
bool samefile(const Target& file, const Target& other) {
  if (!file.path.empty() && file.path == other.path) return true;
  return other.id && (file.id == other.id || identity(file.path) == other.id);
}

bool isheld(const Target& target) {
  for (const auto& [claim, file] : held)
    if (samefile(file, target)) return true;
  return false;
}

}  // namespace

int claimoutput(const std::string& name) {
  const std::optional<Target> target = plaintarget(name);
  if (target && isheld(*target)) return 0;
  ++lastclaim;
  if (target) held[lastclaim] = *target;
  return lastclaim;
}

void releaseoutput(int claim) { held.erase(claim); }

bool outputheld(const std::string& name) {
  const std::optional<Target> target = plaintarget(name);
  return target && isheld(*target);
}

void guardstandardstreams() {
  // The lowest free descriptor is the one opened: taken in order, each
  // closed one gets /dev/null.
  for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd)
    if (fcntl(fd, F_GETFD) == -1 && errno == EBADF)
      open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
  for (int fd : {STDOUT_FILENO, STDERR_FILENO}) {
    struct stat st {};
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode))
      held[++lastclaim] = Target{"", FileId{st.st_dev, st.st_ino}};
  }
}
