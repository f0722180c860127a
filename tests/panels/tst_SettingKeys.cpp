#include "PanelFixture.h"

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
class tst_SettingKeys : public zeltest::PanelFixture
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { PrepareRun(); }
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void formsNameKnownKeys_data()
    {
        QTest::addColumn<QString>("panel");
        for (const char* panel : {"general", "import", "privacy", "export"})
            QTest::newRow(panel) << QString::fromLatin1(panel);
    }

    void formsNameKnownKeys()
    {
        QFETCH(QString, panel);
        ZelSettingsPanel* widget = addPanel(panel);
        widget->initializeWidget();
        QStringList known;
        if (panel == QLatin1String("export")) {
            for (const char* key : keys::kExportRowKeys)
                known.append(QString::fromLatin1(key));
        } else {
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
