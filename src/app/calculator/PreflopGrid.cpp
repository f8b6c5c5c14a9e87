#include "app/calculator/PreflopGrid.h"

#include <QHeaderView>

namespace tallyhand::app {

namespace {

const QColor kFixedBlue(0, 0, 255);

QColor textColourOn(QColor background)
{
    return qGray(background.rgb()) < 128 ? QColor(Qt::white) : QColor(Qt::black);
}

} // namespace

PreflopGrid::PreflopGrid(QWidget* parent) : QTableWidget(3, 17, parent)
{
    setObjectName(QStringLiteral("stg_preflop"));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(8);
    verticalHeader()->setMinimumSectionSize(8);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setShowGrid(true);
    setGridStyle(Qt::SolidLine);

    QFont cellFont = font();
    cellFont.setPixelSize(10);
    cellFont.setBold(true);
    static const char* headings[16] = {"NR", "R", "RR", "NR", "R", "RR", "NR", "R4",
                                       "R",  "RR", "NR", "R", "RR", "NR", "R", "RR"};
    for (int c = 0; c < 17; ++c)
        setColumnWidth(c, c == 0 ? kLabelWidth : kCellWidth);
    for (int r = 0; r < 3; ++r)
        setRowHeight(r, kCellHeight);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 17; ++c) {
            auto* item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled);
            item->setFont(cellFont);
            item->setTextAlignment(Qt::AlignCenter);
            if (r == 0 || c == 0) {
                item->setBackground(kFixedBlue);
                item->setForeground(textColourOn(kFixedBlue));
            } else {
                item->setBackground(QColor(Qt::white));
            }
            setItem(r, c, item);
        }
    }
    for (int c = 1; c <= 16; ++c)
        item(0, c)->setText(QString::fromLatin1(headings[c - 1]));
    item(1, 0)->setText(QStringLiteral("loose"));
    item(2, 0)->setText(QStringLiteral("tight"));
    item(1, 0)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    item(2, 0)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    const int width = kLabelWidth + 16 * kCellWidth + 2 * frameWidth();
    const int height = 3 * kCellHeight + 2 * frameWidth();
    setFixedSize(width, height);
}

void PreflopGrid::setDataCell(int row, int column, const QString& text, QColor colour)
{
    QTableWidgetItem* cell = item(row, column);
    // Tokens keep their blanks in the cell text; the drawn text is trimmed.
    cell->setData(Qt::UserRole, text);
    cell->setText(text.trimmed());
    cell->setBackground(colour);
    cell->setForeground(textColourOn(colour));
}

void PreflopGrid::clearDataCells()
{
    for (int r = 1; r <= 2; ++r)
        for (int c = 1; c <= 16; ++c)
            setDataCell(r, c, QString(), QColor(Qt::white));
}

QString PreflopGrid::cellText(int row, int column) const
{
    const QTableWidgetItem* cell = item(row, column);
    return (row == 0 || column == 0) ? cell->text() : cell->data(Qt::UserRole).toString();
}

QColor PreflopGrid::cellColour(int row, int column) const
{
    return item(row, column)->background().color();
}

} // namespace tallyhand::app
