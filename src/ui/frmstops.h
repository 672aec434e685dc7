#pragma once
// The stops dialog "送货顺序": the project's delivery stops in the order they are
// delivered, moved up and down or removed; OK stores them in the project. Stops are added
// where a carton names a new one (the carton dialog, a packing list).

#include <QDialog>
#include <string>
#include <vector>

class FormHost;
class QListWidget;
class QPushButton;

class TStopsForm : public QDialog {
  Q_OBJECT

 public:
  explicit TStopsForm(FormHost& host, QWidget* parent = nullptr);

  // Takes the project's stops as the working list.
  void FormActivate();
  void btnStopUpClick() { move(true); }
  void btnStopDownClick() { move(false); }
  void btnStopDeleteClick();
  // Stores the working list; a change drops the result.
  void btnOKClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void move(bool up);
  // Shows the working list, numbered, with row selected.
  void showStops(int row);

  FormHost& host_;
  std::vector<std::string> stops_;
  QListWidget* lvStops = nullptr;
  QPushButton* btnStopUp = nullptr;
  QPushButton* btnStopDown = nullptr;
  QPushButton* btnStopDelete = nullptr;
  QPushButton* btnOK = nullptr;
  QPushButton* btnCancel = nullptr;
};
