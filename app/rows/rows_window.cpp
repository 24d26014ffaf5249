#include "rows_window.h"

#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QPrinter>
#include <QStatusBar>
#include <QVBoxLayout>

#include "dialogs.h"
#include "rows_view.h"

namespace tolvern::app {

namespace {

const char* const Hint = "Click a bell to toggle its line; click a red (false) row to see where it falls.";

}  // namespace

RowsWindow::RowsWindow(Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), header_(new QLabel), message_(new QLabel), view_(new RowsView) {
  setWindowTitle(QStringLiteral("TOLVERN - Rows"));
  QFont bold = header_->font();
  bold.setBold(true);
  header_->setFont(bold);
  header_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  header_->setContentsMargins(6, 4, 6, 4);

  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(header_);
  layout->addWidget(view_, 1);
  setCentralWidget(central);
  statusBar()->addWidget(message_, 1);

  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  file->addAction(QStringLiteral("&Print..."), QKeySequence::Print, this, &RowsWindow::Print);
  file->addAction(QStringLiteral("Save as &SVG..."), this, &RowsWindow::SaveSvg);
  file->addAction(QStringLiteral("Save as P&NG..."), this, &RowsWindow::SavePng);
  file->addSeparator();
  file->addAction(QStringLiteral("&Close"), QKeySequence::Close, this, &QWidget::close);

  // A screen reader names the view and reads the header with it: the rows
  // and the verdict.
  view_->setAccessibleName(QStringLiteral("Rows"));

  connect(view_, &RowsView::messageChanged, this,
          [this](const QString& text) { message_->setText(text.isEmpty() ? QString::fromLatin1(Hint) : text); });
  ShowRows(nullptr);
  resize(900, 700);
}

void RowsWindow::ShowRows(std::shared_ptr<const RowsModel> model) {
  model_ = std::move(model);
  const QString header =
      model_ ? PictureTitle(*model_) : QStringLiteral("No proof yet: prove a composition to see its rows.");
  header_->setText(header);
  setAccessibleDescription(header);
  view_->setAccessibleDescription(header);
  view_->SetModel(model_);
  message_->setText(QString::fromLatin1(Hint));
}

QString RowsWindow::HeaderText() const { return header_->text(); }

PictureStyle RowsWindow::ExportStyle() const {
  PictureStyle style = view_->Style();
  style.title = model_ ? PictureTitle(*model_) : QString();
  return style;
}

std::optional<QString> RowsWindow::AskForFile(const QString& title, const QString& filter, const QString& suffix) {
  FileDialogSetup setup;
  setup.title = title;
  setup.filters = {filter};
  setup.folder = QDir::currentPath();
  setup.fileName = QStringLiteral("rows.") + suffix;
  setup.defaultSuffix = suffix;
  const std::optional<FileChoice> choice = dialogs_.SaveFile(this, setup);
  if (!choice || choice->path.isEmpty()) return std::nullopt;
  return choice->path;
}

void RowsWindow::Print() {
  if (!model_) return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(QStringLiteral("TOLVERN - Rows"));
  if (!dialogs_.Print(this, printer)) return;
  if (!PrintRows(printer, *model_, ExportStyle()))
    dialogs_.Error(this, QStringLiteral("TOLVERN"), QStringLiteral("The rows could not be printed."));
}

void RowsWindow::SaveSvg() {
  if (!model_) return;
  const std::optional<QString> path = AskForFile(QStringLiteral("Save as SVG"), QStringLiteral("SVG pictures (*.svg)"),
                                                 QStringLiteral("svg"));
  if (!path) return;
  if (!WriteSvg(*path, *model_, view_->Columns(), ExportStyle()))
    dialogs_.Error(this, QStringLiteral("TOLVERN"), QStringLiteral("Cannot create file %1.").arg(*path));
}

void RowsWindow::SavePng() {
  if (!model_) return;
  const std::optional<QString> path = AskForFile(QStringLiteral("Save as PNG"), QStringLiteral("PNG pictures (*.png)"),
                                                 QStringLiteral("png"));
  if (!path) return;
  QString error;
  if (!WritePng(*path, *model_, view_->Columns(), ExportStyle(), &error))
    dialogs_.Error(this, QStringLiteral("TOLVERN"),
                   error.isEmpty() ? QStringLiteral("Cannot create file %1.").arg(*path) : error);
}

}  // namespace tolvern::app
