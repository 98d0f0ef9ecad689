// The proposals: every calendar definition the program read (those shipped
// with it and the user's own; a refused file with its reason), each with a
// check box "compare" that makes it a column and a chart line of the reform
// comparison and a row of the calendars window; the judgement of the one
// selected (core/ProposalJudgement.h) over the years 1 to 4000 at the
// comparison window's meridian and time; and the user's files: New, Edit,
// Duplicate, Delete, Import..., Export... (core/ProposalShelf.h). Opened from
// the reform comparison window; modeless, Close hides it.
#pragma once

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <functional>

#include "core/ReformComparison.h"
#include "reports/ReportHost.h"

namespace orv {

class frmDefinition;

class frmProposals : public QWidget {
  Q_OBJECT

 public:
  // `judged_run`: the years, meridian and time a definition is judged over.
  frmProposals(ReportHost& host, std::function<ComparisonRun()> judged_run, QWidget* parent);

  QListWidget* lstProposals;  // a line a definition, its check box "compare"
  QPlainTextEdit* txbJudgement;
  QPushButton* cmdNew;
  QPushButton* cmdEdit;
  QPushButton* cmdDuplicate;
  QPushButton* cmdDelete;
  QPushButton* cmdImport;
  QPushButton* cmdExport;
  QPushButton* cmdClose;

  // The list again from the host's definitions, the selection kept.
  void ShowDefinitions();
  // Escape closes the window, as Close does.
  void keyPressEvent(QKeyEvent* event) override;
  void ShowJudgement();
  void cmdNew_Click();
  void cmdEdit_Click();
  void cmdDuplicate_Click();
  void cmdDelete_Click();
  void cmdImport_Click();
  void cmdExport_Click();
  frmDefinition* DefinitionWindow() const { return definition_window; }

 private:
  // The selected definition's place in the host's list; none selected: -1.
  int Selected() const { return lstProposals->currentRow(); }
  void Added(const LoadedDefinition& loaded);
  void Ticked(QListWidgetItem* item);
  void OpenForm(const QString& file, const QByteArray& contents);

  ReportHost& host;
  std::function<ComparisonRun()> judged_run_;
  frmDefinition* definition_window = nullptr;
  bool showing_ = false;  // while the list is filled: no ticks to read
};

}  // namespace orv
