#include "host/host.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstring>

#include "host/sim_reactions.h"
#include "host/token_types.h"
#include "platform/fsuipc_ipc.h"
#include "platform/system_time.h"

namespace simhost {

namespace {
Host* g_current = nullptr;

// Stand-in handles (windows, the SimConnect session): the module only tests them for null and hands
// them back.
char g_fs98main_window;
char g_uipcmain_window;
char g_simconnect_session;
}  // namespace

// Out-of-range and fractional values are cut the way a 32-bit simulator variable would hold them.
int32_t ToInt32(double v) {
  if (!(v > -2147483649.0)) return INT32_MIN;
  if (!(v < 2147483648.0)) return INT32_MAX;
  return static_cast<int32_t>(v);
}

std::string NormalizeExpression(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == ' ' || c == '\t') continue;
    out.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
  }
  return out;
}

// The service table's slots: plain functions that forward to the current host.
struct ServiceSlots {
  static Host& H() { return *g_current; }

  static int32_t IsPanelWindowVisible(uint32_t ident) { return H().WindowShown(ident) ? 1 : 0; }
  static int32_t TogglePanelWindow(uint32_t ident) {
    H().SetWindowShown(ident, !H().WindowShown(ident));
    return 1;
  }
  static void TriggerKeyEvent(uint32_t event_id, int32_t value) {
    Host& h = H();
    h.key_events_.push_back({event_id, value, h.frame_});
    h.echo_queue_.emplace_back(event_id, static_cast<uint32_t>(value));
  }
  static void QueryModuleInterface(host::ModuleInterfaceRecord* out, const char* identity) {
    H().tcas_.Lookup(out, identity);
    H().gps_.Lookup(out, identity);
  }
  static void ReadToken(gauge::TokenVar* var) {
    const Host& h = H();
    if (IsTextToken(var->id)) {
      auto it = h.token_texts_.find(var->id);
      var->value.s = it == h.token_texts_.end() ? "" : it->second.c_str();
      return;
    }
    const double v = h.Token(var->id);
    if (h.TokenIsInteger(var->id)) {
      var->value.n = 0.0;
      var->value.d = ToInt32(v);
    } else {
      var->value.n = v;
    }
  }
  static void UnregisterNamedVar(const char* name) {
    Host& h = H();
    ++h.unregister_calls_;
    auto it = h.named_index_.find(name);
    if (it != h.named_index_.end()) h.named_[it->second].registered = false;
  }
  static uint32_t LookupNamedVar(const char* name) { return H().NamedId(name); }
  static uint32_t RegisterNamedVar(const char* name) {
    Host& h = H();
    ++h.register_calls_;
    uint32_t id = h.NamedId(name);
    if (!h.named_[id].registered) {
      h.named_[id].registered = true;
      if (std::find(h.registration_order_.begin(), h.registration_order_.end(), name) ==
          h.registration_order_.end()) {
        h.registration_order_.push_back(name);
      }
    }
    return id;
  }
  static double GetNamedVar(uint32_t id) {
    Host& h = H();
    return id < h.named_.size() ? h.named_[id].value : 0.0;
  }
  static void SetNamedVar(uint32_t id, double value) {
    Host& h = H();
    if (id < h.named_.size()) {
      h.named_[id].value = value;
      h.named_[id].module_wrote = true;
    }
  }
  static int32_t ExecuteExpression(const char* text, double* f, int32_t* i, const char** s) {
    Host& h = H();
    std::string key = NormalizeExpression(text);
    double v = 0.0;
    if (auto it = h.expressions_.find(key); it != h.expressions_.end()) v = it->second;
    if (f != nullptr) *f = v;
    if (i != nullptr) *i = ToInt32(v);
    if (s != nullptr) {
      auto it = h.expression_texts_.find(key);
      h.expression_text_result_ = (it != h.expression_texts_.end()) ? it->second : std::string();
      *s = h.expression_text_result_.c_str();
    }
    return 1;
  }
  static int32_t RegisterKeyHandler(host::KeyEventHandler handler, void* user) {
    Host& h = H();
    ++h.key_handler_register_calls_;
    h.key_handler_ = handler;
    h.key_handler_user_ = user;
    return 1;
  }
  static int32_t UnregisterKeyHandler(host::KeyEventHandler handler, void*) {
    Host& h = H();
    if (h.key_handler_ == handler) h.key_handler_ = nullptr;
    return 1;
  }
  static void ElementService(gauge::ElementHeader*, void*) {}
  static uint32_t GetCurrentDirectory(uint32_t capacity, char* buffer) {
    const std::string& d = H().current_directory_;
    if (capacity == 0 || d.size() + 1 > capacity) return static_cast<uint32_t>(d.size() + 1);
    std::memcpy(buffer, d.c_str(), d.size() + 1);
    return static_cast<uint32_t>(d.size());
  }
  static int32_t GetAppDataFolder(char* buffer) {
    const std::string& d = H().app_data_folder_;
    if (d.empty() || d.size() >= 260) return -1;
    std::memcpy(buffer, d.c_str(), d.size() + 1);
    return 0;
  }
  static void GetSystemTime(host::SystemTime* out) {
    Host& h = H();
    if (h.fixed_time_) {
      *out = h.system_time_;
      return;
    }
    *out = host::ToSystemTime(std::chrono::system_clock::now());
  }
  static void* FindWindow(const char* class_name, const char*) {
    if (class_name == nullptr) return nullptr;
    if (std::strcmp(class_name, "FS98MAIN") == 0) return &g_fs98main_window;
    if (std::strcmp(class_name, fsuipc_ipc::kWindowClass) == 0 && H().fsuipc_.present()) return &g_uipcmain_window;
    return nullptr;
  }
  static intptr_t SendWindowMessage(void* window, uint32_t message, uintptr_t wparam, intptr_t lparam) {
    Host& h = H();
    if (window != &g_uipcmain_window || message != fsuipc_ipc::kMessage || !h.fsuipc_.present()) return 0;
    return h.fsuipc_.Process(reinterpret_cast<uint8_t*>(lparam), wparam, h.frame_);
  }
  static int32_t SimConnectOpen(void** handle, const char*) {
    *handle = &g_simconnect_session;
    return 0;
  }
  static int32_t SimConnectClose(void*) {
    ++H().simconnect_closes_;
    return 0;
  }
  static int32_t SimConnectFlightPlanLoad(void*, const char* path) {
    Host& h = H();
    std::string given = path != nullptr ? path : "";
    PlanLoad load = ReadPlanLoad(h.frame_, given);
    // Shown from the simulator folder, which is the run's own (a scratch copy in the golden runs).
    if (!h.current_directory_.empty() && given.starts_with(h.current_directory_)) {
      load.path = given.substr(h.current_directory_.size());
      if (load.path.starts_with('\\') || load.path.starts_with('/')) load.path.erase(0, 1);
    }
    h.plan_loads_.push_back(std::move(load));
    return 0;
  }
  static int32_t SoundDeviceCreate(void** device) {
    Host& h = H();
    if (h.sound_device_fails_) {
      *device = nullptr;
      return -1;
    }
    ++h.sound_devices_created_;
    *device = &h.sound_devices_created_;
    return 0;
  }
  static void SoundDeviceRelease(void*) { ++H().sound_devices_released_; }
  // Simulated time: a frame is 1/N s (one simulator tick at the usual 18).
  static int64_t SoundClock(void*, int32_t sample_rate) {
    return sample_rate > 0 ? H().frame_ * sample_rate / H().frame_rate_ : 0;
  }
  static void SoundOutput(void*, int64_t first_sample, int32_t sample_rate, const int16_t* samples, int32_t count) {
    H().sound_.AddSamples(first_sample, sample_rate, samples, count);
  }
  static void SoundEvent(void*, const host::SoundEvent* e) {
    if (e != nullptr) H().sound_.AddEvent(*e);
  }
};

