// The hook's features: template buttons, centring, relabelled and hidden controls, help, and the
// status bar's helpers.

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>

#include "dialog_test_support.h"
#include "dialogs/com_dlg_ex.h"
#include "dialogs/com_dlg_hook.h"
#include "message_box_recorder.h"
#include "platform/shell_api.h"

namespace quarven::testing {
namespace {

using dialogs::ComDlgEx;
using namespace platform;

const QString kTemplateMessage =
    QStringLiteral("Template Library or Template ID not found.\rContinuing without Template...");

class DialogHook : public DialogTest {
 protected:
  void writeLibrary(const QString& body) {
    QFile file(QDir(scratch.path()).filePath(QStringLiteral("COMDLGEX.dll")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(("QUARVEN DIALOG TEMPLATES 1\n" + body).toUtf8());
  }
  ComDlgEx dlg;
  MessageBoxRecorder boxes;
};

TEST_F(DialogHook, TemplateLibraryAbsentPresentWithoutTheTemplateAndPresentWithIt) {
  struct Case {
    const char* name;
    std::optional<QString> library;
    std::vector<QString> messages;
    bool buttons;
  };
  const Case cases[] = {
      {"absent", std::nullopt, {}, false},
      {"without template 100", "template 200\nbutton 101 \"X\"\nend\n", {kTemplateMessage}, false},
      {"with template 100", "template 100\nbutton 101 \"A\"\nbutton 102 \"B\"\nend\n", {}, true},
  };
  for (const Case& c : cases) {
    QFile::remove(QDir(scratch.path()).filePath(QStringLiteral("COMDLGEX.dll")));
    if (c.library) writeLibrary(*c.library);
    boxes.calls.clear();
    shown = 0;
    bool hasButtons = false;
    drive([&](QFileDialog& d) { hasButtons = GetDlgItem(&d, 101) != nullptr; });
    ComDlgEx each;
    each.TemplateLibrary(QStringLiteral("COMDLGEX.dll"));
    each.TemplateID(100);
    each.ShowOpen();
    EXPECT_EQ(shown, 1) << c.name;
    EXPECT_EQ(boxes.texts(), c.messages) << c.name;
    for (const auto& call : boxes.calls) EXPECT_EQ(call.title, "QUARVEN_EDITOR");
    EXPECT_EQ(hasButtons, c.buttons) << c.name;
    EXPECT_EQ(each.record().Flags & OFN_ENABLETEMPLATE, c.buttons ? unsigned(OFN_ENABLETEMPLATE) : 0u)
        << c.name;
  }
}

TEST_F(DialogHook, TemplateButtonsShowOnlyWithACaptionAndAnswerTheirClick) {
  writeLibrary(
      QStringLiteral("template 100\nbutton 101 \"1\"\nbutton 102 \"2\"\nbutton 103 \"3\"\n"
                     "button 104 \"4\"\nbutton 105 \"5\"\nend\n"));
  std::vector<bool> visible;
  QString caption;
  drive([&](QFileDialog& d) {
    for (int id = 101; id <= 105; ++id) visible.push_back(!GetDlgItem(&d, id)->isHidden());
    caption = GetWindowText(GetDlgItem(&d, 101));
    for (int id : {101, 105}) qobject_cast<QAbstractButton*>(GetDlgItem(&d, id))->click();
  });
  dlg.TemplateLibrary(QStringLiteral("COMDLGEX.dll"));
  dlg.TemplateID(100);
  dlg.txtButton1(QStringLiteral("&Copy"));
  dlg.txtButton5(QStringLiteral("A&bout"));
  dlg.ShowOpen();
  EXPECT_EQ(visible, (std::vector<bool>{true, false, false, false, true}));
  EXPECT_EQ(caption, "&Copy");
  EXPECT_EQ(boxes.texts(),
            (std::vector<QString>{"Put Copy File code here", "Put in the About Box code here"}));
  for (const auto& call : boxes.calls) EXPECT_EQ(call.title, "QUARVEN_EDITOR");
}

TEST_F(DialogHook, CentresOverTheOwnerAndLeavesADialogWithoutOwnerWhereItIs) {
  const auto dialogRect = [&](QWidget* owner) {
    RECT r;
    drive([&](QFileDialog& d) { GetWindowRect(&d, &r); }, [](QFileDialog& d) { d.move(7, 9); });
    ComDlgEx each;
    each.CenterDialog(1);
    each.StatusbarVisible(true);
    EXPECT_EQ(GetActiveWindow(), owner);
    each.ShowOpen();
    return r;
  };
  const RECT alone = dialogRect(nullptr);
  EXPECT_EQ(alone.left, 7);
  EXPECT_EQ(alone.top, 9);

  QWidget owner;
  owner.setGeometry(100, 50, 801, 700);
  owner.show();
  owner.activateWindow();
  ASSERT_TRUE(waitFor([&] { return GetActiveWindow() == &owner; }));
  const RECT centred = dialogRect(&owner);
  RECT o;
  GetWindowRect(&owner, &o);
  EXPECT_EQ(centred.left, o.left + (o.width() - centred.width()) / 2);
  EXPECT_EQ(centred.top, o.top + (o.height() - centred.height()) / 2);
  EXPECT_NE(centred.left, 7);
}

TEST_F(DialogHook, RelabelsHidesAndAnswersHelpUnlessItsMessageIsEmpty) {
  QStringList captions;
  std::vector<bool> hidden;
  drive([&](QFileDialog& d) {
    for (int id : {int(IDOK), int(stc4), int(chx1)}) captions << GetWindowText(GetDlgItem(&d, id));
    for (FileDialogControl id : {chx1, stc3, edt1, cmb1}) hidden.push_back(GetDlgItem(&d, id)->isHidden());
    qobject_cast<QAbstractButton*>(GetDlgItem(&d, pshHelp))->click();
  });
  dlg.txtButtonOK(QStringLiteral("&Load"));
  dlg.txtLabelLookIn(QStringLiteral("Search in this folder:"));
  dlg.CheckBoxCaption(QStringLiteral("Keep a backup"));
  dlg.HideControls(2);
  dlg.HelpMessage(QStringLiteral("Choose a ROM image."));
  dlg.ShowOpen();
  EXPECT_EQ(captions, (QStringList{"&Load", "Search in this folder:", "Keep a backup"}));
  EXPECT_EQ(hidden, (std::vector<bool>{false, true, true, false}));  // only the name's label and box
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].text, "Choose a ROM image.");
  EXPECT_EQ(boxes.calls[0].title, "Help") << "the Help button's caption without its &";
  EXPECT_EQ(boxes.calls[0].style, unsigned(MB_ICONINFORMATION));

