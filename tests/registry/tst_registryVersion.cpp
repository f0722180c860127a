// The version queries, and the version scope and the class used side by side.

#include "ZelControlCenter.h"
#include "ZelControlCenterVersion.h"

#include <QDate>
#include <QRegularExpression>
#include <QtTest>

using Version = ZelControlCenter::Version;

namespace {

QString text(const char* pText)
{
    return QString::fromLatin1(pText);
}

} // namespace

class tst_registryVersion : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void numbersComeFromTheProject()
    {
        QCOMPARE(Version::GetMajor(), unsigned(ZEL_EXPECTED_MAJOR));
        QCOMPARE(Version::GetMinor(), unsigned(ZEL_EXPECTED_MINOR));
        QCOMPARE(Version::GetRelease(), unsigned(ZEL_EXPECTED_RELEASE));
        QCOMPARE(Version::GetRevision(), unsigned(ZEL_EXPECTED_REVISION));
    }

    void buildDate()
    {
        QVERIFY(Version::GetMonth() >= 1 && Version::GetMonth() <= 12);
        QVERIFY(Version::GetYear() >= 2024);
        QVERIFY(QDate(Version::GetYear(), Version::GetMonth(), 1) <= QDate::currentDate());
    }

    void strings()
    {
        const QString numbers = QStringLiteral("%1.%2.%3.%4")
                                    .arg(Version::GetMajor())
                                    .arg(Version::GetMinor())
                                    .arg(Version::GetRelease())
                                    .arg(Version::GetRevision());
        QCOMPARE(text(Version::GetDescStringMajorMinor(false)),
                 numbers.section(QLatin1Char('.'), 0, 1));
        QCOMPARE(text(Version::GetDescStringMajorMinorRelease(false)),
                 numbers.section(QLatin1Char('.'), 0, 2));

        const QString full = text(Version::GetDescStringMajorMinorReleaseRevision(false));
        const QRegularExpressionMatch match =
            QRegularExpression(QStringLiteral("^(.+) #([0-9a-f]{7})$")).match(full);
        QVERIFY2(match.hasMatch(), qPrintable(full));
        QCOMPARE(match.captured(1), numbers);

        QCOMPARE(text(Version::GetDescStringMajorMinorReleaseRevisionDate()),
                 QStringLiteral("%1 %2-%3")
                     .arg(full)
                     .arg(Version::GetYear())
                     .arg(Version::GetMonth()));
    }

    // Only a development, beta or debug build tells its kind in the flagged strings.
    void kindVariants()
    {
        QString kind;
        if (Version::IsDev())
            kind += QStringLiteral("-dev");
        if (Version::IsBeta())
            kind += QStringLiteral("-beta");
        if (Version::IsDebug())
            kind += QStringLiteral("-debug");
        QCOMPARE(text(Version::GetDescStringMajorMinor(true)),
                 text(Version::GetDescStringMajorMinor(false)) + kind);
        QCOMPARE(text(Version::GetDescStringMajorMinorRelease(true)),
                 text(Version::GetDescStringMajorMinorRelease(false)) + kind);
        const QString full = text(Version::GetDescStringMajorMinorReleaseRevision(false));
        const int mark = full.indexOf(QLatin1Char(' '));
        QCOMPARE(text(Version::GetDescStringMajorMinorReleaseRevision(true)),
                 full.left(mark) + kind + full.mid(mark));
    }

    // The version scope lies outside namespace zel; both names work in one place.
    void bothNamesTogether()
    {
        QCOMPARE(::ZelControlCenter::Version::GetMajor(), unsigned(ZEL_EXPECTED_MAJOR));
        ::ZelControlCenter::Version first;
        const ::ZelControlCenter::Version second;
        first = second;
        zel::ZelControlCenter::ClearSettings();
        QVERIFY(zel::ZelControlCenter::GetDefaultSettingsValue("units/name").isEmpty());
    }
};

QTEST_MAIN(tst_registryVersion)
#include "tst_registryVersion.moc"
