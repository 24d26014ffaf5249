// The window of the rows: the last proof's rows in a view, with its row
// count and verdict above, and commands to print them and save them as SVG
// or PNG.
#pragma once

#include <QMainWindow>
#include <memory>
#include <optional>

#include "rows_model.h"
#include "rows_picture.h"

class QLabel;

namespace tolvern::app {

class Dialogs;
class RowsView;

class RowsWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit RowsWindow(Dialogs& dialogs, QWidget* parent = nullptr);

  // Shows another proof's rows (the window itself is not shown or raised).
  void ShowRows(std::shared_ptr<const RowsModel> model);

  RowsView& View() { return *view_; }
  QString HeaderText() const;

 public slots:
  // Through the print dialog: every lead, as many columns as fit the sheet.
  void Print();
  // The picture as the view has it (its columns and lines), every lead.
  void SaveSvg();
  void SavePng();

 private:
  std::optional<QString> AskForFile(const QString& title, const QString& filter, const QString& suffix);
  PictureStyle ExportStyle() const;

  Dialogs& dialogs_;
  std::shared_ptr<const RowsModel> model_;
  QLabel* header_;
  QLabel* message_;
  RowsView* view_;
};

}  // namespace tolvern::app
