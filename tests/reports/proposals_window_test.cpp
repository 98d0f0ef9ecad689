// The proposals window with the user's own definitions, in a data folder of
// the test's own: listed (a malformed file with its reason), judged, ticked
// into the reform comparison and the calendars window, imported, duplicated
// and deleted. Its own program: the calendar table it adds to is the
// process's.
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include "core/ProposalShelf.h"
#include "reports/frmCalendars.h"
#include "reports/frmDefinition.h"
#include "reports/frmProposals.h"
#include "reports/frmReformComparison.h"
#include "reports/frmVernalEquinoxes.h"
#include "tests/main_window/MainWindowHarness.h"
#include "ui_services/SaveAndPrint.h"

using namespace orv;

namespace {

// Gregorian months, eight leap years in 33.
QByteArray Definition(const char* name, const char* key, const char* tag) {
  return QStringLiteral(
             R"({"name": "%1", "key": "%2", "tag": "%3", "months": [
      {"name": "January", "days": 31}, {"name": "February", "days": 28, "leap_days": 1},
      {"name": "March", "days": 31}, {"name": "April", "days": 30}, {"name": "May", "days": 31},
      {"name": "June", "days": 30}, {"name": "July", "days": 31}, {"name": "August", "days": 31},
      {"name": "September", "days": 30}, {"name": "October", "days": 31},
      {"name": "November", "days": 30}, {"name": "December", "days": 31}],
    "leap": [{"cycle": 33, "offset": 1, "remainders": [3, 7, 11, 15, 19, 23, 27, 31]}],
    "epoch": 1721426})")
      .arg(name, key, tag)
      .toUtf8();
}

const QByteArray kBroken = R"({"name": "Broken", "key": "broken", "tag": "BQ",
  "months": [{"name": "Only", "days": 0}], "epoch": 1721426})";

void Write(const QString& path, const QByteArray& contents) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size());
}

QStringList Listed(const frmProposals* proposals) {
  QStringList lines;
  for (int row = 0; row < proposals->lstProposals->count(); ++row) {
    lines << proposals->lstProposals->item(row)->text();
  }
  return lines;
}

}  // namespace

class ProposalsWindowTest : public QObject, MainWindowHarness {
  Q_OBJECT

  QTemporaryDir data_;
  QTemporaryDir elsewhere_;
  std::vector<LoadedDefinition> loaded_;
  frmReformComparison* comparison_ = nullptr;
  frmProposals* proposals_ = nullptr;

  // The main window started as the program starts, on 20 March 2024, with
  // the comparison and its proposals open.
  void OpenProposals() {
    Start();
    window->Proposals() = ProposalShelf(loaded_);
    ChooseYearMonthDay("2024-03-20 CE", kGregorian);
    QTest::mouseClick(window->cmdCalculate, Qt::LeftButton);
    QTest::mouseClick(window->cmdQLsoftware, Qt::LeftButton);
    QTest::mouseClick(window->VernalEquinoxWindow()->cmdCompare, Qt::LeftButton);
    comparison_ = window->VernalEquinoxWindow()->ComparisonWindow();
    QTest::mouseClick(comparison_->cmdProposals, Qt::LeftButton);
    proposals_ = comparison_->ProposalsWindow();
    QVERIFY(proposals_ != nullptr && proposals_->isVisible());
  }

 private slots:
  void initTestCase() {
    qputenv("XDG_DATA_HOME", data_.path().toLocal8Bit());
    QVERIFY(QDir().mkpath(UserCalendarsFolder()));
    Write(UserCalendarsFolder() + "/my-33.json", Definition("My 33-year rule", "my-33", "MQ"));
    Write(UserCalendarsFolder() + "/broken.json", kBroken);
    loaded_ = LoadCalendarDefinitions({UserCalendarsFolder()});
  }
  void init() { Prepare(); }
  void cleanup() {
    SetOpenFileChooser(nullptr);
    Finish();
  }

