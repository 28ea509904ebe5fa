// Measures the encoding pass of a full badge against a loop that does nothing but the glyph
// file reads the pass needs (open, seek, read, close per glyph), on the shipped glyph files.
// Prints the ratio of the two at the end.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "common/user_prompt.h"
#include "encoder/badge_encoder.h"
#include "encoder/glyph_file_access.h"

namespace {

using namespace varnel;

class SilentPrompt : public UserPrompt {
  public:
    void message(const std::string& text) override {
        ++count;
        last = text;
    }
    bool confirm(const std::string&) override { return true; }
    int count = 0;
    std::string last;
};

// Six 250-byte Japanese texts with codes, and two pictures: 912 cells in all.
BadgeProject maximalProject() {
    BadgeProject p;
    for (int s = 1; s <= 6; ++s) {
        std::string text = "~B~R~2~+~f";  // 10 bytes: bold, rotate, font set 2, a picture, flash
        for (int i = 0; i < 120; ++i) {
            const int lead = 0x88 + (s * 7 + i) % 0x18;  // 0x88..0x9F
            const int trail = 0x40 + (s * 31 + i * 13) % 0xBC;
            text += static_cast<char>(lead);
            text += static_cast<char>(trail);
        }
        p.text(s) = text;  // 250 bytes, 122 cells
    }
    SlotPicture picture(90 * 16, 16, SlotPicture::kOff);
    for (int x = 0; x < picture.width(); ++x) {
        picture.set(x, (x * 5) % 16, SlotPicture::kLit);
    }
    p.setPicture(7, picture);
    p.setPicture(8, picture);
    return p;
}

const std::filesystem::path kProgramFolder = VARNEL_PROGRAM_DIR;

// Notes the reads that the pass does.
class RecordingFiles : public GlyphFileAccess {
  public:
    std::optional<std::size_t> readAt(const std::filesystem::path& path, std::int64_t offset,
                                      std::span<std::uint8_t> dest) override {
        reads.push_back({path.string(), offset, dest.size()});
        return systemGlyphFiles().readAt(path, offset, dest);
    }
    struct Read {
        std::string path;
        std::int64_t offset;
        std::size_t count;
    };
    std::vector<Read> reads;
};

void BM_EncodingPass(benchmark::State& state) {
    SilentPrompt prompt;
    BadgeEncoder encoder(kProgramFolder, prompt);
    const BadgeProject project = maximalProject();
    for (auto _ : state) {
        EncodedBadge result = encoder.encode(project, 0);
        benchmark::DoNotOptimize(result.cells);
        if (result.cells != 912 || !result.refusal.empty()) {
            state.SkipWithError("the project does not fill the badge as planned");
            break;
        }
    }
    if (prompt.count > 0) {
        state.SkipWithError(("glyph files missing: " + prompt.last).c_str());
    }
}
BENCHMARK(BM_EncodingPass)->Unit(benchmark::kMicrosecond);

void BM_GlyphReadsOnly(benchmark::State& state) {
    SilentPrompt prompt;
    RecordingFiles recorder;
    BadgeEncoder encoder(kProgramFolder, prompt, recorder);
    encoder.encode(maximalProject(), 0);
    const std::vector<RecordingFiles::Read> reads = recorder.reads;
    std::uint8_t buffer[256];
    for (auto _ : state) {
        for (const auto& r : reads) {
            int fd = ::open(r.path.c_str(), O_RDONLY | O_CLOEXEC);
            ::lseek(fd, static_cast<off_t>(r.offset), SEEK_SET);
            benchmark::DoNotOptimize(::read(fd, buffer, r.count));
            ::close(fd);
        }
        benchmark::ClobberMemory();
    }
    state.counters["reads"] = static_cast<double>(reads.size());
}
BENCHMARK(BM_GlyphReadsOnly)->Unit(benchmark::kMicrosecond);

// Console output as usual, plus the ratio of the pass to the bare reads: the medians when the
// runs are repeated, the single runs otherwise.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    RatioReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) {
                continue;
            }
            const std::string& name = run.run_name.function_name;
            if (run.run_type == Run::RT_Iteration) {
                single[name] = run.GetAdjustedRealTime();
            } else if (run.aggregate_name == "median") {
                median[name] = run.GetAdjustedRealTime();
            }
        }
    }
    double time(const std::string& name) const {
        if (auto it = median.find(name); it != median.end()) {
            return it->second;
        }
        auto it = single.find(name);
        return it == single.end() ? 0.0 : it->second;
    }
    std::map<std::string, double> single, median;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double pass = reporter.time("BM_EncodingPass");
    const double reads = reporter.time("BM_GlyphReadsOnly");
    if (pass > 0 && reads > 0) {
        std::printf("encoding pass / glyph reads only = %.3f\n", pass / reads);
    }
    benchmark::Shutdown();
    return 0;
}
