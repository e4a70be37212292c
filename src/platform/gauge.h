// The gauge interface between the module and its host: the exported records, gauge headers, element
// trees, mouse rectangles and the token-variable block. The module defines static templates of these
// records; the host copies a header and its element tree for every gauge instance it creates.
//
// On 64-bit Linux a word that holds an address is pointer-sized; every other field keeps its width.
#pragma once

#include <cstdint>

namespace gauge {

// Panel-service messages sent to every gauge callback.
enum PanelService : int32_t {
  kPreQuery = 0,
  kPostQuery = 1,
  kPreInstall = 2,
  kPostInstall = 3,
  kPreInitialize = 4,
  kPostInitialize = 5,
  kPreUpdate = 6,
  kPostUpdate = 7,
  kPreGenerate = 8,
  kPostGenerate = 9,
  kPreDraw = 10,
  kPostDraw = 11,
  kPreKill = 12,
  kPostKill = 13,
  kConnectToWindow = 14,
  kDisconnect = 15,
  kPanelOpen = 16,
  kPanelClose = 17,
};

// Element types.
constexpr int32_t kElementStaticImage = 0;
constexpr int32_t kElementString = 2;
constexpr int32_t kElementIcon = 4;

// Image-flag word bits.
constexpr uint32_t kImageHidden = 0x40000000u;    // bit 30: the host does not draw the element
constexpr uint32_t kImageDirty = 0x80000000u;     // bit 31: cleared by the module after a paint
constexpr uint32_t kImageDrawSurface = 0x00000100u;  // the host gives this element a drawing surface

// Mouse-rectangle row types.
constexpr int32_t kMouseEnd = 0;
constexpr int32_t kMouseParentBegin = 1;
constexpr int32_t kMouseChild = 2;
constexpr int32_t kMouseParentEnd = 3;

constexpr uint32_t kCursorNone = 0xFFFFFFFFu;

// Mouse flags handed to a mouse function (left/right button, ...); the FMS key rows use 0x20000000.
constexpr uint32_t kMouseLeftSingle = 0x20000000u;
constexpr uint32_t kMouseRightSingle = 0x80000000u;

struct GaugeHeader;
struct ElementHeader;

struct PixelSize {
  int32_t width;
  int32_t height;
};

struct PixelPoint {
  int32_t x;
  int32_t y;
};

// The "device context" the host gives a drawing element: a plain ARGB32 pixel buffer (premultiplied,
// native-endian words, as Cairo's ARGB32 format has them). The module's drawing layer paints into it;
// the host writes it out as PNG. When `recording` is set (tests), graphics made on this context
// also record every call there.
struct DeviceContext {
  uint32_t* pixels;
  int32_t width;
  int32_t height;
  int32_t stride_bytes;
  void* recording;
};

using GaugeServiceRoutine = void (*)(GaugeHeader* gauge, void* arg);
using GaugeCallback = void (*)(GaugeHeader* gauge, int32_t service_id, uintptr_t extra);
using MouseFunction = int32_t (*)(const PixelPoint* relative_point, uint32_t mouse_flags);
using StringCallback = double (*)(ElementHeader* element);

// Source variable that is none.
constexpr uint32_t kNoSourceVar = 0;

// Text flags of a string element: where the text sits in its box.
constexpr uint32_t kTextCentre = 0x01;      // horizontally centred
constexpr uint32_t kTextRight = 0x02;
constexpr uint32_t kTextVCentre = 0x04;     // vertically centred
constexpr uint32_t kTextBottom = 0x08;
constexpr uint32_t kTextSingleLine = 0x20;

// A colour as string elements take it: 0x00BBGGRR.
constexpr uint32_t Rgb(uint8_t red, uint8_t green, uint8_t blue) {
  return uint32_t{red} | (uint32_t{green} << 8) | (uint32_t{blue} << 16);
}

// What a host needs to draw a string element besides its box and its text.
struct StringAttributes {
  // Token ids the text is made from (kNoSourceVar for none): a host that keeps the drawn text calls
  // the callback again when one of them changes.
  uint32_t source_vars[3];
  const char* font_face;
  int32_t font_weight;   // 400 regular, 700 bold
  int32_t font_charset;  // 1: the default character set
  uint32_t text_flags;   // kText* bits
  uint32_t text_colour;  // 0x00BBGGRR, as the next two
  uint32_t background_colour;
  uint32_t highlight_colour;
  int32_t max_chars;
};

struct ElementHeader {
  int32_t element_type;
  int32_t resource_id;
  int32_t x;  // position on the gauge background, pixels
  int32_t y;
  GaugeHeader* gauge;  // owning instance; null in the module's templates
  ElementHeader* const* children;  // null-terminated list, or null
  uint32_t image_flags;
  // Static image that a paint entry draws on: the host's drawing surface (the "device context") and
  // its pixel size.
  void* hdc;
  const PixelSize* dim;
  // String element: the host draws `string` in the element's box (`dim`) as `string_attributes`
  // say; the callback writes into it (at most string_capacity bytes, NUL included) and returns 0.0.
  StringCallback string_callback;
  char* string;
  int32_t string_capacity;
  StringAttributes string_attributes;
};

struct MouseRect {
  int32_t rect_type;
  int32_t x, y, width, height;
  uint32_t cursor;
  uint32_t help_id;
  uint32_t mouse_flags;
  uint32_t event_id;
  MouseFunction function;
  uintptr_t user_data;
};

constexpr uint32_t kGaugeHeaderVersion = 0x320;

struct GaugeHeader {
  uint32_t version;                     // word 0
  const char* gauge_name;               // word 1
  ElementHeader* const* elements_list;  // word 2: one entry, the root element
  GaugeServiceRoutine query_routine;    // words 3 .. 9
  GaugeServiceRoutine install_routine;
  GaugeServiceRoutine initialize_routine;
  GaugeServiceRoutine update_routine;
  GaugeServiceRoutine generate_routine;
  GaugeServiceRoutine draw_routine;
  GaugeServiceRoutine kill_routine;
  uint32_t reserved10;
  uint32_t size;                        // word 11
  uint32_t reserved12_19[8];
  const MouseRect* mouse_rect;          // word 20
  GaugeCallback gauge_callback;         // word 21
  uint32_t reserved22;
  const char* parameters;               // word 23: "VC", "WN" or empty, set by the host per instance
  uint32_t reserved24_27[4];
};

// The host writes the address of its service table into `services` before the module's init entry.
struct ImportTableRecord {
  uint32_t table_id;  // 0x0000000F: the host's panel-service table
  struct HostServiceTable* services;
  uintptr_t end0;
  uintptr_t end1;
};

using ModuleEntry = void (*)();

constexpr int kMaxGauges = 21;

struct LinkageRecord {
  uint32_t module_id;  // 0x00000013
  ModuleEntry module_init;
  ModuleEntry module_deinit;
  uintptr_t reserved3;
  uintptr_t reserved4;
  uint32_t module_version;  // 0x0900
  GaugeHeader* gauges[kMaxGauges + 1];  // null-terminated
};

// The block handed to the token-read service. `value` holds a double for most tokens, a 32-bit
// integer in its first 4 bytes for some, and for text tokens a pointer to the host's NUL-terminated
// characters (valid until the host's next change of that token).
struct TokenVar {
  uint32_t id;
  void* var_ptr;
  uint32_t var_type;
  union {
    double n;
    int32_t d;
    uint32_t u;
    const char* s;
    uint8_t bytes[8];
  } value;
  double old;
};

// Walks the first-child chain n times from the root element; null when the tree is shorter.
inline ElementHeader* NthElement(GaugeHeader* g, int n) {
  if (g == nullptr || g->elements_list == nullptr) return nullptr;
  ElementHeader* e = g->elements_list[0];
  for (int i = 0; i < n && e != nullptr; ++i) {
    e = (e->children != nullptr) ? e->children[0] : nullptr;
  }
  return e;
}

inline void ShowElement(GaugeHeader* g, int n) {
  if (ElementHeader* e = NthElement(g, n)) e->image_flags &= ~kImageHidden;
}

inline void HideElement(GaugeHeader* g, int n) {
  if (ElementHeader* e = NthElement(g, n)) e->image_flags |= kImageHidden;
}

}  // namespace gauge
