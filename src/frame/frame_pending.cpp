#include "frame/frame_pending.h"

void StoreTimeEntry() {}
