// The library as a host that loads it on demand sees it: its embedded resources come with the
// first load and go with the last unload. Built without linking the library.

#include <QtTest>

#include <dlfcn.h>

class tst_LibraryUnload : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void resourcesFollowTheLibrary()
    {
        const QString sheet = QStringLiteral(":/css/ViewerApp/resources/css/figura.css");
        const QString logo = QStringLiteral(":/logo/logo/microLogo.png");
        QVERIFY(!QFile::exists(sheet) && !QFile::exists(logo));

        void* first = dlopen(ZEL_LIBRARY_FILE, RTLD_NOW | RTLD_LOCAL);
        QVERIFY2(first, dlerror());
        QVERIFY(QFile::exists(sheet) && QFile::exists(logo));
        void* second = dlopen(ZEL_LIBRARY_FILE, RTLD_NOW | RTLD_LOCAL);
        QCOMPARE(second, first);
        QCOMPARE(dlclose(second), 0);
        QVERIFY(QFile::exists(sheet));

        QCOMPARE(dlclose(first), 0);
        QVERIFY2(!dlopen(ZEL_LIBRARY_FILE, RTLD_NOW | RTLD_NOLOAD), "the library stays loaded");
        QVERIFY(!QFile::exists(sheet) && !QFile::exists(logo));

        // Loaded again, it registers them again.
        void* again = dlopen(ZEL_LIBRARY_FILE, RTLD_NOW | RTLD_LOCAL);
        QVERIFY2(again, dlerror());
        QVERIFY(QFile::exists(sheet));
        QCOMPARE(dlclose(again), 0);
        QVERIFY(!QFile::exists(sheet));
    }
};

QTEST_GUILESS_MAIN(tst_LibraryUnload)
#include "tst_LibraryUnload.moc"
