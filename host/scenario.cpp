#include "host/scenario.h"

#include <sys/stat.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "host/gps_plan.h"

namespace simhost {

namespace {

using Words = std::vector<std::string>;

// Splits a line into words: blanks separate, "double quotes" make one word (\" and \\ inside), and a
// '#' that begins a word starts a comment.
bool SplitWords(std::string_view line, Words* out, std::string* error) {
  size_t i = 0;
  while (i < line.size()) {
    char c = line[i];
    if (c == ' ' || c == '\t' || c == '\r') {
      ++i;
      continue;
    }
    if (c == '#') break;
    std::string word;
    if (c == '"') {
      ++i;
      bool closed = false;
      while (i < line.size()) {
        char q = line[i++];
        if (q == '"') {
          closed = true;
          break;
        }
        if (q == '\\' && i < line.size() && (line[i] == '"' || line[i] == '\\')) q = line[i++];
        word.push_back(q);
      }
      if (!closed) {
        *error = "unterminated quoted text";
        return false;
      }
      if (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') {
        *error = "quoted text must be followed by a blank";
        return false;
      }
    } else {
      while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') word.push_back(line[i++]);
    }
    out->push_back(std::move(word));
  }
  return true;
}

bool ParseDouble(const std::string& w, double* v) {
  const char* end = w.data() + w.size();
  auto [p, ec] = std::from_chars(w.data(), end, *v);
  return ec == std::errc() && p == end && std::isfinite(*v);
}

bool ParseInt64(const std::string& w, int64_t* v) {
  if (w.size() > 2 && w[0] == '0' && (w[1] == 'x' || w[1] == 'X')) {
    uint64_t u = 0;
    const char* end = w.data() + w.size();
    auto [p, ec] = std::from_chars(w.data() + 2, end, u, 16);
    if (ec != std::errc() || p != end || u > static_cast<uint64_t>(INT64_MAX)) return false;
    *v = static_cast<int64_t>(u);
    return true;
  }
  const char* end = w.data() + w.size();
  auto [p, ec] = std::from_chars(w.data(), end, *v);
  return ec == std::errc() && p == end;
}

bool ParseRange(const std::string& w, int64_t lo, int64_t hi, int64_t* v) {
  return ParseInt64(w, v) && *v >= lo && *v <= hi;
}

std::string UnknownGauge(const std::string& name) {
  return "unknown gauge '" + name + "'; did you mean '" + NearestGaugeName(name) + "'? The gauges: " + GaugeNameList();
}

constexpr uint32_t kFsuipcOffsetEnd = 0x10000;
constexpr uint32_t kFsuipcReadOnlyFirst = 0x3304, kFsuipcReadOnlyEnd = 0x330C;

std::string Hex(uint32_t v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "0x%04X", v);
  return buf;
}

bool IsInteger(const std::string& w) {
  int64_t v;
  return ParseInt64(w, &v);
}

class LineParser {
 public:
  LineParser(const Words& words, size_t start, ScenarioCommand* cmd) : w_(words), i_(start), cmd_(cmd) {}

  bool Parse(std::string* error) {
    const std::string verb = Next();
    if (verb == "frames") return Count() && End(error);
    if (verb == "set") return ParseSet(error);
    if (verb == "key") return ParseKey(error);
    if (verb == "click") return ParseClick(false, error);
    if (verb == "clickfn") return ParseClick(true, error);
    if (verb == "window") return ParseWindow(error);
    if (verb == "print" || verb == "watch") {
      cmd_->kind = verb == "print" ? CommandKind::kPrint : CommandKind::kWatch;
      return ParseVariable(verb, error) && End(error);
    }
    if (verb == "snapshot") return ParseSnapshot(error);
    if (verb == "fsuipc") return ParseFsuipcServer(error);
    if (verb == "tcas") return ParseTcas(error);
    if (verb == "gps") return ParseGps(error);
    if (verb == "cdu") return ParseCdu(error);
    *error = "unknown command '" + verb + "'";
    return false;
  }

