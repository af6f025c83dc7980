// Loading and saving whole main files, beside plainly reading and writing the same bytes.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>
#include <map>

#include "core/doc.h"
#include "platform/files.h"
#include "sample_database.h"

namespace {

namespace fs = std::filesystem;

const fs::path& sampleFile(int items) {
    static std::map<int, fs::path> files;
    auto& path = files[items];
    if (path.empty()) {
        path = fs::temp_directory_path() / ("dayvault-bench-" + std::to_string(items) + ".dayvault");
        CDvDoc doc;
        DvFillSampleDatabase(doc, items);
        doc.Save(path);
    }
    return path;
}

void reportPeakMemory(benchmark::State& state, int64_t fileBytes) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
    state.counters["file_MB"] = static_cast<double>(fileBytes) / 1048576.0;
}

void BM_Load(benchmark::State& state) {
    const fs::path& path = sampleFile(static_cast<int>(state.range(0)));
    const int64_t size = dv::fileSize(path);
    for (auto _ : state) {
        CDvDoc doc;
        benchmark::DoNotOptimize(doc.Load(path));
    }
    state.SetBytesProcessed(state.iterations() * size);
    state.SetItemsProcessed(state.iterations() * state.range(0));
    reportPeakMemory(state, size);
}

void BM_Save(benchmark::State& state) {
    const fs::path& path = sampleFile(static_cast<int>(state.range(0)));
    CDvDoc doc;
    doc.Load(path);
    const fs::path out = path.string() + ".saved";
    for (auto _ : state) benchmark::DoNotOptimize(doc.Save(out));
    state.SetBytesProcessed(state.iterations() * dv::fileSize(out));
    state.SetItemsProcessed(state.iterations() * state.range(0));
    fs::remove(out);
}

void BM_PlainRead(benchmark::State& state) {
    const fs::path& path = sampleFile(static_cast<int>(state.range(0)));
    std::vector<uint8_t> bytes;
    for (auto _ : state) benchmark::DoNotOptimize(dv::readFile(path, bytes));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}

void BM_PlainAtomicWrite(benchmark::State& state) {
    const fs::path& path = sampleFile(static_cast<int>(state.range(0)));
    std::vector<uint8_t> bytes;
    dv::readFile(path, bytes);
    const fs::path out = path.string() + ".plain";
    for (auto _ : state) benchmark::DoNotOptimize(dv::writeFileAtomically(out, bytes));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
    fs::remove(out);
}

}  // namespace

BENCHMARK(BM_PlainRead)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainAtomicWrite)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
