// The simulator stand-in's core: the host service table with its variable stores, panel windows, key
// events and gauge instances, and the panel-service life cycle that drives them. simhost wraps it
// around the shared library; unit tests use it in-process as the fake host of the statically linked
// module. One Host is active per process at a time (the service table's slots are plain functions).
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "host/fsuipc_server.h"
#include "host/gps_plan.h"
#include "host/plan_loads.h"
#include "host/sim_clock.h"
#include "host/sound_mixdown.h"
#include "host/tcas_server.h"
#include "platform/gauge.h"
#include "platform/host_api.h"

namespace simhost {

struct KeyEventRecord {
  uint32_t event_id;
  int32_t value;
  int64_t frame;
};

// One gauge as the host runs it: a copy of the module's header and element tree.
struct GaugeInstance {
  std::string name;
  std::string parameter;
  int32_t window;  // panel window it sits in; -1 for the 3-D cockpit (drawn whenever it is active)
  gauge::GaugeHeader header{};
  std::vector<std::unique_ptr<gauge::ElementHeader>> elements;  // depth-first, [0] = root
  std::vector<std::unique_ptr<gauge::ElementHeader*[]>> child_lists;
  std::vector<std::unique_ptr<char[]>> string_buffers;
  std::vector<std::unique_ptr<uint32_t[]>> pixels;  // one ARGB32 buffer per drawing surface
  std::vector<std::unique_ptr<gauge::DeviceContext>> surfaces;
  std::vector<std::unique_ptr<gauge::PixelSize>> surface_sizes;  // what the surfaces' elements report

  gauge::ElementHeader* Element(int n) { return gauge::NthElement(&header, n); }
  bool ElementHidden(int n) {
    gauge::ElementHeader* e = Element(n);
    return e == nullptr || (e->image_flags & gauge::kImageHidden) != 0;
  }
};

// A mouse area of a gauge that has a function, in gauge pixels (child boxes lie relative to their
// enclosing parent rows; this is where they lie on the gauge). `index` is what ClickFunction takes.
struct MouseArea {
  int index;
  int32_t x, y, width, height;
  const gauge::MouseRect* row;
};

// A gauge's mouse areas with a function, in row order.
std::vector<MouseArea> ListMouseAreas(const gauge::MouseRect* rows);

// The bitmap size of a gauge template's first drawing surface; 0 x 0 when it has none.
gauge::PixelSize SurfaceBitmap(const gauge::GaugeHeader* tmpl);

class Host {
 public:
  Host();
  ~Host();
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;

  static Host* Current();

  gauge::HostServiceTable* table() { return &table_; }

  // Writes the service table into the module's import table and remembers its linkage.
  void Attach(gauge::ImportTableRecord* import_table, gauge::LinkageRecord* linkage);
  gauge::LinkageRecord* linkage() const { return linkage_; }

  // Simulator variables. A missing variable reads 0. Tokens are held as doubles; those typed as
  // integers (token_types.cpp, or SetTokenInteger) reach the module as an i32 in TokenVar::value.
  // Setting a clock token (sim_clock.h) starts that clock again from the value.
  void SetToken(uint32_t id, double value);
  double Token(uint32_t id) const;
  void SetTokenInteger(uint32_t id, bool integer);
  bool TokenIsInteger(uint32_t id) const;
  // Text tokens (token_types.cpp) such as the VOR 1 station ident; an unset one reads "".
  void SetTokenText(uint32_t id, const std::string& text);
  std::string TokenText(uint32_t id) const;
  void SetExpression(const std::string& text, double value);
  void SetExpressionText(const std::string& text, const std::string& value);
  double Expression(const std::string& text) const;
  std::string ExpressionText(const std::string& text) const;

  // Named variables by name; a lookup of an unknown name creates it (unregistered).
  void SetNamed(const std::string& name, double value);
  double Named(const std::string& name) const;
  bool IsRegistered(const std::string& name) const;
  int registered_count() const;
  int register_calls() const { return register_calls_; }
  int unregister_calls() const { return unregister_calls_; }
  // Names in the order of their first registration.
  const std::vector<std::string>& registration_order() const { return registration_order_; }
  // Whether the module ever registered the name or wrote the variable.
  bool ModuleUses(const std::string& name) const;

  // Panel windows. Window 0 (the main 2-D panel) is shown at start.
  void SetWindowShown(uint32_t ident, bool shown);
  bool WindowShown(uint32_t ident) const;

  // Key events the module sent, in order, and the handler it registered.
  const std::vector<KeyEventRecord>& key_events() const { return key_events_; }
  bool key_handler_registered() const { return key_handler_ != nullptr; }
  int key_handler_register_calls() const { return key_handler_register_calls_; }
  // Whether the stand-in models the simulator's state: key events change it (sim_reactions.h), as a
  // simulator applies each event before it reports it to the handler, and each frame advances the
  // clocks (sim_clock.h). simhost turns it on; unit tests set every reading themselves.
  void set_simulator_model(bool on) { simulator_model_ = on; }
  // Delivers a simulator key event to the module's handler (as the pilot's input would).
  void SendKeyEvent(uint32_t event_id, uint32_t value);
  // Applies and echoes the events the module has sent, one at a time; every call into the module
  // through the host ends with it.
  void DeliverKeyEvents();

  // Extension services.
  void set_current_directory(const std::string& dir) { current_directory_ = dir; }
  void set_app_data_folder(const std::string& dir) { app_data_folder_ = dir; }
  void set_system_time(const host::SystemTime& t) { system_time_ = t; fixed_time_ = true; }
  void set_sound_device_fails(bool fails) { sound_device_fails_ = fails; }
  int sound_devices_created() const { return sound_devices_created_; }
  int sound_devices_released() const { return sound_devices_released_; }
  // What the module's sound device played: its log and the mixed track of the run.
  SoundMixdown& sound() { return sound_; }
  const SoundMixdown& sound() const { return sound_; }
  int simconnect_closes() const { return simconnect_closes_; }
  // Every flight plan the module handed to the simulator, in order.
  const std::vector<PlanLoad>& plan_loads() const { return plan_loads_; }

