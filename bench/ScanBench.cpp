#include "ScanBench.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <string>

#include <taglib/fileref.h>
#include <taglib/tag.h>

#include "Stopwatch.h"
#include "audio/Mpg123Decoder.h"
#include "audio/Mpg123LengthProbe.h"
#include "audio/NullOutput.h"
#include "audio/player/CMMAudioPlayerX.h"
#include "audio/player/PlayerLengthProbe.h"
#include "core/app/EventQueue.h"
#include "core/library/RecordFactory.h"

namespace sonara::bench {

namespace {

constexpr int kRuns = 3;

void tagLibLoop(const BenchCorpus& corpus) {
    long long sum = 0;
    for (const std::string& path : corpus.paths()) {
        TagLib::FileRef ref(path.c_str(), true, TagLib::AudioProperties::Fast);
        if (ref.isNull()) {
            continue;
        }
        if (TagLib::Tag* tag = ref.tag()) {
            sum += static_cast<long long>(
                tag->title().to8Bit(true).size() + tag->artist().to8Bit(true).size() +
                tag->album().to8Bit(true).size() + tag->genre().to8Bit(true).size() +
                tag->comment().to8Bit(true).size());
        }
        if (TagLib::AudioProperties* properties = ref.audioProperties()) {
            sum += properties->lengthInMilliseconds();
        }
    }
    gSink = gSink + sum;
}

// What the probe did before: libmpg123 opens every file and estimates.
void naiveLibmpg123(const BenchCorpus& corpus, audio::Mpg123Decoder& decoder) {
    long long sum = 0;
    for (const std::string& path : corpus.paths()) {
        if (decoder.open(path)) {
            if (decoder.format()) {
                sum += decoder.lengthSamples().value_or(0);
            }
            decoder.close();
        }
    }
    gSink = gSink + sum;
}

long long probeAll(const BenchCorpus& corpus, LengthProbe& probe) {
    long long sum = 0;
    for (const std::string& path : corpus.paths()) {
        sum += probe.lengthMilliseconds(path);
    }
    gSink = gSink + sum;
    return sum;
}

void buildRecords(const BenchCorpus& corpus, RecordFactory& factory) {
    long long sum = 0;
    for (const std::string& path : corpus.paths()) {
        auto record = factory.create(path, "");
        sum += record->lengthSeconds +
               static_cast<long long>(record->tagTitle().size() + record->title().size());
    }
    gSink = gSink + sum;
}

}  // namespace

void runScanBench(const BenchCorpus& corpus, ResultTable& table) {
    const std::string n = std::to_string(corpus.paths().size());
    readHeadsAndTails(corpus);  // warm the page cache
    tagLibLoop(corpus);

    const double raw = bestMilliseconds(kRuns, [&] { readHeadsAndTails(corpus); });
    const std::string rawName = "walk: open, 4 KiB head, 359 B tail";
    const double tagLib = bestMilliseconds(kRuns, [&] { tagLibLoop(corpus); });

    audio::Mpg123Decoder decoder;
    const double naive = bestMilliseconds(kRuns, [&] { naiveLibmpg123(corpus, decoder); });

    audio::Mpg123LengthProbe probe;
    const long long totalMs = probeAll(corpus, probe);
    const double probed = bestMilliseconds(kRuns, [&] { probeAll(corpus, probe); });
    // The same through the engine's length-probe player, as the library asks.
    EventQueue queue;
    audio::NullOutputFactory outputs;
    audio::CMMAudioPlayerX probePlayer(queue, outputs);
    audio::PlayerLengthProbe playerProbe(probePlayer);
    const double probedByPlayer = bestMilliseconds(kRuns, [&] { probeAll(corpus, playerProbe); });

    RecordFactory factory(&probe, false);
    const double records = bestMilliseconds(kRuns, [&] { buildRecords(corpus, factory); });
    RecordFactory withId3v2(&probe, true);
    const double recordsId3v2 = bestMilliseconds(kRuns, [&] { buildRecords(corpus, withId3v2); });

    table.add({"(a) physical limit, " + n + " files", raw, raw, "ms", rawName, {}, {}, {}});
    table.add({"(b) peer: TagLib FileRef tags + length", tagLib, raw, "ms", rawName, {}, {}, {}});
    table.add({"peer: libmpg123 open + length estimate", naive, raw, "ms", rawName, {}, {}, {}});
    table.add(
        {"length probe, " + n + " files", probed, raw, "ms", rawName, {}, naive, "libmpg123"});
    table.add({"length probe player, " + n + " files", probedByPlayer, raw, "ms", rawName, 2.5,
               naive, "libmpg123"});
    // "UseID3v2Tags" is on by default: that is the figure users get.
    table.add({"(c) record factory (tags, names, lengths)", recordsId3v2, raw, "ms", rawName, 2.5,
               tagLib, "TagLib"});
    table.add({"(c) same, ID3v2 reading off", records, raw, "ms", rawName, 2.5, tagLib, "TagLib"});
    std::printf(
        "corpus: %s files, %.1f MB, %d with ID3v1, %d with ID3v2 only, %d VBR (Xing); "
        "probed play time %.1f min\n",
        n.c_str(), double(corpus.totalBytes()) / 1e6, corpus.id3v1Songs(), corpus.id3v2Songs(),
        corpus.vbrSongs(), double(totalMs) / 60000.0);
}

}  // namespace sonara::bench
