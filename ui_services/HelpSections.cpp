#include "ui_services/HelpSections.h"

#include <QStringView>
#include <array>
#include <utility>

namespace orv {

QString HelpSectionOf(const QString& window_name) {
  static constexpr std::array<std::pair<QStringView, QStringView>, 9> kSections = {{
      {u"frmDateSequence", u"THE DATE SEQUENCE REPORT"},
      {u"frmVernalEquinoxes", u"THE VERNAL EQUINOX REPORT"},
      {u"frmEquinoxChart", u"Chart, in the vernal equinox window"},
      {u"frmReformComparison", u"Compare calendars, in the vernal equinox window"},
      {u"frmComparisonChart", u"Compare calendars, in the vernal equinox window"},
      {u"frmDateDifference", u"DATE DIFFERENCE, DAY NUMBERS"},
      {u"frmCalendars", u"OTHER CALENDARS"},
      {u"frmProposals", u"TRYING A REFORM OF YOUR OWN"},
      {u"frmDefinition", u"TRYING A REFORM OF YOUR OWN"},
  }};
  for (const auto& [window, section] : kSections) {
    if (window == window_name) return section.toString();
  }
  return {};
}

qsizetype HelpSectionStart(const QString& help_text, const QString& section) {
  if (section.isEmpty()) return -1;
  qsizetype line = 0;
  while (line < help_text.size()) {
    qsizetype end = help_text.indexOf(u'\n', line);
    if (end < 0) end = help_text.size();
    QStringView text = QStringView(help_text).mid(line, end - line);
    qsizetype digits = 0;
    while (digits < text.size() && text[digits].isDigit()) ++digits;
    if (digits > 0 && text.mid(digits).startsWith(u". ")) text = text.mid(digits + 2);
    if (text.startsWith(section)) return line;
    line = end + 1;
  }
  return -1;
}

}  // namespace orv
