#include "ZelDirectory.h"

#include <QtTest>

using zel::ZelDirectory;

namespace {
QString str(const std::string& pText)
{
    return QString::fromStdString(pText);
}

// Sets an environment variable until the returned guard goes, failed test or not.
auto overrideEnv(const char* pName, const QString& pValue)
{
    const bool wasSet = qEnvironmentVariableIsSet(pName);
    const QByteArray value = qgetenv(pName);
    qputenv(pName, QFile::encodeName(pValue));
    return qScopeGuard([=] { wasSet ? qputenv(pName, value) : qunsetenv(pName); });
}
} // namespace

class tst_ZelDirectory : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setApplicationName(QStringLiteral("ZelDirTest"));
    }

    void appDataFollowsTestMode()
    {
        const QString folder = str(ZelDirectory::GetAppDataFolder());
        QVERIFY2(folder.startsWith(QDir::homePath() + QStringLiteral("/.qttest/")),
                 qPrintable(folder));
        QVERIFY2(folder.endsWith(QStringLiteral("/ZelDirTest")), qPrintable(folder));
    }

    void documentsFollowHome()
    {
        QTemporaryDir home;
        QVERIFY(home.isValid());
        const auto guard = overrideEnv("HOME", home.path());
        QCOMPARE(str(ZelDirectory::GetHomeDocumentFolder()), home.path() + "/Documents");
    }

    void tmpFollowsTmpdir()
    {
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        const auto guard = overrideEnv("TMPDIR", tmp.path() + '/');
        QCOMPARE(str(ZelDirectory::GetTmpFolder()), tmp.path());
    }

    void foldersAreClean_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addRow("app data") << str(ZelDirectory::GetAppDataFolder());
        QTest::addRow("tmp") << str(ZelDirectory::GetTmpFolder());
        QTest::addRow("documents") << str(ZelDirectory::GetHomeDocumentFolder());
    }
    void foldersAreClean()
    {
        QFETCH(QString, folder);
        QVERIFY(!folder.isEmpty());
        QVERIFY2(!folder.contains('\\'), qPrintable(folder));
        QVERIFY2(folder == "/" || !folder.endsWith('/'), qPrintable(folder));
    }

    void applicationNameIsUtf8()
    {
        const QString name = QString::fromUtf8("Zél viewer");
        QCoreApplication::setApplicationName(name);
        QCOMPARE(ZelDirectory::GetApplicationName(), std::string(name.toUtf8().constData()));
        QCoreApplication::setApplicationName(QStringLiteral("ZelDirTest"));
    }
};

QTEST_MAIN(tst_ZelDirectory)
#include "tst_ZelDirectory.moc"
