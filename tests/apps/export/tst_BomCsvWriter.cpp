#include "BomCsvReader.h"
#include "BomCsvWriter.h"
#include "SampleAssembly.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace zel;

Q_DECLARE_METATYPE(zel::BOMExportSettings)

namespace {

BOMExportSettings csvFormat(const QString& pColumns, const QString& pDecimals,
                            const QString& pDelimiter)
{
    BOMExportSettings settings;
    settings.columnSeparator = pColumns;
    settings.decimalSeparator = pDecimals;
    settings.stringDelimiter = pDelimiter;
    return settings;
}

} // namespace

class tst_BomCsvWriter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void format_data()
    {
        QTest::addColumn<BOMExportSettings>("settings");
        QTest::addColumn<QVariantList>("row");
        QTest::addColumn<QByteArray>("expected");
        const QVariantList plain{QStringLiteral("Bolt"), 0.25, 4};
        QTest::addRow("comma") << csvFormat(",", ".", "\"") << plain
                               << QByteArray("\"Name\",\"Mass\",\"Count\"\r\n\"Bolt\",0.25,4\r\n");
        QTest::addRow("french") << csvFormat(";", ",", "\"") << plain
                                << QByteArray("\"Name\";\"Mass\";\"Count\"\r\n\"Bolt\";0,25;4\r\n");
        QTest::addRow("delimiter doubled inside text")
            << csvFormat(",", ".", "\"") << QVariantList{QStringLiteral("8\" bolt"), 1.5, 0}
            << QByteArray("\"Name\",\"Mass\",\"Count\"\r\n\"8\"\" bolt\",1.5,0\r\n");
        QTest::addRow("decimal separator that separates columns")
            << csvFormat(",", ",", "\"") << plain
            << QByteArray("\"Name\",\"Mass\",\"Count\"\r\n\"Bolt\",\"0,25\",4\r\n");
        QTest::addRow("own delimiter") << csvFormat("|", ".", "'")
                                       << QVariantList{QStringLiteral("it's"), 2.0, 1}
                                       << QByteArray("'Name'|'Mass'|'Count'\r\n'it''s'|2|1\r\n");
        QTest::addRow("no delimiter keeps rows whole")
            << csvFormat(";", ".", "") << QVariantList{QStringLiteral("a;b"), 0.125, 7}
            << QByteArray("Name;Mass;Count\r\n\"a;b\";0.125;7\r\n");
        QTest::addRow("unknown attribute is an empty cell")
            << csvFormat(",", ".", "\"") << QVariantList{QStringLiteral("Bolt"), QVariant(), 4}
            << QByteArray("\"Name\",\"Mass\",\"Count\"\r\n\"Bolt\",,4\r\n");
    }

    void format()
    {
        QFETCH(BOMExportSettings, settings);
        QFETCH(QVariantList, row);
        QFETCH(QByteArray, expected);
        const QStringList headers{"Name", "Mass", "Count"};
        const QByteArray text = BomCsvWriter::Format(headers, {row}, settings);
        QCOMPARE(text, expected);
        // What was written reads back cell for cell.
        const QString delimiter = settings.stringDelimiter;
        QVector<QStringList> rows;
        QString error;
        QVERIFY2(BomCsvReader::Parse(text, settings.columnSeparator,
                                     delimiter.isEmpty() ? QStringLiteral("\"") : delimiter,
                                     rows, error),
                 qPrintable(error));
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0], headers);
        QCOMPARE(rows[1].size(), 3);
        QCOMPARE(rows[1][0], row[0].toString());
    }

    void sampleReadsBack_data()
    {
        QTest::addColumn<BOMExportSettings>("settings");
        QTest::addRow("comma") << csvFormat(",", ".", "\"");
        QTest::addRow("french") << csvFormat(";", ",", "\"");
    }

    void sampleReadsBack()
    {
        QFETCH(BOMExportSettings, settings);
        settings.headers = QStringList{"Part number", "Instance name", "Mass", "Material"};
        const SampleAssembly assembly = SampleAssembly::Create();
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("bom.csv"));
        QString error;
        QVERIFY2(BomCsvWriter::Write(path, assembly, settings, error), qPrintable(error));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVector<QStringList> rows;
        QVERIFY2(BomCsvReader::Parse(file.readAll(), settings.columnSeparator,
                                     settings.stringDelimiter, rows, error),
                 qPrintable(error));
        QCOMPARE(rows.size(), assembly.instances().size() + 1);
        QCOMPARE(rows[0], settings.headers);
        for (int i = 0; i < assembly.instances().size(); ++i) {
            const int component = assembly.instances()[i].component;
            QCOMPARE(rows[i + 1][0], assembly.components()[component].partNumber);
            QCOMPARE(rows[i + 1][1], assembly.instances()[i].name);
            double mass = 0.0;
            QVERIFY2(BomCsvReader::ToNumber(rows[i + 1][2], settings.decimalSeparator, mass),
                     qPrintable(rows[i + 1][2]));
            QVERIFY(mass > 0.0 && qAbs(mass - assembly.componentMassKg(component)) < 1e-6);
            QCOMPARE(rows[i + 1][3], assembly.components()[component].material);
        }
    }

    void groupedByComponent()
    {
        const SampleAssembly assembly = SampleAssembly::Create();
        const QVector<QVariantList> rows =
            BomCsvWriter::Rows(assembly, {"Name", "Instance name"}, true);
        QCOMPARE(rows.size(), assembly.components().size());
        QCOMPARE(rows[0][0].toString(), assembly.components()[0].name);
        QVERIFY(!rows[0][1].isValid());
    }

    void unwritableFileIsReported()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("missing/bom.csv"));
        QString error;
        QVERIFY(!BomCsvWriter::Write(path, SampleAssembly::Create(), BOMExportSettings(), error));
        QVERIFY(error.contains(QStringLiteral("bom.csv")));
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_MAIN(tst_BomCsvWriter)
#include "tst_BomCsvWriter.moc"
