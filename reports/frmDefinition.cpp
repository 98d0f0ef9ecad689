#include "reports/frmDefinition.h"

#include <QHeaderView>

#include "core/ProposalShelf.h"
#include "reports/ReportWindow.h"
#include "ui_services/Geometry.h"
#include "ui_services/MakeControl.h"
#include "ui_services/MessageBox.h"

namespace orv {
namespace {

const QString kTitle = QStringLiteral("Calendar definition");

QTableWidget* MakeTable(QWidget* parent, const QString& name, const QStringList& columns,
                        const QRect& rect) {
  auto* table = Make<QTableWidget>(parent, name, rect);
  table->setColumnCount(static_cast<int>(columns.size()));
  table->setHorizontalHeaderLabels(columns);
  table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  table->verticalHeader()->setDefaultSectionSize(TwipsToPixels(300));
  return table;
}

QString Cell(const QTableWidget* table, int row, int column) {
  const QTableWidgetItem* item = table->item(row, column);
  return item != nullptr ? item->text() : QString();
}

void SetRow(QTableWidget* table, int row, const QStringList& cells) {
  for (int column = 0; column < cells.size(); ++column) {
    table->setItem(row, column, new QTableWidgetItem(cells[column]));
  }
}

}  // namespace

frmDefinition::frmDefinition(ReportHost& owner, QWidget* parent)
    : QWidget(parent, Qt::Window), host(owner) {
  setObjectName(QStringLiteral("frmDefinition"));
  setWindowTitle(kTitle);
  tabDefinition = Make<QTabWidget>(this, "tabDefinition", TwipsRect(240, 240, 11700, 7100));
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("fraDefinitionForm"));
  tabDefinition->addTab(page, QStringLiteral("Form"));
  const auto labelled = [page](const char* label_name, const QString& caption, const char* name,
                               int left, int top, int label_width, int width) {
    MakeLabel(page, label_name, caption, TwipsRect(left, top + 40, label_width, 285));
    return Make<QLineEdit>(page, name, TwipsRect(left + label_width, top, width, 330));
  };
  txbName = labelled("lblName", QStringLiteral("Name:"), "txbName", 120, 120, 900, 4500);
  txbKey = labelled("lblKey", QStringLiteral("Key:"), "txbKey", 5700, 120, 600, 2800);
  txbTag = labelled("lblTag", QStringLiteral("Tag:"), "txbTag", 9300, 120, 600, 900);
  txbTag->setMaxLength(3);
  MakeLabel(page, "lblMonths", QStringLiteral("Months:"), TwipsRect(120, 560, 2000, 285));
  tblMonths =
      MakeTable(page, "tblMonths",
                {QStringLiteral("Name"), QStringLiteral("Days"), QStringLiteral("Leap days")},
                TwipsRect(120, 860, 5300, 4900));
  cmdAddMonth =
      MakeButton(page, "cmdAddMonth", QStringLiteral("Add month"), TwipsRect(120, 5850, 1500, 380));
  cmdRemoveMonth = MakeButton(page, "cmdRemoveMonth", QStringLiteral("Remove month"),
                              TwipsRect(1740, 5850, 1500, 380));
  MakeLabel(page, "lblIntercalary", QStringLiteral("Intercalary days (in no month):"),
            TwipsRect(5700, 560, 5000, 285));
  tblIntercalary = MakeTable(
      page, "tblIntercalary",
      {QStringLiteral("Name"), QStringLiteral("After month"), QStringLiteral("Leap years only")},
      TwipsRect(5700, 860, 5700, 1700));
  cmdAddDay =
      MakeButton(page, "cmdAddDay", QStringLiteral("Add day"), TwipsRect(5700, 2620, 1500, 380));
  cmdRemoveDay = MakeButton(page, "cmdRemoveDay", QStringLiteral("Remove day"),
                            TwipsRect(7320, 2620, 1500, 380));
  MakeLabel(page, "lblLeapRules",
            QStringLiteral("Leap rules, one a line, the last that matches decides:"),
            TwipsRect(5700, 3100, 5700, 285));
  txbLeapRules = Make<QPlainTextEdit>(page, "txbLeapRules", TwipsRect(5700, 3400, 5700, 1500));
  txbLeapWords =
      labelled("lblLeapWords", QStringLiteral("In words:"), "txbLeapWords", 5700, 5000, 1000, 4700);
  txbEpoch =
      labelled("lblEpoch", QStringLiteral("Year 1 begins:"), "txbEpoch", 5700, 5450, 1400, 1900);
  MakeLabel(page, "lblEpochHint", QStringLiteral("(a day number or a date)"),
            TwipsRect(9100, 5490, 2400, 285));
  txbDefinitionText = new QPlainTextEdit;
  txbDefinitionText->setObjectName(QStringLiteral("txbDefinitionText"));
  tabDefinition->addTab(txbDefinitionText, QStringLiteral("Text"));
  lblDefinitionError =
      MakeLabel(this, "lblDefinitionError", QString(), TwipsRect(240, 7420, 11700, 560));
  lblDefinitionError->setWordWrap(true);
  cmdSave = MakeButton(this, "cmdSave", QStringLiteral("Save"), TwipsRect(8800, 8100, 1500, 420));
  cmdCancel =
      MakeButton(this, "cmdCancel", QStringLiteral("Cancel"), TwipsRect(10440, 8100, 1500, 420));
  setFixedSize(TwipsSize(12180, 8760));
  LookLikeTheMainWindow(*this, host);
  QFont text(QStringLiteral("Courier New"));
  text.setPointSizeF(9);
  text.setStyleHint(QFont::Monospace);
  txbDefinitionText->setFont(text);
  txbLeapRules->setFont(text);

