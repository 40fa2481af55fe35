#pragma once

#include <chrono>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "core/link/executor.h"
#include "core/link/link_state.h"
#include "core/link/progress.h"
#include "core/widgets/dialogs.h"

namespace q6::test {

// Runs every task at once, in the posting thread.
class DirectExecutor final : public Executor {
 public:
  void post(std::function<void()> task) override { task(); }
};

// Keeps tasks until the test thread, standing in for the user-interface thread, runs them.
class QueuedExecutor final : public Executor {
 public:
  void post(std::function<void()> task) override {
    std::lock_guard lock(mutex_);
    tasks_.push_back(std::move(task));
  }
  void runPending() {
    std::deque<std::function<void()>> tasks;
    {
      std::lock_guard lock(mutex_);
      tasks.swap(tasks_);
    }
    for (auto& task : tasks) task();
  }

 private:
  std::mutex mutex_;
  std::deque<std::function<void()>> tasks_;
};

class RecordingDialog final : public MessageDialog {
 public:
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  std::vector<std::string> messages;
};

// Progress bars that remember every position they were set to.
class RecordingBars final : public ProgressBars {
 public:
  void setPosition(TransferBar bar, int position) override {
    std::lock_guard lock(mutex_);
    history_[bar].push_back(position);
  }
  std::vector<int> history(TransferBar bar) {
    std::lock_guard lock(mutex_);
    return history_[bar];
  }

 private:
  std::mutex mutex_;
  std::map<TransferBar, std::vector<int>> history_;
};

// Waits, as the sequencer's tick does, until the link has no transfer pending; false after
// `limit`, so a hanging transfer fails the test instead of blocking it.
inline bool WaitUntilIdle(const LinkState& link,
                          std::chrono::milliseconds limit = std::chrono::seconds(10),
                          const std::function<void()>& betweenChecks = {}) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (link.anmeldung || link.running) {
    if (betweenChecks) betweenChecks();
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  return true;
}

}  // namespace q6::test
