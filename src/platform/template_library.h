#pragma once
// Dialog template libraries: a small text file of our own format that holds dialog templates by
// number. LoadLibrary looks for the file next to the executable, then in the working folder.
//
//   QUARVEN DIALOG TEMPLATES 1
//   # a comment
//   template 100
//   button 101 "&Copy"
//   end
//
// The first line must be the header, or the file is no library. Lines that are not understood
// are skipped.

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace quarven::platform {

using HMODULE = std::uintptr_t;

struct TemplateButton {
  int id = 0;
  QString caption;
};

struct DialogTemplate {
  int id = 0;
  std::vector<TemplateButton> buttons;  // laid out side by side, in this order
};

std::optional<std::vector<DialogTemplate>> parseTemplateLibrary(const QString& text);

// 0 when the file is not found or is no library.
HMODULE LoadLibrary(const QString& fileName);
bool FreeLibrary(HMODULE module);
// The template with that number, or null; valid until the library is freed.
const DialogTemplate* FindDialogTemplate(HMODULE module, int id);

}  // namespace quarven::platform
