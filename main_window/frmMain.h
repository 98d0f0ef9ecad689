// The calculator window: the program itself. It reads one date in either
// notation, converts it into the three calendars and shows the result; other
// windows read its public state and call its public operations.
//
// The window is thin: each handler reads the controls into MainInputs, calls
// the logic of core/ (DateEntry.h, Calculation.h, DateTexts.h), writes the
// controls back and shows the message the logic asks for. Handlers carry the names of the controls
// and events they serve. Its .cpp files are split by concern: frmMain.cpp (layout and start-up),
// frmMain_settings.cpp, frmMain_input.cpp, frmMain_output.cpp, frmMain_arith.cpp,
// frmMain_timer.cpp.
#pragma once

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>
#include <array>

#include "main_window/MainInputs.h"
#include "reports/ReportHost.h"
#include "ui_services/MessageBox.h"

namespace orv {

class frmCalendars;
class frmDateDifference;
class frmDateSequence;
class frmVernalEquinoxes;
class frmView;

class frmMain : public QWidget, public MainState, public ReportHost {
  Q_OBJECT

 public:
  explicit frmMain(QWidget* parent = nullptr);

  // Public state read by other windows (the rest is in MainState).
  bool blnStartupCompleted = false;
  int32_t lngTextBoxCapacityInKB = 63;
  QString strProgramTextFile;

  // Public operations other windows use (the reports through ReportHost).
  bool InputDateOK();
  bool GetJDN(const QString& calendar_name, bool show_message = false);
  bool ReadInputDay() override;
  int32_t GetYear() const override;
  void VEOutOfRangeMsg();
  QString InputCalendarName() const;
  int32_t CurrentJDN() const override { return lngJDN; }
  int32_t TextBoxCapacityInKB() const override { return lngTextBoxCapacityInKB; }
  DeeVersion DeeVersionInUse() const override { return dee_version; }
  // The Dee version's name and designation ("Dee-Cecil", "DC").
  QString strDeeCalendarName() const;
  QString strDeeCalendarDesignation() const;
  QWidget* HostWindow() override { return this; }
  QPoint ReportWindowPosition() const override;
  // The calendar definitions read at start (app/main.cpp puts them here).
  ProposalShelf& Proposals() override { return proposals; }
  void ProposalsChanged() override;

  // The report windows, made on first use; hidden, not destroyed, on Close.
  void cmdDateSequence_Click();
  void cmdQLsoftware_Click();
  frmDateSequence* DateSequenceWindow() const { return date_sequence_window; }
  // The date difference, its first date the input's day when there is one.
  void cmdDateDifference_Click();
  frmDateDifference* DateDifferenceWindow() const { return date_difference_window; }
  // A typed Julian day number (Enter in txbGoToJDN) into the input, calculated.
  void txbGoToJDN_Enter();
  void GoToDay(int32_t jdn) override;
  // The calendars window (made on first use; hidden, not destroyed, on Close).
  void cmdCalendars_Click();
  frmCalendars* CalendarsWindow() const { return calendars_window; }
  // Help in the text viewer, and the two links.
  void cmdHelp_Click();
  void lblOnlineUserManual_Click();
  void lblQuillon_Click();
  frmView* HelpViewer() const { return help_viewer; }
  frmVernalEquinoxes* VernalEquinoxWindow() const { return vernal_equinox_window; }

  // Start-up and life. Form_Load returns false when the program cannot start
  // (its text file did not load); the message has been shown.
  bool Form_Load();
  void cmdQuit_Click();
  void Form_Unload();
  void Timer1_Timer();
  // The upkeep itself; while_typing leaves the year box as the user typed it.
  void RunUpkeep(bool while_typing);

  // Reading and checking the typed date.
  void GetInputCalendar();
  void ShowDateAsMDY(const CalendarDate& date);
  void ShowDateAsYMD(const CalendarDate& date);
  void optInputDateWithoutAYN_Click();
  void optInputDateWithAYN_Click();
  void txbYearCEJC_LostFocus();
  // Enter in txbYearCEJC or txbYearADBCetc: Calculate, when it is enabled.
  void DateBox_Enter();

