#include "platform/winfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/paths.h"

namespace platform {

namespace {

struct Mode {
  char kind = 0;  // 'r', 'w' or 'a'
  bool text = true;
};

bool ParseMode(const char* mode, Mode* out) {
  if (mode == nullptr || (mode[0] != 'r' && mode[0] != 'w' && mode[0] != 'a')) return false;
  out->kind = mode[0];
  for (const char* c = mode + 1; *c != '\0'; ++c) {
    if (*c == 't') {
      out->text = true;
    } else if (*c == 'b') {
      out->text = false;
    } else {
      return false;  // '+' and anything unknown
    }
  }
  return true;
}

bool WriteAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

// ---- reading text: CR LF becomes LF ----

ssize_t ReadText(void* cookie, char* buf, size_t size) {
  FILE* f = static_cast<FILE*>(cookie);
  // A chunk made only of a CR that belongs to a CR LF yields nothing; read on so that 0 still means
  // end of file.
  for (;;) {
    const size_t got = std::fread(buf, 1, size, f);
    if (got == 0) return std::ferror(f) ? -1 : 0;
    // Compact in place, moving the runs between dropped CRs; most chunks of an LF file have no CR.
    size_t out = 0, run = 0;
    while (const void* hit = std::memchr(buf + run, '\r', got - run)) {
      const size_t cr = static_cast<size_t>(static_cast<const char*>(hit) - buf);
      bool drop;
      if (cr + 1 < got) {
        drop = buf[cr + 1] == '\n';
      } else {
        const int next = std::getc(f);
        if (next != EOF) std::ungetc(next, f);
        drop = next == '\n';
      }
      // A kept CR stays inside the run that is moved.
      const size_t end = drop ? cr : cr + 1;
      if (out != run) std::memmove(buf + out, buf + run, end - run);
      out += end - run;
      run = cr + 1;
      if (run >= got) break;
    }
    if (run < got) {
      if (out != run) std::memmove(buf + out, buf + run, got - run);
      out += got - run;
    }
    if (out > 0) return static_cast<ssize_t>(out);
  }
}

int CloseRead(void* cookie) { return std::fclose(static_cast<FILE*>(cookie)) == 0 ? 0 : EOF; }

// A text stream can be taken back to its start (rewind), as on the simulator's platform; no other
// place of the translated text has a byte offset of its own. Its start lies after a byte order mark.
int SeekTextStart(void* cookie, off64_t* offset, int whence) {
  if (whence != SEEK_SET || *offset != 0) return -1;
  FILE* raw = static_cast<FILE*>(cookie);
  return std::fseek(raw, 0, SEEK_SET) == 0 && SkipByteOrderMark(raw) ? 0 : -1;
}

FILE* OpenTextReader(const std::string& path) {
  FILE* raw = std::fopen(path.c_str(), "rb");
  if (raw == nullptr) return nullptr;
  if (!SkipByteOrderMark(raw)) {
    std::fclose(raw);
    return nullptr;
  }
  cookie_io_functions_t io{};
  io.read = &ReadText;
  io.seek = &SeekTextStart;
  io.close = &CloseRead;
  FILE* f = ::fopencookie(raw, "r", io);
  if (f == nullptr) std::fclose(raw);
  return f;
}

// ---- writing: LF becomes CR LF in text mode; whole or nothing unless streaming ----

struct Writer {
  int fd = -1;
  bool text = true;
  bool failed = false;
  std::string temp_path;  // empty when writing in place
  std::string target_path;
  std::string scratch;
};

ssize_t WriteCookie(void* cookie, const char* buf, size_t size) {
  Writer* w = static_cast<Writer*>(cookie);
  if (w->failed) return -1;
  const char* data = buf;
  size_t n = size;
  if (w->text) {
    w->scratch.clear();
    w->scratch.reserve(size + size / 16 + 2);
    for (size_t i = 0; i < size; ++i) {
      if (buf[i] == '\n') w->scratch.push_back('\r');
      w->scratch.push_back(buf[i]);
    }
    data = w->scratch.data();
    n = w->scratch.size();
  }
  if (!WriteAll(w->fd, data, n)) {
    w->failed = true;
    return -1;
  }
  return static_cast<ssize_t>(size);
}

// Streams written in place that are still open. A Windows library's C runtime closes its streams
// when the library is unloaded; here the streams live in the shared C library, which would flush them
// at exit through this library's code after it is gone. So the library closes them as it unloads.
class OpenStreams {
 public:
  ~OpenStreams() {
    while (!streams_.empty()) {
      FILE* f = streams_.back().second;
      streams_.pop_back();
      std::fclose(f);
    }
  }
  void Add(const Writer* w, FILE* f) { streams_.emplace_back(w, f); }
  void Remove(const Writer* w) {
    for (auto it = streams_.begin(); it != streams_.end(); ++it) {
      if (it->first == w) {
        streams_.erase(it);
        return;
      }
    }
  }

