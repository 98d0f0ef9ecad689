#include "reports/frmProposals.h"

#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>

#include "core/ProposalJudgement.h"
#include "core/StrProc.h"
#include "reports/ReportWindow.h"
#include "reports/frmDefinition.h"
#include "ui_services/Geometry.h"
#include "ui_services/MakeControl.h"
#include "ui_services/MessageBox.h"
#include "ui_services/SaveAndPrint.h"

namespace orv {
namespace {

const QString kTitle = QStringLiteral("Proposals");
const QString kDefinitionFilter = QStringLiteral("Calendar definition (*.json)");

void Tell(const Notice& notice, QWidget* parent) {
  ShowMessageBox(MessageOf(notice, kTitle), parent);
}

}  // namespace

frmProposals::frmProposals(ReportHost& owner, std::function<ComparisonRun()> judged_run,
                           QWidget* parent)
    : QWidget(parent, Qt::Window), host(owner), judged_run_(std::move(judged_run)) {
  setObjectName(QStringLiteral("frmProposals"));
  setWindowTitle(kTitle);
  MakeLabel(this, "lblProposals", QStringLiteral("Calendar definitions (tick to compare):"),
            TwipsRect(240, 200, 6000, 285));
  lstProposals = Make<QListWidget>(this, "lstProposals", TwipsRect(240, 520, 6600, 6200));
  lstProposals->setAccessibleName(QStringLiteral("Calendar definitions"));
  MakeLabel(this, "lblJudgement", QStringLiteral("How the selected one keeps the equinox:"),
            TwipsRect(7000, 200, 6000, 285));
  txbJudgement = Make<QPlainTextEdit>(this, "txbJudgement", TwipsRect(7000, 520, 8800, 6200));
  txbJudgement->setReadOnly(true);
  txbJudgement->setAccessibleName(QStringLiteral("Judgement"));
  const int top = 6900;
  int left = 240;
  const auto button = [&](const char* name, const QString& caption) {
    QPushButton* made = MakeButton(this, name, caption, TwipsRect(left, top, 1500, 420));
    left += 1620;
    return made;
  };
  cmdNew = button("cmdNew", QStringLiteral("New"));
  cmdEdit = button("cmdEdit", QStringLiteral("Edit"));
  cmdDuplicate = button("cmdDuplicate", QStringLiteral("Duplicate"));
  cmdDelete = button("cmdDelete", QStringLiteral("Delete"));
  cmdImport = button("cmdImport", QStringLiteral("Import\u2026"));
  cmdExport = button("cmdExport", QStringLiteral("Export\u2026"));
  cmdClose =
      MakeButton(this, "cmdClose", QStringLiteral("Close"), TwipsRect(14300, top, 1500, 420));
  setFixedSize(TwipsSize(16040, 7600));
  connect(cmdNew, &QPushButton::clicked, this, &frmProposals::cmdNew_Click);
  connect(cmdEdit, &QPushButton::clicked, this, &frmProposals::cmdEdit_Click);
  connect(cmdDuplicate, &QPushButton::clicked, this, &frmProposals::cmdDuplicate_Click);
  connect(cmdDelete, &QPushButton::clicked, this, &frmProposals::cmdDelete_Click);
  connect(cmdImport, &QPushButton::clicked, this, &frmProposals::cmdImport_Click);
  connect(cmdExport, &QPushButton::clicked, this, &frmProposals::cmdExport_Click);
  connect(cmdClose, &QPushButton::clicked, this, &QWidget::hide);
  connect(lstProposals, &QListWidget::itemChanged, this, &frmProposals::Ticked);
  connect(lstProposals, &QListWidget::currentRowChanged, this, &frmProposals::ShowJudgement);
  connect(lstProposals, &QListWidget::itemDoubleClicked, this, &frmProposals::cmdEdit_Click);
  LookLikeTheMainWindow(*this, host);
  QFont report(QStringLiteral("Courier New"));
  report.setPointSizeF(9);
  report.setStyleHint(QFont::Monospace);
  txbJudgement->setFont(report);
  ShowDefinitions();
}

void frmProposals::ShowDefinitions() {
  const int selected = Selected();
  showing_ = true;
  lstProposals->clear();
  for (const ShelvedDefinition& definition : host.Proposals().Definitions()) {
    auto* item = new QListWidgetItem(ShelvedText(definition), lstProposals);
    item->setToolTip(definition.file);
    if (definition.calendar != nullptr) {
      item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
      item->setCheckState(definition.compared ? Qt::Checked : Qt::Unchecked);
    } else {
      item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable);
    }
  }
  showing_ = false;
  lstProposals->setCurrentRow(std::min(selected, lstProposals->count() - 1));
}

