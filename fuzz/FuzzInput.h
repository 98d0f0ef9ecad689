// Turns the fuzzer's bytes into the plain values a person could produce.
#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>

namespace orv {

class FuzzInput {
 public:
  FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  bool Flag() { return Byte() & 1; }
  int Below(int limit) { return limit <= 0 ? 0 : Byte() % limit; }
  // A text of up to max_length characters, mostly from the characters that
  // matter to the program, sometimes any 16-bit character.
  QString Text(int max_length) {
    static const char kAlphabet[] = "0123456789-+,.' CDEJABCEdcej\t\r\n";
    const int length = Below(max_length + 1);
    QString text;
    for (int i = 0; i < length; ++i) {
      const uint8_t b = Byte();
      if (b >= 250) {
        text += QChar(static_cast<char16_t>((b << 8) | Byte()));
      } else {
        text += QChar::fromLatin1(kAlphabet[b % (sizeof kAlphabet - 1)]);
      }
    }
    return text;
  }
  QByteArray Rest() {
    const QByteArray rest(reinterpret_cast<const char*>(data_ + at_),
                          static_cast<qsizetype>(size_ - at_));
    at_ = size_;
    return rest;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

}  // namespace orv
