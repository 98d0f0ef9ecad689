// Writes the tables of the years' first days of the Persian and French
// Republican calendars, computed from the equinoxes, as C++ for the calendar
// library: run by the build, its output is never edited by hand.
#include <cstdio>

#include "calendar/FrenchRepublican.h"
#include "calendar/Persian.h"
#include "calendar/SkyNewYears.h"

namespace {

void WriteTable(const char* name, int32_t first_year, int32_t last_year,
                int32_t (*new_year)(int32_t)) {
  // One entry more than the years: the day after the last one.
  std::printf("inline constexpr std::array<int32_t, %d> %s = {", last_year - first_year + 2, name);
  for (int32_t year = first_year; year <= last_year + 1; ++year) {
    std::printf("%s%d", (year - first_year) % 8 == 0 ? "\n    " : " ", new_year(year));
    if (year <= last_year) std::printf(",");
  }
  std::printf("};\n");
}

}  // namespace

int main() {
  std::printf("// Made by calendar/make_sky_new_years.cpp when the program is built.\n");
  std::printf("#include <array>\n#include <cstdint>\nnamespace orv {\n");
  WriteTable("kPersianNewYears", orv::kPersianFirstYear, orv::kPersianLastYear,
             orv::ComputedPersianNewYear);
  WriteTable("kFrenchRepublicanNewYears", orv::kFrenchRepublicanFirstYear,
             orv::kFrenchRepublicanLastYear, orv::ComputedFrenchRepublicanNewYear);
  std::printf("}  // namespace orv\n");
  return std::ferror(stdout) != 0 ? 1 : 0;
}
