// The search click of the main window with the bundled vocabulary, offscreen: the
// whole handler (emptying the list, the walk, the gauge, the rows into the model and
// the list's next paint) beside the bare walk of the same key with sinks that do
// nothing. The keys: the one-letter key with the most headwords in each direction,
// "hou"/"haus" and the empty key.
#include "controls/ListView.h"
#include "controls/PageControl.h"
#include "dictionary/AsciiCase.h"
#include "dictionary/Search.h"
#include "system/ErrorReporter.h"
#include "ui/MainUnit1.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <benchmark/benchmark.h>

#include <map>

namespace {

using wb::Direction;

class SilentReporter : public wb::ErrorReporter {
public:
    void reportError(std::string_view) override {}
};

TMainForm& form()
{
    static SilentReporter reporter;
    static TMainForm* shown = [] {
        auto* f = new TMainForm(std::filesystem::path(WB_DATA_DIRECTORY), reporter);
        f->show();
        (void)QTest::qWaitForWindowExposed(f);
        QApplication::processEvents();
        return f;
    }();
    return *shown;
}

const wb::WordList& wordsOf(Direction direction)
{
    const wb::DictionaryStore& store = *form().store();
    return direction == Direction::EnglishToGerman ? store.englishWords() : store.germanWords();
}

std::string worstLetter(Direction direction)
{
    std::map<char, int> counts;
    const wb::WordList& words = wordsOf(direction);
    for (std::size_t i = 0; i < words.size(); ++i)
        if (const auto word = words[i]; !word.empty())
            ++counts[wb::asciiUpperCase(word.substr(0, 1))[0]];
    return std::string(1, std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                              return a.second < b.second;
                          })->first);
}

struct NoRows final : wb::RowSink {
    void addRow(std::string_view headword) override { benchmark::DoNotOptimize(headword.data()); }
    void setTranslation(std::string_view translation) override
    {
        benchmark::DoNotOptimize(translation.data());
    }
};
struct NoProgress final : wb::ProgressSink {
    void setProgress(int percent) override { benchmark::DoNotOptimize(percent); }
};

std::string keyFor(Direction direction, int which)
{
    switch (which) {
    case 0:
        return worstLetter(direction);
    case 1:
        return direction == Direction::EnglishToGerman ? "hou" : "haus";
    default:
        return {};
    }
}

void ClickHandler(benchmark::State& state)
{
    const auto direction = Direction(state.range(0));
    const std::string key = keyFor(direction, int(state.range(1)));
    TMainForm& f = form();
    const int page = direction == Direction::EnglishToGerman ? 0 : 1;
    f.findChild<TPageControl*>("PageControl2")->setCurrentIndex(page);
    auto* find = f.findChild<QLineEdit*>(page == 0 ? "FindEd" : "FindEd2");
    auto* list = f.findChild<TListView*>(page == 0 ? "ListView1" : "ListView2");
    find->setText(QString::fromLatin1(key.c_str()));
    for (auto _ : state) {
        page == 0 ? f.FindBtnClick() : f.FindBtn2Click();
        list->viewport()->repaint();
    }
    state.SetLabel("key \"" + key + "\", " + std::to_string(list->Items().count()) + " rows");
}

void BareSearch(benchmark::State& state)
{
    const auto direction = Direction(state.range(0));
    const std::string key = keyFor(direction, int(state.range(1)));
    NoRows rows;
    NoProgress progress;
    for (auto _ : state)
        wb::searchWith(*form().store(), direction, key, rows, progress);
    state.SetLabel("key \"" + key + "\"");
}

// range(0): the direction; range(1): 0 the worst letter, 1 "hou"/"haus", 2 the empty key.
BENCHMARK(ClickHandler)
    ->ArgsProduct({{0, 1}, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(0.5);
BENCHMARK(BareSearch)
    ->ArgsProduct({{0, 1}, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(0.5);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
