#include "state/config_globals.h"

#define CONFIG_DEFINE_KEY_(key, kind, type, name, init, limit) RO_DEFINE_GLOBAL_(type, name, init)
#define CONFIG_RESET_KEY_(key, kind, type, name, init, limit) RO_RESET_GLOBAL_(type, name, init)
#define CONFIG_DEFINE_COLOUR_(key, name, r, g, b) \
  int32_t name##_r = r;                           \
  int32_t name##_g = g;                           \
  int32_t name##_b = b;
#define CONFIG_RESET_COLOUR_(key, name, r, g, b) \
  name##_r = r;                                  \
  name##_g = g;                                  \
  name##_b = b;

CONFIG_KEYS(CONFIG_DEFINE_KEY_)
CONFIG_COLOUR_KEYS(CONFIG_DEFINE_COLOUR_)
RO_DEFINE_GLOBALS(CONFIG_SCALARS)

void ResetConfigGlobals() {
  CONFIG_KEYS(CONFIG_RESET_KEY_)
  CONFIG_COLOUR_KEYS(CONFIG_RESET_COLOUR_)
  RO_RESET_GLOBALS(CONFIG_SCALARS)
}