template <typename Fn>
static host::AnyFn AsSlot(Fn fn) {
  return reinterpret_cast<host::AnyFn>(fn);
}

Host::Host() {
  g_current = this;
  shown_windows_.insert(0);
  auto& s = table_.slot;
  s[host::kIsPanelWindowVisible] = AsSlot(&ServiceSlots::IsPanelWindowVisible);
  s[host::kElementQuery] = AsSlot(&ServiceSlots::ElementService);
  s[host::kElementInstall] = AsSlot(&ServiceSlots::ElementService);
  s[host::kElementInitialize] = AsSlot(&ServiceSlots::ElementService);
  s[host::kElementUpdate] = AsSlot(&ServiceSlots::ElementService);
  s[host::kElementGenerate] = AsSlot(&ServiceSlots::ElementService);
  s[host::kElementDraw] = AsSlot(&ServiceSlots::ElementService);
  s[host::kElementKill] = AsSlot(&ServiceSlots::ElementService);
  s[host::kTogglePanelWindow] = AsSlot(&ServiceSlots::TogglePanelWindow);
  s[host::kTriggerKeyEvent] = AsSlot(&ServiceSlots::TriggerKeyEvent);
  s[host::kQueryModuleInterface] = AsSlot(&ServiceSlots::QueryModuleInterface);
  s[host::kReadToken] = AsSlot(&ServiceSlots::ReadToken);
  s[host::kUnregisterNamedVar] = AsSlot(&ServiceSlots::UnregisterNamedVar);
  s[host::kLookupNamedVar] = AsSlot(&ServiceSlots::LookupNamedVar);
  s[host::kRegisterNamedVar] = AsSlot(&ServiceSlots::RegisterNamedVar);
  s[host::kGetNamedVar] = AsSlot(&ServiceSlots::GetNamedVar);
  s[host::kSetNamedVar] = AsSlot(&ServiceSlots::SetNamedVar);
  s[host::kExecuteExpression] = AsSlot(&ServiceSlots::ExecuteExpression);
  s[host::kRegisterKeyHandler] = AsSlot(&ServiceSlots::RegisterKeyHandler);
  s[host::kUnregisterKeyHandler] = AsSlot(&ServiceSlots::UnregisterKeyHandler);
  s[host::kGetCurrentDirectory] = AsSlot(&ServiceSlots::GetCurrentDirectory);
  s[host::kGetAppDataFolder] = AsSlot(&ServiceSlots::GetAppDataFolder);
  s[host::kGetSystemTime] = AsSlot(&ServiceSlots::GetSystemTime);
  s[host::kFindWindow] = AsSlot(&ServiceSlots::FindWindow);
  s[host::kSendWindowMessage] = AsSlot(&ServiceSlots::SendWindowMessage);
  s[host::kSimConnectOpen] = AsSlot(&ServiceSlots::SimConnectOpen);
  s[host::kSimConnectClose] = AsSlot(&ServiceSlots::SimConnectClose);
  s[host::kSimConnectFlightPlanLoad] = AsSlot(&ServiceSlots::SimConnectFlightPlanLoad);
  s[host::kSoundDeviceCreate] = AsSlot(&ServiceSlots::SoundDeviceCreate);
  s[host::kSoundDeviceRelease] = AsSlot(&ServiceSlots::SoundDeviceRelease);
  s[host::kSoundClock] = AsSlot(&ServiceSlots::SoundClock);
  s[host::kSoundOutput] = AsSlot(&ServiceSlots::SoundOutput);
  s[host::kSoundEvent] = AsSlot(&ServiceSlots::SoundEvent);
}

