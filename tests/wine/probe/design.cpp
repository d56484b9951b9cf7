#include "tests/wine/probe/design.h"

#include <vector>

#include "window/control_table.h"

namespace {

const char* KindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::Picture:
      return "picture";
    case ControlKind::Label:
      return "label";
    case ControlKind::StaticText:
      return "static";
    case ControlKind::ComboBox:
      return "combo";
    case ControlKind::Edit:
      return "edit";
    case ControlKind::Log:
      return "log";
    case ControlKind::PushButton:
      return "button";
    case ControlKind::CheckBox:
      return "check";
  }
  return "?";
}

}  // namespace

json::Text DescribeDesign() {
  std::vector<json::Text> controls;
  for (const ControlRow& row : Form1Controls()) {
    std::vector<json::Text> items;
    for (const char* item : ListItems(row.items)) items.push_back(json::Utf8(item));
    const Rect& r = row.geometry;
    controls.push_back(json::Object()
                           .Add("name", json::String(row.name))
                           .Add("kind", json::String(KindName(row.kind)))
                           .Add("rect", json::Rect(RECT{r.left, r.top, r.Right(), r.Bottom()}))
                           .Add("text", json::Utf8(row.text))
                           .Add("items", json::Array(items))
                           .Add("tab", json::Number(row.tab_position))
                           .Close());
  }
  return json::Object().Add("controls", json::Array(controls)).Close();
}