 private:
  bool More() const { return i_ < w_.size(); }
  std::string Next() { return More() ? w_[i_++] : std::string(); }
  const std::string& Peek() const { return w_[i_]; }

  bool Missing(const std::string& what, std::string* error) {
    *error = "missing " + what;
    return false;
  }
  bool End(std::string* error) {
    if (!More()) return true;
    *error = "unexpected '" + Peek() + "' at the end of the line";
    return false;
  }

  bool Count() {
    cmd_->kind = CommandKind::kFrames;
    return More() && ParseRange(Next(), 0, kMaxFrames, &cmd_->count);
  }

  bool Id(const std::string& what, std::string* error) {
    if (!More()) return Missing(what, error);
    const std::string w = Next();
    int64_t v;
    if (!ParseRange(w, 0, UINT32_MAX, &v)) {
      *error = "'" + w + "' is not a valid " + what;
      return false;
    }
    cmd_->id = static_cast<uint32_t>(v);
    return true;
  }

  bool Number(std::string* error) {
    if (!More()) return Missing("value", error);
    const std::string w = Next();
    if (!ParseDouble(w, &cmd_->value)) {
      *error = "'" + w + "' is not a finite number";
      return false;
    }
    return true;
  }

  bool Word(const std::string& what, std::string* out, std::string* error) {
    if (!More()) return Missing(what, error);
    *out = Next();
    return true;
  }

  bool ParseVariable(const std::string& verb, std::string* error) {
    if (!More()) return Missing("variable kind after '" + verb + "' (token, tokentext, expr, text, named or fsuipc)", error);
    const std::string kind = Next();
    if (kind == "token" || kind == "tokentext") {
      cmd_->var = kind == "token" ? VarKind::kToken : VarKind::kTokenText;
      return Id("token id", error);
    }
    if (kind == "fsuipc") {
      cmd_->var = VarKind::kFsuipc;
      return FsuipcOffset(error);
    }
    if (kind == "expr" || kind == "text" || kind == "named") {
      cmd_->var = kind == "expr" ? VarKind::kExpression
                                 : (kind == "text" ? VarKind::kExpressionText : VarKind::kNamed);
      if (!Word(kind == "named" ? "variable name" : "expression", &cmd_->name, error)) return false;
      if (cmd_->name.empty()) {
        *error = "empty variable name";
        return false;
      }
      return true;
    }
    *error = "unknown variable kind '" + kind + "' (token, tokentext, expr, text, named or fsuipc)";
    return false;
  }

  bool ParseSet(std::string* error) {
    if (!ParseVariable("set", error)) return false;
    switch (cmd_->var) {
      case VarKind::kToken: cmd_->kind = CommandKind::kSetToken; break;
      case VarKind::kTokenText: cmd_->kind = CommandKind::kSetTokenText; break;
      case VarKind::kExpression: cmd_->kind = CommandKind::kSetExpression; break;
      case VarKind::kExpressionText: cmd_->kind = CommandKind::kSetExpressionText; break;
      case VarKind::kNamed: cmd_->kind = CommandKind::kSetNamed; break;
      case VarKind::kFsuipc: cmd_->kind = CommandKind::kSetFsuipc; break;
    }
    if (cmd_->var == VarKind::kExpressionText || cmd_->var == VarKind::kTokenText) {
      return Word("text value", &cmd_->text, error) && End(error);
    }
    if (cmd_->var == VarKind::kFsuipc) {
      if (cmd_->offset < kFsuipcReadOnlyEnd && cmd_->offset + cmd_->size > kFsuipcReadOnlyFirst) {
        *error = "FSUIPC offsets 0x3304 to 0x330B are read-only (the server's version and simulator)";
        return false;
      }
      if (!More()) return Missing("value", error);
      const std::string w = Next();
      if (!ParseInt64(w, &cmd_->raw)) {
        *error = "'" + w + "' is not an integer value";
        return false;
      }
      return End(error);
    }
    return Number(error) && End(error);
  }

