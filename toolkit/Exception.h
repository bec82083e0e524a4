#pragma once
// The toolkit's failures: an exception with a message. Whatever no command
// handles ends the handler and reaches the application's standard error box.
#include <stdexcept>
#include <string>

class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
};

class EInvalidOperation : public Exception {
 public:
  using Exception::Exception;
};
