#include "platform/status.h"

#include <cerrno>
#include <cstring>

namespace velmora::platform {

Status Status::Refusal(std::string message) { return {EINVAL, std::move(message)}; }
Status Status::Absence(std::string message) { return {ENOENT, std::move(message)}; }
Status Status::Cancellation() { return {ECANCELED, "Cancelled"}; }
Status Status::Distrust(std::string message) { return {EPERM, std::move(message)}; }

bool Status::NotFound() const { return error_ == ENOENT; }
bool Status::NotAFolder() const { return error_ == ENOTDIR; }
bool Status::InTheWay() const { return error_ == EEXIST; }
bool Status::Cancelled() const { return error_ == ECANCELED; }
bool Status::Busy() const { return error_ == EWOULDBLOCK; }
// Trash (file_ops.cpp) gives this number when no trash takes a file.
bool Status::NoTrash() const { return error_ == ENOTRECOVERABLE; }
bool Status::NoRoom() const { return error_ == ENOSPC; }
bool Status::Untrusted() const { return error_ == EPERM; }

std::string ErrorText(int error) {
  char buffer[256];
  // GNU strerror_r may return a static text instead of filling the buffer.
  return strerror_r(error, buffer, sizeof buffer);
}

}  // namespace velmora::platform
