#include "ListFolders.h"

#include "Definition.h"
#include "ListFile.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace window {

ListFileBytes readListBytes(const QString& path) {
    ListFileBytes file;
    // Opened without waiting, so that a pipe with no writer cannot stop the program;
    // then only a regular file is read.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return file;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return file;
    }
    file.size = static_cast<std::size_t>(status.st_size);
    // One byte more than the limit tells a file that grew past it since fstat.
    constexpr std::size_t most = wordlists::limits::fileBytes + 1;
    if (file.size < most) {
        file.bytes.resize(most);
        std::size_t got = 0;
        while (got < most) {
            const ssize_t n = ::read(fd, file.bytes.data() + got, most - got);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n < 0) {
                ::close(fd);
                return {};
            }
            if (n == 0) {
                break;
            }
            got += static_cast<std::size_t>(n);
        }
        file.bytes.resize(got);
        file.size = std::max(file.size, got);
    }
    ::close(fd);
    file.readable = true;
    return file;
}

QString userListFolder() {
    QString home = qEnvironmentVariable("XDG_DATA_HOME");
    if (home.isEmpty() || QDir::isRelativePath(home)) {
        home = QDir::homePath() + QStringLiteral("/.local/share");
    }
    return QDir::cleanPath(home + QStringLiteral("/geografia/lists"));
}

QString ownListFile(std::u32string_view fileName) {
    const QString name =
        QString::fromUcs4(fileName.data(), static_cast<qsizetype>(fileName.size()));
    if (name.isEmpty() || name == QStringLiteral(".") || name == QStringLiteral("..") ||
        name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name.contains(QChar(0))) {
        return {};
    }
    return QDir(userListFolder()).filePath(name);
}

QStringList listFolders() {
    QStringList folders{userListFolder()};
    QString shared = qEnvironmentVariable("XDG_DATA_DIRS");
    if (shared.isEmpty()) {
        shared = QStringLiteral("/usr/local/share:/usr/share");
    }
    for (const QString& folder : shared.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        const QString lists = QDir::cleanPath(folder + QStringLiteral("/geografia/lists"));
        if (QDir::isAbsolutePath(folder) && !folders.contains(lists)) {
            folders << lists;
        }
    }
    return folders;
}

QStringList listFilesAtStart() {
    QStringList files;
    // Of several lists with one name, the folder that comes first wins: a teacher's own
    // copy hides the school's.
    std::set<std::u32string> names;
    for (const QString& folder : listFolders()) {
        // Tables saved as text, regular files and links to them; hidden ones, pipes,
        // devices and other files (a note for the teachers, say) are left alone.
        const QDir dir(folder);
        const QStringList tables =
            toQString(form::listTexts::listFilePatterns).split(QLatin1Char(' '));
        for (const QString& name : dir.entryList(tables, QDir::Files, QDir::Name)) {
            if (names.insert(wordlists::listName(name.toStdU32String())).second) {
                files << dir.filePath(name);
            }
        }
    }
    return files;
}

} // namespace window
