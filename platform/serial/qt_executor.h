#pragma once

#include <functional>

#include "core/link/executor.h"

class QObject;

namespace q6 {

// Runs each task as a queued call in the thread of `context`, normally the user-interface
// thread; tasks still queued when `context` is destroyed are dropped.
class QtExecutor final : public Executor {
 public:
  explicit QtExecutor(QObject& context) : context_(context) {}
  void post(std::function<void()> task) override;

 private:
  QObject& context_;
};

}  // namespace q6
