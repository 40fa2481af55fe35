#pragma once

#include <functional>

namespace q6 {

// Runs tasks on the user-interface thread, in the order they were posted.
class Executor {
 public:
  virtual ~Executor() = default;
  virtual void post(std::function<void()> task) = 0;
};

}  // namespace q6
