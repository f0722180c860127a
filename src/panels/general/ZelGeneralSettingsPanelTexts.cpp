// The general panel's texts: the items and messages that it sets itself, and their
// translation when the language changes.

#include "ZelGeneralSettingsPanel.h"

#include "Unit.h"

#include "ui_ZelGeneralSettingsPanel.h"

#include <QCoreApplication>
#include <QEvent>
#include <QSignalBlocker>

#include <iterator>

namespace zel {

namespace {

const char kContext[] = "ZelGeneralSettingsPanel";

// Shown in the units combo box in the order of the host's units; the store keeps the
// unit's short name, never these texts.
const char* const kUnitNames[] = {
    QT_TRANSLATE_NOOP("ZelGeneralSettingsPanel", "Millimeter (mm)"),
    QT_TRANSLATE_NOOP("ZelGeneralSettingsPanel", "Centimer (cm)"),
    QT_TRANSLATE_NOOP("ZelGeneralSettingsPanel", "Meter (m)"),
    QT_TRANSLATE_NOOP("ZelGeneralSettingsPanel", "Inch (in)"),
};
const Unit kUnits[] = {MILLIMETER, CENTIMETER, METER, INCH};

// The navigation modes as shown, and the names that the store keeps.
const char* const kNavigationModes[] = {
    QT_TRANSLATE_NOOP("ZelGeneralSettingsPanel", "Arcball mode"),
    QT_TRANSLATE_NOOP("ZelGeneralSettingsPanel", "Examine mode"),
};
const char* const kControllers[] = {"arcball", "examine"};

// The naming policies, in the order of the host's policy types.
const char* const kNamingPolicies[] = {
    QT_TRANSLATE_NOOP("SelectAttributeNameMenu", "Instance name"),
    QT_TRANSLATE_NOOP("SelectAttributeNameMenu", "Component name"),
    QT_TRANSLATE_NOOP("SelectAttributeNameMenu", "Component and Instance name"),
};

// One rich text, so that a translation may order its parts as the language wants; the
// link "User manual" names the host's action.
const char kSoftwareMessage[] = QT_TRANSLATE_NOOP(
    "",
    "You are currently using software rendering mode. This mode allow you to run Vantora "
    "without using graphics card however it has some limitation described in the "
    "<a href=\"User manual\">documentation</a>.You can also contact "
    "<a href=\"https://support.vantora.example/contact\">client support</a>"
    " for more information about rendering modes.");

// Renames the items of a combo box in place: its current item stays.
template <typename Texts>
void RetranslateItems(QComboBox* pCombo, const char* pContext, const Texts& pTexts)
{
    const QSignalBlocker blocker(pCombo);
    const int count = qMin(pCombo->count(), int(std::size(pTexts)));
    for (int index = 0; index < count; ++index)
        pCombo->setItemText(index, QCoreApplication::translate(pContext, pTexts[index]));
}

} // namespace

void ZelGeneralSettingsPanel::initializeGeneralSettings()
{
    const QSignalBlocker blocker(mUi->mPsNamingPolicyComboBox);
    for (int type = 0; type < int(std::size(kNamingPolicies)); ++type) {
        mUi->mPsNamingPolicyComboBox->addItem(
            QCoreApplication::translate("SelectAttributeNameMenu", kNamingPolicies[type]), type);
    }
}

// The lists never change: filled once, they are renamed in place when the language does.
void ZelGeneralSettingsPanel::fillUnits()
{
    if (mUi->units_comboBox->count() > 0)
        return;
    for (int index = 0; index < int(std::size(kUnits)); ++index) {
        mUi->units_comboBox->addItem(QCoreApplication::translate(kContext, kUnitNames[index]),
                                     int(kUnits[index]));
    }
}

void ZelGeneralSettingsPanel::fillNavigationModes()
{
    if (mUi->mNavModeComboBox->count() > 0)
        return;
    for (int index = 0; index < int(std::size(kControllers)); ++index) {
        mUi->mNavModeComboBox->addItem(
            QCoreApplication::translate(kContext, kNavigationModes[index]),
            QString::fromLatin1(kControllers[index]));
    }
}

void ZelGeneralSettingsPanel::setNbCoresTxt(int pCores)
{
    const QString text = pCores < 2
                             ? QCoreApplication::translate("ZelGeneralSettingsPanel", "%1 core")
                             : QCoreApplication::translate("ZelGeneralSettingsPanel", "%1 cores");
    mUi->coreUsedLabel->setText(text.arg(pCores));
}

void ZelGeneralSettingsPanel::translateSoftwareMessage()
{
    mUi->softwareTextLabel->setText(QCoreApplication::translate("", kSoftwareMessage));
}

void ZelGeneralSettingsPanel::changeEvent(QEvent* pEvent)
{
    if (pEvent->type() == QEvent::LanguageChange) {
        // The form's texts come back in the new language; what the person edited lives in
        // values, indexes and tool tips, which stay.
        mUi->retranslateUi(this);
        RetranslateItems(mUi->units_comboBox, kContext, kUnitNames);
        RetranslateItems(mUi->mNavModeComboBox, kContext, kNavigationModes);
        RetranslateItems(mUi->mPsNamingPolicyComboBox, "SelectAttributeNameMenu",
                         kNamingPolicies);
        setNbCoresTxt(mUi->coreUsedSlider->value());
        translateSoftwareMessage();
        elideText();
        setPanelName(QCoreApplication::translate("ZelGeneralSettingsPanel", "GENERAL"));
    }
    ZelSettingsPanel::changeEvent(pEvent);
}

} // namespace zel