  ComDlgEx silent;  // an empty help message makes Help do nothing
  silent.HelpMessage(QString());
  silent.ShowOpen();
  EXPECT_EQ(boxes.calls.size(), 1u);
}

TEST_F(DialogHook, SelectionThatNamesNoFileLeavesTheStatusBarAsItWas) {
  QStringList texts;
  drive([&](QFileDialog& d) {
    QDir(scratch.path()).mkdir(QStringLiteral("sub"));
    ASSERT_TRUE(selectFiles(d, {"sub"}));
    texts << statusBarOf(d)->text(0);
  });
  dlg.StatusbarVisible(true);
  dlg.ShowOpen();
  EXPECT_EQ(texts, QStringList{scratch.path()}) << "a folder is not measured";
}

TEST(StatusBarHelpers, FormatSizeInTheUsersLocale) {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  const std::pair<double, QString> cases[] = {{0, "0 bytes"},         {512, "512 bytes"},
                                              {1023, "1,023 bytes"},  {1024, "1KB"},
                                              {1536, "1.5KB"},        {2048, "2KB"},
                                              {1048575, "1,024.0KB"}, {1048576, "1.00MB"},
                                              {1572864, "1.50MB"},    {5368709120.0, "5,120.00MB"}};
  for (const auto& [bytes, text] : cases) EXPECT_EQ(dialogs::FormatSize(bytes), text) << bytes;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(dialogs::FormatSize(1536), "1,5KB");
  QLocale::setDefault(QLocale::system());
}

TEST(StatusBarHelpers, FormatDateIsShortDateAndTwelveHourTime) {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  const QDateTime when(QDate(2024, 3, 7), QTime(14, 5));
  EXPECT_EQ(dialogs::FormatDate(when), QLocale().toString(when.date(), QLocale::ShortFormat) + " 02:05 PM");
  EXPECT_TRUE(dialogs::FormatDate(QDateTime(QDate(2024, 3, 7), QTime(0, 30))).endsWith(" 12:30 AM"));
  QLocale::setDefault(QLocale::system());
}

TEST(StatusBarHelpers, PartEdgesRoundHalvesToEven) {
  dialogs::computePartEdges(50);  // 33.5 and 5.5 both round to the even neighbour
  EXPECT_EQ(dialogs::gParts3, (std::array<int, 3>{34, 40, -1}));
}

TEST(StatusBarHelpers, CompactPathKeepsTheNameAndFitsTheWidth) {
  QWidget bar;
  const HDC dc = GetDC(&bar);
  const QFontMetrics metrics = bar.fontMetrics();
  const QString path = QStringLiteral("/home/player/games/snes/quarven/roms/rom.smc");
  const int width = metrics.horizontalAdvance(path);

  QString whole = path;
  EXPECT_TRUE(PathCompactPath(dc, whole, width));
  EXPECT_EQ(whole, path);
  QString shortened = path;
  EXPECT_TRUE(PathCompactPath(dc, shortened, width / 2));
  EXPECT_TRUE(shortened.startsWith("/home"));
  EXPECT_TRUE(shortened.endsWith(".../rom.smc"));
  EXPECT_LE(metrics.horizontalAdvance(shortened), width / 2);

  QString tiny = path;
  PathCompactPath(dc, tiny, metrics.horizontalAdvance(QStringLiteral("/ro...")));
  EXPECT_TRUE(tiny.endsWith("...")) << tiny.toStdString();
  ReleaseDC(&bar, dc);
}

TEST(StatusBarHelpers, UpdatesWithoutABarAndStaleHandlesDoNothing) {
  dialogs::gStatusBar = nullptr;
  dialogs::UpdateStatusBar(dialogs::kIconOfFile, 3, "x", "y", "z");
  EXPECT_EQ(dialogs::gFileIcon, 0u);
  EXPECT_FALSE(DestroyIcon(0));
  EXPECT_FALSE(DestroyWindow(nullptr));
  QWidget notOurs;
  EXPECT_FALSE(DestroyWindow(&notOurs)) << "only windows this layer made are destroyed";
  dialogs::CenterWindow(nullptr, &notOurs);
}

TEST(TemplateLibraryFormat, HeaderIsRequiredAndStrayLinesAreSkipped) {
  EXPECT_FALSE(parseTemplateLibrary(QStringLiteral("template 100\nend\n")));
  const auto parsed =
      parseTemplateLibrary(QStringLiteral("QUARVEN DIALOG TEMPLATES 1\r\n# note\r\nbutton 1 "
                                          "\"orphan\"\r\ntemplate 100\r\nbutton 101 \"&Copy\"\r\n"
                                          "button x \"bad\"\r\nend\r\ntemplate 7\r\n"));
  ASSERT_TRUE(parsed);
  ASSERT_EQ(parsed->size(), 2u);
  EXPECT_EQ((*parsed)[0].id, 100);
  ASSERT_EQ((*parsed)[0].buttons.size(), 1u);
  EXPECT_EQ((*parsed)[0].buttons[0].caption, "&Copy");
  EXPECT_TRUE((*parsed)[1].buttons.empty());
}

}  // namespace
}  // namespace quarven::testing
