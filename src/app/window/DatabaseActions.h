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

// Writes the five exchange files of the home's database into `targetDir`
// through a connection of its own, so it may run in a worker. Returns an error
// text naming what failed, empty on success.
QString exportHomeDatabase(const QString& homeDir, const QString& targetDir);

} // namespace tallyhand::app
