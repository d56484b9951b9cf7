// Every control of Form1 as designed: kind, place, content, look and
// keyboard position, in creation (stacking) order.
#pragma once

#include <QtGui/qrgb.h>
#include <QRect>
#include <QStringList>
#include <optional>
#include <span>

enum class ControlKind { Picture, Label, StaticText, ComboBox, Edit, Log, PushButton, CheckBox };

// The drop-down lists' item sets.
enum class ItemList { None, A, B, C };

inline constexpr QRgb kYellow = qRgb(255, 255, 0);
inline constexpr QRgb kSkyBlue = qRgb(166, 202, 240);
inline constexpr QRgb kMoneyGreen = qRgb(192, 220, 192);
inline constexpr QRgb kRed = qRgb(255, 0, 0);
inline constexpr QRgb kGreen = qRgb(0, 128, 0);

// The window's face and its character height at 96 dots per inch.
inline constexpr char kDesignedFontFamily[] = "ＭＳ Ｐゴシック";
inline constexpr int kDesignedFontPixels = 12;

struct ControlLook {
  bool bold = false;
  int pixel_size = 0;               // 0: the window's character height
  std::optional<QRgb> text_colour;  // none: the system's window text
  std::optional<QRgb> fill;         // none: the kind's usual background
};

struct ControlRow {
  const char* name;
  ControlKind kind;
  QRect geometry;    // designed, in client coordinates at 96 dots per inch
  const char* text;  // caption or initial text, UTF-8
  ItemList items;
  ControlLook look;
  int tab_position;             // 0: not reached by Tab
  const char* accessible_name;  // nullptr: the caption speaks for itself
};

std::span<const ControlRow> Form1Controls();
QStringList ListItems(ItemList list);
QStringList LogInstructionLines();

inline constexpr char kForm1Caption[] = "Orvanne計算機（生産者向け）β_05";

// Edits and drop-down lists size their height to their font, not by the layout.
bool HasFixedHeight(ControlKind kind);
// Static texts and the label show text but take no part in keyboard order.
bool TakesFocus(ControlKind kind);
// Whether the platform would give the control a window of its own.
bool IsWindowed(ControlKind kind);
