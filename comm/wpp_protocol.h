// The fixed numbers of the WPP protocol that the OLV devices speak: frame
// marks, command and reply codes, the activation signature, the password and
// the sizes of the engine's buffers. Every frame the PC sends begins with the
// start mark; check bytes are 8-bit sums, some with kWppCheckOffset added.
//
// Callers must guarantee: nothing.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace olv {

// The engine's parameter block (32-bit values, as the protocol defines them).
struct cParametryWPP {
  uint32_t Timeout = 10;            // ms, every serial time-out constant
  uint32_t InputQueueSize = 4096;   // bytes
  uint32_t OutputQueueSize = 4096;  // bytes
  uint32_t LargestRead = 65536;     // bytes asked for in one read
  uint32_t DownloadCommand = 3;
  uint32_t FileListCommand = 5;
  uint32_t UploadCommand = 9;
  uint32_t DeviceEntryReply = 10;   // reply type of scan answers
  uint32_t DeleteCommand = 11;
  uint32_t FileListReply = 1;       // reply type of file-list lines
  uint32_t RepeatRequest = 100;     // 'd': send that frame again
  uint32_t Acknowledgement = 123;   // '{': frame received well
};

inline constexpr uint8_t kWppStartMark = 0xFF;
// Byte 16 of the activation frame that addresses every device (the scan).
inline constexpr uint8_t kWppAllDevices = 0xFF;
inline constexpr std::array<uint8_t, 15> kWppActivationSignature = {
    0xA3, 0x5C, 0x19, 0xE7, 0x42, 0x8D, 0x0B, 0x76, 0xF1, 0x2E, 0x94, 0x6C, 0x3B, 0xA8, 0xD5};
inline constexpr std::string_view kWppPassword = "427051";
inline constexpr uint8_t kWppCheckOffset = 0x37;
// Ends a file-list reply.
inline constexpr uint8_t kWppFileListEnd = 0x15;

inline constexpr size_t kWppReceiveBufferSize = 100000;
inline constexpr size_t kWppLineBufferSize = 240;
inline constexpr size_t kWppFrameBufferSize = 1027;

}  // namespace olv
