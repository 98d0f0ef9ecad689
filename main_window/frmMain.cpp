// frmMain: the controls, their layout and the start-up of the window.
#include "main_window/frmMain.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QShortcut>
#include <QThread>

#include "calendar/DatePr2.h"
#include "core/ProgramTexts.h"
#include "core/ReportBuilders.h"
#include "core/Settings.h"
#include "ui_services/Geometry.h"
#include "ui_services/MakeControl.h"
#include "ui_services/QL_common.h"
#include "ui_services/TextBox.h"

namespace orv {
namespace {

// The window's background (red 128, green 0, blue 144); its labels, frames
// and options share it and write in white so they stay readable on it.
const QColor kBackColor(128, 0, 144);
const QColor kLabelColor(255, 255, 255);

}  // namespace

frmMain::frmMain(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QStringLiteral("Orvantis"));
  // The controls are made in the face and size Form_Load gives them, so that
  // giving it to them changes nothing (SetControlsFontName leaves a control
  // that has its face): a list box whose font changes builds its drop-down
  // list at once (about 1 MiB of code and memory at start) instead of when it
  // first drops down.
  QFont face = font();
  face.setFamily(QStringLiteral("Arial"));
  face.setPointSize(9);
  setFont(face);
  CreateControls();
  ConnectHandlers();
  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(500);
  connect(Timer1, &QTimer::timeout, this, &frmMain::Timer1_Timer);
}

