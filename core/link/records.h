#pragma once

#include <cstddef>
#include <cstdint>

#include "core/link/buffer.h"
#include "core/link/link_state.h"
#include "core/link/transfer_requester.h"

namespace q6 {

// Record commands of the dimmer protocol.
inline constexpr std::uint8_t kCmdReadEepromWord = 0x06;
inline constexpr std::uint8_t kCmdWriteRamWord = 0x07;
inline constexpr std::uint8_t kCmdWriteEepromWord = 0x08;
inline constexpr std::uint8_t kCmdReadRamBlock = 0x09;
inline constexpr std::uint8_t kCmdIdentify = 0x63;
// Sent where the dimmer answers with data.
inline constexpr std::uint8_t kFiller = 0x05;
inline constexpr std::uint8_t kLogOnAnswer = 0xAA;
inline constexpr std::uint8_t kSupportedHardware = 0x4D;

// The values of `cfg` that `send_sio` knows.
inline constexpr std::uint16_t kSendReadEepromWords = 2;
inline constexpr std::uint16_t kSendWriteRamWord = 3;
inline constexpr std::uint16_t kSendWriteEepromWord = 4;
inline constexpr std::uint16_t kSendReadRamBlock = 9;

// Slot sizes of the word records.
inline constexpr std::size_t kReadSlot = 5;
inline constexpr std::size_t kWriteSlot = 6;

inline std::uint8_t HighByte(std::uint16_t word) { return static_cast<std::uint8_t>(word >> 8); }
inline std::uint8_t LowByte(std::uint16_t word) { return static_cast<std::uint8_t>(word & 0xFF); }

// Bytes of a RAM block read of `words` words.
inline constexpr std::uint32_t RamBlockLength(std::uint16_t words) { return 2u * words + 10u; }

// The common end of every sending state: sets the counts, requests the transfer and moves the
// sequencer to `next`.
void StartBatch(LinkState& link, TransferRequester& sio, int& sioState, std::uint32_t length,
                int next);

// Writes records into `TxBuffer` and their check codes into `CheckMask`:
// cfg 2: `anz` read-EEPROM-word records from `StartAdr` in 5-byte slots from `offset`;
// cfg 3 / 4: one write-RAM / write-EEPROM-word record (`StartAdr` := `anz`) in 6-byte slot
// `offset`; cfg 9: a RAM block read of `anz` words from `StartAdr`, which also starts the
// transfer and moves the sequencer to state 4. Other values do nothing.
void send_sio(LinkState& link, TransferRequester& sio, int& sioState, std::uint16_t cfg,
              std::uint16_t StartAdr, std::uint16_t anz, std::uint16_t offset);

struct WordAnswer {
  std::uint16_t address;
  std::uint16_t value;
};

// The answer of the read-word record in 5-byte slot `slot`.
WordAnswer ReadWordAnswer(const Buffer& rx, std::size_t slot);
// The echoed start address of a RAM block answer.
std::uint16_t RamBlockStart(const Buffer& rx);
// Word `index` of a RAM block answer.
std::uint16_t RamBlockWord(const Buffer& rx, std::size_t index);
// Whether the sum byte of a RAM block answer of `words` words matches its data.
bool RamBlockSumValid(const Buffer& rx, std::uint16_t words);
// Whether the answer to the identification query names supported hardware.
bool IsSupportedHardware(const Buffer& rx);

}  // namespace q6
