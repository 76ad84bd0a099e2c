// The main window's part in what survives between runs: settings and note
// panes read at creation, the history loaded at the first show, everything
// saved at close; and the arrow buttons that copy from the history.
#include "app/controls/line_breaks.h"
#include "app/files/termination_signals.h"
#include "app/files/text_pane.h"
#include "app/history/history_copy.h"
#include "app/printing/tform5.h"
#include "app/recovery/recovery_keeper.h"
#include "app/window/close_sequence.h"
#include "app/window/tform1.h"

using kopira::MemoPane;

kopira::stored_settings::MainWindowFields TForm1::mainFields() {
  using kopira::stored_settings::textOf;
  return {&Memo6->Lines(),
          {textOf(Edit1), textOf(Edit2), textOf(Edit3), textOf(Edit4), textOf(Edit5)},
          {textOf(Edit6), textOf(Edit7), textOf(Edit8)},
          this};
}

void TForm1::FormCreate() {
  kopira::stored_settings::readMainWindow(*IniGT1, mainFields());
  MemoPane<TMemo> memo4(*Memo4), memo3(*Memo3);
  notes_.load(memo4, memo3);
}

void TForm1::FormShow() { historyLoad_->start(); }

QString TForm1::historyAsClosed() const {
  QString text = Memo5->toPlainText();
  for (const QString& entry : heldHistory_->pending())
    text += kopira::appendedEntry(text.isEmpty() || text.endsWith(QLatin1Char('\n')), kopira::toLf(entry));
  return text;
}

bool TForm1::FormClose() {
  // A history still loading goes in whole; prints whose previews are still
  // open are recorded next.
  historyLoad_->finish();
  heldHistory_->releaseAll();
  // The recovery file holds everything typed before the close changes the
  // boxes, in case the close does not complete.
  if (recovery_) recovery_->closing();
  // The history as the user left it, for a close the user takes back.
  const QString typedHistory = Memo5->Text();
  MemoPane<TMemo> history(*Memo5), memo4(*Memo4), memo3(*Memo3);
  const kopira::stored_settings::MainWindowFields fields = mainFields();
  const kopira::stored_settings::DialogFields dialog = Form5->dialogFields();
  // The history loses its rows one by one; its pane need not repaint and
  // scroll along with each.
  Memo5->setUpdatesEnabled(false);
  // Nobody may be at the screen to read a message when the close came from
  // outside.
  // An end asked for from outside while the user was asked still ends.
  const kopira::CloseOutcome outcome = kopira::saveAtClose(
      {history_, Memo5->Lines(), history, *IniGT1, fields, dialog, notes_, memo4, memo3}, !signals_->requested());
  const bool ends = outcome.ends || signals_->requested();
  if (!ends) Memo5->setText(typedHistory);
  Memo5->setUpdatesEnabled(true);
  if (recovery_ && !ends) recovery_->resume();
  if (recovery_ && ends && outcome.complete) recovery_->closed();
  return ends;
}

void TForm1::Memo5Click() {
  BitBtn6->show();
  BitBtn7->show();
}

void TForm1::BitBtn6Click() { Memo2->setText(kopira::selectedLines(*Memo5)); }

void TForm1::BitBtn7Click() { Memo1->setText(kopira::selectedLines(*Memo5)); }
