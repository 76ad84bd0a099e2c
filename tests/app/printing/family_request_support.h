#pragma once
// The windows of the family-register request as start-up creates them
// (Form1, then Form5, then Form6) in a scratch program folder, with the
// message boxes recorded, the clock fixed and the preview's wait scripted.
#include <QCoreApplication>
#include <QStringList>
#include <functional>
#include <gtest/gtest.h>

#include "app/printing/tform5.h"
#include "app/window/tform1.h"
#include "forms/tform6.h"
#include "platform/clock.h"
#include "platform/message_box_recorder.h"
#include "program_folder.h"
#include "report/preview/show_preview.h"
#include "report/preview/standard_preview.h"

namespace kopira::testing {

// Runs `whileOpen` with the preview showing, then closes the preview
// without printing.
class ClosingWait final : public report::PreviewWait {
 public:
  ClosingWait() { report::setPreviewWait(this); }
  ~ClosingWait() override { report::setPreviewWait(nullptr); }
  ClosingWait(const ClosingWait&) = delete;
  ClosingWait& operator=(const ClosingWait&) = delete;

  void Wait(report::TQRStandardPreview& preview, report::PreviewLoop& loop) override {
    ++waits;
    if (whileOpen) whileOpen();
    preview.close();
    loop.Run();
  }

  std::function<void()> whileOpen;
  int waits = 0;
};

class RequestWindows : public ::testing::Test {
 protected:
  RequestWindows() {
    writeBytes(folder_.path(QStringLiteral("memo2.txt")), {});
    writeBytes(folder_.path(QStringLiteral("memo3.txt")), {});
    clock::setSource([] { return QDate(2026, 8, 8); });
    Form1 = new TForm1;
    Form5 = new TForm5;
    Form6 = new TForm6;
  }
  ~RequestWindows() override {
    delete Form6;
    delete Form5;
    delete Form1;
    Form6 = nullptr;
    Form5 = nullptr;
    Form1 = nullptr;
    clock::setSource({});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  // The office block as typed: lines joined by line breaks.
  static void setOffice(const QString& text) { Form1->Memo6->setText(text); }
  static QStringList officeLines() { return Form1->Memo6->Lines().toStringList(); }

  // Sample values in all six fields of the dialog and in the main
  // window's bar association, registration number and telephone.
  static void fillSample() {
    const QStringList texts{QStringLiteral("新宿区長"), QStringLiteral("東京都新宿区西新宿二丁目８番１号"),
                            QStringLiteral("山田太郎"), QStringLiteral("山田花子"), QStringLiteral("全部"),
                            QStringLiteral("裁判資料として")};
    const std::array<TEdit*, 6> fields{Form5->Edit1, Form5->Edit2, Form5->Edit3, Form5->Edit4, Form5->Edit5, Form5->Edit6};
    for (size_t i = 0; i < fields.size(); ++i) fields[i]->setText(texts[static_cast<qsizetype>(i)]);
    setOffice(QStringLiteral("東京都千代田区丸の内一丁目１番１号\n丸の内ビル５階　甲野法律事務所\n弁護士　甲野一郎"));
    Form1->Edit1->setText(QStringLiteral("第一東京"));
    Form1->Edit2->setText(QStringLiteral("２３４５６"));
    Form1->Edit5->setText(QStringLiteral("03-1234-5678"));
  }

  ProgramFolder folder_;
  MessageBoxRecorder boxes_;
};

}  // namespace kopira::testing
