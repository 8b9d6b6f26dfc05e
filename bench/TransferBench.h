#pragma once

namespace sonara::bench {

class ResultTable;

// Transfer to a portable player: sending 100 songs of about 4 MB to a local
// folder marked as a USB music player beside /bin/cp of the same files into
// a folder of the same file system, and listing 2,000 songs on that folder
// and on the in-memory players against 200 ms.
void runTransferBench(ResultTable& table);

}  // namespace sonara::bench
