// Arbitrary bytes as the information and licence files of a component, read by the licence
// screen when the user chooses the component. Each line must become one row: its Latin-1 text up
// to its first NUL byte, its line break kept; a file above the size or line limit ends in a note
// instead of the rest.
#include "fuzzer_files.h"
#include "fuzzer_logging.h"

#include "signal_interface/configure_types.h"
#include "view_cpp/configure/configure_general_about_license_info_view_manager.h"
#include "view_cpp/list_model.h"
#include "view_cpp/value_role_names.h"

#include <QDir>
#include <QObject>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace {

using view::ConfigureGeneralAboutLicenseInfoViewManager;

// The rows the screen must show for the file: a row per line, each its Latin-1 text up to its
// first NUL byte with a "\r\n" line end read as "\n"; beyond the size or the line limit, a note
// instead of the rest.
QStringList expectedRows(const QByteArray &file)
{
    const QByteArray shown =
        file.left(ConfigureGeneralAboutLicenseInfoViewManager::maximumFileBytes);
    bool cut = shown.size() < file.size();
    QStringList rows;
    for (qsizetype start = 0; start < shown.size();) {
        if (rows.size() == ConfigureGeneralAboutLicenseInfoViewManager::maximumLines) {
            cut = true;
            break;
        }
        qsizetype end = shown.indexOf('\n', start);
        end = end < 0 ? shown.size() : end + 1;
        QByteArray line = shown.mid(start, end - start);
        const qsizetype nul = line.indexOf('\0');
        if (nul >= 0)
            line.truncate(nul);
        else if (line.endsWith("\r\n"))
            line.replace(line.size() - 2, 2, "\n");
        rows << QString::fromLatin1(line);
        start = end;
    }
    if (cut)
        rows << QStringLiteral("[The rest of the file is not shown.]");
    return rows;
}

QStringList rowsOf(const view::ListModel &model)
{
    QStringList rows;
    for (int row = 0; row < model.rowCount(); ++row)
        rows << model.data(model.index(row), view::valueRoles::value).toString();
    return rows;
}

void check(const view::ListModel &model, const QByteArray &file)
{
    const QStringList rows = rowsOf(model);
    const QStringList expected = expectedRows(file);
    if (rows != expected) {
        qsizetype first = 0;
        while (first < rows.size() && first < expected.size() && rows[first] == expected[first])
            ++first;
        std::fprintf(stderr, "%lld rows for %lld expected; the first that differs is row %lld\n",
                     static_cast<long long>(rows.size()), static_cast<long long>(expected.size()),
                     static_cast<long long>(first));
        fuzzing::fail("the rows are not the lines of the file");
    }
}

class Harness
{
public:
    explicit Harness(const QString &directory)
        : m_manager(nullptr)
    {
        if (!QDir().mkpath(directory + QStringLiteral("/qt")))
            fuzzing::fail("cannot make the licence folder");
        m_manager.setLicenseDirectory(directory);
        m_info = directory + QStringLiteral("/qt/info.txt");
        m_licence = directory + QStringLiteral("/qt/LICENSE");
        QObject::connect(&m_manager,
                         &ConfigureGeneralAboutLicenseInfoViewManager::panelUserMessageIssued,
                         [] { fuzzing::fail("a message about a plain file that exists"); });
    }

    void read(const QByteArray &file)
    {
        fuzzing::writeFile(m_info, file);
        fuzzing::writeFile(m_licence, file);
        m_manager.onSoftwareComponentSelected(signalInterface::ConfigureTypes::E_componentQt);
        check(*m_manager.componentInfoModel(), file);
        check(*m_manager.componentLicenseModel(), file);
        // Leaving the screen drops the rows, so that a run frees all it allocated.
        m_manager.onComponentInfoViewVisibleChanged(false);
        if (m_manager.componentInfoModel()->rowCount() != 0 ||
            m_manager.componentLicenseModel()->rowCount() != 0)
            fuzzing::fail("rows left after the screen closed");
    }

private:
    ConfigureGeneralAboutLicenseInfoViewManager m_manager;
    QString m_info;
    QString m_licence;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzzing::installQuietLogging();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // One screen for the whole run, as in the panel: opened on a choice and left again.
    static Harness harness(fuzzing::scratchFolder().path() + QStringLiteral("/licenses"));
    harness.read(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    return 0;
}
