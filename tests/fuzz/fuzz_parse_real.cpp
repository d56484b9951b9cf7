// Any text, read with "." and with "," as the decimal mark: an accepted value
// is finite and formats to a text that reads back close to it; a rejected
// text is named whole in the message.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/engine.h"
#include "round_trip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  for (const char mark : {'.', ','}) {
    engine::SetDecimalMark(mark);
    try {
      const long double value = engine::ParseReal(text);
      if (!std::isfinite(value)) std::abort();
      CheckRoundTrip(value);
    } catch (const engine::EConvertError& error) {
      if (error.Message() != "'" + text + "' is not a valid floating point value") std::abort();
    }
  }
  return 0;
}
