#include "pc_panel/remote_sauna_list.h"
#include "pc_panel/sauna_communication.h"

#include "control/settings.h"
#include "pc_panel/instance_settings.h"
#include "signal_interface/protocol_facts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using pcPanel::RemoteSaunaList;
using signalInterface::MasterFuncDescTypes;
using signalInterface::VariantTypes;
using signalInterface::RemoteSaunaTypes::RemoteSauna;

namespace {

const QUuid loftIdentity(QStringLiteral("{0b8d2a6c-1f3e-4a5b-9c7d-8e0f1a2b3c4d}"));
const QUuid cellarIdentity(QStringLiteral("{7a1c3e5f-2b4d-4c6e-8f0a-1b3d5f7a9c2e}"));
const QUuid gardenIdentity(QStringLiteral("{5e7f9a1b-3c5d-4e6f-a0b1-c2d3e4f5a6b7}"));
const QUuid lakeIdentity(QStringLiteral("{9c2e4a6b-8d0f-4b1c-9e3a-5c7e9a1b3d5f}"));

RemoteSauna sauna(const QUuid &identity, const QString &name, const QString &pin)
{
    RemoteSauna record;
    record.identity = identity;
    record.brand = VariantTypes::E_lumo;
    record.rcbProduct = MasterFuncDescTypes::E_sauna;
    record.name = name;
    record.pin.setPin(pin);
    return record;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(content) == content.size();
}

// The file without the line of that entry key: as an older or hand-edited file may be.
QByteArray withoutLine(const QByteArray &content, int index, const char *entryKey)
{
    const QString pattern =
        QStringLiteral("(^|\\n)%1\\\\%2=[^\\n]*\\n").arg(index).arg(QString::fromLatin1(entryKey));
    QString text = QString::fromUtf8(content);
    const qsizetype before = text.size();
    text.replace(QRegularExpression(pattern), QStringLiteral("\\1"));
    return text.size() < before ? text.toUtf8() : QByteArray();
}

// The raw text of an entry key in the file, found by the identity of the entry; empty when the
// entry or the key is missing.
QString storedValue(const QString &path, const QString &identityText, const char *entryKey)
{
    QSettings store(path, QSettings::IniFormat);
    const int count = store.beginReadArray(QStringLiteral("pc_panel_remote_saunas"));
    QString result;
    for (int index = 0; index < count; ++index) {
        store.setArrayIndex(index);
        if (store.value(QStringLiteral("pc_panel_remote_sauna_identity")).toString() ==
            identityText) {
            result = store.value(QString::fromLatin1(entryKey)).toString();
            break;
        }
    }
    store.endArray();
    return result;
}

// The identity of the numbered sauna of a hand-written file.
QUuid numberedIdentity(int number)
{
    return QUuid(
        QStringLiteral("{6d1f0c3a-5b7e-4a92-8c4d-%1}").arg(number, 12, 10, QLatin1Char('0')));
}

// The list as a settings file holds it, written as text: a complete entry for each of those
// 1-based entry numbers, named "Sauna <number>", and then the size line as given.
QByteArray numberedSaunasText(const QList<int> &numbers, const QByteArray &sizeLine)
{
    QByteArray text = "[pc_panel_remote_saunas]\n";
    for (const int number : numbers) {
        const QByteArray entry = QByteArray::number(number) + "\\pc_panel_remote_sauna_";
        text += entry + "identity=" + numberedIdentity(number).toString().toLatin1() + '\n';
        text += entry + "brand=" + QByteArray::number(VariantTypes::E_lumo) + '\n';
        text += entry + "rcb_product=" + QByteArray::number(MasterFuncDescTypes::E_sauna) + '\n';
        text += entry + "name=Sauna " + QByteArray::number(number) + '\n';
    }
    return text + sizeLine;
}

} // namespace