Host::~Host() {
  if (import_table_ != nullptr && import_table_->services == &table_) import_table_->services = nullptr;
  if (g_current == this) g_current = nullptr;
}

Host* Host::Current() { return g_current; }

void Host::Attach(gauge::ImportTableRecord* import_table, gauge::LinkageRecord* linkage) {
  import_table_ = import_table;
  linkage_ = linkage;
  if (import_table_ != nullptr) import_table_->services = &table_;
}

void Host::SetToken(uint32_t id, double value) {
  tokens_[id] = value;
  if (id == SimClock::kRunningTimeToken) clock_.SetRunningTime(value);
  if (SimClock::IsTimeOfDayToken(id)) {
    clock_.SetTimeOfDay({Token(3), Token(4), Token(5), Token(6), Token(7), Token(8), Token(9)}, id);
  }
}

void Host::AdvanceClocks() {
  clock_.AdvanceOneFrame();
  tokens_[SimClock::kRunningTimeToken] = clock_.running_time();
  const ClockFields f = clock_.fields();
  uint32_t id = 3;
  for (double v : {f.local_hour, f.local_minute, f.second, f.zulu_hour, f.zulu_minute, f.zulu_day, f.zulu_year}) {
    tokens_[id++] = v;
  }
}

void Host::SetTokenInteger(uint32_t id, bool integer) {
  if (integer) {
    integer_tokens_.insert(id);
  } else {
    integer_tokens_.erase(id);
  }
}

