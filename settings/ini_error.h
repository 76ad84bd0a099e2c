#pragma once
#include <stdexcept>

// Raised when the file system refuses a write (read-only file, missing or
// unwritable folder, a value with no CP932 form).
class EIniWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
