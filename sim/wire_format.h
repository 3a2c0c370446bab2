// The byte values of the WPP protocol as a device sees them: what marks a frame
// from the PC, the commands it carries, and the single bytes that steer a file
// transfer. Shared by the device's frame parsers and its reply builders.
//
// Callers must guarantee: nothing.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace olv {

namespace wire {

inline constexpr uint8_t kStartMark = 0xFF;
// Follows the start mark of a scan or activation frame; the byte after it is
// the bus ID addressed, or kAllDevices for a scan.
inline constexpr std::array<uint8_t, 15> kActivationSignature = {
    0xA3, 0x5C, 0x19, 0xE7, 0x42, 0x8D, 0x0B, 0x76, 0xF1, 0x2E, 0x94, 0x6C, 0x3B, 0xA8, 0xD5};
inline constexpr uint8_t kAllDevices = 0xFF;

// Every file request carries this password right after its start mark.
inline constexpr std::string_view kPassword = "427051";
inline constexpr uint8_t kDownloadCommand = 3;
inline constexpr uint8_t kFileListCommand = 5;
inline constexpr uint8_t kUploadCommand = 9;
inline constexpr uint8_t kDeleteCommand = 11;
inline constexpr uint8_t kRequestEnd = 0x0D;

// Reply types, sent where a reply's flag byte stands.
inline constexpr uint8_t kFileListReply = 1;
inline constexpr uint8_t kScanReply = 10;
inline constexpr uint8_t kFileListEnd = 0x15;
// Added to the byte sum of a reply header's check and of an upload frame's
// header check.
inline constexpr uint8_t kCheckOffset = 0x37;

inline constexpr uint8_t kAcknowledge = '{';
inline constexpr uint8_t kRepeat = 'd';
inline constexpr size_t kMaxFramePayload = 512;
// The longest name a download or delete request has room for ("12345678.ABC").
inline constexpr size_t kMaxRequestName = 12;

}  // namespace wire

}  // namespace olv
