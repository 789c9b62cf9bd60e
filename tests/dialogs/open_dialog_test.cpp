// The real file dialog, set up as the editor does and driven like a user would.

#include <QtCore/qtestsupport_core.h>
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListView>
#include <QSizeGrip>
#include <QTemporaryDir>
#include <algorithm>

#include "dialogs/com_dlg_ex.h"
#include "dialogs/com_dlg_hook.h"
#include "long_path.h"
#include "message_box_recorder.h"
#include "platform/status_window.h"

namespace quarven::testing {
namespace {

using dialogs::ComDlgEx;
using namespace platform;

// Selects files of the shown folder as clicks in the dialog's list would.
bool selectFiles(QFileDialog& dialog, const QStringList& names) {
  auto* model = dialog.findChild<QFileSystemModel*>();
  auto* list = dialog.findChild<QListView*>(QStringLiteral("listView"));
  const auto index = [&](const QString& name) { return model->index(dialog.directory().filePath(name)); };
  const auto listed = [&] { return std::ranges::all_of(names, [&](auto& n) { return index(n).isValid(); }); };
  if (!model || !list || !QTest::qWaitFor(listed)) return false;
  for (const QString& name : names)
    list->selectionModel()->select(index(name), QItemSelectionModel::Select | QItemSelectionModel::Rows);
  return true;
}

void pressOk(QFileDialog& dialog) {
  if (auto* ok = qobject_cast<QAbstractButton*>(GetDlgItem(&dialog, IDOK))) ok->click();
}

// Picks the sidebar's "Computer" (the file systems, no folder) as a click does.
void showComputer(QFileDialog& dialog) {
  auto* side = dialog.findChild<QListView*>(QStringLiteral("sidebar"));
  const auto found =
      side->model()->match(side->model()->index(0, 0), Qt::DisplayRole, QStringLiteral("Computer"));
  side->setCurrentIndex(found.value(0));
}

// The scratch folder is the working folder while the test runs.
class OpenDialog : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(QDir::setCurrent(scratch.path())); }
  void TearDown() override {
    setCommonDialogDriver({});
    QDir::setCurrent(previousFolder);
  }
  QString makeFile(const QString& name, const QByteArray& content = {}) {
    QFile file(dir.filePath(name));
    EXPECT_EQ(file.open(QIODevice::WriteOnly) ? file.write(content) : -1, content.size());
    return file.fileName();
  }
  // The editor's set-up; its template library is not in the scratch folder.
  static void setUpAsTheEditorDoes(ComDlgEx& dlg) {
    dlg.CenterDialog(1);
    dlg.DialogTitle(QStringLiteral("Open A SNES QUARVEN Rom."));
    dlg.StatusbarVisible(true);
    dlg.Filter(QStringLiteral("QUARVEN Rom|*.smc*"));
  }

  QString previousFolder = QDir::currentPath();
  QTemporaryDir scratch;
  QDir dir{scratch.path()};
};

TEST_F(OpenDialog, ShowsTitleFilterAndAStatusBarThatFollowsFolderAndSelectionCentredOverTheOwner) {
  const QString rom = makeFile(QStringLiteral("rom.smc"), QByteArray(1536, 'x'));
  const QString more = dir.filePath(nameOfPathLength(dir, 400));  // deeper than a desktop's paths
  ASSERT_TRUE(dir.mkpath(more));
  QWidget owner;
  owner.setGeometry(100, 50, 801, 700);
  owner.show();
  owner.activateWindow();
  ASSERT_TRUE(QTest::qWaitFor([&] { return GetActiveWindow() == &owner; }));
  int heightBefore = 0;
  QStringList texts;
  setCommonDialogDriver({[&](QFileDialog& d) { heightBefore = d.height(); },
                         [&](QFileDialog& d) {
                           EXPECT_EQ(d.windowTitle(), "Open A SNES QUARVEN Rom.");
                           EXPECT_EQ(d.nameFilters(), QStringList{"QUARVEN Rom (*.smc*)"});
                           RECT r, o;
                           GetWindowRect(&d, &r);
                           GetWindowRect(&owner, &o);
                           EXPECT_EQ(QPoint(r.left, r.top), QPoint(o.left + (o.width() - r.width()) / 2,
                                                                   o.top + (o.height() - r.height()) / 2));
                           StatusWindow* bar = d.findChild<StatusWindow*>();
                           ASSERT_NE(bar, nullptr);
                           EXPECT_GT(d.height() - heightBefore, 10) << "the dialog grows by the bar";
                           EXPECT_EQ(bar->geometry().bottom(), d.height() - 1);
                           const QSizeGrip* grip = d.findChild<QSizeGrip*>();
                           ASSERT_NE(grip, nullptr);
                           EXPECT_EQ(d.childAt(grip->geometry().center()), grip) << "the grip stays on top";
                           texts << bar->text(0);
                           d.setDirectory(more);
                           texts << bar->text(0);
                           EXPECT_EQ(QDir::currentPath(), QFileInfo(more).canonicalFilePath());
                           showComputer(d);
                           texts << bar->text(0);
                           EXPECT_EQ(QDir::currentPath(), QFileInfo(more).canonicalFilePath());
                           d.setDirectory(scratch.path());
                           ASSERT_TRUE(selectFiles(d, {"rom.smc"}));
                           texts << bar->text(0) << bar->text(1) << bar->text(2);
                           EXPECT_FALSE(bar->icon(0).isNull());
                           pressOk(d);
                         }});
  ComDlgEx dlg;
  setUpAsTheEditorDoes(dlg);
  EXPECT_TRUE(dlg.ShowOpen());
  EXPECT_EQ(texts, (QStringList{scratch.path(), more, "(No folder selected)", "rom.smc", "\t1.5KB",
                                "\t" + dialogs::FormatDate(QFileInfo(rom).lastModified())}));
  EXPECT_EQ((QStringList{dlg.FileName(), dlg.FileTitle(), dlg.Directory(), dlg.Extension()}),
            (QStringList{rom, "rom.smc", scratch.path(), "smc"}));
  EXPECT_EQ(dlg.hookState().statusBar, nullptr) << "handle released";
  EXPECT_EQ(dlg.hookState().fileIcon, 0) << "handle released";
}

