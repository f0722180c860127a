#pragma once

#include "ZelSettingsPanel.h"

namespace Ui {
class GridSettingsPanel;
}

namespace example {

// A host's own settings page: whether the 3D view draws its floor grid, and the grid's
// spacing in millimetres. The grid shows or hides at once; a new spacing takes effect when
// the view is next built, after a restart.
class GridSettingsPanel : public zel::ZelSettingsPanel
{
    Q_OBJECT

public:
    static constexpr char msVisibleKey[] = "grid/visible";
    static constexpr char msSpacingKey[] = "grid/spacing";

    // The keys with their defaults and validators, registered before the start-up check.
    static void RegisterSettings();

    GridSettingsPanel(zel::kmDMIApplication* pApplication, QSettings& pSettings,
                      QWidget* pParent = nullptr);
    ~GridSettingsPanel() override;

    void initializeWidget() override;
    bool hasModifications() const override;
    bool applyModifications() override;
    bool cancelModifications() override;
    bool canResetContent() const override;
    void resetContent() override;

Q_SIGNALS:
    void stateChanged();

protected:
    // The two keys as the controls hold them, and shown from the store's texts: the library
    // writes only what the person changed and follows changes made by other programs.
    StoreTexts storeTexts() const override;
    void showStoreTexts(const StoreTexts& pTexts) override;

private:
    struct Grid
    {
        bool visible;
        int spacing;
        bool operator!=(const Grid& pOther) const
        {
            return visible != pOther.visible || spacing != pOther.spacing;
        }
    };
    Grid stored() const;
    Grid defaults() const;
    Grid shown() const;
    void display(const Grid& pGrid);

    Ui::GridSettingsPanel* mUi;
};

} // namespace example