  for (QLineEdit* box : {txbName, txbKey, txbTag, txbLeapWords, txbEpoch}) {
    connect(box, &QLineEdit::textChanged, this, &frmDefinition::FormChanged);
  }
  connect(txbLeapRules, &QPlainTextEdit::textChanged, this, &frmDefinition::FormChanged);
  connect(tblMonths, &QTableWidget::itemChanged, this, &frmDefinition::FormChanged);
  connect(tblIntercalary, &QTableWidget::itemChanged, this, &frmDefinition::FormChanged);
  connect(txbDefinitionText, &QPlainTextEdit::textChanged, this, &frmDefinition::TextChanged);
  connect(tabDefinition, &QTabWidget::currentChanged, this, [this](int tab) {
    if (tab == 0) ShowForm(FormOfDefinition(txbDefinitionText->toPlainText().toUtf8()));
  });
  const auto add_row = [this](QTableWidget* table) {
    table->insertRow(table->rowCount());
    FormChanged();
  };
  const auto remove_row = [this](QTableWidget* table) {
    const int row = table->currentRow() >= 0 ? table->currentRow() : table->rowCount() - 1;
    if (row < 0) return;
    table->removeRow(row);
    FormChanged();
  };
  connect(cmdAddMonth, &QPushButton::clicked, this, [=, this] { add_row(tblMonths); });
  connect(cmdRemoveMonth, &QPushButton::clicked, this, [=, this] { remove_row(tblMonths); });
  connect(cmdAddDay, &QPushButton::clicked, this, [=, this] { add_row(tblIntercalary); });
  connect(cmdRemoveDay, &QPushButton::clicked, this, [=, this] { remove_row(tblIntercalary); });
  connect(cmdSave, &QPushButton::clicked, this, &frmDefinition::cmdSave_Click);
  connect(cmdCancel, &QPushButton::clicked, this, &QWidget::hide);
}

