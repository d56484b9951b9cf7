// The Wine test's eyes and hands inside the prefix: reads commands, one a
// line, from standard input and answers each with one line of JSON.
//   design    the designed controls (design.h)
//   state     what the program shows (program_state.h)
//   state items  the same with the drop-down lists' items
//   press-ok  click OK in the open message box
//   close     send WM_CLOSE to Form1, as the task list's close command does
//   resize W H  ask Form1 to take the outer size W x H, as a frame drag does
//   maximise  ask Form1 to maximise, as its maximise box does, and wait
// A program too busy to answer is reported as {"busy": ...}; ask again.
#include <windows.h>

#include <cstdio>
#include <iostream>
#include <string>

#include "tests/wine/probe/design.h"
#include "tests/wine/probe/json.h"
#include "tests/wine/probe/message_box.h"
#include "tests/wine/probe/program_state.h"
#include "tests/wine/probe/remote_window.h"

namespace {

json::Text Done(bool done) { return json::Object().Add("done", json::Bool(done)).Close(); }

json::Text Answer(const std::string& command) {
  if (command == "design") return DescribeDesign();
  if (command == "state") return DescribeProgram(false);
  if (command == "state items") return DescribeProgram(true);
  if (command == "press-ok") {
    HWND box = FindMessageBox({ApplicationWindow(), Form1Window()});
    return Done(box != nullptr && PressOk(box));
  }
  if (command == "close") {
    HWND form = Form1Window();
    return Done(form != nullptr && PostMessageW(form, WM_CLOSE, 0, 0));
  }
  int width = 0, height = 0;
  if (std::sscanf(command.c_str(), "resize %d %d", &width, &height) == 2) {
    HWND form = Form1Window();
    return Done(form != nullptr && SetWindowPos(form, nullptr, 0, 0, width, height,
                                                SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE));
  }
  if (command == "maximise") {
    // Sent, not posted: once the probe answers, the program has handled it.
    HWND form = Form1Window();
    if (form != nullptr) Ask(form, WM_SYSCOMMAND, SC_MAXIMIZE);
    return Done(form != nullptr);
  }
  return json::Object().Add("error", json::String(L"unknown command")).Close();
}

}  // namespace

int main() {
  std::string command;
  while (std::getline(std::cin, command)) {
    if (!command.empty() && command.back() == '\r') command.pop_back();
    json::Text answer;
    try {
      answer = Answer(command);
    } catch (const BusyError& error) {
      answer = json::Object().Add("busy", json::String(std::string_view(error.what()))).Close();
    }
    std::fputs((answer + "\n").c_str(), stdout);
    std::fflush(stdout);
  }
  return 0;
}
