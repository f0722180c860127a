// The fuzzer's corpus replayed through the settings check: damaged, typed and hostile stores
// that once crashed, exhausted memory or were rewritten at every start.

#include "zelStoreProbe.h"

#include <QtTest>

class tst_storeCorpus : public QObject
{
    Q_OBJECT

    QTemporaryDir mRoot;

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(mRoot.isValid());
        zelfuzz::PrepareRegistry(mRoot.path());
    }

    void replay_data()
    {
        QTest::addColumn<QString>("path");
        // ZEL_STORE_CORPUS replays another corpus, such as the one that a fuzzing run grew.
        const QDir corpus(
            qEnvironmentVariable("ZEL_STORE_CORPUS", QStringLiteral(ZEL_FUZZ_CORPUS)));
        const QStringList names = corpus.entryList(QDir::Files, QDir::Name);
        QVERIFY(names.size() >= 10);
        for (const QString& name : names)
            QTest::addRow("%s", qPrintable(name)) << corpus.filePath(name);
    }

    void replay()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString fault = zelfuzz::ProbeStore(file.readAll());
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }
};

QTEST_GUILESS_MAIN(tst_storeCorpus)
#include "tst_storeCorpus.moc"