// The stored list of known saunas: entries that an older panel, a newer one or a hand edit left
// incomplete or unreadable are never lost by a later save.
class TestRemoteSaunaList : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_configHome.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_configHome.path()));
        qRegisterMetaType<RemoteSauna>();
    }

    void init()
    {
        control::Settings::resetForTesting();
        pcPanel::InstanceSettings::resetForTesting();
        QDir(m_configHome.path()).removeRecursively();
        QDir().mkpath(m_configHome.path());
    }

    void cleanup() { control::Settings::resetForTesting(); }

    void missingFieldsReadAsDefaults_data()
    {
        QTest::addColumn<QByteArray>("missingKey");
        QTest::newRow("no product")
            << QByteArray(control::Settings::pcPanelRemoteSaunaRcbProductKey);
        QTest::newRow("no brand") << QByteArray(control::Settings::pcPanelRemoteSaunaBrandKey);
        QTest::newRow("no name") << QByteArray(control::Settings::pcPanelRemoteSaunaNameKey);
    }

    // An entry without product, brand or name: kept with the default of that field, its PIN
    // intact, and still in the file after a save that adds another sauna.
    void missingFieldsReadAsDefaults()
    {
        QFETCH(QByteArray, missingKey);
        const QString path = filePath();
        seed(path);
        QVERIFY(writeFile(path, withoutLine(readFile(path), 2, missingKey.constData())));

        RemoteSaunaList list;
        {
            QSettings store(path, QSettings::IniFormat);
            QCOMPARE(list.load(&store), 0);
        }
        QCOMPARE(list.size(), 3);
        const RemoteSauna *cellar = list.find(cellarIdentity);
        QVERIFY(cellar);
        QCOMPARE(cellar->pin.pin(), QStringLiteral("1234"));
        const RemoteSauna defaults;
        const RemoteSauna full = sauna(cellarIdentity, QStringLiteral("Cellar"), QString());
        QCOMPARE(cellar->rcbProduct,
                 missingKey == control::Settings::pcPanelRemoteSaunaRcbProductKey
                     ? defaults.rcbProduct
                     : full.rcbProduct);
        QCOMPARE(cellar->brand, missingKey == control::Settings::pcPanelRemoteSaunaBrandKey
                                    ? defaults.brand
                                    : full.brand);
        QCOMPARE(cellar->name, missingKey == control::Settings::pcPanelRemoteSaunaNameKey
                                   ? defaults.name
                                   : full.name);
        QCOMPARE(defaults.rcbProduct, MasterFuncDescTypes::E_unknown);

        QVERIFY(
            list.insertOrReplace(sauna(lakeIdentity, QStringLiteral("Lake"), QStringLiteral("9"))));
        {
            QSettings store(path, QSettings::IniFormat);
            list.save(&store);
        }
        RemoteSaunaList reread;
        QSettings store(path, QSettings::IniFormat);
        QCOMPARE(reread.load(&store), 0);
        QCOMPARE(reread.size(), 4);
        QVERIFY(reread.find(cellarIdentity));
        QCOMPARE(reread.find(cellarIdentity)->pin.pin(), QStringLiteral("1234"));
        QCOMPARE(reread.find(loftIdentity)->pin.pin(), QStringLiteral("2580"));
        QCOMPARE(reread.find(lakeIdentity)->pin.pin(), QStringLiteral("9"));
    }

    // An entry whose enum value cannot be read is not offered as a sauna, but every save writes
    // it back as it was, PIN words included. An entry whose identity is not a UUID can never be
    // found again and is dropped.
    void unreadableEntriesKeptInTheFile()
    {
        const QString path = filePath();
        seed(path);
        QByteArray content = readFile(path);
        content.replace(cellarIdentity.toString().toLatin1(), "not a uuid");
        content.replace("3\\pc_panel_remote_sauna_rcb_product=" +
                            QByteArray::number(MasterFuncDescTypes::E_sauna),
                        "3\\pc_panel_remote_sauna_rcb_product=999");
        QVERIFY(writeFile(path, content));
        const QString gardenPin2 = storedValue(path, gardenIdentity.toString(),
                                               control::Settings::pcPanelRemoteSaunaPin2Key);
        QVERIFY(!gardenPin2.isEmpty());

        RemoteSaunaList list;
        {
            QSettings store(path, QSettings::IniFormat);
            QCOMPARE(list.load(&store), 1);
        }
        QCOMPARE(list.size(), 1);
        QVERIFY(list.find(loftIdentity));
        QCOMPARE(list.unreadableCount(), 1);

        QVERIFY(
            list.insertOrReplace(sauna(lakeIdentity, QStringLiteral("Lake"), QStringLiteral("9"))));
        {
            QSettings store(path, QSettings::IniFormat);
            list.save(&store);
        }
        QCOMPARE(storedValue(path, QStringLiteral("not a uuid"),
                             control::Settings::pcPanelRemoteSaunaNameKey),
                 QString());
        QVERIFY(!readFile(path).contains("Cellar"));
        QCOMPARE(storedValue(path, gardenIdentity.toString(),
                             control::Settings::pcPanelRemoteSaunaPin2Key),
                 gardenPin2);
        QCOMPARE(storedValue(path, gardenIdentity.toString(),
                             control::Settings::pcPanelRemoteSaunaRcbProductKey),
                 QStringLiteral("999"));

        // Saved twice over, nothing is added or lost.
        RemoteSaunaList reread;
        {
            QSettings store(path, QSettings::IniFormat);
            QCOMPARE(reread.load(&store), 1);
            reread.save(&store);
        }
        QSettings store(path, QSettings::IniFormat);
        QCOMPARE(store.beginReadArray(QStringLiteral("pc_panel_remote_saunas")), 3);
        store.endArray();
        QCOMPARE(reread.size(), 2);
    }

    // A newer panel may keep groups of its own inside an entry; an entry that cannot be read is
    // written back with them. One without an identity goes, whatever it holds.
    void unreadableEntryKeepsItsNestedKeys()
    {
        const QString path = filePath();
        QDir().mkpath(QFileInfo(path).absolutePath());
        QVERIFY(writeFile(path, "[pc_panel_remote_saunas]\n"
                                "1\\pc_panel_remote_sauna_identity=not a uuid\n"
                                "1\\extra\\colour=blue\n"
                                "2\\kept\\by\\a\\newer\\panel=1\n"
                                "3\\pc_panel_remote_sauna_identity=" +
                                    lakeIdentity.toString().toLatin1() +
                                    "\n"
                                    "3\\pc_panel_remote_sauna_brand=77\n"
                                    "3\\extra\\colour=green\n"
                                    "size=3\n"));
        RemoteSaunaList list;
        {
            QSettings store(path, QSettings::IniFormat);
            QCOMPARE(list.load(&store), 1);
            list.save(&store);
        }
        QSettings store(path, QSettings::IniFormat);
        QCOMPARE(store.beginReadArray(QStringLiteral("pc_panel_remote_saunas")), 1);
        store.setArrayIndex(0);
        QCOMPARE(store.value(QStringLiteral("pc_panel_remote_sauna_identity")).toString(),
                 lakeIdentity.toString());
        QCOMPARE(store.value(QStringLiteral("extra/colour")).toString(), QStringLiteral("green"));
        store.endArray();
        QVERIFY(!readFile(path).contains("blue"));
        QVERIFY(!readFile(path).contains("newer"));
        RemoteSaunaList reread;
        QCOMPARE(reread.load(&store), 1);
    }

    // Deleting a sauna also drops an unreadable copy of its entry, which would otherwise come
    // back as that sauna at the next start.
    void removeTakesUnreadableCopies()
    {
        const QString path = filePath();
        seed(path);
        QByteArray content = readFile(path);
        // The garden entry carries the loft's identity and a brand no panel knows.
        content.replace(gardenIdentity.toString().toLatin1(), loftIdentity.toString().toLatin1());
        content.replace("3\\pc_panel_remote_sauna_brand=" +
                            QByteArray::number(VariantTypes::E_lumo),
                        "3\\pc_panel_remote_sauna_brand=77");
        QVERIFY(writeFile(path, content));

        RemoteSaunaList list;
        QSettings store(path, QSettings::IniFormat);
        QCOMPARE(list.load(&store), 1);
        QCOMPARE(list.size(), 2);
        QVERIFY(list.remove(loftIdentity));
        QCOMPARE(list.unreadableCount(), 0);
        list.save(&store);
        RemoteSaunaList reread;
        QCOMPARE(reread.load(&store), 0);
        QCOMPARE(reread.size(), 1);
        QVERIFY(reread.find(cellarIdentity));
    }

    // The reported case through the link: a stored sauna without product survives the save
    // that the next new sauna brings, with its PIN.
    void linkKeepsIncompleteEntryWhenAnotherSaunaArrives()
    {
        control::Settings names(QStringLiteral("ListTest"), QStringLiteral("PC_Panel"));
        const QString path = control::Settings::settings()->fileName();
        control::Settings::resetForTesting();
        seed(path);
        QVERIFY(writeFile(path, withoutLine(readFile(path), 1,
                                            control::Settings::pcPanelRemoteSaunaRcbProductKey)));
        QVERIFY(writeFile(
            path, withoutLine(readFile(path), 2, control::Settings::pcPanelRemoteSaunaBrandKey)));
        control::Settings again(QStringLiteral("ListTest"), QStringLiteral("PC_Panel"));
        QCOMPARE(control::Settings::settings()->fileName(), path);
        {
            pcPanel::SaunaCommunication link(nullptr, nullptr);
            QCOMPARE(link.remoteSaunas().size(), 3);
            QCOMPARE(link.remoteSaunas().at(0).identity, loftIdentity);
            QCOMPARE(link.remoteSaunas().at(0).rcbProduct, MasterFuncDescTypes::E_unknown);
            QCOMPARE(link.remoteSaunas().at(1).brand, VariantTypes::E_undefined_brand);
            QSignalSpy changed(&link, &pcPanel::SaunaCommunication::remoteSaunaChanged);
            link.onRemoteSaunaChangeRequest(
                sauna(lakeIdentity, QStringLiteral("Lake"), QStringLiteral("9")), true);
            QCOMPARE(changed.count(), 1);
        }
        QCOMPARE(storedValue(path, loftIdentity.toString(),
                             control::Settings::pcPanelRemoteSaunaNameKey),
                 QStringLiteral("Loft"));
        RemoteSaunaList reread;
        QSettings store(path, QSettings::IniFormat);
        QCOMPARE(reread.load(&store), 0);
        QCOMPARE(reread.size(), 4);
        QCOMPARE(reread.find(loftIdentity)->pin.pin(), QStringLiteral("2580"));
        QCOMPARE(reread.find(cellarIdentity)->pin.pin(), QStringLiteral("1234"));
        QCOMPARE(reread.find(lakeIdentity)->name, QStringLiteral("Lake"));
    }

    // The size line of the array is not trusted: the entries that are really in the file are
    // read, in the order of their numbers, whatever size a damaged or hand-edited file claims.
    // A save writes them back as an array of the right size.
    void storedSizeIsNotTrusted_data()
    {
        QTest::addColumn<QByteArray>("sizeLine");
        QTest::addColumn<QList<int>>("numbers");
        QTest::newRow("absurd size") << QByteArray("size=100000000\n") << QList<int>{1, 2};
        QTest::newRow("negative size") << QByteArray("size=-5\n") << QList<int>{1, 2};
        QTest::newRow("size too small") << QByteArray("size=1\n") << QList<int>{1, 2, 3};
        QTest::newRow("size zero") << QByteArray("size=0\n") << QList<int>{1, 2};
        QTest::newRow("size not a number") << QByteArray("size=many\n") << QList<int>{1, 2};
        QTest::newRow("no size") << QByteArray() << QList<int>{1, 2};
        QTest::newRow("gap") << QByteArray("size=3\n") << QList<int>{1, 2, 4};
    }

    void storedSizeIsNotTrusted()
    {
        QFETCH(QByteArray, sizeLine);
        QFETCH(QList<int>, numbers);
        const QString path = filePath();
        QVERIFY(writeFile(path, numberedSaunasText(numbers, sizeLine)));

        RemoteSaunaList list;
        {
            QSettings store(path, QSettings::IniFormat);
            QCOMPARE(list.load(&store), 0);
            QCOMPARE(list.size(), numbers.size());
            for (int index = 0; index < numbers.size(); ++index) {
                QCOMPARE(list.saunas().at(index).identity, numberedIdentity(numbers.at(index)));
                QCOMPARE(list.saunas().at(index).name,
                         QStringLiteral("Sauna %1").arg(numbers.at(index)));
            }
            list.save(&store);
        }
        QSettings store(path, QSettings::IniFormat);
        QCOMPARE(store.beginReadArray(QStringLiteral("pc_panel_remote_saunas")), numbers.size());
        store.endArray();
        RemoteSaunaList reread;
        QCOMPARE(reread.load(&store), 0);
        QCOMPARE(reread.saunas(), list.saunas());
    }

    // A save while the start-up writes are batched reaches the file with them, at the end of the
    // batch; a save after it at once.
    void saveInsideBatchReachesFileAtItsEnd()
    {
        const QString path = filePath();
        RemoteSaunaList list;
        QVERIFY(
            list.insertOrReplace(sauna(lakeIdentity, QStringLiteral("Lake"), QStringLiteral("9"))));
        QSettings store(path, QSettings::IniFormat);
        {
            const control::Settings::WriteBatch batch;
            list.save(&store);
            QVERIFY(!readFile(path).contains(lakeIdentity.toString().toLatin1()));
        }
        QVERIFY(readFile(path).contains(lakeIdentity.toString().toLatin1()));

        QVERIFY(
            list.insertOrReplace(sauna(loftIdentity, QStringLiteral("Loft"), QStringLiteral("7"))));
        list.save(&store);
        QVERIFY(readFile(path).contains(loftIdentity.toString().toLatin1()));
    }

    // However many entries a file holds, at most 1024 of them are read: the first ones.
    void atMost1024EntriesAreRead()
    {
        QList<int> numbers;
        for (int number = 1; number <= 1500; ++number)
            numbers << number;
        const QString path = filePath();
        QVERIFY(writeFile(path, numberedSaunasText(numbers, "size=2000\n")));

        RemoteSaunaList list;
        QSettings store(path, QSettings::IniFormat);
        QCOMPARE(list.load(&store), 0);
        QCOMPARE(list.size(), 1024);
        QCOMPARE(list.saunas().front().identity, numberedIdentity(1));
        QCOMPARE(list.saunas().back().identity, numberedIdentity(1024));
        QVERIFY(!list.find(numberedIdentity(1025)));
    }

    void damagedFileKeepsWholeEntries_data()
    {
        // The damage is text put in after the marker (the start of the file when empty), and the
        // rest of that line cut off when asked.
        QTest::addColumn<QByteArray>("marker");
        QTest::addColumn<QByteArray>("inserted");
        QTest::addColumn<bool>("cutRest");
        QTest::addColumn<QList<QUuid>>("kept");
        QTest::newRow("quote opens the identity of the second entry")
            << QByteArray("2\\pc_panel_remote_sauna_identity=") << QByteArray("\"") << false
            << QList<QUuid>{loftIdentity, gardenIdentity};
        QTest::newRow("quote opens the identity of the first entry")
            << QByteArray("1\\pc_panel_remote_sauna_identity=") << QByteArray("\"") << false
            << QList<QUuid>{cellarIdentity, gardenIdentity};
        QTest::newRow("identity of the second entry cut short")
            << QByteArray("2\\pc_panel_remote_sauna_identity={7a1c3e5f") << QByteArray() << true
            << QList<QUuid>{loftIdentity, gardenIdentity};
        QTest::newRow("quote at the very start")
            << QByteArray() << QByteArray("\"") << false
            << QList<QUuid>{loftIdentity, cellarIdentity, gardenIdentity};
    }

    // A file damaged as a crash or a hand edit leaves it, read through the repair of the shared
    // store: a stored sauna whose identity is lost is no sauna any more and is not written back;
    // every whole entry keeps its name, PIN, brand and product, the file's size counts the kept
    // entries only, and the selected sauna is still the one selected.
    void damagedFileKeepsWholeEntries()
    {
        QFETCH(QByteArray, marker);
        QFETCH(QByteArray, inserted);
        QFETCH(bool, cutRest);
        QFETCH(QList<QUuid>, kept);
        control::Settings names(QStringLiteral("ListTest"), QStringLiteral("PC_Panel"));
        const QString path = control::Settings::settings()->fileName();
        control::Settings::resetForTesting();
        const QList<RemoteSauna> seeded{
            sauna(loftIdentity, QStringLiteral("Loft"), QStringLiteral("2580")),
            sauna(cellarIdentity, QStringLiteral("Cellar, east"), QStringLiteral("1234")),
            sauna(gardenIdentity, QStringLiteral("Garden \"G\""), QStringLiteral("77")),
        };
        {
            // As the panel leaves it: the characters a sauna reported (a quote and a comma among
            // them), the selection and the list.
            QDir().mkpath(QFileInfo(path).absolutePath());
            QSettings store(path, QSettings::IniFormat);
            QString characters;
            for (char16_t unit = 0x20; unit <= 0x7E; ++unit)
                characters.append(QChar(unit));
            store.setValue(QString::fromLatin1(control::Settings::pcPanelSupportedCharactersKey),
                           characters);
            store.setValue(QString::fromLatin1(control::Settings::pcPanelSelectedRemoteSaunaKey),
                           gardenIdentity.toString());
            RemoteSaunaList list;
            for (const RemoteSauna &each : seeded)
                list.insertOrReplace(each);
            list.save(&store);
        }
        QByteArray content = readFile(path);
        const qsizetype at = content.indexOf(marker);
        QVERIFY(at >= 0);
        const qsizetype after = at + marker.size();
        if (cutRest)
            content.remove(after, content.indexOf('\n', after) - after);
        content.insert(after, inserted);
        QVERIFY(writeFile(path, content));

        control::Settings again(QStringLiteral("ListTest"), QStringLiteral("PC_Panel"));
        RemoteSaunaList list;
        list.load();
        QCOMPARE(list.unreadableCount(), 0);
        QList<QUuid> identities;
        for (const RemoteSauna &each : list.saunas())
            identities << each.identity;
        QCOMPARE(identities, kept);
        for (const RemoteSauna &each : seeded) {
            if (const RemoteSauna *found = list.find(each.identity)) {
                QCOMPARE(found->name, each.name);
                QCOMPARE(found->pin.pin(), each.pin.pin());
                QCOMPARE(found->brand, each.brand);
                QCOMPARE(found->rcbProduct, each.rcbProduct);
            }
        }
        list.save();
        control::Settings::resetForTesting();

        QSettings store(path, QSettings::IniFormat);
        QCOMPARE(store.status(), QSettings::NoError);
        QCOMPARE(store.value(QStringLiteral("pc_panel_remote_saunas/size")).toInt(), kept.size());
        QCOMPARE(control::Settings::storedArrayIndexes(
                     &store, QString::fromLatin1(control::Settings::pcPanelRemoteSaunasKey))
                     .size(),
                 kept.size());
        RemoteSaunaList reread;
        QCOMPARE(reread.load(&store), 0);
        QCOMPARE(reread.saunas(), list.saunas());
        QCOMPARE(
            QUuid(store.value(QString::fromLatin1(control::Settings::pcPanelSelectedRemoteSaunaKey))
                      .toString()),
            gardenIdentity);
    }

    void storedLongNameIsCut_data()
    {
        const int bound = signalInterface::protocolFacts::longestSaunaName;
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("kept");
        QTest::newRow("20000 characters") << QString(20000, u'n') << QString(bound, u'n');
        QTest::newRow("exactly the bound") << QString(bound, u'e') << QString(bound, u'e');
        QTest::newRow("pair at the bound")
            << QString(bound - 1, u'p') + QStringLiteral("\U0001F600 and more")
            << QString(bound - 1, u'p');
    }

    // A name that an announcement left in the file before names had a bound is read cut, and the
    // next save leaves the file small again.
    void storedLongNameIsCut()
    {
        QFETCH(QString, stored);
        QFETCH(QString, kept);
        const QString path = filePath();
        {
            RemoteSaunaList list;
            list.insertOrReplace(sauna(loftIdentity, stored, QStringLiteral("2580")));
            QDir().mkpath(QFileInfo(path).absolutePath());
            QSettings store(path, QSettings::IniFormat);
            list.save(&store);
        }
        RemoteSaunaList list;
        {
            QSettings store(path, QSettings::IniFormat);
            QCOMPARE(list.load(&store), 0);
        }
        QCOMPARE(list.size(), 1);
        QCOMPARE(list.find(loftIdentity)->name, kept);
        QCOMPARE(list.find(loftIdentity)->pin.pin(), QStringLiteral("2580"));
        {
            QSettings store(path, QSettings::IniFormat);
            list.save(&store);
        }
        QVERIFY2(readFile(path).size() < 1024, QByteArray::number(readFile(path).size()));
    }

private:
    QString filePath() const { return m_configHome.path() + QStringLiteral("/Vaho/List.ini"); }

    // Three complete entries with their PINs, written by the list itself.
    static void seed(const QString &path)
    {
        RemoteSaunaList list;
        list.insertOrReplace(sauna(loftIdentity, QStringLiteral("Loft"), QStringLiteral("2580")));
        list.insertOrReplace(
            sauna(cellarIdentity, QStringLiteral("Cellar"), QStringLiteral("1234")));
        list.insertOrReplace(sauna(gardenIdentity, QStringLiteral("Garden"), QStringLiteral("77")));
        QDir().mkpath(QFileInfo(path).absolutePath());
        QSettings store(path, QSettings::IniFormat);
        list.save(&store);
    }

    QTemporaryDir m_configHome;
};

QTEST_GUILESS_MAIN(TestRemoteSaunaList)
#include "tst_remote_sauna_list.moc"