  void aTickedDefinitionIsACompareColumnAndACalendarsRow() {
    OpenProposals();
    QCOMPARE(Listed(proposals_),
             QStringList(
                 {"broken.json - refused: months[0].days: a whole number from 1 to 400 is needed",
                  "My 33-year rule (MQ, my-33) - yours"}));
    proposals_->lstProposals->setCurrentRow(1);
    QVERIFY(proposals_->txbJudgement->toPlainText().startsWith("My 33-year rule"));
    proposals_->lstProposals->setCurrentRow(0);
    QVERIFY(proposals_->txbJudgement->toPlainText().startsWith("Refused: "));

    QTest::mouseClick(window->cmdCalendars, Qt::LeftButton);
    const frmCalendars* calendars = window->CalendarsWindow();
    const size_t table_rows = calendars->rows.size();
    proposals_->lstProposals->item(1)->setCheckState(Qt::Checked);
    QCOMPARE(calendars->rows.size(), table_rows + 1);
    QCOMPARE(calendars->findChild<QLineEdit*>("txbCalYmd_my_33")->text(), QString("2024-03-21 MQ"));

    comparison_->txbCompareFrom->setText("2024");
    comparison_->txbCompareYears->setText("2");
    QTest::mouseClick(comparison_->cmdDoIt, Qt::LeftButton);
    const QString compared = comparison_->txbOutput->toPlainText();
    QVERIFY2(compared.contains("EN      MQ\n"), qPrintable(compared));
    QVERIFY(compared.contains("\nMy 33-year rule: "));

    proposals_->lstProposals->item(1)->setCheckState(Qt::Unchecked);
    QCOMPARE(calendars->rows.size(), table_rows);
  }

  void importRefusesABadFileAndTakesAGoodOne() {
    OpenProposals();
    QString chosen = elsewhere_.filePath("broken-too.json");
    Write(chosen, kBroken);
    SetOpenFileChooser([&chosen] { return chosen; });
    QTest::mouseClick(proposals_->cmdImport, Qt::LeftButton);
    QCOMPARE(messages->requests.back(),
             (MessageRequest{"broken-too.json was refused: months[0].days: a whole number from 1 "
                             "to 400 is needed.\r\nNothing was written.",
                             MessageStyle::kExclamation, MessageButtons::kOk, "Proposals"}));
    QVERIFY(!QFile::exists(UserCalendarsFolder() + "/broken-too.json"));

    chosen = elsewhere_.filePath("imported.json");
    Write(chosen, Definition("Imported", "imported", "IQ"));
    QTest::mouseClick(proposals_->cmdImport, Qt::LeftButton);
    QCOMPARE(Listed(proposals_).last(), QString("Imported (IQ, imported) - yours"));
    QVERIFY(QFile::exists(UserCalendarsFolder() + "/imported.json"));
    QCOMPARE(window->Proposals().Compared().size(), size_t{1});  // compared at once

    // A copy under a key and tag of its own, deleted after the question.
    QTest::mouseClick(proposals_->cmdDuplicate, Qt::LeftButton);
    QCOMPARE(Listed(proposals_).last(), QString("Imported (copy) (IQA, imported-2) - yours"));
    QTest::mouseClick(proposals_->cmdDelete, Qt::LeftButton);
    QCOMPARE(messages->requests.back().buttons, MessageButtons::kYesNo);
    QVERIFY(!QFile::exists(UserCalendarsFolder() + "/imported-2.json"));
    QCOMPARE(Listed(proposals_).size(), 3);
  }

  void aNewDefinitionIsCheckedAsTypedAndSaved() {
    OpenProposals();
    QTest::mouseClick(proposals_->cmdNew, Qt::LeftButton);
    frmDefinition* form = proposals_->DefinitionWindow();
    form->txbName->setText("Typed");
    form->txbKey->setText("typed");
    QCOMPARE(form->lblDefinitionError->text(), QString("tag: a text is needed"));
    QVERIFY(!form->cmdSave->isEnabled());
    form->txbTag->setText("TQ");
    QCOMPARE(form->lblDefinitionError->text(), QString());
    QVERIFY(form->txbDefinitionText->toPlainText().startsWith(
        "{\n  \"name\": \"Typed\",\n  \"key\": \"typed\",\n  \"tag\": \"TQ\",\n"));
    QTest::mouseClick(form->cmdSave, Qt::LeftButton);
    QCOMPARE(Listed(proposals_).last(), QString("Typed (TQ, typed) - yours"));
    QVERIFY(QFile::exists(UserCalendarsFolder() + "/typed.json"));
  }
};

QTEST_MAIN(ProposalsWindowTest)
#include "proposals_window_test.moc"
