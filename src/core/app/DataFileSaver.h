#pragma once

namespace sonara {

// Saves the data files after songs were added: the library, the current play
// list, the sources list and the path cache, in that order, each after its
// writability check. The application implements it over what it owns.
// User-interface thread only.
class DataFileSaver {
  public:
    virtual ~DataFileSaver() = default;
    virtual void saveDataFiles() = 0;
};

}  // namespace sonara
