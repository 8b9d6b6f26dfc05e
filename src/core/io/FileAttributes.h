#pragma once

#include <string>

// The file facts the program asks of the file system. On Linux a file is
// "read-only" when its owner's write bit is clear (also when running as root,
// who could write anyway), and "normal plus archive" sets that bit again.
namespace sonara::files {

bool exists(const std::string& path);  // anything but a directory
bool isDirectory(const std::string& path);
bool isReadOnly(const std::string& path);
// Sets the owner's write bit; false when that failed.
bool makeWritable(const std::string& path);
// The folder ending in "/" ("/" for an empty one).
std::string withTrailingSlash(std::string folder);
// Folder part of a path, with its trailing "/" ("" when there is none).
std::string folderPart(const std::string& path);
// The part after the last "/" (the whole path when it has none).
std::string namePart(const std::string& path);
// The folder holding `path`, to open or sync: "." when the path has no "/",
// "/" for a file in the root.
std::string containingFolder(const std::string& path);
// Flushes a folder's entries (a rename into it) to the disk; best effort.
void syncFolder(const std::string& folder);

}  // namespace sonara::files
