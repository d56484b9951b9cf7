#include "window/application_title.h"

#include "window/utf16.h"

std::u16string ApplicationTitle(std::u16string_view path, char16_t separator, LowerCase lower) {
  std::u16string_view name = path;
  if (const auto last = name.rfind(separator); last != std::u16string_view::npos)
    name.remove_prefix(last + 1);
  name = name.substr(0, name.find(u'.'));
  if (name.empty()) return {};
  // The first character stays as it is, a surrogate pair taken whole.
  const std::size_t first = name.size() > 1 && IsHighSurrogate(name[0]) ? 2 : 1;
  return std::u16string(name.substr(0, first)) + lower(name.substr(first));
}