  bool ParseKey(std::string* error) {
    cmd_->kind = CommandKind::kKey;
    if (!Id("key event id", error)) return false;
    if (More()) {
      const std::string w = Next();
      int64_t v;
      if (!ParseRange(w, INT32_MIN, UINT32_MAX, &v)) {
        *error = "'" + w + "' is not a valid key event value";
        return false;
      }
      cmd_->key_value = static_cast<uint32_t>(v);
    }
    return End(error);
  }

  bool Gauge(std::string* error) {
    if (!Word("gauge name", &cmd_->name, error)) return false;
    if (FindKnownGauge(cmd_->name) == nullptr) {
      *error = UnknownGauge(cmd_->name);
      return false;
    }
    return true;
  }

  bool Button(std::string* error) {
    cmd_->mouse_flags = gauge::kMouseLeftSingle;
    if (!More()) return true;
    const std::string b = Next();
    if (b == "right") {
      cmd_->mouse_flags = gauge::kMouseRightSingle;
    } else if (b != "left") {
      *error = "unknown mouse button '" + b + "' (left or right)";
      return false;
    }
    return End(error);
  }

  bool Coordinate(int32_t* out, const std::string& what, std::string* error) {
    if (!More()) return Missing(what, error);
    const std::string w = Next();
    int64_t v;
    if (!ParseRange(w, INT32_MIN, INT32_MAX, &v)) {
      *error = "'" + w + "' is not a valid " + what;
      return false;
    }
    *out = static_cast<int32_t>(v);
    return true;
  }

  bool ParseClick(bool by_function, std::string* error) {
    cmd_->kind = by_function ? CommandKind::kClickFunction : CommandKind::kClick;
    if (!Gauge(error)) return false;
    if (More() && !IsInteger(Peek())) cmd_->parameter = Next();
    if (by_function) {
      if (!Coordinate(&cmd_->function, "mouse function index", error)) return false;
      if (cmd_->function < 0) {
        *error = "mouse function index must be 0 or more";
        return false;
      }
    } else if (!Coordinate(&cmd_->x, "x", error) || !Coordinate(&cmd_->y, "y", error)) {
      return false;
    }
    return Button(error);
  }

  bool ParseWindow(std::string* error) {
    cmd_->kind = CommandKind::kWindow;
    if (!More()) return Missing("window action (show, hide or toggle)", error);
    const std::string a = Next();
    if (a == "show") {
      cmd_->action = WindowAction::kShow;
    } else if (a == "hide") {
      cmd_->action = WindowAction::kHide;
    } else if (a == "toggle") {
      cmd_->action = WindowAction::kToggle;
    } else {
      *error = "unknown window action '" + a + "' (show, hide or toggle)";
      return false;
    }
    return Id("window ident", error) && End(error);
  }

  // OFFSET BYTES: an offset 0..0xFFFF and a count of 1, 2, 4 or 8 bytes.
  bool FsuipcOffset(std::string* error) {
    if (!More()) return Missing("FSUIPC offset", error);
    std::string w = Next();
    int64_t v;
    if (!ParseRange(w, 0, 0xFFFF, &v)) {
      *error = "'" + w + "' is not an FSUIPC offset (0 to 0xFFFF)";
      return false;
    }
    cmd_->offset = static_cast<uint32_t>(v);
    if (!More()) return Missing("byte count (1, 2, 4 or 8)", error);
    w = Next();
    if (!ParseRange(w, 1, 8, &v) || (v != 1 && v != 2 && v != 4 && v != 8)) {
      *error = "'" + w + "' is not a byte count (1, 2, 4 or 8)";
      return false;
    }
    cmd_->size = static_cast<uint32_t>(v);
    if (cmd_->offset + cmd_->size > kFsuipcOffsetEnd) {
      *error = "FSUIPC offset " + Hex(cmd_->offset) + " with " + w + " bytes runs past the last offset 0xFFFF";
      return false;
    }
    return true;
  }

  bool ParseFsuipcServer(std::string* error) {
    cmd_->kind = CommandKind::kFsuipcServer;
    const std::string a = Next();
    if (a != "on" && a != "off") {
      *error = "'fsuipc' takes on or off";
      return false;
    }
    cmd_->on = a == "on";
    return End(error);
  }

