#include "platform/template_library.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "platform/handle_table.h"

namespace quarven::platform {

namespace {
constexpr qint64 kMaxLibrarySize = 64 * 1024;
const QString kHeader = QStringLiteral("QUARVEN DIALOG TEMPLATES 1");

HandleTable<std::vector<DialogTemplate>>& modules() {
  static HandleTable<std::vector<DialogTemplate>> table;
  return table;
}

QString findLibrary(const QString& fileName) {
  if (fileName.isEmpty()) return {};
  if (QFileInfo(fileName).isAbsolute()) return QFileInfo(fileName).isFile() ? fileName : QString();
  const QString besideProgram = QCoreApplication::instance()
                                    ? QDir(QCoreApplication::applicationDirPath()).filePath(fileName)
                                    : QString();
  for (const QString& candidate : {besideProgram, QDir::current().filePath(fileName)}) {
    if (!candidate.isEmpty() && QFileInfo(candidate).isFile()) return candidate;
  }
  return {};
}
}  // namespace

std::optional<std::vector<DialogTemplate>> parseTemplateLibrary(const QString& text) {
  const QStringList lines = text.split(u'\n');
  if (lines.isEmpty() || lines.front().trimmed() != kHeader) return std::nullopt;

  static const QRegularExpression templateLine(QStringLiteral(R"(^template\s+(\d{1,5})$)"));
  static const QRegularExpression buttonLine(QStringLiteral(R"re(^button\s+(\d{1,5})\s+"([^"]*)"$)re"));
  std::vector<DialogTemplate> templates;
  DialogTemplate* open = nullptr;
  for (qsizetype i = 1; i < lines.size(); ++i) {
    const QString line = lines[i].trimmed();
    if (const auto m = templateLine.match(line); m.hasMatch()) {
      templates.push_back({m.captured(1).toInt(), {}});
      open = &templates.back();
    } else if (const auto b = buttonLine.match(line); b.hasMatch() && open) {
      open->buttons.push_back({b.captured(1).toInt(), b.captured(2)});
    } else if (line == u"end") {
      open = nullptr;
    }
  }
  return templates;
}

HMODULE LoadLibrary(const QString& fileName) {
  QFile file(findLibrary(fileName));
  if (file.fileName().isEmpty() || file.size() > kMaxLibrarySize || !file.open(QIODevice::ReadOnly)) return 0;
  auto templates = parseTemplateLibrary(QString::fromUtf8(file.readAll()));
  return templates ? modules().add(std::move(*templates)) : 0;
}

bool FreeLibrary(HMODULE module) {
  return modules().remove(module);
}

const DialogTemplate* FindDialogTemplate(HMODULE module, int id) {
  const auto* templates = modules().find(module);
  if (!templates) return nullptr;
  for (const DialogTemplate& t : *templates) {
    if (t.id == id) return &t;
  }
  return nullptr;
}

}  // namespace quarven::platform
