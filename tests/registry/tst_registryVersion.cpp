// The version queries, and the version scope and the class used side by side.

#include "ZelControlCenter.h"
#include "ZelControlCenterVersion.h"

#include <QtTest>

using Version = ZelControlCenter::Version;

class tst_registryVersion : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Numbers from the project, date from the build, a 7-digit source mark; only a
    // development, beta or debug build tells its kind, in the flagged strings.
    void queries()
    {
        const auto text = [](const char* pText) { return QString::fromLatin1(pText); };
        const QString numbers = QStringLiteral("%1.%2.%3.%4").arg(ZEL_EXPECTED_MAJOR)
                                    .arg(ZEL_EXPECTED_MINOR).arg(ZEL_EXPECTED_RELEASE)
                                    .arg(ZEL_EXPECTED_REVISION);
        QCOMPARE(QStringLiteral("%1.%2.%3.%4").arg(Version::GetMajor()).arg(Version::GetMinor())
                     .arg(Version::GetRelease()).arg(Version::GetRevision()), numbers);
        const QDate built(Version::GetYear(), Version::GetMonth(), 1);
        QVERIFY(built.isValid() && built.year() >= 2024 && built <= QDate::currentDate());
        const QString full = text(Version::GetDescStringMajorMinorReleaseRevision(false));
        const QString mark = QStringLiteral("^%1 #[0-9a-f]{7}$");
        QVERIFY2(QRegularExpression(mark.arg(QRegularExpression::escape(numbers))).match(full)
                     .hasMatch(), qPrintable(full));
        QCOMPARE(text(Version::GetDescStringMajorMinorReleaseRevisionDate()),
                 QStringLiteral("%1 %2-%3").arg(full).arg(built.year()).arg(built.month()));

        const QString kind = text(Version::IsDev() ? "-dev" : "")
                             + text(Version::IsBeta() ? "-beta" : "")
                             + text(Version::IsDebug() ? "-debug" : "");
        for (const bool flagged : {false, true}) {
            const QString suffix = flagged ? kind : QString();
            QCOMPARE(text(Version::GetDescStringMajorMinor(flagged)),
                     numbers.section(QLatin1Char('.'), 0, 1) + suffix);
            QCOMPARE(text(Version::GetDescStringMajorMinorRelease(flagged)),
                     numbers.section(QLatin1Char('.'), 0, 2) + suffix);
            QCOMPARE(text(Version::GetDescStringMajorMinorReleaseRevision(flagged)),
                     numbers + suffix + full.mid(numbers.size()));
        }
        // The version scope lies outside namespace zel; both names work in one place.
        QCOMPARE(::ZelControlCenter::Version::GetMajor(), unsigned(ZEL_EXPECTED_MAJOR));
        zel::ZelControlCenter::ClearSettings();
    }
};

QTEST_MAIN(tst_registryVersion)
#include "tst_registryVersion.moc"
