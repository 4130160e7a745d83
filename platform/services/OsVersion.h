#pragma once

#include <cstdint>
#include <string>

// What the running system says of itself. On Windows the fields of the version query; on
// any other system PlatformId is 0 and OtherSystem names the system as it describes itself
// (kernel and distribution).
struct OsVersionSnapshot {
    std::uint32_t PlatformId = 0; // 1 the Windows 95 family, 2 the NT family
    std::uint32_t Major = 0;
    std::uint32_t Minor = 0;
    std::uint32_t Build = 0;
    std::string ServicePack; // at most 128 characters, UTF-8
    std::string OtherSystem;
};

class OsVersion {
  public:
    virtual ~OsVersion() = default;
    // Taken once, the first time it is asked for: the text does not change while the program runs.
    virtual const OsVersionSnapshot& Snapshot() const = 0;
};

// The running system (platform backend).
OsVersion& SystemOsVersion();

// The system in force: the running one unless a test set another.
OsVersion& CurrentOsVersion();
// Installs a version source (not owned); nullptr restores the running system. Returns the one replaced.
OsVersion* SetOsVersion(OsVersion* version);

class FixedOsVersion final : public OsVersion {
  public:
    explicit FixedOsVersion(OsVersionSnapshot snapshot) : snapshot_(std::move(snapshot)) {}
    const OsVersionSnapshot& Snapshot() const override { return snapshot_; }

  private:
    OsVersionSnapshot snapshot_;
};
