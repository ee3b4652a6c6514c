// Forms over the bundled vocabulary: a form looked up in the forms file alone, a text
// resolved as the command resolves it (table, rules, compounds), the command's one-word
// lookup of a headword and of a form (process start and loading included), and the
// desktop search's answer to a form, in-process.
#include "dictionary/DataFile.h"
#include "dictionary/DictionaryStore.h"
#include "dictionary/Windows1252.h"
#include "forms/FormsLoad.h"
#include "forms/StoreForms.h"
#include "search/SearchService.h"
#include "system/ErrorReporter.h"
#include "tests/support/Process.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

class Silent : public wb::ErrorReporter {
public:
    void reportError(std::string_view) override {}
};

const wb::DictionaryStore& bundledStore()
{
    static const wb::DictionaryStore store = [] {
        wb::DictionaryStore loaded;
        Silent silent;
        loaded.OpenDistNow(WB_DATA_DIRECTORY, silent);
        return loaded;
    }();
    return store;
}

const wb::FormsTable& germanForms()
{
    static const wb::FormsTable table = [] {
        auto loaded = wb::loadForms(WB_DATA_DIRECTORY, wb::DictionaryFile::German,
                                    bundledStore().germanWords());
        if (!loaded.problem.empty())
            throw std::runtime_error("deuforms.dat: " + loaded.problem);
        return loaded.table;
    }();
    return table;
}

// Every 97th form of the table: spread over the whole alphabet.
std::vector<std::string> sampleForms()
{
    std::vector<std::string> forms;
    for (std::size_t i = 0; i < germanForms().size(); i += 97)
        forms.emplace_back(germanForms().form(i));
    return forms;
}

void BM_FormsFileFind(benchmark::State& state)
{
    const auto forms = sampleForms();
    std::size_t i = 0, found = 0;
    for (auto _ : state) {
        found += germanForms().find(forms[i]).size();
        i = (i + 1) % forms.size();
    }
    benchmark::DoNotOptimize(found);
    state.SetItemsProcessed(state.iterations());
}

// range(0): 0 a listed form, 1 a form the rules find, 2 a compound, 3 nothing at all.
void BM_Resolve(benchmark::State& state)
{
    static const char* const kTexts[] = {"Häusern", "Zielgruppen", "Donaudampfschiffkapitän",
                                         "Qwertzuiopü"};
    const std::string text = wb::utf8ToWindows1252(kTexts[state.range(0)]);
    const wb::FormResolver resolver(wb::FormLanguage::German, bundledStore().germanWords(),
                                    germanForms());
    std::size_t parts = 0;
    for (auto _ : state)
        parts += resolver.resolve(text).bases.size();
    benchmark::DoNotOptimize(parts);
    state.SetLabel(kTexts[state.range(0)]);
}

int runCommand(const std::vector<std::string>& args)
{
    wb::test::ProcessOptions options;
    options.output = "/dev/null";
    return wb::test::runProcess(WB_DICT_COMMAND, args, options).exitCode;
}

// range(0): 0 a headword ("Haus", as before there were forms), 1 a form ("Häusern",
// which reads the forms file), 2 a compound.
void BM_CommandOneWord(benchmark::State& state)
{
    static const char* const kTexts[] = {"Haus", "Häusern", "Donaudampfschiffkapitän"};
    for (auto _ : state)
        if (runCommand({"lookup", "--data", WB_DATA_DIRECTORY, "--exact", "--status", "de",
                        kTexts[state.range(0)]}) != 0)
            state.SkipWithError("the command found nothing");
    state.SetLabel(kTexts[state.range(0)]);
}

class NoLauncher : public wb::WindowLauncher {
public:
    void open(wb::Direction, const QString&) override {}
};

// range(0): the text, "Häusern" or "Haus"; range(1): 1 with forms, 0 without.
void BM_ServiceFind(benchmark::State& state)
{
    NoLauncher launcher;
    wb::SearchService service(bundledStore(), launcher);
    wb::StoreForms forms(bundledStore(), WB_DATA_DIRECTORY);
    forms.preload();
    if (state.range(1) == 1)
        service.setForms(&forms);
    const char* text = state.range(0) == 0 ? "Häusern" : "Haus";
    for (auto _ : state)
        benchmark::DoNotOptimize(
            service.find(QString::fromUtf8(text), wb::SearchService::kGnomeLimit));
    state.SetLabel(std::string(text) + (state.range(1) == 1 ? ", with forms" : ", without forms"));
}

// What a lookup pays once before its first form: reading and checking the forms file,
// and the resolver's index of the headwords.
void BM_LoadGermanForms(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(wb::loadForms(WB_DATA_DIRECTORY, wb::DictionaryFile::German,
                                               bundledStore().germanWords()));
}

void BM_DecodeGermanForms(benchmark::State& state)
{
    const auto bytes =
        wb::readDataFile(std::filesystem::path(WB_DATA_DIRECTORY) / "deuforms.dat", 1 << 25);
    for (auto _ : state)
        benchmark::DoNotOptimize(wb::decodeForms(*bytes));
}

void BM_GermanResolverIndex(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(wb::HeadwordLookup(bundledStore().germanWords()));
}

BENCHMARK(BM_FormsFileFind)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_Resolve)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CommandOneWord)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ServiceFind)->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadGermanForms)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeGermanForms)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GermanResolverIndex)->Unit(benchmark::kMillisecond);

} // namespace

// The service's idle timer needs an application object.
int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
