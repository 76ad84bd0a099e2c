#pragma once
// TMailAndHP: the non-visual web launcher the main window carries. It opens
// HomePageAddress with the program the desktop associates with it.
#include <QObject>
#include <QString>

class TMailAndHP : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString MailAddress READ MailAddress WRITE setMailAddress)
  Q_PROPERTY(QString HomePageAddress READ HomePageAddress WRITE setHomePageAddress)
 public:
  explicit TMailAndHP(QObject* owner = nullptr) : QObject(owner) {}

  QString MailAddress() const { return mailAddress_; }
  void setMailAddress(const QString& address) { mailAddress_ = address; }
  QString HomePageAddress() const { return homePageAddress_; }
  void setHomePageAddress(const QString& address) { homePageAddress_ = address; }

  // Hands HomePageAddress, unchanged, to the desktop's open action; returns
  // at once, and a failure opens nothing without a message.
  void OpenHomePage();

 private:
  QString mailAddress_;
  QString homePageAddress_ = QStringLiteral("http://");
};

namespace kopira {
// A double click on a web shortcut box: the launcher takes the box's
// current text as its address and opens it.
void openWebShortcut(TMailAndHP& launcher, const QString& boxText);
}  // namespace kopira
