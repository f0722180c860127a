#pragma once

#include <QWidget>

class QTreeWidget;

namespace Ui {
class ProductStructureWidget;
}

namespace zel {

class SampleAssembly;

// The product structure panel: the assembly and its instances, each with its component
// and the component's material, mass and part number.
class ProductStructureWidget : public QWidget
{
    Q_OBJECT

public:
    enum tColumn
    {
        NameColumn = 0,
        ComponentColumn = 1,
        MaterialColumn = 2,
        MassColumn = 3,
        PartNumberColumn = 4
    };

    explicit ProductStructureWidget(QWidget* pParent = nullptr);
    ~ProductStructureWidget() override;

    // The assembly must outlive the widget, or be replaced first.
    void setAssembly(const SampleAssembly* pAssembly);
    // How instances are named: 0 instance name, 1 component name, 2 both.
    void setNamingPolicy(int pType);
    int namingPolicy() const { return mNamingPolicy; }
    QTreeWidget* tree() const;

protected:
    void changeEvent(QEvent* pEvent) override;

private:
    QString massText(int pComponent) const;
    void rebuild();

    Ui::ProductStructureWidget* mUi;
    const SampleAssembly* mAssembly = nullptr;
    int mNamingPolicy = 0;
};

} // namespace zel
