// Making a window's controls in one line each: the parent, the objectName
// (by which tests and scenarios find it), the place (a rectangle in pixels,
// usually TwipsRect(...)) and, for those with one, the caption.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRect>
#include <QString>
#include <QWidget>

namespace orv {

template <typename Widget>
Widget* Make(QWidget* parent, const QString& name, const QRect& rect) {
  auto* widget = new Widget(parent);
  widget->setObjectName(name);
  widget->setGeometry(rect);
  return widget;
}

template <typename Widget>
Widget* MakeWithText(QWidget* parent, const QString& name, const QString& text, const QRect& rect) {
  auto* widget = Make<Widget>(parent, name, rect);
  widget->setText(text);
  return widget;
}

inline QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text,
                         const QRect& rect) {
  return MakeWithText<QLabel>(parent, name, text, rect);
}

inline QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& text,
                               const QRect& rect) {
  return MakeWithText<QPushButton>(parent, name, text, rect);
}

inline QRadioButton* MakeOption(QWidget* parent, const QString& name, const QString& text,
                                const QRect& rect) {
  return MakeWithText<QRadioButton>(parent, name, text, rect);
}

// A box that shows a result: read-only.
inline QLineEdit* MakeOutputBox(QWidget* parent, const QString& name, const QRect& rect) {
  auto* box = Make<QLineEdit>(parent, name, rect);
  box->setReadOnly(true);
  return box;
}

}  // namespace orv
