#pragma once
// TForm5: the family-register and resident-record request dialog. Six
// fields describe the request; its print button fills the request page of
// Form6 from them and from the main window's office data. It is shown
// without blocking the main window, and closing it only hides it.
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "app/controls/tedit.h"
#include "app/files/stored_settings.h"
#include "settings/tinigt.h"

class TForm5 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm5(QWidget* parent = nullptr);

  QGroupBox* GroupBox1;
  QLabel* Label7;
  TEdit* Edit1;
  QLabel* Label6;
  QLabel* Label8;
  TEdit* Edit2;
  QLabel* Label1;
  QLabel* Label9;
  TEdit* Edit3;
  QLabel* Label2;
  QLabel* Label10;
  TEdit* Edit4;
  QLabel* Label3;
  QLabel* Label11;
  TEdit* Edit5;
  QLabel* Label4;
  QFrame* Panel1;
  QLabel* Label12;
  TEdit* Edit6;
  QLabel* Label5;
  QPushButton* BitBtn2;
  QLabel* Label13;
  TIniGT* IniGT1;

  void FormCreate();
  void BitBtn2Click();

  // The six fields and the window, as the main window stores them at close.
  kopira::stored_settings::DialogFields dialogFields();

 private:
  void buildWindow();
  void buildFields();
  void buildPrintPanel();
};

extern TForm5* Form5;