  // Output.
  void cmdCalculate_Click();
  void ShowResults();
  void FillLists();
  void cboCalendar_Click(int index);
  void optDee_Click();
  void optDeeCecil_Click();
  void ApplyDeeVersion();
  void ClearInputs();
  void cmdClear_Click(int index);
  void cmdToday_Click();
  void cmdCopyResult_Click();
  void CopyResultToClipboard();

  // Arithmetic.
  void txbArith_LostFocus(int index);
  void ClearOutput();

  // Controls, named as in the program's documentation.
  QGroupBox* fraInput;
  QRadioButton* optInputDateWithoutAYN;
  QRadioButton* optInputDateWithAYN;
  QComboBox* cboMonthNames;
  QComboBox* cboDayNumbers;
  QLineEdit* txbYearADBCetc;
  QComboBox* cboYearDesADBCetc;
  std::array<QComboBox*, 2> cboCalendar;
  QLineEdit* txbYearCEJC;
  QLabel* lblCE;
  QPushButton* cmdToday;
  QLabel* lblGoToJDN;
  QLineEdit* txbGoToJDN;
  std::array<QPushButton*, 2> cmdClear;

  QGroupBox* fraPlusMinus;
  QRadioButton* optPlus;
  QRadioButton* optMinus;
  std::array<QLineEdit*, 4> txbArith;
  std::array<QLabel*, 4> lblArith;

  QGroupBox* fraOutput;
  QLabel* lblGregorian;
  QLabel* lblJulian;
  QLabel* lblDee;
  QLabel* Label2;
  QLabel* Label1;
  QLineEdit* txbOutputGC;
  QLineEdit* txbOutputGCwithAYN;
  QLineEdit* txbOutputJC;
  QLineEdit* txbOutputJCwithAYN;
  QLineEdit* txbOutputDEE;
  QLineEdit* txbOutputDEEwithAYN;
  QLineEdit* txbJDN;
  QLineEdit* txbDayOfWeek;

  QLabel* Label3;
  QRadioButton* optDee;
  QRadioButton* optDeeCecil;

  QPushButton* cmdCalculate;
  QPushButton* cmdCopyResult;
  QPushButton* cmdDateSequence;
  QPushButton* cmdDateDifference;
  QPushButton* cmdCalendars;
  QPushButton* cmdQLsoftware;
  QPushButton* cmdHelp;
  QPushButton* cmdQuit;
  QLabel* lblOnlineUserManual;
  QLabel* lblQuillon;
  QLabel* lblQL_URL;
  QTimer* Timer1;

  // Explanations of the year-month-day tags shown in lblCE, in table order.
  std::array<QString, kMainCalendarCount> strTagExplanation;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateControls();
  void SetAccessibleNames();
  void ConnectHandlers();
  void InitMainWindow();
  void LoadSettings();
  void SaveSettings();
  void ArrangeSideButtons();
  void SetUpCopyButton();
  void SwitchDeeVersion(const DeeVersion& version);
  // The output boxes of each calendar in table order: month-name and
  // year-month-day form.
  std::array<std::pair<QLineEdit*, QLineEdit*>, kMainCalendarCount> OutputBoxes() const;

  MainInputs ReadInputs() const;
  void WriteInputs(const MainInputs& in);
  void Show(const UserMessage& message);

  CalendarDate TodayRecord{};  // today in the input's calendar
  int intHelpTop = 0;          // design Top of cmdHelp, twips
  int intQLsoftwareTop = 0;    // design Top of cmdQLsoftware, twips
  QButtonGroup* notation_group;
  QButtonGroup* plus_minus_group;
  QButtonGroup* dee_group;
  frmDateSequence* date_sequence_window = nullptr;
  frmDateDifference* date_difference_window = nullptr;
  frmVernalEquinoxes* vernal_equinox_window = nullptr;
  frmCalendars* calendars_window = nullptr;
  ProposalShelf proposals;
  // Moves the input to the day a typed day number names, and calculates.
  void GoToTypedDay(const QString& day_number);
  frmView* help_viewer = nullptr;
};

}  // namespace orv
