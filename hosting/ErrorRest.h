#pragma once
#include <stdexcept>

namespace quorvex {

// A call the REST transport refuses before or instead of running the method
// (bad path, unknown method, unconvertible argument): status 500 with the
// message in {"error":...}.
class ErrorTransporte : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace quorvex
