#include "kmDirUtils.h"

#include <QtTest>

using km::kmDirUtils;

namespace {
std::string utf8(const QString& pText)
{
    return pText.toStdString();
}
} // namespace

class tst_kmDirUtils : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        mRoot.reset(new QTemporaryDir);
        QVERIFY(mRoot->isValid());
        QFile file(mRoot->filePath(QStringLiteral("plain.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    void cleanup() { mRoot->setAutoRemove(!QTest::currentTestFailed()); }

    void extractFolder_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("folder");
        QTest::addRow("unix") << "/var/log/app.txt" << "/var/log";
        QTest::addRow("windows") << "C:\\Users\\me\\log.txt" << "C:\\Users\\me";
        QTest::addRow("mixed") << "C:/Users\\me/log.txt" << "C:/Users\\me";
        QTest::addRow("trailing slash") << "/var/log/" << "/var/log";
        QTest::addRow("root file") << "/log.txt" << "/";
        QTest::addRow("bare name") << "log.txt" << "";
        QTest::addRow("empty") << "" << "";
        QTest::addRow("utf8") << QString::fromUtf8("/données/journal é.txt")
                              << QString::fromUtf8("/données");
    }
    void extractFolder()
    {
        QFETCH(QString, path);
        QFETCH(QString, folder);
        QCOMPARE(QString::fromStdString(kmDirUtils::ExtractFolder(utf8(path))), folder);
    }

    void dirExists()
    {
        const QString accented = mRoot->filePath(QString::fromUtf8("réseau"));
        QVERIFY(QDir().mkdir(accented));
        QVERIFY(kmDirUtils::DirExistsUtf8(utf8(mRoot->path())));
        QVERIFY(kmDirUtils::DirExistsUtf8(utf8(accented)));
        QVERIFY(!kmDirUtils::DirExistsUtf8(utf8(mRoot->filePath("plain.txt"))));
        QVERIFY(!kmDirUtils::DirExistsUtf8(utf8(mRoot->filePath("missing"))));
        QVERIFY(!kmDirUtils::DirExistsUtf8(std::string()));
    }

    void mkpathCreatesParents()
    {
        const QString nested = mRoot->filePath(QString::fromUtf8("a/bé/c"));
        QVERIFY(kmDirUtils::MkpathUtf8(utf8(nested)));
        QVERIFY(QFileInfo(nested).isDir());
        // Already there: still a success.
        QVERIFY(kmDirUtils::MkpathUtf8(utf8(nested)));
    }

    void mkpathFailsOnPlainFile_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::addRow("file as parent") << "plain.txt/sub/folder";
        QTest::addRow("file as target") << "plain.txt";
    }
    void mkpathFailsOnPlainFile()
    {
        QFETCH(QString, relative);
        QVERIFY(!kmDirUtils::MkpathUtf8(utf8(mRoot->filePath(relative))));
        QVERIFY(QFileInfo(mRoot->filePath("plain.txt")).isFile());
        QVERIFY(!kmDirUtils::MkpathUtf8(std::string()));
    }

private:
    QScopedPointer<QTemporaryDir> mRoot;
};

QTEST_MAIN(tst_kmDirUtils)
#include "tst_kmDirUtils.moc"
