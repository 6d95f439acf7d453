#include "platform/output_files.h"

#include <sys/stat.h>

#include <filesystem>
#include <map>

namespace {

// The files held, by claim: their resolved paths.
std::map<int, std::string> held;
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

bool samefile(const std::string& a, const std::string& b) {
  if (a == b) return true;
  struct stat sa {}, sb {};
  return stat(a.c_str(), &sa) == 0 && stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
         sa.st_ino == sb.st_ino;
}

// A file that exists but is no plain file (a device, a pipe) loses
// nothing to a second writer.
bool plainorabsent(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) != 0 || S_ISREG(st.st_mode);
}

bool isheld(const std::string& path) {
  for (const auto& [claim, file] : held)
    if (samefile(path, file)) return true;
  return false;
}

}  // namespace

int claimoutput(const std::string& name) {
  const std::string path = resolved(name);
  if (isheld(path)) return 0;
  ++lastclaim;
  if (plainorabsent(path)) held[lastclaim] = path;
  return lastclaim;
}

void releaseoutput(int claim) { held.erase(claim); }

bool outputheld(const std::string& name) { return isheld(resolved(name)); }
