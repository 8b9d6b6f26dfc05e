#include "core/app/StringTable.h"

#include <unordered_map>

namespace sonara {

namespace {

const std::unordered_map<int, std::string>& table() {
    static const std::unordered_map<int, std::string> texts = {
        {105, "Default"},
        {108, "Browse for Folder"},
        {109, "Sonara"},
        {111,
         "Some of the items from the playlist could not be added.  Verify the names of the "
         "files specified in the playlist and try again."},
        {112, "The specified folder does not exist.  Would you like to create it?"},
        {114, "Finished checking availability"},
        {115, "Sonara"},
        {116, "Sonara; inst running"},
        {118, "Nothing in the database meets your search criteria"},
        {119, "No %ss starting with that symbol were found."},
        {120, "Do you wish to continue adding songs?"},
        {121, "Unable to write tag info to file.  The file may be read-only or is in use."},
        {123, "Song added to playlist"},
        {124, "Adding folders"},
        {125, "Checking Availability"},
        {129, "Removable media not found:  %s \nPlease insert and try again "},
        {130, "Unable to find file."},
        {131, "Updating Library"},
        {146, "C:\\"},
        {148, "Unable to rename file..."},
        {149, "This filename already exists"},
        {150, "Failed to add source"},
        {153, "This will reset your current library.  Do you wish to continue?"},
        {154,
         "Unable to delete file.  The file may be read-only, is in use, or is on readonly "
         "media."},
        {155, "Arial"},
        {156, "(0,0,255)"},
        {157, "(192,192,192)"},
        {158, "(255,255,255)"},
        {159, "(255,255,255)"},
        {160, "(255,255,255)"},
        {161, "(255,255,255)"},
        {162, "(192,192,192)"},
        {163, "(0,0,238)"},
        {164, "(85,26,139)"},
        {165, "(0,0,0)"},
        {166, "(0,0,0)"},
        {167, "(255,255,255)"},
        {172, "Copy Library Info to Tag Info"},
        {173, "Copy Tag Info to Library Info"},
        {174, "(0,0,0)"},
        {175, "(255,255,255)"},
        {176, "(0,0,0)"},
        {177, "(255,255,255)"},
        {178, "Report successfully generated."},
        {188,
         "The Setup Wizard aids you in the initial setup of your library.\n\nAre you sure you "
         "would like to cancel?"},
        {189,
         "You can launch the Setup Wizard from the Menu button at any time to reinitiallize "
         "your library."},
        {192, "Please select at least one column"},
        {195, "A filename cannot contain the character:  /"},
        {196, "Preferences"},
        {200, "%s in %s"},
        {201, "(0,0,0)"},
        {202, "MS Sans Serif"},
        {203, "MS Sans Serif"},
        {2000, "Unable to copy file, original file not deleted."},
        {2001, "No duplicate files found."},
        {2002, "Please enter a valid filename"},
        {2003, "(none specified)"},
        {2004, "Please enter at least 2 characters to search for"},
        {2005, "Are you sure you want to reset the list?"},
        {2006, "Unable to rename read-only file"},
        {2007, "Unable to rename file - illegal characters in filename?"},
        {2008, "Are you sure you want to delete this?"},
        {2009, "...scanning..."},
        {2010, "Searching Drives"},
        {2011,
         "Please select a removable drive to scan.\n\nIf you would not like to use removable "
         "media press the Prev button and select No."},
        {6144, "Sonara.ini"},
        {7168, "Unsupported MP3 player."},
        {7169,
         "Unable to write to file %s  \n\nWould you like to remove the ''Read-only'' "
         "attribute?"},
        {7171, "Error: Sonara is already the default MP3 player"},
        {7173, "Sonara was unable to determine the default MP3 player."},
        {7175,
         "Random Add Failure!\n\nMake sure your removeable media is inserted, or rescan "
         "your sources and try again."},
        {7176, "This will overwrite your current library.  Do you wish to continue?"},
        {7177, "MP3 - MPEG Layer 3 Audio File|*.mp3"},
        {7180, "Select backup directory...\n"},
        {7181, "Select a directory to backup to...\n"},
        // h6: a tag text that ISO-8859-1 cannot hold, and the fields it names
        {60600,
         "The %s holds characters that an ID3v1 tag cannot store (%s); the tag was not "
         "written."},
        {60601, "title"},
        {60602, "artist"},
        {60603, "album"},
        {60604, "year"},
        {60605, "comment"},
        {60606, "free-text genre"},
        {60607, "start time"},
        {60608, "end time"},
    };
    return texts;
}

std::string replaceNext(std::string text, const std::string& arg, size_t& from) {
    const size_t at = text.find("%s", from);
    if (at == std::string::npos) {
        return text;
    }
    text.replace(at, 2, arg);
    from = at + arg.size();
    return text;
}

}  // namespace

const std::string& stringText(int id) {
    static const std::string empty;
    const auto& texts = table();
    const auto it = texts.find(id);
    return it == texts.end() ? empty : it->second;
}

std::string formatText(int id, const std::string& arg) {
    size_t from = 0;
    return replaceNext(stringText(id), arg, from);
}

std::string formatText(int id, const std::string& arg1, const std::string& arg2) {
    size_t from = 0;
    std::string once = replaceNext(stringText(id), arg1, from);
    return replaceNext(std::move(once), arg2, from);
}

}  // namespace sonara
