#ifndef PWREPORTFILE_H
#define PWREPORTFILE_H

#include <QString>

// File rules shared by the wizard's export and the command line report.
namespace PWReportFile {

// The name with ".txt" (text) or ".htm" (HTML) appended unless its last
// extension, in any case, already is one the format takes.
QString withExtension(const QString& fileName, bool html);

// Writes the text and a final line break, as Latin-1, replacing the file only
// once everything is written. False with the reason in error when it fails.
bool write(const QString& fileName, const QString& text, QString* error = nullptr);

} // namespace PWReportFile

#endif
