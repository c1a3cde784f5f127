// SPDX-License-Identifier: MIT
// POSIX systems have no registry: the system's store is an empty one, so
// every lookup fails and the system information tool is reported unavailable.
#include "sysinfo/memory_registry.h"

namespace quorvel::sysinfo {

Registry& SystemRegistry() {
  static MemoryRegistry registry;
  return registry;
}

}  // namespace quorvel::sysinfo
