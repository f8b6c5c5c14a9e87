#pragma once

#include <QString>
#include <QStringList>

namespace tallyhand::app {

// What the "Datei" menu does to the database, kept apart from the menu so
// that the database layer behind it can change without touching the window.

// Imports chosen hand-history files or folders in place: each folder (a
// file's own folder) joins the configured folder list unless it is on it.
// Returns the folders added, or sets `error`.
QStringList addImportSources(const QString& homeDir, const QStringList& paths, QString* error);

// Copies the five database files of `dataDir` into `targetDir`, replacing
// files of the same names there. Returns an error text naming the file that
// failed, empty on success.
QString exportDatabaseFiles(const QString& dataDir, const QString& targetDir);

// The five files, in the order the import writes them.
QStringList databaseFileNames();

} // namespace tallyhand::app
