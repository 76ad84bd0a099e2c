#include "app/window/tform1.h"

#include <QCloseEvent>
#include <QShortcut>
#include <utility>

#include "app/files/close_report.h"
#include "app/files/file_locations.h"
#include "app/files/interrupted_save.h"
#include "app/files/settings_component.h"
#include "app/files/termination_signals.h"
#include "app/window/activation_watch.h"
#include "app/window/mail_and_hp.h"
#include "platform/file_replace.h"
#include "platform/message_box.h"

TForm1* Form1 = nullptr;

// The history and note files live in the working folder, or in the user's
// data folder when the program was started from the desktop menu.
TForm1::TForm1(QWidget* parent)
    : QWidget(parent),
      history_(kopira::file_locations::dataFolder()),
      // Nobody can be asked to make a file in a folder he never chose.
      notes_(kopira::file_locations::dataFolder(), kopira::file_locations::dataFolderIsProgramsOwn()
                                                       ? kopira::NotePaneFiles::WhenMissing::CreateEmpty
                                                       : kopira::NotePaneFiles::WhenMissing::Ask) {
  buildWindow();
  historyLoad_ = std::make_unique<kopira::HistoryLoad>(history_, *Memo5, [this] {
    Q_EMIT historyLoaded();
    if (std::exchange(activationWaits_, false)) FormActivate();
  });
  heldHistory_ = std::make_unique<kopira::HeldHistory>(historyLoad_->lines());
  printInputs_ = {Memo1, Memo2, Memo6, Memo7, Edit1, Edit2, Edit3, Edit4, Edit5, heldHistory_.get()};
  kopira::print::MainWindowInputs = &printInputs_;
  IniGT1 = kopira::createSettingsComponent(this);
  kopira::clearInterruptedSave(IniGT1->path());
  // The unsaved folder is the user's own, written by every copy; the locks
  // on its temporary files keep a running save's file out of the sweep.
  kopira::file_replace::removeStrayTemporariesIn(kopira::unsavedFolder());
  printShifts_ = std::make_unique<kopira::PrintShiftSettings>(*IniGT1);
  MailAndHP2 = new TMailAndHP(this);
  MailAndHP2->setObjectName(QStringLiteral("MailAndHP2"));
  MailAndHP2->setHomePageAddress(QStringLiteral("http://"));
  connectHandlers();
  FormCreate();
  signals_ = new kopira::TerminationSignals([this] { close(); }, this);
}

TForm1::~TForm1() {
  if (kopira::print::MainWindowInputs == &printInputs_) kopira::print::MainWindowInputs = nullptr;
}

void TForm1::connectHandlers() {
  connect(BitBtn1, &QPushButton::clicked, this, &TForm1::BitBtn1Click);
  connect(BitBtn2, &QPushButton::clicked, this, &TForm1::BitBtn2Click);
  connect(BitBtn3, &QPushButton::clicked, this, &TForm1::BitBtn3Click);
  connect(BitBtn5, &QPushButton::clicked, this, &TForm1::BitBtn5Click);
  connect(Memo2, &TMemo::clicked, this, &TForm1::Memo2Click);
  connect(Memo6, &TMemo::textChanged, this, &TForm1::Memo6Change);
  Memo6->OnKeyPress = [this](QChar& key) { Memo6KeyPress(key); };
  connect(BitBtn8, &QPushButton::clicked, this, &TForm1::BitBtn8Click);
  connect(BitBtn4, &QPushButton::clicked, this, &TForm1::BitBtn4Click);
  connect(Edit6, &TEdit::doubleClicked, this, &TForm1::Edit6DblClick);
  connect(Edit7, &TEdit::doubleClicked, this, &TForm1::Edit7DblClick);
  connect(Edit8, &TEdit::doubleClicked, this, &TForm1::Edit8DblClick);
  connect(Memo5, &TMemo::clicked, this, &TForm1::Memo5Click);
  connect(BitBtn6, &QPushButton::clicked, this, &TForm1::BitBtn6Click);
  connect(BitBtn7, &QPushButton::clicked, this, &TForm1::BitBtn7Click);
  new ActivationWatch(this, [this] { FormActivate(); });
  // Ctrl+Q closes the window as its close box does.
  new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this, this, &QWidget::close);
}

void TForm1::BitBtn5Click() {
  kopira::messageBoxes().information(
      QStringLiteral("情報"),
      QStringLiteral("support@kopira.example\u3000Kopira\nhttps://kopira.example/"));
}

void TForm1::Memo2Click() {
  // A click in the company block only places the caret.
}

void TForm1::Memo6Change() {
  // Cutting the surplus raises this handler again, which then finds four
  // lines and stops.
  if (Memo6->Lines().Count() > kOfficeAddressLines) Memo6->Lines().DeleteFrom(kOfficeAddressLines);
}

void TForm1::Memo6KeyPress(QChar& key) {
  if (key == QLatin1Char('\r') && Memo6->Lines().Count() > kOfficeAddressLines) key = QChar();
}

void TForm1::Edit6DblClick() { kopira::openWebShortcut(*MailAndHP2, Edit6->text()); }

void TForm1::Edit7DblClick() { kopira::openWebShortcut(*MailAndHP2, Edit7->text()); }

void TForm1::Edit8DblClick() { kopira::openWebShortcut(*MailAndHP2, Edit8->text()); }

void TForm1::FormActivate() {
  // Ends the history with exactly one line break unless it is empty, and
  // shows its end; a history still loading is ended once it is in.
  if (historyLoad_->loading()) {
    activationWaits_ = true;
    return;
  }
  TMemoLines& history = Memo5->Lines();
  history.Add(QString());
  Memo5->ensureCursorVisible();
  // The last counted row alone: a long history is not laid out whole here.
  if (history.Last().isEmpty()) history.DeleteLast();
  Memo2->setFocus();
}

void TForm1::BitBtn8Click() {
  Memo2->clearAsEdit();
  Memo1->clearAsEdit();
}

void TForm1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Qt shows the window again after it was minimised; the history is
  // loaded at the first show only.
  if (historyLoaded_) return;
  historyLoaded_ = true;
  FormShow();
}

void TForm1::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  if (!event->isAccepted()) return;
  if (!FormClose()) {
    event->ignore();
    return;
  }
  Q_EMIT closed();
}
