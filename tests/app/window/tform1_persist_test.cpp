// What the real main window keeps between runs: the settings and note
// files read at creation, the history at the first show, everything written
// at close; the history's arrow buttons, the web shortcuts, the close on a
// termination signal; each printer queue's print-position adjustment.
#include <QApplication>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <csignal>
#include <gtest/gtest.h>

#include "app/printing/tform5.h"
#include "app/window/mail_and_hp.h"
#include "app/window/tform1.h"
#include "platform/cp932.h"
#include "platform/message_box_recorder.h"
#include "program_folder.h"
#include "report/print/print_dialog.h"
#include "report/print/print_setup.h"
#include "report/print/print_shift_tab.h"
#include "report/model/qr_report.h"

using namespace Qt::StringLiterals;
using kopira::testing::makeReadOnly;
using kopira::testing::readBytes;
using kopira::testing::writeBytes;

namespace {

QByteArray cp932(const QString& text) { return kopira::cp932::encode(text).value_or(QByteArray()); }

class KeptBetweenRuns : public ::testing::Test {
 protected:
  ~KeptBetweenRuns() override { stop(); }

  // Creates the main window and then the dialog, as start-up does.
  void start() {
    stop();
    form = std::make_unique<TForm1>();
    dialog = std::make_unique<TForm5>();
    Form1 = form.get();
    Form5 = dialog.get();
  }
  void show() {
    form->show();
    form->activateWindow();
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
  }
  // Closes the main window as its close button does.
  void close() { EXPECT_TRUE(form->close()); }
  void stop() {
    Form1 = nullptr;
    Form5 = nullptr;
    dialog.reset();
    form.reset();
  }
  void restart() {
    start();
    show();
  }

  QByteArray file(const char* name) const { return readBytes(folder.path(QLatin1String(name))); }
  void writeFile(const char* name, const QString& text) const { writeBytes(folder.path(QLatin1String(name)), cp932(text)); }
  QStringList iniLines() const {
    return kopira::cp932::decodeLossy(readBytes(folder.ini())).split(u"\r\n"_s, Qt::SkipEmptyParts);
  }
  void typeInto(QWidget* box, const QString& text) {
    box->setFocus();
    for (const QChar c : text) {
      QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
      QApplication::sendEvent(box, &press);
    }
  }

