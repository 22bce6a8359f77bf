#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace sumora::platform {

// The stand-in for the Windows registry on a POSIX desktop: read-only and in memory. It holds one
// key, HKEY_LOCAL_MACHINE "SOFTWARE\Microsoft\Shared Tools\MSINFO", with one REG_SZ value "PATH":
// the first of the candidate system-information programs that is installed. The candidates are
// looked at when the key is opened, so a program installed while Sumora runs is found; with none
// installed the key does not exist.
class PosixRegistry {
public:
    explicit PosixRegistry(std::vector<std::string> toolCandidates);

    long open(RegKey root, const std::string& subKey, std::uint32_t access, RegKey& result);
    long query(RegKey key, const std::string& valueName, std::uint32_t& type, unsigned char* data,
               std::uint32_t& size) const;
    long close(RegKey key);

private:
    std::vector<std::string> toolCandidates_;
    std::map<RegKey, std::string> openKeys_;  // handle and the tool path it reads
    RegKey nextHandle_ = 0x1000;
};

// The full paths of the system-information programs of the common desktops, in the order in which
// they are preferred, in the standard program folders.
std::vector<std::string> systemInfoToolCandidates();

}  // namespace sumora::platform
