#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <algorithm>

// The settings screens emit through the sender items of SettingsSenders.qml, which the program
// finds by object name and connects at start-up. A declared signal that no page emits still
// connects cleanly, so the wiring test cannot see that its screen is missing: this test reads
// the scene's QML and names every declared signal that nothing emits.
class TestSettingsSenders : public QObject
{
    Q_OBJECT

private:
    struct Declaration
    {
        QString itemName; // the item's id, or its object name when it has no id
        QString objectName;
        QString alias; // the property of the senders that hands the item to the pages
        QString signal;
    };

    static QString readFile(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return {};
        return QString::fromUtf8(file.readAll());
    }

    // The declared signals, each with the sender item it belongs to, in file order.
    static QList<Declaration> declarations(const QString &sendersQml)
    {
        QHash<QString, QString> aliasOfItem;
        static const QRegularExpression aliasLine(
            QStringLiteral(R"(property alias (\w+):\s*(\w+))"));
        for (auto it = aliasLine.globalMatch(sendersQml); it.hasNext();) {
            const auto match = it.next();
            aliasOfItem.insert(match.captured(2), match.captured(1));
        }

        QList<Declaration> result;
        QString itemId;
        QString objectName;
        static const QRegularExpression itemStart(QStringLiteral(R"(^\s*Item\s*\{)"));
        static const QRegularExpression idLine(QStringLiteral(R"(^\s*id:\s*(\w+))"));
        static const QRegularExpression nameLine(
            QStringLiteral("^\\s*objectName:\\s*\"([^\"]+)\""));
        static const QRegularExpression signalLine(QStringLiteral(R"(^\s*signal (\w+)\s*\()"));
        const QStringList lines = sendersQml.split(QLatin1Char('\n'));
        for (const QString &line : lines) {
            if (itemStart.match(line).hasMatch()) {
                itemId.clear();
                objectName.clear();
            } else if (const auto id = idLine.match(line); id.hasMatch()) {
                itemId = id.captured(1);
            } else if (const auto name = nameLine.match(line); name.hasMatch()) {
                objectName = name.captured(1);
            } else if (const auto signal = signalLine.match(line); signal.hasMatch()) {
                result.append({itemId.isEmpty() ? objectName : itemId, objectName,
                               aliasOfItem.value(itemId), signal.captured(1)});
            }
        }
        return result;
    }

    // Every QML file of the scene but the senders themselves, read whole.
    static QStringList sceneSources(const QString &sendersPath)
    {
        QStringList sources;
        QDirIterator files(QStringLiteral(PANEL_QML_VIEW_DIR), {QStringLiteral("*.qml")},
                           QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            if (QFileInfo(path) != QFileInfo(sendersPath))
                sources.append(readFile(path));
        }
        return sources;
    }

    static bool anySourceMatches(const QStringList &sources, const QRegularExpression &pattern)
    {
        return std::any_of(sources.begin(), sources.end(),
                           [&](const QString &source) { return source.contains(pattern); });
    }