  kopira::testing::ProgramFolder folder;
  kopira::MessageBoxRecorder messages;
  std::unique_ptr<TForm1> form;
  std::unique_ptr<TForm5> dialog;
};

TEST_F(KeptBetweenRuns, FirstStartShowsEveryDefaultAndAsksForBothNoteFiles) {
  start();
  ASSERT_EQ(messages.boxes.size(), 2u);
  EXPECT_FALSE(messages.boxes[0].information);
  EXPECT_EQ(messages.boxes[0].text, u"memo3.txtファイルを作成してください"_s);
  EXPECT_EQ(messages.boxes[1].text, u"memo2.txtファイルを作成してください"_s);

  EXPECT_EQ(form->Memo6->Text(), QString());
  const QStringList edits{form->Edit1->text(), form->Edit2->text(), form->Edit3->text(), form->Edit4->text()};
  EXPECT_EQ(edits, (QStringList{u"東京"_s, u"１２３４５"_s, u"東京法務局"_s, u"浦和市長"_s}));
  EXPECT_TRUE(form->Edit5->text().startsWith(u"tel "_s));
  EXPECT_TRUE(form->Edit6->text().startsWith(u"https://"_s));
  EXPECT_TRUE(form->Edit7->text().startsWith(u"http://"_s));
  EXPECT_TRUE(form->Edit8->text().startsWith(u"http://"_s));
  EXPECT_EQ(form->pos(), QPoint(50, 50));
  EXPECT_EQ(form->Memo4->Text(), u"M\r\ne\r\nm\r\no\r\n4\r\n"_s);
  EXPECT_EQ(form->Memo3->Text(), u"\r\n"_s);
  EXPECT_EQ(dialog->Edit1->text(), u"千代田区長"_s);

  // The panes' starting texts are no edit of the user's: no note file yet.
  show();
  close();
  EXPECT_FALSE(QFileInfo::exists(folder.path(u"memo2.txt"_s)));
  EXPECT_FALSE(QFileInfo::exists(folder.path(u"memo3.txt"_s)));
}

TEST_F(KeptBetweenRuns, StartReadsTheStoredInputsAndTheCrossedNoteFiles) {
  writeFile("Kopira.ini",
            u"[memo]\r\nmemo.lines.Count=2\r\nmemo.lines.0=東京都港区\r\nmemo.lines.1=弁護士　山田\r\n"
            "memo.lines.2=stale\r\nedit1.text=第二東京\r\nedit5.text=  tel 03-0000-0000  \r\n"
            "[URL]\r\nedit7.text=http://forms.example/\r\n[form]\r\ntop=70\r\nleft=60\r\n"_s);
  writeFile("memo3.txt", u"不動産のメモ"_s);
  writeFile("memo2.txt", u"会社のメモ\r\n"_s);
  start();
  EXPECT_TRUE(messages.boxes.empty());
  EXPECT_EQ(form->Memo6->Text(), u"東京都港区\r\n弁護士　山田\r\n"_s) << "the stale third key is not read";
  EXPECT_EQ(form->Edit1->text(), u"第二東京"_s);
  EXPECT_EQ(form->Edit2->text(), u"１２３４５"_s);
  EXPECT_EQ(form->Edit5->text(), u"tel 03-0000-0000"_s);
  EXPECT_EQ(form->Edit7->text(), u"http://forms.example/"_s);
  EXPECT_EQ(form->pos(), QPoint(60, 70));
  EXPECT_EQ(form->Memo4->Text(), u"不動産のメモ"_s) << "Memo4 keeps memo3.txt";
  EXPECT_EQ(form->Memo3->Text(), u"会社のメモ\r\n"_s) << "Memo3 keeps memo2.txt";
}

TEST_F(KeptBetweenRuns, PositionFarOffEveryScreenComesBack) {
  writeFile("Kopira.ini", u"[form]\r\ntop=-40000\r\nleft=99999\r\n"_s);
  folder.writeNotes();
  start();
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_TRUE(screen.contains(form->pos())) << form->pos().x() << "," << form->pos().y();
}

TEST_F(KeptBetweenRuns, HistoryLoadsAtTheFirstShowOnly) {
  folder.writeNotes();
  writeFile("kopiralog.txt", u"株式会社甲\r\n株式会社乙"_s);
  start();
  EXPECT_EQ(form->Memo5->Text(), QString());
  show();
  EXPECT_EQ(form->Memo5->Text(), u"株式会社甲\r\n株式会社乙\r\n"_s);
  form->Memo5->setText(u"印刷した行\r\n"_s);
  form->hide();
  show();
  EXPECT_EQ(form->Memo5->Text(), u"印刷した行\r\n"_s);
}

TEST_F(KeptBetweenRuns, ALongHistoryLoadsBetweenEventsAndACloseWaitsForAllOfIt) {
  folder.writeNotes();
  QStringList lines;
  // 2.6 MB, no final break: long enough that even a fast machine needs
  // several turns of the event loop to put it into the box.
  for (int i = 0; i < 100000; ++i) lines << u"株式会社コピラ第%1号"_s.arg(i);
  writeFile("kopiralog.txt", lines.join(u"\r\n"_s));
  start();
  form->show();
  form->activateWindow();
  int turns = 0;
  QElapsedTimer clock;
  clock.start();
  for (; form->historyLoading() && clock.elapsed() < 10000; ++turns) {
    EXPECT_TRUE(form->Memo5->isReadOnly());
    QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  }
  EXPECT_GT(turns, 1) << "the window kept answering while the history went in";
  EXPECT_FALSE(form->Memo5->isReadOnly());
  EXPECT_EQ(form->Memo5->Text(), lines.join(u"\r\n"_s) + u"\r\n"_s) << "activation ended it once it was in";

  start();
  form->show();
  ASSERT_TRUE(form->historyLoading());
  close();
  EXPECT_EQ(file("kopiralog.txt"), cp932(lines.mid(lines.size() - 100).join(u"\r\n"_s))) << "closed before any activation";

  writeBytes(folder.path(u"kopiralog.txt"_s), QByteArray(300'000, '\xff'));  // long, and not CP932
  start();
  form->show();
  for (clock.start(); form->historyLoading() && clock.elapsed() < 10000;) QApplication::processEvents();
  EXPECT_EQ(form->Memo5->Text(), QString());
  EXPECT_FALSE(form->Memo5->isReadOnly()) << "a failed load leaves the box open to typing";
}

TEST_F(KeptBetweenRuns, CloseDropsBlankRowsAndKeepsTheLast100) {
  folder.writeNotes();
  // 29 short lines, one line wrapping into two rows, 99 short lines: 130
  // rows, with blank lines at the start, between and at the end.
  const QString wrapped = u"あ"_s.repeated(45);
  QStringList lines{QString()};
  for (int i = 0; i < 29; ++i) lines << u"古い行%1"_s.arg(i) << QString();
  lines << wrapped;
  QStringList kept;
  for (int i = 0; i < 99; ++i) kept << u"新しい行%1"_s.arg(i);
  lines += kept;
  lines << QString() << QString();
  writeFile("kopiralog.txt", lines.join(u"\r\n"_s));
  start();
  show();
  const int headLength = static_cast<int>(form->Memo5->Lines().Get(59).size());
  ASSERT_EQ(form->Memo5->Lines().Get(59) + form->Memo5->Lines().Get(60), wrapped) << "the long line wraps in two";
  close();
  // The first 30 rows go: the old lines and the head of the wrapped line,
  // whose tail stays as the first line.
  const QString expected = wrapped.mid(headLength) + u"\r\n"_s + kept.join(u"\r\n"_s) + u"\r\n"_s;
  EXPECT_EQ(file("kopiralog.txt"), cp932(expected));
}

TEST_F(KeptBetweenRuns, CloseWritesEverySettingInItsSectionAndOrder) {
  folder.writeNotes();
  start();
  show();
  form->Memo6->setText(u"東京都千代田区\r\n弁護士　甲野\r\n"_s);
  form->Edit3->setText(u"横浜地方法務局"_s);
  form->Edit8->setText(u"http://edited.example/"_s);
  form->move(120, 80);
  dialog->Edit2->setText(u"新宿区西新宿２丁目８番地"_s);  // the dialog was never shown
  close();
  const QStringList expected{u"[memo]"_s,
                             u"memo.lines.Count=2"_s,
                             u"memo.lines.0=東京都千代田区"_s,
                             u"memo.lines.1=弁護士　甲野"_s,
                             u"edit1.text=東京"_s,
                             u"edit2.text=１２３４５"_s,
                             u"edit3.text=横浜地方法務局"_s,
                             u"edit4.text=浦和市長"_s,
                             u"edit5.text="_s + form->Edit5->text(),
                             u"[form]"_s,
                             u"top=80"_s,
                             u"left=120"_s,
                             u"[jyu]"_s,
                             u"edit1.text=千代田区長"_s,
                             u"edit2.text=新宿区西新宿２丁目８番地"_s,
                             u"edit3.text=山田花子"_s,
                             u"edit4.text=世帯員の全員"_s,
                             u"edit5.text=全部"_s,
                             u"edit6.text=裁判資料"_s,
                             u"[form5]"_s,
                             u"top=50"_s,
                             u"left=50"_s,
                             u"[URL]"_s,
                             u"edit6.text="_s + form->Edit6->text(),
                             u"edit7.text="_s + form->Edit7->text(),
                             u"edit8.text=http://edited.example/"_s};
  EXPECT_EQ(iniLines(), expected);
  EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(KeptBetweenRuns, EverythingComesBackAndAShorterAddressLeavesStaleKeysUnread) {
  folder.writeNotes();
  start();
  show();
  form->Memo6->setText(u"一\r\n二\r\n三\r\n四\r\n"_s);
  form->Edit1->setText(u"  大阪  "_s);
  dialog->Edit6->setText(u"相続手続"_s);
  form->Memo5->Lines().Add(u"株式会社丙"_s);
  close();

  restart();
  EXPECT_EQ(form->Memo6->Text(), u"一\r\n二\r\n三\r\n四\r\n"_s);
  EXPECT_EQ(form->Edit1->text(), u"大阪"_s) << "blanks at either end are dropped";
  EXPECT_EQ(dialog->Edit6->text(), u"相続手続"_s);
  EXPECT_EQ(form->Memo5->Text(), u"株式会社丙\r\n"_s);
  form->Memo6->setText(u"一\r\n二\r\n"_s);
  close();
  EXPECT_TRUE(iniLines().contains(u"memo.lines.3=四"_s)) << "the stale key stays in the file";

  restart();
  EXPECT_EQ(form->Memo6->Text(), u"一\r\n二\r\n"_s);
}

TEST_F(KeptBetweenRuns, OnlyANotePaneTheUserChangedIsWritten) {
  writeFile("memo2.txt", u"会社のメモ"_s);
  writeFile("memo3.txt", u"不動産のメモ"_s);
  const QDateTime old(QDate(2020, 1, 2), QTime(3, 4, 5));
  for (const char* name : {"memo2.txt", "memo3.txt"}) {
    QFile note(folder.path(QLatin1String(name)));
    ASSERT_TRUE(note.open(QIODevice::ReadWrite));
    ASSERT_TRUE(note.setFileTime(old, QFileDevice::FileModificationTime));
  }
  const auto modified = [&](const char* name) { return QFileInfo(folder.path(QLatin1String(name))).lastModified(); };

  start();
  show();
  form->Memo3->setText(u"プログラムが書いた"_s);  // not the user's edit
  close();
  EXPECT_EQ(modified("memo2.txt"), old);
  EXPECT_EQ(modified("memo3.txt"), old);

  restart();
  form->Memo3->moveCursor(QTextCursor::End);
  typeInto(form->Memo3, u"と追記"_s);
  close();
  EXPECT_EQ(file("memo2.txt"), cp932(u"会社のメモと追記"_s));
  EXPECT_EQ(modified("memo3.txt"), old);
}

TEST_F(KeptBetweenRuns, ReadOnlySettingsAreNamedOnceAndCostNoNotes) {
  folder.writeNotes();
  writeFile("Kopira.ini", u"[memo]\r\nedit1.text=札幌\r\n"_s);
  makeReadOnly(folder.ini());
  start();
  show();
  typeInto(form->Memo4, u"土地"_s);
  form->Memo5->Lines().Add(u"株式会社丁"_s);
  close();
  ASSERT_EQ(messages.boxes.size(), 1u);
  EXPECT_TRUE(messages.boxes[0].text.contains(u"・Kopira.ini：ファイルが読み取り専用です。"_s));
  EXPECT_EQ(file("memo3.txt"), cp932(u"土地"_s));
  EXPECT_EQ(file("kopiralog.txt"), cp932(u"株式会社丁\r\n"_s));
  EXPECT_EQ(file("Kopira.ini"), cp932(u"[memo]\r\nedit1.text=札幌\r\n"_s));
}

TEST_F(KeptBetweenRuns, TerminationSignalClosesTheWindowAndSavesWithoutAsking) {
  folder.writeNotes();
  start();
  show();
  makeReadOnly(folder.path(u"memo2.txt"_s));
  typeInto(form->Memo3, u"未保存"_s);
  form->Edit4->setText(u"さいたま市長"_s);
  bool closed = false;
  QObject::connect(form.get(), &TForm1::closed, [&] { closed = true; });
  std::raise(SIGTERM);
  for (int i = 0; i < 50 && !closed; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  ASSERT_TRUE(closed);
  EXPECT_FALSE(form->isVisible());
  EXPECT_TRUE(iniLines().contains(u"edit4.text=さいたま市長"_s));
  EXPECT_TRUE(messages.boxes.empty()) << "nobody is there to answer a message";
}

TEST_F(KeptBetweenRuns, ClickInTheHistoryShowsArrowsThatCopyItsSelection) {
  folder.writeNotes();
  writeFile("kopiralog.txt", u"東京都港区\r\n株式会社甲\r\n千葉県\r\n"_s);
  start();
  show();
  EXPECT_FALSE(form->BitBtn6->isVisible());
  const QPointF inside(20, 10);
  QMouseEvent release(QEvent::MouseButtonRelease, inside, form->Memo5->viewport()->mapToGlobal(inside),
                      Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(form->Memo5->viewport(), &release);
  EXPECT_TRUE(form->BitBtn6->isVisible());
  EXPECT_TRUE(form->BitBtn7->isVisible());

  QTextCursor selection(form->Memo5->document());
  selection.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, 2);
  form->Memo5->setTextCursor(selection);
  form->Memo2->setText(u"前の会社"_s);
  form->BitBtn6->click();
  EXPECT_EQ(form->Memo2->Text(), u"東京都港区\r\n株式会社甲\r\n"_s);
  EXPECT_EQ(form->Memo1->Text(), QString());
  form->BitBtn7->click();
  EXPECT_EQ(form->Memo1->Text(), u"東京都港区\r\n株式会社甲\r\n"_s);
  form->Memo5->moveCursor(QTextCursor::End);
  form->BitBtn6->click();
  EXPECT_EQ(form->Memo2->Text(), QString()) << "nothing selected empties the block";
}

TEST_F(KeptBetweenRuns, EachShortcutOpensItsBoxAsEdited) {
  folder.writeNotes();
  kopira::testing::RecordingOpener opener;
  start();
  show();
  EXPECT_EQ(form->MailAndHP2->HomePageAddress(), u"http://"_s);
  const auto doubleClick = [](QWidget* box) {
    const QPointF inside(5, 5);
    QMouseEvent event(QEvent::MouseButtonDblClick, inside, box->mapToGlobal(inside), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &event);
  };
  const QString stored7 = form->Edit7->text();
  form->Edit6->setText(u"https://edited.example/"_s);
  doubleClick(form->Edit6);
  doubleClick(form->Edit7);
  form->Edit8->clear();
  doubleClick(form->Edit8);
  EXPECT_EQ(opener.opened, (QStringList{u"https://edited.example/"_s, stored7, QString()}));
}

// The print dialog answered with the adjustment tab as the user left it.
class DialogWithShiftTab : public kopira::report::PrintDialogRunner {
 public:
  explicit DialogWithShiftTab(kopira::report::PrintShiftTab& tab) : tab_(tab) {
    kopira::report::setPrintDialogRunner(this);
  }
  ~DialogWithShiftTab() override { kopira::report::setPrintDialogRunner(nullptr); }
  bool Run(QWidget*, kopira::report::PrintDialogRequest& request) override {
    request.shifts = tab_.changedShifts();
    return true;
  }

 private:
  kopira::report::PrintShiftTab& tab_;
};

TEST_F(KeptBetweenRuns, PrintShiftIsStoredForItsQueueOnlyAndComesBack) {
  using kopira::report::PrintShift;
  folder.writeNotes();
  start();
  kopira::report::TQRReport page;
  {
    // Looking at another queue and changing nothing stores nothing.
    kopira::report::PrintShiftTab tab(u"kopira-ipp"_s);
    DialogWithShiftTab dialogRun(tab);
    kopira::report::RunPrintSetup(page, 0);
    EXPECT_FALSE(QFileInfo::exists(folder.ini()));

    tab.setQueue(u"kopira"_s);
    tab.findChild<QDoubleSpinBox*>(u"Across"_s)->setValue(1.5);
    tab.findChild<QDoubleSpinBox*>(u"Down"_s)->setValue(-0.8);
    kopira::report::RunPrintSetup(page, 0);
  }
  EXPECT_EQ(iniLines(), (QStringList{u"[printshift]"_s, u"kopira.x=15"_s, u"kopira.y=-8"_s}));
  show();
  close();
  restart();
  kopira::report::PrintShiftStore* store = kopira::report::printShiftStore();
  ASSERT_NE(store, nullptr);
  EXPECT_EQ(store->shiftFor(u"kopira"_s), (PrintShift{15, -8}));
  EXPECT_EQ(store->shiftFor(u"kopira-ipp"_s), PrintShift{});
  kopira::report::PrintShiftTab tab(u"kopira"_s);
  EXPECT_EQ(tab.shift(), (PrintShift{15, -8}));
  EXPECT_TRUE(tab.findChild<QLabel*>(u"InForce"_s)->text().contains(u"横 +1.5 mm、縦 －0.8 mm"_s));
  EXPECT_TRUE(messages.boxes.empty());
}

}  // namespace
