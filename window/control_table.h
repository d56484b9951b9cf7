// Every control of Form1 as designed: kind, place, content, look and
// keyboard position, in creation (stacking) order. No toolkit type appears
// here: each front end builds its own controls from these rows.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

enum class ControlKind { Picture, Label, StaticText, ComboBox, Edit, Log, PushButton, CheckBox };

// The drop-down lists' item sets.
enum class ItemList { None, A, B, C };

// Left, top, width and height in client pixels.
struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  constexpr int Right() const { return left + width; }
  constexpr int Bottom() const { return top + height; }
  friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

struct Point {
  int x = 0;
  int y = 0;
  friend constexpr bool operator==(const Point&, const Point&) = default;
};

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kSkyBlue{166, 202, 240};
inline constexpr Rgb kMoneyGreen{192, 220, 192};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kGreen{0, 128, 0};

// The window's face and its character height at 96 dots per inch.
inline constexpr char kDesignedFontFamily[] = "ＭＳ Ｐゴシック";
inline constexpr int kDesignedFontPixels = 12;
// Where IPA P Gothic stands in for it: drawn to the designed face's widths.
inline constexpr char kSubstituteFontFamily[] = "IPAPGothic";

inline constexpr char kForm1Caption[] = "Orvanne計算機（生産者向け）β_05";
// The window's outer top-left corner on the screen; nothing centres it.
inline constexpr Point kDesignedPosition{237, 355};

struct ControlLook {
  bool bold = false;
  int pixel_size = 0;              // 0: the window's character height
  std::optional<Rgb> text_colour;  // none: the system's window text
  std::optional<Rgb> fill;         // none: the kind's usual background
};

struct ControlRow {
  const char* name;
  ControlKind kind;
  Rect geometry;     // designed, in client coordinates at 96 dots per inch
  const char* text;  // caption or initial text, UTF-8
  ItemList items;
  ControlLook look;
  int tab_position;             // 0: not reached by Tab
  const char* accessible_name;  // nullptr: the caption speaks for itself
  // What a screen reader says after the name; nullptr: nothing more.
  const char* accessible_description;
  // For a caption: the control it names on screen (a screen reader's
  // "labelled by"); nullptr for every other row.
  const char* caption_for;
};

std::span<const ControlRow> Form1Controls();
// The controls that Tab visits, in keyboard order.
std::vector<const ControlRow*> KeyboardOrder();

// List items and log lines, UTF-8.
std::span<const char* const> ListItems(ItemList list);
std::span<const char* const> LogInstructionLines();

// Edits and drop-down lists size their height to their font, not by the layout.
bool HasFixedHeight(ControlKind kind);
// Static texts and the label show text but take no part in keyboard order.
bool TakesFocus(ControlKind kind);
// Whether the platform would give the control a window of its own.
bool IsWindowed(ControlKind kind);
