// The real file dialog, set up as the editor does or otherwise, and driven as a user would.

#include <QtCore/qtestsupport_core.h>
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QSizeGrip>
#include <QTemporaryDir>
#include <QTimer>
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

// The window's frame in the middle of the reference's, each half truncated toward zero.
void expectCentred(HWND reference, HWND window) {
  RECT r, w;
  ASSERT_TRUE(GetWindowRect(reference, &r) && GetWindowRect(window, &w));
  EXPECT_EQ(QPoint(w.left, w.top),
            QPoint(r.left + (r.width() - w.width()) / 2, r.top + (r.height() - w.height()) / 2));
}

// The scratch folder is the working folder while the test runs.
class FileDialog : public ::testing::Test {
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

TEST_F(FileDialog, ShowsTitleFilterAndAStatusBarThatFollowsFolderAndSelectionCentredOverTheOwner) {
  const QString more = dir.filePath(nameOfPathLength(dir, 400));  // deeper than a desktop's paths
  ASSERT_TRUE(dir.mkpath(more));
  const QString rom = makeFile(more + QStringLiteral("/rom.smc"), QByteArray(1536, 'x'));
  QWidget owner;
  owner.setGeometry(100, 50, 801, 700);
  owner.show();
  owner.activateWindow();
  ASSERT_TRUE(QTest::qWaitFor([&] { return GetActiveWindow() == &owner; }));
  int heightBefore = 0;
  QStringList texts;
  setCommonDialogDriver(
      {[&](QFileDialog& d) { heightBefore = d.height(); },
       [&](QFileDialog& d) {
         EXPECT_EQ(d.windowTitle(), "Open A SNES QUARVEN Rom.");
         EXPECT_EQ(d.nameFilters(), QStringList{"QUARVEN Rom (*.smc*)"});
         expectCentred(&owner, &d);
         StatusWindow* bar = d.findChild<StatusWindow*>();
         ASSERT_NE(bar, nullptr);
         EXPECT_GT(d.height() - heightBefore, 10) << "the dialog grows by the bar";
         EXPECT_EQ(bar->geometry().bottom(), d.height() - 1);
         const QSizeGrip* grip = d.findChild<QSizeGrip*>();
         EXPECT_TRUE(grip && d.childAt(grip->geometry().center()) == grip) << "the grip stays on top";
         texts << bar->text(0);
         d.setDirectory(more);
         texts << bar->text(0);
         // The sidebar's "Computer": the file systems, no folder.
         auto* side = d.findChild<QListView*>(QStringLiteral("sidebar"));
         side->setCurrentIndex(
             side->model()->match(side->model()->index(0, 0), Qt::DisplayRole, "Computer").value(0));
         texts << bar->text(0);
         EXPECT_EQ(QDir::currentPath(), QFileInfo(more).canonicalFilePath());
         d.setDirectory(more);
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
            (QStringList{rom, "rom.smc", more, "smc"}));
  EXPECT_EQ(QDir::currentPath(), QFileInfo(more).canonicalFilePath()) << "the working folder stays there";
  EXPECT_TRUE(!dlg.hookState().statusBar && !dlg.hookState().fileIcon) << "handles released";
}

// Without an owner the dialog is not moved.
TEST_F(FileDialog, CancelTypedNamesAndSeveralSelectedFiles) {
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

TEST_F(FileDialog, TemplateLibraryAbsentUnreadableWithoutTheTemplateAndWithIt) {
  const QString header = "QUARVEN DIALOG TEMPLATES 1\r\n";
  const QString template100 = "template 100\r\nbutton 101 \"A\"\r\nbutton 102 \"B\"\r\nend\r\n";
  const QString missing = "Template Library or Template ID not found.\rContinuing without Template...";
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

// A save dialog with the class's other settings, its working folder put back when it closes.
TEST_F(FileDialog, SaveWithHiddenPairsCaptionsHelpReadOnlyBoxScreenCentreAndOverwritePrompt) {
  ASSERT_TRUE(dir.mkdir(QStringLiteral("roms")));
  const QString rom = makeFile(QStringLiteral("roms/rom.smc"));
  MessageBoxRecorder boxes;
  QStringList controls, prompts;  // the controls' captions, "-" for a hidden one
  setCommonDialogDriver(
      {[](QFileDialog& d) { d.move(7, 9); },
       [&](QFileDialog& d) {
         EXPECT_EQ(d.acceptMode(), QFileDialog::AcceptSave);
         expectCentred(GetDesktopWindow(), &d);
         for (int id :
              std::initializer_list<int>{IDOK, IDCANCEL, pshHelp, chx1, stc3, stc2, cmb1, stc4, cmb2})
           controls << (GetDlgItem(&d, id)->isHidden() ? "-" : GetWindowText(GetDlgItem(&d, id)));
         EXPECT_TRUE(qobject_cast<QCheckBox*>(GetDlgItem(&d, chx1))->isChecked());
         qobject_cast<QAbstractButton*>(GetDlgItem(&d, pshHelp))->click();
         d.setDirectory(dir.filePath(QStringLiteral("roms")));
         d.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText("none/rom");
         pressOk(d);  // no such folder: refused, the dialog stays up
         d.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText("rom");
         for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
           // The overwrite prompt is the dialog's own box: answered once it is up.
           QTimer::singleShot(0, &d, [&, answer] {
             if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
               prompts << box->text();
               box->button(answer)->click();
             }
           });
           pressOk(d);
         }
       }});
  ComDlgEx dlg;
  dlg.Filter(QStringLiteral("Text|*.txt|QUARVEN Rom|*.smc"));
  dlg.FilterIndex(2);
  dlg.Extension(QStringLiteral(".SMC"));
  dlg.CenterDialog(2);
  dlg.RestoreCurDir(true);
  dlg.HideControls(1 | 4);
  dlg.txtButtonOK(QStringLiteral("&Go"));
  dlg.txtButtonCancel(QStringLiteral("&No"));
  dlg.txtLabelFileType(QStringLiteral("Kind:"));
  dlg.txtLabelFileName(QStringLiteral("File:"));
  dlg.txtButtonHelp(QStringLiteral("&Tip"));
  dlg.HelpMessage(QStringLiteral("Choose a rom."));
  dlg.CheckBoxSelected(true);
  EXPECT_TRUE(dlg.ShowSave());
  EXPECT_EQ(prompts.filter(QStringLiteral("rom.smc")).size(), 2) << "No keeps the dialog up";
  EXPECT_EQ((QStringList{dlg.FileName(), dlg.Extension(), *dlg.Filter(), QDir::currentPath()}),
            (QStringList{rom, "smc", "QUARVEN Rom|*.smc", scratch.path()}));
  EXPECT_EQ(controls, (QStringList{"&Go", "&No", "&Tip", "Open as &read-only", "File:", "-", "-", "-", "-"}));
  ASSERT_EQ(
      boxes.texts(),
      (std::vector<QString>{"Choose a rom.", dir.filePath("roms/none/rom.smc") +
                                                 "\nPath does not exist.\nCheck the path and try again."}));
  EXPECT_EQ(boxes.calls[0].title, "Tip");
  EXPECT_EQ(boxes.calls[0].style, MB_ICONINFORMATION);
}

}  // namespace
}  // namespace quarven::testing
