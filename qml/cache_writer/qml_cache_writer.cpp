// Compiles the panel's QML and JavaScript files at build time and puts each compiled unit beside
// its file ("main.qml" -> "main.qmlc", "Theme.js" -> "Theme.jsc"), where the QML engine looks
// before its own cache. The units are written by the engine's own disk cache, so each carries the
// time stamp of its source file: a file changed after the build no longer matches its unit, and
// the engine compiles that file again as it would without a unit.
//
//     qml_cache_writer <work directory> <file>...
//
// The files are the copies beside the program. The work directory takes the engine's cache
// while the files are compiled.

#include "view_cpp/register_view_qml_types.h"
#include "view_cpp/start_up.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QUrl>

#include <cstdio>

namespace {

// The name under which the engine's disk cache keeps the unit of a local file.
QString cacheFileName(const QString &sourcePath)
{
    const QByteArray hash =
        QCryptographicHash::hash(sourcePath.toUtf8(), QCryptographicHash::Sha1).toHex();
    return QString::fromLatin1(hash) + QLatin1Char('.') +
           QFileInfo(sourcePath + QLatin1Char('c')).completeSuffix();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: qml_cache_writer <work directory> <file>...\n");
        return 2;
    }
    const QString workDirectory = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir(workDirectory).removeRecursively();
    if (!QDir().mkpath(workDirectory)) {
        std::fprintf(stderr, "qml_cache_writer: cannot create %s\n", argv[1]);
        return 1;
    }
    // Read once, when the engine first needs it.
    qputenv("QML_DISK_CACHE_PATH", QFile::encodeName(workDirectory));
    qunsetenv("QML_DISABLE_DISK_CACHE");
    qputenv("QT_QPA_PLATFORM", "offscreen");

    startUp::registerSignalMetaTypes();
    QGuiApplication application(argc, argv);
    // The types the scene imports, as the program registers them.
    startUp::registerSignalInterfaceQmlTypes();
    view::registerComponentQmlTypes();
    view::registerCircleValueProviderQmlType();

    QStringList sources;
    for (int index = 2; index < argc; ++index)
        sources << QFileInfo(QString::fromLocal8Bit(argv[index])).absoluteFilePath();

    // Units of an earlier build would be loaded instead of compiled.
    for (const QString &source : sources)
        QFile::remove(source + QLatin1Char('c'));

    int failures = 0;
    {
        QQmlEngine engine;
        // Compiling a file compiles the files it imports, the scripts included.
        for (const QString &source : sources) {
            if (!source.endsWith(QLatin1String(".qml")))
                continue;
            QQmlComponent component(&engine, QUrl::fromLocalFile(source),
                                    QQmlComponent::PreferSynchronous);
            while (component.isLoading())
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            if (!component.isReady()) {
                std::fprintf(stderr, "qml_cache_writer: %s\n", qPrintable(component.errorString()));
                ++failures;
            }
        }
    }

    for (const QString &source : sources) {
        const QString unit = source + QLatin1Char('c');
        const QString cached = workDirectory + QLatin1Char('/') + cacheFileName(source);
        if (!QFile::copy(cached, unit)) {
            std::fprintf(stderr, "qml_cache_writer: no compiled unit for %s\n", qPrintable(source));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
