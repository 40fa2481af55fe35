// A RAM block answer as it lies in the receive buffer, whatever it holds: stored into the RAM
// image and shown in the live views.

#include "fuzz/fuzz_program.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  q6::TForm1& form = q6::fuzz::SharedProgram().form();
  q6::fuzz::CopyInto(form.link.RxBuffer, {data, size});
  form.StoreRamReply();
  return 0;
}
