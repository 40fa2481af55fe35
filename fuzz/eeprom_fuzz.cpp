// Any EEPROM content, as the 168 words of a read (two bytes each, low byte first): decoded into
// the configuration views and checked as the program does after a read and after an edit.

#include "core/link/records.h"
#include "fuzz/fuzz_program.h"

namespace {

// The read answer of a dimmer that echoes every record correctly and holds `words`.
void PutReadAnswer(q6::Buffer& rx, std::span<const std::uint8_t> words) {
  for (std::size_t i = 0; i < q6::kEepImageReadWords; ++i) {
    const auto address = static_cast<std::uint16_t>(2 * i);
    const std::size_t slot = q6::kReadSlot * i;
    rx[slot] = q6::kCmdReadEepromWord;
    rx[slot + 1] = q6::HighByte(address);
    rx[slot + 2] = q6::LowByte(address);
    rx[slot + 3] = 2 * i < words.size() ? words[2 * i] : 0;
    rx[slot + 4] = 2 * i + 1 < words.size() ? words[2 * i + 1] : 0;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  q6::TForm1& form = q6::fuzz::SharedProgram().form();
  PutReadAnswer(form.link.RxBuffer, {data, size});
  form.FillEepTable();
  form.StoreEepReply();
  form.EepWData = form.EepRData;
  if (!form.DecodeEepromSettings()) return 0;
  form.CheckValues(form);
  // Once in step with the dimmer, every edit runs the full check against what was read.
  form.EepSynchron = true;
  form.CheckValues(form);
  return 0;
}
