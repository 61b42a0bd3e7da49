// Engine throughput for runs the size of the file calculation's reads (1 KiB)
// and for long runs (1 MiB), where only the compression counts.
#include "engines/md5.h"
#include "engines/sha1.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

void md5_throughput(benchmark::State& state) {
    std::vector<std::uint8_t> data(static_cast<std::size_t>(state.range(0)), 0x5a);
    Md5Context                context;
    md5_init(&context);
    for (auto _ : state) {
        md5_update(&context, data.data(), static_cast<std::uint32_t>(data.size()));
        benchmark::DoNotOptimize(context.state);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

// sha1_update overwrites the data; the engine's speed does not depend on it.
void sha1_throughput(benchmark::State& state) {
    std::vector<std::uint8_t> data(static_cast<std::size_t>(state.range(0)), 0x5a);
    Sha1Context               context;
    sha1_init(&context);
    for (auto _ : state) {
        sha1_update(&context, data.data(), static_cast<std::uint32_t>(data.size()));
        benchmark::DoNotOptimize(context.state);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

// The finishing work counts most for small files.
void sha1_whole_message(benchmark::State& state) {
    std::vector<std::uint8_t> data(static_cast<std::size_t>(state.range(0)), 0x5a);
    std::uint8_t              digest[sha1_digest_size];
    for (auto _ : state) {
        Sha1Context context;
        sha1_init(&context);
        sha1_update(&context, data.data(), static_cast<std::uint32_t>(data.size()));
        sha1_final(digest, &context);
        benchmark::DoNotOptimize(digest);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

void md5_whole_message(benchmark::State& state) {
    std::vector<std::uint8_t> data(static_cast<std::size_t>(state.range(0)), 0x5a);
    std::uint8_t              digest[md5_digest_size];
    for (auto _ : state) {
        Md5Context context;
        md5_init(&context);
        md5_update(&context, data.data(), static_cast<std::uint32_t>(data.size()));
        md5_final(digest, &context);
        benchmark::DoNotOptimize(digest);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

} // namespace

BENCHMARK(md5_throughput)->Arg(1 << 10)->Arg(1 << 20);
BENCHMARK(sha1_throughput)->Arg(1 << 10)->Arg(1 << 20);
BENCHMARK(md5_whole_message)->Arg(0)->Arg(64);
BENCHMARK(sha1_whole_message)->Arg(0)->Arg(64);

BENCHMARK_MAIN();
