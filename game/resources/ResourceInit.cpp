#include "ResourceInit.h"

// The resources are registered by object files that the linker keeps through this library's
// link interface; this function is the one symbol callers need, so that the library is linked.
void InitTiloraResources() {}
