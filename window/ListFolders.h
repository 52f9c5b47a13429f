#pragma once

// Where the desktop program finds teachers' list files, and how it reads one: only a
// regular file, and no more of it than a list may hold.

#include <QString>
#include <QStringList>
#include <cstddef>
#include <string>
#include <string_view>

namespace window {

/// What was read of a list file.
struct ListFileBytes {
    bool readable = false; ///< a regular file, opened and read
    std::string bytes;     ///< all of it, unless it is larger than a list may be
    std::size_t size = 0;  ///< its size, by which a file too large is refused unread
};

/// Reads the list file at `path`. A folder, a pipe, a device or a file that cannot be
/// opened is not readable, and none of them is waited on.
ListFileBytes readListBytes(const QString& path);

/// The user's own folder of lists: $XDG_DATA_HOME/geografia/lists, by default
/// ~/.local/share/geografia/lists.
QString userListFolder();

/// The path of the file `fileName` in the user's own folder of lists; empty for a name
/// that is not a plain file's name (one with a folder in it, ".." or none).
QString ownListFile(std::u32string_view fileName);

/// The folders whose lists load at every start: the user's, then geografia/lists under
/// each folder of $XDG_DATA_DIRS (by default /usr/local/share and /usr/share).
QStringList listFolders();

/// The files of every list folder, each folder's in name order, the user's first; of
/// files that name one list, only the first.
QStringList listFilesAtStart();

} // namespace window
