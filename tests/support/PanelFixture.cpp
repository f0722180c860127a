#include "PanelFixture.h"

#include "SettingsDialog.h"
#include "TestHost.h"
#include "ZelExportSettingsPanel.h"
#include "ZelGeneralSettingsPanel.h"
#include "ZelImportSettingsPanel.h"
#include "ZelPrivacySettingsPanel.h"

namespace zeltest {

void PanelFixture::PrepareRun(bool pStyleSheet)
{
    InitTestCase();
    QLocale::setDefault(QLocale::c());
    if (pStyleSheet)
        TestHost::ApplyLibraryStyle();
}

void PanelFixture::setUp(bool pCheckStore)
{
    mHarness = std::make_unique<PanelHarness>();
    if (pCheckStore)
        QVERIFY(mHarness->checkStore());
}

void PanelFixture::tearDown()
{
    mPanels.clear();
    mHost.reset();
    mHarness.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

zel::ZelSettingsPanel* PanelFixture::addPanel(const QString& pKind)
{
    zel::kmDMIApplication* application = &mHarness->mApplication;
    QSettings& settings = mHarness->mSettings;
    std::unique_ptr<zel::ZelSettingsPanel> panel;
    if (pKind == QLatin1String("import"))
        panel = std::make_unique<zel::ZelImportSettingsPanel>(application, settings);
    else if (pKind == QLatin1String("privacy"))
        panel = std::make_unique<zel::ZelPrivacySettingsPanel>(application, settings);
    else if (pKind == QLatin1String("export") || pKind == QLatin1String("tool"))
        panel = std::make_unique<zel::ZelExportSettingsPanel>(pKind == QLatin1String("export"),
                                                              application, settings);
    else if (pKind == QLatin1String("general"))
        panel = std::make_unique<zel::ZelGeneralSettingsPanel>(application, settings);
    else
        qFatal("no panel of kind %s", qPrintable(pKind));
    mPanels.push_back(std::move(panel));
    return mPanels.back().get();
}

void PanelFixture::showAlone(zel::ZelSettingsPanel* pPanel, const QSize& pSize)
{
    pPanel->initializeWidget();
    pPanel->getActionWidget()->hide();
    pPanel->resize(pSize);
    pPanel->show();
    QVERIFY(QTest::qWaitForWindowExposed(pPanel));
    QApplication::setActiveWindow(pPanel);
    QVERIFY(QTest::qWaitForWindowActive(pPanel));
}

void PanelFixture::openHost(bool pDialog, bool pGuide, const QSize& pSize)
{
    if (pDialog) {
        auto* dialog = new zel::SettingsDialog(&mHarness->mApplication);
        mHost.reset(dialog);
        if (pGuide)
            dialog->enableSettingsGuide();
        for (const auto& panel : mPanels)
            dialog->registerSettingsPanel(panel.get());
        if (pSize.isValid())
            dialog->resize(pSize);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QApplication::setActiveWindow(dialog);
        QVERIFY(mPanels.front()->isVisible());
        return;
    }
    auto* center = new zel::ZelControlCenter(&mHarness->mApplication);
    mHost.reset(center);
    for (const auto& panel : mPanels) {
        center->registerSettingsPanel(panel.get());
        QVERIFY(center->isAncestorOf(panel.get()));
    }
    if (pGuide)
        center->enableSettingsGuide();
    QVERIFY(OpenSettings(center, pSize));
}

QString PanelFixture::click(const char* pButton)
{
    return PressAndAcknowledge(Child<QPushButton>(mHost.get(), pButton));
}

} // namespace zeltest
