// `tolvern draw`: the command line hands the drawing to tolvern-draw beside it.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

class DrawCommand : public ::testing::Test {
 protected:
  std::string Path(const char* name) const { return folder.filePath(name).toStdString(); }

  std::string Write(const char* name, const char* text) const {
    QFile file(folder.filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write(text);
    return Path(name);
  }

  int Run(const std::string& program, const std::string& args) {
    const std::string command = program + " " + args + " >" + Path("stdout") + " 2>" + Path("stderr");
    const int status = std::system(command.c_str());
    QFile err(folder.filePath("stderr"));
    err.open(QIODevice::ReadOnly);
    stderrText = err.readAll().toStdString();
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  int Draw(const std::string& args) { return Run(TOLVERN_BINARY, "draw " + args); }

  QTemporaryDir folder;
  std::string stderrText;
};

const char* Minimus = "4 BELLS\nT = 3 L\nL = &x14x14,+12\n";

TEST_F(DrawCommand, DrawsSvgAndPngAndSaysWhatIsWrongOtherwise) {
  const std::string touch = Write("touch.sir", Minimus);
  EXPECT_EQ(Draw(touch + " -o " + Path("rows.svg")), 0) << stderrText;
  EXPECT_EQ(stderrText, "");
  QFile svg(folder.filePath("rows.svg"));
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
  EXPECT_TRUE(svg.readAll().contains("<svg"));

  // The plain course of Plain Bob Minor, five leads, three across or one.
  const std::string course = Write("course.min", "6 BELLS\nT = 5 L\nL = &x16x16x16,+12\n");
  EXPECT_EQ(Draw(course + " -o " + Path("rows.png") + " --bells 1,4 --columns 3"), 0) << stderrText;
  const QImage png(folder.filePath("rows.png"));
  ASSERT_FALSE(png.isNull());
  EXPECT_EQ(Draw(course + " -o " + Path("one.png") + " --columns 1"), 0);
  EXPECT_LT(QImage(folder.filePath("one.png")).width(), png.width());
  EXPECT_GT(QImage(folder.filePath("one.png")).height(), png.height());
  EXPECT_EQ(Draw(course + " -o " + Path("rows.pdf")), 0) << stderrText;
  QFile pdf(folder.filePath("rows.pdf"));
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));

  // A composition with errors: exit 2 and its first error.
  EXPECT_EQ(Draw(Write("bad.sir", "4 BELLS\nT = L Q\nL = &x14x14,+12\n") + " -o " + Path("bad.svg")), 2);
  EXPECT_NE(stderrText.find("Undefined name in line 2"), std::string::npos) << stderrText;
  EXPECT_FALSE(QFile::exists(folder.filePath("bad.svg")));

  // Usage and file problems: exit 3.
  EXPECT_EQ(Draw(Path("absent.sir") + " -o " + Path("x.svg")), 3);
  EXPECT_EQ(stderrText, "tolvern draw: cannot read file " + Path("absent.sir") + "\n");
  EXPECT_EQ(Draw(touch), 3);
  EXPECT_EQ(Draw(touch + " -o " + Path("x.jpg")), 3);
  EXPECT_EQ(Draw(touch + " -o " + Path("x.svg") + " --bells 1,Q"), 3);
  EXPECT_EQ(Draw(touch + " -o " + Path("x.svg") + " --columns 0"), 3);
  EXPECT_EQ(Draw(touch + " -o " + Path("no/such/folder/x.png")), 3);
  EXPECT_NE(stderrText.find("cannot write file"), std::string::npos) << stderrText;
}

TEST_F(DrawCommand, WithoutTheDrawingProgramBesideItSaysSo) {
  // tolvern alone in a folder of its own.
  const std::string lonely = Path("tolvern");
  std::filesystem::copy_file(TOLVERN_BINARY, lonely);
  EXPECT_EQ(Run(lonely, "draw " + Write("touch.sir", Minimus) + " -o " + Path("rows.svg")), 3);
  EXPECT_NE(stderrText.find("tolvern draw needs tolvern-draw"), std::string::npos) << stderrText;
}

}  // namespace