// Without an owner the dialog is not moved.
TEST_F(OpenDialog, CancelTypedNamesAndSeveralSelectedFiles) {
  const QStringList several{makeFile("a.smc"), makeFile("b.smc"), makeFile("c.smc")};
  // What the user does ("" cancels, "*" selects the three files), whether several may be chosen, the result.
  // A typed name of no file fits the file buffer up to the longest path the file system takes.
  const QString longest = nameOfPathLength(dir, MAX_PATH - 1);
  const std::tuple<QString, bool, QStringList> cases[] = {{"", false, {}},
                                                          {longest, false, {dir.filePath(longest)}},
                                                          {longest + u'r', false, {}},  // too long
                                                          {"*", true, several}};
  for (const auto& [typed, multi, chosen] : cases) {
    setCommonDialogDriver({[](QFileDialog& d) { d.move(7, 9); },
                           [&, typed = typed](QFileDialog& d) {
                             EXPECT_EQ(d.pos(), QPoint(7, 9));
                             if (typed.isEmpty()) return d.reject();
                             if (typed == "*") {
                               ASSERT_TRUE(selectFiles(d, {"a.smc", "b.smc", "c.smc"}));
                               const StatusWindow* bar = d.findChild<StatusWindow*>();
                               EXPECT_EQ(QStringList({bar->text(0), bar->text(1)}),
                                         (QStringList{QDir::currentPath(), "\t3 files selected"}));
                             } else {
                               d.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(typed);
                             }
                             pressOk(d);
                           }});
    ComDlgEx dlg;
    setUpAsTheEditorDoes(dlg);
    dlg.AllowMultiSelect(multi);
    EXPECT_EQ(dlg.ShowOpen(), !chosen.isEmpty()) << typed.size();
    EXPECT_EQ(CommDlgExtendedError() == FNERR_BUFFERTOOSMALL, !typed.isEmpty() && chosen.isEmpty());
    QStringList names = dlg.FileNames();
    names.sort();
    EXPECT_EQ(names, chosen) << typed.size();
    EXPECT_EQ(dlg.FileName(), multi || chosen.isEmpty() ? "" : chosen[0]) << typed.size();
  }
  EXPECT_FALSE(QFileInfo::exists(dir.filePath(longest))) << "the dialog itself creates nothing";
}

TEST_F(OpenDialog, TemplateLibraryAbsentUnreadableWithoutTheTemplateAndWithIt) {
  const QString header = QStringLiteral("QUARVEN DIALOG TEMPLATES 1\r\n");
  const QString template100 =
      QStringLiteral("template 100\r\nbutton 101 \"A\"\r\nbutton 102 \"B\"\r\nend\r\n");
  const QString missing =
      QStringLiteral("Template Library or Template ID not found.\rContinuing without Template...");
  // Library text, messages, whether buttons 101 and 102 show where the template has them.
  const std::tuple<std::optional<QString>, std::vector<QString>, std::vector<bool>> cases[] = {
      {std::nullopt, {}, {}},
      {template100, {}, {}},  // no header: not a library, no word
      {header + "template 200\nbutton 101 \"X\"\nend\n", {missing}, {}},
      {header + template100, {"Put Copy File code here"}, {true, false}},  // only a captioned one
  };
  for (const auto& [library, messages, buttons] : cases) {
    SCOPED_TRACE(library.value_or("absent").toStdString());
    QFile::remove(dir.filePath("COMDLGEX.dll"));
    if (library) makeFile("COMDLGEX.dll", library->toUtf8());
    MessageBoxRecorder boxes;
    int shown = 0;
    std::vector<bool> shownButtons;
    setCommonDialogDriver({{}, [&](QFileDialog& d) {
                             ++shown;
                             for (int id : {101, 102})
                               if (HWND button = GetDlgItem(&d, id))
                                 shownButtons.push_back(!button->isHidden());
                             auto* copy = qobject_cast<QAbstractButton*>(GetDlgItem(&d, 101));
                             if (copy && !copy->isHidden() && copy->text() == "&Copy") copy->click();
                           }});
    ComDlgEx dlg;
    dlg.TemplateLibrary(QStringLiteral("COMDLGEX.dll"));
    dlg.TemplateID(100);
    dlg.txtButton1(QStringLiteral("&Copy"));
    dlg.ShowOpen();
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(boxes.texts(), messages);
    for (const auto& call : boxes.calls) EXPECT_EQ(call.title, "QUARVEN_EDITOR");
    EXPECT_EQ(shownButtons, buttons);
  }
}

}  // namespace
}  // namespace quarven::testing