void frmProposals::Ticked(QListWidgetItem* item) {
  if (showing_) return;
  if (host.Proposals().SetCompared(static_cast<size_t>(lstProposals->row(item)),
                                   item->checkState() == Qt::Checked)) {
    host.ProposalsChanged();
  }
}

void frmProposals::ShowJudgement() {
  const int selected = Selected();
  if (selected < 0) {
    txbJudgement->clear();
    return;
  }
  const ShelvedDefinition& definition = host.Proposals().Definitions()[selected];
  if (definition.calendar == nullptr) {
    txbJudgement->setPlainText(QStringLiteral("Refused: ") + definition.refusal);
    return;
  }
  const ComparisonRun run = judged_run_();
  txbJudgement->setPlainText(
      JudgementLines(JudgeProposal(*definition.calendar, run), run).join(u'\n'));
}

void frmProposals::Added(const LoadedDefinition& loaded) {
  host.Proposals().Add(loaded);
  host.ProposalsChanged();
  ShowDefinitions();
  lstProposals->setCurrentRow(lstProposals->count() - 1);
}

void frmProposals::cmdImport_Click() {
  const QString source =
      ChooseOpenFile(this, QStringLiteral("Import a calendar definition"), kDefinitionFilter);
  if (source.isEmpty()) return;
  const Result<LoadedDefinition> imported = ImportDefinition(source, host.Proposals().UserFolder());
  if (!imported) {
    Tell(imported.refusal(), this);
    return;
  }
  Added(*imported);
}

void frmProposals::cmdExport_Click() {
  const int selected = Selected();
  if (selected < 0) return;
  const QString file = host.Proposals().Definitions()[selected].file;
  const Result<QByteArray> contents = ReadDefinitionFile(file);
  if (!contents) {
    Tell(contents.refusal(), this);
    return;
  }
  const QString path = ChooseSaveFile(this, QFileInfo(file).fileName(), kDefinitionFilter);
  if (!path.isEmpty()) SaveFile(this, path, *contents, false);
}

void frmProposals::cmdDuplicate_Click() {
  const int selected = Selected();
  if (selected < 0) return;
  const CalendarInfo* calendar = host.Proposals().Definitions()[selected].calendar;
  if (calendar == nullptr) return;  // a refused file is no calendar to copy: Edit mends it
  const Result<LoadedDefinition> copy =
      DuplicateDefinition(*calendar, host.Proposals().UserFolder());
  if (!copy) {
    Tell(copy.refusal(), this);
    return;
  }
  Added(*copy);
}

void frmProposals::cmdDelete_Click() {
  const int selected = Selected();
  if (selected < 0) return;
  const ShelvedDefinition definition = host.Proposals().Definitions()[selected];
  if (!definition.users) {
    const QString name = definition.calendar != nullptr ? QStringOf(definition.calendar->name)
                                                        : QFileInfo(definition.file).fileName();
    Tell(Notice(NoticeKind::kShippedDefinition, name.toStdString()), this);
    return;
  }
  const MessageAnswer answer = ShowMessageBox(
      {QStringLiteral("Delete your calendar definition %1?\r\n\r\nIts file is removed; its "
                      "calendar stays in the program's lists until the program ends.")
           .arg(definition.file),
       MessageStyle::kExclamation, MessageButtons::kYesNo, kTitle},
      this);
  if (answer != MessageAnswer::kYes) return;
  if (!QFile::remove(definition.file)) {
    Tell(Notice(NoticeKind::kDefinitionFileError, definition.file.toStdString()), this);
    return;
  }
  host.Proposals().Remove(static_cast<size_t>(selected));
  host.ProposalsChanged();
  ShowDefinitions();
}

void frmProposals::cmdNew_Click() { OpenForm({}, {}); }

void frmProposals::cmdEdit_Click() {
  const int selected = Selected();
  if (selected < 0) return;
  const ShelvedDefinition& definition = host.Proposals().Definitions()[selected];
  const Result<QByteArray> contents = ReadDefinitionFile(definition.file);
  if (!contents) {
    Tell(contents.refusal(), this);
    return;
  }
  // A shipped definition opens to be saved as a new one of the user's.
  OpenForm(definition.users ? definition.file : QString(), *contents);
}

void frmProposals::OpenForm(const QString& file, const QByteArray& contents) {
  if (definition_window == nullptr) {
    definition_window = new frmDefinition(host, this);
    connect(definition_window, &frmDefinition::Saved, this, [this](const LoadedDefinition& saved) {
      if (saved.calendar != nullptr) Added(saved);
    });
  }
  definition_window->Open(file, contents);
  definition_window->show();
  definition_window->raise();
  definition_window->activateWindow();
}

void frmProposals::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    hide();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace orv
