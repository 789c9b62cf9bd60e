#pragma once
// Paths longer than a desktop's 260 characters, built of folders the file system takes.

#include <QDir>
#include <QString>

namespace quarven::testing {

// A name under folders of 199 characters whose full path in base has exactly length characters.
inline QString nameOfPathLength(const QDir& base, int length) {
  const qsizetype room = length - base.path().size() - 1;
  QString name;
  while (room - name.size() > 255) name += QString(199, u'd') + u'/';
  return name + QString(room - name.size(), u'r');
}

}  // namespace quarven::testing
