// SPDX-License-Identifier: MIT
// Platforms without a registry: an empty store, so every lookup fails and
// the system information tool is reported unavailable.
#include "sysinfo/memory_registry.h"

namespace quorvel::sysinfo {

Registry& SystemRegistry() {
  static MemoryRegistry registry;
  return registry;
}

}  // namespace quorvel::sysinfo
