#ifndef TESTFILES_H
#define TESTFILES_H

#include <QByteArray>
#include <QString>

// The bytes of a file, "<missing>" when it cannot be read.
QByteArray contentOf(const QString& path);
// Writes data as the whole file; false when it cannot be written.
bool put(const QString& path, const QByteArray& data);

#endif
