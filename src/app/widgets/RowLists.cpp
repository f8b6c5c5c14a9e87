#include "app/widgets/RowLists.h"

#include "history/TextDecoding.h"

#include <QFontDatabase>
#include <QListWidget>
#include <QPlainTextEdit>

namespace tallyhand::app {

namespace {

QFont fixedFont(const QWidget* like)
{
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSize(like->font().pointSize());
    return fixed;
}

} // namespace

QString displayText(const std::string& bytes)
{
    return QString::fromStdString(decodeForDisplay(bytes));
}

QListWidget* makeRowList(const QString& name, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setUniformItemSizes(true);
    list->setAlternatingRowColors(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setFont(fixedFont(list));
    return list;
}

QPlainTextEdit* makeMemo(const QString& name, QWidget* parent)
{
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(name);
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setFont(fixedFont(memo));
    return memo;
}

void fillRows(QListWidget* list, const std::vector<std::string>& rows, const std::vector<std::string>* tips)
{
    list->clear();
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(rows.size()));
    for (const std::string& row : rows)
        texts << displayText(row);
    list->addItems(texts);
    if (tips)
        for (std::size_t i = 0; i < tips->size() && i < rows.size(); ++i)
            list->item(static_cast<int>(i))->setToolTip(displayText((*tips)[i]));
}

void fillMemo(QPlainTextEdit* memo, const std::vector<std::string>& lines)
{
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines)
        texts << displayText(line);
    memo->setPlainText(texts.join(QLatin1Char('\n')));
}

QStringList rowTexts(const QListWidget* list)
{
    QStringList rows;
    for (int i = 0; i < list->count(); ++i)
        rows << list->item(i)->text();
    return rows;
}

} // namespace tallyhand::app
