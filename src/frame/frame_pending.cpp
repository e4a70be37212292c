#include "frame/frame_pending.h"

#include "platform/host_api.h"

// Reads token 350 straight from the host until the frame's reader exists.
double ReadTokenVar350() {
  gauge::TokenVar var{};
  var.id = 350;
  host::ReadToken(&var);
  return var.value.n;
}
