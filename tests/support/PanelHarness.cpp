#include "PanelHarness.h"

namespace zeltest {

void InitTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    zel::ZelControlCenter::InitDefaultSettingsValues();
}

QByteArray FileBytes(const QString& pPath)
{
    QFile file(pPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray StoreBytes(QSettings& pSettings)
{
    pSettings.sync();
    return FileBytes(pSettings.fileName());
}

bool OpenSettings(zel::ZelControlCenter* pCenter, const QSize& pSize)
{
    pCenter->resize(pSize);
    pCenter->show();
    if (!QTest::qWaitForWindowExposed(pCenter))
        return false;
    QApplication::setActiveWindow(pCenter);
    pCenter->openMenu(true);
    if (!QTest::qWaitFor([pCenter] { return pCenter->isMenuOpen(); }))
        return false;
    pCenter->openSettings();
    return QTest::qWaitFor([pCenter] { return pCenter->isSettingsOpen(); });
}

PanelHarness::PanelHarness(const QString& pStore)
    : mSettings(pStore.isEmpty() ? mDir.filePath(QStringLiteral("settings.ini")) : pStore,
                QSettings::IniFormat)
{
    mApplication.setSettings(&mSettings);
    mApplication.setMainWindow(&mMainWindow);
}

PanelHarness::~PanelHarness()
{
    mDir.setAutoRemove(!QTest::currentTestFailed());
}

bool PanelHarness::checkStore()
{
    QString message;
    if (mDir.isValid() && zel::ZelControlCenter::EnsureSettings(mSettings, message))
        return true;
    qWarning("start-up check failed: %s", qPrintable(message));
    return false;
}

QString PanelHarness::stored(const QString& pKey)
{
    mSettings.sync();
    return QSettings(mSettings.fileName(), QSettings::IniFormat).value(pKey).toString();
}

} // namespace zeltest
