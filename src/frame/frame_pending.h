// Services of the module frame that its callers already need but that are not built yet.
#pragma once

// Will keep the time bookkeeping done at the start of each systems pass.
void StoreTimeEntry();
