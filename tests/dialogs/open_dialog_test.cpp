// The open dialog as the editor sets it up, driven like a user would.

#include <QFileInfo>
#include <QLineEdit>

#include "dialog_test_support.h"
#include "dialogs/com_dlg_ex.h"
#include "dialogs/com_dlg_hook.h"

namespace quarven::testing {
namespace {

using dialogs::ComDlgEx;
using namespace platform;

// The editor's own set-up, in its order.
void setUpAsTheEditorDoes(ComDlgEx& dlg) {
  dlg.AllowMultiSelect(false);
  dlg.CenterDialog(1);
  dlg.DialogTitle(QStringLiteral("Open A SNES QUARVEN Rom."));
  dlg.TemplateLibrary(QStringLiteral("COMDLGEX.dll"));
  dlg.TemplateID(100);
  dlg.StatusbarVisible(true);
  dlg.Filter(QStringLiteral("QUARVEN Rom|*.smc*"));
}

class OpenDialog : public DialogTest {};

TEST_F(OpenDialog, ShowsTitleFilterAndAStatusBarThatFollowsSelectionAndFolder) {
  const QString rom = makeFile(QStringLiteral("rom.smc"), 1536);
  QDir(scratch.path()).mkdir(QStringLiteral("more"));
  const QString more = QDir(scratch.path()).filePath(QStringLiteral("more"));
  int grownBy = -1, heightBefore = 0;
  StatusWindow* bar = nullptr;
  QStringList folderTexts, selectionTexts;
  bool hasIcon = false;

  drive(
      [&](QFileDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Open A SNES QUARVEN Rom.");
        EXPECT_EQ(d.nameFilters(), QStringList{"QUARVEN Rom (*.smc*)"});
        bar = statusBarOf(d);
        ASSERT_NE(bar, nullptr);
        grownBy = d.height() - heightBefore;
        EXPECT_EQ(bar->geometry().bottom(), d.height() - 1) << "the bar sits at the bottom edge";
        folderTexts << bar->text(0);

        ASSERT_TRUE(selectFiles(d, {"rom.smc"}));
        selectionTexts << bar->text(0) << bar->text(1) << bar->text(2);
        hasIcon = !bar->icon(0).isNull();
        EXPECT_EQ(bar->parts().size(), 3u);

        d.setDirectory(more);
        QCoreApplication::processEvents();
        folderTexts << bar->text(0);
        EXPECT_EQ(QDir::currentPath(), QFileInfo(more).canonicalFilePath()) << "the working folder follows";
        d.setDirectory(scratch.path());
        ASSERT_TRUE(selectFiles(d, {"rom.smc"}));
        pressOk(d);
      },
      [&](QFileDialog& d) { heightBefore = d.height(); });

  ComDlgEx dlg;
  setUpAsTheEditorDoes(dlg);
  EXPECT_TRUE(dlg.ShowOpen());
  EXPECT_EQ(shown, 1);
  EXPECT_GT(grownBy, 10) << "the dialog grows by the bar's height";
  EXPECT_EQ(folderTexts, (QStringList{scratch.path(), more}));
  const QFileInfo info(rom);
  EXPECT_EQ(selectionTexts,
            (QStringList{"rom.smc", "\t1.5KB", "\t" + dialogs::FormatDate(info.lastModified())}));
  EXPECT_TRUE(hasIcon);
  EXPECT_EQ(dlg.FileName(), rom);
  EXPECT_EQ(dlg.FileTitle(), "rom.smc");
  EXPECT_EQ(dlg.Directory(), scratch.path());
  EXPECT_EQ(dlg.Extension(), "smc");
  EXPECT_EQ(dlg.FilterIndex(), 1);
  EXPECT_EQ(dialogs::gStatusBar, nullptr) << "the bar's handles are released after the dialog";
  EXPECT_EQ(dialogs::gFileIcon, 0u);
}

TEST_F(OpenDialog, CancelLeavesFileNameEmptyAndATypedNewNameComesBack) {
  makeFile(QStringLiteral("rom.smc"));
  drive([](QFileDialog& d) { d.reject(); });
  ComDlgEx cancelled;
  setUpAsTheEditorDoes(cancelled);
  EXPECT_FALSE(cancelled.ShowOpen());
  EXPECT_EQ(cancelled.FileName(), "");
  EXPECT_TRUE(cancelled.FileNames().isEmpty());

  drive([&](QFileDialog& d) {
    d.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("new.smc"));
    pressOk(d);
  });
  ComDlgEx typed;
  setUpAsTheEditorDoes(typed);
  EXPECT_TRUE(typed.ShowOpen());
  EXPECT_EQ(typed.FileName(), QDir(scratch.path()).filePath("new.smc"));
  EXPECT_FALSE(QFileInfo::exists(typed.FileName())) << "the dialog itself creates nothing";
}

TEST_F(OpenDialog, ThreeSelectedFilesShowTheFolderAndACountAndComeBackAsFullPaths) {
  for (const char* name : {"a.smc", "b.smc", "c.smc"}) makeFile(QString::fromLatin1(name));
  QStringList texts;
  drive([&](QFileDialog& d) {
    ASSERT_TRUE(selectFiles(d, {"a.smc", "b.smc", "c.smc"}));
    StatusWindow* bar = statusBarOf(d);
    texts << bar->text(0) << bar->text(1);
    EXPECT_EQ(bar->parts().size(), 2u);
    pressOk(d);
  });
  ComDlgEx dlg;
  setUpAsTheEditorDoes(dlg);
  dlg.AllowMultiSelect(true);
  ASSERT_TRUE(dlg.ShowOpen());
  EXPECT_EQ(texts, (QStringList{QDir::currentPath(), "\t3 files selected"}));
  EXPECT_EQ(dlg.FileName(), "");
  EXPECT_EQ(dlg.Directory(), scratch.path());
  QStringList titles = dlg.FileTitles();
  titles.sort();
  EXPECT_EQ(titles, (QStringList{"a.smc", "b.smc", "c.smc"}));
  for (const QString& path : dlg.FileNames()) EXPECT_EQ(QFileInfo(path).absolutePath(), scratch.path());
}

}  // namespace
}  // namespace quarven::testing
