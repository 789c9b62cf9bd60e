// The hook's features: template buttons, centring, and the status bar's helpers.

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
  void writeLibrary(const QString& text) {
    QFile file(QDir(scratch.path()).filePath(QStringLiteral("COMDLGEX.dll")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
  }
  MessageBoxRecorder boxes;
};
// The status-bar helpers read the locale; the fixture resets it.
using StatusBarHelpers = DialogTest;

TEST_F(DialogHook, TemplateLibraryAbsentPresentWithoutTheTemplateAndPresentWithIt) {
  struct Case {
    const char* name;
    std::optional<QString> library;
    std::vector<QString> messages;
    std::vector<bool> shownButtons;  // 101 and 102, when the template has them
  };
  const QString header = QStringLiteral("QUARVEN DIALOG TEMPLATES 1\r\n");
  const QString template100 =
      QStringLiteral("template 100\r\nbutton 101 \"A\"\r\nbutton 102 \"B\"\r\nend\r\n");
  const Case cases[] = {
      {"absent", std::nullopt, {}, {}},
      {"no library", template100, {}, {}},  // a file without the header does not load: no word
      {"without template 100", header + "template 200\nbutton 101 \"X\"\nend\n", {kTemplateMessage}, {}},
      // Only a captioned button shows; its click answers with its message.
      {"with template 100", header + template100, {"Put Copy File code here"}, {true, false}},
  };
  for (const Case& c : cases) {
    QFile::remove(QDir(scratch.path()).filePath(QStringLiteral("COMDLGEX.dll")));
    if (c.library) writeLibrary(*c.library);
    boxes.calls.clear();
    shown = 0;
    std::vector<bool> shownButtons;
    QString caption;
    drive([&](QFileDialog& d) {
      for (int id : {101, 102}) {
        if (HWND button = GetDlgItem(&d, id)) shownButtons.push_back(!button->isHidden());
      }
      if (auto* copy = qobject_cast<QAbstractButton*>(GetDlgItem(&d, 101)); copy && !copy->isHidden()) {
        caption = copy->text();
        copy->click();
      }
    });
    ComDlgEx each;
    each.TemplateLibrary(QStringLiteral("COMDLGEX.dll"));
    each.TemplateID(100);
    each.txtButton1(QStringLiteral("&Copy"));
    each.ShowOpen();
    EXPECT_EQ(shown, 1) << c.name;
    EXPECT_EQ(boxes.texts(), c.messages) << c.name;
    for (const auto& call : boxes.calls) EXPECT_EQ(call.title, "QUARVEN_EDITOR");
    EXPECT_EQ(shownButtons, c.shownButtons) << c.name;
    EXPECT_EQ(caption, c.shownButtons.empty() ? "" : "&Copy") << c.name;
  }
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

TEST_F(StatusBarHelpers, FormatSizeInTheUsersLocale) {
  const std::pair<double, QString> cases[] = {{512, "512 bytes"},     {1023, "1,023 bytes"},
                                              {1536, "1.5KB"},        {2048, "2KB"},
                                              {1048575, "1,024.0KB"}, {1048576, "1.00MB"}};
  for (const auto& [bytes, text] : cases) EXPECT_EQ(dialogs::FormatSize(bytes), text) << bytes;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(dialogs::FormatSize(1536), "1,5KB");
}

TEST_F(StatusBarHelpers, FormatDateIsShortDateAndTwelveHourTime) {
  const QDateTime when(QDate(2024, 3, 7), QTime(14, 5));
  EXPECT_EQ(dialogs::FormatDate(when), QLocale().toString(when.date(), QLocale::ShortFormat) + " 02:05 PM");
  EXPECT_TRUE(dialogs::FormatDate(QDateTime(QDate(2024, 3, 7), QTime(0, 30))).endsWith(" 12:30 AM"));
}

TEST_F(StatusBarHelpers, PartEdgesFollowTheBarsWidthAndRoundHalvesToEven) {
  dialogs::computePartEdges(500);
  EXPECT_EQ(dialogs::gParts2, (std::array<int, 2>{390, -1}));
  EXPECT_EQ(dialogs::gParts3, (std::array<int, 3>{335, 390, -1}));  // 55 added to the rounded 335
  dialogs::computePartEdges(50);  // 33.5 and 5.5 both round to the even neighbour
  EXPECT_EQ(dialogs::gParts3, (std::array<int, 3>{34, 40, -1}));
}

TEST_F(StatusBarHelpers, CompactPathKeepsTheNameAndFitsTheWidth) {
  QWidget bar;
  const HDC dc = GetDC(&bar);
  const QFontMetrics metrics = bar.fontMetrics();
  const QString path = QStringLiteral("/home/player/games/snes/quarven/roms/rom.smc");
  const int width = metrics.horizontalAdvance(path);
  const auto compacted = [&](int pixels) {
    QString text = path;
    PathCompactPath(dc, text, pixels);
    return text;
  };
  EXPECT_EQ(compacted(width), path);
  EXPECT_EQ(compacted(-1), path);
  const QString half = compacted(width / 2);
  EXPECT_TRUE(half.startsWith("/home") && half.endsWith(".../rom.smc")) << half.toStdString();
  EXPECT_LE(metrics.horizontalAdvance(half), width / 2);
  const QString tiny = compacted(metrics.horizontalAdvance(QStringLiteral("/ro...")));
  EXPECT_TRUE(tiny.endsWith("...")) << tiny.toStdString();
  ReleaseDC(&bar, dc);
}

}  // namespace
}  // namespace quarven::testing