void frmMain::CreateControls() {
  setFixedSize(TwipsSize(10260, 7140));

  // Input date.
  fraInput = Make<QGroupBox>(this, "fraInput", TwipsRect(120, 60, 7500, 2160));
  fraInput->setTitle(" Input date ");
  optInputDateWithoutAYN = MakeOption(fraInput, "optInputDateWithoutAYN", "Month day, year",
                                      TwipsRect(150, 300, 3300, 285));
  optInputDateWithAYN = MakeOption(fraInput, "optInputDateWithAYN", "Year-month-day (astronomical)",
                                   TwipsRect(3600, 300, 3700, 285));
  notation_group = new QButtonGroup(this);
  notation_group->addButton(optInputDateWithoutAYN);
  notation_group->addButton(optInputDateWithAYN);

  cboMonthNames = Make<QComboBox>(fraInput, "cboMonthNames", TwipsRect(150, 700, 1500, 330));
  cboDayNumbers = Make<QComboBox>(fraInput, "cboDayNumbers", TwipsRect(1700, 700, 750, 330));
  txbYearADBCetc = Make<QLineEdit>(fraInput, "txbYearADBCetc", TwipsRect(2500, 700, 1050, 330));
  cboYearDesADBCetc =
      Make<QComboBox>(fraInput, "cboYearDesADBCetc", TwipsRect(3600, 700, 900, 330));
  cboCalendar[0] = Make<QComboBox>(fraInput, "cboCalendar_0", TwipsRect(4550, 700, 2800, 330));
  cboCalendar[0]->setMaxVisibleItems(11);
  txbYearCEJC = Make<QLineEdit>(fraInput, "txbYearCEJC", TwipsRect(150, 700, 3350, 330));
  cboCalendar[1] = Make<QComboBox>(fraInput, "cboCalendar_1", TwipsRect(3600, 700, 2800, 330));
  lblCE = MakeLabel(fraInput, "lblCE", QString(), TwipsRect(150, 1080, 7200, 480));
  lblCE->setWordWrap(true);
  lblCE->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  cmdToday = MakeButton(fraInput, "cmdToday", "Today", TwipsRect(150, 1640, 1100, 380));
  cmdClear[0] = MakeButton(fraInput, "cmdClear_0", "Clear", TwipsRect(1350, 1640, 1100, 380));
  lblGoToJDN =
      MakeLabel(fraInput, "lblGoToJDN", "Julian day number:", TwipsRect(3600, 1690, 1700, 285));
  txbGoToJDN = Make<QLineEdit>(fraInput, "txbGoToJDN", TwipsRect(5350, 1660, 2000, 330));
  txbGoToJDN->setToolTip("Type a Julian day number and press Enter to calculate its day");

  // Arithmetic.
  fraPlusMinus = Make<QGroupBox>(this, "fraPlusMinus", TwipsRect(120, 2320, 7500, 1020));
  fraPlusMinus->setTitle("Arithmetical");
  optPlus = MakeOption(fraPlusMinus, "optPlus", "plus", TwipsRect(150, 300, 1000, 285));
  optMinus = MakeOption(fraPlusMinus, "optMinus", "minus", TwipsRect(150, 620, 1000, 285));
  plus_minus_group = new QButtonGroup(this);
  plus_minus_group->addButton(optPlus);
  plus_minus_group->addButton(optMinus);
  const char* arith_names[4] = {"years", "months", "weeks", "days"};
  for (int i = 0; i < 4; ++i) {
    const int left = 1250 + i * 1380;
    txbArith[i] = Make<QLineEdit>(fraPlusMinus, QStringLiteral("txbArith_%1").arg(i),
                                  TwipsRect(left, 430, 620, 330));
    lblArith[i] = MakeLabel(fraPlusMinus, QStringLiteral("lblArith_%1").arg(i), arith_names[i],
                            TwipsRect(left + 680, 460, 680, 255));
  }
  cmdClear[1] = MakeButton(fraPlusMinus, "cmdClear_1", "Clear", TwipsRect(6760, 410, 650, 380));

  // Output dates.
  fraOutput = Make<QGroupBox>(this, "fraOutput", TwipsRect(120, 3440, 7500, 2460));
  fraOutput->setTitle(" Output dates ");
  const auto row = [](int index) { return 320 + index * 410; };
  lblGregorian =
      MakeLabel(fraOutput, "lblGregorian", "Gregorian:", TwipsRect(150, row(0), 1500, 330));
  txbOutputGC = MakeOutputBox(fraOutput, "txbOutputGC", TwipsRect(1700, row(0), 3100, 330));
  txbOutputGCwithAYN =
      MakeOutputBox(fraOutput, "txbOutputGCwithAYN", TwipsRect(4900, row(0), 2450, 330));
  lblJulian = MakeLabel(fraOutput, "lblJulian", "Julian:", TwipsRect(150, row(1), 1500, 330));
  txbOutputJC = MakeOutputBox(fraOutput, "txbOutputJC", TwipsRect(1700, row(1), 3100, 330));
  txbOutputJCwithAYN =
      MakeOutputBox(fraOutput, "txbOutputJCwithAYN", TwipsRect(4900, row(1), 2450, 330));
  lblDee = MakeLabel(fraOutput, "lblDee", "Dee-Cecil:", TwipsRect(150, row(2), 1500, 330));
  txbOutputDEE = MakeOutputBox(fraOutput, "txbOutputDEE", TwipsRect(1700, row(2), 3100, 330));
  txbOutputDEEwithAYN =
      MakeOutputBox(fraOutput, "txbOutputDEEwithAYN", TwipsRect(4900, row(2), 2450, 330));
  Label2 =
      MakeLabel(fraOutput, "Label2", "Julian day number:", TwipsRect(150, row(3) + 120, 1550, 330));
  txbJDN = MakeOutputBox(fraOutput, "txbJDN", TwipsRect(1700, row(3) + 120, 2000, 330));
  Label1 = MakeLabel(fraOutput, "Label1", "Day of week:", TwipsRect(150, row(4) + 120, 1550, 330));
  txbDayOfWeek = MakeOutputBox(fraOutput, "txbDayOfWeek", TwipsRect(1700, row(4) + 120, 2000, 330));

  // Dee version.
  Label3 = MakeLabel(this, "Label3", "Dee Calendar version:", TwipsRect(270, 6040, 2000, 285));
  optDee =
      MakeOption(this, "optDee", "Dee (1-1-1 D = JDN 1,721,425)", TwipsRect(2350, 6020, 4000, 285));
  optDeeCecil = MakeOption(this, "optDeeCecil", "Dee-Cecil (1-1-1 DC = JDN 1,721,426)",
                           TwipsRect(2350, 6340, 4000, 285));
  dee_group = new QButtonGroup(this);
  dee_group->addButton(optDee);
  dee_group->addButton(optDeeCecil);

  // Side buttons and links. Help and the vernal equinox button exchange
  // places at start-up (ArrangeSideButtons), Quit moving level with Help.
  cmdCalculate = MakeButton(this, "cmdCalculate", QStringLiteral("Calculate"),
                            TwipsRect(7860, 160, 2250, 480));
  cmdCopyResult = MakeButton(this, "cmdCopyResult", "Copy result to clipboard",
                             TwipsRect(7860, 740, 2250, 480));
  cmdCalendars = MakeButton(this, "cmdCalendars", "Calendars", TwipsRect(7860, 3240, 2250, 480));
  cmdDateDifference =
      MakeButton(this, "cmdDateDifference", "Date difference", TwipsRect(7860, 3820, 2250, 480));
  cmdDateSequence =
      MakeButton(this, "cmdDateSequence", "Date sequence", TwipsRect(7860, 4400, 2250, 480));
  cmdHelp = MakeButton(this, "cmdHelp", "Help", TwipsRect(7860, 4980, 1080, 480));
  cmdQLsoftware =
      MakeButton(this, "cmdQLsoftware", "QL software", TwipsRect(7860, 5560, 2250, 480));
  cmdQuit = MakeButton(this, "cmdQuit", "Quit", TwipsRect(9030, 6140, 1080, 480));
  lblOnlineUserManual = MakeLabel(this, "lblOnlineUserManual", "<u>Online user manual</u>",
                                  TwipsRect(7860, 6200, 2250, 255));
  lblOnlineUserManual->setToolTip("Click here for the online user manual at");
  lblQuillon = MakeLabel(this, "lblQuillon", QString(), TwipsRect(7860, 6480, 2250, 255));
  lblQL_URL = MakeLabel(this, "lblQL_URL", QString(), TwipsRect(7860, 6760, 2250, 255));
  SetAccessibleNames();
  // Tab order as the eye reads: the left column, then the side buttons as
  // arranged at start-up.
  setTabOrder(cmdCalendars, cmdDateDifference);
  setTabOrder(cmdDateDifference, cmdDateSequence);
  setTabOrder(cmdDateSequence, cmdQLsoftware);
  setTabOrder(cmdQLsoftware, cmdHelp);
  setTabOrder(cmdHelp, cmdQuit);
  for (QLabel* link : {lblOnlineUserManual, lblQuillon}) {
    link->setCursor(Qt::PointingHandCursor);
    link->setAlignment(Qt::AlignCenter);
    link->installEventFilter(this);
  }
  lblQL_URL->setAlignment(Qt::AlignCenter);
}

