// Arbitrary bytes as a damaged settings file, read by the panel's own line readers alone: the
// scan for serialized values that must go before QSettings reads the file, and the reading of
// intact lines that puts back what QSettings lost. No file is written, so an input costs what
// these readers cost, and far more inputs run than through the whole settings target.
#include "fuzzer_files.h"
#include "fuzzer_logging.h"

#include "control/settings.h"
#include "control/settings_file_repair.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QVariant>

#include <climits>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace {

using control::Settings;
using control::SettingsFileRepair;

// Whether the text is the other with some of its bytes left out, in order.
bool isLeftFrom(const QByteArray &text, const QByteArray &other)
{
    qsizetype at = 0;
    for (const char c : text) {
        at = other.indexOf(c, at);
        if (at < 0)
            return false;
        ++at;
    }
    return true;
}

// The damaged lines go, and only they: what is left is the file without some of its bytes, holds
// no such line any more, and is shorter.
void checkSerializedValuesRemoved(const QByteArray &content)
{
    const std::optional<QByteArray> cleaned = SettingsFileRepair::withoutSerializedValues(content);
    if (!cleaned)
        return;
    if (cleaned->size() >= content.size() || !isLeftFrom(*cleaned, content))
        fuzzing::fail("the file without serialized values is not the file less some lines");
    if (SettingsFileRepair::withoutSerializedValues(*cleaned))
        fuzzing::fail("a serialized value is left after the removal");
}

// Every value put back is a text, or a list of texts, that the readers take as they take any
// stored value.
void checkIntactValues(const QByteArray &content)
{
    const QMap<QString, QVariant> intact = SettingsFileRepair::intactValues(content);
    for (auto it = intact.cbegin(); it != intact.cend(); ++it) {
        if (it.key().isEmpty() || it.key().startsWith(QLatin1Char('/')) ||
            it.key().count(QLatin1Char('/')) > 2)
            fuzzing::fail("a restored key that no reader of the panel reads");
        const int type = it.value().typeId();
        if (type != QMetaType::QString && type != QMetaType::QStringList)
            fuzzing::fail("a restored value that is neither a text nor a list of texts");
        const std::optional<int> number = Settings::toInt(it.value());
        const std::optional<quint32> unsignedNumber = Settings::toUInt(it.value());
        const std::optional<bool> flag = Settings::toBool(it.value());
        if (number && flag && *flag != (*number != 0))
            fuzzing::fail("a restored number that reads as another boolean");
        if (unsignedNumber && *unsignedNumber <= quint32(INT_MAX) &&
            number != std::optional<int>(int(*unsignedNumber)))
            fuzzing::fail("a restored unsigned number that reads as another int");
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzzing::installQuietLogging();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray content(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    checkSerializedValuesRemoved(content);
    checkIntactValues(content);
    return 0;
}
