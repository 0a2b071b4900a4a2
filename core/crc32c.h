#pragma once

#include <cstdint>
#include <string_view>

namespace KestLib {

// CRC-32C (Castagnoli), as iSCSI and ext4 use it: crc32c("123456789") is
// 0xE3069283. Pass the result of one call as previous to go on over the
// next bytes.
std::uint32_t crc32c(std::string_view bytes, std::uint32_t previous = 0);

}  // namespace KestLib
