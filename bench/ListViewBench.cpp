// What a search's ten thousand result rows cost the result list: appending them in
// one batch, appending them one by one with their translations as they arrive, and
// painting the list once they are in. Runs headless unless a platform is given.
#include "controls/ListView.h"

#include <QApplication>
#include <QImage>
#include <benchmark/benchmark.h>

namespace {

constexpr int Rows = 10000;

std::vector<TListRow> resultRows()
{
    std::vector<TListRow> rows;
    rows.reserve(Rows);
    for (int i = 0; i < Rows; ++i)
        rows.push_back(
            {QStringLiteral("HOUSE%1").arg(i), {QStringLiteral("Haus; Gebäude %1").arg(i)}});
    return rows;
}

void makeList(TListView& list)
{
    list.resize(450, 300);
    list.addColumn(QStringLiteral("Wort"), 200);
    list.addColumn(QStringLiteral("Übersetzungen"), 250);
}

void AppendBatch(benchmark::State& state)
{
    TListView list;
    makeList(list);
    for (auto _ : state) {
        state.PauseTiming();
        list.Items().clear();
        std::vector<TListRow> rows = resultRows();
        state.ResumeTiming();
        list.Items().append(std::move(rows));
    }
    state.SetItemsProcessed(state.iterations() * Rows);
}
BENCHMARK(AppendBatch)->Unit(benchmark::kMillisecond);

void AppendOneByOne(benchmark::State& state)
{
    TListView list;
    makeList(list);
    const std::vector<TListRow> rows = resultRows();
    for (auto _ : state) {
        list.Items().clear();
        for (const TListRow& row : rows) {
            const int index = list.Items().add(row.caption);
            list.Items().addSubItem(index, row.subItems.front());
        }
    }
    state.SetItemsProcessed(state.iterations() * Rows);
}
BENCHMARK(AppendOneByOne)->Unit(benchmark::kMillisecond);

void PaintFull(benchmark::State& state)
{
    TListView list;
    makeList(list);
    list.Items().append(resultRows());
    QImage image(list.size(), QImage::Format_RGB32);
    for (auto _ : state)
        list.render(&image);
}
BENCHMARK(PaintFull)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
