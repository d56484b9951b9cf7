#include "number_text.h"

namespace engine {

std::string FormatInteger(std::int32_t value) { return std::to_string(value); }

}  // namespace engine
