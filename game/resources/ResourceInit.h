#pragma once

// Makes the compiled-in resources reachable. Safe to call more than once.
void InitTiloraResources();