    // Screens that no menu row opens in this edition: their managers listen to these senders, but
    // no page exists to emit them. A page that starts emitting one must be taken off this list.
    static QStringList withoutPage()
    {
        return {QStringLiteral("systemsSelector.softwareUpdateVisibleChanged"),
                QStringLiteral("systemsSelector.softwareUpdateSelected"),
                QStringLiteral("systemsSelector.factoryResetViewVisibleChanged"),
                QStringLiteral("systemsSelector.factoryResetSelected"),
                QStringLiteral("relayContainer.toggleChanged"),
                QStringLiteral("relayContainer.relayControlMenuActive"),
                QStringLiteral("relayContainer.relayRegulatorValueSelected")};
    }

private slots:
    void everyDeclaredSignalIsEmittedBySomePage()
    {
        const QString sendersPath =
            QStringLiteral(PANEL_QML_VIEW_DIR "/settings/SettingsSenders.qml");
        const QString sendersQml = readFile(sendersPath);
        QVERIFY2(!sendersQml.isEmpty(), qPrintable(sendersPath));
        const QList<Declaration> declared = declarations(sendersQml);
        QVERIFY(declared.size() > 100);

        QHash<QString, int> itemsPerSignal;
        for (const Declaration &declaration : declared)
            ++itemsPerSignal[declaration.signal];

        const QStringList sources = sceneSources(sendersPath);
        QStringList unemitted;
        for (const Declaration &declaration : declared) {
            const QString name = QRegularExpression::escape(declaration.signal);
            // A call of the signal: sender.name(...) in a page or a shared component.
            const bool called = anySourceMatches(
                sources, QRegularExpression(QStringLiteral(R"(\.%1\s*\()").arg(name)));
            // A name that several items declare is emitted by a shared component through the
            // sender it is given; the item must then be given to some page.
            // The item is handed out through its alias, or looked up by its object name.
            bool handedOut = true;
            if (itemsPerSignal.value(declaration.signal) > 1) {
                const bool byAlias =
                    !declaration.alias.isEmpty() &&
                    anySourceMatches(sources,
                                     QRegularExpression(
                                         QStringLiteral(R"(\.%1\b)")
                                             .arg(QRegularExpression::escape(declaration.alias))));
                const bool byName =
                    !declaration.objectName.isEmpty() &&
                    anySourceMatches(sources,
                                     QRegularExpression(QStringLiteral("\"%1\"").arg(
                                         QRegularExpression::escape(declaration.objectName))));
                handedOut = byAlias || byName;
            }
            if (!called || !handedOut)
                unemitted.append(declaration.itemName + QLatin1Char('.') + declaration.signal);
        }
        QStringList declaredNames;
        for (const Declaration &declaration : declared)
            declaredNames.append(declaration.itemName + QLatin1Char('.') + declaration.signal);
        for (const QString &signal : withoutPage()) {
            QVERIFY2(declaredNames.contains(signal), qPrintable(signal + " is not declared"));
            QVERIFY2(unemitted.removeAll(signal) == 1,
                     qPrintable(signal + " is emitted now: take it off the list"));
        }
        for (const QString &signal : unemitted)
            qWarning("declared in SettingsSenders.qml but emitted by no page: %s",
                     qPrintable(signal));
        QVERIFY2(unemitted.isEmpty(),
                 qPrintable(QStringLiteral("%1 declared signals are emitted by no page")
                                .arg(unemitted.size())));
    }

    // Each signal belongs to its own item, also when that item has no id.
    void signalsAreReadWithTheirItem()
    {
        const QString senders = QStringLiteral("Item {\n"
                                               "    property alias systems: systemsSelector\n"
                                               "    Item {\n"
                                               "        id: systemsSelector\n"
                                               "        objectName: \"configureSystemsSelector\"\n"
                                               "        signal itemSelected(int id)\n"
                                               "    }\n"
                                               "    Item {\n"
                                               "        objectName: \"descalingDosageControl\"\n"
                                               "        signal valueChangeRequested(int d)\n"
                                               "    }\n"
                                               "}\n");
        const QList<Declaration> declared = declarations(senders);
        QCOMPARE(declared.size(), 2);
        QCOMPARE(declared.at(0).itemName, QStringLiteral("systemsSelector"));
        QCOMPARE(declared.at(0).alias, QStringLiteral("systems"));
        QCOMPARE(declared.at(1).itemName, QStringLiteral("descalingDosageControl"));
        QCOMPARE(declared.at(1).objectName, QStringLiteral("descalingDosageControl"));
        QVERIFY(declared.at(1).alias.isEmpty());
        QCOMPARE(declared.at(1).signal, QStringLiteral("valueChangeRequested"));
    }
};

QTEST_GUILESS_MAIN(TestSettingsSenders)
#include "tst_settings_senders.moc"
