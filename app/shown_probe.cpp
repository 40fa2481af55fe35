#include "app/shown_probe.h"

#include <QEvent>
#include <QWidget>
#include <cstdio>

namespace {

class FirstPaint final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      // Queued, so it runs once the whole window, children included, has been painted. The
      // window closes as the user closes it, so the way out is the normal one too.
      QMetaObject::invokeMethod(
          this,
          [window = static_cast<QWidget*>(watched)] {
            std::fputs("shown\n", stdout);
            std::fflush(stdout);
            window->close();
          },
          Qt::QueuedConnection);
    }
    return false;
  }

 private:
  bool seen_ = false;
};

}  // namespace

void QuitWhenShownIfAsked(QWidget& window) {
  if (qEnvironmentVariableIsSet("QUENDARIS6_QUIT_WHEN_SHOWN"))
    window.installEventFilter(new FirstPaint(&window));
}
