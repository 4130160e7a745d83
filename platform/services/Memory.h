#pragma once

#include <cstdint>

// The six byte counts of the system's memory status. They are 64-bit: a machine with more
// than 4 GiB must not wrap any of them or their sums.
struct MemoryStatus {
    std::uint64_t TotalPhys = 0;     // TP
    std::uint64_t AvailPhys = 0;     // AP
    std::uint64_t TotalPageFile = 0; // TF: what may be committed, memory and page file together
    std::uint64_t AvailPageFile = 0; // AF
    std::uint64_t TotalVirtual = 0;  // TV: the process's address space
    std::uint64_t AvailVirtual = 0;  // AV
};

class Memory {
  public:
    virtual ~Memory() = default;
    virtual MemoryStatus Status() const = 0;
};

// The machine's memory (platform backend).
Memory& SystemMemory();

// The memory in force: the machine's unless a test set another.
Memory& CurrentMemory();
// Installs a memory source (not owned); nullptr restores the machine's. Returns the one replaced.
Memory* SetMemory(Memory* memory);

// A memory status that stays as told.
class FixedMemory final : public Memory {
  public:
    explicit FixedMemory(MemoryStatus status) : status_(status) {}
    MemoryStatus Status() const override { return status_; }
    void Set(MemoryStatus status) { status_ = status; }

  private:
    MemoryStatus status_;
};
