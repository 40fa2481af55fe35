// An answer to the error-memory read, whatever it holds: decoded into the EEPROM image and the
// error list.

#include "fuzz/fuzz_program.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  q6::TForm1& form = q6::fuzz::SharedProgram().form();
  q6::fuzz::CopyInto(form.link.RxBuffer, {data, size});
  form.DecodeErrorMemory();
  return 0;
}