 private:
  std::vector<std::pair<const Writer*, FILE*>> streams_;
};

OpenStreams& Streams() {
  static OpenStreams streams;
  return streams;
}

int CloseWriter(void* cookie) {
  std::unique_ptr<Writer> w(static_cast<Writer*>(cookie));
  if (w->temp_path.empty()) Streams().Remove(w.get());
  bool ok = !w->failed;
  if (!w->temp_path.empty() && ok) ok = ::fsync(w->fd) == 0;
  if (::close(w->fd) != 0) ok = false;
  if (w->temp_path.empty()) return ok ? 0 : EOF;
  if (ok && std::rename(w->temp_path.c_str(), w->target_path.c_str()) != 0) ok = false;
  if (!ok) {
    int saved = errno;
    ::unlink(w->temp_path.c_str());
    errno = saved;
    return EOF;
  }
  return 0;
}

// Copies the target's bytes into the temporary, so that an append is whole or nothing as well.
bool CopyExisting(const std::string& from, int to_fd) {
  int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) return errno == ENOENT;
  char buf[16384];
  bool ok = true;
  for (;;) {
    ssize_t n = ::read(in, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = n == 0;
      break;
    }
    if (!WriteAll(to_fd, buf, static_cast<size_t>(n))) {
      ok = false;
      break;
    }
  }
  ::close(in);
  return ok;
}

FILE* WrapWriter(std::unique_ptr<Writer> w) {
  cookie_io_functions_t io{};
  io.write = &WriteCookie;
  io.close = &CloseWriter;
  FILE* f = ::fopencookie(w.get(), "w", io);
  if (f == nullptr) {
    ::close(w->fd);
    if (!w->temp_path.empty()) ::unlink(w->temp_path.c_str());
    return nullptr;
  }
  w.release();
  return f;
}

FILE* OpenWholeWriter(const std::string& target, const Mode& mode) {
  auto w = std::make_unique<Writer>();
  w->text = mode.text;
  w->target_path = target;
  size_t slash = target.rfind('/');
  std::string folder = (slash == std::string::npos) ? "" : target.substr(0, slash + 1);
  std::string name = (slash == std::string::npos) ? target : target.substr(slash + 1);
  std::string temp = folder + "." + name + ".XXXXXX";
  w->fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (w->fd < 0) return nullptr;
  w->temp_path = temp;
  // The replacement keeps the permissions of the file it replaces; a new file gets the usual ones.
  struct stat st;
  mode_t perms = (::stat(target.c_str(), &st) == 0) ? (st.st_mode & 07777) : 0644;
  bool ok = ::fchmod(w->fd, perms) == 0;
  if (ok && mode.kind == 'a') ok = CopyExisting(target, w->fd);
  if (!ok) {
    int saved = errno;
    ::close(w->fd);
    ::unlink(temp.c_str());
    errno = saved;
    return nullptr;
  }
  return WrapWriter(std::move(w));
}

FILE* OpenInPlaceWriter(const std::string& target, const Mode& mode) {
  auto w = std::make_unique<Writer>();
  w->text = mode.text;
  w->target_path = target;
  int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (mode.kind == 'a' ? O_APPEND : O_TRUNC);
  w->fd = ::open(target.c_str(), flags, 0644);
  if (w->fd < 0) return nullptr;
  const Writer* cookie = w.get();
  FILE* f = WrapWriter(std::move(w));
  if (f != nullptr) Streams().Add(cookie, f);
  return f;
}

FILE* Open(std::string_view module_path, const char* mode, bool streaming) {
  Mode m;
  if (!ParseMode(mode, &m)) {
    errno = EINVAL;
    return nullptr;
  }
  ResolvedPath resolved = ResolvePath(module_path);
  if (resolved.path.empty()) {
    errno = ENOENT;
    return nullptr;
  }
  if (m.kind == 'r') {
    return m.text ? OpenTextReader(resolved.path) : std::fopen(resolved.path.c_str(), "rb");
  }
  return streaming ? OpenInPlaceWriter(resolved.path, m) : OpenWholeWriter(resolved.path, m);
}

}  // namespace

bool SkipByteOrderMark(FILE* f) {
  static constexpr unsigned char kMark[] = {0xEF, 0xBB, 0xBF};
  unsigned char head[sizeof kMark];
  const size_t got = std::fread(head, 1, sizeof head, f);
  if (got == sizeof head && std::memcmp(head, kMark, sizeof kMark) == 0) return true;
  if (std::ferror(f)) return false;
  return std::fseek(f, 0, SEEK_SET) == 0;
}

FILE* OpenFile(std::string_view module_path, const char* mode) { return Open(module_path, mode, false); }

FILE* OpenStreamingFile(std::string_view module_path, const char* mode) {
  return Open(module_path, mode, true);
}

}  // namespace platform
