#pragma once
// How an operation ended: the one way every fallible call reports.

#include <string>
#include <utility>

namespace velmora::platform {

// ok(), or a failure with a message ready to be shown, naming the file and the reason
// ("Cannot copy "a" to "b": No space left on device") unless the call says it leaves the
// file to its caller. Callers ask for the reasons they act on by name; the system's
// error numbers stay inside the platform.
class [[nodiscard]] Status {
 public:
  Status() = default;
  // A failure for the system's error number error (errno), which must not be 0.
  Status(int error, std::string message) : error_(error), message_(std::move(message)) {}
  // Failures the program itself decides on: a value it will not take, a thing that is
  // not there to act on, the user's Cancel.
  static Status Refusal(std::string message);
  static Status Absence(std::string message);
  static Status Cancellation();
  static Status Distrust(std::string message);

  bool ok() const { return error_ == 0; }
  const std::string& message() const { return message_; }
  // The same reason, told in other words.
  Status Retold(std::string message) const { return {error_, std::move(message)}; }

  bool NotFound() const;    // nothing at the path
  bool NotAFolder() const;  // something other than a folder is at the path
  bool InTheWay() const;    // a target exists, and was not to be replaced
  bool Cancelled() const;   // the user stopped it
  bool Busy() const;        // another process holds the lock
  bool NoTrash() const;     // no trash takes the file
  bool NoRoom() const;      // the system ran out of room: a full disk, a per-user limit
  bool Untrusted() const;   // a folder others could change, which the program does not use

 private:
  int error_ = 0;
  std::string message_;
};

// The system's text for an error number ("No such file or directory").
std::string ErrorText(int error);

}  // namespace velmora::platform