void Host::SetTokenText(uint32_t id, const std::string& text) { token_texts_[id] = text; }

std::string Host::TokenText(uint32_t id) const {
  auto it = token_texts_.find(id);
  return it == token_texts_.end() ? std::string() : it->second;
}

bool Host::TokenIsInteger(uint32_t id) const { return IsIntegerToken(id) || integer_tokens_.count(id) != 0; }

double Host::Token(uint32_t id) const {
  auto it = tokens_.find(id);
  return it == tokens_.end() ? 0.0 : it->second;
}

void Host::SetExpression(const std::string& text, double value) {
  expressions_[NormalizeExpression(text)] = value;
}

void Host::SetExpressionText(const std::string& text, const std::string& value) {
  expression_texts_[NormalizeExpression(text)] = value;
}

double Host::Expression(const std::string& text) const {
  auto it = expressions_.find(NormalizeExpression(text));
  return it == expressions_.end() ? 0.0 : it->second;
}

std::string Host::ExpressionText(const std::string& text) const {
  auto it = expression_texts_.find(NormalizeExpression(text));
  return it == expression_texts_.end() ? std::string() : it->second;
}

uint32_t Host::NamedId(const std::string& name) {
  auto it = named_index_.find(name);
  if (it != named_index_.end()) return it->second;
  uint32_t id = static_cast<uint32_t>(named_.size());
  named_.push_back({name, 0.0, false});
  named_index_[name] = id;
  return id;
}

void Host::SetNamed(const std::string& name, double value) { named_[NamedId(name)].value = value; }

double Host::Named(const std::string& name) const {
  auto it = named_index_.find(name);
  return it == named_index_.end() ? 0.0 : named_[it->second].value;
}

bool Host::IsRegistered(const std::string& name) const {
  auto it = named_index_.find(name);
  return it != named_index_.end() && named_[it->second].registered;
}

bool Host::ModuleUses(const std::string& name) const {
  auto it = named_index_.find(name);
  if (it != named_index_.end() && named_[it->second].module_wrote) return true;
  return std::find(registration_order_.begin(), registration_order_.end(), name) != registration_order_.end();
}

int Host::registered_count() const {
  return static_cast<int>(std::count_if(named_.begin(), named_.end(),
                                        [](const NamedVar& v) { return v.registered; }));
}

void Host::SetWindowShown(uint32_t ident, bool shown) {
  if (shown) {
    shown_windows_.insert(ident);
  } else {
    shown_windows_.erase(ident);
  }
}