  bool Signed4(const std::string& what, int* out, std::string* error) {
    const std::string w = Next();
    int64_t v;
    if (!ParseRange(w, -8, 7, &v)) {
      *error = "'" + w + "' is not a " + what + " index (-8 to 7)";
      return false;
    }
    *out = static_cast<int>(v);
    return true;
  }

  // tcas on | off | clear | add DIST_NM BEARING_DEG REL_ALT_FT [THREAT [TREND]]
  bool ParseTcas(std::string* error) {
    cmd_->kind = CommandKind::kTcas;
    const std::string a = Next();
    if (a == "on" || a == "off" || a == "clear") {
      cmd_->tcas = a == "on" ? TcasAction::kOn : (a == "off" ? TcasAction::kOff : TcasAction::kClear);
      return End(error);
    }
    if (a != "add") {
      *error = "'tcas' takes on, off, clear or add";
      return false;
    }
    cmd_->tcas = TcasAction::kAdd;
    TcasIntruderSpec& t = cmd_->intruder;
    for (double* field : {&t.dist_nm, &t.rel_brg_deg, &t.rel_alt_ft}) {
      if (!Number(error)) return false;
      *field = cmd_->value;
    }
    if (t.dist_nm < 0.0) {
      *error = "an intruder's distance cannot be negative";
      return false;
    }
    if (More() && !Signed4("threat", &t.threat, error)) return false;
    if (More() && !Signed4("trend", &t.trend, error)) return false;
    return End(error);
  }

  // gps clear | add IDENT LAT_DEG LON_DEG ALT_FT
  bool ParseGps(std::string* error) {
    cmd_->kind = CommandKind::kGps;
    const std::string a = Next();
    if (a == "clear") {
      cmd_->gps = GpsAction::kClear;
      return End(error);
    }
    if (a != "add") {
      *error = "'gps' takes add or clear";
      return false;
    }
    GpsWaypointSpec& g = cmd_->waypoint;
    if (!Word("waypoint ident", &g.ident, error)) return false;
    if (g.ident.empty() || g.ident.size() > GpsPlan::kMaxIdent) {
      *error = "a GPS waypoint's ident has 1 to 8 characters";
      return false;
    }
    for (double* field : {&g.lat, &g.lon, &g.alt_ft}) {
      if (!Number(error)) return false;
      *field = cmd_->value;
    }
    if (std::fabs(g.lat) > 90.0 || std::fabs(g.lon) > 180.0) {
      *error = "a GPS waypoint lies at latitude -90 to 90 and longitude -180 to 180";
      return false;
    }
    return End(error);
  }

  // A word with a dot or a slash is the file name, never a gauge parameter.
  bool ParseSnapshot(std::string* error) {
    cmd_->kind = CommandKind::kSnapshot;
    if (!Gauge(error)) return false;
    auto is_file = [](const std::string& s) { return s.find_first_of("./") != std::string::npos; };
    if (More() && !is_file(Peek())) cmd_->parameter = Next();
    if (More()) {
      cmd_->text = Next();
      const std::string& f = cmd_->text;
      const bool png = f.size() > 4 && f.compare(f.size() - 4, 4, ".png") == 0;
      if (!png || f.find('/') != std::string::npos || f.find("..") != std::string::npos) {
        *error = "snapshot file '" + f + "' must be a plain name ending in .png";
        return false;
      }
    }
    return End(error);
  }

