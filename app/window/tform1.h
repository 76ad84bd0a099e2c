#pragma once
// TForm1: the main window. It holds every input the printed forms draw on,
// the history and the two note panes.
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <memory>

#include "app/controls/tedit.h"
#include "app/controls/tmemo.h"
#include "app/controls/tsplitter.h"
#include "app/files/stored_settings.h"
#include "app/history/held_history.h"
#include "app/history/history_file.h"
#include "app/history/history_load.h"
#include "app/history/note_panes.h"
#include "app/printing/print_inputs.h"
#include "app/printing/print_shift_settings.h"
#include "settings/tinigt.h"

class TMailAndHP;
namespace kopira {
class TerminationSignals;
namespace recovery {
class Keeper;
}
}  // namespace kopira

class TForm1 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  // The office address holds at most this many lines.
  static constexpr int kOfficeAddressLines = kopira::print::kOfficeAddressLines;

  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label5;
  QLabel* Label6;
  QGroupBox* GroupBox1;
  TMemo* Memo2;
  QFrame* Panel3;
  QFrame* Panel1;
  TMemo* Memo3;
  TSplitter* Splitter1;
  QGroupBox* GroupBox2;
  QFrame* Panel5;
  TMemo* Memo1;
  QFrame* Panel2;
  TMemo* Memo4;
  TSplitter* Splitter2;
  TMemo* Memo6;
  TEdit* Edit1;
  TEdit* Edit2;
  TEdit* Edit3;
  TEdit* Edit4;
  QFrame* Panel4;
  QPushButton* BitBtn4;
  QPushButton* BitBtn3;
  QPushButton* BitBtn2;
  QPushButton* BitBtn1;
  TEdit* Edit5;
  TEdit* Edit6;
  TEdit* Edit7;
  TEdit* Edit8;
  TMemo* Memo5;
  TMemo* Memo7;
  QPushButton* BitBtn6;
  QPushButton* BitBtn7;
  QPushButton* BitBtn5;
  QPushButton* BitBtn8;
  TIniGT* IniGT1;
  TMailAndHP* MailAndHP2 = nullptr;

  // Handlers, in the order the window class lists them.
  void BitBtn2Click();
  void BitBtn1Click();
  void BitBtn5Click();
  void BitBtn3Click();
  void BitBtn4Click();
  void Memo2Click();
  void FormCreate();
  // False when the user chose to try the close again: the window stays.
  bool FormClose();
  void Memo6Change();
  void Memo6KeyPress(QChar& key);
  void Edit6DblClick();
  void Edit7DblClick();
  void Edit8DblClick();
  void FormShow();
  void FormActivate();
  void BitBtn6Click();
  void BitBtn7Click();
  void Memo5Click();
  void BitBtn8Click();

  // Entries of prints whose previews are open, added to the history when
  // they close.
  kopira::HeldHistory& heldHistory() { return *heldHistory_; }
  // Whether a long history is still going into its box after the first show.
  bool historyLoading() const { return historyLoad_->loading(); }
  // Whether the history is in its box.
  bool historyInBox() const { return historyLoad_->inBox(); }
  // Makes the first show put this history into the box instead of the file's.
  void restoreHistory(const QString& text) { historyLoad_->restore(text); }
  // The history as the close would save it (LF breaks): the box's text and
  // the entries of prints whose previews are still open.
  QString historyAsClosed() const;

  // What the window keeps between runs in the settings file.
  kopira::stored_settings::MainWindowFields mainFields();
  // The recovery file kept up to date from the inputs, which the close
  // removes once it has saved everything; none by default.
  void setRecovery(kopira::recovery::Keeper* recovery) { recovery_ = recovery; }

 Q_SIGNALS:
  // The window has closed; closing the main window ends the program.
  void closed();
  // The history is in its box.
  void historyLoaded();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildWindow();
  void buildCompanyGroup();
  void buildRealEstateGroup();
  void buildInputs();
  void buildButtons();
  void setTabOrder();
  void connectHandlers();

  kopira::HistoryFile history_;
  kopira::NotePaneFiles notes_;
  std::unique_ptr<kopira::HistoryLoad> historyLoad_;
  std::unique_ptr<kopira::HeldHistory> heldHistory_;
  // Each printer queue's print-position adjustment, in the settings file.
  std::unique_ptr<kopira::PrintShiftSettings> printShifts_;
  // The inputs the print buttons and the request dialog fill the pages from.
  kopira::print::PrintInputs printInputs_{};
  bool historyLoaded_ = false;
  // Activation came while the history was loading; it runs once it is in.
  bool activationWaits_ = false;
  // Ending the program from outside closes this window normally.
  kopira::TerminationSignals* signals_ = nullptr;
  kopira::recovery::Keeper* recovery_ = nullptr;
};

extern TForm1* Form1;