bool Host::WindowShown(uint32_t ident) const { return shown_windows_.count(ident) != 0; }

void Host::SendKeyEvent(uint32_t event_id, uint32_t value) {
  if (simulator_model_) ApplyKeyEventToSimulator(*this, event_id, static_cast<int32_t>(value));
  if (key_handler_ != nullptr) key_handler_(event_id, value, key_handler_user_);
  DeliverKeyEvents();
}

// A simulator acts on each event the module sends once the send call has returned, and then reports
// it back to the registered handler, one at a time; events sent while echoing are handled in turn.
void Host::DeliverKeyEvents() {
  if (draining_) return;
  draining_ = true;
  while (!echo_queue_.empty()) {
    auto [id, value] = echo_queue_.front();
    echo_queue_.pop_front();
    if (simulator_model_) ApplyKeyEventToSimulator(*this, id, static_cast<int32_t>(value));
    if (key_handler_ != nullptr) key_handler_(id, value, key_handler_user_);
  }
  draining_ = false;
}

const gauge::GaugeHeader* Host::FindTemplate(gauge::LinkageRecord* linkage, const std::string& name) {
  if (linkage == nullptr) return nullptr;
  for (int i = 0; i < gauge::kMaxGauges && linkage->gauges[i] != nullptr; ++i) {
    const gauge::GaugeHeader* g = linkage->gauges[i];
    if (g->gauge_name != nullptr && name == g->gauge_name) return g;
  }
  return nullptr;
}

void Host::CopyElementTree(GaugeInstance* inst, const gauge::ElementHeader* src, gauge::PixelSize surface_size) {
  // Depth-first copy; each copied element gets its own child list pointing at copies.
  struct Frame {
    const gauge::ElementHeader* src;
    gauge::ElementHeader* dst;
  };
  auto clone = [&](const gauge::ElementHeader* s) {
    auto e = std::make_unique<gauge::ElementHeader>(*s);
    e->gauge = &inst->header;
    e->children = nullptr;
    if (s->element_type == gauge::kElementString && s->string_capacity > 0) {
      inst->string_buffers.push_back(std::make_unique<char[]>(s->string_capacity));
      e->string = inst->string_buffers.back().get();
      e->string[0] = '\0';
    }
    if ((s->image_flags & gauge::kImageDrawSurface) != 0 && s->dim != nullptr && s->dim->width > 0 &&
        s->dim->height > 0) {
      const gauge::PixelSize size = surface_size.width > 0 && surface_size.height > 0 ? surface_size : *s->dim;
      const size_t n = static_cast<size_t>(size.width) * static_cast<size_t>(size.height);
      inst->pixels.push_back(std::make_unique<uint32_t[]>(n));
      inst->surface_sizes.push_back(std::make_unique<gauge::PixelSize>(size));
      e->dim = inst->surface_sizes.back().get();
      auto dc = std::make_unique<gauge::DeviceContext>();
      dc->pixels = inst->pixels.back().get();
      dc->width = size.width;
      dc->height = size.height;
      dc->stride_bytes = size.width * 4;
      dc->recording = nullptr;
      e->hdc = dc.get();
      inst->surfaces.push_back(std::move(dc));
    }
    gauge::ElementHeader* raw = e.get();
    inst->elements.push_back(std::move(e));
    return raw;
  };
  std::vector<Frame> stack{{src, clone(src)}};
  while (!stack.empty()) {
    Frame f = stack.back();
    stack.pop_back();
    if (f.src->children == nullptr) continue;
    size_t n = 0;
    while (f.src->children[n] != nullptr) ++n;
    inst->child_lists.push_back(std::make_unique<gauge::ElementHeader*[]>(n + 1));
    gauge::ElementHeader** list = inst->child_lists.back().get();
    for (size_t i = 0; i < n; ++i) {
      list[i] = clone(f.src->children[i]);
      stack.push_back({f.src->children[i], list[i]});
    }
    list[n] = nullptr;
    f.dst->children = list;
  }
}

