// Any bytes as a hand-over message: no crash, a whole list is what encoding it gives
// back, and any list of arguments (pieces of the input) survives the trip.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "desktop/single_instance.h"

using namespace velmora::desktop;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  std::vector<std::string> args;
  if (DecodeHandOver(bytes, args) && !bytes.startsWith(EncodeHandOver(args))) std::abort();
  // Arguments hold no NUL and empty ones are not sent.
  std::vector<std::string> sent;
  for (const QByteArray& piece : bytes.split('\0'))
    if (!piece.isEmpty()) sent.push_back(piece.toStdString());
  std::vector<std::string> received;
  if (!DecodeHandOver(EncodeHandOver(sent), received) || received != sent) std::abort();
  return 0;
}
