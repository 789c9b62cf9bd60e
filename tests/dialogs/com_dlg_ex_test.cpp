#include "dialogs/com_dlg_ex.h"

#include <gtest/gtest.h>

namespace quarven::dialogs {
namespace {

using namespace platform;

TEST(ComDlgExProperties, ExtensionIsStoredWithoutDotsCutAndLowerCase) {
  const std::pair<QString, QString> cases[] = {
      {".TXT", "txt"}, {"a.b.cdef", "abc"}, {"...", ""}, {".Sm", "sm"}};
  for (const auto& [given, stored] : cases) {
    ComDlgEx dlg;
    dlg.Extension(given);
    EXPECT_EQ(dlg.record().lpstrDefExt, stored) << given.toStdString();
  }
}

TEST(ComDlgExProperties, FilterGetReturnsThePairFilterIndexChooses) {
  ComDlgEx dlg;
  dlg.Filter(QStringLiteral("Text|*.txt|All|*.*"));
  const std::pair<int, std::optional<QString>> cases[] = {
      {0, std::nullopt}, {1, "Text|*.txt"}, {2, "All|*.*"}, {3, std::nullopt}, {-1, std::nullopt}};
  for (const auto& [index, expected] : cases) {
    dlg.FilterIndex(index);
    EXPECT_EQ(dlg.Filter(), expected) << index;
  }
  dlg.Filter(QStringList{"QUARVEN Rom", "*.smc*"});
  dlg.FilterIndex(1);
  EXPECT_EQ(dlg.Filter(), QStringLiteral("QUARVEN Rom|*.smc*"));
}

// The record as the dialog leaves it: names separated by "|" stand for NUL characters.
OPENFILENAME chosen(QString file, int offset, int extension, const QString& title) {
  file.replace(u'|', QChar(0));
  OPENFILENAME ofn;
  ofn.lpstrFile = file + QString(261 - file.size(), QChar(0));
  ofn.lpstrFileTitle = title + QString(261 - title.size(), QChar(0));
  ofn.nFileOffset = std::uint16_t(offset);
  ofn.nFileExtension = std::uint16_t(extension);
  return ofn;
}

TEST(ReadChoice, SingleAndMultipleChoicesGivePathsFolderAndTitles) {
  struct Case {
    QString file;
    int offset, extension;
    QString title, fileName, directory;
    QStringList fileNames, fileTitles;
  };
  const Case cases[] = {
      // A drive root keeps its backslash; another folder gets none.
      {"C:\\rom.smc", 3, 7, "rom.smc", "C:\\rom.smc", "C:\\", {"C:\\rom.smc"}, {"rom.smc"}},
      {"C:\\roms\\rom.smc",
       8,
       12,
       "rom.smc",
       "C:\\roms\\rom.smc",
       "C:\\roms",
       {"C:\\roms\\rom.smc"},
       {"rom.smc"}},
      {"/roms/rom.smc", 6, 10, "rom.smc", "/roms/rom.smc", "/roms", {"/roms/rom.smc"}, {"rom.smc"}},
      {"/rom.smc", 1, 5, "rom.smc", "/rom.smc", "/", {"/rom.smc"}, {"rom.smc"}},
      {"/r/rom.smc", 3, 7, "rom.smc", "/r/rom.smc", "/r", {"/r/rom.smc"}, {"rom.smc"}},  // no drive
      // Several names: exactly one separator between folder and name, also in a root.
      {"C:\\|a.smc|b.smc", 4, 0, "", "", "C:\\", {"C:\\a.smc", "C:\\b.smc"}, {"a.smc", "b.smc"}},
      {"/roms|a.smc|b.smc", 6, 0, "", "", "/roms", {"/roms/a.smc", "/roms/b.smc"}, {"a.smc", "b.smc"}},
      {"/|a.smc", 2, 0, "", "", "/", {"/a.smc"}, {"a.smc"}},
  };
  for (const Case& c : cases) {
    DialogChoice choice;
    choice.Extension = QStringLiteral("old");
    ASSERT_TRUE(readChoice(chosen(c.file, c.offset, c.extension, c.title), choice));
    const std::string what = c.file.toStdString();
    EXPECT_EQ(choice.FileName, c.fileName) << what;
    EXPECT_EQ(choice.FileTitle, c.title) << what;
    EXPECT_EQ(choice.Directory, c.directory) << what;
    EXPECT_EQ(choice.Extension, c.extension ? "smc" : "old") << what << ": no position keeps the earlier one";
    EXPECT_EQ(choice.FileNames, c.fileNames) << what;
    EXPECT_EQ(choice.FileTitles, c.fileTitles) << what;
  }
}

}  // namespace
}  // namespace quarven::dialogs
