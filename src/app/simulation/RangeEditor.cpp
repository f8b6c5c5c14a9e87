#include "app/simulation/RangeEditor.h"

#include "app/simulation/RangeGrid.h"
#include "preflop/HandRange.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace tallyhand::app {

RangeEditor::RangeEditor(const QStringList& seats, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("range_editor"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_grid = new RangeGrid(QStringLiteral("grid_range"), this);
    m_grid->setToolTip(QStringLiteral("Klicken und ziehen wählt Klassen; oben rechts suited, unten links offsuit"));
    layout->addWidget(m_grid, 1);

    auto* controls = new QVBoxLayout;
    m_share = new QLabel(QStringLiteral("Top 0 %"), this);
    m_share->setObjectName(QStringLiteral("lbl_range_top"));
    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setObjectName(QStringLiteral("sl_range_top"));
    m_slider->setRange(0, 100);
    m_slider->setToolTip(QStringLiteral("Die stärksten Hände bis zu diesem Anteil aller Hände"));
    m_seat = new QComboBox(this);
    m_seat->setObjectName(QStringLiteral("cb_range_seat"));
    m_seat->addItems(seats);
    m_seat->setToolTip(QStringLiteral("Der Sitz, dessen Range das Raster zeigt und füllt"));
    auto* fill = new QPushButton(QStringLiteral("In Sitz übernehmen"), this);
    fill->setObjectName(QStringLiteral("btn_range_fill"));
    fill->setToolTip(QStringLiteral("Schreibt die gewählten Klassen in das Range-Feld des Sitzes"));
    auto* clear = new QPushButton(QStringLiteral("Leeren"), this);
    clear->setObjectName(QStringLiteral("btn_range_clear"));
    clear->setToolTip(QStringLiteral("Hebt die Auswahl im Raster auf"));
    controls->addWidget(m_share);
    controls->addWidget(m_slider);
    controls->addSpacing(8);
    controls->addWidget(new QLabel(QStringLiteral("Sitz"), this));
    controls->addWidget(m_seat);
    controls->addWidget(fill);
    controls->addWidget(clear);
    controls->addStretch(1);
    layout->addLayout(controls);

    connect(m_slider, &QSlider::valueChanged, this, [this](int percent) {
        m_share->setText(QStringLiteral("Top %1 %").arg(percent));
        m_fromSlider = true;
        m_grid->setSelected(percent == 0 ? std::vector<int>{} : topClasses(percent));
        m_fromSlider = false;
    });
    // A hand-made choice is no top share any more.
    connect(m_grid, &RangeGrid::selectionChanged, this, [this] {
        if (!m_fromSlider)
            m_share->setText(QStringLiteral("eigene Auswahl"));
    });
    connect(fill, &QPushButton::clicked, this, [this] { emit fillRequested(m_seat->currentIndex(), rangeText()); });
    connect(clear, &QPushButton::clicked, this, [this] { m_grid->setSelected({}); });
    connect(m_seat, &QComboBox::currentIndexChanged, this, &RangeEditor::seatChosen);
}

QString RangeEditor::rangeText() const { return QString::fromStdString(classListText(m_grid->selected())); }

void RangeEditor::showRange(const QString& text)
{
    const RangeParse parsed = parseRange(text.toStdString());
    m_grid->setSelected(parsed.ok() ? classesOf(parsed.range) : std::vector<int>{});
}

} // namespace tallyhand::app
