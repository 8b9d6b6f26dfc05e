// sonara-bench: the library scan, library file, visualisation, playback, skin, main window, dialog
// figures, each beside its baseline measured in the same run. Generates its corpus in a temporary
// folder and removes it afterwards. Exit status 1 when a target is missed.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "AnalysisBench.h"
#include "BenchCorpus.h"
#include "ConvertBench.h"
#include "DialogBench.h"
#include "DupesBench.h"
#include "InstanceBench.h"
#include "LibraryFileBench.h"
#include "MprisBench.h"
#include "PlaybackBench.h"
#include "ProgressBench.h"
#include "RenameBench.h"
#include "ReportBench.h"
#include "ResultTable.h"
#include "SaveBench.h"
#include "ScanBench.h"
#include "SearchBench.h"
#include "SkinBench.h"
#include "TransferBench.h"
#include "UpdateBench.h"
#include "WindowBench.h"

int main(int argc, char** argv) {
    // "sonara-bench save [RECORDS]": the periodic save's figure alone.
    if (argc > 1 && std::strcmp(argv[1], "save") == 0) {
        sonara::bench::ResultTable table;
        sonara::bench::runSaveBench(argc > 2 ? std::atoi(argv[2]) : 100000, table);
        std::printf("\n");
        return table.print() ? 0 : 1;
    }
    // "sonara-bench window [RECORDS]": the main window's figures alone.
    if (argc > 1 && std::strcmp(argv[1], "window") == 0) {
        const int records = argc > 2 ? std::atoi(argv[2]) : 100000;
        sonara::bench::ResultTable table;
        sonara::bench::runWindowBench(records, table);
        std::printf("\n");
        return table.print() ? 0 : 1;
    }
    // "sonara-bench dialogs [RECORDS]": each dialog's opening alone.
    if (argc > 1 && std::strcmp(argv[1], "dialogs") == 0) {
        sonara::bench::ResultTable table;
        sonara::bench::runDialogBench(argc > 2 ? std::atoi(argv[2]) : 100000, table);
        std::printf("\n");
        return table.print() ? 0 : 1;
    }
    // "sonara-bench instance": the second start's figures alone.
    if (argc > 1 && std::strcmp(argv[1], "instance") == 0) {
        sonara::bench::ResultTable table;
        sonara::bench::runInstanceBench(table);
        std::printf("\n");
        return table.print() ? 0 : 1;
    }
    // "sonara-bench progress [FILES]": the window's repaints during an update
    // under the progress dialog; long, so only when asked for.
    if (argc > 1 && std::strcmp(argv[1], "progress") == 0) {
        sonara::bench::ResultTable table;
        sonara::bench::runProgressBench(argc > 2 ? std::atoi(argv[2]) : 100000, table);
        std::printf("\n");
        return table.print() ? 0 : 1;
    }
    // "sonara-bench mpris": the media-control figure alone.
    if (argc > 1 && std::strcmp(argv[1], "mpris") == 0) {
        sonara::bench::ResultTable table;
        sonara::bench::runMprisBench(table);
        std::printf("\n");
        return table.print() ? 0 : 1;
    }
    // "sonara-bench transfer": sending to and listing a portable player alone.
    if (argc > 1 && std::strcmp(argv[1], "transfer") == 0) {
        sonara::bench::ResultTable table;
        sonara::bench::runTransferBench(table);
        std::printf("\n");
        return table.print() ? 0 : 1;
    }
    const int songs = argc > 1 ? std::atoi(argv[1]) : 5000;
    const int records = argc > 2 ? std::atoi(argv[2]) : 100000;
    sonara::bench::ResultTable table;
    {
        std::printf("generating %d songs...\n", songs);
        const sonara::bench::BenchCorpus corpus(songs);
        sonara::bench::runScanBench(corpus, table);
        sonara::bench::runUpdateBench(corpus, table);
        sonara::bench::runDupesBench(corpus, table);
        sonara::bench::runRenameBench(corpus, table);
    }
    sonara::bench::runLibraryFileBench(records, table);
    sonara::bench::runSearchBench(records, table);
    sonara::bench::runReportBench(records, table);
    sonara::bench::runAnalysisBench(table);
    sonara::bench::runConvertBench(table);
    sonara::bench::runPlaybackBench(table);
    sonara::bench::runMprisBench(table);
    sonara::bench::runSkinBench(table);
    sonara::bench::runWindowBench(records, table);
    sonara::bench::runDialogBench(records, table);
    sonara::bench::runSaveBench(records, table);
    sonara::bench::runInstanceBench(table);
    sonara::bench::runTransferBench(table);
    std::printf("\n");
    return table.print() ? 0 : 1;
}
