// What the file dialog class and its hook work out without a dialog on screen.

#include <gtest/gtest.h>

#include <QLocale>
#include <QWidget>

#include "dialogs/com_dlg_ex.h"
#include "dialogs/com_dlg_hook.h"

namespace quarven::dialogs {
namespace {

using namespace platform;

TEST(ComDlgExProperties, ExtensionFilterInitialNameAndTheHooksObject) {
  ComDlgEx dlg;
  EXPECT_EQ(gDlg, &dlg);
  for (const auto& [given, stored] : {std::pair{".TXT", "txt"}, {"a.b.cdef", "abc"}, {"...", ""}}) {
    dlg.Extension(given);
    EXPECT_EQ(dlg.record().lpstrDefExt, stored) << given;
  }
  dlg.Filter(QStringLiteral("Text|*.txt|All|*.*"));
  const std::pair<int, std::optional<QString>> cases[] = {
      {0, std::nullopt}, {1, "Text|*.txt"}, {2, "All|*.*"}, {3, std::nullopt}, {-1, std::nullopt}};
  for (const auto& [index, expected] : cases) {
    dlg.FilterIndex(index);
    EXPECT_EQ(dlg.Filter(), expected) << index;
  }
  // The initial name is kept when the file buffer holds it.
  for (const qsizetype length : {qsizetype(MAX_PATH) - 1, qsizetype(MAX_PATH)}) {
    dlg.FileName(QString(length, u'n'));
    EXPECT_EQ(dlg.record().lpstrFile.size(), MAX_PATH - 1) << length;
  }
  { ComDlgEx newer; }
  EXPECT_EQ(gDlg, nullptr) << "a destroyed object is not left to the hook";
}

// A record as the dialog leaves it; "|" stands for NUL, an extension position only after one name.
OPENFILENAME chosen(QString file) {
  const bool several = file.contains(u'|');
  const int offset =
      int(several ? file.indexOf(u'|') : std::max(file.lastIndexOf(u'/'), file.lastIndexOf(u'\\'))) + 1;
  OPENFILENAME ofn;
  ofn.nFileOffset = std::uint16_t(offset);
  ofn.nFileExtension = std::uint16_t(several ? 0 : file.lastIndexOf(u'.') + 1);
  ofn.lpstrFileTitle = several ? QString() : file.mid(offset);
  ofn.lpstrFile = file.replace(u'|', QChar(0)) + QString(261 - file.size(), QChar(0));
  return ofn;
}

TEST(ReadChoice, DriveLetterAndPosixPathsOneOrSeveralNames) {
  const std::tuple<QString, QString, QStringList> cases[] = {
      {"C:\\rom.smc", "C:\\", {"C:\\rom.smc"}},  // a drive root keeps its backslash
      {"C:\\roms\\rom.smc", "C:\\roms", {"C:\\roms\\rom.smc"}},
      {"/rom.smc", "/", {"/rom.smc"}},
      {"/r/rom.smc", "/r", {"/r/rom.smc"}},  // no drive letter, no drive rule
      {"C:\\|a.smc|b.smc", "C:\\", {"C:\\a.smc", "C:\\b.smc"}},
      {"/roms|a.smc|b.smc", "/roms", {"/roms/a.smc", "/roms/b.smc"}},
      {"/|a.smc", "/", {"/a.smc"}},
  };
  for (const auto& [file, directory, names] : cases) {
    SCOPED_TRACE(file.toStdString());
    const bool one = !file.contains(u'|');
    DialogChoice choice;
    choice.Extension = QStringLiteral("old");  // no extension position keeps the earlier one
    ASSERT_TRUE(readChoice(chosen(file), choice));
    EXPECT_EQ(choice.FileNames, names);
    EXPECT_EQ((QStringList{choice.Directory, choice.FileName, choice.FileTitle, choice.Extension}),
              (QStringList{directory, one ? file : "", one ? "rom.smc" : "", one ? "smc" : "old"}));
  }
}

TEST(StatusBarHelpers, SizesAndDatesInTheUsersLocalePartEdgesAndShortenedPaths) {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  const std::pair<double, QString> cases[] = {
      {1023, "1,023 bytes"}, {1536, "1.5KB"}, {2048, "2KB"}, {1048575, "1,024.0KB"}, {1048576, "1.00MB"}};
  for (const auto& [bytes, text] : cases) EXPECT_EQ(FormatSize(bytes), text) << bytes;
  EXPECT_EQ(FormatDate(QDateTime(QDate(2024, 3, 7), QTime(14, 5))), "3/7/24 02:05 PM");
  EXPECT_TRUE(FormatDate(QDateTime(QDate(2024, 3, 7), QTime(0, 30))).endsWith(" 12:30 AM"));
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(FormatSize(1536), "1,5KB");
  EXPECT_TRUE(FormatDate(QDateTime(QDate(2024, 3, 7), QTime(14, 5))).startsWith("07.03.24 "));
  QLocale::setDefault(QLocale::system());

  HookState hook;
  computePartEdges(hook, 500);
  EXPECT_EQ(hook.parts2, (std::array<int, 2>{390, -1}));
  EXPECT_EQ(hook.parts3, (std::array<int, 3>{335, 390, -1}));
  computePartEdges(hook, 50);  // 33.5 and 5.5 both round to the even neighbour
  EXPECT_EQ(hook.parts3, (std::array<int, 3>{34, 40, -1}));

  // A shortened path keeps its name and fits the width.
  QWidget bar;
  const HDC dc = GetDC(&bar);
  const QString path = QStringLiteral("/home/player/games/snes/quarven/roms/rom.smc");
  const int width = bar.fontMetrics().horizontalAdvance(path);
  QString whole = path, half = path, tiny = path;
  PathCompactPath(dc, whole, width);
  PathCompactPath(dc, half, width / 2);
  PathCompactPath(dc, tiny, bar.fontMetrics().horizontalAdvance("/ro..."));
  EXPECT_EQ(whole, path);
  EXPECT_TRUE(half.startsWith("/home") && half.endsWith(".../rom.smc")) << half.toStdString();
  EXPECT_LE(bar.fontMetrics().horizontalAdvance(half), width / 2);
  EXPECT_TRUE(tiny.endsWith("...")) << tiny.toStdString();
  ReleaseDC(&bar, dc);
}

}  // namespace
}  // namespace quarven::dialogs