void frmDefinition::Open(const QString& file, const QByteArray& contents) {
  file_ = file;
  setWindowTitle(file.isEmpty() ? kTitle + QStringLiteral(" (new)") : kTitle + " - " + file);
  tabDefinition->setCurrentIndex(0);
  DefinitionForm form = contents.isEmpty() ? NewDefinitionForm() : FormOfDefinition(contents);
  if (file.isEmpty() && !contents.isEmpty()) {
    // A shipped definition begun again as one of the user's: a key and tag of its own.
    form.key += QStringLiteral("-mine");
    form.name += QStringLiteral(" (mine)");
    form.tag.clear();
  }
  ShowForm(form);
  FormChanged();
}

DefinitionForm frmDefinition::ReadForm() const {
  DefinitionForm form = shown_;
  form.name = txbName->text();
  form.key = txbKey->text();
  form.tag = txbTag->text();
  form.months.clear();
  for (int row = 0; row < tblMonths->rowCount(); ++row) {
    form.months.push_back(
        {Cell(tblMonths, row, 0), Cell(tblMonths, row, 1), Cell(tblMonths, row, 2)});
  }
  form.intercalary.clear();
  for (int row = 0; row < tblIntercalary->rowCount(); ++row) {
    const QString leap_only = Cell(tblIntercalary, row, 2).trimmed().toLower();
    form.intercalary.push_back({Cell(tblIntercalary, row, 0), Cell(tblIntercalary, row, 1),
                                leap_only == u"yes" || leap_only == u"true"});
  }
  form.leap = txbLeapRules->toPlainText();
  form.leap_words = txbLeapWords->text();
  form.epoch = txbEpoch->text();
  return form;
}

void frmDefinition::ShowForm(const DefinitionForm& form) {
  filling_ = true;
  shown_ = form;
  txbName->setText(form.name);
  txbKey->setText(form.key);
  txbTag->setText(form.tag);
  tblMonths->setRowCount(static_cast<int>(form.months.size()));
  for (size_t i = 0; i < form.months.size(); ++i) {
    const DefinitionForm::Month& month = form.months[i];
    SetRow(tblMonths, static_cast<int>(i), {month.name, month.days, month.leap_days});
  }
  tblIntercalary->setRowCount(static_cast<int>(form.intercalary.size()));
  for (size_t i = 0; i < form.intercalary.size(); ++i) {
    const DefinitionForm::Intercalary& day = form.intercalary[i];
    SetRow(tblIntercalary, static_cast<int>(i),
           {day.name, day.after, day.leap_only ? QStringLiteral("yes") : QString()});
  }
  txbLeapRules->setPlainText(form.leap);
  txbLeapWords->setText(form.leap_words);
  txbEpoch->setText(form.epoch);
  filling_ = false;
}

void frmDefinition::FormChanged() {
  if (filling_) return;
  filling_ = true;
  txbDefinitionText->setPlainText(QString::fromUtf8(DefinitionText(ReadForm())));
  filling_ = false;
  TextChanged();
}

void frmDefinition::TextChanged() {
  if (filling_ && sender() == txbDefinitionText) return;
  const ReadDefinition read = ReadCalendarDefinition(txbDefinitionText->toPlainText().toUtf8());
  lblDefinitionError->setText(read.rules ? QString() : QString::fromStdString(read.refusal));
  cmdSave->setEnabled(read.rules != nullptr);
}

void frmDefinition::cmdSave_Click() {
  const QByteArray contents = txbDefinitionText->toPlainText().toUtf8();
  Result<LoadedDefinition> saved =
      file_.isEmpty() ? AddDefinitionFile(
                            contents, txbKey->text().trimmed().toLower() + QStringLiteral(".json"),
                            host.Proposals().UserFolder())
                      : SaveEditedDefinition(contents, file_);
  if (!saved) {
    ShowMessageBox(MessageOf(saved.refusal(), kTitle), this);
    return;
  }
  if (saved->calendar == nullptr) {
    ShowMessageBox(Message(QStringLiteral("Saved. The program has a calendar of that key "
                                          "already: the changes take effect at the next start."),
                           MessageStyle::kInformation, kTitle),
                   this);
  }
  emit Saved(*saved);
  hide();
}

}  // namespace orv
