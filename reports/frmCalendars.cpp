#include "reports/frmCalendars.h"

#include <QKeyEvent>
#include <QShortcut>

#include "calendar/Region.h"
#include "core/CalendarDay.h"
#include "core/DayFiles.h"
#include "core/NumberFormat.h"
#include "core/ReportRecords.h"
#include "core/StrProc.h"
#include "reports/ReportWindow.h"
#include "ui_services/Clipboard.h"
#include "ui_services/Geometry.h"
#include "ui_services/MakeControl.h"
#include "ui_services/Message.h"
#include "ui_services/MessageBox.h"
#include "ui_services/SaveAndPrint.h"
#include "ui_services/TextBox.h"
#include "ui_services/WindowPlacement.h"

namespace orv {
namespace {

constexpr int kFirstRowTop = 240;  // twips
constexpr int kRowHeight = 390;

}  // namespace

frmCalendars::frmCalendars(ReportHost& owner, QWidget* parent)
    : QWidget(parent, Qt::Window), host(owner), shown_region(Regions().front()) {
  setObjectName(QStringLiteral("frmCalendars"));
  setWindowTitle(QStringLiteral("Calendars"));
  cboRegion = Make<QComboBox>(this, "cboRegion", QRect());
  // A list's accessible name is its chosen item on the Linux desktop: the
  // description says which list it is.
  cboRegion->setAccessibleName(QStringLiteral("Region"));
  cboRegion->setAccessibleDescription(cboRegion->accessibleName());
  for (const CalendarInfo* region : Regions()) cboRegion->addItem(QStringOf(region->name));
  lblRegionDay = MakeLabel(this, "lblRegionDay", QString(), QRect());
  lblRegionDay->setWordWrap(true);
  lblRegionDay->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblEaster = MakeLabel(this, "lblEaster", QString(), QRect());
  lblMjd = MakeLabel(this, "lblMjd", QString(), QRect());
  lblDayOfYear = MakeLabel(this, "lblDayOfYear", QString(), QRect());
  lblIsoOrdinal = MakeLabel(this, "lblIsoOrdinal", QString(), QRect());
  lblJulianDate = MakeLabel(this, "lblJulianDate", QString(), QRect());
  lblUnixTime = MakeLabel(this, "lblUnixTime", QString(), QRect());
  cmdCopy = MakeButton(this, "cmdCopy", QStringLiteral("Copy"), QRect());
  cmdSave = MakeButton(this, "cmdSave", kSaveCaption, QRect());
  cmdPrint = MakeButton(this, "cmdPrint", kPrintCaption, QRect());
  cmdClose = MakeButton(this, "cmdClose", QStringLiteral("Close"), QRect());
  MakeRows();
  connect(cmdCopy, &QPushButton::clicked, this, &frmCalendars::cmdCopy_Click);
  connect(cmdSave, &QPushButton::clicked, this, &frmCalendars::cmdSave_Click);
  connect(cmdPrint, &QPushButton::clicked, this, &frmCalendars::cmdPrint_Click);
  connect(cmdClose, &QPushButton::clicked, this, &QWidget::hide);
  connect(cboRegion, &QComboBox::currentIndexChanged, this, &frmCalendars::cboRegion_Change);
  new QShortcut(QKeySequence::Save, this, this, &frmCalendars::cmdSave_Click);
  new QShortcut(QKeySequence::Print, this, this, &frmCalendars::cmdPrint_Click);
  LookLikeTheMainWindow(*this, host);
  PlaceBesideOwner(*this, *host.HostWindow());  // the main window's output stays in sight
  ShowDay(std::nullopt, Era::kCE);
}

void frmCalendars::MakeRows() {
  for (const Row& row : rows) {
    delete row.lblCal;
    delete row.txbCal;
    delete row.txbCalYmd;
  }
  rows.clear();
  // A row for each calendar of the table (the Dee calendar's shows the
  // version in force, England's the region chosen), then one for each
  // definition the user compares.
  shown_definitions = host.Proposals().Compared();
  const std::vector<const CalendarInfo*> calendars =
      RowCalendars(host.DeeVersionInUse(), shown_region, shown_definitions);
  const int rows_bottom = kFirstRowTop + static_cast<int>(calendars.size()) * kRowHeight;
  // Below the rows: the region's reading, Easter, two lines of the day's
  // figures, the buttons.
  setFixedSize(TwipsSize(9400, rows_bottom + 2200));
  QWidget* previous = nullptr;
  for (size_t i = 0; i < calendars.size(); ++i) {
    const QString key = QStringOf(ListedJsonKey(*calendars[i]));
    const int top = kFirstRowTop + static_cast<int>(i) * kRowHeight;
    Row row;
    row.lblCal = MakeLabel(this, "lblCal_" + key, QString(), TwipsRect(240, top + 40, 2300, 285));
    row.txbCal = Make<QLineEdit>(this, "txbCal_" + key, TwipsRect(2600, top, 3700, 330));
    row.txbCal->setReadOnly(true);
    row.txbCalYmd = Make<QLineEdit>(this, "txbCalYmd_" + key, TwipsRect(6400, top, 2760, 330));
    row.lblCal->setBuddy(row.txbCalYmd);
    row.txbCalYmd->installEventFilter(this);
    for (QWidget* made : {static_cast<QWidget*>(row.lblCal), static_cast<QWidget*>(row.txbCal),
                          static_cast<QWidget*>(row.txbCalYmd)}) {
      made->show();
    }
    QWidget* first = row.txbCal;
    if (calendars[i] == shown_region) {
      // The region list stands in the place of the row's name.
      row.lblCal->hide();
      cboRegion->setGeometry(TwipsRect(240, top, 2300, 330));
      first = cboRegion;
      setTabOrder(cboRegion, row.txbCal);
    }
    if (previous != nullptr) setTabOrder(previous, first);
    setTabOrder(row.txbCal, row.txbCalYmd);
    previous = row.txbCalYmd;
    rows.push_back(row);
  }
  lblRegionDay->setGeometry(TwipsRect(240, rows_bottom + 80, 8920, 570));  // two lines
  lblEaster->setGeometry(TwipsRect(240, rows_bottom + 680, 8920, 285));
  const int figures_top = rows_bottom + 1000;
  lblMjd->setGeometry(TwipsRect(240, figures_top, 3100, 285));
  lblDayOfYear->setGeometry(TwipsRect(3400, figures_top, 2000, 285));
  lblIsoOrdinal->setGeometry(TwipsRect(5500, figures_top, 3660, 285));
  lblJulianDate->setGeometry(TwipsRect(240, figures_top + 300, 4300, 285));
  lblUnixTime->setGeometry(TwipsRect(4600, figures_top + 300, 4560, 285));
  const int buttons_top = rows_bottom + 1640;
  cmdCopy->setGeometry(TwipsRect(240, buttons_top, 1500, 420));
  cmdSave->setGeometry(TwipsRect(1860, buttons_top, 1500, 420));
  cmdPrint->setGeometry(TwipsRect(3480, buttons_top, 1500, 420));
  cmdClose->setGeometry(TwipsRect(7660, buttons_top, 1500, 420));
  if (previous != nullptr) {
    setTabOrder(previous, cmdCopy);
    setTabOrder(cmdCopy, cmdSave);
    setTabOrder(cmdSave, cmdPrint);
    setTabOrder(cmdPrint, cmdClose);
  }
}

void frmCalendars::cboRegion_Change(int index) {
  const std::vector<const CalendarInfo*> regions = Regions();
  if (index < 0 || static_cast<size_t>(index) >= regions.size()) return;
  shown_region = regions[static_cast<size_t>(index)];
  region_reading.reset();
  MakeRows();  // the row's controls are named by its calendar's key
  TakeTheMainWindowsLook(*this, host);
  ShowDay(shown_day, shown_era);
}

void frmCalendars::ProposalsChanged() {
  if (host.Proposals().Compared() == shown_definitions) return;
  MakeRows();
  TakeTheMainWindowsLook(*this, host);
  ShowDay(shown_day, shown_era);
}

void frmCalendars::ShowDay(std::optional<int32_t> jdn, Era era) {
  // The instant of a date typed with a time, while its day is the one shown
  // (the main window empties its output before it shows a day).
  if (jdn && typed_instant && *jdn != typed_instant->jdn) typed_instant.reset();
  if (jdn && region_reading && *jdn != region_reading->jdn) region_reading.reset();
  const std::optional<int64_t> time_of_day =
      jdn && typed_instant ? typed_instant->microseconds : std::nullopt;
  shown_day = jdn;
  shown_era = era;
  shown_dee = host.DeeVersionInUse();
  shown = CalendarRowsOf(jdn, era, RowCalendars(shown_dee, shown_region, shown_definitions),
                         GroupSeparator(), time_of_day);
  for (size_t i = 0; i < rows.size(); ++i) {
    const Row& row = rows[i];
    const DayInCalendar& day = shown.days[i];
    const QString name = QStringOf(day.calendar->name);
    row.lblCal->setText(name + ':');
    row.txbCal->setAccessibleName(name + " date");
    row.txbCalYmd->setAccessibleName(name + " year-month-day date");
    row.txbCal->setText(QString::fromStdString(day.month_name_text));
    row.txbCalYmd->setText(QString::fromStdString(day.year_month_day));
    row.txbCal->setCursorPosition(0);
  }
  lblRegionDay->setText(jdn && region_reading
                            ? region_reading->text
                            : QString::fromStdString(RegionHintText(*shown_region)));
  lblEaster->setText(QString::fromStdString(shown.easter));
  const DayFigures figures = shown.figures.value_or(DayFigures{});
  const auto show = [&](QLabel* label, const char* name, const std::string& value,
                        bool of_instant) {
    QString text;
    if (shown.figures) {
      text = QLatin1String(name) + QStringLiteral(": ") + QString::fromStdString(value);
      if (of_instant) text += QStringLiteral(" (") + QString::fromStdString(figures.instant) + ')';
    }
    label->setText(text);
  };
  show(lblMjd, "Modified Julian Day", figures.mjd, false);
  show(lblDayOfYear, "Day of year", figures.day_of_year, false);
  show(lblIsoOrdinal, "ISO ordinal date", figures.iso_ordinal, false);
  show(lblJulianDate, "Julian Date", figures.julian_date, true);
  show(lblUnixTime, "Unix time", figures.unix_time, true);
}

void frmCalendars::GoToRowDate(size_t row) {
  // Read as every window but the main one reads a date: the row's calendar chosen.
  const DateReading reading = ReadDate(rows[row].txbCalYmd->text(),
                                       {shown.days[row].calendar, nullptr, host.DeeVersionInUse()});
  if (!reading) {
    // Every refusal of a row is shown alike. The refused text is selected
    // while the message is up; then the row shows its day again, so that no
    // row stands beside another day than the rest.
    QLineEdit* box = rows[row].txbCalYmd;
    box->selectAll();
    ShowMessageBox(
        Message(NoticeText(*reading.refusal), MessageStyle::kExclamation, kInvalidInputTitle),
        this);
    box->setText(QString::fromStdString(shown.days[row].year_month_day));
    box->setFocus();
    return;
  }
  if (reading.time_of_day) ExpectInstant({*reading.day, reading.time_of_day});
  if (shown.days[row].calendar == shown_region) {
    const std::string typed = rows[row].txbCalYmd->text().trimmed().toStdString();
    region_reading =
        RegionReading{*reading.day, QString::fromStdString(RegionReadingText(
                                        typed, *shown_region, *reading.day, GroupSeparator()))};
  }
  host.GoToDay(*reading.day);  // which shows the day here too
}

QString frmCalendars::CopyText() const { return QString::fromStdString(CopiedCalendarRows(shown)); }

void frmCalendars::cmdCopy_Click() {
  if (shown_day) ReplaceClipboardText(CopyText());
}

void frmCalendars::cmdSave_Click() {
  if (!shown_day) {
    ShowMessageBox(
        Message("There is no day to save yet.", MessageStyle::kInformation, QStringLiteral("Save")),
        this);
    return;
  }
  const QString path = ChooseSaveFile(
      this, QStringLiteral("calendars.txt"),
      QStringLiteral("Text (*.txt);;CSV, a row a calendar (*.csv);;JSON, the day (*.json)"));
  if (path.isEmpty()) return;
  if (path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)) {
    SaveFile(this, path, CsvText(DayRecords(*shown_day, shown)).toUtf8(), false);
  } else if (path.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive)) {
    std::string text;
    JsonWriter json(text, JsonWriter::Layout::kIndented);
    AppendDayJson(json, *shown_day, shown_era, shown_dee, std::nullopt, GroupSeparator(),
                  shown.instant, {.region = shown_region});
    SaveFile(this, path, QByteArray::fromStdString(text), true);
  } else {
    SaveFile(this, path, CopyText().replace(kCrLf, QStringLiteral("\n")).toUtf8(), true);
  }
}

void frmCalendars::cmdPrint_Click() {
  if (!shown_day) return;
  QFont columns(QStringLiteral("Courier New"));
  columns.setPointSizeF(9);
  columns.setStyleHint(QFont::Monospace);
  PrintText(this, windowTitle(), CopyText().replace(kCrLf, QStringLiteral("\n")), columns);
}

bool frmCalendars::eventFilter(QObject* watched, QEvent* event) {
  if (IsEnterPress(event)) {
    for (size_t i = 0; i < rows.size(); ++i) {
      if (watched == rows[i].txbCalYmd) {
        GoToRowDate(i);
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

void frmCalendars::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    hide();  // as Close does
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace orv
