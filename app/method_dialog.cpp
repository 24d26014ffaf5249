#include "method_dialog.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>
#include <string>
#include <vector>

#include "notation.h"
#include "rows_model.h"
#include "rows_view.h"
#include "stages.h"

namespace tolvern::app {

// The matches, best first, as the list shows them.
class MethodMatches : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;

  void Show(std::vector<const methods::Method*> found) {
    beginResetModel();
    found_ = std::move(found);
    endResetModel();
  }
  const methods::Method* At(int row) const {
    return row >= 0 && row < static_cast<int>(found_.size()) ? found_[static_cast<size_t>(row)] : nullptr;
  }

  int rowCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : static_cast<int>(found_.size());
  }
  int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 3; }
  QVariant data(const QModelIndex& index, int role) const override {
    const methods::Method* method = At(index.row());
    if (!method || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) return {};
    switch (index.column()) {
      case 0: return QString::fromStdString(method->title);
      case 1: return QString::fromStdString(method->classification);
      default: return QString::fromStdString(method->leadHead);
    }
  }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const char* const titles[] = {"Title", "Class", "Lead head"};
    return section >= 0 && section < 3 ? QString::fromLatin1(titles[section]) : QVariant();
  }

 private:
  std::vector<const methods::Method*> found_;
};

namespace {

// The arrow and page keys in the search box move through the matches, so
// that typing and choosing need no change of focus.
class KeysToList : public QObject {
 public:
  KeysToList(QWidget* list, QObject* parent) : QObject(parent), list_(list) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
        QKeyEvent copy(QEvent::KeyPress, key, static_cast<QKeyEvent*>(event)->modifiers());
        QCoreApplication::sendEvent(list_, &copy);
        return true;
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QWidget* list_;
};

}  // namespace

MethodDialog::MethodDialog(const methods::MethodLibrary& library, int stage, QWidget* parent)
    : QDialog(parent), library_(library) {
  setObjectName(QStringLiteral("MethodDialog"));
  setWindowTitle(QStringLiteral("Insert Method"));
  setAccessibleName(windowTitle());  // a screen reader names a dialog by its title
  resize(760, 540);

  search_ = new QLineEdit(this);
  search_->setObjectName(QStringLiteral("MethodSearch"));
  search_->setAccessibleName(QStringLiteral("Search methods"));
  search_->setPlaceholderText(QStringLiteral("Words of the title: camb surp maj, stedman trip, grandsire 9"));
  search_->setClearButtonEnabled(true);
  auto* searchLabel = new QLabel(QStringLiteral("&Search:"), this);
  searchLabel->setBuddy(search_);

  stage_ = new QComboBox(this);
  stage_->setObjectName(QStringLiteral("MethodStage"));
  stage_->setAccessibleName(QStringLiteral("Stage"));
  stage_->addItem(QStringLiteral("Any stage"), 0);
  for (const Stage& each : Stages) {
    if (each.bells < methods::MinStage) continue;  // no method of it can be proved
    stage_->addItem(QStringLiteral("%1 (%2)").arg(QString::fromLatin1(each.name.data(), static_cast<int>(each.name.size())))
                        .arg(each.bells),
                    each.bells);
  }
  stage_->setCurrentIndex(std::max(0, stage_->findData(stage)));
  auto* stageLabel = new QLabel(QStringLiteral("S&tage:"), this);
  stageLabel->setBuddy(stage_);

  model_ = new MethodMatches(this);
  matches_ = new QTreeView(this);
  matches_->setObjectName(QStringLiteral("MethodMatches"));
  matches_->setAccessibleName(QStringLiteral("Methods found"));
  matches_->setModel(model_);
  matches_->setRootIsDecorated(false);
  matches_->setUniformRowHeights(true);  // a long list resets in constant time
  matches_->setAllColumnsShowFocus(true);
  matches_->setSelectionMode(QAbstractItemView::SingleSelection);
  matches_->header()->setStretchLastSection(false);
  matches_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  matches_->header()->resizeSection(1, 110);
  matches_->header()->resizeSection(2, 130);

  picture_ = new RowsView(this);
  picture_->setObjectName(QStringLiteral("MethodPicture"));
  picture_->setAccessibleName(QStringLiteral("Plain lead"));
  picture_->setMinimumWidth(230);

  // The labels are read by their text: how many were found, and the line Insert puts in.
  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("MethodStatus"));
  notation_ = new QLabel(this);
  notation_->setObjectName(QStringLiteral("MethodLine"));
  notation_->setAccessibleDescription(QStringLiteral("The definition line Insert puts in the text"));
  notation_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  notation_->setWordWrap(true);

  auto* buttons = new QDialogButtonBox(this);
  insert_ = buttons->addButton(QStringLiteral("&Insert"), QDialogButtonBox::AcceptRole);
  insert_->setObjectName(QStringLiteral("MethodInsert"));
  insert_->setAccessibleName(QStringLiteral("Insert"));
  insert_->setDefault(true);
  QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
  close->setObjectName(QStringLiteral("MethodClose"));
  // Insert is the window's to carry out: it may ask first, and only then close.
  connect(insert_, &QPushButton::clicked, this, [this] {
    if (const methods::Method* method = Chosen()) emit InsertRequested(method);
  });
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  auto* top = new QHBoxLayout;
  top->addWidget(searchLabel);
  top->addWidget(search_, 1);
  top->addWidget(stageLabel);
  top->addWidget(stage_);
  auto* middle = new QHBoxLayout;
  middle->addWidget(matches_, 3);
  middle->addWidget(picture_, 2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(middle, 1);
  layout->addWidget(status_);
  layout->addWidget(notation_);
  layout->addWidget(buttons);

  search_->installEventFilter(new KeysToList(matches_, this));
  connect(search_, &QLineEdit::textChanged, this, &MethodDialog::Search);
  connect(stage_, &QComboBox::currentIndexChanged, this, &MethodDialog::Search);
  connect(matches_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &MethodDialog::ShowChosen);
  connect(matches_, &QTreeView::activated, insert_, &QPushButton::click);
  Search();
  search_->setFocus();
}

MethodDialog::~MethodDialog() = default;

const methods::Method* MethodDialog::Chosen() const { return model_->At(matches_->currentIndex().row()); }

int MethodDialog::MatchCount() const { return model_->rowCount({}); }

int MethodDialog::StageFilter() const { return stage_->currentData().toInt(); }

QString MethodDialog::DefinitionLine(const methods::Method& method) {
  return QString::fromStdString(method.name + " = " + method.siril);
}

void MethodDialog::Search() {
  model_->Show(library_.Search(search_->text().toStdString(), StageFilter()));
  const int found = MatchCount();
  if (found > 0) matches_->setCurrentIndex(model_->index(0, 0));
  else ShowChosen();
  status_->setText(found == 0   ? (search_->text().trimmed().isEmpty() ? QString() : QStringLiteral("No method found"))
                   : found == 1 ? QStringLiteral("1 method found")
                                : QStringLiteral("%1 methods found").arg(found));
}

void MethodDialog::ShowChosen() {
  const methods::Method* method = Chosen();
  insert_->setEnabled(method != nullptr);
  if (!method) {
    notation_->clear();
    picture_->SetModel(nullptr);
    return;
  }
  notation_->setText(DefinitionLine(*method));
  // The plain lead, proved as any text is: a few dozen changes, well under a
  // millisecond, so every key stroke redraws it.
  const std::vector<std::string> lines = {std::to_string(method->stage) + " BELLS", method->name + " = " + method->siril};
  picture_->SetModel(CollectRows(lines, 16, nullptr, 10'000));
}

}  // namespace tolvern::app
