#include "platform/output_files.h"

#include <fcntl.h>
#include <sys/file.h>
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

// Locks an open plain file, exclusively or shared, without waiting: false
// when another run holds it. A file system that offers no lock holds
// nothing.
bool lockfile(int fd, int how) { return flock(fd, how | LOCK_NB) == 0 || errno != EWOULDBLOCK; }

// Whether another run holds the plain file named: a lock of it is tried,
// and given up at once.
bool heldelsewhere(const std::string& name) {
  const int fd = open(name.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool free = lockfile(fd, LOCK_EX);
  close(fd);
  return !free;
}

// The mode of a stream on a file opened with these flags (the file, not
// the stream, appends when opened to append).
const char* streammode(int flags) { return (flags & O_ACCMODE) == O_RDWR ? "r+" : "w"; }

// Makes an output's open file ready to be written: locked against other
// runs (held when another run holds it), its writes made to wait again,
// emptied when it is to be. Null when it cannot be.
std::FILE* holdfile(int fd, int flags, bool plain, bool& held) {
  const int status = fcntl(fd, F_GETFL);
  if (plain && !lockfile(fd, LOCK_EX)) {
    held = true;
    return nullptr;
  }
  if (status == -1 || fcntl(fd, F_SETFL, status & ~O_NONBLOCK) != 0) return nullptr;
  if (plain && (flags & O_TRUNC) != 0 && ftruncate(fd, 0) != 0) return nullptr;
  return fdopen(fd, streammode(status));
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
  return target && (isheld(*target) || (target->id && heldelsewhere(name)));
}

OutputFile openclaimed(const std::string& name, int flags, bool& held) {
  held = false;
  OutputFile output;
  // A pipe or a device is only written into: a pipe the run read from too
  // would take no broken pipe when its reader goes, and silently keep what
  // no one reads. Nothing is waited for at the open: a pipe with no reader
  // is refused at once. A plain file is cut only once it is locked.
  struct stat st {};
  const bool oneway = stat(name.c_str(), &st) == 0 && !S_ISREG(st.st_mode);
  const int access = oneway ? O_WRONLY : flags & ~O_TRUNC;
  const int fd = open(name.c_str(), access | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
  if (fd >= 0 && fstat(fd, &st) == 0) {
    output.plain = S_ISREG(st.st_mode);
    output.stream = holdfile(fd, flags, output.plain, held);
  }
  if (output.stream == nullptr && fd >= 0) {
    const int error = errno;  // the failure's, for its caller to tell
    close(fd);
    errno = error;
  }
  return output;
}

OutputFile openoutput(const std::string& name, int flags, bool& held) {
  const int claim = claimoutput(name);
  held = claim == 0;
  if (held) return {};
  OutputFile output = openclaimed(name, flags, held);
  if (output.stream == nullptr)
    releaseoutput(claim);
  else
    output.claim = claim;
  return output;
}

bool closeoutput(OutputFile& output) {
  bool written = true;
  if (output.stream != nullptr) {
    written = std::ferror(output.stream) == 0;
    written = std::fclose(output.stream) == 0 && written;
  }
  output.stream = nullptr;
  releaseoutput(std::exchange(output.claim, 0));
  return written;
}

void guardstandardstreams() {
  // The lowest free descriptor is the one opened: taken in order, each
  // closed one gets /dev/null.
  for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd)
    if (fcntl(fd, F_GETFD) == -1 && errno == EBADF)
      open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
  for (int fd : {STDOUT_FILENO, STDERR_FILENO}) {
    struct stat st {};
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
      held[++lastclaim] = Target{"", FileId{st.st_dev, st.st_ino}};
      // Shared with other runs writing there too. The lock is taken on an
      // open file of the run's own, which ends with the run: the one
      // inherited may stay open in the shell after it (exec > log).
      const std::string path = "/proc/self/fd/" + std::to_string(fd);
      const int own = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
      if (own >= 0) lockfile(own, LOCK_SH);
    }
  }
}
