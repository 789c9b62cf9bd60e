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

TEST(ComDlgExProperties, FlagsFollowTheirPropertiesAndAnOverlongInitialNameIsIgnored) {
  ComDlgEx dlg;
  EXPECT_EQ(dlg.record().Flags, 0x280024u);
  EXPECT_FALSE(dlg.CheckBoxVisible());
  dlg.CheckBoxVisible(true);
  EXPECT_EQ(dlg.record().Flags & OFN_HIDEREADONLY, 0u);
  dlg.CheckBoxVisible(false);
  dlg.CheckBoxCaption(QStringLiteral("Keep a copy"));
  EXPECT_TRUE(dlg.CheckBoxVisible()) << "a caption shows the check box";
  dlg.HelpMessage(QString());
  EXPECT_NE(dlg.record().Flags & OFN_SHOWHELP, 0u) << "even an empty help message shows the Help button";
  dlg.ExistFlags(OFN_FILEMUSTEXIST);
  dlg.ExistFlags(0);
  EXPECT_NE(dlg.record().Flags & OFN_FILEMUSTEXIST, 0u) << "ExistFlags only ever adds";

  dlg.FileName(QStringLiteral("/roms/first.smc"));
  dlg.FileName(QString(261, u'a'));
  EXPECT_EQ(dlg.record().lpstrFile, QStringLiteral("/roms/first.smc"));
  dlg.FileName(QString(260, u'b'));
  EXPECT_EQ(dlg.record().lpstrFile, QString(260, u'b'));
}

TEST(ComDlgExProperties, NewestObjectIsTheOneTheHookServes) {
  auto first = std::make_unique<ComDlgEx>();
  EXPECT_EQ(gDlg, first.get());
  {
    ComDlgEx second;
    EXPECT_EQ(gDlg, &second);
  }
  EXPECT_EQ(gDlg, nullptr) << "a destroyed object is not left for the hook";
  EXPECT_TRUE(gIsNT);
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

QString multi(const QStringList& pieces) {
  return pieces.join(QChar(0));
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
      {"/rom.smc", 1, 5, "/"},
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

TEST(ReadChoice, MultipleChoiceBuildsFullPathsAndClearsFileName) {
  struct Case {
    QString folder;
    QStringList names;  // the folder is the Directory too
  };
  const Case cases[] = {
      {"C:\\", {"C:\\a.smc", "C:\\b.smc"}},
      {"C:\\roms", {"C:\\roms\\a.smc", "C:\\roms\\b.smc"}},
      {"/roms", {"/roms/a.smc", "/roms/b.smc"}},
  };
  for (const Case& c : cases) {
    DialogChoice choice;
    choice.Extension = "old";
    ASSERT_TRUE(
        readChoice(chosen(multi({c.folder, "a.smc", "b.smc"}), int(c.folder.size()) + 1, 0, ""), choice));
    EXPECT_EQ(choice.FileName, "");
    EXPECT_EQ(choice.Directory, c.folder);
    EXPECT_EQ(choice.FileNames, c.names);
    EXPECT_EQ(choice.FileTitles, (QStringList{"a.smc", "b.smc"}));
    EXPECT_EQ(choice.Extension, "old") << "no extension position keeps the earlier extension";
  }
}

TEST(ReadChoice, ListsGrowAndABufferWithoutEndChangesNothing) {
  DialogChoice choice;
  ASSERT_TRUE(readChoice(chosen("/a/one.smc", 3, 7, "one.smc"), choice));
  ASSERT_TRUE(readChoice(chosen("/a/two", 3, 0, "two"), choice));
  EXPECT_EQ(choice.FileNames, (QStringList{"/a/one.smc", "/a/two"}));
  EXPECT_EQ(choice.Extension, "smc");

  OPENFILENAME full;
  full.lpstrFile = QString(260, u'x');
  EXPECT_FALSE(readChoice(full, choice));
  EXPECT_EQ(choice.FileName, "/a/two");
}

}  // namespace
}  // namespace quarven::dialogs