  // cdu WORD...: a word that names a CDU key is that key; any other word, or a word after a leading
  // '=', is typed character by character. A key that the next CDU paint applies runs one frame.
  bool ParseCdu(std::string* error) {
    cmd_->kind = CommandKind::kCdu;
    if (!More()) return Missing("CDU keys", error);
    while (More()) {
      const std::string w = Next();
      CduKeyPoint key;
      if (!w.empty() && w[0] != '=' && FindCduKey(w, &key)) {
        cmd_->cdu_keys.push_back(key);
        if (key.applied_at_paint) ++cmd_->count;
        continue;
      }
      const std::string_view text = !w.empty() && w[0] == '=' ? std::string_view(w).substr(1) : std::string_view(w);
      std::vector<CduKeyPoint> typed;
      if (text.empty() || !CduKeysOfText(text, &typed)) {
        *error = "'" + w + "' is neither a CDU key nor text the CDU keys can type";
        return false;
      }
      cmd_->cdu_keys.insert(cmd_->cdu_keys.end(), typed.begin(), typed.end());
    }
    return true;
  }

  const Words& w_;
  size_t i_;
  ScenarioCommand* cmd_;
};

bool ParsePanelLine(const Words& words, Scenario* s, int line, std::string* error) {
  if (words[0] == "panel") {
    if (words.size() != 2 || words[1] != "default") {
      *error = "'panel' takes one word: default";
      return false;
    }
    s->custom_panel = true;
    s->default_panel = true;
    return true;
  }
  // gauge NAME [PARAM] [window W]
  if (words.size() < 2) {
    *error = "missing gauge name";
    return false;
  }
  const KnownGauge* known = FindKnownGauge(words[1]);
  if (known == nullptr) {
    *error = UnknownGauge(words[1]);
    return false;
  }
  ScenarioPanelEntry e;
  e.line = line;
  e.entry.gauge = words[1];
  size_t i = 2;
  if (i < words.size() && words[i] != "window" && words[i] != "size") e.entry.parameter = words[i++];
  e.entry.window = DefaultWindow(*known, e.entry.parameter);
  bool window_given = false;
  while (i < words.size()) {
    const std::string& key = words[i];
    if ((key != "window" && key != "size") || i + 1 >= words.size()) {
      *error = "expected 'window IDENT' or 'size WxH' after the gauge";
      return false;
    }
    const std::string& value = words[i + 1];
    i += 2;
    if (key == "size") {
      const size_t x = value.find('x');
      int64_t w = 0, h = 0;
      if (x == std::string::npos || !ParseRange(value.substr(0, x), 1, kMaxSurfaceSide, &w) ||
          !ParseRange(value.substr(x + 1), 1, kMaxSurfaceSide, &h)) {
        *error = "'" + value + "' is not a surface size (WxH, 1 to " + std::to_string(kMaxSurfaceSide) + " pixels)";
        return false;
      }
      e.entry.size = {static_cast<int32_t>(w), static_cast<int32_t>(h)};
      continue;
    }
    int64_t w;
    window_given = true;
    if (value == "vc") {
      e.entry.window = kVirtualCockpit;
    } else if (ParseRange(value, 0, INT32_MAX, &w)) {
      e.entry.window = static_cast<int32_t>(w);
    } else {
      *error = "'" + value + "' is not a window ident (a number or vc)";
      return false;
    }
  }
  if (!window_given && e.entry.window == kNoPopup && e.entry.parameter == "WN") {
    *error = "gauge '" + e.entry.gauge + "' has no pop-up window; give one with 'window IDENT'";
    return false;
  }
  s->custom_panel = true;
  s->panel.push_back(std::move(e));
  return true;
}

}  // namespace

std::string AtLine(const std::string& file, int line, const std::string& message) {
  return file + ":" + std::to_string(line) + ": " + message;
}

