#include "progressfrm.h"
#include "ui_progressfrm.h"

#include "application.h"
#include "growinglayout.h"

#include <QCoreApplication>
#include <QChart>
#include <QHeaderView>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>
#include <QTableWidget>
#include <QValueAxis>

#include <algorithm>

namespace {

using golexorb::fromUtf8;

constexpr QSize kSize(233, 600);
const QColor kScoreColor(0, 128, 0);
const QColor kBestColor(255, 0, 0);

// A round number of rounds between labels, so that about five show.
int roundsBetweenLabels(int rounds)
{
    for (int step : {1, 2, 5, 10, 20, 25, 50}) {
        if ((rounds - 1) / step <= 5)
            return step;
    }
    return 100;
}

QFont chartFont(bool bold = false)
{
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(11); // 8 points at 96 dots per inch, as the windows' text
    f.setBold(bold);
    return f;
}

} // namespace

ProgressFrm::ProgressFrm(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::progressfrm>())
{
    ui->setupUi(this);
    golexorb::setUpDialog(this);
    // The chart takes most of what the window gains or loses in height.
    auto* layout = new GrowingLayout(this, kSize);
    layout->grow(ui->chartview, 2, 140);
    layout->grow(ui->roundstbl, 1, 66);
    // Beside the All Words window it was opened from, and as tall.
    const QPoint at = parent ? golexorb::beside(parent, kSize) : golexorb::centredOnScreen(kSize);
    golexorb::placeInside(this, at, kSize, layout->minimumSize());
    ui->chartview->setRenderHint(QPainter::Antialiasing);
    ui->chartview->setFrameShape(QFrame::Box);
    QHeaderView* header = ui->roundstbl->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->resizeSection(0, 44);
    header->resizeSection(1, 72); // room in the score column for ", with hints"
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ui->roundstbl->setFocus();
}

ProgressFrm::~ProgressFrm() = default;

void ProgressFrm::fill(const game::Progress& p)
{
    ui->captiontxt->setText(fromUtf8(p.caption));
    ui->summarytxt->setText(fromUtf8(p.summary));

    // The chart's rounds in words, for a screen reader to walk; the latest
    // in sight.
    QTableWidget* table = ui->roundstbl;
    table->setRowCount(int(p.rounds.size()));
    for (int i = 0; i < int(p.rounds.size()); ++i) {
        const game::Round& r = p.rounds[std::size_t(i)];
        const QString score = QString::number(r.score) + (i == p.bestIndex ? QCoreApplication::translate("Progress", ", best") : QString())
            + (r.hints > 0 ? QCoreApplication::translate("Progress", ", with hints") : QString());
        const QString cells[] = {QString::number(i + 1), fromUtf8(r.date), score};
        for (int c = 0; c < 3; ++c)
            table->setItem(i, c, new QTableWidgetItem(cells[c]));
    }
    if (table->rowCount() > 0)
        table->scrollToBottom();

    auto chart = std::make_unique<QChart>();
    chart->legend()->hide();
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(0, 4, 4, 0));

    auto* scores = new QLineSeries(chart.get());
    scores->setName(QCoreApplication::translate("Progress", "Score"));
    scores->setPen(QPen(kScoreColor, 2));
    scores->setPointsVisible(true);
    int highest = 0;
    for (const auto& point : p.points) {
        scores->append(point.x, point.score);
        highest = std::max(highest, point.score);
    }
    auto* best = new QScatterSeries(chart.get());
    best->setName(QCoreApplication::translate("Progress", "Best"));
    best->setColor(kBestColor);
    best->setBorderColor(kBestColor);
    best->setMarkerSize(9);
    best->setPointLabelsVisible(true);
    best->setPointLabelsFormat(QStringLiteral("@yPoint"));
    best->setPointLabelsColor(kBestColor);
    best->setPointLabelsFont(chartFont(true));
    best->setPointLabelsClipping(false);
    if (p.bestIndex >= 0 && std::size_t(p.bestIndex) < p.points.size())
        best->append(p.points[std::size_t(p.bestIndex)].x, p.points[std::size_t(p.bestIndex)].score);
    chart->addSeries(scores);
    chart->addSeries(best);

    const int rounds = std::max(2, int(p.points.size()));
    auto* x = new QValueAxis(chart.get());
    x->setTitleText(QCoreApplication::translate("Progress", "Round"));
    x->setLabelFormat(QStringLiteral("%d"));
    x->setRange(0.5, rounds + 0.5); // room for the first and last markers
    x->setTickType(QValueAxis::TicksDynamic);
    x->setTickAnchor(1);
    x->setTickInterval(roundsBetweenLabels(rounds));
    auto* y = new QValueAxis(chart.get());
    y->setTitleText(QCoreApplication::translate("Progress", "Score"));
    y->setLabelFormat(QStringLiteral("%d"));
    // Room above the best for its label.
    y->setRange(0, std::max(5, (highest * 6 / 5 + 4) / 5 * 5));
    for (QValueAxis* axis : {x, y}) {
        axis->setLabelsFont(chartFont());
        axis->setTitleFont(chartFont());
        axis->setMinorTickCount(0);
    }
    y->setTickCount(6);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(x);
        series->attachAxis(y);
    }
    // The view takes the new chart and lets the old one go.
    QChart* old = ui->chartview->chart();
    ui->chartview->setChart(chart.release());
    delete old;
}

void ProgressFrm::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), QColor(255, 255, 255));
    golexorb::paintBackground(this);
}

QDialog* golexorb_progress_window(const game::Progress& progress, QWidget* parent)
{
    auto* window = new ProgressFrm(parent);
    window->fill(progress);
    return window;
}
