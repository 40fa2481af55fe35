#include "core/link/records.h"

#include <algorithm>
#include <initializer_list>

namespace q6 {
namespace {

void Put(LinkState& link, std::size_t position, std::initializer_list<std::uint8_t> bytes,
         std::initializer_list<std::uint8_t> checks) {
  std::copy(bytes.begin(), bytes.end(), link.TxBuffer.begin() + static_cast<long>(position));
  std::copy(checks.begin(), checks.end(), link.CheckMask.begin() + static_cast<long>(position));
}

std::uint16_t Word(std::uint8_t high, std::uint8_t low) {
  return static_cast<std::uint16_t>(high << 8 | low);
}

void PutReadWords(LinkState& link, std::uint16_t start, std::uint16_t count, std::uint16_t slot) {
  for (std::uint32_t i = 0; i < count; ++i) {
    const auto address = static_cast<std::uint16_t>(start + 2 * i);
    Put(link, kReadSlot * (slot + i),
        {kCmdReadEepromWord, HighByte(address), LowByte(address), kFiller, kFiller},
        {1, 1, 1, 0, 0});
  }
}

void PutWriteWord(LinkState& link, std::uint8_t command, std::uint16_t address, std::uint16_t value,
                  std::uint16_t slot) {
  Put(link, kWriteSlot * slot,
      {command, HighByte(address), LowByte(address), HighByte(value), LowByte(value), kFiller},
      {1, 1, 1, 1, 1, 0});
}

void PutRamBlockRead(LinkState& link, std::uint16_t start, std::uint16_t words) {
  const auto byteCount = static_cast<std::uint8_t>(2 * words);
  Put(link, 0, {kCmdReadRamBlock, byteCount, HighByte(start), LowByte(start)}, {1, 1, 1, 1});
  const std::uint32_t end = RamBlockLength(words);
  std::fill(link.TxBuffer.begin() + 4, link.TxBuffer.begin() + end, kFiller);
  std::fill(link.CheckMask.begin() + 4, link.CheckMask.begin() + end, 0);
}

}  // namespace

void StartBatch(LinkState& link, TransferRequester& sio, int& sioState, std::uint32_t length,
                int next) {
  link.TxCount = length;
  link.RxCount = length;
  link.TxSource = link.TxBuffer.data();
  // Cleared before the request: the worker may set it as soon as the transfer is handed over.
  link.RxDone = false;
  sio.RequestTransfer();
  sioState = next;
}

void send_sio(LinkState& link, TransferRequester& sio, int& sioState, std::uint16_t cfg,
              std::uint16_t StartAdr, std::uint16_t anz, std::uint16_t offset) {
  switch (cfg) {
    case kSendReadEepromWords:
      PutReadWords(link, StartAdr, anz, offset);
      break;
    case kSendWriteRamWord:
      PutWriteWord(link, kCmdWriteRamWord, StartAdr, anz, offset);
      break;
    case kSendWriteEepromWord:
      PutWriteWord(link, kCmdWriteEepromWord, StartAdr, anz, offset);
      break;
    case kSendReadRamBlock:
      PutRamBlockRead(link, StartAdr, anz);
      StartBatch(link, sio, sioState, RamBlockLength(anz), 4);
      break;
    default:
      break;
  }
}

WordAnswer ReadWordAnswer(const Buffer& rx, std::size_t slot) {
  const std::size_t p = kReadSlot * slot;
  return {Word(rx[p + 1], rx[p + 2]), Word(rx[p + 4], rx[p + 3])};
}

std::uint16_t RamBlockStart(const Buffer& rx) { return Word(rx[2], rx[3]); }

std::uint16_t RamBlockWord(const Buffer& rx, std::size_t index) {
  return Word(rx[5 + 2 * index], rx[4 + 2 * index]);
}

bool RamBlockSumValid(const Buffer& rx, std::uint16_t words) {
  const std::size_t byteCount = 2u * words;
  unsigned sum = 0;
  for (std::size_t i = 4; i < 4 + byteCount; ++i) sum += rx[i];
  return static_cast<std::uint8_t>(sum) == rx[4 + byteCount];
}

bool IsSupportedHardware(const Buffer& rx) {
  return rx[0] == kCmdIdentify && rx[1] == kSupportedHardware;
}

}  // namespace q6