bool ParseScenario(std::string_view text, const std::string& file, Scenario* out, std::string* error) {
  Scenario s;
  s.file = file;
  int line_no = 0;
  size_t pos = text.starts_with("\xEF\xBB\xBF") ? 3 : 0;  // a UTF-8 byte-order mark
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    ++line_no;

    Words words;
    std::string msg;
    if (!SplitWords(line, &words, &msg)) {
      *error = AtLine(file, line_no, msg);
      return false;
    }
    if (words.empty()) continue;

    if (words[0] == "fps") {
      int64_t rate = 0;
      if (words.size() != 2 || !ParseRange(words[1], 1, kMaxFrameRate, &rate)) {
        msg = "'fps' takes one number of frames a second, 1 to " + std::to_string(kMaxFrameRate);
      } else if (s.frame_rate_given) {
        msg = "the frame rate is given twice";
      } else if (s.frames > 0) {
        msg = "'fps' must come before the first frame runs";
      }
      if (!msg.empty()) {
        *error = AtLine(file, line_no, msg);
        return false;
      }
      s.frame_rate = static_cast<int32_t>(rate);
      s.frame_rate_given = true;
      continue;
    }
    if (words[0] == "panel" || words[0] == "gauge") {
      if (!s.commands.empty()) {
        *error = AtLine(file, line_no, "panel lines must come before the first command");
        return false;
      }
      if (!ParsePanelLine(words, &s, line_no, &msg)) {
        *error = AtLine(file, line_no, msg);
        return false;
      }
      continue;
    }

    size_t start = 0;
    if (words[0] == "at") {
      int64_t at = 0;
      if (words.size() < 3 || !ParseRange(words[1], 0, kMaxFrames, &at)) {
        *error = AtLine(file, line_no, "'at' needs a frame number (0 to " + std::to_string(kMaxFrames) +
                                           ") and a command");
        return false;
      }
      if (words[2] == "at") {
        *error = AtLine(file, line_no, "'at' cannot hold another 'at'");
        return false;
      }
      if (at < s.frames) {
        *error = AtLine(file, line_no, "frame " + std::to_string(at) + " is already past (earlier lines reach frame " +
                                           std::to_string(s.frames) + ")");
        return false;
      }
      if (at > s.frames) {
        ScenarioCommand run;
        run.kind = CommandKind::kFrames;
        run.line = line_no;
        run.count = at - s.frames;
        s.commands.push_back(run);
        s.frames = at;
      }
      start = 2;
    }

    ScenarioCommand cmd;
    cmd.line = line_no;
    LineParser parser(words, start, &cmd);
    if (!parser.Parse(&msg)) {
      if (msg.empty()) msg = "'frames' needs a count from 0 to " + std::to_string(kMaxFrames);
      *error = AtLine(file, line_no, msg);
      return false;
    }
    if (cmd.kind == CommandKind::kCdu) cmd.count *= FramesPerTick(s.frame_rate);
    if (cmd.kind == CommandKind::kFrames || cmd.kind == CommandKind::kCdu) {
      if (s.frames + cmd.count > kMaxFrames) {
        *error = AtLine(file, line_no, "the scenario runs more than " + std::to_string(kMaxFrames) + " frames");
        return false;
      }
      s.frames += cmd.count;
    }
    s.commands.push_back(std::move(cmd));
  }
  *out = std::move(s);
  return true;
}

bool LoadScenarioFile(const std::string& path, Scenario* out, std::string* error) {
  const std::string prefix = "simhost: scenario file '" + path + "'";
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    *error = "simhost: cannot open scenario file '" + path + "': " + std::strerror(errno);
    return false;
  }
  if (S_ISDIR(st.st_mode)) {
    *error = prefix + " is a folder, not a file";
    return false;
  }
  if (!S_ISREG(st.st_mode)) {
    *error = prefix + " is not a regular file";
    return false;
  }
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) {
    *error = "simhost: cannot open scenario file '" + path + "': " + std::strerror(errno);
    return false;
  }
  // One byte more than the limit tells a file that is too large.
  std::string text(kMaxScenarioBytes + 1, '\0');
  const size_t n = std::fread(text.data(), 1, text.size(), f);
  const bool failed = std::ferror(f) != 0;
  const int read_errno = errno;
  std::fclose(f);
  if (failed) {
    *error = "simhost: cannot read scenario file '" + path + "': " + std::strerror(read_errno);
    return false;
  }
  if (n > kMaxScenarioBytes) {
    *error = prefix + " is larger than " + std::to_string(kMaxScenarioBytes >> 20) + " MiB";
    return false;
  }
  text.resize(n);
  return ParseScenario(text, path, out, error);
}

}  // namespace simhost