GaugeInstance* Host::CreateInstance(const std::string& gauge_name, const std::string& parameter,
                                    int32_t window, gauge::PixelSize surface_size) {
  const gauge::GaugeHeader* tmpl = FindTemplate(linkage_, gauge_name);
  if (tmpl == nullptr) return nullptr;
  auto inst = std::make_unique<GaugeInstance>();
  inst->name = gauge_name;
  inst->parameter = parameter;
  inst->window = window;
  inst->header = *tmpl;
  inst->header.parameters = inst->parameter.c_str();
  inst->child_lists.push_back(std::make_unique<gauge::ElementHeader*[]>(2));
  gauge::ElementHeader** root_list = inst->child_lists.back().get();
  root_list[0] = nullptr;
  root_list[1] = nullptr;
  if (tmpl->elements_list != nullptr && tmpl->elements_list[0] != nullptr) {
    CopyElementTree(inst.get(), tmpl->elements_list[0], surface_size);
    root_list[0] = inst->elements.front().get();
  }
  inst->header.elements_list = root_list;
  instances_.push_back(std::move(inst));
  return instances_.back().get();
}

GaugeInstance* Host::FindInstance(const std::string& gauge_name, const std::string& parameter) {
  for (auto& i : instances_) {
    if (i->name == gauge_name && i->parameter == parameter) return i.get();
  }
  return nullptr;
}

void Host::Message(GaugeInstance* instance, int32_t service) {
  gauge::GaugeHeader* g = &instance->header;
  gauge::GaugeServiceRoutine routine = nullptr;
  switch (service) {
    case gauge::kPreQuery: routine = g->query_routine; break;
    case gauge::kPreInstall: routine = g->install_routine; break;
    case gauge::kPreInitialize: routine = g->initialize_routine; break;
    case gauge::kPreUpdate: routine = g->update_routine; break;
    case gauge::kPreGenerate: routine = g->generate_routine; break;
    case gauge::kPreDraw: routine = g->draw_routine; break;
    case gauge::kPreKill: routine = g->kill_routine; break;
    default: break;
  }
  if (routine != nullptr) routine(g, nullptr);
  if (g->gauge_callback != nullptr) g->gauge_callback(g, service, 0);
  DeliverKeyEvents();
}

void Host::MessageAll(int32_t service) {
  for (auto& i : instances_) Message(i.get(), service);
}

void Host::Startup() {
  for (int32_t m : {gauge::kPreQuery, gauge::kPostQuery, gauge::kPreInstall, gauge::kPostInstall,
                    gauge::kPreInitialize, gauge::kPostInitialize, gauge::kPreGenerate,
                    gauge::kPostGenerate, gauge::kConnectToWindow}) {
    MessageAll(m);
  }
}

bool Host::InstanceActive(const GaugeInstance& instance) const {
  return instance.window < 0 || WindowShown(static_cast<uint32_t>(instance.window));
}

void Host::set_frame_rate(int32_t frames_per_second) {
  frame_rate_ = std::clamp(frames_per_second, 1, kMaxFrameRate);
  tick_phase_ = 0;
  clock_.set_frame_rate(frame_rate_);
  sound_.set_frame_rate(frame_rate_);
}

void Host::RunFrame() {
  ++frame_;
  // The simulator counts whole ticks: 18 a second, so a frame at N a second brings 18 / N of them.
  tick_phase_ += kTicksPerSecond;
  SetToken(1, Token(1) + static_cast<double>(tick_phase_ / frame_rate_));
  tick_phase_ %= frame_rate_;
  if (simulator_model_) AdvanceClocks();
  tcas_.Publish();
  // A gauge in a closed window is not serviced; a window the module opens or closes during the frame
  // takes effect for the messages that follow.
  for (int32_t service : {gauge::kPreUpdate, gauge::kPostUpdate}) {
    for (auto& i : instances_) {
      if (InstanceActive(*i)) Message(i.get(), service);
    }
  }
  for (auto& i : instances_) {
    if (!InstanceActive(*i)) continue;
    Message(i.get(), gauge::kPreDraw);
    Message(i.get(), gauge::kPostDraw);
  }
  if (after_frame_) after_frame_();
}

