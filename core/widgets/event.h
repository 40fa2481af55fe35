#pragma once

#include <functional>
#include <utility>

namespace q6 {

// An event handler slot of a control. Like a form designer's event property it can be detached
// and attached again, which the configuration decoding relies on to set values silently.
template <typename... Args>
class Event {
 public:
  using Handler = std::function<void(Args...)>;

  void attach(Handler handler) { handler_ = std::move(handler); }
  Handler detach() { return std::exchange(handler_, nullptr); }
  bool attached() const { return static_cast<bool>(handler_); }

  void operator()(Args... args) const {
    if (handler_) handler_(args...);
  }

 private:
  Handler handler_;
};

}  // namespace q6
