// Files that the tests lay out and read back.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QStringList>

namespace vxtest {

// The names in the folder, hidden ones included, sorted.
QStringList Entries(const QDir& dir);
// The file's bytes, or nothing when it cannot be read.
QByteArray ReadAll(const QString& path);
// Writes the file whole, or ends the test run: a case built on a file that
// is not there would test something else.
void WriteAll(const QString& path, const QByteArray& bytes);

} // namespace vxtest
