#pragma once

#include <QTemporaryDir>

namespace q6::bench {

// A temporary home, configuration and temp folder with a stored language and port, so the
// program starts without the language chooser and meets no other running copy. Made before the
// QApplication, which reads the environment; programs started from here inherit it.
class BenchHome {
 public:
  BenchHome();
  bool valid() const { return dir_.isValid(); }

 private:
  QTemporaryDir dir_;
};

}  // namespace q6::bench
