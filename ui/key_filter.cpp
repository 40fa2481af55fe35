#include "ui/key_filter.h"

#include <QKeyEvent>
#include <QWidget>

#include "core/shell/key_filter.h"

namespace q6::ui {

bool EditKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  // Only typed characters are filtered; cursor keys, Delete, Tab and shortcuts edit as usual.
  const bool typed = !key->text().isEmpty() && key->key() != Qt::Key_Delete &&
                     key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab &&
                     !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
  if (!typed) return false;
  const char32_t character = key->text().toUcs4().value(0);
  switch (FormKeyPress(character == U'\n' ? U'\r' : character)) {
    case KeyAction::Pass:
      return false;
    case KeyAction::Discard:
      return true;
    case KeyAction::FocusNext:
      if (auto* widget = qobject_cast<QWidget*>(watched)) {
        QWidget* next = widget->nextInFocusChain();
        while (next && next != widget && !(next->focusPolicy() & Qt::TabFocus))
          next = next->nextInFocusChain();
        if (next) next->setFocus(Qt::TabFocusReason);
      }
      return true;
  }
  return false;
}

}  // namespace q6::ui
