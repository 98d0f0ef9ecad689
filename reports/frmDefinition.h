// A calendar definition as a form: its name, key and tag, its months (name,
// days, days a leap year adds), its intercalary days, its leap rules and
// the epoch; and the same as the file's text, for those who prefer it
// (core/DefinitionForm.h). What keeps it from being a calendar is shown
// beside the form as the user types; Save writes the user's file, whole or
// not at all. Opened by New and Edit in the proposals window.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QWidget>

#include "core/DefinitionForm.h"
#include "core/ProposalFile.h"
#include "reports/ReportHost.h"

namespace orv {

class frmDefinition : public QWidget {
  Q_OBJECT

 public:
  frmDefinition(ReportHost& host, QWidget* parent);

  QTabWidget* tabDefinition;  // "Form" and "Text"
  QLineEdit* txbName;
  QLineEdit* txbKey;
  QLineEdit* txbTag;
  QTableWidget* tblMonths;       // name, days, leap days
  QTableWidget* tblIntercalary;  // name, after month, leap years only ("yes")
  QPushButton* cmdAddMonth;
  QPushButton* cmdRemoveMonth;
  QPushButton* cmdAddDay;
  QPushButton* cmdRemoveDay;
  QPlainTextEdit* txbLeapRules;
  QLineEdit* txbLeapWords;
  QLineEdit* txbEpoch;
  QPlainTextEdit* txbDefinitionText;
  QLabel* lblDefinitionError;
  QPushButton* cmdSave;
  QPushButton* cmdCancel;

  // A definition to edit: the user's file (empty: a new definition, from the
  // text given or, without one, the new form's).
  void Open(const QString& file, const QByteArray& contents);
  void cmdSave_Click();

 signals:
  void Saved(const LoadedDefinition& saved);

 private:
  DefinitionForm ReadForm() const;
  void ShowForm(const DefinitionForm& form);
  void FormChanged();
  void TextChanged();

  ReportHost& host;
  QString file_;
  DefinitionForm shown_;  // what the form does not show is kept from here
  bool filling_ = false;
};

}  // namespace orv
