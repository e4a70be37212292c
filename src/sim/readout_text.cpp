#include "sim/readout_text.h"

#include <cstdarg>
#include <cstdio>

#include "afds/afds_globals.h"
#include "sim/readers_systems.h"

bool BlankReadoutWhenUnpowered(gauge::ElementHeader* element) {
  if (!(ReadTokenVar364() == 0.0 && ac_power <= 0)) return false;
  if (element != nullptr && element->string != nullptr && element->string_capacity > 0) element->string[0] = '\0';
  return true;
}

void WriteReadoutText(gauge::ElementHeader* element, const char* format, ...) {
  if (element == nullptr || element->string == nullptr || element->string_capacity <= 0) return;
  va_list args;
  va_start(args, format);
  std::vsnprintf(element->string, static_cast<size_t>(element->string_capacity), format, args);
  va_end(args);
}

double FormatReadout(gauge::ElementHeader* element, const char* format, double (*reader)()) {
  if (!BlankReadoutWhenUnpowered(element)) WriteReadoutText(element, format, reader());
  return 0.0;
}