// What a screen reader announces with each box's value: its label's text.
void frmMain::SetAccessibleNames() {
  const std::pair<QWidget*, QString> names[] = {
      {txbGoToJDN, "Julian day number to go to"},
      {cboMonthNames, "Month"},
      {cboDayNumbers, "Day"},
      {txbYearADBCetc, "Year"},
      {cboYearDesADBCetc, "Era"},
      {cboCalendar[0], "Calendar"},
      {txbYearCEJC, "Year-month-day date"},
      {cboCalendar[1], "Calendar"},
      {txbOutputGC, lblGregorian->text()},
      {txbOutputGCwithAYN, lblGregorian->text() + " year-month-day"},
      {txbOutputJC, lblJulian->text()},
      {txbOutputJCwithAYN, lblJulian->text() + " year-month-day"},
      {txbOutputDEE, "Dee calendar:"},
      {txbOutputDEEwithAYN, "Dee calendar: year-month-day"},
      {txbJDN, Label2->text()},
      {txbDayOfWeek, Label1->text()}};
  for (const auto& [control, name] : names) control->setAccessibleName(name);
  for (int i = 0; i < 4; ++i) txbArith[i]->setAccessibleName(lblArith[i]->text());
  // A list's accessible name is its chosen item on the Linux desktop, and its
  // label there the frame's title, the same for every list of the frame: the
  // description says which list it is.
  for (QComboBox* list :
       {cboMonthNames, cboDayNumbers, cboYearDesADBCetc, cboCalendar[0], cboCalendar[1]}) {
    list->setAccessibleDescription(list->accessibleName());
  }
}

