#pragma once

#include "core/widgets/controls.h"
#include "core/widgets/form.h"

namespace q6 {

// The start-up language chooser, offered while no language has been chosen yet. Hidden until
// the start-up selection shows it; a pick or the close button hides it again.
class Tlang_form : public Form {
 public:
  Tlang_form();

  Label& Label1;
  ComboBox& ComboBox1;
};

}  // namespace q6
