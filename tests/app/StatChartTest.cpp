// The statistics chart widget: bars keep their colours and order, clicks
// report the bar's label, pies keep their slice colours, images are saved.
#include "app/widgets/StatChart.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QPieSeries>
#include <QPieSlice>
#include <QSignalSpy>
#include <QStackedBarSeries>
#include <QTemporaryDir>
#include <QTest>

using namespace tallyhand;
using namespace tallyhand::app;

class StatChartTest : public QObject {
    Q_OBJECT

private slots:
    void barsKeepOrderColoursAndReportClicks()
    {
        StatChart chart(QStringLiteral("Chart_2"), QStringLiteral("Sklanskyverteilung"));
        chart.showBars({{"101", 1, kGreen}, {"102", 5, kRed}, {"101", 2, kGreen}}, QStringLiteral("Series3"));
        auto* series = qobject_cast<QStackedBarSeries*>(chart.series());
        QVERIFY(series);
        QCOMPARE(series->objectName(), QStringLiteral("Series3"));
        QCOMPARE(series->count(), 2); // one set per colour
        QBarSet* green = series->barSets().at(0);
        QCOMPARE(green->color(), QColor(0, 128, 0));
        QCOMPARE(green->at(0), 1.0);
        QCOMPARE(green->at(1), 0.0);
        QCOMPARE(green->at(2), 2.0);
        QCOMPARE(series->barSets().at(1)->at(1), 5.0);
        // Equal labels stay separate bars.
        auto* axis = qobject_cast<QBarCategoryAxis*>(chart.chart()->axes(Qt::Horizontal).value(0));
        QVERIFY(axis);
        QCOMPARE(axis->count(), 3);
        QCOMPARE(chart.valueRange(), std::make_pair(0.0, 5.0));

        QSignalSpy clicked(&chart, &StatChart::barClicked);
        emit series->clicked(1, series->barSets().at(1));
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.at(0).at(0).toString(), QStringLiteral("102"));

        chart.showBars({{"7", -900, kYellow}}, {}, std::pair{-900.0, 1800.0});
        QCOMPARE(chart.valueRange(), std::make_pair(-900.0, 1800.0));
        QCOMPARE(chart.chart()->series().size(), 1);
    }

    void piesKeepTheirColoursAndImagesAreSaved()
    {
        StatChart chart(QStringLiteral("ch_flop_fd3"), QStringLiteral("Dreimal gleiche Farbe im Flop"));
        chart.resize(300, 200);
        chart.showPie({{"Herz", 3, kRed}, {"0", 2, std::nullopt}}, QStringLiteral("Series2"));
        auto* pie = qobject_cast<QPieSeries*>(chart.series());
        QVERIFY(pie);
        QCOMPARE(pie->count(), 2);
        QCOMPARE(pie->slices().at(0)->color(), QColor(255, 0, 0));
        QCOMPARE(pie->slices().at(1)->label(), QStringLiteral("0"));
        QCOMPARE(chart.kind(), StatChart::Kind::Pie);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("chart.png"));
        QVERIFY(chart.saveImage(path));
        QVERIFY(QImage(path).width() > 0);
        QVERIFY(!chart.saveImage(dir.filePath(QStringLiteral("missing/chart.png"))));

        // Up to six slices carry their labels; more get a legend instead,
        // and a bar view after a crowded pie shows no stale legend.
        for (int slices : {1, 6, 7, 9}) {
            ChartSeries points;
            for (int i = 0; i < slices; ++i)
                points.push_back({std::to_string(i), static_cast<double>(i + 1), std::nullopt});
            chart.showPie(points, QStringLiteral("Series2"));
            auto* shown = qobject_cast<QPieSeries*>(chart.series());
            QVERIFY(shown);
            const bool crowded = slices > 6;
            QCOMPARE(chart.chart()->legend()->isVisible(), crowded);
            if (crowded)
                QCOMPARE(chart.chart()->legend()->markers(shown).size(), slices);
            for (QPieSlice* slice : shown->slices())
                QCOMPARE(slice->isLabelVisible(), !crowded);
        }
        chart.showBars({{"1", 1, kGreen}});
        QVERIFY(chart.series());
        QVERIFY(!chart.chart()->legend()->isVisible());

        chart.clear();
        QCOMPARE(chart.series(), nullptr);
        QVERIFY(chart.points().empty());
    }

    // A hidden chart is built when shown, with the last data given; thousands
    // of bars become one outline per colour that still report the bar clicked.
    void hiddenAndLargeCharts()
    {
        StatChart chart(QStringLiteral("Chart_1"), QStringLiteral("Hero"));
        ChartSeries many;
        for (int i = 0; i < 3000; ++i)
            many.push_back({std::to_string(1000 + i), static_cast<double>(i % 7) - 3, i % 2 ? kGreen : kRed});
        chart.showPie({{"1", 1, kGreen}});
        chart.showBars(many, QStringLiteral("Series1"));
        QVERIFY(chart.chart()->series().isEmpty());
        chart.show();
        QCOMPARE(chart.chart()->series().size(), 2);
        auto* area = qobject_cast<QAreaSeries*>(chart.series());
        QVERIFY(area);
        QCOMPARE(area->objectName(), QStringLiteral("Series1"));
        QCOMPARE(chart.valueRange(), std::make_pair(-3.0, 3.0));
        QSignalSpy clicked(&chart, &StatChart::barClicked);
        emit area->clicked(QPointF(1234.2, 1));
        QCOMPARE(clicked.takeFirst().at(0).toString(), QStringLiteral("2234"));
    }
};

QTEST_MAIN(StatChartTest)
#include "StatChartTest.moc"
