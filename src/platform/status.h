#pragma once
// How an operation on a file ended.

#include <string>
#include <utility>

namespace velmora::platform {

// ok(), or the system's error number and a message naming the file and the reason,
// ready to be shown ("Cannot copy "a" to "b": No space left on device").
class [[nodiscard]] Status {
 public:
  Status() = default;
  Status(int error, std::string message) : error_(error), message_(std::move(message)) {}
  bool ok() const { return error_ == 0; }
  int error() const { return error_; }
  const std::string& message() const { return message_; }

 private:
  int error_ = 0;
  std::string message_;
};

}  // namespace velmora::platform
