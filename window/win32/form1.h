// The main window: every control of the designed layout, the handlers of
// its buttons and fields, and the craft sheet the trial engine reads and
// writes through.
#pragma once

#include <windows.h>

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "engine/engine.h"
#include "window/control_table.h"
#include "window/win32/craft_log.h"
#include "window/win32/font_set.h"
#include "window/win32/keyboard_navigation.h"

class TApplication;

class TForm1 : public engine::TCraftSheet {
 public:
  // `clock` seeds the draws of every run.
  TForm1(const TApplication& application, engine::TRandomSource::Clock clock);
  ~TForm1() override;
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  HWND Window() const { return window_; }
  // The form's part of the message loop: true when the message needs no
  // TranslateMessage and DispatchMessage any more.
  bool PreTranslate(MSG& message) const;

  std::string FieldText(engine::SheetField field, int row) const override;
  void SetFieldText(engine::SheetField field, int row, const std::string& text) override;
  bool ShowCraftLog() const override;
  void AppendLogLine(const std::string& text) override;

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM w, LPARAM l);
  LRESULT Handle(UINT message, WPARAM w, LPARAM l);

  void BuildControls();
  void FitWindow();
  void WireBehaviours();
  void FindFields();
  void LoadInstructionLines();
  void Button1Click();
  void Button2Click();
  void Close();

  void Paint();
  LRESULT ControlColour(UINT message, HDC dc, HWND control);
  void DrawItem(const DRAWITEMSTRUCT& item);
  void OnActivate(WPARAM w);
  bool InPicture(LPARAM position) const;
  HWND Control(const char* name) const;
  HWND FieldControl(engine::SheetField field, int row) const;
  HBRUSH Brush(Rgb colour);
  HFONT FontOf(const ControlRow& entry);

  HINSTANCE instance_;
  HWND window_ = nullptr;
  int window_font_pixels_ = kDesignedFontPixels;
  TFontSet fonts_;
  std::map<HWND, const ControlRow*> rows_;  // every control window, list parts included
  std::vector<HWND> row_windows_;           // by row of Form1Controls(); null when windowless
  std::vector<Rect> places_;                // by row, client coordinates
  std::map<COLORREF, HBRUSH> brushes_;
  HBITMAP banner_ = nullptr;
  SIZE held_size_{};
  HWND saved_focus_ = nullptr;
  bool picture_pressed_ = false;

  struct FieldControls {
    std::array<HWND, engine::kMaterialRows> required;
    std::array<HWND, engine::kMaterialRows> price;
    std::array<HWND, engine::kMaterialRows> stock;
    HWND yield;
    HWND rate;
    HWND show_log;  // read before every per-attempt line
  };
  FieldControls fields_{};
  std::unique_ptr<TCraftLog> log_;
  std::optional<TKeyboardNavigation> keyboard_;
  std::vector<std::shared_ptr<void>> behaviours_;
  engine::TRandomSource random_;
};