void frmMain::ConnectHandlers() {
  connect(optInputDateWithoutAYN, &QRadioButton::toggled, this, [this](bool on) {
    if (on) optInputDateWithoutAYN_Click();
  });
  connect(optInputDateWithAYN, &QRadioButton::toggled, this, [this](bool on) {
    if (on) optInputDateWithAYN_Click();
  });
  connect(optDee, &QRadioButton::toggled, this, [this](bool on) {
    if (on) optDee_Click();
  });
  connect(optDeeCecil, &QRadioButton::toggled, this, [this](bool on) {
    if (on) optDeeCecil_Click();
  });
  for (int i = 0; i < 2; ++i) {
    connect(cboCalendar[i], &QComboBox::activated, this, [this, i] { cboCalendar_Click(i); });
    connect(cmdClear[i], &QPushButton::clicked, this, [this, i] { cmdClear_Click(i); });
  }
  connect(cmdCalculate, &QPushButton::clicked, this, &frmMain::cmdCalculate_Click);
  connect(cmdToday, &QPushButton::clicked, this, &frmMain::cmdToday_Click);
  connect(cmdCopyResult, &QPushButton::clicked, this, &frmMain::cmdCopyResult_Click);
  connect(cmdQuit, &QPushButton::clicked, this, &frmMain::cmdQuit_Click);
  connect(cmdDateSequence, &QPushButton::clicked, this, &frmMain::cmdDateSequence_Click);
  connect(cmdDateDifference, &QPushButton::clicked, this, &frmMain::cmdDateDifference_Click);
  connect(cmdCalendars, &QPushButton::clicked, this, &frmMain::cmdCalendars_Click);
  connect(cmdHelp, &QPushButton::clicked, this, &frmMain::cmdHelp_Click);
  connect(cmdQLsoftware, &QPushButton::clicked, this, &frmMain::cmdQLsoftware_Click);

  for (QLineEdit* box : {txbYearCEJC, txbYearADBCetc, txbGoToJDN}) box->installEventFilter(this);
  for (QLineEdit* box : txbArith) box->installEventFilter(this);
  // Help and Quit from every window of the program, as the help says.
  new QShortcut(QKeySequence(Qt::Key_F1), this, this, &frmMain::cmdHelp_Click,
                Qt::ApplicationShortcut);
  new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this, this, &frmMain::cmdQuit_Click,
                Qt::ApplicationShortcut);

  // Besides its half-second round, the upkeep runs on every change the user
  // makes to the input, so that Calculate (and Enter) work the moment the
  // input is complete. Only the user's changes: a handler that writes several
  // controls is never interrupted half-way.
  const auto upkeep = [this] { RunUpkeep(true); };
  for (QLineEdit* box : {txbYearCEJC, txbYearADBCetc})
    connect(box, &QLineEdit::textEdited, this, upkeep);
  for (QLineEdit* box : txbArith) connect(box, &QLineEdit::textEdited, this, upkeep);
  for (QComboBox* list :
       {cboMonthNames, cboDayNumbers, cboYearDesADBCetc, cboCalendar[0], cboCalendar[1]}) {
    connect(list, &QComboBox::activated, this, upkeep);
  }
  for (QRadioButton* option : {optInputDateWithoutAYN, optInputDateWithAYN, optPlus, optMinus}) {
    connect(option, &QRadioButton::clicked, this, upkeep);
  }
}

