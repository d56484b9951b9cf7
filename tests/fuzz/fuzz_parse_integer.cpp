// Any text: an accepted one formats back to a text with the same value; a
// rejected one is named whole in the message.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/engine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  try {
    const std::int32_t value = engine::ParseInteger(text);
    if (engine::ParseInteger(engine::FormatInteger(value)) != value) std::abort();
  } catch (const engine::EConvertError& error) {
    if (error.Message() != "'" + text + "' is not a valid integer value") std::abort();
  }
  return 0;
}
