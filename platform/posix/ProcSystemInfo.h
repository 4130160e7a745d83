#pragma once
// How Linux tells what the system monitor shows: the texts of /proc and os-release turned
// into the memory counts and the system's name. Kept apart from the file reading so that
// the rules can be checked on fixed texts.

#include "platform/services/Memory.h"

#include <cstdint>
#include <string>
#include <string_view>

// The counts from /proc/meminfo and /proc/self/status. `addressSpace` is the size of the
// address space the process may use. The page-file pair is memory and swap together, as
// the Windows commit limit is, so that "in use" never exceeds the total.
MemoryStatus MemoryStatusFromProc(std::string_view meminfo, std::string_view selfStatus,
                                  std::uint64_t addressSpace);

// The size of the user address space, from /proc/self/maps: the top of the highest user
// mapping (the stack lives near the top) rounded up to a power of two. 0 when nothing is mapped.
std::uint64_t AddressSpaceFromMaps(std::string_view maps);

// "PRETTY_NAME, kernel release", for example "Debian GNU/Linux 12 (bookworm), Linux 6.1.0-13-amd64";
// only the kernel when os-release says nothing.
std::string LinuxSystemName(std::string_view kernelName, std::string_view kernelRelease,
                            std::string_view osRelease);