  // The FSUIPC server (present by default) and the TCAS module (off by default) the module may find.
  FsuipcServer& fsuipc() { return fsuipc_; }
  const FsuipcServer& fsuipc() const { return fsuipc_; }
  TcasServer& tcas() { return tcas_; }
  const TcasServer& tcas() const { return tcas_; }
  // The simulator's GPS flight plan, offered from the start (empty until waypoints are added).
  GpsPlan& gps() { return gps_; }
  const GpsPlan& gps() const { return gps_; }

  // Gauge instances, in panel order. Drawing surfaces take `surface_size`, or their bitmap's size
  // when it is 0 x 0.
  GaugeInstance* CreateInstance(const std::string& gauge_name, const std::string& parameter,
                                int32_t window = 0, gauge::PixelSize surface_size = {0, 0});
  const std::vector<std::unique_ptr<GaugeInstance>>& instances() const { return instances_; }
  GaugeInstance* FindInstance(const std::string& gauge_name, const std::string& parameter = "");
  static const gauge::GaugeHeader* FindTemplate(gauge::LinkageRecord* linkage, const std::string& name);

  // One panel-service message to one instance (its header routine first where the message has one),
  // then the key events it queued are echoed to the handler.
  void Message(GaugeInstance* instance, int32_t service);
  void MessageAll(int32_t service);

  // The life cycle: start-up messages, one frame (tick advance, the TCAS module's publication, update
  // and draw messages), shutdown.
  // A frame services only instances whose window is shown (the 3-D cockpit's, window -1, always).
  void Startup();
  void RunFrame();
  void Shutdown();
  int64_t frame() const { return frame_; }
  // Frames a second of simulator time (18 unless set, before the first frame): each frame moves the
  // clocks and the sound on by 1/N s and the tick counter (token 1) by the whole ticks, 18 a second,
  // that this brings.
  void set_frame_rate(int32_t frames_per_second);
  int32_t frame_rate() const { return frame_rate_; }
  // Runs at the end of every frame, when all its draw messages are done.
  void set_after_frame(std::function<void()> hook) { after_frame_ = std::move(hook); }

  // Calls the string callback of each shown string element of the instance, as a simulator does
  // when it draws the strings; the stand-in keeps no drawn text, so it calls them at every drawing.
  void UpdateStrings(GaugeInstance* instance);

  // Clicks a mouse rectangle of an instance at a point of the gauge (pixels; child boxes lie
  // relative to their enclosing parent rows); returns false when no child row with a function
  // contains it.
  bool Click(GaugeInstance* instance, int32_t x, int32_t y, uint32_t mouse_flags = gauge::kMouseLeftSingle);
  // Clicks the n-th child rectangle (0-based, counting only child rows with a function).
  bool ClickFunction(GaugeInstance* instance, int n, uint32_t mouse_flags = gauge::kMouseLeftSingle);

 private:
  friend struct ServiceSlots;
  bool InstanceActive(const GaugeInstance& instance) const;
  void CopyElementTree(GaugeInstance* inst, const gauge::ElementHeader* src, gauge::PixelSize surface_size);

  gauge::HostServiceTable table_{};
  gauge::ImportTableRecord* import_table_ = nullptr;
  gauge::LinkageRecord* linkage_ = nullptr;

  std::map<uint32_t, double> tokens_;
  SimClock clock_;
  void AdvanceClocks();
  std::set<uint32_t> integer_tokens_;
  std::map<uint32_t, std::string> token_texts_;
  std::map<std::string, double> expressions_;
  std::map<std::string, std::string> expression_texts_;
  std::string expression_text_result_;

  struct NamedVar {
    std::string name;
    double value = 0.0;
    bool registered = false;
    bool module_wrote = false;
  };
  std::vector<NamedVar> named_;
  std::map<std::string, uint32_t> named_index_;
  std::vector<std::string> registration_order_;
  int register_calls_ = 0;
  int unregister_calls_ = 0;
  uint32_t NamedId(const std::string& name);

  std::set<uint32_t> shown_windows_;
  std::vector<KeyEventRecord> key_events_;
  std::deque<std::pair<uint32_t, uint32_t>> echo_queue_;
  bool draining_ = false;
  bool simulator_model_ = false;
  host::KeyEventHandler key_handler_ = nullptr;
  void* key_handler_user_ = nullptr;
  int key_handler_register_calls_ = 0;

  std::string current_directory_;
  std::string app_data_folder_;
  host::SystemTime system_time_{};
  bool fixed_time_ = false;
  bool sound_device_fails_ = false;
  int sound_devices_created_ = 0;
  int sound_devices_released_ = 0;
  SoundMixdown sound_;
  int simconnect_closes_ = 0;
  std::vector<PlanLoad> plan_loads_;
  FsuipcServer fsuipc_;
  TcasServer tcas_;
  GpsPlan gps_;

  std::vector<std::unique_ptr<GaugeInstance>> instances_;
  int64_t frame_ = 0;
  int32_t frame_rate_ = kTicksPerSecond;
  int32_t tick_phase_ = 0;  // eighteenths of a frame's ticks not yet whole, 0 .. frame_rate_ - 1
  std::function<void()> after_frame_;
};

int32_t ToInt32(double v);

// Normalises a simulator-variable expression for lookup: case and spaces do not matter.
std::string NormalizeExpression(const std::string& text);

}  // namespace simhost
