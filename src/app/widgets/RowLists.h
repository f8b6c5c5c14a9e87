#pragma once

#include <QStringList>
#include <string>
#include <vector>

class QListWidget;
class QPlainTextEdit;
class QWidget;

namespace tallyhand::app {

// A list box of text rows in a fixed-pitch font, so that column-built rows
// ("A K s 12", "Hände gespielt  : 7") stay aligned.
QListWidget* makeRowList(const QString& name, QWidget* parent);
// A read-only memo in the same font.
QPlainTextEdit* makeMemo(const QString& name, QWidget* parent);

// Replaces the rows; texts are shown decoded (UTF-8 when valid, else
// Windows-1252). `tips` (same index) become the rows' tool tips.
void fillRows(QListWidget* list, const std::vector<std::string>& rows, const std::vector<std::string>* tips = nullptr);
void fillMemo(QPlainTextEdit* memo, const std::vector<std::string>& lines);
QStringList rowTexts(const QListWidget* list);

QString displayText(const std::string& bytes);

} // namespace tallyhand::app
