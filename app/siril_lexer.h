// SIRIL colouring for the Input page, by the engine's styles (siril_styles.h),
// kept in Scintilla's styles and line states so that styling can restart at
// any line.
#pragma once

#include <Qsci/qscilexercustom.h>

#include <QColor>
#include <QFont>
#include <QString>

#include "siril_styles.h"

namespace tolvern::app {

class SirilLexer : public QsciLexerCustom {
  Q_OBJECT

 public:
  explicit SirilLexer(QObject* parent = nullptr);

  const char* language() const override;
  QString description(int style) const override;
  QColor defaultColor(int style) const override;
  QColor defaultPaper(int style) const override;
  QFont defaultFont(int style) const override;
  void styleText(int start, int end) override;
  void setEditor(QsciScintilla* editor) override;

  // Every style takes this font (family and size), bold or italic as the style wants.
  void SetBaseFont(const QFont& font);
  // The largest stage the stage line may give (MaxNumberBells); restyles the text.
  void SetMaxBells(int maxBells);

 private:
  void RestyleAll();

  QFont baseFont_;
  int maxBells_ = MaxStage;
};

}  // namespace tolvern::app
