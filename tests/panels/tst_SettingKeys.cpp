#include "PanelHarness.h"

#include "ZelExportSettingsPanel.h"
#include "ZelGeneralSettingsPanel.h"
#include "ZelImportSettingsPanel.h"
#include "ZelPrivacySettingsPanel.h"
#include "ZelSettingKeys.h"

using namespace zel;

namespace {

// The keys that the panels read and write without the library registering them; the viewer
// registers them.
const char* const kUnregisteredKeys[] = {"display/namingPolicy", "display/displayps",
                                         "display/displaytool",  "engine/fillCutplane",
                                         "folders/lastexportmodule", "Privacy/sendreport"};

// The settingKey of the panel and of each of its widgets.
QStringList FormKeys(const QWidget& pPanel)
{
    QStringList keys;
    QList<const QObject*> objects{&pPanel};
    for (const QObject* child : pPanel.findChildren<QObject*>())
        objects.append(child);
    for (const QObject* object : objects) {
        const QString key = object->property("settingKey").toString();
        if (!key.isEmpty())
            keys.append(key);
    }
    return keys;
}

} // namespace

// Every setting that a panel's form names is one that the store knows: a registered key, one
// of the few keys that the panels use unregistered, or, on the export panel, a row of the
// host's export record.
class tst_SettingKeys : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { zeltest::InitTestCase(); }

    void formsNameKnownKeys_data()
    {
        QTest::addColumn<int>("panel");
        QTest::newRow("general") << 0;
        QTest::newRow("import") << 1;
        QTest::newRow("privacy") << 2;
        QTest::newRow("export") << 3;
    }

    void formsNameKnownKeys()
    {
        QFETCH(int, panel);
        zeltest::PanelHarness harness;
        QVERIFY(harness.checkStore());
        std::unique_ptr<QWidget> widget;
        QStringList known;
        switch (panel) {
        case 0:
            widget = harness.panel<ZelGeneralSettingsPanel>();
            break;
        case 1:
            widget = harness.panel<ZelImportSettingsPanel>();
            break;
        case 2:
            widget = harness.panel<ZelPrivacySettingsPanel>();
            break;
        default:
            widget = std::make_unique<ZelExportSettingsPanel>(true, &harness.mApplication,
                                                              harness.mSettings);
            for (const char* key : keys::kExportRowKeys)
                known.append(QString::fromLatin1(key));
            break;
        }
        if (panel != 3) {
            for (const auto& entry : ZelControlCenter::GetDefaultSettingsValues())
                known.append(entry.first);
            for (const char* key : kUnregisteredKeys)
                known.append(QString::fromLatin1(key));
        }

        const QStringList keys = FormKeys(*widget);
        QVERIFY(!keys.isEmpty());
        QStringList unknown;
        for (const QString& key : keys) {
            if (!known.contains(key))
                unknown.append(key);
        }
        QVERIFY2(unknown.isEmpty(), qPrintable(unknown.join(QStringLiteral(", "))));
    }
};

QTEST_MAIN(tst_SettingKeys)
#include "tst_SettingKeys.moc"