void Host::Shutdown() {
  MessageAll(gauge::kPreKill);
  MessageAll(gauge::kPostKill);
  MessageAll(gauge::kDisconnect);
}

std::vector<MouseArea> ListMouseAreas(const gauge::MouseRect* rows) {
  std::vector<MouseArea> areas;
  if (rows == nullptr) return areas;
  // A child's box is relative to the parent row that encloses it; parents nest. Only child rows with
  // a function are clickable.
  std::vector<gauge::PixelPoint> origins{{0, 0}};
  for (const gauge::MouseRect* r = rows; r->rect_type != gauge::kMouseEnd; ++r) {
    const gauge::PixelPoint o = origins.back();
    if (r->rect_type == gauge::kMouseParentBegin) {
      origins.push_back({o.x + r->x, o.y + r->y});
    } else if (r->rect_type == gauge::kMouseParentEnd) {
      if (origins.size() > 1) origins.pop_back();
    } else if (r->rect_type == gauge::kMouseChild && r->function != nullptr) {
      areas.push_back({static_cast<int>(areas.size()), o.x + r->x, o.y + r->y, r->width, r->height, r});
    }
  }
  return areas;
}

gauge::PixelSize SurfaceBitmap(const gauge::GaugeHeader* tmpl) {
  if (tmpl == nullptr || tmpl->elements_list == nullptr) return {0, 0};
  std::vector<const gauge::ElementHeader*> stack{tmpl->elements_list[0]};
  while (!stack.empty()) {
    const gauge::ElementHeader* e = stack.back();
    stack.pop_back();
    if (e == nullptr) continue;
    if ((e->image_flags & gauge::kImageDrawSurface) != 0 && e->dim != nullptr && e->dim->width > 0 &&
        e->dim->height > 0) {
      return *e->dim;
    }
    for (size_t i = 0; e->children != nullptr && e->children[i] != nullptr; ++i) stack.push_back(e->children[i]);
  }
  return {0, 0};
}

void Host::UpdateStrings(GaugeInstance* instance) {
  for (const auto& e : instance->elements) {
    if (e->element_type == gauge::kElementString && e->string_callback != nullptr && e->string != nullptr &&
        (e->image_flags & gauge::kImageHidden) == 0) {
      e->string_callback(e.get());
    }
  }
  DeliverKeyEvents();
}

bool Host::Click(GaugeInstance* instance, int32_t x, int32_t y, uint32_t mouse_flags) {
  // The last matching area wins: children follow their parent and lie on top of it.
  const MouseArea* hit = nullptr;
  const std::vector<MouseArea> areas = ListMouseAreas(instance->header.mouse_rect);
  for (const MouseArea& a : areas) {
    if (x >= a.x && y >= a.y && x < a.x + a.width && y < a.y + a.height) hit = &a;
  }
  if (hit == nullptr) return false;
  gauge::PixelPoint p{x - hit->x, y - hit->y};
  hit->row->function(&p, mouse_flags);
  DeliverKeyEvents();
  return true;
}

bool Host::ClickFunction(GaugeInstance* instance, int n, uint32_t mouse_flags) {
  const std::vector<MouseArea> areas = ListMouseAreas(instance->header.mouse_rect);
  if (n < 0 || static_cast<size_t>(n) >= areas.size()) return false;
  gauge::PixelPoint p{areas[n].width / 2, areas[n].height / 2};
  areas[n].row->function(&p, mouse_flags);
  DeliverKeyEvents();
  return true;
}

}  // namespace simhost