bool frmMain::Form_Load() {
  blnStartupCompleted = false;
  strProgramTextFile = kProgramAbbreviation.toLower() + ".dat";  // the window's tag: orvc.dat
  if (const std::optional<QString> failure = LoadProgramTexts(strProgramTextFile)) {
    ShowMessageBox(Message(*failure, MessageStyle::kStop, QString()), this);
    return false;  // the program ends: no window, no settings written
  }

  InitProgramIdentity(ORV_VERSION_MAJOR, ORV_VERSION_MINOR);
  QFont font = this->font();
  font.setPointSize(9);
  setFont(font);
  SetControlsBackColor(this, kBackColor);
  SetControlsForeColor(this, kLabelColor);
  SetControlsFontName(this, QStringLiteral("Arial"), true, true);
  for (QLabel* link : {lblOnlineUserManual, lblQuillon}) {
    QPalette cyan = link->palette();
    cyan.setColor(QPalette::WindowText, QColor(0, 255, 255));
    link->setPalette(cyan);
  }

  intHelpTop = PixelsToTwips(cmdHelp->y());
  intQLsoftwareTop = PixelsToTwips(cmdQLsoftware->y());
  InitMainWindow();

  const QScreen* screen = QGuiApplication::primaryScreen();
  const int screen_width = screen ? screen->availableGeometry().width() : width();
  move((screen_width - frameGeometry().width()) / 2, TwipsToPixels(1000));
  cmdCopyResult->setEnabled(true);
  LoadSettings();
  ArrangeSideButtons();
  show();
  ShowProgramCaption(this);
  SetUpCopyButton();
  if (cmdToday->isEnabled() && lngJDN == 0) cmdToday_Click();
  SetFocusIfAvailable(cmdCalculate);
  blnStartupCompleted = true;
  Timer1->start();
  return true;
}

void frmMain::InitMainWindow() {
  FillLists();
  ApplyDeeVersion();  // names the calendars in the lists and explains their tags
  notation_group->setExclusive(false);
  optInputDateWithoutAYN->setChecked(false);
  optInputDateWithAYN->setChecked(false);
  notation_group->setExclusive(true);
  cboCalendar[0]->setCurrentIndex(0);
  cboCalendar[1]->setCurrentIndex(0);
  lblOnlineUserManual->setToolTip(lblOnlineUserManual->toolTip() + u' ' + ProgramText(15));
  lngTextBoxCapacityInKB = 63;
  ClearInputs();
  optDeeCecil->setChecked(true);
  lblQuillon->setText(QStringLiteral("<u>%1</u>").arg(ProgramText(310).toHtmlEscaped()));
  lblQuillon->setToolTip("Click here to visit the web site of " + ProgramText(310) + " at " +
                         ProgramText(311));
  lblQL_URL->setText(ProgramText(311));
}

void frmMain::ArrangeSideButtons() {
  cmdQLsoftware->setText(QStringLiteral("Vernal equinoxes"));
  cmdQLsoftware->move(cmdQLsoftware->x(), TwipsToPixels(intHelpTop));
  cmdHelp->move(cmdHelp->x(), TwipsToPixels(intQLsoftwareTop));
  cmdQuit->move(cmdQuit->x(), cmdHelp->y());
}

void frmMain::SetUpCopyButton() {
  cmdCopyResult->setVisible(true);
  cmdCopyResult->setEnabled(true);
  cmdCopyResult->setText(ProgramText(18));
  QFont normal = cmdCopyResult->font();
  normal.setBold(false);
  cmdCopyResult->setFont(normal);
  ArrangeSideButtons();
}

