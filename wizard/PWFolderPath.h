#ifndef PWFOLDERPATH_H
#define PWFOLDERPATH_H

#include <QDir>
#include <QString>

// Creates every missing folder of dir's path, walking it element by element
// (split at backslashes when it has any, else at slashes). On failure to create
// an element, message names it.
bool createFolderPath(const QDir& dir, QString& message);

#endif
