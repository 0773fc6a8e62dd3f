#pragma once

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSettings>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <stdlib.h>

namespace fuzzing {

// A folder of the fuzzer's own under the temporary folder, removed when the run ends. Everything
// the targets write goes below it, whatever XDG_CONFIG_HOME the run was started with.
class ScratchFolder
{
public:
    ScratchFolder()
    {
        QByteArray pattern = QFile::encodeName(QDir::tempPath()) + "/panel-fuzz-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::perror("mkdtemp");
            std::abort();
        }
        m_path = QFile::decodeName(pattern);
    }
    ~ScratchFolder() { QDir(m_path).removeRecursively(); }
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    const QString &path() const { return m_path; }

private:
    QString m_path;
};

// The one scratch folder of the process; libFuzzer ends a run with exit(), which destroys it.
inline const ScratchFolder &scratchFolder()
{
    static const ScratchFolder folder;
    return folder;
}

// Points the user's settings folder into the scratch folder. Must run before the first QSettings
// of the process, which remembers the folder for good.
inline QString useScratchConfigHome()
{
    const QString home = scratchFolder().path() + QStringLiteral("/config");
    if (!QDir().mkpath(home) || !qputenv("XDG_CONFIG_HOME", QFile::encodeName(home)))
        std::abort();
    return home;
}

inline void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(content) != content.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::abort();
    }
}

// Empties the folder of a run's settings files and leaves Qt nothing of them, so that the next run
// reads its own files in the same folder as a fresh process would. Qt keeps what it read of a
// settings file after the last QSettings on it is gone, and trusts it while the file's size and
// time look unchanged, but drops a file that was empty when last synced. So the stores are synced,
// the files removed and the stores synced again; the caller deletes them next. A run then also
// frees all it allocated: one that ends with more allocations than frees makes libFuzzer run it
// again and scan the whole heap for leaks.
inline void forgetSettingsFiles(const QString &folder, std::initializer_list<QSettings *> stores)
{
    for (QSettings *store : stores)
        store->sync();
    // Unsorted, and without a file's details: each name is removed as it is found.
    QDirIterator files(folder, QDir::Files | QDir::Hidden | QDir::System);
    while (files.hasNext()) {
        const QString file = files.next();
        if (!QFile::remove(file)) {
            std::fprintf(stderr, "cannot remove %s\n", qPrintable(file));
            std::abort();
        }
    }
    for (QSettings *store : stores)
        store->sync();
}

// Ends the run as a crash, with the reason on the terminal next to libFuzzer's report.
[[noreturn]] inline void fail(const char *what)
{
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

} // namespace fuzzing
