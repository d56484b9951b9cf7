// The modal error box and the rule for its text.
#pragma once

#include <QString>
#include <functional>

// The message with "." appended when its last character sorts after "."
// (every non-ASCII character does); an empty message stays empty.
QString ErrorBoxText(const QString& message);

// What the box can show of a text: a message naming a pasted megabyte would
// take seconds to lay out and could never be read, so a text longer than
// kShownCharacters keeps its beginning and its end around a "…".
inline constexpr qsizetype kShownCharacters = 1000;
QString ShownText(const QString& text);

class TErrorBox {
 public:
  // The seam: tests replace how the box is shown; caption and final text.
  using Presenter = std::function<void(const QString& caption, const QString& text)>;

  // Shows a modal QMessageBox (critical icon, one OK button, caption
  // QApplication::applicationName(), the text as plain text) unless a
  // presenter is set.
  void Show(const QString& message);
  void SetPresenter(Presenter presenter);

 private:
  Presenter presenter_;
};
