#pragma once
// Helpers for the print button tests: the main window with the three
// registry pages, a preview wait that records what each preview showed and
// closes it, and the texts of a recorded page picture.
#include <QApplication>
#include <QDir>
#include <QSignalBlocker>
#include <QTemporaryDir>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "app/window/tform1.h"
#include "forms/tform2.h"
#include "forms/tform3.h"
#include "forms/tform4.h"
#include "platform/clock.h"
#include "platform/message_box_recorder.h"
#include "report/emf/emf_format.h"
#include "report/preview/qr_preview.h"
#include "report/preview/show_preview.h"
#include "report/preview/standard_preview.h"
#include "report/model/qr_label.h"

namespace kopira::printtest {

// A text of a page picture: its reference point in mm from the paper's corner.
struct PictureText {
  double xMm;
  double yMm;
  QString text;
};

// The ExtTextOutW records of an EMF page picture.
inline std::vector<PictureText> pictureTexts(const QByteArray& emf) {
  const auto u32 = [&](qsizetype at) {
    quint32 v;
    std::memcpy(&v, emf.constData() + at, 4);
    return v;
  };
  std::vector<PictureText> out;
  for (qsizetype at = 0; at + 8 <= emf.size();) {
    const quint32 type = u32(at);
    const quint32 size = u32(at + 4);
    if (size < 8 || at + size > emf.size()) break;
    if (type == report::emf::kExtTextOutW && size >= 76) {
      float unitsPer100thMm;  // exScale: 0.01 mm per device unit
      std::memcpy(&unitsPer100thMm, emf.constData() + at + 28, 4);
      const auto x = static_cast<qint32>(u32(at + 36));
      const auto y = static_cast<qint32>(u32(at + 40));
      const quint32 chars = u32(at + 44);
      const quint32 offset = u32(at + 48);
      if (offset + chars * 2 <= size) {
        const auto* text = reinterpret_cast<const char16_t*>(emf.constData() + at + offset);
        out.push_back({x * double{unitsPer100thMm} / 100.0, y * double{unitsPer100thMm} / 100.0,
                       QString::fromUtf16(text, static_cast<qsizetype>(chars))});
      }
    }
    at += size;
  }
  return out;
}

// What one preview showed, read while it was open.
struct ShownPreview {
  int pageCount = 0;
  QSizeF paperMm;
  std::vector<PictureText> texts;
  QString historyMeanwhile;  // the history while the preview was open
};

// Records every preview, then closes it, as a user who does not print
// unless told to.
class ClosingPreviewWait : public report::PreviewWait {
 public:
  explicit ClosingPreviewWait(const TForm1& form) : form_(form) { report::setPreviewWait(this); }
  ~ClosingPreviewWait() override { report::setPreviewWait(nullptr); }

  void Wait(report::TQRStandardPreview& preview, report::PreviewLoop& loop) override {
    const report::TQRPrinter* printer = preview.QRPreview()->QRPrinter();
    ShownPreview shown;
    shown.pageCount = printer->PageCount();
    shown.paperMm = printer->PaperSizeNative() / 10.0;
    shown.texts = pictureTexts(printer->GetPage(1));
    shown.historyMeanwhile = form_.Memo5->Text();
    shows.push_back(shown);
    open = &preview;
    if (whileOpen) whileOpen();
    open = nullptr;
    preview.close();
    loop.Run();
  }

  // What the user does before closing, such as printing, in the open preview.
  std::function<void()> whileOpen;
  report::TQRStandardPreview* open = nullptr;
  std::vector<ShownPreview> shows;

 private:
  const TForm1& form_;
};

// The main window and the three registry pages in a working folder of their
// own, message boxes recorded, previews closed at once.
class PrintButtons : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    previousFolder = QDir::currentPath();
    QDir::setCurrent(folder.path());
    form = std::make_unique<TForm1>();
    Form2 = new TForm2;
    Form3 = new TForm3;
    Form4 = new TForm4;
    wait = std::make_unique<ClosingPreviewWait>(*form);
    clock::setSource([] { return QDate(2026, 12, 8); });
    // Boxes from the start (note files not found) are not the buttons'.
    boxes.boxes.clear();
    form->Memo5->setText(QString());
  }

  void TearDown() override {
    clock::setSource({});
    wait.reset();
    for (QWidget* page : std::initializer_list<QWidget*>{Form4, Form3, Form2}) delete page;
    Form2 = nullptr;
    Form3 = nullptr;
    Form4 = nullptr;
    form.reset();
    QDir::setCurrent(previousFolder);
  }

  // The office address as stored, past the box's own four-line cut.
  void setOffice(const QString& text) {
    const QSignalBlocker quiet(form->Memo6);
    form->Memo6->setText(text);
  }

  // n short lines, each one display row.
  static QString rows(int n, const QString& stem = QStringLiteral("行")) {
    QStringList lines;
    for (int i = 1; i <= n; ++i) lines << stem + QString::number(i);
    return lines.join(QStringLiteral("\r\n"));
  }

  QStringList messages() const {
    QStringList texts;
    for (const auto& box : boxes.boxes) texts << box.text;
    return texts;
  }

  QTemporaryDir folder;
  QString previousFolder;
  MessageBoxRecorder boxes;
  std::unique_ptr<TForm1> form;
  std::unique_ptr<ClosingPreviewWait> wait;
};

inline QString captionOf(const report::TQRReport& page, const QString& name) {
  const report::TQRLabel* label = page.label(name);
  return label ? label->caption() : QStringLiteral("<no label %1>").arg(name);
}

inline QStringList linesOf(const report::TQRReport& page, const QString& name) {
  const report::TQRMemo* memo = page.memo(name);
  return memo ? memo->lines() : QStringList{QStringLiteral("<no memo %1>").arg(name)};
}

}  // namespace kopira::printtest
