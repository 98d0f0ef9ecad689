#include "platform/vellum/vellum.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <new>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::map<int16_t, std::string>& Texts() {
  static std::map<int16_t, std::string> texts;
  return texts;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Well-formed UTF-8: no stray continuation bytes, no overlong forms, no
// surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view text) {
  size_t i = 0;
  while (i < text.size()) {
    const auto byte = static_cast<unsigned char>(text[i]);
    size_t length;
    uint32_t code;
    if (byte < 0x80) {
      ++i;
      continue;
    } else if ((byte & 0xE0) == 0xC0) {
      length = 2;
      code = byte & 0x1F;
    } else if ((byte & 0xF0) == 0xE0) {
      length = 3;
      code = byte & 0x0F;
    } else if ((byte & 0xF8) == 0xF0) {
      length = 4;
      code = byte & 0x07;
    } else {
      return false;
    }
    if (i + length > text.size()) return false;
    for (size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3F);
    }
    const uint32_t smallest[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
      return false;
    }
    i += length;
  }
  return true;
}

// Reads the whole file, or says why not.
int32_t ReadFile(const char* path, std::string& contents) {
  std::FILE* file = std::fopen(path, "rb");
  if (file == nullptr) return VELLUM_CANNOT_OPEN;
  int32_t result = 0;
  try {
    char chunk[4096];
    size_t count;
    while ((count = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
      contents.append(chunk, count);
      if (contents.size() > VELLUM_MAX_FILE_BYTES) {
        result = VELLUM_TOO_MUCH_TEXT;
        break;
      }
    }
    if (result == 0 && std::ferror(file)) result = VELLUM_READ_ERROR;
  } catch (const std::bad_alloc&) {
    result = VELLUM_NO_MEMORY;
  }
  std::fclose(file);
  if (result == 0 && contents.empty()) result = VELLUM_EMPTY_FILE;
  return result;
}

// Parses the file's lines into texts; returns 0 or an error code.
int32_t Parse(std::string_view contents, std::map<int16_t, std::string>& texts) {
  if (contents.substr(0, 3) == "\xEF\xBB\xBF") contents.remove_prefix(3);
  int32_t line_number = 0;
  while (!contents.empty()) {
    const size_t end = contents.find('\n');
    std::string_view line = contents.substr(0, end);
    contents.remove_prefix(end == std::string_view::npos ? contents.size() : end + 1);
    if (++line_number > VELLUM_MAX_LINES) return VELLUM_TOO_MUCH_TEXT;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

    size_t first = 0;
    while (first < line.size() && IsBlank(line[first])) ++first;
    if (first == line.size() || line[first] == '#') continue;

    size_t digits_end = first;
    int32_t number = 0;
    while (digits_end < line.size() && line[digits_end] >= '0' && line[digits_end] <= '9') {
      number = number * 10 + (line[digits_end] - '0');
      if (number > 32767) return VELLUM_MALFORMED_LINE;
      ++digits_end;
    }
    if (digits_end == first) return VELLUM_MALFORMED_LINE;
    if (digits_end < line.size() && !IsBlank(line[digits_end])) return VELLUM_MALFORMED_LINE;
    const std::string_view text =
        digits_end < line.size() ? line.substr(digits_end + 1) : std::string_view();
    if (text.empty()) return VELLUM_MISSING_BASE - line_number;
    if (text.size() > VELLUM_MAX_TEXT_BYTES) return VELLUM_TOO_LONG_BASE - line_number;
    if (!IsValidUtf8(text)) return VELLUM_NOT_RECOVERED;
    try {
      if (!texts.emplace(static_cast<int16_t>(number), std::string(text)).second) {
        return VELLUM_DUPLICATE_BASE - line_number;
      }
    } catch (const std::bad_alloc&) {
      return VELLUM_NO_MEMORY_FOR_TEXT;
    }
  }
  return 0;
}

}  // namespace

extern "C" {

int32_t vellum_load(const char* path, int32_t /*selector*/) {
  if (path == nullptr) return VELLUM_CANNOT_OPEN;
  std::string contents;
  const int32_t read = ReadFile(path, contents);
  if (read != 0) return read;
  std::map<int16_t, std::string> texts;
  const int32_t parsed = Parse(contents, texts);
  if (parsed != 0) return parsed;
  for (auto& [number, text] : texts) Texts()[number] = std::move(text);
  return static_cast<int32_t>(texts.size());
}

int32_t vellum_get(int16_t number, int16_t /*selector*/, char* buffer, int32_t buffer_size,
                   int32_t /*mode*/) {
  const auto found = Texts().find(number);
  if (found == Texts().end() || buffer == nullptr || buffer_size <= 0) return 0;
  const std::string& text = found->second;
  const auto length = static_cast<int32_t>(std::min<size_t>(text.size(), buffer_size));
  std::memcpy(buffer, text.data(), length);
  if (length < buffer_size) buffer[length] = '\0';
  return length;
}

void vellum_clear(void) { Texts().clear(); }

}  // extern "C"