void frmMain::VEOutOfRangeMsg() {
  ShowMessageBox(MessageOf(Notice{NoticeKind::kEquinoxYearOutOfRange}), this);
}

void frmMain::cmdQuit_Click() {
  SaveSettings();
  // End at once, whatever the writes reported. (Before the program's event
  // loop runs, as in tests, there is nothing to end.)
  if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(0);
}

void frmMain::Form_Unload() { cmdQuit_Click(); }

void frmMain::closeEvent(QCloseEvent* event) {
  Form_Unload();  // closing the window is Quit
  event->accept();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease && watched == lblOnlineUserManual) {
    lblOnlineUserManual_Click();
  } else if (event->type() == QEvent::MouseButtonRelease && watched == lblQuillon) {
    lblQuillon_Click();
  } else if (IsEnterPress(event) && (watched == txbYearCEJC || watched == txbYearADBCetc)) {
    DateBox_Enter();
    return true;
  } else if (IsEnterPress(event) && watched == txbGoToJDN) {
    txbGoToJDN_Enter();
    return true;
  } else if (event->type() == QEvent::FocusOut) {
    // Leaving a box for another control of this window, not switching windows.
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
      if (watched == txbYearCEJC) txbYearCEJC_LostFocus();
      for (int i = 0; i < 4; ++i) {
        if (watched == txbArith[i]) txbArith_LostFocus(i);
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

MainInputs frmMain::ReadInputs() const {
  MainInputs in;
  in.optInputDateWithoutAYN = optInputDateWithoutAYN->isChecked();
  in.optInputDateWithAYN = optInputDateWithAYN->isChecked();
  in.cboMonthNames = cboMonthNames->currentIndex();
  in.cboDayNumbers = cboDayNumbers->currentIndex();
  in.txbYearADBCetc = txbYearADBCetc->text();
  in.cboYearDesADBCetc = cboYearDesADBCetc->currentIndex();
  in.cboCalendar = {cboCalendar[0]->currentIndex(), cboCalendar[1]->currentIndex()};
  in.txbYearCEJC = txbYearCEJC->text();
  in.optPlus = optPlus->isChecked();
  in.optMinus = optMinus->isChecked();
  in.fraPlusMinusVisible = !fraPlusMinus->isHidden();
  for (int i = 0; i < 4; ++i) in.txbArith[i] = txbArith[i]->text();
  return in;
}

void frmMain::WriteInputs(const MainInputs& in) {
  const auto set_text = [](QLineEdit* box, const QString& text) {
    if (box->text() != text) box->setText(text);
  };
  const auto set_position = [](QComboBox* list, int position) {
    if (list->currentIndex() != position) list->setCurrentIndex(position);
  };
  const auto set_option = [](QButtonGroup* group, QRadioButton* option, bool on) {
    if (option->isChecked() == on) return;
    group->setExclusive(false);
    option->setChecked(on);
    group->setExclusive(true);
  };
  set_option(notation_group, optInputDateWithoutAYN, in.optInputDateWithoutAYN);
  set_option(notation_group, optInputDateWithAYN, in.optInputDateWithAYN);
  set_position(cboMonthNames, in.cboMonthNames);
  set_position(cboDayNumbers, in.cboDayNumbers);
  set_text(txbYearADBCetc, in.txbYearADBCetc);
  set_position(cboYearDesADBCetc, in.cboYearDesADBCetc);
  set_position(cboCalendar[0], in.cboCalendar[0]);
  set_position(cboCalendar[1], in.cboCalendar[1]);
  set_text(txbYearCEJC, in.txbYearCEJC);
  set_option(plus_minus_group, optPlus, in.optPlus);
  set_option(plus_minus_group, optMinus, in.optMinus);
  for (int i = 0; i < 4; ++i) set_text(txbArith[i], in.txbArith[i]);
}

void frmMain::Show(const UserMessage& message) {
  if (message) ShowMessageBox(*message, this);
}

}  // namespace orv
