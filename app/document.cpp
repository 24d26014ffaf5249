#include "document.h"

#include "dialogs.h"
#include "editor_page.h"
#include "stage_filters.h"

namespace tolvern::app {

Document::Document(Dialogs& dialogs, QWidget* dialogParent, EditorPage* input)
    : QObject(dialogParent), dialogs_(dialogs), dialogParent_(dialogParent), input_(input),
      recovery_(new RecoveryFile([this] { return RecoveryCopy{fileName_, {}, Snapshot()}; }, this)),
      openDialog_{1, {}, {}}, saveDialog_{OtherSirilFilter, {}, {}} {}

void Document::SetModified(bool modified) {
  modified_ = modified;
  if (modified) {
    recovery_->Changed();
  } else {
    recovered_ = false;
    recovery_->Discard();
  }
  emit ModifiedChanged(modified);
}

void Document::Closed() { recovery_->Discard(); }

std::optional<RecoveryCopy> Document::OfferRecovery() {
  for (LeftRecovery& left : FindLeftRecoveries()) {
    const RecoveryCopy& copy = left.copy();
    const QString name = copy.fileName.isEmpty() ? QStringLiteral("NEW FILE") : copy.fileName;
    const QString question = QStringLiteral("Recover the unsaved composition %1, last changed %2?")
                                 .arg(name, RecoveryTime(copy.changed));
    const Dialogs::Answer answer = dialogs_.Confirm(dialogParent_, QStringLiteral("Confirm"), question);
    if (answer == Dialogs::Answer::Cancel) continue;
    if (answer == Dialogs::Answer::No) {
      left.Remove();
      continue;
    }
    text_ = copy.text;
    fileName_ = copy.fileName;
    input_->SetPlainText(text_.text);
    recovered_ = true;
    SetModified(true);
    // The old copy goes only once this document's own copy is on disk.
    recovery_->WriteNow();
    recovery_->Wait();
    left.Remove();
    emit FileNameChanged(fileName_);
    return copy;
  }
  return std::nullopt;
}

DocumentText Document::Snapshot() const {
  DocumentText snapshot = text_;
  snapshot.text = QString::fromUtf8(input_->Utf8());
  snapshot.encoding = SavedEncoding(snapshot.text, text_.encoding);
  return snapshot;
}

bool Document::AskToSave() {
  if (!modified_) return true;
  const Dialogs::Answer answer =
      dialogs_.Confirm(dialogParent_, QStringLiteral("Confirm"),
                       QStringLiteral("Do you want to save changes to the file %1?").arg(fileName_));
  switch (answer) {
    case Dialogs::Answer::Cancel: return false;
    case Dialogs::Answer::No: return true;
    case Dialogs::Answer::Yes: break;
  }
  // A Save As left without saving counts as Cancel: the text is not lost.
  return fileName_.isEmpty() ? SaveAs() : Save();
}

void Document::New() {
  saveDialog_.folder = workingFolder_;
  fileName_.clear();
  input_->SetPlainText(QString());
  text_ = NewDocument();
  SetModified(false);
  emit FileNameChanged(fileName_);
}

bool Document::Load(const QString& path) {
  std::optional<DocumentText> read = ReadDocument(path);
  if (!read) {
    dialogs_.Error(dialogParent_, QStringLiteral("TOLVERN"), QStringLiteral("Cannot open file ") + path + QLatin1Char('.'));
    return false;
  }
  text_ = *read;
  input_->SetPlainText(text_.text);
  fileName_ = path;
  SetModified(false);
  emit FileNameChanged(fileName_);
  return true;
}

bool Document::Open(int filter) {
  if (modified_ && !AskToSave()) return false;
  openDialog_.filterIndex = filter;
  openDialog_.folder = workingFolder_;
  const std::optional<FileChoice> choice =
      dialogs_.OpenFile(dialogParent_, {QStringLiteral("Open Composition File"), StageFilterNames(), filter,
                                        openDialog_.folder, {}, {}});
  if (!choice || !Load(choice->path)) return false;
  openDialog_.filterIndex = choice->filterIndex;
  openDialog_.fileName = choice->path;
  saveDialog_.filterIndex = choice->filterIndex;
  saveDialog_.folder = openDialog_.folder;
  return true;
}

int Document::OpenButtonFilter() const { return fileName_.isEmpty() ? AllFilter : openDialog_.filterIndex; }

bool Document::OpenAtStart(const QString& path) {
  if (!Load(path)) return false;
  openDialog_.filterIndex = saveDialog_.filterIndex = StageFilterOf(path);
  return true;
}

bool Document::Write(const QString& path) {
  const DocumentText written = Snapshot();
  if (!WriteDocument(path, written)) {
    dialogs_.Error(dialogParent_, QStringLiteral("TOLVERN"), QStringLiteral("Cannot create file ") + path + QLatin1Char('.'));
    return false;
  }
  text_.encoding = written.encoding;
  return true;
}

bool Document::Save() {
  if (fileName_.isEmpty()) return SaveAs();
  if (recovered_) {
    // The file may have changed since the copy was made.
    const Dialogs::Answer answer = dialogs_.Confirm(
        dialogParent_, QStringLiteral("Confirm"),
        QStringLiteral("Replace the file %1 with the recovered composition?").arg(fileName_));
    if (answer == Dialogs::Answer::Cancel) return false;
    if (answer == Dialogs::Answer::No) return SaveAs();
  }
  if (beforeWrite_) beforeWrite_();
  if (!Write(fileName_)) return false;
  SetModified(false);
  emit Said(QStringLiteral("Saved file: ") + fileName_);
  emit FileNameChanged(fileName_);
  return true;
}

bool Document::SaveAs() {
  if (beforeWrite_) beforeWrite_();
  const QString proposed = fileName_.isEmpty() ? QStringLiteral("NEW FILE") : fileName_;
  if (saveDialog_.filterIndex == AllFilter) saveDialog_.filterIndex = OtherSirilFilter;
  const std::optional<FileChoice> choice =
      dialogs_.SaveFile(dialogParent_, {QStringLiteral("Save As"), StageFilterNames(), saveDialog_.filterIndex,
                                        saveDialog_.folder, proposed, FilterExtension(OtherSirilFilter)});
  if (!choice) return false;
  saveDialog_.filterIndex = choice->filterIndex;
  if (!Write(choice->path)) return false;
  fileName_ = choice->path;
  emit Said(QStringLiteral("Saved file: ") + fileName_);
  openDialog_.fileName = fileName_;
  openDialog_.filterIndex = choice->filterIndex;
  SetModified(false);
  emit FileNameChanged(fileName_);
  return true;
}

}  // namespace tolvern::app
