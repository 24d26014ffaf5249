// Method > Insert Method: methods found by name as the user types, the plain
// lead of the one chosen drawn as the rows view draws a touch, and Insert,
// which hands the method to the window to put its definition in the text.
#pragma once

#include <QDialog>
#include <QString>
#include <memory>

#include "method_library.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace tolvern::app {

class MethodMatches;
class RowsView;

class MethodDialog : public QDialog {
  Q_OBJECT

 public:
  // `library` must outlive the dialog. The stage filter starts at `stage`
  // (the text's; 0 for any stage).
  MethodDialog(const methods::MethodLibrary& library, int stage, QWidget* parent = nullptr);
  ~MethodDialog() override;

  // The method chosen in the list, or nullptr when nothing is found.
  const methods::Method* Chosen() const;
  int MatchCount() const;
  // The stage filter's stage; 0 for any stage.
  int StageFilter() const;
  const RowsView* Picture() const { return picture_; }

  // The line Insert puts in the text: `Name = notation`, one whole lead, as
  // `tolvern methods --siril` prints it.
  static QString DefinitionLine(const methods::Method& method);

 signals:
  // Insert was pressed with `method` chosen (it points into the library).
  void InsertRequested(const methods::Method* method);

 private:
  void Search();
  void ShowChosen();

  const methods::MethodLibrary& library_;
  QLineEdit* search_ = nullptr;
  QComboBox* stage_ = nullptr;
  QTreeView* matches_ = nullptr;
  MethodMatches* model_ = nullptr;
  QLabel* status_ = nullptr;
  QLabel* notation_ = nullptr;
  RowsView* picture_ = nullptr;
  QPushButton* insert_ = nullptr;
};

}  // namespace tolvern::app
