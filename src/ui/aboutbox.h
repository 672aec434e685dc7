#pragma once
// The about box: the program picture, name and version, a few notice lines and a link
// to the product's home page.

#include <QDialog>

class QLabel;
class QPushButton;

inline constexpr const char* kProgramVersion = "1.91";
inline constexpr const char* kHomePage = "https://cargolyx.org/";

class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* parent = nullptr);

  // Opens the home page in the web browser (or with the desktop's opener).
  void lblHomePageClick();

 private:
  QLabel* ProgramIcon;
  QLabel* ProductName;
  QLabel* Version;
  QLabel* Copyright;
  QLabel* Comments;
  QLabel* lblHomePage;
  QPushButton* OKButton;
};
