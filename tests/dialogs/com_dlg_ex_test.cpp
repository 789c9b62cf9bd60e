#include "dialogs/com_dlg_ex.h"

#include <gtest/gtest.h>

#include "dialogs/com_dlg_hook.h"

namespace quarven::dialogs {
namespace {

using namespace platform;

TEST(ComDlgExProperties, ExtensionIsStoredWithoutDotsCutAndLowerCase) {
  const std::pair<QString, QString> cases[] = {{".TXT", "txt"}, {"a.b.cdef", "abc"}, {"smc", "smc"},
                                               {"", ""},        {"...", ""},         {".Sm", "sm"}};
  for (const auto& [given, stored] : cases) {
    ComDlgEx dlg;
    dlg.Extension(given);
    EXPECT_EQ(dlg.record().lpstrDefExt, stored) << given.toStdString();
    EXPECT_EQ(dlg.Extension(), "") << "the getter reports the chosen file's extension, not the default";
  }
}

TEST(ComDlgExProperties, FilterGetReturnsThePairFilterIndexChooses) {
  ComDlgEx dlg;
  dlg.Filter(QStringLiteral("Text|*.txt|All|*.*"));
  EXPECT_EQ(dlg.record().lpstrFilter,
            QStringLiteral("Text") + QChar(0) + "*.txt" + QChar(0) + "All" + QChar(0) + "*.*" + QChar(0));
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

// A record as the dialog leaves it after a choice.
OPENFILENAME chosen(const QString& file, int offset, int extension, const QString& title) {
  OPENFILENAME ofn;
  ofn.lpstrFile = file + QString(261 - file.size(), QChar(0));
  ofn.lpstrFileTitle = title + QString(261 - title.size(), QChar(0));
  ofn.nFileOffset = std::uint16_t(offset);
  ofn.nFileExtension = std::uint16_t(extension);
  return ofn;
}

TEST(ReadChoice, SingleChoiceGivesPathTitleFolderAndExtension) {
  struct Case {
    QString file;
    int offset, extension;
    QString directory;
  };
  const Case cases[] = {
      {"C:\\rom.smc", 3, 7, "C:\\"},  // a drive root keeps its backslash
      {"/roms/rom.smc", 6, 10, "/roms"},
      {"/r/rom.smc", 3, 7, "/r"},  // two characters, but no drive: nothing appended
  };
  for (const Case& c : cases) {
    DialogChoice choice;
    ASSERT_TRUE(readChoice(chosen(c.file, c.offset, c.extension, "rom.smc"), choice));
    EXPECT_EQ(choice.FileName, c.file);
    EXPECT_EQ(choice.FileTitle, "rom.smc");
    EXPECT_EQ(choice.Directory, c.directory) << c.file.toStdString();
    EXPECT_EQ(choice.Extension, "smc");
    EXPECT_EQ(choice.FileNames, QStringList{c.file});
    EXPECT_EQ(choice.FileTitles, QStringList{"rom.smc"});
  }
}

}  // namespace
}  // namespace quarven::dialogs
