#pragma once

namespace q6 {

// Hands a prepared transfer to the serial worker and returns at once; completion shows in the
// link state's `anmeldung` and `running` flags.
class TransferRequester {
 public:
  virtual ~TransferRequester() = default;
  virtual void RequestTransfer() = 0;
};

}  // namespace q6
